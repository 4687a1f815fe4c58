#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "records/menu_record.h"
#include "records/record_file.h"
#include "records/send_set.h"
#include "records/time_zone.h"
#include "records_test_support.h"
#include "records/app_state.h"

namespace {

using records_test::DiagCapture;
using records_test::Plain;
using records_test::ReadAll;
using records_test::Scrambled;
using records_test::SelectModel;
using records_test::WriteAll;
using S = MenuSetting;

TEST(Scrambler, KnownValuesAndRoundTripOverEveryByte) {
  uint8_t known[] = {0x00, 0xFF, 0x82, 0x5C};
  ScrambleBytes(known, 4);
  // 0x00^0x5C = 0x5C -> 0x17; 0xFF^0x5C = 0xA3 -> 0xE8; 0x82^0x5C = 0xDE -> 0xB7; 0x5C -> 0x00.
  EXPECT_EQ(known[0], 0x17);
  EXPECT_EQ(known[1], 0xE8);
  EXPECT_EQ(known[2], 0xB7);
  EXPECT_EQ(known[3], 0x00);

  uint8_t all[256];
  for (int i = 0; i < 256; ++i) all[i] = static_cast<uint8_t>(i);
  ScrambleBytes(all, 256);
  bool seen[256] = {};
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(all[i], records_test::ScrambledByte(static_cast<uint8_t>(i)));
    seen[all[i]] = true;
  }
  for (int i = 0; i < 256; ++i) EXPECT_TRUE(seen[i]) << "scrambling must be a permutation";
  UnscrambleBytes(all, 256);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(all[i], i);
}

TEST(Scrambler, EmptyOrMissingBufferIsLeftAlone) {
  uint8_t b[2] = {1, 2};
  ScrambleBytes(b, 0);
  ScrambleBytes(b, -3);
  UnscrambleBytes(b, 0);
  ScrambleBytes(nullptr, 5);
  UnscrambleBytes(nullptr, 5);
  EXPECT_EQ(b[0], 1);
  EXPECT_EQ(b[1], 2);
}

class PcTimeZone : public records_test::RecordsTest {};

TEST_F(PcTimeZone, StandardOffsetOfThePcInWholeHoursClampedToTheCameraRange) {
  const std::pair<int, int> cases[] = {{8, 20}, {-5, 7}, {0, 12}, {-12, 0}, {12, 24}, {14, 24}, {-13, 0}};
  for (const auto& [offset, index] : cases) {
    services_.utc_offset_hours = offset;
    PcTimeZoneIndex(services_.utc_offset_hours);
    EXPECT_EQ(App().TimeZoneIndex, index) << "UTC" << offset;
  }
}

// Only whole hours count, on either side of UTC.
TEST_F(PcTimeZone, PartsOfAnHourAreDroppedTowardsUtc) {
  const std::pair<long long, int> cases[] = {
      {0, 0},          {3599, 0},      {-3599, 0},      {3600, 1},      {-3600, -1},
      {19800, 5},      {-12600, -3},   {20700, 5},      {-34200, -9},   {46800, 13},
      {-43200, -12},   {49500, 13},
  };
  for (const auto& [seconds, hours] : cases) EXPECT_EQ(WholeUtcOffsetHours(seconds), hours) << seconds;
}

// Without services the program asks the C library for the zone's standard
// offset, so UTC-12 no longer comes out as UTC+12, summer time does not
// count, and a half-hour zone west of UTC counts like one east of it.
TEST_F(PcTimeZone, NativeLookupUsesTheCurrentStandardOffset) {
  platform::SetServices(nullptr);
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  const std::pair<const char*, int> cases[] = {
      {"UTC0", 12}, {"<+08>-8", 20}, {"<-12>12", 0}, {"<+12>-12", 24},
      {"EST5EDT,M3.2.0,M11.1.0", 7}, {"<+0530>-5:30", 17}, {"<-0330>3:30", 9},
      {"Australia/Sydney", 22}, {"America/St_Johns", 9}, {"Europe/Dublin", 12},
  };
  for (const auto& [zone, index] : cases) {
    setenv("TZ", zone, 1);
    tzset();
    PcTimeZoneIndex(LocalStandardUtcOffsetHours());
    EXPECT_EQ(App().TimeZoneIndex, index) << zone;
  }
  if (old) setenv("TZ", saved.c_str(), 1); else unsetenv("TZ");
  tzset();
}

