// The message box: a small modal window with the caption as its title,
// the warning or information sign, the text and one OK button.
#include "platform/fltk/fltk_dialog.h"
#include "platform/fltk/fltk_host.h"

#include <algorithm>
#include <string>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>

namespace platform::fltk {
namespace {

const MessageBoxView* g_current = nullptr;
long g_shown = 0;

constexpr int kMargin = 14;
constexpr int kSign = 32;
constexpr int kMaxTextWidth = 380;
constexpr int kButtonW = 75;
constexpr int kButtonH = 23;

class Sign : public Fl_Widget {
 public:
  Sign(int x, int y, MsgIcon icon) : Fl_Widget(x, y, kSign, kSign), icon_(icon) {}
  void draw() override {
    const int cx = x() + w() / 2;
    if (icon_ == MsgIcon::Warning) {
      fl_color(fl_rgb_color(250, 200, 30));
      fl_polygon(cx, y() + 1, x() + w() - 1, y() + h() - 3, x() + 1, y() + h() - 3);
      fl_color(fl_rgb_color(120, 90, 0));
      fl_loop(cx, y() + 1, x() + w() - 1, y() + h() - 3, x() + 1, y() + h() - 3);
      fl_color(FL_BLACK);
      fl_rectf(cx - 2, y() + 10, 4, 11);
      fl_rectf(cx - 2, y() + 23, 4, 4);
    } else {
      fl_color(fl_rgb_color(30, 100, 210));
      fl_pie(x(), y(), w(), h(), 0, 360);
      fl_color(FL_WHITE);
      fl_rectf(cx - 2, y() + 7, 4, 4);
      fl_rectf(cx - 2, y() + 13, 4, 13);
    }
  }

 private:
  MsgIcon icon_;
};

class BoxWindow : public Fl_Double_Window {
 public:
  BoxWindow(int w, int h, bool* answered) : Fl_Double_Window(w, h), answered_(answered) {
    callback([](Fl_Widget*, void* a) { *static_cast<bool*>(a) = true; }, answered);
  }
  int handle(int event) override {
    if (event == FL_KEYBOARD || event == FL_SHORTCUT) {
      const int key = Fl::event_key();
      if (key == FL_Escape || key == FL_Enter || key == FL_KP_Enter) {
        *answered_ = true;
        return 1;
      }
    }
    return Fl_Double_Window::handle(event);
  }

 private:
  bool* answered_;
};

// The window the box belongs to: the newest dialog being shown.
const Fl_Window* OwnerWindow() {
  const auto& open = OpenDialogs();
  for (auto it = open.rbegin(); it != open.rend(); ++it)
    if ((*it)->NativeWindow() && (*it)->NativeWindow()->shown()) return (*it)->NativeWindow();
  return nullptr;
}

const char* OkLabel() {
  // The button speaks the system's language, as the system's own box does.
  return HasServices() && GetServices().SystemLanguageId() == 2052 ? "确定" : "OK";
}

// Line breaks as the system's box shows them: "\r\n", and a lone "\r"
// or "\n", each start a new line (FLTK would draw a carriage return as a sign).
std::string BoxLines(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
      continue;
    }
    out += '\n';
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return out;
}

}  // namespace

const MessageBoxView* CurrentMessageBox() { return g_current; }
long MessageBoxesShown() { return g_shown; }

int ShowMessageBox(std::string_view text, std::string_view caption, MsgIcon icon) {
  ++g_shown;
  const std::string label = LiteralLabel(BoxLines(text), false);
  fl_font(FL_HELVETICA, kFontSize);
  int tw = kMaxTextWidth, th = 0;
  fl_measure(label.c_str(), tw, th, 1);
  tw = std::min(std::max(tw, 1), kMaxTextWidth);
  th = std::max(th, fl_height());

  const int text_x = kMargin + kSign + kMargin;
  const int body_h = std::max(kSign, th);
  const int w = std::max(text_x + tw + kMargin + 6, kButtonW + 2 * kMargin);
  const int h = kMargin + body_h + kMargin + kButtonH + kMargin;

  bool answered = false;
  BoxWindow win(w, h, &answered);
  const std::string title(caption);
  win.copy_label(title.c_str());
  new Sign(kMargin, kMargin, icon);
  auto* msg = new Fl_Box(text_x, kMargin + (body_h - th) / 2, tw + 6, th);
  msg->box(FL_NO_BOX);
  msg->labelsize(kFontSize);
  msg->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_WRAP);
  msg->copy_label(label.c_str());
  auto* ok = new Fl_Button((w - kButtonW) / 2, h - kMargin - kButtonH, kButtonW, kButtonH, OkLabel());
  ok->labelsize(kFontSize);
  ok->callback([](Fl_Widget*, void* a) { *static_cast<bool*>(a) = true; }, &answered);
  win.end();
  // A thin edge of its own keeps the box apart from the window behind,
  // also where no window manager draws a frame.
  win.box(FL_THIN_UP_BOX);
  win.set_modal();

  int sx = 0, sy = 0, sw = 0, sh = 0;
  Fl::screen_work_area(sx, sy, sw, sh);
  int x = sx + (sw - w) / 2, y = sy + (sh - h) / 2;
  if (const Fl_Window* owner = OwnerWindow()) {
    x = owner->x() + (owner->w() - w) / 2;
    y = owner->y() + (owner->h() - h) / 2;
  }
  win.position(std::clamp(x, sx, std::max(sx, sx + sw - w)), std::clamp(y, sy, std::max(sy, sy + sh - h)));

  MessageBoxView view{&win, std::string(text), title, icon, ok};
  const MessageBoxView* outer = g_current;
  g_current = &view;
  win.show();
  ok->take_focus();
  while (!answered) Fl::wait(0.5);
  win.hide();
  g_current = outer;
  return kIdOk;
}

}  // namespace platform::fltk
