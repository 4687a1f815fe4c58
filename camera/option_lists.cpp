// The option lists of the camera setup window as constant tables: one row
// per list setting, one column per model group.
#include "camera/option_lists.h"

#include <array>
#include <cctype>
#include <charconv>
#include <vector>

#include "camera/cam_setup_ids.h"
#include "shell/ui_strings.h"

namespace camopt {
namespace {

using G = CamGroup;
using S = MenuSetting;

// Technical names, the same in both languages.
const char* const kImg5Large[] = {"16 MP", "12 MP", "8 MP", "5 MP", "3 MP"};
const char* const kImg5Small[] = {"4 MP", "8 MP", "12 MP", "16 MP", "20 MP"};
const char* const kImg3Mid[] = {"8 MP", "16 MP", "2 MP"};
const char* const kImg3Ultra[] = {"32 MP", "12 MP", "5 MP"};
const char* const kImg4[] = {"30 MP", "14 MP", "10 MP", "3 MP"};
const char* const kVideo4K2K[] = {"4K", "2K"};
const char* const kVideo4K1080[] = {"4K", "1080P"};
const char* const kVideo3K1080[] = {"3K", "1080P"};
const char* const kVideoHd[] = {"1080P", "720P", "VGA"};
const char* const kTvNtscPal[] = {"NTSC", "PAL"};
const char* const kTvLightFreq[] = {"50HZ", "60HZ"};

template <std::size_t N>
OptionList Texts(const UiTextList<N>& l, int count = static_cast<int>(N)) {
  OptionList o;
  o.kind = EntryKind::Texts;
  o.rows[0] = l.row[0];
  o.rows[1] = l.row[1];
  o.count = count;
  return o;
}
template <std::size_t N>
OptionList Pairs(const UiPairList<N>& l, int blanks = 0) {
  OptionList o;
  o.kind = EntryKind::Pairs;
  o.pairs = l.item;
  o.count = static_cast<int>(N);
  o.blanks = blanks;
  return o;
}
template <std::size_t N>
OptionList Plain(const char* const (&entries)[N]) {
  OptionList o;
  o.kind = EntryKind::Plain;
  o.rows[0] = entries;
  o.rows[1] = entries;
  o.count = static_cast<int>(N);
  return o;
}
OptionList Numbers(int first, int last, const UiText* lead = nullptr) {
  OptionList o;
  o.kind = EntryKind::Numbers;
  o.first = first;
  o.last = last;
  o.lead = lead;
  return o;
}
OptionList NoEntries() { return OptionList{}; }
// The group shows no list for the setting.
OptionList Absent() {
  OptionList o;
  o.count = -1;
  return o;
}
bool IsAbsent(const OptionList& o) { return o.kind == EntryKind::Empty && o.count < 0; }

using PerGroup = std::array<OptionList, kCamGroups>;
using ClampPerGroup = std::array<Clamp, kCamGroups>;

PerGroup Same(const OptionList& o) {
  PerGroup p;
  p.fill(o);
  return p;
}

using O = Opener;

// One control of the window: the setting it shows, the switch that opens
// it, its list per group (lists) or the characters it takes (edits).
struct ListRow {
  MenuSetting setting;
  int control;
  Opener opener;
  PerGroup lists;          // columns: Legacy, NanoA, NanoB, P2, P3, P4, P5, Ultra
  ClampPerGroup clamps{};  // same columns
  ControlKind kind = ControlKind::List;
  int chars = 0;           // edits
};

ListRow Edit(MenuSetting s, int control, int chars, Opener opener, ControlKind kind = ControlKind::Number) {
  return ListRow{s, control, opener, Same(Absent()), {}, kind, chars};
}

constexpr Clamp kNone{};
constexpr Clamp Above(int above, int becomes) { return Clamp{above, becomes}; }

// The controls: the lists in fill order, then the edits.
const std::vector<ListRow>& Rows() {
  //                                 Legacy         NanoA          NanoB          P2             P3             P4             P5             Ultra
  static const std::vector<ListRow> rows = {
      {S::CapMode, camid::kCapMode, O::None,
       {Texts(kListCamMode), Texts(kListCamMode), Texts(kListCamMode), Texts(kListCamMode),
        Texts(kListCamModeSnapshot), Texts(kListCamMode), Texts(kListCamMode), Texts(kListCamModeVideo60)}},
      {S::ImgSize, camid::kImgSize, O::None,
       {Plain(kImg4), Plain(kImg4), Plain(kImg5Large), Plain(kImg4), Plain(kImg5Small), Plain(kImg3Mid),
        Plain(kImg3Mid), Plain(kImg3Ultra)},
       {Above(3, 1), Above(3, 1), Above(4, 3), Above(3, 1), Above(4, 1), Above(2, 0), Above(2, 0), Above(2, 2)}},
      {S::VideoSize, camid::kVideoSize, O::NotVideo60,
       {Plain(kVideoHd), Plain(kVideoHd), Plain(kVideoHd), Plain(kVideoHd), Plain(kVideo4K2K), Plain(kVideo4K2K),
        Plain(kVideo4K1080), Plain(kVideo3K1080)},
       {kNone, kNone, kNone, kNone, Above(1, 0), Above(1, 0), Above(1, 0), kNone}},
      {S::PicNumber, camid::kPicNumber, O::None, Same(Texts(kListPhotoCount, 3))},
      {S::TimeStamp, camid::kTimeStamp, O::None,
       {Texts(kListOnOff), Texts(kListOnOff), Texts(kListOffOn), Texts(kListOnOff), Texts(kListOnOff),
        Texts(kListOnOff), Texts(kListOnOff), Texts(kListOnOff)}},
      {S::SenseLevel, camid::kSenseLevel, O::None, Same(Texts(kListHighMediumLowOff))},
      {S::SidePir, camid::kSidePir, O::None, Same(Texts(kListOffOn))},
      {S::VideoLength, camid::kVideoLength, O::None,
       {Numbers(2, 60, &kTxtAuto), Numbers(2, 60, &kTxtAuto), Numbers(2, 60, &kTxtAuto), Numbers(2, 60, &kTxtAuto),
        Numbers(1, 60, &kTxtAuto), Numbers(1, 60), Numbers(1, 60), Numbers(2, 60, &kTxtAuto)}},
      {S::PirInterval, camid::kInterval, O::None, Same(Numbers(1, 60))},
      {S::DateFormat, camid::kDateFormat, O::None, Same(Texts(kListDateFormat))},
      {S::BeepSound, camid::kBeepSound, O::None,
       {Texts(kListOffOn), Texts(kListOffOn), Texts(kListOffOn), Texts(kListOffOn), Texts(kListOffOn),
        Texts(kListOffOn), Texts(kListOffOn), Absent()}},
      {S::SpeakerVolume, camid::kBeepSound, O::None,
       {Absent(), Absent(), Absent(), Absent(), Absent(), Absent(), Absent(), Texts(kListLowMiddleHigh)}},
      {S::SdCycle, camid::kSdCycle, O::None, Same(Texts(kListOffOn))},
      {S::Language, camid::kLanguage, O::None,
       {Pairs(kPairMenuLanguages14), Pairs(kPairMenuLanguages14), Pairs(kPairMenuLanguages9, 5),
        Pairs(kPairMenuLanguages14), Pairs(kPairMenuLanguages14), Pairs(kPairMenuLanguages14),
        Pairs(kPairMenuLanguages14), Pairs(kPairMenuLanguages14)}},
      {S::SetClock, camid::kSetClock, O::None, Same(Texts(kListAutoInputOff))},
      {S::TvSystem, camid::kTvSystem, O::None,
       {Absent(), Texts(kListHighLow), Plain(kTvNtscPal), Texts(kListHighLow), NoEntries(), NoEntries(),
        NoEntries(), Plain(kTvLightFreq)}},
      {S::Timer1On, camid::kTimer1On, O::None, Same(Texts(kListOffOn))},
      {S::Timer1StartHour, camid::kTimer1StartHour, O::Timer1, Same(Numbers(0, 23))},
      {S::Timer1StartMinute, camid::kTimer1StartMinute, O::Timer1, Same(Numbers(0, 59))},
      {S::Timer1EndHour, camid::kTimer1EndHour, O::Timer1, Same(Numbers(0, 23))},
      {S::Timer1EndMinute, camid::kTimer1EndMinute, O::Timer1, Same(Numbers(0, 59))},
      {S::Timer2On, camid::kTimer2On, O::None, Same(Texts(kListOffOn))},
      {S::Timer2StartHour, camid::kTimer2StartHour, O::Timer2, Same(Numbers(0, 23))},
      {S::Timer2StartMinute, camid::kTimer2StartMinute, O::Timer2, Same(Numbers(0, 59))},
      {S::Timer2EndHour, camid::kTimer2EndHour, O::Timer2, Same(Numbers(0, 23))},
      {S::Timer2EndMinute, camid::kTimer2EndMinute, O::Timer2, Same(Numbers(0, 59))},
      {S::SerialOn, camid::kSerialOn, O::None, Same(Texts(kListOffOn))},
      {S::SerialChar0, camid::kSerialChar0 + 0, O::Serial, Same(Plain(kPlainDigitsLetters))},
      {S::SerialChar1, camid::kSerialChar0 + 1, O::Serial, Same(Plain(kPlainDigitsLetters))},
      {S::SerialChar2, camid::kSerialChar0 + 2, O::Serial, Same(Plain(kPlainDigitsLetters))},
      {S::SerialChar3, camid::kSerialChar0 + 3, O::Serial, Same(Plain(kPlainDigitsLetters))},
      {S::TimeLapseOn, camid::kTimeLapseOn, O::None,
       {Texts(kListOnOff), Texts(kListOnOff), Texts(kListOffOn), Texts(kListOnOff), Texts(kListOnOff),
        Texts(kListOnOff), Texts(kListOnOff), Texts(kListOnOff)}},
      {S::TimeLapseHour, camid::kTimeLapseHour, O::TimeLapse, Same(Numbers(0, 23))},
      {S::TimeLapseMinute, camid::kTimeLapseMinute, O::TimeLapse, Same(Numbers(0, 59))},
      {S::TimeLapseSecond, camid::kTimeLapseSecond, O::TimeLapse, Same(Numbers(0, 59))},
      // The edits: clock, position and the serial number as text.
      Edit(S::ClockYear, camid::kClockYear, 4, O::ClockInput),
      Edit(S::ClockMonth, camid::kClockMonth, 2, O::ClockInput),
      Edit(S::ClockDay, camid::kClockDay, 2, O::ClockInput),
      Edit(S::ClockHour, camid::kClockHour, 2, O::ClockInput),
      Edit(S::ClockMinute, camid::kClockMinute, 2, O::ClockInput),
      Edit(S::ClockSecond, camid::kClockSecond, 2, O::ClockInput),
      Edit(S::LongitudeDeg, camid::kLongitudeDeg, 3, O::None),
      Edit(S::LongitudeMin, camid::kLongitudeMin, 2, O::None),
      Edit(S::LongitudeSec, camid::kLongitudeSec, 2, O::None),
      Edit(S::LatitudeDeg, camid::kLatitudeDeg, 2, O::None),
      Edit(S::LatitudeMin, camid::kLatitudeMin, 2, O::None),
      Edit(S::LatitudeSec, camid::kLatitudeSec, 2, O::None),
      Edit(S::SerialText, camid::kSerialText, kSerialTextSize - 1, O::Serial, ControlKind::Text),
  };
  return rows;
}

// The position lists (layouts 1, 2 and 3).
struct PositionRow {
  MenuSetting setting;
  int control;
};
constexpr PositionRow kPositionRows[] = {
    {S::LongitudeDir, camid::kLongitudeDir},
    {S::LatitudeDir, camid::kLatitudeDir},
};

const TailLists& MakeTail(CamGroup g) {
  const OptionList zones = TimeZoneList();
  const MenuSetting kZone = S::Count;
  static const std::array<TailLists, kCamGroups> tails = {{
      // 40126 label, 40127 shows, 40127 list, 40129 label, 40130 list, 40130 shows, written into, PhotoEv 2, scene
      {},  // Legacy: template 108 has none of these controls
      {&kTxtTimeZone, kZone, zones, &kTxtExposure, Texts(kListLowMiddleHigh), S::PhotoEv, S::PhotoEv, false,
       NoEntries()},  // NanoA
      {&kTxtVideoSound, S::VideoSound, Texts(kListOffOn), &kTxtBwPhotoEv, Texts(kListHighMiddleLow), S::PhotoEv,
       S::PhotoEv, false, NoEntries()},  // NanoB
      {&kTxtTimeZone, kZone, zones, &kTxtExposure, Texts(kListLowMiddleHigh), S::PhotoEv, S::PhotoEv, false,
       Texts(kListScene)},  // P2
      {&kTxtTimeZone, kZone, zones, &kTxtVideoSound, Texts(kListOnOff), S::VideoSound, S::VideoSound, true,
       NoEntries()},  // P3
      {&kTxtTimeZone, kZone, zones, &kTxtVideoSound, Texts(kListOnOff), S::VideoSound, S::PhotoEv, false,
       NoEntries()},  // P4
      {&kTxtTimeZone, kZone, zones, &kTxtVideoSound, Texts(kListOnOff), S::VideoSound, S::PhotoEv, false,
       NoEntries()},  // P5
      {&kTxtTimeZone, kZone, zones, &kTxtVideoSound, Texts(kListOnOff), S::VideoSound, S::PhotoEv, false,
       NoEntries()},  // Ultra
  }};
  return tails[static_cast<int>(g)];
}

const GroupTraits kTraits[kCamGroups] = {
    // beep label        tv label                 lapse on serial text video60
    {&kTxtBeepSound, &kTxtTvSystem, 0, false, false},          // Legacy
    {&kTxtBeepSound, &kTxtLedBrightness, 0, false, false},     // NanoA
    {&kTxtBeepSound, &kTxtTvSystem, 1, false, false},          // NanoB
    {&kTxtBeepSound, &kTxtLedBrightness, 0, false, false},     // P2
    {&kTxtBeepSound, &kTxtTvSystem, 0, false, false},          // P3
    {&kTxtBeepSound, &kTxtTvSystem, 0, false, false},          // P4
    {&kTxtBeepSound, &kTxtTvSystem, 0, true, false},           // P5
    {&kTxtSpeakerVolume, &kTxtLightFrequency, 0, true, true},  // Ultra
};

bool SameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

CamGroup CamGroupOf(uint16_t model_code) { return TraitsOfCode(model_code).cam_group; }

const char* CamGroupName(CamGroup g) {
  static const char* const kNames[kCamGroups] = {"Legacy", "NanoA", "NanoB", "P2", "P3", "P4", "P5", "Ultra"};
  const int i = static_cast<int>(g);
  return i >= 0 && i < kCamGroups ? kNames[i] : "";
}

int EntryCount(const OptionList& list) {
  switch (list.kind) {
    case EntryKind::Empty: return 0;
    case EntryKind::Texts:
    case EntryKind::Plain: return list.count;
    case EntryKind::Pairs: return list.count + list.blanks;
    case EntryKind::Numbers: return (list.lead ? 1 : 0) + (list.last >= list.first ? list.last - list.first + 1 : 0);
    case EntryKind::TimeZones: return kTimeZoneCount;
  }
  return 0;
}

namespace {

// A number as the lists show it, at least `digits` wide with leading
// zeros. A window of numbers is filled with hundreds of them: to_chars, not
// a formatted print, for each.
std::string NumberText(int v, int digits = 1) {
  char buf[16];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  std::string s(buf, r.ptr);
  if (static_cast<int>(s.size()) < digits) s.insert(0, static_cast<std::size_t>(digits) - s.size(), '0');
  return s;
}

}  // namespace

std::string EntryText(const OptionList& list, int pos, int language) {
  const int lang = language == 0 ? 0 : 1;
  if (pos < 0 || pos >= EntryCount(list)) return {};
  switch (list.kind) {
    case EntryKind::Empty: return {};
    case EntryKind::Texts:
    case EntryKind::Plain: return list.rows[lang][pos];
    case EntryKind::Pairs: return pos < list.count ? list.pairs[pos].s[lang] : "";
    case EntryKind::Numbers:
      if (list.lead) {
        if (pos == 0) return list.lead->s[lang];
        --pos;
      }
      return NumberText(list.first + pos);
    case EntryKind::TimeZones: {
      const int offset = pos - kTimeZoneUtc;
      return (offset < 0 ? "UTC-" : "UTC+") + NumberText(offset < 0 ? -offset : offset, 2);
    }
  }
  return {};
}

int FindEntry(const OptionList& list, std::string_view text) {
  const int n = EntryCount(list);
  for (int lang = 1; lang >= 0; --lang)
    for (int i = 0; i < n; ++i) {
      const std::string e = EntryText(list, i, lang);
      if (!e.empty() && SameAscii(e, text)) return i;
    }
  return -1;
}

std::optional<SettingOptions> FindSettingOptions(uint16_t model_code, MenuSetting s) {
  const CamGroup g = CamGroupOf(model_code);
  const int gi = static_cast<int>(g);
  for (const ListRow& r : Rows()) {
    if (r.setting != s) continue;
    if (IsAbsent(r.lists[gi])) return std::nullopt;
    SettingOptions o{r.control, r.lists[gi], r.clamps[gi], 0};
    if (s == S::Language) o.offset = g == G::NanoB ? 0 : 1;
    return o;
  }
  if (g == G::Legacy) return std::nullopt;  // template 108 has no tail controls
  const TailLists& t = TailListsOf(g);
  if (t.time_zone_setting == s) return SettingOptions{camid::kTimeZone, t.time_zone_list, {}, 0};
  if (t.video_sound_fill == s || t.video_sound_read == s)
    return SettingOptions{camid::kVideoSound, t.video_sound_list, {}, 0};
  if (s == S::Reserved0 && t.scene_list.kind != EntryKind::Empty)
    return SettingOptions{camid::kScene, t.scene_list, Above(2, 0), 0};
  for (const PositionRow& p : kPositionRows)
    if (p.setting == s)
      return SettingOptions{p.control, s == S::LongitudeDir ? Texts(kListEastWest) : Texts(kListSouthNorth), {}, 0};
  return std::nullopt;
}

std::span<const MenuSetting> ListSettings() {
  static const std::vector<MenuSetting> settings = [] {
    std::vector<MenuSetting> v;
    for (const ListRow& r : Rows())
      if (r.kind == ControlKind::List) v.push_back(r.setting);
    return v;
  }();
  return settings;
}

std::span<const ControlDesc> Controls() {
  static const std::vector<ControlDesc> controls = [] {
    std::vector<ControlDesc> v;
    for (const ListRow& r : Rows()) v.push_back(ControlDesc{r.setting, r.control, r.kind, r.chars, r.opener});
    return v;
  }();
  return controls;
}

const ControlDesc* FindControl(MenuSetting s) {
  for (const ControlDesc& c : Controls())
    if (c.setting == s) return &c;
  return nullptr;
}

MenuSetting OpenerSetting(Opener o) {
  switch (o) {
    case Opener::None: return MenuSetting::Count;
    case Opener::NotVideo60: return MenuSetting::CapMode;
    case Opener::ClockInput: return MenuSetting::SetClock;
    case Opener::Timer1: return MenuSetting::Timer1On;
    case Opener::Timer2: return MenuSetting::Timer2On;
    case Opener::Serial: return MenuSetting::SerialOn;
    case Opener::TimeLapse: return MenuSetting::TimeLapseOn;
  }
  return MenuSetting::Count;
}

bool IsOpener(MenuSetting s) {
  for (Opener o : {Opener::NotVideo60, Opener::ClockInput, Opener::Timer1, Opener::Timer2, Opener::Serial,
                   Opener::TimeLapse})
    if (OpenerSetting(o) == s) return true;
  return false;
}

const OptionList& IntervalUnitList() {
  static const OptionList l = Texts(kListSecMin);
  return l;
}

OptionList IntervalValueList(int unit) { return unit == 0 ? Numbers(0, 59) : Numbers(1, 60); }

uint8_t EncodePirInterval(int unit, int pos) {
  const uint8_t p = static_cast<uint8_t>(pos);
  return unit == 0 ? static_cast<uint8_t>(p | 0x80) : p;
}

PirIntervalParts DecodePirInterval(uint8_t byte) {
  return PirIntervalParts{(byte & 0x80) ? 0 : 1, byte & 0x7F};
}

const OptionList& TimeZoneList() {
  static const OptionList l = [] {
    OptionList o;
    o.kind = EntryKind::TimeZones;
    return o;
  }();
  return l;
}

const TailLists& TailListsOf(CamGroup g) { return MakeTail(g); }

const GroupTraits& TraitsOf(CamGroup g) {
  const int i = static_cast<int>(g);
  return kTraits[i >= 0 && i < kCamGroups ? i : 0];
}

}  // namespace camopt
