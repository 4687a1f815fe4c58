// The headless host: dialogs in memory, built from the layout tables, with
// the native behaviours the window logic relies on, and a C++ API that
// plays a user's session against the real application.
//
// The application runs on a stack of its own (app_stack.h); the caller
// (a test, say) hands it one user action at a time and waits until the
// application is idle again, that is waiting in a dialog's modal loop or in
// a message box. Only one of the two ever runs, so a session is
// deterministic and every query below reads a quiet application.
//
// Native behaviours reproduced:
//   - setting an edit's text from the program raises its EditChange at once;
//   - selecting a list entry from the program raises nothing; a user's
//     choice raises SelChange, then SelEndOk; a position outside the list
//     leaves no selection (-1);
//   - a length limit bounds what the user types or pastes, never what the
//     program sets;
//   - a disabled or hidden control takes no user input: such an action is
//     refused with an error, and nothing reaches the window;
//   - message boxes are modal: the handler that shows one waits for the answer;
//   - a user action on another control first takes the focus from the
//     focused edit (KillFocus); if that handler shows a message box, the
//     rest of the action is lost, as a click is lost to a box on the desktop;
//   - a window repaints (OnPaint) when the application becomes idle after
//     it was created or invalidated;
//   - timers fire only when the session ticks them.
//
// Example (a GoogleTest test of the main window and the camera setup window):
//
//   ResetAllState();                          // one process runs many sessions
//   headless::Session s;
//   s.services().SetSystemLanguageId(2052);
//   s.services().SetWorkingDirectory("/tmp/card");
//   s.Start([](platform::Host& h) { RunApplication(h, AllWindows(), App()); });
//   EXPECT_EQ(s.TopTemplate(), 100);
//   EXPECT_EQ(s.Title(), "设置");
//   ASSERT_TRUE(s.Select(40012, 0));          // NANO-A: SelChange, SelEndOk
//   EXPECT_FALSE(s.Enabled(40008));
//   EXPECT_FALSE(s.Click(40008));             // refused: the button is disabled
//   ASSERT_TRUE(s.Click(40003));              // Camera Setup
//   ASSERT_EQ(s.TopTemplate(), 113);
//   ASSERT_TRUE(s.Select(40042, 1));          // Set Clock: Input
//   ASSERT_TRUE(s.Paste(40065, "60"));        // longitude minutes, range-checked as they change
//   ASSERT_TRUE(s.Box().has_value());
//   EXPECT_EQ(s.Box()->text, "输入内容超出范围！");
//   ASSERT_TRUE(s.Answer());
//   EXPECT_EQ(s.Text(40065), "59");
//   ASSERT_TRUE(s.Close());                   // the close box: back to the main window
//
// Every action returns an ActionResult: true when delivered, otherwise an
// error that says why (`ASSERT_TRUE(r) << r.error`).
//
// One session at a time: a session installs itself as the process's host,
// services and diagnostic sink, and removes itself when destroyed.
//
// Windows are addressed by template id; 0 (the default) is the topmost open
// window. A window behind an owned window takes no input; a window behind
// an ownerless one (the GPS coordinates mailbox) does.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog.h"
#include "platform/headless/app_stack.h"
#include "platform/layout.h"
#include "platform/services.h"
#include "platform/window.h"

namespace headless {

// Scripted system services. Set them before Start or between actions.
class Services final : public platform::Services {
 public:
  Services();

  platform::LocalTime Now() override;
  int SystemLanguageId() override { return language_id_; }
  std::optional<std::string> WorkingDirectory() override { return working_dir_; }
  int PcUtcOffsetHours() override { return utc_offset_; }
  std::optional<std::string> PickFolder(std::string_view start_folder) override;

  void SetNow(const platform::LocalTime& t) { now_ = t; }
  // Moves the clock on by whole seconds (calendar-correct).
  void AdvanceClock(long long seconds);
  void SetSystemLanguageId(int id) { language_id_ = id; }
  // Nothing: the working directory cannot be read.
  void SetWorkingDirectory(std::optional<std::string> dir) { working_dir_ = std::move(dir); }
  void SetPcUtcOffsetHours(int hours) { utc_offset_ = hours; }
  // Queues what the next folder picker returns: a folder, or nothing for Cancel.
  // A picker opened with nothing queued is cancelled.
  void QueuePickFolder(std::optional<std::string> answer) { picks_.push_back(std::move(answer)); }
  int FolderPickerCalls() const { return picker_calls_; }
  // The folder the last picker was opened at.
  const std::string& FolderPickerStart() const { return picker_start_; }

