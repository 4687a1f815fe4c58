// The headless host reproduces the native behaviours window logic relies
// on; these tests hold it to them, since every window test is only as true
// as this host.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/window.h"

namespace {

using platform::ControlClass;
using platform::Notify;
using platform::WindowKind;

enum : int {
  kEdit = 10, kHiddenEdit = 11, kDisabledEdit = 12, kNumberEdit = 13,
  kList = 20, kDefault = 30, kButton = 31, kCheck = 40, kRadioA = 41, kRadioB = 42, kLabel = 50,
};

const platform::ControlDef kControls[] = {
    {kLabel, ControlClass::Static, 0, 5, 5, 40, 8, "label"},
    {kEdit, ControlClass::Edit, platform::kTabStop, 10, 10, 40, 12, nullptr},
    {kHiddenEdit, ControlClass::Edit, platform::kHidden | platform::kTabStop, 10, 30, 40, 12, nullptr},
    {kDisabledEdit, ControlClass::Edit, platform::kDisabled | platform::kTabStop, 10, 50, 40, 12, nullptr},
    {kNumberEdit, ControlClass::Edit, platform::kNumber | platform::kTabStop, 10, 70, 40, 12, nullptr},
    {kList, ControlClass::ComboDropList, platform::kTabStop, 60, 10, 40, 60, nullptr},
    {kDefault, ControlClass::DefPushButton, platform::kTabStop, 60, 80, 40, 14, "Default"},
    {kButton, ControlClass::PushButton, platform::kTabStop, 60, 100, 40, 14, "Button"},
    {kCheck, ControlClass::CheckBox, platform::kTabStop, 10, 90, 40, 10, "Check"},
    {kRadioA, ControlClass::RadioButton, 0, 10, 100, 40, 10, "A"},
    {kRadioB, ControlClass::RadioButton, 0, 10, 110, 40, 10, "B"},
};
const platform::DialogLayout kLayoutA = {961, "Window A", 120, 130, kControls};
const platform::DialogLayout kLayoutB = {962, "Window B", 120, 130, kControls};
const platform::DialogLayout kLayoutOver = {963, "Over", 120, 130, kControls};

std::vector<std::string> g_log;

std::string Name(Notify n) {
  switch (n) {
    case Notify::Clicked: return "clicked";
    case Notify::SelChange: return "selchange";
    case Notify::SelEndOk: return "selendok";
    case Notify::EditChange: return "change";
    case Notify::KillFocus: return "killfocus";
  }
  return "?";
}

// A window whose behaviour each test sets through hooks; it logs every
// notification as "<what> <id>".
class TestWindow final : public platform::Window {
 public:
  explicit TestWindow(int tpl, bool ownerless = false) : tpl_(tpl), ownerless_(ownerless) {}
  int TemplateId() const override { return tpl_; }
  bool Ownerless() const override { return ownerless_; }
  void OnInit(platform::Dialog& dlg) override {
    if (init) init(dlg);
  }
  void OnCommand(platform::Dialog& dlg, int id, Notify what) override {
    g_log.push_back(Name(what) + " " + std::to_string(id));
    if (command) command(dlg, id, what);
  }
  void OnTimer(platform::Dialog& dlg, int timer) override {
    g_log.push_back("timer " + std::to_string(timer));
    if (timer_hook) timer_hook(dlg, timer);
  }
  void OnClose(platform::Dialog& dlg) override {
    g_log.push_back("close");
    dlg.End(0);
  }
  void OnPaint(platform::Dialog& dlg) override { dlg.DrawBitmap(7, 1, 2, 3, 4); }
  void Next(WindowKind k) { SetNext(k); }

  std::function<void(platform::Dialog&)> init;
  std::function<void(platform::Dialog&, int, Notify)> command;
  std::function<void(platform::Dialog&, int)> timer_hook;

 private:
  int tpl_;
  bool ownerless_;
};

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    s.AddLayout(&kLayoutA);
    s.AddLayout(&kLayoutB);
    s.AddLayout(&kLayoutOver);
  }
  // Runs window w (template 961) until it ends.
  void Run() {
    s.Start([this](platform::Host& h) { h.RunModal(w); });
    ASSERT_EQ(s.TopTemplate(), 961);
    g_log.clear();
  }

  TestWindow w{961};
  headless::Session s;
};

