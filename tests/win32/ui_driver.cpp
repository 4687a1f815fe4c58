#include "tests/win32/ui_driver.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <optional>
#include <thread>

namespace e2e {
namespace {

constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kActionTimeoutMs = 20000;

bool IsDialogClass(HWND w) {
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  return std::wstring_view(cls) == L"#32770";
}

std::wstring WindowTextOf(HWND w) {
  const int n = GetWindowTextLengthW(w);
  std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
  s.resize(static_cast<std::size_t>(GetWindowTextW(w, s.data(), n + 1)));
  return s;
}

struct Search {
  bool want_box;
  const std::wstring* title;  // nullptr: any
  HWND found = nullptr;
};

BOOL CALLBACK FindOne(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  if (!IsWindowVisible(w) || !IsDialogClass(w)) return TRUE;
  const bool is_box = GetDlgItem(w, kMessageBoxTextId) != nullptr;
  if (is_box != s->want_box) return TRUE;
  if (s->title && WindowTextOf(w) != *s->title) return TRUE;
  s->found = w;
  return FALSE;
}

void Sleep20() { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }

}  // namespace

std::string Utf8(std::wstring_view w) {
  if (w.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

std::wstring Wide(std::string_view s) {
  if (s.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

UiDriver::UiDriver(DWORD ui_thread) : ui_thread_(ui_thread) {}

HWND UiDriver::WaitDialog(std::string_view title, int timeout_ms) {
  const std::wstring wtitle = Wide(title);
  for (int waited = 0; waited <= timeout_ms; waited += 20) {
    Search s{false, &wtitle};
    EnumThreadWindows(ui_thread_, &FindOne, reinterpret_cast<LPARAM>(&s));
    if (s.found) return s.found;
    Sleep20();
  }
  Check(false, "dialog \"" + std::string(title) + "\" appears (now: \"" + CurrentTitle() + "\")");
  return nullptr;
}

bool UiDriver::WaitGone(HWND dlg, int timeout_ms) {
  for (int waited = 0; waited <= timeout_ms; waited += 20) {
    if (!IsWindow(dlg) || !IsWindowVisible(dlg)) return true;
    Sleep20();
  }
  return false;
}

std::string UiDriver::CurrentTitle() {
  Search s{false, nullptr};
  EnumThreadWindows(ui_thread_, &FindOne, reinterpret_cast<LPARAM>(&s));
  return s.found ? Utf8(WindowTextOf(s.found)) : std::string();
}

HWND UiDriver::FindMessageBox() {
  Search s{true, nullptr};
  EnumThreadWindows(ui_thread_, &FindOne, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// Sends the message on a helper thread, so that a handler that shows a
// message box (and so does not return) does not stop the driver; every box
// that appears meanwhile is read and answered with OK.
Boxes UiDriver::Deliver(HWND target, UINT msg, WPARAM wp, LPARAM lp, const std::wstring* text) {
  std::atomic<bool> done{false};
  if (text) lp = reinterpret_cast<LPARAM>(text->c_str());
  std::thread sender([&] {
    SendMessageW(target, msg, wp, lp);
    done = true;
  });
  Boxes boxes;
  const HICON warning = LoadIconW(nullptr, IDI_WARNING);
  for (int waited = 0; !done; waited += 20) {
    if (HWND box = FindMessageBox()) {
      MessageBoxSeen seen;
      seen.caption = Utf8(WindowTextOf(box));
      wchar_t buf[1024] = {};
      GetDlgItemTextW(box, kMessageBoxTextId, buf, 1024);
      seen.text = Utf8(buf);
      for (int icon_id : {20, 1088}) {  // the icon control of the message box
        if (HWND icon = GetDlgItem(box, icon_id))
          seen.warning = reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0)) == warning;
      }
      boxes.push_back(seen);
      if (!next_box_shot_.empty()) {
        Shot(next_box_shot_);
        next_box_shot_.clear();
      }
      Log("  message box \"" + seen.caption + "\": " + seen.text);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      if (!WaitGone(box, 5000)) {
        Check(false, "message box \"" + seen.text + "\" closes on OK");
        break;
      }
      continue;
    }
    if (waited > kActionTimeoutMs) {
      Check(false, "the program handles the action within 20 s");
      break;
    }
    Sleep20();
  }
  sender.join();
  return boxes;
}

bool UiDriver::UserCanUse(HWND dlg, int id, std::string_view action) {
  HWND item = GetDlgItem(dlg, id);
  const bool usable = item && IsWindowEnabled(item) && IsWindowVisible(item);
  if (!usable)
    Check(false, std::string(action) + " control " + std::to_string(id) +
                     ": it is missing, disabled or hidden, so a user cannot use it");
  return usable;
}

Boxes UiDriver::Click(HWND dlg, int id) {
  if (!UserCanUse(dlg, id, "click")) return {};
  ToggleAutoButton(GetDlgItem(dlg, id));
  return Deliver(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)), nullptr);
}

// A click on an automatic check box or radio button changes its state
// before the dialog hears of it.
void UiDriver::ToggleAutoButton(HWND item) {
  const LONG type = GetWindowLongW(item, GWL_STYLE) & BS_TYPEMASK;
  if (type == BS_AUTOCHECKBOX) {
    const bool on = SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED;
    SendMessageW(item, BM_SETCHECK, on ? BST_UNCHECKED : BST_CHECKED, 0);
  } else if (type == BS_AUTORADIOBUTTON) {
    SendMessageW(item, BM_SETCHECK, BST_CHECKED, 0);
  }
}

void UiDriver::ClickOpening(HWND dlg, int id, std::string_view opens) {
  if (!UserCanUse(dlg, id, "click")) return;
  HWND item = GetDlgItem(dlg, id);
  ToggleAutoButton(item);
  pending_.emplace_back([dlg, id, item] {
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(item));
  });
  const std::wstring title = Wide(opens);
  for (int waited = 0; waited <= 10000; waited += 20) {
    Search found{false, &title};
    EnumThreadWindows(ui_thread_, &FindOne, reinterpret_cast<LPARAM>(&found));
    if (found.found) return;
    if (HWND box = FindMessageBox()) {
      // No message is expected on the way to the window.
      wchar_t text[1024] = {};
      GetDlgItemTextW(box, kMessageBoxTextId, text, 1024);
      Check(false, "click " + std::to_string(id) + " opens \"" + std::string(opens) + "\" without a message, but shows \"" +
                       Utf8(text) + "\"");
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      WaitGone(box, 5000);
    }
    Sleep20();
  }
  Check(false, "click " + std::to_string(id) + " opens \"" + std::string(opens) + "\"");
}

namespace {
struct NewDialog {
  std::vector<HWND> known;
  HWND found = nullptr;
};
BOOL CALLBACK FindNew(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<NewDialog*>(lp);
  if (!IsWindowVisible(w) || !IsDialogClass(w) || GetDlgItem(w, kMessageBoxTextId)) return TRUE;
  for (HWND k : s->known)
    if (k == w) return TRUE;
  s->found = w;
  return FALSE;
}
BOOL CALLBACK ListDialogs(HWND w, LPARAM lp) {
  if (IsDialogClass(w)) reinterpret_cast<NewDialog*>(lp)->known.push_back(w);
  return TRUE;
}
}  // namespace

HWND UiDriver::ClickOpeningAny(HWND dlg, int id) {
  if (!UserCanUse(dlg, id, "click")) return nullptr;
  NewDialog search;
  EnumThreadWindows(ui_thread_, &ListDialogs, reinterpret_cast<LPARAM>(&search));
  HWND item = GetDlgItem(dlg, id);
  pending_.emplace_back([dlg, id, item] {
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(item));
  });
  for (int waited = 0; waited <= 15000; waited += 20) {
    EnumThreadWindows(ui_thread_, &FindNew, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep20();
  }
  Check(false, "click " + std::to_string(id) + " opens a window");
  return nullptr;
}

int UiDriver::BluePixels(HWND dlg, int id) {
  RECT r{};
  GetWindowRect(GetDlgItem(dlg, id), &r);
  HDC screen = GetDC(nullptr);
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (const COLORREF c = GetPixel(screen, x, y); GetBValue(c) - GetRValue(c) >= 80) ++n;
  ReleaseDC(nullptr, screen);
  return n;
}

namespace {

// The screen (or a bitmap) copied into a 32-bit top-down pixel buffer.
struct Pixels {
  int w = 0, h = 0;
  std::vector<uint32_t> bgrx;
};

bool Grab(HDC from, int x, int y, int w, int h, Pixels& out, HBITMAP stretch = nullptr, SIZE part = {}) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC mem = CreateCompatibleDC(from);
  HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = dib != nullptr;
  if (ok) {
    HGDIOBJ old = SelectObject(mem, dib);
    if (stretch) {
      HDC src = CreateCompatibleDC(from);
      HGDIOBJ old_src = SelectObject(src, stretch);
      SetStretchBltMode(mem, HALFTONE);
      SetBrushOrgEx(mem, 0, 0, nullptr);
      ok = StretchBlt(mem, 0, 0, w, h, src, 0, 0, part.cx, part.cy, SRCCOPY) != FALSE;
      SelectObject(src, old_src);
      DeleteDC(src);
    } else {
      ok = BitBlt(mem, 0, 0, w, h, from, x, y, SRCCOPY) != FALSE;
    }
    GdiFlush();
    out.w = w;
    out.h = h;
    out.bgrx.assign(static_cast<const uint32_t*>(bits), static_cast<const uint32_t*>(bits) + std::size_t(w) * h);
    SelectObject(mem, old);
    DeleteObject(dib);
  }
  DeleteDC(mem);
  return ok;
}

bool IsClass(HWND w, std::wstring_view name) {
  wchar_t cls[32] = {};
  GetClassNameW(w, cls, 32);
  return _wcsicmp(cls, std::wstring(name).c_str()) == 0;
}

}  // namespace

double UiDriver::DifferenceFromBitmap(HWND dlg, int bitmap_id, SIZE part, const RECT& place) {
  const int w = place.right - place.left, h = place.bottom - place.top;
  if (w <= 0 || h <= 0) return -1;
  auto bmp = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmap_id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bmp) return -1;
  POINT at{place.left, place.top};
  ClientToScreen(dlg, &at);
  HDC screen = GetDC(nullptr);
  Pixels shown, want;
  const bool ok = Grab(screen, at.x, at.y, w, h, shown) && Grab(screen, 0, 0, w, h, want, bmp, part);
  ReleaseDC(nullptr, screen);
  DeleteObject(bmp);
  if (!ok) return -1;
  double sum = 0;
  for (std::size_t i = 0; i < shown.bgrx.size(); ++i)
    for (int shift : {0, 8, 16})
      sum += std::abs(static_cast<int>((shown.bgrx[i] >> shift) & 0xFF) - static_cast<int>((want.bgrx[i] >> shift) & 0xFF));
  return sum / (3.0 * static_cast<double>(shown.bgrx.size()));
}

