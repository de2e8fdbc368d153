// SPDX-License-Identifier: GPL-3.0-or-later
// Reading .bmp files from outside: every malformed file is refused without
// reading past its end, and the picture loaded before stays as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/bitmap_builder.h"
#include "gfx/dib.h"
#include "gfx/file_stream.h"

using namespace gfxtest;

namespace {

BOOL LoadBytes(CDIB& dib, const std::vector<BYTE>& bytes) {
  CMemFile file(bytes);
  return dib.Load(&file);
}

void ExpectPattern(const CDIB& dib, int w, int h) {
  ASSERT_EQ(dib.GetWidth(), w);
  ASSERT_EQ(dib.GetHeight(), h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) ASSERT_EQ(*dib.PixelPtr(x, y), PatternPixel(x, y)) << x << "," << y;
}

// An image that a refused load must leave exactly as it is.
std::unique_ptr<CDIB> Sentinel() {
  auto dib = SolidImage(3, 2, 99);
  return dib;
}

bool StillSentinel(const CDIB& dib) {
  if (dib.GetWidth() != 3 || dib.GetHeight() != 2) return false;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      if (*dib.PixelPtr(x, y) != 99) return false;
  return true;
}

}  // namespace

TEST(BmpFile, LoadsInfoHeaderFile) {
  CDIB dib;
  ASSERT_TRUE(LoadBytes(dib, BmpFile({.width = 7, .height = 5})));
  ExpectPattern(dib, 7, 5);
  EXPECT_EQ(dib.GetHeader()->biSize, 40u);
  EXPECT_EQ(dib.GetColors()[200].rgbBlue, 200);
  EXPECT_EQ(dib.GetColors()[200].rgbRed, 100);
}

TEST(BmpFile, LoadsFromTheStreamsCurrentPosition) {
  std::vector<BYTE> bytes(37, 0xAB);
  const std::vector<BYTE> bmp = BmpFile({.width = 3, .height = 3});
  bytes.insert(bytes.end(), bmp.begin(), bmp.end());
  CMemFile file(bytes);
  ASSERT_EQ(file.Seek(37, CFile::begin), 37);
  CDIB dib;
  ASSERT_TRUE(dib.Load(&file));
  ExpectPattern(dib, 3, 3);
}

TEST(BmpFile, LoadsCoreHeaderFileWithThreeByteColours) {
  CDIB dib;
  ASSERT_TRUE(LoadBytes(dib, CoreBmpFile(6, 4)));
  ExpectPattern(dib, 6, 4);
  EXPECT_EQ(dib.GetHeader()->biSize, 40u);
  EXPECT_EQ(dib.GetColors()[3].rgbBlue, 3);
  EXPECT_EQ(dib.GetColors()[3].rgbGreen, 252);
  EXPECT_EQ(dib.GetColors()[3].rgbReserved, 0);
}

TEST(BmpFile, LoadsNewerHeadersAndTopDownRows) {
  for (std::uint32_t headerSize : {108u, 124u}) {
    CDIB dib;
    ASSERT_TRUE(LoadBytes(dib, BmpFile({.width = 5, .height = 4, .headerSize = headerSize}))) << headerSize;
    ExpectPattern(dib, 5, 4);
  }
  CDIB topDown;
  ASSERT_TRUE(LoadBytes(topDown, BmpFile({.width = 5, .height = -4})));
  ExpectPattern(topDown, 5, 4);
}

TEST(BmpFile, ShortColourTableIsReadAsFarAsItGoes) {
  // 16 colours declared and stored: the pixels follow right after them.
  CDIB dib;
  ASSERT_TRUE(LoadBytes(dib, BmpFile({.width = 4, .height = 2, .colorsUsed = 16}, 16)));
  EXPECT_EQ(dib.GetColorCount(), 16);
  ExpectPattern(dib, 4, 2);
  // None declared, but only 16 stored before the pixels: only those are colours.
  CDIB fewer;
  ASSERT_TRUE(LoadBytes(fewer, BmpFile({.width = 4, .height = 2}, 16)));
  EXPECT_EQ(fewer.GetColorCount(), 16);
  ExpectPattern(fewer, 4, 2);
}

