// The main window on the headless host: first start, model and language
// changes, the Wireless Setup button, painting and the hand-over to the
// setup windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "apps/common/all_windows.h"
#include "platform/headless/headless.h"
#include "records/app_state.h"
#include "shell/app.h"
#include "shell/main_window.h"
#include "trailset_version.h"

namespace {

using headless::BitmapDraw;
using platform::WindowKind;

constexpr int kModelList = 40012;
constexpr int kLangList = 40014;
constexpr int kWireless = 40008;
constexpr int kCamera = 40003;

// Stands in for a setup window: records what it saw when it opened and
// goes back to the main window when closed.
int g_probe_opened = 0;
uint16_t g_probe_setup_id = 0;
int32_t g_probe_language = -1;

class ProbeWindow final : public platform::Window {
 public:
  explicit ProbeWindow(int tpl) : tpl_(tpl) {}
  int TemplateId() const override { return tpl_; }
  void OnInit(platform::Dialog&) override {
    ++g_probe_opened;
    g_probe_setup_id = App().CamSetupDlgId;
    g_probe_language = App().UiLanguage;
  }
  void OnCommand(platform::Dialog&, int, platform::Notify) override {}
  void OnClose(platform::Dialog& dlg) override {
    SetNext(WindowKind::Main);
    dlg.End(0);
  }

 private:
  int tpl_;
};

const platform::ControlDef kProbeControls[] = {
    {1, platform::ControlClass::PushButton, platform::kTabStop, 0, 0, 10, 10, "x"},
};
const platform::DialogLayout kCameraProbe = {900, "camera probe", 50, 50, kProbeControls};
const platform::DialogLayout kWirelessProbe = {901, "wireless probe", 50, 50, kProbeControls};

platform::WindowRegistry g_windows;

void RunMainOnly(platform::Host& host) {
  g_windows.Register(WindowKind::Main, &MakeMainWindow);
  g_windows.Register(WindowKind::CameraSetup, [] {
    return std::unique_ptr<platform::Window>(new ProbeWindow(900));
  });
  g_windows.Register(WindowKind::WirelessParams, [] {
    return std::unique_ptr<platform::Window>(new ProbeWindow(901));
  });
  platform::RunWindowChain(host, g_windows, WindowKind::Main);
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellState();
    g_probe_opened = 0;
    g_probe_setup_id = 0;
    g_probe_language = -1;
    s.AddLayout(&kCameraProbe);
    s.AddLayout(&kWirelessProbe);
  }
  void TearDown() override {
    for (auto kind : {WindowKind::CameraSetup, WindowKind::WirelessParams})
      g_windows.Register(kind, nullptr);
  }
  void Start(int language_id, std::string dir = "/cards/first") {
    s.services().SetSystemLanguageId(language_id);
    s.services().SetWorkingDirectory(dir);
    s.Start(&RunMainOnly);
    ASSERT_EQ(s.TopTemplate(), 100);
  }

  headless::Session s;
};

TEST_F(MainWindowTest, FirstStartInChineseOnAChineseSystem) {
  Start(2052);
  EXPECT_EQ(App().UiLanguage, 0);
  EXPECT_EQ(s.Title(), "设置");
  EXPECT_EQ(s.Text(40005), "软件版本");
  EXPECT_EQ(s.Text(40001), "界面语言");
  EXPECT_EQ(s.Text(kCamera), "相机设置");
  EXPECT_EQ(s.Text(kWireless), "无线设置");
  EXPECT_EQ(s.Text(40006), "相机型号");
  EXPECT_EQ(s.Text(40000), TRAILSET_VERSION_COMMAS);
  EXPECT_EQ(s.Items(kLangList), (std::vector<std::string>{"中文", "English"}));
  EXPECT_EQ(s.Selection(kLangList), 0);
  EXPECT_EQ(s.Icon(), 103);
}

TEST_F(MainWindowTest, FirstStartInEnglishOnAnyOtherSystem) {
  for (int id : {1033, 1028, 0}) {
    ResetShellState();
    headless::Session other;
    other.services().SetSystemLanguageId(id);
    other.Start(&RunMainOnly);
    EXPECT_EQ(App().UiLanguage, 1) << id;
    EXPECT_EQ(other.Title(), "Setup") << id;
    EXPECT_EQ(other.Text(40001), "Interface Language") << id;
    EXPECT_EQ(other.Text(40006), "Camera Model") << id;
    EXPECT_EQ(other.Selection(kLangList), 1) << id;
  }
}

