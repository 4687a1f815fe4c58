// The commands of trailset-cli. Each returns the process exit status and
// writes what it has to say to `out`; errors go to `err`.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace cli {

struct ModelsOptions {
  bool json = false;
};
int RunModels(const ModelsOptions& o, std::ostream& out);

struct PresetsOptions {
  std::string country;  // name or index; empty for all
  std::string model;    // the model the operators are offered to; empty for the list of most models
  bool json = false;
};
int RunPresets(const PresetsOptions& o, std::ostream& out);

struct InspectOptions {
  std::string file;
  std::string model;
  std::string kind;  // "menu", "cfg" or empty (by the file's name, then its size)
  bool json = false;
  bool show_passwords = false;
};
int RunInspect(const InspectOptions& o, std::ostream& out);

// What camera and wireless share: where the windows run and what they see.
struct RunOptions {
  std::string model;
  std::string out_dir;
  std::string from;      // a file to start from
  std::string clock;     // "YYYY-MM-DD HH:MM:SS", or the machine's clock
  std::string timezone;  // the PC's UTC offset in hours, or the machine's
  std::string lang = "en";
  std::vector<std::string> sets;  // NAME=VALUE
  bool json = false;
  bool show_passwords = false;
  bool log = false;  // the program's diagnostic lines on the error stream
};

struct CameraOptions : RunOptions {
  bool defaults = false;
};
int RunCamera(const CameraOptions& o, std::ostream& out, std::ostream& err);

int RunWireless(const RunOptions& o, std::ostream& out, std::ostream& err);

// The names --set takes, one a line, with what each sets.
std::string CameraSettingNames();
std::string WirelessSettingNames();

}  // namespace cli
