// A save cut short: the program killed at any moment while it replaces
// menu.dat leaves either the old file or the new one, whole; and the
// leftover of an interrupted save neither is read nor stops the next one.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "records/diag.h"
#include "records/record_file.h"
#include "records/text_field.h"
#include "tests/fault/fault_support.h"

namespace fault {
namespace {

class InterruptedSaveTest : public CardFault {};

TEST_F(InterruptedSaveTest, KilledWhileSavingLeavesOneWholeFile) {
  const Bytes a(68, 0xA5), b(68, 0x3C);
  WriteAll(card_ / "menu.dat", a);
  const std::string path = (card_ / "menu.dat").string();
  std::mt19937 rng(11);
  int seen_a = 0, seen_b = 0;
  for (int trial = 0; trial < 40; ++trial) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Replaces the file over and over with one of the two contents.
      for (int i = 0;; ++i) {
        const Bytes& next = (i % 2) ? a : b;
        if (!ReplaceRecordFile(path, next.data(), next.size())) ::_exit(3);
      }
    }
    ::usleep(static_cast<useconds_t>(std::uniform_int_distribution<int>(200, 20000)(rng)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process failed on its own (" << status << ")";
    const Bytes now = ReadAll(card_ / "menu.dat");
    ASSERT_TRUE(now == a || now == b) << "trial " << trial << ": menu.dat holds " << now.size()
                                      << " bytes of neither content";
    (now == a ? seen_a : seen_b)++;
  }
  // Both contents were caught, so the kills did land while it was saving.
  EXPECT_GT(seen_a, 0);
  EXPECT_GT(seen_b, 0);
}

TEST_F(InterruptedSaveTest, LeftoverOfAnInterruptedSaveIsNotReadAndIsRemoved) {
  PrepareFiles(516, 516);
  const Bytes menu = ReadAll(card_ / "menu.dat");
  const Bytes cfg = ReadAll(card_ / "CFG.BIN");
  // Half-written temporary files, as a card pulled out mid-save keeps them
  // (in the names of this version and of earlier ones), from a while ago.
  WriteAll(card_ / "menu.dat.tmp", Bytes(menu.begin(), menu.begin() + 30));
  WriteAll(card_ / "CFG.BIN.5eed0001.tmp", Bytes(cfg.begin(), cfg.begin() + 700));
  const auto old = fs::file_time_type::clock::now() - std::chrono::seconds(kLeftoverAgeSeconds);
  fs::last_write_time(card_ / "menu.dat.tmp", old);
  fs::last_write_time(card_ / "CFG.BIN.5eed0001.tmp", old);

  StartRun();
  OpenCamera(516);
  bool loaded = false;
  for (const std::string& line : s().DiagLines())
    if (line.find("Open file - ") == 0 && line.find("menu.dat\" success!") != std::string::npos) loaded = true;
  EXPECT_TRUE(loaded) << "the window did not open on the whole menu.dat";
  EXPECT_TRUE(HasSuccess(Press(camid::kGenerate)));
  ASSERT_TRUE(s().Close());
  OpenSendPage(516);
  EXPECT_TRUE(HasSuccess(Press(send_ids::kGenerate)));
  s_.reset();
  EXPECT_FALSE(fs::exists(card_ / "menu.dat.tmp"));
  EXPECT_FALSE(fs::exists(card_ / "CFG.BIN.5eed0001.tmp"));
  EXPECT_EQ(ReadAll(card_ / "menu.dat").size(), 68u);
  EXPECT_EQ(ReadAll(card_ / "CFG.BIN").size(), 1320u);
}

}  // namespace
}  // namespace fault
