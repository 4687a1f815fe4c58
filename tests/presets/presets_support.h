// Shared helpers of the operator preset tests: choosing the current model
// and language, a clean record, captured diagnostics.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "records/app_state.h"
#include "records/diag.h"
#include "records/send_set.h"
#include "records/text_field.h"
#include "wireless/operator_presets.h"

namespace presets_test {

inline constexpr uint16_t kFirstModel = 512;
inline constexpr uint16_t kLastModel = 533;

inline void UseModel(uint16_t code) {
  App().ModelFamily = code >> 8;
  App().ModelIndex = code & 0xFF;
  UpdateModelCode();
}

// Every test starts from the start-of-process state and leaves it behind.
class PresetTest : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override {
    SetDiagSink({});
    Reset();
  }
  static void Reset() {
    ResetAppState();
    ResetOperatorPresetState();
    std::memset(&App().g_sSendSet, 0, sizeof App().g_sSendSet);
  }
  void CaptureDiag() {
    SetDiagSink([this](std::string_view text) { diag_.append(text); });
  }
  std::string diag_;
};

inline std::string Field(const char* field, std::size_t width) {
  return TextFieldString(field, width);
}
template <std::size_t N>
std::string Field(const char (&field)[N]) {
  return TextFieldString(field, N);
}

// True when the field holds `text` followed only by zero bytes.
template <std::size_t N>
bool HoldsExactly(const char (&field)[N], std::string_view text) {
  if (text.size() >= N || std::string_view(field, text.size()) != text) return false;
  for (std::size_t i = text.size(); i < N; ++i)
    if (field[i] != 0) return false;
  return true;
}

}  // namespace presets_test
