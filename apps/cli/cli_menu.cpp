#include "apps/cli/cli_menu.h"

#include <algorithm>
#include <cstdio>

#include "apps/cli/cli_common.h"
#include "camera/option_lists.h"
#include "records/catalogue.h"
#include "records/text_field.h"

namespace cli {

namespace {

using S = MenuSetting;
constexpr int kCount = static_cast<int>(S::Count);

std::string Format(const char* fmt, unsigned v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, fmt, v);
  return buf;
}

bool IsWide(S s) { return s == S::ClockYear || s == S::CheckFlag; }

int LayoutOf(uint16_t code) { return MenuLayoutForModel(code, ModelSetupDlgId(code >> 8, code & 0xFF)); }

unsigned Stored(const std::vector<uint8_t>& plain, S s, int layout) {
  const int at = FieldLocation(s, layout);
  if (at < 0 || at + (IsWide(s) ? 2 : 1) > static_cast<int>(plain.size())) return 0;
  return IsWide(s) ? static_cast<unsigned>(plain[at] | (plain[at + 1] << 8)) : plain[at];
}

// The English entry a list position stands for, or why there is none.
std::string EntryMeaning(const camopt::OptionList& list, int pos, unsigned stored) {
  const int n = camopt::EntryCount(list);
  if (n == 0) return stored == 0xFF ? "no list on this model (no selection)" : "no list on this model";
  if (stored == 0xFF) return "no selection";
  const std::string e = camopt::EntryText(list, pos, 1);
  if (pos >= 0 && pos < n) return e.empty() ? "an empty entry (#" + std::to_string(pos) + ")" : e;
  return "not in this model's list of " + std::to_string(n) + " entries";
}

std::string ListMeaning(const camopt::SettingOptions& o, unsigned v) {
  return EntryMeaning(o.list, static_cast<int>(v) - o.offset, v);
}

std::string IntervalMeaning(unsigned v) {
  const camopt::PirIntervalParts p = camopt::DecodePirInterval(static_cast<uint8_t>(v));
  const camopt::OptionList values = camopt::IntervalValueList(p.unit);
  const std::string e = camopt::EntryText(values, p.pos, 1);
  const char* unit = p.unit == 0 ? "seconds" : "minutes";
  if (e.empty()) return "position " + std::to_string(p.pos) + " is outside the " + unit + " list";
  return e + " " + unit;
}

std::string SetClockMeaning(unsigned v, int layout, uint16_t code) {
  const auto o = camopt::FindSettingOptions(code, S::SetClock);
  const bool packed = (layout == 2 || layout == 3) && v > 3;
  const unsigned mode = packed ? (v & 3) : v;
  std::string m = o ? EntryMeaning(o->list, static_cast<int>(mode), mode) : std::to_string(mode);
  if (packed) {
    const int zone = static_cast<int>((v >> 2) & 0x1F);
    const std::string z = camopt::EntryText(camopt::TimeZoneList(), zone, 1);
    m += ", time zone " + (z.empty() ? "index " + std::to_string(zone) + " (outside UTC-12..UTC+12)" : z);
  } else if (layout == 2 || layout == 3) {
    m += ", no time zone stored (the PC's zone is used)";
  }
  return m;
}

std::string PositionMeaning(const std::vector<uint8_t>& plain, bool longitude, int layout, uint16_t code) {
  const S dir = longitude ? S::LongitudeDir : S::LatitudeDir;
  const unsigned d = Stored(plain, dir, layout);
  const auto o = camopt::FindSettingOptions(code, dir);
  const std::string hemisphere = o ? camopt::EntryText(o->list, static_cast<int>(d), 1) : "";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s %u\xC2\xB0%02u'%02u\"", hemisphere.empty() ? "?" : hemisphere.c_str(),
                Stored(plain, longitude ? S::LongitudeDeg : S::LatitudeDeg, layout),
                Stored(plain, longitude ? S::LongitudeMin : S::LatitudeMin, layout),
                Stored(plain, longitude ? S::LongitudeSec : S::LatitudeSec, layout));
  return buf;
}

}  // namespace

