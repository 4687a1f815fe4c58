// The file side of menu.dat and CFG.BIN: forming the path in SaveFolder,
// measuring and reading a file, and replacing a file safely.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/record_outcome.h"

// The text of SaveFolder (UTF-8), bounded by its 260 bytes.
std::string_view SaveFolderText();

// "<folder><separator><name>" ('\' on Windows, '/' elsewhere; none added
// when the folder already ends in one). Nothing, after a log line, when the
// path (or the temporary file beside it) would not fit what the platform
// can open.
std::optional<std::string> FormRecordPath(std::string_view folder, std::string_view name);
// The same in SaveFolder.
std::optional<std::string> SaveFolderPath(std::string_view name);

// Length of the file in bytes; 0 when it cannot be opened.
long long RecordFileSize(const std::string& path);

// Reads exactly size bytes of the file into out. False when the file cannot
// be opened or holds fewer bytes; out is then left as it was.
bool ReadRecordFile(const std::string& path, uint8_t* out, std::size_t size);

// Reads the file `name` of SaveFolder into out, unscrambled, when it is
// exactly `size` bytes long, logging its length and whether it opened.
// Otherwise out is left as it was and the outcome says why.
RecordOutcome LoadRecordImage(std::string_view name, uint8_t* out, int size);

enum class WriteOutcome {
  Written,       // the file is complete, flushed and in place
  CreateFailed,  // the temporary file could not be created: nothing changed
  WriteFailed,   // writing, flushing or replacing failed: nothing changed
};

// Writes data to a temporary file beside path, flushes it to the device,
// then replaces path with it in one step. On any failure the temporary file
// is removed and whatever file was at path stays as it was; error_number,
// when given, receives the errno of the step that failed.
WriteOutcome ReplaceRecordFile(const std::string& path, const uint8_t* data, std::size_t size,
                               int* error_number = nullptr);

// Suffix of the temporary file written beside the target.
inline constexpr std::string_view kTempSuffix = ".tmp";
