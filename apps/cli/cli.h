// trailset-cli: the command line of the companion program, for its entry
// point and for tests that run it in-process.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// Runs one command line (args[0] is the program name) and returns its exit
// status: 0 success, 1 the windows refused the input, 2 a usage error.
// Standard input is read by "inspect -", "apply -", "--secrets -" and
// "--set NAME=@-"; the overload without `in` reads the process's.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
