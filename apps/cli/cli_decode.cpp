// The inspect command: what a card's file says, and what the model's
// windows would do with it.
#include <algorithm>
#include <istream>
#include <ostream>

#include "apps/cli/cli_commands.h"
#include "apps/cli/cli_common.h"
#include "apps/cli/cli_report.h"
#include "records/menu_record.h"
#include "records/send_set.h"

namespace cli {

namespace {

FileKind KindOf(const InspectOptions& o, std::uintmax_t size) {
  if (!o.kind.empty()) {
    if (SameText(o.kind, "menu") || SameText(o.kind, "menu.dat")) return FileKind::Menu;
    if (SameText(o.kind, "cfg") || SameText(o.kind, "CFG.BIN")) return FileKind::Cfg;
    throw UsageError("--kind takes menu or cfg, not " + EchoQuoted(o.kind));
  }
  const std::string name = std::filesystem::path(o.file).filename().string();
  if (SameText(name, "menu.dat")) return FileKind::Menu;
  if (SameText(name, "CFG.BIN")) return FileKind::Cfg;
  for (int layout = 0; layout < kMenuLayouts; ++layout)
    if (static_cast<std::uintmax_t>(MenuSize(layout)) == size) return FileKind::Menu;
  if (size == sizeof(SendSet) || size == sizeof(SendSetTarn)) return FileKind::Cfg;
  throw UsageError("cannot tell from its name or its size (" + std::to_string(size) + " bytes) whether " +
                   EchoQuoted(o.file, SIZE_MAX) + " is a menu.dat or a CFG.BIN; say which with --kind menu or --kind cfg");
}

// A card's file on standard input: kept up to the largest record and a
// byte, the rest only counted.
CardFile ReadInput(std::istream& in) {
  CardFile f;
  char buf[4096];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    const auto n = static_cast<std::size_t>(in.gcount());
    const std::size_t keep = std::min(n, kCardFileLimit - std::min(kCardFileLimit, f.bytes.size()));
    f.bytes.insert(f.bytes.end(), buf, buf + keep);
    f.size += n;
  }
  if (in.bad()) throw UsageError("cannot read standard input");
  return f;
}

}  // namespace

int RunInspect(const InspectOptions& o, std::istream& in, std::ostream& out) {
  const uint16_t code = ResolveModel(o.model);
  // Judged by its size before it is read: a larger file than any record is not read whole.
  const CardFile file = o.file == "-" ? ReadInput(in) : ReadCardFile(o.file);
  const FileKind kind = KindOf(o, file.size);
  ReportOptions ro;
  ro.show_passwords = o.show_passwords;
  const Json report = kind == FileKind::Menu ? MenuReport(o.file, file, code, ro) : CfgReport(o.file, file, code, ro);
  if (o.json) {
    Json j{{"result", report["accepted"].get<bool>() ? "ok" : "refused"}, {"format", kJsonFormat}};
    j.update(report);
    out << DumpJson(j) << "\n";
  }
  else
    PrintReport(report, out);
  return report["accepted"].get<bool>() ? kExitOk : kExitRefused;
}

}  // namespace cli
