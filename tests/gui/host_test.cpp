// The FLTK host on a real display: control placement for every template,
// and the native behaviours the window logic relies on, played through
// FLTK's event path.
#include "platform/fltk/fltk_dialog.h"
#include "platform/fltk/fltk_host.h"
#include "resources/bitmaps.h"
#include "tests/gui/gui_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

// FLTK's headers bring in X11's macros: after every header of ours.
#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <clocale>
#include <langinfo.h>
#include <locale.h>

// FLTK's input context of the X input method; none when no method opened.
extern XIC fl_xim_ic;

namespace {

using platform::ControlClass;
using platform::ControlDef;
using platform::DialogLayout;
using platform::Notify;
using platform::fltk::FltkDialog;
using platform::fltk::FltkHost;
namespace fl = platform::fltk;
using C = ControlClass;

constexpr int kProbe = 9001;
constexpr int kSide = 9002;

const ControlDef kProbeControls[] = {
    {100, C::Static, platform::kStyleNone, 7, 7, 60, 8, "Name"},
    {101, C::Edit, platform::kTabStop, 70, 5, 80, 12, nullptr},
    {102, C::Edit, platform::kPassword | platform::kTabStop, 70, 20, 80, 12, nullptr},
    {103, C::Edit, platform::kNumber | platform::kTabStop, 70, 35, 80, 12, nullptr},
    {104, C::ComboDropList, platform::kVScroll | platform::kTabStop, 70, 50, 80, 60, nullptr},
    {105, C::CheckBox, platform::kTabStop, 7, 70, 60, 10, "Tick"},
    {106, C::RadioButton, platform::kStyleNone, 7, 85, 40, 10, "A"},
    {107, C::RadioButton, platform::kStyleNone, 50, 85, 40, 10, "B"},
    {108, C::GroupBox, platform::kStyleNone, 2, 62, 160, 40, "Group"},
    {109, C::PushButton, platform::kTabStop, 7, 110, 50, 14, "Push"},
    {110, C::DefPushButton, platform::kTabStop, 70, 110, 50, 14, "Default"},
    {111, C::Static, platform::kStyleNone, 130, 110, 40, 8, "Blue"},
    {112, C::Edit, platform::kReadOnly | platform::kTabStop, 7, 128, 150, 12, nullptr},
};
const DialogLayout kProbeLayout = {kProbe, "Probe", 180, 145, kProbeControls};

const ControlDef kSideControls[] = {
    {200, C::DefPushButton, platform::kTabStop, 10, 10, 50, 14, "Close"},
};
const DialogLayout kSideLayout = {kSide, "Side", 80, 40, kSideControls};

const DialogLayout kBlankLayout = {9003, "Blank", 120, 80, {}};

// The first control that may take the focus is the last one listed.
const ControlDef kFocusControls[] = {
    {300, C::ComboDropList, platform::kStyleNone, 7, 7, 60, 40, nullptr},
    {301, C::PushButton, platform::kHidden | platform::kTabStop, 7, 25, 50, 14, "Hidden"},
    {302, C::Edit, platform::kDisabled | platform::kTabStop, 7, 42, 50, 12, nullptr},
    {303, C::PushButton, platform::kTabStop, 7, 58, 50, 14, "First"},
    {304, C::Edit, platform::kTabStop, 70, 58, 50, 12, nullptr},
};
const DialogLayout kFocusLayout = {9004, "Focus", 130, 80, kFocusControls};

struct Event {
  int id;
  Notify what;
  friend bool operator==(const Event&, const Event&) = default;
};

std::ostream& operator<<(std::ostream& os, const Event& e) {
  return os << "{" << e.id << "," << static_cast<int>(e.what) << "}";
}

// Window logic that records what it is told and runs the test's hooks.
class Probe : public platform::Window {
 public:
  explicit Probe(int tmpl = kProbe, bool ownerless = false) : tmpl_(tmpl), ownerless_(ownerless) {}
  int TemplateId() const override { return tmpl_; }
  bool Ownerless() const override { return ownerless_; }
  void OnInit(platform::Dialog& d) override {
    dlg = dynamic_cast<FltkDialog*>(&d);
    if (on_init) on_init(d);
  }
  void OnCommand(platform::Dialog& d, int id, Notify what) override {
    events.push_back({id, what});
    if (on_command) on_command(d, id, what);
  }
  void OnTimer(platform::Dialog& d, int id) override {
    ++ticks;
    if (on_timer) on_timer(d, id);
  }
  void OnClose(platform::Dialog& d) override {
    ++closes;
    if (on_close) on_close(d);
  }
  void OnPaint(platform::Dialog& d) override {
    if (on_paint) on_paint(d);
  }

