// The baseline of the start-up benchmark: the least a statically linked
// dialog program does before its window is on the screen. It links like
// trailset.exe (static, wide entry point, common controls 6 through the
// same manifest) and shows one dialog from an in-memory template with a
// few controls in "MS Shell Dlg" 8; the close box ends it.
#include <windows.h>
#include <commctrl.h>

#include <string_view>
#include <vector>

namespace {

class Template {
 public:
  void Word(WORD w) { out_.push_back(w); }
  void Dword(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void String(std::wstring_view s) {
    for (wchar_t c : s) Word(static_cast<WORD>(c));
    Word(0);
  }
  void Item(DWORD style, short x, short y, short w, short h, WORD id, WORD atom, std::wstring_view text) {
    if (out_.size() % 2) Word(0);
    Dword(WS_CHILD | WS_VISIBLE | style);
    Dword(0);
    for (short v : {x, y, w, h}) Word(static_cast<WORD>(v));
    Word(id);
    Word(0xFFFF);
    Word(atom);
    String(text);
    Word(0);
  }
  const std::vector<WORD>& Words() const { return out_; }

 private:
  std::vector<WORD> out_;
};

INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_CLOSE) {
    EndDialog(hwnd, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  Template t;
  t.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME | DS_CENTER);
  t.Dword(0);
  t.Word(3);
  for (short v : {0, 0, 240, 160}) t.Word(static_cast<WORD>(v));
  t.Word(0);
  t.Word(0);
  t.String(L"Baseline");
  t.Word(8);
  t.String(L"MS Shell Dlg");
  t.Item(BS_GROUPBOX, 7, 7, 226, 120, 100, 0x0080, L"Frame");
  t.Item(SS_LEFT, 14, 20, 100, 8, 101, 0x0082, L"Text");
  t.Item(BS_PUSHBUTTON | WS_TABSTOP, 183, 138, 50, 14, IDOK, 0x0080, L"OK");
  return static_cast<int>(DialogBoxIndirectParamW(
      instance, reinterpret_cast<LPCDLGTEMPLATEW>(t.Words().data()), nullptr, &Proc, 0));
}
