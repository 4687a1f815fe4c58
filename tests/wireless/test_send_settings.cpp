// The send settings page on the headless host: its layout in both
// presentations, the opening per send-by mode and model, the edit handlers,
// Browse, the page buttons and the keys that do nothing.
#include <algorithm>
#include <map>
#include <set>

#include "platform/layout.h"
#include "shell/ui_strings.h"
#include "tests/wireless/test_send_settings_support.h"
#include "records/app_state.h"

namespace send_test {
namespace {

using platform::Rect;

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
         inner.y + inner.h <= outer.y + outer.h;
}
bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// The sections of the page: a frame and what sits in it.
struct Section {
  int frame;
  std::vector<int> members;
};
const std::vector<Section> kSections = {
    {kDestinationGroup, {kPhoneFrame, kEmailFrame}},
    {kPhoneFrame, {kPhone1Label, kPhone2Label, kPhone1, kPhone2}},
    {kEmailFrame, {kEmail1Label, kEmail2Label, kEmail1, kEmail2}},
    {kCoordinateGroup,
     {kLongitudeLabel, kLatitudeLabel, kDirectionHead, kDegreeHead, kMinuteHead, kSecondHead, kLonDir,
      kLatDir, kLonDeg, kLonMin, kLonSec, kLatDeg, kLatMin, kLatSec}},
    {kImageSizeFrame, {kImageSizeLabel, kImageSize}},
    {kMaxNumFrame, {kMaxNumLabel, kMaxNum, kPerDayLabel}},
    {kSendModeGroup, {kSendModeLabel, kSendMode, kDailyTimeLabel, kDailyTime}},
    {kRemoteGroup,
     {kRemoteIntervalLabel, kRemoteInterval, kNoRemoteCmd22, kRemotePhoneLabel, kRemotePhone,
      kRemotePhoneNote, kRemoteEmailLabel, kRemoteEmail, kRemoteEmailNote}},
    {kSavePathGroup, {kBrowse, kFolder}},
};
const std::vector<int> kTopFrames = {kDestinationGroup, kCoordinateGroup, kImageSizeFrame, kMaxNumFrame,
                                     kSendModeGroup,    kRemoteGroup,     kSavePathGroup};

class SendPageLayout : public SendPageTest {
 protected:
  // A drop-down list's rectangle includes its open list: the closed box is
  // about 21 pixels tall.
  Rect Closed(int id) {
    Rect r = s().ControlRect(id);
    const platform::DialogLayout* l = platform::FindLayout(kSendSettingsTemplate);
    for (const auto& c : l->controls)
      if (c.id == id && (c.cls == platform::ControlClass::ComboDropList)) r.h = 21;
    return r;
  }

  // Every visible member inside its frame with a margin; the frames of the
  // page apart from each other and inside the page; the buttons below all.
  void ExpectTidy() {
    const platform::DialogLayout* l = platform::FindLayout(kSendSettingsTemplate);
    const Rect page = platform::DialogUnitsToPixels(0, 0, l->w, l->h);
    for (const Section& sec : kSections) {
      if (!s().Shown(sec.frame)) continue;
      const Rect f = s().ControlRect(sec.frame);
      const Rect inner{f.x + 3, f.y + 5, f.w - 6, f.h - 8};
      for (int id : sec.members)
        if (s().Shown(id)) {
          EXPECT_TRUE(Inside(Closed(id), inner)) << id << " in " << sec.frame;
        }
    }
    std::vector<int> frames;
    for (int id : kTopFrames)
      if (s().Shown(id)) frames.push_back(id);
    int last_bottom = 0;
    for (int id : frames) {
      const Rect r = s().ControlRect(id);
      EXPECT_TRUE(Inside(r, page)) << id;
      EXPECT_GE(r.y - last_bottom, 5) << "gap above " << id;
      EXPECT_LE(r.y - last_bottom, 25) << "gap above " << id;
      last_bottom = r.y + r.h;
    }
    for (int id : {kPreviousPage, kGenerate}) {
      EXPECT_GE(s().ControlRect(id).y, last_bottom + 5);
      EXPECT_TRUE(Inside(s().ControlRect(id), page));
    }
    EXPECT_FALSE(Overlap(s().ControlRect(kPreviousPage), s().ControlRect(kGenerate)));
    // Rows inside a section do not overlap.
    for (const Section& sec : kSections)
      for (int a : sec.members)
        for (int b : sec.members)
          if (a < b && s().Shown(a) && s().Shown(b)) {
            EXPECT_FALSE(Overlap(Closed(a), Closed(b))) << a << " and " << b;
          }
  }
};

TEST_F(SendPageLayout, TemplateHoldsEveryControlOnce) {
  const platform::DialogLayout* l = platform::FindLayout(kSendSettingsTemplate);
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->w, 292);
  EXPECT_EQ(l->h, 386);
  std::set<int> ids;
  for (const auto& c : l->controls) EXPECT_TRUE(ids.insert(c.id).second) << c.id;
  std::set<int> expected;
  for (int id = 40000; id <= 40051; ++id)
    if (id != 40038) expected.insert(id);
  expected.insert({kLonDir, kLatDir});
  EXPECT_EQ(ids, expected);
  // No default button: Enter must not generate.
  for (const auto& c : l->controls) EXPECT_NE(c.cls, platform::ControlClass::DefPushButton) << c.id;
}

