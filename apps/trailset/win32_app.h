// trailset.exe's start: the program as the Windows entry points run it.
#pragma once

#include <windows.h>

// Initialises the common controls and COM (the folder picker is a shell
// object), sets up the Win32 host and services and runs every window until
// the main window is closed. Returns the process exit code.
int RunWin32Application(HINSTANCE instance);
