// The wireless command: the wireless parameter page, the GPS coordinates
// mailbox window and the send settings page of a model, run headless on
// the loaded CFG.BIN or the defaults, with the user's choices made in their
// own controls; Next Page and Generate run their checks in their order and
// say what they say.
#include <algorithm>
#include <ostream>

#include "apps/cli/cli_cfg.h"
#include "apps/cli/cli_commands.h"
#include "apps/cli/cli_common.h"
#include "apps/cli/cli_report.h"
#include "apps/cli/cli_run.h"
#include "apps/cli/cli_session.h"
#include "records/catalogue.h"
#include "records/send_set.h"
#include "shell/ui_strings.h"
#include "wireless/gps_mailbox.h"
#include "wireless/operator_presets.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_controls.h"
#include "wireless/wireless_page.h"
#include "wireless/wireless_state.h"
#include "records/app_state.h"

namespace cli {

namespace {

using wctl::Control;

constexpr int kPage = kWirelessPageTemplate;
constexpr int kSend = kSendSettingsTemplate;
constexpr int kGps = kGpsMailboxTemplate;

// Why a control takes no input: what opens it.
struct OpenerHint {
  wctl::Opener opener;
  const char* hint;
};
constexpr OpenerHint kOpenerHints[] = {
    {wctl::Opener::ModuleModel, "(only the models with two send modules have it)"},
    {wctl::Opener::PresetCapable, "(WiFi models take no operator preset)"},
    {wctl::Opener::PresetCountry, "(the page takes it with a preset country)"},
    {wctl::Opener::SendByMode, "(the page takes it with a bySendBy that uses it)"},
    {wctl::Opener::ManualCountry, "(the page takes it with byOperatorCountry=Manual)"},
    {wctl::Opener::ManualAndRemote, "(the page takes it with byOperatorCountry=Manual and remote control on)"},
    {wctl::Opener::RemoteOrEmail, "(the page takes it with remote control on: byRemoteInterval, or bySendBy E-mail)"},
    {wctl::Opener::FtpDirSpecify, "(the page takes it with sFtpSet.iFtpDirType=Specify)"},
    {wctl::Opener::RemoteOn, "(the page takes it with remote control on)"},
    {wctl::Opener::RemoteOnNo22, "(the page takes it with remote control on and NoRemoteCommand22 Off)"},
    {wctl::Opener::RemoteModel, "(the page of this model or mode keeps remote control off)"},
    {wctl::Opener::PictureSize, "(the picture size is fixed on this model or mode)"},
    {wctl::Opener::MmsMode, "(phone numbers are taken in MMS mode only)"},
    {wctl::Opener::EmailOrMms, "(e-mail recipients are taken in e-mail and MMS mode)"},
    {wctl::Opener::Position, "(the position is taken in cloud mode, on models that show it)"},
};

// "(only VORN-P3-4G and VORN-P3-5G have it)": the models of the catalogue
// with the GPS coordinates mailbox.
std::string OnlyGpsMailboxModels() {
  std::vector<std::string> names;
  for (uint16_t code : SelectableModels())
    if (Has(TraitsOfCode(code).gps_mailbox)) names.push_back(ModelDisplayName(code));
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i)
    list += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  return "(only " + list + " have it)";
}

std::string HintOf(const Control& c) {
  if (c.opener == wctl::Opener::GpsModel) return OnlyGpsMailboxModels();
  for (const OpenerHint& h : kOpenerHints)
    if (h.opener == c.opener) return h.hint;
  return "";
}

int TemplateOf(const Control& c) { return wctl::TemplateOf(c.window); }

// The controls a user sets, in the order the companion lists them.
const std::vector<const Control*>& Settings() {
  static const std::vector<const Control*> settings = [] {
    std::vector<const Control*> v;
    for (const Control& c : wctl::Controls())
      if (wctl::IsSetting(c)) v.push_back(&c);
    return v;
  }();
  return settings;
}

const Control& Resolve(const std::string& name) {
  const std::vector<const Control*>& settings = Settings();
  std::vector<const Control*> hits;
  for (const Control* c : settings)
    if (SameText(name, wctl::NameOf(*c)) || (*c->alias && SameText(name, c->alias))) return *c;
  // A unique last part of a dotted name: "szWLNetApN", "szAppKey".
  for (const Control* c : settings) {
    const std::string full = wctl::NameOf(*c);
    const auto dot = full.find('.');
    if (dot != std::string::npos && SameText(name, full.substr(dot + 1))) hits.push_back(c);
  }
  if (hits.size() == 1) return *hits.front();
  if (hits.size() > 1) {
    std::string names;
    for (const Control* c : hits) names += std::string(names.empty() ? "" : ", ") + wctl::NameOf(*c);
    throw UsageError(EchoQuoted(name) + " names several settings: " + names);
  }
  throw UsageError("unknown wireless setting " + EchoQuoted(name) + " (trailset-cli wireless --help lists them)");
}

// The --set arguments, each with the setting it names; a password's value
// is marked secret, so no message repeats it.
std::vector<SetRequest> WirelessSets(const std::vector<std::string>& args) {
  std::vector<SetRequest> sets = ParseSets(args);
  for (SetRequest& r : sets) r.secret = wctl::IsSecret(Resolve(r.name));
  return sets;
}

// What a control shows, by the value --set takes.
std::string ShownValue(const headless::Session& s, const Control& c) {
  const int tpl = TemplateOf(c);
  switch (c.kind) {
    case wctl::Kind::Check: return s.Checked(c.id, tpl) ? "On" : "Off";
    case wctl::Kind::Edit: return s.Text(c.id, tpl);
    case wctl::Kind::Country:
      if (s.Selection(wp_ids::kSource, kPage) == 1) return "Manual";
      [[fallthrough]];
    case wctl::Kind::List: break;
  }
  std::vector<std::string> english = wctl::ListEntries(c, 1);
  const std::vector<std::string> items = s.Items(c.id, tpl);
  if (english.size() != items.size()) english.clear();
  return EntryName(items, english, s.Selection(c.id, tpl));
}

class WirelessChoices {
 public:
  WirelessChoices(AppRun& run, bool keep_shown) : s_(run.s()), keep_shown_(keep_shown) {}

