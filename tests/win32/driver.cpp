// The sessions the end-to-end tests play on trailset_e2e.exe under Wine.
// Each checks what the user sees and the files written, and takes a
// screenshot of every window it passes through.
#include "tests/win32/driver.h"

#include <windows.h>
// platform::CreateWindow is meant, not the Windows macro.
#undef CreateWindow

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string_view>
#include <vector>

#include "camera/cam_setup_ids.h"
#include "platform/layout.h"
#include "platform/window.h"
#include "records/menu_record.h"
#include "shell/ui_strings.h"
#include "tests/win32/ui_driver.h"

namespace {

using e2e::Boxes;
using e2e::UiDriver;

constexpr int kChinese = 0, kEnglish = 1;
const char* const kLangTag[2] = {"zh", "en"};

// Main window controls.
constexpr int kVersion = 40000, kGrpLanguage = 40001, kCameraSetup = 40003, kGrpVersion = 40005;
constexpr int kGrpModel = 40006, kWirelessSetup = 40008, kModelList = 40012, kPictureFrame = 40013;
constexpr int kLanguageList = 40014;
constexpr int kRowNanoA = 0, kRowNanoAWifi = 2, kRowR1WUltra = 12;

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

  int Run() {
    lang_ = system_lang_ = GetSystemDefaultLangID() == 2052 ? kChinese : kEnglish;
    ui_.Log(std::string("session: system language ") + kLangTag[lang_]);
    HWND main = MainFirstStart();
    if (main) main = MainModelChoice(main);
    if (main) main = MainLanguageSwitch(main);
    if (main && platform::CreateWindow(platform::WindowKind::CameraSetup)) main = CameraSetup(main);
    if (main) {
      ui_.Close(main);
      ui_.Check(ui_.WaitGone(main), "closing the main window ends it");
    }
    ui_.Log(ui_.failures() ? "RESULT: FAIL" : "RESULT: PASS");
    return ui_.failures() ? 1 : 0;
  }

 private:
  // Screenshot "<system language>-<window language>-<what>".
  std::string Shot(std::string_view what) {
    std::string name = std::string("sys") + kLangTag[system_lang_] + "-" + kLangTag[lang_] + "-" + std::string(what);
    ui_.Shot(name);
    return name;
  }

  void CheckMainTexts(HWND main) {
    ui_.CheckEq(ui_.Title(main), T(kTxtSetup, lang_), "main window title");
    ui_.CheckEq(ui_.Text(main, kCameraSetup), T(kTxtCameraSetup, lang_), "Camera Setup button");
    ui_.CheckEq(ui_.Text(main, kGrpVersion), T(kTxtVersion, lang_), "version frame");
    ui_.CheckEq(ui_.Text(main, kGrpLanguage), T(kTxtInterfaceLanguage, lang_), "language frame");
    ui_.CheckEq(ui_.Text(main, kGrpModel), T(kTxtCameraModel, lang_), "model frame");
    ui_.CheckEq(ui_.Text(main, kVersion), "1,1,0,75", "version text");
    ui_.CheckEq(ui_.Count(main, kLanguageList), 2, "language list rows");
    ui_.CheckEq(ui_.Item(main, kLanguageList, 0), "中文", "language row 0");
    ui_.CheckEq(ui_.Item(main, kLanguageList, 1), "English", "language row 1");
    ui_.CheckEq(ui_.Selection(main, kLanguageList), lang_, "language list selection");
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
    // The picture is painted at fixed pixels inside the frame laid out in
    // dialog units: both agree only when the dialog font has the base units
    // the layouts assume.
    const RECT frame = ui_.ClientRectOf(main, kPictureFrame);
    const platform::Rect want = platform::DialogUnitsToPixels(14, 53, 114, 98);
    ui_.Check(frame.left == want.x && frame.top == want.y && frame.right - frame.left == want.w &&
                  frame.bottom - frame.top == want.h,
              "picture frame at " + std::to_string(want.x) + "," + std::to_string(want.y) + " " +
                  std::to_string(want.w) + "x" + std::to_string(want.h) + " client pixels (got " +
                  std::to_string(frame.left) + "," + std::to_string(frame.top) + " " +
                  std::to_string(frame.right - frame.left) + "x" + std::to_string(frame.bottom - frame.top) + ")");
    Shot("main");
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
    Shot("main-nano-a-wifi");
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
      if (lang != first) Shot("main");
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
    Shot("camera-setup");

    ui_.CheckBoxes(ui_.Click(cam, camid::kDefault), {{T(kTxtNotice, lang_), T(kMsgDefaultGenerateSuccess, lang_), false}},
                   "Default");
    const std::vector<uint8_t> defaults = ReadFileBytes(L"menu.dat");
    const int layout = MenuLayout;
    ui_.CheckEq(static_cast<long>(defaults.size()), MenuSize(layout), "menu.dat size after Default");
    if (static_cast<int>(defaults.size()) != MenuSize(layout)) return nullptr;

    // One setting changed by the user, then Generate.
    const int mode_rows = ui_.Count(cam, camid::kCapMode);
    const int new_mode = ui_.Selection(cam, camid::kCapMode) == 1 ? 0 : 1;
    ui_.Check(mode_rows > 1, "capture mode list has rows");
    ui_.Choose(cam, camid::kCapMode, new_mode);
    ui_.CheckBoxes(ui_.Click(cam, camid::kGenerate), {{T(kTxtNotice, lang_), T(kMsgGenerateSuccess, lang_), false}},
                   "Generate");
    Shot("camera-setup-generated");
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
        g_driver_result = name == L"startup" ? sessions.RunStartup() : sessions.Run();
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
