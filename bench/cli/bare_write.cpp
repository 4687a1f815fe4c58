// The baseline of the command-line timings: a minimal program that writes
// the bytes of one file into another, flushes and closes it, reads it back
// and compares, as a run of the companion ends. Nothing else is done.
// Usage: bare_write SOURCE TARGET
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  std::vector<unsigned char> bytes(4096);
  std::FILE* in = std::fopen(argv[1], "rb");
  if (!in) return 1;
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in));
  std::fclose(in);
  std::FILE* out = std::fopen(argv[2], "wb");
  if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() || std::fflush(out) != 0) return 1;
  std::fclose(out);
  std::vector<unsigned char> back(bytes.size() + 1);
  std::FILE* again = std::fopen(argv[2], "rb");
  if (!again) return 1;
  back.resize(std::fread(back.data(), 1, back.size(), again));
  std::fclose(again);
  return back == bytes ? 0 : 1;
}
