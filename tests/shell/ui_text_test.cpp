// The interface texts: language choice, list shapes, label lists.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <string>

#include "records/app_state.h"
#include "shell/save_failure.h"
#include "shell/ui_strings.h"
#include "shell/ui_text.h"

namespace {

class UiTextTest : public ::testing::Test {
 protected:
  void TearDown() override { App().UiLanguage = 1; }
};

TEST_F(UiTextTest, LanguagePicksTheTextOfEveryShape) {
  App().UiLanguage = 0;
  EXPECT_STREQ(UiStr(kTxtWarning), "警告");
  EXPECT_STREQ(UiListStr(kListHighMediumLowOff, 3), "关闭");
  EXPECT_STREQ(UiPairStr(kPairMenuLanguages14, 13), "波兰语");
  App().UiLanguage = 1;
  EXPECT_STREQ(UiStr(kTxtWarning), "Warning");
  EXPECT_STREQ(UiListStr(kListHighMediumLowOff, 3), "Off");
  EXPECT_STREQ(UiPairStr(kPairMenuLanguages14, 13), "Polish");
}

TEST_F(UiTextTest, ListPositionMeansTheSameOptionInBothLanguages) {
  const char* zh[] = {"高", "中", "低", "关闭"};
  const char* en[] = {"High", "medium", "Low", "Off"};
  for (int i = 0; i < 4; ++i) {
    App().UiLanguage = 0;
    EXPECT_STREQ(UiListStr(kListHighMediumLowOff, i), zh[i]);
    App().UiLanguage = 1;
    EXPECT_STREQ(UiListStr(kListHighMediumLowOff, i), en[i]);
  }
  // The two menu-language lists order their languages differently.
  EXPECT_STREQ(UiPairStr(kPairMenuLanguages14, 0), "Chinese");
  EXPECT_STREQ(UiPairStr(kPairMenuLanguages9, 0), "English");
  EXPECT_STREQ(UiPairStr(kPairMenuLanguages9, 8), "Japanese");
}

TEST_F(UiTextTest, PositionsOutsideAListGiveAnEmptyText) {
  EXPECT_STREQ(UiListStr(kListOffOn, 2), "");
  EXPECT_STREQ(UiListStr(kListOffOn, -1), "");
  EXPECT_STREQ(UiPairStr(kPairMenuLanguages9, 9), "");
}

TEST_F(UiTextTest, CountedListsFollowTheirNumbering) {
  App().UiLanguage = 1;
  EXPECT_STREQ(UiListStr(kListPhotoCount, 0), "01 Photo");
  EXPECT_STREQ(UiListStr(kListPhotoCount, 9), "10 Photos");
  EXPECT_STREQ(UiListStr(kListRemoteInterval, 1), "10 Minutes");
  for (int k = 2; k < 26; ++k) {
    char expect[32];
    std::snprintf(expect, sizeof expect, "%02d Hours", k - 1);
    EXPECT_STREQ(UiListStr(kListRemoteInterval, k), expect) << k;
  }
  for (int h = 0; h < 24; ++h) {
    char expect[32];
    std::snprintf(expect, sizeof expect, "%02d o'clock", h);
    EXPECT_STREQ(UiListStr(kListDailySendHour, h), expect) << h;
  }
  App().UiLanguage = 0;
  EXPECT_STREQ(UiListStr(kListPhotoCount, 9), "10 张");
  EXPECT_STREQ(UiListStr(kListRemoteInterval, 25), "24小时");
  EXPECT_STREQ(UiListStr(kListDailySendHour, 23), "23点钟");
}

TEST_F(UiTextTest, MessagesKeepTheirLineBreaks) {
  App().UiLanguage = 1;
  EXPECT_STREQ(UiStr(kMsgGenFailNoEmail), "Generate failed!\r\nPlease enter at least one email address.");
  EXPECT_STREQ(UiStr(kMsgGenFailFtpAccount), "Generate failed!\rFTP account error!");
  App().UiLanguage = 0;
  EXPECT_STREQ(UiStr(kMsgGenFailFtpAccount), "未生成配置文件！\r\nFTP帐号错误!");
}

TEST_F(UiTextTest, FailedSaveNamesTheFileAndWhyInTheWindowsLanguage) {
  const auto sys = [](int e) { return RecordOutcome::Fault(RecordFault::SystemError, e); };
  const std::string io = std::strerror(EIO);
  const struct {
    RecordOutcome outcome;
    std::string zh, en;
  } rows[] = {
      {sys(EROFS), "存储卡或文件夹处于写保护状态。", "The card or folder is write-protected."},
      {sys(EACCES), "存储卡或文件夹处于写保护状态。", "The card or folder is write-protected."},
      {sys(EPERM), "存储卡或文件夹处于写保护状态。", "The card or folder is write-protected."},
      {sys(ENOSPC), "存储卡已满。", "The card is full."},
      {sys(EDQUOT), "存储卡已满。", "The card is full."},
      {sys(ENOENT), "找不到文件夹。", "The folder was not found."},
      {sys(ENOTDIR), "找不到文件夹。", "The folder was not found."},
      {sys(ENAMETOOLONG), "文件路径太长。", "The path of the file is too long."},
      {RecordOutcome::Fault(RecordFault::OtherFile), "读回的文件与写入的内容不一致。",
       "The file read back differs from the file written."},
      {RecordOutcome::Fault(RecordFault::WrongSize, 0, 3), "读回的文件与写入的内容不一致。",
       "The file read back differs from the file written."},
      {RecordOutcome::WriteFault(EIO), "系统错误：" + io, "System error: " + io},
  };
  for (const auto& r : rows) {
    App().UiLanguage = 0;
    EXPECT_EQ(SaveFailureMessage("CFG.BIN", r.outcome), "无法写入文件 CFG.BIN。\r\n" + r.zh);
    App().UiLanguage = 1;
    EXPECT_EQ(SaveFailureMessage("menu.dat", r.outcome), "menu.dat could not be written.\r\n" + r.en);
  }
  // A name is shown as it is, never read as a format.
  EXPECT_EQ(SaveFailureMessage("%s%n", sys(ENOSPC)), "%s%n could not be written.\r\nThe card is full.");
}

TEST_F(UiTextTest, EveryChineseTextIsValidUtf8) {
  const UiText* texts[] = {&kTxtWarning, &kTxtSsid, &kMsgOutOfRange, &kMsgEnterWifiSsid, &kMsgFileNotWritten,
                           &kMsgWriteProtected, &kMsgSystemError,
                           &kTxtFtpUploadDir, &kMsgInboxAddressError, &kTxtNetworkMailParams};
  for (const UiText* t : texts) {
    const auto* p = reinterpret_cast<const unsigned char*>(t->s[0]);
    while (*p) {
      const int n = *p < 0x80 ? 1 : (*p >> 5) == 6 ? 2 : (*p >> 4) == 14 ? 3 : (*p >> 3) == 30 ? 4 : 0;
      ASSERT_NE(n, 0) << t->s[1];
      for (int k = 1; k < n; ++k) ASSERT_EQ(p[k] & 0xC0, 0x80) << t->s[1];
      p += n;
    }
  }
}

TEST_F(UiTextTest, CameraLabelListHasItsRowsInOrder) {
  ASSERT_EQ(kLabelsCamSetup.ids.size(), 39u);
  ASSERT_EQ(kLabelsCamSetup.texts.size(), 39u);
  EXPECT_EQ(kLabelsCamSetup.ids[0], 40004);
  EXPECT_EQ(kLabelsCamSetup.texts[0], &kTxtMode);
  EXPECT_EQ(kLabelsCamSetup.ids[14], 40123);
  EXPECT_EQ(kLabelsCamSetup.ids[38], 40106);
  EXPECT_EQ(kLabelsCamSetup.texts[38], &kTxtGenerate);
  // Repeated labels share one table.
  for (int row : {18, 21, 25, 28, 32}) EXPECT_EQ(kLabelsCamSetup.texts[static_cast<std::size_t>(row)], &kTxtHour);
  for (int row : {19, 22, 26, 29, 33}) EXPECT_EQ(kLabelsCamSetup.texts[static_cast<std::size_t>(row)], &kTxtMin);
  std::set<int> ids(kLabelsCamSetup.ids.begin(), kLabelsCamSetup.ids.end());
  EXPECT_EQ(ids.size(), 39u);  // each control once

  const int coord_ids[] = {40021, 40027, 40079, 40099, 40102, 40120, 40121};
  const UiText* coord_texts[] = {&kTxtCoordinate, &kTxtLongitude, &kTxtLatitude, &kTxtDirection,
                                 &kTxtDegree, &kTxtMinute, &kTxtSecond};
  ASSERT_EQ(kLabelsCoordinate.ids.size(), 7u);
  for (std::size_t k = 0; k < 7; ++k) {
    EXPECT_EQ(kLabelsCoordinate.ids[k], coord_ids[k]);
    EXPECT_EQ(kLabelsCoordinate.texts[k], coord_texts[k]);
  }
}

TEST_F(UiTextTest, PlainListsAreTheSameInBothLanguages) {
  EXPECT_STREQ(kPlainUiLanguages[0], "中文");
  EXPECT_STREQ(kPlainUiLanguages[1], "English");
  std::string all;
  for (const char* c : kPlainDigitsLetters) {
    EXPECT_EQ(std::strlen(c), 1u);
    all += c;
  }
  EXPECT_EQ(all, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

}  // namespace
