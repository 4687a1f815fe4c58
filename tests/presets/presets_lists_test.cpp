// The country and operator lists in a real dialog 114 of the headless host,
// chosen by a user, and the preset copies they drive.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/window.h"
#include "presets_support.h"
#include "shell/ui_strings.h"
#include "records/app_state.h"

namespace {

using presets_test::HoldsExactly;
using presets_test::UseModel;
using Items = std::vector<std::string>;

constexpr int kSource = operator_ctl::kSourceList;
constexpr int kCountry = operator_ctl::kCountryList;
constexpr int kOperator = operator_ctl::kOperatorList;
constexpr int kAction = 40043;  // "Next Page": runs the test's action on the page

// The operator part of the wireless parameter page: its lists react to the
// user as the page does, and a click on the page button runs `action` in
// the application's thread.
class OperatorPage : public platform::Window {
 public:
  int TemplateId() const override { return 114; }

  void OnInit(platform::Dialog& dlg) override {
    AddUiList(dlg, kSource, kListSelectOperatorManual);
    FillOperatorLists(dlg, Manual());
  }

  void OnCommand(platform::Dialog& dlg, int id, platform::Notify what) override {
    using platform::Notify;
    SendSet& rec = App().g_sSendSet;
    if (id == kSource && what == Notify::SelEndOk) {
      if (dlg.ListSelection(kSource) == 1 && !Manual()) {
        rec.byOperatorCountry = ManualOperatorCountry;
        FillOperatorLists(dlg, true);
      } else if (dlg.ListSelection(kSource) == 0 && Manual()) {
        SetOperatorCountryListRebuild(true);
        rec.byOperatorCountry = 0;
        rec.byOperator = 0;
        ApplyMmsPreset(dlg);
        ApplyApnPreset(dlg);
        FillOperatorLists(dlg, false);
      }
    } else if (id == kCountry && what == Notify::SelEndOk) {
      const int sel = dlg.ListSelection(kCountry);
      if (sel != rec.byOperatorCountry) {
        rec.byOperatorCountry = static_cast<uint8_t>(sel);
        rec.byOperator = 0;
        FillOperatorLists(dlg, false);
        ApplyMmsPreset(dlg);
        ApplyApnPreset(dlg);
      }
    } else if (id == kOperator && what == Notify::SelChange) {
      const int sel = dlg.ListSelection(kOperator);
      if (sel != rec.byOperator) {
        rec.byOperator = static_cast<uint8_t>(sel);
        ApplyMmsPreset(dlg);
        ApplyApnPreset(dlg);
      }
    } else if (id == kAction && what == Notify::Clicked && action) {
      action(dlg);
    }
  }

  void OnClose(platform::Dialog& dlg) override { dlg.End(0); }

  std::function<void(platform::Dialog&)> action;

