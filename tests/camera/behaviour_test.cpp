// The camera setup window's behaviour: interval units, clock modes and the
// timer, the day correction, coordinate limits, the time zone in the clock
// byte, the 60 FPS video mode, the scene list, the serial number warning,
// Browse, and a card that cannot be written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cam_test_support.h"
#include "records/diag.h"
#include "camera/cam_setup.h"
#include "shell/checks.h"
#include "records/app_state.h"

#if defined(__linux__)
#include <sys/mount.h>
#endif

namespace camtest {
namespace {

using S = MenuSetting;
namespace id = camid;

constexpr uint16_t kNanoA = 512, kNanoB = 513, kP2 = 515, kP3 = 517, kP4 = 520, kP5 = 522, kR2Ultra = 526;

class Behaviour : public CamTest {
 protected:
  std::string Shown(int ctl) {
    const int sel = s().Selection(ctl);
    const auto items = s().Items(ctl);
    return sel >= 0 && sel < static_cast<int>(items.size()) ? items[sel] : "<none>";
  }
  // Opens the window on a card holding this record.
  void OpenWith(uint16_t code, const std::vector<uint8_t>& rec) {
    WriteFileRecord(rec);
    Open(code);
  }
  void InputClock() { ASSERT_TRUE(s().Select(id::kSetClock, 1)); }
  void Fill(int ctl, const std::string& text) { ASSERT_TRUE(s().Paste(ctl, text)) << ctl; }
};

// ---- the interval and its unit ---------------------------------------------

TEST_F(Behaviour, IntervalUnitSwitchKeepsTheNumberShown) {
  Open(kP3);
  ASSERT_TRUE(s().Select(id::kIntervalUnit, 0));  // Sec
  ASSERT_EQ(s().Items(id::kInterval).front(), "0");
  ASSERT_TRUE(s().SelectText(id::kInterval, "45"));
  ASSERT_TRUE(s().Select(id::kIntervalUnit, 1));  // Min
  EXPECT_EQ(s().Items(id::kInterval).front(), "1");
  EXPECT_EQ(Shown(id::kInterval), "45");
  ASSERT_TRUE(Generate());
  EXPECT_EQ(FieldOf(FileRecord(), S::PirInterval, 2), 44);  // 45 minutes: position 44, bit 7 clear

  ASSERT_TRUE(s().SelectText(id::kInterval, "60"));
  ASSERT_TRUE(s().Select(id::kIntervalUnit, 0));  // back to Sec: at most 59
  EXPECT_EQ(Shown(id::kInterval), "59");
  ASSERT_TRUE(Generate());
  EXPECT_EQ(FieldOf(FileRecord(), S::PirInterval, 2), 0x80 | 59);

  ASSERT_TRUE(s().SelectText(id::kInterval, "0"));
  ASSERT_TRUE(s().Select(id::kIntervalUnit, 1));  // 0 seconds becomes 1 minute
  EXPECT_EQ(Shown(id::kInterval), "1");
}

TEST_F(Behaviour, StoredIntervalShowsItsUnitAndNumber) {
  struct Case {
    uint8_t stored;
    const char* unit;
    const char* value;
  } cases[] = {{0x8A, "Sec", "10"}, {0x00, "Min", "1"}, {0x3B, "Min", "60"}};
  for (const Case& c : cases) {
    auto rec = FactoryRecord(kP3);
    SetField(rec, S::PirInterval, 2, c.stored);
    OpenWith(kP3, rec);
    EXPECT_EQ(Shown(id::kIntervalUnit), c.unit) << int(c.stored);
    EXPECT_EQ(Shown(id::kInterval), c.value) << int(c.stored);
    ASSERT_TRUE(Generate());
    EXPECT_EQ(FieldOf(FileRecord(), S::PirInterval, 2), c.stored);
  }
}

// ---- the clock --------------------------------------------------------------

TEST_F(Behaviour, ClockModesAndTheOneSecondTimer) {
  Open(kP4);
  EXPECT_EQ(s().RunningTimers(), std::vector<int>{1});
  EXPECT_EQ(s().Text(id::kClockYear), "2026");
  EXPECT_EQ(s().Text(id::kClockMonth), "03");
  EXPECT_EQ(s().Text(id::kClockSecond), "26");
  EXPECT_FALSE(s().Enabled(id::kClockYear));

  // Auto follows the PC clock every second.
  s().services().AdvanceClock(1);
  ASSERT_TRUE(s().Tick());
  EXPECT_EQ(s().Text(id::kClockSecond), "27");

  // Off empties the fields and the tick leaves them alone.
  ASSERT_TRUE(s().Select(id::kSetClock, 2));
  for (int f = id::kClockYear; f <= id::kClockSecond; ++f) EXPECT_EQ(s().Text(f), "") << f;
  s().services().AdvanceClock(5);
  ASSERT_TRUE(s().Tick());
  EXPECT_EQ(s().Text(id::kClockSecond), "");

  // Back on Auto the PC time shows at once.
  ASSERT_TRUE(s().Select(id::kSetClock, 0));
  EXPECT_EQ(s().Text(id::kClockSecond), "32");

  // Input keeps the time shown and lets the user edit it.
  ASSERT_TRUE(s().Select(id::kSetClock, 1));
  EXPECT_TRUE(s().Enabled(id::kClockHour));
  s().services().AdvanceClock(10);
  ASSERT_TRUE(s().Tick());
  EXPECT_EQ(s().Text(id::kClockSecond), "32");
  Fill(id::kClockHour, "7x");
  EXPECT_EQ(s().Text(id::kClockHour), "7");

  // Closing stops the timer; the next opening starts it again.
  ASSERT_TRUE(s().Close());
  bool logged = false;
  for (const auto& l : s().DiagLines()) logged |= l == "DlgCamSetup CLOSE, s_iTimerID = 1";
  EXPECT_TRUE(logged);
  ASSERT_TRUE(s().Click(kMainCameraSetup));
  EXPECT_EQ(s().RunningTimers(), std::vector<int>{1});
}

TEST_F(Behaviour, OffKeepsTheClockBytesAndInputWritesTheTypedTime) {
  Open(kP2);
  InputClock();
  Fill(id::kClockYear, "2031");
  Fill(id::kClockMonth, "7");
  Fill(id::kClockDay, "4");
  Fill(id::kClockHour, "23");
  Fill(id::kClockMinute, "5");
  Fill(id::kClockSecond, "9");
  ASSERT_TRUE(Generate());
  auto file = FileRecord();
  EXPECT_EQ(FieldOf(file, S::ClockYear, 2), 2031);
  EXPECT_EQ(FieldOf(file, S::ClockMonth, 2), 7);
  EXPECT_EQ(FieldOf(file, S::ClockDay, 2), 4);
  EXPECT_EQ(FieldOf(file, S::ClockHour, 2), 23);
  EXPECT_EQ(FieldOf(file, S::ClockMinute, 2), 5);
  EXPECT_EQ(FieldOf(file, S::ClockSecond, 2), 9);
  ASSERT_TRUE(s().Select(id::kSetClock, 2));  // Off: empty fields leave the bytes as they were
  ASSERT_TRUE(Generate());
  file = FileRecord();
  EXPECT_EQ(FieldOf(file, S::ClockYear, 2), 2031);
  EXPECT_EQ(FieldOf(file, S::ClockSecond, 2), 9);
}

TEST_F(Behaviour, DayCorrectionKnowsLeapYears) {
  Open(kNanoA);
  InputClock();
  Fill(id::kClockYear, "2024");
  Fill(id::kClockMonth, "2");
  Fill(id::kClockDay, "29");
  ASSERT_TRUE(s().Leave(id::kClockDay));
  EXPECT_EQ(s().Text(id::kClockDay), "29");  // 2024 is a leap year

  // 2100 is limited to 2099 when the year is left; neither is a leap year.
  Fill(id::kClockYear, "2100");
  ASSERT_TRUE(s().Leave(id::kClockYear));
  EXPECT_EQ(s().Text(id::kClockYear), "2099");
  EXPECT_EQ(s().Text(id::kClockDay), "28");

  // Leaving the month corrects the day for the month shown.
  Fill(id::kClockYear, "2024");
  Fill(id::kClockMonth, "3");
  Fill(id::kClockDay, "31");
  Fill(id::kClockMonth, "2");
  ASSERT_TRUE(s().Leave(id::kClockMonth));
  EXPECT_EQ(s().Text(id::kClockDay), "29");
  EXPECT_EQ(s().BoxCount(), 0);  // the clock fields never warn
  ASSERT_TRUE(Generate());
  const auto file = FileRecord();
  EXPECT_EQ(FieldOf(file, S::ClockYear, 2), 2024);
  EXPECT_EQ(FieldOf(file, S::ClockMonth, 2), 2);
  EXPECT_EQ(FieldOf(file, S::ClockDay, 2), 29);
}

TEST_F(Behaviour, DaysOfTheMonth) {
  EXPECT_EQ(DaysInMonth(2100, 2), 28);
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(2023, 4), 30);
  EXPECT_EQ(DaysInMonth(2023, 12), 31);
}

TEST_F(Behaviour, ClockFieldsAreClampedWithoutWarning) {
  Open(kP5);
  InputClock();
  Fill(id::kClockHour, "25");
  ASSERT_TRUE(s().Leave(id::kClockHour));
  EXPECT_EQ(s().Text(id::kClockHour), "23");
  Fill(id::kClockMonth, "0");
  ASSERT_TRUE(s().Leave(id::kClockMonth));
  EXPECT_EQ(s().Text(id::kClockMonth), "1");
  Fill(id::kClockYear, "5");
  ASSERT_TRUE(s().Leave(id::kClockYear));
  EXPECT_EQ(s().Text(id::kClockYear), "2016");
  Fill(id::kClockDay, "31");
  Fill(id::kClockMonth, "4");
  ASSERT_TRUE(s().Leave(id::kClockMonth));
  EXPECT_EQ(s().Text(id::kClockDay), "30");
  EXPECT_EQ(s().BoxCount(), 0);
}

// ---- the position -----------------------------------------------------------

TEST_F(Behaviour, CoordinateLimitsWarnOncePerCorrection) {
  Open(kP4);
  Fill(id::kLongitudeDeg, "180");
  EXPECT_EQ(s().BoxCount(), 0);
  ASSERT_TRUE(s().Type(id::kLongitudeMin, "3"));  // "0" becomes "03": above 0
  auto box = s().Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "The input is out of range!");
  EXPECT_EQ(box->caption, "Warning");
  EXPECT_EQ(box->icon, platform::MsgIcon::Warning);
  ASSERT_TRUE(s().Answer());
  EXPECT_EQ(s().Text(id::kLongitudeMin), "0");
  EXPECT_EQ(s().BoxCount(), 1);

