// Process-wide state owned by the main window and read by every other
// window and by the file writers. Lives for the whole run; never saved.
#pragma once

#include <cstdint>

inline constexpr int kSaveFolderSize = 260;  // MAX_PATH, with the terminating zero

extern int32_t ModelFamily;      // always 2
extern int32_t ModelIndex;       // row of the current model in its family
extern uint16_t ModelCode;       // (ModelFamily << 8) | ModelIndex
extern uint16_t CamSetupDlgId;   // camera setup template of the current model
extern uint16_t CamPictureId;    // model picture bitmap of the current model
extern int32_t UiLanguage;       // 0 Chinese, 1 English
extern char SaveFolder[kSaveFolderSize];  // folder for menu.dat and CFG.BIN

// Returns ModelCode.
uint16_t GetModelCode();
// Recomputes ModelCode from ModelFamily and ModelIndex (low 16 bits).
void UpdateModelCode();
// CamWirelessFunc of the current model; logs "CamWirelessFunc = %d\n".
uint8_t GetCamWirelessFunc();

// Resets every value above to its start-of-process value (tests, long sessions).
void ResetAppState();