  std::vector<Event> Of(Notify what) const {
    std::vector<Event> out;
    for (const Event& e : events)
      if (e.what == what) out.push_back(e);
    return out;
  }

  FltkDialog* dlg = nullptr;
  std::vector<Event> events;
  int ticks = 0, closes = 0;
  std::function<void(platform::Dialog&)> on_init, on_close, on_paint;
  std::function<void(platform::Dialog&, int, Notify)> on_command;
  std::function<void(platform::Dialog&, int)> on_timer;

 private:
  int tmpl_;
  bool ownerless_;
};

class FltkHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::string error;
    static const bool display = fl::OpenDisplay(&error);
    if (!display) GTEST_SKIP() << error;
  }

  // Runs the probe on its layout with the script acting on it; the script
  // must end the window.
  int Run(Probe& p, guitest::Script& s, const DialogLayout& layout = kProbeLayout) {
    s.Start(0.01);
    return host_.RunModalWithLayout(p, layout);
  }

  FltkHost host_;
};

// ---------------------------------------------------------------------------

TEST_F(FltkHostTest, EveryTemplatePlacesItsControlsAtTheirPixelRectangles) {
  Probe p;
  for (const DialogLayout* layout : platform::AllLayouts()) {
    SCOPED_TRACE(layout->template_id);
    FltkDialog dlg(p, *layout);
    const platform::Rect size = platform::DialogUnitsToPixels(0, 0, layout->w, layout->h);
    EXPECT_EQ(dlg.NativeWindow()->w(), size.w);
    EXPECT_EQ(dlg.NativeWindow()->h(), size.h);
    for (const ControlDef& def : layout->controls) {
      SCOPED_TRACE(def.id);
      const platform::Rect r = platform::DialogUnitsToPixels(def.x, def.y, def.w, def.h);
      EXPECT_EQ(dlg.ControlRect(def.id), r);
      const Fl_Widget* w = dlg.Widget(def.id);
      ASSERT_NE(w, nullptr);
      if (dlg.Widget(def.id) != w) continue;  // a repeated id: the first one answers
      EXPECT_EQ(w->x(), r.x);
      EXPECT_EQ(w->y(), r.y);
      EXPECT_EQ(w->w(), r.w);
      const bool list = def.cls == C::ComboDropList || def.cls == C::ComboDropDown;
      EXPECT_EQ(w->h(), list ? std::min(r.h, fl::kComboHeight) : r.h);
      EXPECT_EQ(dlg.IsEnabled(def.id), !(def.style & platform::kDisabled));
      EXPECT_EQ(dlg.IsShown(def.id), !(def.style & platform::kHidden));
      if (def.text && def.cls != C::Edit) {
        EXPECT_EQ(dlg.Text(def.id), def.text);
      }
    }
  }
}

TEST_F(FltkHostTest, EditTextFromTheProgramNotifiesAndALimitBoundsOnlyTyping) {
  Probe p;
  // A filter that drops every 'x', one per notification, writing the
  // shorter text back: it relies on the write-back notifying again.
  p.on_command = [&](platform::Dialog& d, int id, Notify what) {
    if (id != 101 || what != Notify::EditChange) return;
    std::string t = d.Text(101);
    if (auto pos = t.find('x'); pos != std::string::npos) {
      t.erase(pos, 1);
      d.SetText(101, t);
    }
  };
  guitest::Script s;
  s.Do("program sets texts", [&] {
     p.dlg->SetText(101, "axbxcx");
     EXPECT_EQ(p.dlg->Text(101), "abc");
     EXPECT_EQ(p.Of(Notify::EditChange).size(), 4u);  // the set and three write-backs
     p.dlg->SetLimit(102, 3);
     p.dlg->SetText(102, "longer than three");
     EXPECT_EQ(p.dlg->Text(102), "longer than three");
   })
      .Do("user types past the limit", [&] {
        guitest::TypeInto(*p.dlg, 102, "密码1234");
        EXPECT_EQ(p.dlg->Text(102), "密码1");
        EXPECT_EQ(p.dlg->TextLength(102), 3);
        auto* e = static_cast<Fl_Input*>(p.dlg->Widget(102));
        EXPECT_EQ(e->input_type(), FL_SECRET_INPUT);
        p.dlg->SetMasked(102, false);
        EXPECT_EQ(e->input_type(), FL_NORMAL_INPUT);
      })
      .Do("digits only", [&] {
        guitest::TypeInto(*p.dlg, 103, "4a2-7");
        EXPECT_EQ(p.dlg->Text(103), "427");
        p.dlg->SetText(103, "9z");  // the program may set anything
        EXPECT_EQ(p.dlg->Text(103), "9z");
      })
      .Do("caret by characters", [&] {
        p.dlg->SetText(101, "中文ab");
        p.dlg->SetCaret(101, 2);
        EXPECT_EQ(static_cast<Fl_Input*>(p.dlg->Widget(101))->position(), 6);
        p.dlg->End(0);
      });
  Run(p, s);
}

