// A user's session of trailset on the portable GUI, played under a real X
// display through FLTK's event path: the main window, a model change, the
// language switch, Camera Setup with Default and Generate, and the
// wireless windows of this build. The files written are checked byte by
// byte, and every window is kept as a screenshot.
//
//   trailset-gui-session SHOT_DIR
//
// The session starts in the system language (LANG), so running it under
// LANG=zh_CN.UTF-8 and LANG=en_US.UTF-8 shows every window in both.
// It runs in the working directory, which becomes the save folder.
#include "apps/common/all_windows.h"
#include "camera/cam_setup_ids.h"
#include "platform/fltk/fltk_host.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/menu_record.h"
#include "records/send_set.h"
#include "shell/app.h"
#include "shell/save_failure.h"
#include "shell/save_folder.h"
#include "shell/ui_strings.h"
#include "tests/gui/gui_driver.h"
#include "trailset_version.h"
#include "wireless/gps_mailbox.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_page.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

// FLTK's headers bring in X11's macros: after every header of ours.
#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

namespace {

using guitest::Dialog;
using platform::fltk::FltkDialog;
using guitest::Script;

constexpr int kMainTemplate = 100;
constexpr int kVersion = 40000, kGrpLanguage = 40001, kCameraSetup = 40003, kGrpVersion = 40005;
constexpr int kGrpModel = 40006, kWirelessSetup = 40008, kModelList = 40012, kLanguageList = 40014;
constexpr int kSetClockInput = 1;
constexpr int kRowNanoA = 0, kRowNanoAWifi = 2, kRowGpsModel = 6, kRowR1WUltra = 12;

std::string g_shots;
int g_lang = 1;  // the language the session is in now
bool g_main_closed = false;
std::chrono::steady_clock::time_point g_started;
double g_startup_ms = -1;

const char* T(const UiText& t) { return t.s[g_lang == 0 ? 0 : 1]; }
const char* Tag() { return g_lang == 0 ? "zh" : "en"; }

void Shot(const std::string& what) { guitest::Screenshot(g_shots, std::string(Tag()) + "-" + what); }

template <typename A, typename B>
void ExpectEq(const A& got, const B& want, const std::string& what) {
  if (!(got == want)) {
    std::string g, w;
    if constexpr (std::is_convertible_v<A, std::string>) g = got; else g = std::to_string(got);
    if constexpr (std::is_convertible_v<B, std::string>) w = want; else w = std::to_string(want);
    guitest::Fail(what + ": got \"" + g + "\", expected \"" + w + "\"");
  }
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::filesystem::path SaveFile(const char* name) { return std::filesystem::path(App().SaveFolder) / name; }

void CheckMainTexts() {
  auto& m = Dialog(kMainTemplate);
  ExpectEq(m.Title(), T(kTxtSetup), "main window title");
  ExpectEq(m.Text(kCameraSetup), T(kTxtCameraSetup), "Camera Setup button");
  ExpectEq(m.Text(kGrpVersion), T(kTxtVersion), "version frame");
  ExpectEq(m.Text(kGrpLanguage), T(kTxtInterfaceLanguage), "language frame");
  ExpectEq(m.Text(kGrpModel), T(kTxtCameraModel), "model frame");
  ExpectEq(m.Text(kVersion), TRAILSET_VERSION_COMMAS, "version text");
  ExpectEq(m.ListCount(kLanguageList), 2, "language list rows");
  ExpectEq(m.ListItem(kLanguageList, 0), "中文", "language row 0");
  ExpectEq(m.ListItem(kLanguageList, 1), "English", "language row 1");
  ExpectEq(m.ListSelection(kLanguageList), g_lang, "language list selection");
}

void ChooseModel(int row) { guitest::Choose(Dialog(kMainTemplate), kModelList, row); }

// ---------------------------------------------------------------------------
// Main window

void MainWindowSteps(Script& s) {
  s.WaitDialog(kMainTemplate, 30)
      .Do("first start", [] {
        g_startup_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - g_started).count();
        auto& m = Dialog(kMainTemplate);
        CheckMainTexts();
        ExpectEq(m.ListSelection(kModelList), kRowR1WUltra, "first start model row");
        ExpectEq(m.ListItem(kModelList, kRowR1WUltra), "VORN-R1W ULTRA", "first start model");
        GUI_EXPECT(m.IsEnabled(kWirelessSetup), "Wireless Setup enabled for VORN-R1W ULTRA");
        ExpectEq(m.Text(kWirelessSetup), T(kTxtWirelessSetup), "Wireless Setup label");
        ExpectEq(std::string(App().SaveFolder), std::filesystem::current_path().string(), "save folder at start");
        GUI_EXPECT(Fl::focus() == m.Widget(kCameraSetup), "the main window starts with the focus on Camera Setup");
        Shot("main");
        guitest::PressKey(m, FL_Escape);
        GUI_EXPECT(!m.Ended(), "Escape leaves the main window open");
      })
      .Do("model change", [] {
        auto& m = Dialog(kMainTemplate);
        ChooseModel(kRowNanoA);
        GUI_EXPECT(!m.IsEnabled(kWirelessSetup), "Wireless Setup disabled for NANO-A");
        ChooseModel(kRowNanoAWifi);
        GUI_EXPECT(m.IsEnabled(kWirelessSetup), "Wireless Setup enabled for NANO-A-WIFI");
        ExpectEq(m.Text(kWirelessSetup), T(kTxtWifiSetup), "Wireless Setup label of a WiFi model");
        ExpectEq(GetModelCode(), 514, "model code of NANO-A-WIFI");
        Shot("main-nano-a-wifi");
        // Every model picture once (they do not depend on the language).
        if (g_lang == 1) {
          std::set<int> seen;
          for (int row = 0; row < ModelRowCount(2); ++row) {
            const int id = ModelPictureId(2, row);
            if (!seen.insert(id).second) continue;
            ChooseModel(row);
            Shot("main-picture-" + std::to_string(id));
          }
        }
        ChooseModel(kRowR1WUltra);
        ExpectEq(m.Text(kWirelessSetup), T(kTxtWirelessSetup), "Wireless Setup label back");
      })
      .Do("open the model list", [] { guitest::OpenList(Dialog(kMainTemplate), kModelList); })
      .WaitFor("the open list", [] { return guitest::ListMenuOpen(); })
      .Do("the next model by keyboard", [] {
        Shot("main-model-list");
        guitest::MenuKey(FL_Down);
        guitest::MenuKey(FL_Enter);
      })
      .WaitFor("the list closes", [] { return !guitest::ListMenuOpen(); })
      .Do("a model picked from the open list", [] {
        auto& m = Dialog(kMainTemplate);
        ExpectEq(m.ListSelection(kModelList), kRowR1WUltra + 1, "model row picked in the open list");
        ExpectEq(GetModelCode(), 512 + kRowR1WUltra + 1, "model code picked in the open list");
        ChooseModel(kRowR1WUltra);
      })
      .Do("language switch and back", [] {
        auto& m = Dialog(kMainTemplate);
        const int first = g_lang;
        for (int lang : {1 - first, first}) {
          guitest::Choose(m, kLanguageList, lang);
          g_lang = lang;
          CheckMainTexts();
          ExpectEq(m.ListSelection(kModelList), kRowR1WUltra, "model row kept over a language switch");
          if (lang != first) Shot("main");
        }
      });
}

// ---------------------------------------------------------------------------
// Camera setup

struct CameraRun {
  std::vector<uint8_t> defaults;
  int new_mode = 0;
};
CameraRun g_cam;

void CompareMenu(std::vector<uint8_t> defaults, std::vector<uint8_t> generated, int layout, int new_mode) {
  UnscrambleBytes(defaults.data(), static_cast<int>(defaults.size()));
  UnscrambleBytes(generated.data(), static_cast<int>(generated.size()));
  // The clock is what the user typed (the other clock fields follow the
  // PC); the capture mode and the clock mode are what the user changed;
  // the reset flag tells Default from Generate.
  std::set<int> changing;
  for (MenuSetting f : {MenuSetting::ClockYear, MenuSetting::ClockMonth, MenuSetting::ClockDay,
                        MenuSetting::ClockHour, MenuSetting::ClockMinute, MenuSetting::ClockSecond}) {
    const int at = FieldLocation(f, layout);
    if (at < 0) continue;
    changing.insert(at);
    if (f == MenuSetting::ClockYear) changing.insert(at + 1);
  }
  const int mode_at = FieldLocation(MenuSetting::CapMode, layout);
  GUI_EXPECT(mode_at >= 0, "the layout has a capture mode");
  if (mode_at < 0) return;
  changing.insert(mode_at);
  const int clock_at = FieldLocation(MenuSetting::SetClock, layout);
  const int hour_at = FieldLocation(MenuSetting::ClockHour, layout);
  changing.insert(clock_at);
  ExpectEq(generated[static_cast<std::size_t>(clock_at)] & 3, kSetClockInput, "clock mode bits");
  const int lon_at = FieldLocation(MenuSetting::LongitudeDeg, layout);
  changing.insert(lon_at);
  ExpectEq(static_cast<int>(generated[static_cast<std::size_t>(lon_at)]), 180, "longitude byte");
  ExpectEq(static_cast<int>(generated[static_cast<std::size_t>(hour_at)]), 23, "typed hour byte");
  if (const int reset_at = FieldLocation(MenuSetting::Reset, layout); reset_at >= 0) {
    changing.insert(reset_at);
    ExpectEq(static_cast<int>(defaults[static_cast<std::size_t>(reset_at)]), 1, "reset flag written by Default");
    ExpectEq(static_cast<int>(generated[static_cast<std::size_t>(reset_at)]), 0, "reset flag written by Generate");
  }
  ExpectEq(static_cast<int>(generated[static_cast<std::size_t>(mode_at)]), new_mode, "capture mode byte in menu.dat");
  for (std::size_t i = 0; i < defaults.size(); ++i) {
    if (changing.count(static_cast<int>(i))) continue;
    ExpectEq(static_cast<int>(generated[i]), static_cast<int>(defaults[i]),
             "menu.dat byte " + std::to_string(i) + " unchanged by Generate");
  }
}

// The card write-protected: a read-only file system mounted over its
// folder (as root), its write permission taken otherwise. Where neither
// can be done here, the card is taken away instead. Returns the errno the
// save will meet.
int g_card_failure = 0;
bool g_card_mounted = false;
int BreakCard(const std::filesystem::path& card) {
  if (::geteuid() != 0) {
    std::filesystem::permissions(card, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    return EROFS;  // EACCES, which means the same
  }
  g_card_mounted = ::mount("tmpfs", card.c_str(), "tmpfs", MS_RDONLY, "size=16k") == 0;
  if (g_card_mounted) return EROFS;
  std::printf("no read-only mount here (%s): the card is taken away instead\n", std::strerror(errno));
  std::filesystem::remove_all(card);
  return ENOENT;
}
void MendCard(const std::filesystem::path& card) {
  if (g_card_mounted) ::umount2(card.c_str(), MNT_DETACH);
  g_card_mounted = false;
  std::filesystem::create_directories(card);
  std::filesystem::permissions(card, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
}

void CameraSetupSteps(Script& s) {
  // Enter presses the default button, Camera Setup.
  s.Do("open Camera Setup", [] { guitest::PressKey(Dialog(kMainTemplate), FL_Enter); })
      .WaitDialog(camid::kTemplateFull)
      .Do("look at Camera Setup", [] {
        auto& cam = Dialog(camid::kTemplateFull);
        ExpectEq(cam.Title(), T(kTxtCameraSetup), "camera setup title");
        ExpectEq(cam.Text(camid::kSaveFolder), std::string(App().SaveFolder), "save folder shown");
        Shot("camera-setup");
        guitest::Click(cam, camid::kDefault);
      })
      .WaitMessageBox(T(kMsgDefaultGenerateSuccess))
      .Do("Default written", [] {
        ExpectEq(platform::fltk::CurrentMessageBox()->caption, T(kTxtNotice), "Default caption");
        Shot("camera-setup-default");
        guitest::AnswerMessageBox();
      })
      .WaitNoMessageBox()
      .Do("change the capture mode and the clock, Generate", [] {
        auto& cam = Dialog(camid::kTemplateFull);
        g_cam.defaults = ReadFileBytes(SaveFile("menu.dat"));
        ExpectEq(static_cast<int>(g_cam.defaults.size()), MenuSize(App().MenuLayout), "menu.dat size after Default");
        GUI_EXPECT(cam.ListCount(camid::kCapMode) > 1, "capture mode list has rows");
        g_cam.new_mode = cam.ListSelection(camid::kCapMode) == 1 ? 0 : 1;
        guitest::Choose(cam, camid::kCapMode, g_cam.new_mode);
        // A coordinate out of range is refused as it is typed.
        guitest::TypeInto(cam, camid::kLongitudeDeg, "200");
      })
      .WaitMessageBox(T(kMsgOutOfRange))
      .Do("out of range", [] {
        ExpectEq(platform::fltk::CurrentMessageBox()->caption, T(kTxtWarning), "range warning caption");
        Shot("camera-setup-out-of-range");
        guitest::AnswerMessageBox();
      })
      .WaitNoMessageBox()
      .Do("type the clock, Generate", [] {
        auto& cam = Dialog(camid::kTemplateFull);
        ExpectEq(cam.Text(camid::kLongitudeDeg), "180", "longitude set to its maximum");
        guitest::Choose(cam, camid::kSetClock, kSetClockInput);
        GUI_EXPECT(cam.IsEnabled(camid::kClockHour), "the clock is typed in Input mode");
        // A clock field out of range is set to its maximum, without a
        // message, when it is left: here by the click on Generate.
        guitest::TypeInto(cam, camid::kClockHour, "25");
        guitest::Click(cam, camid::kGenerate);
        ExpectEq(cam.Text(camid::kClockHour), "23", "hour set to its maximum");
      })
      .WaitMessageBox(T(kMsgGenerateSuccess))
      .Do("Generate written", [] {
        Shot("camera-setup-generated");
        guitest::AnswerMessageBox();
      })
      .WaitNoMessageBox()
      .Do("check menu.dat, choose another folder", [] {
        const std::vector<uint8_t> generated = ReadFileBytes(SaveFile("menu.dat"));
        ExpectEq(static_cast<int>(generated.size()), MenuSize(App().MenuLayout), "menu.dat size after Generate");
        if (generated.size() == g_cam.defaults.size())
          CompareMenu(g_cam.defaults, generated, App().MenuLayout, g_cam.new_mode);
        std::filesystem::create_directories("card");
        guitest::Click(Dialog(camid::kTemplateFull), camid::kBrowse);
      })
      .WaitFor("the folder chooser", [] { return guitest::FolderChooserShown(); })
      .Do("pick the card folder", [] {
        // The chooser speaks the window's language, opens at the save
        // folder and offers folders only.
        const guitest::FolderChooserView v = guitest::FolderChooser();
        ExpectEq(v.title, T(kTxtChooseFolder), "folder chooser title");
        GUI_EXPECT(std::find(v.labels.begin(), v.labels.end(), T(kTxtFolderField)) != v.labels.end(),
                   "the folder chooser names its field");
        ExpectEq(v.ok, T(kTxtOk), "folder chooser OK");
        ExpectEq(v.cancel, T(kTxtCancel), "folder chooser Cancel");
        GUI_EXPECT(v.folder.rfind(App().SaveFolder, 0) == 0, "the chooser opens at the save folder: " + v.folder);
        ExpectEq(v.choices, 0, "file type filters in the folder chooser");
        ExpectEq(v.checks, 1, "check boxes in the folder chooser (hidden folders only, no preview)");
        Shot("folder-chooser");
        guitest::PickInFolderChooser((std::filesystem::current_path() / "card").string());
      })
      .WaitFor("the chooser closes", [] { return !guitest::FolderChooserShown(); })
      .Do("Generate into the card folder", [] {
        auto& cam = Dialog(camid::kTemplateFull);
        const std::filesystem::path card = std::filesystem::current_path() / "card";
        std::error_code ec;
        GUI_EXPECT(std::filesystem::equivalent(App().SaveFolder, card, ec), "Browse sets the save folder");
        ExpectEq(cam.Text(camid::kSaveFolder), std::string(App().SaveFolder), "the folder field shows it");
        guitest::Click(cam, camid::kGenerate);
      })
      .WaitMessageBox(T(kMsgGenerateSuccess))
      .Do("answer", [] { guitest::AnswerMessageBox(); })
      .WaitNoMessageBox()
      .Do("write-protect the card, Generate", [] {
        ExpectEq(static_cast<int>(ReadFileBytes(SaveFile("menu.dat")).size()), MenuSize(App().MenuLayout),
                 "menu.dat in the card folder");
        g_card_failure = BreakCard(std::filesystem::current_path() / "card");
        guitest::Click(Dialog(camid::kTemplateFull), camid::kGenerate);
      })
      .WaitFor("the failure warning", [] { return platform::fltk::CurrentMessageBox() != nullptr; })
      .Do("warned why", [] {
        const platform::fltk::MessageBoxView* box = platform::fltk::CurrentMessageBox();
        ExpectEq(box->text, SaveFailureMessage(kMenuFileName, RecordOutcome::Fault(RecordFault::SystemError,
                                                                                   g_card_failure)),
                 "failure warning");
        ExpectEq(box->caption, T(kTxtWarning), "failure warning caption");
        GUI_EXPECT(box->icon == platform::MsgIcon::Warning, "the failure warning shows the warning icon");
        Shot(g_card_failure == EROFS ? "camera-setup-write-protected" : "camera-setup-folder-gone");
        guitest::AnswerMessageBox();
      })
      .WaitNoMessageBox()
      .Do("close Camera Setup", [] {
        MendCard(std::filesystem::current_path() / "card");
        guitest::CloseBox(Dialog(camid::kTemplateFull));
      })
      .WaitDialog(kMainTemplate)
      .Do("back in the main window", [] {
        auto& m = Dialog(kMainTemplate);
        ExpectEq(m.ListSelection(kModelList), kRowR1WUltra, "model row after Camera Setup");
        ExpectEq(m.ListSelection(kLanguageList), g_lang, "language after Camera Setup");
      });
}

// ---------------------------------------------------------------------------
// Wireless windows

int FindItem(FltkDialog& dlg, int id, const std::string& text) {
  for (int i = 0; i < dlg.ListCount(id); ++i)
    if (dlg.ListItem(id, i) == text) return i;
  return -1;
}

int SendByRow(uint8_t mode) {
  std::span<const SendByEntry> entries = SendByEntries(GetModelCode());
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].mode == mode) return static_cast<int>(i);
  return -1;
}

// Long typical values: e-mail addresses and server names of 24
// characters, an access point name of 20.
constexpr const char* kLongServer = "smtp.trailcam-mail.co.uk";
constexpr const char* kLongAddress = "cam.sender@trailmail.com";
constexpr const char* kLongApn = "internet.provider.eu";

// Types `text` and checks the edit shows it whole, with the room FLTK
// keeps after the caret, so nothing scrolls out of view.
void TypeLong(FltkDialog& dlg, int id, const char* text) {
  guitest::TypeInto(dlg, id, text);
  auto* e = dynamic_cast<Fl_Input*>(dlg.Widget(id));
  if (!e) return;
  fl_font(e->textfont(), e->textsize());
  const int room = e->w() - Fl::box_dw(e->box()) - 1 - fl_height() / 2;
  GUI_EXPECT(fl_width(e->value()) <= room, "\"" + std::string(e->value()) + "\" fits edit " + std::to_string(id));
}

void WirelessSteps(Script& s) {
  s.Do("open Wireless Setup", [] { guitest::Click(Dialog(kMainTemplate), kWirelessSetup); })
      .WaitDialog(kWirelessPageTemplate)
      .Do("look at the wireless page", [] {
        auto& page = Dialog(kWirelessPageTemplate);
        ExpectEq(page.Title(), T(kTxtWirelessParamSettings), "wireless page title");
        Shot("wireless-page");
        const int row = SendByRow(kSendEmail);
        GUI_EXPECT(row >= 0, "the model sends by e-mail");
        guitest::Choose(page, wp_ids::kSendBy, row);
        Shot("wireless-page-email");
        TypeLong(page, wp_ids::kSenderServer, kLongServer);
        guitest::TypeInto(page, wp_ids::kSenderPort, "4a65");
        ExpectEq(page.Text(wp_ids::kSenderPort), "465", "sender port takes digits only");
        TypeLong(page, wp_ids::kSenderAddr, kLongAddress);
        ExpectEq(page.Text(wp_ids::kSenderUser), kLongAddress, "account mirrors the address");
        if (page.IsEnabled(wp_ids::kNetAccount)) TypeLong(page, wp_ids::kNetAccount, "Forest-Camp-WiFi-2G4");
        guitest::TypeInto(page, wp_ids::kSenderPassword, "secret-pass");
        Shot("wireless-page-filled");
        guitest::Click(page, wp_ids::kNextPage);
      });
  if (AllWindows().Has(platform::WindowKind::SendSettings)) {
    s.WaitDialog(kSendSettingsTemplate)
        .Do("look at the send settings page", [] {
          auto& send = Dialog(kSendSettingsTemplate);
          ExpectEq(send.Title(), T(kTxtSendSettings), "send settings title");
          Shot("send-settings");
          guitest::TypeInto(send, send_ids::kEmail1, "owner@example.com");
          guitest::Click(send, send_ids::kBrowse);
        })
        .WaitFor("the folder chooser", [] { return guitest::FolderChooserShown(); })
        .Do("the chooser opens at the card folder chosen before; cancel", [] {
          const guitest::FolderChooserView v = guitest::FolderChooser();
          GUI_EXPECT(v.folder.rfind(App().SaveFolder, 0) == 0 && std::string(App().SaveFolder).ends_with("/card"),
                     "the chooser opens at the card folder: " + v.folder);
          Shot("folder-chooser-card");
          guitest::CancelFolderChooser();
        })
        .WaitFor("the chooser closes", [] { return !guitest::FolderChooserShown(); })
        .Do("Generate", [] {
          auto& send = Dialog(kSendSettingsTemplate);
          ExpectEq(send.Text(send_ids::kFolder), std::string(App().SaveFolder), "Cancel keeps the folder");
          guitest::Click(send, send_ids::kGenerate);
        })
        .WaitFor("a message box", [] { return platform::fltk::CurrentMessageBox() != nullptr; })
        .Do("answer", [] {
          const platform::fltk::MessageBoxView* box = platform::fltk::CurrentMessageBox();
          std::printf("send settings message: %s / %s\n", box->caption.c_str(), box->text.c_str());
          ExpectEq(box->text, T(kMsgGenerateSuccess), "send settings Generate");
          Shot("send-settings-generated");
          guitest::AnswerMessageBox();
        })
        .WaitNoMessageBox()
        .Do("check CFG.BIN, close", [] {
          std::vector<uint8_t> cfg = ReadFileBytes(SaveFile("CFG.BIN"));
          ExpectEq(static_cast<int>(cfg.size()), SendSetFileSize(), "CFG.BIN size");
          if (cfg.size() >= sizeof(SendSet)) {
            // What the user typed, as the camera will read it.
            UnscrambleBytes(cfg.data(), static_cast<int>(cfg.size()));
            SendSet rec;
            std::memcpy(&rec, cfg.data(), sizeof rec);
            ExpectEq(rec.bySendBy & 0x7F, static_cast<int>(kSendEmail), "CFG.BIN send-by mode");
            ExpectEq(std::string(rec.sSmtpSet.szServer), kLongServer, "CFG.BIN sender server");
            ExpectEq(std::string(rec.sSmtpSet.szAddr), kLongAddress, "CFG.BIN sender address");
            ExpectEq(std::string(rec.sSmtpSet.szPassword), "secret-pass", "CFG.BIN sender password");
            bool recipient = false;
            for (const auto& r : rec.szRecp) recipient |= std::string(r, strnlen(r, sizeof r)) == "owner@example.com";
            GUI_EXPECT(recipient, "CFG.BIN holds the recipient");
          }
          guitest::CloseBox(Dialog(kSendSettingsTemplate));
        });
  }
  s.WaitDialog(kMainTemplate)
      // The GPS coordinates mailbox of the models that carry it.
      .Do("choose a GPS mailbox model", [] {
        ChooseModel(kRowGpsModel);
        GUI_EXPECT(IsGpsMailboxModel(), "row 6 carries the GPS mailbox");
        guitest::Click(Dialog(kMainTemplate), kWirelessSetup);
      })
      .WaitDialog(kWirelessPageTemplate)
      .Do("an operator preset", [] {
        auto& page = Dialog(kWirelessPageTemplate);
        Shot("wireless-page-gps-model");
        for (int row = 0; row < page.ListCount(wp_ids::kSource) && !page.IsEnabled(wp_ids::kCountry); ++row)
          guitest::Choose(page, wp_ids::kSource, row);
        GUI_EXPECT(page.IsEnabled(wp_ids::kCountry), "an entry of the source list offers the presets");
        const int country = FindItem(page, wp_ids::kCountry, g_lang == 0 ? "美国" : "United States");
        GUI_EXPECT(country >= 0, "the country list offers the United States");
        if (country < 0) return;
        guitest::Choose(page, wp_ids::kCountry, country);
        const int op = FindItem(page, wp_ids::kOperator, "AT&T");
        GUI_EXPECT(op >= 0, "the operator list offers AT&T");
        if (op >= 0) guitest::Choose(page, wp_ids::kOperator, op);
        ExpectEq(page.Text(wp_ids::kOperator), "AT&T", "operator shown");
        Shot("wireless-page-operator");
      })
      .Do("open the GPS mailbox", [] {
        guitest::Click(Dialog(kWirelessPageTemplate), wp_ids::kGpsMailbox);
      })
      .WaitDialog(kGpsMailboxTemplate)
      .Do("GPS mailbox beside the page, the page still usable", [] {
        auto& page = Dialog(kWirelessPageTemplate);
        auto& gps = Dialog(kGpsMailboxTemplate);
        ExpectEq(gps.Title(), T(kTxtGpsMailbox), "GPS mailbox title");
        const Fl_Window* a = page.NativeWindow();
        const Fl_Window* b = gps.NativeWindow();
        GUI_EXPECT(b->x() >= a->x() + a->w() || b->x() + b->w() <= a->x(), "the mailbox window opens beside the page");
        Shot("gps-mailbox");
        // Next Page and the close box of the page are ignored meanwhile.
        guitest::Click(page, wp_ids::kNextPage);
        guitest::CloseBox(page);
        GUI_EXPECT(!page.Ended(), "the page stays while the mailbox window is open");
        TypeLong(gps, gps_ids::kServer, kLongServer);
        guitest::TypeInto(gps, gps_ids::kPort, "25");
        TypeLong(gps, gps_ids::kAddr, "gps.sender@trailmail.com");
        guitest::TypeInto(gps, gps_ids::kPassword, "gps-pass");
        TypeLong(gps, gps_ids::kInboxAddr, "gps.inbox@trailmail.com");
        Shot("gps-mailbox-filled");
        guitest::Click(gps, gps_ids::kOk);
      })
      .WaitFor("the mailbox window closes",
               [] { return guitest::FindDialog(kGpsMailboxTemplate) == nullptr; })
      .Do("typed network values, close the page", [] {
        auto& page = Dialog(kWirelessPageTemplate);
        guitest::Choose(page, wp_ids::kSource, 1);  // manual input
        TypeLong(page, wp_ids::kNetApn, kLongApn);
        TypeLong(page, wp_ids::kNetAccount, "trailcam-user-0042");
        TypeLong(page, wp_ids::kSenderServer, kLongServer);
        TypeLong(page, wp_ids::kSenderAddr, kLongAddress);
        Shot("wireless-page-long-values");
        // The FTP box with its directory frame.
        guitest::Choose(page, wp_ids::kSendBy, SendByRow(kSendFtp));
        TypeLong(page, wp_ids::kBox1, kLongServer);
        Shot("wireless-page-ftp");
        guitest::CloseBox(page);
      })
      .WaitDialog(kMainTemplate);
}

void Finish(Script& s) {
  s.Do("close the main window", [] {
    ChooseModel(kRowR1WUltra);
    guitest::CloseBox(Dialog(kMainTemplate));
    g_main_closed = true;
  });
}

}  // namespace

