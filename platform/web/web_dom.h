// The page's side of the browser host: the functions of web_dom.js and
// web_files.js that the C++ side calls. Texts are UTF-8 (pointer and
// length); a returned text is allocated with malloc and freed by the caller.
//
// The page never calls into the program: every DOM notification becomes
// one event in the page's queue, and the program takes them one at a time
// with ts_web_wait_event, which waits (Asyncify) while the queue is empty.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::web {

// Kinds of the events in the page's queue (web_dom.js posts these numbers).
enum class EventKind : int {
  Command = 1,    // id = control, detail = CommandDetail
  Close = 2,      // the window's close box
  Enter = 3,      // Enter pressed in the window
  Escape = 4,     // Escape pressed in the window
  Timer = 5,      // id = timer id
  Paint = 6,      // the window asked for a repaint
  BoxAnswer = 7,  // window = the message box's serial
};

enum class CommandDetail : int {
  Clicked = 0,     // button, check box, radio button
  ListPicked = 1,  // the user chose a list entry
  EditChanged = 2, // the user changed an edit's text
  FocusLost = 3,   // an edit lost the keyboard focus
};

struct Event {
  int window = 0;  // serial of the window (or message box) it is for
  int kind = 0;
  int id = 0;
  int detail = 0;
};

}  // namespace platform::web

extern "C" {

// ---- waiting (these return to the page while they wait) ----
void ts_web_wait_event(platform::web::Event* out);
// The folder picker, opened at the folder of `start` where the browser can:
// the path of the folder chosen, or nullptr on cancel.
char* ts_web_pick_folder(const char* start, std::size_t start_len);
// The start panel: asks for the folder to start in and returns its path.
char* ts_web_start(const char* prompt, std::size_t prompt_len, const char* open, std::size_t open_len,
                   const char* without, std::size_t without_len);

// ---- windows ----
void ts_dom_window_create(int serial, int template_id, const char* title, std::size_t title_len,
                          int w, int h, int beside_serial);
void ts_dom_window_show(int serial, int focus_id);
void ts_dom_window_destroy(int serial);
void ts_dom_set_title(int serial, const char* text, std::size_t len);
void ts_dom_set_icon(int serial, const uint8_t* rgb, int w, int h);
void ts_dom_request_paint(int serial);
void ts_dom_paint_begin(int serial);

// ---- controls ----
// kind: "static", "group", "frame", "button", "default", "check", "radio",
// "edit", "list"; align: "left", "center", "right".
// tab_stop: whether Tab reaches the control.
void ts_dom_add_control(int serial, int id, const char* kind, const char* align, int tab_stop, int x,
                        int y, int w, int h, const char* text, std::size_t len);
void ts_dom_set_text(int serial, int id, const char* text, std::size_t len);
char* ts_dom_edit_text(int serial, int id);
void ts_dom_set_limit(int serial, int id, int chars);
void ts_dom_set_masked(int serial, int id, int masked);
void ts_dom_set_digits_only(int serial, int id);
void ts_dom_set_read_only(int serial, int id);
void ts_dom_set_caret(int serial, int id, int pos);
void ts_dom_focus(int serial, int id);
int ts_dom_focused(int serial);
void ts_dom_enable(int serial, int id, int on);
void ts_dom_show(int serial, int id, int on);
void ts_dom_move(int serial, int id, int x, int y, int w, int h);
void ts_dom_set_checked(int serial, int id, int on);
int ts_dom_checked(int serial, int id);
void ts_dom_set_color(int serial, int id, uint32_t rgb);
void ts_dom_list_reset(int serial, int id);
void ts_dom_list_insert(int serial, int id, int pos, const char* text, std::size_t len);
void ts_dom_list_select(int serial, int id, int pos);
int ts_dom_list_selection(int serial, int id);

// ---- timers, pictures, message boxes, page ----
void ts_dom_start_timer(int serial, int timer_id, int ms);
void ts_dom_stop_timer(int serial, int timer_id);
int ts_dom_has_picture(int bitmap_id);
void ts_dom_store_picture(int bitmap_id, const uint8_t* rgb, int w, int h);
void ts_dom_draw_picture(int serial, int bitmap_id, int x, int y, int w, int h);
void ts_dom_box_open(int box, int owner_serial, const char* text, std::size_t text_len,
                     const char* caption, std::size_t caption_len, int warning, const char* ok,
                     std::size_t ok_len);
void ts_dom_box_close(int box);
// The page's own line (how files are read and written in this browser) and
// the page's language (1 Chinese, 0 English), which picks its fonts.
void ts_dom_set_note(const char* text, std::size_t len, int chinese);
// Shown once the main window has closed.
void ts_dom_ended(const char* text, std::size_t text_len, const char* again, std::size_t again_len);

// ---- files ----
// 1 when the browser can write into a folder the user picks.
int ts_files_can_write_folders();
// The browser's preferred language tag ("zh-CN", "en-US", ...), malloc'd.
char* ts_web_browser_language();

}  // extern "C"
