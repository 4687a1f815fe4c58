// The system services in a browser: the clock and time zone of the PC the
// browser runs on, its language, and the folder picker of web_files.js.
#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/language_id.h"
#include "platform/web/web_dom.h"
#include "platform/web/web_host.h"
#include "records/time_zone.h"

namespace platform::web {

int BrowserLanguageId() {
  char* tag = ts_web_browser_language();
  const int id = LanguageIdOfLocale(tag ? tag : "");
  std::free(tag);
  return id;
}

LocalTime WebServices::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return LocalTime{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

int WebServices::SystemLanguageId() { return BrowserLanguageId(); }

// The browser's C library takes the zone from the page's clock, so the
// standard offset is found as on other systems.
int WebServices::PcUtcOffsetHours() { return LocalStandardUtcOffsetHours(); }

std::optional<std::string> WebServices::PickFolder(std::string_view start_folder) {
  char* path = ts_web_pick_folder(start_folder.data(), start_folder.size());
  if (!path) return std::nullopt;
  std::string folder(path);
  std::free(path);
  return folder;
}

}  // namespace platform::web
