// Saving onto a card that is full or write-protected must leave the file
// that was there untouched, leave no temporary file behind and report the
// failure. A small tmpfs stands in for the card.
#include <gtest/gtest.h>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "records/menu_record.h"
#include "records/send_set.h"
#include "records_test_support.h"
#include "records/app_state.h"

namespace {

using records_test::DiagCapture;
using records_test::ReadAll;
using records_test::SelectModel;

class SmallCard : public records_test::RecordsTest {
 protected:
  void SetUp() override {
    RecordsTest::SetUp();
    card_ = folder_ / "card";
    std::filesystem::create_directories(card_);
    if (::mount("tmpfs", card_.c_str(), "tmpfs", 0, "size=16k,mode=0755") != 0) {
      GTEST_SKIP() << "cannot mount a tmpfs here (" << std::strerror(errno) << "); needs root";
    }
    mounted_ = true;
    UseFolder(card_.string());
  }

  void TearDown() override {
    if (mounted_) ::umount2(card_.c_str(), MNT_DETACH);
    RecordsTest::TearDown();
  }

  // The ways a card breaks, named for the tests below.
 public:
  // Takes the rest of the card's space.
  void FillCard() {
    std::ofstream filler(card_ / "filler.bin", std::ios::binary);
    const std::vector<char> block(1024, 'f');
    for (int i = 0; i < 64 && filler; ++i) {
      filler.write(block.data(), static_cast<std::streamsize>(block.size()));
      filler.flush();
    }
  }

  void WriteProtect() {
    ASSERT_EQ(::mount(nullptr, card_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, "size=16k"), 0)
        << std::strerror(errno);
  }

 protected:
  std::vector<std::string> CardEntries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(card_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  // The card breaks in the given way; the save fails with that errno.
  void SaveMenuOntoBrokenCard(void (SmallCard::*breaker)(), int error_number);
  void SaveCfgOntoBrokenCard(uint16_t code, void (SmallCard::*breaker)(), int error_number);

  std::filesystem::path card_;
  bool mounted_ = false;
};

// Writes a first menu.dat, changes the record, breaks the card in the given
// way and saves again.
void SmallCard::SaveMenuOntoBrokenCard(void (SmallCard::*breaker)(), int error_number) {
  const std::filesystem::path file = card_ / "menu.dat";
  SelectModel(524);
  ChooseMenuLayout();
  ApplyMenuDefaults();
  ASSERT_TRUE(SaveMenuFile());
  const std::vector<uint8_t> old_file = ReadAll(file);
  ASSERT_EQ(old_file.size(), 188u);

  MenuSet(MenuSetting::CapMode, 2);
  (this->*breaker)();
  DiagCapture capture;
  const RecordOutcome saved = SaveMenuFile();
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.fault, RecordFault::SystemError);
  EXPECT_EQ(saved.error_number, error_number) << std::strerror(saved.error_number);
  EXPECT_EQ(ReadAll(file), old_file);
  EXPECT_EQ(capture.Lines().back(), std::string(48, '_') + "\n");
  EXPECT_NE(capture.Text().find(" err!\n"), std::string::npos);
  EXPECT_TRUE(LoadMenuFile(services_.utc_offset_hours));
  EXPECT_EQ(MenuGet(MenuSetting::CapMode), 0) << "the old file is still the one on the card";
}

TEST_F(SmallCard, MenuSaveOnAFullCardKeepsTheOldFile) {
  SaveMenuOntoBrokenCard(&SmallCard::FillCard, ENOSPC);
  EXPECT_EQ(CardEntries(), (std::vector<std::string>{"filler.bin", "menu.dat"}));
}

TEST_F(SmallCard, MenuSaveOnAWriteProtectedCardKeepsTheOldFile) {
  SaveMenuOntoBrokenCard(&SmallCard::WriteProtect, EROFS);
  EXPECT_EQ(CardEntries(), std::vector<std::string>{"menu.dat"});
}

void SmallCard::SaveCfgOntoBrokenCard(uint16_t code, void (SmallCard::*breaker)(), int error_number) {
  const std::filesystem::path file = card_ / "CFG.BIN";
  SelectModel(code);
  ApplySendSetDefaults();
  App().LastGenerateTime = {26, 1, 2, 3, 4, 5};
  App().g_sSendSet.sTime = App().LastGenerateTime;
  ASSERT_TRUE(SaveSendSet());
  const std::vector<uint8_t> old_file = ReadAll(file);
  ASSERT_EQ(old_file.size(), static_cast<std::size_t>(SendSetFileSize()));

  (this->*breaker)();
  App().LastGenerateTime = {26, 1, 2, 3, 4, 6};
  App().g_sSendSet.sTime = App().LastGenerateTime;
  const RecordOutcome saved = SaveSendSet();
  EXPECT_EQ(saved.fault, RecordFault::SystemError);
  EXPECT_EQ(saved.error_number, error_number) << std::strerror(saved.error_number);
  EXPECT_EQ(ReadAll(file), old_file);
  EXPECT_EQ(LoadSendSet(1).fault, RecordFault::OtherFile) << "the card still holds the older stamp";
}

TEST_F(SmallCard, CfgSaveOnAFullCardKeepsTheOldFile) {
  SaveCfgOntoBrokenCard(518, &SmallCard::FillCard, ENOSPC);
  EXPECT_EQ(CardEntries(), (std::vector<std::string>{"CFG.BIN", "filler.bin"}));
}

TEST_F(SmallCard, CfgSaveOnAWriteProtectedCardKeepsTheOldFile) {
  SaveCfgOntoBrokenCard(512, &SmallCard::WriteProtect, EROFS);
  EXPECT_EQ(CardEntries(), std::vector<std::string>{"CFG.BIN"});
}

}  // namespace
