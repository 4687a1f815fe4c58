// The program's state for one session: the main window's choices, the
// records and the flags the windows share. All of it lives in one
// AppState object, which a program's entry point owns and installs for
// its run; a new session is a new object, so nothing outlives a session
// by being forgotten in a reset. Each section below is the part that one
// area of the program owns; the members keep the names the windows use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "records/menu_record.h"
#include "records/record_file.h"
#include "records/record_outcome.h"
#include "records/send_set.h"

inline constexpr int kSaveFolderSize = 260;  // MAX_PATH, with the terminating zero
inline constexpr int kLargestMenu = 188;     // bytes of the largest camera settings layout

// Owned by the main window; read by every other window and the file writers.
struct SelectionState {
  int32_t ModelFamily = 2;        // always 2
  int32_t ModelIndex = 0;         // row of the current model in its family
  uint16_t ModelCode = static_cast<uint16_t>((ModelFamily << 8) | ModelIndex);
  uint16_t CamSetupDlgId = 108;   // camera setup template of the current model
  uint16_t CamPictureId = 107;    // model picture bitmap of the current model
  int32_t UiLanguage = 1;         // 0 Chinese, 1 English
  char SaveFolder[kSaveFolderSize] = "C:\\";  // folder for menu.dat and CFG.BIN
};

// The camera settings records, one per layout, and what goes with them.
struct MenuState {
  alignas(2) uint8_t g_records[kMenuLayouts][kLargestMenu] = {};
  int MenuLayout = 0;             // layout of the current model, set when the camera setup window opens
  int TimeZoneIndex = 0;          // camera time zone: UTC offset in hours + 12, 0..24
  uint64_t MenuLoadedMask = 0;    // models whose menu.dat was read this run (bit 16*family + index)
  int IntervalUnit = 0;           // 0 seconds, 1 minutes (PirInterval unit shown)
  RecordOutcome LastMenuLoad;     // what the last LoadMenuFile found
};

// The transmission settings records.
struct SendState {
  SendSet g_sSendSet{};
  SendSetTarn g_sSendSetTarn{};
  uint16_t MdmSendVia = 1;        // send module of the module-choice models: 0 WiFi, 1 cellular
  SendTime LastGenerateTime{};    // the six time bytes stamped by the last Generate
  // The unscrambled image the last save wrote (size 0 before the first and
  // while a save is under way): the verifying load takes the file back only
  // when it holds these very bytes, since another program may write a file
  // with the same stamp.
  struct WrittenImage {
    uint8_t bytes[sizeof(SendSetTarn)] = {};
    std::size_t size = 0;
  } LastWrittenSendSet;
  RecordOutcome LastSendSetLoad;  // what the last LoadSendSet found
};

// The shell's flags.
struct ShellState {
  bool FirstStart = true;         // until the main window has been initialised once
  bool RangeWarnArmed = false;    // see CheckEditRange
};

// The camera setup window's state that outlives an opening.
struct CameraState {
  int s_iTimerID = 0;             // the clock timer's id, 0 when stopped
  bool s_bSerialWarningUp = false;   // the serial number warning is up
  bool s_bSerialWarned = false;      // the short serial number below was warned about
  std::string s_sSerialWarnedText;
};

// Shared by the wireless windows.
struct WirelessState {
  SendSet SendSetSnapshot{};      // carries values between the two wireless pages
  bool NoRemoteCommand22 = false; // the send settings page's "Do not use remote command - 22"
  bool GpsWindowOpen = false;     // while the GPS coordinates mailbox window exists
  int s_eFtpEditUse = 0;          // the FTP/cloud box shows 0 FTP, 1 cloud
  bool FtpBoxShownInOff = false;  // a send-by mode other than Off was applied in this run
  bool WirelessPageFirstOpen = true;
  bool SendSettingsFirstOpen = true;
  uint8_t ChosenSendBy = 0;       // the send-by mode last chosen on the wireless parameter page
  bool g_rebuild_country_list = true;  // the operator country list is built anew at its next fill
};

// Who is told of every file a save puts in place (the companion reports
// from it what its run wrote); nobody when empty.
struct FileState {
  PlacedFileSink FilePlaced;
};

struct AppState : SelectionState, MenuState, SendState, ShellState, CameraState, WirelessState, FileState {};

// The state of the session that runs; a process-lifetime one until a
// program installs its own.
AppState& App();

// Installs a program's state for as long as it lives.
class AppStateScope {
 public:
  explicit AppStateScope(AppState& state);
  ~AppStateScope();
  AppStateScope(const AppStateScope&) = delete;
  AppStateScope& operator=(const AppStateScope&) = delete;

 private:
  AppState* previous_;
};

// Returns ModelCode.
uint16_t GetModelCode();
// Recomputes ModelCode from ModelFamily and ModelIndex (low 16 bits).
void UpdateModelCode();
// CamWirelessFunc of the current model; logs "CamWirelessFunc = %d\n".
uint8_t GetCamWirelessFunc();

// Puts one section of the state back to its start-of-session values
// (tests that prepare one part of a session).
void ResetAppState();  // SelectionState
