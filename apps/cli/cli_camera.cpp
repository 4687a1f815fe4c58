// The camera command: the camera setup window of a model, run headless on
// the loaded file or the factory values, with the user's choices made in
// its own controls, then Generate (or Default) into the chosen folder.
#include <algorithm>
#include <ostream>

#include "apps/cli/cli_commands.h"
#include "apps/cli/cli_common.h"
#include "apps/cli/cli_menu.h"
#include "apps/cli/cli_report.h"
#include "apps/cli/cli_run.h"
#include "apps/cli/cli_session.h"
#include "camera/cam_setup_ids.h"
#include "camera/option_lists.h"
#include "records/app_state.h"

namespace cli {

namespace {

using S = MenuSetting;

// Written by the window itself.
constexpr S kNotUserSettings[] = {S::Byte40, S::CheckFlag, S::Reset};

// Why a disabled control takes no input: the switch that opens it.
struct OpenerHint {
  camopt::Opener opener;
  const char* hint;
};
constexpr OpenerHint kOpenerHints[] = {
    {camopt::Opener::ClockInput, "(the clock fields take input with SetClock=Input)"},
    {camopt::Opener::Timer1, "(the first timer's fields take input with Timer1On=On)"},
    {camopt::Opener::Timer2, "(the second timer's fields take input with Timer2On=On)"},
    {camopt::Opener::Serial, "(the serial number takes input with SerialOn=On)"},
    {camopt::Opener::TimeLapse, "(the time lapse fields take input with TimeLapseOn=On)"},
    {camopt::Opener::NotVideo60, "(the video size is fixed while CapMode is Video(60FPS))"},
};

constexpr char kTimeZoneName[] = "TimeZone";

struct Target {
  bool time_zone = false;
  S setting = S::Count;
  int edit = 0;  // control id of an edit, 0 for a list
};

Target Resolve(const std::string& name) {
  Target t;
  if (SameText(name, kTimeZoneName)) {
    t.time_zone = true;
    return t;
  }
  const auto s = FindMenuSetting(name);
  if (!s) throw UsageError("unknown camera setting " + EchoQuoted(name) + " (trailset-cli camera --help lists them)");
  t.setting = *s;
  t.edit = MenuEditControl(*s);
  return t;
}

// The switches that open other controls for input come first, the edits last.
int Rank(const Target& t) {
  if (t.edit) return 2;
  if (!t.time_zone && camopt::IsOpener(t.setting)) return 0;
  return 1;
}

std::vector<std::string> EnglishEntries(const camopt::OptionList& list) {
  std::vector<std::string> v;
  for (int i = 0; i < camopt::EntryCount(list); ++i) v.push_back(camopt::EntryText(list, i, 1));
  return v;
}

// "10s", "10 sec", "5 min", "5m"; a bare number is taken in the unit shown.
bool SplitInterval(const std::string& value, int& unit, std::string& number) {
  std::size_t i = 0;
  while (i < value.size() && value[i] >= '0' && value[i] <= '9') ++i;
  if (i == 0) return false;
  number = value.substr(0, i);
  const std::string word = EntryKey(value.substr(i));
  if (word.empty()) return true;
  for (const char* w : {"s", "sec", "secs", "second", "seconds"})
    if (word == w) return unit = 0, true;
  for (const char* w : {"m", "min", "mins", "minute", "minutes"})
    if (word == w) return unit = 1, true;
  return false;
}

// The position of a switch that opens its controls for input, where a
// switch does (the video size is fixed, not opened).
int OpenPosition(camopt::Opener o, camopt::CamGroup g) {
  switch (o) {
    case camopt::Opener::ClockInput: return camopt::kSetClockInput;
    case camopt::Opener::Timer1:
    case camopt::Opener::Timer2:
    case camopt::Opener::Serial: return 1;
    case camopt::Opener::TimeLapse: return camopt::TraitsOf(g).time_lapse_on_entry;
    default: return -1;
  }
}

// What the window shows of a setting, by the name --set takes; nothing
// when the window of the model has no control for it.
std::optional<std::string> ShownValue(const headless::Session& s, int tpl, uint16_t code, S setting) {
  if (setting == S::PirInterval) {
    const int unit = s.Selection(camid::kIntervalUnit, tpl), pos = s.Selection(camid::kInterval, tpl);
    const std::vector<std::string> items = s.Items(camid::kInterval, tpl);
    if (unit < 0 || pos < 0 || pos >= static_cast<int>(items.size())) return std::nullopt;
    return items[static_cast<std::size_t>(pos)] + (unit == 0 ? "s" : "min");
  }
  if (const int edit = MenuEditControl(setting)) {
    if (setting == S::SerialText && !camopt::TraitsOf(camopt::CamGroupOf(code)).serial_text) return std::nullopt;
    if (!s.HasControl(edit, tpl)) return std::nullopt;
    return s.Text(edit, tpl);
  }
  const auto o = camopt::FindSettingOptions(code, setting);
  if (!o || !s.HasControl(o->control, tpl) || s.Selection(o->control, tpl) < 0) return std::nullopt;
  return EntryName(s.Items(o->control, tpl), EnglishEntries(o->list), s.Selection(o->control, tpl));
}

bool StoresTimeZone(uint16_t code) {
  const camopt::CamGroup g = camopt::CamGroupOf(code);
  return g != camopt::CamGroup::Legacy && camopt::TailListsOf(g).time_zone_setting == S::Count;
}

class CameraChoices {
 public:
  CameraChoices(AppRun& run, int tpl, bool closed_too)
      : run_(run), s_(run.s()), tpl_(tpl), code_(run.model()), closed_too_(closed_too) {}