std::optional<MenuSetting> FindMenuSetting(std::string_view name) {
  for (int i = 0; i < kCount; ++i)
    if (SameText(name, MenuSettingName(static_cast<MenuSetting>(i)))) return static_cast<MenuSetting>(i);
  return std::nullopt;
}

std::string MenuMeaning(MenuSetting s, const std::vector<uint8_t>& plain, uint16_t code) {
  const int layout = LayoutOf(code);
  const unsigned v = Stored(plain, s, layout);
  switch (s) {
    case S::PirInterval: return IntervalMeaning(v);
    case S::SetClock: return SetClockMeaning(v, layout, code);
    case S::ClockYear: {
      char buf[64];
      std::snprintf(buf, sizeof buf, "clock %04u-%02u-%02u %02u:%02u:%02u", v, Stored(plain, S::ClockMonth, layout),
                    Stored(plain, S::ClockDay, layout), Stored(plain, S::ClockHour, layout),
                    Stored(plain, S::ClockMinute, layout), Stored(plain, S::ClockSecond, layout));
      return buf;
    }
    case S::ClockMonth: case S::ClockDay: case S::ClockHour: case S::ClockMinute: case S::ClockSecond:
    case S::LongitudeMin: case S::LongitudeSec: case S::LatitudeMin: case S::LatitudeSec:
      return std::to_string(v);
    case S::LongitudeDeg: return PositionMeaning(plain, true, layout, code);
    case S::LatitudeDeg: return PositionMeaning(plain, false, layout, code);
    case S::CheckFlag: return "check flag " + Format("0x%04X", v);
    case S::Byte40: return Format("0x%02X", v) + (v == 0x8F ? " (as the factory values write it)" : "");
    case S::Reset:
      return v == 0 ? "written by Generate" : v == 1 ? "written by Default" : "unknown (" + std::to_string(v) + ")";
    case S::SerialText: {
      const int at = FieldLocation(s, layout);
      if (at < 0 || at + kSerialTextSize > static_cast<int>(plain.size())) return "";
      const std::string_view text = ReadTextField(reinterpret_cast<const char*>(plain.data() + at), kSerialTextSize);
      return Quoted(Printable(text));
    }
    default: break;
  }
  if (const auto o = camopt::FindSettingOptions(code, s)) return ListMeaning(*o, v);
  if (s == S::Reserved0) return "reserved";
  return "not shown by this model's camera setup window";
}

std::vector<MenuField> DecodeMenu(const std::vector<uint8_t>& plain, uint16_t code) {
  const int layout = LayoutOf(code);
  std::vector<MenuField> v;
  for (int i = 0; i < kCount; ++i) {
    const S s = static_cast<S>(i);
    const int at = FieldLocation(s, layout);
    if (at < 0) continue;
    MenuField f;
    f.setting = s;
    f.offset = at;
    f.width = s == S::SerialText ? kSerialTextSize : IsWide(s) ? 2 : 1;
    f.value = s == S::SerialText ? 0 : Stored(plain, s, layout);
    f.meaning = MenuMeaning(s, plain, code);
    v.push_back(std::move(f));
  }
  std::stable_sort(v.begin(), v.end(), [](const MenuField& a, const MenuField& b) { return a.offset < b.offset; });
  return v;
}

int MenuEditControl(MenuSetting setting) {
  const camopt::ControlDesc* c = camopt::FindControl(setting);
  return c && c->kind != camopt::ControlKind::List ? c->control : 0;
}

std::optional<MenuSetting> MenuSettingOfEdit(int control) {
  for (const camopt::ControlDesc& c : camopt::Controls())
    if (c.control == control && c.kind != camopt::ControlKind::List) return c.setting;
  return std::nullopt;
}

std::string MenuStoredText(const MenuField& f, const std::vector<uint8_t>& plain) {
  if (f.setting == S::SerialText) {
    std::string hex;
    for (int i = 0; i < f.width && f.offset + i < static_cast<int>(plain.size()); ++i)
      hex += Format(i == 0 ? "%02X" : " %02X", plain[f.offset + i]);
    return hex;
  }
  if (f.width == 2) return Format("0x%04X", f.value);
  return Format("0x%02X", f.value);
}

}  // namespace cli
