// Shared fixtures of the records tests: a clock and time zone of the
// test's choosing, a private save folder, and captured diagnostics.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/services.h"
#include "records/app_state.h"
#include "records/diag.h"
#include "records/menu_record.h"
#include "records/send_set.h"

namespace records_test {

class TestServices : public platform::Services {
 public:
  platform::LocalTime now;
  int utc_offset_hours = 8;

  platform::LocalTime Now() override { return now; }
  int SystemLanguageId() override { return 1033; }
  std::optional<std::string> WorkingDirectory() override { return std::string("/tmp"); }
  int PcUtcOffsetHours() override { return utc_offset_hours; }
  std::optional<std::string> PickFolder(std::string_view) override { return std::nullopt; }
};

// Collects every diagnostic text while alive.
class DiagCapture {
 public:
  DiagCapture() {
    SetDiagSink([this](std::string_view text) { text_.append(text); });
  }
  // Afterwards the diagnostics are dropped, so test output stays readable.
  ~DiagCapture() { SetDiagSink([](std::string_view) {}); }
  DiagCapture(const DiagCapture&) = delete;
  DiagCapture& operator=(const DiagCapture&) = delete;

  const std::string& Text() const { return text_; }
  void Clear() { text_.clear(); }
  // The captured text split after each "\n".
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text_.size()) {
      const std::size_t end = text_.find('\n', start);
      const std::size_t stop = end == std::string::npos ? text_.size() : end + 1;
      lines.push_back(text_.substr(start, stop - start));
      start = stop;
    }
    return lines;
  }

 private:
  std::string text_;
};

inline void SelectModel(uint16_t code) {
  App().ModelFamily = code >> 8;
  App().ModelIndex = code & 0xFF;
  UpdateModelCode();
}

inline std::vector<uint8_t> ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteAll(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Plain bytes -> file bytes, computed here from the rule itself
// (XOR 0x5C, then rotate right by two) rather than with the code under test.
inline uint8_t ScrambledByte(uint8_t b) {
  const uint8_t x = static_cast<uint8_t>(b ^ 0x5C);
  return static_cast<uint8_t>((x >> 2) | (x << 6));
}
inline uint8_t PlainByte(uint8_t s) {
  const uint8_t r = static_cast<uint8_t>((s << 2) | (s >> 6));
  return static_cast<uint8_t>(r ^ 0x5C);
}
inline std::vector<uint8_t> Scrambled(std::vector<uint8_t> bytes) {
  for (uint8_t& b : bytes) b = ScrambledByte(b);
  return bytes;
}
inline std::vector<uint8_t> Plain(std::vector<uint8_t> bytes) {
  for (uint8_t& b : bytes) b = PlainByte(b);
  return bytes;
}

// Every test starts from the start-of-process state, with its own save
// folder and a PC in UTC+08 unless it says otherwise.
class RecordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetAppState();
    ResetMenuState();
    ResetSendSetState();
    platform::SetServices(&services_);
    SetDiagSink([](std::string_view) {});
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("trailset-records-" + std::to_string(::getpid()) + "-" + info->test_suite_name() +
               "-" + info->name());
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

  static void UseFolder(const std::string& folder) {
    std::memset(App().SaveFolder, 0, sizeof App().SaveFolder);
    std::memcpy(App().SaveFolder, folder.data(), std::min(folder.size(), sizeof App().SaveFolder - 1));
  }

  std::filesystem::path MenuPath() const { return folder_ / "menu.dat"; }
  std::filesystem::path CfgPath() const { return folder_ / "CFG.BIN"; }

  // Names of the files in the save folder.
  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TestServices services_;
  std::filesystem::path folder_;
};

}  // namespace records_test
