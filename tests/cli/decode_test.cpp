// inspect: files the windows wrote, files of the wrong size, another
// model's CFG.BIN and random bytes, as text and as JSON.
#include <nlohmann/json.hpp>

#include <random>
#include <string>
#include <vector>

#include "records/menu_record.h"
#include "records/send_set.h"
#include "tests/cli/cli_test_support.h"

namespace {

using clitest::Cli;
using nlohmann::json;

class Inspect : public clitest::CliTest {
 protected:
  // menu.dat or CFG.BIN as the windows write it, through trailset-cli.
  std::filesystem::path Written(const char* command, uint16_t model, const std::vector<std::string>& sets,
                                const std::string& folder) {
    const auto out = Folder(folder);
    std::vector<std::string> a = {command, "-m", std::to_string(model), "-o", out.string(),
                                  "--clock", clitest::kClock, "--timezone", "+8"};
    for (const std::string& s : sets) a.insert(a.end(), {"--set", s});
    const clitest::Result r = Cli(a);
    EXPECT_EQ(r.status, 0) << r.err;
    return out / (std::string(command) == "camera" ? "menu.dat" : "CFG.BIN");
  }

  json Report(const std::filesystem::path& file, uint16_t model, int status, std::vector<std::string> more = {}) {
    std::vector<std::string> a = {"inspect", file.string(), "--model", std::to_string(model), "--json"};
    a.insert(a.end(), more.begin(), more.end());
    const clitest::Result r = Cli(a);
    EXPECT_EQ(r.status, status) << r.out << r.err;
    return json::parse(r.out);
  }

  static json Field(const json& report, const std::string& name) {
    for (const auto& f : report["fields"])
      if (f["name"] == name) return f;
    ADD_FAILURE() << "no field " << name;
    return {};
  }
  static json Change(const json& report, const std::string& name) {
    for (const auto& c : report["opening_changes"])
      if (c["name"] == name) return c;
    return {};
  }