  Outcome Apply(const SetRequest& r) {
    const Control& c = Resolve(r.name);
    const int tpl = TemplateOf(c);
    // A control that shows the value already is left as it is: choosing
    // an entry again runs the window's rules for it (presets filled anew).
    if (keep_shown_ && OpenForInput(s_, tpl, c.id) &&
        (c.kind == wctl::Kind::Edit ? s_.Text(c.id, tpl) == r.value : EntryKey(ShownValue(s_, c)) == EntryKey(r.value)))
      return {};
    if (c.box != wctl::Box::Any && s_.IsOpen(kPage) && s_.TopTemplate() == kPage) {
      // The FTP and cloud fields share one box; it shows one of them.
      if ((c.box == wctl::Box::Ftp) != (App().s_eFtpEditUse == 0)) return {Outcome::NotNow, ""};
    }
    if (!s_.HasControl(c.id, tpl)) return {Outcome::Refused, "the window does not have it"};
    switch (c.kind) {
      case wctl::Kind::Check: return SetTick(s_, tpl, c.id, r.value);
      case wctl::Kind::Edit: return TypeInto(s_, tpl, c.id, r.value, warnings_, r.secret);
      case wctl::Kind::Country: return Country(c, r.value);
      case wctl::Kind::List: return ChooseEntry(s_, tpl, c.id, r.value, English(c));
    }
    return {};
  }

  std::string Hint(const SetRequest& r) const { return HintOf(Resolve(r.name)); }
  const std::vector<std::string>& warnings() const { return warnings_; }

