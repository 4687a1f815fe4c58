// Opening the wireless parameter page: what it shows for the file it
// finds, per model group, and what it repairs.
#include "test_wireless_page_fixture.h"
#include "records/app_state.h"
#include "trailset_version.h"

namespace page_test {
namespace {

using Items = std::vector<std::string>;

TEST(SendByList, EntriesAndModesPerModel) {
  ResetAppState();
  struct Case {
    uint16_t code;
    std::vector<uint8_t> modes;
  };
  const Case cases[] = {
      {514, {0, 2, 4}},     // WiFi model without FTP
      {523, {0, 2, 3, 4}},  // WiFi model whose "FTP" entry sends by FTP
      {520, {0, 2, 3, 4}},
      {528, {0, 2, 3, 4}},
  };
  for (const Case& c : cases) {
    App().ModelFamily = 2;
    App().ModelIndex = c.code & 0xFF;
    UpdateModelCode();
    SCOPED_TRACE(c.code);
    ASSERT_EQ(SendByEntries(c.code).size(), c.modes.size());
    for (std::size_t i = 0; i < c.modes.size(); ++i) {
      EXPECT_EQ(SendByListIndexToMode(static_cast<int>(i)), c.modes[i]);
      EXPECT_EQ(SendByModeToListIndex(c.modes[i]), static_cast<int>(i));
    }
    EXPECT_EQ(SendByListIndexToMode(-1), 0xFF);
    EXPECT_EQ(SendByListIndexToMode(static_cast<int>(c.modes.size())), 0xFF);
    EXPECT_EQ(SendByModeToListIndex(kSendMms), -1);  // never offered
  }
}

TEST_F(WirelessPageTest, Model514WithCloudShowsTheCloudBox) {
  SelectModel(514);
  SendSet rec = DefaultRecord();
  rec.bySendBy = kSendCloud;
  CopyTextField(rec.sVornCloudSet.szAppKey, "owner@example.com");
  CopyTextField(rec.sVornCloudSet.szAppSecret, "cloudpw");
  CopyTextField(rec.sVornCloudSet.szSimCardNum, "1234567890");
  WriteCfg(rec);
  Open();

  EXPECT_EQ(s().Items(kSendBy), (Items{"Off", "Email", "Camera Cloud System"}));
  EXPECT_EQ(s().Selection(kSendBy), 2);
  EXPECT_EQ(s().Text(kBoxFrame), "Camera Cloud System Parameters");
  EXPECT_EQ(s().Text(kBox1Label), "Registered mail");
  EXPECT_EQ(s().Text(kBox2Label), "Login Password");
  EXPECT_EQ(s().Text(kBox3Label), "Camera cloud number");
  EXPECT_EQ(s().Text(kBox1), "owner@example.com");
  EXPECT_EQ(s().Text(kBox2), "cloudpw");
  EXPECT_TRUE(s().Masked(kBox2));
  EXPECT_EQ(s().ShownText(kBox2), "*******");
  EXPECT_EQ(s().Text(kBox3), "1234567890");
  EXPECT_EQ(s().Limit(kBox3), 16);
  EXPECT_TRUE(s().Enabled(kBox1));
  for (int id : {kFtpPassword, kFtpPasswordLabel, kFtpDirType, kFtpDir, kFtpDirFrame})
    EXPECT_FALSE(s().Shown(id)) << id;
  EXPECT_EQ(App().s_eFtpEditUse, 1);
}

TEST_F(WirelessPageTest, CloudNumberFilterFollowsTheModel) {
  // 523 takes letters in its cloud number, 520 (a SIM phone number) digits only.
  for (uint16_t code : {523, 520}) {
    SCOPED_TRACE(code);
    TearDown();
    SetUp();
    SelectModel(code);
    SendSet rec = DefaultRecord();
    rec.bySendBy = kSendCloud;
    WriteCfg(rec);
    Open();
    EXPECT_EQ(s().Text(kBox3Label), code == 523 ? "Camera cloud number" : "SIM card phone number");
    ASSERT_TRUE(s().Type(kBox3, "A1b2-3"));
    EXPECT_EQ(s().Text(kBox3), code == 523 ? "A1b23" : "123");
  }
}

TEST_F(WirelessPageTest, MmsFromFileOpensAsEmail) {
  SelectModel(520);
  SendSet rec = MailRecord();
  rec.bySendBy = kSendMms;
  WriteCfg(rec);
  Open();
  EXPECT_EQ(App().g_sSendSet.bySendBy, kSendEmail);
  EXPECT_EQ(s().Selection(kSendBy), 1);
  EXPECT_EQ(s().Items(kSendBy)[1], "Email");
  EXPECT_EQ(s().Text(kSenderServer), "smtp.example.com");
  EXPECT_EQ(s().Text(kSenderPort), "465");
  EXPECT_TRUE(s().Enabled(kSenderServer));
  EXPECT_EQ(App().ChosenSendBy, kSendEmail);
}

TEST_F(WirelessPageTest, StoredIndexesOutsideTheListsAreClamped) {
  struct Case {
    uint8_t country, op;
    uint8_t want_country, want_op;
  };
  const Case cases[] = {
      {50, 1, 0, 0},   // no such country: China's first operator
      {12, 12, 12, 0}, // beyond the ten slots
      {12, 9, 12, 9},  // Russia's tenth operator stays
      {14, 5, 14, 0},  // Poland offers one operator only
      {20, 2, 20, 0},  // France's third operator is not offered to this model
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.country) << "/" << int(c.op));
    TearDown();
    SetUp();
    SelectModel(520);
    SendSet rec = MailRecord();
    rec.byOperatorCountry = c.country;
    rec.byOperator = c.op;
    WriteCfg(rec);
    Open();
    EXPECT_EQ(App().g_sSendSet.byOperatorCountry, c.want_country);
    EXPECT_EQ(App().g_sSendSet.byOperator, c.want_op);
    EXPECT_EQ(s().Selection(kCountry), c.want_country);
    EXPECT_EQ(s().Selection(kOperator), c.want_op);
    EXPECT_EQ(s().Selection(kSource), 0);
    EXPECT_TRUE(s().Enabled(kCountry));
  }
}

