// Sessions of the send settings page on the headless host: the page alone
// over a record the test prepares, or the whole application from the main
// window.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "apps/common/all_windows.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "records/app_state.h"
#include "records/send_set.h"
#include "records/text_field.h"
#include "shell/app.h"
#include "tests/wireless/test_generate_support.h"
#include "wireless/operator_presets.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_page.h"
#include "wireless/wireless_state.h"

namespace send_test {

using namespace send_ids;

class SendPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetAllState();
    ResetAppState();
    ResetSendSetState();
    ResetWirelessState();
    ResetOperatorPresetState();
    App().UiLanguage = 1;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("ts_send_" + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    UseFolder(dir_.string());
    session_ = std::make_unique<headless::Session>();
    session_->services().SetNow({2026, 12, 8, 2, 15, 30});
  }

  void TearDown() override {
    session_.reset();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  // The record as the wireless parameter page leaves it for the page.
  void Prepare(uint16_t code, uint8_t mode) {
    SelectModel(code);
    ApplySendSetDefaults();
    App().g_sSendSet.bySendBy = mode;
    App().ChosenSendBy = mode;
  }

  // Runs the send settings page alone, `times` times in a row.
  void OpenPage(int times = 1) {
    session_->Start([this, times](platform::Host& h) {
      for (int i = 0; i < times; ++i) {
        std::unique_ptr<platform::Window> page = MakeSendSettingsPage();
        h.RunModal(*page);
        nexts_.push_back(page->Next());
      }
    });
    ASSERT_EQ(s().TopTemplate(), kSendSettingsTemplate);
  }

  // Runs the whole application from the main window.
  void StartApplication() {
    session_->services().SetWorkingDirectory(dir_.string());
    session_->Start([](platform::Host& h) { RunApplication(h, AllWindows(), App()); });
    ASSERT_EQ(s().TopTemplate(), 100);
  }

  headless::Session& s() { return *session_; }

  // Presses Generate and returns the message shown (answering it), or ""
  // when none was shown.
  std::string Generate() {
    EXPECT_TRUE(s().Click(kGenerate));
    auto box = s().Box();
    if (!box) return "";
    last_caption_ = box->caption;
    last_icon_ = box->icon;
    EXPECT_TRUE(s().Answer());
    return box->text;
  }

  bool DiagHas(const std::string& line) const {
    for (const std::string& l : session_->DiagLines())
      if (l == line) return true;
    return false;
  }

  std::filesystem::path CfgPath() const { return dir_ / "CFG.BIN"; }

  std::filesystem::path dir_;
  std::unique_ptr<headless::Session> session_;
  std::vector<platform::WindowKind> nexts_;
  std::string last_caption_;
  platform::MsgIcon last_icon_ = platform::MsgIcon::Information;
};

}  // namespace send_test
