// Writes the seed corpus of the fuzz targets into <folder>/<target>/:
// files as the writers produce them for several models, and a few with
// the values and sizes that the loaders must repair or refuse. Each seed
// starts with the model-choice byte of its target.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "records/app_state.h"
#include "records/menu_record.h"
#include "records/send_set.h"
#include "records/text_field.h"

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {

fs::path g_out;

void Seed(const std::string& target, const std::string& name, uint8_t choice, const Bytes& file) {
  const fs::path dir = g_out / target;
  fs::create_directories(dir);
  std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
  out.put(static_cast<char>(choice));
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
}

Bytes Scrambled(Bytes plain) {
  ScrambleBytes(plain.data(), static_cast<int>(plain.size()));
  return plain;
}

// The factory menu.dat of a model, as Default writes it.
Bytes FactoryMenu(fuzz::Slot model) {
  fuzz::StartRun(model, 1);
  ChooseMenuLayout();
  ApplyMenuDefaults();
  if (!SaveMenuFile()) fuzz::Fail("cannot write menu.dat");
  return fuzz::ReadCardFile("menu.dat");
}

void MenuSeeds(int layout) {
  const std::string target = "fuzz_menu_l" + std::to_string(layout);
  const std::vector<fuzz::Slot> models = fuzz::MenuLayoutModels(layout);
  for (std::size_t i = 0; i < models.size() && i < 6; ++i)
    Seed(target, "factory_" + std::to_string(models[i].code()), static_cast<uint8_t>(i), FactoryMenu(models[i]));

  const Bytes base = FactoryMenu(models[0]);
  Bytes plain = base;
  UnscrambleBytes(plain.data(), static_cast<int>(plain.size()));
  const auto variant = [&](const std::string& name, MenuSetting s, uint8_t v) {
    const int at = FieldLocation(s, layout);
    if (at < 0) return;
    Bytes p = plain;
    p[static_cast<std::size_t>(at)] = v;
    Seed(target, name, 0x80, Scrambled(p));  // Chinese
  };
  variant("clock_zone_d1", MenuSetting::SetClock, 0xD1);
  variant("video_length_60", MenuSetting::VideoLength, 60);
  variant("language_0", MenuSetting::Language, 0);
  variant("interval_seconds_70", MenuSetting::PirInterval, 0x80 | 70);
  variant("serial_char_99", MenuSetting::SerialChar0, 99);
  variant("clock_month_13", MenuSetting::ClockMonth, 13);
  Seed(target, "all_ff", 0, Bytes(base.size(), 0xFF));
  Seed(target, "short_by_one", 0, Bytes(base.begin(), base.end() - 1));
  Bytes longer = base;
  longer.push_back(0);
  Seed(target, "long_by_one", 0, longer);
}

// CFG.BIN of a model from a record, as Generate writes it.
Bytes WrittenCfg(fuzz::Slot model, uint16_t via, void (*edit)(SendSet&)) {
  fuzz::StartRun(model, 1);
  App().MdmSendVia = via;
  ApplySendSetDefaults();
  edit(App().g_sSendSet);
  if (model.code() == 518 || model.code() == 519) {
    GpsMail& g = App().g_sSendSetTarn.sGpsMail;
    g.iPort = 587;
    CopyTextField(g.szGpsServer, "smtp.gps.example.com");
    CopyTextField(g.szGpsSmtpAccount, "gps@example.com");
    CopyTextField(g.szGpsSmtpPassword, "gps-pass");
    CopyTextField(g.szGpsAddr, "inbox@example.com");
  }
  if (!SaveSendSet()) fuzz::Fail("cannot write CFG.BIN");
  return fuzz::ReadCardFile("CFG.BIN");
}

void MailRecord(SendSet& r) {
  r.bySendBy = 2;
  r.byOperatorCountry = 43;
  CopyTextField(r.sSmtpSet.szWLNetApN, "internet");
  CopyTextField(r.sSmtpSet.szWLNetAccount, "TrailNet");  // the WiFi network on WiFi models
  CopyTextField(r.sSmtpSet.szWLNetPassword, "wifi-pass");
  CopyTextField(r.sSmtpSet.szServer, "smtp.example.com");
  r.sSmtpSet.iPort = 465;
  CopyTextField(r.sSmtpSet.szAddr, "cam@example.com");
  CopyTextField(r.sSmtpSet.szUserName, "cam@example.com");
  CopyTextField(r.sSmtpSet.szPassword, "secret");
  CopyTextField(r.szRecp[2], "me@example.com");
  r.uwRecpLen[2] = 14;
  r.byRemoteInterval = 25;  // remote control off
}
void RemoteRecord(SendSet& r) {
  MailRecord(r);
  r.byRemoteInterval = 3;
  CopyTextField(r.szRemotePhoneNum, "+8613812345678");
  CopyTextField(r.szRemoteEmail, "boss@example.com");
  CopyTextField(r.szRecp[0], "13900001234");
  r.uwRecpLen[0] = 11;
}
void FtpRecord(SendSet& r) {
  MailRecord(r);
  r.bySendBy = 3;
  CopyTextField(r.sFtpSet.szServer, "ftp.example.com");
  CopyTextField(r.sFtpSet.szUserName, "cam");
  CopyTextField(r.sFtpSet.szPassword, "pw");
  r.sFtpSet.iFtpDirType = 1;
  CopyTextField(r.sFtpSet.szFtpDir, "/up");
}
void CloudRecord(SendSet& r) {
  MailRecord(r);
  r.bySendBy = 4;
  CopyTextField(r.sVornCloudSet.szAppKey, "me@example.com");
  CopyTextField(r.sVornCloudSet.szAppSecret, "pw");
  CopyTextField(r.sVornCloudSet.szSimCardNum, "12345678");
}
void OddRecord(SendSet& r) {
  MailRecord(r);
  r.byRemoteInterval = 30;
  r.bySendFileNum = 7;
  r.byOperatorCountry = 50;
  r.byOperator = 12;
  r.bySendImgSize = 9;
  r.sFtpSet.iFtpDirType = 5;
}
void Defaults(SendSet&) {}

void CfgSeeds(const std::string& target, uint16_t cls) {
  const std::vector<fuzz::Slot> models = fuzz::StructFlagModels(cls);
  struct Kind {
    const char* name;
    void (*edit)(SendSet&);
  };
  const Kind kinds[] = {{"defaults", Defaults}, {"mail", MailRecord}, {"remote", RemoteRecord}, {"ftp", FtpRecord},
                        {"cloud", CloudRecord}, {"odd_values", OddRecord}};
  for (std::size_t i = 0; i < models.size() && i < 2; ++i) {
    for (const Kind& k : kinds) {
      for (uint16_t via : {uint16_t{1}, uint16_t{0}}) {
        if (via == 0 && cls != fuzz::kModuleChoiceClass) continue;
        const uint8_t choice = static_cast<uint8_t>(i | (via == 0 ? 0x40 : 0));
        Seed(target, std::string(k.name) + "_" + std::to_string(models[i].code()) + (via == 0 ? "_wifi" : ""),
             choice, WrittenCfg(models[i], via, k.edit));
      }
    }
  }
  Bytes base = WrittenCfg(models[0], 1, MailRecord);
  Seed(target, "short_by_one", 0, Bytes(base.begin(), base.end() - 1));
  Bytes other = base;
  UnscrambleBytes(other.data(), static_cast<int>(other.size()));
  other[12] = 22 + 1;  // a StructFlag of another model
  other[13] = 0;
  Seed(target, "foreign_flag", 0x80, Scrambled(other));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  g_out = argv[1];
  for (int layout = 0; layout < kMenuLayouts; ++layout) MenuSeeds(layout);
  CfgSeeds("fuzz_cfg_wifi", 8192);
  CfgSeeds("fuzz_cfg_gps", 23);
  CfgSeeds("fuzz_cfg_module", fuzz::kModuleChoiceClass);
  CfgSeeds("fuzz_cfg_plain", 22);
  return 0;
}
