#include "platform/headless/headless.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "records/diag.h"
#include "text/utf8.h"

namespace headless {

using platform::ControlClass;
using platform::ControlDef;
using platform::Notify;

namespace {

// Edit texts are handled in characters, as the user sees them.
std::vector<std::string> Chars(std::string_view s) {
  std::vector<std::string> out;
  for (std::string_view c : utf8::Chars(s)) out.emplace_back(c);
  return out;
}

std::string Join(const std::vector<std::string>& chars) {
  std::string out;
  for (const std::string& c : chars) out += c;
  return out;
}

using utf8::CharCount;

std::string Quote(std::string_view s) { return "\"" + std::string(s) + "\""; }

std::string Format(const char* fmt, auto... args) {
  char buf[512];
  std::snprintf(buf, sizeof buf, fmt, args...);
  return buf;
}

const char* ClassName(ControlClass c) {
  switch (c) {
    case ControlClass::Static: return "static text";
    case ControlClass::GroupBox: return "group box";
    case ControlClass::EtchedFrame: return "frame";
    case ControlClass::PushButton: return "push button";
    case ControlClass::DefPushButton: return "default push button";
    case ControlClass::CheckBox: return "check box";
    case ControlClass::RadioButton: return "radio button";
    case ControlClass::Edit: return "edit";
    case ControlClass::ComboDropList: return "drop-down list";
    case ControlClass::ComboDropDown: return "drop-down combo box";
  }
  return "control";
}

bool IsList(ControlClass c) { return c == ControlClass::ComboDropList || c == ControlClass::ComboDropDown; }
bool IsButton(ControlClass c) {
  return c == ControlClass::PushButton || c == ControlClass::DefPushButton;
}
bool IsClickable(ControlClass c) {
  return IsButton(c) || c == ControlClass::CheckBox || c == ControlClass::RadioButton;
}
// Controls the user can type into.
bool TakesText(ControlClass c) { return c == ControlClass::Edit || c == ControlClass::ComboDropDown; }

// ---- calendar arithmetic for the scripted clock

long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

}  // namespace

// ---------------------------------------------------------------------------
// Services

Services::Services() {
  std::error_code ec;
  const std::filesystem::path cwd = std::filesystem::current_path(ec);
  if (!ec) working_dir_ = cwd.string();
}

platform::LocalTime Services::Now() { return now_; }

void Services::AdvanceClock(long long seconds) {
  long long t = DaysFromCivil(now_.year, static_cast<unsigned>(now_.month), static_cast<unsigned>(now_.day)) * 86400 +
                now_.hour * 3600 + now_.minute * 60 + now_.second + seconds;
  long long days = t / 86400;
  long long rest = t % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  CivilFromDays(days, now_.year, now_.month, now_.day);
  now_.hour = static_cast<int>(rest / 3600);
  now_.minute = static_cast<int>(rest / 60 % 60);
  now_.second = static_cast<int>(rest % 60);
}

std::optional<std::string> Services::PickFolder(std::string_view start_folder) {
  ++picker_calls_;
  picker_start_ = std::string(start_folder);
  std::optional<std::string> answer;
  if (!picks_.empty()) {
    answer = std::move(picks_.front());
    picks_.pop_front();
  }
  if (on_pick) on_pick(answer);
  return answer;
}

// ---------------------------------------------------------------------------
// One dialog in memory

struct Control {
  const ControlDef* def = nullptr;
  std::string text;
  std::vector<std::string> items;
  int sel = -1;
  bool enabled = true;
  bool shown = true;
  bool checked = false;
  bool masked = false;
  int limit = 0;
  int caret = 0;
  platform::Rect rect;
  std::optional<uint32_t> color;

