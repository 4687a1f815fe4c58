// What the camera and wireless commands share: checking their options and
// setting up the run of the windows.
#pragma once

#include <filesystem>
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

// The program's diagnostic lines of a run, for --log.
void PrintLog(const std::vector<std::string>& lines, std::ostream& err);

// Runs the windows of a command; a refusal is also written as a JSON result
// when the command was asked for JSON, then passed on.
template <typename Run>
auto RunReportingRefusals(bool json, std::ostream& out, Run run) -> decltype(run()) {
  try {
    return run();
  } catch (const WindowRefusal& e) {
    if (json) out << DumpJson(Json{{"result", "refused"}, {"caption", e.caption}, {"message", e.text}}) << "\n";
    throw;
  } catch (const Refusal& e) {
    if (json) out << DumpJson(Json{{"result", "refused"}, {"message", e.what()}}) << "\n";
    throw;
  }
}

}  // namespace cli
