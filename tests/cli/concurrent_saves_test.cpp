// Several trailset-cli runs saving menu.dat and CFG.BIN into one folder at
// once, round after round, with a reader watching both files: a reader sees
// an old file or a whole new one, never a part; a run says success only when
// the card held its own bytes; the file standing after a round is one whose
// run said success (or, when none did, the one from before); and no
// temporary file is left behind.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "tests/cli/cli_test_support.h"

extern char** environ;

namespace {

using nlohmann::json;
using Bytes = std::vector<uint8_t>;

constexpr int kRunsPerFile = 4;

struct Saver {
  bool camera;
  int minute;  // the --clock minute: each run writes other bytes
};

std::vector<std::string> Args(const Saver& r, const std::filesystem::path& out) {
  char clock[32];
  std::snprintf(clock, sizeof clock, "2026-03-14 15:%02d:26", r.minute);
  std::vector<std::string> a = {TRAILSET_CLI_EXE, r.camera ? "camera" : "wireless", "-m", r.camera ? "515" : "520",
                                "-o", out.string(), "--clock", clock, "--timezone", "+8", "--json"};
  if (!r.camera) a.insert(a.end(), {"--set", "bySendBy=Off"});
  return a;
}

pid_t Spawn(const std::vector<std::string>& args, const std::filesystem::path& stdout_file) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, stdout_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

int Wait(pid_t pid) {
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The whole file, or nothing when there is none.
std::optional<Bytes> ReadNow(const std::filesystem::path& p) {
  const int fd = ::open(p.c_str(), O_RDONLY);
  if (fd < 0) return std::nullopt;
  Bytes out;
  uint8_t buf[4096];
  ssize_t n;
  while ((n = ::read(fd, buf, sizeof buf)) > 0) out.insert(out.end(), buf, buf + n);
  ::close(fd);
  return out;
}

class ConcurrentSaves : public clitest::CliTest {};

TEST_F(ConcurrentSaves, EveryReaderAndEveryRunSeesWholeFilesOfRunsThatSaidSuccess) {
  const char* env = std::getenv("TRAILSET_CONCURRENT_ROUNDS");
#if defined(__SANITIZE_ADDRESS__)
  constexpr int kRounds = 10;  // each run is several times slower under the sanitizers
#else
  constexpr int kRounds = 30;
#endif
  const int rounds = env ? std::atoi(env) : kRounds;
  std::vector<Saver> runs;
  for (int k = 0; k < kRunsPerFile; ++k) runs.push_back({true, k}), runs.push_back({false, k});

  // Each run's own bytes and report of them, from a run on its own.
  std::vector<Bytes> own;
  std::vector<json> own_report;
  const auto report = [&](std::size_t i) {
    return json::parse(clitest::ReadText(dir_ / ("run" + std::to_string(i))))["file"]["fields"];
  };
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const auto alone = Folder("alone" + std::to_string(i));
    ASSERT_EQ(Wait(Spawn(Args(runs[i], alone), dir_ / ("run" + std::to_string(i)))), 0);
    own.push_back(clitest::ReadBytes(alone / (runs[i].camera ? "menu.dat" : "CFG.BIN")));
    own_report.push_back(report(i));
  }

  const auto card = Folder("card");
  const std::array<std::filesystem::path, 2> files = {card / "menu.dat", card / "CFG.BIN"};
  std::atomic<bool> stop{false};
  std::atomic<int> reads{0};
  std::string partial;  // the first sighting of a file no run wrote
  std::thread reader([&] {
    while (!stop) {
      for (int f = 0; f < 2; ++f) {
        const auto now = ReadNow(files[f]);
        if (!now) continue;
        ++reads;
        bool known = false;
        for (std::size_t i = 0; i < runs.size(); ++i) known = known || (runs[i].camera == (f == 0) && *now == own[i]);
        if (!known && partial.empty()) partial = files[f].filename().string() + " of " + std::to_string(now->size()) + " bytes";
      }
    }
  });

  for (int round = 0; round < rounds; ++round) {
    const std::array<std::optional<Bytes>, 2> before = {ReadNow(files[0]), ReadNow(files[1])};
    std::vector<pid_t> pids;
    for (std::size_t i = 0; i < runs.size(); ++i) pids.push_back(Spawn(Args(runs[i], card), dir_ / ("run" + std::to_string(i))));
    std::vector<int> status;
    for (pid_t pid : pids) status.push_back(Wait(pid));

    for (int f = 0; f < 2; ++f) {
      const auto standing = ReadNow(files[f]);
      bool any_success = false, stands_from_success = false;
      for (std::size_t i = 0; i < runs.size(); ++i) {
        if (runs[i].camera != (f == 0) || status[i] != 0) continue;
        any_success = true;
        stands_from_success = stands_from_success || (standing && *standing == own[i]);
        EXPECT_EQ(report(i), own_report[i]) << "round " << round << ": run " << i << " said success with another run's file";
      }
      if (any_success)
        EXPECT_TRUE(stands_from_success) << "round " << round << ": " << files[f].filename() << " is from a run that failed";
      else
        EXPECT_EQ(standing, before[f]) << "round " << round << ": every run failed, yet " << files[f].filename() << " changed";
    }
    std::vector<std::string> others;
    for (const auto& e : std::filesystem::directory_iterator(card))
      if (e.path().filename() != "menu.dat" && e.path().filename() != "CFG.BIN") others.push_back(e.path().filename());
    EXPECT_TRUE(others.empty()) << "round " << round << " left " << others.front();
    if (HasFailure()) break;
  }
  stop = true;
  reader.join();
  EXPECT_TRUE(partial.empty()) << "a reader saw " << partial;
  EXPECT_GT(reads.load(), rounds) << "the reader saw too little to tell";
}

}  // namespace