  ControlClass cls() const { return def->cls; }
};

class Dialog final : public platform::Dialog {
 public:
  Dialog(Session& s, const platform::DialogLayout& layout, platform::Window& w)
      : s_(s), layout_(layout), w_(w), title_(layout.title ? layout.title : "") {
    for (const ControlDef& def : layout.controls) {
      Control c;
      c.def = &def;
      c.text = def.text ? def.text : "";
      c.enabled = (def.style & platform::kDisabled) == 0;
      c.shown = (def.style & platform::kHidden) == 0;
      c.masked = (def.style & platform::kPassword) != 0;
      c.rect = platform::DialogUnitsToPixels(def.x, def.y, def.w, def.h);
      controls_.push_back(std::move(c));
    }
    // The program addresses its controls by id all the time (a list of a
    // hundred entries is a hundred calls): they are found by a sorted index.
    for (std::size_t i = 0; i < controls_.size(); ++i) by_id_.emplace_back(controls_[i].def->id, i);
    std::stable_sort(by_id_.begin(), by_id_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  }

  int Template() const { return layout_.template_id; }
  platform::Window& window() { return w_; }

  // The first control of the template with this id.
  Control* Find(int id) {
    const auto it = std::lower_bound(by_id_.begin(), by_id_.end(), id,
                                     [](const std::pair<int, std::size_t>& e, int v) { return e.first < v; });
    return it != by_id_.end() && it->first == id ? &controls_[it->second] : nullptr;
  }
  const Control* Find(int id) const { return const_cast<Dialog*>(this)->Find(id); }

  // A control the program addresses; notes calls on controls that do not exist.
  Control* Use(int id) {
    Control* c = Find(id);
    if (!c) s_.missing_.emplace_back(id, Template());
    return c;
  }
  const Control* Use(int id) const { return const_cast<Dialog*>(this)->Use(id); }

  void Notify(int id, platform::Notify what) {
    const int outer = notifying_;
    notifying_ = id;
    w_.OnCommand(*this, id, what);
    notifying_ = outer;
  }
  // The control whose notification is being handled (the innermost), 0 none.
  int Notifying() const { return notifying_; }

  // ---- platform::Dialog
  void ListReset(int id) override {
    if (Control* c = Use(id)) {
      c->items.clear();
      c->sel = -1;
      if (IsList(c->cls())) c->text.clear();
    }
  }
  int ListAdd(int id, std::string_view text) override {
    Control* c = Use(id);
    if (!c) return -1;
    c->items.emplace_back(text);
    return static_cast<int>(c->items.size()) - 1;
  }
  int ListInsert(int id, int pos, std::string_view text) override {
    Control* c = Use(id);
    if (!c) return -1;
    const int n = static_cast<int>(c->items.size());
    if (pos < 0) pos = n;
    if (pos > n) return -1;
    c->items.insert(c->items.begin() + pos, std::string(text));
    if (c->sel >= pos) ++c->sel;  // the selected entry stays selected
    return pos;
  }
  void ListSelect(int id, int pos) override {
    if (Control* c = Use(id)) {
      if (pos >= 0 && pos < static_cast<int>(c->items.size())) {
        c->sel = pos;
        c->text = c->items[static_cast<std::size_t>(pos)];
      } else {
        c->sel = -1;
        c->text.clear();
      }
    }
  }
  int ListSelection(int id) const override {
    const Control* c = Use(id);
    return c ? c->sel : -1;
  }
  int ListCount(int id) const override {
    const Control* c = Use(id);
    return c ? static_cast<int>(c->items.size()) : 0;
  }
  std::string ListItem(int id, int pos) const override {
    const Control* c = Use(id);
    if (!c || pos < 0 || pos >= static_cast<int>(c->items.size())) return {};
    return c->items[static_cast<std::size_t>(pos)];
  }

  void SetText(int id, std::string_view text) override {
    Control* c = Use(id);
    if (!c) return;
    c->text = std::string(text);
    if (c->cls() == ControlClass::Edit) {
      c->caret = 0;
      Notify(id, Notify::EditChange);
    }
  }
  std::string Text(int id) const override {
    const Control* c = Use(id);
    return c ? c->text : std::string();
  }
  int TextLength(int id) const override { return CharCount(Text(id)); }
  void SetLimit(int id, int chars) override {
    if (Control* c = Use(id)) c->limit = std::max(0, chars);
  }
  void SetMasked(int id, bool masked) override {
    if (Control* c = Use(id)) c->masked = masked;
  }
  void SetCaret(int id, int pos) override {
    if (Control* c = Use(id)) c->caret = std::clamp(pos, 0, CharCount(c->text));
  }
  void SetFocus(int id) override {
    if (!Use(id)) return;
    if (initializing_) focus_set_ = true;
    s_.MoveFocus(*this, id);
  }

  void Enable(int id, bool on) override {
    if (Control* c = Use(id)) c->enabled = on;
  }
  bool IsEnabled(int id) const override {
    const Control* c = Use(id);
    return c && c->enabled;
  }
  void Show(int id, bool on) override {
    if (Control* c = Use(id)) c->shown = on;
  }
  bool IsShown(int id) const override {
    const Control* c = Use(id);
    return c && c->shown;
  }
  platform::Rect ControlRect(int id) const override {
    const Control* c = Use(id);
    return c ? c->rect : platform::Rect{};
  }
  void MoveControl(int id, const platform::Rect& r) override {
    if (Control* c = Use(id)) c->rect = r;
  }

  void SetChecked(int id, bool on) override {
    if (Control* c = Use(id)) c->checked = on;
  }
  bool IsChecked(int id) const override {
    const Control* c = Use(id);
    return c && c->checked;
  }

  void SetTitle(std::string_view text) override { title_ = std::string(text); }
  void SetIcon(int icon_id) override { icon_ = icon_id; }
  void SetTextColor(int id, uint32_t rgb) override {
    if (Control* c = Use(id)) c->color = rgb;
  }

  void End(int result) override {
    if (ended_) return;
    ended_ = true;
    result_ = result;
  }

  int MessageBox(std::string_view text, std::string_view caption, platform::MsgIcon icon) override {
    return s_.ShowBox(*this, text, caption, icon);
  }

  void StartTimer(int timer_id, int ms) override { timers_[timer_id] = ms; }
  void StopTimer(int timer_id) override { timers_.erase(timer_id); }

  void Invalidate() override { dirty_ = true; }
  void DrawBitmap(int bitmap_id, int x, int y, int w, int h) override {
    if (!in_paint_) return;  // drawing happens only in a paint
    if (s_.bitmap_exists_ && !s_.bitmap_exists_(bitmap_id)) return;
    painting_.push_back({bitmap_id, x, y, w, h});
  }

  void Paint() {
    dirty_ = false;
    in_paint_ = true;
    painting_.clear();
    w_.OnPaint(*this);
    in_paint_ = false;
    last_paint_ = painting_;
    ++paint_count_;
  }

  Session& s_;
  const platform::DialogLayout& layout_;
  platform::Window& w_;
  std::vector<Control> controls_;
  std::vector<std::pair<int, std::size_t>> by_id_;  // (id, position), by id; equal ids in template order
  std::string title_;
  int icon_ = 0;
  bool ended_ = false;
  int result_ = 0;
  std::map<int, int> timers_;
  bool dirty_ = true;
  bool in_paint_ = false;
  std::vector<BitmapDraw> painting_;
  std::vector<BitmapDraw> last_paint_;
  int paint_count_ = 0;
  int focus_ = 0;
  int notifying_ = 0;
  bool initializing_ = false;
  bool focus_set_ = false;
};

struct OpenWindow {
  platform::Window* w = nullptr;
  std::unique_ptr<Dialog> dlg;
};

class Session::Host final : public platform::Host {
 public:
  explicit Host(Session& s) : s_(s) {}
  int RunModal(platform::Window& w) override { return s_.RunModal(w); }

