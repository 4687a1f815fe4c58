// Leaving the wireless parameter page: Next Page's read-back, its checks
// in order, the hand-over, and closing with the snapshot.
#include "test_wireless_page_fixture.h"
#include "records/app_state.h"

namespace page_test {
namespace {

TEST_F(WirelessPageTest, NextPageMessagesOfWifiModels) {
  SelectModel(514);
  SendSet rec = MailRecord();
  CopyTextField(rec.sSmtpSet.szWLNetAccount, "");
  CopyTextField(rec.sSmtpSet.szWLNetPassword, "");
  CopyTextField(rec.sSmtpSet.szServer, "");  // the WiFi checks come first
  WriteCfg(rec);
  Open();
  ExpectNextPageMessage("Please enter WiFi name(SSID).");
  ASSERT_TRUE(s().Type(kNetAccount, "trailnet"));
  ExpectNextPageMessage("Please enter WiFi password.");
  ASSERT_TRUE(s().Type(kNetPassword, "wifipass"));
  ExpectNextPageMessage("Please enter sender server.");
  EXPECT_EQ(FIELD(App().SendSetSnapshot.sSmtpSet.szWLNetAccount), "trailnet");
}

TEST_F(WirelessPageTest, NextPageSenderMessagesInOrder) {
  SelectModel(524);  // needs no APN
  SendSet rec = MailRecord();
  CopyTextField(rec.sSmtpSet.szWLNetApN, "");
  CopyTextField(rec.sSmtpSet.szServer, "");
  rec.sSmtpSet.iPort = 0;
  CopyTextField(rec.sSmtpSet.szAddr, "");
  CopyTextField(rec.sSmtpSet.szUserName, "");
  CopyTextField(rec.sSmtpSet.szPassword, "");
  WriteCfg(rec);
  Open();
  ExpectNextPageMessage("Please enter sender server.");
  ASSERT_TRUE(s().Type(kSenderServer, "smtp.example.com"));
  ExpectNextPageMessage("Please enter sender port.");
  ASSERT_TRUE(s().Type(kSenderPort, "4a65"));  // digits only
  EXPECT_EQ(s().Text(kSenderPort), "465");
  ExpectNextPageMessage("Please enter sender email address.");
  ASSERT_TRUE(s().Type(kSenderAddr, "cam.box@example"));  // its only dot before the at sign
  EXPECT_EQ(s().Text(kSenderUser), "cam.box@example");
  ExpectNextPageMessage("Sender email address error!");
  ASSERT_TRUE(s().Type(kSenderAddr, ".com"));
  ExpectNextPageMessage("Please enter sender password.");
  ASSERT_TRUE(s().Type(kSenderPassword, "0123456789abcdef0123456789ABCDEF"));  // 32 characters
  ExpectHandOver();

  const SmtpSet& smtp = App().SendSetSnapshot.sSmtpSet;
  EXPECT_EQ(FIELD(smtp.szServer), "smtp.example.com");
  EXPECT_EQ(smtp.iPort, 465);
  EXPECT_EQ(FIELD(smtp.szAddr), "cam.box@example.com");
  EXPECT_EQ(FIELD(smtp.szUserName), "cam.box@example.com");
  EXPECT_EQ(FIELD(smtp.szPassword), "0123456789abcdef0123456789ABCDEF");
  EXPECT_EQ(std::memcmp(&App().SendSetSnapshot, &App().g_sSendSet, sizeof(SendSet)), 0);
  EXPECT_EQ(results_.back(), platform::kIdOk);
  EXPECT_TRUE(DiagHas("MdmSendVia = 1, OpCountry = 43, bCheckSmtpAPN = 0"));
}

TEST_F(WirelessPageTest, NextPageAsksForTheNetworkApn) {
  SelectModel(520);
  SendSet rec = MailRecord();
  CopyTextField(rec.sSmtpSet.szWLNetApN, "");
  WriteCfg(rec);
  Open();
  ExpectNextPageMessage("Please enter network APN.");
  ASSERT_TRUE(s().Type(kNetApn, "internet.example"));
  ExpectHandOver();
  EXPECT_EQ(FIELD(App().SendSetSnapshot.sSmtpSet.szWLNetApN), "internet.example");
}

TEST_F(WirelessPageTest, ModuleChoiceApnCheckOnlyForHandTypedCellularValues) {
  SelectModel(529);
  SendSet rec = MailRecord();
  rec.bySendBy = kSendFtp;
  CopyTextField(rec.sSmtpSet.szWLNetApN, "");
  WriteCfg(rec);
  Open();
  ExpectNextPageMessage("Please enter network APN.");
  EXPECT_TRUE(DiagHas("MdmSendVia = 1, OpCountry = 43, bCheckSmtpAPN = 1"));
  ASSERT_TRUE(s().Select(kSource, 0));  // a preset brings its own APN
  EXPECT_EQ(FIELD(App().g_sSendSet.sSmtpSet.szWLNetApN), "3gnet");
  ExpectHandOver();
  EXPECT_EQ(FIELD(App().SendSetSnapshot.sSmtpSet.szWLNetApN), "3gnet");
}

TEST_F(WirelessPageTest, ModeOffChecksNothing) {
  SelectModel(520);
  SendSet rec = DefaultRecord();
  rec.bySendBy = kSendOff;
  WriteCfg(rec);
  Open();
  EXPECT_FALSE(s().Enabled(kSource));
  EXPECT_FALSE(s().Enabled(kNetApn));
  EXPECT_FALSE(s().Shown(kBoxFrame));  // no other mode applied yet in this run
  ExpectHandOver();
}

TEST_F(WirelessPageTest, RemoteControlWithoutCommand22ReadsTheSenderButDoesNotCheckIt) {
  SelectModel(521);
  SendSet rec = MailRecord();
  rec.bySendBy = kSendFtp;
  rec.byRemoteSwitch = 1;
  rec.byRemoteInterval = 2;
  CopyTextField(rec.sSmtpSet.szServer, "");
  WriteCfg(rec);
  App().NoRemoteCommand22 = true;
  Open();
  EXPECT_FALSE(s().Enabled(kSenderServer));
  ExpectHandOver();
  EXPECT_EQ(FIELD(App().SendSetSnapshot.sSmtpSet.szServer), "");
  EXPECT_TRUE(DiagHas("** szServer:"));
}

TEST_F(WirelessPageTest, RemoteControlOnFtpChecksTheSender) {
  SelectModel(521);
  SendSet rec = MailRecord();
  rec.bySendBy = kSendFtp;
  rec.byRemoteSwitch = 1;
  rec.byRemoteInterval = 2;
  CopyTextField(rec.sSmtpSet.szServer, "");
  WriteCfg(rec);
  Open();
  EXPECT_TRUE(s().Enabled(kSenderServer));
  ExpectNextPageMessage("Please enter sender server.");
}

TEST_F(WirelessPageTest, EmptiedPortKeepsTheStoredPort) {
  SelectModel(520);
  WriteCfg(MailRecord());
  Open();
  ASSERT_TRUE(s().Paste(kSenderPort, ""));
  ASSERT_TRUE(s().Paste(kSenderServer, "mail.example.org"));
  ExpectHandOver();
  EXPECT_EQ(App().SendSetSnapshot.sSmtpSet.iPort, 465);
  EXPECT_EQ(FIELD(App().SendSetSnapshot.sSmtpSet.szServer), "mail.example.org");
}

TEST_F(WirelessPageTest, FtpAndCloudValuesAreReadBack) {
  SelectModel(522);
  SendSet rec = MailRecord();
  WriteCfg(rec);
  Open();
  ASSERT_TRUE(s().Select(kSendBy, 2));  // FTP
  EXPECT_EQ(App().g_sSendSet.bySendBy, kSendFtp);
  EXPECT_EQ(App().ChosenSendBy, kSendFtp);
  EXPECT_TRUE(s().Shown(kFtpDir));
  EXPECT_EQ(s().Text(kBoxFrame), "FTP Settings");
  EXPECT_EQ(s().Text(kFtpDirFrame), "Upload to FTP directory (must exist)");
  // The box shows the record's FTP values: port 21 and the root directory.
  EXPECT_EQ(s().Text(kBox2), "21");
  EXPECT_EQ(s().Text(kFtpDir), "/");
  EXPECT_FALSE(s().Enabled(kFtpDir));
  ASSERT_TRUE(s().Paste(kBox1, "ftp.example.net"));
  ASSERT_TRUE(s().Paste(kBox2, "990"));
  ASSERT_TRUE(s().Paste(kBox3, "uploader"));
  ASSERT_TRUE(s().Paste(kFtpPassword, "ftp-secret-0123456789-0123456789"));  // 32 characters
  ASSERT_TRUE(s().Select(kFtpDirType, 1));
  EXPECT_TRUE(s().Enabled(kFtpDir));
  ASSERT_TRUE(s().Paste(kFtpDir, "cam7"));
  ExpectHandOver();
  const FtpSet& ftp = App().SendSetSnapshot.sFtpSet;
  EXPECT_EQ(FIELD(ftp.szServer), "ftp.example.net");
  EXPECT_EQ(ftp.iPort, 990);
  EXPECT_EQ(FIELD(ftp.szUserName), "uploader");
  EXPECT_EQ(FIELD(ftp.szPassword), "ftp-secret-0123456789-0123456789");
  EXPECT_EQ(ftp.iFtpDirType, 1);
  EXPECT_EQ(FIELD(ftp.szFtpDir), "cam7");
  EXPECT_EQ(App().SendSetSnapshot.bySendBy, kSendFtp);
}

// A directory type the list does not offer shows no entry and goes back
// as "no selection", as every list does, not as the number the file held.
TEST_F(WirelessPageTest, FtpDirectoryTypeTheListDoesNotOfferIsStoredAsNoSelection) {
  SelectModel(522);
  SendSet rec = MailRecord();
  rec.bySendBy = kSendFtp;
  CopyTextField(rec.sFtpSet.szServer, "ftp.example.net");
  CopyTextField(rec.sFtpSet.szUserName, "uploader");
  CopyTextField(rec.sFtpSet.szPassword, "ftp-pass");
  rec.sFtpSet.iFtpDirType = 5;
  WriteCfg(rec);
  Open();
  EXPECT_EQ(s().Selection(kFtpDirType), -1);
  ExpectHandOver();
  EXPECT_EQ(App().SendSetSnapshot.sFtpSet.iFtpDirType, -1);
  uint8_t bytes[4];
  std::memcpy(bytes, &App().SendSetSnapshot.sFtpSet.iFtpDirType, 4);
  EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 4), std::vector<uint8_t>(4, 0xFF));
}

