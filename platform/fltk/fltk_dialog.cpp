#include "platform/fltk/fltk_dialog.h"

#include <algorithm>
#include <climits>

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

#include "platform/fltk/fltk_host.h"
#include "resources/bitmaps.h"
#include "text/utf8.h"

namespace platform::fltk {

// ---------------------------------------------------------------------------
// Text helpers

int CharCount(std::string_view text) { return static_cast<int>(utf8::CountStarts(text)); }

std::size_t ByteOffsetOfChar(std::string_view text, int chars) {
  if (chars <= 0) return 0;
  int seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!utf8::IsContinuation(text[i])) {
      if (seen == chars) return i;
      ++seen;
    }
  }
  return text.size();
}

std::string LiteralLabel(std::string_view text, bool list_entry) {
  std::string out;
  out.reserve(text.size() + 4);
  for (char ch : text) {
    if (ch == '@' || (list_entry && ch == '&')) out += ch;
    out += ch;
  }
  return out;
}

namespace {

std::vector<FltkDialog*>& Registry() {
  static std::vector<FltkDialog*> dialogs;
  return dialogs;
}

bool TakesFocus(ControlClass cls) {
  switch (cls) {
    case ControlClass::PushButton:
    case ControlClass::DefPushButton:
    case ControlClass::CheckBox:
    case ControlClass::RadioButton:
    case ControlClass::Edit:
    case ControlClass::ComboDropList:
    case ControlClass::ComboDropDown:
      return true;
    default:
      return false;
  }
}

bool IsList(ControlClass cls) {
  return cls == ControlClass::ComboDropList || cls == ControlClass::ComboDropDown;
}

bool IsButtonLike(ControlClass cls) {
  return cls == ControlClass::PushButton || cls == ControlClass::DefPushButton ||
         cls == ControlClass::CheckBox || cls == ControlClass::RadioButton;
}

// The pictures, drawn once per process and kept for every later paint.
const Fl_RGB_Image* Picture(int id) {
  struct Entry {
    RgbImage pixels;
    std::unique_ptr<Fl_RGB_Image> image;
  };
  static std::map<int, std::unique_ptr<Entry>> cache;
  auto it = cache.find(id);
  if (it == cache.end()) {
    std::unique_ptr<Entry> e;
    if (std::optional<RgbImage> img = RenderResourceBitmap(id)) {
      e = std::make_unique<Entry>();
      e->pixels = std::move(*img);
      e->image = std::make_unique<Fl_RGB_Image>(e->pixels.rgb.data(), e->pixels.width,
                                                e->pixels.height, 3);
    }
    it = cache.emplace(id, std::move(e)).first;
  }
  return it->second ? it->second->image.get() : nullptr;
}

void WidgetCallback(Fl_Widget* w, void* data);

}  // namespace

const std::vector<FltkDialog*>& OpenDialogs() { return Registry(); }

// ---------------------------------------------------------------------------
// Widgets

// The dialog's window: keyboard interface of a dialog, close box, and the
// window's own painting below its controls.
class DialogWindow : public Fl_Double_Window {
 public:
  DialogWindow(FltkDialog& dlg, int w, int h) : Fl_Double_Window(w, h), dlg_(dlg) {
    callback([](Fl_Widget*, void* d) { static_cast<FltkDialog*>(d)->OnCloseBox(); }, &dlg);
  }

  int handle(int event) override {
    if (event == FL_KEYBOARD || event == FL_SHORTCUT) {
      const int key = Fl::event_key();
      const bool plain = !(Fl::event_state() & (FL_CTRL | FL_ALT | FL_META));
      if (plain && (key == FL_Escape || key == FL_Enter || key == FL_KP_Enter)) {
        dlg_.OnKey(key == FL_Escape ? FL_Escape : FL_Enter);
        return 1;
      }
      if (event == FL_KEYBOARD && key == FL_Tab && !dlg_.BeforeFocusMove(nullptr)) return 1;
    }
    if (event == FL_PUSH) {
      if (Fl_Widget* target = ChildUnderMouse(); target && !dlg_.BeforeFocusMove(target)) return 1;
    }
    return Fl_Double_Window::handle(event);
  }

