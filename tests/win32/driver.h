// The end-to-end test driver built into trailset_e2e.exe: a thread that
// plays user sessions through the real dialogs while the program runs.
#pragma once

// Starts the driver thread when TRAILSET_E2E_SESSION names a session.
void StartTestDriver();
// After the program's windows are gone: waits for the driver to finish and
// returns the exit code, 0 when every check passed (and 0 without driver).
int FinishTestDriver();
