// The sessions the end-to-end tests play on trailset_e2e.exe under Wine.
// Each checks what the user sees and the files written, and takes a
// screenshot of every window it passes through.
#include "tests/win32/driver.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <winver.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string_view>
#include <vector>

#include "apps/common/all_windows.h"
#include "camera/cam_setup_ids.h"
#include "platform/layout.h"
#include "platform/win32/win32_host.h"
#include "platform/window.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/menu_record.h"
#include "records/send_set.h"
#include "shell/main_window.h"
#include "shell/save_failure.h"
#include "shell/ui_strings.h"
#include "tests/win32/ui_driver.h"
#include "trailset_version.h"
#include "wireless/gps_mailbox.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_page.h"

namespace {

using e2e::Boxes;
using e2e::UiDriver;

constexpr int kChinese = 0, kEnglish = 1;
const char* const kLangTag[2] = {"zh", "en"};

// Main window controls.
constexpr int kVersion = 40000, kGrpLanguage = 40001, kCameraSetup = 40003, kGrpVersion = 40005;
constexpr int kGrpModel = 40006, kWirelessSetup = 40008, kModelList = 40012, kPictureFrame = 40013;
constexpr int kLanguageList = 40014;
constexpr int kRowNanoA = 0, kRowNanoAWifi = 2, kRowP34G = 6, kRowR1WUltra = 12;

const char* T(const UiText& t, int lang) { return t.s[lang]; }

std::vector<uint8_t> ReadFileBytes(const wchar_t* name) {
  std::vector<uint8_t> bytes;
  if (FILE* f = _wfopen(name, L"rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(f);
  }
  return bytes;
}

// The display's DPI as the (DPI-aware) program sees it.
int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// A rectangle of the window logic's 96-dpi client pixels where it is on
// this dialog: scaled as the dialog's font scales its dialog units.
RECT OnScreen(HWND dlg, int x, int y, int w, int h) {
  RECT units{0, 0, 4, 8};
  MapDialogRect(dlg, &units);
  auto sx = [&](int v) { return MulDiv(v, units.right, platform::kBaseUnitX); };
  auto sy = [&](int v) { return MulDiv(v, units.bottom, platform::kBaseUnitY); };
  return RECT{sx(x), sy(y), sx(x + w), sy(y + h)};
}

// Mean difference per colour channel below which the screen shows the
// picture it should (stretching on screen and in memory may round apart).
constexpr double kSamePicture = 6.0;

long long UnixMillisNow() {
  FILETIME ft;
  GetSystemTimePreciseAsFileTime(&ft);
  const long long t = (static_cast<long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  return t / 10000 - 11644473600000LL;
}

class Sessions {
 public:
  explicit Sessions(DWORD ui_thread) : ui_(ui_thread) {}

  // "startup": only waits for the main window and closes it.
  int RunStartup() {
    lang_ = GetSystemDefaultLangID() == 2052 ? kChinese : kEnglish;
    HWND main = ui_.WaitDialog(T(kTxtSetup, lang_), 30000);
    if (main) {
      ui_.Log("MAIN_SHOWN_UNIX_MS=" + std::to_string(UnixMillisNow()));
      ui_.Close(main);
      ui_.Check(ui_.WaitGone(main), "closing the main window ends it");
    }
    return ui_.failures() ? 1 : 0;
  }

  // "readonly": the working directory, and so the save folder, is a
  // write-protected card; Camera Setup's Generate warns why.
  int RunReadOnlyCard() {
    lang_ = system_lang_ = GetSystemDefaultLangID() == 2052 ? kChinese : kEnglish;
    HWND main = ui_.WaitDialog(T(kTxtSetup, lang_), 30000);
    if (!main) return 1;
    ui_.Click(main, kCameraSetup);
    HWND cam = ui_.WaitDialog(T(kTxtCameraSetup, lang_));
    if (!cam) return 1;
    ui_.ShotNextBox(ShotName("box-write-protected"));
    ui_.CheckBoxes(ui_.Click(cam, camid::kGenerate), {{T(kTxtWarning, lang_), Refusal(EROFS), true}},
                   "Generate onto a write-protected card");
    ui_.Close(cam);
    main = ui_.WaitDialog(T(kTxtSetup, lang_));
    if (main) ui_.Close(main);
    ui_.Check(main && ui_.WaitGone(main), "closing the main window ends it");
    ui_.Log(ui_.failures() ? "RESULT: FAIL" : "RESULT: PASS");
    return ui_.failures() ? 1 : 0;
  }

  int Run() {
    lang_ = system_lang_ = GetSystemDefaultLangID() == 2052 ? kChinese : kEnglish;
    ui_.Log(std::string("session: system language ") + kLangTag[lang_]);
    CheckResources();
    HWND main = MainFirstStart();
    if (main) main = MainModelChoice(main);
    if (main) main = MainLanguageSwitch(main);
    if (main && AllWindows().Has(platform::WindowKind::CameraSetup)) {
      main = CameraSetup(main);
      if (main) main = CameraSetupNanoB(main);
    }
    if (main && AllWindows().Has(platform::WindowKind::WirelessParams) &&
        AllWindows().Has(platform::WindowKind::SendSettings)) {
      main = Wireless(main, kRowR1WUltra, "r1w-ultra");
      // VORN-P3-4G carries the GPS coordinates mailbox and the longer file.
      if (main && AllWindows().Has(platform::WindowKind::GpsMailbox)) main = Wireless(main, kRowP34G, "p3-4g");
    }
    if (main) {
      ui_.Close(main);
      ui_.Check(ui_.WaitGone(main), "closing the main window ends it");
    }
    ui_.Log(ui_.failures() ? "RESULT: FAIL" : "RESULT: PASS");
    return ui_.failures() ? 1 : 0;
  }

 private:
  // Screenshot "sys<system language>-<window language>-<what>".
  // At another DPI than 96 "sys<system language>-<window language>-<dpi>dpi-<what>".
  std::string ShotName(std::string_view what) const {
    const int dpi = ScreenDpi();
    return std::string("sys") + kLangTag[system_lang_] + "-" + kLangTag[lang_] + "-" +
           (dpi == 96 ? std::string() : std::to_string(dpi) + "dpi-") + std::string(what);
  }
  // A screenshot of a window after checking that nothing in it is cut.
  void ShotChecked(HWND dlg, std::string_view what) {
    ui_.CheckNothingClipped(dlg, ShotName(what));
    Shot(what);
  }
  void Shot(std::string_view what) { ui_.Shot(ShotName(what)); }

  // The save path edit shows the folder and lets it be selected, but a
  // key typed into it changes nothing: only Browse changes the folder.
  void CheckSavePathReadOnly(HWND dlg, int id) {
    HWND edit = GetDlgItem(dlg, id);
    ui_.Check((GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0, "the save path edit is read-only");
    const std::string shown = ui_.Text(dlg, id);
    SendMessageW(edit, WM_CHAR, L'x', 1);
    ui_.CheckEq(ui_.Text(dlg, id), shown, "a key typed into the save path changes nothing");
    SendMessageW(edit, EM_SETSEL, 0, -1);
    DWORD from = 0, to = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    ui_.CheckEq(static_cast<long>(to - from), static_cast<long>(GetWindowTextLengthW(edit)),
                "the save path can be selected whole");
  }

  void CheckMainTexts(HWND main) {
    ui_.CheckEq(ui_.Title(main), T(kTxtSetup, lang_), "main window title");
    ui_.CheckEq(ui_.Text(main, kCameraSetup), T(kTxtCameraSetup, lang_), "Camera Setup button");
    ui_.CheckEq(ui_.Text(main, kGrpVersion), T(kTxtVersion, lang_), "version frame");
    ui_.CheckEq(ui_.Text(main, kGrpLanguage), T(kTxtInterfaceLanguage, lang_), "language frame");
    ui_.CheckEq(ui_.Text(main, kGrpModel), T(kTxtCameraModel, lang_), "model frame");
    ui_.CheckEq(ui_.Text(main, kVersion), TRAILSET_VERSION_COMMAS, "version text");
    ui_.CheckEq(ui_.Count(main, kLanguageList), 2, "language list rows");
    ui_.CheckEq(ui_.Item(main, kLanguageList, 0), "中文", "language row 0");
    ui_.CheckEq(ui_.Item(main, kLanguageList, 1), "English", "language row 1");
    ui_.CheckEq(ui_.Selection(main, kLanguageList), lang_, "language list selection");
  }

  // The program's resources: every bitmap at its size and depth, both
  // icon groups, the manifest asking for common controls 6 as invoker, and
  // the file version.
  void CheckResources() {
    HINSTANCE self = GetModuleHandleW(nullptr);
    for (int id : {101, 107, 111, 119, 121, 123, 125, 127, 129, 132, 135, 137, 140, 143}) {
      auto bmp = static_cast<HBITMAP>(LoadImageW(self, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
      BITMAP info{};
      ui_.Check(bmp && GetObjectW(bmp, sizeof info, &info), "bitmap " + std::to_string(id) + " loads");
      if (!bmp) continue;
      const bool banner = id == 101;
      ui_.CheckEq(info.bmWidth, banner ? 360 : 167, "width of bitmap " + std::to_string(id));
      ui_.CheckEq(info.bmHeight, banner ? 52 : 155, "height of bitmap " + std::to_string(id));
      ui_.CheckEq(info.bmBitsPixel, 24, "bits per pixel of bitmap " + std::to_string(id));
      DeleteObject(bmp);
    }
    for (int id : {102, 103})
      ui_.Check(FindResourceW(self, MAKEINTRESOURCEW(id), RT_GROUP_ICON) != nullptr, "icon group " + std::to_string(id));

    HRSRC res = FindResourceW(self, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ui_.Check(res != nullptr, "manifest resource 1");
    if (res) {
      const char* text = static_cast<const char*>(LockResource(LoadResource(self, res)));
      const std::string manifest(text, SizeofResource(self, res));
      ui_.Check(manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos &&
                    manifest.find("version=\"6.0.0.0\"") != std::string::npos,
                "the manifest asks for common controls 6");
      ui_.Check(manifest.find("level=\"asInvoker\"") != std::string::npos, "the manifest runs as invoker");
      ui_.Check(manifest.find(">PerMonitorV2") != std::string::npos, "the manifest declares per-monitor (v2) DPI awareness");
      ui_.Check(manifest.find("version=\"" TRAILSET_VERSION "\"") != std::string::npos, "the manifest has the version");
    }
    CheckPerMonitorAware();

    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<uint8_t> version(GetFileVersionInfoSizeW(path, &ignored));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    const bool has = !version.empty() && GetFileVersionInfoW(path, 0, static_cast<DWORD>(version.size()), version.data()) &&
                     VerQueryValueW(version.data(), L"\\", reinterpret_cast<void**>(&fixed), &len) && fixed;
    ui_.Check(has, "version information");
    if (has) {
      ui_.CheckEq(static_cast<long>(fixed->dwFileVersionMS),
                  static_cast<long>(MAKELONG(TRAILSET_VERSION_MINOR, TRAILSET_VERSION_MAJOR)), "file version major, minor");
      ui_.CheckEq(static_cast<long>(fixed->dwFileVersionLS),
                  static_cast<long>(MAKELONG(TRAILSET_VERSION_TWEAK, TRAILSET_VERSION_PATCH)), "file version patch, tweak");
    }
  }

  // The process runs aware of each monitor's DPI, as its manifest asks
  // (the functions are looked up: they are newer than the headers' target).
  void CheckPerMonitorAware() {
    using ThreadContext = HANDLE(WINAPI*)();
    using AwarenessOf = int(WINAPI*)(HANDLE);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    auto context = reinterpret_cast<ThreadContext>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
    auto awareness = reinterpret_cast<AwarenessOf>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    ui_.Check(context && awareness, "the system tells the DPI awareness");
    constexpr int kPerMonitorAware = 2;
    if (context && awareness)
      ui_.CheckEq(awareness(context()), kPerMonitorAware, "DPI awareness of the program (2: per monitor)");
  }

  // The banner and the model picture are drawn whole, each pixel of the
  // bitmap over the pixels the dialog's scale gives it, the picture
  // inside its frame. The window is painted a moment after it shows or
  // after a new model is chosen (later still on a loaded machine), so each
  // comparison waits until the screen shows the picture.
  void CheckMainPictures(HWND main, int picture_id, std::string_view what) {
    using namespace mainwin;
    const RECT banner = OnScreen(main, kBannerX, kBannerY, kBannerW, 52);
    const double banner_diff = ShownDifference(main, kBannerBitmap, {kBannerW, 52}, banner);
    ui_.Check(banner_diff >= 0 && banner_diff < kSamePicture,
              std::string(what) + ": the banner is shown whole (difference " + std::to_string(banner_diff) + ")");
    const RECT picture = OnScreen(main, kPictureX, kPictureY, kPictureW, kPictureH);
    const double diff = ShownDifference(main, picture_id, {kPictureW, kPictureH}, picture);
    ui_.Check(diff >= 0 && diff < kSamePicture, std::string(what) + ": picture " + std::to_string(picture_id) +
                                                    " is shown whole (difference " + std::to_string(diff) + ")");
    const RECT frame = ui_.ClientRectOf(main, kPictureFrame);
    ui_.Check(picture.left >= frame.left && picture.top >= frame.top && picture.right <= frame.right &&
                  picture.bottom <= frame.bottom,
              std::string(what) + ": the picture lies inside its frame");
  }

  // The difference once it is small, or the last one after 10 s.
  double ShownDifference(HWND dlg, int bitmap_id, SIZE part, const RECT& place) {
    double diff = -1;
    for (int waited = 0; waited <= 10000; waited += 50) {
      diff = ui_.DifferenceFromBitmap(dlg, bitmap_id, part, place);
      if (diff >= 0 && diff < kSamePicture) break;
      Sleep(50);
    }
    return diff;
  }

  HWND MainFirstStart() {
    HWND main = ui_.WaitDialog(T(kTxtSetup, lang_), 30000);
    if (!main) return nullptr;
    ui_.Log("MAIN_SHOWN_UNIX_MS=" + std::to_string(UnixMillisNow()));
    CheckMainTexts(main);
    ui_.CheckEq(ui_.Selection(main, kModelList), kRowR1WUltra, "first start model row");
    ui_.CheckEq(ui_.Item(main, kModelList, kRowR1WUltra), "VORN-R1W ULTRA", "first start model");
    ui_.Check(ui_.Enabled(main, kWirelessSetup), "Wireless Setup enabled for VORN-R1W ULTRA");
    ui_.CheckEq(ui_.Text(main, kWirelessSetup), T(kTxtWirelessSetup, lang_), "Wireless Setup label");
    // At 96 dpi the picture is painted at fixed pixels inside the frame
    // laid out in dialog units: both agree only when the dialog font has
    // the base units the layouts assume. On a scaled display the font, and
    // so the dialog units, grow with the DPI.
    const int dpi = ScreenDpi();
    if (dpi == 96) {
      const RECT frame = ui_.ClientRectOf(main, kPictureFrame);
      const platform::Rect want = platform::DialogUnitsToPixels(14, 53, 114, 98);
      ui_.Check(frame.left == want.x && frame.top == want.y && frame.right - frame.left == want.w &&
                    frame.bottom - frame.top == want.h,
                "picture frame at " + std::to_string(want.x) + "," + std::to_string(want.y) + " " +
                    std::to_string(want.w) + "x" + std::to_string(want.h) + " client pixels (got " +
                    std::to_string(frame.left) + "," + std::to_string(frame.top) + " " +
                    std::to_string(frame.right - frame.left) + "x" + std::to_string(frame.bottom - frame.top) + ")");
    } else {
      RECT units{0, 0, 4, 8};
      MapDialogRect(main, &units);
      ui_.Check(std::abs(MulDiv(platform::kBaseUnitX, dpi, 96) - units.right) <= 1 &&
                    std::abs(MulDiv(platform::kBaseUnitY, dpi, 96) - units.bottom) <= 1,
                "the dialog font follows the display's " + std::to_string(dpi) + " dpi (base units " +
                    std::to_string(units.right) + "x" + std::to_string(units.bottom) + ")");
    }
    CheckMainPictures(main, ModelPictureId(2, kRowR1WUltra), "first start");
    ShotChecked(main, "main");
    // Escape is the cancel command: the main window stays.
    ui_.CheckBoxes(ui_.Escape(main), {}, "Escape on the main window");
    ui_.Check(IsWindowVisible(main) != FALSE, "Escape leaves the main window open");
    return main;
  }

  HWND MainModelChoice(HWND main) {
    ui_.CheckBoxes(ui_.Choose(main, kModelList, kRowNanoA), {}, "choosing NANO-A");
    ui_.Check(!ui_.Enabled(main, kWirelessSetup), "Wireless Setup disabled for NANO-A");
    ui_.CheckBoxes(ui_.Choose(main, kModelList, kRowNanoAWifi), {}, "choosing NANO-A-WIFI");
    ui_.Check(ui_.Enabled(main, kWirelessSetup), "Wireless Setup enabled for NANO-A-WIFI");
    ui_.CheckEq(ui_.Text(main, kWirelessSetup), T(kTxtWifiSetup, lang_), "Wireless Setup label of a WiFi model");
    ShotChecked(main, "main-nano-a-wifi");
    // Every model picture, once (they do not depend on the language).
    if (system_lang_ == kEnglish) {
      std::set<int> seen;
      for (int row = 0; row < ModelRowCount(2); ++row) {
        const int id = ModelPictureId(2, row);
        if (!seen.insert(id).second) continue;
        ui_.Choose(main, kModelList, row);
        CheckMainPictures(main, id, ModelName(2, row));
        Shot("main-picture-" + std::to_string(id));
      }
    }
    ui_.Choose(main, kModelList, kRowR1WUltra);
    ui_.CheckEq(ui_.Text(main, kWirelessSetup), T(kTxtWirelessSetup, lang_), "Wireless Setup label back");
    return main;
  }

  // Switches to the other language and back; the model row stays.
  HWND MainLanguageSwitch(HWND main) {
    const int first = lang_;
    for (int lang : {1 - first, first}) {
      ui_.CheckBoxes(ui_.Choose(main, kLanguageList, lang), {}, "choosing a language");
      lang_ = lang;
      CheckMainTexts(main);
      ui_.CheckEq(ui_.Selection(main, kModelList), kRowR1WUltra, "model row kept over a language switch");
      if (lang != first) ShotChecked(main, "main");
    }
    return main;
  }

  // Camera Setup for VORN-R1W ULTRA: Default, a change, Generate, back to
  // the main window. The files are compared byte for byte.
  HWND CameraSetup(HWND main) {
    ui_.Click(main, kCameraSetup);
    ui_.Check(ui_.WaitGone(main), "Camera Setup ends the main window");
    HWND cam = ui_.WaitDialog(T(kTxtCameraSetup, lang_));
    if (!cam) return nullptr;
    wchar_t cwd[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    ui_.CheckEq(ui_.Text(cam, camid::kSaveFolder), e2e::Utf8(cwd), "save folder shows the working directory");
    CheckSavePathReadOnly(cam, camid::kSaveFolder);
    ShotChecked(cam, "camera-setup");

    ui_.ShotNextBox(ShotName("box-default-success"));
    ui_.CheckBoxes(ui_.Click(cam, camid::kDefault), {{T(kTxtNotice, lang_), T(kMsgDefaultGenerateSuccess, lang_), false}},
                   "Default");
    const std::vector<uint8_t> defaults = ReadFileBytes(L"menu.dat");
    const int layout = App().MenuLayout;
    ui_.CheckEq(static_cast<long>(defaults.size()), MenuSize(layout), "menu.dat size after Default");
    if (static_cast<int>(defaults.size()) != MenuSize(layout)) return nullptr;

    // One setting changed by the user, then Generate.
    const int mode_rows = ui_.Count(cam, camid::kCapMode);
    const int new_mode = ui_.Selection(cam, camid::kCapMode) == 1 ? 0 : 1;
    ui_.Check(mode_rows > 1, "capture mode list has rows");
    ui_.Choose(cam, camid::kCapMode, new_mode);
    ui_.CheckBoxes(ui_.Click(cam, camid::kGenerate), {{T(kTxtNotice, lang_), T(kMsgGenerateSuccess, lang_), false}},
                   "Generate");
    ShotChecked(cam, "camera-setup-generated");
    const std::vector<uint8_t> generated = ReadFileBytes(L"menu.dat");
    ui_.CheckEq(static_cast<long>(generated.size()), MenuSize(layout), "menu.dat size after Generate");
    if (generated.size() == defaults.size()) CompareMenu(defaults, generated, layout, new_mode);

    ui_.Close(cam);
    ui_.Check(ui_.WaitGone(cam), "closing Camera Setup ends it");
    main = ui_.WaitDialog(T(kTxtSetup, lang_));
    if (!main) return nullptr;
    ui_.CheckEq(ui_.Selection(main, kModelList), kRowR1WUltra, "model row after Camera Setup");
    ui_.CheckEq(ui_.Selection(main, kLanguageList), lang_, "language after Camera Setup");
    return main;
  }

  // Camera Setup for NANO-B: its video sound row moved into the capture
  // settings, the coloured label, and the folder picker choosing a folder
  // with a Chinese name that Generate then writes into.
  HWND CameraSetupNanoB(HWND main) {
    constexpr int kRowNanoB = 1;
    ui_.Choose(main, kModelList, kRowNanoB);
    // Enter is the default button, Camera Setup.
    ui_.PressEnter();
    ui_.Check(ui_.WaitGone(main), "Enter on the main window opens Camera Setup");
    HWND cam = ui_.WaitDialog(T(kTxtCameraSetup, lang_));
    if (!cam) return nullptr;
    // The moved row sits where the scene row is laid out.
    const RECT moved = ui_.ClientRectOf(cam, camid::kLblTimeZone);
    const RECT scene = ui_.ClientRectOf(cam, camid::kLblScene);
    ui_.Check(moved.left == scene.left && moved.top == scene.top, "NANO-B's video sound label in the scene row");
    ShotChecked(cam, "camera-setup-nano-b");
    if (ui_.Enabled(cam, camid::kLblTimeZone))
      ui_.Check(ui_.BluePixels(cam, camid::kLblTimeZone) > 10, "the label 40126 is drawn in its blue");

    wchar_t profile[MAX_PATH] = {};
    GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH);
    const std::wstring folder = std::wstring(profile) + L"\\存储卡 SD";
    // An empty card: a prefix made from another one holds the files an
    // earlier session wrote there, which the wireless page would load.
    for (const wchar_t* file : {L"\\menu.dat", L"\\CFG.BIN"}) DeleteFileW((folder + file).c_str());
    CreateDirectoryW(folder.c_str(), nullptr);
    HWND picker = ui_.ClickOpeningAny(cam, camid::kBrowse);
    if (!picker) return nullptr;
    CheckPickerStartsAtSaveFolder(picker);
    Shot("folder-picker");
    // Pick the folder as a user would: opening the tree down to it and
    // selecting it.
    ui_.Check(platform::win32::SelectPickerFolder(picker, folder), "the folder picker shows the new folder");
    const std::wstring picked = SelectedTreeItem(picker);
    ui_.Check(picked == L"存储卡 SD", "the folder picker selects the new folder (selected: " + e2e::Utf8(picked) + ")");
    PostMessageW(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ui_.Check(ui_.WaitGone(picker), "the folder picker ends on OK");
    ui_.Settle();
    ui_.CheckEq(ui_.Text(cam, camid::kSaveFolder), e2e::Utf8(folder), "save folder after Browse");
    ui_.CheckBoxes(ui_.Click(cam, camid::kGenerate), {{T(kTxtNotice, lang_), T(kMsgGenerateSuccess, lang_), false}},
                   "Generate into the chosen folder");
    const std::vector<uint8_t> written = ReadFileBytes((folder + L"\\menu.dat").c_str());
    ui_.CheckEq(static_cast<long>(written.size()), MenuSize(App().MenuLayout), "menu.dat in the chosen folder");
    GenerateIntoRemovedFolder(cam, folder);

    ui_.Close(cam);
    ui_.Check(ui_.WaitGone(cam), "closing Camera Setup ends it");
    main = ui_.WaitDialog(T(kTxtSetup, lang_));
    if (!main) return nullptr;
    ui_.Choose(main, kModelList, kRowR1WUltra);
    return main;
  }

  // The folder taken away after it was chosen: Generate warns why; the
  // folder then comes back for the windows that follow.
  void GenerateIntoRemovedFolder(HWND cam, const std::wstring& folder) {
    for (const wchar_t* name : {L"\\menu.dat", L"\\CFG.BIN"}) DeleteFileW((folder + name).c_str());
    ui_.Check(RemoveDirectoryW(folder.c_str()) != FALSE, "the chosen folder removed");
    ui_.ShotNextBox(ShotName("box-folder-gone"));
    ui_.CheckBoxes(ui_.Click(cam, camid::kGenerate), {{T(kTxtWarning, lang_), Refusal(ENOENT), true}},
                   "Generate into a folder that has gone");
    ui_.Check(GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES, "nothing made the folder again");
    CreateDirectoryW(folder.c_str(), nullptr);
  }

  static std::string Refusal(int error_number) {
    return SaveFailureMessage(kMenuFileName, RecordOutcome::Fault(RecordFault::SystemError, error_number));
  }

  // The folder picker opens with the save folder selected: it selects it
  // before its window shows.
  void CheckPickerStartsAtSaveFolder(HWND picker) {
    const std::wstring folder = e2e::Wide(App().SaveFolder);
    const std::wstring name = folder.substr(folder.find_last_of(L'\\') + 1);
    ui_.CheckEq(e2e::Utf8(SelectedTreeItem(picker)), e2e::Utf8(name), "the folder picker opens at the save folder");
  }

  // Text of the selected entry of the folder picker's tree.
  static std::wstring SelectedTreeItem(HWND picker) {
    HWND tree = FindWindowExW(picker, nullptr, WC_TREEVIEWW, nullptr);
    if (!tree) return {};
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return {};
    wchar_t text[MAX_PATH] = {};
    TVITEMW tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = MAX_PATH;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    return text;
  }

  // The file written by Generate equals the one written by Default except
  // for the capture mode the user changed, the Reset byte and the clock,
  // which follows the PC.
  void CompareMenu(std::vector<uint8_t> defaults, std::vector<uint8_t> generated, int layout, int new_mode) {
    UnscrambleBytes(defaults.data(), static_cast<int>(defaults.size()));
    UnscrambleBytes(generated.data(), static_cast<int>(generated.size()));
    std::set<int> changing;
    for (MenuSetting s : {MenuSetting::ClockYear, MenuSetting::ClockMonth, MenuSetting::ClockDay,
                          MenuSetting::ClockHour, MenuSetting::ClockMinute, MenuSetting::ClockSecond}) {
      const int at = FieldLocation(s, layout);
      if (at < 0) continue;
      changing.insert(at);
      if (s == MenuSetting::ClockYear) changing.insert(at + 1);
    }
    const int mode_at = FieldLocation(MenuSetting::CapMode, layout);
    ui_.Check(mode_at >= 0, "the layout has a capture mode");
    if (mode_at < 0) return;
    changing.insert(mode_at);
    ui_.CheckEq(generated[static_cast<std::size_t>(mode_at)], new_mode, "capture mode byte in menu.dat");
    // Where the layout has it, the Reset byte tells a Default file (1)
    // from a Generate file (0).
    if (const int at = FieldLocation(MenuSetting::Reset, layout); at >= 0) {
      changing.insert(at);
      ui_.CheckEq(defaults[static_cast<std::size_t>(at)], 1, "Reset byte written by Default");
      ui_.CheckEq(generated[static_cast<std::size_t>(at)], 0, "Reset byte written by Generate");
    }
    for (std::size_t i = 0; i < defaults.size(); ++i) {
      if (changing.count(static_cast<int>(i))) continue;
      ui_.CheckEq(generated[i], defaults[i], "menu.dat byte " + std::to_string(i) + " unchanged by Generate");
    }
  }

  // Long typical values, so that the screenshots show whether they fit:
  // e-mail addresses and server names of 24 characters, an access point
  // name of 20.
  static constexpr const char* kLongServer = "smtp.trailcam-mail.co.uk";
  static constexpr const char* kLongAddress = "cam.sender@trailmail.com";
  static constexpr const char* kLongGpsAddress = "gps.sender@trailmail.com";
  static constexpr const char* kLongInbox = "gps.inbox@trailmail.com";
  static constexpr const char* kLongApn = "internet.provider.eu";

  // Wireless Setup for the model in row `row`: e-mail sending with a
  // sender mailbox, Next Page, two recipients, Generate; CFG.BIN checked
  // field by field and against the record the program holds.
  HWND Wireless(HWND main, int row, std::string_view tag) {
    using namespace wp_ids;
    ui_.Choose(main, kModelList, row);
    const uint16_t code = static_cast<uint16_t>(512 + row);
    const bool gps = code == 518 || code == 519;
    ui_.Click(main, kWirelessSetup);
    ui_.Check(ui_.WaitGone(main), "Wireless Setup ends the main window");
    HWND page = ui_.WaitDialog(T(kTxtWirelessParamSettings, lang_));
    if (!page) return nullptr;
    ShotChecked(page, "wireless-page-" + std::string(tag));

    int email_row = -1;
    const auto entries = SendByEntries(code);
    for (std::size_t k = 0; k < entries.size(); ++k)
      if (entries[k].mode == kSendEmail) email_row = static_cast<int>(k);
    ui_.Check(email_row >= 0, "the send-by list offers e-mail");
    if (email_row < 0) return nullptr;
    ui_.CheckBoxes(ui_.Choose(page, kSendBy, email_row), {}, "choosing e-mail sending");
    if (!gps) {
      // Next Page without a sender mailbox: one warning, and the page stays.
      ui_.ShotNextBox(ShotName("box-warning"));
      const Boxes warned = ui_.Click(page, kNextPage);
      ui_.CheckEq(static_cast<long>(warned.size()), 1, "warnings for Next Page without a sender");
      if (!warned.empty()) {
        ui_.CheckEq(warned[0].caption, T(kTxtWarning, lang_), "warning caption");
        ui_.Check(warned[0].warning, "the warning shows the warning icon");
      }
      ui_.Check(IsWindowVisible(page) != FALSE, "the page stays after the warning");
    }
    ui_.CheckBoxes(ui_.Type(page, kSenderServer, kLongServer), {}, "sender server");
    ui_.CheckBoxes(ui_.Type(page, kSenderPort, "465"), {}, "sender port");
    ui_.CheckBoxes(ui_.Type(page, kSenderAddr, kLongAddress), {}, "sender address");
    ui_.CheckBoxes(ui_.Type(page, kSenderPassword, "mail-pass"), {}, "sender password");
    ui_.CheckEq(ui_.Text(page, kSenderUser), kLongAddress, "the account mirrors the address");
    // A network name beyond ASCII is stored in the system's ANSI code page,
    // as cameras and existing files have it.
    std::string ssid_bytes;
    if (!gps && ui_.Enabled(page, kNetAccount) && ui_.Visible(page, kNetAccount)) {
      const bool chinese = GetACP() == 936;
      const std::wstring ssid = chinese ? L"营地WiFi" : L"Caf\u00e9 Nord";
      ui_.CheckBoxes(ui_.Type(page, kNetAccount, e2e::Utf8(ssid)), {}, "network name");
      ssid_bytes = chinese ? std::string("\xD3\xAA\xB5\xD8WiFi") : std::string("Caf\xE9 Nord");
    }
    // The page keeps the network of the previous visit; a cellular model
    // left on manual input needs its access point typed.
    std::string apn = ui_.Text(page, kNetApn);
    if (apn.empty() && ui_.Enabled(page, kNetApn) && ui_.Visible(page, kNetApn)) {
      apn = kLongApn;
      ui_.CheckBoxes(ui_.Type(page, kNetApn, apn), {}, "network APN");
    }
    ShotChecked(page, "wireless-page-" + std::string(tag) + "-email");

    if (gps) {
      // The mailbox window opens over the page without an owner, so the
      // page stays enabled behind it.
      ui_.ClickOpening(page, kGpsMailbox, T(kTxtGpsMailbox, lang_));
      HWND box = ui_.WaitDialog(T(kTxtGpsMailbox, lang_));
      if (!box) return nullptr;
      ui_.Check(IsWindowEnabled(page) != FALSE, "the wireless page stays enabled under the GPS mailbox window");
      ui_.Check(GetWindow(box, GW_OWNER) == nullptr, "the GPS mailbox window has no owner");
      ui_.CheckBoxes(ui_.Type(box, gps_ids::kServer, kLongServer), {}, "GPS server");
      ui_.CheckBoxes(ui_.Type(box, gps_ids::kPort, "587"), {}, "GPS port");
      ui_.CheckBoxes(ui_.Type(box, gps_ids::kAddr, kLongGpsAddress), {}, "GPS address");
      ui_.CheckBoxes(ui_.Type(box, gps_ids::kPassword, "gps-pass"), {}, "GPS password");
      ui_.CheckBoxes(ui_.Type(box, gps_ids::kInboxAddr, kLongInbox), {}, "GPS inbox");
      ShotChecked(box, "gps-mailbox");
      ui_.CheckBoxes(ui_.Click(box, gps_ids::kOk), {}, "GPS mailbox OK");
      ui_.Check(ui_.WaitGone(box), "OK ends the GPS mailbox window");
      ui_.Settle();
    }

    if (gps) {
      // Next Page shows the filled mailbox once more before handing over.
      ui_.ClickOpening(page, kNextPage, T(kTxtGpsMailbox, lang_));
      HWND box = ui_.WaitDialog(T(kTxtGpsMailbox, lang_));
      if (!box) return nullptr;
      ui_.CheckEq(ui_.Text(box, gps_ids::kInboxAddr), kLongInbox, "GPS inbox kept");
      ui_.CheckBoxes(ui_.Click(box, gps_ids::kOk), {}, "GPS mailbox OK after Next Page");
      ui_.WaitGone(box);
      ui_.Settle();
    } else {
      ui_.CheckBoxes(ui_.Click(page, kNextPage), {}, "Next Page");
    }
    ui_.Check(ui_.WaitGone(page), "Next Page ends the wireless page");
    HWND send = ui_.WaitDialog(T(kTxtSendSettings, lang_));
    if (!send) return nullptr;
    ShotChecked(send, "send-settings-" + std::string(tag));
    CheckSavePathReadOnly(send, send_ids::kFolder);
    if (!gps) {
      // Browse here opens at the folder chosen in Camera Setup; Cancel keeps it.
      const std::string before = ui_.Text(send, send_ids::kFolder);
      if (HWND picker = ui_.ClickOpeningAny(send, send_ids::kBrowse)) {
        CheckPickerStartsAtSaveFolder(picker);
        Shot("folder-picker-at-save-folder");
        PostMessageW(picker, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        ui_.Check(ui_.WaitGone(picker), "the folder picker ends on Cancel");
        ui_.Settle();
        ui_.CheckEq(ui_.Text(send, send_ids::kFolder), before, "Cancel in the folder picker keeps the folder");
      }
    }

    const bool emails = ui_.Enabled(send, send_ids::kEmail1) && ui_.Visible(send, send_ids::kEmail1);
    if (emails) {
      ui_.CheckBoxes(ui_.Type(send, send_ids::kEmail1, "one@example.org"), {}, "recipient 1");
      ui_.CheckBoxes(ui_.Type(send, send_ids::kEmail2, "two@example.org"), {}, "recipient 2");
    }
    ui_.CheckBoxes(ui_.Click(send, send_ids::kGenerate), {{T(kTxtNotice, lang_), T(kMsgGenerateSuccess, lang_), false}},
                   "Generate on the send settings page");
    SYSTEMTIME now{};
    GetLocalTime(&now);
    ShotChecked(send, "send-settings-" + std::string(tag) + "-generated");
    CheckCfg(gps, emails, apn, ssid_bytes, now);

    ui_.Close(send);
    ui_.Check(ui_.WaitGone(send), "closing the send settings page ends it");
    main = ui_.WaitDialog(T(kTxtSetup, lang_));
    if (main) ui_.CheckEq(ui_.Selection(main, kModelList), row, "model row after the wireless pages");
    return main;
  }

  static std::string Field(const char* f, std::size_t n) {
    std::size_t len = 0;
    while (len < n && f[len]) ++len;
    return std::string(f, len);
  }

  void CheckCfg(bool gps, bool emails, const std::string& apn, const std::string& ssid_bytes,
                const SYSTEMTIME& now) {
    // Written into the folder chosen with Browse before.
    std::vector<uint8_t> file = ReadFileBytes((e2e::Wide(App().SaveFolder) + L"\\CFG.BIN").c_str());
    ui_.CheckEq(static_cast<long>(file.size()), gps ? 1500 : 1320, "CFG.BIN size");
    if (file.size() != (gps ? 1500u : 1320u)) return;
    // The program's own record, as written, before decoding the file.
    if (!gps) {
      std::vector<uint8_t> held(sizeof(SendSet));
      std::memcpy(held.data(), &App().g_sSendSet, sizeof(SendSet));
      held[0] |= IF_SEND_BY_APP_SET_FLG;
      ScrambleBytes(held.data(), static_cast<int>(held.size()));
      bool same = held == file;
      ui_.Check(same, "CFG.BIN holds the record the program holds, byte for byte");
    }
    UnscrambleBytes(file.data(), static_cast<int>(file.size()));
    SendSetTarn rec{};
    std::memcpy(&rec, file.data(), file.size());
    const SendSet& f = rec.sSendSet;
    ui_.CheckEq(f.bySendBy, IF_SEND_BY_APP_SET_FLG | kSendEmail, "send-by byte");
    ui_.CheckEq(Field(f.sSmtpSet.szServer, sizeof f.sSmtpSet.szServer), kLongServer, "sender server");
    ui_.CheckEq(f.sSmtpSet.iPort, 465, "sender port");
    ui_.CheckEq(Field(f.sSmtpSet.szAddr, sizeof f.sSmtpSet.szAddr), kLongAddress, "sender address");
    ui_.CheckEq(Field(f.sSmtpSet.szUserName, sizeof f.sSmtpSet.szUserName), kLongAddress, "sender account");
    ui_.Check(Field(f.sSmtpSet.szPassword, sizeof f.sSmtpSet.szPassword) == "mail-pass", "sender password stored");
    ui_.CheckEq(Field(f.sSmtpSet.szWLNetApN, sizeof f.sSmtpSet.szWLNetApN), apn, "network APN");
    if (!ssid_bytes.empty())
      ui_.Check(Field(f.sSmtpSet.szWLNetAccount, sizeof f.sSmtpSet.szWLNetAccount) == ssid_bytes,
                "network name stored in the ANSI code page");
    if (emails) {
      ui_.CheckEq(Field(f.szRecp[2], sizeof f.szRecp[2]), "one@example.org", "recipient 1");
      ui_.CheckEq(Field(f.szRecp[3], sizeof f.szRecp[3]), "two@example.org", "recipient 2");
    }
    // The time stamp is the PC's local time of the Generate.
    const int stamped = ((f.sTime.byDay * 24 + f.sTime.byHour) * 60 + f.sTime.byMinute) * 60 + f.sTime.bySecond;
    const int pc = ((now.wDay * 24 + now.wHour) * 60 + now.wMinute) * 60 + now.wSecond;
    ui_.CheckEq(f.sTime.byYear, now.wYear - 2000, "time stamp year");
    ui_.CheckEq(f.sTime.byMonth, now.wMonth, "time stamp month");
    ui_.Check(pc - stamped >= 0 && pc - stamped <= 5, "time stamp within 5 s before the check");
    if (gps) {
      const GpsMail& g = rec.sGpsMail;
      ui_.CheckEq(g.iPort, 587, "GPS port");
      ui_.CheckEq(Field(g.szGpsServer, sizeof g.szGpsServer), kLongServer, "GPS server");
      ui_.CheckEq(Field(g.szGpsSmtpAccount, sizeof g.szGpsSmtpAccount), kLongGpsAddress, "GPS account");
      ui_.Check(Field(g.szGpsSmtpPassword, sizeof g.szGpsSmtpPassword) == "gps-pass", "GPS password stored");
      ui_.CheckEq(Field(g.szGpsAddr, sizeof g.szGpsAddr), kLongInbox, "GPS inbox");
    }
  }

  UiDriver ui_;
  int lang_ = kEnglish;
  int system_lang_ = kEnglish;
};

}  // namespace

namespace {
HANDLE g_driver = nullptr;
std::atomic<int> g_driver_result{1};
}  // namespace

void StartTestDriver() {
  wchar_t session[64] = {};
  if (!GetEnvironmentVariableW(L"TRAILSET_E2E_SESSION", session, 64)) return;
  static std::wstring name;
  name = session;
  static DWORD ui_thread;
  ui_thread = GetCurrentThreadId();
  g_driver = CreateThread(
      nullptr, 0,
      [](LPVOID) -> DWORD {
        Sessions sessions(ui_thread);
        g_driver_result = name == L"startup"    ? sessions.RunStartup()
                          : name == L"readonly" ? sessions.RunReadOnlyCard()
                                                : sessions.Run();
        // A session that failed may have left windows open: end the program
        // rather than wait for a user who is not there.
        if (g_driver_result != 0) ExitProcess(static_cast<UINT>(g_driver_result.load()));
        return 0;
      },
      nullptr, 0, nullptr);
}

int FinishTestDriver() {
  if (!g_driver) return 0;
  // The driver closes the main window last; it has little left to do then.
  if (WaitForSingleObject(g_driver, 30000) != WAIT_OBJECT_0) {
    std::fprintf(stderr, "e2e: the driver did not finish after the program's windows closed\n");
    return 1;
  }
  return g_driver_result;
}