TEST_F(HostTest, ProgramSettingAnEditsTextNotifiesBeforeReturning) {
  std::vector<std::string> seen;
  w.init = [&](platform::Dialog& dlg) {
    dlg.SetText(kEdit, "abc");
    seen = g_log;  // the notification has already arrived
    dlg.SetText(kLabel, "no notification for a static");
  };
  s.Start([this](platform::Host& h) { h.RunModal(w); });
  EXPECT_EQ(seen, (std::vector<std::string>{"change 10"}));
  EXPECT_EQ(g_log, (std::vector<std::string>{"change 10"}));
}

TEST_F(HostTest, ProgramSelectionIsSilentAndUserSelectionNotifiesTwice) {
  w.init = [](platform::Dialog& dlg) {
    dlg.ListAdd(kList, "zero");
    dlg.ListAdd(kList, "one");
    dlg.ListSelect(kList, 1);
  };
  Run();
  EXPECT_EQ(s.Selection(kList), 1);
  EXPECT_EQ(s.Text(kList), "one");
  ASSERT_TRUE(s.Select(kList, 0));
  // The list takes the focus from the edit that had it, then notifies.
  EXPECT_EQ(g_log, (std::vector<std::string>{"killfocus 10", "selchange 20", "selendok 20"}));
  // Choosing the entry that is already selected still notifies.
  g_log.clear();
  ASSERT_TRUE(s.SelectText(kList, "zero"));
  EXPECT_EQ(g_log, (std::vector<std::string>{"selchange 20", "selendok 20"}));
  EXPECT_FALSE(s.SelectText(kList, "two"));
  EXPECT_FALSE(s.Select(kList, 2));
}

TEST_F(HostTest, SelectingOutsideTheListLeavesNoSelection) {
  int after_bad = 0, after_negative = 0;
  w.init = [&](platform::Dialog& dlg) {
    dlg.ListAdd(kList, "zero");
    dlg.ListSelect(kList, 0);
    dlg.ListSelect(kList, 5);
    after_bad = dlg.ListSelection(kList);
    dlg.ListSelect(kList, 0);
    dlg.ListSelect(kList, -1);
    after_negative = dlg.ListSelection(kList);
  };
  Run();
  EXPECT_EQ(after_bad, -1);
  EXPECT_EQ(after_negative, -1);
  EXPECT_EQ(s.Text(kList), "");
}

TEST_F(HostTest, ListInsertAndResetKeepTheSelectionTrue) {
  std::vector<int> seen;
  w.init = [&](platform::Dialog& dlg) {
    dlg.ListAdd(kList, "b");
    dlg.ListSelect(kList, 0);
    seen.push_back(dlg.ListInsert(kList, 0, "a"));
    seen.push_back(dlg.ListSelection(kList));      // "b" moved to 1 and stays selected
    seen.push_back(dlg.ListInsert(kList, -1, "c"));  // -1 appends
    seen.push_back(dlg.ListInsert(kList, 9, "x"));   // past the end: refused
    seen.push_back(dlg.ListCount(kList));
    dlg.ListReset(kList);
    seen.push_back(dlg.ListCount(kList));
    seen.push_back(dlg.ListSelection(kList));
  };
  Run();
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, -1, 3, 0, -1}));
}

TEST_F(HostTest, LimitBoundsTypingAndPastingButNotTheProgram) {
  w.init = [](platform::Dialog& dlg) {
    dlg.SetLimit(kEdit, 4);
    dlg.SetText(kEdit, "program-set text");
  };
  Run();
  EXPECT_EQ(s.Text(kEdit), "program-set text");
  ASSERT_TRUE(s.Paste(kEdit, ""));
  ASSERT_TRUE(s.Type(kEdit, "123456"));
  EXPECT_EQ(s.Text(kEdit), "1234");
  EXPECT_EQ(g_log.size(), 5u);  // the paste and four keystrokes
  ASSERT_TRUE(s.Paste(kEdit, "abcdefgh"));
  EXPECT_EQ(s.Text(kEdit), "abcd");
  // The limit counts characters, not bytes.
  ASSERT_TRUE(s.Paste(kEdit, "中文中文中"));
  EXPECT_EQ(s.Text(kEdit), "中文中文");
}