class MenuFile : public records_test::RecordsTest {
 protected:
  void OpenModel(uint16_t code) {
    SelectModel(code);
    ChooseMenuLayout();
  }
  // A file holding the given plain bytes, scrambled.
  void PutMenuFile(std::vector<uint8_t> plain) { WriteAll(MenuPath(), Scrambled(std::move(plain))); }
  std::vector<uint8_t> PlainFile() { return Plain(ReadAll(MenuPath())); }
  std::vector<uint8_t> Record() const { return {MenuRecord(App().MenuLayout), MenuRecord(App().MenuLayout) + MenuSize(App().MenuLayout)}; }
};

TEST_F(MenuFile, LoadTakesTheTimeZoneOutOfTheClockByteOnLayoutsTwoAndThree) {
  struct Case { uint16_t code; uint8_t stored; int zone; uint8_t mode; };
  const Case cases[] = {
      {517, 0xD1, 20, 1}, {517, 0x80, 0, 0}, {517, 0x02, 20, 2}, {512, 0xB2, 12, 2},
      {524, 0xD1, 20, 1}, {522, 0x80, 0, 0}, {530, 0x03, 20, 3},
  };
  services_.utc_offset_hours = 8;  // the PC's zone: index 20
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + " byte " + std::to_string(c.stored));
    OpenModel(c.code);
    std::vector<uint8_t> plain(static_cast<std::size_t>(MenuSize(App().MenuLayout)), 0);
    plain[13] = c.stored;
    PutMenuFile(plain);
    App().TimeZoneIndex = 5;
    ASSERT_TRUE(LoadMenuFile(services_.utc_offset_hours));
    EXPECT_EQ(App().TimeZoneIndex, c.zone);
    EXPECT_EQ(MenuGet(S::SetClock), c.mode);
  }
}

TEST_F(MenuFile, LayoutsZeroAndOneKeepTheClockByteAsItIs) {
  OpenModel(513);
  std::vector<uint8_t> plain(60, 0);
  plain[14] = 0xD1;
  PutMenuFile(plain);
  ASSERT_TRUE(LoadMenuFile(services_.utc_offset_hours));
  EXPECT_EQ(MenuGet(S::SetClock), 0xD1);
  EXPECT_EQ(App().TimeZoneIndex, 20);
}

TEST_F(MenuFile, WrongSizeIsRefusedAndTheRecordKept) {
  OpenModel(517);
  ApplyMenuDefaults();
  const std::vector<uint8_t> before = Record();
  for (const std::size_t size : {67u, 69u, 0u, 44u, 188u}) {
    SCOPED_TRACE(size);
    PutMenuFile(std::vector<uint8_t>(size, 0x33));
    DiagCapture capture;
    EXPECT_FALSE(LoadMenuFile(services_.utc_offset_hours));
    EXPECT_NE(capture.Text().find("iGetFileSize = " + std::to_string(size) + "\n"), std::string::npos);
    EXPECT_NE(capture.Text().find("File szie != struct size!\n"), std::string::npos);
    EXPECT_EQ(Record(), before);
  }
}

TEST_F(MenuFile, MissingFileLoadsNothing) {
  OpenModel(524);
  DiagCapture capture;
  EXPECT_FALSE(LoadMenuFile(services_.utc_offset_hours));
  EXPECT_EQ(capture.Text(),
            "___sizeof menu data:188___\n___sizeof S_SET_MENU_DATA1:68___\niGetFileSize = 0\n"
            "File szie != struct size!\n");
}

