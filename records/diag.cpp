#include "records/diag.h"

#include <cstdarg>
#include <cstdio>
#include <string>
#include <utility>

namespace {

DiagSink& CurrentSink() {
  static DiagSink sink;
  return sink;
}

}  // namespace

void Diag(const char* fmt, ...) {
  if (!fmt) return;
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  const int needed = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  if (needed < 0) {
    va_end(args);
    return;
  }
  std::string text(static_cast<size_t>(needed) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), fmt, args);
  va_end(args);
  text.resize(static_cast<size_t>(needed));

  const DiagSink& sink = CurrentSink();
  if (sink) {
    sink(text);
  } else {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
  }
}

void SetDiagSink(DiagSink sink) { CurrentSink() = std::move(sink); }

const char* MaskSecret(const char* value) {
  return (value && value[0] != '\0') ? "********" : "";
}
