// The program's pictures, drawn from code with integer arithmetic only, so
// that every build produces the same pixels.
#include "resources/bitmaps.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace {

struct Rgb {
  uint8_t r, g, b;
};

// ---------------------------------------------------------------------------
// Canvas and primitives

class Canvas {
 public:
  Canvas(int w, int h) { img_.width = w; img_.height = h; img_.rgb.assign(static_cast<std::size_t>(w) * h * 3, 0); }

  int Width() const { return img_.width; }
  int Height() const { return img_.height; }

  void Put(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= img_.width || y >= img_.height) return;
    std::size_t i = (static_cast<std::size_t>(y) * img_.width + x) * 3;
    img_.rgb[i] = c.r;
    img_.rgb[i + 1] = c.g;
    img_.rgb[i + 2] = c.b;
  }

  void Fill(int x, int y, int w, int h, Rgb c) {
    for (int j = y; j < y + h; ++j)
      for (int i = x; i < x + w; ++i) Put(i, j, c);
  }

  // Rectangle with corners cut to radius r.
  void RoundRect(int x, int y, int w, int h, int r, Rgb c) {
    for (int j = 0; j < h; ++j) {
      for (int i = 0; i < w; ++i) {
        int dx = i < r ? r - i : (i >= w - r ? i - (w - r - 1) : 0);
        int dy = j < r ? r - j : (j >= h - r ? j - (h - r - 1) : 0);
        if (dx * dx + dy * dy <= r * r) Put(x + i, y + j, c);
      }
    }
  }

  void Disc(int cx, int cy, int r, Rgb c) {
    for (int j = -r; j <= r; ++j)
      for (int i = -r; i <= r; ++i)
        if (i * i + j * j <= r * r) Put(cx + i, cy + j, c);
  }

  // Top-to-bottom blend from `top` to `bottom`.
  void VerticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom) {
    for (int j = 0; j < h; ++j) Fill(x, y + j, w, 1, Mix(top, bottom, j, h > 1 ? h - 1 : 1));
  }

  void HorizontalGradient(int x, int y, int w, int h, Rgb left, Rgb right) {
    for (int i = 0; i < w; ++i) Fill(x + i, y, 1, h, Mix(left, right, i, w > 1 ? w - 1 : 1));
  }

  static Rgb Mix(Rgb a, Rgb b, int num, int den) {
    auto m = [&](uint8_t p, uint8_t q) { return static_cast<uint8_t>((p * (den - num) + q * num) / den); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
  }

  RgbImage Take() { return std::move(img_); }

 private:
  RgbImage img_;
};

// ---------------------------------------------------------------------------
// A 5 x 7 pixel font for the texts drawn on the pictures.

struct Glyph {
  char ch;
  std::array<std::string_view, 7> rows;
};