  void draw() override {
    if (damage() & ~FL_DAMAGE_CHILD) {
      draw_box(box() ? box() : FL_FLAT_BOX, 0, 0, w(), h(), color());
      dlg_.Paint();
    }
    draw_children();
  }

 private:
  // The active control that a click at the mouse position lands on, if it
  // is one that takes the focus.
  Fl_Widget* ChildUnderMouse() {
    for (int i = children(); i-- > 0;) {
      Fl_Widget* c = child(i);
      if (!c->visible() || !Fl::event_inside(c)) continue;
      return c->active() ? c : nullptr;
    }
    return nullptr;
  }

  FltkDialog& dlg_;
};

namespace {

// An edit. A masked edit shows "*" for each character, as the native
// one does (FLTK's own masked input draws a bullet): it draws its text,
// selection and caret itself and places a click by the same measure.
class EditBox : public Fl_Input {
 public:
  EditBox(FltkDialog& dlg, Control& c, const Rect& r)
      : Fl_Input(r.x, r.y, r.w, r.h), dlg_(dlg), c_(c) {}
  bool digits_only = false;

  int handle(int event) override {
    if (event == FL_KEYBOARD && digits_only && !readonly() && RejectsKey()) {
      fl_beep();
      return 1;
    }
    if (event == FL_FOCUS) c_.kill_focus_sent = false;
    const int used = Fl_Input::handle(event);
    if (Masked() && (event == FL_PUSH || event == FL_DRAG) && Fl::event_clicks() == 0) PlaceMaskedCaret(event);
    if (event == FL_UNFOCUS) {
      if (!c_.kill_focus_sent) dlg_.OnEditFocusLost(c_);
      c_.kill_focus_sent = false;
    }
    return used;
  }

  void draw() override {
    if (Masked()) DrawMasked();
    else Fl_Input::draw();
  }

 private:
  bool Masked() const { return input_type() == FL_SECRET_INPUT; }

  // The text area inside the frame.
  Rect TextArea() const {
    const Fl_Boxtype b = box();
    return Rect{x() + Fl::box_dx(b), y() + Fl::box_dy(b), w() - Fl::box_dw(b), h() - Fl::box_dh(b)};
  }
  int StarsWidth(int chars) const { return static_cast<int>(chars * fl_width("*") + 0.5); }
  int CharsBefore(int byte_offset) const {
    return CharCount(std::string_view(value(), static_cast<std::size_t>(std::max(0, byte_offset))));
  }

  void DrawMasked() {
    draw_box(box(), color());
    const Rect area = TextArea();
    fl_font(textfont(), textsize());
    const int n = CharCount(std::string_view(value(), static_cast<std::size_t>(size())));
    const std::string stars(static_cast<std::size_t>(n), '*');
    const int caret = CharsBefore(position());
    const int mark_at = CharsBefore(mark());
    // The caret stays in view with some room after it, as FLTK scrolls.
    const int height = fl_height();
    const int room = height / 2;
    const int caret_x = StarsWidth(caret);
    if (caret_x > scroll_ + area.w - room) scroll_ = std::min(caret_x + room - area.w, StarsWidth(n) + 2 - area.w);
    else if (caret_x < scroll_ + room) scroll_ = caret_x - room;
    scroll_ = std::max(scroll_, 0);
    const int tx = area.x - scroll_ + 1;
    const int ty = area.y + (area.h - height) / 2;
    const int baseline = ty + height - fl_descent();
    const bool focused = Fl::focus() == this;
    fl_push_clip(area.x, area.y, area.w, area.h);
    fl_color(active_r() ? textcolor() : fl_inactive(textcolor()));
    fl_draw(stars.c_str(), n, tx, baseline);
    const int from = std::min(caret, mark_at), to = std::max(caret, mark_at);
    if (focused && from < to) {
      fl_color(selection_color());
      fl_rectf(tx + StarsWidth(from), ty, StarsWidth(to) - StarsWidth(from), height);
      fl_color(fl_contrast(textcolor(), selection_color()));
      fl_draw(stars.c_str() + from, to - from, tx + StarsWidth(from), baseline);
    } else if (focused && !readonly()) {
      fl_color(cursor_color());
      fl_rectf(tx + caret_x, ty, 2, height);
    }
    fl_pop_clip();
  }

