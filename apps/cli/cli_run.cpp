#include "apps/cli/cli_run.h"

#include <fstream>
#include <istream>
#include <iterator>
#include <optional>
#include <ostream>

#include "apps/cli/cli_common.h"
#include "shell/save_failure.h"

namespace cli {

PreparedRun PrepareRun(const RunOptions& o) {
  PreparedRun p;
  p.model = ResolveModel(o.model);
  p.out_dir = o.out_dir;
  std::error_code ec;
  if (!std::filesystem::is_directory(p.out_dir, ec))
    throw UsageError("--out: " + EchoQuoted(o.out_dir, SIZE_MAX) + " is not a folder");
  if (!o.from.empty()) {
    p.from = ReadCardFile(o.from);
    p.has_from = true;
  }
  if (o.clock.empty()) {
    p.settings.now = MachineNow();
  } else {
    const auto c = ParseClock(o.clock);
    if (!c) throw UsageError("--clock takes \"YYYY-MM-DD HH:MM:SS\", not " + EchoQuoted(o.clock));
    p.settings.now = platform::LocalTime{c->year, c->month, c->day, c->hour, c->minute, c->second};
  }
  if (o.timezone.empty()) {
    p.settings.utc_offset = MachineUtcOffset();
  } else {
    const auto z = ParseUtcOffset(o.timezone);
    if (!z) throw UsageError("--timezone takes whole hours from -12 to +12, not " + EchoQuoted(o.timezone));
    p.settings.utc_offset = *z;
  }
  p.settings.model = p.model;
  p.settings.chinese = o.lang == "zh";
  return p;
}

std::vector<uint8_t> ConfirmOnCard(const std::optional<PlacedFile>& placed, const char* name,
                                   const std::filesystem::path& out_dir) {
  const std::string where = EchoQuoted(out_dir.string(), SIZE_MAX);
  if (!placed) throw Refusal(std::string(name) + " could not be written into " + where + " (see --log)");
  CardFile now;
  try {
    now = ReadCardFile(placed->path);
  } catch (const UsageError& e) {
    throw Refusal(std::string(name) + " was written into " + where + " and read back, but now " + e.what());
  }
  if (now.bytes != placed->bytes)
    throw Refusal(std::string(name) + " in " + where +
                  " was replaced by another program after this run wrote it: the card does not hold these settings");
  return placed->bytes;
}

std::string NotConfirmed(const AppRun& run, const char* name, const std::filesystem::path& out_dir) {
  const std::string where = EchoQuoted(out_dir.string(), SIZE_MAX);
  if (run.LastPlaced())
    return std::string(name) + " was written into " + where +
           ", but another program replaced it before it was read back: the card does not hold these settings";
  return std::string(name) + " could not be written into " + where + " (see --log)";
}

std::optional<std::string> SaveFailed(const AppRun& run, const char* name, const std::filesystem::path& out_dir,
                                      const headless::MessageBoxInfo& box) {
  const std::string headline = SaveFailureHeadline(name) + "\r\n";
  if (box.icon != platform::MsgIcon::Warning || box.text.rfind(headline, 0) != 0) return std::nullopt;
  return NotConfirmed(run, name, out_dir) + ": " + MessageLines(box.text.substr(headline.size()));
}

void PrintWritten(const WrittenFile& w, const std::string& from_what, std::ostream& out, std::ostream& err) {
  for (const auto& c : w.corrections) err << "trailset-cli: warning: " << CorrectionLine(c, from_what) << "\n";
  for (const std::string& line : w.warnings) err << "trailset-cli: warning: " << MessageLines(line) << "\n";
  out << MessageLines(w.message) << "\n";
  PrintReport(w.report, out);
}

namespace {

// A value is a line or a few; what is larger is no value of any field.
constexpr std::size_t kMostValueBytes = 64 * 1024;

std::string ValueFrom(const std::string& name, const std::string& source, std::istream& in, bool& stdin_used) {
  const std::string where = "--set " + Echo(name) + "=@" + Echo(source, SIZE_MAX);
  std::string value;
  if (source == "-") {
    if (stdin_used) throw UsageError(where + ": standard input gives one value a run");
    stdin_used = true;
    value.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } else {
    if (source.empty()) throw UsageError(where + " names no file (@FILE, or @- for standard input)");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(source, ec)) throw UsageError(where + ": no such file");
    std::ifstream f(source, std::ios::binary);
    value.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (f.bad()) throw UsageError(where + ": the file cannot be read");
  }
  if (value.size() > kMostValueBytes)
    throw UsageError(where + ": " + std::to_string(value.size()) + " bytes are no value of a setting");
  if (!value.empty() && value.back() == '\n') value.pop_back();
  if (!value.empty() && value.back() == '\r') value.pop_back();
  return value;
}

}  // namespace

void ReadSetValues(std::vector<std::string>& sets, std::istream& in) {
  bool stdin_used = false;
  for (std::string& a : sets) {
    const auto eq = a.find('=');
    if (eq == std::string::npos || eq == 0 || eq + 1 >= a.size() || a[eq + 1] != '@') continue;
    const std::string name = a.substr(0, eq), source = a.substr(eq + 2);
    if (!source.empty() && source[0] == '@')
      a = name + "=" + source;
    else
      a = name + "=" + ValueFrom(name, source, in, stdin_used);
  }
}

void PrintLog(const std::vector<std::string>& lines, std::ostream& err) {
  for (const std::string& l : lines) err << "log: " << Printable(l) << "\n";
}

}  // namespace cli
