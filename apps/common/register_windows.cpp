// Registers every window of this build with the window chain.
#include "shell/windows.h"

void RegisterAllWindows() {
  using platform::RegisterWindow;
  using platform::WindowKind;
  RegisterWindow(WindowKind::Main, &MakeMainWindow);
  RegisterWindow(WindowKind::CameraSetup, &MakeCameraSetupWindow);
}
