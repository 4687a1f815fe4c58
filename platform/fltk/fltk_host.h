// The portable GUI host: dialogs, message boxes, timers and the system
// services on FLTK 1.3 (X11 on Linux; the same code builds on macOS).
//
// Every dialog is built from its template's layout (platform/layout.h),
// at the pixel positions Windows gives "MS Shell Dlg" 8 at 96 dpi, and
// behaves as the native dialogs do where the window logic relies on it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/layout.h"
#include "platform/services.h"
#include "platform/window.h"

class Fl_Button;
class Fl_Widget;
class Fl_Window;

namespace platform::fltk {

// Connects to the display and sets fonts, colours and look. On failure
// returns false and says why in `error` (one line, no newline).
bool OpenDisplay(std::string* error);

// Pixel size of the dialog font (the Windows dialog font is 8 points at 96 dpi;
// the CJK face needs one pixel more to stay readable).
inline constexpr int kFontSize = 11;
// Closed height of a drop-down list in pixels; the layout's height also
// covers the open list.
inline constexpr int kComboHeight = 21;

class FltkHost final : public Host {
 public:
  int RunModal(Window& w) override;
  // Runs `w` on an explicit layout (used for windows without a template).
  int RunModalWithLayout(Window& w, const DialogLayout& layout);
};

class FltkServices : public Services {
 public:
  LocalTime Now() override;
  int SystemLanguageId() override;
  std::optional<std::string> WorkingDirectory() override;
  int PcUtcOffsetHours() override;
  // FLTK's own folder chooser, in the texts `texts` gives at each opening
  // (FLTK's English ones when none are set); folders only.
  std::optional<std::string> PickFolder(std::string_view start_folder) override;
  void SetFolderChooserTexts(FolderChooserTextsFn texts) { texts_ = texts; }

 private:
  FolderChooserTextsFn texts_ = nullptr;
};

// Windows language identifier of a POSIX locale name ("zh_CN.UTF-8" -> 2052).
int LanguageIdOfLocale(const std::string& locale);
// Standard (not daylight-saving) UTC offset in whole hours of the zone in
// effect (TZ), as the camera's time zone counts it (records/time_zone.h).
int StandardUtcOffsetHours();

// What a driver in a test build may see of the open windows.
class FltkDialog;
// The dialogs being run, oldest first.
const std::vector<FltkDialog*>& OpenDialogs();

struct MessageBoxView {
  Fl_Window* window = nullptr;
  std::string text;
  std::string caption;
  MsgIcon icon = MsgIcon::Information;
  Fl_Button* ok = nullptr;
};
// The message box being shown, or nullptr.
const MessageBoxView* CurrentMessageBox();
// Number of message boxes shown since the start of the process.
long MessageBoxesShown();

// Shows a modal message box and waits for its answer (always kIdOk).
int ShowMessageBox(std::string_view text, std::string_view caption, MsgIcon icon);

}  // namespace platform::fltk
