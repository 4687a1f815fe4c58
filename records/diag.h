// Diagnostic lines: printf-style, to standard output by default, through
// one sink that tests can capture.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Formats and writes one diagnostic text (usually ending in "\n").
// The Windows build prints through the C99-conforming printf
// (__USE_MINGW_ANSI_STDIO), so the format check follows GNU rules there too.
#if defined(__MINGW32__)
#define TRAILSET_PRINTF_FORMAT gnu_printf
#else
#define TRAILSET_PRINTF_FORMAT printf
#endif
void Diag(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(TRAILSET_PRINTF_FORMAT, 1, 2)))
#endif
    ;

// Replaces the sink; an empty function restores standard output.
using DiagSink = std::function<void(std::string_view)>;
void SetDiagSink(DiagSink sink);

// What a diagnostic line shows instead of a password: "********" for a
// non-empty value, "" for an empty one. Never the value itself.
const char* MaskSecret(const char* value);