TEST_F(MainWindowTest, FirstStartShowsModel524WithItsPictureAndTheFolder) {
  Start(1033, "/cards/first");
  EXPECT_EQ(GetModelCode(), 524);
  EXPECT_EQ(App().CamSetupDlgId, 113);
  EXPECT_STREQ(App().SaveFolder, "/cards/first");
  ASSERT_EQ(s.Items(kModelList).size(), 22u);  // the named rows only
  EXPECT_EQ(s.Items(kModelList)[0], "NANO-A");
  EXPECT_EQ(s.Items(kModelList)[21], "VORN-K3U-4G");
  EXPECT_EQ(s.Selection(kModelList), 12);
  EXPECT_EQ(s.Text(kModelList), "VORN-R1W ULTRA");
  EXPECT_TRUE(s.Enabled(kWireless));
  EXPECT_EQ(s.Text(kWireless), "Wireless Setup");
  EXPECT_TRUE(s.Checked(40010));
  EXPECT_FALSE(s.Enabled(40002));
  EXPECT_FALSE(s.Enabled(40011));
  EXPECT_EQ(s.LastPaint(), (std::vector<BitmapDraw>{{101, 22, 10, 340, 72}, {140, 22, 88, 167, 155}}));
  EXPECT_EQ(s.PaintCount(), 1);
  EXPECT_EQ(s.DiagLines().back(), "CamWirelessFunc = 4");
}

TEST_F(MainWindowTest, UnreadableOrOverlongWorkingDirectoryLeavesTheFolder) {
  s.services().SetWorkingDirectory(std::nullopt);
  s.Start(&RunMainOnly);
  EXPECT_STREQ(App().SaveFolder, "C:\\");

  ResetShellState();
  headless::Session other;
  other.services().SetWorkingDirectory("/" + std::string(259, 'd'));  // 260 bytes: no room for the zero
  other.Start(&RunMainOnly);
  EXPECT_STREQ(App().SaveFolder, "C:\\");

  ResetShellState();
  headless::Session fits;
  const std::string longest = "/" + std::string(258, 'd');
  fits.services().SetWorkingDirectory(longest);
  fits.Start(&RunMainOnly);
  EXPECT_EQ(std::string(App().SaveFolder), longest);
}

// CamWirelessFunc of each family-2 row, as the catalogue gives it.
constexpr int kWirelessFunc[22] = {0, 0, 1, 0, 4, 0, 4, 4, 4, 4, 4, 1, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};

TEST_F(MainWindowTest, WirelessSetupFollowsEveryModel) {
  Start(1033);
  for (int row = 0; row < 22; ++row) {
    // Leave the row first so that every row is a real change.
    ASSERT_TRUE(s.Select(kModelList, row == 12 ? 0 : 12));
    ASSERT_TRUE(s.Select(kModelList, row));
    EXPECT_EQ(GetModelCode(), 512 + row);
    EXPECT_EQ(App().CamSetupDlgId, 113) << row;
    EXPECT_EQ(s.Enabled(kWireless), kWirelessFunc[row] != 0) << row;
    EXPECT_EQ(s.Text(kWireless), kWirelessFunc[row] == 1 ? "WIFI Setup" : "Wireless Setup") << row;
  }
}

TEST_F(MainWindowTest, ModelChangeRepaintsTheNewPicture) {
  Start(1033);
  ASSERT_TRUE(s.Select(kModelList, 5));  // VORN-P3, picture 137
  EXPECT_EQ(s.PaintCount(), 2);
  EXPECT_EQ(s.LastPaint().at(1), (BitmapDraw{137, 22, 88, 167, 155}));
  EXPECT_EQ(App().CamPictureId, 137);
}

TEST_F(MainWindowTest, ReselectingTheCurrentRowChangesNothing) {
  Start(1033);
  s.ClearDiag();
  ASSERT_TRUE(s.Select(kModelList, 12));
  EXPECT_EQ(s.PaintCount(), 1);
  EXPECT_EQ(GetModelCode(), 524);
  EXPECT_TRUE(s.DiagLines().empty());  // not even the wireless lookup ran
}

TEST_F(MainWindowTest, LanguageSwitchRelabelsAndKeepsTheModel) {
  Start(1033);
  ASSERT_TRUE(s.Select(kModelList, 11));  // VORN-P5-WIFI
  const int paints = s.PaintCount();
  ASSERT_TRUE(s.Select(kLangList, 0));
  EXPECT_EQ(App().UiLanguage, 0);
  EXPECT_EQ(s.Title(), "设置");
  EXPECT_EQ(s.Text(kWireless), "WIFI设置");
  EXPECT_EQ(s.Items(kLangList).size(), 2u);
  EXPECT_EQ(s.Selection(kLangList), 0);
  EXPECT_EQ(s.Items(kModelList).size(), 22u);
  EXPECT_EQ(s.Selection(kModelList), 11);
  EXPECT_EQ(GetModelCode(), 523);
  EXPECT_EQ(s.PaintCount(), paints);
  EXPECT_EQ(s.LastPaint().at(1).bitmap_id, 135);

  ASSERT_TRUE(s.Select(kLangList, 1));
  EXPECT_EQ(s.Title(), "Setup");
  EXPECT_EQ(s.Text(kWireless), "WIFI Setup");
}

