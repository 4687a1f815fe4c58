#include "tests/gui/gui_driver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <typeinfo>
#include <vector>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

namespace guitest {
namespace {

int g_failures = 0;
char g_no_text[1] = {0};
bool g_settling = false;  // the screenshot lets the loop draw: no script step meanwhile

bool Usable(FltkDialog& dlg, int id, const char* action) {
  Fl_Widget* w = dlg.Widget(id);
  if (!w) {
    Fail(std::string(action) + ": template " + std::to_string(dlg.TemplateId()) + " has no control " +
         std::to_string(id));
    return false;
  }
  if (platform::fltk::CurrentMessageBox()) {
    Fail(std::string(action) + " " + std::to_string(id) + " while a message box is shown");
    return false;
  }
  if (!w->visible_r() || !w->active_r()) {
    Fail(std::string(action) + " " + std::to_string(id) + ": the control is " +
         (w->visible_r() ? "disabled" : "hidden") + ", a user could not do this");
    return false;
  }
  return true;
}

void SendMouse(Fl_Window* win, int event, int x, int y) {
  Fl::e_x = x;
  Fl::e_y = y;
  Fl::e_x_root = win->x() + x;
  Fl::e_y_root = win->y() + y;
  Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
  Fl::e_state = event == FL_PUSH ? FL_BUTTON1 : 0;
  Fl::e_clicks = 0;
  Fl::e_is_click = 1;
  Fl::handle(event, win);
}

void ClickAt(Fl_Window* win, Fl_Widget* w) {
  const int x = w->x() + w->w() / 2;
  const int y = w->y() + w->h() / 2;
  SendMouse(win, FL_PUSH, x, y);
  SendMouse(win, FL_RELEASE, x, y);
}

void SendKey(Fl_Window* win, int keysym, std::string_view text, int state) {
  std::string buf(text);
  Fl::e_keysym = keysym;
  Fl::e_original_keysym = keysym;
  Fl::e_state = state;
  Fl::e_text = buf.data();
  Fl::e_length = static_cast<int>(buf.size());
  Fl::handle(FL_KEYBOARD, win);
  Fl::e_text = g_no_text;
  Fl::e_length = 0;
  Fl::e_state = 0;
}

template <class W>
W* FindIn(Fl_Group* g) {
  for (int i = 0; i < g->children(); ++i) {
    Fl_Widget* c = g->child(i);
    if (auto* w = dynamic_cast<W*>(c); w && c->visible_r()) return w;
    if (Fl_Group* sub = c->as_group())
      if (W* w = FindIn<W>(sub)) return w;
  }
  return nullptr;
}

// The shown window that is not one of ours and has a file name field.
Fl_Window* ChooserWindow() {
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) {
    bool ours = false;
    for (FltkDialog* d : platform::fltk::OpenDialogs()) ours |= d->NativeWindow() == w;
    if (!ours && w->shown() && FindIn<Fl_File_Input>(w)) return w;
  }
  return nullptr;
}

// Every shown widget of a window whose exact type is W.
template <class W>
std::vector<W*> AllIn(Fl_Group* g) {
  std::vector<W*> out;
  for (int i = 0; i < g->children(); ++i) {
    Fl_Widget* c = g->child(i);
    if (!c->visible_r()) continue;
    if (typeid(*c) == typeid(W)) out.push_back(static_cast<W*>(c));
    if (Fl_Group* sub = c->as_group()) {
      std::vector<W*> more = AllIn<W>(sub);
      out.insert(out.end(), more.begin(), more.end());
    }
  }
  return out;
}

// The chooser's Cancel: its one plain button with a caption.
Fl_Button* CancelButton(Fl_Window* win) {
  for (Fl_Button* b : AllIn<Fl_Button>(win))
    if (b->label() && *b->label()) return b;
  return nullptr;
}

}  // namespace

bool FolderChooserShown() { return ChooserWindow() != nullptr; }

FolderChooserView FolderChooser() {
  FolderChooserView v;
  Fl_Window* win = ChooserWindow();
  if (!win) {
    Fail("no folder chooser to look at");
    return v;
  }
  v.title = win->label() ? win->label() : "";
  if (auto* name = FindIn<Fl_File_Input>(win)) v.folder = name->value();
  for (Fl_Box* box : AllIn<Fl_Box>(win))
    if (box->label()) v.labels.push_back(box->label());
  if (auto* ok = FindIn<Fl_Return_Button>(win)) v.ok = ok->label() ? ok->label() : "";
  if (Fl_Button* cancel = CancelButton(win)) v.cancel = cancel->label();
  v.choices = static_cast<int>(AllIn<Fl_Choice>(win).size());
  v.checks = static_cast<int>(AllIn<Fl_Check_Button>(win).size());
  return v;
}

