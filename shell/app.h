// The application as every entry point runs it.
#pragma once

#include "platform/window.h"

// Runs the window chain from the main window until the main window is
// closed, on `host`, with the windows of `windows`. The services must be
// set up by the caller. Returns the process exit code (0).
int RunApplication(platform::Host& host, const platform::WindowRegistry& windows);

// Resets the shell's own state (FirstStart, RangeWarnArmed) and the
// application state it owns to their start-of-process values.
void ResetShellState();
