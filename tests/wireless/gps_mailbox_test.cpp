// The GPS coordinates mailbox window over the wireless parameter page.
#include "test_wireless_page_fixture.h"
#include "records/app_state.h"

namespace page_test {
namespace {

using namespace gps_ids;
constexpr int kPage = kWirelessPageTemplate;
constexpr int kGps = kGpsMailboxTemplate;

class GpsMailboxTest : public WirelessPageTest {
 protected:
  // Model 518 in e-mail mode with a complete sender mailbox; Next Page passes.
  void OpenGpsModel(const GpsMail* gps = nullptr) {
    SelectModel(518);
    WriteCfg(MailRecord(), gps);
    Open();
  }
  // Ticks the page's GPS box: the window opens over the page.
  void OpenWindow() {
    ASSERT_TRUE(s().Click(kGpsMailbox, kPage));
    ASSERT_EQ(s().TopTemplate(), kGps);
    ASSERT_TRUE(App().GpsWindowOpen);
  }
  void ExpectOkMessage(const std::string& text) {
    ASSERT_TRUE(s().Click(kOk, kGps));
    auto box = s().Box();
    ASSERT_TRUE(box.has_value()) << "no message for: " << text;
    EXPECT_EQ(box->text, text);
    EXPECT_EQ(box->caption, "Warning");
    EXPECT_EQ(box->icon, platform::MsgIcon::Warning);
    ASSERT_TRUE(s().Answer());
    EXPECT_TRUE(s().IsOpen(kGps));
    EXPECT_TRUE(App().GpsWindowOpen);
  }
};

TEST_F(GpsMailboxTest, BoxShownOnlyOnGpsModelsAndTickedByStoredValues) {
  GpsMail gps{};
  gps.iPort = 25;  // a port alone counts
  OpenGpsModel(&gps);
  EXPECT_TRUE(s().Shown(kGpsMailbox));
  EXPECT_TRUE(s().Enabled(kGpsMailbox));
  EXPECT_TRUE(s().Checked(kGpsMailbox));
  EXPECT_EQ(s().Text(kGpsMailbox), "GPS coordinates mailbox");

  TearDown();
  SetUp();
  OpenGpsModel();
  EXPECT_FALSE(s().Checked(kGpsMailbox));

  TearDown();
  SetUp();
  SelectModel(520);
  Open();
  EXPECT_FALSE(s().Shown(kGpsMailbox));
  EXPECT_FALSE(s().Enabled(kGpsMailbox));
}

TEST_F(GpsMailboxTest, WindowShowsTheStoredMailbox) {
  GpsMail gps{};
  CopyTextField(gps.szGpsServer, "smtp.gps.example");
  CopyTextField(gps.szGpsSmtpAccount, "gps@example.com");
  CopyTextField(gps.szGpsSmtpPassword, "gpspw");
  CopyTextField(gps.szGpsAddr, "inbox@example.com");
  OpenGpsModel(&gps);
  ASSERT_TRUE(s().Click(kGpsMailbox, kPage));  // untick
  OpenWindow();
  EXPECT_EQ(s().Title(kGps), "GPS coordinates mailbox");
  EXPECT_EQ(s().Text(kServer, kGps), "smtp.gps.example");
  EXPECT_EQ(s().Text(kPort, kGps), "");  // port 0 shows empty
  EXPECT_EQ(s().Text(kAddr, kGps), "gps@example.com");
  EXPECT_EQ(s().Text(kAccount, kGps), "gps@example.com");
  EXPECT_FALSE(s().Enabled(kAccount, kGps));
  EXPECT_FALSE(s().Enabled(kAccountLabel, kGps));
  EXPECT_TRUE(s().Masked(kPassword, kGps));
  EXPECT_EQ(s().ShownText(kPassword, kGps), "*****");
  EXPECT_EQ(s().Text(kInboxAddr, kGps), "inbox@example.com");
  EXPECT_EQ(s().Text(kOk, kGps), "OK");
  EXPECT_EQ(s().Text(kInboxFrame, kGps), "Inbox");
  // The port is asked for although everything else is there.
  ExpectOkMessage("Please enter sender port.");
}

TEST_F(GpsMailboxTest, OkChecksInOrder) {
  OpenGpsModel();
  OpenWindow();
  ExpectOkMessage("Please enter sender server.");
  ASSERT_TRUE(s().Type(kServer, "smtp.gps.example", kGps));
  ExpectOkMessage("Please enter sender port.");
  ASSERT_TRUE(s().Type(kPort, "5x87", kGps));
  EXPECT_EQ(s().Text(kPort, kGps), "587");
  ExpectOkMessage("Please enter sender email address.");
  ASSERT_TRUE(s().Type(kAddr, "gps.box@example", kGps));
  EXPECT_EQ(s().Text(kAccount, kGps), "gps.box@example");
  ExpectOkMessage("Sender email address error!");
  ASSERT_TRUE(s().Type(kAddr, ".com", kGps));
  ExpectOkMessage("Please enter sender password.");
  ASSERT_TRUE(s().Type(kPassword, "gpspw", kGps));
  ExpectOkMessage("Please enter inbox address.");
  ASSERT_TRUE(s().Type(kInboxAddr, "inbox@example", kGps));
  ExpectOkMessage("Inbox address error!");
  ASSERT_TRUE(s().Type(kInboxAddr, ".org", kGps));
  ASSERT_TRUE(s().Click(kOk, kGps));
  EXPECT_FALSE(s().Box().has_value());
  EXPECT_FALSE(s().IsOpen(kGps));
  EXPECT_FALSE(App().GpsWindowOpen);

  const GpsMail& gps = App().g_sSendSetTarn.sGpsMail;
  EXPECT_EQ(FIELD(gps.szGpsServer), "smtp.gps.example");
  EXPECT_EQ(gps.iPort, 587);
  EXPECT_EQ(FIELD(gps.szGpsSmtpAccount), "gps.box@example.com");
  EXPECT_EQ(FIELD(gps.szGpsSmtpPassword), "gpspw");
  EXPECT_EQ(FIELD(gps.szGpsAddr), "inbox@example.org");
}

TEST_F(GpsMailboxTest, ChineseMessages) {
  App().UiLanguage = 0;
  OpenGpsModel();
  OpenWindow();
  EXPECT_EQ(s().Title(kGps), "GPS坐标邮箱");
  ASSERT_TRUE(s().Click(kOk, kGps));
  ASSERT_TRUE(s().Box().has_value());
  EXPECT_EQ(s().Box()->text, "请输入发件箱服务器。");
  EXPECT_EQ(s().Box()->caption, "警告");
  ASSERT_TRUE(s().Answer());
}

TEST_F(GpsMailboxTest, EditsTakeNoMoreThanTheirFieldsStore) {
  OpenGpsModel();
  OpenWindow();
  EXPECT_EQ(s().Limit(kServer, kGps), 59);
  EXPECT_EQ(s().Limit(kPort, kGps), 5);
  EXPECT_EQ(s().Limit(kAddr, kGps), 31);
  EXPECT_EQ(s().Limit(kPassword, kGps), 31);
  EXPECT_EQ(s().Limit(kInboxAddr, kGps), 47);
  const std::string forty = "abcdefghij.klmnopqrst@uvwxyz0123456789.io";  // 41 characters
  ASSERT_TRUE(s().Paste(kAddr, forty, kGps));
  EXPECT_EQ(s().Text(kAddr, kGps), forty.substr(0, 31));
  ASSERT_TRUE(s().Close(kGps));
  EXPECT_EQ(FIELD(App().g_sSendSetTarn.sGpsMail.szGpsSmtpAccount), forty.substr(0, 31));
}

TEST_F(GpsMailboxTest, StoredTextLongerThanTheEditIsCutWhenStored) {
  GpsMail gps{};
  const std::string server(60, 's');  // a full field from a file
  CopyTextField(gps.szGpsServer, server);
  gps.iPort = 123456;  // six digits: the edit shows them, five are stored
  OpenGpsModel(&gps);
  ASSERT_TRUE(s().Click(kGpsMailbox, kPage));  // untick
  OpenWindow();
  EXPECT_EQ(s().Text(kServer, kGps), server);
  ASSERT_TRUE(s().Close(kGps));
  EXPECT_EQ(FIELD(App().g_sSendSetTarn.sGpsMail.szGpsServer), server.substr(0, 59));
  EXPECT_EQ(App().g_sSendSetTarn.sGpsMail.iPort, 12345);
}

TEST_F(GpsMailboxTest, CloseBoxStoresWithoutChecks) {
  GpsMail gps{};
  gps.iPort = 25;
  CopyTextField(gps.szGpsAddr, "old@example.com");
  OpenGpsModel(&gps);
  ASSERT_TRUE(s().Click(kGpsMailbox, kPage));
  OpenWindow();
  ASSERT_TRUE(s().Type(kServer, "only.server", kGps));
  ASSERT_TRUE(s().Paste(kPort, "", kGps));  // an emptied port is no port
  ASSERT_TRUE(s().Close(kGps));
  EXPECT_FALSE(s().Box().has_value());
  EXPECT_FALSE(s().IsOpen(kGps));
  EXPECT_FALSE(App().GpsWindowOpen);
  const GpsMail& now = App().g_sSendSetTarn.sGpsMail;
  EXPECT_EQ(FIELD(now.szGpsServer), "only.server");
  EXPECT_EQ(now.iPort, 0);
  EXPECT_EQ(FIELD(now.szGpsAddr), "old@example.com");
  EXPECT_EQ(FIELD(now.szGpsSmtpAccount), "");
}

TEST_F(GpsMailboxTest, EnterIsOkAndEscapeDoesNothing) {
  OpenGpsModel();
  OpenWindow();
  ASSERT_TRUE(s().Escape(kGps));
  EXPECT_TRUE(s().IsOpen(kGps));
  EXPECT_FALSE(s().Box().has_value());
  ASSERT_TRUE(s().Enter(kGps));
  ASSERT_TRUE(s().Box().has_value());
  EXPECT_EQ(s().Box()->text, "Please enter sender server.");
  ASSERT_TRUE(s().Answer());
}

TEST_F(GpsMailboxTest, AccountMirrorKeepsTheLastAddressWhenEmptied) {
  OpenGpsModel();
  OpenWindow();
  ASSERT_TRUE(s().Type(kAddr, "ab", kGps));
  EXPECT_EQ(s().Text(kAccount, kGps), "ab");
  ASSERT_TRUE(s().Type(kAddr, "\b\b", kGps));
  EXPECT_EQ(s().Text(kAddr, kGps), "");
  EXPECT_EQ(s().Text(kAccount, kGps), "a");
}

TEST_F(GpsMailboxTest, PageIgnoresNextPageCloseAndItsBoxWhileTheWindowIsOpen) {
  OpenGpsModel();
  OpenWindow();
  ASSERT_TRUE(s().Click(kNextPage, kPage));
  EXPECT_FALSE(s().Box().has_value());
  EXPECT_TRUE(s().IsOpen(kPage));
  EXPECT_TRUE(nexts_.empty());
  ASSERT_TRUE(s().Close(kPage));
  EXPECT_TRUE(s().IsOpen(kPage));
  EXPECT_TRUE(nexts_.empty());
  ASSERT_TRUE(s().Click(kGpsMailbox, kPage));
  EXPECT_TRUE(s().Checked(kGpsMailbox, kPage));  // the click changed nothing
  EXPECT_EQ(s().OpenTemplates(), (std::vector<int>{kPage, kGps}));
  // The page still takes other input behind the window.
  ASSERT_TRUE(s().Paste(kSenderServer, "other.example.com", kPage));

  ASSERT_TRUE(s().Close(kGps));
  // The box is still ticked: Next Page opens the window again and waits.
  ASSERT_TRUE(s().Click(kNextPage, kPage));
  ASSERT_EQ(s().TopTemplate(), kGps);
  EXPECT_TRUE(nexts_.empty());
  ASSERT_TRUE(s().Close(kGps));
  EXPECT_TRUE(s().Finished());
  EXPECT_EQ(nexts_.back(), platform::WindowKind::SendSettings);
  EXPECT_EQ(FIELD(App().SendSetSnapshot.sSmtpSet.szServer), "other.example.com");
}

TEST_F(GpsMailboxTest, NextPageWithTheBoxClearDropsTheMailbox) {
  GpsMail gps{};
  CopyTextField(gps.szGpsServer, "smtp.gps.example");
  OpenGpsModel(&gps);
  ASSERT_TRUE(s().Checked(kGpsMailbox));
  ASSERT_TRUE(s().Click(kGpsMailbox, kPage));  // unticks; no window
  EXPECT_FALSE(s().IsOpen(kGps));
  ExpectHandOver();
  const GpsMail zero{};
  EXPECT_EQ(std::memcmp(&App().g_sSendSetTarn.sGpsMail, &zero, sizeof zero), 0);
}

TEST_F(GpsMailboxTest, NextPageWaitsForTheWindowBeforeHandingOver) {
  OpenGpsModel();
  ASSERT_TRUE(s().Click(kGpsMailbox, kPage));
  ASSERT_TRUE(s().Close(kGps));  // ticked, window closed
  ASSERT_TRUE(s().Click(kNextPage, kPage));
  ASSERT_EQ(s().TopTemplate(), kGps);
  EXPECT_TRUE(nexts_.empty());  // the page waits
  ASSERT_TRUE(s().Type(kServer, "smtp.gps.example", kGps));
  ExpectOkMessage("Please enter sender port.");
  ASSERT_TRUE(s().Close(kGps));
  EXPECT_EQ(nexts_.back(), platform::WindowKind::SendSettings);
  EXPECT_EQ(FIELD(App().g_sSendSetTarn.sGpsMail.szGpsServer), "smtp.gps.example");
}

TEST_F(GpsMailboxTest, ClosingThePageWithTheBoxClearDropsTheMailbox) {
  GpsMail gps{};
  CopyTextField(gps.szGpsAddr, "inbox@example.com");
  OpenGpsModel(&gps);
  ASSERT_TRUE(s().Checked(kGpsMailbox, kPage));
  ASSERT_TRUE(s().Click(kGpsMailbox, kPage));
  ASSERT_FALSE(s().Checked(kGpsMailbox, kPage));
  ASSERT_TRUE(s().Close(kPage));
  EXPECT_EQ(FIELD(App().g_sSendSetTarn.sGpsMail.szGpsAddr), "");
  EXPECT_EQ(nexts_.back(), platform::WindowKind::Main);
}

}  // namespace
}  // namespace page_test
