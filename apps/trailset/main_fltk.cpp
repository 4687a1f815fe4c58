// trailset on Linux and macOS: the same windows as the Windows program, on
// the FLTK host. Takes no arguments; without a display it says so and ends.
#include <cstdio>
#include <string>

#include "apps/common/all_windows.h"
#include "records/app_state.h"
#include "platform/fltk/fltk_host.h"
#include "shell/app.h"

int main() {
  std::string error;
  if (!platform::fltk::OpenDisplay(&error)) {
    std::fprintf(stderr, "trailset: %s\n", error.c_str());
    return 1;
  }
  platform::fltk::FltkServices services;
  platform::SetServices(&services);
  platform::fltk::FltkHost host;
  AppState state;
  return RunApplication(host, AllWindows(), state);
}