TEST_F(WirelessPageTest, CloudValuesAreReadBack) {
  SelectModel(520);
  WriteCfg(MailRecord());
  Open();
  ASSERT_TRUE(s().Select(kSendBy, 3));
  EXPECT_EQ(s().Text(kBox1), "");  // emptied for the new mode
  ASSERT_TRUE(s().Type(kBox1, "owner@example.com"));
  ASSERT_TRUE(s().Type(kBox2, "pw"));
  ASSERT_TRUE(s().Type(kBox3, "86139000"));
  ExpectHandOver();
  const VornCloudSet& cloud = App().SendSetSnapshot.sVornCloudSet;
  EXPECT_EQ(FIELD(cloud.szAppKey), "owner@example.com");
  EXPECT_EQ(FIELD(cloud.szAppSecret), "pw");
  EXPECT_EQ(FIELD(cloud.szSimCardNum), "86139000");
}

TEST_F(WirelessPageTest, Model523FtpEntrySendsByFtp) {
  SelectModel(523);
  WriteCfg(MailRecord());
  Open();
  ASSERT_EQ(s().Items(kSendBy)[2], "FTP");
  ASSERT_TRUE(s().Select(kSendBy, 2));
  EXPECT_EQ(App().g_sSendSet.bySendBy, kSendFtp);
  EXPECT_EQ(App().s_eFtpEditUse, 0);
  EXPECT_EQ(s().Text(kBoxFrame), "FTP Settings");
  EXPECT_TRUE(s().Shown(kFtpDirType));
}

