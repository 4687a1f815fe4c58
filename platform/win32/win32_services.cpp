// platform::Services on the Windows API.
#include "platform/win32/win32_host.h"

#include <objbase.h>
#include <shlobj.h>

#include "records/time_zone.h"

namespace platform::win32 {

LocalTime Win32Services::Now() {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

int Win32Services::SystemLanguageId() { return GetSystemDefaultLangID(); }

std::optional<std::string> Win32Services::WorkingDirectory() {
  const DWORD n = GetCurrentDirectoryW(0, nullptr);
  if (n == 0) return std::nullopt;
  std::wstring dir(n, L'\0');
  const DWORD got = GetCurrentDirectoryW(n, dir.data());
  if (got == 0 || got >= n) return std::nullopt;
  dir.resize(got);
  return Narrow(dir);
}

int Win32Services::PcUtcOffsetHours() { return LocalStandardUtcOffsetHours(); }

namespace {

// Selects (and opens the tree down to) the folder the picker starts at,
// once the picker's window exists. Asked twice: a picker whose tree holds
// an outdated entry for a folder on the way (one whose content changed a
// moment ago, as the card folder's does on every Generate) opens the tree
// on the first request but selects only on the second; where the first
// suffices, the second selects the same folder again.
int CALLBACK SelectStartFolder(HWND picker, UINT msg, LPARAM, LPARAM start) {
  if (msg == BFFM_INITIALIZED && start)
    for (int i = 0; i < 2; ++i) SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

template <typename F>
F Function(HMODULE module, const char* name) {
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// The folder picker is the one part of the shell and of COM the program
// uses; both are loaded when it is first opened, not at every start, where
// loading them took a good part of the time until the main window shows.
// The system's own DLLs only, found in the system folder.
struct ShellPicker {
  decltype(&CoInitializeEx) co_initialize = nullptr;
  decltype(&CoUninitialize) co_uninitialize = nullptr;
  decltype(&CoTaskMemFree) co_free = nullptr;
  decltype(&SHBrowseForFolderW) browse = nullptr;
  decltype(&SHGetPathFromIDListW) path_of = nullptr;

  bool Complete() const { return co_initialize && co_uninitialize && co_free && browse && path_of; }
};

HMODULE LoadSystemDll(const wchar_t* name) {
  wchar_t dir[MAX_PATH] = {};
  const UINT n = GetSystemDirectoryW(dir, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(dir, n) + L"\\" + name).c_str());
}

const ShellPicker& LoadShellPicker() {
  static const ShellPicker picker = [] {
    HMODULE ole32 = LoadSystemDll(L"ole32.dll");
    HMODULE shell32 = LoadSystemDll(L"shell32.dll");
    ShellPicker p;
    p.co_initialize = Function<decltype(&CoInitializeEx)>(ole32, "CoInitializeEx");
    p.co_uninitialize = Function<decltype(&CoUninitialize)>(ole32, "CoUninitialize");
    p.co_free = Function<decltype(&CoTaskMemFree)>(ole32, "CoTaskMemFree");
    p.browse = Function<decltype(&SHBrowseForFolderW)>(shell32, "SHBrowseForFolderW");
    p.path_of = Function<decltype(&SHGetPathFromIDListW)>(shell32, "SHGetPathFromIDListW");
    return p;
  }();
  return picker;
}

}  // namespace

std::optional<std::string> Win32Services::PickFolder(std::string_view start_folder) {
  const ShellPicker& shell = LoadShellPicker();
  if (!shell.Complete()) return std::nullopt;
  // The picker is a shell object and needs COM on this thread.
  const HRESULT com = shell.co_initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const std::wstring start = Widen(start_folder);
  BROWSEINFOW bi{};
  bi.hwndOwner = GetForegroundWindow();
  bi.ulFlags = BIF_RETURNONLYFSDIRS;
  bi.lpfn = &SelectStartFolder;
  bi.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  std::optional<std::string> chosen;
  if (PIDLIST_ABSOLUTE pidl = shell.browse(&bi)) {
    wchar_t path[MAX_PATH] = {};
    if (shell.path_of(pidl, path) && path[0]) chosen = Narrow(path);
    shell.co_free(pidl);
  }
  if (SUCCEEDED(com)) shell.co_uninitialize();
  return chosen;
}

std::string Win32Services::ToRecordText(std::string_view utf8) { return Utf8ToAnsi(utf8); }
std::string Win32Services::FromRecordText(std::string_view bytes) { return AnsiToUtf8(bytes); }

}  // namespace platform::win32
