#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "records/send_set.h"
#include "records/text_field.h"
#include "records_test_support.h"
#include "records/app_state.h"

namespace {

using records_test::DiagCapture;
using records_test::Plain;
using records_test::ReadAll;
using records_test::Scrambled;
using records_test::SelectModel;
using records_test::WriteAll;

template <typename T>
std::vector<uint8_t> BytesOf(const T& value) {
  std::vector<uint8_t> bytes(sizeof(T));
  std::memcpy(bytes.data(), &value, sizeof(T));
  return bytes;
}

template <typename T>
T FromBytes(const std::vector<uint8_t>& bytes) {
  T value{};
  EXPECT_EQ(bytes.size(), sizeof(T));
  std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof(T)));
  return value;
}

class SendSetFile : public records_test::RecordsTest {
 protected:
  void PutCfg(const SendSet& s) { WriteAll(CfgPath(), Scrambled(BytesOf(s))); }
  void PutCfg(const SendSetTarn& t) { WriteAll(CfgPath(), Scrambled(BytesOf(t))); }
  std::vector<uint8_t> PlainCfg() { return Plain(ReadAll(CfgPath())); }

  // A record as the program writes it for a model: its flag, bit 7 set.
  static SendSet FileRecord(uint16_t flag, uint8_t send_by = 2) {
    SendSet s{};
    s.StructFlag = flag;
    s.bySendBy = static_cast<uint8_t>(send_by | IF_SEND_BY_APP_SET_FLG);
    s.byRemoteInterval = 25;
    return s;
  }
};

TEST_F(SendSetFile, ExpectedStructFlagPerModelClass) {
  struct Case { uint16_t code; uint16_t via; uint16_t flag; };
  const Case cases[] = {
      {514, 1, 8192}, {523, 0, 8192},                       // WiFi
      {518, 1, 23},   {519, 0, 23},                         // with the GPS mailbox
      {525, 1, 1},    {525, 0, 0},  {528, 0, 0}, {529, 1, 1}, {530, 1, 1}, {531, 0, 0}, {533, 1, 1},
      {512, 1, 22},   {513, 0, 22}, {515, 1, 22}, {516, 1, 22}, {517, 1, 22}, {520, 1, 22},
      {521, 1, 22},   {522, 1, 22}, {524, 0, 22}, {526, 0, 22}, {527, 0, 22}, {532, 0, 22},
      {2, 1, 22},     {256, 0, 22}, {258, 0, 22}, {0, 0, 22},
  };
  for (const Case& c : cases) {
    SelectModel(c.code);
    App().MdmSendVia = c.via;
    EXPECT_EQ(ExpectedStructFlag(), c.flag) << c.code << " via " << c.via;
    EXPECT_EQ(SendSetFileSize(), (c.code == 518 || c.code == 519) ? 1500 : 1320) << c.code;
  }
}

TEST_F(SendSetFile, DefaultsByteForByte) {
  struct Case { uint16_t code; uint16_t via; uint16_t flag; };
  const Case cases[] = {{512, 1, 22}, {514, 1, 8192}, {518, 1, 23}, {519, 1, 23}, {528, 0, 0}, {533, 1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    SelectModel(c.code);
    App().MdmSendVia = c.via;
    std::memset(&App().g_sSendSet, 0xEE, sizeof App().g_sSendSet);
    std::memset(&App().g_sSendSetTarn, 0xEE, sizeof App().g_sSendSetTarn);
    ApplySendSetDefaults();
    std::vector<uint8_t> expected(1320, 0);
    expected[0] = 2;
    expected[4] = 25;
    expected[12] = static_cast<uint8_t>(c.flag & 0xFF);
    expected[13] = static_cast<uint8_t>(c.flag >> 8);
    expected[1048] = '/';
    expected[1224] = 21;
    expected[1236] = 1;
    const std::vector<uint8_t> actual = BytesOf(App().g_sSendSet);
    for (std::size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(actual[i], expected[i]) << "byte " << i;
    const std::vector<uint8_t> gps = BytesOf(App().g_sSendSetTarn.sGpsMail);
    const bool zeroed = c.code == 518 || c.code == 519;
    for (const uint8_t b : gps) ASSERT_EQ(b, zeroed ? 0 : 0xEE);
  }
}

TEST_F(SendSetFile, SavedRecordCarriesTheAppFlagAndLoadsBackBare) {
  SelectModel(512);
  ApplySendSetDefaults();
  DiagCapture capture;
  ASSERT_TRUE(SaveSendSet());
  EXPECT_EQ(capture.Lines(), (std::vector<std::string>{"Open file - \"" + CfgPath().string() + "\" success!\n",
                                                       std::string(48, '_') + "\n"}));
  const std::vector<uint8_t> file = PlainCfg();
  ASSERT_EQ(file.size(), 1320u);
  EXPECT_EQ(file[0], 0x82);
  EXPECT_EQ(App().g_sSendSet.bySendBy, 2) << "the working record keeps the bare mode";
  std::vector<uint8_t> rest = BytesOf(App().g_sSendSet);
  rest[0] = 0x82;
  EXPECT_EQ(file, rest);

  capture.Clear();
  App().g_sSendSet = SendSet{};
  ASSERT_TRUE(LoadSendSet(0));
  EXPECT_EQ(App().g_sSendSet.bySendBy, 2);
  EXPECT_NE(capture.Text().find("IF_SEND_BY_APP_SET_FLG=1\ng_sSendSet.bySendBy=2\n"), std::string::npos);
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"CFG.BIN"});
}

