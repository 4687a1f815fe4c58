#include "records/app_state.h"

#include <cstring>

#include "records/catalogue.h"
#include "records/diag.h"

namespace {

// Start-of-process values of the main window's state.
constexpr int32_t kStartFamily = 2;
constexpr int32_t kStartIndex = 0;
constexpr uint16_t kStartCode = (kStartFamily << 8) | kStartIndex;
constexpr uint16_t kStartSetupDlgId = 108;
constexpr uint16_t kStartPictureId = 107;
constexpr int32_t kStartLanguage = 1;
constexpr char kStartFolder[] = "C:\\";

}  // namespace

int32_t ModelFamily = kStartFamily;
int32_t ModelIndex = kStartIndex;
uint16_t ModelCode = kStartCode;
uint16_t CamSetupDlgId = kStartSetupDlgId;
uint16_t CamPictureId = kStartPictureId;
int32_t UiLanguage = kStartLanguage;
char SaveFolder[kSaveFolderSize] = "C:\\";

uint16_t GetModelCode() { return ModelCode; }

void UpdateModelCode() {
  ModelCode = static_cast<uint16_t>(((ModelFamily << 8) | ModelIndex) & 0xFFFF);
}

uint8_t GetCamWirelessFunc() {
  const uint8_t func = ModelWirelessFunc(ModelFamily, ModelIndex);
  Diag("CamWirelessFunc = %d\n", func);
  return func;
}

void ResetAppState() {
  ModelFamily = kStartFamily;
  ModelIndex = kStartIndex;
  ModelCode = kStartCode;
  CamSetupDlgId = kStartSetupDlgId;
  CamPictureId = kStartPictureId;
  UiLanguage = kStartLanguage;
  std::memset(SaveFolder, 0, sizeof SaveFolder);
  std::memcpy(SaveFolder, kStartFolder, sizeof kStartFolder);
}
