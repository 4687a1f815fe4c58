// One dialog of the browser host: an element of the page with one child
// element per control of the template's layout, driven by a platform::Window.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/layout.h"
#include "platform/web/web_dom.h"
#include "platform/window.h"

namespace platform::web {

// What the seam keeps of a control beside its element: what only the
// program changes. What the user changes (edit text, selection, check
// marks, focus) is read from the page.
struct Control {
  const ControlDef* def = nullptr;
  Rect rect;                       // as the window logic sees it (lists: with the open list)
  std::string text;                // the text as set
  std::vector<std::string> items;  // drop-down list entries
  bool enabled = true;
  bool shown = true;
};

class WebDialog final : public Dialog {
 public:
  WebDialog(Window& logic, const DialogLayout& layout, const WebDialog* beside);
  ~WebDialog() override;
  WebDialog(const WebDialog&) = delete;
  WebDialog& operator=(const WebDialog&) = delete;

  // Initialises, shows and runs the window until it ends; returns the result.
  int Run();
  // Delivers one event of the page's queue to the window.
  void Handle(const Event& e);
  int Serial() const { return serial_; }
  bool Ended() const { return ended_; }

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

 private:
  Control* Find(int id);
  const Control* Find(int id) const;
  void Build();
  void Raise(int id, Notify what) { logic_.OnCommand(*this, id, what); }
  void OnCommandEvent(int id, CommandDetail detail);
  void OnEnter();
  void Paint();

  Window& logic_;
  const DialogLayout& layout_;
  const int serial_;
  std::vector<Control> controls_;
  std::vector<int> timers_;  // ids of the running timers
  int pending_focus_ = 0;    // focus asked for before the window is shown
  bool visible_ = false;
  bool ended_ = false;
  bool painting_ = false;
  int result_ = 0;
};

// Takes the page's next event and delivers it to the window it is for.
// While a message box is open, user input to the windows is dropped (the
// box is modal); timers and repaints still reach them.
void PumpEvent();

// Shows a modal message box over `owner` and waits for its answer.
int ShowMessageBox(int owner_serial, std::string_view text, std::string_view caption, MsgIcon icon);

}  // namespace platform::web
