// The end-to-end test driver built into trailset_e2e.exe: a thread that
// plays user sessions through the real dialogs while the program runs.
#pragma once

// Starts the driver thread when TRAILSET_E2E_SESSION names a session; the
// process then ends with exit code 0 when every check passed, 1 otherwise.
void StartTestDriver();