TEST_F(HostTest, TypingGoesToTheCaretAndBackspaceDeletes) {
  Run();
  ASSERT_TRUE(s.Type(kEdit, "abd"));
  EXPECT_EQ(s.Caret(kEdit), 3);
  ASSERT_TRUE(s.Type(kEdit, "\bcd"));
  EXPECT_EQ(s.Text(kEdit), "abcd");
  g_log.clear();
  ASSERT_TRUE(s.Paste(kEdit, ""));
  ASSERT_TRUE(s.Type(kEdit, "\b"));  // nothing to delete: no change
  EXPECT_EQ(g_log, (std::vector<std::string>{"change 10"}));
  ASSERT_TRUE(s.Type(kNumberEdit, "1a2"));  // a digits-only edit refuses letters
  EXPECT_EQ(s.Text(kNumberEdit), "12");
}

TEST_F(HostTest, DisabledAndHiddenControlsTakeNoInput) {
  w.init = [](platform::Dialog& dlg) { dlg.Enable(kButton, false); };
  Run();
  const headless::ActionResult hidden = s.Type(kHiddenEdit, "x");
  EXPECT_FALSE(hidden);
  EXPECT_NE(hidden.error.find("hidden"), std::string::npos);
  const headless::ActionResult disabled = s.Paste(kDisabledEdit, "x");
  EXPECT_FALSE(disabled);
  EXPECT_NE(disabled.error.find("disabled"), std::string::npos);
  EXPECT_FALSE(s.Click(kButton));
  EXPECT_FALSE(s.Click(kLabel));  // a static cannot be clicked
  EXPECT_FALSE(s.Type(kList, "x"));
  EXPECT_FALSE(s.Click(99));      // no such control
  EXPECT_TRUE(g_log.empty());
  EXPECT_EQ(s.Text(kHiddenEdit), "");
}

TEST_F(HostTest, MessageBoxIsModal) {
  w.command = [](platform::Dialog& dlg, int id, Notify what) {
    if (id != kButton || what != Notify::Clicked) return;
    const int answer = dlg.MessageBox("text", "caption", platform::MsgIcon::Warning);
    g_log.push_back("answered " + std::to_string(answer));
  };
  Run();
  ASSERT_TRUE(s.Click(kButton));
  g_log.erase(g_log.begin());  // "killfocus 10": the button took the focus
  ASSERT_TRUE(s.Box().has_value());
  EXPECT_EQ(s.Box()->caption, "caption");
  EXPECT_EQ(s.Box()->owner_template, 961);
  EXPECT_EQ(g_log, (std::vector<std::string>{"clicked 31"}));  // the handler waits
  EXPECT_FALSE(s.Click(kDefault));  // nothing else takes input meanwhile
  EXPECT_FALSE(s.Close());
  ASSERT_TRUE(s.Answer());
  EXPECT_EQ(g_log, (std::vector<std::string>{"clicked 31", "answered 1"}));
  EXPECT_FALSE(s.Box().has_value());
  EXPECT_FALSE(s.Answer());  // no box any more
}

TEST_F(HostTest, LeavingAnEditRaisesKillFocusOnce) {
  Run();
  EXPECT_EQ(s.Focus(), kEdit);  // the first tab stop
  EXPECT_FALSE(s.Leave(kNumberEdit));  // it does not have the focus
  ASSERT_TRUE(s.Type(kNumberEdit, "1"));
  EXPECT_EQ(g_log, (std::vector<std::string>{"killfocus 10", "change 13"}));
  g_log.clear();
  ASSERT_TRUE(s.Click(kButton));  // the click takes the focus first
  EXPECT_EQ(g_log, (std::vector<std::string>{"killfocus 13", "clicked 31"}));
  g_log.clear();
  ASSERT_TRUE(s.Type(kEdit, "x"));
  ASSERT_TRUE(s.Leave(kEdit));
  EXPECT_EQ(g_log, (std::vector<std::string>{"change 10", "killfocus 10"}));
  EXPECT_EQ(s.Focus(), 0);
}

TEST_F(HostTest, ClickLostToAMessageBoxShownOnLeavingAnEdit) {
  w.command = [](platform::Dialog& dlg, int id, Notify what) {
    if (id == kEdit && what == Notify::KillFocus) dlg.MessageBox("bad", "Warning", platform::MsgIcon::Warning);
  };
  Run();
  ASSERT_TRUE(s.Type(kEdit, "x"));
  ASSERT_TRUE(s.Click(kButton));
  ASSERT_TRUE(s.Box().has_value());
  ASSERT_TRUE(s.Answer());
  EXPECT_EQ(g_log, (std::vector<std::string>{"change 10", "killfocus 10"}));
  bool noted = false;
  for (const headless::Event& e : s.TakeEvents()) noted |= e.kind == headless::Event::Note;
  EXPECT_TRUE(noted);
}

