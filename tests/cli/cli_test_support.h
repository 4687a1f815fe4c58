// Running trailset-cli in-process and as a program, trailset-drive on a
// script, and a private folder per test.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "apps/cli/cli.h"

namespace clitest {

struct Result {
  int status = -1;
  std::string out, err;
};

inline constexpr char kClock[] = "2026-03-14 15:09:26";

// The command line run in this process, with `input` on its standard input.
inline Result Cli(std::vector<std::string> args, const std::string& input = "") {
  args.insert(args.begin(), "trailset-cli");
  std::istringstream in(input);
  std::ostringstream out, err;
  Result r;
  r.status = cli::RunCli(args, in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

inline std::string ReadText(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::vector<uint8_t> ReadBytes(const std::filesystem::path& p) {
  const std::string s = ReadText(p);
  return std::vector<uint8_t>(s.begin(), s.end());
}

inline void WriteBytes(const std::filesystem::path& p, const std::vector<uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::string Quote(const std::string& s) { return "'" + s + "'"; }

// A program run with its output captured in `dir`.
inline Result RunProgram(const std::string& exe, const std::vector<std::string>& args, const std::filesystem::path& dir) {
  std::string cmd = Quote(exe);
  for (const std::string& a : args) cmd += " " + Quote(a);
  const auto out = dir / "stdout.txt", err = dir / "stderr.txt";
  cmd += " > " + Quote(out.string()) + " 2> " + Quote(err.string());
  Result r;
  const int raw = std::system(cmd.c_str());
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = ReadText(out);
  r.err = ReadText(err);
  return r;
}

inline bool HaveDrive() {
#ifdef TRAILSET_DRIVE_EXE
  return true;
#else
  return false;
#endif
}

// trailset-drive playing `script` (written into `dir`).
inline Result Drive(const std::string& script, const std::filesystem::path& dir) {
#ifdef TRAILSET_DRIVE_EXE
  const auto path = dir / "session.drive";
  std::ofstream(path) << script;
  return RunProgram(TRAILSET_DRIVE_EXE, {"--quiet", path.string()}, dir);
#else
  (void)script;
  (void)dir;
  return {};
#endif
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    dir_ = std::filesystem::temp_directory_path() / ("ts_cli_" + std::to_string(::getpid()) + "_" + name);
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  // A new empty folder in the test's folder.
  std::filesystem::path Folder(const std::string& name) const {
    const auto p = dir_ / name;
    std::filesystem::create_directories(p);
    return p;
  }

  std::filesystem::path dir_;
};

}  // namespace clitest