int main(int argc, char** argv) {
  g_started = std::chrono::steady_clock::now();
  g_shots = argc > 1 ? argv[1] : "screenshots-gui";
  std::filesystem::create_directories(g_shots);
  std::string error;
  if (!platform::fltk::OpenDisplay(&error)) {
    std::fprintf(stderr, "trailset-gui-session: %s\n", error.c_str());
    return 1;
  }
  platform::fltk::FltkServices services;
  services.SetFolderChooserTexts(&FolderChooserTextsNow);
  platform::SetServices(&services);
  platform::fltk::FltkHost host;
  g_lang = services.SystemLanguageId() == 2052 ? 0 : 1;

  const platform::WindowRegistry windows = AllWindows();
  Script script;
  MainWindowSteps(script);
  if (windows.Has(platform::WindowKind::CameraSetup)) CameraSetupSteps(script);
  if (windows.Has(platform::WindowKind::WirelessParams)) WirelessSteps(script);
  Finish(script);
  script.Start();
  Script::Watchdog(120);

  RunApplication(host, windows, App());

  GUI_EXPECT(g_main_closed && script.Done(), "the session ran to its end");
  std::printf("GUI_STARTUP_MS=%.1f\n", g_startup_ms);
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("GUI_PEAK_RSS_KB=%ld\n", usage.ru_maxrss);
  std::printf("GUI_SESSION %s: %d failure(s)\n", guitest::Failures() ? "FAILED" : "PASSED", guitest::Failures());
  std::fflush(stdout);
  return guitest::Failures() ? 1 : 0;
}