TEST_F(HostTest, CheckBoxesToggleAndRadioButtonsCheckOne) {
  Run();
  ASSERT_TRUE(s.Click(kCheck));
  EXPECT_TRUE(s.Checked(kCheck));
  ASSERT_TRUE(s.Click(kCheck));
  EXPECT_FALSE(s.Checked(kCheck));
  ASSERT_TRUE(s.Click(kRadioA));
  ASSERT_TRUE(s.Click(kRadioB));
  EXPECT_FALSE(s.Checked(kRadioA));
  EXPECT_TRUE(s.Checked(kRadioB));
}

TEST_F(HostTest, EnterClicksTheDefaultOrFocusedButtonAndEscapeCancels) {
  Run();
  ASSERT_TRUE(s.Enter());
  ASSERT_TRUE(s.Escape());
  EXPECT_EQ(g_log, (std::vector<std::string>{"clicked 30", "clicked 2"}));
  ASSERT_TRUE(s.Click(kButton));
  g_log.clear();
  ASSERT_TRUE(s.Enter());  // the focused push button
  EXPECT_EQ(g_log, (std::vector<std::string>{"clicked 31"}));
}

TEST_F(HostTest, TimersFireOnlyWhenTickedAndUntilStopped) {
  w.init = [](platform::Dialog& dlg) {
    dlg.StartTimer(1, 1000);
    dlg.StartTimer(2, 1000);
  };
  w.timer_hook = [](platform::Dialog& dlg, int timer) {
    if (timer == 1) dlg.StopTimer(2);  // stopped before its turn in the same tick
  };
  Run();
  EXPECT_TRUE(g_log.empty());
  int fired = 0;
  ASSERT_TRUE(s.Tick(&fired));
  EXPECT_EQ(fired, 1);
  ASSERT_TRUE(s.Tick(&fired));
  EXPECT_EQ(g_log, (std::vector<std::string>{"timer 1", "timer 1"}));
  EXPECT_EQ(s.RunningTimers(), (std::vector<int>{1}));
}

TEST_F(HostTest, RepaintsOnlyAfterInvalidate) {
  w.command = [](platform::Dialog& dlg, int id, Notify) {
    if (id == kButton) dlg.Invalidate();
  };
  Run();
  EXPECT_EQ(s.PaintCount(), 1);
  EXPECT_EQ(s.LastPaint(), (std::vector<headless::BitmapDraw>{{7, 1, 2, 3, 4}}));
  ASSERT_TRUE(s.Click(kDefault));
  EXPECT_EQ(s.PaintCount(), 1);
  ASSERT_TRUE(s.Click(kButton));
  EXPECT_EQ(s.PaintCount(), 2);
  s.SetBitmapExists([](int id) { return id != 7; });
  ASSERT_TRUE(s.Click(kButton));
  EXPECT_TRUE(s.LastPaint().empty());  // a bitmap that does not exist is not drawn
}

TEST_F(HostTest, OwnerlessWindowLeavesTheWindowBehindResponsive) {
  TestWindow over{963, true};
  TestWindow owned{962, false};
  w.command = [&](platform::Dialog&, int id, Notify what) {
    if (what != Notify::Clicked) return;
    if (id == kButton) s.host().RunModal(over);
    if (id == kDefault) s.host().RunModal(owned);
  };
  Run();
  ASSERT_TRUE(s.Click(kButton));
  EXPECT_EQ(s.OpenTemplates(), (std::vector<int>{961, 963}));
  EXPECT_EQ(s.TopTemplate(), 963);
  ASSERT_TRUE(s.Type(kEdit, "a", 961));  // the window behind takes input
  EXPECT_EQ(s.Text(kEdit, 961), "a");
  EXPECT_EQ(s.Text(kEdit, 963), "");
  // The edit typed into behind keeps its place, but not the focus, while the
  // user works in the window over it.
  ASSERT_TRUE(s.Click(kButton, 963));
  g_log.clear();
  EXPECT_FALSE(s.Leave(kEdit, 961));
  ASSERT_TRUE(s.Close(963));
  EXPECT_EQ(s.OpenTemplates(), (std::vector<int>{961}));
  // Back in the window, the edit has the focus again: leaving it tells it.
  ASSERT_TRUE(s.Leave(kEdit));
  EXPECT_EQ(g_log, (std::vector<std::string>{"close", "killfocus 10"}));

  ASSERT_TRUE(s.Click(kDefault));
  EXPECT_EQ(s.TopTemplate(), 962);
  const headless::ActionResult behind = s.Click(kButton, 961);
  EXPECT_FALSE(behind);
  EXPECT_NE(behind.error.find("behind"), std::string::npos);
  EXPECT_FALSE(s.Click(kButton, 964));  // not open
  ASSERT_TRUE(s.Close());
  EXPECT_EQ(s.TopTemplate(), 961);
}