 private:
  Session& s_;
};

// ---------------------------------------------------------------------------
// Session: set-up and hand-over

Session::Session() : host_(std::make_unique<Host>(*this)) {
  platform::SetServices(&services_);
  platform::SetCurrentHost(host_.get());
  services_.on_pick = [this](const std::optional<std::string>& answer) {
    Record({Event::FolderPicked, 0, answer ? 1 : 0, answer.value_or(""), ""});
  };
  SetDiagSink([this](std::string_view text) { OnDiag(text); });
}

Session::~Session() {
  if (app_.Started()) {
    // The application unwinds: every wait it reaches returns at once.
    quitting_ = true;
    while (!app_.Returned()) app_.Resume();
  }
  SetDiagSink({});
  if (platform::HasServices() && &platform::GetServices() == &services_) platform::SetServices(nullptr);
  platform::SetCurrentHost(nullptr);
}

platform::Host& Session::host() { return *host_; }

void Session::Start(std::function<void(platform::Host&)> entry) {
  if (app_.Started()) return;
  app_.Start([this, entry = std::move(entry)] {
    volatile char base = 0;
    stack_base_ = reinterpret_cast<uintptr_t>(&base);
    entry(*host_);
    finished_ = true;
  });
}

bool Session::Finished() const { return finished_; }

bool Session::Quitting() { return quitting_; }

ActionResult Session::Post(std::function<void()> job) {
  job_ = std::move(job);
  app_.Resume();
  return {};
}

bool Session::WaitForJob() {
  PaintDirty();
  volatile char probe = 0;
  stack_depth_ = stack_base_ - reinterpret_cast<uintptr_t>(&probe);
  while (!job_ && !quitting_) app_.HandBack();
  if (!job_) return false;
  std::function<void()> job = std::move(job_);
  job_ = nullptr;
  job();
  return true;
}

void Session::PaintDirty() {
  for (OpenWindow* ow : stack_)
    if (!ow->dlg->ended_ && ow->dlg->dirty_) ow->dlg->Paint();
}

int Session::RunModal(platform::Window& w) {
  if (Quitting()) return 0;
  const platform::DialogLayout* layout = nullptr;
  for (const platform::DialogLayout* l : extra_layouts_)
    if (l->template_id == w.TemplateId()) layout = l;
  if (!layout) layout = platform::FindLayout(w.TemplateId());
  if (!layout) {
    Record({Event::NoLayout, w.TemplateId(), 0, "", ""});
    return -1;  // as a dialog call whose template is missing
  }
  auto ow = std::make_unique<OpenWindow>();
  ow->w = &w;
  ow->dlg = std::make_unique<Dialog>(*this, *layout, w);
  Dialog& d = *ow->dlg;
  Dialog* previous = active_;
  stack_.push_back(ow.get());
  // The new window takes the keyboard focus from the window behind it.
  if (previous && !previous->ended_) {
    Control* f = previous->Find(previous->focus_);
    if (f && f->cls() == ControlClass::Edit) previous->Notify(previous->focus_, Notify::KillFocus);
  }
  active_ = &d;

  Record({Event::WindowOpened, d.Template(), 0, d.title_, ""});
  d.initializing_ = true;
  w.OnInit(d);
  d.initializing_ = false;
  if (!d.focus_set_) {
    // The dialog manager focuses the first enabled, visible tab stop.
    for (const Control& c : d.controls_) {
      if ((c.def->style & platform::kTabStop) && c.enabled && c.shown) {
        d.focus_ = c.def->id;
        break;
      }
    }
  }
  Record({Event::WindowShown, d.Template(), 0, d.title_, ""});

  while (!d.ended_)
    if (!WaitForJob()) break;

  stack_.erase(std::find(stack_.begin(), stack_.end(), ow.get()));
  active_ = nullptr;
  for (auto it = stack_.rbegin(); it != stack_.rend(); ++it) {
    if (!(*it)->dlg->ended_) {
      active_ = (*it)->dlg.get();
      break;
    }
  }
  Record({Event::WindowClosed, d.Template(), d.result_, d.title_, ""});
  return d.result_;
}

int Session::ShowBox(Dialog& owner, std::string_view text, std::string_view caption,
                     platform::MsgIcon icon) {
  if (Quitting()) return platform::kIdOk;
  OpenBox box;
  box.info = {std::string(text), std::string(caption), icon, owner.Template(), owner.Notifying()};
  boxes_.push_back(&box);
  ++boxes_shown_;
  Record({Event::BoxShown, owner.Template(), 0, box.info.text, box.info.caption});
  while (!box.answered)
    if (!WaitForJob()) break;
  boxes_.erase(std::find(boxes_.begin(), boxes_.end(), &box));
  Record({Event::BoxAnswered, owner.Template(), box.answer, "", ""});
  return box.answer;
}

void Session::MoveFocus(Dialog& d, int id) {
  if (active_ && active_ != &d && !active_->ended_) {
    Dialog* other = active_;
    Control* f = other->Find(other->focus_);
    active_ = &d;
    if (f && f->cls() == ControlClass::Edit) other->Notify(other->focus_, Notify::KillFocus);
  }
  active_ = &d;
  if (d.focus_ == id) return;
  const int old = d.focus_;
  d.focus_ = id;
  Control* f = d.Find(old);
  if (f && f->cls() == ControlClass::Edit) d.Notify(old, Notify::KillFocus);
}

bool Session::UserFocus(Dialog& d, int id) {
  const int boxes = boxes_shown_;
  MoveFocus(d, id);
  if (boxes_shown_ != boxes || d.ended_) {
    Record({Event::Note, d.Template(), id,
            Format("the action on control %d was lost: taking the focus from the edit it was in "
                   "showed a message box or ended the window", id),
            ""});
    return false;
  }
  return true;
}

void Session::Record(Event e) { events_.push_back(std::move(e)); }

void Session::OnDiag(std::string_view text) {
  diag_partial_ += text;
  std::size_t nl;
  while ((nl = diag_partial_.find('\n')) != std::string::npos) {
    std::string line = diag_partial_.substr(0, nl);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    diag_partial_.erase(0, nl + 1);
    diag_lines_.push_back(line);
    Record({Event::DiagLine, 0, 0, line, ""});
  }
}

// ---------------------------------------------------------------------------
// Driver side: checks, then one job for the application

ActionResult Session::CheckReady(bool allow_box) const {
  if (!app_.Started()) return {"the application has not been started"};
  if (finished_) return {"the application has ended"};
  if (!allow_box && !boxes_.empty()) {
    const MessageBoxInfo& b = boxes_.back()->info;
    return {"a message box is open (" + Quote(b.caption) + ": " + Quote(b.text) + "); answer it first"};
  }
  return {};
}

const OpenWindow* Session::Find(int tpl) const {
  for (auto it = stack_.rbegin(); it != stack_.rend(); ++it) {
    const OpenWindow* ow = *it;
    if (ow->dlg->ended_) continue;
    if (tpl == 0 || ow->dlg->Template() == tpl) return ow;
  }
  return nullptr;
}

ActionResult Session::Target(int tpl, OpenWindow** out) const {
  if (ActionResult r = CheckReady(false); !r) return r;
  const OpenWindow* ow = Find(tpl);
  if (!ow) {
    if (tpl == 0) return {"no window is open"};
    std::string open;
    for (int t : OpenTemplates()) open += (open.empty() ? "" : ", ") + std::to_string(t);
    return {Format("window %d is not open (open: %s)", tpl, open.empty() ? "none" : open.c_str())};
  }
  // Windows above the target: an owned one takes all input.
  bool above = false;
  for (const OpenWindow* w : stack_) {
    if (w == ow) {
      above = true;
      continue;
    }
    if (above && !w->dlg->ended_ && !w->w->Ownerless())
      return {Format("window %d is behind window %d, which takes all input", tpl, w->dlg->Template())};
  }
  *out = const_cast<OpenWindow*>(ow);
  return {};
}

ActionResult Session::TargetControl(int tpl, int id, OpenWindow** out, bool input) const {
  if (ActionResult r = Target(tpl, out); !r) return r;
  const Dialog& d = *(*out)->dlg;
  const Control* c = d.Find(id);
  if (!c) return {Format("window %d has no control %d", d.Template(), id)};
  if (input && !c->enabled)
    return {Format("%s %d of window %d is disabled and takes no input", ClassName(c->cls()), id, d.Template())};
  if (input && !c->shown)
    return {Format("%s %d of window %d is hidden and takes no input", ClassName(c->cls()), id, d.Template())};
  return {};
}

ActionResult Session::Select(int id, int pos, int tpl) {
  OpenWindow* ow = nullptr;
  if (ActionResult r = TargetControl(tpl, id, &ow, true); !r) return r;
  const Control& c = *ow->dlg->Find(id);
  if (!IsList(c.cls())) return {Format("control %d is a %s, not a drop-down list", id, ClassName(c.cls()))};
  const int n = static_cast<int>(c.items.size());
  if (pos < 0 || pos >= n) return {Format("list %d has %d entries; there is no entry %d", id, n, pos)};
  Dialog* d = ow->dlg.get();
  return Post([this, d, id, pos] {
    if (!UserFocus(*d, id)) return;
    Control* c = d->Find(id);
    c->sel = pos;
    c->text = c->items[static_cast<std::size_t>(pos)];
    d->Notify(id, Notify::SelChange);
    if (!d->ended_) d->Notify(id, Notify::SelEndOk);
  });
}

ActionResult Session::SelectText(int id, std::string_view text, int tpl) {
  OpenWindow* ow = nullptr;
  if (ActionResult r = TargetControl(tpl, id, &ow, true); !r) return r;
  const Control& c = *ow->dlg->Find(id);
  for (std::size_t i = 0; i < c.items.size(); ++i)
    if (c.items[i] == text) return Select(id, static_cast<int>(i), tpl);
  std::string entries;
  for (const std::string& item : c.items) entries += (entries.empty() ? "" : ", ") + Quote(item);
  return {Format("list %d has no entry %s (entries: %s)", id, Quote(text).c_str(),
                 entries.empty() ? "none" : entries.c_str())};
}

ActionResult Session::Type(int id, std::string_view text, int tpl) {
  OpenWindow* ow = nullptr;
  if (ActionResult r = TargetControl(tpl, id, &ow, true); !r) return r;
  const Control& c = *ow->dlg->Find(id);
  if (!TakesText(c.cls())) return {Format("control %d is a %s; it takes no typing", id, ClassName(c.cls()))};
  if (c.def->style & platform::kReadOnly) return {Format("edit %d is read-only", id)};
  Dialog* d = ow->dlg.get();
  std::string keys(text);
  return Post([this, d, id, keys] {
    const bool had_focus = d->focus_ == id && active_ == d;
    if (!UserFocus(*d, id)) return;
    Control* c = d->Find(id);
    if (!had_focus) c->caret = CharCount(c->text);
    const int boxes = boxes_shown_;
    int refused = 0;
    const std::vector<std::string> strokes = Chars(keys);
    for (std::size_t k = 0; k < strokes.size(); ++k) {
      c = d->Find(id);
      if (d->ended_ || boxes_shown_ != boxes || !c->enabled || !c->shown) {
        Record({Event::Note, d->Template(), id,
                Format("%zu keystrokes for control %d were not typed: the window ended, a message box "
                       "opened or the control was disabled or hidden",
                       strokes.size() - k, id),
                ""});
        return;
      }
      std::vector<std::string> chars = Chars(c->text);
      const int caret = std::clamp(c->caret, 0, static_cast<int>(chars.size()));
      if (strokes[k] == "\b") {
        if (caret == 0) continue;  // nothing before the caret: no change, no notification
        chars.erase(chars.begin() + caret - 1);
        c->text = Join(chars);
        c->caret = caret - 1;
      } else {
        const bool full = c->limit > 0 && static_cast<int>(chars.size()) >= c->limit;
        const bool digit_only = (c->def->style & platform::kNumber) && !(strokes[k].size() == 1 &&
                                                                         strokes[k][0] >= '0' && strokes[k][0] <= '9');
        if (full || digit_only) {
          ++refused;
          continue;
        }
        chars.insert(chars.begin() + caret, strokes[k]);
        c->text = Join(chars);
        c->caret = caret + 1;
      }
      d->Notify(id, Notify::EditChange);
    }
    if (refused > 0)
      Record({Event::Note, d->Template(), id,
              Format("%d keystrokes were refused by control %d (limit %d)", refused, id, d->Find(id)->limit), ""});
  });
}

ActionResult Session::Paste(int id, std::string_view text, int tpl) {
  OpenWindow* ow = nullptr;
  if (ActionResult r = TargetControl(tpl, id, &ow, true); !r) return r;
  const Control& c = *ow->dlg->Find(id);
  if (!TakesText(c.cls())) return {Format("control %d is a %s; nothing can be pasted into it", id, ClassName(c.cls()))};
  if (c.def->style & platform::kReadOnly) return {Format("edit %d is read-only", id)};
  Dialog* d = ow->dlg.get();
  std::string pasted(text);
  return Post([this, d, id, pasted] {
    if (!UserFocus(*d, id)) return;
    Control* c = d->Find(id);
    std::vector<std::string> chars = Chars(pasted);
    if (c->limit > 0 && static_cast<int>(chars.size()) > c->limit) chars.resize(static_cast<std::size_t>(c->limit));
    c->text = Join(chars);
    c->caret = static_cast<int>(chars.size());
    d->Notify(id, Notify::EditChange);
  });
}

ActionResult Session::Leave(int id, int tpl) {
  OpenWindow* ow = nullptr;
  if (ActionResult r = TargetControl(tpl, id, &ow, false); !r) return r;
  Dialog* d = ow->dlg.get();
  if (d->focus_ != id || active_ != d)
    return {Format("control %d of window %d does not have the focus", id, d->Template())};
  const Control& c = *d->Find(id);
  return Post([d, id, edit = c.cls() == ControlClass::Edit] {
    d->focus_ = 0;
    if (edit) d->Notify(id, Notify::KillFocus);
  });
}

ActionResult Session::Click(int id, int tpl) {
  OpenWindow* ow = nullptr;
  if (ActionResult r = TargetControl(tpl, id, &ow, true); !r) return r;
  const Control& c = *ow->dlg->Find(id);
  if (!IsClickable(c.cls())) return {Format("control %d is a %s; it cannot be clicked", id, ClassName(c.cls()))};
  Dialog* d = ow->dlg.get();
  return Post([this, d, id] {
    if (!UserFocus(*d, id)) return;
    Control* c = d->Find(id);
    if (c->cls() == ControlClass::CheckBox) c->checked = !c->checked;
    if (c->cls() == ControlClass::RadioButton) {
      for (Control& other : d->controls_)
        if (other.cls() == ControlClass::RadioButton) other.checked = false;
      c->checked = true;
    }
    d->Notify(id, Notify::Clicked);
  });
}

ActionResult Session::Close(int tpl) {
  OpenWindow* ow = nullptr;
  if (ActionResult r = Target(tpl, &ow); !r) return r;
  Dialog* d = ow->dlg.get();
  return Post([d] { d->window().OnClose(*d); });
}

ActionResult Session::Enter(int tpl) {
  OpenWindow* ow = nullptr;
  if (ActionResult r = Target(tpl, &ow); !r) return r;
  Dialog* d = ow->dlg.get();
  int id = platform::kIdOk;
  const Control* focused = d->Find(d->focus_);
  if (focused && IsButton(focused->cls()) && focused->enabled && focused->shown) {
    id = focused->def->id;
  } else {
    for (const Control& c : d->controls_) {
      if (c.cls() != ControlClass::DefPushButton) continue;
      if (!c.enabled || !c.shown) return {Format("Enter does nothing: the default button %d is disabled or hidden", c.def->id)};
      id = c.def->id;
      break;
    }
  }
  return Post([d, id] { d->Notify(id, Notify::Clicked); });
}

ActionResult Session::Escape(int tpl) {
  OpenWindow* ow = nullptr;
  if (ActionResult r = Target(tpl, &ow); !r) return r;
  Dialog* d = ow->dlg.get();
  return Post([d] { d->Notify(platform::kIdCancel, Notify::Clicked); });
}

ActionResult Session::Tick(int* fired) {
  if (ActionResult r = CheckReady(true); !r) return r;
  int count = 0;
  ActionResult r = Post([this, &count] {
    std::vector<Dialog*> dialogs;
    for (OpenWindow* ow : stack_)
      if (!ow->dlg->ended_) dialogs.push_back(ow->dlg.get());
    for (Dialog* d : dialogs) {
      std::vector<int> ids;
      for (const auto& [timer, ms] : d->timers_) ids.push_back(timer);
      for (int timer : ids) {
        if (d->ended_ || !d->timers_.count(timer)) continue;
        ++count;
        d->window().OnTimer(*d, timer);
      }
    }
  });
  if (fired) *fired = count;
  return r;
}

ActionResult Session::Answer() {
  if (ActionResult r = CheckReady(true); !r) return r;
  if (boxes_.empty()) return {"no message box is open"};
  OpenBox* box = boxes_.back();
  return Post([box] {
    box->answered = true;
    box->answer = platform::kIdOk;
  });
}

// ---------------------------------------------------------------------------
// Queries (the application is idle whenever the driver runs)

std::vector<int> Session::OpenTemplates() const {
  std::vector<int> out;
  for (const OpenWindow* ow : stack_)
    if (!ow->dlg->ended_) out.push_back(ow->dlg->Template());
  return out;
}

int Session::TopTemplate() const {
  const OpenWindow* ow = Find(0);
  return ow ? ow->dlg->Template() : 0;
}

bool Session::IsOpen(int tpl) const { return tpl != 0 && Find(tpl) != nullptr; }

std::string Session::Title(int tpl) const {
  const OpenWindow* ow = Find(tpl);
  return ow ? ow->dlg->title_ : std::string();
}

int Session::Icon(int tpl) const {
  const OpenWindow* ow = Find(tpl);
  return ow ? ow->dlg->icon_ : 0;
}

namespace {
template <typename T, typename F>
T Query(const OpenWindow* ow, int id, T fallback, F f) {
  if (!ow) return fallback;
  const Control* c = ow->dlg->Find(id);
  return c ? f(*c) : fallback;
}
}  // namespace

bool Session::HasControl(int id, int tpl) const {
  return Query(Find(tpl), id, false, [](const Control&) { return true; });
}
std::vector<int> Session::ControlIds(int tpl) const {
  std::vector<int> out;
  if (const OpenWindow* ow = Find(tpl))
    for (const Control& c : ow->dlg->controls_) out.push_back(c.def->id);
  return out;
}
std::optional<platform::ControlClass> Session::ControlClassOf(int id, int tpl) const {
  return Query(Find(tpl), id, std::optional<platform::ControlClass>(),
               [](const Control& c) { return std::optional<platform::ControlClass>(c.cls()); });
}
std::string Session::Text(int id, int tpl) const {
  return Query(Find(tpl), id, std::string(), [](const Control& c) { return c.text; });
}
std::string Session::ShownText(int id, int tpl) const {
  return Query(Find(tpl), id, std::string(), [](const Control& c) {
    return c.masked ? std::string(static_cast<std::size_t>(CharCount(c.text)), '*') : c.text;
  });
}
std::vector<std::string> Session::Items(int id, int tpl) const {
  return Query(Find(tpl), id, std::vector<std::string>(), [](const Control& c) { return c.items; });
}
int Session::Selection(int id, int tpl) const {
  return Query(Find(tpl), id, -1, [](const Control& c) { return c.sel; });
}
bool Session::Enabled(int id, int tpl) const {
  return Query(Find(tpl), id, false, [](const Control& c) { return c.enabled; });
}
bool Session::Shown(int id, int tpl) const {
  return Query(Find(tpl), id, false, [](const Control& c) { return c.shown; });
}
bool Session::Checked(int id, int tpl) const {
  return Query(Find(tpl), id, false, [](const Control& c) { return c.checked; });
}
bool Session::Masked(int id, int tpl) const {
  return Query(Find(tpl), id, false, [](const Control& c) { return c.masked; });
}
int Session::Limit(int id, int tpl) const {
  return Query(Find(tpl), id, 0, [](const Control& c) { return c.limit; });
}
int Session::Caret(int id, int tpl) const {
  return Query(Find(tpl), id, 0, [](const Control& c) { return c.caret; });
}
platform::Rect Session::ControlRect(int id, int tpl) const {
  return Query(Find(tpl), id, platform::Rect{}, [](const Control& c) { return c.rect; });
}
std::optional<uint32_t> Session::TextColor(int id, int tpl) const {
  return Query(Find(tpl), id, std::optional<uint32_t>(), [](const Control& c) { return c.color; });
}

int Session::Focus(int tpl) const {
  const OpenWindow* ow = Find(tpl);
  return ow ? ow->dlg->focus_ : 0;
}

std::vector<int> Session::RunningTimers(int tpl) const {
  std::vector<int> out;
  if (const OpenWindow* ow = Find(tpl))
    for (const auto& [timer, ms] : ow->dlg->timers_) out.push_back(timer);
  return out;
}

std::vector<BitmapDraw> Session::LastPaint(int tpl) const {
  const OpenWindow* ow = Find(tpl);
  return ow ? ow->dlg->last_paint_ : std::vector<BitmapDraw>();
}

int Session::PaintCount(int tpl) const {
  const OpenWindow* ow = Find(tpl);
  return ow ? ow->dlg->paint_count_ : 0;
}

std::optional<MessageBoxInfo> Session::Box() const {
  if (boxes_.empty()) return std::nullopt;
  return boxes_.back()->info;
}

std::vector<std::string> Session::DiagLines() const { return diag_lines_; }
void Session::ClearDiag() { diag_lines_.clear(); }

std::vector<Event> Session::TakeEvents() {
  std::vector<Event> out;
  out.swap(events_);
  return out;
}

std::vector<std::pair<int, int>> Session::MissingControlCalls() const { return missing_; }

}  // namespace headless