  // A click or drag in a masked edit: the caret goes to the star nearest
  // the mouse (FLTK measured by its bullet).
  void PlaceMaskedCaret(int event) {
    fl_font(textfont(), textsize());
    const Rect area = TextArea();
    const double star = fl_width("*");
    const int n = CharCount(std::string_view(value(), static_cast<std::size_t>(size())));
    const double at = (Fl::event_x() - area.x + scroll_ - 1) / (star > 0 ? star : 1);
    const int chars = std::clamp(static_cast<int>(at + 0.5), 0, n);
    const int pos = static_cast<int>(ByteOffsetOfChar(value(), chars));
    const bool extend = event == FL_DRAG || (Fl::event_state() & FL_SHIFT);
    position(pos, extend ? mark() : pos);
  }

  // A typed character that is not a digit (editing keys pass).
  static bool RejectsKey() {
    if (Fl::event_state() & (FL_CTRL | FL_ALT | FL_META)) return false;
    const char* t = Fl::event_text();
    for (int i = 0; i < Fl::event_length(); ++i) {
      const unsigned char ch = static_cast<unsigned char>(t[i]);
      if (ch < 0x20 || ch == 0x7F) return false;
      if (ch < '0' || ch > '9') return true;
    }
    return false;
  }

  FltkDialog& dlg_;
  Control& c_;
  int scroll_ = 0;  // pixels of the masked text scrolled out on the left
};

// A drop-down list: as natively, the arrow keys step through the entries
// of the closed list, each step a choice of the user's.
class DropList : public Fl_Choice {
 public:
  explicit DropList(const Rect& r) : Fl_Choice(r.x, r.y, r.w, std::min(r.h, kComboHeight)) {}
  int handle(int event) override {
    if (event == FL_KEYBOARD && !(Fl::event_state() & (FL_SHIFT | FL_CTRL | FL_ALT | FL_META))) {
      const int key = Fl::event_key();
      if (key == FL_Up || key == FL_Down) {
        const int count = size() - 1;  // the menu ends with its terminator
        int pos = value() + (key == FL_Down ? 1 : -1);
        if (value() < 0) pos = 0;
        if (count > 0 && pos >= 0 && pos < count && pos != value()) picked(&menu()[pos]);
        return 1;
      }
    }
    return Fl_Choice::handle(event);
  }
};

// The default push button carries a dark inner frame, as the native one does.
class PushButton : public Fl_Button {
 public:
  PushButton(const Rect& r, bool is_default) : Fl_Button(r.x, r.y, r.w, r.h), default_(is_default) {}
  void draw() override {
    Fl_Button::draw();
    if (!default_) return;
    fl_color(active_r() ? fl_rgb_color(38, 96, 168) : fl_inactive(FL_DARK3));
    fl_rect(x() + 1, y() + 1, w() - 2, h() - 2);
  }

 private:
  bool default_;
};

// A group frame: an etched rectangle whose top line runs through the
// middle of the caption.
class GroupFrame : public Fl_Widget {
 public:
  GroupFrame(const Control& c, const Rect& r) : Fl_Widget(r.x, r.y, r.w, r.h), c_(c) {}
  void draw() override {
    fl_font(labelfont(), labelsize());
    const int th = fl_height();
    const int top = y() + th / 2;
    fl_draw_box(FL_ENGRAVED_FRAME, x(), top, w(), std::max(0, h() - th / 2), FL_BACKGROUND_COLOR);
    if (c_.text.empty()) return;
    const int tx = x() + 6;
    const int tw = std::min(static_cast<int>(fl_width(c_.text.c_str())), w() - 12);
    fl_color(parent() ? parent()->color() : FL_BACKGROUND_COLOR);
    fl_rectf(tx - 2, y(), tw + 4, th);
    fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
    fl_push_clip(tx, y(), tw, th);
    fl_draw(c_.text.c_str(), tx, y() + th - fl_descent());
    fl_pop_clip();
  }

 private:
  const Control& c_;
};

void WidgetCallback(Fl_Widget* w, void* data) {
  auto* c = static_cast<Control*>(data);
  auto* win = static_cast<FltkDialog*>(w->window()->user_data());
  win->OnWidgetCallback(*c);
}

}  // namespace

// ---------------------------------------------------------------------------
// FltkDialog

struct FltkDialog::Timer {
  FltkDialog* dlg = nullptr;
  int id = 0;
  double seconds = 1.0;
};