TEST_F(MenuFile, ForeignCheckFlagIsAcceptedOnLoadAndLoggedPerLayout) {
  struct Case { uint16_t code; std::vector<std::string> after_open; };
  const Case cases[] = {
      {0, {"CapMode = 3\n", "ImgSize = 4\n", "Flag = 0x1234\n"}},
      {513, {"CapMode = 3\n", "ImgSize = 4\n", "PirInterval = 138\n", "Flag = 0x1234\n",
             "[读menu.dat保存的时间]Y:2024,M:7,D:9, h:23, m:59, s:58\n", "byPirInterval = 0x008A\n"}},
      {516, {"* CapMode = 3\n", "* ImgSize = 4\n", "* Flag1 = 0x1234\n", "* VideoSound = 1\n", "* Reset = 1\n"}},
      {533, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    OpenModel(c.code);
    const int layout = App().MenuLayout;
    const int size = MenuSize(layout);
    std::vector<uint8_t> plain(static_cast<std::size_t>(size), 0);
    plain[0] = 3;
    plain[1] = 4;
    const int flag_at = layout == 1 ? 50 : 42;
    plain[static_cast<std::size_t>(flag_at)] = 0x34;
    plain[static_cast<std::size_t>(flag_at + 1)] = 0x12;
    if (layout == 1) {
      plain[5] = 0x8A;
      plain[16] = 2024 & 0xFF; plain[17] = 2024 >> 8;
      plain[18] = 7; plain[19] = 9; plain[20] = 23; plain[21] = 59; plain[22] = 58;
    }
    if (layout == 2) { plain[47] = 1; plain[46] = 1; }
    PutMenuFile(plain);

    DiagCapture capture;
    ASSERT_TRUE(LoadMenuFile(services_.utc_offset_hours));
    EXPECT_EQ(MenuGet(S::CheckFlag), 0x1234);
    std::vector<std::string> expected = {
        "___sizeof menu data:" + std::to_string(size) + "___\n", "___sizeof S_SET_MENU_DATA1:68___\n",
        "iGetFileSize = " + std::to_string(size) + "\n",
        "Open file - \"" + MenuPath().string() + "\" success!\n"};
    expected.insert(expected.end(), c.after_open.begin(), c.after_open.end());
    EXPECT_EQ(capture.Lines(), expected);
    EXPECT_EQ(Record(), plain);
  }
}

TEST_F(MenuFile, SaveWritesTheFlagOfTheModelWhateverWasLoaded) {
  struct Case { uint16_t code; uint16_t loaded; uint16_t written; const char* label; };
  const Case cases[] = {
      {515, 0x8083, 0x8086, "[W]Flag1"}, {516, 0x0000, 0x8086, "[W]Flag1"},
      {512, 0x8086, 0x8083, "[W]Flag1"}, {514, 0x8086, 0x8083, "[W]Flag1"},
      {517, 0x8086, 0x8083, "[W]Flag1"}, {521, 0xFFFF, 0x8083, "[W]Flag1"},
      {524, 0x8083, 0x8085, "[W]Flag1"}, {522, 0x0001, 0x8085, "[W]Flag1"},
      {258, 0x8085, 0x8080, "[W]Flag"},  {513, 0x8081, 0x8081, "[W]Flag"},
      {513, 0x8082, 0x8082, "[W]Flag"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    OpenModel(c.code);
    ApplyMenuDefaults();
    MenuSet(S::CheckFlag, c.loaded);
    MenuSet(S::CapMode, 1);
    DiagCapture capture;
    ASSERT_TRUE(SaveMenuFile());
    char flag_line[64];
    std::snprintf(flag_line, sizeof flag_line, "%s = 0x%04X\n", c.label, c.written);
    EXPECT_EQ(capture.Lines(),
              (std::vector<std::string>{"Open file - \"" + MenuPath().string() + "\" success!\n", flag_line,
                                        std::string(48, '_') + "\n"}));
    const std::vector<uint8_t> file = PlainFile();
    ASSERT_EQ(file.size(), static_cast<std::size_t>(MenuSize(App().MenuLayout)));
    const std::size_t at = App().MenuLayout == 1 ? 50 : 42;
    EXPECT_EQ(file[at] | (file[at + 1] << 8), c.written);
    EXPECT_EQ(file[0], 1);
    EXPECT_EQ(file, Record()) << "the record in memory stays plain and carries the written flag";
  }
}

TEST_F(MenuFile, SavedFileLoadsBackUnchanged) {
  for (const uint16_t code : {0, 513, 519, 531}) {
    SCOPED_TRACE(code);
    OpenModel(code);
    ApplyMenuDefaults();
    for (int i = 0; i < MenuSize(App().MenuLayout); ++i) MenuRecord(App().MenuLayout)[i] = static_cast<uint8_t>(i * 7 + 1);
    MenuSet(S::SetClock, 2);
    ASSERT_TRUE(SaveMenuFile());
    const std::vector<uint8_t> saved = Record();
    for (int i = 0; i < MenuSize(App().MenuLayout); ++i) MenuRecord(App().MenuLayout)[i] = 0;
    ASSERT_TRUE(LoadMenuFile(services_.utc_offset_hours));
    EXPECT_EQ(Record(), saved);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"menu.dat"});
  }
}