TEST_F(SendSetFile, GpsMailboxModelsWriteTheLongRecordWithFlag23) {
  SelectModel(518);
  ApplySendSetDefaults();
  App().g_sSendSet.StructFlag = 5;
  CopyTextField(App().g_sSendSet.sSmtpSet.szServer, "smtp.example");
  CopyTextField(App().g_sSendSetTarn.sGpsMail.szGpsServer, "gps.example");
  App().g_sSendSetTarn.sGpsMail.iPort = 465;
  DiagCapture capture;
  ASSERT_TRUE(SaveSendSet());
  EXPECT_EQ(capture.Text(), "Open file - \"" + CfgPath().string() + "\" success!\n") << "no separator line";
  EXPECT_EQ(App().g_sSendSet.StructFlag, 5) << "only the written image carries 23";

  const SendSetTarn file = FromBytes<SendSetTarn>(PlainCfg());
  EXPECT_EQ(file.sSendSet.StructFlag, 23);
  EXPECT_EQ(file.sSendSet.bySendBy, 0x82);
  EXPECT_EQ(ReadTextField(file.sSendSet.sSmtpSet.szServer), "smtp.example");
  EXPECT_EQ(ReadTextField(file.sGpsMail.szGpsServer), "gps.example");
  EXPECT_EQ(file.sGpsMail.iPort, 465);

  App().g_sSendSet = SendSet{};
  App().g_sSendSetTarn = SendSetTarn{};
  capture.Clear();
  ASSERT_TRUE(LoadSendSet(0));
  EXPECT_EQ(ReadTextField(App().g_sSendSet.sSmtpSet.szServer), "smtp.example");
  EXPECT_EQ(App().g_sSendSet.StructFlag, 23);
  EXPECT_EQ(ReadTextField(App().g_sSendSetTarn.sGpsMail.szGpsServer), "gps.example");
  EXPECT_NE(capture.Text().find("g_sSendSetTarn.sGpsMail.szGpsServer=gps.example\n"
                                "g_sSendSetTarn.sGpsMail.iPort=465\n"),
            std::string::npos);
}

TEST_F(SendSetFile, FileOfTheOtherSizeIsRefusedAndTheRecordKept) {
  struct Case { uint16_t code; std::size_t size; };
  for (const Case c : {Case{518, 1320}, Case{519, 1320}, Case{520, 1500}, Case{512, 1319}, Case{512, 1321}}) {
    SCOPED_TRACE(c.code);
    SelectModel(c.code);
    ApplySendSetDefaults();
    const std::vector<uint8_t> before = BytesOf(App().g_sSendSet);
    WriteAll(CfgPath(), std::vector<uint8_t>(c.size, 0x11));
    DiagCapture capture;
    const RecordOutcome loaded = LoadSendSet(0);
    EXPECT_EQ(loaded.fault, RecordFault::WrongSize);
    EXPECT_EQ(loaded.size, static_cast<long long>(c.size));
    const int expected_size = SendSetFileSize();
    EXPECT_EQ(capture.Text(), "sizeof = " + std::to_string(expected_size) + "\niGetFileSize = " +
                                  std::to_string(c.size) + "\nFile szie != struct size!\n");
    EXPECT_EQ(BytesOf(App().g_sSendSet), before);
  }
}

