// platform::Dialog on a real Windows dialog. Each Dialog call is one or two
// messages to a control; each notification the dialog receives becomes one
// call of the Window.
#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "platform/win32/win32_host.h"

#include <commctrl.h>

namespace platform::win32 {
namespace {

HINSTANCE g_instance = nullptr;

// Dialogs whose modal loop is running, innermost last.
std::vector<HWND> g_running;

// Bitmaps loaded from the resources, kept for the whole run (LoadImage
// hands out a new bitmap on every call, so painting would leak otherwise).
std::map<int, HBITMAP> g_bitmaps;

HBITMAP ResourceBitmap(int id) {
  auto it = g_bitmaps.find(id);
  if (it != g_bitmaps.end()) return it->second;
  auto bmp = static_cast<HBITMAP>(LoadImageW(g_instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                             LR_CREATEDIBSECTION | LR_SHARED));
  g_bitmaps.emplace(id, bmp);  // a missing bitmap is remembered as missing
  return bmp;
}

COLORREF ToColorRef(uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The window logic places and draws in the client pixels of a 96-dpi
// display, where the dialog font has the base units of platform/layout.h.
// The dialog's font follows the display's DPI (the program is per-monitor
// DPI aware), and so does everything laid out in dialog units; the host
// scales what the logic tells it and what it reports by the dialog's own
// base units over those of 96 dpi, each axis on its own. Edges are
// converted, not sizes, so that touching controls keep touching; and as
// one logical pixel is at least one device pixel, a logical rectangle
// converted there and back is the same rectangle.
class Scale {
 public:
  explicit Scale(HWND dlg) {
    RECT units{0, 0, 4, 8};
    if (MapDialogRect(dlg, &units) && units.right > 0 && units.bottom > 0) {
      bx_ = units.right;
      by_ = units.bottom;
    }
  }
  bool IsIdentity() const { return bx_ == kBaseUnitX && by_ == kBaseUnitY; }

  RECT ToDevice(const Rect& r) const {
    return RECT{MulDiv(r.x, bx_, kBaseUnitX), MulDiv(r.y, by_, kBaseUnitY), MulDiv(r.x + r.w, bx_, kBaseUnitX),
                MulDiv(r.y + r.h, by_, kBaseUnitY)};
  }
  Rect ToLogical(const RECT& r) const {
    const int x = MulDiv(r.left, kBaseUnitX, bx_), y = MulDiv(r.top, kBaseUnitY, by_);
    return Rect{x, y, MulDiv(r.right, kBaseUnitX, bx_) - x, MulDiv(r.bottom, kBaseUnitY, by_) - y};
  }

 private:
  int bx_ = kBaseUnitX;
  int by_ = kBaseUnitY;
};

class Win32Dialog final : public Dialog {
 public:
  Win32Dialog(Window& window, const DialogLayout& layout) : window_(window), layout_(layout) {}

  Window& window() { return window_; }
  HWND hwnd() const { return hwnd_; }
  // Takes the dialog once it exists and looks up each control's window
  // once: finding a control by id asks the window system for the list of
  // the dialog's children each time, and the windows make hundreds of
  // calls while they open.
  void Attach(HWND hwnd) {
    hwnd_ = hwnd;
    items_.clear();
    items_.reserve(layout_.controls.size());
    for (const ControlDef& c : layout_.controls) items_.emplace_back(c.id, GetDlgItem(hwnd, c.id));
  }
  bool ended() const { return ended_; }
  bool TakeFocusSet() { return std::exchange(focus_set_, false); }

  // The class of control `id` in the layout (the OK and Cancel commands
  // of the keyboard have no control and count as buttons).
  ControlClass ClassOf(int id) const {
    for (const ControlDef& c : layout_.controls)
      if (c.id == id) return c.cls;
    return ControlClass::PushButton;
  }

  const COLORREF* TextColour(int id) const {
    for (const auto& [cid, colour] : colours_)
      if (cid == id) return &colour;
    return nullptr;
  }

  void Paint() {
    PAINTSTRUCT ps;
    paint_dc_ = BeginPaint(hwnd_, &ps);
    window_.OnPaint(*this);
    EndPaint(hwnd_, &ps);
    paint_dc_ = nullptr;
  }

  // --- Dialog ---

  void ListReset(int id) override { Send(id, CB_RESETCONTENT); }
  int ListAdd(int id, std::string_view text) override {
    const std::wstring w = Widen(text);
    return Result(Send(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str())));
  }
  int ListInsert(int id, int pos, std::string_view text) override {
    const std::wstring w = Widen(text);
    return Result(Send(id, CB_INSERTSTRING, static_cast<WPARAM>(pos), reinterpret_cast<LPARAM>(w.c_str())));
  }
  void ListSelect(int id, int pos) override { Send(id, CB_SETCURSEL, static_cast<WPARAM>(pos)); }
  int ListSelection(int id) const override { return Result(Send(id, CB_GETCURSEL)); }
  int ListCount(int id) const override { return std::max(0, Result(Send(id, CB_GETCOUNT))); }
  std::string ListItem(int id, int pos) const override {
    const int len = Result(Send(id, CB_GETLBTEXTLEN, static_cast<WPARAM>(pos)));
    if (len <= 0) return {};
    std::wstring w(static_cast<std::size_t>(len) + 1, L'\0');
    const int got = Result(Send(id, CB_GETLBTEXT, static_cast<WPARAM>(pos), reinterpret_cast<LPARAM>(w.data())));
    w.resize(static_cast<std::size_t>(std::max(0, got)));
    return Narrow(w);
  }

  void SetText(int id, std::string_view text) override { SetWindowTextW(Item(id), Widen(text).c_str()); }
  std::string Text(int id) const override { return WindowText(Item(id)); }
  int TextLength(int id) const override { return GetWindowTextLengthW(Item(id)); }
  void SetLimit(int id, int chars) override {
    Send(id, IsCombo(id) ? CB_LIMITTEXT : EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(0, chars)));
  }
  void SetMasked(int id, bool masked) override {
    Send(id, EM_SETPASSWORDCHAR, masked ? L'*' : 0);
    InvalidateRect(Item(id), nullptr, TRUE);
  }
  void SetCaret(int id, int pos) override {
    if (IsCombo(id))
      Send(id, CB_SETEDITSEL, 0, MAKELPARAM(pos, pos));
    else
      Send(id, EM_SETSEL, static_cast<WPARAM>(pos), pos);
  }
  void SetFocus(int id) override {
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
    focus_set_ = true;
  }