TEST_F(SendPageLayout, FullPageIsTidyInBothLanguages) {
  for (int language : {0, 1}) {
    SCOPED_TRACE(language);
    Prepare(520, kSendCloud);
    App().s_eFtpEditUse = 1;
    App().UiLanguage = language;
    OpenPage();
    EXPECT_TRUE(s().Shown(kLonDeg));
    ExpectTidy();
    ASSERT_TRUE(s().Close());
    session_ = std::make_unique<headless::Session>();
    App().SendSettingsFirstOpen = true;
  }
}

TEST_F(SendPageLayout, CompactedPageMovesTheSectionsByTheTableAndStaysTidy) {
  // Full rectangles first, on a model that keeps the position section.
  Prepare(520, kSendEmail);
  OpenPage();
  std::map<int, Rect> full;
  for (const auto& c : platform::FindLayout(kSendSettingsTemplate)->controls) full[c.id] = s().ControlRect(c.id);
  ASSERT_TRUE(s().Close());

  const struct {
    std::vector<int> ids;
    int dy, dh;
  } moves[] = {
      {{40001}, 15, 10},
      {{40002, 40003, 40004, 40005, 40006}, 15, 0},
      {{40007, 40008, 40009, 40010, 40011}, 20, 0},
      {{40012, 40014, 40013}, -55, 0},
      {{40015}, -45, 10},
      {{40017, 40018, 40016}, -40, 0},
      {{40019, 40021, 40020, 40023, 40022}, -20, 0},
      {{40024, 40026, 40025, 40000, 40028, 40030, 40027, 40029, 40036, 40037}, -10, 0},
      {{40031, 40032, 40033, 40034, 40035}, 0, 0},
  };
  for (uint16_t code : {516, 514, 524}) {
    for (int language : {0, 1}) {
      SCOPED_TRACE(testing::Message() << code << " language " << language);
      session_ = std::make_unique<headless::Session>();
      App().SendSettingsFirstOpen = true;
      Prepare(code, kSendEmail);
      App().UiLanguage = language;
      OpenPage();
      for (const auto& m : moves)
        for (int id : m.ids) {
          const Rect f = full[id];
          EXPECT_EQ(s().ControlRect(id), (Rect{f.x, f.y + m.dy, f.w, f.h + m.dh})) << id;
        }
      for (int id = kCoordinateGroup; id <= kLatSec; ++id) EXPECT_FALSE(s().Shown(id)) << id;
      EXPECT_FALSE(s().Shown(kLonDir));
      ExpectTidy();
      ASSERT_TRUE(s().Close());
    }
  }
}

class SendPageOpening : public SendPageTest {};

