#include "records/record_file.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>
#include <vector>

#include "records/app_state.h"
#include "records/diag.h"
#include "records/menu_record.h"
#include "records/text_field.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Length of a path that is no valid UTF-8 (a folder copied in from bytes).
constexpr std::size_t kNotText = SIZE_MAX;
// Attempts at a temporary name nobody else holds.
constexpr int kTempNameAttempts = 16;

// A fresh tag for a temporary name: random, so that saves in other
// processes (or other programs' copies of this one) pick other names.
uint32_t NextTempTag() {
  thread_local std::mt19937 gen = [] {
    std::random_device rd;
    const auto now = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seq{rd(), rd(), static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
    return std::mt19937(seq);
  }();
  return static_cast<uint32_t>(gen());
}

std::string TempPathOf(const std::string& path, uint32_t tag) {
  char tail[2 + kTempTagDigits + 8];
  std::snprintf(tail, sizeof tail, ".%08x", static_cast<unsigned>(tag));
  return path + tail + std::string(kTempSuffix);
}

// The folder part of a path formed by FormRecordPath, and its name.
std::size_t NameStart(const std::string& path) {
#if defined(_WIN32)
  const std::size_t sep = path.find_last_of("\\/");
#else
  const std::size_t sep = path.rfind('/');
#endif
  return sep == std::string::npos ? 0 : sep + 1;
}

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

std::string Narrow(const wchar_t* wide) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string utf8(static_cast<std::size_t>(n - 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), n, nullptr, nullptr);
  return utf8;
}

std::size_t PathUnits(std::string_view utf8) {
  const auto wide = Widen(utf8);
  return wide ? wide->size() : kNotText;
}

// The errno that says what a Windows error says, for the caller's reasons.
// A file another program holds open is busy, not write-protected.
int ErrnoOf(DWORD error) {
  struct Pair {
    DWORD win;
    int err;
  };
  static constexpr Pair kMap[] = {
      {ERROR_WRITE_PROTECT, EROFS},        {ERROR_DISK_FULL, ENOSPC},
      {ERROR_HANDLE_DISK_FULL, ENOSPC},    {ERROR_FILE_NOT_FOUND, ENOENT},
      {ERROR_PATH_NOT_FOUND, ENOENT},      {ERROR_INVALID_DRIVE, ENOENT},
      {ERROR_NOT_READY, ENOENT},           {ERROR_ACCESS_DENIED, EACCES},
      {ERROR_SHARING_VIOLATION, EBUSY},    {ERROR_LOCK_VIOLATION, EBUSY},
      {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG}, {ERROR_FILE_EXISTS, EEXIST},
      {ERROR_ALREADY_EXISTS, EEXIST},
  };
  for (const Pair& p : kMap)
    if (p.win == error) return p.err;
  return EIO;
}

// A refusal of the system, with its own code kept beside the errno.
RecordOutcome SystemFault(DWORD error, bool created = false) {
  RecordOutcome outcome = created ? RecordOutcome::WriteFault(ErrnoOf(error))
                                  : RecordOutcome::Fault(RecordFault::SystemError, ErrnoOf(error));
  outcome.system_code = error;
  return outcome;
}