  // A file's unscrambled image, changed and scrambled again.
  static void Patch(const std::filesystem::path& file, const std::vector<std::pair<int, uint8_t>>& bytes) {
    std::vector<uint8_t> v = clitest::ReadBytes(file);
    for (const auto& [at, b] : bytes) ASSERT_LT(static_cast<std::size_t>(at), v.size()) << file;
    UnscrambleBytes(v.data(), static_cast<int>(v.size()));
    for (const auto& [at, b] : bytes) v[static_cast<std::size_t>(at)] = b;
    ScrambleBytes(v.data(), static_cast<int>(v.size()));
    clitest::WriteBytes(file, v);
  }
};

TEST_F(Inspect, MenuWrittenByTheWindowDecodesAndOpensUnchanged) {
  const auto file = Written("camera", 515,
                            {"CapMode=Video", "PirInterval=10s", "LatitudeDir=S", "LatitudeDeg=45", "LatitudeMin=30",
                             "Reserved0=Open terrain", "Language=English"},
                            "card");
  const json r = Report(file, 515, 0);
  EXPECT_TRUE(r["accepted"].get<bool>());
  EXPECT_EQ(r["layout"], 2);
  EXPECT_EQ(Field(r, "CapMode")["meaning"], "Video");
  EXPECT_EQ(Field(r, "PirInterval")["stored"], "0x8A");
  EXPECT_EQ(Field(r, "PirInterval")["meaning"], "10 seconds");
  EXPECT_EQ(Field(r, "SetClock")["meaning"], "Auto, time zone UTC+08");
  EXPECT_EQ(Field(r, "LatitudeDeg")["meaning"], "S 45\xC2\xB0" "30'00\"");
  EXPECT_EQ(Field(r, "Reserved0")["meaning"], "Open terrain");
  EXPECT_EQ(Field(r, "Language")["meaning"], "English");
  EXPECT_EQ(Field(r, "CheckFlag")["stored"], "0x8086");
  EXPECT_EQ(Field(r, "ClockYear")["width"], 2);
  EXPECT_TRUE(r["opening_changes"].empty()) << r["opening_changes"].dump();
  // Every setting of the layout, once.
  int expected = 0;
  for (int i = 0; i < static_cast<int>(MenuSetting::Count); ++i)
    if (FieldLocation(static_cast<MenuSetting>(i), 2) >= 0) ++expected;
  EXPECT_EQ(static_cast<int>(r["fields"].size()), expected);
}

TEST_F(Inspect, LayoutThreeSerialTextAndTheClockTheWindowResets) {
  const auto file = Written("camera", 526, {"SerialOn=On", "SerialText=CAM0042", "SetClock=Input", "ClockYear=2030"},
                            "card");
  const json r = Report(file, 526, 0);
  EXPECT_EQ(Field(r, "SerialText")["meaning"], "\"CAM0042\"");
  EXPECT_EQ(Field(r, "SerialText")["width"], 11);
  // The window opens every file with the clock on Auto.
  const json c = Change(r, "SetClock");
  ASSERT_FALSE(c.is_null());
  EXPECT_EQ(c["meaning"], "Input, time zone UTC+08");
  EXPECT_EQ(c["meaning_after"], "Auto, time zone UTC+08");
}

TEST_F(Inspect, ValuesOutsideTheModelsListsAreShownWithTheWindowsCorrection) {
  const auto file = Written("camera", 512, {}, "card");
  const int img = FieldLocation(MenuSetting::ImgSize, 2), length = FieldLocation(MenuSetting::VideoLength, 2);
  Patch(file, {{img, 7}, {length, 60}});
  const json r = Report(file, 512, 0);
  EXPECT_EQ(Field(r, "ImgSize")["meaning"], "not in this model's list of 4 entries");
  const json c = Change(r, "ImgSize");
  ASSERT_FALSE(c.is_null());
  EXPECT_EQ(c["stored"], "0x07");
  EXPECT_EQ(c["becomes"], "0x01");
  EXPECT_EQ(c["meaning_after"], "14 MP");
  EXPECT_EQ(Change(r, "VideoLength")["becomes"], "0x09");
}

// A value the window corrects with a warning as it opens: inspect names the
// correction and the warning; camera --from carries on with the corrected
// value and says so.
TEST_F(Inspect, ValuesTheWindowCorrectsWithAWarningAreNamedWithIt) {
  const auto file = Written("camera", 524, {}, "card");
  Patch(file, {{FieldLocation(MenuSetting::LongitudeMin, 3), 75}});
  const json r = Report(file, 524, 0);
  const json c = Change(r, "LongitudeMin");
  ASSERT_FALSE(c.is_null()) << r["opening_changes"].dump();
  EXPECT_EQ(c["stored"], "0x4B");
  EXPECT_EQ(c["becomes"], "0x3B");
  EXPECT_EQ(c["warning"], "The input is out of range!");
  const clitest::Result text = Cli({"inspect", file.string(), "-m", "524"});
  EXPECT_NE(text.out.find("  LongitudeMin: 0x4B -> 0x3B  (75 -> 59)  with the warning \"The input is out of range!\"\n"),
            std::string::npos)
      << text.out;

  const clitest::Result run = Cli({"camera", "-m", "524", "-o", Folder("out").string(), "--from", file.string(),
                                   "--clock", clitest::kClock, "--timezone", "+8", "--json"});
  ASSERT_EQ(run.status, 0) << run.err << run.out;
  const json j = json::parse(run.out);
  EXPECT_EQ(j["corrections"], json::parse(R"([{"name": "LongitudeMin", "shown": "75", "becomes": "59",
                                               "caption": "Warning", "warning": "The input is out of range!"}])"));
  EXPECT_EQ(Field(j["file"], "LongitudeMin")["stored"], "0x3B");
  const clitest::Result said = Cli({"camera", "-m", "524", "-o", Folder("out").string(), "--from", file.string()});
  EXPECT_EQ(said.err, "trailset-cli: warning: the window corrected LongitudeMin of the --from file from \"75\" to "
                      "\"59\": The input is out of range!\n");
}

TEST_F(Inspect, MenuOfTheWrongSizeIsReportedIgnored) {
  const auto dir = Folder("card");
  clitest::WriteBytes(dir / "menu.dat", std::vector<uint8_t>(67, 0x17));
  json r = Report(dir / "menu.dat", 515, 1);
  EXPECT_FALSE(r["accepted"].get<bool>());
  EXPECT_NE(r["verdict"].get<std::string>().find("takes only a 68-byte menu.dat"), std::string::npos);
  EXPECT_FALSE(r.contains("fields"));

  // A NANO-B file on a card for VORN-P2.
  const auto nano_b = Written("camera", 513, {}, "nano");
  r = Report(nano_b, 515, 1);
  ASSERT_FALSE(r["notes"].empty());
  EXPECT_EQ(r["notes"][0], "60 bytes is the menu.dat of NANO-B");

  const clitest::Result text = Cli({"inspect", nano_b.string(), "-m", "VORN-P2"});
  EXPECT_EQ(text.status, 1);
  EXPECT_NE(text.out.find("Verdict: ignored"), std::string::npos) << text.out;
}