FltkDialog::FltkDialog(Window& logic, const DialogLayout& layout)
    : logic_(logic), layout_(layout), title_(layout.title ? layout.title : "") {
  Build();
}

FltkDialog::~FltkDialog() {
  for (auto& [id, t] : timers_) Fl::remove_timeout(&FltkDialog::TimerCb, t.get());
  Fl::remove_timeout(&FltkDialog::PendingKillFocusCb, this);
  auto& reg = Registry();
  reg.erase(std::remove(reg.begin(), reg.end(), this), reg.end());
  if (window_) window_->hide();
}

Fl_Window* FltkDialog::NativeWindow() const { return window_.get(); }

Fl_Widget* FltkDialog::Widget(int id) const {
  const Control* c = Find(id);
  return c ? c->widget : nullptr;
}

Control* FltkDialog::Find(int id) {
  for (auto& c : controls_)
    if (c->id == id) return c.get();
  return nullptr;
}

const Control* FltkDialog::Find(int id) const {
  for (const auto& c : controls_)
    if (c->id == id) return c.get();
  return nullptr;
}

void FltkDialog::Build() {
  const Rect size = DialogUnitsToPixels(0, 0, layout_.w, layout_.h);
  window_ = std::make_unique<DialogWindow>(*this, size.w, size.h);
  window_->user_data(this);
  window_->copy_label(title_.c_str());
  for (const ControlDef& def : layout_.controls) {
    auto c = std::make_unique<Control>();
    c->def = &def;
    c->id = def.id;
    c->cls = def.cls;
    c->rect = DialogUnitsToPixels(def.x, def.y, def.w, def.h);
    c->text = def.text ? def.text : "";
    controls_.push_back(std::move(c));
  }
  // Frames are drawn first, so the controls inside them stay on top; the
  // other controls keep the template's order, which is also the Tab order.
  for (int pass = 0; pass < 2; ++pass) {
    for (auto& c : controls_) {
      const bool frame = c->cls == ControlClass::GroupBox || c->cls == ControlClass::EtchedFrame;
      if (frame == (pass == 0)) c->widget = MakeWidget(*c);
    }
  }
  window_->end();
}

Fl_Widget* FltkDialog::MakeWidget(Control& c) {
  const uint32_t style = c.def->style;
  Rect r = c.rect;
  Fl_Widget* w = nullptr;
  switch (c.cls) {
    case ControlClass::Static: {
      auto* box = new Fl_Box(r.x, r.y, r.w, r.h);
      box->box(FL_NO_BOX);
      // Top-aligned and wrapped like a native static; centred needs no bit.
      Fl_Align align = FL_ALIGN_INSIDE | FL_ALIGN_TOP | FL_ALIGN_WRAP;
      if (style & kRight) align |= FL_ALIGN_RIGHT;
      else if (!(style & kCenter)) align |= FL_ALIGN_LEFT;
      box->align(align);
      box->copy_label(LiteralLabel(c.text, false).c_str());
      w = box;
      break;
    }
    case ControlClass::GroupBox:
      w = new GroupFrame(c, r);
      break;
    case ControlClass::EtchedFrame:
      w = new Fl_Box(FL_ENGRAVED_FRAME, r.x, r.y, r.w, r.h, nullptr);
      break;
    case ControlClass::PushButton:
    case ControlClass::DefPushButton: {
      auto* b = new PushButton(r, c.cls == ControlClass::DefPushButton);
      b->copy_label(LiteralLabel(c.text, false).c_str());
      w = b;
      break;
    }
    case ControlClass::CheckBox: {
      auto* b = new Fl_Check_Button(r.x, r.y, r.w, r.h);
      b->copy_label(LiteralLabel(c.text, false).c_str());
      w = b;
      break;
    }
    case ControlClass::RadioButton: {
      auto* b = new Fl_Round_Button(r.x, r.y, r.w, r.h);
      b->type(FL_TOGGLE_BUTTON);
      b->copy_label(LiteralLabel(c.text, false).c_str());
      w = b;
      break;
    }
    case ControlClass::Edit: {
      auto* e = new EditBox(*this, c, r);
      e->textsize(kFontSize);
      e->digits_only = (style & kNumber) != 0;
      if (style & kPassword) e->input_type(FL_SECRET_INPUT);
      if (style & kReadOnly) {
        e->readonly(1);
        e->color(FL_BACKGROUND_COLOR);
      }
      e->when(FL_WHEN_CHANGED);
      e->value(c.text.c_str());
      w = e;
      break;
    }
    case ControlClass::ComboDropList:
    case ControlClass::ComboDropDown: {
      auto* ch = new DropList(r);
      ch->textsize(kFontSize);
      ch->down_box(FL_BORDER_BOX);
      ch->when(FL_WHEN_RELEASE | FL_WHEN_NOT_CHANGED);
      w = ch;
      RebuildMenu(c, -1);
      break;
    }
  }
  w->labelsize(kFontSize);
  // A button's caption stays inside the button, as natively.
  if (IsButtonLike(c.cls)) w->align(w->align() | FL_ALIGN_CLIP);
  w->callback(&WidgetCallback, &c);
  if (style & kDisabled) w->deactivate();
  if (style & kHidden) w->hide();
  return w;
}

