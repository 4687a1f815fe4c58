// Sessions of the real application on the headless host for the camera
// setup window: a private card folder, the model chosen in the main window
// and the camera setup window opened, closed and reopened as a user does.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "apps/common/all_windows.h"
#include "camera/cam_setup_ids.h"
#include "platform/headless/headless.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/menu_record.h"
#include "shell/app.h"

namespace camtest {

inline constexpr int kMainTemplate = 100;
inline constexpr int kMainModelList = 40012;
inline constexpr int kMainCameraSetup = 40003;

// The 22 selectable models.
inline std::vector<uint16_t> AllModels() {
  std::vector<uint16_t> v;
  for (uint16_t c = 512; c <= 533; ++c) v.push_back(c);
  return v;
}

// A setting of a record image of a layout (16-bit fields little-endian).
inline uint16_t FieldOf(const std::vector<uint8_t>& rec, MenuSetting s, int layout) {
  const int at = FieldLocation(s, layout);
  if (at < 0 || at >= static_cast<int>(rec.size())) return 0xFFFF;
  if (s == MenuSetting::ClockYear || s == MenuSetting::CheckFlag)
    return static_cast<uint16_t>(rec[at] | (rec[at + 1] << 8));
  return rec[at];
}
inline void SetField(std::vector<uint8_t>& rec, MenuSetting s, int layout, uint16_t v) {
  const int at = FieldLocation(s, layout);
  ASSERT_GE(at, 0);
  rec[at] = static_cast<uint8_t>(v);
  if (s == MenuSetting::ClockYear || s == MenuSetting::CheckFlag) rec[at + 1] = static_cast<uint8_t>(v >> 8);
}

class CamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& ch : name)
      if (ch == '/') ch = '_';
    dir_ = std::filesystem::temp_directory_path() / ("ts_cam_" + std::to_string(::getpid()) + "_" + name);
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    folder_ = dir_.string();
  }

  void TearDown() override {
    s_.reset();
    ResetAllState();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  // A new run of the program: all state as at process start, the main
  // window open on the card folder.
  void StartRun(const std::string& folder = {}) {
    s_.reset();
    ResetAllState();
    s_ = std::make_unique<headless::Session>();
    s_->services().SetSystemLanguageId(language_id_);
    s_->services().SetWorkingDirectory(folder.empty() ? folder_ : folder);
    s_->services().SetNow(now_);
    s_->services().SetPcUtcOffsetHours(utc_offset_);
    s_->Start([](platform::Host& h) { RunApplication(h, AllWindows(), App()); });
    ASSERT_EQ(s_->TopTemplate(), kMainTemplate);
  }

  // Picks the model in the main window and opens Camera Setup.
  void OpenCamera(uint16_t code) {
    ASSERT_TRUE(s_->Select(kMainModelList, code - 512));
    ASSERT_TRUE(s_->Click(kMainCameraSetup));
    ASSERT_EQ(s_->TopTemplate(), camid::kTemplateFull) << "model " << code;
  }

  // A fresh run with the camera setup window of a model open.
  void Open(uint16_t code) {
    StartRun();
    OpenCamera(code);
  }

  void CloseCamera() {
    ASSERT_TRUE(s_->Close());
    ASSERT_EQ(s_->TopTemplate(), kMainTemplate);
  }

  void Reopen(uint16_t code) {
    CloseCamera();
    OpenCamera(code);
  }

  // Clicks Generate or Default and answers the confirmation; false when
  // none came.
  bool Press(int button, const std::string& expected_text) {
    EXPECT_TRUE(s_->Click(button));
    auto box = s_->Box();
    if (!box) return false;
    EXPECT_EQ(box->text, expected_text);
    EXPECT_EQ(box->caption, "Notice");
    EXPECT_EQ(box->icon, platform::MsgIcon::Information);
    EXPECT_TRUE(s_->Answer());
    return true;
  }
  bool Generate() { return Press(camid::kGenerate, "Generate Success!"); }
  bool Default() { return Press(camid::kDefault, "Default setting and generate success!"); }

  std::filesystem::path MenuPath() const { return dir_ / "menu.dat"; }

  // menu.dat as the camera reads it (unscrambled); empty when missing.
  std::vector<uint8_t> FileRecord() const {
    std::ifstream in(MenuPath(), std::ios::binary);
    std::vector<uint8_t> v((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    UnscrambleBytes(v.data(), static_cast<int>(v.size()));
    return v;
  }

  // Writes a record as menu.dat (scrambled).
  void WriteFileRecord(std::vector<uint8_t> rec) const {
    ScrambleBytes(rec.data(), static_cast<int>(rec.size()));
    std::ofstream out(MenuPath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(rec.data()), static_cast<std::streamsize>(rec.size()));
  }

  headless::Session& s() { return *s_; }

  std::filesystem::path dir_;
  std::string folder_;
  std::unique_ptr<headless::Session> s_;
  int language_id_ = 1033;  // English
  int utc_offset_ = 8;      // UTC+08: TimeZoneIndex 20
  platform::LocalTime now_{2026, 3, 14, 15, 9, 26};
};

// The factory record of a model, straight from the defaults. Resets the
// process state: call it before a run, never during one.
inline std::vector<uint8_t> FactoryRecord(uint16_t code) {
  ResetAllState();
  App().ModelFamily = code >> 8;
  App().ModelIndex = code & 0xFF;
  UpdateModelCode();
  App().CamSetupDlgId = ModelSetupDlgId(App().ModelFamily, App().ModelIndex);
  ChooseMenuLayout();
  ApplyMenuDefaults();
  const uint8_t* rec = MenuRecord(App().MenuLayout);
  std::vector<uint8_t> v(rec, rec + MenuSize(App().MenuLayout));
  ResetAllState();
  return v;
}

inline int LayoutOf(uint16_t code) { return MenuLayoutForModel(code, ModelSetupDlgId(code >> 8, code & 0xFF)); }

}  // namespace camtest
