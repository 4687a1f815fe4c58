// Shared pieces of the Generate and send settings tests: a private save
// folder, a clock of the test's choosing, captured diagnostics, and the
// plain bytes of the CFG.BIN written.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "records/app_state.h"
#include "records/diag.h"
#include "records/send_set.h"
#include "wireless/operator_presets.h"
#include "wireless/wireless_state.h"

namespace send_test {

class ClockServices : public platform::Services {
 public:
  platform::LocalTime now{2026, 12, 8, 1, 30, 45};
  std::optional<std::string> picked;  // what the folder picker answers

  platform::LocalTime Now() override { return now; }
  int SystemLanguageId() override { return 1033; }
  std::optional<std::string> WorkingDirectory() override { return std::string("/tmp"); }
  int PcUtcOffsetHours() override { return 8; }
  std::optional<std::string> PickFolder(std::string_view) override { return picked; }
};

inline void SelectModel(uint16_t code) {
  App().ModelFamily = code >> 8;
  App().ModelIndex = code & 0xFF;
  UpdateModelCode();
}

inline void UseFolder(const std::string& folder) {
  std::memset(App().SaveFolder, 0, sizeof App().SaveFolder);
  std::memcpy(App().SaveFolder, folder.data(), std::min(folder.size(), sizeof App().SaveFolder - 1));
}

inline std::vector<uint8_t> ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// File bytes -> plain bytes, from the scrambling rule itself (rotate left
// by two, then XOR 0x5C) rather than with the code under test.
inline std::vector<uint8_t> Plain(std::vector<uint8_t> bytes) {
  for (uint8_t& s : bytes) s = static_cast<uint8_t>(((s << 2) | (s >> 6)) ^ 0x5C);
  return bytes;
}

// The record a plain file image holds.
inline SendSet RecordOf(const std::vector<uint8_t>& plain) {
  SendSet s{};
  if (plain.size() >= sizeof s) std::memcpy(&s, plain.data(), sizeof s);
  return s;
}

inline std::string Field(const char* f, std::size_t width) {
  return std::string(f, strnlen(f, width));
}
#define SEND_FIELD(f) ::send_test::Field((f), sizeof(f))

// Every test starts from the start-of-process state with its own folder.
class SendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetAppState();
    ResetSendSetState();
    ResetWirelessState();
    ResetOperatorPresetState();
    platform::SetServices(&services_);
    SetDiagSink([this](std::string_view text) { log_.append(text); });
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("trailset-send-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" +
               info->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    UseFolder(folder_.string());
  }

  void TearDown() override {
    SetDiagSink({});
    platform::SetServices(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::filesystem::path CfgPath() const { return folder_ / "CFG.BIN"; }
  std::vector<uint8_t> PlainFile() const { return Plain(ReadAll(CfgPath())); }
  bool Logged(const std::string& text) const { return log_.find(text) != std::string::npos; }

  ClockServices services_;
  std::filesystem::path folder_;
  std::string log_;
};

}  // namespace send_test