  // Called with each picker result (for the transcript).
  std::function<void(const std::optional<std::string>&)> on_pick;

 private:
  platform::LocalTime now_{2024, 6, 1, 12, 0, 0};
  int language_id_ = 1033;
  std::optional<std::string> working_dir_;
  int utc_offset_ = 0;
  std::deque<std::optional<std::string>> picks_;
  int picker_calls_ = 0;
  std::string picker_start_;
};

// The outcome of a user action: empty error when the action was delivered.
struct ActionResult {
  std::string error;
  explicit operator bool() const { return error.empty(); }
};

struct BitmapDraw {
  int bitmap_id = 0;
  int x = 0, y = 0, w = 0, h = 0;
  friend bool operator==(const BitmapDraw&, const BitmapDraw&) = default;
};

struct MessageBoxInfo {
  std::string text;
  std::string caption;
  platform::MsgIcon icon = platform::MsgIcon::Information;
  int owner_template = 0;  // the window whose handler showed it
  // The control whose notification that handler was answering (an edit
  // whose change check warns, a button), 0 when it answered none.
  int control = 0;
};

// What happened, in order: the transcript of a session.
struct Event {
  enum Kind {
    WindowOpened,   // template_id, text = template title; before the window initialises
    WindowShown,    // template_id, text = title; after it has initialised
    WindowClosed,   // template_id, value = result
    BoxShown,       // template_id = owner, caption, text
    BoxAnswered,    // value = answer
    DiagLine,       // text (without the line break)
    FolderPicked,   // text = folder, value = 0 when cancelled
    Note,           // text: something a test writer should know (an action cut short)
    NoLayout,       // template_id: a window whose template has no layout
  };
  Kind kind;
  int template_id = 0;
  int value = 0;
  std::string text;
  std::string caption;
};

class Dialog;
struct OpenWindow;

class Session {
 public:
  Session();
  ~Session();  // ends the application if it is still running
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Services& services() { return services_; }
  platform::Host& host();

  // Which bitmap resources exist (DrawBitmap of any other id draws nothing).
  // By default every id exists.
  void SetBitmapExists(std::function<bool(int)> exists) { bitmap_exists_ = std::move(exists); }
  // A layout this session uses in place of (or besides) the built-in ones;
  // tests of the host itself build their own templates.
  void AddLayout(const platform::DialogLayout* layout) { extra_layouts_.push_back(layout); }
  // How long to wait for the application to become idle before giving up
  // where it runs on a thread of its own (see app_stack.h).
  void SetIdleTimeout(std::chrono::milliseconds t) { app_.SetTimeout(t); }

  // Runs entry(host) on the application's stack and waits until it is idle.
  void Start(std::function<void(platform::Host&)> entry);
  // True once entry has returned.
  bool Finished() const;

  // ---- user actions -----------------------------------------------------
  ActionResult Select(int id, int pos, int tpl = 0);
  ActionResult SelectText(int id, std::string_view text, int tpl = 0);
  // Keystrokes at the caret, one EditChange each. "\b" is Backspace. An
  // edit that did not have the focus gets it with the caret at the end.
  ActionResult Type(int id, std::string_view text, int tpl = 0);
  // Select all and paste: the text (cut to the limit) replaces the edit's
  // text with one EditChange; the caret ends after it.
  ActionResult Paste(int id, std::string_view text, int tpl = 0);
  // The edit loses the keyboard focus (KillFocus); it must have it.
  ActionResult Leave(int id, int tpl = 0);
  // Push button, check box (toggles) or radio button (checks it).
  ActionResult Click(int id, int tpl = 0);
  // The window's close box.
  ActionResult Close(int tpl = 0);
  // Enter: the focused push button, else the default push button, else kIdOk.
  ActionResult Enter(int tpl = 0);
  // Escape: kIdCancel.
  ActionResult Escape(int tpl = 0);
  // Fires every running timer of every open window once (bottom window
  // first, timers in id order). Returns how many fired in `fired`.
  ActionResult Tick(int* fired = nullptr);
  // Answers the topmost message box (OK).
  ActionResult Answer();

