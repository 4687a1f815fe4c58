// What window logic may ask of a dialog, and what it is told.
//
// Window logic (shell/, camera/, wireless/) is written once against these
// interfaces and never sees a native handle. Each host (headless, win32,
// fltk) implements Dialog over its own controls and turns native
// notifications into calls of the Window methods.
//
// All texts crossing this seam are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Rectangle in client pixels of the dialog (x, y = top-left corner).
struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum class MsgIcon { Warning, Information };

// Answers of a message box.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

class Dialog {
 public:
  virtual ~Dialog() = default;

  // Drop-down lists. Positions are 0-based; -1 means "no selection".
  // Selecting from the program raises no notification; selecting a
  // position outside the list leaves the list without selection.
  virtual void ListReset(int id) = 0;
  virtual int ListAdd(int id, std::string_view text) = 0;  // returns position
  virtual int ListInsert(int id, int pos, std::string_view text) = 0;
  virtual void ListSelect(int id, int pos) = 0;
  virtual int ListSelection(int id) const = 0;
  virtual int ListCount(int id) const = 0;
  virtual std::string ListItem(int id, int pos) const = 0;

  // Text of an edit, a static, a button or a group box. Setting the text
  // of an edit raises that edit's EditChange notification (synchronously,
  // before SetText returns), as the native platform does.
  virtual void SetText(int id, std::string_view text) = 0;
  virtual std::string Text(int id) const = 0;
  // Length of the text in characters (not bytes).
  virtual int TextLength(int id) const = 0;
  // Bounds what the user can type (in characters); the program may set longer texts.
  virtual void SetLimit(int id, int chars) = 0;
  // Password style: every character shown as '*'.
  virtual void SetMasked(int id, bool masked) = 0;
  // Places the caret (an empty selection) before character `pos`.
  virtual void SetCaret(int id, int pos) = 0;
  virtual void SetFocus(int id) = 0;

  virtual void Enable(int id, bool on) = 0;
  virtual bool IsEnabled(int id) const = 0;
  virtual void Show(int id, bool on) = 0;
  virtual bool IsShown(int id) const = 0;
  // Position and size in client pixels.
  virtual Rect ControlRect(int id) const = 0;
  virtual void MoveControl(int id, const Rect& r) = 0;

  virtual void SetChecked(int id, bool on) = 0;
  virtual bool IsChecked(int id) const = 0;

  virtual void SetTitle(std::string_view text) = 0;
  virtual void SetIcon(int icon_id) = 0;
  // Draws a static control's text in this colour on a transparent background.
  virtual void SetTextColor(int id, uint32_t rgb) = 0;

  // Ends the dialog's modal loop; Host::RunModal then returns `result`.
  virtual void End(int result) = 0;

  // Modal: returns only when the user has answered (kIdOk).
  virtual int MessageBox(std::string_view text, std::string_view caption, MsgIcon icon) = 0;

  // Window timer: Window::OnTimer(id) every `ms` milliseconds until stopped.
  virtual void StartTimer(int timer_id, int ms) = 0;
  virtual void StopTimer(int timer_id) = 0;

  // Asks for a repaint of the whole client area (with background erase).
  virtual void Invalidate() = 0;
  // Only valid inside Window::OnPaint: copies a w x h pixel area from the
  // top-left corner of bitmap resource `bitmap_id` to client pixel (x, y).
  // A bitmap that does not exist is not drawn.
  virtual void DrawBitmap(int bitmap_id, int x, int y, int w, int h) = 0;
};

}  // namespace platform
