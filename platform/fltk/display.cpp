// Connecting to the display and the look of every window.
#include "platform/fltk/fltk_host.h"

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <thread>

// The X11 headers define macros (None, Window, ...) that clash with the
// seam's names, so they come after every header of ours.
#include <FL/Fl.H>
#include <FL/x.H>

namespace platform::fltk {
namespace {

// One face for Latin and Chinese alike: FLTK draws each text in a single
// font, so the face must have the CJK glyphs itself. FLTK keeps the names
// (the first letter is the style: ' ' regular, 'B' bold), so they are literals.
constexpr const char* kFace = " WenQuanYi Micro Hei";
constexpr const char* kBoldFace = "BWenQuanYi Micro Hei";

void SetLook() {
  Fl::scheme("gtk+");
  Fl::background(240, 240, 240);
  Fl::set_font(FL_HELVETICA, kFace);
  Fl::set_font(FL_HELVETICA_BOLD, kBoldFace);
  FL_NORMAL_SIZE = kFontSize;
}

#if !defined(__APPLE__)
// The user's locale for characters, set before the display opens: X input
// methods and compose sequences are chosen by it. The plain "C" locale (or
// one this system or X cannot use) becomes "C.UTF-8", since every text of
// the program is UTF-8. Only the character type changes: numbers and
// messages stay in the "C" locale, so log lines read the same everywhere.
void UseUsersCharacterLocale() {
  const char* name = std::setlocale(LC_CTYPE, "");
  const bool plain = !name || !std::strcmp(name, "C") || !std::strcmp(name, "POSIX");
  if (plain || !XSupportsLocale()) std::setlocale(LC_CTYPE, "C.UTF-8");
  XSetLocaleModifiers("");
}
#endif

}  // namespace

bool OpenDisplay(std::string* error) {
#if defined(__APPLE__)
  fl_open_display();
#else
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) {
    if (error) *error = "no display available (DISPLAY is not set); trailset needs a graphical session";
    return false;
  }
  UseUsersCharacterLocale();
  // A busy server may refuse a connection now and then: a few tries
  // before giving up.
  Display* display = nullptr;
  for (int attempt = 0; attempt < 5 && !display; ++attempt) {
    if (attempt) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    display = XOpenDisplay(nullptr);
  }
  if (!display) {
    if (error) *error = std::string("cannot open display \"") + name + "\"; trailset needs a graphical session";
    return false;
  }
  fl_open_display(display);  // also opens the input method of the locale
#endif
  SetLook();
  return true;
}

}  // namespace platform::fltk
