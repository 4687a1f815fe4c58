#include "records/record_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "records/app_state.h"
#include "records/diag.h"
#include "records/menu_record.h"
#include "records/text_field.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Length of a path that is no valid UTF-8 (a folder copied in from bytes).
constexpr std::size_t kNotText = SIZE_MAX;

#if defined(_WIN32)
constexpr char kSeparator = '\\';
// Without the long-path prefix the wide file API opens up to MAX_PATH - 1 characters.
constexpr std::size_t kMaxPathUnits = MAX_PATH - 1;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// UTF-8 to UTF-16; nothing when the text is not valid UTF-8.
std::optional<std::wstring> Widen(std::string_view utf8) {
  if (utf8.empty()) return std::wstring();
  const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                    static_cast<int>(utf8.size()), nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                      wide.data(), n);
  return wide;
}

std::size_t PathUnits(std::string_view utf8) {
  const auto wide = Widen(utf8);
  return wide ? wide->size() : kNotText;
}

FILE* OpenForReading(const std::string& path) {
  const auto wide = Widen(path);
  return wide ? _wfopen(wide->c_str(), L"rb") : nullptr;
}

// Why a record file cannot be opened for reading.
RecordOutcome OpenFault(const std::string& path) {
  const auto wide = Widen(path);
  if (!wide) return RecordOutcome::Fault(RecordFault::SystemError, EILSEQ);
  const DWORD attributes = GetFileAttributesW(wide->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return RecordOutcome::Fault(RecordFault::SystemError, ENOENT);
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return RecordOutcome::Fault(RecordFault::NotRegularFile);
  FILE* file = _wfopen(wide->c_str(), L"rb");
  const int error = errno;
  if (file) {
    std::fclose(file);
    return RecordOutcome::Done();
  }
  return RecordOutcome::Fault(RecordFault::SystemError, error);
}
#else
constexpr char kSeparator = '/';
constexpr std::size_t kMaxPathUnits = 4095;  // PATH_MAX less the terminating zero

bool IsSeparator(char c) { return c == '/'; }

std::size_t PathUnits(std::string_view utf8) { return utf8.size(); }

// Only a regular file can hold a record: opening a named pipe would wait
// for a writer for ever, and a folder or device has no record's length.
FILE* OpenForReading(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
  return std::fopen(path.c_str(), "rb");
}

// Why a record file cannot be opened for reading.
RecordOutcome OpenFault(const std::string& path) {
  std::error_code ec;
  const std::filesystem::file_status st = std::filesystem::status(path, ec);
  if (std::filesystem::exists(st) && !std::filesystem::is_regular_file(st))
    return RecordOutcome::Fault(RecordFault::NotRegularFile);
  if (ec) return RecordOutcome::Fault(RecordFault::SystemError, ec.value());
  if (!std::filesystem::exists(st)) return RecordOutcome::Fault(RecordFault::SystemError, ENOENT);
  FILE* file = std::fopen(path.c_str(), "rb");
  const int error = errno;
  if (file) {
    std::fclose(file);
    return RecordOutcome::Done();
  }
  return RecordOutcome::Fault(RecordFault::SystemError, error);
}
#endif

std::string TempPathOf(const std::string& path) {
  return path + std::string(kTempSuffix);
}

#if defined(_WIN32)
WriteOutcome WriteAndReplace(const std::string& path, const uint8_t* data, std::size_t size, int& error) {
  const auto wide_target = Widen(path);
  const auto wide_temp = Widen(TempPathOf(path));
  error = EILSEQ;
  if (!wide_target || !wide_temp) return WriteOutcome::CreateFailed;
  // A leftover from an interrupted save is removed first; the new file must be ours alone.
  DeleteFileW(wide_temp->c_str());
  HANDLE file = CreateFileW(wide_temp->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  error = EACCES;
  if (file == INVALID_HANDLE_VALUE) return WriteOutcome::CreateFailed;

  bool ok = true;
  std::size_t done = 0;
  while (ok && done < size) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(size - done);
    ok = WriteFile(file, data + done, chunk, &written, nullptr) && written > 0;
    done += written;
  }
  ok = ok && FlushFileBuffers(file);
  ok = CloseHandle(file) && ok;
  ok = ok && MoveFileExW(wide_temp->c_str(), wide_target->c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) {
    error = EIO;
    DeleteFileW(wide_temp->c_str());
    return WriteOutcome::WriteFailed;
  }
  error = 0;
  return WriteOutcome::Written;
}
#else
// Flushes the folder entry of a renamed file; some file systems refuse
// this, which does not make the already renamed file any less complete.
void SyncFolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

WriteOutcome WriteAndReplace(const std::string& path, const uint8_t* data, std::size_t size, int& error) {
  const std::string temp = TempPathOf(path);
  // A leftover from an interrupted save (or anything else under that name)
  // is removed first; the new file must be ours alone.
  ::unlink(temp.c_str());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) {
    error = errno;
    return WriteOutcome::CreateFailed;
  }

  bool ok = true;
  error = 0;
  const auto step = [&error](bool done_well) {
    if (!done_well && error == 0) error = errno != 0 ? errno : EIO;
    return done_well;
  };
  std::size_t done = 0;
  while (ok && done < size) {
    errno = 0;
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;  // nothing taken: the device is full
    ok = step(n > 0);
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = ok && step(::fsync(fd) == 0);
  ok = step(::close(fd) == 0) && ok;
  ok = ok && step(::rename(temp.c_str(), path.c_str()) == 0);
  if (!ok) {
    ::unlink(temp.c_str());
    return WriteOutcome::WriteFailed;
  }
  SyncFolderOf(path);
  return WriteOutcome::Written;
}
#endif

}  // namespace