TEST_F(SendPageOpening, TextsFollowTheLanguage) {
  Prepare(520, kSendEmail);
  App().UiLanguage = 0;
  OpenPage();
  EXPECT_EQ(s().Title(), "发送设置");
  EXPECT_EQ(s().Icon(), 103);
  EXPECT_EQ(s().Text(kNoRemoteCmd22), "不使用遥控命令 - 22");
  EXPECT_EQ(s().Text(kSendModeGroup), "发送方式");
  EXPECT_EQ(s().Items(kLatDir), (std::vector<std::string>{"北", "南"}));
  EXPECT_EQ(s().Items(kRemoteInterval)[1], "01小时");
  ASSERT_TRUE(s().Close());

  session_ = std::make_unique<headless::Session>();
  App().UiLanguage = 1;
  OpenPage();
  EXPECT_EQ(s().Title(), "Send Settings");
  EXPECT_EQ(s().Text(kRemoteEmailNote), "^ Receives the file requested by the 22 command.");
  EXPECT_EQ(s().Text(kPreviousPage), "Previous Page");
  EXPECT_EQ(s().Items(kLonDir), (std::vector<std::string>{"E", "W"}));
  EXPECT_EQ(s().Items(kImageSize), (std::vector<std::string>{"Full Image", "Thumbnail"}));
  EXPECT_EQ(s().Items(kDailyTime).size(), 24u);
  EXPECT_EQ(s().Text(kFolder), dir_.string());
  EXPECT_EQ(s().Limit(kFolder), 260);
  EXPECT_EQ(s().Limit(kPhone1), 15);
  EXPECT_EQ(s().Limit(kEmail2), 48);
  EXPECT_EQ(s().Limit(kLonDeg), 3);
  EXPECT_EQ(s().Limit(kLatDeg), 2);
}

TEST_F(SendPageOpening, RemoteIntervalListPerModel) {
  Prepare(518, kSendEmail);
  App().g_sSendSet.byRemoteInterval = 0;
  OpenPage();
  std::vector<std::string> items = s().Items(kRemoteInterval);
  ASSERT_EQ(items.size(), 26u);
  EXPECT_EQ(items[0], "Remote Off");
  EXPECT_EQ(items[1], "10 Minutes");
  EXPECT_EQ(items[25], "24 Hours");
  EXPECT_EQ(s().Selection(kRemoteInterval), 1);
  EXPECT_TRUE(s().Enabled(kRemotePhone));
  ASSERT_TRUE(s().Close());

  session_ = std::make_unique<headless::Session>();
  App().SendSettingsFirstOpen = true;
  Prepare(520, kSendEmail);
  App().g_sSendSet.byRemoteInterval = 0;  // 10 minutes, not offered here
  OpenPage();
  items = s().Items(kRemoteInterval);
  ASSERT_EQ(items.size(), 25u);
  EXPECT_EQ(items[1], "01 Hours");
  EXPECT_EQ(items[24], "24 Hours");
  EXPECT_EQ(s().Selection(kRemoteInterval), 1);
}