  Fill(id::kLongitudeDeg, "0");
  Fill(id::kLongitudeMin, "30");
  ASSERT_TRUE(s().Paste(id::kLongitudeDeg, "180"));  // with 30 minutes at most 179
  ASSERT_TRUE(s().Box());
  ASSERT_TRUE(s().Answer());
  EXPECT_EQ(s().Text(id::kLongitudeDeg), "179");
  EXPECT_EQ(s().BoxCount(), 2);

  Fill(id::kLatitudeSec, "5");
  ASSERT_TRUE(s().Paste(id::kLatitudeDeg, "90"));
  ASSERT_TRUE(s().Answer());
  EXPECT_EQ(s().Text(id::kLatitudeDeg), "89");
  Fill(id::kLatitudeSec, "0");
  Fill(id::kLatitudeDeg, "90");
  ASSERT_TRUE(s().Paste(id::kLatitudeMin, "59"));
  ASSERT_TRUE(s().Answer());
  EXPECT_EQ(s().Text(id::kLatitudeMin), "0");
  EXPECT_EQ(s().BoxCount(), 4);
  EXPECT_FALSE(App().RangeWarnArmed);

  ASSERT_TRUE(s().Select(id::kLatitudeDir, 0));  // S
  ASSERT_TRUE(Generate());
  const auto file = FileRecord();
  EXPECT_EQ(FieldOf(file, S::LongitudeDeg, 2), 179);
  EXPECT_EQ(FieldOf(file, S::LongitudeMin, 2), 30);
  EXPECT_EQ(FieldOf(file, S::LatitudeDeg, 2), 90);
  EXPECT_EQ(FieldOf(file, S::LatitudeMin, 2), 0);
  EXPECT_EQ(FieldOf(file, S::LatitudeDir, 2), 0);
}

