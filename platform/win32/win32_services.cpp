// platform::Services on the Windows API.
#include "platform/win32/win32_host.h"

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
// once the picker's window exists.
int CALLBACK SelectStartFolder(HWND picker, UINT msg, LPARAM, LPARAM start) {
  if (msg == BFFM_INITIALIZED && start) SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

}  // namespace

std::optional<std::string> Win32Services::PickFolder(std::string_view start_folder) {
  const std::wstring start = Widen(start_folder);
  BROWSEINFOW bi{};
  bi.hwndOwner = GetForegroundWindow();
  bi.ulFlags = BIF_RETURNONLYFSDIRS;
  bi.lpfn = &SelectStartFolder;
  bi.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  PIDLIST_ABSOLUTE pidl = SHBrowseForFolderW(&bi);
  if (!pidl) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  const BOOL ok = SHGetPathFromIDListW(pidl, path);
  CoTaskMemFree(pidl);
  if (!ok || !path[0]) return std::nullopt;
  return Narrow(path);
}

std::string Win32Services::ToRecordText(std::string_view utf8) { return Utf8ToAnsi(utf8); }
std::string Win32Services::FromRecordText(std::string_view bytes) { return AnsiToUtf8(bytes); }

}  // namespace platform::win32