TEST_F(SendPageOpening, ControlsPerSendByMode) {
  // 520 shows the position section (and always a fixed picture size); 516
  // has no position section but lets the picture size be chosen.
  struct Case {
    uint8_t mode;
    int ftp_edit_use;
    bool phones, emails, coordinates, image516, interval;
  } cases[] = {
      {kSendMms, 1, true, true, false, true, true},  // 516 overrides the MMS rule
      {kSendEmail, 1, false, true, false, true, true},
      {kSendFtp, 0, false, false, false, true, true},
      {kSendFtp, 1, false, false, true, true, true},
      {kSendCloud, 1, false, false, true, true, true},
      {kSendOff, 1, false, false, false, false, false},
  };
  for (uint16_t code : {520, 516}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << code << " mode " << int(c.mode) << " use " << c.ftp_edit_use);
      session_ = std::make_unique<headless::Session>();
      App().SendSettingsFirstOpen = true;
      Prepare(code, c.mode);
      App().s_eFtpEditUse = c.ftp_edit_use;
      App().g_sSendSet.byRemoteInterval = 4;
      OpenPage();
      EXPECT_EQ(s().Enabled(kPhone1), c.phones);
      EXPECT_EQ(s().Enabled(kPhone2), c.phones);
      EXPECT_EQ(s().Enabled(kEmail1), c.emails);
      EXPECT_EQ(s().Enabled(kEmail2), c.emails);
      EXPECT_EQ(s().Enabled(kImageSize), code == 516 && c.image516);
      const bool coordinates = code == 520 && c.coordinates;
      EXPECT_EQ(s().Shown(kLonDeg), coordinates);
      EXPECT_EQ(s().Enabled(kLatSec), coordinates);
      EXPECT_EQ(s().Shown(kLatDir), coordinates);
      EXPECT_EQ(s().Shown(kCoordinateGroup), code == 520);
      EXPECT_EQ(s().Enabled(kLongitudeLabel), c.coordinates);
      EXPECT_EQ(s().Enabled(kDegreeHead), c.coordinates);
      EXPECT_EQ(s().Enabled(kRemoteInterval), c.interval);
      EXPECT_EQ(s().Enabled(kRemotePhone), c.interval);
      EXPECT_EQ(s().Enabled(kNoRemoteCmd22), c.interval);
      EXPECT_EQ(s().Selection(kRemoteInterval), c.interval ? 4 : 0);
      EXPECT_EQ(App().g_sSendSet.byRemoteSwitch, c.interval ? 1 : 0);
      if (c.mode == kSendMms) {
        EXPECT_EQ(s().Selection(kImageSize), 1);
      }
      // Never used: the maximum number, the send mode and the daily time.
      EXPECT_FALSE(s().Enabled(kMaxNum));
      EXPECT_EQ(s().Text(kMaxNum), "");
      EXPECT_FALSE(s().Enabled(kMaxNumLabel));
      EXPECT_FALSE(s().Enabled(kPerDayLabel));
      EXPECT_FALSE(s().Enabled(kSendMode));
      EXPECT_EQ(s().Selection(kSendMode), 0);
      EXPECT_FALSE(s().Shown(kDailyTime));
      EXPECT_FALSE(s().Enabled(kDailyTimeLabel));
      ASSERT_TRUE(s().Close());
    }
  }
}

