// Dialog layouts as data: one table per dialog template, with every
// control's id, class, style, rectangle in dialog units and template text.
// Every host builds its dialogs from these tables.
#pragma once

#include <cstdint>
#include <span>

#include "platform/dialog.h"

namespace platform {

enum class ControlClass {
  Static,        // text label
  GroupBox,      // frame with a caption
  EtchedFrame,   // static etched frame, no text
  PushButton,
  DefPushButton, // the default button (Enter)
  CheckBox,      // automatic check box
  RadioButton,   // automatic radio button
  Edit,
  ComboDropList, // drop-down list (not editable)
  ComboDropDown, // drop-down combo box with an editable part
};

// Style bits of a control.
enum ControlStyle : uint32_t {
  kStyleNone = 0,
  kDisabled = 1u << 0,   // starts disabled
  kHidden = 1u << 1,     // starts hidden
  kPassword = 1u << 2,   // edit shows '*'
  kNumber = 1u << 3,     // edit takes digits only
  kCenter = 1u << 4,     // centred text
  kVScroll = 1u << 5,    // list with a scroll bar
  kReadOnly = 1u << 6,   // edit cannot be typed into
  kTabStop = 1u << 7,
  kRight = 1u << 8,      // right-aligned text
};

struct ControlDef {
  int id;
  ControlClass cls;
  uint32_t style;
  int x, y, w, h;     // dialog units; for drop-down lists h includes the open list
  const char* text;   // template text (UTF-8), nullptr for none
};

struct DialogLayout {
  int template_id;
  const char* title;  // template title (UTF-8)
  int w, h;           // dialog units
  std::span<const ControlDef> controls;
};

// The layout of a dialog template, or nullptr when there is none.
const DialogLayout* FindLayout(int template_id);

// Every template's table, defined in its own file platform/layouts/dlg_<id>.cpp
// and listed in platform/layouts/layouts.cpp.
std::span<const DialogLayout* const> AllLayouts();

// Dialog base units of "MS Shell Dlg" 8 at 96 dpi, as Windows computes them.
inline constexpr int kBaseUnitX = 6;
inline constexpr int kBaseUnitY = 13;

// Converts a rectangle in dialog units to client pixels, as MapDialogRect does.
inline Rect DialogUnitsToPixels(int x, int y, int w, int h) {
  auto mx = [](int v) { return (v * kBaseUnitX) / 4; };
  auto my = [](int v) { return (v * kBaseUnitY) / 8; };
  return Rect{mx(x), my(y), mx(x + w) - mx(x), my(y + h) - my(y)};
}

}  // namespace platform
