// The export and apply commands: a card's settings as a readable profile,
// and a profile written to a card again through the same windows, lists
// and checks as the camera and wireless commands.
#include <fstream>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "apps/cli/cli_commands.h"
#include "apps/cli/cli_common.h"
#include "apps/cli/cli_report.h"
#include "apps/cli/cli_run.h"
#include "records/catalogue.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace cli {

namespace {

constexpr char kCameraPart[] = "camera";
constexpr char kWirelessPart[] = "wireless";

Json SettingsJson(const std::vector<ShownSetting>& shown, bool show_passwords, Json& left_out) {
  Json part = Json::object();
  for (const ShownSetting& s : shown) {
    if (s.secret && !show_passwords)
      left_out.push_back(s.name);
    else
      part[s.name] = JsonText(s.value);
  }
  return part;
}

bool HasWireless(uint16_t code) {
  const ModelRow* row = FindModel(code);
  return row && row->wireless_func != kWirelessNone;
}

// Text read whole from a file or standard input ("-").
std::string ReadText(const std::string& file, std::istream& in, const char* what) {
  if (file == "-") return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec))
    throw UsageError(std::string("cannot read the ") + what + " " + EchoQuoted(file, SIZE_MAX) + ": no such file");
  std::ifstream f(file, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (f.bad()) throw UsageError(std::string("cannot read the ") + what + " " + EchoQuoted(file, SIZE_MAX));
  return text;
}

Json ParseObject(const std::string& text, const std::string& shown, const char* what) {
  Json j;
  try {
    j = Json::parse(text);
  } catch (const Json::parse_error& e) {
    throw UsageError(shown + " is no " + what + ": " + Echo(e.what(), 200));
  }
  if (!j.is_object()) throw UsageError(shown + " is no " + what + ": it holds no JSON object");
  return j;
}

// A part's settings as --set arguments; a value is a text, a number or
// true/false (On/Off).
std::vector<std::string> SetArguments(const Json& part, const std::string& where) {
  std::vector<std::string> sets;
  if (part.is_null()) return sets;
  if (!part.is_object()) throw UsageError(where + " holds no object of settings");
  for (const auto& [name, value] : part.items()) {
    std::string text;
    if (value.is_string())
      text = value.get<std::string>();
    else if (value.is_number_integer())
      text = std::to_string(value.get<long long>());
    else if (value.is_boolean())
      text = value.get<bool>() ? "On" : "Off";
    else
      throw UsageError(where + ": " + EchoQuoted(name) + " takes a text, a whole number, true or false");
    sets.push_back(name + "=" + text);
  }
  return sets;
}

// A secrets file others may read is said, not refused: the user decides.
void WarnIfOthersRead(const std::string& file, std::ostream& err) {
#if !defined(_WIN32)
  struct stat st {};
  if (file != "-" && ::stat(file.c_str(), &st) == 0 && (st.st_mode & (S_IRWXG | S_IRWXO)) != 0)
    err << "trailset-cli: warning: the secrets file " << EchoQuoted(file, SIZE_MAX)
        << " can be read by other users of this machine (chmod 600 makes it yours alone)\n";
#else
  (void)file;
  (void)err;
#endif
}

struct Profile {
  std::string model;
  std::vector<std::string> camera, wireless;
};

Profile ReadProfile(const ApplyOptions& o, std::istream& in, std::ostream& err) {
  const std::string shown = o.file == "-" ? std::string("the profile on standard input") : EchoQuoted(o.file, SIZE_MAX);
  const Json j = ParseObject(ReadText(o.file, in, "profile"), shown, "profile");
  if (!j.contains("format") || !j["format"].is_number_integer())
    throw UsageError(shown + " is no profile: it has no \"format\"");
  if (j["format"].get<long long>() != kJsonFormat)
    throw UsageError(shown + " has format " + j["format"].dump() + "; this trailset-cli reads format " +
                     std::to_string(kJsonFormat));
  if (!j.contains("model") || !j["model"].is_string()) throw UsageError(shown + " is no profile: it names no \"model\"");
  Profile p;
  p.model = j["model"].get<std::string>();
  p.camera = SetArguments(j.value(kCameraPart, Json()), shown + " \"camera\"");
  p.wireless = SetArguments(j.value(kWirelessPart, Json()), shown + " \"wireless\"");
  if (p.camera.empty() && p.wireless.empty()) throw UsageError(shown + " holds no settings");
  if (!o.secrets.empty()) {
    if (o.secrets == "-" && o.file == "-") throw UsageError("the profile and the secrets cannot both come from standard input");
    WarnIfOthersRead(o.secrets, err);
    const std::string secrets_shown = o.secrets == "-" ? std::string("the secrets on standard input")
                                                       : EchoQuoted(o.secrets, SIZE_MAX);
    const std::vector<std::string> secrets =
        SetArguments(ParseObject(ReadText(o.secrets, in, "secrets file"), secrets_shown, "secrets file"), secrets_shown);
    p.wireless.insert(p.wireless.end(), secrets.begin(), secrets.end());
  }
  return p;
}

