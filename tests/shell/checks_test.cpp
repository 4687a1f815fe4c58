// FilterEditChars, CheckEditRange and CheckMailFormat on an edit of the
// headless host, with the edit's change notification running the filter
// as a window does.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/headless/headless.h"
#include "records/app_state.h"
#include "shell/app.h"
#include "shell/checks.h"

namespace {

using platform::ControlClass;
using platform::Notify;

constexpr int kFiltered = 10;  // filtered on every change (digits)
constexpr int kRanged = 11;    // range-checked when it loses the focus
constexpr int kUpper = 12;     // filtered on every change (digits and capitals)
constexpr int kButton = 13;
constexpr int kAny = 14;       // filtered with an empty set

const platform::ControlDef kControls[] = {
    {kFiltered, ControlClass::Edit, platform::kTabStop, 10, 10, 40, 12, nullptr},
    {kRanged, ControlClass::Edit, platform::kTabStop, 10, 30, 40, 12, nullptr},
    {kUpper, ControlClass::Edit, platform::kTabStop, 10, 50, 40, 12, nullptr},
    {kButton, ControlClass::PushButton, platform::kTabStop, 10, 70, 40, 12, "OK"},
    {kAny, ControlClass::Edit, platform::kTabStop, 10, 90, 40, 12, nullptr},
};
const platform::DialogLayout kLayout = {950, "checks", 100, 100, kControls};

struct Range {
  uint16_t min = 1, max = 12;
  bool armed = false;  // arm the warning for each check
};
Range g_range;
int g_filter_calls = 0;

class CheckWindow final : public platform::Window {
 public:
  int TemplateId() const override { return 950; }
  void OnInit(platform::Dialog&) override {}
  void OnCommand(platform::Dialog& dlg, int id, Notify what) override {
    if (id == kFiltered && what == Notify::EditChange) {
      ++g_filter_calls;
      FilterEditChars(dlg, id, kDigits);
    } else if (id == kAny && what == Notify::EditChange) {
      FilterEditChars(dlg, id, "");
    } else if (id == kUpper && what == Notify::EditChange) {
      FilterEditChars(dlg, id, kDigitsUpper);
    } else if (id == kRanged && what == Notify::KillFocus) {
      App().RangeWarnArmed = g_range.armed;
      CheckEditRange(dlg, id, g_range.min, g_range.max);
      App().RangeWarnArmed = false;
    }
  }
  void OnClose(platform::Dialog& dlg) override { dlg.End(0); }
};

class ChecksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellState();
    g_range = {};
    g_filter_calls = 0;
    s.AddLayout(&kLayout);
    s.Start([](platform::Host& h) {
      CheckWindow w;
      h.RunModal(w);
    });
  }

  // Puts text into the ranged edit without the check running, then leaves it.
  std::string RangeCheck(const std::string& text) {
    EXPECT_TRUE(s.Paste(kRanged, text));
    EXPECT_TRUE(s.Leave(kRanged));
    return s.Text(kRanged);
  }

  headless::Session s;
};

TEST_F(ChecksTest, FilterRemovesOneCharacterAndPlacesTheCaret) {
  ASSERT_TRUE(s.Type(kFiltered, "12a4"));
  EXPECT_EQ(s.Text(kFiltered), "124");
  EXPECT_EQ(s.Caret(kFiltered), 3);  // typing went on after the removal
  ASSERT_TRUE(s.Paste(kFiltered, "12a4"));
  EXPECT_EQ(s.Text(kFiltered), "124");
  EXPECT_EQ(s.Caret(kFiltered), 2);
}

TEST_F(ChecksTest, PastedTextLosesEveryDisallowedCharacter) {
  ASSERT_TRUE(s.Paste(kFiltered, "a1b2-3 c4"));
  EXPECT_EQ(s.Text(kFiltered), "1234");
  // One removal per change notification: the paste and five rewrites.
  EXPECT_EQ(g_filter_calls, 6);
  // The caret ends where the last character went ("c" from "123c4").
  EXPECT_EQ(s.Caret(kFiltered), 3);

  ASSERT_TRUE(s.Paste(kFiltered, "abc"));
  EXPECT_EQ(s.Text(kFiltered), "");
}

TEST_F(ChecksTest, FilterRemovesAWideCharacterWhole) {
  ASSERT_TRUE(s.Paste(kUpper, "AB中1x"));
  EXPECT_EQ(s.Text(kUpper), "AB1");
}

TEST_F(ChecksTest, EmptySetAllowsEverything) {
  ASSERT_TRUE(s.Paste(kAny, "a-Z 9!中"));
  EXPECT_EQ(s.Text(kAny), "a-Z 9!中");
}

TEST_F(ChecksTest, RangeOneToTwelve) {
  EXPECT_EQ(RangeCheck(""), "1");
  EXPECT_EQ(RangeCheck("0"), "1");
  EXPECT_EQ(RangeCheck("1x"), "1");
  EXPECT_EQ(RangeCheck("007"), "007");
  EXPECT_EQ(RangeCheck("12"), "12");
  EXPECT_EQ(s.BoxCount(), 0);
  EXPECT_EQ(RangeCheck("13"), "12");
  EXPECT_EQ(s.BoxCount(), 0);  // not armed: no warning
}