TEST_F(SendPageOpening, ModelRules) {
  struct Case {
    uint16_t code;
    bool position, image, interval;
  } cases[] = {
      {516, false, true, true},  {518, false, true, true},  {519, false, true, true},
      {520, true, false, true},  {523, false, false, false}, {514, false, false, false},
      {525, false, false, false}, {532, false, false, true}, {522, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    session_ = std::make_unique<headless::Session>();
    App().SendSettingsFirstOpen = true;
    Prepare(c.code, kSendCloud);
    App().s_eFtpEditUse = 1;
    App().g_sSendSet.byRemoteInterval = 2;
    OpenPage();
    EXPECT_EQ(s().Shown(kCoordinateGroup), c.position);
    EXPECT_EQ(s().Shown(kLonDeg), c.position);
    EXPECT_EQ(s().Enabled(kImageSize), c.image);
    EXPECT_EQ(s().Enabled(kRemoteInterval), c.interval);
    if (!c.interval) {
      EXPECT_FALSE(s().Enabled(kRemoteIntervalLabel));
    }
    ASSERT_TRUE(s().Close());
  }
}

TEST_F(SendPageOpening, ShowsTheStoredValuesAndRepairsOutOfRangeOnes) {
  Prepare(520, kSendCloud);
  App().s_eFtpEditUse = 1;
  SendSet& r = App().g_sSendSet;
  CopyTextField(r.szRecp[0], "13800000001");
  r.uwRecpLen[0] = 11;
  CopyTextField(r.szRecp[3], "two@example.org");
  r.uwRecpLen[3] = 0;  // a length of 0 leaves the edit empty
  CopyTextField(r.szRemotePhoneNum, "+8613812345678");
  CopyTextField(r.szRemoteEmail, "boss@example.org");
  r.sLongitude = {1, 120, 30, 15};
  r.sLatitude = {0, 45, 5, 59};
  r.bySendImgSize = 1;
  r.byDailySendTime = 30;
  r.bySendMode = 1;
  r.byRemoteInterval = 60;
  OpenPage();
  EXPECT_EQ(s().Text(kPhone1), "13800000001");
  EXPECT_EQ(s().Text(kEmail2), "");
  EXPECT_EQ(s().Text(kRemotePhone), "+8613812345678");
  EXPECT_EQ(s().Text(kRemoteEmail), "boss@example.org");
  EXPECT_EQ(s().Selection(kLonDir), 1);
  EXPECT_EQ(s().Text(kLonDeg), "120");
  EXPECT_EQ(s().Text(kLonMin), "30");
  EXPECT_EQ(s().Text(kLonSec), "15");
  EXPECT_EQ(s().Selection(kLatDir), 0);
  EXPECT_EQ(s().Text(kLatSec), "59");
  EXPECT_EQ(s().Selection(kImageSize), 1);
  EXPECT_EQ(r.byDailySendTime, 0);
  EXPECT_EQ(s().Selection(kDailyTime), 0);
  EXPECT_EQ(r.bySendMode, 0);
  EXPECT_EQ(s().Selection(kRemoteInterval), 0);
  EXPECT_EQ(r.byRemoteSwitch, 0);
  EXPECT_FALSE(s().Enabled(kRemotePhone));
  EXPECT_FALSE(s().Enabled(kRemoteEmail));
  EXPECT_FALSE(s().Enabled(kNoRemoteCmd22));
}

class SendPageHandlers : public SendPageTest {
 protected:
  void SetUp() override {
    SendPageTest::SetUp();
    Prepare(520, kSendCloud);
    App().s_eFtpEditUse = 1;
    App().g_sSendSet.byRemoteInterval = 3;
    OpenPage();
  }
};

TEST_F(SendPageHandlers, PhoneFieldsTakeDigitsAndPlus) {
  ASSERT_TRUE(s().Type(kRemotePhone, "+86 138-0a1"));
  EXPECT_EQ(s().Text(kRemotePhone), "+8613801");
  ASSERT_TRUE(s().Paste(kRemotePhone, "(0)12 34"));
  EXPECT_EQ(s().Text(kRemotePhone), "01234");
  EXPECT_EQ(s().BoxCount(), 0);
}

TEST_F(SendPageHandlers, LongitudeAndLatitudeLimitsWithoutWarning) {
  ASSERT_TRUE(s().Paste(kLonMin, "0"));
  ASSERT_TRUE(s().Paste(kLonSec, "0"));
  ASSERT_TRUE(s().Paste(kLonDeg, "181"));
  EXPECT_EQ(s().Text(kLonDeg), "180");
  // At 180 degrees there are no minutes or seconds.
  ASSERT_TRUE(s().Paste(kLonMin, "5"));
  EXPECT_EQ(s().Text(kLonMin), "0");
  ASSERT_TRUE(s().Paste(kLonSec, "59"));
  EXPECT_EQ(s().Text(kLonSec), "0");
  // With a minute the last degree is 179.
  ASSERT_TRUE(s().Paste(kLonDeg, "100"));
  ASSERT_TRUE(s().Paste(kLonMin, "1"));
  ASSERT_TRUE(s().Paste(kLonDeg, "180"));
  EXPECT_EQ(s().Text(kLonDeg), "179");
  ASSERT_TRUE(s().Paste(kLonMin, "75"));
  EXPECT_EQ(s().Text(kLonMin), "59");

  ASSERT_TRUE(s().Paste(kLatMin, "0"));
  ASSERT_TRUE(s().Paste(kLatSec, "0"));
  ASSERT_TRUE(s().Paste(kLatDeg, "95"));
  EXPECT_EQ(s().Text(kLatDeg), "90");
  ASSERT_TRUE(s().Paste(kLatSec, "7"));
  EXPECT_EQ(s().Text(kLatSec), "0");
  ASSERT_TRUE(s().Paste(kLatDeg, "10"));
  ASSERT_TRUE(s().Paste(kLatSec, "7"));
  ASSERT_TRUE(s().Paste(kLatDeg, "90"));
  EXPECT_EQ(s().Text(kLatDeg), "89");
  // Letters never stay; an emptied field reads 0.
  ASSERT_TRUE(s().Type(kLatMin, "x"));
  EXPECT_EQ(s().Text(kLatMin), "0");
  EXPECT_EQ(s().BoxCount(), 0);
  EXPECT_TRUE(DiagHas("iMin = 0, uwMaxVal = 89"));
}

TEST_F(SendPageHandlers, RemoteIntervalAndCommand22Box) {
  EXPECT_TRUE(s().Enabled(kRemoteEmail));
  ASSERT_TRUE(s().Click(kNoRemoteCmd22));
  EXPECT_TRUE(App().NoRemoteCommand22);
  EXPECT_FALSE(s().Enabled(kRemoteEmail));
  EXPECT_TRUE(s().Enabled(kRemotePhone));

  ASSERT_TRUE(s().Select(kRemoteInterval, 0));  // Remote Off
  EXPECT_FALSE(s().Enabled(kRemotePhone));
  EXPECT_FALSE(s().Enabled(kRemoteEmail));
  EXPECT_FALSE(s().Enabled(kNoRemoteCmd22));

  ASSERT_TRUE(s().Select(kRemoteInterval, 12));
  EXPECT_TRUE(s().Enabled(kRemotePhone));
  EXPECT_FALSE(s().Enabled(kRemoteEmail)) << "the box is still checked";
  ASSERT_TRUE(s().Click(kNoRemoteCmd22));
  EXPECT_FALSE(App().NoRemoteCommand22);
  EXPECT_TRUE(s().Enabled(kRemoteEmail));
}

TEST_F(SendPageHandlers, RemoteEmailIsStoredWhenItLosesTheFocus) {
  ASSERT_TRUE(s().Type(kRemoteEmail, "boss@example.org"));
  EXPECT_EQ(SEND_FIELD(App().g_sSendSet.szRemoteEmail), "");
  ASSERT_TRUE(s().Leave(kRemoteEmail));
  EXPECT_EQ(SEND_FIELD(App().g_sSendSet.szRemoteEmail), "boss@example.org");
  EXPECT_TRUE(DiagHas("# EN_KILLFOCUS, szRemoteEmail:boss@example.org"));
}

TEST_F(SendPageHandlers, BrowseReplacesTheFolderOnlyWhenAFolderIsChosen) {
  const std::string chosen = (dir_ / "card").string();
  s().services().QueuePickFolder(chosen);
  ASSERT_TRUE(s().Click(kBrowse));
  EXPECT_EQ(std::string(App().SaveFolder), chosen);
  EXPECT_EQ(s().Text(kFolder), chosen);

  s().services().QueuePickFolder(std::nullopt);
  ASSERT_TRUE(s().Click(kBrowse));
  EXPECT_EQ(s().services().FolderPickerStart(), chosen) << "the picker opens at the save folder";
  EXPECT_EQ(std::string(App().SaveFolder), chosen);

  // A path that SaveFolder cannot hold whole is not cut to another folder,
  // and the user is told why, as in camera setup.
  s().services().QueuePickFolder("/" + std::string(300, 'd'));
  ASSERT_TRUE(s().Click(kBrowse));
  auto box = s().Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->caption, "Warning");
  EXPECT_EQ(box->text, UiStr(kMsgFolderPathTooLong));
  ASSERT_TRUE(s().Answer());
  EXPECT_EQ(std::string(App().SaveFolder), chosen);
  EXPECT_EQ(s().Text(kFolder), chosen);

  // Only Browse changes the folder: the edit that shows it takes no typing.
  EXPECT_EQ(s().Paste(kFolder, "/elsewhere").error, "edit 40033 is read-only");
  EXPECT_EQ(s().Type(kFolder, "x").error, "edit 40033 is read-only");
  EXPECT_EQ(s().Text(kFolder), chosen);
  EXPECT_EQ(s().services().FolderPickerCalls(), 3);
}

