// Files of the right length but arbitrary content (a damaged card, a file
// from elsewhere) load without harm and come out normalised.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "records/menu_record.h"
#include "records/send_set.h"
#include "records_test_support.h"
#include "records/app_state.h"

namespace {

using records_test::SelectModel;
using records_test::WriteAll;

std::vector<uint8_t> RandomBytes(std::mt19937& rng, std::size_t size) {
  std::uniform_int_distribution<int> byte(0, 255);
  std::vector<uint8_t> bytes(size);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(byte(rng));
  return bytes;
}

class DamagedFile : public records_test::RecordsTest {};

TEST_F(DamagedFile, RandomMenuFilesLoadAndKeepTheClockModeInRange) {
  std::mt19937 rng(20261208);
  for (const uint16_t code : {0, 513, 517, 524}) {
    SelectModel(code);
    ChooseMenuLayout();
    for (int round = 0; round < 50; ++round) {
      const std::vector<uint8_t> bytes = RandomBytes(rng, static_cast<std::size_t>(MenuSize(App().MenuLayout)));
      WriteAll(MenuPath(), bytes);
      ASSERT_TRUE(LoadMenuFile(services_.utc_offset_hours));
      if (App().MenuLayout >= 2) {
        EXPECT_LE(MenuGet(MenuSetting::SetClock), 3);
        EXPECT_LE(App().TimeZoneIndex, 31);
      }
      EXPECT_EQ(std::vector<uint8_t>(MenuRecord(App().MenuLayout) + 14, MenuRecord(App().MenuLayout) + 16),
                records_test::Plain(std::vector<uint8_t>(bytes.begin() + 14, bytes.begin() + 16)));
    }
  }
}

TEST_F(DamagedFile, RandomCfgFilesEitherFailCleanlyOrComeOutNormalised) {
  std::mt19937 rng(1320);
  for (const uint16_t code : {512, 518, 528}) {
    SelectModel(code);
    for (int round = 0; round < 100; ++round) {
      std::vector<uint8_t> plain = RandomBytes(rng, static_cast<std::size_t>(SendSetFileSize()));
      if (round % 2 == 0) {  // half of them carry a flag the model accepts
        const uint16_t flag = ExpectedStructFlag();
        plain[12] = static_cast<uint8_t>(flag & 0xFF);
        plain[13] = static_cast<uint8_t>(flag >> 8);
      }
      WriteAll(CfgPath(), records_test::Scrambled(plain));
      if (LoadSendSet(0)) {
        EXPECT_EQ(App().g_sSendSet.bySendBy & IF_SEND_BY_APP_SET_FLG, 0);
        EXPECT_LE(App().g_sSendSet.bySendFileNum, 4);
        EXPECT_LE(App().g_sSendSet.byRemoteInterval, 25);
        EXPECT_EQ(App().g_sSendSet.byRemoteSwitch, App().g_sSendSet.byRemoteInterval < 25 ? 1 : 0);
        EXPECT_EQ(App().g_sSendSet.bySendMode, 0);
        EXPECT_EQ(App().g_sSendSet.uwMaxSendImgNum, 0);
      } else {
        EXPECT_EQ(App().g_sSendSet.StructFlag, ExpectedStructFlag());
      }
    }
  }
}

}  // namespace