constexpr Glyph kGlyphs[] = {
    {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'B', {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "}},
    {'C', {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
    {'D', {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "}},
    {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
    {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
    {'G', {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"}},
    {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'I', {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'J', {"  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "}},
    {'K', {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"}},
    {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
    {'M', {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"}},
    {'N', {"#   #", "#   #", "##  #", "# # #", "#  ##", "#   #", "#   #"}},
    {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
    {'Q', {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"}},
    {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
    {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
    {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'U', {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'V', {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "}},
    {'W', {"#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "}},
    {'X', {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"}},
    {'Y', {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
    {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {'1', {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
    {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
    {'-', {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
    {'.', {"     ", "     ", "     ", "     ", "     ", " ##  ", " ##  "}},
    {'(', {"   # ", "  #  ", " #   ", " #   ", " #   ", "  #  ", "   # "}},
    {')', {" #   ", "  #  ", "   # ", "   # ", "   # ", "  #  ", " #   "}},
    {' ', {"     ", "     ", "     ", "     ", "     ", "     ", "     "}},
};

constexpr int kGlyphW = 5;
constexpr int kGlyphH = 7;
constexpr int kGlyphAdvance = kGlyphW + 1;

const Glyph* FindGlyph(char ch) {
  if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  for (const Glyph& g : kGlyphs)
    if (g.ch == ch) return &g;
  return nullptr;
}

// Width in pixels of `text` drawn at `scale`.
int TextWidth(std::string_view text, int scale) {
  if (text.empty()) return 0;
  return (static_cast<int>(text.size()) * kGlyphAdvance - 1) * scale;
}

// Draws `text` with its top-left corner at (x, y); characters without a
// glyph are left as gaps.
void DrawText(Canvas& c, int x, int y, std::string_view text, int scale, Rgb colour) {
  for (char ch : text) {
    if (const Glyph* g = FindGlyph(ch)) {
      for (int row = 0; row < kGlyphH; ++row)
        for (int col = 0; col < kGlyphW; ++col)
          if (g->rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] == '#')
            c.Fill(x + col * scale, y + row * scale, scale, scale, colour);
    }
    x += kGlyphAdvance * scale;
  }
}

// Largest scale (up to `max_scale`) at which `text` fits into `width`.
int FitScale(std::string_view text, int width, int max_scale) {
  int s = max_scale;
  while (s > 1 && TextWidth(text, s) > width) --s;
  return s;
}

// ---------------------------------------------------------------------------
// Palette

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kSkyTop{176, 206, 222};
constexpr Rgb kSkyLow{226, 236, 228};
constexpr Rgb kGroundTop{112, 140, 84};
constexpr Rgb kGroundLow{70, 96, 56};
constexpr Rgb kStrap{44, 38, 30};
constexpr Rgb kLensRing{30, 30, 32};
constexpr Rgb kLensGlass{52, 74, 104};
constexpr Rgb kLensShine{150, 182, 214};
constexpr Rgb kLedDark{64, 24, 24};
constexpr Rgb kSensor{236, 232, 216};
constexpr Rgb kLabelBack{34, 52, 40};

// ---------------------------------------------------------------------------
// Model pictures

struct ModelPicture {
  int id;
  // Printed under the camera: the model's name on a picture of one model;
  // on a picture that several models share, a family name they all share.
  const char* label;
  Rgb body;
  // Drawn only where every model that shows the picture has it.
  PictureAntenna antenna;
  int led_rows;       // rows of infrared LEDs above the lens
};

constexpr int kPictureW = 167;
constexpr int kPictureH = 155;

constexpr Rgb kGrey{138, 140, 136};
constexpr Rgb kOlive{108, 112, 70};
constexpr Rgb kBrown{112, 88, 60};
constexpr Rgb kForest{64, 92, 62};
constexpr Rgb kSand{150, 132, 96};

using enum PictureAntenna;

// 107: NANO-A (no radio) and NANO-A-WIFI. 123: VORN-P3-4G (cellular only),
// VORN-K3 ULTRA (WiFi only) and VORN-K3U-4G (both). 140, 143: the R1 and
// R2 rows, all with WiFi, some also cellular.
constexpr ModelPicture kPictures[] = {
    {107, "NANO", kGrey, Absent, 1},
    {111, "NANO-B", kSand, Absent, 1},
    {119, "VORN-P2-4G", kOlive, Cellular, 2},
    {121, "VORN-P2", kOlive, Absent, 2},
    {123, "VORN", kForest, Absent, 2},
    {125, "VORN-P3-5G", kForest, Cellular, 3},
    {127, "VORN-P4-4G", kBrown, Cellular, 2},
    {129, "VORN-P4-5G", kBrown, Cellular, 3},
    {132, "VORN-P5-4G", kSand, Cellular, 3},
    {135, "VORN-P5-WIFI", kSand, Wifi, 3},
    {137, "VORN-P3", kForest, Absent, 2},
    {140, "VORN-R1", kBrown, Wifi, 3},
    {143, "VORN-R2", kForest, Wifi, 4},
};

constexpr int kBannerId = 101;
constexpr int kBannerW = 360;
constexpr int kBannerH = 52;

Rgb Darker(Rgb c, int num, int den) {
  return {static_cast<uint8_t>(c.r * num / den), static_cast<uint8_t>(c.g * num / den),
          static_cast<uint8_t>(c.b * num / den)};
}

// A small camouflage pattern over the body: blotches placed by a fixed
// pseudo-random sequence, so every build draws the same ones.
void Camouflage(Canvas& c, int x, int y, int w, int h, Rgb body) {
  uint32_t seed = 0x2545F491u;
  auto next = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) & 0x7FFF);
  };
  const Rgb shades[] = {Darker(body, 3, 4), Darker(body, 5, 6), Canvas::Mix(body, {200, 190, 150}, 1, 4)};
  for (int n = 0; n < 18; ++n) {
    int bx = x + 6 + next() % (w - 12);
    int by = y + 6 + next() % (h - 12);
    int r = 3 + next() % 5;
    Rgb s = shades[next() % 3];
    for (int j = -r; j <= r; ++j)
      for (int i = -r - 2; i <= r + 2; ++i)
        if (i * i + 2 * j * j <= r * r + 2 && bx + i > x + 3 && bx + i < x + w - 4 && by + j > y + 3 &&
            by + j < y + h - 4)
          c.Put(bx + i, by + j, s);
  }
}

void DrawAntenna(Canvas& c, PictureAntenna kind, int body_right, int body_top) {
  if (kind == PictureAntenna::Absent) return;
  const Rgb dark{36, 36, 38};
  if (kind == PictureAntenna::Cellular) {
    // A stub antenna standing on the right shoulder.
    int ax = body_right - 20;
    c.RoundRect(ax, body_top - 30, 7, 34, 3, dark);
    c.Fill(ax - 2, body_top - 3, 11, 5, dark);
  } else {
    // Three arcs of a radio signal over the top right corner.
    int cx = body_right - 16, cy = body_top - 4;
    for (int r = 6; r <= 18; r += 6)
      for (int j = -r; j <= 0; ++j)
        for (int i = -r; i <= r; ++i) {
          int d = i * i + j * j;
          if (d <= r * r && d >= (r - 2) * (r - 2) && -j * 3 >= (i < 0 ? -i : i) * 2) c.Put(cx + i, cy + j, dark);
        }
    c.Disc(cx, cy, 2, dark);
  }
}

RgbImage DrawModelPicture(const ModelPicture& m) {
  Canvas c(kPictureW, kPictureH);
  // Sky and undergrowth behind the camera.
  c.VerticalGradient(0, 0, kPictureW, 96, kSkyTop, kSkyLow);
  c.VerticalGradient(0, 96, kPictureW, kPictureH - 96, kGroundTop, kGroundLow);
  // A tree trunk the camera is strapped to.
  c.Fill(70, 0, 28, 132, {92, 70, 50});
  c.Fill(76, 0, 4, 132, {110, 86, 62});

  // Body.
  const int bx = 38, by = 24, bw = 92, bh = 100;
  c.Fill(bx - 8, by + 62, bw + 16, 10, kStrap);
  c.RoundRect(bx + 2, by + 3, bw, bh, 10, Darker(m.body, 1, 2));  // shadow
  c.RoundRect(bx, by, bw, bh, 10, m.body);
  Camouflage(c, bx, by, bw, bh, m.body);
  DrawAntenna(c, m.antenna, bx + bw, by);

  // Face plate with the infrared LEDs, the lens and the motion sensor.
  const int fx = bx + 12, fy = by + 8, fw = bw - 24, fh = 80;
  c.RoundRect(fx, fy, fw, fh, 6, {40, 40, 42});
  for (int row = 0; row < m.led_rows; ++row)
    for (int col = 0; col < 7; ++col) c.Disc(fx + 7 + col * 9, fy + 6 + row * 7, 2, kLedDark);
  const int lens_y = fy + 10 + m.led_rows * 7 + 10;
  c.Disc(bx + bw / 2, lens_y, 13, kLensRing);
  c.Disc(bx + bw / 2, lens_y, 9, kLensGlass);
  c.Disc(bx + bw / 2 - 3, lens_y - 3, 3, kLensShine);
  c.RoundRect(bx + bw / 2 - 10, fy + fh - 20, 20, 14, 6, kSensor);

  // The model series on a label strip at the bottom.
  c.Fill(0, kPictureH - 22, kPictureW, 22, kLabelBack);
  int scale = FitScale(m.label, kPictureW - 8, 2);
  int tw = TextWidth(m.label, scale);
  DrawText(c, (kPictureW - tw) / 2, kPictureH - 11 - (kGlyphH * scale) / 2, m.label, scale, kWhite);
  return c.Take();
}

// ---------------------------------------------------------------------------
// Banner

// The small camera symbol of the banner and the icons, in a size x size box.
void DrawCameraSymbol(Canvas& c, int x, int y, int size, Rgb body, Rgb face) {
  int r = size / 8;
  c.RoundRect(x + size / 8, y + size / 16, size * 3 / 4, size * 7 / 8, r, body);
  c.RoundRect(x + size / 4, y + size / 6, size / 2, size * 2 / 3, r / 2 + 1, face);
  c.Disc(x + size / 2, y + size * 7 / 16, size / 6, kLensRing);
  c.Disc(x + size / 2, y + size * 7 / 16, size / 10, kLensGlass);
  c.Disc(x + size / 2, y + size * 11 / 16, size / 14 + 1, kSensor);
}

RgbImage DrawBanner() {
  Canvas c(kBannerW, kBannerH);
  c.HorizontalGradient(0, 0, kBannerW, kBannerH, {30, 72, 52}, {92, 132, 88});
  // A line of hills along the bottom.
  for (int i = 0; i < kBannerW; ++i) {
    int h = 6 + ((i * 7) % 23 < 12 ? (i * 7) % 23 : 23 - (i * 7) % 23) / 2;
    c.Fill(i, kBannerH - h, 1, h, {24, 54, 38});
  }
  DrawCameraSymbol(c, 10, 6, 40, {118, 96, 64}, {40, 40, 42});
  DrawText(c, 62, 8, "TRAILSET", 3, kWhite);
  DrawText(c, 64, 34, "TRAIL CAMERA SETTINGS", 1, {214, 232, 204});
  return c.Take();
}

constexpr std::array<int, 14> kIds = {101, 107, 111, 119, 121, 123, 125, 127, 129, 132, 135, 137, 140, 143};

}  // namespace

std::span<const int> BitmapResourceIds() { return kIds; }

std::optional<RgbImage> RenderResourceBitmap(int id) {
  if (id == kBannerId) return DrawBanner();
  for (const ModelPicture& m : kPictures)
    if (m.id == id) return DrawModelPicture(m);
  return std::nullopt;
}

std::optional<ModelPictureFacts> DescribeModelPicture(int id) {
  for (const ModelPicture& m : kPictures)
    if (m.id == id) return ModelPictureFacts{m.label, m.antenna};
  return std::nullopt;
}

RgbImage RenderAppIcon(int size) {
  Canvas c(size, size);
  c.Fill(0, 0, size, size, {52, 96, 64});
  DrawCameraSymbol(c, 0, 0, size, {132, 108, 72}, {40, 40, 42});
  return c.Take();
}

namespace {

void PutLe16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

// BITMAPINFOHEADER for a 24-bit image; `height` as stored (icons double it).
void PutInfoHeader(std::vector<uint8_t>& out, const RgbImage& img, int height, uint32_t image_size) {
  PutLe32(out, 40);
  PutLe32(out, static_cast<uint32_t>(img.width));
  PutLe32(out, static_cast<uint32_t>(height));
  PutLe16(out, 1);   // planes
  PutLe16(out, 24);  // bits per pixel
  PutLe32(out, 0);   // BI_RGB
  PutLe32(out, image_size);
  PutLe32(out, 2835);  // 72 dpi
  PutLe32(out, 2835);
  PutLe32(out, 0);
  PutLe32(out, 0);
}

uint32_t RowStride24(int width) { return (static_cast<uint32_t>(width) * 3 + 3) & ~3u; }

// Pixel rows bottom-up, blue-green-red, each padded to 4 bytes.
void PutPixels24(std::vector<uint8_t>& out, const RgbImage& img) {
  const uint32_t stride = RowStride24(img.width);
  for (int y = img.height - 1; y >= 0; --y) {
    const uint8_t* row = img.rgb.data() + static_cast<std::size_t>(y) * img.width * 3;
    for (int x = 0; x < img.width; ++x) {
      out.push_back(row[x * 3 + 2]);
      out.push_back(row[x * 3 + 1]);
      out.push_back(row[x * 3]);
    }
    for (uint32_t pad = static_cast<uint32_t>(img.width) * 3; pad < stride; ++pad) out.push_back(0);
  }
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const RgbImage& img) {
  const uint32_t image_size = RowStride24(img.width) * static_cast<uint32_t>(img.height);
  std::vector<uint8_t> out;
  out.reserve(54 + image_size);
  out.push_back('B');
  out.push_back('M');
  PutLe32(out, 54 + image_size);
  PutLe32(out, 0);
  PutLe32(out, 54);
  PutInfoHeader(out, img, img.height, image_size);
  PutPixels24(out, img);
  return out;
}

std::vector<uint8_t> EncodeIco24(std::span<const RgbImage> images) {
  std::vector<uint8_t> out;
  PutLe16(out, 0);
  PutLe16(out, 1);  // icon
  PutLe16(out, static_cast<uint32_t>(images.size()));
  // Each entry: the XOR image (24 bits) and the AND mask (1 bit, all
  // opaque), rows padded to 4 bytes.
  std::vector<uint32_t> sizes;
  for (const RgbImage& img : images) {
    uint32_t mask_stride = ((static_cast<uint32_t>(img.width) + 31) / 32) * 4;
    sizes.push_back(40 + RowStride24(img.width) * img.height + mask_stride * img.height);
  }
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<uint8_t>(images[i].width >= 256 ? 0 : images[i].width));
    out.push_back(static_cast<uint8_t>(images[i].height >= 256 ? 0 : images[i].height));
    out.push_back(0);  // no palette
    out.push_back(0);
    PutLe16(out, 1);   // planes
    PutLe16(out, 24);  // bits per pixel
    PutLe32(out, sizes[i]);
    PutLe32(out, offset);
    offset += sizes[i];
  }
  for (const RgbImage& img : images) {
    uint32_t mask_stride = ((static_cast<uint32_t>(img.width) + 31) / 32) * 4;
    PutInfoHeader(out, img, img.height * 2, RowStride24(img.width) * img.height + mask_stride * img.height);
    PutPixels24(out, img);
    out.insert(out.end(), static_cast<std::size_t>(mask_stride) * img.height, 0);
  }
  return out;
}
