#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <FL/Fl_Native_File_Chooser.H>

#include "platform/fltk/fltk_host.h"
#include "records/time_zone.h"

namespace platform::fltk {
namespace {

struct LocaleLanguage {
  std::string_view locale;  // language_TERRITORY, or the language alone
  int id;
};

// Windows language identifiers of the locales that have one the program
// distinguishes; every other locale counts as US English.
constexpr LocaleLanguage kLanguages[] = {
    {"zh_CN", 2052}, {"zh_SG", 4100}, {"zh_TW", 1028}, {"zh_HK", 3076},
    {"zh_MO", 5124}, {"zh", 2052},    {"en_GB", 2057}, {"en_US", 1033},
};

}  // namespace

int LanguageIdOfLocale(const std::string& locale) {
  std::string_view name(locale);
  name = name.substr(0, name.find_first_of(".@"));
  for (const LocaleLanguage& l : kLanguages)
    if (name == l.locale) return l.id;
  return 1033;
}

int StandardUtcOffsetHours() { return LocalStandardUtcOffsetHours(); }

LocalTime FltkServices::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return LocalTime{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

int FltkServices::SystemLanguageId() {
  // The locale the user runs in, by the usual precedence of its variables.
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(var);
    if (value && *value) return LanguageIdOfLocale(value);
  }
  return 1033;
}

std::optional<std::string> FltkServices::WorkingDirectory() {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::current_path(ec);
  if (ec) return std::nullopt;
  return p.string();
}

int FltkServices::PcUtcOffsetHours() { return StandardUtcOffsetHours(); }

std::optional<std::string> FltkServices::PickFolder(std::string_view /*start_folder*/) {
  Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_DIRECTORY);
  if (chooser.show() != 0 || !chooser.filename() || !*chooser.filename()) return std::nullopt;
  return std::string(chooser.filename());
}

}  // namespace platform::fltk