TEST_F(SendSetFile, MissingFileFailsWithSizeZero) {
  SelectModel(524);
  DiagCapture capture;
  const RecordOutcome loaded = LoadSendSet(0);
  EXPECT_EQ(loaded.fault, RecordFault::SystemError);
  EXPECT_EQ(loaded.error_number, ENOENT);
  EXPECT_EQ(capture.Text(), "sizeof = 1320\niGetFileSize = 0\nFile szie != struct size!\n");
}

TEST_F(SendSetFile, StructFlagRulesPerModelClass) {
  struct Case { uint16_t code; uint16_t via_before; uint16_t stored; bool accepted; uint16_t via_after; };
  const Case cases[] = {
      {528, 1, 0, true, 0},   {528, 0, 1, true, 1},    {528, 1, 1, true, 1},   {528, 1, 22, false, 1},
      {525, 1, 0, true, 0},   {529, 0, 1, true, 1},    {530, 1, 0, true, 0},   {531, 1, 2, false, 1},
      {533, 0, 1, true, 1},   {533, 0, 8192, false, 0},
      {514, 1, 22, false, 1}, {514, 1, 8192, true, 1}, {523, 1, 23, false, 1},
      {512, 1, 22, true, 1},  {512, 1, 0, false, 1},   {524, 1, 0, false, 1},  {524, 1, 22, true, 1},
      {522, 0, 1, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + " stored " + std::to_string(c.stored));
    SelectModel(c.code);
    App().MdmSendVia = c.via_before;
    SendSet s = FileRecord(c.stored);
    CopyTextField(s.sSmtpSet.szServer, "smtp.example");
    PutCfg(s);
    DiagCapture capture;
    const RecordOutcome loaded = LoadSendSet(0);
    EXPECT_EQ(static_cast<bool>(loaded), c.accepted);
    EXPECT_EQ(App().MdmSendVia, c.via_after);
    if (c.accepted) {
      EXPECT_EQ(App().g_sSendSet.StructFlag, c.stored);
      EXPECT_EQ(ReadTextField(App().g_sSendSet.sSmtpSet.szServer), "smtp.example");
      EXPECT_EQ(capture.Text().find("StructFlag is different!"), std::string::npos);
    } else {
      SendSet cleared{};
      cleared.StructFlag = ExpectedStructFlag();
      EXPECT_EQ(BytesOf(App().g_sSendSet), BytesOf(cleared));
      EXPECT_EQ(capture.Lines().back(), "StructFlag is different!\n");
      EXPECT_EQ(loaded.fault, RecordFault::StructFlag);
    }
  }
}

TEST_F(SendSetFile, RemoteSwitchFollowsTheInterval) {
  struct Case { uint16_t code; uint8_t interval; uint8_t stored_switch; uint8_t interval_after; uint8_t switch_after; };
  const Case cases[] = {
      {512, 30, 0, 0, 1},  {512, 26, 0, 0, 1},  {512, 25, 1, 25, 0}, {512, 24, 0, 24, 1},
      {512, 0, 0, 1, 1},   {518, 0, 0, 0, 1},   {519, 0, 0, 1, 1},   {518, 25, 1, 25, 0},
      {528, 255, 0, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + " interval " + std::to_string(c.interval));
    SelectModel(c.code);
    SendSet s = FileRecord(ExpectedStructFlag());
    s.byRemoteInterval = c.interval;
    s.byRemoteSwitch = c.stored_switch;
    if (c.code == 518 || c.code == 519) {
      SendSetTarn t{};
      t.sSendSet = s;
      PutCfg(t);
    } else {
      PutCfg(s);
    }
    DiagCapture capture;
    ASSERT_TRUE(LoadSendSet(0));
    EXPECT_EQ(App().g_sSendSet.byRemoteInterval, c.interval_after);
    EXPECT_EQ(App().g_sSendSet.byRemoteSwitch, c.switch_after);
    const uint8_t logged = c.code == 518 || c.interval != 0 ? c.interval : 1;
    EXPECT_NE(capture.Text().find("g_sSendSet.byRemoteInterval=" + std::to_string(logged) +
                                  "\ng_sSendSet.byRemoteSwitch=" + std::to_string(c.switch_after) + "\n"),
              std::string::npos);
  }
}

