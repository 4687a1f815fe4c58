#include "records/menu_record.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/services.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/record_file.h"
#include "records/text_field.h"
#include "records/time_zone.h"

int MenuLayout = 0;
int TimeZoneIndex = 0;
uint64_t MenuLoadedMask = 0;
int IntervalUnit = 0;

namespace {

using S = MenuSetting;

constexpr std::array<int, kMenuLayouts> kMenuSizes = {44, 60, 68, 188};
constexpr int kLargestMenu = 188;
constexpr int kLayout2Size = 68;
constexpr char kMenuFileName[] = "menu.dat";
constexpr char kSeparatorLine[] = "________________________________________________\n";

// One live record per layout, zero at start.
alignas(2) uint8_t g_records[kMenuLayouts][kLargestMenu] = {};

// Where each setting lives in each layout (-1: the layout has none).
struct FieldLocationRow {
  MenuSetting setting;
  std::array<int16_t, kMenuLayouts> offset;  // L0, L1, L2, L3
};

constexpr FieldLocationRow kFieldLocationTable[] = {
    //  setting                 L0   L1   L2   L3
    {S::CapMode,            {  0,   0,   0,   0}},
    {S::ImgSize,            {  1,   1,   1,   1}},
    {S::VideoSize,          {  2,   2,   2,   2}},
    {S::PicNumber,          {  3,   3,   3,   3}},
    {S::TimeStamp,          {  4,   7,   4,   4}},
    {S::SenseLevel,         {  5,   6,   5,   5}},
    {S::SidePir,            {  6,   8,   6,   6}},
    {S::VideoLength,        {  7,   4,   7,   7}},
    {S::PirInterval,        {  8,   5,   8,   8}},
    {S::DateFormat,         {  9,  12,   9,   9}},
    {S::BeepSound,          { 10,  13,  10,  10}},
    {S::SpeakerVolume,      { -1,  -1,  -1,  52}},
    {S::SdCycle,            { 11,   9,  11,  11}},
    {S::Language,           { 12,  11,  12,  12}},
    {S::TvSystem,           { -1,  10,  49,  51}},
    {S::SetClock,           { 13,  14,  13,  13}},
    {S::ClockYear,          { 14,  16,  14,  14}},
    {S::ClockMonth,         { 16,  18,  16,  16}},
    {S::ClockDay,           { 17,  19,  17,  17}},
    {S::ClockHour,          { 18,  20,  18,  18}},
    {S::ClockMinute,        { 19,  21,  19,  19}},
    {S::ClockSecond,        { 20,  22,  20,  20}},
    {S::Timer1On,           { 21,  23,  21,  21}},
    {S::Timer1StartHour,    { 22,  24,  22,  22}},
    {S::Timer1StartMinute,  { 23,  25,  23,  23}},
    {S::Timer1EndHour,      { 24,  26,  24,  24}},
    {S::Timer1EndMinute,    { 25,  27,  25,  25}},
    {S::Timer2On,           { 26,  28,  26,  26}},
    {S::Timer2StartHour,    { 27,  29,  27,  27}},
    {S::Timer2StartMinute,  { 28,  30,  28,  28}},
    {S::Timer2EndHour,      { 29,  31,  29,  29}},
    {S::Timer2EndMinute,    { 30,  32,  30,  30}},
    {S::SerialOn,           { 31,  38,  31,  31}},
    {S::SerialChar0,        { 32,  39,  32,  32}},
    {S::SerialChar1,        { 33,  40,  33,  33}},
    {S::SerialChar2,        { 34,  41,  34,  34}},
    {S::SerialChar3,        { 35,  42,  35,  35}},
    {S::TimeLapseOn,        { 36,  43,  36,  36}},
    {S::TimeLapseHour,      { 37,  44,  37,  37}},
    {S::TimeLapseMinute,    { 38,  45,  38,  38}},
    {S::TimeLapseSecond,    { 39,  46,  39,  39}},
    {S::VideoSound,         { -1,  47,  47,  47}},
    {S::PhotoEv,            { -1,  48,  50,  50}},
    {S::LongitudeDir,       { -1,  52,  51,  53}},
    {S::LongitudeDeg,       { -1,  53,  52,  54}},
    {S::LongitudeMin,       { -1,  54,  53,  55}},
    {S::LongitudeSec,       { -1,  55,  54,  56}},
    {S::LatitudeDir,        { -1,  56,  55,  57}},
    {S::LatitudeDeg,        { -1,  57,  56,  58}},
    {S::LatitudeMin,        { -1,  58,  57,  59}},
    {S::LatitudeSec,        { -1,  59,  58,  60}},
    {S::Byte40,             { 40,  -1,  40,  40}},
    {S::CheckFlag,          { 42,  50,  42,  42}},
    {S::Reset,              { -1,  -1,  46,  46}},
    {S::Reserved0,          { -1,  -1,  59,  -1}},
    {S::SerialText,         { -1,  -1,  -1, 157}},
};

constexpr bool TableFollowsEnum() {
  for (std::size_t i = 0; i < std::size(kFieldLocationTable); ++i)
    if (static_cast<std::size_t>(kFieldLocationTable[i].setting) != i) return false;
  return std::size(kFieldLocationTable) == static_cast<std::size_t>(S::Count);
}
static_assert(TableFollowsEnum(), "one row per setting, in the order of MenuSetting");

int Width(MenuSetting s) {
  switch (s) {
    case S::ClockYear:
    case S::CheckFlag:
      return 2;
    case S::SerialText:
      return kSerialTextSize;
    default:
      return 1;
  }
}

bool ValidLayout(int layout) { return layout >= 0 && layout < kMenuLayouts; }

// --- Defaults --------------------------------------------------------------

struct DefaultValue {
  MenuSetting setting;
  uint16_t value;
};

constexpr DefaultValue kDefaultsL0[] = {
    {S::ImgSize, 2}, {S::SenseLevel, 1}, {S::SidePir, 1}, {S::VideoLength, 9},
    {S::BeepSound, 1}, {S::Language, 2}, {S::TimeLapseOn, 1}, {S::Byte40, 0x8F},
    {S::CheckFlag, 0x8080},
};

constexpr DefaultValue kDefaultsL1[] = {
    {S::ImgSize, 1}, {S::VideoSize, 1}, {S::VideoLength, 9}, {S::SenseLevel, 1},
    {S::TimeStamp, 1}, {S::SidePir, 1}, {S::TvSystem, 1}, {S::DateFormat, 2},
    {S::BeepSound, 1}, {S::VideoSound, 1}, {S::LatitudeDir, 1}, {S::TimeLapseOn, 0},
    {S::CheckFlag, 0x8082},
};

constexpr DefaultValue kDefaultsL2[] = {
    {S::SenseLevel, 1}, {S::BeepSound, 1}, {S::Language, 2}, {S::TimeLapseOn, 1},
    {S::Byte40, 0x8F}, {S::CheckFlag, 0x8080}, {S::PhotoEv, 2}, {S::LatitudeDir, 1},
    {S::Reset, 0},
};

constexpr DefaultValue kDefaultsL3[] = {
    {S::SenseLevel, 1}, {S::VideoLength, 9}, {S::BeepSound, 1}, {S::Language, 2},
    {S::TimeLapseOn, 1}, {S::Byte40, 0x8F}, {S::CheckFlag, 0x8085}, {S::PhotoEv, 2},
    {S::LatitudeDir, 1}, {S::Reset, 0}, {S::SpeakerVolume, 0},
};

// Settings whose default differs between the models of a layout: one
// column per group of models.
constexpr int kColumns = 3;
struct ModelColumnValue {
  MenuSetting setting;
  std::array<uint8_t, kColumns> value;
};

struct ModelColumn {
  uint16_t first_code;
  uint16_t last_code;
  int column;
};

//                                          512,514,515,516  517..519  520,521
constexpr ModelColumnValue kColumnsL2[] = {
    {S::CapMode,     {0, 2, 0}},
    {S::ImgSize,     {2, 1, 0}},
    {S::SidePir,     {1, 0, 0}},
    {S::VideoLength, {9, 10, 9}},
};
constexpr ModelColumn kColumnOfL2[] = {
    {512, 516, 0}, {517, 519, 1}, {520, 521, 2},
};

//                                          522   523   524..533
constexpr ModelColumnValue kColumnsL3[] = {
    {S::CapMode,     {0, 1, 0}},
    {S::ImgSize,     {0, 0, 2}},
    {S::PirInterval, {0x00, 0x8A, 0x00}},
};
constexpr ModelColumn kColumnOfL3[] = {
    {522, 522, 0}, {523, 523, 1}, {524, 533, 2},
};

template <std::size_t N>
int ColumnOf(const ModelColumn (&columns)[N], uint16_t code) {
  for (const ModelColumn& c : columns)
    if (code >= c.first_code && code <= c.last_code) return c.column;
  return 0;
}

void SetIn(int layout, MenuSetting s, uint16_t value);

template <std::size_t N>
void ApplyValues(int layout, const DefaultValue (&values)[N]) {
  for (const DefaultValue& d : values) SetIn(layout, d.setting, d.value);
}

template <std::size_t N, std::size_t M>
void ApplyColumn(int layout, const ModelColumnValue (&values)[N], const ModelColumn (&columns)[M],
                 uint16_t code) {
  const int column = ColumnOf(columns, code);
  for (const ModelColumnValue& v : values) SetIn(layout, v.setting, v.value[static_cast<std::size_t>(column)]);
}

// --- Record access ---------------------------------------------------------

uint8_t* FieldPointer(int layout, MenuSetting s) {
  const int offset = FieldLocation(s, layout);
  return offset < 0 ? nullptr : g_records[layout] + offset;
}

uint16_t GetIn(int layout, MenuSetting s) {
  const uint8_t* p = FieldPointer(layout, s);
  if (!p) return 0;
  switch (Width(s)) {
    case 1: return p[0];
    case 2: return static_cast<uint16_t>(p[0] | (p[1] << 8));
    default: return 0;  // a text, read through MenuSerialText
  }
}

void SetIn(int layout, MenuSetting s, uint16_t value) {
  uint8_t* p = FieldPointer(layout, s);
  if (!p) return;
  switch (Width(s)) {
    case 1: p[0] = static_cast<uint8_t>(value); break;
    case 2:
      p[0] = static_cast<uint8_t>(value & 0xFF);
      p[1] = static_cast<uint8_t>(value >> 8);
      break;
    default: break;  // a text, written through SetMenuSerialText
  }
}

// --- PC time zone ----------------------------------------------------------

int PcStandardOffsetHours() {
  if (platform::HasServices()) return platform::GetServices().PcUtcOffsetHours();
  return LocalStandardUtcOffsetHours();
}

// --- Logging after a load --------------------------------------------------

void LogLoadedRecord(int layout) {
  switch (layout) {
    case 0:
      Diag("CapMode = %d\n", GetIn(0, S::CapMode));
      Diag("ImgSize = %d\n", GetIn(0, S::ImgSize));
      Diag("Flag = 0x%04X\n", GetIn(0, S::CheckFlag));
      break;
    case 1:
      Diag("CapMode = %d\n", GetIn(1, S::CapMode));
      Diag("ImgSize = %d\n", GetIn(1, S::ImgSize));
      Diag("PirInterval = %d\n", GetIn(1, S::PirInterval));
      Diag("Flag = 0x%04X\n", GetIn(1, S::CheckFlag));
      Diag("[读menu.dat保存的时间]Y:%d,M:%d,D:%d, h:%d, m:%d, s:%d\n", GetIn(1, S::ClockYear),
           GetIn(1, S::ClockMonth), GetIn(1, S::ClockDay), GetIn(1, S::ClockHour),
           GetIn(1, S::ClockMinute), GetIn(1, S::ClockSecond));
      Diag("byPirInterval = 0x%04X\n", GetIn(1, S::PirInterval));
      break;
    case 2:
      Diag("* CapMode = %d\n", GetIn(2, S::CapMode));
      Diag("* ImgSize = %d\n", GetIn(2, S::ImgSize));
      Diag("* Flag1 = 0x%04X\n", GetIn(2, S::CheckFlag));
      Diag("* VideoSound = %d\n", GetIn(2, S::VideoSound));
      Diag("* Reset = %d\n", GetIn(2, S::Reset));
      break;
    default:
      break;
  }
}

// uwCheckFlag as written into the file, and the label of its log line.
uint16_t WrittenCheckFlag(int layout) {
  switch (layout) {
    case 0: return 0x8080;
    case 1: return GetIn(1, S::CheckFlag);  // 0x8081 or 0x8082, set by the window
    case 2: return IsP2Model() ? 0x8086 : 0x8083;
    default: return 0x8085;
  }
}

constexpr uint8_t kScrambleMask = 0x5C;

uint8_t RotateRight2(uint8_t b) { return static_cast<uint8_t>((b >> 2) | (b << 6)); }
uint8_t RotateLeft2(uint8_t b) { return static_cast<uint8_t>((b << 2) | (b >> 6)); }

}  // namespace

