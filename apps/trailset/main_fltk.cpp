// trailset on Linux and macOS: the same windows as the Windows program, on
// the FLTK host. Answers --help and --version without a display; without a
// display it says so and ends.
#include <cstdio>
#include <string>
#include <vector>

#include <FL/Fl_Window.H>

#include "apps/common/all_windows.h"
#include "apps/trailset/program_args.h"
#include "records/app_state.h"
#include "platform/fltk/fltk_host.h"
#include "shell/app.h"
#include "shell/save_folder.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const program_args::Outcome command = program_args::Parse(args);
  if (!command.open_windows) {
    std::fputs(command.text.c_str(), command.is_error ? stderr : stdout);
    return command.exit_code;
  }
  std::string error;
  if (!platform::fltk::OpenDisplay(&error)) {
    std::fprintf(stderr, "trailset: %s\n", error.c_str());
    return 1;
  }
  // The windows' class names the program, so that the desktop matches them
  // with its menu entry (StartupWMClass) and shows its icon for them.
  Fl_Window::default_xclass("trailset");
  platform::fltk::FltkServices services;
  services.SetFolderChooserTexts(&FolderChooserTextsNow);
  platform::SetServices(&services);
  platform::fltk::FltkHost host;
  AppState state;
  return RunApplication(host, AllWindows(), state);
}