 private:
  static bool Manual() { return App().g_sSendSet.byOperatorCountry == ManualOperatorCountry; }
};

class OperatorListsTest : public presets_test::PresetTest {
 protected:
  void Open(uint16_t model, int language, uint8_t country, uint8_t op) {
    UseModel(model);
    App().UiLanguage = language;
    App().g_sSendSet.bySendBy = 2;
    App().g_sSendSet.byOperatorCountry = country;
    App().g_sSendSet.byOperator = op;
    session_.Start([this](platform::Host& host) { host.RunModal(page_); });
    ASSERT_EQ(session_.TopTemplate(), 114);
  }
  // Runs f on the page, in the application's thread.
  void OnPage(std::function<void(platform::Dialog&)> f) {
    page_.action = std::move(f);
    ASSERT_TRUE(session_.Click(kAction));
  }
  void TearDown() override {
    if (!session_.Finished()) {
      EXPECT_TRUE(session_.Close());
    }
    EXPECT_TRUE(session_.MissingControlCalls().empty());
    PresetTest::TearDown();
  }
  headless::Session session_;
  OperatorPage page_;
};

TEST_F(OperatorListsTest, ManualInputShowsOthersOnlyInChinese) {
  Open(518, 0, ManualOperatorCountry, 0);
  for (int id : {kCountry, kOperator}) {
    EXPECT_EQ(session_.Items(id), (Items{"其他"})) << id;
    EXPECT_EQ(session_.Selection(id), 0) << id;
    EXPECT_FALSE(session_.Enabled(id)) << id;
  }
  EXPECT_EQ(session_.Selection(kSource), 1);
}

TEST_F(OperatorListsTest, ManualInputShowsOthersOnlyInEnglish) {
  Open(525, 1, ManualOperatorCountry, 0);
  for (int id : {kCountry, kOperator}) {
    EXPECT_EQ(session_.Items(id), (Items{"Others"})) << id;
    EXPECT_FALSE(session_.Enabled(id)) << id;
  }
  EXPECT_EQ(session_.Selection(kSource), 1);
  EXPECT_EQ(App().g_sSendSet.byOperatorCountry, ManualOperatorCountry);
}

TEST_F(OperatorListsTest, PresetShowsEveryCountryAndTheChosenOperator) {
  Open(512, 1, 12, 9);  // Russia, the tenth operator
  const Items countries = session_.Items(kCountry);
  ASSERT_EQ(countries.size(), 43u);
  EXPECT_EQ(countries.front(), "China");
  EXPECT_EQ(countries[26], "Ceska republika");
  EXPECT_EQ(countries.back(), "Korea");
  EXPECT_EQ(session_.Selection(kCountry), 12);
  EXPECT_EQ(session_.Items(kOperator).size(), 10u);
  EXPECT_EQ(session_.Items(kOperator).back(), "Velcom");
  EXPECT_EQ(session_.Selection(kOperator), 9);
  EXPECT_TRUE(session_.Enabled(kCountry));
  EXPECT_TRUE(session_.Enabled(kOperator));
  EXPECT_EQ(session_.Selection(kSource), 0);
  EXPECT_FALSE(OperatorCountryListRebuild());
}

TEST_F(OperatorListsTest, ChineseInterfaceShowsChineseNames) {
  Open(512, 0, 0, 2);
  EXPECT_EQ(session_.Items(kCountry)[4], "加拿大");
  EXPECT_EQ(session_.Items(kOperator), (Items{"中国联通", "中国移动", "中国电信", "中国广电"}));
  EXPECT_EQ(session_.Selection(kOperator), 2);
}

TEST_F(OperatorListsTest, LithuaniaOffersTwoOperators) {
  Open(518, 1, 34, 1);
  EXPECT_EQ(session_.Items(kOperator), (Items{"Omnitel", "Omnitel Ezio"}));
  EXPECT_EQ(session_.Selection(kOperator), 1);
}

// France: "SFR" for the two GPS-mailbox models; for every other model a
// stored third operator becomes the first.
class FranceListTest : public OperatorListsTest, public ::testing::WithParamInterface<int> {};

TEST_P(FranceListTest, SfrByModel) {
  const uint16_t code = static_cast<uint16_t>(GetParam());
  Open(code, 1, 20, 2);
  if (code == 518 || code == 519) {
    EXPECT_EQ(session_.Items(kOperator), (Items{"Bouygues", "Orange", "SFR"}));
    EXPECT_EQ(session_.Selection(kOperator), 2);
    EXPECT_EQ(App().g_sSendSet.byOperator, 2);
  } else {
    EXPECT_EQ(session_.Items(kOperator), (Items{"Bouygues", "Orange"}));
    EXPECT_EQ(session_.Selection(kOperator), 0);
    EXPECT_EQ(App().g_sSendSet.byOperator, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryModel, FranceListTest, ::testing::Range(512, 534));

TEST_F(OperatorListsTest, AnOperatorBeyondTheCountBecomesTheFirst) {
  Open(512, 1, 29, 9);  // New Zealand offers one operator
  EXPECT_EQ(session_.Items(kOperator), (Items{"Vodafone"}));
  EXPECT_EQ(session_.Selection(kOperator), 0);
  EXPECT_EQ(App().g_sSendSet.byOperator, 0);
}

TEST_F(OperatorListsTest, PickingCountryAndOperatorCopiesThePresets) {
  Open(525, 1, 0, 0);
  ASSERT_TRUE(session_.Select(kCountry, 4));  // Canada
  EXPECT_EQ(App().g_sSendSet.byOperatorCountry, 4);
  EXPECT_EQ(App().g_sSendSet.byOperator, 0);
  EXPECT_EQ(session_.Items(kOperator), (Items{"Fido", "Rogers", "Telus", "Bell"}));
  EXPECT_EQ(session_.Selection(kOperator), 0);
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sSmtpSet.szWLNetApN, ApnPresetTable[4][0].apn));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szUrl, MmsPresetTable[4][0].url));

  ASSERT_TRUE(session_.Select(kOperator, 3));  // Bell
  EXPECT_EQ(App().g_sSendSet.byOperator, 3);
  const ApnPreset& a = ApnPresetTable[4][3];
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sSmtpSet.szWLNetApN, a.apn));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szUrl, MmsPresetTable[4][3].url));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szApn, MmsPresetTable[4][3].apn));
  // In e-mail mode the page's network edits show the preset too.
  EXPECT_EQ(session_.Text(operator_ctl::kNetApnEdit), a.apn);
  EXPECT_EQ(session_.Text(operator_ctl::kNetAccountEdit), a.account);
  EXPECT_EQ(session_.Text(operator_ctl::kNetPasswordEdit), a.password);

  // Generate of this cellular model then carries the names.
  CarryOperatorNames();
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szUrl, "Canada"));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szApn, "Bell"));
}

