// Registers every window of this build with the window chain, and resets
// their process-wide state. Each area adds its lines here.
#include "camera/cam_setup.h"
#include "records/menu_record.h"
#include "shell/app.h"
#include "shell/windows.h"
#include "wireless/wireless_state.h"

void RegisterAllWindows() {
  using platform::RegisterWindow;
  using platform::WindowKind;
  RegisterWindow(WindowKind::Main, &MakeMainWindow);
  RegisterWindow(WindowKind::CameraSetup, &MakeCameraSetupWindow);
  RegisterWindow(WindowKind::WirelessParams, &MakeWirelessPage);
  RegisterWindow(WindowKind::SendSettings, &MakeSendSettingsPage);
  RegisterWindow(WindowKind::GpsMailbox, &MakeGpsMailboxWindow);
}

void ResetAllState() {
  ResetShellState();
  ResetMenuState();
  ResetCameraState();
  ResetWirelessState();
}