 private:
  // The entries in English, where they name the entries the window shows.
  std::vector<std::string> English(const Control& c) const {
    std::vector<std::string> v = wctl::ListEntries(c, 1);
    if (v.size() != s_.Items(c.id, TemplateOf(c)).size()) v.clear();
    return v;
  }

  // A preset country, or hand-typed values ("Manual"): the operator-source
  // list first, then the country list.
  Outcome Country(const Control& c, const std::string& value) {
    const std::string key = EntryKey(value);
    const bool manual = key == "manual" || key == "manualinput" || key == "others" || key == "no" ||
                        key == EntryKey(Position(ManualOperatorCountry));
    if (manual) return ChooseEntry(s_, kPage, wp_ids::kSource, "#1", {});
    if (s_.Selection(wp_ids::kSource, kPage) == 1) {
      const Outcome o = ChooseEntry(s_, kPage, wp_ids::kSource, "#0", {});
      if (o.status != Outcome::Done) return o;
    }
    return ChooseEntry(s_, kPage, c.id, value, English(c));
  }

  headless::Session& s_;
  bool keep_shown_;
  std::vector<std::string> warnings_;
};

struct WirelessResult {
  std::string message;
  std::vector<std::string> warnings;
  std::optional<PlacedFile> placed;
};

void ThrowIfBox(AppRun& run) {
  if (auto box = run.TakeBox()) throw WindowRefusal(box->caption, box->text);
}

WirelessResult RunPages(const RunOptions& o, const PreparedRun& p, std::ostream& err, bool keep_shown) {
  std::vector<SetRequest> page, gps, send;
  std::optional<SetRequest> gps_box;
  for (const SetRequest& r : WirelessSets(o.sets)) {
    const Control& c = Resolve(r.name);
    if (c.kind == wctl::Kind::Check && c.window == wctl::Window::Page)
      gps_box = r;
    else
      (c.window == wctl::Window::Page ? page : c.window == wctl::Window::Gps ? gps : send).push_back(r);
  }
  auto by_rank = [](std::vector<SetRequest>& v) {
    std::stable_sort(v.begin(), v.end(),
                     [](const SetRequest& a, const SetRequest& b) { return Resolve(a.name).rank < Resolve(b.name).rank; });
  };
  by_rank(page);
  by_rank(send);

  ScratchFolder scratch;
  if (p.has_from) scratch.Put("CFG.BIN", p.from.bytes);
  RunSettings rs = p.settings;
  rs.workdir = scratch.path();
  AppRun run(rs);
  struct LogAtEnd {
    AppRun& run;
    bool on;
    std::ostream& err;
    ~LogAtEnd() {
      if (on) PrintLog(run.s().DiagLines(), err);
    }
  } log{run, o.log, err};
  headless::Session& s = run.s();

  std::vector<std::string> opening;
  for (const OpeningWarning& w : run.OpenWirelessSetup()) opening.push_back(w.text);
  if (p.has_from && App().LastSendSetLoad.fault == RecordFault::WrongSize)
    throw Refusal(EchoQuoted(o.from, SIZE_MAX) + " has " + std::to_string(p.from.size) + " bytes; the wireless parameter page of " +
                  ModelDisplayName(p.model) + " takes only a " + std::to_string(SendSetFileSize()) +
                  "-byte CFG.BIN and would start from the defaults");
  if (p.has_from && App().LastSendSetLoad.fault == RecordFault::StructFlag)
    throw Refusal(EchoQuoted(o.from, SIZE_MAX) + " is no CFG.BIN of " + ModelDisplayName(p.model) +
                  " (its StructFlag differs); the wireless parameter page would start from an empty record");

  WirelessChoices choices(run, keep_shown);
  auto apply = [&](const SetRequest& r) { return choices.Apply(r); };
  auto hint = [&](const SetRequest& r) { return choices.Hint(r); };
  std::vector<SetRequest> page_left = ApplyAvailable(page, apply);

  // The GPS coordinates mailbox window opens when its box is ticked, and
  // again at Next Page while it is ticked; its OK button checks it.
  bool gps_filled = false;
  auto answer_gps_window = [&] {
    if (s.TopTemplate() != kGps) return;
    if (!gps_filled) ApplyRequests(gps, apply, hint);
    gps_filled = true;
    if (auto r = s.Click(gps_ids::kOk, kGps); !r) throw std::runtime_error("OK could not be pressed: " + r.error);
    ThrowIfBox(run);
    if (s.TopTemplate() == kGps) throw Refusal("the GPS coordinates mailbox window did not close");
  };
  const bool want_gps = !gps.empty() || (gps_box && EntryKey(gps_box->value) != "off" && EntryKey(gps_box->value) != "0");
  if (gps_box || !gps.empty()) {
    const Outcome o1 = SetTick(s, kPage, wp_ids::kGpsMailbox, want_gps ? "On" : "Off");
    if (o1.status != Outcome::Done)
      throw Refusal(Echo(gps_box ? gps_box->name : gps.front().name) + ": " +
                    (o1.message.empty() ? "the page has no GPS coordinates mailbox " + OnlyGpsMailboxModels()
                                        : o1.message));
    answer_gps_window();
  }
  auto next_page = [&] {
    if (auto r = s.Click(wp_ids::kNextPage, kPage); !r)
      throw std::runtime_error("Next Page could not be pressed: " + r.error);
    ThrowIfBox(run);
    answer_gps_window();
    if (s.TopTemplate() != kSend) throw Refusal("Next Page did not open the send settings page");
  };
  next_page();
  std::vector<SetRequest> send_left = ApplyAvailable(send, apply);

  // Fields of the first page that open with a choice of the second (the
  // sender mailbox and MMS fields with remote control on): back with
  // Previous Page, as a user goes, and forward again.
  if (!page_left.empty()) {
    if (auto r = s.Click(send_ids::kPreviousPage, kSend); !r)
      throw std::runtime_error("Previous Page could not be pressed: " + r.error);
    if (s.TopTemplate() != kPage) throw Refusal("Previous Page did not open the wireless parameter page");
    RefuseLeftOver(ApplyAvailable(page_left, apply), hint);
    next_page();
    send_left = ApplyAvailable(send_left, apply);
  }
  RefuseLeftOver(send_left, hint);

  run.BrowseTo(send_ids::kBrowse, std::filesystem::absolute(p.out_dir));
  if (auto r = s.Click(send_ids::kGenerate, kSend); !r) throw std::runtime_error("Generate could not be pressed: " + r.error);
  const auto box = run.TakeBox();
  if (!box) throw Refusal(NotConfirmed(run, "CFG.BIN", p.out_dir));
  if (auto failed = SaveFailed(run, "CFG.BIN", p.out_dir, *box)) throw Refusal(*failed);
  if (box->icon != platform::MsgIcon::Information) throw WindowRefusal(box->caption, box->text);
  opening.insert(opening.end(), choices.warnings().begin(), choices.warnings().end());
  return {box->text, opening, run.LastPlaced()};
}

}  // namespace