TEST_F(OperatorListsTest, ChinaBroadnetEmptiesWhatTheUserHadTyped) {
  Open(512, 0, 0, 0);
  CopyTextField(App().g_sSendSet.sSmtpSet.szWLNetAccount, "typed");
  CopyTextField(App().g_sSendSet.sSmtpSet.szWLNetPassword, "typed");
  CopyTextField(App().g_sSendSet.sMmsSet.szUrl, "http://typed");
  CopyTextField(App().g_sSendSet.sMmsSet.szPort, "1234");
  ASSERT_TRUE(session_.Select(kOperator, 3));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sSmtpSet.szWLNetApN, "cbnet"));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sSmtpSet.szWLNetAccount, ""));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sSmtpSet.szWLNetPassword, ""));
  const MmsSet& m = App().g_sSendSet.sMmsSet;
  for (const char* field : {m.szUrl, m.szApn, m.szGateway, m.szPort, m.szAccount, m.szPassword})
    EXPECT_STREQ(field, "");
  EXPECT_EQ(session_.Text(operator_ctl::kNetApnEdit), "cbnet");
  EXPECT_EQ(session_.Text(operator_ctl::kNetAccountEdit), "");
}

TEST_F(OperatorListsTest, OutsideEmailModeTheEditsKeepTheirText) {
  Open(512, 1, 4, 0);
  App().g_sSendSet.bySendBy = 3;  // FTP
  OnPage([](platform::Dialog& dlg) { dlg.SetText(operator_ctl::kNetApnEdit, "on screen"); });
  ASSERT_TRUE(session_.Select(kOperator, 1));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sSmtpSet.szWLNetApN, ApnPresetTable[4][1].apn));
  EXPECT_EQ(session_.Text(operator_ctl::kNetApnEdit), "on screen");
}

TEST_F(OperatorListsTest, ApplyMmsPresetLogsTheIndices) {
  Open(512, 1, 0, 0);
  session_.ClearDiag();
  ASSERT_TRUE(session_.Select(kCountry, 42));
  ASSERT_TRUE(session_.Select(kOperator, 2));
  const std::vector<std::string> lines = session_.DiagLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "lCountrySel = 42, lrOperatorIndex = 0"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "lCountrySel = 42, lrOperatorIndex = 2"), lines.end());
}

TEST_F(OperatorListsTest, ListsWithoutSelectionFallBackToTheFirstEntry) {
  Open(512, 1, 4, 3);
  OnPage([](platform::Dialog& dlg) {
    dlg.ListSelect(kCountry, -1);
    dlg.ListSelect(kOperator, -1);
    ApplyApnPreset(dlg);
    ApplyMmsPreset(dlg);
  });
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sSmtpSet.szWLNetApN, ApnPresetTable[0][0].apn));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szApn, MmsPresetTable[0][0].apn));

  // Country chosen, operator list empty: the country's first operator.
  OnPage([](platform::Dialog& dlg) {
    dlg.ListSelect(kCountry, 21);
    dlg.ListReset(kOperator);
    ApplyApnPreset(dlg);
    ApplyMmsPreset(dlg);
  });
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sSmtpSet.szWLNetApN, ApnPresetTable[21][0].apn));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szUrl, MmsPresetTable[21][0].url));
}

