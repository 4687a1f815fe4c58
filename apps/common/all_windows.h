// The windows of the programs that run the whole application (trailset,
// trailset-cli, trailset-drive and the tests), gathered in one registry.
#pragma once

#include "platform/window.h"

// Every window: the main window, camera setup and the three wireless windows.
platform::WindowRegistry AllWindows();

// Resets the process-wide state of every window to its start-of-process
// values, so that one process can run several sessions (tests, the
// command-line companion).
void ResetAllState();
