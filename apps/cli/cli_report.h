// What trailset-cli says about a menu.dat or CFG.BIN image: as text for a
// person or as JSON for a script.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace cli {

using Json = nlohmann::ordered_json;

enum class FileKind { Menu, Cfg };

struct ReportOptions {
  bool show_passwords = false;
  // Also open the model's window on the file and report what it changes.
  bool opening = true;
};

// The report of a file's bytes for a model; "accepted" tells whether the
// model's windows take the file.
Json MenuReport(const std::filesystem::path& file, const std::vector<uint8_t>& bytes, uint16_t model,
                const ReportOptions& o);
Json CfgReport(const std::filesystem::path& file, const std::vector<uint8_t>& bytes, uint16_t model,
               const ReportOptions& o);

// A report as text.
void PrintReport(const Json& report, std::ostream& out);
// JSON as the commands print it (texts that are no UTF-8 replaced).
std::string DumpJson(const Json& j);

}  // namespace cli
