// The command line: exit status, help, usage errors, refused values and
// the small parsers the commands share.
#include <nlohmann/json.hpp>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <tuple>
#include <string>
#include <vector>

#include "apps/cli/cli_common.h"
#include "apps/cli/cli_run.h"
#include "apps/cli/cli_session.h"
#include "tests/cli/cli_test_support.h"
#include "trailset_version.h"

namespace {

using clitest::Cli;
using nlohmann::json;

class CommandLine : public clitest::CliTest {
 protected:
  clitest::Result Camera(std::vector<std::string> more, uint16_t model = 515) {
    std::vector<std::string> a = {"camera", "-m", std::to_string(model), "-o", Folder("out").string(),
                                  "--clock", clitest::kClock, "--timezone", "+8"};
    a.insert(a.end(), more.begin(), more.end());
    return Cli(a);
  }
};

TEST_F(CommandLine, TheProgramsExitStatusAndHelp) {
  const std::string exe = TRAILSET_CLI_EXE;
  for (const char* command : {"models", "inspect", "camera", "wireless", "presets"}) {
    const clitest::Result r = clitest::RunProgram(exe, {command, "--help"}, dir_);
    EXPECT_EQ(r.status, 0) << command;
    EXPECT_NE(r.out.find("Usage:"), std::string::npos) << command << r.out;
  }
  EXPECT_NE(clitest::RunProgram(exe, {"camera", "--help"}, dir_).out.find("PirInterval"), std::string::npos);
  EXPECT_NE(clitest::RunProgram(exe, {"wireless", "--help"}, dir_).out.find("sSmtpSet.szWLNetApN"), std::string::npos);
  // Both programs name the build's version; the GUI program refuses what it does not know.
  std::vector<std::string> programs = {exe};
#ifdef TRAILSET_GUI_EXE
  programs.push_back(TRAILSET_GUI_EXE);
  const clitest::Result unknown = clitest::RunProgram(TRAILSET_GUI_EXE, {"--versoin"}, dir_);
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err, "trailset: unexpected argument '--versoin'; try 'trailset --help'\n");
  EXPECT_NE(clitest::RunProgram(TRAILSET_GUI_EXE, {"--help"}, dir_).out.find("Usage: trailset"), std::string::npos);
#endif
  for (const std::string& program : programs) {
    const clitest::Result v = clitest::RunProgram(program, {"--version"}, dir_);
    EXPECT_EQ(v.status, 0) << program;
    EXPECT_EQ(v.out, "trailset " TRAILSET_VERSION "\n") << program;
  }
  EXPECT_EQ(clitest::RunProgram(exe, {}, dir_).status, 2);
  EXPECT_EQ(clitest::RunProgram(exe, {"format-card"}, dir_).status, 2);
  EXPECT_EQ(clitest::RunProgram(exe, {"models"}, dir_).status, 0);
  // A check that refuses: 1.
  const clitest::Result refused =
      clitest::RunProgram(exe, {"wireless", "-m", "514", "-o", Folder("w").string(), "--set", "bySendBy=Email"}, dir_);
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "trailset-cli: Warning: Please enter WiFi name(SSID).\n");
}

