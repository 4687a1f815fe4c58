// trailset-cli: entry point.
#include <iostream>
#include <string>
#include <vector>

#include "apps/cli/cli.h"

#if defined(_WIN32)
#include <windows.h>
#endif

int main(int argc, char** argv) {
#if defined(_WIN32)
  // The windows' texts are UTF-8; so is what this program prints.
  SetConsoleOutputCP(CP_UTF8);
#endif
  std::vector<std::string> args(argv, argv + argc);
  const int status = cli::RunCli(args, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
