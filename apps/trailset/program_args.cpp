#include "apps/trailset/program_args.h"

#include "trailset_version.h"

namespace program_args {

namespace {

constexpr const char* kUsage =
    "Usage: trailset [--help | --version]\n"
    "\n"
    "Prepares the settings of a VORN trail camera and writes them as the two\n"
    "files the camera reads from the root of its memory card: menu.dat (the\n"
    "camera settings) and CFG.BIN (how pictures are sent). Started without\n"
    "arguments it opens its main window: pick the camera model, open Camera\n"
    "Setup or Wireless Setup, choose the card or a folder and press Generate.\n"
    "\n"
    "  -h, --help   print this help and exit\n"
    "  --version    print the version and exit\n"
    "\n"
    "trailset-cli writes and inspects the same files from the command line.\n";

}  // namespace

Outcome Parse(std::span<const std::string> args) {
  if (args.empty()) return {.open_windows = true};
  const std::string& first = args.front();
  if (args.size() == 1 && first == "--version") return {.text = std::string("trailset ") + TRAILSET_VERSION + "\n"};
  if (args.size() == 1 && (first == "--help" || first == "-h")) return {.text = kUsage};
  const std::string& wrong = (first == "--version" || first == "--help" || first == "-h") ? args[1] : first;
  return {.text = "trailset: unexpected argument '" + wrong + "'; try 'trailset --help'\n",
          .is_error = true,
          .exit_code = 2};
}

}  // namespace program_args
