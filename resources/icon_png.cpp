// Build tool: writes the program's icon as PNG files for the desktop icon
// theme, drawn by the same code as the Windows icon. Runs on the build
// machine.
//
//   icon_png OUTPUT_FOLDER SIZE...
//
// writes OUTPUT_FOLDER/<SIZE>x<SIZE>/apps/trailset.png for every SIZE, the
// layout of an icon theme folder.
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "resources/bitmaps.h"

namespace {

void PutBe32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
  PutBe32(out, static_cast<uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  PutBe32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

// An 8-bit RGB PNG file image of `img`; empty when compression fails.
std::vector<uint8_t> EncodePng(const RgbImage& img) {
  std::vector<uint8_t> raw;  // each row: filter type 0, then its pixels
  const std::size_t row = static_cast<std::size_t>(img.width) * 3;
  for (int y = 0; y < img.height; ++y) {
    raw.push_back(0);
    raw.insert(raw.end(), img.rgb.begin() + static_cast<std::ptrdiff_t>(y * row),
               img.rgb.begin() + static_cast<std::ptrdiff_t>((y + 1) * row));
  }
  uLongf packed_size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packed_size);
  if (compress2(packed.data(), &packed_size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) return {};
  packed.resize(packed_size);

  std::vector<uint8_t> header;
  PutBe32(header, static_cast<uint32_t>(img.width));
  PutBe32(header, static_cast<uint32_t>(img.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, adaptive filters, no interlace

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  return png;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  bool ok = f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (f) ok = (std::fclose(f) == 0) && ok;
  if (!ok) std::fprintf(stderr, "icon_png: cannot write %s\n", path.c_str());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: icon_png OUTPUT_FOLDER SIZE...\n");
    return 2;
  }
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size < 16 || size > 512) {
      std::fprintf(stderr, "icon_png: %s is not a size from 16 to 512\n", argv[i]);
      return 2;
    }
    const std::vector<uint8_t> png = EncodePng(RenderAppIcon(size));
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    if (png.empty() || !WriteFile(std::filesystem::path(argv[1]) / folder / "apps" / "trailset.png", png)) return 1;
  }
  return 0;
}