void FltkDialog::RebuildMenu(Control& c, int selected) {
  auto* ch = static_cast<Fl_Choice*>(c.widget);
  c.item_labels.clear();
  for (const std::string& s : c.items) c.item_labels.push_back(LiteralLabel(s, true));
  c.menu.assign(c.items.size() + 1, Fl_Menu_Item{});
  for (std::size_t i = 0; i < c.items.size(); ++i) {
    c.menu[i].text = c.item_labels[i].c_str();
    c.menu[i].labelsize_ = kFontSize;
  }
  if (!ch) return;  // still being created: MakeWidget sets the widget next
  ch->menu(c.menu.data());
  if (selected >= 0 && selected < static_cast<int>(c.items.size()))
    ch->value(&c.menu[static_cast<std::size_t>(selected)]);
  else
    ch->value(static_cast<const Fl_Menu_Item*>(nullptr));
  ch->redraw();
}

// ----- drop-down lists

void FltkDialog::ListReset(int id) {
  Control* c = Find(id);
  if (!c || !IsList(c->cls)) return;
  c->items.clear();
  RebuildMenu(*c, -1);
}

int FltkDialog::ListAdd(int id, std::string_view text) {
  return ListInsert(id, -1, text);
}

int FltkDialog::ListInsert(int id, int pos, std::string_view text) {
  Control* c = Find(id);
  if (!c || !IsList(c->cls)) return -1;
  const int count = static_cast<int>(c->items.size());
  if (pos < 0) pos = count;
  if (pos > count) return -1;
  int sel = ListSelection(id);
  c->items.insert(c->items.begin() + pos, std::string(text));
  if (sel >= pos) ++sel;  // the selection stays on its entry
  RebuildMenu(*c, sel);
  return pos;
}

void FltkDialog::ListSelect(int id, int pos) {
  Control* c = Find(id);
  if (!c || !IsList(c->cls)) return;
  RebuildMenu(*c, pos);
}

int FltkDialog::ListSelection(int id) const {
  const Control* c = Find(id);
  if (!c || !IsList(c->cls)) return -1;
  return static_cast<const Fl_Choice*>(c->widget)->value();
}

int FltkDialog::ListCount(int id) const {
  const Control* c = Find(id);
  return c && IsList(c->cls) ? static_cast<int>(c->items.size()) : 0;
}

std::string FltkDialog::ListItem(int id, int pos) const {
  const Control* c = Find(id);
  if (!c || !IsList(c->cls) || pos < 0 || pos >= static_cast<int>(c->items.size())) return {};
  return c->items[static_cast<std::size_t>(pos)];
}

// ----- texts

void FltkDialog::SetText(int id, std::string_view text) {
  Control* c = Find(id);
  if (!c) return;
  c->text = std::string(text);
  switch (c->cls) {
    case ControlClass::Edit: {
      auto* e = static_cast<EditBox*>(c->widget);
      e->value(c->text.c_str());
      e->position(0);
      Raise(id, platform::Notify::EditChange);
      return;
    }
    case ControlClass::ComboDropList:
    case ControlClass::ComboDropDown: {
      auto it = std::find(c->items.begin(), c->items.end(), c->text);
      RebuildMenu(*c, it == c->items.end() ? -1 : static_cast<int>(it - c->items.begin()));
      return;
    }
    case ControlClass::GroupBox:
      c->widget->redraw();
      return;
    case ControlClass::EtchedFrame:
      return;
    default:
      c->widget->copy_label(LiteralLabel(c->text, false).c_str());
      c->widget->redraw();
      return;
  }
}

