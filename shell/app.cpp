#include "shell/app.h"

#include "records/app_state.h"
#include "shell/checks.h"
#include "shell/main_window.h"

int RunApplication(platform::Host& host, const platform::WindowRegistry& windows, AppState& state) {
  const AppStateScope use(state);
  platform::SetCurrentHost(&host);
  platform::RunWindowChain(host, windows, platform::WindowKind::Main);
  return 0;
}

void ResetShellState() {
  ResetAppState();
  static_cast<ShellState&>(App()) = ShellState{};
}
