// What the trailset program does with its command line. Started without
// arguments it opens its windows; it also answers --help and --version,
// which print and end, and refuses anything else.
#pragma once

#include <span>
#include <string>

namespace program_args {

struct Outcome {
  bool open_windows = false;  // no arguments: start the program
  std::string text;           // what to print otherwise
  bool is_error = false;      // print on the error stream
  int exit_code = 0;
};

// `args` are the arguments after the program's name.
Outcome Parse(std::span<const std::string> args);

}  // namespace program_args
