// The baseline of the command-line timings: a minimal program that writes
// the bytes of one file into another, flushes and closes it, reads it back
// and compares, as a run of the companion ends. Nothing else is done.
// With --durable the write is the least a save that survives a pulled card
// does, as the companion's saves are made: into a temporary file, synced,
// renamed over the target, the folder synced, then read back.
// Usage: bare_write [--durable] SOURCE TARGET [SOURCE TARGET ...] (each pair in turn)
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool Durable(const char* target, const std::vector<unsigned char>& bytes) {
  const std::string temp = std::string(target) + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !written || std::rename(temp.c_str(), target) != 0) return false;
  std::string folder(target);
  const auto slash = folder.rfind('/');
  folder = slash == std::string::npos ? "." : folder.substr(0, slash + 1);
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return false;
  const bool synced = ::fsync(dir) == 0;
  return ::close(dir) == 0 && synced;
}

bool Plain(const char* target, const std::vector<unsigned char>& bytes) {
  std::FILE* out = std::fopen(target, "wb");
  if (!out) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fflush(out) == 0;
  return std::fclose(out) == 0 && written;
}

int CopyAndReadBack(const char* source, const char* target, bool durable) {
  std::vector<unsigned char> bytes(4096);
  std::FILE* in = std::fopen(source, "rb");
  if (!in) return 1;
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in));
  std::fclose(in);
  if (!(durable ? Durable(target, bytes) : Plain(target, bytes))) return 1;
  std::vector<unsigned char> back(bytes.size() + 1);
  std::FILE* again = std::fopen(target, "rb");
  if (!again) return 1;
  back.resize(std::fread(back.data(), 1, back.size(), again));
  std::fclose(again);
  return back == bytes ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  const bool durable = argc > 1 && std::strcmp(argv[1], "--durable") == 0;
  if (durable) ++first;
  if (argc - first < 2 || (argc - first) % 2 != 0) return 2;
  for (int i = first; i + 1 < argc; i += 2)
    if (const int r = CopyAndReadBack(argv[i], argv[i + 1], durable); r != 0) return r;
  return 0;
}
