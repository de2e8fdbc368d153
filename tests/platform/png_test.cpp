// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/png.h"

namespace fs = std::filesystem;

namespace {

std::uint32_t Be32(const std::vector<unsigned char>& b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

TEST(Png, WritesAPictureThatDecodesToTheSamePixels) {
  Surface32 img(3, 2, 0);
  img.View().Row(0)[0] = 0xFF0000;
  img.View().Row(0)[2] = 0x00FF00;
  img.View().Row(1)[1] = 0x0000FF;
  const fs::path file = fs::temp_directory_path() / "quintaro-png-test.png";
  ASSERT_TRUE(SavePng(file, img));

  std::ifstream in(file, std::ios::binary);
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  fs::remove(file);
  ASSERT_GT(b.size(), 33u);
  EXPECT_EQ(std::vector<unsigned char>(b.begin(), b.begin() + 8),
            (std::vector<unsigned char>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  EXPECT_EQ(Be32(b, 16), 3u);  // IHDR width
  EXPECT_EQ(Be32(b, 20), 2u);  // height

  // Check every chunk's CRC and inflate the image data.
  std::vector<unsigned char> idat;
  for (std::size_t at = 8; at + 12 <= b.size();) {
    const std::uint32_t len = Be32(b, at);
    ASSERT_LE(at + 12 + len, b.size());
    const uLong crc = crc32(crc32(0, Z_NULL, 0), b.data() + at + 4, 4 + len);
    EXPECT_EQ(Be32(b, at + 8 + len), crc);
    if (std::equal(b.begin() + static_cast<long>(at) + 4, b.begin() + static_cast<long>(at) + 8, "IDAT"))
      idat.insert(idat.end(), b.begin() + static_cast<long>(at) + 8, b.begin() + static_cast<long>(at + 8 + len));
    at += 12 + len;
  }
  std::vector<unsigned char> raw(2 * (1 + 3 * 3));
  uLongf rawLen = raw.size();
  ASSERT_EQ(uncompress(raw.data(), &rawLen, idat.data(), idat.size()), Z_OK);
  ASSERT_EQ(rawLen, raw.size());
  EXPECT_EQ(std::vector<unsigned char>(raw.begin(), raw.begin() + 10),
            (std::vector<unsigned char>{0, 255, 0, 0, 0, 0, 0, 0, 255, 0}));
  EXPECT_EQ(raw[10 + 1 + 3 + 2], 255);
}

TEST(Png, FailsCleanlyForAnEmptyImageOrAnUnwritablePath) {
  EXPECT_FALSE(SavePng(fs::temp_directory_path() / "quintaro-empty.png", Surface32()));
  EXPECT_FALSE(SavePng("/nonexistent-dir/x.png", Surface32(1, 1)));
}

}  // namespace
