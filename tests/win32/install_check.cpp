// Checks trailset as its Windows installer leaves it, from outside the
// program, the way a user finds it:
//
//   trailset_install_check installed
//     the uninstaller's entry of the current user, the installed files in
//     the user's programs folder, the Start menu entry pointing at the
//     program; then starts the program from that entry to its main window
//     (version text, screenshot "installed-main"), closes it and wants
//     exit code 0.
//   trailset_install_check console EXE
//     "EXE --version", started from a program with a console of its own and
//     no standard streams handed over, prints its version into that console.
//
// Logs one line per failed check and ends with "RESULT: PASS" or
// "RESULT: FAIL"; exit code 0 when every check passed.
#include <windows.h>
#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>
#include <string_view>

#include "shell/ui_strings.h"
#include "tests/win32/ui_driver.h"
#include "trailset_version.h"

namespace {

using e2e::Utf8;
using e2e::Wide;

constexpr int kVersionText = 40000;
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\trailset";

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring result;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) result = path;
  CoTaskMemFree(path);
  return result;
}

std::wstring UninstallValue(const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return {};
  return value;
}

bool SamePath(const std::wstring& a, const std::wstring& b) { return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL; }

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The program a shortcut starts, "" when it cannot be read.
std::wstring ShortcutTarget(const std::wstring& lnk) {
  IShellLinkW* link = nullptr;
  std::wstring target;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link))))
    return target;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(file->Load(lnk.c_str(), STGM_READ)) && SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)))
      target = path;
    file->Release();
  }
  link->Release();
  return target;
}

int Installed(e2e::UiDriver& check) {
  const std::wstring want_dir = KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\trailset";
  const std::wstring dir = UninstallValue(L"InstallLocation");
  check.Check(SamePath(dir, want_dir), "installed into " + Utf8(want_dir) + " (the uninstaller's entry says \"" +
                                           Utf8(dir) + "\")");
  check.CheckEq(Utf8(UninstallValue(L"DisplayName")), "trailset", "uninstaller's entry: name");
  check.CheckEq(Utf8(UninstallValue(L"DisplayVersion")), TRAILSET_VERSION, "uninstaller's entry: version");
  const std::string uninstaller = Utf8(L"\"" + dir + L"\\uninstall.exe\"");
  check.CheckEq(Utf8(UninstallValue(L"UninstallString")), uninstaller, "uninstaller's entry: uninstaller");
  check.CheckEq(Utf8(UninstallValue(L"QuietUninstallString")), uninstaller + " /S",
                "uninstaller's entry: silent uninstaller");
  for (const wchar_t* name : {L"trailset.exe", L"trailset-cli.exe", L"README.txt", L"LICENSE.txt", L"uninstall.exe"})
    check.Check(FileExists(dir + L"\\" + name), "installed file " + Utf8(name));

  const std::wstring lnk = KnownFolder(FOLDERID_Programs) + L"\\trailset.lnk";
  check.Check(FileExists(lnk), "Start menu entry " + Utf8(lnk));
  const std::wstring program = ShortcutTarget(lnk);
  check.Check(SamePath(program, dir + L"\\trailset.exe"), "the Start menu entry starts " + Utf8(program));
  if (check.failures()) return check.failures();

  // Started as the Start menu entry starts it: the program, in its folder.
  std::wstring command = L"\"" + program + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi)) {
    check.Check(false, "the installed program starts");
    return check.failures();
  }
  e2e::UiDriver ui(pi.dwThreadId);
  const int lang = GetSystemDefaultLangID() == 2052 ? 0 : 1;
  if (HWND main = ui.WaitDialog(kTxtSetup.s[lang], 30000)) {
    check.Log("main window of the installed program shown");
    ui.CheckEq(ui.Text(main, kVersionText), TRAILSET_VERSION_COMMAS, "version text of the main window");
    ui.Shot("installed-main");
    ui.Close(main);
  }
  const bool ended = WaitForSingleObject(pi.hProcess, 20000) == WAIT_OBJECT_0;
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  check.Check(ended && code == 0, "the program ends with exit code 0 when its main window is closed");
  if (!ended) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return check.failures() + ui.failures();
}

// The text in the first lines of this program's console.
std::wstring ConsoleText() {
  HANDLE out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
  CONSOLE_SCREEN_BUFFER_INFO info{};
  std::wstring text;
  if (out != INVALID_HANDLE_VALUE && GetConsoleScreenBufferInfo(out, &info)) {
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) * 10;
    text.resize(cells);
    DWORD read = 0;
    ReadConsoleOutputCharacterW(out, text.data(), cells, COORD{0, 0}, &read);
    text.resize(read);
  }
  if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
  return text;
}

int Console(e2e::UiDriver& check, const std::wstring& exe) {
  FreeConsole();
  if (!AllocConsole()) {
    check.Check(false, "a console of its own");
    return check.failures();
  }
  std::wstring command = L"\"" + exe + L"\" --version";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    check.Check(false, "the program starts");
    return check.failures();
  }
  const bool ended = WaitForSingleObject(pi.hProcess, 20000) == WAIT_OBJECT_0;
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  check.Check(ended && code == 0, "--version ends with exit code 0");
  const std::wstring text = ConsoleText();
  check.Check(text.find(Wide("trailset " TRAILSET_VERSION)) != std::wstring::npos,
              "the console shows \"trailset " TRAILSET_VERSION "\"");
  FreeConsole();
  return check.failures();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  e2e::UiDriver check(0);
  const std::wstring_view what = argc > 1 ? argv[1] : L"";
  int failures = 1;
  if (what == L"installed" && argc == 2) {
    failures = Installed(check);
  } else if (what == L"console" && argc == 3) {
    failures = Console(check, argv[2]);
  } else {
    check.Log("usage: trailset_install_check installed | console EXE");
    return 2;
  }
  check.Log(failures ? "RESULT: FAIL" : "RESULT: PASS");
  CoUninitialize();
  return failures ? 1 : 0;
}