// ---- the time zone in the clock byte ----------------------------------------

TEST_F(Behaviour, SetClockByteCarriesTheTimeZone) {
  Open(kP3);  // layout 2
  EXPECT_EQ(Shown(id::kTimeZone), "UTC+08");
  EXPECT_EQ(s().Items(id::kTimeZone).front(), "UTC-12");
  EXPECT_EQ(s().Items(id::kTimeZone).back(), "UTC+12");
  InputClock();
  ASSERT_TRUE(Generate());
  EXPECT_EQ(FieldOf(FileRecord(), S::SetClock, 2), 0xD1);

  Open(kP5);  // layout 3
  ASSERT_TRUE(s().Select(id::kTimeZone, 0));  // UTC-12, clock Auto
  ASSERT_TRUE(Generate());
  EXPECT_EQ(FieldOf(FileRecord(), S::SetClock, 3), 0x80);

  // A fresh run reads the zone back from the file; the mode starts on Auto.
  utc_offset_ = -5;
  Open(kP5);
  EXPECT_EQ(Shown(id::kTimeZone), "UTC-12");
  EXPECT_EQ(s().Selection(id::kSetClock), 0);
}

TEST_F(Behaviour, TimeZoneOutsideTheListShowsUtc) {
  auto rec = FactoryRecord(kP3);
  SetField(rec, S::SetClock, 2, 0xE4);  // zone 25
  OpenWith(kP3, rec);
  EXPECT_EQ(Shown(id::kTimeZone), "UTC+00");
}