// The outcome of one file of an apply, for JSON.
Json WrittenJson(const char* name, const WrittenFile& w) {
  return Json{{"name", name}, {"message", w.message}, {"warnings", w.warnings}, {"corrections", w.corrections},
              {"file", w.report}};
}

}  // namespace

int RunExport(const ExportOptions& o, std::ostream& out, std::ostream& err) {
  RunOptions ro;
  ro.model = o.model;
  ro.out_dir = o.from;
  PreparedRun p = PrepareRun(ro);
  const std::filesystem::path dir = o.from;
  std::error_code ec;
  if (!std::filesystem::exists(dir / "menu.dat", ec))
    throw UsageError(EchoQuoted(o.from, SIZE_MAX) + " holds no menu.dat");
  Json profile{{"format", kJsonFormat}, {"model", ModelDisplayName(p.model)}};
  Json left_out = Json::array();
  p.from = ReadCardFile(dir / "menu.dat");
  profile[kCameraPart] = SettingsJson(ShownCameraSettings(p), o.show_passwords, left_out);
  if (HasWireless(p.model)) {
    if (std::filesystem::exists(dir / "CFG.BIN", ec)) {
      p.from = ReadCardFile(dir / "CFG.BIN");
      profile[kWirelessPart] = SettingsJson(ShownWirelessSettings(p), o.show_passwords, left_out);
    } else {
      err << "trailset-cli: warning: " << EchoQuoted(o.from, SIZE_MAX)
          << " holds no CFG.BIN: the profile has the camera settings only\n";
    }
  }
  profile["left_out"] = left_out;
  const std::string text = DumpJson(profile) + "\n";
  if (o.output.empty() || o.output == "-") {
    out << text;
  } else {
    std::ofstream f(o.output, std::ios::binary | std::ios::trunc);
    f << text;
    f.close();
    if (!f) throw Refusal("cannot write the profile into " + EchoQuoted(o.output, SIZE_MAX));
  }
  if (!left_out.empty())
    err << "trailset-cli: " << left_out.size()
        << (left_out.size() == 1 ? " password is" : " passwords are")
        << " left out of the profile (--show-passwords keeps them; apply takes them with --secrets)\n";
  return kExitOk;
}

int RunApply(const ApplyOptions& o, std::istream& in, std::ostream& out, std::ostream& err) {
  const Profile profile = ReadProfile(o, in, err);
  RunOptions base = o.run;
  base.model = o.run.model.empty() ? profile.model : o.run.model;
  // A dry run writes into a folder of its own, removed at the end.
  std::optional<ScratchFolder> dry;
  if (o.dry_run) {
    PrepareRun(base);  // the options, --out included, are checked all the same
    dry.emplace();
    base.out_dir = dry->path().string();
  }
  const PreparedRun p = PrepareRun(base);
  if (!profile.wireless.empty() && !HasWireless(p.model))
    throw UsageError("the profile has wireless settings, and " + ModelDisplayName(p.model) +
                     " has no wireless module: its windows never write CFG.BIN");

  struct Step {
    const char* name;
    std::optional<WrittenFile> written;
  };
  std::vector<Step> steps;
  auto run_step = [&](const char* name, auto write) {
    // The second file's refusal says what the first one did to the card.
    std::string before;
    for (const Step& s : steps)
      before += std::string(s.name) + (o.dry_run ? " would be written" : " was written into " + EchoQuoted(o.run.out_dir, SIZE_MAX)) + ", but ";
    try {
      steps.push_back({name, write()});
    } catch (const WindowRefusal& e) {
      if (before.empty()) throw;
      throw WindowRefusal(e.caption, before + std::string(name) + " was not: " + e.text);
    } catch (const Refusal& e) {
      if (before.empty()) throw;
      throw Refusal(before + name + " was not: " + e.what());
    }
  };
  {
    // The wireless checks refuse most (a missing password, say): they go first.
    if (!profile.wireless.empty())
      run_step("CFG.BIN", [&] {
        RunOptions w = base;
        w.sets = profile.wireless;
        return WriteCfg(w, p, err, true);
      });
    if (!profile.camera.empty())
      run_step("menu.dat", [&] {
        CameraOptions c;
        static_cast<RunOptions&>(c) = base;
        c.sets = profile.camera;
        return WriteMenu(c, p, err, true);
      });
  }

  bool accepted = true;
  Json files = Json::array();
  for (Step& s : steps) {
    if (o.dry_run) s.written->report["file"] = JsonText((std::filesystem::path(o.run.out_dir) / s.name).string());
    accepted = accepted && s.written->accepted();
    if (o.run.json) files.push_back(WrittenJson(s.name, *s.written));
  }
  if (o.run.json) {
    out << DumpJson(Json{{"result", "ok"},
                         {"format", kJsonFormat},
                         {"model", ModelDisplayName(p.model)},
                         {"dry_run", o.dry_run},
                         {"files", files}})
        << "\n";
  } else {
    for (const Step& s : steps) PrintWritten(*s.written, "the card", out, err);
    if (o.dry_run) out << "Dry run: the windows took every setting; nothing was written into " << EchoQuoted(o.run.out_dir, SIZE_MAX) << "\n";
  }
  return accepted ? kExitOk : kExitRefused;
}

}  // namespace cli
