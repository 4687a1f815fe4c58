#include "apps/cli/cli_session.h"

#include <algorithm>
#include <ctime>
#include <stdexcept>

#include "apps/cli/cli_common.h"
#include "apps/common/all_windows.h"
#include "records/app_state.h"
#include "records/diag.h"
#include "records/menu_record.h"
#include "records/record_file.h"
#include "records/time_zone.h"
#include "shell/app.h"
#include "shell/main_window.h"
#include "text/utf8.h"

namespace cli {

platform::LocalTime MachineNow() {
  const std::time_t now = std::time(nullptr);
  const std::tm* t = std::localtime(&now);
  if (!t) return {};
  return platform::LocalTime{t->tm_year + 1900, t->tm_mon + 1, t->tm_mday, t->tm_hour, t->tm_min, t->tm_sec};
}

int MachineUtcOffset() {
  // Without services in place the records read the PC's zone natively.
  if (platform::HasServices()) return 0;
  return std::clamp(LocalStandardUtcOffsetHours(), -12, 12);
}

AppRun::AppRun(const RunSettings& settings) : model_(settings.model) {
  s_ = std::make_unique<headless::Session>();
  headless::Services& sv = s_->services();
  sv.SetSystemLanguageId(settings.chinese ? mainwin::kLangIdChinesePrc : 1033);
  sv.SetWorkingDirectory(settings.workdir.string());
  sv.SetNow(settings.now);
  sv.SetPcUtcOffsetHours(settings.utc_offset);
  state_.FilePlaced = [this](const std::string& path, const uint8_t* data, std::size_t size) {
    placed_ = PlacedFile{path, std::vector<uint8_t>(data, data + size)};
  };
  s_->Start([this](platform::Host& h) { RunApplication(h, AllWindows(), state_); });
  if (s_->TopTemplate() != 100) throw std::runtime_error("the main window did not open");
  const std::vector<uint16_t> models = SelectableModels();
  const auto row = std::find(models.begin(), models.end(), model_) - models.begin();
  if (auto r = s_->Select(mainwin::kIdFamilyList[2], static_cast<int>(row)); !r)
    throw std::runtime_error("the main window did not take the model: " + r.error);
}

AppRun::~AppRun() { s_.reset(); }

std::vector<OpeningWarning> AppRun::AnswerOpeningWarnings() {
  std::vector<OpeningWarning> warnings;
  const int tpl = s_->TopTemplate();
  // A window that warns without end opens for no user either.
  constexpr std::size_t kMostWarnings = 64;
  while (const auto box = s_->Box()) {
    if (warnings.size() == kMostWarnings) throw std::runtime_error("the window keeps warning while it opens: " + box->text);
    OpeningWarning w{box->control, box->caption, box->text, "", ""};
    if (w.control != 0 && s_->HasControl(w.control, tpl)) w.shown = s_->Text(w.control, tpl);
    warnings.push_back(std::move(w));
    if (!s_->Answer()) break;
  }
  for (OpeningWarning& w : warnings)
    if (w.control != 0 && s_->IsOpen(tpl) && s_->HasControl(w.control, tpl)) w.becomes = s_->Text(w.control, tpl);
  return warnings;
}

std::vector<OpeningWarning> AppRun::OpenCameraSetup() {
  if (auto r = s_->Click(mainwin::kIdCameraSetup); !r)
    throw std::runtime_error("Camera Setup could not be pressed: " + r.error);
  std::vector<OpeningWarning> warnings = AnswerOpeningWarnings();
  if (s_->TopTemplate() != 113 && s_->TopTemplate() != 108)
    throw std::runtime_error("the camera setup window did not open");
  return warnings;
}

std::vector<OpeningWarning> AppRun::OpenWirelessSetup() {
  if (!s_->Enabled(mainwin::kIdWirelessSetup))
    throw Refusal(ModelDisplayName(model_) + " has no wireless module: its windows never write CFG.BIN");
  if (auto r = s_->Click(mainwin::kIdWirelessSetup); !r)
    throw std::runtime_error("Wireless Setup could not be pressed: " + r.error);
  std::vector<OpeningWarning> warnings = AnswerOpeningWarnings();
  if (s_->TopTemplate() != 114)
    throw Refusal(ModelDisplayName(model_) + ": Wireless Setup opens no wireless parameter page");
  return warnings;
}

void AppRun::BrowseTo(int browse_id, const std::filesystem::path& folder) {
  const int before = s_->BoxCount();
  s_->services().QueuePickFolder(folder.string());
  if (auto r = s_->Click(browse_id); !r) throw std::runtime_error("Browse could not be pressed: " + r.error);
  if (auto box = TakeBox()) throw WindowRefusal(box->caption, box->text);
  // A window may also keep its folder without a word.
  if (s_->BoxCount() != before || SaveFolderText() != folder.string())
    throw Refusal("the window does not take the folder " + EchoQuoted(folder.string(), SIZE_MAX) + " (" +
                  std::to_string(folder.string().size()) + " bytes; a save folder holds at most " +
                  std::to_string(kSaveFolderSize - 1) + ")");
}

std::optional<headless::MessageBoxInfo> AppRun::TakeBox() {
  auto box = s_->Box();
  if (box) (void)s_->Answer();
  return box;
}

std::vector<SetRequest> ParseSets(const std::vector<std::string>& args) {
  std::vector<SetRequest> v;
  for (const std::string& a : args) {
    const auto eq = a.find('=');
    if (eq == std::string::npos || eq == 0) throw UsageError("--set takes NAME=VALUE, not " + EchoQuoted(a));
    v.push_back({a.substr(0, eq), a.substr(eq + 1)});
  }
  return v;
}

std::string Echo(const SetRequest& r) {
  return Echo(r.name) + "=" + (r.secret ? std::string(MaskSecret(r.value.c_str())) : Echo(r.value));
}

std::string EntryKey(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == ' ') continue;
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    // A leading zero of a number ("01 Hours") is not significant.
    const bool starts_number = out.empty() || out.back() < '0' || out.back() > '9';
    if (c == '0' && starts_number && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9') continue;
    out += c;
  }
  return out;
}