std::string FltkDialog::Text(int id) const {
  const Control* c = Find(id);
  if (!c) return {};
  if (c->cls == ControlClass::Edit) return static_cast<const Fl_Input*>(c->widget)->value();
  if (IsList(c->cls)) return ListItem(id, ListSelection(id));
  return c->text;
}

int FltkDialog::TextLength(int id) const { return CharCount(Text(id)); }

void FltkDialog::SetLimit(int id, int chars) {
  Control* c = Find(id);
  if (!c || c->cls != ControlClass::Edit) return;
  // As natively, a limit of 0 means "no limit of our own".
  static_cast<Fl_Input*>(c->widget)->maximum_size(chars > 0 ? chars : INT_MAX);
}

void FltkDialog::SetMasked(int id, bool masked) {
  Control* c = Find(id);
  if (!c || c->cls != ControlClass::Edit) return;
  auto* e = static_cast<Fl_Input*>(c->widget);
  e->input_type(masked ? FL_SECRET_INPUT : FL_NORMAL_INPUT);
  e->redraw();
}

void FltkDialog::SetCaret(int id, int pos) {
  Control* c = Find(id);
  if (!c || c->cls != ControlClass::Edit) return;
  auto* e = static_cast<Fl_Input*>(c->widget);
  e->position(static_cast<int>(ByteOffsetOfChar(e->value(), pos)));
}

void FltkDialog::SetFocus(int id) {
  if (Control* c = Find(id)) {
    c->widget->take_focus();
    focus_placed_ = true;
  }
}

void FltkDialog::FocusFirstTabStop() {
  // As the native dialog manager does when the window placed no focus:
  // the first tab stop in template order that is shown and enabled.
  for (auto& c : controls_) {
    if ((c->def->style & kTabStop) && TakesFocus(c->cls) && c->widget->visible() && c->widget->active() &&
        c->widget->take_focus())
      return;
  }
}

// ----- state of controls

void FltkDialog::Enable(int id, bool on) {
  Control* c = Find(id);
  if (!c) return;
  if (on) c->widget->activate();
  else c->widget->deactivate();
  // A disabled static is drawn greyed whatever its colour, as natively.
  if (c->colored) c->widget->labelcolor(on ? c->color : FL_FOREGROUND_COLOR);
}

bool FltkDialog::IsEnabled(int id) const {
  const Control* c = Find(id);
  return c && c->widget->active();
}

void FltkDialog::Show(int id, bool on) {
  Control* c = Find(id);
  if (!c) return;
  if (on) c->widget->show();
  else c->widget->hide();
  window_->redraw();
}

bool FltkDialog::IsShown(int id) const {
  const Control* c = Find(id);
  return c && c->widget->visible();
}

Rect FltkDialog::ControlRect(int id) const {
  const Control* c = Find(id);
  return c ? c->rect : Rect{};
}

void FltkDialog::MoveControl(int id, const Rect& r) {
  Control* c = Find(id);
  if (!c) return;
  c->rect = r;
  c->widget->resize(r.x, r.y, r.w, IsList(c->cls) ? std::min(r.h, kComboHeight) : r.h);
  window_->redraw();
}

void FltkDialog::SetChecked(int id, bool on) {
  Control* c = Find(id);
  if (!c || !IsButtonLike(c->cls)) return;
  static_cast<Fl_Button*>(c->widget)->value(on ? 1 : 0);
}

bool FltkDialog::IsChecked(int id) const {
  const Control* c = Find(id);
  if (!c || (c->cls != ControlClass::CheckBox && c->cls != ControlClass::RadioButton)) return false;
  return static_cast<const Fl_Button*>(c->widget)->value() != 0;
}

// ----- the window

void FltkDialog::SetTitle(std::string_view text) {
  title_ = std::string(text);
  window_->copy_label(title_.c_str());
}

