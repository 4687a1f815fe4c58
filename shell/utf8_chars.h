// Splitting UTF-8 text into characters, as a user counts them in an edit
// field. A byte that starts no valid sequence counts as one character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace utf8 {

// Length in bytes of the character that starts with `lead`.
inline std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 1;
}

inline std::vector<std::string_view> Chars(std::string_view s) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < s.size()) {
    std::size_t n = SequenceLength(static_cast<unsigned char>(s[i]));
    if (n > s.size() - i) n = s.size() - i;
    out.push_back(s.substr(i, n));
    i += n;
  }
  return out;
}

inline int CharCount(std::string_view s) { return static_cast<int>(Chars(s).size()); }

inline std::string Join(const std::vector<std::string_view>& chars) {
  std::string out;
  for (std::string_view c : chars) out += c;
  return out;
}

}  // namespace utf8
