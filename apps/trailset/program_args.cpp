#include "apps/trailset/program_args.h"

#include <utility>

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

Outcome Print(std::string text) {
  Outcome o;
  o.text = std::move(text);
  return o;
}

}  // namespace

Outcome Parse(std::span<const std::string> args) {
  if (args.empty()) {
    Outcome o;
    o.open_windows = true;
    return o;
  }
  const std::string& first = args.front();
  const bool known = first == "--version" || first == "--help" || first == "-h";
  if (args.size() == 1 && first == "--version") return Print(std::string("trailset ") + TRAILSET_VERSION + "\n");
  if (args.size() == 1 && known) return Print(kUsage);
  Outcome o = Print("trailset: unexpected argument '" + (known ? args[1] : first) + "'; try 'trailset --help'\n");
  o.is_error = true;
  o.exit_code = 2;
  return o;
}

}  // namespace program_args