  Outcome Apply(const SetRequest& r, const Target& t) {
    // A control that shows the value already is left as it is: typing or
    // choosing it again changes nothing, and costs the window's handlers.
    if (closed_too_ && !t.time_zone && Shows(t, r.value)) return {};
    const Outcome o = ApplyOpen(r, t);
    if (o.status != Outcome::NotNow || !closed_too_ || t.time_zone) return o;
    return ThroughOpener(r, t, o);
  }

  std::string Hint(const Target& t) const {
    if (t.time_zone)
      return "(the camera setup window of " + ModelDisplayName(code_) + " takes the PC's time zone: give --timezone)";
    if (const camopt::ControlDesc* c = camopt::FindControl(t.setting))
      for (const OpenerHint& h : kOpenerHints)
        if (h.opener == c->opener) return h.hint;
    return "(the camera setup window of " + ModelDisplayName(code_) + " keeps it disabled)";
  }

  const std::vector<std::string>& warnings() const { return warnings_; }

 private:
  bool Shows(const Target& t, const std::string& value) const {
    const auto shown = ShownValue(s_, tpl_, code_, t.setting);
    return shown && (t.edit ? *shown == value : EntryKey(*shown) == EntryKey(value));
  }

  Outcome ApplyOpen(const SetRequest& r, const Target& t) {
    if (t.time_zone) return TimeZone(r.value);
    if (std::find(std::begin(kNotUserSettings), std::end(kNotUserSettings), t.setting) != std::end(kNotUserSettings))
      return {Outcome::Refused, "the window writes this itself; it is no choice"};
    if (t.setting == S::PirInterval) return Interval(r.value);
    if (t.edit) {
      if (t.setting == S::SerialText && !camopt::TraitsOf(camopt::CamGroupOf(code_)).serial_text)
        return {Outcome::Refused, ModelDisplayName(code_) + " keeps its serial number in SerialChar0..SerialChar3"};
      if (!s_.HasControl(t.edit, tpl_)) return {Outcome::Refused, NotShown()};
      return TypeInto(s_, tpl_, t.edit, r.value, warnings_);
    }
    const auto o = camopt::FindSettingOptions(code_, t.setting);
    if (!o || !s_.HasControl(o->control, tpl_)) return {Outcome::Refused, NotShown()};
    return ChooseEntry(s_, tpl_, o->control, r.value, EnglishEntries(o->list));
  }

  // A closed control made as a user makes it: its switch turned to open
  // it, the value set, the switch turned back.
  Outcome ThroughOpener(const SetRequest& r, const Target& t, const Outcome& closed) {
    const camopt::ControlDesc* c = camopt::FindControl(t.setting);
    const int open = c ? OpenPosition(c->opener, camopt::CamGroupOf(code_)) : -1;
    const auto sw = c ? camopt::FindSettingOptions(code_, camopt::OpenerSetting(c->opener)) : std::nullopt;
    if (open < 0 || !sw || !OpenForInput(s_, tpl_, sw->control)) return closed;
    const int was = s_.Selection(sw->control, tpl_);
    if (was == open) return closed;
    if (auto e = s_.Select(sw->control, open, tpl_); !e) return {Outcome::Refused, e.error};
    const Outcome o = ApplyOpen(r, t);
    if (auto e = s_.Select(sw->control, was, tpl_); !e) return {Outcome::Refused, e.error};
    return o;
  }

