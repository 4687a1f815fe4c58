// Every entry of every list the user can choose survives Generate, a fresh
// run that loads the file, and closing and reopening the window: the same
// entry is shown and the same byte is stored. One round per list position:
// in round k every list shows its entry k (modulo its length).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "cam_test_support.h"
#include "platform/layout.h"

namespace camtest {
namespace {

using S = MenuSetting;
namespace id = camid;

bool IsUltra(uint16_t code) { return code >= 524 && code <= 533; }
bool IsNanoB(uint16_t code) { return code == 513; }

// Where a list is written back, as the camera reads it.
struct Store {
  S setting;
  int offset = 0;  // stored = position + offset
};

std::map<int, Store> StoresOf(uint16_t code) {
  const int layout = LayoutOf(code);
  std::map<int, Store> m = {
      {id::kCapMode, {S::CapMode}},
      {id::kImgSize, {S::ImgSize}},
      {id::kVideoSize, {S::VideoSize}},
      {id::kPicNumber, {S::PicNumber}},
      {id::kTimeStamp, {S::TimeStamp}},
      {id::kSenseLevel, {S::SenseLevel}},
      {id::kSidePir, {S::SidePir}},
      {id::kVideoLength, {S::VideoLength}},
      {id::kDateFormat, {S::DateFormat}},
      {id::kBeepSound, {IsUltra(code) ? S::SpeakerVolume : S::BeepSound}},
      {id::kSdCycle, {S::SdCycle}},
      {id::kLanguage, {S::Language, layout == 1 ? 0 : 1}},
      {id::kTvSystem, {S::TvSystem}},
      {id::kTimer1On, {S::Timer1On}},
      {id::kTimer1StartHour, {S::Timer1StartHour}},
      {id::kTimer1StartMinute, {S::Timer1StartMinute}},
      {id::kTimer1EndHour, {S::Timer1EndHour}},
      {id::kTimer1EndMinute, {S::Timer1EndMinute}},
      {id::kTimer2On, {S::Timer2On}},
      {id::kTimer2StartHour, {S::Timer2StartHour}},
      {id::kTimer2StartMinute, {S::Timer2StartMinute}},
      {id::kTimer2EndHour, {S::Timer2EndHour}},
      {id::kTimer2EndMinute, {S::Timer2EndMinute}},
      {id::kSerialOn, {S::SerialOn}},
      {id::kSerialChar0 + 0, {S::SerialChar0}},
      {id::kSerialChar0 + 1, {S::SerialChar1}},
      {id::kSerialChar0 + 2, {S::SerialChar2}},
      {id::kSerialChar0 + 3, {S::SerialChar3}},
      {id::kTimeLapseOn, {S::TimeLapseOn}},
      {id::kTimeLapseHour, {S::TimeLapseHour}},
      {id::kTimeLapseMinute, {S::TimeLapseMinute}},
      {id::kTimeLapseSecond, {S::TimeLapseSecond}},
      {id::kLongitudeDir, {S::LongitudeDir}},
      {id::kLatitudeDir, {S::LatitudeDir}},
      {id::kScene, {S::Reserved0}},
  };
  // 40130 is the exposure or BW photo level where it can be chosen, the
  // video sound on VORN-P3; 40127 is the video sound on NANO-B.
  if (code == 517 || code == 518 || code == 519)
    m[id::kVideoSound] = {S::VideoSound};
  else
    m[id::kVideoSound] = {S::PhotoEv};
  if (IsNanoB(code)) m[id::kTimeZone] = {S::VideoSound};
  return m;
}

// Switches whose dependent lists must be on while those are chosen; they
// get their own round value last.
constexpr int kSwitches[] = {id::kTimer1On, id::kTimer2On, id::kSerialOn, id::kTimeLapseOn};

class RoundTrip : public CamTest, public ::testing::WithParamInterface<uint16_t> {
 protected:
  struct Round {
    std::map<int, int> chosen;  // list control -> position
    int unit = 1;
    int interval = 0;
    int clock_mode = 0;
    int zone = -1;
  };

  bool Usable(int ctl) { return s().Shown(ctl) && s().Enabled(ctl) && !s().Items(ctl).empty(); }

  void Choose(Round& r, int ctl, int k) {
    if (!Usable(ctl)) return;
    const int pos = k % static_cast<int>(s().Items(ctl).size());
    ASSERT_TRUE(s().Select(ctl, pos)) << ctl;
    r.chosen[ctl] = pos;
  }

