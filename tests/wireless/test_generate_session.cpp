// Whole sessions on the headless host: main window, Wireless Setup, the
// wireless parameter page, Next Page, the send settings page, Generate;
// for every wireless model and every send-by mode it offers, with the bytes
// of CFG.BIN checked against what was entered.
#include <string>
#include <vector>

#include "records/catalogue.h"
#include "shell/main_window.h"
#include "shell/ui_strings.h"
#include "tests/wireless/test_send_settings_support.h"
#include "wireless/gps_mailbox.h"
#include "wireless/wireless_page.h"
#include "records/app_state.h"

namespace send_test {
namespace {

// What one session entered, to compare with the file.
struct Entered {
  uint8_t mode = 0;
  bool wifi_row = false, preset = false, carried_names = false;
  bool emails = false, remote = false, remote_email = false, coordinates = false, thumbnail = false;
  bool gps = false;
  int remote_index = 0;
};

constexpr char kInSsid[] = "TrailNet";
constexpr char kInWifiPassword[] = "wifi-pass-1";
constexpr char kInSenderServer[] = "smtp.example.org";
constexpr char kInSenderAddr[] = "cam@example.org";
constexpr char kInSenderPassword[] = "mail-pass";
constexpr char kInFtpServer[] = "ftp.example.org";
constexpr char kInFtpUser[] = "camuser";
constexpr char kInFtpPassword[] = "ftp-pass";
constexpr char kInCloudMail[] = "owner@example.org";
constexpr char kInCloudSecret[] = "cloud-pass";
constexpr char kInCloudNumber[] = "13900001234";
constexpr char kInEmail1[] = "one@example.org";
constexpr char kInEmail2[] = "two@example.org";
constexpr char kInRemotePhone[] = "+8613812345678";
constexpr char kInRemoteEmail[] = "boss@example.org";

class GenerateSession : public SendPageTest {
 protected:
  // Types into an edit of the window `tpl`, which must take input.
  void Fill(int id, const std::string& text, int tpl) {
    const headless::ActionResult r = s().Paste(id, text, tpl);
    ASSERT_TRUE(r) << "control " << id << ": " << r.error;
  }

  bool Usable(int id, int tpl = 0) { return s().Shown(id, tpl) && s().Enabled(id, tpl); }

  // The wireless parameter page: the send-by mode and what it needs.
  void FillWirelessPage(uint16_t code, const SendByEntry& entry, int index, Entered& e) {
    using namespace wp_ids;
    constexpr int kPage = kWirelessPageTemplate;
    ASSERT_TRUE(s().Select(kSendBy, index, kPage));
    e.mode = entry.mode;
    e.wifi_row = IsWifiGroupModel();
    e.preset = !e.wifi_row;
    e.carried_names = IsR1Model(kVariantCellular) || IsR2Model(kVariantCellular) ||
                      IsK3UltraModel(kVariantCellular);
    if (e.mode != kSendOff && e.wifi_row) {
      Fill(kNetAccount, kInSsid, kPage);
      Fill(kNetPassword, kInWifiPassword, kPage);
    }
    if (e.mode == kSendEmail) {
      Fill(kSenderServer, kInSenderServer, kPage);
      Fill(kSenderPort, "465", kPage);
      Fill(kSenderAddr, kInSenderAddr, kPage);
      Fill(kSenderPassword, kInSenderPassword, kPage);
    } else if (e.mode == kSendFtp) {
      Fill(kBox1, kInFtpServer, kPage);
      Fill(kBox2, "2121", kPage);
      Fill(kBox3, kInFtpUser, kPage);
      Fill(kFtpPassword, kInFtpPassword, kPage);
    } else if (e.mode == kSendCloud) {
      Fill(kBox1, kInCloudMail, kPage);
      Fill(kBox2, kInCloudSecret, kPage);
      Fill(kBox3, kInCloudNumber, kPage);
    }
    if (code == 518 || code == 519) {
      // The GPS coordinates mailbox opens over the page.
      ASSERT_TRUE(s().Click(kGpsMailbox, kPage));
      ASSERT_EQ(s().TopTemplate(), kGpsMailboxTemplate);
      Fill(gps_ids::kServer, "smtp.gps.example.org", kGpsMailboxTemplate);
      Fill(gps_ids::kPort, "587", kGpsMailboxTemplate);
      Fill(gps_ids::kAddr, "gps@example.org", kGpsMailboxTemplate);
      Fill(gps_ids::kPassword, "gps-pass", kGpsMailboxTemplate);
      Fill(gps_ids::kInboxAddr, "inbox@example.org", kGpsMailboxTemplate);
      ASSERT_TRUE(s().Click(gps_ids::kOk, kGpsMailboxTemplate));
      ASSERT_FALSE(s().Box().has_value()) << s().Box()->text;
      ASSERT_EQ(s().TopTemplate(), kPage);
      e.gps = true;
    }
    ASSERT_TRUE(s().Click(kNextPage, kPage));
    ASSERT_FALSE(s().Box().has_value()) << s().Box()->text;
    if (e.gps) {
      // Next Page shows the mailbox once more, filled, before handing over.
      ASSERT_EQ(s().TopTemplate(), kGpsMailboxTemplate);
      EXPECT_EQ(s().Text(gps_ids::kInboxAddr, kGpsMailboxTemplate), "inbox@example.org");
      ASSERT_TRUE(s().Click(gps_ids::kOk, kGpsMailboxTemplate));
    }
    ASSERT_EQ(s().TopTemplate(), kSendSettingsTemplate);
  }

