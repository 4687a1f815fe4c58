// Access to the live record of one layout by setting name. The camera setup
// routines take the layout they work on explicitly, so a routine chosen for
// a layout always writes that layout's record.
#pragma once

#include <cstdint>

#include "records/menu_record.h"

class MenuView {
 public:
  explicit MenuView(int layout) : layout_(layout) {}

  int layout() const { return layout_; }
  bool Has(MenuSetting s) const { return FieldLocation(s, layout_) >= 0; }

  // A setting the layout lacks reads 0 and ignores writes. ClockYear and
  // CheckFlag are 16-bit little-endian, everything else one byte.
  uint16_t Get(MenuSetting s) const {
    const int at = FieldLocation(s, layout_);
    uint8_t* rec = MenuRecord(layout_);
    if (at < 0 || !rec) return 0;
    if (IsWide(s)) return static_cast<uint16_t>(rec[at] | (rec[at + 1] << 8));
    return rec[at];
  }
  void Set(MenuSetting s, uint16_t v) const {
    const int at = FieldLocation(s, layout_);
    uint8_t* rec = MenuRecord(layout_);
    if (at < 0 || !rec) return;
    rec[at] = static_cast<uint8_t>(v & 0xFF);
    if (IsWide(s)) rec[at + 1] = static_cast<uint8_t>(v >> 8);
  }
  // The bytes of a text field (SerialText), or nullptr when the layout has none.
  char* Bytes(MenuSetting s) const {
    const int at = FieldLocation(s, layout_);
    uint8_t* rec = MenuRecord(layout_);
    return at < 0 || !rec ? nullptr : reinterpret_cast<char*>(rec + at);
  }

  static bool IsWide(MenuSetting s) { return s == MenuSetting::ClockYear || s == MenuSetting::CheckFlag; }

 private:
  int layout_;
};
