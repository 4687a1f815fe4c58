#include <gtest/gtest.h>

#include <set>
#include <string>

#include "records/app_state.h"
#include "records/catalogue.h"
#include "records_test_support.h"

namespace {

struct Row {
  int family;
  int index;
  const char* name;
  uint16_t picture;
  uint16_t setup;
  uint8_t wireless;
};

// The catalogue as the camera range defines it.
const Row kRows[] = {
    {2, 0, "NANO-A", 107, 113, 0},           {2, 1, "NANO-B", 111, 113, 0},
    {2, 2, "NANO-A-WIFI", 107, 113, 1},      {2, 3, "VORN-P2", 121, 113, 0},
    {2, 4, "VORN-P2-4G", 119, 113, 4},       {2, 5, "VORN-P3", 137, 113, 0},
    {2, 6, "VORN-P3-4G", 123, 113, 4},       {2, 7, "VORN-P3-5G", 125, 113, 4},
    {2, 8, "VORN-P4-4G", 127, 113, 4},       {2, 9, "VORN-P4-5G", 129, 113, 4},
    {2, 10, "VORN-P5-4G", 132, 113, 4},      {2, 11, "VORN-P5-WIFI", 135, 113, 1},
    {2, 12, "VORN-R1W ULTRA", 140, 113, 4},  {2, 13, "VORN-R1WU-4G", 140, 113, 4},
    {2, 14, "VORN-R2 ULTRA", 143, 113, 4},   {2, 15, "VORN-R2W ULTRA", 143, 113, 4},
    {2, 16, "VORN-R2U-4G", 143, 113, 4},     {2, 17, "VORN-R2WU-4G", 143, 113, 4},
    {2, 18, "VORN-R2U-5G", 143, 113, 4},     {2, 19, "VORN-R2WU-5G", 143, 113, 4},
    {2, 20, "VORN-K3 ULTRA", 123, 113, 4},   {2, 21, "VORN-K3U-4G", 123, 113, 4},
    {0, 0, "VORN-K1A", 101, 108, 0},         {0, 1, "VORN-K1WA", 101, 108, 0},
    {0, 2, "VORN-K1MG", 101, 108, 2},        {1, 0, "VORN-K2-4G", 101, 108, 4},
    {1, 1, "VORN-K3-4G", 101, 108, 4},       {1, 2, "VORN-K2-3G", 101, 108, 3},
    {1, 3, "VORN-K2-3G(BASIC)", 101, 108, 3}, {1, 4, "VORN-K3-3G", 101, 108, 3},
    {1, 5, "VORN-K3-3G(BASIC)", 101, 108, 3},
};

TEST(Catalogue, EveryNamedRowHasItsPictureTemplateAndWirelessKind) {
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    ASSERT_NE(ModelName(r.family, r.index), nullptr);
    EXPECT_STREQ(ModelName(r.family, r.index), r.name);
    EXPECT_EQ(ModelPictureId(r.family, r.index), r.picture);
    EXPECT_EQ(ModelSetupDlgId(r.family, r.index), r.setup);
    EXPECT_EQ(ModelWirelessFunc(r.family, r.index), r.wireless);
    const ModelRow* found = FindModel(static_cast<uint16_t>((r.family << 8) | r.index));
    ASSERT_NE(found, nullptr);
    EXPECT_STREQ(found->name, r.name);
  }
  EXPECT_EQ(ModelRowCount(0), 3);
  EXPECT_EQ(ModelRowCount(1), 6);
  EXPECT_EQ(ModelRowCount(2), 22);
}