// What interrupted saves leave beside the file: a link under a temporary
// name is removed and never written through; a leftover whose last change
// is old enough is removed; one that is young, or that a save holds its
// lock on, may still be written and is left alone; other names are not ours.
TEST_F(MenuFile, LeftoversAreRemovedOnlyWhenNoSaveCanStillWriteThem) {
  const std::filesystem::path outside = folder_.parent_path() / (folder_.filename().string() + "-outside");
  WriteAll(outside, {1, 2, 3});
  std::filesystem::create_symlink(outside, folder_ / "menu.dat.tmp");
  const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::seconds(kLeftoverAgeSeconds + 5);
  for (const char* name : {"menu.dat.0badc0de.tmp", "menu.dat.00000001.tmp", "menu.dat.12345678.tmp",
                           "menu.dat.notes.tmp", "CFG.BIN.0badc0de.tmp"}) {
    WriteAll(folder_ / name, {9});
    if (std::string(name) != "menu.dat.12345678.tmp") std::filesystem::last_write_time(folder_ / name, old);
  }
  // A save in another process holds its file's lock while it writes.
  const int held = ::open((folder_ / "menu.dat.00000001.tmp").c_str(), O_RDONLY);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);

  OpenModel(520);
  ApplyMenuDefaults();
  ASSERT_TRUE(SaveMenuFile());
  ::close(held);
  EXPECT_EQ(ReadAll(outside), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"CFG.BIN.0badc0de.tmp", "menu.dat", "menu.dat.00000001.tmp",
                                                       "menu.dat.12345678.tmp", "menu.dat.notes.tmp"}));
  EXPECT_EQ(ReadAll(MenuPath()).size(), 68u);
  std::filesystem::remove(outside);
}

// A record is read only from a regular file holding exactly its bytes: one
// that shrank or grew since it was measured, or a pipe put in its place, is
// refused without waiting and without reading on.
TEST_F(MenuFile, ARecordIsReadOnlyFromAFileOfExactlyItsSize) {
  const std::string path = MenuPath().string();
  uint8_t out[68] = {};
  for (const std::size_t size : {67u, 68u, 69u, 4096u}) {
    WriteAll(MenuPath(), std::vector<uint8_t>(size, 0x42));
    EXPECT_EQ(ReadRecordFile(path, out, 68), size == 68) << size;
  }
  EXPECT_EQ(out[0], 0x42);
  std::filesystem::remove(MenuPath());
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  EXPECT_FALSE(ReadRecordFile(path, out, 68));
  EXPECT_EQ(RecordFileSize(path), 0);
}

// Where the file system keeps modes: a replaced file keeps the mode of the
// file it replaces, a new CFG.BIN is its owner's alone, a new menu.dat is
// readable as before.
TEST_F(MenuFile, ReplacedFilesKeepTheirModeAndANewCfgIsPrivate) {
  const auto mode = [](const std::filesystem::path& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st.st_mode & 07777;
  };
  const mode_t saved_umask = ::umask(022);
  OpenModel(520);
  ApplyMenuDefaults();
  ASSERT_TRUE(SaveMenuFile());
  EXPECT_EQ(mode(MenuPath()), 0644u);
  ::chmod(MenuPath().c_str(), 0640);
  ASSERT_TRUE(SaveMenuFile());
  EXPECT_EQ(mode(MenuPath()), 0640u);

  const std::filesystem::path cfg = folder_ / "CFG.BIN";
  ApplySendSetDefaults();
  ASSERT_TRUE(SaveSendSet());
  EXPECT_EQ(mode(cfg), 0600u);
  ::chmod(cfg.c_str(), 0660);
  ASSERT_TRUE(SaveSendSet());
  EXPECT_EQ(mode(cfg), 0660u);
  ::umask(saved_umask);
}

