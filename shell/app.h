// The application as every entry point runs it.
#pragma once

#include "platform/window.h"

struct AppState;

// Runs the window chain from the main window until the main window is
// closed, on `host`, with the windows of `windows`, on the session's
// `state` (the entry point's own, installed for the run). The services must
// be set up by the caller. Returns the process exit code (0).
int RunApplication(platform::Host& host, const platform::WindowRegistry& windows, AppState& state);

// Resets the shell's own state (FirstStart, RangeWarnArmed) and the
// application state it owns to their start-of-process values.
void ResetShellState();