int MenuSize(int layout) { return ValidLayout(layout) ? kMenuSizes[static_cast<std::size_t>(layout)] : 0; }

int FieldLocation(MenuSetting s, int layout) {
  if (!ValidLayout(layout) || s >= S::Count) return -1;
  return kFieldLocationTable[static_cast<std::size_t>(s)].offset[static_cast<std::size_t>(layout)];
}

uint8_t* MenuRecord(int layout) { return ValidLayout(layout) ? g_records[layout] : nullptr; }

uint16_t MenuGet(MenuSetting s) { return ValidLayout(MenuLayout) ? GetIn(MenuLayout, s) : 0; }

void MenuSet(MenuSetting s, uint16_t value) {
  if (ValidLayout(MenuLayout)) SetIn(MenuLayout, s, value);
}

bool MenuHas(MenuSetting s) { return FieldLocation(s, MenuLayout) >= 0; }

std::string_view MenuSerialText() {
  const uint8_t* p = ValidLayout(MenuLayout) ? FieldPointer(MenuLayout, S::SerialText) : nullptr;
  if (!p) return {};
  return ReadTextField(reinterpret_cast<const char*>(p), kSerialTextSize);
}

void SetMenuSerialText(std::string_view text) {
  uint8_t* p = ValidLayout(MenuLayout) ? FieldPointer(MenuLayout, S::SerialText) : nullptr;
  if (p) CopyTextField(reinterpret_cast<char*>(p), kSerialTextSize, text);
}