  void Enable(int id, bool on) override { EnableWindow(Item(id), on ? TRUE : FALSE); }
  bool IsEnabled(int id) const override { return IsWindowEnabled(Item(id)) != FALSE; }
  void Show(int id, bool on) override { ShowWindow(Item(id), on ? SW_SHOW : SW_HIDE); }
  bool IsShown(int id) const override { return (GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
  Rect ControlRect(int id) const override { return Scale(hwnd_).ToLogical(DeviceRect(id)); }
  void MoveControl(int id, const Rect& r) override { MoveDevice(id, Scale(hwnd_).ToDevice(r)); }

  // Puts every control of the layout on a device rectangle that stands for
  // a whole logical one (the dialog manager rounds dialog units to device
  // pixels in between), so that what the logic reads and writes back stays
  // where it was. Nothing moves at 96 dpi.
  void AlignControlsToLogicalPixels() {
    const Scale scale(hwnd_);
    if (scale.IsIdentity()) return;
    for (const ControlDef& c : layout_.controls) {
      const RECT now = DeviceRect(c.id);
      const RECT aligned = scale.ToDevice(scale.ToLogical(now));
      if (!EqualRect(&now, &aligned)) MoveDevice(c.id, aligned);
    }
  }

  void SetChecked(int id, bool on) override { Send(id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED); }
  bool IsChecked(int id) const override { return Send(id, BM_GETCHECK) == BST_CHECKED; }

  void SetTitle(std::string_view text) override { SetWindowTextW(hwnd_, Widen(text).c_str()); }
  void SetIcon(int icon_id) override {
    auto icon = static_cast<HICON>(LoadImageW(g_instance, MAKEINTRESOURCEW(icon_id), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                              LR_SHARED));
    if (icon) SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  void SetTextColor(int id, uint32_t rgb) override {
    const COLORREF c = ToColorRef(rgb);
    auto it = std::find_if(colours_.begin(), colours_.end(), [id](const auto& p) { return p.first == id; });
    if (it != colours_.end())
      it->second = c;
    else
      colours_.emplace_back(id, c);
    InvalidateRect(Item(id), nullptr, TRUE);
  }

  void End(int result) override {
    ended_ = true;
    EndDialog(hwnd_, result);
  }

  int MessageBox(std::string_view text, std::string_view caption, MsgIcon icon) override {
    const UINT type = MB_OK | (icon == MsgIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
    const int r = ::MessageBoxW(hwnd_, Widen(text).c_str(), Widen(caption).c_str(), type);
    return r == IDCANCEL ? kIdCancel : kIdOk;
  }

  void StartTimer(int timer_id, int ms) override {
    SetTimer(hwnd_, static_cast<UINT_PTR>(timer_id), static_cast<UINT>(std::max(1, ms)), nullptr);
  }
  void StopTimer(int timer_id) override { KillTimer(hwnd_, static_cast<UINT_PTR>(timer_id)); }

  void Invalidate() override { InvalidateRect(hwnd_, nullptr, TRUE); }
  void DrawBitmap(int bitmap_id, int x, int y, int w, int h) override {
    if (!paint_dc_) return;
    HBITMAP bmp = ResourceBitmap(bitmap_id);
    BITMAP info{};
    if (!bmp || !GetObjectW(bmp, sizeof info, &info)) return;
    // Nothing is copied from beyond the bitmap's own pixels, one bitmap
    // pixel a logical pixel; on a scaled display the whole part is
    // stretched over the device pixels it covers.
    w = std::min(w, static_cast<int>(info.bmWidth));
    h = std::min(h, static_cast<int>(info.bmHeight));
    const RECT to = Scale(hwnd_).ToDevice(Rect{x, y, w, h});
    HDC mem = CreateCompatibleDC(paint_dc_);
    HGDIOBJ old = SelectObject(mem, bmp);
    if (to.right - to.left == w && to.bottom - to.top == h) {
      BitBlt(paint_dc_, to.left, to.top, w, h, mem, 0, 0, SRCCOPY);
    } else {
      const int mode = SetStretchBltMode(paint_dc_, HALFTONE);
      SetBrushOrgEx(paint_dc_, 0, 0, nullptr);
      StretchBlt(paint_dc_, to.left, to.top, to.right - to.left, to.bottom - to.top, mem, 0, 0, w, h, SRCCOPY);
      SetStretchBltMode(paint_dc_, mode);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
  }

 private:
  HWND Item(int id) const {
    for (const auto& [cid, item] : items_)
      if (cid == id) return item;
    return GetDlgItem(hwnd_, id);
  }
  LRESULT Send(int id, UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(Item(id), msg, wp, lp); }
  static int Result(LRESULT r) { return static_cast<int>(r); }
  bool IsCombo(int id) const {
    const ControlClass c = ClassOf(id);
    return c == ControlClass::ComboDropList || c == ControlClass::ComboDropDown;
  }
  // Control `id` in the dialog's client pixels; the height of a drop-down
  // list includes its open list, as in the layout.
  RECT DeviceRect(int id) const {
    RECT r{};
    GetWindowRect(Item(id), &r);
    if (IsCombo(id)) {
      RECT dropped{};
      if (Send(id, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped))) r.bottom = dropped.bottom;
    }
    MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  void MoveDevice(int id, const RECT& r) {
    MoveWindow(Item(id), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  }
  static std::string WindowText(HWND item) {
    const int len = GetWindowTextLengthW(item);
    if (len <= 0) return {};
    std::wstring w(static_cast<std::size_t>(len) + 1, L'\0');
    w.resize(static_cast<std::size_t>(GetWindowTextW(item, w.data(), len + 1)));
    return Narrow(w);
  }

  Window& window_;
  const DialogLayout& layout_;
  HWND hwnd_ = nullptr;
  HDC paint_dc_ = nullptr;
  bool ended_ = false;
  bool focus_set_ = false;
  std::vector<std::pair<int, COLORREF>> colours_;
  std::vector<std::pair<int, HWND>> items_;  // the layout's controls, in layout order
};

// The notification a WM_COMMAND carries for control `id`, if the windows
// handle it. The same code means different things for different classes.
std::optional<Notify> ToNotify(ControlClass cls, WORD code) {
  switch (cls) {
    case ControlClass::ComboDropList:
    case ControlClass::ComboDropDown:
      if (code == CBN_SELCHANGE) return Notify::SelChange;
      if (code == CBN_SELENDOK) return Notify::SelEndOk;
      return std::nullopt;
    case ControlClass::Edit:
      if (code == EN_CHANGE) return Notify::EditChange;
      if (code == EN_KILLFOCUS) return Notify::KillFocus;
      return std::nullopt;
    default:
      if (code == BN_CLICKED) return Notify::Clicked;
      return std::nullopt;
  }
}

Win32Dialog* DialogOf(HWND hwnd) {
  return reinterpret_cast<Win32Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
}

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    auto* dlg = reinterpret_cast<Win32Dialog*>(lp);
    SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dlg));
    dlg->Attach(hwnd);
    g_running.push_back(hwnd);
    dlg->AlignControlsToLogicalPixels();
    dlg->window().OnInit(*dlg);
    // TRUE lets the dialog manager place the focus, unless the window did.
    return dlg->TakeFocusSet() ? FALSE : TRUE;
  }
  Win32Dialog* dlg = DialogOf(hwnd);
  if (!dlg) return FALSE;
  switch (msg) {
    case WM_COMMAND: {
      // A window that has ended takes no more input (focus changes while
      // the dialog is being taken down still send notifications).
      if (dlg->ended()) return TRUE;
      const int id = LOWORD(wp);
      if (const auto what = ToNotify(dlg->ClassOf(id), HIWORD(wp))) dlg->window().OnCommand(*dlg, id, *what);
      return TRUE;
    }
    case WM_TIMER:
      if (!dlg->ended()) dlg->window().OnTimer(*dlg, static_cast<int>(wp));
      return TRUE;
    case WM_CLOSE:
      if (!dlg->ended()) dlg->window().OnClose(*dlg);
      return TRUE;
    case WM_PAINT:
      dlg->Paint();
      return TRUE;
    case WM_CTLCOLORSTATIC: {
      const COLORREF* colour = dlg->TextColour(GetDlgCtrlID(reinterpret_cast<HWND>(lp)));
      if (!colour) return FALSE;
      auto dc = reinterpret_cast<HDC>(wp);
      ::SetTextColor(dc, *colour);
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    }
    default:
      return FALSE;
  }
}

}  // namespace

void SetInstance(HINSTANCE instance) { g_instance = instance; }
HINSTANCE Instance() { return g_instance; }

void InitCommonControls() {
  INITCOMMONCONTROLSEX icc{};
  icc.dwSize = sizeof icc;
  icc.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  ::InitCommonControlsEx(&icc);
}

int Win32Host::RunModal(Window& w) {
  const DialogLayout* layout = FindLayout(w.TemplateId());
  if (!layout) return -1;
  const std::vector<WORD> tmpl = BuildDialogTemplate(*layout);
  Win32Dialog dlg(w, *layout);
  HWND owner = (w.Ownerless() || g_running.empty()) ? nullptr : g_running.back();
  const INT_PTR r = DialogBoxIndirectParamW(g_instance, reinterpret_cast<LPCDLGTEMPLATEW>(tmpl.data()), owner,
                                            &DialogProc, reinterpret_cast<LPARAM>(&dlg));
  if (dlg.hwnd()) g_running.erase(std::remove(g_running.begin(), g_running.end(), dlg.hwnd()), g_running.end());
  return static_cast<int>(r);
}

}  // namespace platform::win32