TEST_F(SendSetFile, FileCountAboveFourIsDroppedAndSendModeAndCountAreCleared) {
  SelectModel(520);
  for (const uint8_t count : {7, 5, 4, 2, 0}) {
    SCOPED_TRACE(count);
    SendSet s = FileRecord(22);
    s.bySendFileNum = count;
    s.bySendMode = 3;
    s.uwMaxSendImgNum = 99;
    s.bySendImgSize = 2;
    for (int i = 0; i < 4; ++i) CopyTextField(s.szFileFullName[i], "PIC" + std::to_string(i) + ".JPG");
    PutCfg(s);
    DiagCapture capture;
    ASSERT_TRUE(LoadSendSet(0));
    const int kept = count > 4 ? 0 : count;
    EXPECT_EQ(App().g_sSendSet.bySendFileNum, kept);
    EXPECT_EQ(App().g_sSendSet.bySendMode, 0);
    EXPECT_EQ(App().g_sSendSet.uwMaxSendImgNum, 0);
    EXPECT_EQ(App().g_sSendSet.bySendImgSize, 2);
    std::string names;
    for (int i = 0; i < kept; ++i)
      names += "g_sSendSet.szFileFullName[" + std::to_string(i) + "]=\"PIC" + std::to_string(i) + ".JPG\"\n";
    EXPECT_NE(capture.Text().find("g_sSendSet.bySendFileNum=" + std::to_string(kept) + "\n" + names +
                                  "g_sSendSet.byOperatorCountry="),
              std::string::npos);
  }
}

// The whole log of one load, line by line, with every password masked.
TEST_F(SendSetFile, LoadLogsEveryFieldInOrderWithPasswordsMasked) {
  SelectModel(512);
  SendSet s = FileRecord(22, 3);
  CopyTextField(s.szRecp[0], "a@b.c");
  s.uwRecpLen[0] = 5;
  s.bySendFileNum = 1;
  CopyTextField(s.szFileFullName[0], "IMG1.JPG");
  s.byOperatorCountry = 43;
  CopyTextField(s.sMmsSet.szUrl, "mms.x");
  CopyTextField(s.sMmsSet.szPassword, "mmspw-secret");
  CopyTextField(s.sSmtpSet.szWLNetApN, "apn");
  CopyTextField(s.sSmtpSet.szWLNetAccount, "acc");
  CopyTextField(s.sSmtpSet.szWLNetPassword, "netpw-secret");
  CopyTextField(s.sSmtpSet.szServer, "smtp.x");
  s.sSmtpSet.iPort = 25;
  CopyTextField(s.sSmtpSet.szAddr, "me@x");
  CopyTextField(s.sSmtpSet.szUserName, "me");
  CopyTextField(s.sSmtpSet.szPassword, "mailpw-secret");
  s.sTime = {24, 5, 6, 7, 8, 9};
  s.bySendMode = 3;
  s.bySendImgSize = 1;
  s.uwMaxSendImgNum = 10;
  CopyTextField(s.szRemotePhoneNum, "123");
  s.byRemoteInterval = 30;
  s.byOperator = 2;
  s.byDailySendTime = 4;
  s.sFtpSet.iFtpDirType = 1;
  CopyTextField(s.sFtpSet.szFtpDir, "/up");
  CopyTextField(s.sFtpSet.szServer, "ftp.x");
  s.sFtpSet.iPort = 2121;
  CopyTextField(s.sFtpSet.szUserName, "fu");
  CopyTextField(s.sFtpSet.szPassword, "ftppw-secret");
  s.sLongitude = {1, 100, 20, 30};
  s.sLatitude = {0, 45, 1, 2};
  PutCfg(s);

  DiagCapture capture;
  ASSERT_TRUE(LoadSendSet(0));
  const std::vector<std::string> expected = {
      "sizeof = 1320\n",
      "iGetFileSize = 1320\n",
      "Open file - \"" + CfgPath().string() + "\" success!\n",
      "IF_SEND_BY_APP_SET_FLG=1\n",
      "g_sSendSet.bySendBy=3\n",
      "g_sSendSet.uwRecpLen[0]=5\n",
      "g_sSendSet.szRecp[0]=\"a@b.c\"\n",
      "g_sSendSet.uwRecpLen[1]=0\n",
      "g_sSendSet.szRecp[1]=\"\"\n",
      "g_sSendSet.uwRecpLen[2]=0\n",
      "g_sSendSet.szRecp[2]=\"\"\n",
      "g_sSendSet.uwRecpLen[3]=0\n",
      "g_sSendSet.szRecp[3]=\"\"\n",
      "g_sSendSet.bySendFileNum=1\n",
      "g_sSendSet.szFileFullName[0]=\"IMG1.JPG\"\n",
      "g_sSendSet.byOperatorCountry=43\n",
      "Url:\"mms.x\"\n",
      "Apn:\"\"\n",
      "Gateway:\"\"\n",
      "Port:\"\"\n",
      "Account:\"\"\n",
      "Password:\"********\"\n",
      "g_sSendSet.sSmtpSet.szWLNetApN=apn\n",
      "g_sSendSet.sSmtpSet.szWLNetAccount=acc\n",
      "g_sSendSet.sSmtpSet.szWLNetPassword=********\n",
      "g_sSendSet.sSmtpSet.szServer=smtp.x\n",
      "g_sSendSet.sSmtpSet.iPort=25\n",
      "g_sSendSet.sSmtpSet.szAddr=me@x\n",
      "g_sSendSet.sSmtpSet.szUserName=me\n",
      "g_sSendSet.sSmtpSet.szPassword=********\n",
      "Time(24-5-6, 7:8:9), bSet=0\n",
      "g_sSendSet.bySendMode=0\n",
      "g_sSendSet.bySendImgSize=1\n",
      "g_sSendSet.uwMaxSendImgNum=0\n",
      "g_sSendSet.szRemotePhoneNum=\"123\"\n",
      "g_sSendSet.byRemoteInterval=30\n",
      "g_sSendSet.byRemoteSwitch=1\n",
      "g_sSendSet.byOperatorCountry=43\n",
      "g_sSendSet.byOperator=2\n",
      "g_sSendSet.byDailySendTime=4\n",
      "g_sSendSet.sFtpSet.iFtpDirType\t=1\n",
      "g_sSendSet.sFtpSet.szFtpDir\t=/up\n",
      "g_sSendSet.sFtpSet.szServer\t=ftp.x\n",
      "g_sSendSet.sFtpSet.iPort\t=2121\n",
      "g_sSendSet.sFtpSet.szUserName\t=fu\n",
      "g_sSendSet.sFtpSet.szPassword\t=********\n",
      "g_sSendSet.sLongitude: byDir=1, byDeg=100, byMin=20, bySec=30\n",
      "g_sSendSet.sLatitude: byDir=0, byDeg=45, byMin=1, bySec=2\n",
  };
  EXPECT_EQ(capture.Lines(), expected);
  EXPECT_EQ(capture.Text().find("secret"), std::string::npos);
}