void FltkDialog::SetIcon(int icon_id) {
  icon_id_ = icon_id;
  // The program's icon groups: 103 is the small one, 102 the large one.
  if (icon_id != 102 && icon_id != 103) return;
  RgbImage img = RenderAppIcon(icon_id == 103 ? 16 : 32);
  if (img.width <= 0) return;
  Fl_RGB_Image icon(img.rgb.data(), img.width, img.height, 3);
  window_->icon(&icon);  // the window keeps its own copy
}

void FltkDialog::SetTextColor(int id, uint32_t rgb) {
  Control* c = Find(id);
  if (!c) return;
  c->colored = true;
  c->color = fl_rgb_color(static_cast<uchar>(rgb >> 16), static_cast<uchar>(rgb >> 8), static_cast<uchar>(rgb));
  c->widget->labelcolor(c->widget->active() ? c->color : FL_FOREGROUND_COLOR);
  c->widget->redraw_label();
}

void FltkDialog::End(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
  window_->hide();
}

int FltkDialog::MessageBox(std::string_view text, std::string_view caption, MsgIcon icon) {
  return ShowMessageBox(text, caption, icon);
}

void FltkDialog::StartTimer(int timer_id, int ms) {
  std::unique_ptr<Timer>& t = timers_[timer_id];
  if (t) Fl::remove_timeout(&FltkDialog::TimerCb, t.get());
  else t = std::make_unique<Timer>();
  t->dlg = this;
  t->id = timer_id;
  t->seconds = std::max(ms, 10) / 1000.0;
  Fl::add_timeout(t->seconds, &FltkDialog::TimerCb, t.get());
}

void FltkDialog::StopTimer(int timer_id) {
  auto it = timers_.find(timer_id);
  if (it == timers_.end()) return;
  Fl::remove_timeout(&FltkDialog::TimerCb, it->second.get());
  timers_.erase(it);
}

void FltkDialog::TimerCb(void* data) {
  auto* t = static_cast<Timer*>(data);
  Fl::repeat_timeout(t->seconds, &FltkDialog::TimerCb, t);
  // The handler may stop (and so free) this timer: nothing touches it after.
  FltkDialog* dlg = t->dlg;
  if (!dlg->ended_) dlg->logic_.OnTimer(*dlg, t->id);
}

void FltkDialog::Invalidate() { window_->redraw(); }

void FltkDialog::DrawBitmap(int bitmap_id, int x, int y, int w, int h) {
  if (!painting_ || w <= 0 || h <= 0) return;
  const Fl_RGB_Image* img = Picture(bitmap_id);
  if (!img) return;
  // Only the part of the area that the picture covers is copied.
  const int cw = std::min(w, img->w());
  const int chh = std::min(h, img->h());
  const_cast<Fl_RGB_Image*>(img)->draw(x, y, cw, chh, 0, 0);
}

void FltkDialog::Paint() {
  painting_ = true;
  logic_.OnPaint(*this);
  painting_ = false;
}

// ----- running

void FltkDialog::Place(const FltkDialog* beside) {
  int sx = 0, sy = 0, sw = 0, sh = 0;
  Fl::screen_work_area(sx, sy, sw, sh);
  const int w = window_->w(), h = window_->h();
  int x = sx + (sw - w) / 2, y = sy + (sh - h) / 2;
  if (beside && beside->window_) {
    const Fl_Window* b = beside->window_.get();
    constexpr int kGap = 8;
    x = b->x() + b->w() + kGap;
    if (x + w > sx + sw) x = b->x() - w - kGap;  // no room on the right: on the left
    if (x < sx) x = std::max(sx, sx + sw - w);
    y = std::clamp(b->y(), sy, std::max(sy, sy + sh - h));
  }
  window_->position(std::max(sx, x), std::max(sy, y));
}

int FltkDialog::Run() {
  Registry().push_back(this);
  logic_.OnInit(*this);
  if (!ended_) {
    if (!focus_placed_) FocusFirstTabStop();
    window_->show();
    while (!ended_) Fl::wait(0.5);
  }
  auto& reg = Registry();
  reg.erase(std::remove(reg.begin(), reg.end(), this), reg.end());
  window_->hide();
  return result_;
}

void FltkDialog::Raise(int id, platform::Notify what) { logic_.OnCommand(*this, id, what); }

// ----- native notifications

