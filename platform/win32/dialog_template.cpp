// In-memory dialog templates built from the layout tables: the classic
// DLGTEMPLATE header with its font, then one DLGITEMTEMPLATE per control.
#include "platform/win32/win32_host.h"

#include <commctrl.h>

namespace platform::win32 {
namespace {

constexpr const wchar_t* kFontName = L"MS Shell Dlg";
constexpr WORD kFontPoints = 8;

// Predefined class atoms of the dialog template format.
constexpr WORD kAtomButton = 0x0080;
constexpr WORD kAtomEdit = 0x0081;
constexpr WORD kAtomStatic = 0x0082;
constexpr WORD kAtomComboBox = 0x0085;

class TemplateWriter {
 public:
  void Word(WORD w) { out_.push_back(w); }
  void Dword(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void Short(int v) { Word(static_cast<WORD>(static_cast<short>(v))); }
  void String(std::wstring_view s) {
    for (wchar_t c : s) Word(static_cast<WORD>(c));
    Word(0);
  }
  void AlignDword() {
    if (out_.size() % 2) Word(0);
  }
  std::vector<WORD> Take() { return std::move(out_); }

 private:
  std::vector<WORD> out_;
};

struct NativeClass {
  WORD atom;
  DWORD style;
  DWORD ex_style;
};

NativeClass ClassOf(ControlClass cls) {
  switch (cls) {
    case ControlClass::Static: return {kAtomStatic, SS_LEFT, 0};
    case ControlClass::GroupBox: return {kAtomButton, BS_GROUPBOX, 0};
    case ControlClass::EtchedFrame: return {kAtomStatic, SS_ETCHEDFRAME, 0};
    case ControlClass::PushButton: return {kAtomButton, BS_PUSHBUTTON, 0};
    case ControlClass::DefPushButton: return {kAtomButton, BS_DEFPUSHBUTTON, 0};
    case ControlClass::CheckBox: return {kAtomButton, BS_AUTOCHECKBOX, 0};
    case ControlClass::RadioButton: return {kAtomButton, BS_AUTORADIOBUTTON, 0};
    case ControlClass::Edit: return {kAtomEdit, ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlClass::ComboDropList: return {kAtomComboBox, CBS_DROPDOWNLIST | CBS_HASSTRINGS, 0};
    case ControlClass::ComboDropDown:
      return {kAtomComboBox, CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_HASSTRINGS, 0};
  }
  return {kAtomStatic, SS_LEFT, 0};
}

// Window style of a control from its class and the layout's style bits.
DWORD StyleOf(const ControlDef& c, const NativeClass& native) {
  DWORD style = WS_CHILD | native.style;
  if (!(c.style & kHidden)) style |= WS_VISIBLE;
  if (c.style & kDisabled) style |= WS_DISABLED;
  if (c.style & kTabStop) style |= WS_TABSTOP;
  if (c.style & kVScroll) style |= WS_VSCROLL;
  const bool edit = c.cls == ControlClass::Edit;
  const bool text = c.cls == ControlClass::Static;
  if (edit) {
    if (c.style & kPassword) style |= ES_PASSWORD;
    if (c.style & kNumber) style |= ES_NUMBER;
    if (c.style & kReadOnly) style |= ES_READONLY;
    if (c.style & kCenter) style = (style & ~DWORD{ES_LEFT}) | ES_CENTER;
    if (c.style & kRight) style = (style & ~DWORD{ES_LEFT}) | ES_RIGHT;
  } else if (text) {
    if (c.style & kCenter) style = (style & ~DWORD{SS_TYPEMASK}) | SS_CENTER;
    if (c.style & kRight) style = (style & ~DWORD{SS_TYPEMASK}) | SS_RIGHT;
  } else if (native.atom == kAtomButton && c.cls != ControlClass::GroupBox) {
    if (c.style & kCenter) style |= BS_CENTER;
    if (c.style & kRight) style |= BS_RIGHT;
  }
  return style;
}

}  // namespace

std::vector<WORD> BuildDialogTemplate(const DialogLayout& layout) {
  TemplateWriter t;
  t.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME | DS_CENTER);
  t.Dword(0);  // extended style
  t.Word(static_cast<WORD>(layout.controls.size()));
  t.Short(0);
  t.Short(0);
  t.Short(layout.w);
  t.Short(layout.h);
  t.Word(0);  // no menu
  t.Word(0);  // the dialog class
  t.String(Widen(layout.title ? layout.title : ""));
  t.Word(kFontPoints);
  t.String(kFontName);
  for (const ControlDef& c : layout.controls) {
    const NativeClass native = ClassOf(c.cls);
    t.AlignDword();
    t.Dword(StyleOf(c, native));
    t.Dword(native.ex_style);
    t.Short(c.x);
    t.Short(c.y);
    t.Short(c.w);
    t.Short(c.h);
    t.Word(static_cast<WORD>(c.id));
    t.Word(0xFFFF);
    t.Word(native.atom);
    if (c.text) {
      t.String(Widen(c.text));
    } else {
      t.Word(0);
    }
    t.Word(0);  // no creation data
  }
  return t.Take();
}

}  // namespace platform::win32