TEST_F(WirelessPageTest, SwitchingToOffEmptiesTheScreenButNotTheRecord) {
  SelectModel(520);
  WriteCfg(MailRecord());
  Open();
  ASSERT_EQ(s().Text(kNetApn), "internet");
  ASSERT_TRUE(s().Select(kSendBy, 0));
  for (int id : {kNetApn, kNetAccount, kNetPassword, kSenderServer, kSenderPort, kSenderAddr,
                 kSenderUser, kSenderPassword}) {
    EXPECT_EQ(s().Text(id), "") << id;
    EXPECT_FALSE(s().Enabled(id)) << id;
  }
  EXPECT_EQ(FIELD(App().g_sSendSet.sSmtpSet.szWLNetApN), "internet");
  EXPECT_EQ(FIELD(App().g_sSendSet.sSmtpSet.szServer), "smtp.example.com");
  EXPECT_TRUE(s().Shown(kBoxFrame));  // another mode was applied in this run
  EXPECT_FALSE(s().Enabled(kBox1));
  ExpectHandOver();
  EXPECT_EQ(App().SendSetSnapshot.bySendBy, kSendOff);
  EXPECT_EQ(FIELD(App().SendSetSnapshot.sSmtpSet.szServer), "smtp.example.com");
}

TEST_F(WirelessPageTest, SecondOpeningShowsTheSnapshotNotTheFile) {
  SelectModel(520);
  WriteCfg(MailRecord());
  Open(2);
  ASSERT_TRUE(s().Paste(kSenderServer, "typed.example.com"));
  ExpectHandOver();
  ASSERT_EQ(s().TopTemplate(), kWirelessPageTemplate);  // the second opening
  EXPECT_EQ(s().Text(kSenderServer), "typed.example.com");
  EXPECT_EQ(App().g_sSendSet.StructFlag, ExpectedStructFlag());
  // CFG.BIN is read once per run.
  const auto lines = s().DiagLines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "sizeof = 1320"), 1);
}