TEST_F(FltkHostTest, ReadOnlyEditCanBeSelectedAndCopiedButTakesNoTyping) {
  Probe p;
  guitest::Script s;
  s.Do("type, paste and copy", [&] {
    p.dlg->SetText(112, "/media/card");
    guitest::TypeInto(*p.dlg, 112, "x");  // selects all, deletes, types
    EXPECT_EQ(p.dlg->Text(112), "/media/card");
    guitest::PressKey(*p.dlg, 'v', FL_CTRL);
    EXPECT_EQ(p.dlg->Text(112), "/media/card");
    guitest::PressKey(*p.dlg, 'a', FL_CTRL);
    guitest::PressKey(*p.dlg, 'c', FL_CTRL);
    guitest::TypeInto(*p.dlg, 101, "");
    guitest::PressKey(*p.dlg, 'v', FL_CTRL);
    EXPECT_EQ(p.dlg->Text(101), "/media/card");
    p.dlg->End(0);
  });
  Run(p, s);
}

// A masked edit looks exactly as it does unmasked holding one "*" per
// character, whatever the characters are.
TEST_F(FltkHostTest, MaskedEditShowsAStarForEachCharacter) {
  Probe p;
  std::vector<uchar> plain;
  auto pixels = [&] {
    Fl::flush();
    const Fl_Widget* w = p.dlg->Widget(102);
    p.dlg->NativeWindow()->make_current();
    uchar* px = fl_read_image(nullptr, w->x(), w->y(), w->w(), w->h());
    std::vector<uchar> out(px, px + w->w() * w->h() * 3);
    delete[] px;
    return out;
  };
  guitest::Script s;
  s.Do("stars in clear", [&] {
     p.dlg->Widget(109)->take_focus();
     p.dlg->SetMasked(102, false);
     p.dlg->SetText(102, "*****");
   })
      .WaitFor("drawn", [] { return true; })
      .Do("masked text", [&] {
        plain = pixels();
        EXPECT_GT(std::count_if(plain.begin(), plain.end(), [](uchar v) { return v < 96; }), 10);
        p.dlg->SetMasked(102, true);
        p.dlg->SetText(102, "pa中1é");
      })
      .WaitFor("drawn", [] { return true; })
      .Do("compare", [&] {
        EXPECT_EQ(pixels(), plain);
        EXPECT_EQ(p.dlg->Text(102), "pa中1é");
        p.dlg->End(0);
      });
  Run(p, s);
}