TEST_F(SendSetFile, CloudAndGpsMailboxLinesMaskTheirPasswords) {
  SelectModel(519);
  SendSetTarn t{};
  t.sSendSet = FileRecord(23, 4);
  CopyTextField(t.sSendSet.sVornCloudSet.szAppKey, "me@cloud");
  CopyTextField(t.sSendSet.sVornCloudSet.szAppSecret, "cloud-secret");
  CopyTextField(t.sSendSet.sVornCloudSet.szSimCardNum, "12345");
  CopyTextField(t.sGpsMail.szGpsServer, "gps.x");
  t.sGpsMail.iPort = 587;
  CopyTextField(t.sGpsMail.szGpsAddr, "gps@x");
  CopyTextField(t.sGpsMail.szGpsSmtpAccount, "gpsacc");
  CopyTextField(t.sGpsMail.szGpsSmtpPassword, "gps-secret");
  PutCfg(t);
  DiagCapture capture;
  ASSERT_TRUE(LoadSendSet(0));
  EXPECT_NE(capture.Text().find("g_sSendSet.byDailySendTime=0\n"
                                "g_sSendSet.sVornCloudSet.szAppKey\t=me@cloud\n"
                                "g_sSendSet.sVornCloudSet.szAppSecret\t=********\n"
                                "g_sSendSet.sVornCloudSet.szSimCardNum\t=12345\n"
                                "g_sSendSet.sLongitude: "),
            std::string::npos);
  EXPECT_NE(capture.Text().find("g_sSendSet.sLatitude: byDir=0, byDeg=0, byMin=0, bySec=0\n"
                                "g_sSendSetTarn.sGpsMail.szGpsServer=gps.x\n"
                                "g_sSendSetTarn.sGpsMail.iPort=587\n"
                                "g_sSendSetTarn.sGpsMail.szGpsAddr=gps@x\n"
                                "g_sSendSetTarn.sGpsMail.szGpsSmtpAccount=gpsacc\n"
                                "g_sSendSetTarn.sGpsMail.szGpsSmtpPassword=********\n"),
            std::string::npos);
  EXPECT_EQ(capture.Text().find("secret"), std::string::npos);
  EXPECT_EQ(capture.Text().find("sFtpSet"), std::string::npos);
}

