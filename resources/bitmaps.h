// The program's pictures, drawn by the program itself (no image files):
// the banner (resource 101, 360 x 52) and the model pictures (167 x 155).
// The Windows build turns them into bitmap resources at build time; the
// portable GUI draws them directly.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // row-major, top row first, 3 bytes per pixel (R, G, B)
};

// The bitmap resource ids that exist (101 and the model pictures).
std::span<const int> BitmapResourceIds();
// Draws bitmap resource `id`; nothing for an id that is not a bitmap resource.
std::optional<RgbImage> RenderResourceBitmap(int id);
// What a model picture says about the camera it shows: the text under it
// and the antenna drawn on it.
enum class PictureAntenna : uint8_t { Absent, Wifi, Cellular };
struct ModelPictureFacts {
  std::string_view label;
  PictureAntenna antenna;
};
// Nothing for an id that is not a model picture.
std::optional<ModelPictureFacts> DescribeModelPicture(int id);

// A 24-bit Windows BMP file image of `img` (bottom-up rows, 4-byte row padding).
std::vector<uint8_t> EncodeBmp24(const RgbImage& img);

// The program's icon (a camera on green), size x size pixels.
RgbImage RenderAppIcon(int size);
// A Windows .ico file image holding `images` as 24-bit entries, all opaque.
std::vector<uint8_t> EncodeIco24(std::span<const RgbImage> images);