  Round Play(uint16_t code, int k) {
    Round r;
    const int on_entry = IsNanoB(code) ? 1 : 0;
    s().Select(id::kTimer1On, 1);
    s().Select(id::kTimer2On, 1);
    s().Select(id::kSerialOn, 1);
    s().Select(id::kTimeLapseOn, on_entry);

    r.unit = k % 2;
    EXPECT_TRUE(s().Select(id::kIntervalUnit, r.unit));
    r.interval = k % static_cast<int>(s().Items(id::kInterval).size());
    EXPECT_TRUE(s().Select(id::kInterval, r.interval));

    const platform::DialogLayout* l = platform::FindLayout(id::kTemplateFull);
    for (const platform::ControlDef& c : l->controls) {
      if (c.cls != platform::ControlClass::ComboDropList) continue;
      switch (c.id) {
        case id::kCapMode: case id::kIntervalUnit: case id::kInterval: case id::kSetClock:
        case id::kTimer1On: case id::kTimer2On: case id::kSerialOn: case id::kTimeLapseOn:
          continue;
        default: break;
      }
      if (c.id == id::kTimeZone && !IsNanoB(code)) {
        if (Usable(c.id)) {
          r.zone = k % 25;
          EXPECT_TRUE(s().Select(c.id, r.zone));
        }
        continue;
      }
      Choose(r, c.id, k);
    }
    Choose(r, id::kCapMode, k);
    if (r.chosen[id::kCapMode] == 3) r.chosen[id::kVideoSize] = 1;  // Video(60FPS) records in 1080P
    for (int i = 0; i < 4; ++i) Choose(r, kSwitches[i], k + i);
    r.clock_mode = k % 3;
    EXPECT_TRUE(s().Select(id::kSetClock, r.clock_mode));
    return r;
  }

  void ExpectFile(uint16_t code, const Round& r, const std::vector<uint8_t>& file) {
    const int layout = LayoutOf(code);
    const auto stores = StoresOf(code);
    for (const auto& [ctl, pos] : r.chosen) {
      const Store& st = stores.at(ctl);
      EXPECT_EQ(FieldOf(file, st.setting, layout), pos + st.offset) << "control " << ctl << " model " << code;
    }
    EXPECT_EQ(FieldOf(file, S::PirInterval, layout), r.unit == 0 ? (0x80 | r.interval) : r.interval);
    const int zone = r.zone >= 0 ? r.zone : 20;
    const int clock = layout >= 2 ? (0x80 | (zone << 2) | r.clock_mode) : r.clock_mode;
    EXPECT_EQ(FieldOf(file, S::SetClock, layout), clock) << "model " << code;
    if (code == 517 || code == 518 || code == 519) {
      EXPECT_EQ(FieldOf(file, S::PhotoEv, layout), 2);
    }
  }

  // What a fresh run shows: the file's entries, the clock back on Auto.
  void ExpectShown(uint16_t code, const Round& r, bool fresh) {
    for (const auto& [ctl, pos] : r.chosen) {
      const int want = pos;
      EXPECT_EQ(s().Selection(ctl), want) << "control " << ctl << " model " << code;
    }
    EXPECT_EQ(s().Selection(id::kIntervalUnit), r.unit);
    EXPECT_EQ(s().Selection(id::kInterval), r.interval);
    if (r.zone >= 0) {
      EXPECT_EQ(s().Selection(id::kTimeZone), r.zone);
    }
    EXPECT_EQ(s().Selection(id::kSetClock), fresh ? 0 : r.clock_mode);
  }
};

TEST_P(RoundTrip, EveryEntrySurvivesGenerateAFreshRunAndReopening) {
  const uint16_t code = GetParam();
  const int layout = LayoutOf(code);
  for (int k = 0; k < 61; ++k) {
    SCOPED_TRACE("round " + std::to_string(k));
    Open(code);
    const Round r = Play(code, k);
    ASSERT_TRUE(Generate());
    const auto first = FileRecord();
    ExpectFile(code, r, first);

    Open(code);  // a fresh run reads the file
    ExpectShown(code, r, true);
    Reopen(code);  // the record as the window left it, without reading again
    ExpectShown(code, r, true);

    // Written again, the file holds the same bytes (the clock aside, which
    // a fresh run sets back to Auto with the PC time).
    ASSERT_TRUE(Generate());
    auto again = FileRecord();
    auto expect = first;
    for (S c : {S::ClockYear, S::ClockMonth, S::ClockDay, S::ClockHour, S::ClockMinute, S::ClockSecond}) {
      SetField(again, c, layout, 0);
      SetField(expect, c, layout, 0);
    }
    SetField(expect, S::SetClock, layout, FieldOf(expect, S::SetClock, layout) & ~3);
    EXPECT_EQ(again, expect);
    if (HasFailure()) return;
  }
}

TEST_P(RoundTrip, ClosingAndReopeningKeepsTheClockModeAndTimeZone) {
  const uint16_t code = GetParam();
  Open(code);
  ASSERT_TRUE(s().Select(id::kSetClock, 2));
  const bool zone = s().Enabled(id::kTimeZone) && !IsNanoB(code);
  if (zone) {
    ASSERT_TRUE(s().Select(id::kTimeZone, 3));
  }
  Reopen(code);
  EXPECT_EQ(s().Selection(id::kSetClock), 2);
  if (zone) {
    EXPECT_EQ(s().Selection(id::kTimeZone), 3);
  }
  EXPECT_EQ(s().Text(id::kClockYear), "");  // Off: no clock shown
}

INSTANTIATE_TEST_SUITE_P(Models, RoundTrip, ::testing::ValuesIn(AllModels()),
                         [](const ::testing::TestParamInfo<uint16_t>& i) { return std::to_string(i.param); });

}  // namespace
}  // namespace camtest