  // The send settings page: recipients, position, size, remote control.
  void FillSendPage(uint16_t code, Entered& e) {
    constexpr int kPage = kSendSettingsTemplate;
    if (Usable(kEmail1)) {
      Fill(send_ids::kEmail1, kInEmail1, kPage);
      Fill(send_ids::kEmail2, kInEmail2, kPage);
      e.emails = true;
    }
    if (Usable(kLonDeg)) {
      ASSERT_TRUE(s().Select(kLonDir, 1));
      Fill(kLonDeg, "120", kPage);
      Fill(kLonMin, "30", kPage);
      Fill(kLonSec, "15", kPage);
      ASSERT_TRUE(s().Select(kLatDir, 0));
      Fill(kLatDeg, "45", kPage);
      Fill(kLatMin, "5", kPage);
      Fill(kLatSec, "59", kPage);
      e.coordinates = true;
    }
    if (Usable(kImageSize)) {
      ASSERT_TRUE(s().Select(kImageSize, 1));
      e.thumbnail = true;
    }
    if (e.mode != kSendOff && Usable(kRemoteInterval)) {
      e.remote_index = 2;
      ASSERT_TRUE(s().Select(kRemoteInterval, e.remote_index));
      Fill(send_ids::kRemotePhone, kInRemotePhone, kPage);
      e.remote = true;
      if (e.mode == kSendEmail) {
        Fill(send_ids::kRemoteEmail, kInRemoteEmail, kPage);
        e.remote_email = true;
      } else {
        // FTP and cloud: no command 22, so the sender mailbox is not needed.
        ASSERT_TRUE(s().Click(kNoRemoteCmd22));
      }
    }
    (void)code;
  }