TEST_F(WirelessPageTest, FranceKeepsItsThirdOperatorOnTheGpsModels) {
  SelectModel(518);
  SendSet rec = MailRecord();
  rec.byOperatorCountry = 20;
  rec.byOperator = 2;
  WriteCfg(rec);
  Open();
  EXPECT_EQ(App().g_sSendSet.byOperator, 2);
  EXPECT_EQ(s().Items(kOperator), (Items{"Bouygues", "Orange", "SFR"}));
  EXPECT_EQ(s().Selection(kOperator), 2);
}

TEST_F(WirelessPageTest, WifiGroupModelsShowTheWifiRowWithoutPresets) {
  for (uint16_t code : {514, 523, 524, 526, 527, 532}) {
    SCOPED_TRACE(code);
    TearDown();
    SetUp();
    SelectModel(code);
    SendSet rec = MailRecord();
    rec.byOperatorCountry = 3;  // a preset in the file
    rec.byRemoteInterval = 2;
    rec.byRemoteSwitch = 1;
    WriteCfg(rec);
    Open();
    EXPECT_EQ(App().g_sSendSet.byOperatorCountry, kManualCountry);
    EXPECT_EQ(App().g_sSendSet.byRemoteSwitch, 0);
    EXPECT_EQ(App().g_sSendSet.byRemoteInterval, 25);
    EXPECT_FALSE(s().Enabled(kSource));
    EXPECT_EQ(s().Items(kSource), (Items{"Select Operator", "No"}));
    EXPECT_EQ(s().Selection(kSource), 1);
    EXPECT_EQ(s().Items(kCountry), (Items{"Others"}));
    EXPECT_FALSE(s().Enabled(kCountry));
    EXPECT_EQ(s().Text(kNetApnLabel), "WiFi");
    EXPECT_FALSE(s().Enabled(kNetApnLabel));
    EXPECT_FALSE(s().Enabled(kNetApn));
    EXPECT_EQ(s().Text(kNetAccountLabel), "Name(SSID)");
    EXPECT_TRUE(s().Enabled(kNetAccount));
    EXPECT_TRUE(s().Enabled(kNetPassword));
    EXPECT_TRUE(s().Masked(kNetPassword));
    EXPECT_FALSE(s().Masked(kNetAccount));
    EXPECT_EQ(s().Text(kNetAccount), "trailnet");
    for (int id : {kOperatorFrame, kSendByLabel, kSourceLabel, kCountryLabel, kOperatorLabel,
                   kBoxFrame, kFtpDirFrame})
      EXPECT_FALSE(s().Enabled(id)) << id;
    EXPECT_FALSE(s().Shown(kModule));
  }
}

