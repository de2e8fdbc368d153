// SPDX-License-Identifier: GPL-3.0-or-later
// The generator's file writers, read back by the program's own readers.
#include <gtest/gtest.h>

#include <cstring>

#include "core/writers.h"
#include "gfx/dib.h"
#include "platform/resources.h"

using namespace art;

namespace {
std::uint32_t U32(const std::vector<std::uint8_t>& v, std::size_t at) {
  return v[at] | (v[at + 1] << 8) | (v[at + 2] << 16) | (static_cast<std::uint32_t>(v[at + 3]) << 24);
}
}  // namespace

TEST(Writers, BitmapIsBottomUpWithPaddedRowsAndTheFullPalette) {
  IndexedImage img{11, 3, std::vector<std::uint8_t>(33)};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 11; ++x) img.pixels[static_cast<std::size_t>(y) * 11 + x] = static_cast<std::uint8_t>(10 + y * 11 + x);
  const auto bytes = EncodeBmp(img);
  ASSERT_EQ(bytes.size(), 14u + 40 + 1024 + 12 * 3);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(U32(bytes, 2), bytes.size());
  EXPECT_EQ(U32(bytes, 10), 1078u);
  // The last row in the file is the picture's top row.
  EXPECT_EQ(bytes[1078 + 12 * 2], 10);
  EXPECT_EQ(bytes[1078], 10 + 22);
  // The program's loader accepts the resource form (without the file header).
  CDIB dib;
  ASSERT_TRUE(dib.LoadResourceBytes(std::span<const BYTE>(bytes.data() + 14, bytes.size() - 14)));
  EXPECT_EQ(dib.GetWidth(), 11);
  EXPECT_EQ(dib.GetHeight(), 3);
  EXPECT_EQ(*dib.PixelPtr(0, 0), 10);
  EXPECT_EQ(*dib.PixelPtr(10, 2), 10 + 22 + 10);
  const Rgb8 c = MasterPalette()[77];
  EXPECT_EQ(bytes[54 + 77 * 4], c.b);
  EXPECT_EQ(bytes[54 + 77 * 4 + 2], c.r);
}

TEST(Writers, WaveIsPcmMono16Bit22050Hz) {
  const std::vector<std::int16_t> samples = {0, 1000, -1000, 32767, -32768, 0};
  const auto bytes = EncodeWav(samples);
  ASSERT_EQ(bytes.size(), 44u + 12);
  EXPECT_EQ(std::memcmp(bytes.data(), "RIFF", 4), 0);
  EXPECT_EQ(U32(bytes, 4), bytes.size() - 8);
  EXPECT_EQ(std::memcmp(bytes.data() + 8, "WAVEfmt ", 8), 0);
  EXPECT_EQ(U32(bytes, 16), 16u);
  EXPECT_EQ(bytes[20] | (bytes[21] << 8), 1);
  EXPECT_EQ(bytes[22] | (bytes[23] << 8), 1);
  EXPECT_EQ(U32(bytes, 24), 22050u);
  EXPECT_EQ(U32(bytes, 28), 44100u);
  EXPECT_EQ(bytes[34] | (bytes[35] << 8), 16);
  EXPECT_EQ(std::memcmp(bytes.data() + 36, "data", 4), 0);
  EXPECT_EQ(U32(bytes, 40), 12u);
  EXPECT_EQ(static_cast<std::int16_t>(bytes[44 + 8] | (bytes[45 + 8] << 8)), -32768);
}

TEST(Writers, CursorRoundTripsThroughTheProgramsParserWithHotSpotInside) {
  Canvas c(4, 3, {}, 0.f);
  c.Set(1, 2, {255, 128, 0}, 1.f);
  c.Set(3, 0, {0, 0, 255}, 0.5f);
  CursorImage img;
  ASSERT_TRUE(CursorImage::Parse(EncodeQcur(c, 9, -2), &img));
  EXPECT_EQ(img.width, 4);
  EXPECT_EQ(img.height, 3);
  EXPECT_EQ(img.hotX, 3);  // clamped into the picture
  EXPECT_EQ(img.hotY, 0);
  EXPECT_EQ(img.argb[2 * 4 + 1], 0xFFFF8000u);
  EXPECT_EQ(img.argb[0 * 4 + 3] >> 24, 128u);
  EXPECT_EQ(img.argb[0], 0u);  // fully transparent pixels are all zero
}
