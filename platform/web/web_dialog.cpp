#include "platform/web/web_dialog.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "platform/web/web_host.h"
#include "resources/bitmaps.h"
#include "shell/ui_strings.h"
#include "shell/ui_text.h"
#include "text/utf8.h"

namespace platform::web {
namespace {

std::vector<WebDialog*>& OpenDialogs() {
  static std::vector<WebDialog*> dialogs;
  return dialogs;
}

int NextSerial() {
  static int serial = 0;
  return ++serial;
}

// Message boxes being shown, oldest first, and whether each was answered.
struct OpenBox {
  int serial = 0;
  bool answered = false;
};
std::vector<OpenBox*>& OpenBoxes() {
  static std::vector<OpenBox*> boxes;
  return boxes;
}

// The element kind of each control class (web_dom.js builds them).
const char* KindOf(ControlClass cls) {
  switch (cls) {
    case ControlClass::Static: return "static";
    case ControlClass::GroupBox: return "group";
    case ControlClass::EtchedFrame: return "frame";
    case ControlClass::PushButton: return "button";
    case ControlClass::DefPushButton: return "default";
    case ControlClass::CheckBox: return "check";
    case ControlClass::RadioButton: return "radio";
    case ControlClass::Edit: return "edit";
    case ControlClass::ComboDropList:
    case ControlClass::ComboDropDown: return "list";
  }
  return "static";
}

const char* AlignOf(uint32_t style) {
  if (style & kRight) return "right";
  if (style & kCenter) return "center";
  return "left";
}

bool IsList(const Control* c) {
  return c && (c->def->cls == ControlClass::ComboDropList || c->def->cls == ControlClass::ComboDropDown);
}
bool IsEdit(const Control* c) { return c && c->def->cls == ControlClass::Edit; }
bool IsCheckable(const Control* c) {
  return c && (c->def->cls == ControlClass::CheckBox || c->def->cls == ControlClass::RadioButton);
}
bool IsPushButton(const Control* c) {
  return c && (c->def->cls == ControlClass::PushButton || c->def->cls == ControlClass::DefPushButton);
}

std::string TakeText(char* text) {
  if (!text) return {};
  std::string out(text);
  std::free(text);
  return out;
}

bool IsUserInput(EventKind kind) {
  return kind == EventKind::Command || kind == EventKind::Close || kind == EventKind::Enter ||
         kind == EventKind::Escape;
}

}  // namespace

// ---------------------------------------------------------------------------
// Building and running

WebDialog::WebDialog(Window& logic, const DialogLayout& layout, const WebDialog* beside)
    : logic_(logic), layout_(layout), serial_(NextSerial()) {
  const Rect size = DialogUnitsToPixels(0, 0, layout.w, layout.h);
  const std::string_view title = layout.title ? layout.title : "";
  ts_dom_window_create(serial_, layout.template_id, title.data(), title.size(), size.w, size.h,
                       beside ? beside->serial_ : 0);
  Build();
}

WebDialog::~WebDialog() {
  for (int id : timers_) ts_dom_stop_timer(serial_, id);
  auto& open = OpenDialogs();
  open.erase(std::remove(open.begin(), open.end(), this), open.end());
  ts_dom_window_destroy(serial_);
}

void WebDialog::Build() {
  controls_.reserve(layout_.controls.size());
  for (const ControlDef& def : layout_.controls) {
    Control c;
    c.def = &def;
    c.rect = DialogUnitsToPixels(def.x, def.y, def.w, def.h);
    c.text = def.text ? def.text : "";
    c.enabled = !(def.style & kDisabled);
    c.shown = !(def.style & kHidden);
    ts_dom_add_control(serial_, def.id, KindOf(def.cls), AlignOf(def.style), (def.style & kTabStop) != 0,
                       c.rect.x, c.rect.y, c.rect.w, c.rect.h, c.text.data(), c.text.size());
    if (!c.enabled) ts_dom_enable(serial_, def.id, 0);
    if (!c.shown) ts_dom_show(serial_, def.id, 0);
    if (def.cls == ControlClass::Edit) {
      if (def.style & kPassword) ts_dom_set_masked(serial_, def.id, 1);
      if (def.style & kNumber) ts_dom_set_digits_only(serial_, def.id);
      if (def.style & kReadOnly) ts_dom_set_read_only(serial_, def.id);
    }
    controls_.push_back(std::move(c));
  }
}

int WebDialog::Run() {
  OpenDialogs().push_back(this);
  logic_.OnInit(*this);
  if (!ended_) {
    visible_ = true;
    ts_dom_window_show(serial_, pending_focus_);
    UpdatePageNote();
    Invalidate();
    while (!ended_) PumpEvent();
  }
  return result_;
}

Control* WebDialog::Find(int id) {
  for (Control& c : controls_)
    if (c.def->id == id) return &c;
  return nullptr;
}

const Control* WebDialog::Find(int id) const {
  for (const Control& c : controls_)
    if (c.def->id == id) return &c;
  return nullptr;
}

// ---------------------------------------------------------------------------
// Events

void WebDialog::Handle(const Event& e) {
  if (ended_) return;
  switch (static_cast<EventKind>(e.kind)) {
    case EventKind::Command:
      OnCommandEvent(e.id, static_cast<CommandDetail>(e.detail));
      break;
    case EventKind::Close:
      logic_.OnClose(*this);
      break;
    case EventKind::Enter:
      OnEnter();
      break;
    case EventKind::Escape:
      Raise(kIdCancel, Notify::Clicked);
      break;
    case EventKind::Timer:
      if (std::find(timers_.begin(), timers_.end(), e.id) != timers_.end()) logic_.OnTimer(*this, e.id);
      break;
    case EventKind::Paint:
      Paint();
      break;
    case EventKind::BoxAnswer:
      break;
  }
  UpdatePageNote();
}

void WebDialog::OnCommandEvent(int id, CommandDetail detail) {
  const Control* c = Find(id);
  if (!c) return;
  // A control the program disabled or hid after the user acted on it
  // takes nothing more; the loss of the focus is still told.
  if (detail != CommandDetail::FocusLost && (!c->enabled || !c->shown)) return;
  switch (detail) {
    case CommandDetail::Clicked:
      Raise(id, Notify::Clicked);
      return;
    case CommandDetail::ListPicked:
      Raise(id, Notify::SelChange);
      if (!ended_) Raise(id, Notify::SelEndOk);
      return;
    case CommandDetail::EditChanged:
      Raise(id, Notify::EditChange);
      return;
    case CommandDetail::FocusLost:
      Raise(id, Notify::KillFocus);
      return;
  }
}

// Enter presses the focused push button, else the default push button
// (nothing while that one is disabled or hidden); a dialog without a
// default button gets the OK command.
void WebDialog::OnEnter() {
  const Control* focused = Find(ts_dom_focused(serial_));
  if (IsPushButton(focused) && focused->enabled && focused->shown) {
    Raise(focused->def->id, Notify::Clicked);
    return;
  }
  for (const Control& c : controls_) {
    if (c.def->cls != ControlClass::DefPushButton) continue;
    if (c.enabled && c.shown) Raise(c.def->id, Notify::Clicked);
    return;
  }
  Raise(kIdOk, Notify::Clicked);
}

void PumpEvent() {
  Event e;
  ts_web_wait_event(&e);
  const auto kind = static_cast<EventKind>(e.kind);
  if (kind == EventKind::BoxAnswer) {
    for (OpenBox* box : OpenBoxes())
      if (box->serial == e.window) box->answered = true;
    return;
  }
  if (!OpenBoxes().empty() && IsUserInput(kind)) return;
  for (WebDialog* d : OpenDialogs()) {
    if (d->Serial() == e.window) {
      d->Handle(e);
      return;
    }
  }
}

int ShowMessageBox(int owner_serial, std::string_view text, std::string_view caption, MsgIcon icon) {
  static int next_box = 0;
  OpenBox box{--next_box, false};  // negative: never a window's serial
  const std::string_view ok = UiStr(kTxtOk);
  ts_dom_box_open(box.serial, owner_serial, text.data(), text.size(), caption.data(), caption.size(),
                  icon == MsgIcon::Warning ? 1 : 0, ok.data(), ok.size());
  OpenBoxes().push_back(&box);
  while (!box.answered) PumpEvent();
  auto& boxes = OpenBoxes();
  boxes.erase(std::remove(boxes.begin(), boxes.end(), &box), boxes.end());
  ts_dom_box_close(box.serial);
  return kIdOk;
}

// ---------------------------------------------------------------------------
// Drop-down lists

void WebDialog::ListReset(int id) {
  Control* c = Find(id);
  if (!IsList(c)) return;
  c->items.clear();
  ts_dom_list_reset(serial_, id);
}

int WebDialog::ListAdd(int id, std::string_view text) { return ListInsert(id, -1, text); }

int WebDialog::ListInsert(int id, int pos, std::string_view text) {
  Control* c = Find(id);
  if (!IsList(c)) return -1;
  const int count = static_cast<int>(c->items.size());
  if (pos < 0) pos = count;
  if (pos > count) return -1;
  c->items.insert(c->items.begin() + pos, std::string(text));
  ts_dom_list_insert(serial_, id, pos, text.data(), text.size());
  return pos;
}

void WebDialog::ListSelect(int id, int pos) {
  Control* c = Find(id);
  if (!IsList(c)) return;
  ts_dom_list_select(serial_, id, pos >= 0 && pos < static_cast<int>(c->items.size()) ? pos : -1);
}

int WebDialog::ListSelection(int id) const {
  return IsList(Find(id)) ? ts_dom_list_selection(serial_, id) : -1;
}

int WebDialog::ListCount(int id) const {
  const Control* c = Find(id);
  return IsList(c) ? static_cast<int>(c->items.size()) : 0;
}

std::string WebDialog::ListItem(int id, int pos) const {
  const Control* c = Find(id);
  if (!IsList(c) || pos < 0 || pos >= static_cast<int>(c->items.size())) return {};
  return c->items[static_cast<std::size_t>(pos)];
}

// ---------------------------------------------------------------------------
// Texts

void WebDialog::SetText(int id, std::string_view text) {
  Control* c = Find(id);
  if (!c) return;
  if (IsList(c)) {
    // A list shows the entry whose text it is given.
    auto it = std::find(c->items.begin(), c->items.end(), text);
    ListSelect(id, it == c->items.end() ? -1 : static_cast<int>(it - c->items.begin()));
    return;
  }
  c->text = std::string(text);
  ts_dom_set_text(serial_, id, text.data(), text.size());
  if (IsEdit(c)) Raise(id, Notify::EditChange);
}

std::string WebDialog::Text(int id) const {
  const Control* c = Find(id);
  if (!c) return {};
  if (IsEdit(c)) return TakeText(ts_dom_edit_text(serial_, id));
  if (IsList(c)) return ListItem(id, ListSelection(id));
  return c->text;
}

int WebDialog::TextLength(int id) const { return utf8::CharCount(Text(id)); }

void WebDialog::SetLimit(int id, int chars) {
  if (IsEdit(Find(id))) ts_dom_set_limit(serial_, id, std::max(chars, 0));
}

void WebDialog::SetMasked(int id, bool masked) {
  if (IsEdit(Find(id))) ts_dom_set_masked(serial_, id, masked ? 1 : 0);
}

void WebDialog::SetCaret(int id, int pos) {
  if (IsEdit(Find(id))) ts_dom_set_caret(serial_, id, std::max(pos, 0));
}

void WebDialog::SetFocus(int id) {
  if (!Find(id)) return;
  if (visible_) ts_dom_focus(serial_, id);
  else pending_focus_ = id;
}

// ---------------------------------------------------------------------------
// State of controls

void WebDialog::Enable(int id, bool on) {
  if (Control* c = Find(id)) {
    c->enabled = on;
    ts_dom_enable(serial_, id, on ? 1 : 0);
  }
}

bool WebDialog::IsEnabled(int id) const {
  const Control* c = Find(id);
  return c && c->enabled;
}

void WebDialog::Show(int id, bool on) {
  if (Control* c = Find(id)) {
    c->shown = on;
    ts_dom_show(serial_, id, on ? 1 : 0);
  }
}

bool WebDialog::IsShown(int id) const {
  const Control* c = Find(id);
  return c && c->shown;
}

Rect WebDialog::ControlRect(int id) const {
  const Control* c = Find(id);
  return c ? c->rect : Rect{};
}

void WebDialog::MoveControl(int id, const Rect& r) {
  if (Control* c = Find(id)) {
    c->rect = r;
    ts_dom_move(serial_, id, r.x, r.y, r.w, r.h);
  }
}

void WebDialog::SetChecked(int id, bool on) {
  if (IsCheckable(Find(id))) ts_dom_set_checked(serial_, id, on ? 1 : 0);
}

bool WebDialog::IsChecked(int id) const {
  return IsCheckable(Find(id)) && ts_dom_checked(serial_, id) != 0;
}

// ---------------------------------------------------------------------------
// The window

void WebDialog::SetTitle(std::string_view text) { ts_dom_set_title(serial_, text.data(), text.size()); }

void WebDialog::SetIcon(int icon_id) {
  // The program's icon groups: 103 is the small one, 102 the large one.
  if (icon_id != 102 && icon_id != 103) return;
  const RgbImage img = RenderAppIcon(icon_id == 103 ? 16 : 32);
  if (img.width > 0) ts_dom_set_icon(serial_, img.rgb.data(), img.width, img.height);
}

void WebDialog::SetTextColor(int id, uint32_t rgb) {
  if (Find(id)) ts_dom_set_color(serial_, id, rgb);
}

void WebDialog::End(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
}

int WebDialog::MessageBox(std::string_view text, std::string_view caption, MsgIcon icon) {
  return ShowMessageBox(serial_, text, caption, icon);
}

void WebDialog::StartTimer(int timer_id, int ms) {
  if (std::find(timers_.begin(), timers_.end(), timer_id) == timers_.end()) timers_.push_back(timer_id);
  ts_dom_start_timer(serial_, timer_id, std::max(ms, 10));
}

void WebDialog::StopTimer(int timer_id) {
  auto it = std::find(timers_.begin(), timers_.end(), timer_id);
  if (it == timers_.end()) return;
  timers_.erase(it);
  ts_dom_stop_timer(serial_, timer_id);
}

void WebDialog::Invalidate() { ts_dom_request_paint(serial_); }

void WebDialog::Paint() {
  painting_ = true;
  ts_dom_paint_begin(serial_);
  logic_.OnPaint(*this);
  painting_ = false;
}

void WebDialog::DrawBitmap(int bitmap_id, int x, int y, int w, int h) {
  if (!painting_ || w <= 0 || h <= 0) return;
  // Each picture is drawn once per page from the program's own drawing.
  if (!ts_dom_has_picture(bitmap_id)) {
    const std::optional<RgbImage> img = RenderResourceBitmap(bitmap_id);
    if (!img) return;
    ts_dom_store_picture(bitmap_id, img->rgb.data(), img->width, img->height);
  }
  ts_dom_draw_picture(serial_, bitmap_id, x, y, w, h);
}

// ---------------------------------------------------------------------------
// Host

int WebHost::RunModal(Window& w) {
  const DialogLayout* layout = FindLayout(w.TemplateId());
  if (!layout) return -1;  // no such template: the window cannot be created
  const auto& open = OpenDialogs();
  const WebDialog* beside = w.Ownerless() && !open.empty() ? open.back() : nullptr;
  auto dlg = std::make_unique<WebDialog>(w, *layout, beside);
  return dlg->Run();
}

}  // namespace platform::web
