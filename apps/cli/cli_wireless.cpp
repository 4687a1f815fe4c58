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
#include "records/send_set.h"
#include "shell/ui_strings.h"
#include "wireless/gps_mailbox.h"
#include "wireless/operator_presets.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_page.h"
#include "wireless/wireless_state.h"

namespace cli {

namespace {

enum class Ctl : uint8_t { List, Edit, Check, Country };
// Which presentation of the shared FTP/cloud box a field needs.
enum class Box : uint8_t { Any, Ftp, Cloud };

struct WSetting {
  const char* name;
  const char* alias;  // a second name, or ""
  int tpl;
  int id;
  Ctl kind;
  int rank;  // order within a window: switches first
  Box box = Box::Any;
  const char* needs = "";  // why the control may be closed for input
};

constexpr int kPage = kWirelessPageTemplate;
constexpr int kSend = kSendSettingsTemplate;
constexpr int kGps = kGpsMailboxTemplate;

constexpr char kNeedsMode[] = "(the page takes it with a bySendBy that uses it)";
constexpr char kNeedsManual[] = "(the page takes it with byOperatorCountry=Manual)";
constexpr char kNeedsMms[] = "(the page takes it with byOperatorCountry=Manual and remote control on)";
constexpr char kNeedsRemote[] = "(the page takes it with remote control on: byRemoteInterval, or bySendBy E-mail)";

const WSetting kSettings[] = {
    {"MdmSendVia", "module", kPage, wp_ids::kModule, Ctl::List, 0, Box::Any, "(only the models with two send modules have it)"},
    {"bySendBy", "sendby", kPage, wp_ids::kSendBy, Ctl::List, 1},
    {"byOperatorCountry", "country", kPage, wp_ids::kCountry, Ctl::Country, 2, Box::Any, "(WiFi models take no operator preset)"},
    {"byOperator", "operator", kPage, wp_ids::kOperator, Ctl::List, 3, Box::Any, "(the page takes it with a preset country)"},
    {"sFtpSet.iFtpDirType", "", kPage, wp_ids::kFtpDirType, Ctl::List, 4, Box::Ftp, kNeedsMode},
    {"sMmsSet.szUrl", "", kPage, wp_ids::kMmsUrl, Ctl::Edit, 5, Box::Any, kNeedsMms},
    {"sMmsSet.szApn", "", kPage, wp_ids::kMmsApn, Ctl::Edit, 5, Box::Any, kNeedsMms},
    {"sMmsSet.szGateway", "", kPage, wp_ids::kMmsGateway, Ctl::Edit, 5, Box::Any, kNeedsMms},
    {"sMmsSet.szPort", "", kPage, wp_ids::kMmsPort, Ctl::Edit, 5, Box::Any, kNeedsMms},
    {"sMmsSet.szAccount", "", kPage, wp_ids::kMmsAccount, Ctl::Edit, 5, Box::Any, kNeedsMms},
    {"sMmsSet.szPassword", "", kPage, wp_ids::kMmsPassword, Ctl::Edit, 5, Box::Any, kNeedsMms},
    {"sSmtpSet.szWLNetApN", "apn", kPage, wp_ids::kNetApn, Ctl::Edit, 5, Box::Any, kNeedsManual},
    {"sSmtpSet.szWLNetAccount", "ssid", kPage, wp_ids::kNetAccount, Ctl::Edit, 5, Box::Any, kNeedsManual},
    {"sSmtpSet.szWLNetPassword", "", kPage, wp_ids::kNetPassword, Ctl::Edit, 5, Box::Any, kNeedsManual},
    {"sSmtpSet.szServer", "", kPage, wp_ids::kSenderServer, Ctl::Edit, 5, Box::Any, kNeedsRemote},
    {"sSmtpSet.iPort", "", kPage, wp_ids::kSenderPort, Ctl::Edit, 5, Box::Any, kNeedsRemote},
    {"sSmtpSet.szAddr", "", kPage, wp_ids::kSenderAddr, Ctl::Edit, 5, Box::Any, kNeedsRemote},
    {"sSmtpSet.szPassword", "", kPage, wp_ids::kSenderPassword, Ctl::Edit, 5, Box::Any, kNeedsRemote},
    {"sFtpSet.szServer", "", kPage, wp_ids::kBox1, Ctl::Edit, 5, Box::Ftp, kNeedsMode},
    {"sFtpSet.iPort", "", kPage, wp_ids::kBox2, Ctl::Edit, 5, Box::Ftp, kNeedsMode},
    {"sFtpSet.szUserName", "", kPage, wp_ids::kBox3, Ctl::Edit, 5, Box::Ftp, kNeedsMode},
    {"sFtpSet.szPassword", "", kPage, wp_ids::kFtpPassword, Ctl::Edit, 5, Box::Ftp, kNeedsMode},
    {"sFtpSet.szFtpDir", "", kPage, wp_ids::kFtpDir, Ctl::Edit, 6, Box::Ftp, "(the page takes it with sFtpSet.iFtpDirType=Specify)"},
    {"sVornCloudSet.szAppKey", "", kPage, wp_ids::kBox1, Ctl::Edit, 5, Box::Cloud, kNeedsMode},
    {"sVornCloudSet.szAppSecret", "", kPage, wp_ids::kBox2, Ctl::Edit, 5, Box::Cloud, kNeedsMode},
    {"sVornCloudSet.szSimCardNum", "", kPage, wp_ids::kBox3, Ctl::Edit, 5, Box::Cloud, kNeedsMode},
    {"GpsMailbox", "", kPage, wp_ids::kGpsMailbox, Ctl::Check, 9, Box::Any, "(only VORN-P3-4G and VORN-P3-5G have it)"},
    {"sGpsMail.szGpsServer", "", kGps, gps_ids::kServer, Ctl::Edit, 5},
    {"sGpsMail.iPort", "", kGps, gps_ids::kPort, Ctl::Edit, 5},
    {"sGpsMail.szGpsSmtpAccount", "", kGps, gps_ids::kAddr, Ctl::Edit, 5},
    {"sGpsMail.szGpsSmtpPassword", "", kGps, gps_ids::kPassword, Ctl::Edit, 5},
    {"sGpsMail.szGpsAddr", "", kGps, gps_ids::kInboxAddr, Ctl::Edit, 5},
    {"NoRemoteCommand22", "", kSend, send_ids::kNoRemoteCmd22, Ctl::Check, 1, Box::Any, "(the page takes it with remote control on)"},
    {"byRemoteInterval", "remote", kSend, send_ids::kRemoteInterval, Ctl::List, 0, Box::Any, "(the page of this model or mode keeps remote control off)"},
    {"bySendImgSize", "", kSend, send_ids::kImageSize, Ctl::List, 2, Box::Any, "(the picture size is fixed on this model or mode)"},
    {"szRecp[0]", "phone1", kSend, send_ids::kPhone1, Ctl::Edit, 5, Box::Any, "(phone numbers are taken in MMS mode only)"},
    {"szRecp[1]", "phone2", kSend, send_ids::kPhone2, Ctl::Edit, 5, Box::Any, "(phone numbers are taken in MMS mode only)"},
    {"szRecp[2]", "email1", kSend, send_ids::kEmail1, Ctl::Edit, 5, Box::Any, "(e-mail recipients are taken in e-mail and MMS mode)"},
    {"szRecp[3]", "email2", kSend, send_ids::kEmail2, Ctl::Edit, 5, Box::Any, "(e-mail recipients are taken in e-mail and MMS mode)"},
    {"szRemotePhoneNum", "", kSend, send_ids::kRemotePhone, Ctl::Edit, 5, Box::Any, "(the page takes it with remote control on)"},
    {"szRemoteEmail", "", kSend, send_ids::kRemoteEmail, Ctl::Edit, 5, Box::Any, "(the page takes it with remote control on and NoRemoteCommand22 Off)"},
    {"sLongitude.byDir", "", kSend, send_ids::kLonDir, Ctl::List, 2, Box::Any, "(the position is taken in cloud mode, on models that show it)"},
    {"sLongitude.byDeg", "", kSend, send_ids::kLonDeg, Ctl::Edit, 5, Box::Any, "(the position is taken in cloud mode, on models that show it)"},
    {"sLongitude.byMin", "", kSend, send_ids::kLonMin, Ctl::Edit, 5, Box::Any, "(the position is taken in cloud mode, on models that show it)"},
    {"sLongitude.bySec", "", kSend, send_ids::kLonSec, Ctl::Edit, 5, Box::Any, "(the position is taken in cloud mode, on models that show it)"},
    {"sLatitude.byDir", "", kSend, send_ids::kLatDir, Ctl::List, 2, Box::Any, "(the position is taken in cloud mode, on models that show it)"},
    {"sLatitude.byDeg", "", kSend, send_ids::kLatDeg, Ctl::Edit, 5, Box::Any, "(the position is taken in cloud mode, on models that show it)"},
    {"sLatitude.byMin", "", kSend, send_ids::kLatMin, Ctl::Edit, 5, Box::Any, "(the position is taken in cloud mode, on models that show it)"},
    {"sLatitude.bySec", "", kSend, send_ids::kLatSec, Ctl::Edit, 5, Box::Any, "(the position is taken in cloud mode, on models that show it)"},
};

const WSetting& Resolve(const std::string& name) {
  std::vector<const WSetting*> hits;
  for (const WSetting& w : kSettings)
    if (SameText(name, w.name) || (*w.alias && SameText(name, w.alias))) return w;
  // A unique last part of a dotted name: "szWLNetApN", "szAppKey".
  for (const WSetting& w : kSettings) {
    const std::string full = w.name;
    const auto dot = full.find('.');
    if (dot != std::string::npos && SameText(name, full.substr(dot + 1))) hits.push_back(&w);
  }
  if (hits.size() == 1) return *hits.front();
  if (hits.size() > 1) {
    std::string names;
    for (const WSetting* w : hits) names += std::string(names.empty() ? "" : ", ") + w->name;
    throw UsageError(EchoQuoted(name) + " names several settings: " + names);
  }
  throw UsageError("unknown wireless setting " + EchoQuoted(name) + " (trailset-cli wireless --help lists them)");
}

// The --set arguments, each with the setting it names; a password's value
// is marked secret, so no message repeats it.
std::vector<SetRequest> WirelessSets(const std::vector<std::string>& args) {
  std::vector<SetRequest> sets = ParseSets(args);
  for (SetRequest& r : sets) r.secret = IsSecretCfgField(Resolve(r.name).name);
  return sets;
}

template <std::size_t N>
std::vector<std::string> EnglishRow(const UiTextList<N>& list) {
  return std::vector<std::string>(list.row[1], list.row[1] + N);
}

class WirelessChoices {
 public:
  WirelessChoices(AppRun& run) : s_(run.s()), code_(run.model()) {}

