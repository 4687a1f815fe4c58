// The camera settings record that menu.dat holds, in its four layouts
// (MenuLayout 0..3: 44, 60, 68 and 188 bytes). One live record per
// layout, shared by all models of that layout. Settings are addressed by
// name through the FieldLocationTable, so one routine serves all layouts.
#pragma once

#include <cstdint>
#include <string_view>

#include "records/record_outcome.h"

enum class MenuSetting : uint8_t {
  CapMode, ImgSize, VideoSize, PicNumber, TimeStamp, SenseLevel, SidePir,
  VideoLength, PirInterval, DateFormat, BeepSound, SpeakerVolume, SdCycle,
  Language, TvSystem, SetClock,
  ClockYear,  // 16-bit
  ClockMonth, ClockDay, ClockHour, ClockMinute, ClockSecond,
  Timer1On, Timer1StartHour, Timer1StartMinute, Timer1EndHour, Timer1EndMinute,
  Timer2On, Timer2StartHour, Timer2StartMinute, Timer2EndHour, Timer2EndMinute,
  SerialOn,
  SerialChar0, SerialChar1, SerialChar2, SerialChar3,
  TimeLapseOn, TimeLapseHour, TimeLapseMinute, TimeLapseSecond,
  VideoSound, PhotoEv,
  LongitudeDir, LongitudeDeg, LongitudeMin, LongitudeSec,
  LatitudeDir, LatitudeDeg, LatitudeMin, LatitudeSec,
  Byte40,      // 0x8F by the defaults (L0, L2, L3)
  CheckFlag,   // uwCheckFlag, 16-bit
  Reset,       // L2, L3
  Reserved0,   // L2 byReserved[0]: scene of VORN-P2 and VORN-P2-4G
  SerialText,  // L3, 11 bytes
  Count
};

inline constexpr int kMenuLayouts = 4;
inline constexpr int kSerialTextSize = 11;


// Record size of a layout.
int MenuSize(int layout);
// The setting's name as the record calls it ("CapMode", "SerialText").
const char* MenuSettingName(MenuSetting s);
// Byte offset of a setting in a layout, or -1 when the layout has none.
int FieldLocation(MenuSetting s, int layout);
// The live record of a layout (MenuSize(layout) bytes).
uint8_t* MenuRecord(int layout);

// Access to the current layout's record; a setting the layout lacks reads 0
// and ignores writes. ClockYear and CheckFlag are 16-bit.
uint16_t MenuGet(MenuSetting s);
void MenuSet(MenuSetting s, uint16_t value);
bool MenuHas(MenuSetting s);
// SerialText of the current layout (L3 only; empty elsewhere), bounded by
// its 11 bytes, and its replacement (at most 10 bytes kept, zero-filled).
std::string_view MenuSerialText();
void SetMenuSerialText(std::string_view text);

// The layout the current model uses (the table of tests), and the
// uwCheckFlag preset that goes with it.
int MenuLayoutForModel(uint16_t code, uint16_t setup_dlg_id);
uint16_t CheckFlagPreset(int layout);
// Sets MenuLayout for the current model and presets uwCheckFlag.
void ChooseMenuLayout();

// TimeZoneIndex from the PC's standard offset from UTC in hours (clamped to -12..+12).
void PcTimeZoneIndex(int pc_offset_hours);
void ApplyMenuDefaults();
// The camera settings file in SaveFolder.
inline constexpr char kMenuFileName[] = "menu.dat";

// Reads menu.dat of the current layout; the time zone starts as the PC's
// and is replaced by the one the file holds, if any.
RecordOutcome LoadMenuFile(int pc_offset_hours);
// Success when the file was written completely and is in place.
RecordOutcome SaveMenuFile();

// The opening step of the camera setup window: load once per model and
// run (or default), with the corrections that follow.
void LoadOrDefaultMenuOnce(int pc_offset_hours);
// Last valid position of the model's video length list (its catalogue trait).
int LastVideoLengthEntry(uint16_t code);

void ScrambleBytes(uint8_t* buffer, int length);
void UnscrambleBytes(uint8_t* buffer, int length);

// Resets the four records, MenuLayout, TimeZoneIndex and MenuLoadedMask.
void ResetMenuState();
