// UTF-8 text as a user counts it: characters rather than bytes. Every
// part of the program that walks UTF-8 does it through these functions.
//
// Two ways of counting, which agree on valid UTF-8 and differ only on
// stray bytes:
//   - by sequence: a character is a lead byte and the bytes its length
//     names (cut short at the end); a byte that starts no valid sequence
//     counts as one character (Chars, CharCount, FirstChars);
//   - by start byte: every byte that is not a continuation byte (10xxxxxx)
//     starts a character (CountStarts, PrefixBytes, FitBytes).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace utf8 {

inline bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Length in bytes of the character that starts with `lead`.
inline std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 1;
}

// The characters of s, by sequence.
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

// The first `count` characters of text, by sequence.
inline std::string FirstChars(std::string_view text, int count) {
  std::vector<std::string_view> c = Chars(text);
  if (count >= 0 && c.size() > static_cast<std::size_t>(count)) c.resize(static_cast<std::size_t>(count));
  return Join(c);
}

// Number of characters, by start byte.
inline std::size_t CountStarts(std::string_view text) {
  std::size_t n = 0;
  for (char c : text)
    if (!IsContinuation(c)) ++n;
  return n;
}

// Bytes taken by the first `count` characters: each takes its first byte
// and the continuation bytes after it.
inline std::size_t PrefixBytes(std::string_view text, int count) {
  std::size_t n = 0;
  for (int chars = 0; n < text.size() && chars < count; ++chars) {
    ++n;
    while (n < text.size() && IsContinuation(text[n])) ++n;
  }
  return n;
}

// Length of the longest prefix of text that fits max_bytes without
// cutting a character in two.
inline std::size_t FitBytes(std::string_view text, std::size_t max_bytes) {
  if (text.size() <= max_bytes) return text.size();
  std::size_t n = max_bytes;
  // Back off while the first byte left out continues the character before it.
  while (n > 0 && IsContinuation(text[n])) --n;
  return n;
}

// Length of the valid UTF-8 sequence at text[i] (a lead byte C2..F4 with
// its continuation bytes), or 0 when none starts there.
inline std::size_t ValidSequenceAt(std::string_view text, std::size_t i) {
  const auto b = static_cast<unsigned char>(text[i]);
  std::size_t n = 0;
  if (b < 0x80) return 1;
  if ((b & 0xE0) == 0xC0 && b >= 0xC2) n = 2;
  else if ((b & 0xF0) == 0xE0) n = 3;
  else if ((b & 0xF8) == 0xF0 && b <= 0xF4) n = 4;
  else return 0;
  if (i + n > text.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if (!IsContinuation(text[i + k])) return 0;
  return n;
}

}  // namespace utf8