namespace {

struct Child {
  HWND hwnd;
  int id;
  RECT rect;  // in the dialog's client pixels
  bool frame;  // a group box or an etched frame, which holds others
};

BOOL CALLBACK CollectChild(HWND w, LPARAM lp) {
  auto* out = reinterpret_cast<std::pair<HWND, std::vector<Child>*>*>(lp);
  if (GetParent(w) != out->first || !IsWindowVisible(w)) return TRUE;
  Child c{w, GetDlgCtrlID(w), {}, false};
  GetWindowRect(w, &c.rect);
  MapWindowPoints(HWND_DESKTOP, out->first, reinterpret_cast<POINT*>(&c.rect), 2);
  const LONG style = GetWindowLongW(w, GWL_STYLE);
  c.frame = (IsClass(w, L"Button") && (style & BS_TYPEMASK) == BS_GROUPBOX) ||
            (IsClass(w, L"Static") && (style & SS_TYPEMASK) == SS_ETCHEDFRAME);
  out->second->push_back(c);
  return TRUE;
}

// The room a control's text has, and whether it may wrap; nothing for a
// control whose text is not drawn by the control itself in one box.
struct TextRoom {
  int width, height;
  bool wraps;
};
std::optional<TextRoom> RoomForText(HWND w, const TEXTMETRICW& tm, int dpi) {
  RECT client{};
  GetClientRect(w, &client);
  const int cw = client.right, ch = client.bottom;
  const LONG style = GetWindowLongW(w, GWL_STYLE);
  if (IsClass(w, L"Static")) {
    const LONG type = style & SS_TYPEMASK;
    if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP) return std::nullopt;
    return TextRoom{cw, ch, type != SS_LEFTNOWORDWRAP};
  }
  if (!IsClass(w, L"Button")) return std::nullopt;
  const bool multiline = (style & BS_MULTILINE) != 0;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      // Inside the button's edges and focus rectangle.
      return TextRoom{cw - MulDiv(6, dpi, 96), ch - MulDiv(4, dpi, 96), multiline};
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      // Beside the box.
      return TextRoom{cw - MulDiv(16, dpi, 96), ch, multiline};
    case BS_GROUPBOX:
      // The caption stands in the top edge, indented by a character or so.
      return TextRoom{cw - 2 * tm.tmAveCharWidth, tm.tmHeight, false};
    default:
      return std::nullopt;
  }
}

}  // namespace

