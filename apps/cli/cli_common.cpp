#include "apps/cli/cli_common.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#include "records/app_state.h"
#include "records/catalogue.h"
#include "text/utf8.h"

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
  for (uint16_t code : models) names += "\n  " + std::to_string(code) + "  " + ModelDisplayName(code);
  throw UsageError("unknown model \"" + std::string(text) + "\"; the models are:" + names);
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

std::string Printable(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const std::size_t n = utf8::ValidSequenceAt(bytes, i);
    if (n == 0 || b < 0x20 || b == 0x7F || b == '\\') {
      char buf[8];
      if (b == '\\')
        std::snprintf(buf, sizeof buf, "\\\\");
      else
        std::snprintf(buf, sizeof buf, "\\x%02X", b);
      out += buf;
      ++i;
      continue;
    }
    out.append(bytes.substr(i, n));
    i += n;
  }
  return out;
}

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

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec))
    throw UsageError("cannot read \"" + path.string() + "\": no such file");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError("cannot open \"" + path.string() + "\"");
  std::vector<uint8_t> v((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw UsageError("cannot read \"" + path.string() + "\"");
  return v;
}

ScratchFolder::ScratchFolder() {
  std::random_device rd;
  std::mt19937_64 gen(rd() ^ static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[40];
    std::snprintf(name, sizeof name, "trailset-cli-%016llx", static_cast<unsigned long long>(gen()));
    std::error_code ec;
    if (std::filesystem::create_directory(base / name, ec)) {
      path_ = base / name;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder in " + base.string());
}

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