TEST_F(WirelessPageTest, ModuleChoiceModelOnWifiKeepsTheWifiRowAcrossModes) {
  SelectModel(528);
  App().MdmSendVia = 0;
  SendSet rec = MailRecord();  // StructFlag 0: the WiFi module
  ASSERT_EQ(rec.StructFlag, 0);
  WriteCfg(rec);
  Open();
  ASSERT_EQ(App().MdmSendVia, 0);
  EXPECT_TRUE(s().Shown(kModule));
  EXPECT_TRUE(s().Shown(kModuleLabel));
  EXPECT_EQ(s().Items(kModule), (Items{"WIFI", "4G"}));
  EXPECT_EQ(s().Selection(kModule), 0);
  EXPECT_FALSE(s().Shown(kSource));
  EXPECT_FALSE(s().Enabled(kSource));

  for (int pos : {2, 3, 0, 1}) {  // FTP, cloud, Off, e-mail
    SCOPED_TRACE(pos);
    ASSERT_TRUE(s().Select(kSendBy, pos));
    EXPECT_EQ(s().Text(kNetApnLabel), "WiFi");
    EXPECT_EQ(s().Text(kNetAccountLabel), "Name(SSID)");
    EXPECT_FALSE(s().Enabled(kNetApn));
    EXPECT_EQ(s().Enabled(kNetAccount), pos != 0);
    EXPECT_EQ(App().g_sSendSet.byOperatorCountry, kManualCountry);
  }
}

TEST_F(WirelessPageTest, WifiModuleNeverTakesAnOperatorPreset) {
  // A file that chose the WiFi module and still names a preset: the preset
  // would overwrite the WiFi name and password kept in the network fields.
  SelectModel(531);
  App().MdmSendVia = 0;
  SendSet rec = MailRecord();
  rec.bySendBy = kSendFtp;
  rec.byOperatorCountry = 3;
  rec.byOperator = 1;
  WriteCfg(rec);
  Open();
  EXPECT_EQ(App().g_sSendSet.byOperatorCountry, kManualCountry);
  EXPECT_EQ(FIELD(App().g_sSendSet.sSmtpSet.szWLNetAccount), "trailnet");
  EXPECT_EQ(s().Text(kNetAccount), "trailnet");
  EXPECT_FALSE(s().Enabled(kCountry));
  ASSERT_TRUE(s().Select(kSendBy, 3));  // cloud
  EXPECT_EQ(FIELD(App().g_sSendSet.sSmtpSet.szWLNetAccount), "trailnet");
  ExpectHandOver();
  EXPECT_EQ(FIELD(App().SendSetSnapshot.sSmtpSet.szWLNetAccount), "trailnet");
  EXPECT_EQ(FIELD(App().SendSetSnapshot.sSmtpSet.szWLNetPassword), "wifipass");
}

TEST_F(WirelessPageTest, UnknownSendByModeOpensAsEmail) {
  SelectModel(520);
  SendSet rec = MailRecord();
  rec.bySendBy = 9;
  WriteCfg(rec);
  Open();
  EXPECT_EQ(App().g_sSendSet.bySendBy, kSendEmail);
  EXPECT_EQ(s().Selection(kSendBy), 1);
}

TEST_F(WirelessPageTest, ModuleChoiceListIsBesideANarrowerSendByList) {
  SelectModel(520);
  Open();
  const platform::Rect plain = s().ControlRect(kSendBy);
  EXPECT_FALSE(s().Shown(kModule));
  TearDown();
  SetUp();
  SelectModel(530);
  Open();
  const platform::Rect narrow = s().ControlRect(kSendBy);
  EXPECT_EQ(narrow.w, plain.w - 20);
  EXPECT_EQ(narrow.h, plain.h);
  EXPECT_EQ(narrow.y, plain.y + 2);
  EXPECT_EQ(narrow.x, plain.x);
  EXPECT_EQ(s().Items(kModule), (Items{"WIFI", "5G"}));  // the 5G row of the R2 group
  EXPECT_EQ(s().Selection(kModule), 1);
  const platform::Rect module = s().ControlRect(kModule);
  EXPECT_GT(module.x, narrow.x + narrow.w);
}

