// A driver that plays a user's session on the portable GUI from inside
// its event loop: it finds windows and controls by template and control
// id and acts through FLTK's own event path (mouse and key events handed
// to Fl::handle, list choices through the list widget's own pick), so the
// host sees what it would see from a person.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fltk/fltk_dialog.h"
#include "platform/fltk/fltk_host.h"

namespace guitest {

using platform::fltk::FltkDialog;

// A failed expectation: printed at once; the run fails at its end.
void Fail(const std::string& what);
int Failures();
#define GUI_EXPECT(cond, what)                                   \
  do {                                                           \
    if (!(cond)) ::guitest::Fail(std::string(what) + " [" #cond "]"); \
  } while (0)

// The newest open dialog of a template that is on the screen, or nullptr.
FltkDialog* FindDialog(int template_id);
// The newest open dialog of a template; a missing one is a failure.
FltkDialog& Dialog(int template_id);

// User actions. Acting on a control that is disabled or hidden, or while
// a message box is up, is a failure of the script (a user could not do it).
void Click(FltkDialog& dlg, int id);
void Choose(FltkDialog& dlg, int id, int index);
// Presses the mouse on a list, which opens its menu (the following steps
// run while it is open), and keys for the open menu.
void OpenList(FltkDialog& dlg, int id);
bool ListMenuOpen();
void MenuKey(int keysym);
// Clicks into the edit, selects everything and types `text` key by key.
void TypeInto(FltkDialog& dlg, int id, std::string_view text);
// Types `text` at the caret of the focused control.
void TypeKeys(FltkDialog& dlg, std::string_view text);
// A key, with modifiers (FL_CTRL with a letter is the control character).
void PressKey(FltkDialog& dlg, int keysym, int state = 0);
void CloseBox(FltkDialog& dlg);
// Answers the message box being shown with OK (clicked like a user).
void AnswerMessageBox();

// The folder chooser being shown (FLTK's own chooser): whether one is up,
// and picking `folder` in it (typed into its name field, then OK).
bool FolderChooserShown();
void PickInFolderChooser(const std::string& folder);
void CancelFolderChooser();
// What the folder chooser shows.
struct FolderChooserView {
  std::string title, folder, ok, cancel;
  std::vector<std::string> labels;  // of the texts beside the controls
  int choices = 0;  // drop-down lists (a file type filter) shown
  int checks = 0;   // check boxes shown
};
FolderChooserView FolderChooser();

// Saves the screen area of every window on screen as `dir/name.png`.
void Screenshot(const std::string& dir, const std::string& name);

// Steps run one after another from a timer of the event loop. A Do step
// may open a modal loop (a dialog, a message box): the following steps
// then run inside it, as a user acts on the window that appeared.
class Script {
 public:
  using Action = std::function<void()>;
  using Ready = std::function<bool()>;

  Script() = default;
  Script(const Script&) = delete;
  Script& operator=(const Script&) = delete;
  ~Script();

  Script& Do(std::string what, Action a);
  // Waits until `ready` holds; a wait longer than `seconds` fails the run.
  Script& WaitFor(std::string what, Ready ready, double seconds = 10.0);
  Script& WaitDialog(int template_id, double seconds = 10.0);
  Script& WaitMessageBox(std::string_view expected_text, double seconds = 10.0);
  Script& WaitNoMessageBox(double seconds = 10.0);

  // Starts the script; it runs while the application's loop runs.
  void Start(double tick_seconds = 0.02);
  bool Done() const { return next_ >= steps_.size(); }
  // Gives the whole run `seconds`; past that the run fails and exits.
  static void Watchdog(double seconds);

 private:
  struct Step {
    std::string what;
    Action action;
    Ready ready;
    double seconds = 0;
  };
  static void Tick(void* self);

  std::vector<Step> steps_;
  std::size_t next_ = 0;
  double tick_ = 0.02;
  double waited_ = 0;
};

}  // namespace guitest