std::string WirelessSettingNames() {
  std::string s;
  const char* window = "";
  for (const Control* c : Settings()) {
    const char* here = c->window == wctl::Window::Page  ? "wireless parameter page"
                       : c->window == wctl::Window::Gps ? "GPS coordinates mailbox window"
                                                        : "send settings page";
    if (std::string(here) != window) s += std::string(" ") + here + ":\n";
    window = here;
    s += "  " + std::string(wctl::NameOf(*c));
    if (*c->alias) s += " (or " + std::string(c->alias) + ")";
    if (c->kind == wctl::Kind::Check) s += "  On or Off";
    if (c->kind == wctl::Kind::Country) s += "  a preset country, or Manual";
    s += "\n";
  }
  return s;
}

WrittenFile WriteCfg(const RunOptions& o, const PreparedRun& p, std::ostream& err, bool keep_shown) {
  (void)WirelessSets(o.sets);
  WirelessResult r = RunPages(o, p, err, keep_shown);
  const std::vector<uint8_t> bytes = ConfirmOnCard(r.placed, "CFG.BIN", p.out_dir);
  ReportOptions ro;
  ro.opening = false;
  ro.show_passwords = o.show_passwords;
  return {r.message, r.warnings, Json::array(), CfgReport(r.placed->path, CardFile{bytes.size(), bytes}, p.model, ro)};
}

