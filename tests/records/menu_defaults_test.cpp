#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "records/catalogue.h"
#include "records/menu_record.h"
#include "records_test_support.h"
#include "records/app_state.h"

namespace {

using Bytes = std::initializer_list<std::pair<int, uint8_t>>;

// Non-zero bytes of the factory record of each layout, by offset.
const Bytes kL0 = {{1, 2}, {5, 1}, {6, 1}, {7, 9}, {10, 1}, {12, 2}, {36, 1}, {40, 0x8F}, {42, 0x80}, {43, 0x80}};
const Bytes kL1 = {{1, 1},  {2, 1},  {4, 9},  {6, 1},  {7, 1},    {8, 1},   {10, 1},
                   {12, 2}, {13, 1}, {47, 1}, {56, 1}, {50, 0x82}, {51, 0x80}};
const Bytes kL2 = {{5, 1}, {10, 1}, {12, 2}, {36, 1}, {40, 0x8F}, {42, 0x80}, {43, 0x80}, {50, 2}, {55, 1}};
const Bytes kL2Nano = {{1, 2}, {6, 1}, {7, 9}};        // 512, 514, 515, 516
const Bytes kL2P3 = {{0, 2}, {1, 1}, {7, 10}};         // 517, 518, 519
const Bytes kL2P4 = {{7, 9}};                          // 520, 521
const Bytes kL3 = {{5, 1}, {7, 9}, {10, 1}, {12, 2}, {36, 1}, {40, 0x8F}, {42, 0x85}, {43, 0x80}, {50, 2}, {57, 1}};
const Bytes kL3P5 = {};                                // 522
const Bytes kL3P5Wifi = {{0, 1}, {8, 0x8A}};           // 523
const Bytes kL3Ultra = {{1, 2}};                       // 524..533

struct ModelDefaults {
  uint16_t code;
  int layout;
  uint16_t preset;
  std::vector<Bytes> bytes;
};

const ModelDefaults kModels[] = {
    {512, 2, 0x8083, {kL2, kL2Nano}},   {513, 1, 0x8081, {kL1}},
    {514, 2, 0x8083, {kL2, kL2Nano}},   {515, 2, 0x8083, {kL2, kL2Nano}},
    {516, 2, 0x8083, {kL2, kL2Nano}},   {517, 2, 0x8083, {kL2, kL2P3}},
    {518, 2, 0x8083, {kL2, kL2P3}},     {519, 2, 0x8083, {kL2, kL2P3}},
    {520, 2, 0x8083, {kL2, kL2P4}},     {521, 2, 0x8083, {kL2, kL2P4}},
    {522, 3, 0x8085, {kL3, kL3P5}},     {523, 3, 0x8085, {kL3, kL3P5Wifi}},
    {524, 3, 0x8085, {kL3, kL3Ultra}},  {525, 3, 0x8085, {kL3, kL3Ultra}},
    {526, 3, 0x8085, {kL3, kL3Ultra}},  {527, 3, 0x8085, {kL3, kL3Ultra}},
    {528, 3, 0x8085, {kL3, kL3Ultra}},  {529, 3, 0x8085, {kL3, kL3Ultra}},
    {530, 3, 0x8085, {kL3, kL3Ultra}},  {531, 3, 0x8085, {kL3, kL3Ultra}},
    {532, 3, 0x8085, {kL3, kL3Ultra}},  {533, 3, 0x8085, {kL3, kL3Ultra}},
    {0, 0, 0x8080, {kL0}},   {1, 0, 0x8080, {kL0}},   {2, 0, 0x8080, {kL0}},
    {256, 0, 0x8080, {kL0}}, {257, 0, 0x8080, {kL0}}, {258, 0, 0x8080, {kL0}},
    {259, 0, 0x8080, {kL0}}, {260, 0, 0x8080, {kL0}}, {261, 0, 0x8080, {kL0}},
};

constexpr int kSizes[] = {44, 60, 68, 188};

class MenuDefaults : public records_test::RecordsTest {};

TEST_F(MenuDefaults, EveryModelGetsItsLayoutPresetAndFactoryRecordByteForByte) {
  for (const ModelDefaults& m : kModels) {
    SCOPED_TRACE(m.code);
    ResetMenuState();
    records_test::SelectModel(m.code);
    const int size = kSizes[m.layout];
    // Fill the record with noise so that every byte the defaults own is seen to be written.
    App().MenuLayout = m.layout;
    for (int i = 0; i < size; ++i) MenuRecord(m.layout)[i] = 0xA5;

    ChooseMenuLayout();
    ASSERT_EQ(App().MenuLayout, m.layout);
    EXPECT_EQ(MenuLayoutForModel(m.code, ModelSetupDlgId(m.code >> 8, m.code & 0xFF)), m.layout);
    EXPECT_EQ(CheckFlagPreset(m.layout), m.preset);
    EXPECT_EQ(MenuRecord(m.layout)[m.layout == 1 ? 50 : 42], m.preset & 0xFF);
    EXPECT_EQ(MenuRecord(m.layout)[m.layout == 1 ? 51 : 43], m.preset >> 8);

    App().TimeZoneIndex = 17;
    ApplyMenuDefaults();
    std::vector<uint8_t> expected(static_cast<std::size_t>(size), 0);
    for (const Bytes& part : m.bytes)
      for (const auto& [offset, value] : part) expected[static_cast<std::size_t>(offset)] = value;
    const std::vector<uint8_t> actual(MenuRecord(m.layout), MenuRecord(m.layout) + size);
    for (int i = 0; i < size; ++i)
      EXPECT_EQ(actual[static_cast<std::size_t>(i)], expected[static_cast<std::size_t>(i)]) << "byte " << i;
    EXPECT_EQ(App().TimeZoneIndex, 17) << "the defaults leave the time zone alone";
  }
}

TEST_F(MenuDefaults, LayoutChoiceFollowsTheTemplateForCodesOutsideTheFixedGroups) {
  EXPECT_EQ(MenuLayoutForModel(512, 113), 2);
  EXPECT_EQ(MenuLayoutForModel(514, 113), 2);
  EXPECT_EQ(MenuLayoutForModel(513, 113), 1);
  EXPECT_EQ(MenuLayoutForModel(512, 108), 0);
  EXPECT_EQ(MenuLayoutForModel(517, 108), 2);  // the code test comes first
  EXPECT_EQ(MenuLayoutForModel(530, 0), 3);
}

}  // namespace
