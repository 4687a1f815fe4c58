// platform::Services on the Windows API.
#include "platform/win32/win32_host.h"

#include <objbase.h>
#include <commctrl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

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
  // For finding a folder in the picker's tree by the names it shows.
  decltype(&SHParseDisplayName) parse = nullptr;
  decltype(&SHGetNameFromIDList) name_of = nullptr;

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
    p.parse = Function<decltype(&SHParseDisplayName)>(shell32, "SHParseDisplayName");
    p.name_of = Function<decltype(&SHGetNameFromIDList)>(shell32, "SHGetNameFromIDList");
    return p;
  }();
  return picker;
}

// The names the picker's tree shows on the way from the desktop (its root)
// down to `path`, one per level below the root; empty when the shell
// cannot tell.
std::vector<std::wstring> TreeNamesOf(const ShellPicker& shell, const std::wstring& path) {
  std::vector<std::wstring> names;
  PIDLIST_ABSOLUTE pidl = nullptr;
  if (!shell.parse || !shell.name_of || FAILED(shell.parse(path.c_str(), nullptr, &pidl, 0, nullptr)) || !pidl)
    return names;
  // Each level's name is that of the list cut after its item.
  std::vector<BYTE> bytes;
  for (auto* item = reinterpret_cast<const BYTE*>(pidl); const USHORT cb = *reinterpret_cast<const USHORT*>(item);
       item += cb) {
    bytes.insert(bytes.end(), item, item + cb);
    std::vector<BYTE> prefix = bytes;
    prefix.insert(prefix.end(), {0, 0});
    PWSTR name = nullptr;
    if (FAILED(shell.name_of(reinterpret_cast<PCIDLIST_ABSOLUTE>(prefix.data()), SIGDN_NORMALDISPLAY, &name)) ||
        !name) {
      names.clear();
      break;
    }
    names.emplace_back(name);
    shell.co_free(name);
  }
  shell.co_free(pidl);
  return names;
}

std::wstring ItemText(HWND tree, HTREEITEM item) {
  wchar_t text[MAX_PATH] = {};
  TVITEMW tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = text;
  tv.cchTextMax = MAX_PATH;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
  return text;
}

HTREEITEM TreeItem(HWND tree, UINT which, HTREEITEM from = nullptr) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, which, reinterpret_cast<LPARAM>(from)));
}

// Whether the tree's selected entry lies at the end of `names`.
bool SelectionIs(HWND tree, const std::vector<std::wstring>& names) {
  HTREEITEM item = TreeItem(tree, TVGN_CARET);
  for (auto name = names.rbegin(); name != names.rend(); ++name, item = TreeItem(tree, TVGN_PARENT, item))
    if (!item || ItemText(tree, item) != *name) return false;
  return item && !TreeItem(tree, TVGN_PARENT, item);
}

// Opens the tree level by level along `names` and selects the last, as a
// user clicking through it would.
bool SelectByNames(HWND tree, const std::vector<std::wstring>& names) {
  HTREEITEM item = TreeItem(tree, TVGN_ROOT);
  for (const std::wstring& name : names) {
    if (!item) return false;
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    HTREEITEM child = TreeItem(tree, TVGN_CHILD, item);
    while (child && ItemText(tree, child) != name) child = TreeItem(tree, TVGN_NEXT, child);
    item = child;
  }
  if (!item) return false;
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
  return true;
}

// The start folder is selected once the picker's window exists.
int CALLBACK SelectStartFolder(HWND picker, UINT msg, LPARAM, LPARAM start) {
  if (msg == BFFM_INITIALIZED && start) SelectPickerFolder(picker, reinterpret_cast<const wchar_t*>(start));
  return 0;
}

}  // namespace

// Asked by path first. Some pickers (Wine's among them) find the folder by
// comparing the stored identity of each folder on the way, which holds the
// folder's last access time: a folder that was read after the tree listed
// it (the tree itself reads folders to learn whether they have subfolders)
// no longer compares equal, and the request selects nothing, however often
// it is repeated. The names the tree shows do not change, so the folder is
// then found through them.
bool SelectPickerFolder(HWND picker, std::wstring_view folder) {
  const ShellPicker& shell = LoadShellPicker();
  HWND tree = FindWindowExW(picker, nullptr, WC_TREEVIEWW, nullptr);
  const std::wstring path(folder);
  SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
  const std::vector<std::wstring> names = TreeNamesOf(shell, path);
  if (!tree || names.empty()) return false;
  return SelectionIs(tree, names) || SelectByNames(tree, names);
}

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