bool OpenForInput(const headless::Session& s, int tpl, int id) {
  return s.HasControl(id, tpl) && s.Enabled(id, tpl) && s.Shown(id, tpl);
}

std::string EntryName(const std::vector<std::string>& shown, const std::vector<std::string>& english, int pos) {
  if (pos < 0 || pos >= static_cast<int>(shown.size())) return "";
  // The entry a name picks: the first whose English, then shown, text has its key.
  auto picks = [&](const std::string& name) {
    const std::string key = EntryKey(name);
    if (key.empty()) return -1;
    for (const std::vector<std::string>* names : {&english, &shown})
      for (std::size_t i = 0; i < names->size() && i < shown.size(); ++i)
        if (!(*names)[i].empty() && EntryKey((*names)[i]) == key) return static_cast<int>(i);
    return -1;
  };
  const auto p = static_cast<std::size_t>(pos);
  for (const std::string& name : {p < english.size() ? english[p] : std::string(), shown[p]})
    if (picks(name) == pos) return name;
  return Position(pos);
}

namespace {

std::string Offered(const std::vector<std::string>& shown, const std::vector<std::string>& english) {
  std::string list;
  int blanks = 0;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const std::string& e = i < english.size() && !english[i].empty() ? english[i] : shown[i];
    if (e.empty()) {
      ++blanks;
      continue;
    }
    if (!list.empty()) list += ", ";
    list += Quoted(e);
  }
  if (blanks > 0) list += " and " + std::to_string(blanks) + " empty entries";
  return list + " (or #0..#" + std::to_string(shown.empty() ? 0 : shown.size() - 1) + ")";
}

}  // namespace