// ---- model-specific lists ---------------------------------------------------

TEST_F(Behaviour, Video60FpsRecordsIn1080P) {
  Open(kR2Ultra);
  EXPECT_EQ(s().Items(id::kCapMode).back(), "Video(60FPS)");
  EXPECT_EQ(s().Items(id::kVideoSize), (std::vector<std::string>{"3K", "1080P"}));
  ASSERT_TRUE(s().Select(id::kVideoSize, 0));
  ASSERT_TRUE(s().Select(id::kCapMode, 3));
  EXPECT_EQ(Shown(id::kVideoSize), "1080P");
  EXPECT_FALSE(s().Enabled(id::kVideoSize));
  ASSERT_TRUE(Generate());
  EXPECT_EQ(FieldOf(FileRecord(), S::CapMode, 3), 3);
  EXPECT_EQ(FieldOf(FileRecord(), S::VideoSize, 3), 1);
  ASSERT_TRUE(s().Select(id::kCapMode, 1));
  EXPECT_TRUE(s().Enabled(id::kVideoSize));

  // The same from a file that holds 3K with 60 FPS.
  auto rec = FactoryRecord(kR2Ultra);
  SetField(rec, S::CapMode, 3, 3);
  SetField(rec, S::VideoSize, 3, 0);
  OpenWith(kR2Ultra, rec);
  EXPECT_EQ(Shown(id::kVideoSize), "1080P");
  EXPECT_FALSE(s().Enabled(id::kVideoSize));
  ASSERT_TRUE(Generate());
  EXPECT_EQ(FieldOf(FileRecord(), S::VideoSize, 3), 1);
}

TEST_F(Behaviour, SceneListOnlyOnVornP2) {
  for (uint16_t code : AllModels()) {
    Open(code);
    const bool p2 = code == 515 || code == 516;
    EXPECT_EQ(s().Shown(id::kScene), p2) << code;
    EXPECT_EQ(s().Shown(id::kLblScene), p2) << code;
    if (p2) {
      EXPECT_EQ(s().Items(id::kScene), (std::vector<std::string>{"Jungle 1", "Jungle 2", "Open terrain"}));
      EXPECT_EQ(s().Text(id::kLblScene), "Scene");
    }
  }
  auto rec = FactoryRecord(kP2);
  SetField(rec, S::Reserved0, 2, 7);
  OpenWith(kP2, rec);
  EXPECT_EQ(Shown(id::kScene), "Jungle 1");
  ASSERT_TRUE(s().Select(id::kScene, 2));
  ASSERT_TRUE(Generate());
  EXPECT_EQ(FieldOf(FileRecord(), S::Reserved0, 2), 2);
  EXPECT_EQ(FieldOf(FileRecord(), S::CheckFlag, 2), 0x8086);
}

