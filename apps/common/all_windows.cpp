// The registry of every window, and the reset of their process-wide state.
#include "apps/common/all_windows.h"

#include "camera/cam_setup.h"
#include "records/app_state.h"
#include "shell/main_window.h"
#include "wireless/gps_mailbox.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_page.h"

platform::WindowRegistry AllWindows() {
  using platform::WindowKind;
  platform::WindowRegistry windows;
  windows.Register(WindowKind::Main, &MakeMainWindow);
  windows.Register(WindowKind::CameraSetup, &MakeCameraSetupWindow);
  windows.Register(WindowKind::WirelessParams, &MakeWirelessPage);
  windows.Register(WindowKind::SendSettings, &MakeSendSettingsPage);
  windows.Register(WindowKind::GpsMailbox, &MakeGpsMailboxWindow);
  return windows;
}

void ResetAllState() { App() = AppState{}; }
