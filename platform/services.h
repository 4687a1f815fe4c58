// What window logic may ask of the system beyond its dialogs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct LocalTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

class Services {
 public:
  virtual ~Services() = default;
  // Local date and time of the PC.
  virtual LocalTime Now() = 0;
  // The system's default language identifier (2052 Chinese PRC, 1033 US English, ...).
  virtual int SystemLanguageId() = 0;
  // The process's working directory, or nothing when it cannot be read.
  virtual std::optional<std::string> WorkingDirectory() = 0;
  // The PC's standard (not daylight-saving) offset from UTC in whole hours.
  virtual int PcUtcOffsetHours() = 0;
  // The folder picker (file-system folders only, owned by the foreground
  // window), opened at `start_folder` (UTF-8; empty: wherever the system
  // starts). Nothing when the user cancels.
  virtual std::optional<std::string> PickFolder(std::string_view start_folder) = 0;

  // Record text fields hold bytes: on Windows in the system ANSI code page
  // (what cameras and existing files expect), elsewhere UTF-8 as typed.
  // These convert between those bytes and the UTF-8 of the dialog seam.
  virtual std::string ToRecordText(std::string_view utf8) { return std::string(utf8); }
  virtual std::string FromRecordText(std::string_view bytes) { return std::string(bytes); }
};

// The texts of a folder chooser that a host draws itself (a chooser of the
// system speaks the system's language): in the language of the window
// that opens it, so the entry point hands the host a function that gives
// them in the current language.
struct FolderChooserTexts {
  std::string title;         // window title
  std::string folder_label;  // the field that names the chosen folder
  std::string ok, cancel;    // the two buttons
  std::string new_folder;    // the button that makes a folder (its tip) ...
  std::string new_folder_name;  // ... and its question
  std::string show_hidden;   // the check box that shows hidden folders
};
using FolderChooserTextsFn = FolderChooserTexts (*)();

// The services in use; set once by the entry point (or by a test).
void SetServices(Services* services);
Services& GetServices();
bool HasServices();

}  // namespace platform
