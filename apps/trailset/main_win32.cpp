// trailset.exe: the Windows dialog application.
#include "apps/trailset/win32_app.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "apps/trailset/program_args.h"
#include "platform/win32/win32_host.h"

namespace {

// The arguments after the program's name, as UTF-8 (split by the C
// runtime of the wide entry point, so the shell is not loaded for it).
std::vector<std::string> Arguments() {
  std::vector<std::string> args;
  for (int i = 1; __wargv && i < __argc; ++i) args.push_back(platform::win32::Narrow(__wargv[i]));
  return args;
}

// Prints `text` where whoever started the program reads it. A window program
// has no console of its own: it writes to the standard stream it was handed
// (a pipe, a file, or the terminal under Wine), else to the console of the
// program that started it (a command prompt), else shows it in a box.
void PrintForTheStarter(const std::string& text, bool is_error) {
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  HANDLE stream = GetStdHandle(is_error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (stream && stream != INVALID_HANDLE_VALUE && GetFileType(stream) != FILE_TYPE_UNKNOWN &&
      WriteFile(stream, crlf.data(), static_cast<DWORD>(crlf.size()), &written, nullptr))
    return;
  if (AttachConsole(ATTACH_PARENT_PROCESS)) {
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    bool shown = false;
    if (console != INVALID_HANDLE_VALUE) {
      const std::wstring wide = platform::win32::Widen(crlf);
      shown = WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != FALSE;
      CloseHandle(console);
    }
    FreeConsole();
    if (shown) return;
  }
  MessageBoxW(nullptr, platform::win32::Widen(text).c_str(), L"trailset",
              MB_OK | (is_error ? MB_ICONWARNING : MB_ICONINFORMATION));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const program_args::Outcome command = program_args::Parse(Arguments());
  if (!command.open_windows) {
    PrintForTheStarter(command.text, command.is_error);
    return command.exit_code;
  }
  return RunWin32Application(instance);
}