void UiDriver::CheckNothingClipped(HWND dlg, std::string_view window) {
  const std::string where = std::string(window) + ": ";
  RECT client{};
  GetClientRect(dlg, &client);
  std::vector<Child> children;
  std::pair<HWND, std::vector<Child>*> collect{dlg, &children};
  EnumChildWindows(dlg, &CollectChild, reinterpret_cast<LPARAM>(&collect));
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  for (const Child& c : children) {
    const std::string id = std::to_string(c.id);
    Check(c.rect.left >= 0 && c.rect.top >= 0 && c.rect.right <= client.right && c.rect.bottom <= client.bottom,
          where + "control " + id + " lies inside the window");
    for (const Child& o : children) {
      if (o.id <= c.id || c.frame || o.frame) continue;
      RECT both{};
      Check(!IntersectRect(&both, &c.rect, &o.rect), where + "controls " + id + " and " + std::to_string(o.id) + " overlap");
    }
    const std::wstring text = [&] {
      const int n = GetWindowTextLengthW(c.hwnd);
      std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
      s.resize(static_cast<std::size_t>(GetWindowTextW(c.hwnd, s.data(), n + 1)));
      return s;
    }();
    if (text.empty()) continue;
    HDC dc = GetDC(c.hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(c.hwnd, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    if (const auto room = RoomForText(c.hwnd, tm, dpi)) {
      RECT need{0, 0, room->width, 0};
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &need,
                DT_CALCRECT | DT_EXPANDTABS | (room->wraps ? DT_WORDBREAK : DT_SINGLELINE));
      Check(need.right <= room->width && need.bottom <= room->height,
            where + "the text \"" + Utf8(text) + "\" of control " + id + " fits (needs " + std::to_string(need.right) +
                "x" + std::to_string(need.bottom) + ", has " + std::to_string(room->width) + "x" +
                std::to_string(room->height) + ")");
    }
    SelectObject(dc, old);
    ReleaseDC(c.hwnd, dc);
  }
}

void UiDriver::Settle() {
  for (std::thread& t : pending_) t.join();
  pending_.clear();
}

UiDriver::~UiDriver() {
  // A click still waiting for its window is abandoned with the program.
  for (std::thread& t : pending_) t.detach();
}

Boxes UiDriver::Choose(HWND dlg, int id, int row) {
  if (!UserCanUse(dlg, id, "choose in")) return {};
  HWND list = GetDlgItem(dlg, id);
  Check(row >= 0 && row < Count(dlg, id), "row " + std::to_string(row) + " exists in list " + std::to_string(id));
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
  Boxes boxes = Deliver(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list), nullptr);
  Boxes more = Deliver(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(list), nullptr);
  boxes.insert(boxes.end(), more.begin(), more.end());
  return boxes;
}