void CancelFolderChooser() {
  Fl_Window* win = ChooserWindow();
  Fl_Button* cancel = win ? CancelButton(win) : nullptr;
  if (!cancel) {
    Fail("no folder chooser to cancel");
    return;
  }
  ClickAt(win, cancel);
}

void PickInFolderChooser(const std::string& folder) {
  Fl_Window* win = ChooserWindow();
  if (!win) {
    Fail("no folder chooser to pick in");
    return;
  }
  auto* name = FindIn<Fl_File_Input>(win);
  auto* ok = FindIn<Fl_Return_Button>(win);
  if (!ok) {
    Fail("the folder chooser has no OK button");
    return;
  }
  // Typing would meet the chooser's completion; the name field is set as
  // a pasted path would set it.
  name->value(folder.c_str());
  name->do_callback();
  ClickAt(win, ok);
}

void Fail(const std::string& what) {
  ++g_failures;
  std::fprintf(stderr, "GUI FAILURE: %s\n", what.c_str());
  std::fflush(stderr);
}

int Failures() { return g_failures; }

FltkDialog* FindDialog(int template_id) {
  const auto& open = platform::fltk::OpenDialogs();
  for (auto it = open.rbegin(); it != open.rend(); ++it)
    if ((*it)->TemplateId() == template_id && !(*it)->Ended() && (*it)->NativeWindow()->shown())
      return *it;
  return nullptr;
}

FltkDialog& Dialog(int template_id) {
  FltkDialog* d = FindDialog(template_id);
  if (!d) {
    Fail("no open window of template " + std::to_string(template_id));
    std::fflush(nullptr);
    std::_Exit(2);
  }
  return *d;
}

void Click(FltkDialog& dlg, int id) {
  if (!Usable(dlg, id, "click")) return;
  ClickAt(dlg.NativeWindow(), dlg.Widget(id));
}

void Choose(FltkDialog& dlg, int id, int index) {
  if (!Usable(dlg, id, "choose")) return;
  auto* choice = dynamic_cast<Fl_Choice*>(dlg.Widget(id));
  if (!choice) {
    Fail("choose: control " + std::to_string(id) + " is not a list");
    return;
  }
  if (index < 0 || index >= choice->size() - 1) {
    Fail("choose: list " + std::to_string(id) + " has no entry " + std::to_string(index));
    return;
  }
  // What a click on the list does before its menu opens (the focus moves
  // to it), then the pick of an entry in the opened menu.
  if (!dlg.BeforeFocusMove(choice)) return;
  choice->take_focus();
  choice->picked(&choice->menu()[index]);
}

void OpenList(FltkDialog& dlg, int id) {
  if (!Usable(dlg, id, "open list")) return;
  Fl_Widget* w = dlg.Widget(id);
  // Pressed and held: the menu stays open until a key or a click ends it.
  SendMouse(dlg.NativeWindow(), FL_PUSH, w->x() + w->w() / 2, w->y() + w->h() / 2);
  Fl::e_state = 0;
}

bool ListMenuOpen() { return Fl::grab() != nullptr; }

void MenuKey(int keysym) {
  Fl_Window* menu = Fl::grab();
  if (!menu) {
    Fail("no open menu for a key");
    return;
  }
  SendKey(menu, keysym, keysym == FL_Enter ? "\r" : "", 0);
}

void TypeKeys(FltkDialog& dlg, std::string_view text) {
  Fl_Window* win = dlg.NativeWindow();
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = 1;
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xF0) n = 4;
    else if (lead >= 0xE0) n = 3;
    else if (lead >= 0xC0) n = 2;
    const std::string_view ch = text.substr(i, n);
    SendKey(win, lead < 0x80 ? lead : 0, ch, 0);
    i += n;
  }
}

void TypeInto(FltkDialog& dlg, int id, std::string_view text) {
  if (!Usable(dlg, id, "type into")) return;
  Fl_Window* win = dlg.NativeWindow();
  Fl_Widget* w = dlg.Widget(id);
  if (Fl::focus() != w) ClickAt(win, w);
  if (platform::fltk::CurrentMessageBox()) return;  // the click was answered by a warning
  SendKey(win, 'a', "\x01", FL_CTRL);  // select everything
  SendKey(win, FL_Delete, "", 0);
  TypeKeys(dlg, text);
}