TEST(Catalogue, SlotsAfterTheNamedRowsAndOutsideTheFamiliesAreEmpty) {
  const int slots[][2] = {{2, 22}, {2, 100}, {2, 533}, {0, 3}, {1, 6}, {2, 534}, {3, 0}, {-1, 0}, {2, -1}};
  for (const auto& s : slots) {
    SCOPED_TRACE(std::to_string(s[0]) + "/" + std::to_string(s[1]));
    EXPECT_EQ(ModelName(s[0], s[1]), nullptr);
    EXPECT_EQ(ModelPictureId(s[0], s[1]), 0);
    EXPECT_EQ(ModelSetupDlgId(s[0], s[1]), 0);
    EXPECT_EQ(ModelWirelessFunc(s[0], s[1]), 0);
  }
  EXPECT_EQ(FindModel(534), nullptr);
  EXPECT_EQ(FindModel(0x0300), nullptr);
}

// Codes for which a predicate holds, per selector 0, 2, 3, 4.
struct Group {
  const char* name;
  bool (*on_code)(uint16_t, uint8_t);
  bool (*on_model)(uint8_t);
  std::set<int> by_selector[5];
};

TEST(Catalogue, GroupPredicatesHoldExactlyForTheirRows) {
  const Group groups[] = {
      {"R1", IsR1Code, IsR1Model, {{524, 525}, {}, {524}, {525}, {}}},
      {"R2", IsR2Code, IsR2Model,
       {{526, 527, 528, 529, 530, 531}, {}, {526, 527}, {528, 529, 530, 531}, {530, 531}}},
      {"K3 ULTRA", IsK3UltraCode, IsK3UltraModel, {{532, 533}, {}, {532}, {533}, {}}},
  };
  std::vector<uint16_t> codes;
  for (const Row& r : kRows) codes.push_back(static_cast<uint16_t>((r.family << 8) | r.index));
  codes.push_back(534);
  codes.push_back(0xFFFF);

  for (const Group& g : groups) {
    for (const uint16_t code : codes) {
      records_test::SelectModel(code);
      for (int selector = 0; selector < 256; ++selector) {
        const bool expected = selector <= 4 && g.by_selector[selector].count(code) != 0;
        const auto v = static_cast<uint8_t>(selector);
        ASSERT_EQ(g.on_code(code, v), expected) << g.name << " code " << code << " selector " << selector;
        ASSERT_EQ(g.on_model(v), expected) << g.name << " code " << code << " selector " << selector;
      }
    }
  }
  ResetAppState();
}

TEST(Catalogue, P2HoldsForTheTwoP2Models) {
  for (const Row& r : kRows) {
    const auto code = static_cast<uint16_t>((r.family << 8) | r.index);
    records_test::SelectModel(code);
    EXPECT_EQ(IsP2Model(), code == 515 || code == 516) << code;
    EXPECT_EQ(IsP2Code(code), code == 515 || code == 516) << code;
  }
  ResetAppState();
}

TEST(AppState, StartValuesAndModelCode) {
  App().ModelFamily = 1;
  App().ModelIndex = 7;
  App().UiLanguage = 0;
  App().SaveFolder[0] = 'X';
  ResetAppState();
  EXPECT_EQ(App().ModelFamily, 2);
  EXPECT_EQ(App().ModelIndex, 0);
  EXPECT_EQ(GetModelCode(), 512);
  EXPECT_EQ(App().CamSetupDlgId, 108);
  EXPECT_EQ(App().CamPictureId, 107);
  EXPECT_EQ(App().UiLanguage, 1);
  EXPECT_STREQ(App().SaveFolder, "C:\\");

  App().ModelIndex = 12;
  UpdateModelCode();
  EXPECT_EQ(GetModelCode(), 524);
  ResetAppState();
}

TEST(AppState, WirelessFuncOfTheCurrentModelIsLoggedOnEveryCall) {
  records_test::DiagCapture capture;
  records_test::SelectModel(523);
  EXPECT_EQ(GetCamWirelessFunc(), 1);
  records_test::SelectModel(258);
  EXPECT_EQ(GetCamWirelessFunc(), 3);
  EXPECT_EQ(capture.Text(), "CamWirelessFunc = 1\nCamWirelessFunc = 3\n");
  ResetAppState();
}

}  // namespace
