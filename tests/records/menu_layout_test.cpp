#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/menu_record.h"
#include "records/app_state.h"

namespace {

using S = MenuSetting;

struct Place {
  S setting;
  const char* name;
  int offset[4];  // L0..L3, -1 where the layout has none
};

// Byte of each setting in the four layouts, as the camera reads them.
const Place kPlaces[] = {
    {S::CapMode, "CapMode", {0, 0, 0, 0}},
    {S::ImgSize, "ImgSize", {1, 1, 1, 1}},
    {S::VideoSize, "VideoSize", {2, 2, 2, 2}},
    {S::PicNumber, "PicNumber", {3, 3, 3, 3}},
    {S::TimeStamp, "TimeStamp", {4, 7, 4, 4}},
    {S::SenseLevel, "SenseLevel", {5, 6, 5, 5}},
    {S::SidePir, "SidePir", {6, 8, 6, 6}},
    {S::VideoLength, "VideoLength", {7, 4, 7, 7}},
    {S::PirInterval, "PirInterval", {8, 5, 8, 8}},
    {S::DateFormat, "DateFormat", {9, 12, 9, 9}},
    {S::BeepSound, "BeepSound", {10, 13, 10, 10}},
    {S::SpeakerVolume, "SpeakerVolume", {-1, -1, -1, 52}},
    {S::SdCycle, "SdCycle", {11, 9, 11, 11}},
    {S::Language, "Language", {12, 11, 12, 12}},
    {S::TvSystem, "TvSystem", {-1, 10, 49, 51}},
    {S::SetClock, "SetClock", {13, 14, 13, 13}},
    {S::ClockYear, "ClockYear", {14, 16, 14, 14}},
    {S::ClockMonth, "ClockMonth", {16, 18, 16, 16}},
    {S::ClockDay, "ClockDay", {17, 19, 17, 17}},
    {S::ClockHour, "ClockHour", {18, 20, 18, 18}},
    {S::ClockMinute, "ClockMinute", {19, 21, 19, 19}},
    {S::ClockSecond, "ClockSecond", {20, 22, 20, 20}},
    {S::Timer1On, "Timer1On", {21, 23, 21, 21}},
    {S::Timer1StartHour, "Timer1StartHour", {22, 24, 22, 22}},
    {S::Timer1StartMinute, "Timer1StartMinute", {23, 25, 23, 23}},
    {S::Timer1EndHour, "Timer1EndHour", {24, 26, 24, 24}},
    {S::Timer1EndMinute, "Timer1EndMinute", {25, 27, 25, 25}},
    {S::Timer2On, "Timer2On", {26, 28, 26, 26}},
    {S::Timer2StartHour, "Timer2StartHour", {27, 29, 27, 27}},
    {S::Timer2StartMinute, "Timer2StartMinute", {28, 30, 28, 28}},
    {S::Timer2EndHour, "Timer2EndHour", {29, 31, 29, 29}},
    {S::Timer2EndMinute, "Timer2EndMinute", {30, 32, 30, 30}},
    {S::SerialOn, "SerialOn", {31, 38, 31, 31}},
    {S::SerialChar0, "SerialChar0", {32, 39, 32, 32}},
    {S::SerialChar1, "SerialChar1", {33, 40, 33, 33}},
    {S::SerialChar2, "SerialChar2", {34, 41, 34, 34}},
    {S::SerialChar3, "SerialChar3", {35, 42, 35, 35}},
    {S::TimeLapseOn, "TimeLapseOn", {36, 43, 36, 36}},
    {S::TimeLapseHour, "TimeLapseHour", {37, 44, 37, 37}},
    {S::TimeLapseMinute, "TimeLapseMinute", {38, 45, 38, 38}},
    {S::TimeLapseSecond, "TimeLapseSecond", {39, 46, 39, 39}},
    {S::VideoSound, "VideoSound", {-1, 47, 47, 47}},
    {S::PhotoEv, "PhotoEv", {-1, 48, 50, 50}},
    {S::LongitudeDir, "LongitudeDir", {-1, 52, 51, 53}},
    {S::LongitudeDeg, "LongitudeDeg", {-1, 53, 52, 54}},
    {S::LongitudeMin, "LongitudeMin", {-1, 54, 53, 55}},
    {S::LongitudeSec, "LongitudeSec", {-1, 55, 54, 56}},
    {S::LatitudeDir, "LatitudeDir", {-1, 56, 55, 57}},
    {S::LatitudeDeg, "LatitudeDeg", {-1, 57, 56, 58}},
    {S::LatitudeMin, "LatitudeMin", {-1, 58, 57, 59}},
    {S::LatitudeSec, "LatitudeSec", {-1, 59, 58, 60}},
    {S::Byte40, "Byte40", {40, -1, 40, 40}},
    {S::CheckFlag, "uwCheckFlag", {42, 50, 42, 42}},
    {S::Reset, "Reset", {-1, -1, 46, 46}},
    {S::Reserved0, "byReserved[0]", {-1, -1, 59, -1}},
    {S::SerialText, "SerialText", {-1, -1, -1, 157}},
};

int WidthOf(S s) {
  if (s == S::ClockYear || s == S::CheckFlag) return 2;
  if (s == S::SerialText) return 11;
  return 1;
}

// Bytes that belong to no setting: zero by default, kept as loaded.
struct Gap {
  int layout, offset, width;
};
const Gap kGaps[] = {
    {0, 41, 1},
    {1, 15, 1}, {1, 33, 5}, {1, 49, 1},
    {2, 41, 1}, {2, 44, 2}, {2, 48, 1}, {2, 60, 8},
    {3, 41, 1}, {3, 44, 2}, {3, 48, 2}, {3, 61, 96}, {3, 168, 20},
};

TEST(MenuLayout, RecordSizes) {
  EXPECT_EQ(MenuSize(0), 44);
  EXPECT_EQ(MenuSize(1), 60);
  EXPECT_EQ(MenuSize(2), 68);
  EXPECT_EQ(MenuSize(3), 188);
  EXPECT_EQ(MenuSize(4), 0);
  EXPECT_EQ(MenuSize(-1), 0);
}

TEST(MenuLayout, EverySettingSitsAtItsByteInEveryLayout) {
  ASSERT_EQ(std::size(kPlaces), static_cast<std::size_t>(S::Count));
  for (const Place& p : kPlaces)
    for (int layout = 0; layout < 4; ++layout)
      EXPECT_EQ(FieldLocation(p.setting, layout), p.offset[layout]) << p.name << " in L" << layout;
  EXPECT_EQ(FieldLocation(S::CapMode, 4), -1);
  EXPECT_EQ(FieldLocation(S::Count, 0), -1);
}

// Settings and the untouched bytes together cover each record exactly
// once: no two settings share a byte and none reaches past the end.
TEST(MenuLayout, SettingsAndReservedBytesTileEachRecord) {
  for (int layout = 0; layout < 4; ++layout) {
    std::vector<std::string> owner(static_cast<std::size_t>(MenuSize(layout)));
    auto claim = [&](int offset, int width, const std::string& name) {
      for (int i = offset; i < offset + width; ++i) {
        ASSERT_LT(i, MenuSize(layout)) << name << " in L" << layout;
        ASSERT_TRUE(owner[static_cast<std::size_t>(i)].empty())
            << name << " and " << owner[static_cast<std::size_t>(i)] << " share byte " << i << " in L" << layout;
        owner[static_cast<std::size_t>(i)] = name;
      }
    };
    for (const Place& p : kPlaces) {
      const int offset = FieldLocation(p.setting, layout);
      if (offset >= 0) claim(offset, WidthOf(p.setting), p.name);
    }
    for (const Gap& g : kGaps)
      if (g.layout == layout) claim(g.offset, g.width, "reserved");
    for (std::size_t i = 0; i < owner.size(); ++i) EXPECT_FALSE(owner[i].empty()) << "byte " << i << " of L" << layout;
  }
}

TEST(MenuLayout, SixteenBitFieldsAreLittleEndianAndAbsentSettingsAreInert) {
  ResetMenuState();
  App().MenuLayout = 1;
  MenuSet(S::ClockYear, 2025);
  EXPECT_EQ(MenuRecord(1)[16], 2025 & 0xFF);
  EXPECT_EQ(MenuRecord(1)[17], 2025 >> 8);
  EXPECT_EQ(MenuGet(S::ClockYear), 2025);

  App().MenuLayout = 0;
  EXPECT_FALSE(MenuHas(S::TvSystem));
  MenuSet(S::TvSystem, 7);  // L0 has no TV system: nothing anywhere changes
  for (int i = 0; i < 44; ++i) EXPECT_EQ(MenuRecord(0)[i], 0) << i;
  EXPECT_EQ(MenuGet(S::TvSystem), 0);
  ResetMenuState();
}

TEST(MenuLayout, SerialTextIsBoundedByItsField) {
  ResetMenuState();
  App().MenuLayout = 3;
  SetMenuSerialText("0123456789ABCDEF");
  EXPECT_EQ(MenuSerialText(), "0123456789");
  EXPECT_EQ(MenuRecord(3)[167], 0);
  EXPECT_EQ(MenuRecord(3)[168], 0);
  // A loaded field without its terminating zero reads as its 11 bytes only.
  for (int i = 157; i < 168; ++i) MenuRecord(3)[i] = 'Z';
  MenuRecord(3)[168] = 'Q';
  EXPECT_EQ(MenuSerialText(), std::string(11, 'Z'));
  App().MenuLayout = 2;
  EXPECT_EQ(MenuSerialText(), "");
  ResetMenuState();
}

}  // namespace