TEST_F(WirelessPageTest, ClosingDropsTypedTextButKeepsListChoices) {
  SelectModel(520);
  WriteCfg(MailRecord());
  Open(2);
  ASSERT_TRUE(s().Paste(kSenderServer, "typed.example.com"));
  ASSERT_TRUE(s().Select(kSendBy, 3));  // cloud
  ASSERT_TRUE(s().Close());
  EXPECT_EQ(nexts_.at(0), platform::WindowKind::Main);
  EXPECT_EQ(App().SendSetSnapshot.bySendBy, kSendCloud);
  EXPECT_EQ(FIELD(App().SendSetSnapshot.sSmtpSet.szServer), "smtp.example.com");
  ASSERT_EQ(s().TopTemplate(), kWirelessPageTemplate);
  EXPECT_EQ(s().Selection(kSendBy), 3);
  EXPECT_EQ(FIELD(App().g_sSendSet.sSmtpSet.szServer), "smtp.example.com");
}

TEST_F(WirelessPageTest, OperatorChangeInFtpModeStoresTheNewOperatorsApn) {
  SelectModel(520);
  SendSet rec = MailRecord();
  rec.bySendBy = kSendFtp;
  rec.byOperatorCountry = 0;
  rec.byOperator = 0;  // China Unicom
  WriteCfg(rec);
  Open();
  EXPECT_EQ(FIELD(App().g_sSendSet.sSmtpSet.szWLNetApN), "3gnet");
  ASSERT_TRUE(s().Select(kOperator, 1));  // China Mobile
  EXPECT_EQ(s().Text(kNetApn), "cmnet");
  ExpectHandOver();
  EXPECT_EQ(FIELD(App().SendSetSnapshot.sSmtpSet.szWLNetApN), "cmnet");
  EXPECT_EQ(FIELD(App().SendSetSnapshot.sMmsSet.szApn), "cmwap");
}

TEST_F(WirelessPageTest, CountryChangeAppliesItsFirstOperator) {
  SelectModel(520);
  SendSet rec = MailRecord();
  rec.byOperatorCountry = 0;
  rec.byOperator = 2;
  WriteCfg(rec);
  Open();
  ASSERT_TRUE(s().Select(kCountry, 14));  // Poland
  EXPECT_EQ(App().g_sSendSet.byOperatorCountry, 14);
  EXPECT_EQ(App().g_sSendSet.byOperator, 0);
  EXPECT_EQ(s().Items(kOperator), (std::vector<std::string>{"ERA"}));
  EXPECT_EQ(FIELD(App().g_sSendSet.sSmtpSet.szWLNetApN), s().Text(kNetApn));  // e-mail shows the preset
  ASSERT_TRUE(s().Select(kSource, 1));
  ASSERT_TRUE(s().Select(kSource, 0));  // back to presets: China, first operator
  EXPECT_EQ(App().g_sSendSet.byOperatorCountry, 0);
  EXPECT_EQ(s().Selection(kCountry), 0);
  EXPECT_EQ(FIELD(App().g_sSendSet.sSmtpSet.szWLNetApN), "3gnet");
  EXPECT_EQ(s().Text(kMmsApn), "uniwap");
}

}  // namespace
}  // namespace page_test
