#include "apps/cli/cli_common.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/send_set.h"
#include "text/utf8.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cli {

namespace {
constexpr int kFamily = 2;  // the family the main window offers
}

std::string MessageLines(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

WindowRefusal::WindowRefusal(std::string caption_, std::string text_)
    : Refusal(caption_ + ": " + MessageLines(text_)), caption(std::move(caption_)), text(std::move(text_)) {}

std::vector<uint16_t> SelectableModels() {
  std::vector<uint16_t> v;
  for (int i = 0; i < ModelRowCount(kFamily); ++i) v.push_back(static_cast<uint16_t>((kFamily << 8) | i));
  return v;
}

std::string ModelDisplayName(uint16_t code) {
  const ModelRow* row = FindModel(code);
  return row && row->name ? row->name : "";
}

uint16_t ResolveModel(std::string_view text) {
  const std::vector<uint16_t> models = SelectableModels();
  for (uint16_t code : models) {
    if (SameText(text, ModelDisplayName(code)) || text == std::to_string(code)) return code;
  }
  std::string names;
  for (uint16_t code : models) names += (names.empty() ? "" : ", ") + std::to_string(code) + " " + ModelDisplayName(code);
  throw UsageError("unknown model " + EchoQuoted(text) + "; the models are " + names);
}

void MakeCurrentModel(uint16_t code) {
  App().ModelFamily = code >> 8;
  App().ModelIndex = code & 0xFF;
  UpdateModelCode();
  App().CamSetupDlgId = ModelSetupDlgId(App().ModelFamily, App().ModelIndex);
  App().CamPictureId = ModelPictureId(App().ModelFamily, App().ModelIndex);
}

std::string Quoted(std::string_view text) {
  std::string s;
  s.reserve(text.size() + 2);
  s += '"';
  s += text;
  s += '"';
  return s;
}

std::string Position(int n) {
  std::string s = "#";
  s += std::to_string(n);
  return s;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

namespace {

// A control character (C0, DEL or C1, U+0080..U+009F) at text[i], whose
// UTF-8 sequence is n bytes long: a terminal would act on it.
bool IsControl(std::string_view text, std::size_t i, std::size_t n) {
  const auto b = static_cast<unsigned char>(text[i]);
  if (n == 1) return b < 0x20 || b == 0x7F;
  return n == 2 && b == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
}

void AppendHex(std::string& out, unsigned char b) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "\\x%02X", b);
  out += buf;
}

}  // namespace

std::string Printable(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const std::size_t n = utf8::ValidSequenceAt(bytes, i);
    if (b == '\\') {
      out += "\\\\";
      ++i;
    } else if (n == 0 || IsControl(bytes, i, n)) {
      AppendHex(out, b);
      ++i;
    } else {
      out.append(bytes.substr(i, n));
      i += n;
    }
  }
  return out;
}

std::string Echo(std::string_view value, std::size_t max_chars) {
  std::string out;
  std::size_t chars = 0;
  for (std::size_t i = 0; i < value.size(); ++chars) {
    if (chars == max_chars) {
      out += "... (" + std::to_string(value.size()) + " bytes)";
      break;
    }
    const std::size_t n = utf8::ValidSequenceAt(value, i);
    if (n == 0 || IsControl(value, i, n)) {
      AppendHex(out, static_cast<unsigned char>(value[i]));
      ++i;
    } else {
      out.append(value.substr(i, n));
      i += n;
    }
  }
  return out;
}

std::string EchoQuoted(std::string_view value, std::size_t max_chars) { return Quoted(Echo(value, max_chars)); }

std::string JsonText(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = utf8::ValidSequenceAt(bytes, i);
    if (n == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else {
      out.append(bytes.substr(i, n));
      i += n;
    }
  }
  return out;
}

const std::size_t kCardFileLimit = sizeof(SendSetTarn) + 1;

namespace {

// What a path names when it is no regular file, for a message.
std::string NotAFile(const std::string& shown, std::filesystem::file_type type) {
  using T = std::filesystem::file_type;
  switch (type) {
    case T::not_found: return "cannot read " + shown + ": no such file";
    case T::directory: return "cannot read " + shown + ": it is a folder, not a regular file";
    case T::fifo: return "cannot read " + shown + ": it is a named pipe, not a regular file";
    case T::block:
    case T::character: return "cannot read " + shown + ": it is a device, not a regular file";
    case T::socket: return "cannot read " + shown + ": it is a socket, not a regular file";
    default: return "cannot read " + shown + ": not a regular file";
  }
}

}  // namespace

