#include "resources/bitmaps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "records/catalogue.h"

namespace {

uint32_t Le32(const std::vector<uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t Le16(const std::vector<uint8_t>& b, std::size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }

TEST(Bitmaps, EveryResourceHasItsSizeAndIsDistinct) {
  std::set<std::vector<uint8_t>> seen;
  for (int id : BitmapResourceIds()) {
    auto img = RenderResourceBitmap(id);
    ASSERT_TRUE(img) << id;
    if (id == 101) {
      EXPECT_EQ(img->width, 360);
      EXPECT_EQ(img->height, 52);
    } else {
      EXPECT_EQ(img->width, 167) << id;
      EXPECT_EQ(img->height, 155) << id;
    }
    ASSERT_EQ(img->rgb.size(), static_cast<std::size_t>(img->width) * img->height * 3);
    // Not a blank picture, and no two resources alike.
    EXPECT_NE(std::count(img->rgb.begin(), img->rgb.end(), img->rgb[0]), static_cast<long>(img->rgb.size())) << id;
    EXPECT_TRUE(seen.insert(img->rgb).second) << id << " looks like another picture";
  }
  // The banner and the thirteen model pictures.
  EXPECT_EQ(seen.size(), 14u);
}

// The radios a model carries: WiFi-only models; the ULTRA rows without a
// cellular modem have WiFi, their cellular rows WiFi and a modem; every
// other wireless model a cellular modem.
struct Radios {
  bool wifi = false, cellular = false;
};
Radios RadiosOf(uint16_t code) {
  const uint8_t func = ModelWirelessFunc(code >> 8, code & 0xFF);
  if (func == kWirelessNone) return {};
  if (func == kWirelessWifi) return {true, false};
  auto ultra = [code](uint8_t v) { return IsR1Code(code, v) || IsR2Code(code, v) || IsK3UltraCode(code, v); };
  if (!ultra(kVariantAny)) return {false, true};
  return {true, ultra(kVariantCellular)};
}

TEST(Bitmaps, ModelPicturesShowNothingUntrueForAModelThatShowsThem) {
  for (int id : BitmapResourceIds()) {
    if (id == 101) continue;
    const auto facts = DescribeModelPicture(id);
    ASSERT_TRUE(facts) << id;
    std::vector<std::string> names;
    for (int row = 0; row < ModelRowCount(2); ++row) {
      if (ModelPictureId(2, row) != id) continue;
      const std::string name = ModelName(2, row);
      names.push_back(name);
      EXPECT_EQ(name.rfind(std::string(facts->label), 0), 0u) << id << " is labelled " << facts->label << " for " << name;
      const Radios radios = RadiosOf(static_cast<uint16_t>(0x200 | row));
      if (facts->antenna == PictureAntenna::Wifi) {
        EXPECT_TRUE(radios.wifi) << id << ": " << name << " has no WiFi";
      } else if (facts->antenna == PictureAntenna::Cellular) {
        EXPECT_TRUE(radios.cellular) << id << ": " << name << " has no modem";
      }
    }
    ASSERT_FALSE(names.empty()) << "no model shows picture " << id;
    // One model's own picture names it; a shared one names none of them.
    for (const std::string& name : names)
      EXPECT_EQ(facts->label == name, names.size() == 1) << id << " labelled " << facts->label;
  }
  EXPECT_FALSE(DescribeModelPicture(101));
}

TEST(Bitmaps, DrawingIsReproducible) {
  for (int id : BitmapResourceIds()) EXPECT_EQ(RenderResourceBitmap(id)->rgb, RenderResourceBitmap(id)->rgb) << id;
}

TEST(Bitmaps, IdsThatAreNoBitmapDrawNothing) {
  for (int id : {0, 100, 102, 103, 108, 113, 138, 144, -1}) EXPECT_FALSE(RenderResourceBitmap(id)) << id;
}

TEST(Bitmaps, BmpFileLayout) {
  // 5 x 2 pixels: rows padded from 15 to 16 bytes, stored bottom-up as B, G, R.
  RgbImage img{5, 2, std::vector<uint8_t>(30, 0)};
  img.rgb[0] = 10; img.rgb[1] = 20; img.rgb[2] = 30;          // top-left
  img.rgb[15] = 40; img.rgb[16] = 50; img.rgb[17] = 60;       // bottom-left
  const std::vector<uint8_t> bmp = EncodeBmp24(img);
  ASSERT_EQ(bmp.size(), 54u + 32u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(Le32(bmp, 2), bmp.size());
  EXPECT_EQ(Le32(bmp, 10), 54u);
  EXPECT_EQ(Le32(bmp, 14), 40u);
  EXPECT_EQ(Le32(bmp, 18), 5u);
  EXPECT_EQ(Le32(bmp, 22), 2u);  // positive: bottom-up
  EXPECT_EQ(Le16(bmp, 26), 1);
  EXPECT_EQ(Le16(bmp, 28), 24);
  EXPECT_EQ(Le32(bmp, 30), 0u);
  EXPECT_EQ(Le32(bmp, 34), 32u);
  // First stored row is the bottom row.
  EXPECT_EQ(bmp[54], 60);
  EXPECT_EQ(bmp[55], 50);
  EXPECT_EQ(bmp[56], 40);
  EXPECT_EQ(bmp[54 + 15], 0);  // padding
  EXPECT_EQ(bmp[54 + 16], 30);
  EXPECT_EQ(bmp[54 + 17], 20);
  EXPECT_EQ(bmp[54 + 18], 10);
}

TEST(Bitmaps, ModelPictureBmpIsTheSizeWindowsExpects) {
  const std::vector<uint8_t> bmp = EncodeBmp24(*RenderResourceBitmap(140));
  // 167 * 3 = 501 bytes per row, padded to 504.
  EXPECT_EQ(bmp.size(), 54u + 504u * 155u);
}

TEST(Bitmaps, IconFileLayout) {
  const std::vector<RgbImage> icons = {RenderAppIcon(32), RenderAppIcon(16)};
  const std::vector<uint8_t> ico = EncodeIco24(icons);
  EXPECT_EQ(Le16(ico, 0), 0);
  EXPECT_EQ(Le16(ico, 2), 1);
  ASSERT_EQ(Le16(ico, 4), 2);
  std::size_t end = 6 + 2 * 16;
  for (int i = 0; i < 2; ++i) {
    const std::size_t e = 6 + 16 * static_cast<std::size_t>(i);
    const int size = i == 0 ? 32 : 16;
    EXPECT_EQ(ico[e], size);
    EXPECT_EQ(ico[e + 1], size);
    EXPECT_EQ(Le16(ico, e + 6), 24);
    const uint32_t bytes = Le32(ico, e + 8), offset = Le32(ico, e + 12);
    EXPECT_EQ(offset, end) << "entries follow each other";
    // Header, 24-bit image and the 1-bit mask with rows padded to 4 bytes.
    EXPECT_EQ(bytes, 40u + size * size * 3 + 4u * size);
    EXPECT_EQ(Le32(ico, offset + 8), static_cast<uint32_t>(size * 2)) << "height counts image and mask";
    end = offset + bytes;
  }
  EXPECT_EQ(end, ico.size());
}

}  // namespace