TEST_F(ChecksTest, ArmedRangeWarnsOnceAboveTheMaximumOnly) {
  g_range.armed = true;
  EXPECT_EQ(RangeCheck("0"), "1");
  EXPECT_EQ(s.BoxCount(), 0);  // below the minimum never warns

  ASSERT_TRUE(s.Paste(kRanged, "13"));
  ASSERT_TRUE(s.Leave(kRanged));
  ASSERT_TRUE(s.Box().has_value());
  EXPECT_EQ(s.Box()->caption, "Warning");
  EXPECT_EQ(s.Box()->text, "The input is out of range!");
  EXPECT_EQ(s.Box()->icon, platform::MsgIcon::Warning);
  EXPECT_EQ(s.Text(kRanged), "13");  // replaced only after the box is closed
  ASSERT_TRUE(s.Answer());
  EXPECT_EQ(s.Text(kRanged), "12");
  EXPECT_EQ(s.BoxCount(), 1);
  EXPECT_FALSE(App().RangeWarnArmed);

  App().UiLanguage = 0;
  ASSERT_TRUE(s.Paste(kRanged, "99"));
  ASSERT_TRUE(s.Leave(kRanged));
  ASSERT_TRUE(s.Box().has_value());
  EXPECT_EQ(s.Box()->caption, "警告");
  EXPECT_EQ(s.Box()->text, "输入内容超出范围！");
  ASSERT_TRUE(s.Answer());
}

TEST_F(ChecksTest, ReplacementsAreLogged) {
  s.ClearDiag();
  RangeCheck("5");
  EXPECT_TRUE(s.DiagLines().empty());
  RangeCheck("");  // an empty field gets min without a log line
  EXPECT_TRUE(s.DiagLines().empty());
  RangeCheck("0");
  RangeCheck("40");
  EXPECT_EQ(s.DiagLines(), (std::vector<std::string>{"Input value error!", "Input value error!"}));
}

TEST_F(ChecksTest, RangeZeroToFiftyNine) {
  g_range = {0, 59, false};
  EXPECT_EQ(RangeCheck("60"), "59");
  EXPECT_EQ(RangeCheck("5a9"), "59");
  EXPECT_EQ(RangeCheck(""), "0");
}

TEST_F(ChecksTest, ReplacementMayBeLongerThanTheText) {
  g_range = {2016, 2099, false};
  EXPECT_EQ(RangeCheck("5"), "2016");
  EXPECT_EQ(RangeCheck("2100"), "2099");
  EXPECT_EQ(RangeCheck("65535"), "2099");
  // Digits beyond what 32 bits hold count as very large, not as garbage.
  EXPECT_EQ(RangeCheck("99999999999999999999"), "2099");
}

TEST_F(ChecksTest, RangeHandlesTheWholeSixteenBitSpan) {
  g_range = {0, 65535, false};
  EXPECT_EQ(RangeCheck("65535"), "65535");
  EXPECT_EQ(RangeCheck("65536"), "65535");
}

TEST(CheckMailFormat, ShapesOfAddresses) {
  auto check = [](const char* text) { return CheckMailFormat(text, static_cast<int>(std::strlen(text))); };
  EXPECT_EQ(check("a@b.c"), 3);
  EXPECT_EQ(check("@."), 3);        // nothing before the '@' or between
  EXPECT_EQ(check("a@b"), 1);
  EXPECT_EQ(check("a.b.c"), 2);
  EXPECT_EQ(check("a.b@c"), 1);     // '.' only before the '@'
  EXPECT_EQ(check("a.b@c.d"), 3);
  EXPECT_EQ(check("abc"), 0);
  EXPECT_EQ(check(""), 0);
  EXPECT_EQ(CheckMailFormat("a@b.c", 0), 0);
  EXPECT_EQ(CheckMailFormat("a@b.c", -4), 0);
  EXPECT_EQ(CheckMailFormat(nullptr, 5), 0);
  EXPECT_EQ(CheckMailFormat("a@b.c", 3), 1);  // the length ends the scan before the '.'
  EXPECT_EQ(CheckMailFormat("a@b\0.c", 6), 1);  // so does a terminating zero
}

// A record field read as a bounded view: the '.' beyond the field's width
// does not make the address well formed.
TEST(CheckMailFormat, WellFormedOnlyWithinTheView) {
  const char field[] = {'a', '@', 'b', '.', 'c', 'x', '@', 'y', '.', 'z'};
  EXPECT_TRUE(IsMailWellFormed(std::string_view(field, 5)));
  EXPECT_FALSE(IsMailWellFormed(std::string_view(field, 3)));
  EXPECT_FALSE(IsMailWellFormed(std::string_view(field + 5, 3)));
  EXPECT_FALSE(IsMailWellFormed({}));
}

}  // namespace