TEST_F(Behaviour, StoredValuesOutsideTheListsAreCorrected) {
  auto rec = FactoryRecord(kNanoA);
  SetField(rec, S::ImgSize, 2, 7);
  SetField(rec, S::Language, 2, 0);
  OpenWith(kNanoA, rec);
  EXPECT_EQ(Shown(id::kImgSize), "14 MP");
  EXPECT_EQ(Shown(id::kLanguage), "Chinese");
  ASSERT_TRUE(Generate());
  EXPECT_EQ(FieldOf(FileRecord(), S::ImgSize, 2), 1);
  EXPECT_EQ(FieldOf(FileRecord(), S::Language, 2), 1);

  // NANO-B keeps the plain position: 0 is its first entry, English.
  rec = FactoryRecord(kNanoB);
  SetField(rec, S::Language, 1, 0);
  OpenWith(kNanoB, rec);
  EXPECT_EQ(Shown(id::kLanguage), "English");
  EXPECT_EQ(s().Items(id::kLanguage).size(), 14u);
  ASSERT_TRUE(s().Select(id::kLanguage, 1));  // Chinese
  ASSERT_TRUE(Generate());
  EXPECT_EQ(FieldOf(FileRecord(), S::Language, 1), 1);
}

TEST_F(Behaviour, VideoSoundListPerModel) {
  Open(kP3);
  EXPECT_EQ(s().Text(id::kLblVideoSound), "Video Sound");
  EXPECT_TRUE(s().Enabled(id::kVideoSound));
  EXPECT_FALSE(s().Enabled(id::kTvSystem));
  Open(kP4);
  EXPECT_EQ(s().Text(id::kLblVideoSound), "Video Sound");
  EXPECT_FALSE(s().Enabled(id::kVideoSound));
  EXPECT_TRUE(s().Items(id::kTvSystem).empty());
  EXPECT_FALSE(s().Shown(id::kLanguage));
  Open(kNanoA);
  EXPECT_EQ(s().Text(id::kLblVideoSound), "Exposure");
  EXPECT_EQ(s().Text(id::kLblTvSystem), "LED Brightness");
  Open(kR2Ultra);
  EXPECT_EQ(s().Text(id::kLblBeepSound), "Speaker Volume");
  EXPECT_EQ(s().Text(id::kLblTvSystem), "Light Frequency");
  EXPECT_FALSE(s().Enabled(id::kTimeZone));
  EXPECT_TRUE(s().Shown(id::kSerialText));
  EXPECT_FALSE(s().Shown(id::kSerialChar0));
  Open(kNanoB);
  EXPECT_EQ(s().Text(id::kLblTimeZone), "Video Sound");
  EXPECT_EQ(s().Text(id::kLblVideoSound), "BW Photo EV");
  EXPECT_EQ(s().Items(id::kTvSystem), (std::vector<std::string>{"NTSC", "PAL"}));
  EXPECT_FALSE(s().Enabled(id::kDateFormat));
}

TEST_F(Behaviour, TitleIconColourAndLanguage) {
  language_id_ = 2052;
  Open(kP5);
  EXPECT_EQ(s().Title(), "相机设置");
  EXPECT_EQ(s().Icon(), 103);
  EXPECT_EQ(s().TextColor(id::kLblTimeZone), 0x2260D9u);
  EXPECT_EQ(s().Text(id::kLblTimeZone), "时区");
  EXPECT_EQ(s().Items(id::kSetClock), (std::vector<std::string>{"自动获取", "手动输入", "关闭"}));
  EXPECT_EQ(s().Text(id::kGenerate), "生成配置");
  EXPECT_TRUE(s().MissingControlCalls().empty());
}

// ---- the serial number --------------------------------------------------------