TEST_F(HostTest, EventsTellWhatHappenedInOrder) {
  w.command = [](platform::Dialog& dlg, int id, Notify) {
    if (id == kButton) {
      dlg.MessageBox("text", "caption", platform::MsgIcon::Information);
      dlg.End(7);
    }
  };
  s.Start([this](platform::Host& h) { h.RunModal(w); });
  ASSERT_TRUE(s.Click(kButton));
  ASSERT_TRUE(s.Answer());
  EXPECT_TRUE(s.Finished());
  std::vector<headless::Event::Kind> kinds;
  for (const headless::Event& e : s.TakeEvents()) kinds.push_back(e.kind);
  using E = headless::Event;
  EXPECT_EQ(kinds, (std::vector<E::Kind>{E::WindowOpened, E::WindowShown, E::BoxShown, E::BoxAnswered, E::WindowClosed}));
  EXPECT_FALSE(s.Click(kButton));  // the application has ended
}

TEST_F(HostTest, WindowWithoutLayoutFailsLikeAMissingTemplate) {
  TestWindow none{12345};
  int result = 0;
  s.Start([&](platform::Host& h) { result = h.RunModal(none); });
  EXPECT_TRUE(s.Finished());
  EXPECT_EQ(result, -1);
}

TEST_F(HostTest, EndingTheSessionUnwindsARunningApplication) {
  bool returned = false;
  w.command = [](platform::Dialog& dlg, int id, Notify) {
    if (id == kButton) dlg.MessageBox("still open", "Notice", platform::MsgIcon::Information);
  };
  {
    headless::Session inner;
    inner.AddLayout(&kLayoutA);
    inner.Start([&](platform::Host& h) {
      h.RunModal(w);
      returned = true;
    });
    ASSERT_TRUE(inner.Click(kButton));
    ASSERT_TRUE(inner.Box().has_value());
  }
  EXPECT_TRUE(returned);
}

// Two sessions on one thread take turns each with its own application:
// an action on one never resumes the other, and either may end first.
TEST_F(HostTest, TwoSessionsOnOneThreadKeepTheirOwnApplications) {
  TestWindow a{961}, b{962};
  std::vector<std::string> clicks;
  a.command = [&](platform::Dialog&, int id, Notify) { if (id == kButton) clicks.push_back("a"); };
  b.command = [&](platform::Dialog& dlg, int id, Notify) {
    if (id == kButton) clicks.push_back("b");
    if (id == kDefault) dlg.MessageBox("b waits", "Notice", platform::MsgIcon::Information);
  };
  auto first = std::make_unique<headless::Session>();
  headless::Session second;
  first->AddLayout(&kLayoutA);
  second.AddLayout(&kLayoutB);
  first->Start([&](platform::Host& h) { h.RunModal(a); });
  second.Start([&](platform::Host& h) { h.RunModal(b); });
  ASSERT_TRUE(first->Click(kButton));
  ASSERT_TRUE(second.Click(kDefault));  // b now waits in its message box
  ASSERT_TRUE(first->Click(kButton));
  first.reset();  // the first application unwinds; the second still waits
  ASSERT_TRUE(second.Box().has_value());
  ASSERT_TRUE(second.Answer());
  ASSERT_TRUE(second.Click(kButton));
  EXPECT_EQ(clicks, (std::vector<std::string>{"a", "a", "b"}));
  ASSERT_TRUE(second.Close());
  EXPECT_TRUE(second.Finished());
}