// The display opens under the user's locale (a UTF-8 one), with its input
// method: keys pressed on the keyboard (XTest), a compose sequence and
// keys of Chinese characters, reach the focused edit as UTF-8.
TEST_F(FltkHostTest, ComposedAndChineseKeysFromTheKeyboardReachAnEdit) {
  const std::string ctype = std::setlocale(LC_CTYPE, nullptr);
  EXPECT_STREQ(nl_langinfo(CODESET), "UTF-8") << ctype;
  const char* lang = std::getenv("LANG");
  if (locale_t usable = lang && *lang ? newlocale(LC_CTYPE_MASK, lang, nullptr) : nullptr) {
    freelocale(usable);
    EXPECT_EQ(ctype, lang) << "the user's locale is kept";
  }
  // The input method the user chose (XMODIFIERS) is the one asked for.
  if (const char* chosen = std::getenv("XMODIFIERS"); chosen && *chosen) {
    const char* modifiers = XSetLocaleModifiers(nullptr);
    EXPECT_TRUE(modifiers && std::strstr(modifiers, chosen)) << (modifiers ? modifiers : "none");
  }
  Display* d = fl_display;
  int min_code = 0, max_code = 0, per_code = 0;
  XDisplayKeycodes(d, &min_code, &max_code);
  KeySym* map = XGetKeyboardMapping(d, static_cast<KeyCode>(min_code), max_code - min_code + 1, &per_code);
  std::vector<KeyCode> spare;
  for (int code = min_code; code <= max_code; ++code) {
    const KeySym* syms = map + (code - min_code) * per_code;
    if (std::all_of(syms, syms + per_code, [](KeySym k) { return k == NoSymbol; }))
      spare.push_back(static_cast<KeyCode>(code));
  }
  XFree(map);
  // Compose, apostrophe, e, then the keys of 营 and 地.
  const KeySym keys[] = {XK_Multi_key, XK_apostrophe, XK_e, 0x1008425, 0x1005730};
  ASSERT_GE(spare.size(), std::size(keys));
  auto bind = [&](bool on) {
    for (std::size_t i = 0; i < std::size(keys); ++i) {
      KeySym sym = on ? keys[i] : NoSymbol;
      XChangeKeyboardMapping(d, spare[i], 1, &sym, 1);
    }
    XSync(d, False);
  };
  Probe p;
  guitest::Script s;
  s.Do("bind the keys, focus the edit", [&] {
     bind(true);
     EXPECT_NE(fl_xim_ic, nullptr) << "an input method is open";
     XSetInputFocus(d, fl_xid(p.dlg->NativeWindow()), RevertToParent, CurrentTime);
     guitest::TypeInto(*p.dlg, 101, "");
   })
      .WaitFor("the new key map", [n = 0]() mutable { return ++n > 5; })
      .Do("press the keys", [&] {
        for (std::size_t i = 0; i < std::size(keys); ++i) {
          XTestFakeKeyEvent(d, spare[i], True, 0);
          XTestFakeKeyEvent(d, spare[i], False, 0);
        }
        XFlush(d);
      })
      .WaitFor("the text", [&] { return p.dlg->Text(101) == "é营地"; }, 5)
      .Do("end", [&] {
        bind(false);
        p.dlg->End(0);
      });
  Run(p, s);
}

TEST_F(FltkHostTest, ListsNotifyOnlyForTheUsersChoice) {
  Probe p;
  guitest::Script s;
  s.Do("program fills and selects", [&] {
     for (const char* t : {"Off", "AT&T", "a@b.com"}) p.dlg->ListAdd(104, t);
     p.dlg->ListSelect(104, 1);
     EXPECT_EQ(p.dlg->ListSelection(104), 1);
     EXPECT_EQ(p.dlg->Text(104), "AT&T");
     EXPECT_EQ(p.dlg->ListItem(104, 2), "a@b.com");
     EXPECT_EQ(p.dlg->ListItem(104, 3), "");
     p.dlg->ListSelect(104, 3);
     EXPECT_EQ(p.dlg->ListSelection(104), -1);
     p.dlg->ListSelect(104, 2);
     EXPECT_EQ(p.dlg->ListInsert(104, 0, "first"), 0);
     EXPECT_EQ(p.dlg->ListSelection(104), 3) << "the selection stays on its entry";
     EXPECT_EQ(p.dlg->ListInsert(104, 9, "nowhere"), -1);
     EXPECT_EQ(p.dlg->ListCount(104), 4);
     EXPECT_TRUE(p.events.empty());
   })
      .Do("user chooses, also the entry already chosen", [&] {
        guitest::Choose(*p.dlg, 104, 1);
        guitest::Choose(*p.dlg, 104, 1);
        // The edit that had the first focus reports losing it first.
        const std::vector<Event> want = {{101, Notify::KillFocus},
                                         {104, Notify::SelChange}, {104, Notify::SelEndOk},
                                         {104, Notify::SelChange}, {104, Notify::SelEndOk}};
        EXPECT_EQ(p.events, want);
        EXPECT_EQ(p.dlg->ListSelection(104), 1);
        // The arrow keys step through the closed list, up to its ends.
        p.events.clear();
        guitest::PressKey(*p.dlg, FL_Down);
        guitest::PressKey(*p.dlg, FL_Down);
        guitest::PressKey(*p.dlg, FL_Down);
        EXPECT_EQ(p.dlg->ListSelection(104), 3);
        EXPECT_EQ(p.Of(Notify::SelChange).size(), 2u);
        EXPECT_EQ(p.Of(Notify::SelEndOk).size(), 2u);
        guitest::PressKey(*p.dlg, FL_Up);
        EXPECT_EQ(p.dlg->ListSelection(104), 2);
        p.dlg->ListReset(104);
        EXPECT_EQ(p.dlg->ListCount(104), 0);
        EXPECT_EQ(p.dlg->ListSelection(104), -1);
        p.dlg->End(0);
      });
  Run(p, s);
}

