// Build tool: writes the program's bitmaps and icons as the files that the
// resource script includes. Runs on the build machine.
//
//   bitmap_gen OUTPUT_FOLDER
//
// writes bmp<id>.bmp for every bitmap resource and trailset.ico.
#include <cstdio>
#include <string>
#include <vector>

#include "resources/bitmaps.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    std::fprintf(stderr, "bitmap_gen: cannot create %s\n", path.c_str());
    return false;
  }
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = (std::fclose(f) == 0) && ok;
  if (!ok) std::fprintf(stderr, "bitmap_gen: cannot write %s\n", path.c_str());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bitmap_gen OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string dir = argv[1];
  for (int id : BitmapResourceIds()) {
    std::optional<RgbImage> img = RenderResourceBitmap(id);
    if (!img || !WriteFile(dir + "/bmp" + std::to_string(id) + ".bmp", EncodeBmp24(*img))) return 1;
  }
  const std::vector<RgbImage> icons = {RenderAppIcon(48), RenderAppIcon(32), RenderAppIcon(16)};
  return WriteFile(dir + "/trailset.ico", EncodeIco24(icons)) ? 0 : 1;
}