  std::string NotShown() const { return "the camera setup window of " + ModelDisplayName(code_) + " does not show it"; }

  Outcome TimeZone(const std::string& value) {
    if (!StoresTimeZone(code_)) return {Outcome::Refused, ModelDisplayName(code_) + " stores no time zone"};
    const std::vector<std::string> english = EnglishEntries(camopt::TimeZoneList());
    const auto offset = ParseUtcOffset(value);
    const std::string entry = offset ? english[static_cast<std::size_t>(*offset + camopt::kTimeZoneUtc)] : value;
    return ChooseEntry(s_, tpl_, camid::kTimeZone, entry, english);
  }

  Outcome Interval(const std::string& value) {
    int unit = s_.Selection(camid::kIntervalUnit, tpl_);
    std::string number;
    if (value.size() > 1 && value[0] == '#') {
      number = value;
    } else if (!SplitInterval(value, unit, number)) {
      return {Outcome::Refused, EchoQuoted(value) + " is no interval; give seconds (\"10s\") or minutes (\"5min\")"};
    }
    if (unit != s_.Selection(camid::kIntervalUnit, tpl_)) {
      const Outcome o =
          ChooseEntry(s_, tpl_, camid::kIntervalUnit, Position(unit), EnglishEntries(camopt::IntervalUnitList()));
      if (o.status != Outcome::Done) return o;
    }
    return ChooseEntry(s_, tpl_, camid::kInterval, number, EnglishEntries(camopt::IntervalValueList(unit)));
  }