void PressKey(FltkDialog& dlg, int keysym, int state) {
  std::string text = keysym == FL_Enter ? "\r" : keysym == FL_Escape ? "\x1b" : keysym == FL_Tab ? "\t" : "";
  if ((state & FL_CTRL) && keysym >= 'a' && keysym <= 'z') text = std::string(1, static_cast<char>(keysym & 0x1F));
  SendKey(dlg.NativeWindow(), keysym, text, state);
}

void CloseBox(FltkDialog& dlg) {
  // What the window manager's close request turns into.
  Fl::handle(FL_CLOSE, dlg.NativeWindow());
}

void AnswerMessageBox() {
  const platform::fltk::MessageBoxView* box = platform::fltk::CurrentMessageBox();
  if (!box) {
    Fail("no message box to answer");
    return;
  }
  ClickAt(box->window, box->ok);
}

void Screenshot(const std::string& dir, const std::string& name) {
  // Every window on screen, so a message box is seen over its window.
  int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) {
    if (!w->shown() || !w->visible()) continue;
    x0 = std::min(x0, w->x());
    y0 = std::min(y0, w->y());
    x1 = std::max(x1, w->x() + w->w());
    y1 = std::max(y1, w->y() + w->h());
  }
  if (x1 < 0) return;
  // A window that has just appeared is drawn when the server exposes it.
  g_settling = true;
  for (int i = 0; i < 10; ++i) {
    Fl::flush();
    XSync(fl_display, False);
    Fl::wait(0.01);
  }
  g_settling = false;
  constexpr int kPad = 6;
  x0 = std::max(0, x0 - kPad);
  y0 = std::max(0, y0 - kPad);
  x1 = std::min(Fl::w(), x1 + kPad);
  y1 = std::min(Fl::h(), y1 + kPad);
  const std::string cmd = "import -display '" + std::string(XDisplayString(fl_display)) +
                          "' -window root -crop " + std::to_string(x1 - x0) + "x" +
                          std::to_string(y1 - y0) + "+" + std::to_string(x0) + "+" + std::to_string(y0) +
                          " +repage '" + dir + "/" + name + ".png'";
  if (std::system(cmd.c_str()) != 0) Fail("screenshot " + name + " could not be taken");
}

// ---------------------------------------------------------------------------
// Script

Script& Script::Do(std::string what, Action a) {
  steps_.push_back(Step{std::move(what), std::move(a), nullptr, 0});
  return *this;
}

Script& Script::WaitFor(std::string what, Ready ready, double seconds) {
  steps_.push_back(Step{std::move(what), nullptr, std::move(ready), seconds});
  return *this;
}

Script& Script::WaitDialog(int template_id, double seconds) {
  return WaitFor("window " + std::to_string(template_id) + " opens",
                 [template_id] {
                   return FindDialog(template_id) != nullptr && !platform::fltk::CurrentMessageBox();
                 },
                 seconds);
}

Script& Script::WaitMessageBox(std::string_view expected_text, double seconds) {
  std::string expected(expected_text);
  return WaitFor("message box \"" + expected + "\"",
                 [expected] {
                   const platform::fltk::MessageBoxView* box = platform::fltk::CurrentMessageBox();
                   if (!box || !box->window->shown()) return false;
                   if (box->text != expected) {
                     Fail("message box says \"" + box->text + "\", expected \"" + expected + "\"");
                   }
                   return true;
                 },
                 seconds);
}

Script& Script::WaitNoMessageBox(double seconds) {
  return WaitFor("no message box", [] { return platform::fltk::CurrentMessageBox() == nullptr; }, seconds);
}

Script::~Script() { Fl::remove_timeout(&Script::Tick, this); }

void Script::Start(double tick_seconds) {
  tick_ = tick_seconds;
  Fl::add_timeout(tick_, &Script::Tick, this);
}

void Script::Tick(void* self) {
  auto* s = static_cast<Script*>(self);
  if (s->Done()) return;
  Fl::repeat_timeout(s->tick_, &Script::Tick, self);
  if (g_settling) return;
  Step& step = s->steps_[s->next_];
  if (step.ready) {
    if (step.ready()) {
      ++s->next_;
      s->waited_ = 0;
      return;
    }
    s->waited_ += s->tick_;
    if (s->waited_ > step.seconds) {
      Fail("timed out waiting for: " + step.what);
      std::fflush(nullptr);
      std::_Exit(3);
    }
    return;
  }
  // The step is taken before it runs: if it opens a modal loop, the next
  // ticks (from inside that loop) go on with the following steps.
  ++s->next_;
  s->waited_ = 0;
  step.action();
}

void Script::Watchdog(double seconds) {
  Fl::add_timeout(seconds, [](void*) {
    Fail("the session did not finish in time");
    std::fflush(nullptr);
    std::_Exit(4);
  });
}

}  // namespace guitest
