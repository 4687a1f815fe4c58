// The script language of trailset-drive: what a user does to the running
// application and what the user should see, one command a line.
// docs/drive-scripts.md describes it.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/headless.h"
#include "records/app_state.h"

namespace drive {

struct Token {
  std::string text;
  bool quoted = false;
};

// Splits one script line into words and quoted strings; a '#' outside a
// string starts a comment. False (with `error`) for an unterminated string
// or a bad escape.
bool Tokenize(const std::string& line, std::vector<Token>& out, std::string& error);

// The `like` match of expectations: '*' matches any run of characters
// (always, also where the text has a '*'), '?' any one byte, every other
// byte itself.
bool LikeMatches(std::string_view pattern, std::string_view text);

// Outcome of running a script.
enum class Outcome { Passed = 0, Failed = 1, ScriptError = 2 };

struct Options {
  bool quiet = false;        // print only the failure line
  bool keep_folders = false; // keep the folders made by "set workdir fresh"
};

class Interpreter {
 public:
  Interpreter(std::ostream& transcript, std::ostream& errors, Options options);
  ~Interpreter();

  // Runs the script's lines; `name` and the line number prefix every
  // failure. `base` is the folder relative "from" paths are read from.
  Outcome Run(std::istream& script, const std::string& name, const std::filesystem::path& base);

  // Diagnostic lines held for the script (those since the last action,
  // which expectations can ask for, and any the session still keeps).
  std::size_t HeldDiagLines() const;

 private:
  class Command;

  bool Execute(const std::vector<Token>& t, std::string& failure, bool& script_error);
  bool EnsureStarted();
  void PrintEvents();
  std::filesystem::path Resolve(const std::string& name) const;

  std::ostream& out_;
  std::ostream& err_;
  Options options_;
  AppState state_;  // the session's state, which the application runs on
  std::unique_ptr<headless::Session> session_;
  bool started_ = false;
  std::filesystem::path base_;
  std::vector<std::filesystem::path> fresh_folders_;
  std::vector<std::string> recent_diag_;  // diagnostic lines since the last action
};

}  // namespace drive
