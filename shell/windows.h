// The windows of the application, one factory each, and their registration
// with the window chain.
#pragma once

#include <memory>

#include "platform/window.h"

std::unique_ptr<platform::Window> MakeMainWindow();          // shell/
std::unique_ptr<platform::Window> MakeCameraSetupWindow();   // camera/
std::unique_ptr<platform::Window> MakeWirelessPage();        // wireless/
std::unique_ptr<platform::Window> MakeSendSettingsPage();    // wireless/
std::unique_ptr<platform::Window> MakeGpsMailboxWindow();    // wireless/

// Registers every window of this build with the window chain
// (apps/common/register_windows.cpp).
void RegisterAllWindows();

// Resets the process-wide state of every window of this build to its
// start-of-process values, so that one process can run several sessions
// (tests). Each area adds its reset next to its registration
// (apps/common/register_windows.cpp).
void ResetAllState();