TEST_F(Inspect, CfgWrittenByTheWindowWithPasswordsMasked) {
  const auto file = Written("wireless", 520,
                            {"bySendBy=Email", "country=France", "operator=Orange", "sSmtpSet.szServer=smtp.example.com",
                             "sSmtpSet.iPort=465", "szAddr=cam@example.com", "sSmtpSet.szPassword=mail-pass",
                             "email1=me@example.org"},
                            "card");
  json r = Report(file, 520, 0);
  EXPECT_TRUE(r["accepted"].get<bool>());
  EXPECT_EQ(Field(r, "bySendBy")["stored"], "130");
  EXPECT_EQ(Field(r, "bySendBy")["meaning"], "Email (flag 0x80 set, as this program writes it)");
  EXPECT_EQ(Field(r, "byOperatorCountry")["meaning"], "France");
  EXPECT_EQ(Field(r, "byOperator")["meaning"], "Orange");
  EXPECT_EQ(Field(r, "sTime")["meaning"], "2026-03-14 15:09:26");
  EXPECT_EQ(Field(r, "byRemoteInterval")["meaning"], "Remote Off");
  EXPECT_EQ(Field(r, "sSmtpSet.szPassword")["stored"], "\"********\"");
  EXPECT_EQ(Field(r, "sMmsSet.szPassword")["stored"], "\"********\"");
  EXPECT_EQ(r["struct_flag"]["stored"], 22);

  const clitest::Result masked = Cli({"inspect", file.string(), "-m", "520"});
  EXPECT_EQ(masked.out.find("mail-pass"), std::string::npos);
  r = Report(file, 520, 0, {"--show-passwords"});
  EXPECT_EQ(Field(r, "sSmtpSet.szPassword")["stored"], "\"mail-pass\"");
}

TEST_F(Inspect, TheLongerRecordCarriesTheGpsMailbox) {
  const auto file = Written("wireless", 519,
                            {"bySendBy=Off", "sGpsMail.szGpsServer=smtp.example.com", "sGpsMail.iPort=587",
                             "sGpsMail.szGpsSmtpAccount=gps@example.com", "sGpsMail.szGpsSmtpPassword=gps-pass",
                             "sGpsMail.szGpsAddr=me@example.net"},
                            "card");
  const json r = Report(file, 519, 0);
  EXPECT_EQ(r["size"], 1500);
  EXPECT_EQ(r["struct_flag"]["stored"], 23);
  EXPECT_EQ(Field(r, "sGpsMail.iPort")["stored"], "587");
  EXPECT_EQ(Field(r, "sGpsMail.iPort")["offset"], 1320);
  EXPECT_EQ(Field(r, "sGpsMail.szGpsAddr")["stored"], "\"me@example.net\"");
  EXPECT_EQ(Field(r, "sGpsMail.szGpsSmtpPassword")["stored"], "\"********\"");
  EXPECT_TRUE(r["opening_changes"].empty()) << r["opening_changes"].dump();
  // The 1320-byte models do not take it.
  const json other = Report(file, 520, 1);
  EXPECT_EQ(other["notes"], json({"StructFlag 23 is written for VORN-P3-4G, VORN-P3-5G",
                                  "1500 bytes is the CFG.BIN of VORN-P3-4G, VORN-P3-5G",
                                  "decoded as the 1500-byte record it is"}));
}

TEST_F(Inspect, CfgCorrectionsOfTheLoadAndThePage) {
  const auto file = Written("wireless", 520, {"bySendBy=Off"}, "card");
  Patch(file, {{offsetof(SendSet, byRemoteInterval), 30}, {offsetof(SendSet, bySendMode), 1},
               {offsetof(SendSet, DebugFlag), 1}});
  const json r = Report(file, 520, 0);
  EXPECT_EQ(Field(r, "byRemoteInterval")["meaning"], "out of range (the load makes it 0 with remote control on)");
  EXPECT_EQ(Change(r, "byRemoteInterval")["becomes"], "0");
  EXPECT_EQ(Change(r, "byRemoteSwitch")["becomes"], "1");
  EXPECT_EQ(Change(r, "bySendMode")["becomes"], "0");
  EXPECT_EQ(Change(r, "DebugFlag")["becomes"], "0");
  EXPECT_TRUE(Change(r, "bySendBy").is_null()) << "the flag bit is the load's, not a change";
}

