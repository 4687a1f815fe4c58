#include "apps/cli/cli_report.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ostream>

#include "apps/cli/cli_cfg.h"
#include "apps/cli/cli_common.h"
#include "apps/cli/cli_menu.h"
#include "apps/cli/cli_session.h"
#include "apps/common/all_windows.h"
#include "camera/option_lists.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/menu_record.h"
#include "records/send_set.h"
#include "records/text_field.h"

namespace cli {

namespace {

Json ModelJson(uint16_t code) { return Json{{"code", code}, {"name", ModelDisplayName(code)}}; }

// One decoded field of a report. Built member by member: a report has a
// hundred of them, and a braced list copies every value once more.
Json FieldJson(std::string_view name, std::size_t offset, std::size_t width, std::string stored, std::string meaning) {
  Json f(Json::value_t::object);
  auto& members = f.get_ref<Json::object_t&>();
  members.reserve(5);
  members.emplace_back("name", name);
  members.emplace_back("offset", offset);
  members.emplace_back("width", width);
  members.emplace_back("stored", std::move(stored));
  members.emplace_back("meaning", std::move(meaning));
  return f;
}

int LayoutOf(uint16_t code) { return MenuLayoutForModel(code, ModelSetupDlgId(code >> 8, code & 0xFF)); }

std::string Join(const std::vector<std::string>& v) {
  std::string s;
  for (const std::string& e : v) s += (s.empty() ? "" : ", ") + e;
  return s;
}

// The models whose menu.dat has `size` bytes.
std::vector<std::string> ModelsWithMenuSize(std::size_t size) {
  std::vector<std::string> v;
  for (uint16_t m : SelectableModels())
    if (static_cast<std::size_t>(MenuSize(LayoutOf(m))) == size) v.push_back(ModelDisplayName(m));
  return v;
}

std::vector<std::string> ModelsWithCfgSize(std::size_t size) {
  std::vector<std::string> v;
  for (uint16_t m : SelectableModels())
    if (ModelWirelessFunc(m >> 8, m & 0xFF) != kWirelessNone && static_cast<std::size_t>(SendSetFileSizeOf(m)) == size)
      v.push_back(ModelDisplayName(m));
  return v;
}

// Models that write `flag` into StructFlag, with either send module.
std::vector<std::string> ModelsWithStructFlag(unsigned flag) {
  std::vector<std::string> v;
  for (uint16_t m : SelectableModels()) {
    if (ModelWirelessFunc(m >> 8, m & 0xFF) == kWirelessNone) continue;
    for (uint16_t via : {uint16_t{1}, uint16_t{0}}) {
      if (StructFlagOf(m, via) == flag) {
        v.push_back(ModelDisplayName(m));
        break;
      }
    }
  }
  return v;
}

RunSettings MachineRun(uint16_t code, const std::filesystem::path& dir) {
  RunSettings r;
  r.model = code;
  r.now = MachineNow();
  r.utc_offset = MachineUtcOffset();
  r.workdir = dir;
  return r;
}

void PutOtherKindHint(Json& notes, std::size_t size, FileKind kind) {
  if (kind == FileKind::Menu && (size == sizeof(SendSet) || size == sizeof(SendSetTarn)))
    notes.push_back("this size is that of a CFG.BIN; inspect it with --kind cfg");
  if (kind == FileKind::Cfg) {
    const auto menus = ModelsWithMenuSize(size);
    if (!menus.empty()) notes.push_back("this size is that of a menu.dat; inspect it with --kind menu");
  }
}

}  // namespace

std::string DumpJson(const Json& j) { return j.dump(2, ' ', false, Json::error_handler_t::replace); }

Json CorrectionsJson(const std::vector<OpeningWarning>& warnings) {
  Json v = Json::array();
  for (const OpeningWarning& w : warnings) {
    const auto setting = MenuSettingOfEdit(w.control);
    v.push_back(Json{{"name", setting ? MenuSettingName(*setting) : ""},
                     {"shown", JsonText(w.shown)},
                     {"becomes", JsonText(w.becomes)},
                     {"caption", w.caption},
                     {"warning", w.text}});
  }
  return v;
}

std::string CorrectionLine(const Json& c, const std::string& what) {
  const std::string name = c["name"].get<std::string>(), warning = MessageLines(c["warning"].get<std::string>());
  const std::string shown = c["shown"].get<std::string>(), becomes = c["becomes"].get<std::string>();
  if (name.empty()) return "the window warned while opening " + what + ": " + warning;
  if (shown == becomes) return "the window warned about " + name + " of " + what + " (" + EchoQuoted(shown) + "): " + warning;
  return "the window corrected " + name + " of " + what + " from " + EchoQuoted(shown) + " to " + EchoQuoted(becomes) +
         ": " + warning;
}

Json MenuReport(const std::filesystem::path& path, const CardFile& file, uint16_t code, const ReportOptions& o) {
  const std::vector<uint8_t>& bytes = file.bytes;
  const int layout = LayoutOf(code);
  const std::size_t expected = static_cast<std::size_t>(MenuSize(layout));
  Json r;
  r["file"] = JsonText(path.string());
  r["kind"] = "menu.dat";
  r["size"] = file.size;
  r["model"] = ModelJson(code);
  r["layout"] = layout;
  r["expected_size"] = expected;
  Json notes = Json::array();

  // The camera setup window decides whether it takes the file (a copy of
  // at most the largest record and a byte, which tells a larger file).
  std::vector<uint8_t> opened, closed;
  std::vector<OpeningWarning> warnings;
  int zone = -1;
  int unit = 1;
  // Without the opening, the size alone decides, as the window's load does.
  bool rejected = file.size != expected;
  if (o.opening) {
    ScratchFolder scratch;
    scratch.Put("menu.dat", bytes);
    AppRun run(MachineRun(code, scratch.path()));
    warnings = run.OpenCameraSetup();
    rejected = App().LastMenuLoad.fault == RecordFault::WrongSize;
    const uint8_t* rec = MenuRecord(App().MenuLayout);
    opened.assign(rec, rec + MenuSize(App().MenuLayout));
    zone = App().TimeZoneIndex;
    unit = App().IntervalUnit;
    // What the window made of the values it warned about is what it reads
    // back from its edits, as closing it does.
    if (!warnings.empty() && !rejected && run.s().Close()) closed.assign(rec, rec + MenuSize(App().MenuLayout));
  }
  r["accepted"] = !rejected;
  if (rejected) {
    r["verdict"] = "ignored: the camera setup window of " + ModelDisplayName(code) + " takes only a " +
                   std::to_string(expected) + "-byte menu.dat and shows the factory values instead";
    const auto others = ModelsWithMenuSize(file.size);
    if (!others.empty())
      notes.push_back(std::to_string(file.size) + " bytes is the menu.dat of " + Join(others));
    PutOtherKindHint(notes, file.size, FileKind::Menu);
    r["notes"] = notes;
    return r;
  }
  r["verdict"] = "accepted by the camera setup window of " + ModelDisplayName(code);

  std::vector<uint8_t> plain = bytes;
  UnscrambleBytes(plain.data(), static_cast<int>(plain.size()));
  const std::vector<MenuField> fields = DecodeMenu(plain, code);
  Json jf = Json::array();
  for (const MenuField& f : fields)
    jf.push_back(FieldJson(MenuSettingName(f.setting), f.offset, f.width, MenuStoredText(f, plain), JsonText(f.meaning)));
  r["fields"] = jf;

  if (o.opening && opened.size() == plain.size()) {
    // In memory the clock mode byte holds the mode alone and the zone is
    // kept beside it; show it packed as the next write stores it.
    std::vector<uint8_t> shown = opened;
    const int clock_at = FieldLocation(MenuSetting::SetClock, layout);
    if ((layout == 2 || layout == 3) && clock_at >= 0 && zone >= 0)
      shown[clock_at] = static_cast<uint8_t>(0x80 | ((zone & 0x1F) << 2) | (shown[clock_at] & 3));
    // The interval likewise: the position in memory, the unit beside it.
    const int interval_at = FieldLocation(MenuSetting::PirInterval, layout);
    if (interval_at >= 0) shown[interval_at] = camopt::EncodePirInterval(unit, shown[interval_at]);
    // The settings the window corrected with a warning, as it read them back.
    std::vector<std::pair<MenuSetting, std::string>> warned;
    for (const OpeningWarning& w : warnings) {
      const auto setting = MenuSettingOfEdit(w.control);
      if (!setting) {
        notes.push_back("opening the window shows the warning " + Quoted(MessageLines(w.text)));
        continue;
      }
      warned.emplace_back(*setting, w.text);
      const int at = FieldLocation(*setting, layout);
      if (at >= 0 && closed.size() == shown.size()) shown[at] = closed[at];
    }
    auto warning_of = [&warned](MenuSetting s) {
      for (const auto& [setting, text] : warned)
        if (setting == s) return text;
      return std::string();
    };
    Json changes = Json::array();
    for (const MenuField& f : fields) {
      if (std::memcmp(plain.data() + f.offset, shown.data() + f.offset, f.width) == 0) continue;
      MenuField after = f;
      after.value = f.width == 2 ? (shown[f.offset] | (shown[f.offset + 1] << 8)) : shown[f.offset];
      std::string meaning_after = MenuMeaning(f.setting, shown, code);
      // Same meaning, other byte: how the next write stores it.
      if (meaning_after == f.meaning) meaning_after = "the same, as the next write stores it";
      Json change{{"name", MenuSettingName(f.setting)},
                  {"stored", MenuStoredText(f, plain)},
                  {"becomes", MenuStoredText(after, shown)},
                  {"meaning", JsonText(f.meaning)},
                  {"meaning_after", JsonText(meaning_after)}};
      if (const std::string w = warning_of(f.setting); !w.empty()) change["warning"] = w;
      changes.push_back(change);
    }
    r["opening_changes"] = changes;
  }
  r["notes"] = notes;
  return r;
}

Json CfgReport(const std::filesystem::path& path, const CardFile& file, uint16_t code, const ReportOptions& o) {
  const std::vector<uint8_t>& bytes = file.bytes;
  Json r;
  r["file"] = JsonText(path.string());
  r["kind"] = "CFG.BIN";
  r["size"] = file.size;
  r["model"] = ModelJson(code);
  Json notes = Json::array();

  ScratchFolder scratch;
  scratch.Put("CFG.BIN", bytes);

  // The record's own load decides: size, then StructFlag; it runs on a
  // state of its own, as a session of that model would.
  AppState load_state;
  std::optional<AppStateScope> use_load_state(std::in_place, load_state);
  MakeCurrentModel(code);
  const std::size_t expected = static_cast<std::size_t>(SendSetFileSize());
  const uint8_t wireless = ModelWirelessFunc(code >> 8, code & 0xFF);
  r["expected_size"] = expected;
  CopyTextField(App().SaveFolder, scratch.path().string());
  // The load's own lines are not part of the report.
  SetDiagSink([](std::string_view) {});
  const RecordOutcome loaded = LoadSendSet(0);
  SetDiagSink({});
  const uint16_t expected_flag = ExpectedStructFlag();
  const uint16_t via = App().MdmSendVia;
  use_load_state.reset();
  // What the model writes with either send module ("0 or 1" where the
  // flag records the module).
  std::vector<std::string> flags;
  for (uint16_t module : {uint16_t{1}, uint16_t{0}}) {
    const std::string f = std::to_string(StructFlagOf(code, module));
    if (std::find(flags.begin(), flags.end(), f) == flags.end()) flags.push_back(f);
  }
  std::string expected_flags = flags.front();
  if (flags.size() > 1) expected_flags = flags.back() + " or " + flags.front();

  const bool readable = file.size == bytes.size() && (bytes.size() == sizeof(SendSet) || bytes.size() == sizeof(SendSetTarn));
  std::vector<uint8_t> plain = bytes;
  UnscrambleBytes(plain.data(), static_cast<int>(plain.size()));
  const unsigned flag = readable ? static_cast<unsigned>(plain[12] | (plain[13] << 8)) : 0;

  bool accepted = static_cast<bool>(loaded);
  if (wireless == kWirelessNone || wireless == kWirelessK1MG) {
    accepted = false;
    r["verdict"] = "unused: " + ModelDisplayName(code) + " has no wireless module, its windows never read CFG.BIN";
  } else if (loaded.fault == RecordFault::WrongSize) {
    r["verdict"] = "ignored: the wireless parameter page of " + ModelDisplayName(code) + " takes only a " +
                   std::to_string(expected) + "-byte CFG.BIN and starts from the defaults instead";
  } else if (loaded.fault == RecordFault::StructFlag) {
    r["verdict"] = "refused: StructFlag " + std::to_string(flag) + " is not that of " + ModelDisplayName(code) +
                   " (" + expected_flags + "); the wireless parameter page clears the record";
  } else if (!accepted) {
    r["verdict"] = "ignored: the file could not be read";
  } else {
    r["verdict"] = "accepted by the wireless parameter page of " + ModelDisplayName(code);
  }
  r["accepted"] = accepted;
  if (readable) {
    r["struct_flag"] = Json{{"stored", flag}, {"expected", expected_flag}};
    if (accepted && via != 1) notes.push_back("the file chooses the WIFI send module (MdmSendVia 0)");
    if (!accepted || flag != expected_flag) {
      const auto writers = ModelsWithStructFlag(flag);
      if (!writers.empty()) notes.push_back("StructFlag " + std::to_string(flag) + " is written for " + Join(writers));
    }
  }
  if (file.size != expected) {
    const auto others = ModelsWithCfgSize(file.size);
    if (!others.empty()) notes.push_back(std::to_string(file.size) + " bytes is the CFG.BIN of " + Join(others));
    PutOtherKindHint(notes, file.size, FileKind::Cfg);
  }
  if (!readable) {
    r["notes"] = notes;
    return r;
  }
  if (bytes.size() != expected) notes.push_back("decoded as the " + std::to_string(bytes.size()) + "-byte record it is");

  Json jf = Json::array();
  for (const CfgField& f : DecodeCfg(plain, code, o.show_passwords))
    jf.push_back(FieldJson(f.def->name, f.def->offset, f.def->width, JsonText(f.stored), JsonText(f.meaning)));
  r["fields"] = jf;

  if (o.opening && accepted) {
    AppRun run(MachineRun(code, scratch.path()));
    for (const OpeningWarning& w : run.OpenWirelessSetup())
      notes.push_back("opening the window shows the warning " + Quoted(MessageLines(w.text)));
    std::vector<uint8_t> opened(bytes.size());
    std::memcpy(opened.data(), &App().g_sSendSet, sizeof(SendSet));
    if (bytes.size() == sizeof(SendSetTarn))
      std::memcpy(opened.data() + sizeof(SendSet), &App().g_sSendSetTarn.sGpsMail, sizeof(GpsMail));
    std::vector<uint8_t> before = plain;
    before[0] &= static_cast<uint8_t>(~IF_SEND_BY_APP_SET_FLG);  // the load takes the flag off
    Json changes = Json::array();
    for (const CfgFieldDef& d : CfgFields(bytes.size())) {
      if (!CfgFieldDiffers(d, before, opened)) continue;
      const CfgField a = DecodeCfgField(d, before, code, o.show_passwords);
      const CfgField b = DecodeCfgField(d, opened, code, o.show_passwords);
      changes.push_back(Json{{"name", d.name},
                             {"stored", JsonText(a.stored)},
                             {"becomes", JsonText(b.stored)},
                             {"meaning", JsonText(a.meaning)},
                             {"meaning_after", JsonText(b.meaning)}});
    }
    r["opening_changes"] = changes;
  }
  r["notes"] = notes;
  return r;
}

void PrintReport(const Json& r, std::ostream& out) {
  out << r["kind"].get<std::string>() << ": " << r["file"].get<std::string>() << " (" << r["size"].get<std::size_t>()
      << " bytes)\n";
  out << "Model: " << r["model"]["name"].get<std::string>() << " (" << r["model"]["code"].get<int>() << ")";
  if (r.contains("layout")) out << ", layout " << r["layout"].get<int>();
  out << ", expects " << r["expected_size"].get<std::size_t>() << " bytes\n";
  out << "Verdict: " << r["verdict"].get<std::string>() << "\n";
  if (r.contains("notes"))
    for (const auto& n : r["notes"]) out << "Note: " << n.get<std::string>() << "\n";
  if (r.contains("fields")) {
    out << "\n  offset  width  " << std::string("setting").append(27, ' ').substr(0, 28) << "stored      meaning\n";
    for (const auto& f : r["fields"]) {
      char head[64];
      std::snprintf(head, sizeof head, "  %6zu  %5zu  ", f["offset"].get<std::size_t>(), f["width"].get<std::size_t>());
      std::string name = f["name"].get<std::string>();
      if (name.size() < 28) name.append(28 - name.size(), ' ');
      std::string stored = f["stored"].get<std::string>();
      if (stored.size() < 11) stored.append(11 - stored.size(), ' ');
      out << head << name << stored << " " << f["meaning"].get<std::string>() << "\n";
    }
  }
  if (r.contains("opening_changes")) {
    const auto& c = r["opening_changes"];
    if (c.empty()) {
      out << "\nOpening the window on this file changes nothing.\n";
    } else {
      out << "\nOpening the window on this file changes:\n";
      for (const auto& e : c) {
        out << "  " << e["name"].get<std::string>() << ": " << e["stored"].get<std::string>() << " -> "
            << e["becomes"].get<std::string>();
        const std::string a = e["meaning"].get<std::string>(), b = e["meaning_after"].get<std::string>();
        if (!a.empty() || !b.empty()) out << "  (" << (a.empty() ? "-" : a) << " -> " << (b.empty() ? "-" : b) << ")";
        if (e.contains("warning")) out << "  with the warning " << Quoted(MessageLines(e["warning"].get<std::string>()));
        out << "\n";
      }
    }
  }
}

}  // namespace cli