TEST_F(MenuFile, OpeningLoadsOncePerModelThenCorrectsVideoLengthAndClock) {
  OpenModel(518);
  std::vector<uint8_t> plain(68, 0);
  plain[7] = 61;    // VideoLength beyond the list
  plain[13] = 0xD1; // SetClock: input, zone 20
  plain[0] = 2;
  PutMenuFile(plain);
  LoadOrDefaultMenuOnce(services_.utc_offset_hours);
  EXPECT_EQ(MenuGet(S::VideoLength), 9);
  EXPECT_EQ(MenuGet(S::SetClock), 0);
  EXPECT_EQ(MenuGet(S::CapMode), 2);
  EXPECT_EQ(App().MenuLoadedMask, uint64_t{1} << (32 + 6));

  // Second opening of the same model: the record is used as it stands.
  MenuSet(S::CapMode, 1);
  MenuSet(S::SetClock, 1);
  PutMenuFile(std::vector<uint8_t>(68, 0));
  LoadOrDefaultMenuOnce(services_.utc_offset_hours);
  EXPECT_EQ(MenuGet(S::CapMode), 1);
  EXPECT_EQ(MenuGet(S::SetClock), 1);

  // Another model of the same layout reloads the shared record; its list
  // ends at "60" (position 59), so 59 stays and 60 is repaired.
  plain[7] = 59;
  plain[0] = 0;
  PutMenuFile(plain);
  OpenModel(520);
  LoadOrDefaultMenuOnce(services_.utc_offset_hours);
  EXPECT_EQ(MenuGet(S::VideoLength), 59);
  EXPECT_EQ(MenuGet(S::CapMode), 0);
  EXPECT_EQ(App().MenuLoadedMask, (uint64_t{1} << 38) | (uint64_t{1} << 40));
  plain[7] = 60;
  PutMenuFile(plain);
  OpenModel(521);
  LoadOrDefaultMenuOnce(services_.utc_offset_hours);
  EXPECT_EQ(MenuGet(S::VideoLength), 9);
}

// "60" seconds is the last entry of the VORN-P3 list (position 60): a card
// written with it must show it again, not a silently different length.
TEST_F(MenuFile, SixtySecondsOfTheP3ListSurvivesAFreshRun) {
  for (uint16_t code : {517, 518, 519}) {
    ResetMenuState();
    OpenModel(code);
    std::vector<uint8_t> plain(68, 0);
    plain[7] = 60;
    PutMenuFile(plain);
    LoadOrDefaultMenuOnce(services_.utc_offset_hours);
    EXPECT_EQ(MenuGet(S::VideoLength), 60) << code;
  }
}

TEST_F(MenuFile, OpeningWithoutAFileShowsTheDefaultsWithTheClockOnAuto) {
  OpenModel(513);
  MenuRecord(1)[14] = 2;
  LoadOrDefaultMenuOnce(services_.utc_offset_hours);
  EXPECT_EQ(MenuGet(S::CheckFlag), 0x8082);
  EXPECT_EQ(MenuGet(S::VideoLength), 9);
  EXPECT_EQ(MenuGet(S::SetClock), 0);
  EXPECT_EQ(App().MenuLoadedMask, uint64_t{1} << 33);
}

TEST_F(MenuFile, PathsUseTheHostSeparatorOnceAndRefuseWhatCannotFit) {
  EXPECT_EQ(FormRecordPath("/cards/a", "menu.dat"), std::optional<std::string>("/cards/a/menu.dat"));
  EXPECT_EQ(FormRecordPath("/cards/a/", "CFG.BIN"), std::optional<std::string>("/cards/a/CFG.BIN"));
  DiagCapture capture;
  EXPECT_EQ(FormRecordPath("/" + std::string(5000, 'd'), "menu.dat"), std::nullopt);
  EXPECT_NE(capture.Text().find("File path too long"), std::string::npos);
}

// A SaveFolder without its terminating zero is read as its 260 bytes,
// never beyond; the folder does not exist, so nothing is written.
TEST_F(MenuFile, UnterminatedSaveFolderIsBoundedAndFailsCleanly) {
  OpenModel(512);
  ApplyMenuDefaults();
  std::memset(App().SaveFolder, 'x', sizeof App().SaveFolder);
  EXPECT_EQ(SaveFolderText().size(), 260u);
  DiagCapture capture;
  EXPECT_FALSE(SaveMenuFile());
  EXPECT_FALSE(LoadMenuFile(services_.utc_offset_hours));
  EXPECT_NE(capture.Text().find("Open file - \"" + std::string(260, 'x') + "/menu.dat\" err!\n"), std::string::npos);
}

TEST_F(MenuFile, SaveIntoAMissingFolderFailsAndLogs) {
  OpenModel(524);
  ApplyMenuDefaults();
  UseFolder((folder_ / "gone").string());
  DiagCapture capture;
  EXPECT_FALSE(SaveMenuFile());
  EXPECT_EQ(capture.Lines(), (std::vector<std::string>{
                                 "Open file - \"" + (folder_ / "gone" / "menu.dat").string() + "\" err!\n",
                                 std::string(48, '_') + "\n"}));
  EXPECT_TRUE(FolderEntries().empty());
}

}  // namespace
