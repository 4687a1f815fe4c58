// The windows of the programs that run the whole application (trailset,
// trailset-cli, trailset-drive and the tests), gathered in one registry.
#pragma once

#include "platform/window.h"

// Every window: the main window, camera setup and the three wireless windows.
platform::WindowRegistry AllWindows();

// A fresh state for the session in use (App()): one process runs several
// sessions (tests).
void ResetAllState();