  Outcome Apply(const SetRequest& r) {
    const WSetting& w = Resolve(r.name);
    if (w.box != Box::Any && s_.IsOpen(kPage) && s_.TopTemplate() == kPage) {
      // The FTP and cloud fields share one box; it shows one of them.
      if ((w.box == Box::Ftp) != (s_eFtpEditUse == 0)) return {Outcome::NotNow, ""};
    }
    if (!s_.HasControl(w.id, w.tpl)) return {Outcome::Refused, "the window does not have it"};
    switch (w.kind) {
      case Ctl::Check: return SetTick(s_, w.tpl, w.id, r.value);
      case Ctl::Edit: return TypeInto(s_, w.tpl, w.id, r.value, warnings_, r.secret);
      case Ctl::Country: return Country(r.value);
      case Ctl::List: return ChooseEntry(s_, w.tpl, w.id, r.value, English(w));
    }
    return {};
  }

  std::string Hint(const SetRequest& r) const { return Resolve(r.name).needs; }
  const std::vector<std::string>& warnings() const { return warnings_; }

 private:
  std::vector<std::string> English(const WSetting& w) const {
    const std::size_t shown = s_.Items(w.id, w.tpl).size();
    std::vector<std::string> v;
    switch (w.id + w.tpl * 100000) {
      case wp_ids::kSendBy + kPage * 100000:
        for (const SendByEntry& e : SendByEntries(code_)) v.push_back(kListSendBy.row[1][e.text]);
        break;
      case wp_ids::kOperator + kPage * 100000:
        for (std::size_t i = 0; i < shown; ++i)
          v.push_back(OperatorName(g_sSendSet.byOperatorCountry, static_cast<int>(i), 1));
        break;
      case wp_ids::kFtpDirType + kPage * 100000: v = EnglishRow(kListFtpDir); break;
      case send_ids::kImageSize + kSend * 100000: v = EnglishRow(kListImageSize); break;
      case send_ids::kLonDir + kSend * 100000: v = EnglishRow(kListEastWest); break;
      case send_ids::kLatDir + kSend * 100000: v = EnglishRow(kListNorthSouth); break;
      case send_ids::kRemoteInterval + kSend * 100000:
        for (int k = 0; k < RemoteIntervalCount(code_); ++k)
          v.push_back(kListRemoteInterval.row[1][RemoteIntervalTextIndex(code_, k)]);
        break;
      default: break;  // the module list reads the same in both languages
    }
    if (v.size() != shown) v.clear();  // only what names the entries shown
    return v;
  }