TEST_F(CommandLine, UsageErrorsNameWhatIsWrong) {
  struct Case {
    std::vector<std::string> args;
    const char* says;
  };
  const std::string out = Folder("out").string();
  const Case cases[] = {
      {{"camera", "-o", out}, "--model is required"},
      {{"camera", "-m", "VORN-P9", "-o", out}, "unknown model \"VORN-P9\"; the models are 512 NANO-A, 513 NANO-B, "},
      {{}, "a command is required: models, inspect"},
      {{"format-card"}, "unknown command \"format-card\"; the commands are models, inspect"},
      {{"--json", "models"}, "unknown option \"--json\": the command comes first"},
      {{"camera", "-m", "515", "-o", out, "--bogus"}, "camera: The following argument was not expected: --bogus (see "},
      {{"camera", "-m"}, "camera: --model: 1 required TEXT missing"},
      {{"inspect", out, "-m", "515"}, "it is a folder, not a regular file"},
      {{"inspect", "/dev/null", "-m", "515", "--kind", "menu"}, "\"/dev/null\": it is a device, not a regular file"},
      {{"inspect", (dir_ / "pipe").string(), "-m", "515"}, "it is a named pipe, not a regular file"},
      {{"camera", "-m", "515", "-o", (dir_ / "missing").string()}, "is not a folder"},
      {{"camera", "-m", "515", "-o", out, "--clock", "2026-02-30 10:00:00"}, "--clock takes \"YYYY-MM-DD HH:MM:SS\""},
      {{"camera", "-m", "515", "-o", out, "--timezone", "+13"}, "--timezone takes whole hours from -12 to +12"},
      {{"camera", "-m", "515", "-o", out, "--defaults", "--set", "CapMode=Video"}, "--defaults writes the factory values"},
      {{"camera", "-m", "515", "-o", out, "--set", "CapMode"}, "--set takes NAME=VALUE"},
      {{"camera", "-m", "515", "-o", out, "--set", "Shutter=1"}, "unknown camera setting \"Shutter\""},
      {{"wireless", "-m", "520", "-o", out, "--set", "szPassword=x"},
       "\"szPassword\" names several settings: sMmsSet.szPassword, sSmtpSet.szPassword, sFtpSet.szPassword"},
      {{"camera", "-m", "515", "-o", out, "--lang", "de"}, "--lang"},
      {{"camera", "-m", "515", "-o", out, "--from", (dir_ / "none.dat").string()}, "no such file"},
      {{"presets", "--country", "Atlantis"}, "unknown country \"Atlantis\""},
  };
  ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0600), 0);
  for (const Case& c : cases) {
    const clitest::Result r = Cli(c.args);
    EXPECT_EQ(r.status, 2) << c.says;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << c.says << " / " << r.err;
    // One line, the program's name first.
    EXPECT_EQ(r.err.rfind("trailset-cli: ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out" / "menu.dat"));
  }
}

