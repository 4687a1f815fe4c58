#include "records/menu_record.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/record_file.h"
#include "records/text_field.h"


namespace {

using S = MenuSetting;

constexpr std::array<int, kMenuLayouts> kMenuSizes = {44, 60, 68, 188};
constexpr int kLayout2Size = 68;
constexpr char kSeparatorLine[] = "________________________________________________\n";

// Each setting's name and where it lives in each layout (-1: the layout has none).
struct FieldLocationRow {
  MenuSetting setting;
  const char* name;
  std::array<int16_t, kMenuLayouts> offset;  // L0, L1, L2, L3
};

constexpr FieldLocationRow kFieldLocationTable[] = {
    //  setting             name                 L0   L1   L2   L3
    {S::CapMode,           "CapMode",           {  0,   0,   0,   0}},
    {S::ImgSize,           "ImgSize",           {  1,   1,   1,   1}},
    {S::VideoSize,         "VideoSize",         {  2,   2,   2,   2}},
    {S::PicNumber,         "PicNumber",         {  3,   3,   3,   3}},
    {S::TimeStamp,         "TimeStamp",         {  4,   7,   4,   4}},
    {S::SenseLevel,        "SenseLevel",        {  5,   6,   5,   5}},
    {S::SidePir,           "SidePir",           {  6,   8,   6,   6}},
    {S::VideoLength,       "VideoLength",       {  7,   4,   7,   7}},
    {S::PirInterval,       "PirInterval",       {  8,   5,   8,   8}},
    {S::DateFormat,        "DateFormat",        {  9,  12,   9,   9}},
    {S::BeepSound,         "BeepSound",         { 10,  13,  10,  10}},
    {S::SpeakerVolume,     "SpeakerVolume",     { -1,  -1,  -1,  52}},
    {S::SdCycle,           "SdCycle",           { 11,   9,  11,  11}},
    {S::Language,          "Language",          { 12,  11,  12,  12}},
    {S::TvSystem,          "TvSystem",          { -1,  10,  49,  51}},
    {S::SetClock,          "SetClock",          { 13,  14,  13,  13}},
    {S::ClockYear,         "ClockYear",         { 14,  16,  14,  14}},
    {S::ClockMonth,        "ClockMonth",        { 16,  18,  16,  16}},
    {S::ClockDay,          "ClockDay",          { 17,  19,  17,  17}},
    {S::ClockHour,         "ClockHour",         { 18,  20,  18,  18}},
    {S::ClockMinute,       "ClockMinute",       { 19,  21,  19,  19}},
    {S::ClockSecond,       "ClockSecond",       { 20,  22,  20,  20}},
    {S::Timer1On,          "Timer1On",          { 21,  23,  21,  21}},
    {S::Timer1StartHour,   "Timer1StartHour",   { 22,  24,  22,  22}},
    {S::Timer1StartMinute, "Timer1StartMinute", { 23,  25,  23,  23}},
    {S::Timer1EndHour,     "Timer1EndHour",     { 24,  26,  24,  24}},
    {S::Timer1EndMinute,   "Timer1EndMinute",   { 25,  27,  25,  25}},
    {S::Timer2On,          "Timer2On",          { 26,  28,  26,  26}},
    {S::Timer2StartHour,   "Timer2StartHour",   { 27,  29,  27,  27}},
    {S::Timer2StartMinute, "Timer2StartMinute", { 28,  30,  28,  28}},
    {S::Timer2EndHour,     "Timer2EndHour",     { 29,  31,  29,  29}},
    {S::Timer2EndMinute,   "Timer2EndMinute",   { 30,  32,  30,  30}},
    {S::SerialOn,          "SerialOn",          { 31,  38,  31,  31}},
    {S::SerialChar0,       "SerialChar0",       { 32,  39,  32,  32}},
    {S::SerialChar1,       "SerialChar1",       { 33,  40,  33,  33}},
    {S::SerialChar2,       "SerialChar2",       { 34,  41,  34,  34}},
    {S::SerialChar3,       "SerialChar3",       { 35,  42,  35,  35}},
    {S::TimeLapseOn,       "TimeLapseOn",       { 36,  43,  36,  36}},
    {S::TimeLapseHour,     "TimeLapseHour",     { 37,  44,  37,  37}},
    {S::TimeLapseMinute,   "TimeLapseMinute",   { 38,  45,  38,  38}},
    {S::TimeLapseSecond,   "TimeLapseSecond",   { 39,  46,  39,  39}},
    {S::VideoSound,        "VideoSound",        { -1,  47,  47,  47}},
    {S::PhotoEv,           "PhotoEv",           { -1,  48,  50,  50}},
    {S::LongitudeDir,      "LongitudeDir",      { -1,  52,  51,  53}},
    {S::LongitudeDeg,      "LongitudeDeg",      { -1,  53,  52,  54}},
    {S::LongitudeMin,      "LongitudeMin",      { -1,  54,  53,  55}},
    {S::LongitudeSec,      "LongitudeSec",      { -1,  55,  54,  56}},
    {S::LatitudeDir,       "LatitudeDir",       { -1,  56,  55,  57}},
    {S::LatitudeDeg,       "LatitudeDeg",       { -1,  57,  56,  58}},
    {S::LatitudeMin,       "LatitudeMin",       { -1,  58,  57,  59}},
    {S::LatitudeSec,       "LatitudeSec",       { -1,  59,  58,  60}},
    {S::Byte40,            "Byte40",            { 40,  -1,  40,  40}},
    {S::CheckFlag,         "CheckFlag",         { 42,  50,  42,  42}},
    {S::Reset,             "Reset",             { -1,  -1,  46,  46}},
    {S::Reserved0,         "Reserved0",         { -1,  -1,  59,  -1}},
    {S::SerialText,        "SerialText",        { -1,  -1,  -1, 157}},
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
// column per group of models; a model's default_column trait picks it.
constexpr int kColumns = 3;
struct ModelColumnValue {
  MenuSetting setting;
  std::array<uint8_t, kColumns> value;
};

//                                          NANO-A, P2  P3   P4
constexpr ModelColumnValue kColumnsL2[] = {
    {S::CapMode,     {0, 2, 0}},
    {S::ImgSize,     {2, 1, 0}},
    {S::SidePir,     {1, 0, 0}},
    {S::VideoLength, {9, 10, 9}},
};

//                                          P5-4G P5-WIFI ULTRA
constexpr ModelColumnValue kColumnsL3[] = {
    {S::CapMode,     {0, 1, 0}},
    {S::ImgSize,     {0, 0, 2}},
    {S::PirInterval, {0x00, 0x8A, 0x00}},
};

void SetIn(int layout, MenuSetting s, uint16_t value);

template <std::size_t N>
void ApplyValues(int layout, const DefaultValue (&values)[N]) {
  for (const DefaultValue& d : values) SetIn(layout, d.setting, d.value);
}

template <std::size_t N>
void ApplyColumn(int layout, const ModelColumnValue (&values)[N], uint16_t code) {
  const std::size_t column = TraitsOfCode(code).default_column;
  if (column >= kColumns) return;
  for (const ModelColumnValue& v : values) SetIn(layout, v.setting, v.value[column]);
}

// --- Record access ---------------------------------------------------------

uint8_t* FieldPointer(int layout, MenuSetting s) {
  const int offset = FieldLocation(s, layout);
  return offset < 0 ? nullptr : App().g_records[layout] + offset;
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

const char* MenuSettingName(MenuSetting s) {
  return s < S::Count ? kFieldLocationTable[static_cast<std::size_t>(s)].name : "";
}

int FieldLocation(MenuSetting s, int layout) {
  if (!ValidLayout(layout) || s >= S::Count) return -1;
  return kFieldLocationTable[static_cast<std::size_t>(s)].offset[static_cast<std::size_t>(layout)];
}

uint8_t* MenuRecord(int layout) { return ValidLayout(layout) ? App().g_records[layout] : nullptr; }

uint16_t MenuGet(MenuSetting s) { return ValidLayout(App().MenuLayout) ? GetIn(App().MenuLayout, s) : 0; }

void MenuSet(MenuSetting s, uint16_t value) {
  if (ValidLayout(App().MenuLayout)) SetIn(App().MenuLayout, s, value);
}

bool MenuHas(MenuSetting s) { return FieldLocation(s, App().MenuLayout) >= 0; }

std::string_view MenuSerialText() {
  const uint8_t* p = ValidLayout(App().MenuLayout) ? FieldPointer(App().MenuLayout, S::SerialText) : nullptr;
  if (!p) return {};
  return ReadTextField(reinterpret_cast<const char*>(p), kSerialTextSize);
}

void SetMenuSerialText(std::string_view text) {
  uint8_t* p = ValidLayout(App().MenuLayout) ? FieldPointer(App().MenuLayout, S::SerialText) : nullptr;
  if (p) CopyTextField(reinterpret_cast<char*>(p), kSerialTextSize, text);
}

int MenuLayoutForModel(uint16_t code, uint16_t setup_dlg_id) {
  const ModelTraits& t = TraitsOfCode(code);
  // The NANO rows share their controls with template 108's layout 0 and
  // read the layout of the template they open; the later groups keep their
  // record's layout whatever the template.
  const bool follows_template = t.cam_group == CamOptionGroup::Legacy || t.cam_group == CamOptionGroup::NanoA ||
                                t.cam_group == CamOptionGroup::NanoB;
  if (follows_template && setup_dlg_id != 113) return 0;
  return t.menu_layout;
}

uint16_t CheckFlagPreset(int layout) {
  constexpr std::array<uint16_t, kMenuLayouts> kPresets = {0x8080, 0x8081, 0x8083, 0x8085};
  return ValidLayout(layout) ? kPresets[static_cast<std::size_t>(layout)] : 0;
}

void ChooseMenuLayout() {
  const uint16_t code = GetModelCode();
  App().MenuLayout = MenuLayoutForModel(code, ModelSetupDlgId(code >> 8, code & 0xFF));
  SetIn(App().MenuLayout, S::CheckFlag, CheckFlagPreset(App().MenuLayout));
}

void PcTimeZoneIndex(int pc_offset_hours) {
  App().TimeZoneIndex = std::clamp(pc_offset_hours, -12, 12) + 12;
}

void ApplyMenuDefaults() {
  const int layout = App().MenuLayout;
  if (!ValidLayout(layout)) return;
  std::memset(App().g_records[layout], 0, sizeof App().g_records[layout]);
  const uint16_t code = GetModelCode();
  switch (layout) {
    case 0: ApplyValues(0, kDefaultsL0); break;
    case 1: ApplyValues(1, kDefaultsL1); break;
    case 2:
      ApplyValues(2, kDefaultsL2);
      ApplyColumn(2, kColumnsL2, code);
      break;
    default:
      ApplyValues(3, kDefaultsL3);
      ApplyColumn(3, kColumnsL3, code);
      break;
  }
}

RecordOutcome LoadMenuFile(int pc_offset_hours) {
  PcTimeZoneIndex(pc_offset_hours);
  const int layout = App().MenuLayout;
  if (!ValidLayout(layout)) return App().LastMenuLoad = RecordOutcome::Fault(RecordFault::SystemError, EINVAL);
  const int size = MenuSize(layout);
  Diag("___sizeof menu data:%d___\n", size);
  Diag("___sizeof S_SET_MENU_DATA1:%d___\n", kLayout2Size);

  App().LastMenuLoad = LoadRecordImage(kMenuFileName, App().g_records[layout], size);
  if (!App().LastMenuLoad) return App().LastMenuLoad;

  LogLoadedRecord(layout);

  if (layout >= 2) {
    const uint8_t clock = static_cast<uint8_t>(GetIn(layout, S::SetClock));
    if (clock > 3) App().TimeZoneIndex = (clock >> 2) & 0x1F;
    SetIn(layout, S::SetClock, clock & 3);
  }
  return App().LastMenuLoad;
}

RecordOutcome SaveMenuFile() {
  const int layout = App().MenuLayout;
  if (!ValidLayout(layout)) return RecordOutcome::Fault(RecordFault::SystemError, EINVAL);
  const int size = MenuSize(layout);
  const auto path = SaveFolderPath(kMenuFileName);
  if (!path) {
    Diag("%s", kSeparatorLine);
    return RecordOutcome::Fault(RecordFault::SystemError, ENAMETOOLONG);
  }

  const uint16_t flag = WrittenCheckFlag(layout);
  SetIn(layout, S::CheckFlag, flag);
  uint8_t image[kLargestMenu];
  std::memcpy(image, App().g_records[layout], static_cast<std::size_t>(size));
  ScrambleBytes(image, size);

  // The file is complete and in place (or nothing changed) before the
  // lines that report it are written.
  const RecordOutcome outcome = ReplaceRecordFile(*path, image, static_cast<std::size_t>(size));
  if (!outcome && !outcome.created) {
    Diag("Open file - \"%s\" err!\n", path->c_str());
    Diag("%s", kSeparatorLine);
    return outcome;
  }
  Diag("Open file - \"%s\" success!\n", path->c_str());
  Diag(layout <= 1 ? "[W]Flag = 0x%04X\n" : "[W]Flag1 = 0x%04X\n", flag);
  if (!outcome) Diag("Write file - \"%s\" err!\n", path->c_str());
  Diag("%s", kSeparatorLine);
  return outcome;
}

// Last position of the video length list: "60" seconds is the last of 61
// entries ("Auto", "1".."60") on some models and of 60 entries on the
// others. A loaded value beyond it is repaired; one within it is the user's.
int LastVideoLengthEntry(uint16_t code) { return TraitsOfCode(code).video_length_last; }

void LoadOrDefaultMenuOnce(int pc_offset_hours) {
  const int bit = 16 * App().ModelFamily + App().ModelIndex;
  const bool trackable = bit >= 0 && bit < 64;
  const uint64_t mask = trackable ? (uint64_t{1} << bit) : 0;
  if (trackable && (App().MenuLoadedMask & mask) != 0) return;
  App().MenuLoadedMask |= mask;
  if (LoadMenuFile(pc_offset_hours)) {
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

void ResetMenuState() { static_cast<MenuState&>(App()) = MenuState{}; }