std::string_view SaveFolderText() { return ReadTextField(App().SaveFolder, sizeof App().SaveFolder); }

std::optional<std::string> FormRecordPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && !IsSeparator(path.back())) path += kSeparator;
  if (path.empty()) path += kSeparator == '/' ? "./" : ".\\";
  path += name;
  const std::size_t units = PathUnits(TempPathOf(path));
  if (units == kNotText) {
    Diag("File path is not valid UTF-8 - \"%s\"!\n", path.c_str());
    return std::nullopt;
  }
  if (units > kMaxPathUnits) {
    Diag("File path too long - \"%s\"!\n", path.c_str());
    return std::nullopt;
  }
  return path;
}

std::optional<std::string> SaveFolderPath(std::string_view name) {
  return FormRecordPath(SaveFolderText(), name);
}

long long RecordFileSize(const std::string& path) {
  FILE* file = OpenForReading(path);
  if (!file) return 0;
  long long size = 0;
  if (std::fseek(file, 0, SEEK_END) == 0) {
    const long end = std::ftell(file);
    size = end < 0 ? 0 : end;
  }
  std::fclose(file);
  return size;
}

bool ReadRecordFile(const std::string& path, uint8_t* out, std::size_t size) {
  FILE* file = OpenForReading(path);
  if (!file) return false;
  std::vector<uint8_t> buffer(size);
  const std::size_t got = std::fread(buffer.data(), 1, size, file);
  std::fclose(file);
  if (got != size) return false;
  if (size > 0) std::memcpy(out, buffer.data(), size);
  return true;
}

RecordOutcome LoadRecordImage(std::string_view name, uint8_t* out, int size) {
  const auto path = SaveFolderPath(name);
  if (!path) return RecordOutcome::Fault(RecordFault::SystemError, ENAMETOOLONG);
  if (size <= 0) return RecordOutcome::Fault(RecordFault::SystemError, EINVAL);
  const long long length = RecordFileSize(*path);
  Diag("iGetFileSize = %d\n", static_cast<int>(std::min<long long>(length, INT_MAX)));
  if (length != size) {
    Diag("File szie != struct size!\n");
    // An empty length may be a file that cannot be opened at all.
    if (length == 0)
      if (RecordOutcome opened = OpenFault(*path); !opened) return opened;
    return RecordOutcome::Fault(RecordFault::WrongSize, 0, length);
  }
  std::vector<uint8_t> image(static_cast<std::size_t>(size));
  if (!ReadRecordFile(*path, image.data(), image.size())) {
    Diag("Open file - \"%s\" err!\n", path->c_str());
    const int error = errno;
    return RecordOutcome::Fault(RecordFault::SystemError, error != 0 ? error : EIO, length);
  }
  Diag("Open file - \"%s\" success!\n", path->c_str());
  UnscrambleBytes(image.data(), size);
  std::memcpy(out, image.data(), image.size());
  RecordOutcome done;
  done.size = length;
  return done;
}

WriteOutcome ReplaceRecordFile(const std::string& path, const uint8_t* data, std::size_t size, int* error_number) {
  int error = 0;
  const WriteOutcome outcome = WriteAndReplace(path, data, size, error);
  if (error_number) *error_number = error;
  return outcome;
}
