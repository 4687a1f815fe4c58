// The command line: commands, options and help through CLI11; every
// command's errors end as one line on the error stream and an exit status.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "apps/cli/cli.h"
#include "apps/cli/cli_commands.h"
#include "apps/cli/cli_common.h"
#include "apps/cli/cli_report.h"
#include "trailset_version.h"

namespace cli {

namespace {

constexpr const char* kSummary =
    "trailset-cli: inspect the settings files of a VORN trail camera card and write them from a script.\n"
    "Runs the same records, lists and checks as the trailset windows.";

// What every run of the windows takes besides its settings: the PC clock
// and zone they read, their language, and how the result is printed.
void AddWindowOptions(CLI::App& c, RunOptions& o) {
  c.add_option("--clock", o.clock, "the PC clock the windows read: \"YYYY-MM-DD HH:MM:SS\" (default: now)");
  c.add_option("--timezone", o.timezone, "the PC's time zone the windows read, in hours: +8, -5 (default: this PC's)");
  c.add_option("--lang", o.lang, "language of the windows and their messages: en or zh")
      ->check(CLI::IsMember({"en", "zh"}));
  c.add_flag("--json", o.json, "print the result as JSON");
  c.add_flag("--log", o.log, "print the program's diagnostic lines on the error stream");
}

void AddRunOptions(CLI::App& c, RunOptions& o, const char* file) {
  c.add_option("--model,-m", o.model, "camera model, by name or code (see `trailset-cli models`)")->required();
  c.add_option("--out,-o", o.out_dir, std::string("folder to write ") + file + " into (it must exist)")->required();
  c.add_option("--from", o.from, std::string("start from this ") + file + " instead of the factory values");
  c.add_option("--set,-s", o.sets,
               "NAME=VALUE: one setting as the windows take it; VALUE @FILE reads it from a file, @- from standard "
               "input; repeatable")
      ->take_all();
  AddWindowOptions(c, o);
}

constexpr const char* kCommands[] = {"models", "inspect", "camera", "wireless", "export", "apply", "presets"};
constexpr char kCommandList[] = "models, inspect, camera, wireless, export, apply or presets";

// A missing or unknown command, which the parser would only call "a
// subcommand is required"; nothing when the first argument is a command
// or asks for help or the version.
std::optional<std::string> CommandError(const std::vector<std::string>& args) {
  if (args.size() < 2) return std::string("a command is required: ") + kCommandList + " (see trailset-cli --help)";
  const std::string& first = args[1];
  if (first == "-h" || first == "--help" || first == "--version") return std::nullopt;
  for (const char* c : kCommands)
    if (first == c) return std::nullopt;
  if (!first.empty() && first[0] == '-')
    return "unknown option " + EchoQuoted(first) + ": the command comes first, one of " + kCommandList;
  return "unknown command " + EchoQuoted(first) + "; the commands are " + kCommandList;
}

// A parser error as one line, naming the command it was parsing.
std::string ParseErrorLine(CLI::App& app, const CLI::ParseError& e) {
  std::string command;
  for (const CLI::App* sub : app.get_subcommands()) command = sub->get_name();
  std::string text = e.what();
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::string line = command.empty() ? "" : command + ": ";
  line += Echo(text, 200);
  line += " (see trailset-cli " + (command.empty() ? std::string() : command + " ") + "--help)";
  return line;
}

// How a command ended without its result, as one line on the error stream
// and, under --json, as a JSON result on the output.
struct Ending {
  bool json;
  std::ostream& out;
  std::ostream& err;

  int operator()(int status, const std::string& line, const std::string& message,
                 const std::string* caption = nullptr) const {
    err << "trailset-cli: " << line << "\n";
    if (json) {
      Json j{{"result", status == kExitUsage ? "error" : "refused"}, {"format", kJsonFormat}};
      if (caption) j["caption"] = *caption;
      j["message"] = message;
      out << DumpJson(j) << "\n";
    }
    return status;
  }
};

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunCli(args, std::cin, out, err);
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  CLI::App app(kSummary, "trailset-cli");
  app.require_subcommand(1);
  app.fallthrough(false);
  // Options are "--name" everywhere: on Windows a "/path" stays a path.
  app.allow_windows_style_options(false);
  app.set_version_flag("--version", std::string("trailset ") + TRAILSET_VERSION, "Print the version and exit");

  ModelsOptions models;
  CLI::App* c_models = app.add_subcommand("models", "list the 22 models with code, name, camera layout and wireless kind");
  c_models->add_flag("--json", models.json, "print as JSON");

  InspectOptions inspect;
  CLI::App* c_inspect = app.add_subcommand(
      "inspect", "decode a menu.dat or CFG.BIN for a model: every setting, its stored value and meaning, and what "
                 "the model's windows do with the file (exit 1 when they would not take it)");
  c_inspect->add_option("FILE", inspect.file, "the file to decode (- for standard input)")->required();
  c_inspect->add_option("--model,-m", inspect.model, "camera model, by name or code")->required();
  c_inspect->add_option("--kind", inspect.kind, "menu or cfg (default: by the file's name, then its size)");
  c_inspect->add_flag("--json", inspect.json, "print as JSON");
  c_inspect->add_flag("--show-passwords", inspect.show_passwords, "show passwords in clear");