// File size and kind without opening it; nothing for what is no regular file.
std::optional<long long> RegularFileSize(const std::string& path) {
  const auto wide = Widen(path);
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!wide || !GetFileAttributesExW(wide->c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return std::nullopt;
  return static_cast<long long>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

// Reads at most `limit` bytes of the regular file; nothing when it cannot be opened.
std::optional<std::vector<uint8_t>> ReadHead(const std::string& path, std::size_t limit) {
  const auto wide = Widen(path);
  if (!wide) return std::nullopt;
  HANDLE file = CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::vector<uint8_t>> out;
  if (GetFileType(file) == FILE_TYPE_DISK) {
    std::vector<uint8_t> buffer(limit);
    std::size_t got = 0;
    DWORD n = 0;
    while (got < limit && ReadFile(file, buffer.data() + got, static_cast<DWORD>(limit - got), &n, nullptr) && n > 0)
      got += n;
    buffer.resize(got);
    out = std::move(buffer);
  }
  CloseHandle(file);
  return out;
}

// Why a record file cannot be opened for reading.
RecordOutcome OpenFault(const std::string& path) {
  const auto wide = Widen(path);
  if (!wide) return RecordOutcome::Fault(RecordFault::SystemError, EILSEQ);
  const DWORD attributes = GetFileAttributesW(wide->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return SystemFault(GetLastError());
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return RecordOutcome::Fault(RecordFault::NotRegularFile);
  HANDLE file = CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return SystemFault(GetLastError());
  const bool disk = GetFileType(file) == FILE_TYPE_DISK;
  CloseHandle(file);
  return disk ? RecordOutcome::Done() : RecordOutcome::Fault(RecordFault::NotRegularFile);
}

// A leftover is removed only when no save holds it open (each save opens
// its own without sharing, so the delete is refused while it writes) and
// its last change is old enough.
void RemoveLeftovers(const std::string& path) {
  const std::size_t start = NameStart(path);
  const std::string name = path.substr(start);
  const auto pattern = Widen(path.substr(0, start) + name + ".*");
  if (!pattern) return;
  FILETIME now_ft;
  GetSystemTimeAsFileTime(&now_ft);
  const auto ticks = [](const FILETIME& t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  const uint64_t now = ticks(now_ft);
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW(pattern->c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const std::string file = Narrow(found.cFileName);
    if (!IsTemporaryFileOf(file, name)) continue;
    const uint64_t changed = ticks(found.ftLastWriteTime);
    if (now < changed || now - changed < uint64_t{kLeftoverAgeSeconds} * 10'000'000u) continue;
    if (const auto wide = Widen(path.substr(0, start) + file)) DeleteFileW(wide->c_str());
  } while (FindNextFileW(find, &found));
  FindClose(find);
}

// Replaces target with temp. A program that has the target open without
// letting others delete it (a reader, a virus scanner, a sync tool) makes
// the replace fail for as long as it holds it: it is tried again for a
// while before the save gives up.
bool MoveOver(const std::wstring& temp, const std::wstring& target) {
  constexpr int kAttempts = 20;
  constexpr DWORD kPauseMs = 25;
  for (int attempt = 0;; ++attempt) {
    if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD error = GetLastError();
    if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) || attempt + 1 == kAttempts) return false;
    Sleep(kPauseMs);
  }
}

RecordOutcome WriteAndReplace(const std::string& path, const uint8_t* data, std::size_t size, NewFileAccess) {
  const auto wide_target = Widen(path);
  if (!wide_target) return RecordOutcome::Fault(RecordFault::SystemError, EINVAL);
  // A name of its own, created only where none exists; no other save can
  // open it while it is written.
  std::wstring temp;
  HANDLE file = INVALID_HANDLE_VALUE;
  DWORD error = ERROR_FILE_EXISTS;
  for (int attempt = 0; attempt < kTempNameAttempts && file == INVALID_HANDLE_VALUE; ++attempt) {
    const auto wide = Widen(TempPathOf(path, NextTempTag()));
    if (!wide) return RecordOutcome::Fault(RecordFault::SystemError, EINVAL);
    temp = *wide;
    file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      error = GetLastError();
      if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
  }
  if (file == INVALID_HANDLE_VALUE) return SystemFault(error);

  bool ok = true;
  std::size_t done = 0;
  while (ok && done < size) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(size - done);
    ok = WriteFile(file, data + done, chunk, &written, nullptr) && written > 0;
    done += written;
  }
  ok = ok && FlushFileBuffers(file);
  if (!ok) error = GetLastError();
  if (!CloseHandle(file) && ok) {
    ok = false;
    error = GetLastError();
  }
  if (ok && !MoveOver(temp, *wide_target)) {
    ok = false;
    error = GetLastError();
  }
  if (!ok) {
    DeleteFileW(temp.c_str());
    return SystemFault(error, true);
  }
  return RecordOutcome::Done();
}
#else
constexpr char kSeparator = '/';
constexpr std::size_t kMaxPathUnits = 4095;  // PATH_MAX less the terminating zero

bool IsSeparator(char c) { return c == '/'; }

std::size_t PathUnits(std::string_view utf8) { return utf8.size(); }

std::optional<long long> RegularFileSize(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<long long>(st.st_size);
}

// Only a regular file can hold a record: opening a named pipe would wait
// for a writer for ever, and a folder or device has no record's length. The
// file is opened without waiting and checked once open, so a pipe put in
// its place after it was measured is refused as well.
std::optional<std::vector<uint8_t>> ReadHead(const std::string& path, std::size_t limit) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<std::vector<uint8_t>> out;
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    std::vector<uint8_t> buffer(limit);
    std::size_t got = 0;
    bool failed = false;
    while (got < limit) {
      const ssize_t n = ::read(fd, buffer.data() + got, limit - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) failed = true;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    buffer.resize(got);
    if (!failed) out = std::move(buffer);
  }
  ::close(fd);
  return out;
}