std::vector<ShownSetting> ShownWirelessSettings(const PreparedRun& p) {
  ScratchFolder scratch;
  scratch.Put("CFG.BIN", p.from.bytes);
  RunSettings rs = p.settings;
  rs.chinese = false;
  rs.workdir = scratch.path();
  AppRun run(rs);
  (void)run.OpenWirelessSetup();
  if (App().LastSendSetLoad.fault == RecordFault::WrongSize)
    throw Refusal("CFG.BIN has " + std::to_string(p.from.size) + " bytes; the wireless parameter page of " +
                  ModelDisplayName(p.model) + " takes only a " + std::to_string(SendSetFileSize()) + "-byte one");
  if (App().LastSendSetLoad.fault == RecordFault::StructFlag)
    throw Refusal("CFG.BIN is no CFG.BIN of " + ModelDisplayName(p.model) + " (its StructFlag differs)");
  headless::Session& s = run.s();
  std::vector<ShownSetting> shown;
  auto read_window = [&](wctl::Window w) {
    const int tpl = wctl::TemplateOf(w);
    for (const Control* c : Settings()) {
      if (c->window != w || !OpenForInput(s, tpl, c->id)) continue;
      if (c->box != wctl::Box::Any && (c->box == wctl::Box::Ftp) != (App().s_eFtpEditUse == 0)) continue;
      if (c->kind == wctl::Kind::List && s.Selection(c->id, tpl) < 0) continue;
      const std::string value = ShownValue(s, *c);
      shown.push_back({wctl::NameOf(*c), value, wctl::IsSecret(*c)});
    }
  };
  read_window(wctl::Window::Page);
  // Next Page runs the page's checks, as it does for a user, and opens the
  // GPS coordinates mailbox window first while its box is ticked.
  auto refused = [&](const char* what) {
    if (auto box = run.TakeBox()) throw WindowRefusal(box->caption, box->text);
    throw Refusal(std::string("the wireless windows of ") + ModelDisplayName(p.model) + " do not take this CFG.BIN: " + what);
  };
  if (auto r = s.Click(wp_ids::kNextPage, kPage); !r) throw std::runtime_error("Next Page could not be pressed: " + r.error);
  if (s.TopTemplate() == kGps) {
    read_window(wctl::Window::Gps);
    if (auto r = s.Click(gps_ids::kOk, kGps); !r) throw std::runtime_error("OK could not be pressed: " + r.error);
    if (s.TopTemplate() == kGps) refused("the GPS coordinates mailbox window did not close");
    if (s.TopTemplate() == kPage && s.Click(wp_ids::kNextPage, kPage) && s.TopTemplate() == kGps)
      refused("the GPS coordinates mailbox window opened again");
  }
  if (s.TopTemplate() != kSend) refused("Next Page did not open the send settings page");
  read_window(wctl::Window::Send);
  return shown;
}

int RunWireless(const RunOptions& o, std::ostream& out, std::ostream& err) {
  const PreparedRun p = PrepareRun(o);
  (void)WirelessSets(o.sets);
  const WrittenFile w = WriteCfg(o, p, err);
  if (o.json) {
    out << DumpJson(Json{{"result", "ok"},
                         {"format", kJsonFormat},
                         {"message", w.message},
                         {"warnings", w.warnings},
                         {"file", w.report}})
        << "\n";
  } else {
    PrintWritten(w, "the --from file", out, err);
  }
  return w.accepted() ? kExitOk : kExitRefused;
}

}  // namespace cli
