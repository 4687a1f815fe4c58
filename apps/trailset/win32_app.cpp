#include "apps/trailset/win32_app.h"

#include "apps/common/all_windows.h"
#include "records/app_state.h"
#include "platform/win32/win32_host.h"
#include "shell/app.h"

int RunWin32Application(HINSTANCE instance) {
  platform::win32::SetInstance(instance);
  platform::win32::InitCommonControls();

  static platform::win32::Win32Host host;
  static platform::win32::Win32Services services;
  platform::SetServices(&services);
  AppState state;
  return RunApplication(host, AllWindows(), state);
}