TEST_F(FltkHostTest, EnterEscapeAndTheCloseBoxReachTheLogic) {
  Probe p;
  guitest::Script s;
  s.Do("keys", [&] {
     guitest::TypeInto(*p.dlg, 101, "x");
     p.events.clear();
     guitest::PressKey(*p.dlg, FL_Enter);   // default button
     guitest::PressKey(*p.dlg, FL_Escape);  // cancel
     p.dlg->Enable(110, false);
     guitest::PressKey(*p.dlg, FL_Enter);  // the default button is disabled: nothing
     p.dlg->Widget(109)->take_focus();
     guitest::PressKey(*p.dlg, FL_Enter);  // the focused push button
     const std::vector<Event> want = {{110, Notify::Clicked},
                                      {platform::kIdCancel, Notify::Clicked},
                                      {109, Notify::Clicked}};
     std::vector<Event> clicks = p.Of(Notify::Clicked);
     EXPECT_EQ(clicks, want);
   })
      .Do("close box asks the logic, which ends with its result", [&] {
        guitest::CloseBox(*p.dlg);
        EXPECT_EQ(p.closes, 1);
        EXPECT_FALSE(p.dlg->Ended());
        p.dlg->End(7);
      });
  EXPECT_EQ(Run(p, s), 7);
}

TEST_F(FltkHostTest, EnterWithoutDefaultButtonIsTheOkCommand) {
  Probe p(9003);
  guitest::Script s;
  s.Do("Enter", [&] {
    guitest::PressKey(*p.dlg, FL_Enter);
    EXPECT_EQ(p.events, (std::vector<Event>{{platform::kIdOk, Notify::Clicked}}));
    p.dlg->End(0);
  });
  Run(p, s, kBlankLayout);
}

TEST_F(FltkHostTest, FirstFocusIsTheFirstUsableTabStopUnlessTheWindowPlacedIt) {
  for (bool placed : {false, true}) {
    Probe p(9004);
    if (placed) p.on_init = [](platform::Dialog& d) { d.SetFocus(304); };
    guitest::Script s;
    s.Do("look", [&] {
      EXPECT_EQ(Fl::focus(), p.dlg->Widget(placed ? 304 : 303)) << placed;
      p.dlg->End(0);
    });
    Run(p, s, kFocusLayout);
  }
}

TEST_F(FltkHostTest, WindowEndedWhileInitialisingIsNeverShown) {
  Probe p(9003);
  bool shown = false;
  p.on_init = [](platform::Dialog& d) { d.End(3); };
  p.on_paint = [&](platform::Dialog&) { shown = true; };
  EXPECT_EQ(host_.RunModalWithLayout(p, kBlankLayout), 3);
  EXPECT_FALSE(shown);
}

