// What the camera and wireless commands share: checking their options and
// setting up the run of the windows.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "apps/cli/cli_commands.h"
#include "apps/cli/cli_common.h"
#include "apps/cli/cli_report.h"
#include "apps/cli/cli_session.h"

namespace cli {

struct PreparedRun {
  uint16_t model = 0;
  std::filesystem::path out_dir;
  CardFile from;  // the --from file (its size, and its bytes unless larger than any record)
  bool has_from = false;
  RunSettings settings;       // workdir still to be set
};

// Checks the options every run takes; UsageError for a bad one.
PreparedRun PrepareRun(const RunOptions& o);

// What a window confirmed it wrote: the file this run put in place, which
// the card must still hold when the command reports it. Refusal (the write
// failed after all) when none was put in place, when it is gone (the folder
// was removed) or when another program has replaced it since.
std::vector<uint8_t> ConfirmOnCard(const std::optional<PlacedFile>& placed, const char* name,
                                   const std::filesystem::path& out_dir);

// Why a window confirmed no success after Generate or Default: the file
// could not be written, or it was and another program replaced it before
// the window read it back.
std::string NotConfirmed(const AppRun& run, const char* name, const std::filesystem::path& out_dir);

// The window's warning that it could not write the file, as the run's
// refusal: the line NotConfirmed gives, then the window's reason. Nothing
// for any other message box.
std::optional<std::string> SaveFailed(const AppRun& run, const char* name, const std::filesystem::path& out_dir,
                                      const headless::MessageBoxInfo& box);

// The program's diagnostic lines of a run, for --log.
void PrintLog(const std::vector<std::string>& lines, std::ostream& err);

// A setting as a window shows it, by the name --set takes.
struct ShownSetting {
  std::string name;
  std::string value;
  bool secret = false;  // a password
};

// What a run of the windows wrote, as the window confirmed it and as the
// card holds it.
struct WrittenFile {
  std::string message;                // the window's confirmation
  std::vector<std::string> warnings;  // what the window warned of on the way
  Json corrections = Json::array();   // made while the camera setup window opened on --from
  Json report;                        // the file read back
  bool accepted() const { return report["accepted"].get<bool>(); }
};

// The camera setup window's run of `o` and its menu.dat; Refusal when the
// window refuses. With `closed_too` a setting whose control is closed is
// made through the switch that opens it, as a user does, and one that
// shows the value already is left as it is.
WrittenFile WriteMenu(const CameraOptions& o, const PreparedRun& p, std::ostream& err, bool closed_too = false);
// The wireless windows' run of `o` and its CFG.BIN; with `keep_shown` a
// control that shows the value already is left as it is.
WrittenFile WriteCfg(const RunOptions& o, const PreparedRun& p, std::ostream& err, bool keep_shown = false);

// What the windows show of p.from (menu.dat, CFG.BIN), in English, by the
// names --set takes: every setting whose control the model's window has
// (the clock only when it is typed), and of the wireless windows those
// open for input.
std::vector<ShownSetting> ShownCameraSettings(const PreparedRun& p);
std::vector<ShownSetting> ShownWirelessSettings(const PreparedRun& p);

// A written file for a person: the corrections (of `from_what`) and
// warnings on `err`, the window's message and the file's report on `out`.
void PrintWritten(const WrittenFile& w, const std::string& from_what, std::ostream& out, std::ostream& err);

}  // namespace cli
