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
  std::string file;  // "-" for standard input
  std::string model;
  std::string kind;  // "menu", "cfg" or empty (by the file's name, then its size)
  bool json = false;
  bool show_passwords = false;
};
int RunInspect(const InspectOptions& o, std::istream& in, std::ostream& out);

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

struct ExportOptions {
  std::string model;
  std::string from;    // the card's folder
  std::string output;  // the profile's file; empty or "-" for standard output
  bool show_passwords = false;
};
int RunExport(const ExportOptions& o, std::ostream& out, std::ostream& err);

struct ApplyOptions {
  std::string file;     // the profile; "-" for standard input
  std::string secrets;  // a JSON object of names and values, added to the wireless settings
  bool dry_run = false;
  RunOptions run;       // model (empty: the profile's), folder, clock, zone, language, --json, --log
};
int RunApply(const ApplyOptions& o, std::istream& in, std::ostream& out, std::ostream& err);

// Replaces each --set value "@FILE" by the file's text and "@-" by what
// standard input holds (once a run), less one line break at the end;
// "@@..." stands for a value that begins with "@".
void ReadSetValues(std::vector<std::string>& sets, std::istream& in);

// The names --set takes, one a line, with what each sets.
std::string CameraSettingNames();
std::string WirelessSettingNames();

}  // namespace cli