TEST(BmpFile, MalformedFilesAreRefusedAndKeepThePicture) {
  const std::vector<BYTE> good = BmpFile({.width = 8, .height = 8});
  std::vector<std::pair<std::string, std::vector<BYTE>>> cases;
  auto add = [&](std::string name, std::vector<BYTE> bytes) { cases.emplace_back(std::move(name), std::move(bytes)); };

  add("empty", {});
  add("only file header", std::vector<BYTE>(good.begin(), good.begin() + 14));
  add("truncated header", std::vector<BYTE>(good.begin(), good.begin() + 30));
  add("truncated pixels", std::vector<BYTE>(good.begin(), good.end() - 1));
  add("truncated colour table", std::vector<BYTE>(good.begin(), good.begin() + 54 + 100));
  auto badMagic = good;
  badMagic[0] = 'M';
  add("wrong magic", badMagic);
  auto offsetPastEnd = good;
  Set32(offsetPastEnd, 10, static_cast<std::uint32_t>(good.size() + 10));
  add("pixel offset past end", offsetPastEnd);
  auto offsetHuge = good;
  Set32(offsetHuge, 10, 0xFFFFFFF0u);
  add("pixel offset near 4 GiB", offsetHuge);
  auto offsetInHeader = good;
  Set32(offsetInHeader, 10, 20);
  add("pixel offset inside header", offsetInHeader);
  auto offsetNoTable = good;
  Set32(offsetNoTable, 10, 54);
  add("no room for colours", offsetNoTable);
  add("huge width", BmpFile({.width = kMaxDibDimension + 1, .height = 1}));
  auto claimsHuge = good;
  Set32(claimsHuge, 18, 0x7FFFFFFF);
  Set32(claimsHuge, 22, 0x7FFFFFFF);
  add("claims 2^31 squared", claimsHuge);
  auto minHeight = good;
  Set32(minHeight, 22, 0x80000000u);
  add("most negative height", minHeight);
  add("zero width", BmpFile({.width = 0, .height = 4}));
  add("zero height", BmpFile({.width = 4, .height = 0}));
  add("4-bit", BmpFile({.width = 4, .height = 4, .bitCount = 4}));
  add("24-bit", BmpFile({.width = 4, .height = 4, .bitCount = 24}, 0));
  add("RLE8", BmpFile({.width = 4, .height = 4, .compression = 1}));
  add("more than 256 colours", BmpFile({.width = 4, .height = 4, .colorsUsed = 257}));
  add("unknown header size", BmpFile({.width = 4, .height = 4, .headerSize = 64}));
  auto coreShort = CoreBmpFile(4, 4);
  coreShort.resize(coreShort.size() - 3);
  add("core header truncated", coreShort);
  auto core4 = CoreBmpFile(4, 4);
  core4[24] = 4;
  add("core header 4-bit", core4);

  for (const auto& [name, bytes] : cases) {
    auto dib = Sentinel();
    EXPECT_FALSE(LoadBytes(*dib, bytes)) << name;
    EXPECT_TRUE(StillSentinel(*dib)) << name;
  }
}

TEST(BmpFile, NullStreamIsRefused) {
  auto dib = Sentinel();
  EXPECT_FALSE(dib->Load(static_cast<CFile*>(nullptr)));
  EXPECT_TRUE(StillSentinel(*dib));
}

TEST(BmpFile, ReadsFromDiskThroughCFile) {
  const auto path = std::filesystem::temp_directory_path() / "quintaro_gfx_disk_test.bmp";
  const std::vector<BYTE> bytes = BmpFile({.width = 9, .height = 2});
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  CFile file;
  ASSERT_TRUE(file.Open(path));
  EXPECT_EQ(file.GetLength(), static_cast<std::int64_t>(bytes.size()));
  CDIB dib;
  EXPECT_TRUE(dib.Load(&file));
  ExpectPattern(dib, 9, 2);
  file.Close();
  std::filesystem::remove(path);
  CFile missing;
  EXPECT_FALSE(missing.Open(path));
  EXPECT_FALSE(dib.Load(&missing));
  ExpectPattern(dib, 9, 2);
}

// Files kept from fuzzing and hand-made breakages: names starting with
// "good_" hold a loadable picture, every other file must be refused.
TEST(BmpFile, RegressionFiles) {
  const std::filesystem::path dir = std::filesystem::path(QUINTARO_TEST_DATA) / "bitmaps";
  int seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<BYTE> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string name = entry.path().filename().string();
    auto dib = Sentinel();
    const bool loaded = LoadBytes(*dib, bytes) != FALSE;
    const bool good = name.rfind("good_", 0) == 0;
    EXPECT_EQ(loaded, good) << name;
    if (!loaded) {
      EXPECT_TRUE(StillSentinel(*dib)) << name;
    } else {
      // A loaded picture is whole: every pixel can be read.
      unsigned sum = 0;
      for (std::size_t i = 0; i < dib->GetImageSize(); ++i) sum += dib->GetBits()[i];
      EXPECT_GE(sum, 0u);
    }
    ++seen;
  }
  EXPECT_GT(seen, 0);
}