CardFile ReadCardFile(const std::filesystem::path& path) {
  const std::string shown = EchoQuoted(path.string(), SIZE_MAX);
  std::error_code ec;
  const std::filesystem::file_status st = std::filesystem::status(path, ec);
  if (ec && st.type() != std::filesystem::file_type::not_found)
    throw UsageError("cannot read " + shown + ": " + ec.message());
  if (st.type() != std::filesystem::file_type::regular) throw UsageError(NotAFile(shown, st.type()));
  CardFile f;
#if defined(_WIN32)
  // Opened so that a save of the windows can still replace it meanwhile.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw UsageError("cannot open " + shown);
  LARGE_INTEGER size{};
  const bool measured = GetFileSizeEx(file, &size) != 0;
  f.size = measured ? static_cast<std::uintmax_t>(size.QuadPart) : 0;
  f.bytes.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(f.size, kCardFileLimit)));
  std::size_t got = 0;
  DWORD n = 0;
  while (got < f.bytes.size() &&
         ReadFile(file, f.bytes.data() + got, static_cast<DWORD>(f.bytes.size() - got), &n, nullptr) && n > 0)
    got += n;
  CloseHandle(file);
  if (!measured || got != f.bytes.size()) throw UsageError("cannot read " + shown);
#else
  // Opened without waiting and checked once open: a pipe put in the file's
  // place meanwhile is refused, not waited on.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw UsageError("cannot open " + shown + ": " + std::strerror(errno));
  struct stat now {};
  if (::fstat(fd, &now) != 0 || !S_ISREG(now.st_mode)) {
    ::close(fd);
    throw UsageError("cannot read " + shown + ": not a regular file");
  }
  f.size = static_cast<std::uintmax_t>(now.st_size);
  f.bytes.resize(kCardFileLimit);
  std::size_t got = 0;
  while (got < f.bytes.size()) {
    const ssize_t n = ::read(fd, f.bytes.data() + got, f.bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      throw UsageError("cannot read " + shown + ": " + std::strerror(error));
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  f.bytes.resize(got);
  // A file that changed while it was read is taken as it was read.
  f.size = got < kCardFileLimit ? got : std::max<std::uintmax_t>(f.size, got);
#endif
  return f;
}

namespace {

// Where scratch folders go. Without a TMPDIR of the user's choice, a
// folder in memory where the system keeps one (the user's runtime folder,
// else /dev/shm): the copies of a card's files (CFG.BIN holds passwords)
// then never reach a disk, and making and removing them waits for no disk.
std::filesystem::path ScratchBase() {
#if !defined(_WIN32)
  auto usable = [](const char* dir) {
    std::error_code ec;
    return dir && *dir && std::filesystem::is_directory(dir, ec) && ::access(dir, W_OK | X_OK) == 0;
  };
  if (const char* tmpdir = std::getenv("TMPDIR"); !(tmpdir && *tmpdir)) {
    for (const char* dir : {static_cast<const char*>(std::getenv("XDG_RUNTIME_DIR")), "/dev/shm"})
      if (usable(dir)) return dir;
  }
#endif
  return std::filesystem::temp_directory_path();
}

std::filesystem::path MakePrivateFolder() {
  const std::filesystem::path base = ScratchBase();
#if defined(_WIN32)
  // The user's temporary folder is the user's alone.
  std::random_device rd;
  std::mt19937_64 gen(rd() ^ static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[40];
    std::snprintf(name, sizeof name, "trailset-cli-%016llx", static_cast<unsigned long long>(gen()));
    std::error_code ec;
    if (std::filesystem::create_directory(base / name, ec)) return base / name;
  }
#else
  std::string pattern = (base / "trailset-cli-XXXXXX").string();
  if (::mkdtemp(pattern.data())) return pattern;
#endif
  throw std::runtime_error("cannot create a temporary folder in " + base.string());
}

}  // namespace

ScratchFolder::ScratchFolder() : path_(MakePrivateFolder()) {}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void ScratchFolder::Put(const std::string& name, const std::vector<uint8_t>& bytes) const {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write into the temporary folder " + path_.string());
}

std::optional<ClockValue> ParseClock(std::string_view text) {
  ClockValue c{};
  char tail = 0;
  const std::string s(text);
  if (std::sscanf(s.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &c.year, &c.month, &c.day, &c.hour, &c.minute, &c.second,
                  &tail) != 6)
    return std::nullopt;
  static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (c.year % 4 == 0 && c.year % 100 != 0) || c.year % 400 == 0;
  if (c.year < 1900 || c.year > 2155 || c.month < 1 || c.month > 12 || c.day < 1 ||
      c.day > (c.month == 2 && !leap ? 28 : kDays[c.month - 1]) || c.hour > 23 || c.minute > 59 || c.second > 59 ||
      c.hour < 0 || c.minute < 0 || c.second < 0)
    return std::nullopt;
  return c;
}

std::optional<int> ParseUtcOffset(std::string_view text) {
  std::string s(text);
  if (s.rfind("UTC", 0) == 0 || s.rfind("utc", 0) == 0) s = s.substr(3);
  if (s.empty()) return std::nullopt;
  std::size_t i = 0;
  bool negative = false;
  if (s[0] == '+' || s[0] == '-') {
    negative = s[0] == '-';
    i = 1;
  }
  if (i >= s.size() || s.size() - i > 2) return std::nullopt;
  int v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return std::nullopt;
    v = v * 10 + (s[i] - '0');
  }
  if (v > 12) return std::nullopt;
  return negative ? -v : v;
}

}  // namespace cli