int MenuLayoutForModel(uint16_t code, uint16_t setup_dlg_id) {
  if (code >= 515 && code <= 521) return 2;
  if (code == 522 || code == 523 || IsR1Code(code, kVariantAny) || IsR2Code(code, kVariantAny) ||
      IsK3UltraCode(code, kVariantAny))
    return 3;
  if (setup_dlg_id == 113) return (code == 512 || code == 514) ? 2 : 1;
  return 0;
}

uint16_t CheckFlagPreset(int layout) {
  constexpr std::array<uint16_t, kMenuLayouts> kPresets = {0x8080, 0x8081, 0x8083, 0x8085};
  return ValidLayout(layout) ? kPresets[static_cast<std::size_t>(layout)] : 0;
}

void ChooseMenuLayout() {
  const uint16_t code = GetModelCode();
  MenuLayout = MenuLayoutForModel(code, ModelSetupDlgId(code >> 8, code & 0xFF));
  SetIn(MenuLayout, S::CheckFlag, CheckFlagPreset(MenuLayout));
}

void PcTimeZoneIndex() {
  TimeZoneIndex = std::clamp(PcStandardOffsetHours(), -12, 12) + 12;
}

void ApplyMenuDefaults() {
  const int layout = MenuLayout;
  if (!ValidLayout(layout)) return;
  std::memset(g_records[layout], 0, sizeof g_records[layout]);
  const uint16_t code = GetModelCode();
  switch (layout) {
    case 0: ApplyValues(0, kDefaultsL0); break;
    case 1: ApplyValues(1, kDefaultsL1); break;
    case 2:
      ApplyValues(2, kDefaultsL2);
      ApplyColumn(2, kColumnsL2, kColumnOfL2, code);
      break;
    default:
      ApplyValues(3, kDefaultsL3);
      ApplyColumn(3, kColumnsL3, kColumnOfL3, code);
      break;
  }
}

