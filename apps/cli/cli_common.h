// Shared pieces of trailset-cli: exit codes, the errors that end a command,
// model lookup, printable text and the card folder the windows run on.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Exit status of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;  // a check of the windows refused the input
inline constexpr int kExitUsage = 2;    // the command line itself is wrong

// Ends a command with kExitUsage: an unknown model, setting or option value.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// Ends a command with kExitRefused: the windows would not take the input.
struct Refusal : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// A window's message box text for a terminal: its line breaks as new lines.
std::string MessageLines(const std::string& text);

// A refusal that a window said in a message box: its caption and text as
// the window has them (what() shows the line breaks as new lines).
struct WindowRefusal : Refusal {
  WindowRefusal(std::string caption_, std::string text_);
  std::string caption, text;
};

// The 22 models the main window offers, in list order.
std::vector<uint16_t> SelectableModels();
// A model by its code ("515") or its name ("VORN-P2", letters compared
// without case); UsageError listing the models otherwise.
uint16_t ResolveModel(std::string_view text);
// Display name of a selectable model.
std::string ModelDisplayName(uint16_t code);
// Makes `code` the current model of the process-wide state, as choosing it
// in the main window does (family, index, code, templates).
void MakeCurrentModel(uint16_t code);

// "text" in double quotes, and "#N", for messages and list positions.
std::string Quoted(std::string_view text);
std::string Position(int n);

// ASCII letters compared without case.
bool SameText(std::string_view a, std::string_view b);
// Text for a terminal: valid UTF-8 as it is, control characters and bytes
// that are no UTF-8 as \xNN.
std::string Printable(std::string_view bytes);
// Text for JSON: valid UTF-8 as it is, every other byte as U+FFFD.
std::string JsonText(std::string_view bytes);

// Reads a whole file; UsageError when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path);

// A private folder under the system's temporary folder, removed with the
// object. The windows read their files from it, so the user's folders are
// only ever written where asked.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // Copies bytes into the folder as `name`.
  void Put(const std::string& name, const std::vector<uint8_t>& bytes) const;

 private:
  std::filesystem::path path_;
};

// Local date and time "YYYY-MM-DD HH:MM:SS" of --clock.
struct ClockValue {
  int year, month, day, hour, minute, second;
};
std::optional<ClockValue> ParseClock(std::string_view text);
// "+8", "-5", "8", "0" of --timezone: whole hours -12..+12.
std::optional<int> ParseUtcOffset(std::string_view text);

}  // namespace cli