  // ---- what the user sees -------------------------------------------------
  // Template ids of the open windows, bottom first.
  std::vector<int> OpenTemplates() const;
  int TopTemplate() const;  // 0 when none
  bool IsOpen(int tpl) const;
  std::string Title(int tpl = 0) const;
  int Icon(int tpl = 0) const;
  bool HasControl(int id, int tpl = 0) const;
  // Ids of the window's controls in template order, with their classes.
  std::vector<int> ControlIds(int tpl = 0) const;
  std::optional<platform::ControlClass> ControlClassOf(int id, int tpl = 0) const;
  std::string Text(int id, int tpl = 0) const;        // as set (a masked edit's real text)
  std::string ShownText(int id, int tpl = 0) const;   // what shows: '*' per character when masked
  std::vector<std::string> Items(int id, int tpl = 0) const;
  int Selection(int id, int tpl = 0) const;
  bool Enabled(int id, int tpl = 0) const;
  bool Shown(int id, int tpl = 0) const;
  bool Checked(int id, int tpl = 0) const;
  bool Masked(int id, int tpl = 0) const;
  int Limit(int id, int tpl = 0) const;  // 0 = none set
  int Caret(int id, int tpl = 0) const;
  int Focus(int tpl = 0) const;          // id of the focused control, 0 none
  platform::Rect ControlRect(int id, int tpl = 0) const;
  std::optional<uint32_t> TextColor(int id, int tpl = 0) const;
  std::vector<int> RunningTimers(int tpl = 0) const;
  // Bitmaps drawn by the window's last paint, and how often it was painted.
  std::vector<BitmapDraw> LastPaint(int tpl = 0) const;
  int PaintCount(int tpl = 0) const;
  // The topmost open message box.
  std::optional<MessageBoxInfo> Box() const;
  // Message boxes shown so far in this session.
  int BoxCount() const { return boxes_shown_; }

  // Diagnostic lines written since Start (or ClearDiag), without line breaks.
  std::vector<std::string> DiagLines() const;
  void ClearDiag();
  // Events since the last call.
  std::vector<Event> TakeEvents();
  // Calls of the program on controls its dialog does not have (id, template).
  std::vector<std::pair<int, int>> MissingControlCalls() const;

  // Stack depth of the application (bytes between its entry and the
  // wait point it is idle at), measured at the last time it became idle.
  std::size_t StackDepth() const { return stack_depth_; }

 private:
  friend class Dialog;
  class Host;

  // Application side.
  int RunModal(platform::Window& w);
  int ShowBox(Dialog& owner, std::string_view text, std::string_view caption, platform::MsgIcon icon);
  bool WaitForJob();  // false when the session is quitting
  bool Quitting();
  void PaintDirty();
  // Moves the keyboard focus to control id of d; the edit that loses it gets KillFocus.
  void MoveFocus(Dialog& d, int id);
  // The same for a user action; false (with a note) when the edit's handler
  // showed a message box or ended the window, so the action is lost.
  bool UserFocus(Dialog& d, int id);
  void Record(Event e);
  void OnDiag(std::string_view text);

  // Driver side.
  ActionResult Post(std::function<void()> job);
  ActionResult CheckReady(bool allow_box) const;
  ActionResult Target(int tpl, OpenWindow** out) const;
  ActionResult TargetControl(int tpl, int id, OpenWindow** out, bool input) const;
  const OpenWindow* Find(int tpl) const;

  Services services_;
  std::unique_ptr<Host> host_;
  std::function<bool(int)> bitmap_exists_;
  std::vector<const platform::DialogLayout*> extra_layouts_;

  AppStack app_;
  std::function<void()> job_;
  bool finished_ = false;
  bool quitting_ = false;
  uintptr_t stack_base_ = 0;
  std::size_t stack_depth_ = 0;

  std::vector<OpenWindow*> stack_;  // open windows, bottom first
  Dialog* active_ = nullptr;        // the window with the keyboard focus
  struct OpenBox {
    MessageBoxInfo info;
    bool answered = false;
    int answer = platform::kIdOk;
  };
  std::vector<OpenBox*> boxes_;
  int boxes_shown_ = 0;

  std::vector<Event> events_;
  std::vector<std::string> diag_lines_;
  std::string diag_partial_;
  std::vector<std::pair<int, int>> missing_;
};

}  // namespace headless