TEST_F(CommandLine, ValuesTheModelDoesNotOfferAreRefusedWithWhatItOffers) {
  clitest::Result r = Camera({"--set", "ImgSize=16 MP"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "trailset-cli: ImgSize=16 MP: \"16 MP\" is not offered; the window offers \"30 MP\", \"14 MP\", \"10 MP\", "
            "\"3 MP\" (or #0..#3)\n");
  // The same text means another position on another model.
  r = Camera({"--set", "ImgSize=16 MP"}, 513);
  EXPECT_EQ(r.status, 0) << r.err;

  struct Case {
    uint16_t model;
    std::string set;
    const char* says;
  };
  const Case cases[] = {
      {515, "ImgSize=#4", "is not offered"},
      {515, "Timer1StartHour=7", "(the first timer's fields take input with Timer1On=On)"},
      {515, "SetClock=Input", ""},  // fine on its own
      {524, "TimeZone=+3", "takes the PC's time zone: give --timezone"},
      {513, "TimeZone=+3", "NANO-B stores no time zone"},
      {515, "SerialText=ABCD", "keeps its serial number in SerialChar0..SerialChar3"},
      {524, "CheckFlag=0x8085", "the window writes this itself"},
      {515, "PirInterval=10 hours", "is no interval"},
      {515, "PirInterval=75s", "\"75\" is not offered"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(dir_ / "out" / "menu.dat");
    r = Camera({"--set", c.set}, c.model);
    if (*c.says == 0) {
      EXPECT_EQ(r.status, 0) << c.set << r.err;
      continue;
    }
    EXPECT_EQ(r.status, 1) << c.set;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << c.set << ": " << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out" / "menu.dat")) << c.set;
  }
}

TEST_F(CommandLine, WhatTheWindowChangesIsRefusedNotWritten) {
  const clitest::Result clamp = Camera({"--set", "SetClock=Input", "--set", "ClockMonth=13"});
  EXPECT_EQ(clamp.status, 1);
  EXPECT_NE(clamp.err.find("ClockMonth=13: the window does not take \"13\" here: it made it \"12\""), std::string::npos);
  const clitest::Result warned = Camera({"--set", "LongitudeDeg=180", "--set", "LongitudeMin=3"});
  EXPECT_EQ(warned.status, 1);
  EXPECT_NE(warned.err.find("The window says: "), std::string::npos) << warned.err;
  const clitest::Result filtered = Camera({"--set", "SerialOn=On", "--set", "SerialText=ab-1234"}, 524);
  EXPECT_EQ(filtered.status, 1);
  EXPECT_NE(filtered.err.find("it made it \"1234\""), std::string::npos) << filtered.err;
  const clitest::Result too_long = Camera({"--set", "SerialOn=On", "--set", "SerialText=ABCDEFGHIJK"}, 524);
  EXPECT_NE(too_long.err.find("takes at most 10 characters"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "out" / "menu.dat"));

  // A warning that changes nothing is passed on, and the file written.
  const clitest::Result short_serial = Camera({"--set", "SerialOn=On", "--set", "SerialText=AB1"}, 524);
  EXPECT_EQ(short_serial.status, 0);
  EXPECT_EQ(short_serial.err.rfind("trailset-cli: warning: Only numbers and letters are allowed", 0), 0u)
      << short_serial.err;
}

// A refused --set never repeats a password; other values are echoed cut
// short, with control characters escaped; on the error stream and in JSON.
TEST_F(CommandLine, RefusalsNeverRepeatAPassword) {
  const std::string secret = "Hunter2-" + std::string(70, 'x');
  struct Case {
    uint16_t model;
    std::vector<std::string> sets;
    const char* says;
  };
  const Case cases[] = {
      {520, {"bySendBy=Email", "sSmtpSet.szPassword=" + secret}, "sSmtpSet.szPassword=********: "},
      {520, {"bySendBy=FTP", "sFtpSet.szPassword=" + secret}, "sFtpSet.szPassword=********: "},
      {520, {"bySendBy=Camera Cloud System", "szAppSecret=" + secret}, "szAppSecret=********: "},
      {520, {"country=Manual", "szWLNetPassword=" + secret}, "szWLNetPassword=********: "},
      {518, {"sGpsMail.szGpsSmtpPassword=" + secret}, "sGpsMail.szGpsSmtpPassword=********: "},
      {520, {"bySendBy=FTP", "sFtpSet.szServer=" + std::string(10000, 'a')}, "a... (10000 bytes): the field takes at most"},
      {520, {"bySendBy=Mail\x1b[2J"}, "bySendBy=Mail\\x1B[2J: \"Mail\\x1B[2J\" is not offered"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> a = {"wireless", "-m", std::to_string(c.model), "-o", Folder("w").string()};
    for (const std::string& set : c.sets) a.insert(a.end(), {"--set", set});
    const clitest::Result r = Cli(a);
    EXPECT_EQ(r.status, 1) << c.says;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_LT(r.err.size(), 300u) << r.err;
    a.push_back("--json");
    const clitest::Result j = Cli(a);
    for (const std::string* text : {&r.err, &j.out}) {
      EXPECT_EQ(text->find("Hunter2"), std::string::npos) << *text;
      EXPECT_EQ(text->find('\x1b'), std::string::npos) << *text;
    }
  }
}

// Files measured before they are read: a file larger than any record is
// judged by its size and never read whole (the run gets far less memory
// than the file has bytes).
TEST_F(CommandLine, AHugeFileIsJudgedByItsSizeAlone) {
  const auto huge = dir_ / "menu.dat";
  { std::ofstream(huge).put('x'); }
  std::filesystem::resize_file(huge, 3ull << 30);  // sparse: no disk space taken
#if defined(__SANITIZE_ADDRESS__)
  const std::string limit = "";  // the sanitizer reserves more address space than any limit allows
#else
  const std::string limit = "ulimit -v 400000; ";
#endif
  const auto run = [&](const std::vector<std::string>& args) {
    std::string line = limit + clitest::Quote(TRAILSET_CLI_EXE);
    for (const std::string& a : args) line += " " + clitest::Quote(a);
    return clitest::RunProgram("sh", {"-c", line}, dir_);
  };
  clitest::Result r = run({"inspect", huge.string(), "-m", "515"});
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_NE(r.out.find("menu.dat: " + huge.string() + " (3221225472 bytes)\n"), std::string::npos) << r.out << r.err;
  EXPECT_NE(r.out.find("takes only a 68-byte menu.dat"), std::string::npos) << r.out;
  r = run({"camera", "-m", "515", "-o", Folder("out").string(), "--from", huge.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("has 3221225472 bytes; the camera setup window of VORN-P2 takes only a 68-byte menu.dat"),
            std::string::npos)
      << r.err;
}

// After the window's success the card must still hold what the run wrote:
// a removed folder or a file another program put there is a failed write.
TEST_F(CommandLine, TheCardMustStillHoldWhatTheRunWrote) {
  const auto out = Folder("card");
  const cli::PlacedFile placed{(out / "menu.dat").string(), std::vector<uint8_t>(68, 0x17)};
  clitest::WriteBytes(out / "menu.dat", placed.bytes);
  EXPECT_EQ(cli::ConfirmOnCard(placed, "menu.dat", out), placed.bytes);
  clitest::WriteBytes(out / "menu.dat", std::vector<uint8_t>(68, 0x18));
  try {
    cli::ConfirmOnCard(placed, "menu.dat", out);
    ADD_FAILURE() << "a replaced file confirmed";
  } catch (const cli::Refusal& e) {
    EXPECT_NE(std::string(e.what()).find("was replaced by another program"), std::string::npos) << e.what();
  }
  std::filesystem::remove_all(out);
  try {
    cli::ConfirmOnCard(placed, "menu.dat", out);
    ADD_FAILURE() << "a removed folder confirmed";
  } catch (const cli::Refusal& e) {
    EXPECT_NE(std::string(e.what()).find("and read back, but now cannot read"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find(": no such file"), std::string::npos) << e.what();
  }
  // The companion's scratch copies are its own, kept in memory where the
  // system has a place for them (CFG.BIN holds passwords), and where TMPDIR
  // says when it is set.
  const cli::ScratchFolder scratch;
  EXPECT_EQ(std::filesystem::status(scratch.path()).permissions(), std::filesystem::perms::owner_all);
  const char* tmpdir = std::getenv("TMPDIR");
  const std::string kept = tmpdir ? tmpdir : "";
  if (!tmpdir && !std::getenv("XDG_RUNTIME_DIR") && std::filesystem::is_directory("/dev/shm")) {
    EXPECT_EQ(scratch.path().parent_path(), "/dev/shm");
  }
  const auto chosen = Folder("chosen-tmp");
  ::setenv("TMPDIR", chosen.c_str(), 1);
  EXPECT_EQ(cli::ScratchFolder().path().parent_path(), chosen);
  if (tmpdir)
    ::setenv("TMPDIR", kept.c_str(), 1);
  else
    ::unsetenv("TMPDIR");
}

// A save the window could not make is refused with the companion's line
// and the window's reason; nothing is reported written.
TEST_F(CommandLine, AFailedWriteSaysWhyTheWindowSays) {
  const auto out = Folder("card");
  std::filesystem::create_directories(out / "menu.dat");
  std::filesystem::create_directories(out / "CFG.BIN");
  const std::string where = " could not be written into \"" + out.string() + "\" (see --log): System error: ";
  const clitest::Result c = Cli({"camera", "-m", "515", "-o", out.string()});
  EXPECT_EQ(c.status, 1);
  EXPECT_NE(c.err.find("trailset-cli: menu.dat" + where), std::string::npos) << c.err;
  const clitest::Result w = Cli({"wireless", "-m", "520", "-o", out.string(), "--set", "bySendBy=Off", "--json"});
  EXPECT_EQ(w.status, 1);
  EXPECT_NE(w.out.find("\"CFG.BIN could not be written into "), std::string::npos) << w.out;
  EXPECT_NE(w.out.find("(see --log): System error: "), std::string::npos) << w.out;
}

TEST_F(CommandLine, AFileTheWindowWouldIgnoreIsNoStart) {
  const auto from = dir_ / "menu.dat";
  clitest::WriteBytes(from, std::vector<uint8_t>(60, 0));
  const clitest::Result r = Camera({"--from", from.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("takes only a 68-byte menu.dat and would show the factory values"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir_ / "out" / "menu.dat"));

  const auto cfg = dir_ / "CFG.BIN";
  clitest::WriteBytes(cfg, std::vector<uint8_t>(1320, 0x17));  // StructFlag 0 once unscrambled
  const clitest::Result w = Cli({"wireless", "-m", "520", "-o", Folder("w").string(), "--from", cfg.string()});
  EXPECT_EQ(w.status, 1);
  EXPECT_NE(w.err.find("its StructFlag differs"), std::string::npos) << w.err;
}

TEST_F(CommandLine, AFolderTheWindowsCannotHoldIsRefused) {
  std::filesystem::path deep = dir_;
  while (deep.string().size() < 300) deep /= "a-long-folder-name-on-the-card";
  std::filesystem::create_directories(deep);
  const clitest::Result c = Cli({"camera", "-m", "515", "-o", deep.string()});
  EXPECT_EQ(c.status, 1);
  EXPECT_NE(c.err.find("The path of the chosen folder is too long"), std::string::npos) << c.err;
  const clitest::Result w = Cli({"wireless", "-m", "520", "-o", deep.string(), "--set", "bySendBy=Off"});
  EXPECT_EQ(w.status, 1);
  EXPECT_NE(w.err.find("The path of the chosen folder is too long"), std::string::npos) << w.err;
  EXPECT_FALSE(std::filesystem::exists(deep / "menu.dat"));
  EXPECT_FALSE(std::filesystem::exists(deep / "CFG.BIN"));
}

TEST_F(CommandLine, JsonResultsOfTheRuns) {
  clitest::Result r = Camera({"--json", "--set", "CapMode=Video"});
  ASSERT_EQ(r.status, 0) << r.err;
  json j = json::parse(r.out);
  EXPECT_EQ(j["result"], "ok");
  EXPECT_EQ(j["format"], cli::kJsonFormat);
  EXPECT_EQ(j["message"], "Generate Success!");
  EXPECT_EQ(j["file"]["fields"][0]["meaning"], "Video");

  r = Cli({"wireless", "-m", "520", "-o", Folder("w").string(), "--json", "--set", "bySendBy=FTP", "--lang", "zh"});
  EXPECT_EQ(r.status, 1);
  j = json::parse(r.out);
  EXPECT_EQ(j["result"], "refused");
  EXPECT_EQ(j["caption"], "警告");
  EXPECT_EQ(j["message"], "未生成配置文件！\r\n请输入FTP服务器。");

  // inspect, from a file or standard input, and the errors of the command line.
  const std::string menu = clitest::ReadText(Folder("out") / "menu.dat");
  for (const std::string& file : {(Folder("out") / "menu.dat").string(), std::string("-")}) {
    r = Cli({"inspect", file, "-m", "515", "--json", "--kind", "menu"}, menu);
    ASSERT_EQ(r.status, 0) << r.err;
    j = json::parse(r.out);
    EXPECT_EQ(j["result"], "ok");
    EXPECT_EQ(j["format"], cli::kJsonFormat);
    EXPECT_EQ(j["fields"][0]["meaning"], "Video") << file;
  }
  r = Cli({"inspect", "-", "-m", "515", "--json", "--kind", "menu"}, menu.substr(1));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(json::parse(r.out)["result"], "refused");
  for (const std::vector<std::string>& wrong :
       {std::vector<std::string>{"camera", "-m", "VORN-P9", "-o", ".", "--json"}, {"camera", "--json", "--bogus"},
        {"--json"}, {"apply", "-", "-o", ".", "--json"}}) {
    r = Cli(wrong, "{}");
    EXPECT_EQ(r.status, 2) << wrong[0];
    j = json::parse(r.out);
    EXPECT_EQ(j["result"], "error");
    EXPECT_EQ(j["format"], cli::kJsonFormat);
    EXPECT_EQ("trailset-cli: " + j["message"].get<std::string>() + "\n", r.err);
  }
}

// Passwords kept off the command line: --set NAME=@FILE and @-, and the
// secrets file of apply, give the bytes the value itself gives; the
// profile leaves them out and says so.
TEST_F(CommandLine, PasswordsFromFilesStandardInputAndSecrets) {
  const std::vector<std::string> mail = {"bySendBy=Email", "sSmtpSet.szServer=smtp.a.com", "sSmtpSet.iPort=25",
                                         "szAddr=c@a.com", "email1=x@y.com"};
  auto wireless = [&](const std::string& out, const std::string& password, const std::string& input = "") {
    std::vector<std::string> a = {"wireless", "-m", "520", "-o", Folder(out).string(), "--clock", clitest::kClock,
                                  "--timezone", "+8", "--set", "sSmtpSet.szPassword=" + password};
    for (const std::string& set : mail) a.insert(a.end(), {"--set", set});
    return Cli(a, input);
  };
  // The password "@pw-1": "@@" stands for a value's leading "@".
  std::ofstream(dir_ / "pw.txt") << "@pw-1\n";
  ASSERT_EQ(wireless("plain", "@" + (dir_ / "pw.txt").string()).status, 0);
  const auto expected = clitest::ReadBytes(dir_ / "plain" / "CFG.BIN");
  for (const auto& [out, password, input] : std::vector<std::tuple<std::string, std::string, std::string>>{
           {"stdin", "@-", "@pw-1\r\n"}, {"at", "@@pw-1", ""}}) {
    const clitest::Result r = wireless(out, password, input);
    ASSERT_EQ(r.status, 0) << out << r.err;
    EXPECT_EQ(clitest::ReadBytes(dir_ / out / "CFG.BIN"), expected) << out;
  }
  EXPECT_NE(wireless("missing", "@" + (dir_ / "none.txt").string()).err.find("none.txt: no such file"), std::string::npos);
  const clitest::Result twice = Cli({"wireless", "-m", "520", "-o", Folder("twice").string(), "--set", "szAddr=@-",
                                     "--set", "sSmtpSet.szPassword=@-"}, "a\n");
  EXPECT_EQ(twice.status, 2);
  EXPECT_NE(twice.err.find("standard input gives one value a run"), std::string::npos) << twice.err;

  // The profile leaves the password out; apply takes it from a secrets file.
  ASSERT_EQ(Camera({}, 520).status, 0);
  std::filesystem::copy_file(dir_ / "out" / "menu.dat", dir_ / "plain" / "menu.dat");
  const clitest::Result e = Cli({"export", "-m", "520", "--from", (dir_ / "plain").string()});
  ASSERT_EQ(e.status, 0) << e.err;
  EXPECT_EQ(e.out.find("pw-1"), std::string::npos);
  EXPECT_EQ(json::parse(e.out)["left_out"], json::array({"sSmtpSet.szPassword"}));
  EXPECT_NE(e.err.find("1 password is left out"), std::string::npos) << e.err;
  std::ofstream(dir_ / "profile.json") << e.out;
  const auto secrets = dir_ / "secrets.json";
  std::ofstream(secrets) << R"({"sSmtpSet.szPassword": "@pw-1"})";
  for (const auto mode : {0644, 0600}) {
    ::chmod(secrets.c_str(), static_cast<mode_t>(mode));
    const auto out = Folder("applied" + std::to_string(mode));
    const clitest::Result a = Cli({"apply", "-", "-o", out.string(), "--clock", clitest::kClock, "--timezone", "+8",
                                   "--secrets", secrets.string()}, e.out);
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(clitest::ReadBytes(out / "CFG.BIN"), expected);
    EXPECT_EQ(a.err.find("can be read by other users") != std::string::npos, mode == 0644) << a.err;
    EXPECT_EQ((a.out + a.err).find("pw-1"), std::string::npos);
  }
  // Without it the window's check refuses, and a dry run writes nothing.
  const auto dry = Folder("dry");
  const clitest::Result refused = Cli({"apply", (dir_ / "profile.json").string(), "-o", dry.string(), "--dry-run"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "trailset-cli: Warning: Please enter sender password.\n");
  const clitest::Result ok = Cli({"apply", (dir_ / "profile.json").string(), "-o", dry.string(), "--dry-run", "--secrets",
                                  secrets.string(), "--json", "--model", "VORN-P4-5G"});
  EXPECT_EQ(ok.status, 0) << ok.err;
  EXPECT_EQ(json::parse(ok.out)["result"], "ok");
  EXPECT_TRUE(std::filesystem::is_empty(dry));
}

TEST_F(CommandLine, LogShowsTheProgramsDiagnosticsWithPasswordsMasked) {
  const clitest::Result r = Cli({"wireless", "-m", "520", "-o", Folder("w").string(), "--log", "--clock", clitest::kClock,
                                 "--set", "bySendBy=Email", "--set", "sSmtpSet.szServer=smtp.a.com", "--set",
                                 "sSmtpSet.iPort=25", "--set", "szAddr=c@a.com", "--set", "sSmtpSet.szPassword=hidden-pw",
                                 "--set", "email1=x@y.com"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("log: CamWirelessFunc = 4\n"), std::string::npos);
  EXPECT_NE(r.err.find("log: Sytem time: 2026-3-14, 15:9:26\n"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("hidden-pw"), std::string::npos);
  EXPECT_EQ(r.out.find("hidden-pw"), std::string::npos);
}

TEST_F(CommandLine, ModelsAndPresets) {
  clitest::Result r = Cli({"models", "--json"});
  ASSERT_EQ(r.status, 0);
  const json models = json::parse(r.out);
  ASSERT_EQ(models.size(), 22u);
  EXPECT_EQ(models[0]["code"], 512);
  EXPECT_EQ(models[21]["name"], "VORN-K3U-4G");
  EXPECT_EQ(models[1]["camera_layout"], 1);
  EXPECT_EQ(models[1]["wireless"], "none");
  EXPECT_TRUE(models[1]["cfg_bin_bytes"].is_null());
  EXPECT_EQ(models[6]["cfg_bin_bytes"], 1500);
  EXPECT_EQ(models[10]["menu_dat_bytes"], 188);

  r = Cli({"presets", "--country", "france", "--json"});
  ASSERT_EQ(r.status, 0);
  json p = json::parse(r.out);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0]["operators"].size(), 2u);
  EXPECT_EQ(p[0]["more_for"].size(), 2u);
  r = Cli({"presets", "--country", "France", "--model", "VORN-P3-4G", "--json"});
  p = json::parse(r.out);
  ASSERT_EQ(p[0]["operators"].size(), 3u);
  EXPECT_EQ(p[0]["operators"][2]["name"], "SFR");
  r = Cli({"presets", "--json"});
  EXPECT_EQ(json::parse(r.out).size(), 43u);
  r = Cli({"presets", "--country", "20"});
  EXPECT_EQ(r.out.rfind("20  France", 0), 0u) << r.out;
}

TEST(CliParsers, EntriesClockAndZone) {
  EXPECT_EQ(cli::EntryKey("01 Hours"), cli::EntryKey("1 hours"));
  EXPECT_EQ(cli::EntryKey("16 MP"), cli::EntryKey("16mp"));
  EXPECT_EQ(cli::EntryKey("10"), "10");
  EXPECT_EQ(cli::EntryKey("0"), "0");
  EXPECT_NE(cli::EntryKey("10"), cli::EntryKey("1"));
  EXPECT_TRUE(cli::ParseClock("2028-02-29 23:59:59"));
  EXPECT_FALSE(cli::ParseClock("2027-02-29 10:00:00"));
  EXPECT_FALSE(cli::ParseClock("2026-03-14 24:00:00"));
  EXPECT_FALSE(cli::ParseClock("2026-03-14"));
  EXPECT_FALSE(cli::ParseClock("2026-03-14 10:00:00 extra"));
  EXPECT_EQ(cli::ParseUtcOffset("+8"), 8);
  EXPECT_EQ(cli::ParseUtcOffset("UTC-05"), -5);
  EXPECT_EQ(cli::ParseUtcOffset("12"), 12);
  EXPECT_FALSE(cli::ParseUtcOffset("+13"));
  EXPECT_FALSE(cli::ParseUtcOffset("+5:30"));
  EXPECT_FALSE(cli::ParseUtcOffset(""));
  EXPECT_EQ(cli::Printable("a\x01" "b\xFF\\"), "a\\x01b\\xFF\\\\");
  EXPECT_EQ(cli::Printable("\xE7\x9B\xB8"), "\xE7\x9B\xB8");
  EXPECT_EQ(cli::Printable("\xE7\x9B"), "\\xE7\\x9B");
  EXPECT_EQ(cli::JsonText("ok\xC0"), "ok\xEF\xBF\xBD");
  EXPECT_EQ(cli::ResolveModel("vorn-p2"), 515);
  EXPECT_EQ(cli::ResolveModel("533"), 533);
  EXPECT_THROW(cli::ResolveModel("534"), cli::UsageError);
}

}  // namespace