int LoadMenuFile() {
  PcTimeZoneIndex();
  const int layout = MenuLayout;
  if (!ValidLayout(layout)) return 0;
  const int size = MenuSize(layout);
  Diag("___sizeof menu data:%d___\n", size);
  Diag("___sizeof S_SET_MENU_DATA1:%d___\n", kLayout2Size);

  if (!LoadRecordImage(kMenuFileName, g_records[layout], size)) return 0;

  LogLoadedRecord(layout);

  if (layout >= 2) {
    const uint8_t clock = static_cast<uint8_t>(GetIn(layout, S::SetClock));
    if (clock > 3) TimeZoneIndex = (clock >> 2) & 0x1F;
    SetIn(layout, S::SetClock, clock & 3);
  }
  return 1;
}

bool SaveMenuFile() {
  const int layout = MenuLayout;
  if (!ValidLayout(layout)) return false;
  const int size = MenuSize(layout);
  const auto path = SaveFolderPath(kMenuFileName);
  if (!path) {
    Diag("%s", kSeparatorLine);
    return false;
  }

  const uint16_t flag = WrittenCheckFlag(layout);
  SetIn(layout, S::CheckFlag, flag);
  uint8_t image[kLargestMenu];
  std::memcpy(image, g_records[layout], static_cast<std::size_t>(size));
  ScrambleBytes(image, size);

  // The file is complete and in place (or nothing changed) before the
  // lines that report it are written.
  const WriteResult outcome = ReplaceRecordFile(*path, image, static_cast<std::size_t>(size));
  if (outcome == WriteOutcome::CreateFailed) {
    Diag("Open file - \"%s\" err!\n", path->c_str());
    Diag("%s", kSeparatorLine);
    return false;
  }
  Diag("Open file - \"%s\" success!\n", path->c_str());
  Diag(layout <= 1 ? "[W]Flag = 0x%04X\n" : "[W]Flag1 = 0x%04X\n", flag);
  if (outcome == WriteOutcome::WriteFailed) {
    Diag("Write file - \"%s\" err!\n", path->c_str());
    Diag("%s", kSeparatorLine);
    return false;
  }
  Diag("%s", kSeparatorLine);
  return true;
}

