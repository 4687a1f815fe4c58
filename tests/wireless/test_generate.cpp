// Generate over the record, without a window: the checks and their order,
// the fields it fixes, the time stamp, and what a failed write leaves.
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "records/catalogue.h"
#include "records/text_field.h"
#include "shell/ui_strings.h"
#include "tests/wireless/test_generate_support.h"
#include "wireless/generate.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_page.h"
#include "records/app_state.h"

namespace send_test {
namespace {

// Complete accounts for every mode, hand-typed network values.
void FillAccounts(SendSet& s) {
  CopyTextField(s.sSmtpSet.szWLNetApN, "internet");
  CopyTextField(s.sSmtpSet.szServer, "smtp.example.org");
  s.sSmtpSet.iPort = 465;
  CopyTextField(s.sSmtpSet.szAddr, "cam@example.org");
  CopyTextField(s.sSmtpSet.szUserName, "cam@example.org");
  CopyTextField(s.sSmtpSet.szPassword, "mailpw");
  CopyTextField(s.sMmsSet.szUrl, "http://mms.example.org");
  CopyTextField(s.sMmsSet.szApn, "mms");
  CopyTextField(s.sMmsSet.szGateway, "10.0.0.172");
  CopyTextField(s.sFtpSet.szServer, "ftp.example.org");
  s.sFtpSet.iPort = 21;
  CopyTextField(s.sFtpSet.szUserName, "cam");
  CopyTextField(s.sFtpSet.szPassword, "ftppw");
  CopyTextField(s.sVornCloudSet.szAppKey, "me@example.org");
  CopyTextField(s.sVornCloudSet.szSimCardNum, "13800000000");
  s.byOperatorCountry = kManualCountry;
}

SendPageInputs Inputs(uint8_t mode) {
  SendPageInputs in;
  in.now = {2026, 12, 8, 1, 30, 45};
  in.send_by = mode;
  in.recipients = {"13800000001", "", "one@example.org", ""};
  in.remote_interval_index = 0;
  return in;
}

// One check of a chain: how to make it fail, how to mend it, its message.
struct Check {
  std::function<void(SendPageInputs&)> fail, mend;
  const UiText* message;
};

void Rec(const std::function<void(SendSet&)>& f) { f(App().g_sSendSet); }

// Starts with every check of the chain failing, then mends them one by one:
// each Generate must report the first check still failing, and nothing may
// be written until the last one is mended.
class GenerateChain : public SendTest {
 protected:
  void Run(SendPageInputs in, const std::vector<Check>& chain) {
    for (const Check& c : chain) c.fail(in);
    for (const Check& c : chain) {
      const GenerateResult r = GenerateSendSetFile(in);
      EXPECT_EQ(r.outcome, GenerateOutcome::Rejected);
      EXPECT_EQ(r.message, c.message) << "expected: " << c.message->s[1] << "\ngot: "
                                      << (r.message ? r.message->s[1] : "(none)");
      EXPECT_FALSE(std::filesystem::exists(CfgPath()));
      c.mend(in);
    }
    const GenerateResult r = GenerateSendSetFile(in);
    EXPECT_EQ(r.outcome, GenerateOutcome::Written);
    EXPECT_EQ(r.message, &kMsgGenerateSuccess);
  }