  // A preset country, or hand-typed values ("Manual"): the operator-source
  // list first, then the country list.
  Outcome Country(const std::string& value) {
    const std::string key = EntryKey(value);
    const bool manual = key == "manual" || key == "manualinput" || key == "others" || key == "no" ||
                        key == EntryKey(Position(ManualOperatorCountry));
    if (manual) return ChooseEntry(s_, kPage, wp_ids::kSource, "#1", {});
    if (s_.Selection(wp_ids::kSource, kPage) == 1) {
      const Outcome o = ChooseEntry(s_, kPage, wp_ids::kSource, "#0", {});
      if (o.status != Outcome::Done) return o;
    }
    std::vector<std::string> english;
    for (int c = 0; c < OperatorCountryCount; ++c) english.push_back(OperatorCountryName(c, 1));
    if (english.size() != s_.Items(wp_ids::kCountry, kPage).size()) english.clear();
    return ChooseEntry(s_, kPage, wp_ids::kCountry, value, english);
  }

  headless::Session& s_;
  uint16_t code_;
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

WirelessResult RunPages(const RunOptions& o, const PreparedRun& p, std::ostream& err) {
  std::vector<SetRequest> page, gps, send;
  std::optional<SetRequest> gps_box;
  for (const SetRequest& r : WirelessSets(o.sets)) {
    const WSetting& w = Resolve(r.name);
    if (w.kind == Ctl::Check && w.tpl == kPage)
      gps_box = r;
    else
      (w.tpl == kPage ? page : w.tpl == kGps ? gps : send).push_back(r);
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
  if (p.has_from && run.Logged("File szie != struct size!"))
    throw Refusal(EchoQuoted(o.from, SIZE_MAX) + " has " + std::to_string(p.from.size) + " bytes; the wireless parameter page of " +
                  ModelDisplayName(p.model) + " takes only a " + std::to_string(SendSetFileSize()) +
                  "-byte CFG.BIN and would start from the defaults");
  if (p.has_from && run.Logged("StructFlag is different!"))
    throw Refusal(EchoQuoted(o.from, SIZE_MAX) + " is no CFG.BIN of " + ModelDisplayName(p.model) +
                  " (its StructFlag differs); the wireless parameter page would start from an empty record");

  WirelessChoices choices(run);
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
                    (o1.message.empty() ? "the page has no GPS coordinates mailbox (only VORN-P3-4G and VORN-P3-5G have it)"
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
  if (box->icon != platform::MsgIcon::Information) throw WindowRefusal(box->caption, box->text);
  opening.insert(opening.end(), choices.warnings().begin(), choices.warnings().end());
  return {box->text, opening, run.LastPlaced()};
}

}  // namespace

std::string WirelessSettingNames() {
  std::string s;
  const char* window = "";
  for (const WSetting& w : kSettings) {
    const char* here = w.tpl == kPage ? "wireless parameter page" : w.tpl == kGps ? "GPS coordinates mailbox window"
                                                                                  : "send settings page";
    if (std::string(here) != window) s += std::string(" ") + here + ":\n";
    window = here;
    s += "  " + std::string(w.name);
    if (*w.alias) s += " (or " + std::string(w.alias) + ")";
    if (w.kind == Ctl::Check) s += "  On or Off";
    if (w.kind == Ctl::Country) s += "  a preset country, or Manual";
    s += "\n";
  }
  return s;
}

int RunWireless(const RunOptions& o, std::ostream& out, std::ostream& err) {
  const PreparedRun p = PrepareRun(o);
  (void)WirelessSets(o.sets);
  std::vector<uint8_t> bytes;
  const WirelessResult result = RunReportingRefusals(o.json, out, [&] {
    WirelessResult r = RunPages(o, p, err);
    bytes = ConfirmOnCard(r.placed, "CFG.BIN", p.out_dir);
    return r;
  });
  ReportOptions ro;
  ro.opening = false;
  ro.show_passwords = o.show_passwords;
  const Json report = CfgReport(result.placed->path, CardFile{bytes.size(), bytes}, p.model, ro);
  if (o.json) {
    out << DumpJson(Json{{"result", "written"}, {"message", result.message}, {"warnings", result.warnings}, {"file", report}})
        << "\n";
  } else {
    for (const std::string& w : result.warnings) err << "trailset-cli: warning: " << MessageLines(w) << "\n";
    out << MessageLines(result.message) << "\n";
    PrintReport(report, out);
  }
  return report["accepted"].get<bool>() ? kExitOk : kExitRefused;
}

}  // namespace cli