TEST_F(WirelessPageTest, ChoosingTheModuleStartsFromEmptyNetworkValues) {
  SelectModel(525);
  SendSet rec = MailRecord();
  rec.StructFlag = 1;
  rec.byOperatorCountry = 0;
  rec.byOperator = 1;
  WriteCfg(rec);
  Open();
  ASSERT_EQ(s().Selection(kSource), 0);
  ASSERT_TRUE(s().Select(kModule, 0));
  EXPECT_EQ(App().MdmSendVia, 0);
  EXPECT_EQ(App().g_sSendSet.StructFlag, 0);
  EXPECT_EQ(App().g_sSendSet.byOperatorCountry, kManualCountry);
  EXPECT_EQ(FIELD(App().g_sSendSet.sSmtpSet.szWLNetApN), "");
  EXPECT_EQ(FIELD(App().g_sSendSet.sMmsSet.szApn), "");
  EXPECT_EQ(s().Text(kNetApn), "");
  EXPECT_FALSE(s().Shown(kSource));
  EXPECT_EQ(s().Text(kNetAccountLabel), "Name(SSID)");

  ASSERT_TRUE(s().Select(kModule, 1));
  EXPECT_EQ(App().MdmSendVia, 1);
  EXPECT_EQ(App().g_sSendSet.StructFlag, 1);
  EXPECT_TRUE(s().Shown(kSource));
  EXPECT_TRUE(s().Enabled(kSource));
  EXPECT_EQ(s().Text(kNetApnLabel), "APN");
  EXPECT_TRUE(s().Enabled(kNetApnLabel));
  EXPECT_EQ(s().Text(kNetAccountLabel), "Account");
  EXPECT_TRUE(s().Enabled(kNetApn));  // hand-typed values
}

TEST_F(WirelessPageTest, FactoryTestModeIsSwitchedOffAndItsServerKept) {
  SelectModel(520);
  SendSet rec = MailRecord();
  rec.DebugFlag = 1;
  rec.DebugPort = 8000;
  CopyTextField(rec.DebugUrl, "factory.example.com");
  WriteCfg(rec);
  Open();
  EXPECT_EQ(App().g_sSendSet.DebugFlag, 0);
  EXPECT_EQ(App().g_sSendSet.DebugPort, 8000);
  EXPECT_EQ(FIELD(App().g_sSendSet.DebugUrl), "factory.example.com");
  EXPECT_FALSE(s().Shown(kFactoryTest));
  EXPECT_FALSE(s().Enabled(kFactoryTest));
  EXPECT_FALSE(s().Checked(kFactoryTest));
  EXPECT_FALSE(s().Shown(kFactoryLabel));
  EXPECT_FALSE(s().Shown(kFactoryPortLabel));
  ExpectHandOver();
  EXPECT_EQ(App().SendSetSnapshot.DebugFlag, 0);
  EXPECT_EQ(App().SendSetSnapshot.DebugPort, 8000);
  EXPECT_EQ(FIELD(App().SendSetSnapshot.DebugUrl), "factory.example.com");
}

TEST_F(WirelessPageTest, MissingOrForeignFileGivesTheDefaultRecord) {
  SelectModel(514);
  SendSet foreign = MailRecord();
  foreign.StructFlag = 22;  // written for a cellular model
  WriteCfg(foreign);
  SelectModel(514);
  Open();
  EXPECT_EQ(App().g_sSendSet.bySendBy, kSendEmail);
  EXPECT_EQ(App().g_sSendSet.StructFlag, 8192);
  EXPECT_EQ(FIELD(App().g_sSendSet.sFtpSet.szFtpDir), "/");
  EXPECT_EQ(App().g_sSendSet.sFtpSet.iPort, 21);
  EXPECT_EQ(s().Text(kSenderServer), "");
  EXPECT_EQ(s().Text(kSenderPort), "");
  EXPECT_FALSE(s().Enabled(kFtpDir));
  EXPECT_EQ(s().Title(), "Wireless Parameter Settings");
  EXPECT_EQ(s().Icon(), 103);
}

TEST_F(WirelessPageTest, ChineseTexts) {
  App().UiLanguage = 0;
  SelectModel(520);
  Open();
  EXPECT_EQ(s().Title(), "无线参数设置");
  EXPECT_EQ(s().Items(kSendBy), (Items{"关闭", "邮件", "FTP", "相机云系统"}));
  EXPECT_EQ(s().Items(kSource), (Items{"选择运营商参数", "手动输入"}));
  EXPECT_EQ(s().Items(kFtpDirType), (Items{"根目录", "指定目录"}));
  EXPECT_EQ(s().Text(kNextPage), "下一页");
  EXPECT_EQ(s().Text(kMailFrame), "网络设置, 邮件参数");
  EXPECT_EQ(s().Text(kBoxFrame), "相机云系统参数");
  EXPECT_EQ(s().Text(kBox3Label), "SIM卡电话号码");
  EXPECT_EQ(s().Text(kVersion), TRAILSET_VERSION_COMMAS);
  EXPECT_FALSE(s().Shown(kVersion));
  EXPECT_FALSE(s().Shown(kLanguage));
  EXPECT_EQ(s().Items(kMmsType), (Items{"APN", "CSD"}));
  EXPECT_FALSE(s().Enabled(kMmsType));
}