void FltkDialog::OnWidgetCallback(Control& c) {
  if (ended_) return;
  using N = platform::Notify;
  switch (c.cls) {
    case ControlClass::PushButton:
    case ControlClass::DefPushButton:
    case ControlClass::CheckBox:
      Raise(c.id, N::Clicked);
      return;
    case ControlClass::RadioButton:
      // An automatic radio button checks itself and clears the others.
      for (auto& other : controls_)
        if (other->cls == ControlClass::RadioButton)
          static_cast<Fl_Button*>(other->widget)->value(other.get() == &c ? 1 : 0);
      Raise(c.id, N::Clicked);
      return;
    case ControlClass::Edit:
      Raise(c.id, N::EditChange);
      return;
    case ControlClass::ComboDropList:
    case ControlClass::ComboDropDown:
      Raise(c.id, N::SelChange);
      Raise(c.id, N::SelEndOk);
      return;
    default:
      return;
  }
}

bool FltkDialog::BeforeFocusMove(Fl_Widget* target) {
  Control* edit = nullptr;
  for (auto& c : controls_)
    if (c->cls == ControlClass::Edit && c->widget == Fl::focus()) edit = c.get();
  if (!edit || edit->kill_focus_sent || ended_) return true;
  if (target) {
    if (target == edit->widget) return true;
    bool focusable = false;
    for (auto& c : controls_)
      if (c->widget == target) focusable = TakesFocus(c->cls);
    if (!focusable) return true;
  }
  const long boxes = MessageBoxesShown();
  edit->kill_focus_sent = true;
  Raise(edit->id, platform::Notify::KillFocus);
  return MessageBoxesShown() == boxes;
}

void FltkDialog::OnEditFocusLost(Control& c) {
  // The focus went elsewhere in a way no click or key announced (the
  // program, another window): reported from the loop, not from inside
  // FLTK's focus change.
  if (ended_) return;
  pending_kill_focus_.push_back(&c);
  Fl::add_timeout(0.0, &FltkDialog::PendingKillFocusCb, this);
}

void FltkDialog::PendingKillFocusCb(void* self) {
  static_cast<FltkDialog*>(self)->DeliverPendingKillFocus();
}

void FltkDialog::DeliverPendingKillFocus() {
  std::vector<Control*> pending;
  pending.swap(pending_kill_focus_);
  for (Control* c : pending)
    if (!ended_) Raise(c->id, platform::Notify::KillFocus);
}

void FltkDialog::OnCloseBox() {
  if (ended_) return;
  // FLTK closes a window on Escape through the same callback.
  if ((Fl::event() == FL_SHORTCUT || Fl::event() == FL_KEYBOARD) && Fl::event_key() == FL_Escape) {
    OnKey(FL_Escape);
    return;
  }
  logic_.OnClose(*this);
}

void FltkDialog::OnKey(int key) {
  if (ended_) return;
  if (key == FL_Escape) {
    Raise(kIdCancel, platform::Notify::Clicked);
    return;
  }
  // Enter presses the focused push button, else the default push button
  // (nothing while that one is disabled or hidden); a dialog without a
  // default button gets the OK command.
  for (auto& c : controls_) {
    const bool button = c->cls == ControlClass::PushButton || c->cls == ControlClass::DefPushButton;
    if (button && c->widget == Fl::focus() && c->widget->active_r()) {
      Raise(c->id, platform::Notify::Clicked);
      return;
    }
  }
  for (auto& c : controls_) {
    if (c->cls != ControlClass::DefPushButton) continue;
    if (c->widget->active_r() && c->widget->visible_r()) Raise(c->id, platform::Notify::Clicked);
    return;
  }
  Raise(kIdOk, platform::Notify::Clicked);
}

// ---------------------------------------------------------------------------
// Host

int FltkHost::RunModal(Window& w) {
  const DialogLayout* layout = FindLayout(w.TemplateId());
  if (!layout) return -1;  // no such template: the window cannot be created
  return RunModalWithLayout(w, *layout);
}

int FltkHost::RunModalWithLayout(Window& w, const DialogLayout& layout) {
  const auto& open = OpenDialogs();
  const FltkDialog* beside = w.Ownerless() && !open.empty() ? open.back() : nullptr;
  FltkDialog dlg(w, layout);
  dlg.Place(beside);
  return dlg.Run();
}

}  // namespace platform::fltk