  void SetUp() override {
    SendTest::SetUp();
    SelectModel(520);
    ApplySendSetDefaults();
    FillAccounts(App().g_sSendSet);
  }
};

// Network APN, outbox and MMS checks that the chains share.
std::vector<Check> OutboxChecks() {
  return {
      {[](auto&) { Rec([](SendSet& s) { s.sSmtpSet.szWLNetApN[0] = 0; }); },
       [](auto&) { Rec([](SendSet& s) { CopyTextField(s.sSmtpSet.szWLNetApN, "internet"); }); },
       &kMsgGenFailNetworkApn},
      {[](auto&) { Rec([](SendSet& s) { s.sSmtpSet.szServer[0] = 0; }); },
       [](auto&) { Rec([](SendSet& s) { CopyTextField(s.sSmtpSet.szServer, "smtp.example.org"); }); },
       &kMsgGenFailOutboxServer},
      {[](auto&) { Rec([](SendSet& s) { s.sSmtpSet.iPort = 0; }); },
       [](auto&) { Rec([](SendSet& s) { s.sSmtpSet.iPort = 25; }); }, &kMsgGenFailOutboxPort},
      {[](auto&) { Rec([](SendSet& s) { CopyTextField(s.sSmtpSet.szAddr, "cam.example@org"); }); },
       [](auto&) { Rec([](SendSet& s) { CopyTextField(s.sSmtpSet.szAddr, "cam@example.org"); }); },
       &kMsgGenFailOutboxAddress},
      {[](auto&) { Rec([](SendSet& s) { s.sSmtpSet.szPassword[0] = 0; }); },
       [](auto&) { Rec([](SendSet& s) { CopyTextField(s.sSmtpSet.szPassword, "pw"); }); },
       &kMsgGenFailOutboxPassword},
  };
}

std::vector<Check> RecipientAndRemoteChecks() {
  return {
      // Only '.' before the '@': malformed. Both malformed: e-mail 1 is reported.
      {[](auto& in) { in.recipients[2] = "one.x@example"; },
       [](auto& in) { in.recipients[2] = "one@example.org"; }, &kMsgGenFailEmail1},
      {[](auto& in) { in.recipients[3] = "two@example"; },
       [](auto& in) { in.recipients[3] = "two@example.org"; }, &kMsgGenFailEmail2},
      {[](auto& in) { in.remote_interval_index = 3, in.remote_phone = "1234"; },
       [](auto& in) { in.remote_phone = "12345"; }, &kMsgGenFailRemotePhone},
      {[](auto& in) { in.remote_email = "boss@example"; },
       [](auto& in) { in.remote_email = "boss@example.org"; }, &kMsgGenFailRemoteEmail},
  };
}

template <class... Lists>
std::vector<Check> Join(Lists... lists) {
  std::vector<Check> all;
  (all.insert(all.end(), lists.begin(), lists.end()), ...);
  return all;
}

TEST_F(GenerateChain, MmsByHandChecksRecipientsRemoteMmsThenOutbox) {
  const std::vector<Check> mms = {
      {[](auto&) { Rec([](SendSet& s) { s.sMmsSet.szUrl[0] = 0; }); },
       [](auto&) { Rec([](SendSet& s) { CopyTextField(s.sMmsSet.szUrl, "http://mms"); }); },
       &kMsgGenFailMmsUrl},
      {[](auto&) { Rec([](SendSet& s) { s.sMmsSet.szApn[0] = 0; }); },
       [](auto&) { Rec([](SendSet& s) { CopyTextField(s.sMmsSet.szApn, "mms"); }); },
       &kMsgGenFailMmsApn},
      {[](auto&) { Rec([](SendSet& s) { s.sMmsSet.szGateway[0] = 0; }); },
       [](auto&) { Rec([](SendSet& s) { CopyTextField(s.sMmsSet.szGateway, "10.0.0.1"); }); },
       &kMsgGenFailMmsGateway},
  };
  Run(Inputs(kSendMms), Join(RecipientAndRemoteChecks(), mms, OutboxChecks()));
}

TEST_F(GenerateChain, EmailModeNeedsAnAddressThenChecksTheOutbox) {
  const std::vector<Check> none = {
      // A phone number alone is not enough in e-mail mode.
      {[](auto& in) { in.recipients = {"13800000001", "13800000002", "", ""}; },
       [](auto& in) { in.recipients[2] = "one@example.org"; }, &kMsgGenFailNoEmail},
  };
  SendPageInputs in = Inputs(kSendEmail);
  Run(in, Join(none, OutboxChecks()));
}

TEST_F(GenerateChain, FtpChecksInOrder) {
  auto field = [](char* f, std::size_t n, const char* value) { CopyTextField(f, n, value); };
  const std::vector<Check> ftp = {
      OutboxChecks()[0],
      {[](auto&) { App().g_sSendSet.sFtpSet.szServer[0] = 0; },
       [field](auto&) { field(App().g_sSendSet.sFtpSet.szServer, 61, "ftp.example.org"); },
       &kMsgGenFailFtpServer},
      {[](auto&) { App().g_sSendSet.sFtpSet.iPort = 0; }, [](auto&) { App().g_sSendSet.sFtpSet.iPort = 2121; },
       &kMsgGenFailFtpPort},
      {[](auto&) { App().g_sSendSet.sFtpSet.szUserName[0] = 0; },
       [field](auto&) { field(App().g_sSendSet.sFtpSet.szUserName, 49, "cam"); }, &kMsgGenFailFtpAccount},
      {[](auto&) { App().g_sSendSet.sFtpSet.szPassword[0] = 0; },
       [field](auto&) { field(App().g_sSendSet.sFtpSet.szPassword, 33, "pw"); }, &kMsgGenFailFtpPassword},
  };
  // No recipient check in FTP mode.
  SendPageInputs in = Inputs(kSendFtp);
  in.recipients = {"", "", "", ""};
  Run(in, ftp);
}

TEST_F(GenerateChain, CloudChecksInOrder) {
  const std::vector<Check> cloud = {
      OutboxChecks()[0],
      {[](auto&) { App().g_sSendSet.sVornCloudSet.szAppKey[0] = 0; },
       [](auto&) { CopyTextField(App().g_sSendSet.sVornCloudSet.szAppKey, "me@example.org"); },
       &kMsgGenFailRegisteredMail},
      {[](auto&) { App().g_sSendSet.sVornCloudSet.szSimCardNum[0] = 0; },
       [](auto&) { CopyTextField(App().g_sSendSet.sVornCloudSet.szSimCardNum, "1380"); },
       &kMsgGenFailSimPhone},
  };
  Run(Inputs(kSendCloud), cloud);
}

TEST_F(GenerateChain, MmsWithoutAnyRecipientFailsBeforeEverythingElse) {
  SendPageInputs in = Inputs(kSendMms);
  in.recipients = {"", "", "", ""};
  in.remote_interval_index = 2;
  in.remote_phone = "1";
  App().g_sSendSet.sMmsSet.szUrl[0] = 0;
  App().g_sSendSet.sSmtpSet.szServer[0] = 0;
  EXPECT_EQ(PrepareSendSet(in), &kMsgGenFailNoPhoneOrEmail);
  // One phone number is enough.
  in.recipients[1] = "+4930123";
  EXPECT_EQ(PrepareSendSet(in), &kMsgGenFailRemotePhone);
}

class GenerateRules : public GenerateChain {};

TEST_F(GenerateRules, RemotePhoneNeedsFiveCharacters) {
  SendPageInputs in = Inputs(kSendEmail);
  in.remote_interval_index = 1;
  in.remote_email = "boss@example.org";
  in.remote_phone = "+123";
  EXPECT_EQ(PrepareSendSet(in), &kMsgGenFailRemotePhone);
  in.remote_phone = "+1234";
  EXPECT_EQ(PrepareSendSet(in), nullptr);
  EXPECT_EQ(App().g_sSendSet.byRemoteSwitch, 1);
  EXPECT_EQ(App().g_sSendSet.byRemoteInterval, 1);
}

TEST_F(GenerateRules, RemoteControlInFtpAndCloudChecksTheOutboxUnlessCommand22IsUnused) {
  for (uint8_t mode : {kSendFtp, kSendCloud}) {
    SCOPED_TRACE(mode);
    FillAccounts(App().g_sSendSet);
    App().g_sSendSet.sSmtpSet.szServer[0] = 0;  // outbox incomplete, FTP and cloud complete
    SendPageInputs in = Inputs(mode);
    in.remote_interval_index = 5;
    in.remote_phone = "13812345678";
    in.remote_email = "boss@example.org";
    EXPECT_EQ(PrepareSendSet(in), &kMsgGenFailOutboxServer);

    // Without command 22 the remote e-mail may be empty and the outbox is
    // not needed; the mode's own accounts are checked instead.
    in.no_remote_command22 = true;
    in.remote_email = "";
    EXPECT_EQ(PrepareSendSet(in), nullptr);
    App().g_sSendSet.sFtpSet.szServer[0] = 0;
    App().g_sSendSet.sVornCloudSet.szAppKey[0] = 0;
    EXPECT_EQ(PrepareSendSet(in), mode == kSendFtp ? &kMsgGenFailFtpServer : &kMsgGenFailRegisteredMail);
  }
}

TEST_F(GenerateRules, SendByOffChecksNothingAndSwitchesRemoteControlOff) {
  std::memset(&App().g_sSendSet, 0, sizeof App().g_sSendSet);
  App().g_sSendSet.StructFlag = ExpectedStructFlag();
  App().g_sSendSet.byRemoteInterval = 3;
  App().g_sSendSet.byRemoteSwitch = 1;
  SendPageInputs in = Inputs(kSendOff);
  in.recipients = {"", "", "bad", ""};
  in.remote_interval_index = 7;
  in.remote_phone = "1";
  const GenerateResult r = GenerateSendSetFile(in);
  ASSERT_EQ(r.outcome, GenerateOutcome::Written);
  const SendSet f = RecordOf(PlainFile());
  EXPECT_EQ(f.bySendBy, IF_SEND_BY_APP_SET_FLG | kSendOff);
  EXPECT_EQ(f.byRemoteInterval, 3);  // what the record held, not the list
  EXPECT_EQ(SEND_FIELD(f.szRecp[2]), "bad");
  EXPECT_EQ(f.byDailySendTime, 24);
  EXPECT_EQ(SEND_FIELD(f.szFileFullName[0]), "DCIM\\100IMA3G\\IMAG0001.JPG");
  EXPECT_EQ(App().g_sSendSet.byRemoteSwitch, 1) << "the read-back derives the switch from the interval";
}

TEST_F(GenerateRules, FailedCheckKeepsWhatEarlierStepsStoredAndWritesNothing) {
  SendPageInputs in = Inputs(kSendEmail);
  in.now = {2027, 3, 4, 5, 6, 7};
  in.recipients = {"111", "222", "bad.address@", ""};
  in.remote_phone = "98765";
  EXPECT_EQ(PrepareSendSet(in), &kMsgGenFailEmail1);
  EXPECT_EQ(App().g_sSendSet.sTime.byYear, 27);
  EXPECT_EQ(App().g_sSendSet.sTime.bySecond, 7);
  EXPECT_EQ(App().LastGenerateTime.byMonth, 3);
  EXPECT_EQ(App().g_sSendSet.bySendBy, kSendEmail);
  EXPECT_EQ(SEND_FIELD(App().g_sSendSet.szRecp[1]), "222");
  EXPECT_EQ(App().g_sSendSet.uwRecpLen[2], 12);
  EXPECT_EQ(SEND_FIELD(App().g_sSendSet.szRemotePhoneNum), "98765");
  EXPECT_FALSE(std::filesystem::exists(CfgPath()));
}

TEST_F(GenerateRules, YearByte) {
  EXPECT_EQ(YearByte(1999), 99);
  EXPECT_EQ(YearByte(1900), 0);
  EXPECT_EQ(YearByte(2000), 0);
  EXPECT_EQ(YearByte(2026), 26);
  EXPECT_EQ(YearByte(2255), 255);
  EXPECT_EQ(YearByte(2256), 0);
  EXPECT_EQ(YearByte(1899), 255);

  SendPageInputs in = Inputs(kSendEmail);
  in.now = {1999, 12, 31, 23, 59, 58};
  ASSERT_EQ(GenerateSendSetFile(in).outcome, GenerateOutcome::Written);
  const std::vector<uint8_t> plain = PlainFile();
  ASSERT_EQ(plain.size(), 1320u);
  EXPECT_EQ(std::vector<uint8_t>(plain.begin() + 14, plain.begin() + 21),
            (std::vector<uint8_t>{99, 12, 31, 23, 59, 58, 0}));
  EXPECT_TRUE(Logged("Sytem time: 1999-12-31, 23:59:58\n"));
}

TEST_F(GenerateRules, RemoteIntervalListMapping) {
  // 518 offers "10 Minutes" at position 1.
  EXPECT_EQ(RemoteIntervalCount(518), 26);
  EXPECT_EQ(RemoteIntervalFromIndex(518, 0), kRemoteOff);
  EXPECT_EQ(RemoteIntervalFromIndex(518, 1), 0);
  EXPECT_EQ(RemoteIntervalFromIndex(518, 2), 1);
  EXPECT_EQ(RemoteIntervalFromIndex(518, 25), 24);
  EXPECT_EQ(RemoteIntervalToIndex(518, 0), 1);
  EXPECT_EQ(RemoteIntervalToIndex(518, 24), 25);
  EXPECT_EQ(RemoteIntervalTextIndex(518, 1), 1);
  // Every other model starts "Remote Off", "01 Hours".
  EXPECT_EQ(RemoteIntervalCount(520), 25);
  EXPECT_EQ(RemoteIntervalTextIndex(520, 1), 2);
  EXPECT_EQ(RemoteIntervalTextIndex(520, 24), 25);
  EXPECT_EQ(RemoteIntervalFromIndex(520, 1), 1);
  EXPECT_EQ(RemoteIntervalFromIndex(520, 24), 24);
  EXPECT_EQ(RemoteIntervalToIndex(520, 0), 1);  // 10 minutes not offered: shows "01 Hours"
  EXPECT_EQ(RemoteIntervalToIndex(520, 7), 7);
  // Off and out of range.
  for (uint16_t code : {518, 520}) {
    EXPECT_EQ(RemoteIntervalToIndex(code, 25), 0);
    EXPECT_EQ(RemoteIntervalToIndex(code, 200), 0);
    EXPECT_EQ(RemoteIntervalFromIndex(code, -1), kRemoteOff);
    EXPECT_EQ(RemoteIntervalFromIndex(code, RemoteIntervalCount(code)), kRemoteOff);
  }
}

TEST_F(GenerateRules, WrittenFileHoldsTheFixedFieldsAndTheStamp) {
  App().g_sSendSet.bySendMode = 1;
  App().g_sSendSet.uwMaxSendImgNum = 9;
  App().g_sSendSet.bySendFileNum = 3;
  App().g_sSendSet.byDailySendTime = 5;
  SendPageInputs in = Inputs(kSendEmail);
  in.image_size_index = 1;
  ASSERT_EQ(GenerateSendSetFile(in).outcome, GenerateOutcome::Written);
  const std::vector<uint8_t> plain = PlainFile();
  ASSERT_EQ(plain.size(), 1320u);
  EXPECT_EQ(plain[0], 0x82);
  EXPECT_EQ(plain[1], 0);   // bySendMode
  EXPECT_EQ(plain[2], 1);   // bySendImgSize
  EXPECT_EQ(plain[7], 24);  // byDailySendTime
  EXPECT_EQ(plain[8], 0);   // bySendFileNum
  EXPECT_EQ(plain[10] | plain[11] << 8, 0);
  EXPECT_EQ(plain[12] | plain[13] << 8, 22);
  EXPECT_EQ(std::vector<uint8_t>(plain.begin() + 14, plain.begin() + 21),
            (std::vector<uint8_t>{26, 12, 8, 1, 30, 45, 0}));
  const std::string name = "DCIM\\100IMA3G\\IMAG0001.JPG";
  EXPECT_EQ(std::string(plain.begin() + 766, plain.begin() + 766 + name.size()), name);
  EXPECT_EQ(plain[766 + name.size()], 0);
  EXPECT_EQ(plain[766 + 4], 0x5C);
  // Recipients with their lengths.
  EXPECT_EQ(plain[562], 11);
  EXPECT_EQ(plain[566], 15);
  EXPECT_EQ(std::string(plain.begin() + 570 + 2 * 49, plain.begin() + 570 + 2 * 49 + 15), "one@example.org");
}

TEST_F(GenerateRules, CloudPositionIsStoredWhicheverAccountsAreChecked) {
  SendPageInputs in = Inputs(kSendCloud);
  in.longitude = {1, 120, 30, 15};
  in.latitude = {0, 45, 5, 59};
  ASSERT_EQ(GenerateSendSetFile(in).outcome, GenerateOutcome::Written);
  SendSet f = RecordOf(PlainFile());
  EXPECT_EQ(f.sLongitude.byDir, 1);
  EXPECT_EQ(f.sLongitude.byDeg, 120);
  EXPECT_EQ(f.sLatitude.bySec, 59);

  // With remote control on, the outbox is checked instead of the cloud
  // account; the position typed on the page is still kept.
  in.remote_interval_index = 2;
  in.remote_phone = "13800001111";
  in.remote_email = "boss@example.org";
  in.longitude = {0, 7, 8, 9};
  in.now.second = 46;
  ASSERT_EQ(GenerateSendSetFile(in).outcome, GenerateOutcome::Written);
  f = RecordOf(PlainFile());
  EXPECT_EQ(f.sLongitude.byDeg, 7);
  EXPECT_EQ(f.sLongitude.bySec, 9);
}

TEST_F(GenerateRules, OperatorNamesAreCarriedForCellularUltraModels) {
  SelectModel(525);  // a module-choice row with cellular modem
  App().g_sSendSet.StructFlag = ExpectedStructFlag();
  App().g_sSendSet.byOperatorCountry = 4;  // Canada
  App().g_sSendSet.byOperator = 3;         // Bell
  for (int language : {0, 1}) {
    App().UiLanguage = language;
    ASSERT_EQ(GenerateSendSetFile(Inputs(kSendEmail)).outcome, GenerateOutcome::Written);
    const SendSet f = RecordOf(PlainFile());
    EXPECT_EQ(SEND_FIELD(f.sMmsSet.szUrl), "Canada");
    EXPECT_EQ(SEND_FIELD(f.sMmsSet.szApn), "Bell");
    EXPECT_EQ(SEND_FIELD(f.sMmsSet.szGateway), "10.0.0.172");
  }
  // Hand-typed values outside MMS: the two fields are cleared.
  App().g_sSendSet.byOperatorCountry = kManualCountry;
  ASSERT_EQ(GenerateSendSetFile(Inputs(kSendEmail)).outcome, GenerateOutcome::Written);
  EXPECT_EQ(SEND_FIELD(RecordOf(PlainFile()).sMmsSet.szUrl), "");

  // Other models keep their MMS values.
  SelectModel(520);
  App().g_sSendSet.StructFlag = ExpectedStructFlag();
  FillAccounts(App().g_sSendSet);
  App().g_sSendSet.byOperatorCountry = 4;
  App().g_sSendSet.byOperator = 3;
  ASSERT_EQ(GenerateSendSetFile(Inputs(kSendEmail)).outcome, GenerateOutcome::Written);
  EXPECT_EQ(SEND_FIELD(RecordOf(PlainFile()).sMmsSet.szUrl), "http://mms.example.org");
}

TEST_F(GenerateRules, ApnIsNotRequiredWhereTheNetworkIsReachedWithoutOne) {
  // WiFi-only model, and an ULTRA row without modem.
  for (uint16_t code : {514, 523, 524, 532}) {
    SCOPED_TRACE(code);
    SelectModel(code);
    App().g_sSendSet.StructFlag = ExpectedStructFlag();
    App().g_sSendSet.sSmtpSet.szWLNetApN[0] = 0;
    EXPECT_EQ(PrepareSendSet(Inputs(kSendEmail)), nullptr);
  }
  SelectModel(520);
  EXPECT_EQ(PrepareSendSet(Inputs(kSendEmail)), &kMsgGenFailNetworkApn);
}

TEST_F(GenerateRules, GpsMailboxModelsWriteTheLongRecord) {
  SelectModel(518);
  App().g_sSendSet.StructFlag = ExpectedStructFlag();
  CopyTextField(App().g_sSendSetTarn.sGpsMail.szGpsServer, "smtp.gps.example");
  CopyTextField(App().g_sSendSetTarn.sGpsMail.szGpsAddr, "gps@example.org");
  App().g_sSendSetTarn.sGpsMail.iPort = 587;
  SendPageInputs in = Inputs(kSendEmail);
  in.remote_interval_index = 1;  // 10 minutes on this model
  in.remote_phone = "13800001111";
  in.remote_email = "boss@example.org";
  ASSERT_EQ(GenerateSendSetFile(in).outcome, GenerateOutcome::Written);
  const std::vector<uint8_t> plain = PlainFile();
  ASSERT_EQ(plain.size(), 1500u);
  SendSetTarn t{};
  std::memcpy(&t, plain.data(), sizeof t);
  EXPECT_EQ(t.sSendSet.StructFlag, 23);
  EXPECT_EQ(t.sSendSet.byRemoteInterval, 0);
  EXPECT_EQ(t.sSendSet.byRemoteSwitch, 1);
  EXPECT_EQ(t.sGpsMail.iPort, 587);
  EXPECT_EQ(SEND_FIELD(t.sGpsMail.szGpsAddr), "gps@example.org");
}

// A folder that cannot be written: a small tmpfs mounted read-only.
class ReadOnlyFolder : public GenerateChain {
 protected:
  void SetUp() override {
    GenerateChain::SetUp();
    mount_ = folder_ / "card";
    std::filesystem::create_directories(mount_);
    const std::string m = "mount -t tmpfs -o size=64k tmpfs '" + mount_.string() + "' 2>/dev/null";
    if (std::system(m.c_str()) != 0) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    mounted_ = true;
    UseFolder(mount_.string());
  }
  void TearDown() override {
    if (mounted_) (void)std::system(("umount '" + mount_.string() + "'").c_str());
    GenerateChain::TearDown();
  }
  void MakeReadOnly() {
    ASSERT_EQ(std::system(("mount -o remount,ro '" + mount_.string() + "'").c_str()), 0);
  }
  std::filesystem::path mount_;
  bool mounted_ = false;
};

TEST_F(ReadOnlyFolder, WritesNothingReportsNothingAndKeepsTheOldFileAndTheEntries) {
  SendPageInputs in = Inputs(kSendEmail);
  ASSERT_EQ(GenerateSendSetFile(in).outcome, GenerateOutcome::Written);
  const std::vector<uint8_t> old_file = ReadAll(mount_ / "CFG.BIN");
  MakeReadOnly();

  // Same second as the file in the folder: its stamp would match, so only
  // the failed write can tell that nothing new was written.
  in.recipients[2] = "other@example.org";
  CopyTextField(App().g_sSendSet.sSmtpSet.szServer, "smtp.changed.example");
  log_.clear();
  const GenerateResult r = GenerateSendSetFile(in);
  EXPECT_EQ(r.outcome, GenerateOutcome::WriteFailed);
  EXPECT_EQ(r.message, nullptr);
  EXPECT_TRUE(Logged("Generate fail!\n"));
  EXPECT_EQ(ReadAll(mount_ / "CFG.BIN"), old_file);
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(mount_)) names.push_back(e.path().filename());
  EXPECT_EQ(names, std::vector<std::string>{"CFG.BIN"});
  // The entries are still those of the pages, not those of the old file.
  EXPECT_EQ(SEND_FIELD(App().g_sSendSet.sSmtpSet.szServer), "smtp.changed.example");
  EXPECT_EQ(SEND_FIELD(App().g_sSendSet.szRecp[2]), "other@example.org");
}

}  // namespace
}  // namespace send_test
