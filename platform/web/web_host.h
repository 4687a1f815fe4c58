// The browser host: the windows as HTML elements of one page, built from
// the same layouts as every other host (WebAssembly, emscripten).
//
// Each dialog is a positioned element with one child element per control
// at the pixel rectangle Windows gives "MS Shell Dlg" 8 at 96 dpi. The
// native behaviours the window logic relies on are kept as on the other
// hosts: program-set edit text notifies at once, a program selection does
// not, a user's pick gives SelChange then SelEndOk, an edit reports the
// loss of the focus before the click that took it, Enter, Escape and the
// close box reach the window, message boxes are modal, the one-second timer
// runs while they are shown.
//
// Modal calls (a window's own loop, a message box, the folder picker) wait
// for the page's next event without blocking the page: the wait returns to
// the browser (Asyncify) and resumes when the page posts an event.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/services.h"
#include "platform/window.h"

namespace platform::web {

class WebHost final : public Host {
 public:
  int RunModal(Window& w) override;
};

class WebServices final : public Services {
 public:
  // The folder the program starts in (the working directory).
  explicit WebServices(std::string start_folder) : start_folder_(std::move(start_folder)) {}

  LocalTime Now() override;
  int SystemLanguageId() override;
  std::optional<std::string> WorkingDirectory() override { return start_folder_; }
  int PcUtcOffsetHours() override;
  std::optional<std::string> PickFolder(std::string_view start_folder) override;

 private:
  std::string start_folder_;
};

// The browser's language as a Windows language identifier.
int BrowserLanguageId();

// Shows the start panel in the language the first start will choose and
// returns the folder the user starts in.
std::string AskStartFolder();

// Keeps the page's line on file access in the current interface language.
void UpdatePageNote();

// Shown after the main window has closed, with a way to start again.
void ShowEnded();

}  // namespace platform::web
