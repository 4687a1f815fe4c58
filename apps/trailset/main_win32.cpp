// trailset.exe: the Windows dialog application.
#include "apps/trailset/win32_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return RunWin32Application(instance); }