// Last position of the video length list: "60" seconds is the last of 61
// entries ("Auto", "1".."60") on the VORN-P3 models and of 60 entries on the
// others. A loaded value beyond it is repaired; one within it is the user's.
int LastVideoLengthEntry(uint16_t code) { return (code >= 517 && code <= 519) ? 60 : 59; }

void LoadOrDefaultMenuOnce() {
  const int bit = 16 * ModelFamily + ModelIndex;
  const bool trackable = bit >= 0 && bit < 64;
  const uint64_t mask = trackable ? (uint64_t{1} << bit) : 0;
  if (trackable && (MenuLoadedMask & mask) != 0) return;
  MenuLoadedMask |= mask;
  if (LoadMenuFile()) {
    if (MenuGet(S::VideoLength) > LastVideoLengthEntry(GetModelCode())) MenuSet(S::VideoLength, 9);
  } else {
    ApplyMenuDefaults();
  }
  MenuSet(S::SetClock, 0);
}

void ScrambleBytes(uint8_t* buffer, int length) {
  if (!buffer || length <= 0) return;
  for (int i = 0; i < length; ++i) buffer[i] = RotateRight2(static_cast<uint8_t>(buffer[i] ^ kScrambleMask));
}

void UnscrambleBytes(uint8_t* buffer, int length) {
  if (!buffer || length <= 0) return;
  for (int i = 0; i < length; ++i) buffer[i] = static_cast<uint8_t>(RotateLeft2(buffer[i]) ^ kScrambleMask);
}

void ResetMenuState() {
  std::memset(g_records, 0, sizeof g_records);
  MenuLayout = 0;
  TimeZoneIndex = 0;
  MenuLoadedMask = 0;
  IntervalUnit = 0;
}
