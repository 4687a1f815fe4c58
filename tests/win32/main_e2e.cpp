// trailset_e2e.exe: trailset.exe with the driver thread of the Wine
// end-to-end tests, which plays its sessions while the program runs.
#include "apps/trailset/win32_app.h"
#include "tests/win32/driver.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  StartTestDriver();
  RunWin32Application(instance);
  return FinishTestDriver();
}
