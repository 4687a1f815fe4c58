// The baseline of the command-line timings: a minimal program that writes
// the bytes of one file into another, flushes and closes it, reads it back
// and compares, as a run of the companion ends. Nothing else is done.
// Usage: bare_write SOURCE TARGET [SOURCE TARGET ...] (each pair in turn)
#include <cstdio>
#include <vector>

namespace {

int CopyAndReadBack(const char* source, const char* target) {
  std::vector<unsigned char> bytes(4096);
  std::FILE* in = std::fopen(source, "rb");
  if (!in) return 1;
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in));
  std::fclose(in);
  std::FILE* out = std::fopen(target, "wb");
  if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() || std::fflush(out) != 0) return 1;
  std::fclose(out);
  std::vector<unsigned char> back(bytes.size() + 1);
  std::FILE* again = std::fopen(target, "rb");
  if (!again) return 1;
  back.resize(std::fread(back.data(), 1, back.size(), again));
  std::fclose(again);
  return back == bytes ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc % 2 == 0) return 2;
  for (int i = 1; i + 1 < argc; i += 2)
    if (const int r = CopyAndReadBack(argv[i], argv[i + 1]); r != 0) return r;
  return 0;
}