TEST_F(Inspect, AnotherModelsCfgIsRefusedWithItsOwner) {
  const auto file = Written("wireless", 520, {"bySendBy=Off"}, "card");
  // StructFlag 22 on the WiFi model.
  json r = Report(file, 514, 1);
  EXPECT_EQ(r["verdict"], "refused: StructFlag 22 is not that of NANO-A-WIFI (8192); the wireless parameter page "
                          "clears the record");
  bool owner = false;
  for (const auto& n : r["notes"]) owner = owner || n.get<std::string>().find("VORN-P4-4G") != std::string::npos;
  EXPECT_TRUE(owner) << r["notes"].dump();
  EXPECT_TRUE(r.contains("fields"));

  // 1320 bytes where the GPS mailbox models need 1500.
  r = Report(file, 518, 1);
  EXPECT_NE(r["verdict"].get<std::string>().find("takes only a 1500-byte CFG.BIN"), std::string::npos);

  // The module-choice models take 0 (WiFi) or 1 (cellular).
  Patch(file, {{offsetof(SendSet, StructFlag), 0}});
  r = Report(file, 528, 0);
  EXPECT_EQ(r["notes"][0], "the file chooses the WIFI send module (MdmSendVia 0)");
  Patch(file, {{offsetof(SendSet, StructFlag), 22}});
  r = Report(file, 528, 1);
  EXPECT_NE(r["verdict"].get<std::string>().find("(0 or 1)"), std::string::npos) << r["verdict"];

  // A model without a wireless module never reads one.
  r = Report(file, 515, 1);
  EXPECT_EQ(r["verdict"], "unused: VORN-P2 has no wireless module, its windows never read CFG.BIN");
}

TEST_F(Inspect, RandomBytesOfAnySizeNeverCrash) {
  std::mt19937 gen(20261208);
  std::uniform_int_distribution<int> byte(0, 255);
  const auto dir = Folder("card");
  int n = 0;
  for (std::size_t size : {0u, 1u, 44u, 60u, 68u, 188u, 1319u, 1320u, 1500u, 4096u}) {
    for (const char* kind : {"menu", "cfg"}) {
      for (uint16_t model : {513, 518, 523, 528}) {
        std::vector<uint8_t> v(size);
        for (auto& b : v) b = static_cast<uint8_t>(byte(gen));
        const auto file = dir / ("random" + std::to_string(n++));
        clitest::WriteBytes(file, v);
        const clitest::Result j = Cli({"inspect", file.string(), "-m", std::to_string(model), "--kind", kind, "--json"});
        ASSERT_TRUE(j.status == 0 || j.status == 1) << size << " " << kind << " " << model << j.err;
        const json r = json::parse(j.out);  // valid JSON whatever the bytes
        EXPECT_EQ(r["size"], size);
        const clitest::Result t = Cli({"inspect", file.string(), "-m", std::to_string(model), "--kind", kind});
        EXPECT_EQ(t.status, j.status);
        EXPECT_NE(t.out.find("Verdict: "), std::string::npos);
        // Nothing unprintable reaches the terminal.
        for (char c : t.out) EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n') << size << kind << model;
      }
    }
  }
}

TEST_F(Inspect, KindFromNameOrSize) {
  const auto dir = Folder("card");
  clitest::WriteBytes(dir / "odd.bin", std::vector<uint8_t>(77, 0));
  const clitest::Result r = Cli({"inspect", (dir / "odd.bin").string(), "-m", "512"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("--kind menu or --kind cfg"), std::string::npos);
  // A file named menu.dat is one, whatever its size.
  clitest::WriteBytes(dir / "MENU.DAT", std::vector<uint8_t>(1320, 0));
  const clitest::Result m = Cli({"inspect", (dir / "MENU.DAT").string(), "-m", "512"});
  EXPECT_EQ(m.status, 1);
  EXPECT_NE(m.out.find("Note: this size is that of a CFG.BIN; inspect it with --kind cfg"), std::string::npos) << m.out;
  EXPECT_EQ(Cli({"inspect", (dir / "none").string(), "-m", "512"}).status, 2);
}

}  // namespace
