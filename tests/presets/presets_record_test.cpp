// The operator names that Generate carries into the MMS fields for the
// cellular models of the R1, R2 and K3 ULTRA groups.
#include <gtest/gtest.h>

#include <cstring>

#include "presets_support.h"
#include "records/app_state.h"

namespace {

using presets_test::HoldsExactly;
using presets_test::UseModel;

constexpr uint16_t kCellularUltraModels[] = {525, 528, 529, 530, 531, 533};

class CarryOperatorNamesTest : public presets_test::PresetTest {
 protected:
  // MMS values the user or a preset left in the record.
  void FillMms() {
    CopyTextField(App().g_sSendSet.sMmsSet.szUrl, "http://mms.example/centre");
    CopyTextField(App().g_sSendSet.sMmsSet.szApn, "mms.example");
    CopyTextField(App().g_sSendSet.sMmsSet.szGateway, "10.0.0.1");
    CopyTextField(App().g_sSendSet.sMmsSet.szPort, "8080");
    CopyTextField(App().g_sSendSet.sMmsSet.szAccount, "user");
    CopyTextField(App().g_sSendSet.sMmsSet.szPassword, "secret");
  }
  void ExpectOtherFourKept() {
    EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szGateway, "10.0.0.1"));
    EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szPort, "8080"));
    EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szAccount, "user"));
    EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szPassword, "secret"));
  }
};

TEST_F(CarryOperatorNamesTest, PresetGivesEnglishCountryAndOperatorInEitherLanguage) {
  for (uint16_t code : kCellularUltraModels)
    for (int language : {0, 1}) {
      SCOPED_TRACE(std::to_string(code) + " language " + std::to_string(language));
      UseModel(code);
      App().UiLanguage = language;
      FillMms();
      App().g_sSendSet.bySendBy = 2;
      App().g_sSendSet.byOperatorCountry = 4;  // Canada
      App().g_sSendSet.byOperator = 3;         // Bell
      CarryOperatorNames();
      EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szUrl, "Canada"));
      EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szApn, "Bell"));
      ExpectOtherFourKept();
    }
}

TEST_F(CarryOperatorNamesTest, ChinaCarriesTheEnglishNamesInTheChineseInterface) {
  UseModel(533);
  App().UiLanguage = 0;
  App().g_sSendSet.byOperatorCountry = 0;
  App().g_sSendSet.byOperator = 1;
  CarryOperatorNames();
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szUrl, "China"));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szApn, "China Mobile"));
}

TEST_F(CarryOperatorNamesTest, ManualInputClearsUrlAndApnUnlessSendingByMms) {
  UseModel(528);
  App().g_sSendSet.byOperatorCountry = ManualOperatorCountry;
  for (uint8_t send_by : {0, 2, 3, 4, 0x82}) {
    SCOPED_TRACE(send_by);
    FillMms();
    App().g_sSendSet.bySendBy = send_by;
    CarryOperatorNames();
    EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szUrl, ""));
    EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szApn, ""));
    ExpectOtherFourKept();
  }
  // Sending by MMS: the user's own MMS values stay.
  for (uint8_t send_by : {1, 0x81}) {
    FillMms();
    App().g_sSendSet.bySendBy = send_by;
    const SendSet before = App().g_sSendSet;
    CarryOperatorNames();
    EXPECT_EQ(std::memcmp(&before, &App().g_sSendSet, sizeof before), 0) << int(send_by);
  }
}

TEST_F(CarryOperatorNamesTest, OtherModelsKeepTheRecord) {
  for (uint16_t code = presets_test::kFirstModel; code <= presets_test::kLastModel; ++code) {
    if (std::find(std::begin(kCellularUltraModels), std::end(kCellularUltraModels), code) !=
        std::end(kCellularUltraModels))
      continue;
    UseModel(code);
    for (uint8_t country : {uint8_t{4}, ManualOperatorCountry}) {
      FillMms();
      App().g_sSendSet.byOperatorCountry = country;
      App().g_sSendSet.byOperator = 3;
      const SendSet before = App().g_sSendSet;
      CarryOperatorNames();
      EXPECT_EQ(std::memcmp(&before, &App().g_sSendSet, sizeof before), 0) << code;
    }
  }
}

TEST_F(CarryOperatorNamesTest, IndexesOutsideTheTablesNeverReachThem) {
  UseModel(525);
  // An operator the country does not offer carries the country's first.
  FillMms();
  App().g_sSendSet.byOperatorCountry = 20;  // France: "SFR" is not offered to 525
  App().g_sSendSet.byOperator = 2;
  CarryOperatorNames();
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szUrl, "France"));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szApn, "Bouygues"));
  App().g_sSendSet.byOperatorCountry = 29;  // New Zealand: one operator
  App().g_sSendSet.byOperator = 255;
  CarryOperatorNames();
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szApn, "Vodafone"));
  // A country beyond the manual marker (a record not yet clamped) changes nothing.
  FillMms();
  App().g_sSendSet.byOperatorCountry = 200;
  const SendSet before = App().g_sSendSet;
  CarryOperatorNames();
  EXPECT_EQ(std::memcmp(&before, &App().g_sSendSet, sizeof before), 0);
}

}  // namespace
