// The baseline of the start-up measure: the least an FLTK program does to
// show a window of the main window's size, opening the display exactly as
// trailset does (its locale, input method, fonts and look).
#include <cstdio>
#include <string>

#include "platform/fltk/fltk_host.h"
#include "platform/layout.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>

int main() {
  std::string error;
  if (!platform::fltk::OpenDisplay(&error)) {
    std::fprintf(stderr, "fltk_minimal: %s\n", error.c_str());
    return 1;
  }
  const platform::Rect size = platform::DialogUnitsToPixels(0, 0, 261, 199);
  Fl_Double_Window window(size.w, size.h, "Minimal");
  Fl_Button button(size.w / 2 - 75, size.h / 2 - 17, 150, 34, "OK");
  window.end();
  window.show();
  return Fl::run();
}
