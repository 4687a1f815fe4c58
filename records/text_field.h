// Copying text into the fixed-width text fields of the records and reading
// it back. A field of width N holds at most N-1 bytes and a terminating
// zero; the rest of the field is zero. A field loaded from a file may lack
// the zero, so every read is bounded by the width.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "text/utf8.h"

// Writes text into field[0..width): at most width-1 bytes (never half a
// UTF-8 sequence), the rest zero. A width of 0 writes nothing.
inline void CopyTextField(char* field, std::size_t width, std::string_view text) {
  if (!field || width == 0) return;
  const std::size_t n = utf8::FitBytes(text, width - 1);
  if (n > 0) std::memcpy(field, text.data(), n);
  std::memset(field + n, 0, width - n);
}

template <std::size_t N>
inline void CopyTextField(char (&field)[N], std::string_view text) {
  CopyTextField(field, N, text);
}

// The text of a field: up to its first zero byte, or the whole width when
// the field has none.
inline std::string_view ReadTextField(const char* field, std::size_t width) {
  if (!field || width == 0) return {};
  const void* zero = std::memchr(field, 0, width);
  const std::size_t n = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - field) : width;
  return std::string_view(field, n);
}

template <std::size_t N>
inline std::string_view ReadTextField(const char (&field)[N]) {
  return ReadTextField(field, N);
}

// Whether a field holds no text.
template <std::size_t N>
inline bool TextFieldEmpty(const char (&field)[N]) {
  return field[0] == '\0';
}

// The same as an owned, always zero-terminated string (for printf-style use).
inline std::string TextFieldString(const char* field, std::size_t width) {
  return std::string(ReadTextField(field, width));
}

template <std::size_t N>
inline std::string TextFieldString(const char (&field)[N]) {
  return std::string(ReadTextField(field, N));
}
