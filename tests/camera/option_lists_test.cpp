// The option lists as another caller sees them: per model code and
// setting, the entries in both languages, the clamp rule and the stored
// offset; the interval and time zone encodings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "camera/cam_setup_ids.h"
#include "camera/option_lists.h"

namespace {

using camopt::CamGroup;
using camopt::FindSettingOptions;
using S = MenuSetting;

std::vector<std::string> Entries(uint16_t code, S s, int language = 1) {
  const auto o = FindSettingOptions(code, s);
  std::vector<std::string> v;
  if (!o) return {"<no list>"};
  for (int i = 0; i < camopt::EntryCount(o->list); ++i) v.push_back(camopt::EntryText(o->list, i, language));
  return v;
}

using V = std::vector<std::string>;

TEST(OptionLists, GroupsOfTheModelCodes) {
  const CamGroup expect[] = {CamGroup::NanoA, CamGroup::NanoB, CamGroup::NanoA, CamGroup::P2,   CamGroup::P2,
                             CamGroup::P3,    CamGroup::P3,    CamGroup::P3,    CamGroup::P4,   CamGroup::P4,
                             CamGroup::P5,    CamGroup::P5};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(camopt::CamGroupOf(static_cast<uint16_t>(512 + i)), expect[i]) << 512 + i;
  for (uint16_t c = 524; c <= 533; ++c) EXPECT_EQ(camopt::CamGroupOf(c), CamGroup::Ultra) << c;
  for (uint16_t c : {0, 1, 2, 256, 261, 534, 511}) EXPECT_EQ(camopt::CamGroupOf(c), CamGroup::Legacy) << c;
}

TEST(OptionLists, PhotoAndVideoSizesWithTheirClamps) {
  struct Case {
    uint16_t code;
    V photo;
    int above, becomes;
    V video;
  } cases[] = {
      {513, {"16 MP", "12 MP", "8 MP", "5 MP", "3 MP"}, 4, 3, {"1080P", "720P", "VGA"}},
      {518, {"4 MP", "8 MP", "12 MP", "16 MP", "20 MP"}, 4, 1, {"4K", "2K"}},
      {521, {"8 MP", "16 MP", "2 MP"}, 2, 0, {"4K", "2K"}},
      {522, {"8 MP", "16 MP", "2 MP"}, 2, 0, {"4K", "1080P"}},
      {530, {"32 MP", "12 MP", "5 MP"}, 2, 2, {"3K", "1080P"}},
      {514, {"30 MP", "14 MP", "10 MP", "3 MP"}, 3, 1, {"1080P", "720P", "VGA"}},
      {257, {"30 MP", "14 MP", "10 MP", "3 MP"}, 3, 1, {"1080P", "720P", "VGA"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Entries(c.code, S::ImgSize), c.photo) << c.code;
    const auto o = FindSettingOptions(c.code, S::ImgSize);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->control, camid::kImgSize);
    EXPECT_EQ(o->clamp.above, c.above) << c.code;
    EXPECT_EQ(o->clamp.becomes, c.becomes) << c.code;
    EXPECT_EQ(Entries(c.code, S::VideoSize), c.video) << c.code;
  }
  // Video sizes are clamped on 517..523 only.
  EXPECT_EQ(FindSettingOptions(523, S::VideoSize)->clamp.above, 1);
  EXPECT_LT(FindSettingOptions(524, S::VideoSize)->clamp.above, 0);
  EXPECT_LT(FindSettingOptions(512, S::VideoSize)->clamp.above, 0);
}

TEST(OptionLists, VideoLengthAndCaptureModes) {
  const V p4 = Entries(520, S::VideoLength);
  ASSERT_EQ(p4.size(), 60u);
  EXPECT_EQ(p4.front(), "1");
  EXPECT_EQ(p4.back(), "60");
  const V p3 = Entries(517, S::VideoLength);
  ASSERT_EQ(p3.size(), 61u);
  EXPECT_EQ(p3[0], "Auto");
  EXPECT_EQ(p3[1], "1");
  const V nano = Entries(512, S::VideoLength, 0);
  ASSERT_EQ(nano.size(), 60u);
  EXPECT_EQ(nano[0], "自动");
  EXPECT_EQ(nano[1], "2");

  EXPECT_EQ(Entries(517, S::CapMode), (V{"Camera", "Video", "Video+Snapshot"}));
  EXPECT_EQ(Entries(523, S::CapMode), (V{"Camera", "Video", "Camera+Video"}));
  EXPECT_EQ(Entries(533, S::CapMode), (V{"Camera", "Video", "Camera+Video", "Video(60FPS)"}));
  EXPECT_EQ(Entries(512, S::PicNumber, 0), (V{"01 张", "02 张", "03 张"}));
}

TEST(OptionLists, SwitchOrderDiffersOnNanoB) {
  EXPECT_EQ(Entries(513, S::TimeStamp), (V{"Off", "On"}));
  EXPECT_EQ(Entries(512, S::TimeStamp), (V{"On", "Off"}));
  EXPECT_EQ(Entries(513, S::TimeLapseOn), (V{"Off", "On"}));
  EXPECT_EQ(Entries(526, S::TimeLapseOn), (V{"On", "Off"}));
  EXPECT_EQ(camopt::TraitsOf(CamGroup::NanoB).time_lapse_on_entry, 1);
  EXPECT_EQ(camopt::TraitsOf(CamGroup::P5).time_lapse_on_entry, 0);
}

TEST(OptionLists, ModelSpecificSettings) {
  // Beep sound, or the speaker volume on the ULTRA rows: one control, two settings.
  EXPECT_EQ(Entries(522, S::BeepSound), (V{"Off", "On"}));
  EXPECT_EQ(Entries(522, S::SpeakerVolume), (V{"<no list>"}));
  EXPECT_EQ(Entries(524, S::SpeakerVolume), (V{"Low", "Middle", "High"}));
  EXPECT_EQ(Entries(524, S::BeepSound), (V{"<no list>"}));
  // TV system: three meanings, none on 517..523, no control on template 108.
  EXPECT_EQ(Entries(513, S::TvSystem), (V{"NTSC", "PAL"}));
  EXPECT_EQ(Entries(515, S::TvSystem), (V{"High", "Low"}));
  EXPECT_EQ(Entries(527, S::TvSystem), (V{"50HZ", "60HZ"}));
  EXPECT_EQ(Entries(519, S::TvSystem), V{});
  EXPECT_EQ(Entries(0, S::TvSystem), (V{"<no list>"}));
  // Video sound and exposure.
  EXPECT_EQ(Entries(512, S::PhotoEv), (V{"Low", "Middle", "High"}));
  EXPECT_EQ(Entries(513, S::PhotoEv), (V{"High", "Middle", "Low"}));
  EXPECT_EQ(Entries(513, S::VideoSound), (V{"Off", "On"}));
  EXPECT_EQ(FindSettingOptions(513, S::VideoSound)->control, camid::kTimeZone);
  EXPECT_EQ(Entries(518, S::VideoSound), (V{"On", "Off"}));
  EXPECT_EQ(FindSettingOptions(518, S::VideoSound)->control, camid::kVideoSound);
  EXPECT_EQ(Entries(0, S::VideoSound), (V{"<no list>"}));
  // The scene of VORN-P2 only.
  EXPECT_EQ(Entries(516, S::Reserved0), (V{"Jungle 1", "Jungle 2", "Open terrain"}));
  EXPECT_EQ(Entries(517, S::Reserved0), (V{"<no list>"}));
  // Position directions.
  EXPECT_EQ(Entries(520, S::LongitudeDir, 0), (V{"东", "西"}));
  EXPECT_EQ(Entries(520, S::LatitudeDir), (V{"S", "N"}));
  // Edit fields have no list.
  EXPECT_FALSE(FindSettingOptions(520, S::ClockYear));
  EXPECT_FALSE(FindSettingOptions(520, S::SerialText));
}

TEST(OptionLists, MenuLanguagesAndTheirStoredValue) {
  const V b = Entries(513, S::Language);
  ASSERT_EQ(b.size(), 14u);
  EXPECT_EQ(b[0], "English");
  EXPECT_EQ(b[8], "Japanese");
  for (int i = 9; i < 14; ++i) EXPECT_EQ(b[i], "") << i;
  EXPECT_EQ(FindSettingOptions(513, S::Language)->offset, 0);
  const V a = Entries(512, S::Language, 0);
  ASSERT_EQ(a.size(), 14u);
  EXPECT_EQ(a[0], "简体中文");
  EXPECT_EQ(a[13], "波兰语");
  EXPECT_EQ(FindSettingOptions(512, S::Language)->offset, 1);
  EXPECT_EQ(FindSettingOptions(256, S::Language)->offset, 1);
}

TEST(OptionLists, EntriesAreFoundByTheirText) {
  const auto mode = FindSettingOptions(526, S::CapMode);
  EXPECT_EQ(camopt::FindEntry(mode->list, "video(60fps)"), 3);
  EXPECT_EQ(camopt::FindEntry(mode->list, "录像"), 1);
  EXPECT_EQ(camopt::FindEntry(mode->list, "Snapshot"), -1);
  const auto len = FindSettingOptions(512, S::VideoLength);
  EXPECT_EQ(camopt::FindEntry(len->list, "AUTO"), 0);
  EXPECT_EQ(camopt::FindEntry(len->list, "2"), 1);
  const auto lang = FindSettingOptions(513, S::Language);
  EXPECT_EQ(camopt::FindEntry(lang->list, ""), -1);  // the blank entries are not names
}

TEST(OptionLists, IntervalAndTimeZoneEncodings) {
  EXPECT_EQ(camopt::EncodePirInterval(0, 10), 0x8A);
  EXPECT_EQ(camopt::EncodePirInterval(1, 0), 0x00);
  EXPECT_EQ(camopt::EncodePirInterval(1, 59), 0x3B);
  for (int b = 0; b < 256; ++b) {
    const auto p = camopt::DecodePirInterval(static_cast<uint8_t>(b));
    EXPECT_EQ(camopt::EncodePirInterval(p.unit, p.pos), b);
  }
  const auto sec = camopt::IntervalValueList(0);
  const auto min = camopt::IntervalValueList(1);
  EXPECT_EQ(camopt::EntryText(sec, 10, 1), "10");
  EXPECT_EQ(camopt::EntryCount(sec), 60);
  EXPECT_EQ(camopt::EntryText(min, 0, 1), "1");
  EXPECT_EQ(camopt::EntryText(min, 59, 1), "60");
  EXPECT_EQ(camopt::EntryText(camopt::IntervalUnitList(), 0, 0), "秒钟");

  const auto& zones = camopt::TimeZoneList();
  ASSERT_EQ(camopt::EntryCount(zones), 25);
  EXPECT_EQ(camopt::EntryText(zones, 0, 1), "UTC-12");
  EXPECT_EQ(camopt::EntryText(zones, 11, 1), "UTC-01");
  EXPECT_EQ(camopt::EntryText(zones, 12, 1), "UTC+00");
  EXPECT_EQ(camopt::EntryText(zones, 24, 0), "UTC+12");
  EXPECT_EQ(camopt::EntryText(zones, 25, 1), "");
}

TEST(OptionLists, EveryListedSettingAnswersForEveryModel) {
  for (uint16_t code = 512; code <= 533; ++code) {
    int lists = 0;
    for (S s : camopt::ListSettings()) {
      const auto o = FindSettingOptions(code, s);
      if (!o) continue;
      ++lists;
      for (int i = 0; i < camopt::EntryCount(o->list); ++i) {
        if (s == S::Language && code == 513 && i >= 9) continue;  // NANO-B's five blank entries
        for (int lang : {0, 1})
          EXPECT_FALSE(camopt::EntryText(o->list, i, lang).empty()) << code << " " << int(s) << " " << i;
      }
    }
    EXPECT_EQ(lists, 34) << code;  // 35 list settings, one of beep sound and speaker volume
  }
}

}  // namespace