TEST_F(SendPageHandlers, EnterAndEscapeDoNothing) {
  ASSERT_TRUE(s().Type(kRemotePhone, "12345"));
  ASSERT_TRUE(s().Enter());
  ASSERT_TRUE(s().Escape());
  EXPECT_EQ(s().TopTemplate(), kSendSettingsTemplate);
  EXPECT_EQ(s().BoxCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(CfgPath()));
  EXPECT_EQ(s().Text(kRemotePhone), "12345");
}

TEST_F(SendPageHandlers, ClosingReturnsToTheMainWindowAndCarriesNothing) {
  const SendSet before = App().SendSetSnapshot;
  ASSERT_TRUE(s().Paste(kRemotePhone, "12345"));
  ASSERT_TRUE(s().Close());
  EXPECT_TRUE(s().Finished());
  ASSERT_EQ(nexts_.size(), 1u);
  EXPECT_EQ(nexts_[0], platform::WindowKind::Main);
  EXPECT_EQ(std::memcmp(&before, &App().SendSetSnapshot, sizeof before), 0);
  EXPECT_EQ(SEND_FIELD(App().g_sSendSet.szRemotePhoneNum), "");
}

TEST_F(SendPageHandlers, PreviousPageWritesThePageIntoTheSnapshot) {
  ASSERT_TRUE(s().Paste(kLonDeg, "12"));
  ASSERT_TRUE(s().Paste(kLonMin, "34"));
  ASSERT_TRUE(s().Paste(kLonSec, "56"));
  ASSERT_TRUE(s().Select(kLonDir, 1));
  ASSERT_TRUE(s().Select(kLatDir, 1));
  ASSERT_TRUE(s().Paste(kLatDeg, "7"));
  ASSERT_TRUE(s().Select(kRemoteInterval, 24));
  ASSERT_TRUE(s().Paste(kRemotePhone, "+4930123456"));
  ASSERT_TRUE(s().Paste(kRemoteEmail, "boss@example.org"));
  ASSERT_TRUE(s().Click(kPreviousPage));
  ASSERT_EQ(nexts_.size(), 1u);
  EXPECT_EQ(nexts_[0], platform::WindowKind::WirelessParams);
  const SendSet& n = App().SendSetSnapshot;
  EXPECT_EQ(n.sLongitude.byDir, 1);
  EXPECT_EQ(n.sLongitude.byDeg, 12);
  EXPECT_EQ(n.sLongitude.byMin, 34);
  EXPECT_EQ(n.sLongitude.bySec, 56);
  EXPECT_EQ(n.sLatitude.byDir, 1);
  EXPECT_EQ(n.sLatitude.byDeg, 7);
  EXPECT_EQ(n.bySendImgSize, 0);  // fixed on this model
  EXPECT_EQ(n.byRemoteInterval, 24);
  EXPECT_EQ(n.byRemoteSwitch, 1);
  EXPECT_EQ(App().g_sSendSet.byRemoteSwitch, 1);
  EXPECT_EQ(SEND_FIELD(n.szRemotePhoneNum), "+4930123456");
  EXPECT_EQ(SEND_FIELD(n.szRemoteEmail), "boss@example.org");
  EXPECT_EQ(n.uwMaxSendImgNum, 0);
  EXPECT_EQ(n.bySendMode, 0);
}

