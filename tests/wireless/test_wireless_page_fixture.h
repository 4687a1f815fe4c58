// Sessions of the wireless parameter page on the headless host: a private
// save folder, a CFG.BIN written for the chosen model, and the page run as
// often as a test needs (each later opening starts from the snapshot, as
// when the send settings page hands back).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/window.h"
#include "records/app_state.h"
#include "records/send_set.h"
#include "records/text_field.h"
#include "wireless/gps_mailbox.h"
#include "wireless/operator_presets.h"
#include "wireless/wireless_page.h"
#include "wireless/wireless_state.h"

namespace page_test {

using namespace wp_ids;

inline std::string Str(const char* field, std::size_t width) {
  return std::string(ReadTextField(field, width));
}
#define FIELD(f) ::page_test::Str((f), sizeof(f))

class WirelessPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetAppState();
    ResetSendSetState();
    ResetWirelessState();
    ResetOperatorPresetState();
    App().UiLanguage = 1;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("ts_wpage_" + std::to_string(::getpid()) + "_" + std::string(info->test_suite_name()) + "_" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    const std::string folder = dir_.string();
    std::memset(App().SaveFolder, 0, sizeof App().SaveFolder);
    std::memcpy(App().SaveFolder, folder.data(), std::min(folder.size(), sizeof App().SaveFolder - 1));
    session_ = std::make_unique<headless::Session>();
  }

  void TearDown() override {
    // The page and the GPS window only touch controls their templates have.
    for (const auto& [id, tpl] : session_->MissingControlCalls())
      ADD_FAILURE() << "window " << tpl << " has no control " << id;
    session_.reset();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  static void SelectModel(uint16_t code) {
    App().ModelFamily = code >> 8;
    App().ModelIndex = code & 0xFF;
    UpdateModelCode();
  }

  // The default record of the current model, as a starting point for a file.
  static SendSet DefaultRecord() {
    ApplySendSetDefaults();
    SendSet rec = App().g_sSendSet;
    App().g_sSendSet = SendSet{};
    return rec;
  }

  // An e-mail record with a complete sender mailbox and hand-typed network values.
  static SendSet MailRecord() {
    SendSet rec = DefaultRecord();
    rec.bySendBy = kSendEmail;
    rec.byOperatorCountry = kManualCountry;
    CopyTextField(rec.sSmtpSet.szWLNetApN, "internet");
    CopyTextField(rec.sSmtpSet.szWLNetAccount, "trailnet");
    CopyTextField(rec.sSmtpSet.szWLNetPassword, "wifipass");
    CopyTextField(rec.sSmtpSet.szServer, "smtp.example.com");
    rec.sSmtpSet.iPort = 465;
    CopyTextField(rec.sSmtpSet.szAddr, "cam@example.com");
    CopyTextField(rec.sSmtpSet.szUserName, "cam@example.com");
    CopyTextField(rec.sSmtpSet.szPassword, "secret");
    return rec;
  }

  // Writes CFG.BIN for the current model, then leaves the records at their
  // start-of-process values (the file is what the page finds).
  void WriteCfg(const SendSet& rec, const GpsMail* gps = nullptr) {
    App().g_sSendSet = rec;
    if (gps) App().g_sSendSetTarn.sGpsMail = *gps;
    ASSERT_TRUE(SaveSendSet());
    ResetSendSetState();
  }

  // Opens the page `times` times in a row on the application's side; each
  // time the page ends, the next opening follows.
  void Open(int times = 1) {
    session_->Start([this, times](platform::Host& h) {
      for (int i = 0; i < times; ++i) {
        std::unique_ptr<platform::Window> page = MakeWirelessPage();
        results_.push_back(h.RunModal(*page));
        nexts_.push_back(page->Next());
      }
    });
    ASSERT_EQ(s().TopTemplate(), kWirelessPageTemplate);
  }

  headless::Session& s() { return *session_; }

  // Clicks Next Page and expects exactly the message `text` (answering it).
  void ExpectNextPageMessage(const std::string& text) {
    ASSERT_TRUE(s().Click(kNextPage));
    auto box = s().Box();
    ASSERT_TRUE(box.has_value()) << "no message for: " << text;
    EXPECT_EQ(box->text, text);
    EXPECT_EQ(box->caption, "Warning");
    EXPECT_EQ(box->icon, platform::MsgIcon::Warning);
    ASSERT_TRUE(s().Answer());
    EXPECT_TRUE(s().IsOpen(kWirelessPageTemplate));
  }

  // Clicks Next Page and expects the hand-over without a message.
  void ExpectHandOver() {
    ASSERT_TRUE(s().Click(kNextPage));
    ASSERT_FALSE(s().Box().has_value()) << s().Box()->text;
    ASSERT_FALSE(nexts_.empty());
    EXPECT_EQ(nexts_.back(), platform::WindowKind::SendSettings);
  }

  bool DiagHas(const std::string& line) const {
    for (const std::string& l : session_->DiagLines())
      if (l == line) return true;
    return false;
  }

  std::filesystem::path dir_;
  std::unique_ptr<headless::Session> session_;
  std::vector<int> results_;
  std::vector<platform::WindowKind> nexts_;
};

}  // namespace page_test
