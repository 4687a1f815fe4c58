// What trailset-cli says about a menu.dat or CFG.BIN image: as text for a
// person or as JSON for a script.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "apps/cli/cli_common.h"
#include "apps/cli/cli_session.h"

namespace cli {

using Json = nlohmann::ordered_json;

enum class FileKind { Menu, Cfg };

struct ReportOptions {
  bool show_passwords = false;
  // Also open the model's window on the file and report what it changes.
  bool opening = true;
};

// The report of a file for a model; "accepted" tells whether the model's
// windows take the file.
Json MenuReport(const std::filesystem::path& path, const CardFile& file, uint16_t model, const ReportOptions& o);
Json CfgReport(const std::filesystem::path& path, const CardFile& file, uint16_t model, const ReportOptions& o);

// The warnings the camera setup window showed while it opened on a file:
// per warning the setting (when an edit of one showed it), what the edit
// showed, what the window made of it, and the warning's text.
Json CorrectionsJson(const std::vector<OpeningWarning>& warnings);
// One of them as a line: "the window corrected LongitudeMin of <what> from
// "75" to "59": The input is out of range!".
std::string CorrectionLine(const Json& correction, const std::string& what);

// A report as text.
void PrintReport(const Json& report, std::ostream& out);
// JSON as the commands print it (texts that are no UTF-8 replaced).
std::string DumpJson(const Json& j);

}  // namespace cli