// A handler that asks for a user action itself is a fault of the test
// that wrote it: the process stops and says so, rather than switch to a
// stack that is already running.
TEST_F(HostTest, AnActionAskedForFromInsideTheApplicationStopsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  w.command = [this](platform::Dialog&, int id, Notify) {
    if (id == kButton) (void)s.Click(kDefault);
  };
  Run();
  EXPECT_DEATH((void)s.Click(kButton), "from inside the application");
}

// The application runs on a stack of its own: as deep as a thread's, and
// an exception a handler throws and catches stays on it.
TEST_F(HostTest, TheApplicationsStackIsDeepAndKeepsItsExceptions) {
  std::string caught;
  w.command = [&](platform::Dialog&, int id, Notify) {
    if (id != kButton) return;
    std::function<int(int)> down = [&](int n) -> int {
      volatile char frame[16 * 1024];
      frame[0] = static_cast<char>(n);
      if (n == 0) throw std::runtime_error("3 MiB down");
      return down(n - 1) + frame[0];
    };
    try {
      (void)down(192);
    } catch (const std::runtime_error& e) {
      caught = e.what();
    }
  };
  Run();
  ASSERT_TRUE(s.Click(kButton));
  EXPECT_EQ(caught, "3 MiB down");
  ASSERT_TRUE(s.Click(kButton));  // and the window still takes the next click
  EXPECT_EQ(s.TopTemplate(), 961);
}

TEST_F(HostTest, ServicesAreScripted) {
  headless::Services& sv = s.services();
  sv.SetNow({2023, 12, 31, 23, 59, 58});
  sv.AdvanceClock(3);
  EXPECT_EQ(sv.Now(), (platform::LocalTime{2024, 1, 1, 0, 0, 1}));
  sv.SetNow({2024, 3, 1, 0, 0, 0});
  sv.AdvanceClock(-1);
  EXPECT_EQ(sv.Now(), (platform::LocalTime{2024, 2, 29, 23, 59, 59}));
  sv.QueuePickFolder("/cards/a");
  sv.QueuePickFolder(std::nullopt);
  EXPECT_EQ(sv.PickFolder("/cards"), std::optional<std::string>("/cards/a"));
  EXPECT_EQ(sv.PickFolder("/cards/a"), std::nullopt);
  EXPECT_EQ(sv.FolderPickerStart(), "/cards/a");
  EXPECT_EQ(sv.PickFolder(""), std::nullopt);  // nothing queued: cancelled
  EXPECT_EQ(sv.FolderPickerCalls(), 3);
  EXPECT_EQ(&platform::GetServices(), &sv);
}

// Two windows that hand over to each other on a click, the flat way.
class Ping final : public platform::Window {
 public:
  explicit Ping(int tpl, WindowKind next) : tpl_(tpl), next_(next) {}
  int TemplateId() const override { return tpl_; }
  void OnInit(platform::Dialog&) override {}
  void OnCommand(platform::Dialog& dlg, int id, Notify what) override {
    if (id == kButton && what == Notify::Clicked) {
      SetNext(next_);
      dlg.End(0);
    }
  }
  void OnClose(platform::Dialog& dlg) override { dlg.End(0); }

 private:
  int tpl_;
  WindowKind next_;
};

TEST_F(HostTest, ThousandHandOversLeaveTheStackWhereItWas) {
  platform::WindowRegistry windows;
  windows.Register(WindowKind::Main,
                   [] { return std::unique_ptr<platform::Window>(new Ping(961, WindowKind::CameraSetup)); });
  windows.Register(WindowKind::CameraSetup,
                   [] { return std::unique_ptr<platform::Window>(new Ping(962, WindowKind::Main)); });
  long windows_run = 0;
  s.Start([&](platform::Host& h) { windows_run = platform::RunWindowChain(h, windows, WindowKind::Main); });
  const std::size_t start = s.StackDepth();
  ASSERT_GT(start, 0u);
  std::size_t deepest = start;
  for (int i = 0; i < 1000; ++i) {
    ASSERT_TRUE(s.Click(kButton));
    ASSERT_EQ(s.TopTemplate(), i % 2 == 0 ? 962 : 961);
    deepest = std::max(deepest, s.StackDepth());
  }
  EXPECT_EQ(s.StackDepth(), start);
  EXPECT_EQ(deepest, start);
  std::printf("stack depth at the modal loop: %zu bytes before and after 1000 hand-overs\n", start);
  ASSERT_TRUE(s.Close());
  EXPECT_TRUE(s.Finished());
  EXPECT_EQ(windows_run, 1001);
}

}  // namespace
