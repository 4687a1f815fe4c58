#include "platform/language_id.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace platform {
namespace {

struct LocaleLanguage {
  std::string_view locale;  // language_TERRITORY, or the language alone
  int id;
};

// Windows language identifiers of the locales that have one the program
// distinguishes.
constexpr LocaleLanguage kLanguages[] = {
    {"zh_CN", 2052}, {"zh_SG", 4100}, {"zh_TW", 1028}, {"zh_HK", 3076},
    {"zh_MO", 5124}, {"zh", 2052},    {"en_GB", 2057}, {"en_US", 1033},
};

// Traditional script without a territory: the territory that writes it.
constexpr std::string_view kTraditionalChinese = "zh_TW";

int Find(std::string_view name) {
  for (const LocaleLanguage& l : kLanguages)
    if (name == l.locale) return l.id;
  return 0;
}

// Language codes are written in small letters, territories in capitals,
// though a browser or an environment may hand either over in any case.
std::string Cased(std::string_view piece, bool upper) {
  std::string out(piece);
  for (char& c : out)
    c = static_cast<char>(upper ? std::toupper(static_cast<unsigned char>(c))
                                : std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

int LanguageIdOfLocale(std::string_view locale) {
  locale = locale.substr(0, locale.find_first_of(".@"));
  // language [script] [territory], separated by '_' or '-'.
  std::string language, script, territory;
  for (std::size_t start = 0, part = 0; start <= locale.size(); ++part) {
    const std::size_t end = std::min(locale.find_first_of("_-", start), locale.size());
    const std::string_view piece = locale.substr(start, end - start);
    if (part == 0) language = Cased(piece, false);
    else if (piece.size() == 4 && script.empty()) script = piece;
    else if (territory.empty()) territory = Cased(piece, true);
    start = end + 1;
  }
  if (!territory.empty())
    if (int id = Find(language + "_" + territory)) return id;
  if (language == "zh" && script == "Hant") return Find(kTraditionalChinese);
  if (int id = Find(language)) return id;
  return 1033;
}

}  // namespace platform
