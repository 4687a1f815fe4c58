#include "apps/cli/cli_run.h"

#include <ostream>

#include "apps/cli/cli_common.h"

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

void PrintLog(const std::vector<std::string>& lines, std::ostream& err) {
  for (const std::string& l : lines) err << "log: " << Printable(l) << "\n";
}

}  // namespace cli