TEST_F(SendPageTest, SecondOpeningStartsFromTheSnapshot) {
  Prepare(518, kSendEmail);
  App().SendSetSnapshot = App().g_sSendSet;  // as the wireless parameter page leaves it
  OpenPage(2);
  ASSERT_TRUE(s().Paste(kEmail1, "one@example.org"));
  ASSERT_TRUE(s().Select(kRemoteInterval, 1));  // 10 minutes
  ASSERT_TRUE(s().Paste(kRemotePhone, "13800001111"));
  ASSERT_TRUE(s().Click(kPreviousPage));
  // The wireless parameter page would restore g_sSendSet from the snapshot;
  // the second opening of this page does so itself.
  ASSERT_EQ(s().TopTemplate(), kSendSettingsTemplate);
  EXPECT_EQ(s().Text(kEmail1), "one@example.org");
  EXPECT_EQ(s().Selection(kRemoteInterval), 1);
  EXPECT_EQ(s().Text(kRemotePhone), "13800001111");
  EXPECT_EQ(App().g_sSendSet.byRemoteInterval, 0);
}

}  // namespace
}  // namespace send_test

namespace send_test {
namespace {

// The wireless parameter page never offers MMS, and never lets an empty
// network APN through; a record in that state (from another caller of
// Generate) still meets the same checks on this page, in either language.
TEST_F(SendPageTest, MmsAndNetworkApnMessagesThroughThePage) {
  Prepare(520, kSendMms);
  App().g_sSendSet.byOperatorCountry = kManualCountry;
  App().UiLanguage = 0;
  OpenPage();
  EXPECT_TRUE(s().Enabled(kPhone1));
  EXPECT_EQ(Generate(), "未生成配置文件！\r\n请输入至少一个手机号码或邮箱地址。");
  EXPECT_EQ(last_caption_, "警告");
  EXPECT_EQ(last_icon_, platform::MsgIcon::Warning);
  ASSERT_TRUE(s().Paste(kPhone2, "13800000002"));
  EXPECT_EQ(Generate(), UiStr(kMsgGenFailMmsUrl));
  CopyTextField(App().g_sSendSet.sMmsSet.szUrl, "http://mms.example.org");
  EXPECT_EQ(Generate(), UiStr(kMsgGenFailMmsApn));
  CopyTextField(App().g_sSendSet.sMmsSet.szApn, "mms");
  EXPECT_EQ(Generate(), UiStr(kMsgGenFailMmsGateway));
  CopyTextField(App().g_sSendSet.sMmsSet.szGateway, "10.0.0.172");
  EXPECT_EQ(Generate(), "成功生成配置文件!");
  EXPECT_EQ(last_caption_, "通知");
  ASSERT_TRUE(s().Close());

  session_ = std::make_unique<headless::Session>();
  App().SendSettingsFirstOpen = true;
  Prepare(520, kSendFtp);
  App().g_sSendSet.byOperatorCountry = kManualCountry;
  App().UiLanguage = 1;
  OpenPage();
  EXPECT_EQ(Generate(), "Generate failed!\r\nPlease enter network APN.");
}

}  // namespace
}  // namespace send_test