TEST_F(FltkHostTest, FocusLossIsReportedOnceAndBeforeTheClickThatCausedIt) {
  Probe p;
  bool warn = false;
  p.on_command = [&](platform::Dialog& d, int id, Notify what) {
    if (id == 101 && what == Notify::KillFocus && warn)
      d.MessageBox("out of range", "Warning", platform::MsgIcon::Warning);
  };
  guitest::Script s;
  s.Do("click elsewhere", [&] {
     guitest::TypeInto(*p.dlg, 101, "5");
     guitest::Click(*p.dlg, 100);  // a label takes no focus
     EXPECT_TRUE(p.Of(Notify::KillFocus).empty());
     p.events.clear();
     guitest::Click(*p.dlg, 109);
     const std::vector<Event> want = {{101, Notify::KillFocus}, {109, Notify::Clicked}};
     EXPECT_EQ(p.events, want);
   })
      .Do("Tab moves on", [&] {
        guitest::TypeInto(*p.dlg, 101, "7");
        p.events.clear();
        guitest::PressKey(*p.dlg, FL_Tab);
        EXPECT_NE(Fl::focus(), p.dlg->Widget(101));
        EXPECT_EQ(p.Of(Notify::KillFocus), (std::vector<Event>{{101, Notify::KillFocus}}));
      })
      .WaitFor("no late focus report", [] { return true; })
      .Do("a warning on focus loss swallows the click", [&] {
        EXPECT_EQ(p.Of(Notify::KillFocus).size(), 1u);
        p.dlg->Widget(101)->take_focus();
        guitest::TypeInto(*p.dlg, 101, "6");
        p.events.clear();
        warn = true;
        guitest::Click(*p.dlg, 110);  // the warning's loop runs the next steps
        EXPECT_TRUE(p.Of(Notify::Clicked).empty());
        warn = false;
      })
      .WaitMessageBox("out of range")
      .Do("answer", [] { guitest::AnswerMessageBox(); })
      .Do("end", [&] { p.dlg->End(0); });
  Run(p, s);
}

TEST_F(FltkHostTest, ButtonsChecksAndRadios) {
  Probe p;
  guitest::Script s;
  s.Do("clicks", [&] {
     guitest::Click(*p.dlg, 107);
     EXPECT_TRUE(p.dlg->IsChecked(107));
     guitest::Click(*p.dlg, 106);
     EXPECT_TRUE(p.dlg->IsChecked(106));
     EXPECT_FALSE(p.dlg->IsChecked(107));
     guitest::Click(*p.dlg, 106);
     EXPECT_TRUE(p.dlg->IsChecked(106)) << "a checked radio button stays checked";
     guitest::Click(*p.dlg, 105);
     EXPECT_TRUE(p.dlg->IsChecked(105));
     p.dlg->SetChecked(105, false);
     EXPECT_EQ(p.Of(Notify::Clicked).size(), 4u);
     // A disabled or hidden button takes no click (sent past the driver's checks).
     p.dlg->Enable(109, false);
     p.dlg->Show(110, false);
     for (int id : {109, 110}) {
       Fl_Widget* w = p.dlg->Widget(id);
       Fl::e_x = w->x() + 3;
       Fl::e_y = w->y() + 3;
       Fl::e_state = FL_BUTTON1;
       Fl::handle(FL_PUSH, p.dlg->NativeWindow());
       Fl::e_state = 0;
       Fl::handle(FL_RELEASE, p.dlg->NativeWindow());
     }
     EXPECT_EQ(p.Of(Notify::Clicked).size(), 4u);
     p.dlg->End(0);
   });
  Run(p, s);
}

TEST_F(FltkHostTest, TimerTicksUntilStopped) {
  Probe p;
  p.on_init = [](platform::Dialog& d) { d.StartTimer(1, 20); };
  p.on_timer = [&](platform::Dialog& d, int id) {
    EXPECT_EQ(id, 1);
    if (p.ticks == 3) d.StopTimer(1);
  };
  guitest::Script s;
  s.WaitFor("three ticks", [&] { return p.ticks >= 3; })
      .WaitFor("a while", [n = 0]() mutable { return ++n > 10; })
      .Do("end", [&] {
        EXPECT_EQ(p.ticks, 3);
        p.dlg->End(0);
      });
  Run(p, s);
}