TEST_F(WirelessPageTest, FtpFromFileShowsTheFtpBox) {
  SelectModel(521);
  SendSet rec = MailRecord();
  rec.bySendBy = kSendFtp;
  CopyTextField(rec.sFtpSet.szServer, "ftp.example.com");
  rec.sFtpSet.iPort = 2121;
  CopyTextField(rec.sFtpSet.szUserName, "uploader");
  CopyTextField(rec.sFtpSet.szPassword, "ftppw");
  rec.sFtpSet.iFtpDirType = 1;
  CopyTextField(rec.sFtpSet.szFtpDir, "/cam1");
  WriteCfg(rec);
  Open();
  EXPECT_EQ(App().s_eFtpEditUse, 0);
  EXPECT_EQ(s().Selection(kSendBy), 2);
  EXPECT_EQ(s().Text(kBoxFrame), "FTP Settings");
  EXPECT_EQ(s().Text(kBox1), "ftp.example.com");
  EXPECT_EQ(s().Text(kBox2), "2121");
  EXPECT_FALSE(s().Masked(kBox2));
  EXPECT_EQ(s().Text(kBox3), "uploader");
  EXPECT_EQ(s().Text(kFtpPassword), "ftppw");
  EXPECT_TRUE(s().Masked(kFtpPassword));
  EXPECT_EQ(s().Selection(kFtpDirType), 1);
  EXPECT_EQ(s().Text(kFtpDir), "/cam1");
  EXPECT_TRUE(s().Enabled(kFtpDir));
  for (int id : {kFtpPassword, kFtpDirType, kFtpDir, kFtpDirFrame}) EXPECT_TRUE(s().Shown(id));
  // Sender edits: only with remote control, which this record has off.
  EXPECT_FALSE(s().Enabled(kSenderServer));

  ASSERT_TRUE(s().Type(kBox2, "x9"));  // digits only in the FTP port
  EXPECT_EQ(s().Text(kBox2), "21219");
  ASSERT_TRUE(s().Select(kFtpDirType, 0));
  EXPECT_EQ(FIELD(App().g_sSendSet.sFtpSet.szFtpDir), "/");
  EXPECT_EQ(s().Text(kFtpDir), "/");
  EXPECT_FALSE(s().Enabled(kFtpDir));
}

TEST_F(WirelessPageTest, FtpModelWithoutFtpShowsAStoredFtpModeAsCloud) {
  SelectModel(514);
  SendSet rec = MailRecord();
  rec.bySendBy = kSendFtp;
  WriteCfg(rec);
  Open();
  EXPECT_EQ(App().g_sSendSet.bySendBy, kSendCloud);
  EXPECT_EQ(s().Selection(kSendBy), 2);
  EXPECT_EQ(s().Text(kBoxFrame), "Camera Cloud System Parameters");
}

TEST_F(WirelessPageTest, PresetValuesAreNeverShownInClear) {
  SelectModel(520);
  SendSet rec = MailRecord();
  rec.byOperatorCountry = 0;
  rec.byOperator = 1;  // China Mobile
  rec.byRemoteSwitch = 1;
  rec.byRemoteInterval = 3;
  WriteCfg(rec);
  Open();
  for (int id : {kNetApn, kNetAccount, kNetPassword, kMmsUrl, kMmsApn, kMmsPort})
    EXPECT_TRUE(s().Masked(id)) << id;
  EXPECT_FALSE(s().Enabled(kNetApn));
  ASSERT_TRUE(s().Select(kSource, 1));  // manual input
  EXPECT_EQ(App().g_sSendSet.byOperatorCountry, kManualCountry);
  for (int id : {kNetApn, kNetAccount, kNetPassword, kMmsUrl, kMmsApn, kMmsPort})
    EXPECT_FALSE(s().Masked(id)) << id;
  EXPECT_EQ(s().Text(kNetApn), "");
  EXPECT_EQ(FIELD(App().g_sSendSet.sSmtpSet.szWLNetApN), "");
  EXPECT_EQ(FIELD(App().g_sSendSet.sMmsSet.szApn), "");
  EXPECT_TRUE(s().Enabled(kNetApn));
  EXPECT_TRUE(s().Enabled(kMmsUrl));  // remote control with hand-typed values
  EXPECT_EQ(s().Items(kCountry), (Items{"Others"}));
}

}  // namespace
}  // namespace page_test