// Why a record file cannot be opened for reading (opened without waiting,
// so a pipe is judged, not waited on).
RecordOutcome OpenFault(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return RecordOutcome::Fault(RecordFault::SystemError, errno);
  if (!S_ISREG(st.st_mode)) return RecordOutcome::Fault(RecordFault::NotRegularFile);
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return RecordOutcome::Fault(RecordFault::SystemError, errno);
  ::close(fd);
  return RecordOutcome::Done();
}

// Flushes the folder entry of a renamed file; some file systems refuse
// this, which does not make the already renamed file any less complete.
void SyncFolderOf(const std::string& path) {
  const std::size_t start = NameStart(path);
  const std::string folder = start == 0 ? "." : (start == 1 ? "/" : path.substr(0, start - 1));
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

// A leftover is removed only when its last change is old enough and no
// save holds its lock (each save locks its file from creation to the
// end), and only the file that was checked, not one that took its name
// meanwhile. A link under such a name is removed at once (never followed):
// no save makes links, so it is nobody's file in progress.
void RemoveLeftover(const std::string& file, std::time_t now) {
  struct stat link;
  if (::lstat(file.c_str(), &link) != 0) return;
  if (S_ISLNK(link.st_mode)) {
    ::unlink(file.c_str());
    return;
  }
  const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  struct stat st, again;
  const bool old = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && now - st.st_mtime >= kLeftoverAgeSeconds;
  const bool free = old && (::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK);
  if (free && ::lstat(file.c_str(), &again) == 0 && again.st_dev == st.st_dev && again.st_ino == st.st_ino)
    ::unlink(file.c_str());
  ::close(fd);
}

void RemoveLeftovers(const std::string& path) {
  const std::size_t start = NameStart(path);
  const std::string folder = path.substr(0, start);
  const std::string name = path.substr(start);
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return;
  const std::time_t now = std::time(nullptr);
  std::vector<std::string> found;
  while (const dirent* e = ::readdir(dir))
    if (IsTemporaryFileOf(e->d_name, name)) found.push_back(folder + e->d_name);
  ::closedir(dir);
  for (const std::string& file : found) RemoveLeftover(file, now);
}

RecordOutcome WriteAndReplace(const std::string& path, const uint8_t* data, std::size_t size, NewFileAccess access) {
  // The file it replaces gives the mode; a new one gets the mode of its kind.
  struct stat target;
  const bool replacing = ::stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode);
  const mode_t create_mode = access == NewFileAccess::OwnerOnly ? 0600 : 0644;

  // A name of its own, created only where none exists (never through a link).
  std::string temp;
  int fd = -1;
  int error = EEXIST;
  for (int attempt = 0; attempt < kTempNameAttempts && fd < 0 && error == EEXIST; ++attempt) {
    temp = TempPathOf(path, NextTempTag());
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, create_mode);
    if (fd < 0) error = errno;
  }
  if (fd < 0) return RecordOutcome::Fault(RecordFault::SystemError, error);
  // Held until the file is closed: a cleaner of leftovers leaves it alone.
  (void)::flock(fd, LOCK_EX | LOCK_NB);
  // Where the file system keeps no modes (FAT) this fails, and nothing changes.
  if (replacing) (void)::fchmod(fd, target.st_mode & 07777);

  bool ok = true;
  error = 0;
  std::size_t done = 0;
  while (ok && done < size) {
    errno = 0;
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (n < 0) error = errno;
    if (n == 0) error = ENOSPC;
    if (ok) done += static_cast<std::size_t>(n);
  }
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    error = errno;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return RecordOutcome::WriteFault(error);
  }
  SyncFolderOf(path);
  return RecordOutcome::Done();
}
#endif

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

}  // namespace