  CameraOptions camera;
  CLI::App* c_camera = app.add_subcommand(
      "camera", "build menu.dat as the camera setup window does, with --set choices, write it into --out and read it back");
  AddRunOptions(*c_camera, camera, "menu.dat");
  c_camera->add_flag("--defaults", camera.defaults, "write what the Default button writes (no --set, no --from)");
  c_camera->footer("Settings for --set (VALUE: the English list entry, #N for list position N, or the number,\n"
                   "time or text the setting takes):\n" + CameraSettingNames());

  RunOptions wireless;
  CLI::App* c_wireless = app.add_subcommand(
      "wireless", "build CFG.BIN as the wireless pages do, run the checks of Next Page and Generate, write it into "
                  "--out and read it back");
  AddRunOptions(*c_wireless, wireless, "CFG.BIN");
  c_wireless->add_flag("--show-passwords", wireless.show_passwords, "show passwords in clear");
  c_wireless->footer("Settings for --set (VALUE: the English list entry, #N for list position N, or the text):\n" +
                     WirelessSettingNames());

  ExportOptions exp;
  CLI::App* c_export = app.add_subcommand(
      "export", "write the settings of a card's menu.dat and CFG.BIN as a profile: JSON naming each setting as --set "
                "does, with its value as the windows show it");
  c_export->add_option("--model,-m", exp.model, "camera model, by name or code")->required();
  c_export->add_option("--from", exp.from, "the card's folder, holding menu.dat (and CFG.BIN)")->required();
  c_export->add_option("--output,-o", exp.output, "write the profile into this file (default: standard output)");
  c_export->add_flag("--show-passwords", exp.show_passwords, "keep the passwords in the profile (left out by default)");

  ApplyOptions apply;
  CLI::App* c_apply = app.add_subcommand(
      "apply", "write a profile onto a card: menu.dat and CFG.BIN as the windows write them for its settings");
  c_apply->add_option("FILE", apply.file, "the profile (- for standard input)")->required();
  c_apply->add_option("--model,-m", apply.run.model, "apply the profile to this model (default: the profile's)");
  c_apply->add_option("--out,-o", apply.run.out_dir, "folder to write menu.dat and CFG.BIN into (it must exist)")
      ->required();
  c_apply->add_option("--secrets", apply.secrets,
                      "a JSON object of wireless setting names and values (the passwords), - for standard input");
  c_apply->add_flag("--dry-run", apply.dry_run, "run every window and check, write nothing");
  AddWindowOptions(*c_apply, apply.run);

  PresetsOptions presets;
  CLI::App* c_presets = app.add_subcommand("presets", "list the operator presets");
  c_presets->add_option("--country,-c", presets.country, "one country, by name or index");
  c_presets->add_option("--model,-m", presets.model, "the operators offered to this model");
  c_presets->add_flag("--json", presets.json, "print as JSON");

  // Before the command line is parsed, --json anywhere asks for JSON.
  Ending end{std::find(args.begin(), args.end(), "--json") != args.end(), out, err};
  if (const auto wrong = CommandError(args)) return end(kExitUsage, *wrong, *wrong);
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& e) {
    // Help is no error: the parser prints it.
    if (e.get_exit_code() == 0) return app.exit(e, out, err) == 0 ? kExitOk : kExitUsage;
    const std::string line = ParseErrorLine(app, e);
    return end(kExitUsage, line, line);
  }
  end.json = models.json || inspect.json || camera.json || wireless.json || apply.run.json || presets.json;

  try {
    if (c_models->parsed()) return RunModels(models, out);
    if (c_inspect->parsed()) return RunInspect(inspect, in, out);
    if (c_camera->parsed()) {
      ReadSetValues(camera.sets, in);
      return RunCamera(camera, out, err);
    }
    if (c_wireless->parsed()) {
      ReadSetValues(wireless.sets, in);
      return RunWireless(wireless, out, err);
    }
    if (c_export->parsed()) return RunExport(exp, out, err);
    if (c_apply->parsed()) return RunApply(apply, in, out, err);
    if (c_presets->parsed()) return RunPresets(presets, out);
  } catch (const UsageError& e) {
    return end(kExitUsage, e.what(), e.what());
  } catch (const WindowRefusal& e) {
    return end(kExitRefused, e.what(), e.text, &e.caption);
  } catch (const Refusal& e) {
    return end(kExitRefused, e.what(), e.what());
  } catch (const std::exception& e) {
    return end(kExitRefused, std::string("error: ") + e.what(), std::string("error: ") + e.what());
  }
  return kExitUsage;
}

}  // namespace cli
