// The same choices made by a user in the windows (a session played by
// trailset-drive) and given to trailset-cli write the same bytes, for
// models of every camera layout and every send-by mode.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "apps/cli/cli_common.h"
#include "shell/ui_strings.h"
#include "tests/cli/cli_test_support.h"

namespace {

using clitest::Cli;
using clitest::kClock;

struct Session {
  const char* name;
  uint16_t model;
  std::vector<std::string> drive;  // what the user does in the setup windows
  std::vector<std::string> sets;   // the same choices for trailset-cli
};

std::string Prologue(const std::filesystem::path& card, uint16_t model, const char* language = "1033") {
  return std::string("set language ") + language + "\nset workdir \"" + card.string() + "\"\nset clock " + kClock +
         "\nset utc-offset 8\nstart\nselect 40012 " + std::to_string(model - 512) + "\n";
}

std::vector<std::string> CliArgs(const char* command, uint16_t model, const std::filesystem::path& out,
                                 const std::vector<std::string>& sets) {
  std::vector<std::string> a = {command, "--model", std::to_string(model), "--out", out.string(),
                                "--clock", kClock, "--timezone", "+8"};
  for (const std::string& s : sets) {
    a.push_back("--set");
    a.push_back(s);
  }
  return a;
}

std::string Lines(const std::vector<std::string>& v) {
  std::string s;
  for (const std::string& l : v) s += l + "\n";
  return s;
}

// Test names instead of the parameter's bytes in messages.
void PrintTo(const Session& s, std::ostream* os) { *os << s.name; }

class SameBytes : public clitest::CliTest, public ::testing::WithParamInterface<Session> {};

// ---------------------------------------------------------------------------
// menu.dat

const Session kCameraSessions[] = {
    {"NanoB_Layout1", 513,
     {"select 40002 2", "select 40014 1", "select 40028 0", "select 40108 30", "select 40039 1", "select 40127 1"},
     {"CapMode=Camera+Video", "TimeStamp=On", "PirInterval=30s", "Language=Chinese", "VideoSound=On"}},
    {"NanoA_Clock", 512,
     {"select 40003 2", "select 40127 15", "select 40042 1", "paste 40043 \"2031\"", "leave 40043",
      "paste 40046 \"6\"", "leave 40046"},
     {"ImgSize=#2", "TimeZone=+3", "SetClock=Input", "ClockYear=2031", "ClockHour=6"}},
    {"P2_ScenePosition", 515,
     {"select 40134 1", "select 40080 0", "paste 40081 \"45\"", "leave 40081", "paste 40097 \"30\"", "leave 40097"},
     {"Reserved0=Jungle 2", "LatitudeDir=S", "LatitudeDeg=45", "LatitudeMin=30"}},
    {"P3_Video", 518,
     {"select 40002 2", "select 40107 0", "select 40130 1"},
     {"CapMode=Video+Snapshot", "VideoLength=Auto", "VideoSound=Off"}},
    {"P5_Layout3Serial", 522,
     {"select 40085 1", "type 40131 \"AB12CD\"", "leave 40131", "select 40076 1", "select 40115 22"},
     // Given in another order: the switch still comes first.
     {"SerialText=AB12CD", "Timer2EndHour=22", "SerialOn=On", "Timer2On=On"}},
    {"UltraVideo60", 524,
     {"select 40002 3", "select 40034 2", "select 40124 1"},
     {"CapMode=video(60fps)", "SpeakerVolume=high", "TvSystem=60HZ"}},
    {"R2TimeLapse", 530,
     {"select 40095 0", "select 40118 30", "select 40108 4"},
     {"TimeLapseOn=On", "TimeLapseMinute=30", "PirInterval=5min"}},
};

class SameMenu : public SameBytes {};

TEST_P(SameMenu, GenerateWritesTheSameFile) {
  if (!clitest::HaveDrive()) GTEST_SKIP() << "trailset-drive is not built";
  const Session& c = GetParam();
  const auto card = Folder("card"), out = Folder("out");
  const std::string script = Prologue(card, c.model) + "click 40003\nexpect window 113\n" + Lines(c.drive) +
                             "click 40106\nexpect box \"Notice\" \"Generate Success!\"\nanswer\n";
  const clitest::Result d = clitest::Drive(script, dir_);
  ASSERT_EQ(d.status, 0) << d.err;
  const clitest::Result r = Cli(CliArgs("camera", c.model, out, c.sets));
  ASSERT_EQ(r.status, 0) << r.err;
  const auto expected = clitest::ReadBytes(card / "menu.dat");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(clitest::ReadBytes(out / "menu.dat"), expected);
  // And inspect takes what the window wrote.
  const clitest::Result i = Cli({"inspect", (card / "menu.dat").string(), "-m", std::to_string(c.model)});
  EXPECT_EQ(i.status, 0) << i.out;
  EXPECT_NE(i.out.find("Verdict: accepted"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Models, SameMenu, ::testing::ValuesIn(kCameraSessions),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(SameBytes, DefaultWritesWhatTheDefaultButtonWrites) {
  if (!clitest::HaveDrive()) GTEST_SKIP() << "trailset-drive is not built";
  for (uint16_t model : {513, 517, 523}) {
    const auto card = Folder("card" + std::to_string(model)), out = Folder("out" + std::to_string(model));
    const std::string script = Prologue(card, model) +
                               "click 40003\nclick 40105\n"
                               "expect box \"Notice\" \"Default setting and generate success!\"\nanswer\n";
    ASSERT_EQ(clitest::Drive(script, dir_).status, 0) << model;
    std::vector<std::string> args = CliArgs("camera", model, out, {});
    args.push_back("--defaults");
    const clitest::Result r = Cli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Default setting and generate success!\n", 0), 0u) << r.out;
    EXPECT_EQ(clitest::ReadBytes(out / "menu.dat"), clitest::ReadBytes(card / "menu.dat")) << model;
  }
}

TEST_F(SameBytes, EditingALoadedFileKeepsWhatTheWindowKeeps) {
  if (!clitest::HaveDrive()) GTEST_SKIP() << "trailset-drive is not built";
  // A card written earlier with a few changes, then edited again.
  const auto first = Folder("first");
  ASSERT_EQ(Cli(CliArgs("camera", 520, first, {"CapMode=Video", "Timer1On=On", "Timer1EndHour=18", "LongitudeDeg=12"}))
                .status,
            0);
  const auto card = Folder("card"), out = Folder("out");
  const std::string script = Prologue(card, 520) + "put file menu.dat from \"" + (first / "menu.dat").string() +
                             "\"\nclick 40003\nselect 40015 2\nclick 40106\nanswer\n";
  ASSERT_EQ(clitest::Drive(script, dir_).status, 0);
  std::vector<std::string> args = CliArgs("camera", 520, out, {"SenseLevel=Low"});
  args.push_back("--from");
  args.push_back((first / "menu.dat").string());
  const clitest::Result r = Cli(args);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(clitest::ReadBytes(out / "menu.dat"), clitest::ReadBytes(card / "menu.dat"));
}

// The windows in Chinese: values given in English or as the Chinese entry.
TEST_F(SameBytes, ChineseWindowsTakeEnglishAndChineseValues) {
  if (!clitest::HaveDrive()) GTEST_SKIP() << "trailset-drive is not built";
  const auto card = Folder("card"), out = Folder("out");
  const std::string script = Prologue(card, 522, "2052") +
                             "click 40003\nselect 40002 1\nselect 40015 2\nselect 40029 2\nclick 40106\n"
                             "expect box \"通知\" \"成功生成配置文件!\"\nanswer\n";
  const clitest::Result d = clitest::Drive(script, dir_);
  ASSERT_EQ(d.status, 0) << d.err;
  std::vector<std::string> args =
      CliArgs("camera", 522, out, {std::string("CapMode=") + kListCamMode.row[0][1], "SenseLevel=Low", "DateFormat=#2"});
  args.insert(args.end(), {"--lang", "zh"});
  const clitest::Result r = Cli(args);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("成功生成配置文件!\n", 0), 0u) << r.out;
  EXPECT_EQ(clitest::ReadBytes(out / "menu.dat"), clitest::ReadBytes(card / "menu.dat"));
}

// ---------------------------------------------------------------------------
// CFG.BIN

const Session kWirelessSessions[] = {
    {"WifiEmail", 514,
     {"select 40004 1", "paste 40028 \"CamNet\"", "paste 40030 \"wifi-pass\"", "paste 40034 \"smtp.example.com\"",
      "paste 40036 \"465\"", "paste 40038 \"cam@example.com\"", "paste 40042 \"mail-pass\"", "click 40043",
      "expect window 115", "paste 40010 \"me@example.org\""},
     {"bySendBy=Email", "ssid=CamNet", "szWLNetPassword=wifi-pass", "sSmtpSet.szServer=smtp.example.com",
      "sSmtpSet.iPort=465", "szAddr=cam@example.com", "sSmtpSet.szPassword=mail-pass", "email1=me@example.org"}},
    {"FtpWithPreset", 516,
     {"select 40004 2", "select 40009 20", "select 40010 1", "paste 40048 \"ftp.example.com\"", "paste 40050 \"2121\"",
      "paste 40052 \"user\"", "paste 40053 \"ftp-pass\"", "select 40055 1", "paste 40056 \"/cam\"", "click 40043",
      "expect window 115"},
     {"szFtpDir=/cam", "bySendBy=FTP", "country=France", "operator=Orange", "sFtpSet.szServer=ftp.example.com",
      "sFtpSet.iPort=2121", "sFtpSet.szUserName=user", "sFtpSet.szPassword=ftp-pass", "iFtpDirType=Specify"}},
    {"CloudWithGpsMailbox", 518,
     {"select 40004 3", "paste 40048 \"me@example.org\"", "paste 40052 \"13800138000\"", "click 40003",
      "expect window 138", "paste 40001 \"smtp.gps.example.com\" in 138", "paste 40005 \"587\" in 138",
      "paste 40007 \"gps@example.com\" in 138", "paste 40011 \"gps-pass\" in 138", "paste 40002 \"me@example.net\" in 138",
      "click 40012 in 138", "expect window 114", "click 40043", "expect window 138", "click 40012 in 138",
      "expect window 115"},
     {"bySendBy=Camera Cloud System", "szAppKey=me@example.org", "szSimCardNum=13800138000",
      "sGpsMail.szGpsServer=smtp.gps.example.com", "sGpsMail.iPort=587", "sGpsMail.szGpsSmtpAccount=gps@example.com",
      "sGpsMail.szGpsSmtpPassword=gps-pass", "sGpsMail.szGpsAddr=me@example.net"}},
    {"CloudWithPosition", 520,
     {"select 40004 3", "paste 40048 \"me@example.org\"", "paste 40052 \"13900000000\"", "click 40043",
      "expect window 115", "select 40063 1", "paste 40046 \"73\"", "paste 40049 \"40\"", "select 40080 0"},
     {"bySendBy=Camera Cloud System", "szAppKey=me@example.org", "szSimCardNum=13900000000", "sLongitude.byDir=W",
      "sLongitude.byDeg=73", "sLatitude.byDeg=40", "sLatitude.byDir=N"}},
    {"ModuleChoiceWifi", 525,
     {"select 40062 0", "select 40004 1", "paste 40028 \"CamNet\"", "paste 40030 \"pw\"", "paste 40034 \"smtp.a.com\"",
      "paste 40036 \"25\"", "paste 40038 \"c@a.com\"", "paste 40042 \"p\"", "click 40043", "expect window 115",
      "paste 40010 \"x@y.com\""},
     {"bySendBy=Email", "MdmSendVia=WIFI", "ssid=CamNet", "szWLNetPassword=pw", "sSmtpSet.szServer=smtp.a.com",
      "sSmtpSet.iPort=25", "szAddr=c@a.com", "sSmtpSet.szPassword=p", "email1=x@y.com"}},
    {"Off", 532, {"select 40004 0", "click 40043", "expect window 115"}, {"bySendBy=Off"}},
    // Remote control is chosen on the second page and opens the sender
    // mailbox on the first: there and back again.
    {"FtpWithRemoteControl", 520,
     {"select 40004 2", "paste 40048 \"ftp.x.com\"", "paste 40052 \"u\"", "paste 40053 \"p\"", "click 40043",
      "expect window 115", "select 40025 3", "paste 40030 \"13800138000\"", "paste 40029 \"me@example.org\"",
      "click 40034", "expect window 114", "paste 40034 \"smtp.a.com\"", "paste 40036 \"25\"",
      "paste 40038 \"c@a.com\"", "paste 40042 \"pw\"", "click 40043", "expect window 115"},
     {"bySendBy=FTP", "sFtpSet.szServer=ftp.x.com", "sFtpSet.szUserName=u", "sFtpSet.szPassword=p",
      "sSmtpSet.szServer=smtp.a.com", "sSmtpSet.iPort=25", "szAddr=c@a.com", "sSmtpSet.szPassword=pw",
      "byRemoteInterval=03 Hours", "szRemotePhoneNum=13800138000", "szRemoteEmail=me@example.org"}},
};

class SameCfg : public SameBytes {};

TEST_P(SameCfg, GenerateWritesTheSameFile) {
  if (!clitest::HaveDrive()) GTEST_SKIP() << "trailset-drive is not built";
  const Session& c = GetParam();
  const auto card = Folder("card"), out = Folder("out");
  const std::string script = Prologue(card, c.model) + "click 40008\nexpect window 114\n" + Lines(c.drive) +
                             "click 40035\nexpect box \"Notice\" \"Generate Success!\"\nanswer\n";
  const clitest::Result d = clitest::Drive(script, dir_);
  ASSERT_EQ(d.status, 0) << d.err;
  const clitest::Result r = Cli(CliArgs("wireless", c.model, out, c.sets));
  ASSERT_EQ(r.status, 0) << r.err;
  const auto expected = clitest::ReadBytes(card / "CFG.BIN");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(clitest::ReadBytes(out / "CFG.BIN"), expected);
  const clitest::Result i = Cli({"inspect", (card / "CFG.BIN").string(), "-m", std::to_string(c.model)});
  EXPECT_EQ(i.status, 0) << i.out;
  EXPECT_NE(i.out.find("Opening the window on this file changes nothing."), std::string::npos) << i.out;
}

INSTANTIATE_TEST_SUITE_P(SendBy, SameCfg, ::testing::ValuesIn(kWirelessSessions),
                         [](const auto& i) { return std::string(i.param.name); });

// A check that fails says the same in the window and on the command line,
// in both languages, and neither writes a file.
TEST_F(SameBytes, FailedChecksSayWhatTheWindowSays) {
  if (!clitest::HaveDrive()) GTEST_SKIP() << "trailset-drive is not built";
  struct Refusal {
    const char* language;
    uint16_t model;
    std::vector<std::string> drive;
    std::vector<std::string> sets;
    const char* caption;
    const char* box;   // as the window shows it (drive escapes)
    const char* said;  // as trailset-cli prints it
  };
  const Refusal cases[] = {
      {"1033", 514, {"select 40004 1", "click 40043"}, {"bySendBy=Email"}, "Warning", "Please enter WiFi name(SSID).",
       "Warning: Please enter WiFi name(SSID)."},
      {"2052", 514, {"select 40004 1", "click 40043"}, {"bySendBy=Email"}, "警告", "请输入WiFi名称（SSID）。",
       "警告: 请输入WiFi名称（SSID）。"},
      {"1033", 520, {"select 40004 2", "paste 40048 \"ftp.x.com\"", "click 40043", "click 40035"},
       {"bySendBy=FTP", "sFtpSet.szServer=ftp.x.com"}, "Warning", "Generate failed!\\rFTP account error!",
       "Warning: Generate failed!\nFTP account error!"},
      {"2052", 528, {"select 40004 1", "paste 40034 \"smtp.a.com\"", "paste 40036 \"25\"", "paste 40038 \"a@b\"",
                     "paste 40042 \"p\"", "click 40043"},
       {"bySendBy=Email", "sSmtpSet.szServer=smtp.a.com", "sSmtpSet.iPort=25", "szAddr=a@b", "sSmtpSet.szPassword=p"},
       "警告", "发件箱地址错误!", "警告: 发件箱地址错误!"},
  };
  int n = 0;
  for (const Refusal& c : cases) {
    const auto card = Folder("card" + std::to_string(n)), out = Folder("out" + std::to_string(n));
    ++n;
    const std::string script = Prologue(card, c.model, c.language) + "click 40008\n" + Lines(c.drive) +
                               "expect box \"" + c.caption + "\" \"" + c.box + "\"\nanswer\n";
    const clitest::Result d = clitest::Drive(script, dir_);
    EXPECT_EQ(d.status, 0) << d.err;
    std::vector<std::string> args = CliArgs("wireless", c.model, out, c.sets);
    if (std::string(c.language) == "2052") args.insert(args.end(), {"--lang", "zh"});
    const clitest::Result r = Cli(args);
    EXPECT_EQ(r.status, 1) << c.said;
    EXPECT_EQ(r.err, std::string("trailset-cli: ") + c.said + "\n");
    EXPECT_FALSE(std::filesystem::exists(out / "CFG.BIN"));
    EXPECT_FALSE(std::filesystem::exists(card / "CFG.BIN"));
  }
}

// ---------------------------------------------------------------------------
// Profiles: a card exported and applied again gives the same bytes.

// Choices a card is given before it is exported; each model takes those
// its windows show, and the timer's fields stay set once the timer is off.
const char* const kCameraChoices[] = {"CapMode=#1", "Timer1On=On",  "Timer1StartHour=7", "Timer1EndMinute=30",
                                      "LatitudeDeg=45", "PirInterval=30s", "TimeZone=+3"};
const char* const kSendModes[] = {"Off", "Email", "FTP", "Camera Cloud System"};
const char* const kWirelessChoices[] = {
    "ssid=CamNet", "szWLNetPassword=wifi-pass", "sSmtpSet.szServer=smtp.example.com", "sSmtpSet.iPort=465",
    "szAddr=cam@example.com", "sSmtpSet.szPassword=mail-pass", "email1=me@example.org",
    "sFtpSet.szServer=ftp.example.com", "sFtpSet.szUserName=user", "sFtpSet.szPassword=ftp-pass",
    "szAppKey=me@example.org", "szSimCardNum=13800138000"};

// The wireless command with those of `sets` the pages take input in for
// the mode; nothing when the model does not offer the mode.
std::optional<clitest::Result> WirelessCard(uint16_t model, const std::filesystem::path& card, const char* mode) {
  std::vector<std::string> sets = {std::string("bySendBy=") + mode};
  sets.insert(sets.end(), std::begin(kWirelessChoices), std::end(kWirelessChoices));
  for (;;) {
    const clitest::Result r = Cli(CliArgs("wireless", model, card, sets));
    if (r.status == 0) return r;
    if ((r.err.find("bySendBy=") != std::string::npos && r.err.find("is not offered") != std::string::npos) ||
        r.err.find("has no wireless module") != std::string::npos)
      return std::nullopt;
    const bool closed = r.err.find("takes no input there") != std::string::npos ||
                        r.err.find("does not have it") != std::string::npos;
    const auto name_end = r.err.find('=');
    if (!closed || name_end == std::string::npos) return r;
    const std::string name = r.err.substr(std::string("trailset-cli: ").size(), name_end - 14);
    std::erase_if(sets, [&](const std::string& s) { return s.rfind(name + "=", 0) == 0; });
  }
}

class RoundTrip : public clitest::CliTest, public ::testing::WithParamInterface<uint16_t> {
 protected:
  void ExpectSameCard(const std::filesystem::path& card, const std::string& what) {
    const auto profile = Folder("profiles") / (std::to_string(++profiles_) + ".json"), out = Folder("applied");
    const clitest::Result e =
        Cli({"export", "-m", std::to_string(GetParam()), "--from", card.string(), "--show-passwords", "-o", profile.string()});
    ASSERT_EQ(e.status, 0) << what << e.err;
    const auto j = nlohmann::json::parse(clitest::ReadText(profile));
    EXPECT_EQ(j["format"], cli::kJsonFormat);
    EXPECT_TRUE(j["left_out"].empty());
    const clitest::Result a = Cli({"apply", profile.string(), "--out", out.string(), "--clock", kClock, "--timezone", "+8"});
    ASSERT_EQ(a.status, 0) << what << a.err << clitest::ReadText(profile);
    for (const char* file : {"menu.dat", "CFG.BIN"})
      EXPECT_EQ(clitest::ReadBytes(out / file), clitest::ReadBytes(card / file)) << what << " " << file;
  }
  // Every profile the test wrote holds to the documented schema.
  void TearDown() override {
    if (profiles_ > 0) {
      const std::string check =
          "import json, pathlib, sys, jsonschema\n"
          "schema = json.load(open(sys.argv[1]))\n"
          "for p in sorted(pathlib.Path(sys.argv[2]).glob(\"*.json\")):\n"
          "    jsonschema.validate(json.load(open(p)), schema)\n";
      const clitest::Result r = clitest::RunProgram(
          "/usr/bin/python3", {"-c", check, TRAILSET_PROFILE_SCHEMA, (dir_ / "profiles").string()}, dir_);
      EXPECT_EQ(r.status, 0) << r.err;
    }
    clitest::CliTest::TearDown();
  }
  int profiles_ = 0;
};

TEST_P(RoundTrip, ExportThenApplyWritesTheSameBytes) {
  const uint16_t model = GetParam();
  const auto card = Folder("card");
  const std::string m = std::to_string(model);
  ASSERT_EQ(Cli(CliArgs("camera", model, card, {})).status, 0);
  ASSERT_EQ(Cli({"export", "-m", m, "--from", card.string(), "-o", (dir_ / "factory.json").string()}).status, 0);
  const auto shown = nlohmann::json::parse(clitest::ReadText(dir_ / "factory.json"))["camera"];
  std::vector<std::string> choices;
  for (const char* c : kCameraChoices)
    if (shown.contains(std::string(c).substr(0, std::string(c).find('=')))) choices.push_back(c);
  const clitest::Result c = Cli(CliArgs("camera", model, card, choices));
  ASSERT_EQ(c.status, 0) << c.err;
  std::vector<std::string> from = CliArgs("camera", model, card, {"Timer1On=Off"});
  from.insert(from.end(), {"--from", (card / "menu.dat").string()});
  ASSERT_EQ(Cli(from).status, 0);
  int modes = 0;
  for (const char* mode : kSendModes) {
    const auto w = WirelessCard(model, card, mode);
    if (!w) continue;
    ASSERT_EQ(w->status, 0) << mode << ": " << w->err;
    ++modes;
    ExpectSameCard(card, mode);
  }
  if (modes == 0) ExpectSameCard(card, "camera");
}

INSTANTIATE_TEST_SUITE_P(Catalogue, RoundTrip, ::testing::ValuesIn(cli::SelectableModels()),
                         [](const auto& i) {
                           std::string name = cli::ModelDisplayName(i.param);
                           for (char& ch : name)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name;
                         });

}  // namespace