namespace send_test {
namespace {

// A card that cannot be written: a small tmpfs remounted read-only.
class SendPageReadOnly : public SendPageTest {
 protected:
  void SetUp() override {
    SendPageTest::SetUp();
    card_ = dir_ / "card";
    std::filesystem::create_directories(card_);
    if (std::system(("mount -t tmpfs -o size=64k tmpfs '" + card_.string() + "' 2>/dev/null").c_str()) != 0)
      GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    mounted_ = true;
    UseFolder(card_.string());
  }
  void TearDown() override {
    session_.reset();
    if (mounted_) (void)std::system(("umount '" + card_.string() + "'").c_str());
    SendPageTest::TearDown();
  }
  std::filesystem::path card_;
  bool mounted_ = false;
};

TEST_F(SendPageReadOnly, GenerateWritesNothingAndSaysWhy) {
  Prepare(516, kSendEmail);
  CopyTextField(App().g_sSendSet.sSmtpSet.szWLNetApN, "internet");
  CopyTextField(App().g_sSendSet.sSmtpSet.szServer, "smtp.example.org");
  App().g_sSendSet.sSmtpSet.iPort = 25;
  CopyTextField(App().g_sSendSet.sSmtpSet.szAddr, "cam@example.org");
  CopyTextField(App().g_sSendSet.sSmtpSet.szPassword, "pw");
  OpenPage();
  ASSERT_TRUE(s().Paste(kEmail1, "one@example.org"));
  ASSERT_EQ(Generate(), "Generate Success!");
  const std::vector<uint8_t> old_file = ReadAll(card_ / "CFG.BIN");
  ASSERT_EQ(old_file.size(), 1320u);
  ASSERT_EQ(std::system(("mount -o remount,ro '" + card_.string() + "'").c_str()), 0);

  ASSERT_TRUE(s().Paste(kEmail1, "changed@example.org"));
  s().ClearDiag();
  EXPECT_EQ(Generate(), "CFG.BIN could not be written.\r\nThe card or folder is write-protected.");
  EXPECT_EQ(last_caption_, "Warning");
  EXPECT_EQ(last_icon_, platform::MsgIcon::Warning);
  EXPECT_TRUE(DiagHas("Generate fail!"));
  EXPECT_EQ(ReadAll(card_ / "CFG.BIN"), old_file);
  EXPECT_EQ(SEND_FIELD(App().g_sSendSet.szRecp[2]), "changed@example.org");
  EXPECT_EQ(s().TopTemplate(), kSendSettingsTemplate);
  EXPECT_EQ(s().Text(kEmail1), "changed@example.org");
}

}  // namespace
}  // namespace send_test
