#include "shell/app.h"

#include "records/app_state.h"
#include "shell/checks.h"
#include "shell/main_window.h"

void ResetShellState() {
  ResetAppState();
  FirstStart = true;
  RangeWarnArmed = false;
}
