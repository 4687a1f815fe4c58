// The application as every entry point runs it.
#pragma once

#include "platform/window.h"
#include "shell/windows.h"

// Registers the windows of this build and runs the window chain from the
// main window until the main window is closed. The host (and the services)
// must be set up by the caller. Returns the process exit code (0).
//
// Inline so that it is compiled into the entry point, which links the
// window registration (apps/common) that the shell library itself does not.
inline int RunApplication(platform::Host& host) {
  platform::SetCurrentHost(&host);
  RegisterAllWindows();
  platform::RunWindowChain(host, platform::WindowKind::Main);
  return 0;
}

// Resets the shell's own state (FirstStart, RangeWarnArmed) and the
// application state it owns to their start-of-process values.
void ResetShellState();