TEST_F(SendSetFile, VerifyingLoadComparesTheTimeStampOfTheLastGenerate) {
  SelectModel(516);
  ApplySendSetDefaults();
  const SendTime first = {26, 12, 8, 3, 4, 5};
  App().g_sSendSet.sTime = first;
  App().g_sSendSet.bSet = 0;
  App().LastGenerateTime = first;
  ASSERT_TRUE(SaveSendSet());
  EXPECT_TRUE(LoadSendSet(1));
  const std::vector<uint8_t> older_copy = ReadAll(CfgPath());

  // A second generation within the same second verifies as well.
  App().g_sSendSet.bSet = 1;  // bSet is not part of the stamp
  ASSERT_TRUE(SaveSendSet());
  EXPECT_TRUE(LoadSendSet(1));

  const SendTime later = {26, 12, 8, 3, 4, 6};
  App().g_sSendSet.sTime = later;
  App().LastGenerateTime = later;
  ASSERT_TRUE(SaveSendSet());
  EXPECT_TRUE(LoadSendSet(1));

  // The card got the older copy of the same size back: it loads, but does not verify.
  WriteAll(CfgPath(), older_copy);
  EXPECT_EQ(LoadSendSet(1).fault, RecordFault::OtherFile);
  EXPECT_TRUE(LoadSendSet(0));

  for (int field = 0; field < 6; ++field) {
    SendTime other = later;
    reinterpret_cast<uint8_t*>(&other)[field] ^= 1;
    App().LastGenerateTime = other;
    ASSERT_TRUE(SaveSendSet());
    App().LastGenerateTime = later;
    EXPECT_FALSE(LoadSendSet(1)) << "time byte " << field;
  }
}

// A hostile or damaged file whose texts fill their fields without a
// terminating zero: the log shows each field's bytes and nothing past them.
TEST_F(SendSetFile, UnterminatedTextsAreReadWithinTheirFields) {
  SelectModel(518);
  SendSetTarn t;
  std::memset(&t, 'A', sizeof t);
  t.sSendSet.StructFlag = 23;
  t.sSendSet.bySendBy = 0x83;
  t.sSendSet.bySendFileNum = 4;
  t.sSendSet.byRemoteInterval = 25;
  PutCfg(t);
  DiagCapture capture;
  ASSERT_TRUE(LoadSendSet(0));
  const std::string& log = capture.Text();
  EXPECT_NE(log.find("g_sSendSet.szRecp[3]=\"" + std::string(49, 'A') + "\"\n"), std::string::npos);
  EXPECT_NE(log.find("g_sSendSet.szFileFullName[3]=\"" + std::string(33, 'A') + "\"\n"), std::string::npos);
  EXPECT_NE(log.find("Port:\"" + std::string(9, 'A') + "\"\n"), std::string::npos);
  EXPECT_NE(log.find("g_sSendSet.szRemotePhoneNum=\"" + std::string(16, 'A') + "\"\n"), std::string::npos);
  EXPECT_NE(log.find("g_sSendSet.sFtpSet.szFtpDir\t=" + std::string(33, 'A') + "\n"), std::string::npos);
  EXPECT_NE(log.find("g_sSendSet.sSmtpSet.szWLNetApN=" + std::string(61, 'A') + "\n"), std::string::npos);
  EXPECT_NE(log.find("g_sSendSetTarn.sGpsMail.szGpsAddr=" + std::string(49, 'A') + "\n"), std::string::npos);
  EXPECT_NE(log.find("g_sSendSet.sFtpSet.szPassword\t=********\n"), std::string::npos);
  EXPECT_EQ(log.find(std::string(62, 'A')), std::string::npos);
}

}  // namespace
