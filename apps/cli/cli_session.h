// Running the real windows for a command: the application on the headless
// host, the model chosen in the main window, and a user's choices made in
// the windows' own controls. Whatever the windows decide (lists, clamps,
// filters, checks and their messages) is decided by their code.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/services.h"
#include "records/app_state.h"

namespace cli {

// The machine's local time and standard UTC offset (whole hours), for runs
// without --clock or --timezone. The offset is read natively, so it must
// be asked before a run exists.
platform::LocalTime MachineNow();
int MachineUtcOffset();

struct RunSettings {
  uint16_t model = 0;
  bool chinese = false;           // the interface language of the windows
  platform::LocalTime now;        // the PC clock the windows read
  int utc_offset = 0;             // the PC's time zone the windows read
  std::filesystem::path workdir;  // the folder the program starts in
};

// A warning a window showed while it opened on a card's file (a value out
// of its range, say), answered as a user answers it.
struct OpeningWarning {
  int control = 0;      // the control whose check warned; 0 when none is known
  std::string caption, text;
  std::string shown;    // the control's text as the warning came up
  std::string becomes;  // its text once the window had opened
};

// A file the windows put in place during a run, as they wrote it.
struct PlacedFile {
  std::string path;
  std::vector<uint8_t> bytes;
};

// One run of the application, from a fresh start to the end of the object.
class AppRun {
 public:
  explicit AppRun(const RunSettings& settings);
  ~AppRun();
  AppRun(const AppRun&) = delete;
  AppRun& operator=(const AppRun&) = delete;

  headless::Session& s() { return *s_; }
  uint16_t model() const { return model_; }

  // Opens a setup window from the main window and answers the warnings it
  // shows while it opens, which it returns; std::runtime_error when it did
  // not open.
  std::vector<OpeningWarning> OpenCameraSetup();
  std::vector<OpeningWarning> OpenWirelessSetup();
  // Chooses `folder` with the Browse button of the window on top; Refusal
  // with the window's message when it keeps its folder.
  void BrowseTo(int browse_id, const std::filesystem::path& folder);
  // The topmost message box, answered; nothing when none is open.
  std::optional<headless::MessageBoxInfo> TakeBox();
  // The last file the windows put in place in this run.
  const std::optional<PlacedFile>& LastPlaced() const { return placed_; }

 private:
  std::vector<OpeningWarning> AnswerOpeningWarnings();

  AppState state_;  // a fresh state for the run, in use while it lives
  AppStateScope use_state_{state_};
  std::unique_ptr<headless::Session> s_;
  uint16_t model_;
  std::optional<PlacedFile> placed_;
};

// One --set NAME=VALUE.
struct SetRequest {
  std::string name;
  std::string value;
  bool secret = false;  // a password: its value is never echoed
};
// Splits each argument at its first '='; UsageError for one without.
std::vector<SetRequest> ParseSets(const std::vector<std::string>& args);
// "NAME=VALUE" for a message: a secret's value masked, a long value cut
// short, control characters escaped.
std::string Echo(const SetRequest& r);

// What happened to one choice.
struct Outcome {
  enum Status { Done, NotNow, Refused } status = Done;
  std::string message;
};

// True when control `id` of window `tpl` is there, shown and enabled.
bool OpenForInput(const headless::Session& s, int tpl, int id);

// The name of entry `pos` of a list as ChooseEntry takes it back: its
// English text, else the text shown, else "#N" when neither picks it alone.
std::string EntryName(const std::vector<std::string>& shown, const std::vector<std::string>& english, int pos);

// The user picks the entry `value` names in list `id` of window `tpl`:
// "#N" is position N (from 0, as files store it); otherwise the entry's
// text as the window shows it or as `english` gives it, letters compared
// without case, blanks and leading zeros of numbers ignored.
Outcome ChooseEntry(headless::Session& s, int tpl, int id, std::string_view value,
                    const std::vector<std::string>& english);
// The user selects all of edit `id` and types `value`, then leaves the
// edit. Refused when the edit does not take all of it or the window
// changes it (for a secret the refusal tells how many characters it kept,
// never the text); a warning the window shows without changing the text
// is added to `warnings`.
Outcome TypeInto(headless::Session& s, int tpl, int id, std::string_view value, std::vector<std::string>& warnings,
                 bool secret = false);
// The user ticks or clears check box `id`: value On/Off, Yes/No, 1/0, true/false.
Outcome SetTick(headless::Session& s, int tpl, int id, std::string_view value);

// Applies what it can of the requests with `apply`, in the given order,
// and again for those whose control was not open for input yet, until none
// moves; returns those left. Refusal for the first refused one.
std::vector<SetRequest> ApplyAvailable(const std::vector<SetRequest>& requests,
                                       const std::function<Outcome(const SetRequest&)>& apply);
// Refusal for the first of `left` (with `hint` for why), when there is one.
void RefuseLeftOver(const std::vector<SetRequest>& left, const std::function<std::string(const SetRequest&)>& hint);

// Applies every request with `apply`, in the given order, and again for
// those whose control was not open for input yet, until none is left or
// none moves; Refusal for the first refused one and for those that never
// became possible (with `hint` for why).
void ApplyRequests(const std::vector<SetRequest>& requests, const std::function<Outcome(const SetRequest&)>& apply,
                   const std::function<std::string(const SetRequest&)>& hint);

// The normalised form the entry comparison uses.
std::string EntryKey(std::string_view text);

}  // namespace cli