  void ExpectFile(uint16_t code, const Entered& e, const platform::LocalTime& t) {
    const std::vector<uint8_t> plain = Plain(ReadAll(CfgPath()));
    const bool tarn = code == 518 || code == 519;
    ASSERT_EQ(plain.size(), tarn ? 1500u : 1320u);
    SendSetTarn file{};
    std::memcpy(&file, plain.data(), plain.size());
    const SendSet& f = file.sSendSet;

    EXPECT_EQ(plain[0], IF_SEND_BY_APP_SET_FLG | e.mode);
    EXPECT_EQ(f.StructFlag, tarn ? 23 : ExpectedStructFlag());
    EXPECT_EQ(f.sTime.byYear, t.year - 2000);
    EXPECT_EQ(f.sTime.byMonth, t.month);
    EXPECT_EQ(f.sTime.byDay, t.day);
    EXPECT_EQ(f.sTime.byHour, t.hour);
    EXPECT_EQ(f.sTime.byMinute, t.minute);
    EXPECT_EQ(f.sTime.bySecond, t.second);
    EXPECT_EQ(f.bSet, 0);
    EXPECT_EQ(f.byDailySendTime, 24);
    EXPECT_EQ(f.bySendMode, 0);
    EXPECT_EQ(f.uwMaxSendImgNum, 0);
    EXPECT_EQ(f.bySendFileNum, 0);
    EXPECT_EQ(SEND_FIELD(f.szFileFullName[0]), "DCIM\\100IMA3G\\IMAG0001.JPG");
    EXPECT_EQ(f.DebugFlag, 0);
    EXPECT_EQ(f.bySendImgSize, e.thumbnail ? 1 : 0);

    EXPECT_EQ(SEND_FIELD(f.szRecp[2]), e.emails ? kInEmail1 : "");
    EXPECT_EQ(SEND_FIELD(f.szRecp[3]), e.emails ? kInEmail2 : "");
    EXPECT_EQ(f.uwRecpLen[2], e.emails ? 15 : 0);
    EXPECT_EQ(f.uwRecpLen[0], 0);

    if (e.remote) {
      EXPECT_EQ(f.byRemoteInterval, code == 518 ? 1 : 2);
      EXPECT_EQ(f.byRemoteSwitch, 1);
      EXPECT_EQ(SEND_FIELD(f.szRemotePhoneNum), kInRemotePhone);
    } else {
      EXPECT_EQ(f.byRemoteInterval, 25);
      EXPECT_EQ(f.byRemoteSwitch, 0);
    }
    EXPECT_EQ(SEND_FIELD(f.szRemoteEmail), e.remote_email ? kInRemoteEmail : "");

    if (e.wifi_row && e.mode != kSendOff) {
      EXPECT_EQ(f.byOperatorCountry, 43);
      EXPECT_EQ(SEND_FIELD(f.sSmtpSet.szWLNetAccount), kInSsid);
      EXPECT_EQ(SEND_FIELD(f.sSmtpSet.szWLNetPassword), kInWifiPassword);
    }
    if (e.preset) {
      EXPECT_EQ(f.byOperatorCountry, 0);  // China, the default preset
      EXPECT_EQ(SEND_FIELD(f.sSmtpSet.szWLNetApN), "3gnet");
    }
    if (e.carried_names) {
      EXPECT_EQ(SEND_FIELD(f.sMmsSet.szUrl), "China");
      EXPECT_EQ(SEND_FIELD(f.sMmsSet.szApn), "China Unicom");
    }
    if (e.mode == kSendEmail) {
      EXPECT_EQ(SEND_FIELD(f.sSmtpSet.szServer), kInSenderServer);
      EXPECT_EQ(f.sSmtpSet.iPort, 465);
      EXPECT_EQ(SEND_FIELD(f.sSmtpSet.szAddr), kInSenderAddr);
      EXPECT_EQ(SEND_FIELD(f.sSmtpSet.szUserName), kInSenderAddr);
      EXPECT_EQ(SEND_FIELD(f.sSmtpSet.szPassword), kInSenderPassword);
    }
    if (e.mode == kSendFtp) {
      EXPECT_EQ(SEND_FIELD(f.sFtpSet.szServer), kInFtpServer);
      EXPECT_EQ(f.sFtpSet.iPort, 2121);
      EXPECT_EQ(SEND_FIELD(f.sFtpSet.szUserName), kInFtpUser);
      EXPECT_EQ(SEND_FIELD(f.sFtpSet.szPassword), kInFtpPassword);
      EXPECT_EQ(f.sFtpSet.iFtpDirType, 0);
      EXPECT_EQ(SEND_FIELD(f.sFtpSet.szFtpDir), "/");
    }
    if (e.mode == kSendCloud) {
      EXPECT_EQ(SEND_FIELD(f.sVornCloudSet.szAppKey), kInCloudMail);
      EXPECT_EQ(SEND_FIELD(f.sVornCloudSet.szAppSecret), kInCloudSecret);
      EXPECT_EQ(SEND_FIELD(f.sVornCloudSet.szSimCardNum), kInCloudNumber);
    }
    if (e.coordinates) {
      EXPECT_EQ(f.sLongitude.byDir, 1);
      EXPECT_EQ(f.sLongitude.byDeg, 120);
      EXPECT_EQ(f.sLongitude.byMin, 30);
      EXPECT_EQ(f.sLongitude.bySec, 15);
      EXPECT_EQ(f.sLatitude.byDir, 0);
      EXPECT_EQ(f.sLatitude.byDeg, 45);
      EXPECT_EQ(f.sLatitude.byMin, 5);
      EXPECT_EQ(f.sLatitude.bySec, 59);
    } else {
      EXPECT_EQ(f.sLatitude.byDir, 1);  // the default hemisphere
    }
    if (tarn) {
      const GpsMail& g = file.sGpsMail;
      EXPECT_EQ(g.iPort, 587);
      EXPECT_EQ(SEND_FIELD(g.szGpsServer), "smtp.gps.example.org");
      EXPECT_EQ(SEND_FIELD(g.szGpsSmtpAccount), "gps@example.org");
      EXPECT_EQ(SEND_FIELD(g.szGpsSmtpPassword), "gps-pass");
      EXPECT_EQ(SEND_FIELD(g.szGpsAddr), "inbox@example.org");
    }
  }
};

TEST_F(GenerateSession, EveryWirelessModelInEverySendByMode) {
  int sessions = 0, models = 0;
  for (int index = 0; index < ModelRowCount(2); ++index) {
    const uint16_t code = static_cast<uint16_t>(512 + index);
    const uint8_t func = ModelWirelessFunc(2, index);
    if (func != kWirelessWifi && func != kWireless3G && func != kWireless4G) continue;
    ++models;
    const auto entries = SendByEntries(code);
    for (std::size_t k = 0; k < entries.size(); ++k) {
      SCOPED_TRACE(testing::Message() << "model " << code << " send-by entry " << k);
      // A fresh run of the program each time, with no CFG.BIN yet.
      TearDown();
      SetUp();
      const platform::LocalTime t{2026, 1 + index % 12, 1 + static_cast<int>(k) * 7, 3, index, 10 + static_cast<int>(k)};
      s().services().SetNow(t);
      App().UiLanguage = static_cast<int>(k % 2);
      StartApplication();
      ASSERT_TRUE(s().Select(mainwin::kIdFamilyList[2], index));
      ASSERT_TRUE(s().Click(mainwin::kIdWirelessSetup));
      ASSERT_EQ(s().TopTemplate(), kWirelessPageTemplate);
      App().UiLanguage = static_cast<int>(k % 2);

      Entered e;
      FillWirelessPage(code, entries[k], static_cast<int>(k), e);
      if (HasFatalFailure()) return;
      FillSendPage(code, e);
      if (HasFatalFailure()) return;
      const std::string shown = Generate();
      EXPECT_EQ(shown, UiStr(kMsgGenerateSuccess));
      EXPECT_EQ(last_caption_, UiStr(kTxtNotice));
      EXPECT_EQ(last_icon_, platform::MsgIcon::Information);
      EXPECT_EQ(s().TopTemplate(), kSendSettingsTemplate) << "the page stays open";
      ExpectFile(code, e, t);
      EXPECT_TRUE(s().MissingControlCalls().empty()) << "the windows addressed a control they lack";
      EXPECT_EQ(App().LastGenerateTime.bySecond, t.second);

      ASSERT_TRUE(s().Close());
      EXPECT_EQ(s().TopTemplate(), 100);
      ASSERT_TRUE(s().Close());
      EXPECT_TRUE(s().Finished());
      ++sessions;
    }
  }
  EXPECT_EQ(models, 18);
  EXPECT_GE(sessions, 18 * 4 - 1);
}

}  // namespace
}  // namespace send_test