Boxes UiDriver::Type(HWND dlg, int id, std::string_view text) {
  if (!UserCanUse(dlg, id, "type into")) return {};
  HWND edit = GetDlgItem(dlg, id);
  const std::wstring w = Wide(text);
  // The edit itself tells the dialog of the change (EN_CHANGE).
  Boxes boxes = Deliver(edit, WM_SETTEXT, 0, 0, &w);
  Boxes more = Deliver(dlg, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit), nullptr);
  boxes.insert(boxes.end(), more.begin(), more.end());
  return boxes;
}

Boxes UiDriver::Close(HWND dlg) { return Deliver(dlg, WM_CLOSE, 0, 0, nullptr); }

Boxes UiDriver::Escape(HWND dlg) {
  return Deliver(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0, nullptr);
}

void UiDriver::PressEnter() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(ui_thread_, &info);
  Check(info.hwndFocus != nullptr, "a control has the keyboard focus");
  if (!info.hwndFocus) return;
  PostMessageW(info.hwndFocus, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(info.hwndFocus, WM_KEYUP, VK_RETURN, 0xC0000001);
}

std::string UiDriver::Text(HWND dlg, int id) { return Utf8(WindowTextOf(GetDlgItem(dlg, id))); }
std::string UiDriver::Title(HWND dlg) { return Utf8(WindowTextOf(dlg)); }
int UiDriver::Selection(HWND dlg, int id) { return static_cast<int>(SendDlgItemMessageW(dlg, id, CB_GETCURSEL, 0, 0)); }
int UiDriver::Count(HWND dlg, int id) { return static_cast<int>(SendDlgItemMessageW(dlg, id, CB_GETCOUNT, 0, 0)); }
std::string UiDriver::Item(HWND dlg, int id, int row) {
  const auto len = SendDlgItemMessageW(dlg, id, CB_GETLBTEXTLEN, static_cast<WPARAM>(row), 0);
  if (len <= 0) return {};
  std::wstring w(static_cast<std::size_t>(len) + 1, L'\0');
  SendDlgItemMessageW(dlg, id, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(w.data()));
  w.resize(static_cast<std::size_t>(len));
  return Utf8(w);
}
bool UiDriver::Enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE; }
bool UiDriver::Visible(HWND dlg, int id) { return IsWindowVisible(GetDlgItem(dlg, id)) != FALSE; }
bool UiDriver::Checked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }
RECT UiDriver::ClientRectOf(HWND dlg, int id) {
  RECT r{};
  GetWindowRect(GetDlgItem(dlg, id), &r);
  MapWindowPoints(HWND_DESKTOP, dlg, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void UiDriver::Shot(std::string_view name) {
  wchar_t dir[MAX_PATH] = {}, display[64] = {};
  if (!GetEnvironmentVariableW(L"TRAILSET_E2E_SHOTS", dir, MAX_PATH) ||
      !GetEnvironmentVariableW(L"DISPLAY", display, 64))
    return;
  // Let the window finish painting first.
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  const std::wstring path = std::wstring(dir) + L"/" + Wide(name) + L".png";
  // Wine's desktop, from the top-left corner of the X screen.
  const std::wstring desktop = std::to_wstring(GetSystemMetrics(SM_CXSCREEN)) + L"x" +
                               std::to_wstring(GetSystemMetrics(SM_CYSCREEN)) + L"+0+0";
  std::wstring cmd = L"/usr/bin/import -window root -display " + std::wstring(display) + L" -crop " + desktop +
                     L" +repage " + path;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    Check(false, "screenshot " + std::string(name) + " can be taken");
    return;
  }
  WaitForSingleObject(pi.hProcess, 20000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  // The unix path as seen through drive Z:.
  std::wstring win = L"Z:" + path;
  for (wchar_t& c : win)
    if (c == L'/') c = L'\\';
  for (int waited = 0; waited < 10000; waited += 100) {
    if (GetFileAttributesW(win.c_str()) != INVALID_FILE_ATTRIBUTES) {
      Log("  screenshot " + std::string(name));
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  Check(false, "screenshot " + std::string(name) + " written");
}

void UiDriver::Check(bool ok, std::string_view what) {
  if (ok) return;
  ++failures_;
  Log("FAIL: " + std::string(what));
}

void UiDriver::CheckEq(std::string_view got, std::string_view want, std::string_view what) {
  Check(got == want, std::string(what) + ": got \"" + std::string(got) + "\", want \"" + std::string(want) + "\"");
}

void UiDriver::CheckEq(long got, long want, std::string_view what) {
  Check(got == want, std::string(what) + ": got " + std::to_string(got) + ", want " + std::to_string(want));
}

void UiDriver::CheckBoxes(const Boxes& got, const Boxes& want, std::string_view what) {
  bool same = got.size() == want.size();
  for (std::size_t i = 0; same && i < got.size(); ++i)
    same = got[i].caption == want[i].caption && got[i].text == want[i].text && got[i].warning == want[i].warning;
  if (same) return;
  std::string g, w;
  for (const auto& b : got) g += " [" + b.caption + (b.warning ? "/warning" : "/information") + ": " + b.text + "]";
  for (const auto& b : want) w += " [" + b.caption + (b.warning ? "/warning" : "/information") + ": " + b.text + "]";
  Check(false, std::string(what) + ": message boxes" + (g.empty() ? " none" : g) + ", want" + (w.empty() ? " none" : w));
}

void UiDriver::Log(std::string_view line) {
  // A GUI program has no console under every launcher: the log goes to the
  // file that TRAILSET_E2E_LOG names, and to standard error.
  static std::FILE* file = [] {
    wchar_t path[MAX_PATH] = {};
    return GetEnvironmentVariableW(L"TRAILSET_E2E_LOG", path, MAX_PATH) ? _wfopen(path, L"ab") : nullptr;
  }();
  for (std::FILE* f : {file, stderr}) {
    if (!f) continue;
    std::fprintf(f, "%.*s\n", static_cast<int>(line.size()), line.data());
    std::fflush(f);
  }
}

}  // namespace e2e