TEST_F(OperatorListsTest, AnOperatorSelectionBeyondTheCountFallsBackToTheFirst) {
  Open(512, 1, 20, 0);  // France, on a model that is not offered "SFR"
  OnPage([](platform::Dialog& dlg) {
    // A list that holds more than the country offers (as a stale list would).
    for (int i = 0; i < 8; ++i) dlg.ListAdd(kOperator, "stale");
    dlg.ListSelect(kOperator, 2);
    ApplyApnPreset(dlg);
    ApplyMmsPreset(dlg);
  });
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sSmtpSet.szWLNetApN, ApnPresetTable[20][0].apn));
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sMmsSet.szUrl, MmsPresetTable[20][0].url));
  const std::vector<std::string> lines = session_.DiagLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "lCountrySel = 20, lrOperatorIndex = 0"), lines.end());
}

TEST_F(OperatorListsTest, CountryListIsRebuiltOnlyWhenAsked) {
  Open(512, 1, 3, 0);
  EXPECT_FALSE(OperatorCountryListRebuild());
  // Without the flag the built list stays as it is.
  OnPage([](platform::Dialog& dlg) {
    dlg.ListReset(kCountry);
    for (int i = 0; i < OperatorCountryCount; ++i) dlg.ListAdd(kCountry, "kept");
    FillOperatorLists(dlg, false);
  });
  EXPECT_EQ(session_.Items(kCountry).front(), "kept");
  // With the flag it is built again from the names.
  OnPage([](platform::Dialog& dlg) {
    SetOperatorCountryListRebuild(true);
    FillOperatorLists(dlg, false);
  });
  EXPECT_EQ(session_.Items(kCountry).front(), "China");
  EXPECT_EQ(session_.Selection(kCountry), 3);
  EXPECT_FALSE(OperatorCountryListRebuild());
}

TEST_F(OperatorListsTest, LeavingManualInputShowsTheCountriesAgain) {
  Open(512, 1, ManualOperatorCountry, 0);
  SetOperatorCountryListRebuild(false);
  ASSERT_TRUE(session_.Select(kSource, 0));  // "Select Operator"
  EXPECT_EQ(session_.Items(kCountry).size(), 43u);
  EXPECT_EQ(session_.Selection(kCountry), 0);
  EXPECT_EQ(session_.Items(kOperator).size(), 4u);
  EXPECT_TRUE(HoldsExactly(App().g_sSendSet.sSmtpSet.szWLNetApN, "3gnet"));

  // Even when the flag was not set again: a list that shows "Others" is
  // never mistaken for the country list.
  ASSERT_TRUE(session_.Select(kSource, 1));
  EXPECT_EQ(session_.Items(kCountry), (Items{"Others"}));
  OnPage([](platform::Dialog& dlg) {
    SetOperatorCountryListRebuild(false);
    App().g_sSendSet.byOperatorCountry = 5;
    App().g_sSendSet.byOperator = 2;
    FillOperatorLists(dlg, false);
  });
  EXPECT_EQ(session_.Items(kCountry).size(), 43u);
  EXPECT_EQ(session_.Selection(kCountry), 5);
  EXPECT_EQ(session_.Items(kOperator), (Items{"Telenor", "Telia", "Tele2 "}));
  EXPECT_EQ(session_.Selection(kOperator), 2);
}

TEST_F(OperatorListsTest, PresetModeWithACountryOutsideTheCatalogueShowsTheFirst) {
  Open(512, 1, 0, 0);
  OnPage([](platform::Dialog& dlg) {
    App().g_sSendSet.byOperatorCountry = 50;
    App().g_sSendSet.byOperator = 3;
    FillOperatorLists(dlg, false);
  });
  EXPECT_EQ(App().g_sSendSet.byOperatorCountry, 0);
  EXPECT_EQ(App().g_sSendSet.byOperator, 0);
  EXPECT_EQ(session_.Selection(kCountry), 0);
  EXPECT_EQ(session_.Selection(kOperator), 0);
}

}  // namespace