Outcome ChooseEntry(headless::Session& s, int tpl, int id, std::string_view value,
                    const std::vector<std::string>& english) {
  if (!OpenForInput(s, tpl, id)) return {Outcome::NotNow, ""};
  const std::vector<std::string> shown = s.Items(id, tpl);
  if (shown.empty()) return {Outcome::Refused, "the window offers no entries here"};
  int pos = -1;
  if (value.size() > 1 && value[0] == '#') {
    int n = 0;
    bool digits = value.size() <= 5;
    for (char c : value.substr(1)) {
      if (c < '0' || c > '9') digits = false;
      n = n * 10 + (c - '0');
    }
    if (digits && n < static_cast<int>(shown.size())) pos = n;
  } else {
    const std::string key = EntryKey(value);
    for (int pass = 0; pass < 2 && pos < 0; ++pass) {
      const std::vector<std::string>& names = pass == 0 ? english : shown;
      for (std::size_t i = 0; i < names.size() && i < shown.size(); ++i)
        if (!names[i].empty() && EntryKey(names[i]) == key) {
          pos = static_cast<int>(i);
          break;
        }
    }
  }
  if (pos < 0) return {Outcome::Refused, EchoQuoted(value) + " is not offered; the window offers " + Offered(shown, english)};
  if (auto r = s.Select(id, pos, tpl); !r) return {Outcome::Refused, r.error};
  return {};
}

Outcome TypeInto(headless::Session& s, int tpl, int id, std::string_view value, std::vector<std::string>& warnings,
                 bool secret) {
  if (!OpenForInput(s, tpl, id)) return {Outcome::NotNow, ""};
  const int limit = s.Limit(id, tpl);
  if (limit > 0 && utf8::CountStarts(value) > static_cast<std::size_t>(limit))
    return {Outcome::Refused, "the field takes at most " + std::to_string(limit) + " characters"};
  std::vector<std::string> boxes;
  auto take_boxes = [&] {
    while (auto box = s.Box()) {
      boxes.push_back(box->text);
      if (!s.Answer()) break;
    }
  };
  if (auto r = s.Paste(id, value, tpl); !r) return {Outcome::Refused, r.error};
  take_boxes();
  if (s.Focus(tpl) == id) {
    (void)s.Leave(id, tpl);
    take_boxes();
  }
  const std::string now = s.Text(id, tpl);
  std::string said;
  for (const std::string& b : boxes) said += " The window says: " + b;
  if (now != value && secret)
    return {Outcome::Refused, "the window does not take this value here: it kept " + std::to_string(utf8::CountStarts(now)) +
                                  " of its " + std::to_string(utf8::CountStarts(value)) + " characters." + said};
  if (now != value)
    return {Outcome::Refused,
            "the window does not take " + EchoQuoted(value) + " here: it made it " + EchoQuoted(now) + "." + said};
  for (const std::string& b : boxes) warnings.push_back(b);
  return {};
}

Outcome SetTick(headless::Session& s, int tpl, int id, std::string_view value) {
  bool want = false;
  const std::string key = EntryKey(value);
  if (key == "on" || key == "yes" || key == "1" || key == "true")
    want = true;
  else if (key == "off" || key == "no" || key == "0" || key == "false")
    want = false;
  else
    return {Outcome::Refused, EchoQuoted(value) + " is not On or Off"};
  if (!OpenForInput(s, tpl, id)) return {Outcome::NotNow, ""};
  if (s.Checked(id, tpl) != want)
    if (auto r = s.Click(id, tpl); !r) return {Outcome::Refused, r.error};
  return {};
}

std::vector<SetRequest> ApplyAvailable(const std::vector<SetRequest>& requests,
                                       const std::function<Outcome(const SetRequest&)>& apply) {
  std::vector<SetRequest> pending = requests;
  bool moved = true;
  while (!pending.empty() && moved) {
    moved = false;
    std::vector<SetRequest> later;
    for (const SetRequest& r : pending) {
      const Outcome o = apply(r);
      if (o.status == Outcome::Refused) throw Refusal(Echo(r) + ": " + o.message);
      if (o.status == Outcome::NotNow)
        later.push_back(r);
      else
        moved = true;
    }
    pending = std::move(later);
  }
  return pending;
}

void RefuseLeftOver(const std::vector<SetRequest>& left, const std::function<std::string(const SetRequest&)>& hint) {
  if (left.empty()) return;
  const SetRequest& r = left.front();
  const std::string why = hint(r);
  throw Refusal(Echo(r) + ": the window takes no input there" + (why.empty() ? "" : " " + why));
}

void ApplyRequests(const std::vector<SetRequest>& requests, const std::function<Outcome(const SetRequest&)>& apply,
                   const std::function<std::string(const SetRequest&)>& hint) {
  RefuseLeftOver(ApplyAvailable(requests, apply), hint);
}

}  // namespace cli
