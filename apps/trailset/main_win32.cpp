// trailset.exe: the Windows dialog application.
#include "platform/win32/win32_host.h"
#include "shell/app.h"

#ifdef TRAILSET_TEST_DRIVER
#include "tests/win32/driver.h"
#endif

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  platform::win32::SetInstance(instance);
  platform::win32::InitCommonControls();

  static platform::win32::Win32Host host;
  static platform::win32::Win32Services services;
  platform::SetServices(&services);
  platform::SetCurrentHost(&host);
#ifdef TRAILSET_TEST_DRIVER
  StartTestDriver();
#endif
  int code = RunApplication(host);
#ifdef TRAILSET_TEST_DRIVER
  code = FinishTestDriver();
#endif
  return code;
}
