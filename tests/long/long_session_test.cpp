// A long session on the headless host: thousands of hand-overs between the
// two wireless pages and thousands of openings of the camera setup window,
// with the application's stack depth and the process's memory
// measured as they go. Neither may grow, and nothing entered may be lost.
//
// TRAILSET_LONG_COUNT overrides the number of rounds (default 10000;
// 2000 in a sanitizer build, where each round is many times slower).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "apps/common/all_windows.h"
#include "camera/cam_setup_ids.h"
#include "platform/headless/headless.h"
#include "records/send_set.h"
#include "records/text_field.h"
#include "shell/app.h"
#include "shell/main_window.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_page.h"
#include "records/app_state.h"

#if defined(__SANITIZE_ADDRESS__)
#define TS_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TS_SANITIZED 1
#endif
#endif
#ifndef TS_SANITIZED
#define TS_SANITIZED 0
#endif

namespace {

namespace fs = std::filesystem;

constexpr int kSendPageTemplate = 115;

int Rounds() {
  if (const char* s = std::getenv("TRAILSET_LONG_COUNT")) {
    const int n = std::atoi(s);
    if (n > 0) return n;
  }
  return TS_SANITIZED ? 2000 : 10000;
}

// A line "<key>: <n> kB" of /proc/self/status, in KiB; 0 when absent.
long StatusKib(const char* key) {
  std::ifstream in("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(key) + ":";
  while (std::getline(in, line))
    if (line.rfind(prefix, 0) == 0) return std::atol(line.c_str() + prefix.size());
  return 0;
}

struct Figures {
  long rss_kib = 0;
  long peak_kib = 0;
  std::size_t stack = 0;
};

Figures Measure(const headless::Session& s) { return {StatusKib("VmRSS"), StatusKib("VmHWM"), s.StackDepth()}; }

class LongSession : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dir_ = fs::temp_directory_path() / ("ts_long_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    ResetAllState();
    s_ = std::make_unique<headless::Session>();
    s_->services().SetSystemLanguageId(1033);
    s_->services().SetWorkingDirectory(dir_.string());
    s_->services().SetNow(platform::LocalTime{2026, 3, 14, 15, 9, 26});
    s_->Start([](platform::Host& h) { RunApplication(h, AllWindows(), App()); });
    ASSERT_EQ(s_->TopTemplate(), 100);
  }
  void TearDown() override {
    s_.reset();
    ResetAllState();
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  // The host keeps a transcript of the session (events, diagnostic
  // lines); it is emptied after every round so that only the program's
  // own memory is measured.
  void DropTranscript() {
    s_->TakeEvents();
    s_->ClearDiag();
  }

  // Runs `round` n times; checks the stack depth after each and memory
  // between a warm-up and the end. Prints the figures.
  template <class Round>
  void RunRounds(const char* what, int n, Round round) {
    const int warm = n / 10 > 0 ? n / 10 : 1;
    for (int i = 0; i < warm; ++i) {
      round();
      if (HasFatalFailure()) return;
      DropTranscript();
    }
    const Figures start = Measure(*s_);
    const auto t0 = std::chrono::steady_clock::now();
    std::size_t deepest = start.stack;
    for (int i = warm; i < n; ++i) {
      round();
      if (HasFatalFailure()) return;
      DropTranscript();
      deepest = std::max(deepest, s_->StackDepth());
      ASSERT_LE(s_->StackDepth(), start.stack + 256) << what << ": the stack grew by round " << i;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const Figures end = Measure(*s_);
    std::printf("LONG %s: %d rounds, %.1f s; stack %zu -> %zu bytes (deepest %zu); "
                "RSS %ld -> %ld KiB; peak RSS %ld -> %ld KiB\n",
                what, n, seconds, start.stack, end.stack, deepest, start.rss_kib, end.rss_kib, start.peak_kib,
                end.peak_kib);
    std::fflush(stdout);
    if (!TS_SANITIZED) {
      // The sanitizer's allocator holds freed memory back on purpose; its
      // leak check at exit stands in for this one there.
      EXPECT_LE(end.rss_kib - start.rss_kib, 4096) << what << ": memory grew";
      EXPECT_LE(end.peak_kib - start.peak_kib, 4096) << what << ": peak memory grew";
    }
  }

  headless::Session& s() { return *s_; }

  fs::path dir_;
  std::unique_ptr<headless::Session> s_;
};

TEST_F(LongSession, WirelessPagesHandOverTenThousandTimes) {
  constexpr uint16_t kModel = 516;
  ASSERT_TRUE(s().Select(mainwin::kIdFamilyList[2], kModel - 512));
  ASSERT_TRUE(s().Click(mainwin::kIdWirelessSetup));
  ASSERT_EQ(s().TopTemplate(), kWirelessPageTemplate);
  // Entries of both pages that must survive every hand-over.
  ASSERT_TRUE(s().Select(wp_ids::kSource, 1));  // network values typed by hand
  const headless::ActionResult apn = s().Paste(wp_ids::kNetApn, "internet.example");
  ASSERT_TRUE(apn) << apn.error;
  ASSERT_TRUE(s().Paste(wp_ids::kSenderServer, "smtp.example.com"));
  ASSERT_TRUE(s().Paste(wp_ids::kSenderPort, "465"));
  ASSERT_TRUE(s().Paste(wp_ids::kSenderAddr, "cam@example.com"));
  ASSERT_TRUE(s().Paste(wp_ids::kSenderPassword, "secret"));
  ASSERT_TRUE(s().Click(wp_ids::kNextPage));
  ASSERT_FALSE(s().Box().has_value()) << s().Box()->text;
  ASSERT_EQ(s().TopTemplate(), kSendPageTemplate);
  ASSERT_TRUE(s().Paste(send_ids::kEmail1, "me@example.com"));
  ASSERT_TRUE(s().Click(send_ids::kPreviousPage));

  RunRounds("wireless hand-overs (Next Page and Previous Page)", Rounds(), [this] {
    ASSERT_EQ(s().TopTemplate(), kWirelessPageTemplate);
    ASSERT_TRUE(s().Click(wp_ids::kNextPage));
    ASSERT_FALSE(s().Box().has_value()) << s().Box()->text;
    ASSERT_EQ(s().TopTemplate(), kSendPageTemplate);
    ASSERT_TRUE(s().Click(send_ids::kPreviousPage));
  });
  if (HasFatalFailure()) return;

  EXPECT_EQ(s().Text(wp_ids::kSenderServer), "smtp.example.com");
  EXPECT_EQ(s().Text(wp_ids::kNetApn), "internet.example");
  ASSERT_TRUE(s().Click(wp_ids::kNextPage));
  ASSERT_EQ(s().TopTemplate(), kSendPageTemplate);
  EXPECT_EQ(s().Text(send_ids::kEmail1), "me@example.com");
  ASSERT_TRUE(s().Click(send_ids::kGenerate));
  ASSERT_TRUE(s().Box().has_value());
  EXPECT_EQ(s().Box()->text, "Generate Success!");
  ASSERT_TRUE(s().Answer());
  EXPECT_EQ(TextFieldString(App().g_sSendSet.sSmtpSet.szServer), "smtp.example.com");
  EXPECT_EQ(TextFieldString(App().g_sSendSet.szRecp[2]), "me@example.com");
}

TEST_F(LongSession, CameraSetupOpensTenThousandTimes) {
  constexpr uint16_t kModel = 524;  // the 188-byte record with the most controls
  ASSERT_TRUE(s().Select(mainwin::kIdFamilyList[2], kModel - 512));
  ASSERT_TRUE(s().Click(mainwin::kIdCameraSetup));
  ASSERT_EQ(s().TopTemplate(), camid::kTemplateFull);
  ASSERT_TRUE(s().Select(camid::kSerialOn, 1));
  const headless::ActionResult serial = s().Paste(camid::kSerialText, "AB12CD");
  ASSERT_TRUE(serial) << serial.error;
  ASSERT_TRUE(s().Close());

  RunRounds("camera setup openings", Rounds(), [this] {
    ASSERT_EQ(s().TopTemplate(), 100);
    ASSERT_TRUE(s().Click(mainwin::kIdCameraSetup));
    ASSERT_EQ(s().TopTemplate(), camid::kTemplateFull);
    int fired = 0;
    ASSERT_TRUE(s().Tick(&fired));  // the one-second clock runs while it is open
    ASSERT_EQ(fired, 1);
    ASSERT_TRUE(s().Close());
  });
  if (HasFatalFailure()) return;

  ASSERT_TRUE(s().Click(mainwin::kIdCameraSetup));
  EXPECT_EQ(s().Text(camid::kSerialText), "AB12CD");
  EXPECT_EQ(s().RunningTimers().size(), 1u);
}

}  // namespace
