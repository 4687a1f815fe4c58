// trailset on Linux and macOS: the same windows as the Windows program, on
// the FLTK host. Takes no arguments; without a display it says so and ends.
#include <cstdio>
#include <string>

#include "platform/fltk/fltk_host.h"
#include "shell/app.h"
#include "shell/save_folder.h"

int main() {
  std::string error;
  if (!platform::fltk::OpenDisplay(&error)) {
    std::fprintf(stderr, "trailset: %s\n", error.c_str());
    return 1;
  }
  platform::fltk::FltkServices services;
  services.SetFolderChooserTexts(&FolderChooserTextsNow);
  platform::SetServices(&services);
  platform::fltk::FltkHost host;
  return RunApplication(host);
}