TEST_F(FltkHostTest, MessageBoxBlocksItsHandlerAndTheWindowBehind) {
  Probe p;
  int answered = 0;
  p.on_command = [&](platform::Dialog& d, int id, Notify what) {
    if (id != 109 || what != Notify::Clicked) return;
    EXPECT_EQ(d.MessageBox("Generate Success!\r\nsecond line", "Notice", platform::MsgIcon::Information), platform::kIdOk);
    ++answered;
  };
  guitest::Script s;
  s.Do("click", [&] { guitest::Click(*p.dlg, 109); })
      .WaitMessageBox("Generate Success!\r\nsecond line")
      .Do("look at the box", [&] {
        const fl::MessageBoxView* box = fl::CurrentMessageBox();
        EXPECT_EQ(box->caption, "Notice");
        EXPECT_EQ(std::string(box->window->label()), "Notice");
        EXPECT_EQ(box->icon, platform::MsgIcon::Information);
        // A line break shows as one, not as a sign.
        bool two_lines = false;
        for (int i = 0; i < box->window->children(); ++i)
          if (const char* l = box->window->child(i)->label()) two_lines |= std::string(l) == "Generate Success!\nsecond line";
        EXPECT_TRUE(two_lines);
        EXPECT_EQ(answered, 0);
        // The window behind takes no click while the box is up.
        Fl_Widget* w = p.dlg->Widget(110);
        Fl::e_x = w->x() + 3;
        Fl::e_y = w->y() + 3;
        Fl::handle(FL_PUSH, p.dlg->NativeWindow());
        Fl::handle(FL_RELEASE, p.dlg->NativeWindow());
        EXPECT_TRUE(p.Of(Notify::Clicked).size() == 1u);
        guitest::AnswerMessageBox();
      })
      .WaitNoMessageBox()
      .Do("end", [&] {
        EXPECT_EQ(answered, 1);
        p.dlg->End(0);
      });
  Run(p, s);
}

TEST_F(FltkHostTest, OwnerlessWindowOpensBesideItsPageWhichStaysUsable) {
  Probe page;
  Probe side(kSide, true);
  int side_result = -1;
  page.on_command = [&](platform::Dialog&, int id, Notify what) {
    if (id == 110 && what == Notify::Clicked) side_result = host_.RunModalWithLayout(side, kSideLayout);
  };
  guitest::Script s;
  s.Do("open", [&] { guitest::Click(*page.dlg, 110); })
      .WaitDialog(kSide)
      .Do("use both", [&] {
        const Fl_Window* a = page.dlg->NativeWindow();
        const Fl_Window* b = side.dlg->NativeWindow();
        EXPECT_GE(b->x(), a->x() + a->w());
        EXPECT_EQ(b->y(), a->y());
        guitest::Click(*page.dlg, 109);
        EXPECT_EQ(page.Of(Notify::Clicked).back(), (Event{109, Notify::Clicked}));
        EXPECT_EQ(side_result, -1);
        side.dlg->End(5);
      })
      .WaitFor("back in the page", [&] { return side_result == 5; })
      .Do("end", [&] { page.dlg->End(0); });
  Run(page, s);
}

TEST_F(FltkHostTest, PicturesAreCopiedToTheirPlaceOnlyWhilePainting) {
  constexpr int kBanner = 101;
  std::optional<RgbImage> banner = RenderResourceBitmap(kBanner);
  ASSERT_TRUE(banner.has_value());
  Probe p(9003);
  p.on_init = [](platform::Dialog& d) {
    d.DrawBitmap(kBanner, 0, 0, 50, 50);  // outside painting: ignored
    d.DrawBitmap(4242, 0, 0, 50, 50);
  };
  p.on_paint = [](platform::Dialog& d) {
    d.DrawBitmap(4242, 0, 0, 50, 50);        // no such picture: nothing
    d.DrawBitmap(kBanner, 5, 4, 100, 72);    // taller than the picture
  };
  guitest::Script s;
  s.WaitFor("painted", [] { return true; })
      .Do("read the screen", [&] {
        Fl_Window* win = p.dlg->NativeWindow();
        Fl::flush();
        win->make_current();
        uchar* px = fl_read_image(nullptr, 0, 0, 120, 90);
        ASSERT_NE(px, nullptr);
        auto at = [&](int x, int y) {
          const uchar* q = px + (y * 120 + x) * 3;
          return std::vector<int>{q[0], q[1], q[2]};
        };
        auto pic = [&](int x, int y) {
          const uint8_t* q = banner->rgb.data() + (y * banner->width + x) * 3;
          return std::vector<int>{q[0], q[1], q[2]};
        };
        for (auto [x, y] : {std::pair{0, 0}, {10, 20}, {99, 51}, {50, 30}}) EXPECT_EQ(at(5 + x, 4 + y), pic(x, y));
        // Below the picture's height the window's own background stays.
        EXPECT_EQ(at(30, 4 + banner->height + 5), (std::vector<int>{240, 240, 240}));
        delete[] px;
        p.dlg->End(0);
      });
  Run(p, s, kBlankLayout);
}