TEST_F(MainWindowTest, EscapeIsIgnoredAndEnterOpensCameraSetup) {
  Start(1033);
  ASSERT_TRUE(s.Escape());
  EXPECT_EQ(s.TopTemplate(), 100);
  EXPECT_FALSE(s.Finished());
  ASSERT_TRUE(s.Enter());
  EXPECT_EQ(s.TopTemplate(), 900);
  EXPECT_EQ(g_probe_opened, 1);
  EXPECT_EQ(g_probe_setup_id, 113);
}

TEST_F(MainWindowTest, ReturningFromCameraSetupShowsTheSameState) {
  Start(2052, "/cards/first");
  ASSERT_TRUE(s.Select(kModelList, 7));
  ASSERT_TRUE(s.Click(kCamera));
  ASSERT_EQ(s.TopTemplate(), 900);
  EXPECT_EQ(g_probe_language, 0);
  // The system changes meanwhile; the main window does not look again.
  s.services().SetSystemLanguageId(1033);
  s.services().SetWorkingDirectory("/cards/other");
  ASSERT_TRUE(s.Close());
  ASSERT_EQ(s.TopTemplate(), 100);
  EXPECT_EQ(s.Title(), "设置");
  EXPECT_EQ(s.Selection(kLangList), 0);
  EXPECT_EQ(s.Selection(kModelList), 7);
  EXPECT_EQ(s.LastPaint().at(1).bitmap_id, 125);
  EXPECT_STREQ(App().SaveFolder, "/cards/first");
  EXPECT_EQ(s.Text(kWireless), "无线设置");
}

TEST_F(MainWindowTest, WirelessSetupOpensTheWirelessPageOnlyForWirelessModels) {
  Start(1033);
  ASSERT_TRUE(s.Select(kModelList, 0));  // NANO-A: no module
  EXPECT_FALSE(s.Click(kWireless));      // the button is disabled
  ASSERT_TRUE(s.Select(kModelList, 2));  // NANO-A-WIFI
  ASSERT_TRUE(s.Click(kWireless));
  EXPECT_EQ(s.TopTemplate(), 901);
  ASSERT_TRUE(s.Close());
  EXPECT_EQ(s.TopTemplate(), 100);
  EXPECT_EQ(s.Selection(kModelList), 2);
}

TEST_F(MainWindowTest, OtherCommandsHaveNoEffect) {
  Start(1033);
  s.ClearDiag();
  ASSERT_TRUE(s.Click(40010));           // the family radio button
  ASSERT_TRUE(s.Type(kModelList, "x"));  // the list's editable part
  ASSERT_TRUE(s.Type(kLangList, "y"));
  EXPECT_EQ(App().ModelFamily, 2);
  EXPECT_EQ(GetModelCode(), 524);
  EXPECT_EQ(App().UiLanguage, 1);
  EXPECT_EQ(s.Selection(kModelList), 12);
  EXPECT_EQ(s.PaintCount(), 1);
  EXPECT_TRUE(s.DiagLines().empty());
  EXPECT_EQ(s.TopTemplate(), 100);
}

TEST_F(MainWindowTest, ThousandHandOversToCameraSetupAndBackKeepTheStack) {
  Start(1033);
  const std::size_t start = s.StackDepth();
  for (int i = 0; i < 500; ++i) {
    ASSERT_TRUE(s.Click(kCamera));
    ASSERT_EQ(s.TopTemplate(), 900);
    ASSERT_EQ(s.StackDepth(), start);
    ASSERT_TRUE(s.Close());
    ASSERT_EQ(s.TopTemplate(), 100);
    ASSERT_EQ(s.StackDepth(), start);
  }
  EXPECT_EQ(g_probe_opened, 500);
  EXPECT_EQ(GetModelCode(), 524);
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheApplication) {
  Start(1033);
  ASSERT_TRUE(s.Close());
  EXPECT_TRUE(s.Finished());
  EXPECT_EQ(s.TopTemplate(), 0);
}

TEST_F(MainWindowTest, SetupWindowsMissingFromTheBuildLeadBackToTheMainWindow) {
  Start(1033);
  g_windows.Register(WindowKind::CameraSetup, nullptr);
  ASSERT_TRUE(s.Click(kCamera));
  EXPECT_EQ(s.TopTemplate(), 100);
  EXPECT_EQ(s.Selection(kModelList), 12);
}

}  // namespace