TEST_F(Behaviour, SerialNumberWarningOncePerLeave) {
  Open(kP5);
  EXPECT_FALSE(s().Enabled(id::kSerialText));
  ASSERT_TRUE(s().Select(id::kSerialOn, 1));
  ASSERT_TRUE(s().Enabled(id::kSerialText));
  ASSERT_TRUE(s().Type(id::kSerialText, "Ab9"));  // lower case is not taken
  EXPECT_EQ(s().Text(id::kSerialText), "A9");
  ASSERT_TRUE(s().Leave(id::kSerialText));
  auto box = s().Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "Only numbers and letters are allowed (at least four digits and at most ten digits)");
  EXPECT_EQ(box->caption, "Warning");
  ASSERT_TRUE(s().Answer());
  EXPECT_FALSE(s().Box());  // no second box from the focus moving back
  EXPECT_EQ(s().BoxCount(), 1);
  EXPECT_EQ(s().Focus(), id::kSerialText);
  ASSERT_TRUE(s().Type(id::kSerialText, "Z"));
  ASSERT_TRUE(s().Leave(id::kSerialText));  // a changed text warns again, once
  ASSERT_TRUE(s().Answer());
  EXPECT_FALSE(s().Box());
  EXPECT_EQ(s().BoxCount(), 2);

  ASSERT_TRUE(s().Type(id::kSerialText, "BCDEFGHIJK"));  // limited to ten
  EXPECT_EQ(s().Text(id::kSerialText), "A9ZBCDEFGH");
  ASSERT_TRUE(s().Leave(id::kSerialText));
  EXPECT_EQ(s().BoxCount(), 2);
  ASSERT_TRUE(Generate());
  const auto file = FileRecord();
  const int at = FieldLocation(S::SerialText, 3);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[at]), 11), std::string("A9ZBCDEFGH\0", 11));
}

TEST_F(Behaviour, ShortSerialNumberIsAcceptedAfterTheWarning) {
  Open(kR2Ultra);
  ASSERT_TRUE(s().Select(id::kSerialOn, 1));
  ASSERT_TRUE(s().Type(id::kSerialText, "X1"));
  ASSERT_TRUE(s().Leave(id::kSerialText));
  ASSERT_TRUE(s().Answer());
  ASSERT_EQ(s().Focus(), id::kSerialText);
  // Leaving again with the same text takes it: Generate is not lost to a
  // second warning.
  ASSERT_TRUE(Generate());
  EXPECT_EQ(s().BoxCount(), 2);
  const auto file = FileRecord();
  EXPECT_EQ(file[FieldLocation(S::SerialText, 3)], 'X');
  EXPECT_EQ(file[FieldLocation(S::SerialText, 3) + 2], 0);
}

// ---- Browse, Enter and Escape, a card that cannot be written -----------------

TEST_F(Behaviour, BrowseReplacesTheSaveFolder) {
  Open(kP3);
  EXPECT_EQ(s().Text(id::kSaveFolder), folder_);
  s().services().QueuePickFolder(std::nullopt);  // Cancel
  ASSERT_TRUE(s().Click(id::kBrowse));
  EXPECT_EQ(s().services().FolderPickerStart(), folder_) << "the picker opens at the save folder";
  EXPECT_EQ(s().Text(id::kSaveFolder), folder_);

  const std::filesystem::path other = dir_ / "card";
  std::filesystem::create_directories(other);
  s().services().QueuePickFolder(other.string());
  ASSERT_TRUE(s().Click(id::kBrowse));
  EXPECT_EQ(s().Text(id::kSaveFolder), other.string());
  ASSERT_TRUE(Generate());
  EXPECT_TRUE(std::filesystem::exists(other / "menu.dat"));
  EXPECT_FALSE(std::filesystem::exists(MenuPath()));

  // A path SaveFolder cannot hold is refused with a message.
  s().services().QueuePickFolder(std::string(300, 'd'));
  ASSERT_TRUE(s().Click(id::kBrowse));
  EXPECT_EQ(s().services().FolderPickerStart(), other.string());
  auto box = s().Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->caption, "Warning");
  ASSERT_TRUE(s().Answer());
  EXPECT_EQ(s().Text(id::kSaveFolder), other.string());
  EXPECT_EQ(std::string(App().SaveFolder), other.string());

  // Only Browse changes the folder: the edit that shows it takes no typing.
  EXPECT_EQ(s().Type(id::kSaveFolder, "x").error, "edit 40104 is read-only");
  EXPECT_EQ(s().Paste(id::kSaveFolder, "/elsewhere").error, "edit 40104 is read-only");
  EXPECT_EQ(s().Text(id::kSaveFolder), other.string());
}

TEST_F(Behaviour, EnterAndEscapeDoNothing) {
  Open(kNanoA);
  ASSERT_TRUE(s().Enter());
  ASSERT_TRUE(s().Escape());
  EXPECT_EQ(s().TopTemplate(), id::kTemplateFull);
  EXPECT_FALSE(std::filesystem::exists(MenuPath()));
  EXPECT_EQ(s().BoxCount(), 0);
}

