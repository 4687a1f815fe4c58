// The Windows host: platform::Host on modal dialogs created from the
// layout tables, and platform::Services on the Windows API.
#pragma once

#include <windows.h>

// These names are also members of the seam (Dialog::MessageBox,
// WindowRegistry::Create); this host calls the wide functions by name.
#undef MessageBox
#undef CreateWindow

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/layout.h"
#include "platform/services.h"
#include "platform/window.h"

namespace platform::win32 {

// The module instance that holds the resources; set by the entry point
// before anything is shown.
void SetInstance(HINSTANCE instance);
HINSTANCE Instance();

// Registers the common control classes (comctl32 version 6 by the manifest).
void InitCommonControls();

// UTF-8 <-> UTF-16 at the seam. Invalid UTF-8 becomes U+FFFD.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// Between UTF-8 and the system ANSI code page (record text fields).
std::string Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);

// The in-memory dialog template (DLGTEMPLATE followed by its items) of a
// layout, as WORDs so that it is suitably aligned.
std::vector<WORD> BuildDialogTemplate(const DialogLayout& layout);

class Win32Host : public Host {
 public:
  // Creates the dialog of w.TemplateId() and runs its modal loop. The
  // dialog is owned by the dialog running at the moment, unless the window
  // is ownerless or none runs.
  int RunModal(Window& w) override;
};

// Selects `folder` in an open folder picker (and opens its tree down to
// it); false when the picker shows no such folder.
bool SelectPickerFolder(HWND picker, std::wstring_view folder);

class Win32Services : public Services {
 public:
  LocalTime Now() override;
  int SystemLanguageId() override;
  std::optional<std::string> WorkingDirectory() override;
  int PcUtcOffsetHours() override;
  std::optional<std::string> PickFolder(std::string_view start_folder) override;
  std::string ToRecordText(std::string_view utf8) override;
  std::string FromRecordText(std::string_view bytes) override;
};

}  // namespace platform::win32