bool IsTemporaryFileOf(std::string_view file, std::string_view name) {
  if (file.size() < name.size() + kTempSuffix.size() || file.substr(0, name.size()) != name) return false;
  std::string_view rest = file.substr(name.size());
  if (rest.substr(rest.size() - kTempSuffix.size()) != kTempSuffix) return false;
  rest.remove_suffix(kTempSuffix.size());
  if (rest.empty()) return true;  // "<name>.tmp" of earlier versions
  return rest.size() == 1 + kTempTagDigits && rest[0] == '.' &&
         std::all_of(rest.begin() + 1, rest.end(), IsHexDigit);
}

std::string_view SaveFolderText() { return ReadTextField(App().SaveFolder, sizeof App().SaveFolder); }

std::optional<std::string> FormRecordPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && !IsSeparator(path.back())) path += kSeparator;
  if (path.empty()) path += kSeparator == '/' ? "./" : ".\\";
  path += name;
  const std::size_t units = PathUnits(TempPathOf(path, 0));
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

long long RecordFileSize(const std::string& path) { return RegularFileSize(path).value_or(0); }

bool ReadRecordFile(const std::string& path, uint8_t* out, std::size_t size) {
  // One byte more than asked tells a file that grew since it was measured.
  const auto bytes = ReadHead(path, size + 1);
  if (!bytes || bytes->size() != size) return false;
  if (size > 0) std::memcpy(out, bytes->data(), size);
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
    // It opened as a regular file but changed its length since it was measured.
    if (RecordOutcome opened = OpenFault(*path); !opened) return opened;
    return RecordOutcome::Fault(RecordFault::WrongSize, 0, RecordFileSize(*path));
  }
  Diag("Open file - \"%s\" success!\n", path->c_str());
  UnscrambleBytes(image.data(), size);
  std::memcpy(out, image.data(), image.size());
  RecordOutcome done;
  done.size = length;
  return done;
}

RecordOutcome ReplaceRecordFile(const std::string& path, const uint8_t* data, std::size_t size,
                                NewFileAccess access) {
  const RecordOutcome result = WriteAndReplace(path, data, size, access);
  if (result) {
    RemoveLeftovers(path);
    if (const PlacedFileSink& placed = App().FilePlaced) placed(path, data, size);
  }
  return result;
}

std::string SystemErrorText(const RecordOutcome& outcome) {
  if (outcome.fault != RecordFault::SystemError) return {};
  std::string text;
#if defined(_WIN32)
  // The system's own words for its own code, in the user's language.
  if (outcome.system_code != 0) {
    wchar_t* words = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(outcome.system_code), 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    if (n > 0 && words) text = Narrow(words);
    LocalFree(words);
  }
#endif
  if (text.empty()) text = std::strerror(outcome.error_number);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  return text;
}
