// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop icons: drawn at each size, and written as RGBA PNG files.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdint>
#include <vector>

#include "core/png_writer.h"
#include "shell/app_icon.h"

using namespace art;

namespace {

std::uint32_t BigEndian(const std::vector<std::uint8_t>& v, std::size_t at) {
  return (static_cast<std::uint32_t>(v[at]) << 24) | (v[at + 1] << 16) | (v[at + 2] << 8) | v[at + 3];
}

// The unfiltered RGBA rows of a PNG with a single IDAT chunk.
std::vector<std::uint8_t> Inflate(const std::vector<std::uint8_t>& png, std::size_t rawSize) {
  std::size_t at = 8;
  while (at + 8 <= png.size()) {
    const std::uint32_t length = BigEndian(png, at);
    if (std::equal(png.begin() + static_cast<std::ptrdiff_t>(at + 4), png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                   "IDAT")) {
      std::vector<std::uint8_t> raw(rawSize);
      uLongf size = static_cast<uLongf>(rawSize);
      if (uncompress(raw.data(), &size, png.data() + at + 8, length) != Z_OK || size != rawSize) return {};
      return raw;
    }
    at += 12 + length;
  }
  return {};
}

TEST(AppIcon, EveryHicolorSizeIsARoundBoardOnClearGround) {
  for (const int size : kDesktopIconSizes) {
    const Canvas icon = PaintAppIcon(size);
    ASSERT_EQ(icon.Width(), size);
    ASSERT_EQ(icon.Height(), size);
    // Corners clear (the bottom-left one: the dart points to the top right).
    EXPECT_EQ(icon.At(0, size - 1).a, 0.f) << size;
    EXPECT_GT(icon.At(size / 2, size / 2).a, 0.99f) << size;
    int opaque = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) opaque += icon.At(x, y).a > 0.5f;
    const double cover = static_cast<double>(opaque) / (size * size);
    EXPECT_GT(cover, 0.6) << size;  // a board of radius 15/32 covers about 0.69
    EXPECT_LT(cover, 0.85) << size;
  }
}

TEST(AppIcon, SmallSizesAreDrawnForThemselvesNotShrunk) {
  // Averaging the 32-pixel icon down to 16 would blur the board's wedges
  // into the background; the 16-pixel one has its own, fewer, bolder ones.
  const Canvas small = PaintAppIcon(16);
  const Canvas large = PaintAppIcon(32);
  float differs = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      float mean = 0;
      for (int k = 0; k < 4; ++k) mean += large.At(2 * x + k % 2, 2 * y + k / 2).r / 4;
      differs += std::abs(mean - small.At(x, y).r);
    }
  EXPECT_GT(differs / 256, 8.f);
}

TEST(PngWriter, WritesRgbaWithStraightAlpha) {
  Canvas c(3, 2, {}, 0.f);
  c.Set(0, 0, Rgb{255, 0, 0}, 1.f);
  c.Set(2, 1, Rgb{0, 128, 255}, 0.5f);
  const auto png = EncodePngRgba(c);
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8),
            (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  EXPECT_EQ(BigEndian(png, 16), 3u);  // width
  EXPECT_EQ(BigEndian(png, 20), 2u);  // height
  EXPECT_EQ(png[24], 8);              // bits per sample
  EXPECT_EQ(png[25], 6);              // RGBA
  const auto raw = Inflate(png, 2 * (1 + 3 * 4));
  ASSERT_FALSE(raw.empty());
  EXPECT_EQ(std::vector<std::uint8_t>(raw.begin(), raw.begin() + 5), (std::vector<std::uint8_t>{0, 255, 0, 0, 255}));
  // A clear pixel carries no colour; a half-clear one keeps its own.
  EXPECT_EQ(std::vector<std::uint8_t>(raw.begin() + 5, raw.begin() + 9), (std::vector<std::uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(std::vector<std::uint8_t>(raw.begin() + 13 + 9, raw.end()),
            (std::vector<std::uint8_t>{0, 128, 255, 128}));
}

}  // namespace