TEST_F(Behaviour, ClosingKeepsEditsWithoutWritingOrReading) {
  auto rec = FactoryRecord(kP3);
  SetField(rec, S::PicNumber, 2, 1);
  Open(kP3);
  ASSERT_TRUE(s().Select(id::kPicNumber, 2));
  Fill(id::kLongitudeDeg, "42");
  CloseCamera();
  EXPECT_FALSE(std::filesystem::exists(MenuPath()));
  // A file appearing meanwhile is not read: the model was opened this run.
  WriteFileRecord(rec);
  OpenCamera(kP3);
  EXPECT_EQ(s().Selection(id::kPicNumber), 2);
  EXPECT_EQ(s().Text(id::kLongitudeDeg), "42");
}

// The card hands back other bytes than were written (a card swapped, a
// write that did not reach it): a warning instead of success, and the window keeps
// the user's values instead of taking the foreign file's.
TEST_F(Behaviour, ReadBackOfOtherBytesIsNoSuccess) {
  Open(kP3);
  ASSERT_TRUE(Generate());
  const auto older = FileRecord();
  ASSERT_TRUE(s().Select(id::kPicNumber, 2));
  ASSERT_TRUE(s().Select(id::kIntervalUnit, 0));
  bool swapped = false;
  SetDiagSink([&](std::string_view text) {
    if (!swapped && text.find("________") != std::string_view::npos) {
      swapped = true;
      WriteFileRecord(older);
    }
  });
  ASSERT_TRUE(s().Click(id::kGenerate));
  SetDiagSink({});
  EXPECT_TRUE(swapped);
  ASSERT_TRUE(s().Box());
  EXPECT_EQ(s().Box()->text, "menu.dat could not be written.\r\nThe file read back differs from the file written.");
  ASSERT_TRUE(s().Answer());
  Reopen(kP3);
  EXPECT_EQ(s().Selection(id::kPicNumber), 2);
  EXPECT_EQ(s().Selection(id::kIntervalUnit), 0);
  EXPECT_EQ(s().Selection(id::kTimeZone), 20);
  ASSERT_TRUE(Generate());  // the next Generate writes them
  EXPECT_EQ(FieldOf(FileRecord(), S::PicNumber, 2), 2);
}

#if defined(__linux__)
// A card folder that is mounted read-only: Generate and Default warn that
// it is write-protected and the file on the card stays as it was.
TEST_F(Behaviour, ReadOnlyCardIsWarnedAbout) {
  const std::filesystem::path card = dir_ / "ro";
  std::filesystem::create_directories(card);
  if (::mount("tmpfs", card.c_str(), "tmpfs", 0, "size=1m") != 0) GTEST_SKIP() << "mounting is not permitted here";
  struct Unmount {
    std::filesystem::path p;
    ~Unmount() { ::umount2(p.c_str(), MNT_DETACH); }
  } unmount{card};

  StartRun(card.string());
  OpenCamera(kP3);
  ASSERT_TRUE(Generate());  // writable for now
  const std::filesystem::path file = card / "menu.dat";
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> before((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(before.size(), 68u);
  in.close();

  ASSERT_EQ(::mount(nullptr, card.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
  ASSERT_TRUE(s().Select(id::kPicNumber, 2));
  const int boxes = s().BoxCount();
  s().ClearDiag();
  const std::string warning = "menu.dat could not be written.\r\nThe card or folder is write-protected.";
  ASSERT_TRUE(s().Click(id::kGenerate));
  ASSERT_TRUE(s().Box());
  EXPECT_EQ(s().Box()->text, warning);
  ASSERT_TRUE(s().Answer());
  bool refused = false;
  for (const auto& l : s().DiagLines()) refused |= l.rfind("Open file - \"", 0) == 0 && l.find("err!") != std::string::npos;
  EXPECT_TRUE(refused);
  ASSERT_TRUE(s().Click(id::kDefault));
  ASSERT_TRUE(s().Box());
  EXPECT_EQ(s().Box()->text, warning);
  ASSERT_TRUE(s().Answer());
  EXPECT_EQ(s().BoxCount(), boxes + 2);
  std::ifstream again(file, std::ios::binary);
  const std::vector<char> after((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>());
  EXPECT_EQ(after, before);
  // The window keeps what it shows.
  EXPECT_EQ(s().TopTemplate(), id::kTemplateFull);
}
#endif

}  // namespace
}  // namespace camtest
