#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <FL/Fl_Native_File_Chooser.H>

#include "platform/fltk/fltk_host.h"
#include "platform/language_id.h"
#include "records/time_zone.h"

namespace platform::fltk {

int LanguageIdOfLocale(const std::string& locale) { return platform::LanguageIdOfLocale(locale); }

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

std::optional<std::string> FltkServices::PickFolder() {
  Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_DIRECTORY);
  if (chooser.show() != 0 || !chooser.filename() || !*chooser.filename()) return std::nullopt;
  return std::string(chooser.filename());
}

}  // namespace platform::fltk
