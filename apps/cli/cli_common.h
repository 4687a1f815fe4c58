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

// The version of the JSON every command prints and of the profiles that
// export writes; it changes when a field changes its meaning.
inline constexpr int kJsonFormat = 1;

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

// A user's value in a message: control characters and bytes that are no
// UTF-8 as \xNN, and cut short after `max_chars` characters (with the
// length it had). A path is echoed whole: give SIZE_MAX.
inline constexpr std::size_t kEchoChars = 60;
std::string Echo(std::string_view value, std::size_t max_chars = kEchoChars);
// The same in double quotes.
std::string EchoQuoted(std::string_view value, std::size_t max_chars = kEchoChars);

// A card's file as the commands take it: its size, and its bytes when it
// is no larger than the largest record plus one byte (what is larger is
// no record of any model, and is neither read nor copied).
struct CardFile {
  std::uintmax_t size = 0;
  std::vector<uint8_t> bytes;  // the whole file, or its first kCardFileLimit bytes
};
// The largest record (CFG.BIN with the GPS mailbox) plus one byte.
extern const std::size_t kCardFileLimit;
// Reads a card's file; UsageError naming what it is when it is no regular
// file (missing, a folder, a pipe, a device) or cannot be read.
CardFile ReadCardFile(const std::filesystem::path& path);

// A private folder for scratch copies (only its owner may enter it),
// removed with the object. The windows read their files from it, so the
// user's folders are only ever written where asked.
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
