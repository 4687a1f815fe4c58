// The option lists of the camera setup window, per model group, as data.
//
// A setting fed by a drop-down list is stored as the 0-based position of
// the chosen entry in the list built for the current model, so these lists
// are what give the stored numbers their meaning. The window builds its
// lists from them; other callers (the command-line companion) use the same
// tables to name and check values.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "records/catalogue.h"
#include "records/menu_record.h"
#include "shell/ui_text.h"

namespace camopt {

// Models that share their lists, defaults and enabling rules: the option
// group of their catalogue row.
using CamGroup = CamOptionGroup;
inline constexpr int kCamGroups = kCamOptionGroups;

CamGroup CamGroupOf(uint16_t model_code);
const char* CamGroupName(CamGroup g);

enum class EntryKind : uint8_t {
  Empty,      // no entries (the list stays without selection)
  Texts,      // entries of a UiTextList (both languages)
  Pairs,      // entries of a UiPairList, then `blanks` empty entries
  Plain,      // the same text in both languages
  Numbers,    // "%d" for first..last, after an optional leading text entry
  TimeZones,  // "UTC-12" .. "UTC-01", "UTC+00" .. "UTC+12"
};

struct OptionList {
  EntryKind kind = EntryKind::Empty;
  const char* const* rows[2] = {nullptr, nullptr};  // Texts: Chinese, English; Plain: both the same
  const UiText* pairs = nullptr;                    // Pairs
  int count = 0;                                    // entries taken from rows or pairs
  int blanks = 0;                                   // Pairs: empty entries that follow
  int first = 0, last = -1;                         // Numbers
  const UiText* lead = nullptr;                     // Numbers: entry before the numbers ("Auto")
};

// Number of entries, and the text of entry `pos` in `language` (0 Chinese,
// 1 English); "" outside the list.
int EntryCount(const OptionList& list);
std::string EntryText(const OptionList& list, int pos, int language);
// Position of an entry by its text in either language (ASCII letters
// compared without case), or -1.
int FindEntry(const OptionList& list, std::string_view text);

// Correction the window writes into the record when the stored position is
// above `above`: the position becomes `becomes`. above < 0: no correction.
struct Clamp {
  int above = -1;
  int becomes = 0;
};

struct SettingOptions {
  int control = 0;   // the list control of the camera setup window
  OptionList list;
  Clamp clamp;
  // Stored value = position + offset (Language on layouts 0, 2 and 3).
  int offset = 0;
};

// The list that shows a setting for a model, or nothing when the window
// shows that setting in no list for the model (edit fields, or a setting
// its layout lacks). PirInterval is answered with the minutes list; see
// IntervalValueList for both units. TimeZoneIndex is not a record setting:
// see TimeZoneList.
std::optional<SettingOptions> FindSettingOptions(uint16_t model_code, MenuSetting s);

// How a control of the window shows its setting.
enum class ControlKind : uint8_t {
  List,    // drop-down list: the record holds the chosen position (plus an offset)
  Number,  // edit of a decimal number
  Text,    // edit of text (the serial number of layout 3)
};

// The switch whose value opens a control for input, besides the model's
// own enabling rules.
enum class Opener : uint8_t {
  None,
  NotVideo60,  // CapMode other than Video(60FPS) (the video size)
  ClockInput,  // SetClock = Input (the clock edits)
  Timer1,      // Timer1On = On
  Timer2,      // Timer2On = On
  Serial,      // SerialOn = On (the serial number's lists and edit)
  TimeLapse,   // TimeLapseOn = On
};

// One control of the camera setup window that shows a record setting of
// every model alike: its id, kind, the characters an edit takes and reads
// back, and what opens it. The per-model lists of the list controls are
// answered by FindSettingOptions; the layout tail's lists by TailListsOf.
struct ControlDesc {
  MenuSetting setting;
  int control;
  ControlKind kind;
  int chars;  // edits
  Opener opener;
};
// Every such control: the lists in fill order, then the edits.
std::span<const ControlDesc> Controls();
const ControlDesc* FindControl(MenuSetting s);
// The setting that opens controls of an opener (Count for None), and
// whether a setting opens any.
MenuSetting OpenerSetting(Opener o);
bool IsOpener(MenuSetting s);

// The settings of the lists before the layout tail, in the order the window
// fills them (the tail: TailListsOf; the position directions and the scene
// are answered by FindSettingOptions too).
std::span<const MenuSetting> ListSettings();

// The interval: unit list ("Sec", "Min") and value list of a unit
// (0 seconds: "0".."59"; 1 minutes: "1".."60").
const OptionList& IntervalUnitList();
OptionList IntervalValueList(int unit);
// PirInterval encoding: bit 7 set for seconds, bits 0..6 the position in the
// value list of the unit.
uint8_t EncodePirInterval(int unit, int pos);
struct PirIntervalParts {
  int unit;  // 0 seconds, 1 minutes
  int pos;   // position in the value list of the unit
};
PirIntervalParts DecodePirInterval(uint8_t byte);

// The 25 time zones, UTC-12 first.
const OptionList& TimeZoneList();
inline constexpr int kTimeZoneCount = 25;
inline constexpr int kTimeZoneUtc = 12;

// The list of control 40127 and 40130 in the layout tail, per group; the
// setting each one shows, and what their labels read.
struct TailLists {
  const UiText* time_zone_label = nullptr;  // 40126
  MenuSetting time_zone_setting = MenuSetting::Count;  // Count: the time zone, else VideoSound (NANO-B)
  OptionList time_zone_list;
  const UiText* video_sound_label = nullptr;  // 40129
  OptionList video_sound_list;                // 40130
  MenuSetting video_sound_fill = MenuSetting::Count;  // what 40130 shows
  MenuSetting video_sound_read = MenuSetting::Count;  // what 40130 is written back into
  bool photo_ev_fixed = false;                        // the write back stores PhotoEv 2
  OptionList scene_list;                              // 40134; Empty when the group has no scene
};
const TailLists& TailListsOf(CamGroup g);

// Per-group facts the window branches on.
struct GroupTraits {
  const UiText* beep_label;     // label 40036
  const UiText* tv_label;       // label 40123
  uint8_t time_lapse_on_entry;  // position of "On" in the time lapse list
  bool serial_text;             // edit 40131 holds the serial number
  bool video60;                 // CapMode 3 ("Video(60FPS)") fixes VideoSize to 1080P
};
const GroupTraits& TraitsOf(CamGroup g);

// Positions used by the window's rules.
inline constexpr int kCapModeVideo60 = 3;
inline constexpr int kVideoSize1080P = 1;
inline constexpr int kSetClockAuto = 0, kSetClockInput = 1, kSetClockOff = 2;

}  // namespace camopt