TEST_F(FltkHostTest, ColouredLabelIsGreyedWhileDisabled) {
  Probe p;
  FltkDialog dlg(p, kProbeLayout);
  const Fl_Color blue = fl_rgb_color(34, 96, 217);
  dlg.SetTextColor(111, (34u << 16) | (96u << 8) | 217u);
  EXPECT_EQ(dlg.Widget(111)->labelcolor(), blue);
  dlg.Enable(111, false);
  EXPECT_EQ(dlg.Widget(111)->labelcolor(), FL_FOREGROUND_COLOR);
  dlg.Enable(111, true);
  EXPECT_EQ(dlg.Widget(111)->labelcolor(), blue);
  dlg.Enable(111, false);
  dlg.SetTextColor(111, 0xFF0000);
  EXPECT_EQ(dlg.Widget(111)->labelcolor(), FL_FOREGROUND_COLOR);
  dlg.Enable(111, true);
  EXPECT_EQ(dlg.Widget(111)->labelcolor(), fl_rgb_color(255, 0, 0));
}

TEST_F(FltkHostTest, LabelsShowTheirTextLiterally) {
  EXPECT_EQ(fl::LiteralLabel("a@b.com", false), "a@@b.com");
  EXPECT_EQ(fl::LiteralLabel("AT&T", false), "AT&T");
  EXPECT_EQ(fl::LiteralLabel("AT&T @x", true), "AT&&T @@x");
  EXPECT_EQ(fl::CharCount("中文ab"), 4);
  EXPECT_EQ(fl::ByteOffsetOfChar("中文ab", 1), 3u);
  EXPECT_EQ(fl::ByteOffsetOfChar("中文ab", 9), 8u);
}

// ---------------------------------------------------------------------------
// Services (no display needed)

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(FltkServices, SystemLanguageFollowsTheLocale) {
  EXPECT_EQ(fl::LanguageIdOfLocale("zh_CN.UTF-8"), 2052);
  EXPECT_EQ(fl::LanguageIdOfLocale("zh_CN"), 2052);
  EXPECT_EQ(fl::LanguageIdOfLocale("zh_TW.UTF-8"), 1028);
  EXPECT_EQ(fl::LanguageIdOfLocale("de_DE.UTF-8@euro"), 1033);
  EXPECT_EQ(fl::LanguageIdOfLocale("C"), 1033);
  fl::FltkServices services;
  ScopedEnv messages("LC_MESSAGES", nullptr);
  {
    ScopedEnv all("LC_ALL", "zh_CN.UTF-8");
    ScopedEnv lang("LANG", "en_US.UTF-8");
    EXPECT_EQ(services.SystemLanguageId(), 2052) << "LC_ALL wins over LANG";
  }
  {
    ScopedEnv all("LC_ALL", "");
    ScopedEnv lang("LANG", "zh_CN.UTF-8");
    EXPECT_EQ(services.SystemLanguageId(), 2052);
  }
  {
    ScopedEnv all("LC_ALL", nullptr);
    ScopedEnv lang("LANG", nullptr);
    EXPECT_EQ(services.SystemLanguageId(), 1033);
  }
}

TEST(FltkServices, StandardOffsetLeavesDaylightSavingOut) {
  struct Zone {
    const char* tz;
    int hours;
  };
  // Northern and southern summers, half-hour zones east and west of UTC.
  for (Zone z : {Zone{"UTC", 0}, Zone{"Europe/Berlin", 1}, Zone{"America/New_York", -5},
                 Zone{"Australia/Sydney", 10}, Zone{"Asia/Kolkata", 5}, Zone{"America/St_Johns", -3},
                 Zone{"Asia/Shanghai", 8}}) {
    ScopedEnv tz("TZ", z.tz);
    EXPECT_EQ(fl::StandardUtcOffsetHours(), z.hours) << z.tz;
  }
  tzset();
}

TEST(FltkServices, ClockAndWorkingDirectory) {
  fl::FltkServices services;
  const platform::LocalTime t = services.Now();
  EXPECT_GE(t.year, 2024);
  EXPECT_TRUE(t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31);
  EXPECT_TRUE(t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60);
  ASSERT_TRUE(services.WorkingDirectory().has_value());
  EXPECT_FALSE(services.WorkingDirectory()->empty());
}

}  // namespace
