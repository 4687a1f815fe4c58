// Every model, opened on an empty card: Generate without a change writes
// the factory values as the window corrects them, and Default writes the
// factory record marked as such.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "cam_test_support.h"

namespace camtest {
namespace {

using S = MenuSetting;

constexpr S kClockFields[] = {S::ClockYear, S::ClockMonth, S::ClockDay, S::ClockHour, S::ClockMinute, S::ClockSecond};

// What the window writes for an unchanged factory record: the file's check
// flag, the clock mode Auto with the PC's time zone packed in (layouts 2
// and 3), no TV system entry on codes 517..523, and on codes 520..533 the
// (disabled) video sound list written into PhotoEv.
std::vector<uint8_t> WrittenFactoryRecord(uint16_t code, bool by_default, int time_zone) {
  std::vector<uint8_t> v = FactoryRecord(code);
  const int layout = LayoutOf(code);
  auto set = [&](S s, uint16_t value) { SetField(v, s, layout, value); };
  switch (layout) {
    case 0: set(S::CheckFlag, 0x8080); break;
    case 1: set(S::CheckFlag, by_default ? 0x8082 : 0x8081); break;
    case 2: set(S::CheckFlag, (code == 515 || code == 516) ? 0x8086 : 0x8083); break;
    case 3: set(S::CheckFlag, 0x8085); break;
  }
  if (layout >= 2) {
    set(S::Reset, by_default ? 1 : 0);
    set(S::SetClock, static_cast<uint16_t>(0x80 | (time_zone << 2)));
  }
  if (code >= 517 && code <= 523) set(S::TvSystem, 0xFF);
  if (code >= 520) set(S::PhotoEv, FieldOf(v, S::VideoSound, layout));
  return v;
}

// The file with its clock bytes blanked, and those bytes checked against the PC clock.
std::vector<uint8_t> WithoutClock(std::vector<uint8_t> rec, int layout, const platform::LocalTime* expect) {
  if (expect) {
    EXPECT_EQ(FieldOf(rec, S::ClockYear, layout), expect->year);
    EXPECT_EQ(FieldOf(rec, S::ClockMonth, layout), expect->month);
    EXPECT_EQ(FieldOf(rec, S::ClockDay, layout), expect->day);
    EXPECT_EQ(FieldOf(rec, S::ClockHour, layout), expect->hour);
    EXPECT_EQ(FieldOf(rec, S::ClockMinute, layout), expect->minute);
    EXPECT_EQ(FieldOf(rec, S::ClockSecond, layout), expect->second);
  }
  for (S s : kClockFields) SetField(rec, s, layout, 0);
  return rec;
}

std::string Hex(const std::vector<uint8_t>& v) {
  std::string out;
  char b[4];
  for (uint8_t x : v) {
    std::snprintf(b, sizeof b, "%02X ", x);
    out += b;
  }
  return out;
}

class EveryModel : public CamTest, public ::testing::WithParamInterface<uint16_t> {};

TEST_P(EveryModel, GenerateWithoutChangeWritesTheCorrectedFactoryValues) {
  const uint16_t code = GetParam();
  const int layout = LayoutOf(code);
  const auto expected = WithoutClock(WrittenFactoryRecord(code, false, 20), layout, nullptr);
  Open(code);
  ASSERT_TRUE(Generate());
  const auto file = FileRecord();
  ASSERT_EQ(static_cast<int>(file.size()), MenuSize(layout));
  EXPECT_EQ(Hex(WithoutClock(file, layout, &now_)), Hex(expected)) << "model " << code;
}

TEST_P(EveryModel, DefaultWritesTheFactoryRecordMarkedAsDefault) {
  const uint16_t code = GetParam();
  const int layout = LayoutOf(code);
  const auto expected = WithoutClock(WrittenFactoryRecord(code, true, 20), layout, nullptr);
  Open(code);
  // Change a few things first: Default must not keep them.
  ASSERT_TRUE(s().Select(camid::kPicNumber, 2));
  ASSERT_TRUE(s().Select(camid::kSenseLevel, 3));
  ASSERT_TRUE(s().Select(camid::kSetClock, 2));  // Off empties the clock fields
  ASSERT_TRUE(Default());
  const auto file = FileRecord();
  ASSERT_EQ(static_cast<int>(file.size()), MenuSize(layout));
  EXPECT_EQ(Hex(WithoutClock(file, layout, &now_)), Hex(expected)) << "model " << code;
  // The window shows the factory values again.
  EXPECT_EQ(s().Selection(camid::kPicNumber), 0);
  EXPECT_EQ(s().Selection(camid::kSenseLevel), 1);
  EXPECT_EQ(s().Selection(camid::kSetClock), 0);
}

INSTANTIATE_TEST_SUITE_P(Models, EveryModel, ::testing::ValuesIn(AllModels()),
                         [](const ::testing::TestParamInfo<uint16_t>& i) { return std::to_string(i.param); });

}  // namespace
}  // namespace camtest
