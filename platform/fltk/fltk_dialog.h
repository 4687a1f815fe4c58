// One dialog of the portable GUI: an FLTK window with one widget per
// control of the template's layout, driven by a platform::Window.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <FL/Fl_Menu_Item.H>

#include "platform/dialog.h"
#include "platform/layout.h"
#include "platform/window.h"

class Fl_Widget;
class Fl_Window;

namespace platform::fltk {

class DialogWindow;

// One control of the dialog and the state the seam keeps beside the widget.
struct Control {
  const ControlDef* def = nullptr;
  int id = 0;
  ControlClass cls = ControlClass::Static;
  Fl_Widget* widget = nullptr;  // owned by the window
  Rect rect;                    // as the window logic sees it (lists: with the open list)
  std::string text;             // the text as set, unescaped
  // Drop-down lists: the entries as set and the menu FLTK draws from them.
  std::vector<std::string> items;
  std::vector<std::string> item_labels;
  std::vector<Fl_Menu_Item> menu;
  // Edits: the focus loss was already reported for the current focus.
  bool kill_focus_sent = false;
  // Statics: the colour set by the program (drawn while enabled).
  bool colored = false;
  unsigned color = 0;
};

class FltkDialog final : public Dialog {
 public:
  FltkDialog(Window& logic, const DialogLayout& layout);
  ~FltkDialog() override;
  FltkDialog(const FltkDialog&) = delete;
  FltkDialog& operator=(const FltkDialog&) = delete;

  // Places the window centred on the screen, or beside `beside`.
  void Place(const FltkDialog* beside);
  // Initialises, shows and runs the window until it ends; returns the result.
  int Run();

  // For drivers: what the user sees.
  int TemplateId() const { return layout_.template_id; }
  const std::string& Title() const { return title_; }
  Fl_Window* NativeWindow() const;
  Fl_Widget* Widget(int id) const;
  bool Ended() const { return ended_; }
  int IconId() const { return icon_id_; }

  // Dialog
  void ListReset(int id) override;
  int ListAdd(int id, std::string_view text) override;
  int ListInsert(int id, int pos, std::string_view text) override;
  void ListSelect(int id, int pos) override;
  int ListSelection(int id) const override;
  int ListCount(int id) const override;
  std::string ListItem(int id, int pos) const override;
  void SetText(int id, std::string_view text) override;
  std::string Text(int id) const override;
  int TextLength(int id) const override;
  void SetLimit(int id, int chars) override;
  void SetMasked(int id, bool masked) override;
  void SetCaret(int id, int pos) override;
  void SetFocus(int id) override;
  void Enable(int id, bool on) override;
  bool IsEnabled(int id) const override;
  void Show(int id, bool on) override;
  bool IsShown(int id) const override;
  Rect ControlRect(int id) const override;
  void MoveControl(int id, const Rect& r) override;
  void SetChecked(int id, bool on) override;
  bool IsChecked(int id) const override;
  void SetTitle(std::string_view text) override;
  void SetIcon(int icon_id) override;
  void SetTextColor(int id, uint32_t rgb) override;
  void End(int result) override;
  int MessageBox(std::string_view text, std::string_view caption, MsgIcon icon) override;
  void StartTimer(int timer_id, int ms) override;
  void StopTimer(int timer_id) override;
  void Invalidate() override;
  void DrawBitmap(int bitmap_id, int x, int y, int w, int h) override;

  // From the widgets and the window (the native notifications).
  void OnWidgetCallback(Control& c);
  void OnEditFocusLost(Control& c);
  void OnCloseBox();
  void OnKey(int key);
  // Before the user moves the focus to `target` (a click or Tab): reports
  // the focused edit's focus loss first, as the native dialog does. Returns
  // false when a message box was shown meanwhile (the click is then lost).
  bool BeforeFocusMove(Fl_Widget* target);
  void Paint();

 private:
  struct Timer;

  Control* Find(int id);
  const Control* Find(int id) const;
  void Build();
  Fl_Widget* MakeWidget(Control& c);
  void RebuildMenu(Control& c, int selected);
  void Raise(int id, platform::Notify what);
  void DeliverPendingKillFocus();
  void FocusFirstTabStop();
  static void PendingKillFocusCb(void* self);
  static void TimerCb(void* timer);

  Window& logic_;
  const DialogLayout& layout_;
  std::unique_ptr<DialogWindow> window_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<int, std::unique_ptr<Timer>> timers_;
  std::vector<Control*> pending_kill_focus_;
  std::string title_;
  int icon_id_ = 0;
  bool ended_ = false;
  int result_ = 0;
  bool painting_ = false;
  bool focus_placed_ = false;  // the window logic placed the focus
};

// Converts a UTF-8 character position to a byte offset (clamped to the text).
std::size_t ByteOffsetOfChar(std::string_view text, int chars);
// Number of UTF-8 characters in `text`.
int CharCount(std::string_view text);
// `text` as an FLTK label shows it literally ('@' would start a symbol,
// and in list entries '&' would underline the next letter).
std::string LiteralLabel(std::string_view text, bool list_entry);

}  // namespace platform::fltk