  AppRun& run_;
  headless::Session& s_;
  int tpl_;
  uint16_t code_;
  bool closed_too_;
  std::vector<std::string> warnings_;
};

struct CameraResult {
  std::string message;
  std::vector<std::string> warnings;
  std::vector<OpeningWarning> corrections;  // made while the window opened on --from
  std::optional<PlacedFile> placed;
};

CameraResult RunWindow(const CameraOptions& o, const PreparedRun& p, std::ostream& err, bool closed_too) {
  std::vector<SetRequest> sets = ParseSets(o.sets);
  std::vector<std::pair<SetRequest, Target>> targets;
  for (const SetRequest& r : sets) targets.emplace_back(r, Resolve(r.name));
  std::stable_sort(targets.begin(), targets.end(),
                   [](const auto& a, const auto& b) { return Rank(a.second) < Rank(b.second); });

  ScratchFolder scratch;
  if (p.has_from) scratch.Put("menu.dat", p.from.bytes);
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

  // The window corrects values of the file that it cannot show (with a
  // warning, which a user answers); the run carries on with what it made
  // of them, and says so.
  const std::vector<OpeningWarning> corrections = run.OpenCameraSetup();
  if (p.has_from && App().LastMenuLoad.fault == RecordFault::WrongSize)
    throw Refusal(EchoQuoted(o.from, SIZE_MAX) + " has " + std::to_string(p.from.size) + " bytes; the camera setup window of " +
                  ModelDisplayName(p.model) + " takes only a " + std::to_string(MenuSize(App().MenuLayout)) +
                  "-byte menu.dat and would show the factory values");
  const int tpl = run.s().TopTemplate();
  run.BrowseTo(camid::kBrowse, std::filesystem::absolute(p.out_dir));

  CameraChoices choices(run, tpl, closed_too);
  std::vector<SetRequest> ordered;
  for (const auto& t : targets) ordered.push_back(t.first);
  ApplyRequests(
      ordered,
      [&](const SetRequest& r) { return choices.Apply(r, Resolve(r.name)); },
      [&](const SetRequest& r) { return choices.Hint(Resolve(r.name)); });

  if (auto r = run.s().Click(o.defaults ? camid::kDefault : camid::kGenerate, tpl); !r)
    throw std::runtime_error("the window's button could not be pressed: " + r.error);
  const auto box = run.TakeBox();
  if (!box) throw Refusal(NotConfirmed(run, "menu.dat", p.out_dir));
  if (auto failed = SaveFailed(run, "menu.dat", p.out_dir, *box)) throw Refusal(*failed);
  if (box->icon != platform::MsgIcon::Information) throw WindowRefusal(box->caption, box->text);
  return {box->text, choices.warnings(), corrections, run.LastPlaced()};
}

}  // namespace

std::string CameraSettingNames() {
  std::string s;
  for (int i = 0; i < static_cast<int>(S::Count); ++i) {
    const S setting = static_cast<S>(i);
    if (std::find(std::begin(kNotUserSettings), std::end(kNotUserSettings), setting) != std::end(kNotUserSettings))
      continue;
    s += "  " + std::string(MenuSettingName(setting));
    if (setting == S::PirInterval) s += "  (\"10s\", \"5min\")";
    if (setting == S::Reserved0) s += "  (the scene of VORN-P2 and VORN-P2-4G)";
    s += "\n";
  }
  s += "  TimeZone  (the camera's time zone: \"UTC+08\", \"+8\", \"-5\")\n";
  return s;
}

WrittenFile WriteMenu(const CameraOptions& o, const PreparedRun& p, std::ostream& err, bool closed_too) {
  CameraResult r = RunWindow(o, p, err, closed_too);
  const std::vector<uint8_t> bytes = ConfirmOnCard(r.placed, "menu.dat", p.out_dir);
  ReportOptions ro;
  ro.opening = false;
  return {r.message, r.warnings, CorrectionsJson(r.corrections),
          MenuReport(r.placed->path, CardFile{bytes.size(), bytes}, p.model, ro)};
}

std::vector<ShownSetting> ShownCameraSettings(const PreparedRun& p) {
  ScratchFolder scratch;
  scratch.Put("menu.dat", p.from.bytes);
  RunSettings rs = p.settings;
  rs.chinese = false;
  rs.workdir = scratch.path();
  AppRun run(rs);
  (void)run.OpenCameraSetup();
  if (App().LastMenuLoad.fault == RecordFault::WrongSize)
    throw Refusal("menu.dat has " + std::to_string(p.from.size) + " bytes; the camera setup window of " +
                  ModelDisplayName(p.model) + " takes only a " + std::to_string(MenuSize(App().MenuLayout)) + "-byte one");
  const headless::Session& s = run.s();
  const int tpl = s.TopTemplate();
  std::vector<ShownSetting> shown;
  std::vector<int> controls;  // a control two settings share is named once
  for (int i = 0; i < static_cast<int>(S::Count); ++i) {
    const S setting = static_cast<S>(i);
    if (std::find(std::begin(kNotUserSettings), std::end(kNotUserSettings), setting) != std::end(kNotUserSettings))
      continue;
    const auto value = ShownValue(s, tpl, p.model, setting);
    if (!value) continue;
    const camopt::ControlDesc* c = camopt::FindControl(setting);
    const auto o = camopt::FindSettingOptions(p.model, setting);
    const int control = setting == S::PirInterval ? camid::kInterval : o ? o->control : MenuEditControl(setting);
    // A closed control is named when its switch opens it, as a user can:
    // not the clock, which shows the PC's unless it is typed in, nor what
    // the model's window keeps closed on its own.
    const camopt::Opener opener = c ? c->opener : camopt::Opener::None;
    if (!OpenForInput(s, tpl, control) &&
        (opener == camopt::Opener::ClockInput || OpenPosition(opener, camopt::CamGroupOf(p.model)) < 0))
      continue;
    if (std::find(controls.begin(), controls.end(), control) != controls.end()) continue;
    controls.push_back(control);
    shown.push_back({MenuSettingName(setting), *value});
  }
  // A zone the window takes from the PC follows --timezone.
  if (StoresTimeZone(p.model) && OpenForInput(s, tpl, camid::kTimeZone) && s.Selection(camid::kTimeZone, tpl) >= 0)
    shown.push_back({kTimeZoneName, EntryName(s.Items(camid::kTimeZone, tpl), EnglishEntries(camopt::TimeZoneList()),
                                              s.Selection(camid::kTimeZone, tpl))});
  return shown;
}

int RunCamera(const CameraOptions& o, std::ostream& out, std::ostream& err) {
  if (o.defaults && (!o.sets.empty() || !o.from.empty()))
    throw UsageError("--defaults writes the factory values: it takes no --set and no --from");
  const PreparedRun p = PrepareRun(o);
  const WrittenFile w = WriteMenu(o, p, err);
  if (o.json) {
    Json j{{"result", "ok"},           {"format", kJsonFormat},  {"message", w.message},
           {"warnings", w.warnings},   {"corrections", w.corrections}, {"file", w.report}};
    out << DumpJson(j) << "\n";
  } else {
    PrintWritten(w, "the --from file", out, err);
  }
  return w.accepted() ? kExitOk : kExitRefused;
}

}  // namespace cli
