// trailset-drive's own parts: the `like` matcher of expectations, and what
// the interpreter holds over a long script.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "apps/drive/drive_script.h"

namespace {

TEST(DriveLike, StarsAndQuestionMarksMatchWhatTheySay) {
  struct Case {
    const char* pattern;
    const char* text;
    bool matches;
  };
  const Case cases[] = {
      // A '*' in the text where the pattern has its wildcard: a masked password.
      {"g_sSendSet.sSmtpSet.szPassword=*", "g_sSendSet.sSmtpSet.szPassword=********", true},
      {"a=*", "a=***", true},
      {"a*b", "a*b", true},
      {"a*b", "a**xb", true},
      {"x*y", "x**z", false},
      {"a*b*c", "a*b", false},
      {"*", "", true},
      {"a*", "a", true},
      {"*x", "abc", false},
      {"a?c", "abc", true},
      {"a?c", "ac", false},
      {"?", "", false},
      {"Open file - \"*\" success!", "Open file - \"/card/menu.dat\" success!", true},
      {"Open file - \"*\" success!", "Open file - \"/card/menu.dat\" err!", false},
  };
  for (const Case& c : cases) EXPECT_EQ(drive::LikeMatches(c.pattern, c.text), c.matches) << c.pattern << " / " << c.text;
}

// A long session keeps no more diagnostic lines than the last action wrote.
TEST(DriveMemory, ALongScriptHoldsOnlyTheLinesOfTheLastAction) {
  std::string script = "set workdir fresh\nstart\n";
  const int rounds = 1000;
  for (int i = 0; i < rounds; ++i) script += "click 40003\nclose\n";
  script += "click 40003\nexpect diag like \"PirInterval bySel = *\"\n";
  std::istringstream in(script);
  std::ostringstream transcript, errors;
  drive::Options options;
  options.quiet = true;
  drive::Interpreter interpreter(transcript, errors, options);
  ASSERT_EQ(interpreter.Run(in, "long", "."), drive::Outcome::Passed) << errors.str();
  EXPECT_LT(interpreter.HeldDiagLines(), 40u);
}

}  // namespace
