// The file side of menu.dat and CFG.BIN: forming the path in SaveFolder,
// measuring and reading a file, and replacing a file safely.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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

// Length of the file in bytes; 0 when it is no regular file (missing, a
// folder, a pipe or a device) or cannot be measured. Nothing is read.
long long RecordFileSize(const std::string& path);

// Reads exactly size bytes of the regular file into out. False when the
// file cannot be opened, is no regular file, or holds fewer or more bytes
// than size (it changed since it was measured); out is then left as it was.
// Never reads more than size + 1 bytes.
bool ReadRecordFile(const std::string& path, uint8_t* out, std::size_t size);

// Reads the file `name` of SaveFolder into out, unscrambled, when it is
// exactly `size` bytes long, logging its length and whether it opened.
// Otherwise out is left as it was and the outcome says why.
RecordOutcome LoadRecordImage(std::string_view name, uint8_t* out, int size);

// The system's own description of why a SystemError outcome failed
// (strerror, or on Windows the system's message for its own code), UTF-8,
// without a final line break; empty for any other outcome.
std::string SystemErrorText(const RecordOutcome& outcome);

// Who may read a file that a replace creates where none was. A replaced
// file keeps the mode of the file it replaces; file systems without modes
// (FAT cards, Windows) ignore both.
enum class NewFileAccess {
  Shared,     // 0644: readable by everyone, like any document
  OwnerOnly,  // 0600: for a file holding passwords
};

// Writes data to a temporary file of its own beside path (created
// exclusively, under a name no other save uses), flushes it to the device,
// then replaces path with it in one step; so a reader sees the old file or
// the whole new one. On any failure the temporary file is removed and
// whatever file was at path stays as it was. After a success, temporary
// files that interrupted saves of the same name left behind are removed
// once they are old enough that no save can still be writing them.
// A failure is a SystemError with the errno of the step that failed (on
// Windows its error mapped to the errno of the same meaning: EROFS, ENOSPC,
// ENOENT, EACCES, ...); `created` tells whether the temporary file existed.
RecordOutcome ReplaceRecordFile(const std::string& path, const uint8_t* data, std::size_t size,
                                NewFileAccess access = NewFileAccess::Shared);

// Called with the path and the bytes of every file a replace has put in
// place, on the thread that saved it; the session's state holds it
// (AppState::FilePlaced).
using PlacedFileSink = std::function<void(const std::string& path, const uint8_t* data, std::size_t size)>;

// The temporary files of a save of "<name>" are "<name>.<8 hex digits>.tmp";
// "<name>.tmp" is what earlier versions of this program used. Both are
// removed as leftovers once their last change is this many seconds old.
inline constexpr std::string_view kTempSuffix = ".tmp";
inline constexpr int kTempTagDigits = 8;
inline constexpr int kLeftoverAgeSeconds = 60;

// True when `file` (a name without folder) is a temporary file of a save
// of `name`, in either form.
bool IsTemporaryFileOf(std::string_view file, std::string_view name);
