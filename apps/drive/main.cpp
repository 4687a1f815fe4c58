// trailset-drive: runs the application on the headless host and plays a
// script of what a user does, printing what happens. Exits 0 when every
// expectation held, 1 at the first one that did not (or an action the
// application refused), 2 for a script that cannot be read or parsed.
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "apps/drive/drive_script.h"

namespace {

int Usage() {
  std::cerr << "usage: trailset-drive [--quiet] [--keep] [SCRIPT | -]\n"
               "  Plays SCRIPT (standard input when - or none) against the application.\n"
               "  --quiet  print only the line of a failure\n"
               "  --keep   keep the folders made by \"set workdir fresh\"\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  drive::Options options;
  std::string script = "-";
  bool have_script = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quiet") == 0) options.quiet = true;
    else if (std::strcmp(argv[i], "--keep") == 0) options.keep_folders = true;
    else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return Usage(), 0;
    else if (!have_script && (argv[i][0] != '-' || std::strcmp(argv[i], "-") == 0)) {
      script = argv[i];
      have_script = true;
    } else {
      return Usage();
    }
  }

  drive::Interpreter interpreter(std::cout, std::cerr, options);
  drive::Outcome outcome;
  if (script == "-") {
    outcome = interpreter.Run(std::cin, "<stdin>", std::filesystem::current_path());
  } else {
    std::ifstream in(script);
    if (!in) {
      std::cerr << "trailset-drive: cannot read " << script << "\n";
      return 2;
    }
    outcome = interpreter.Run(in, script, std::filesystem::absolute(script).parent_path());
  }
  std::cout.flush();
  return static_cast<int>(outcome);
}
