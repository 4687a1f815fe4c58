// Plays what a user does on the program's dialogs from another thread:
// finds dialogs by title, sends the notifications a user's actions send,
// answers message boxes (remembering their texts) and takes screenshots.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace e2e {

struct MessageBoxSeen {
  std::string caption;
  std::string text;
  bool warning = false;  // warning icon (otherwise information)
};
using Boxes = std::vector<MessageBoxSeen>;

class UiDriver {
 public:
  explicit UiDriver(DWORD ui_thread);

  // A visible dialog of the program with this title, or nullptr after the timeout.
  HWND WaitDialog(std::string_view title, int timeout_ms = 10000);
  // Waits until `dlg` no longer exists.
  bool WaitGone(HWND dlg, int timeout_ms = 10000);
  // The title of the program's visible dialog (not a message box), "" when none.
  std::string CurrentTitle();

  // User actions. Each returns when the program has handled it; message
  // boxes that the program showed meanwhile were answered with OK.
  Boxes Click(HWND dlg, int id);
  Boxes Choose(HWND dlg, int id, int row);        // pick a row of a drop-down list
  Boxes Type(HWND dlg, int id, std::string_view text);  // set the text, then leave the field
  Boxes Close(HWND dlg);                          // the close box
  // A click that opens a window over this one (its handler runs that
  // window's modal loop): returns once the window titled `opens` is shown.
  // The click completes when that window ends.
  void ClickOpening(HWND dlg, int id, std::string_view opens);
  // Like ClickOpening, for a window of the system (whose title the program
  // does not choose): returns the first new dialog that is shown.
  HWND ClickOpeningAny(HWND dlg, int id);
  // Waits for clicks of ClickOpening to complete.
  void Settle();
  ~UiDriver();
  Boxes Escape(HWND dlg);                         // the Escape key (cancel command)
  // The Enter key pressed in the control that has the focus; the dialog
  // manager turns it into its default button's command.
  void PressEnter();

  // What the user sees.
  std::string Text(HWND dlg, int id);
  std::string Title(HWND dlg);
  int Selection(HWND dlg, int id);
  int Count(HWND dlg, int id);
  std::string Item(HWND dlg, int id, int row);
  bool Enabled(HWND dlg, int id);
  bool Visible(HWND dlg, int id);
  bool Checked(HWND dlg, int id);
  RECT ClientRectOf(HWND dlg, int id);  // control rectangle in the dialog's client pixels

  // Screenshot of the whole screen into <shots>/<name>.png.
  void Shot(std::string_view name);
  // The next message box is photographed as <name> before it is answered.
  void ShotNextBox(std::string name) { next_box_shot_ = std::move(name); }
  // Screen pixels inside control `id` that are clearly blue (text drawn in
  // a blue colour, smoothed against the grey background).
  int BluePixels(HWND dlg, int id);
  // The mean difference per colour channel (0..255) between the screen
  // inside `place` (the dialog's client pixels) and the top-left `part` of
  // bitmap resource `bitmap_id` stretched over it; negative when either
  // cannot be read.
  double DifferenceFromBitmap(HWND dlg, int bitmap_id, SIZE part, const RECT& place);
  // Checks what a user would see as broken on a window: a visible control
  // outside the window, two visible controls on top of each other (frames
  // aside), a text that does not fit its control in the control's font.
  void CheckNothingClipped(HWND dlg, std::string_view window);

  // Checks.
  void Check(bool ok, std::string_view what);
  void CheckEq(std::string_view got, std::string_view want, std::string_view what);
  void CheckEq(long got, long want, std::string_view what);
  void CheckBoxes(const Boxes& got, const Boxes& want, std::string_view what);
  int failures() const { return failures_; }

  // Log line to standard error.
  void Log(std::string_view line);

 private:
  Boxes Deliver(HWND target, UINT msg, WPARAM wp, LPARAM lp, const std::wstring* text);
  void ToggleAutoButton(HWND item);
  bool UserCanUse(HWND dlg, int id, std::string_view action);
  HWND FindMessageBox();

  DWORD ui_thread_;
  std::vector<std::thread> pending_;
  std::string next_box_shot_;
  int failures_ = 0;
};

std::string Utf8(std::wstring_view w);
std::wstring Wide(std::string_view s);

}  // namespace e2e
