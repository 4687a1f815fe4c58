// The system language as Windows identifies it, from a locale name.
#pragma once

#include <string_view>

namespace platform {

// Windows language identifier of a locale name, POSIX ("zh_CN.UTF-8",
// "de_DE@euro") or BCP 47 ("zh-CN", "zh-Hans-CN", "zh-Hant"). Locales the
// program does not tell apart count as US English (1033).
int LanguageIdOfLocale(std::string_view locale);

}  // namespace platform
