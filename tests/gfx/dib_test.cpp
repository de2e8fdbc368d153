// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gfx/bitmap_builder.h"
#include "gfx/dib.h"
#include "gfx/palette.h"
#include "platform/resources.h"

using namespace gfxtest;

namespace {

// Snapshot of an image's size and bytes, to show that a failed call left it alone.
struct Snapshot {
  int width, height;
  std::vector<BYTE> bits;
  explicit Snapshot(const CDIB& d)
      : width(d.GetWidth()), height(d.GetHeight()), bits(d.GetBits(), d.GetBits() + d.GetImageSize()) {}
  bool Same(const CDIB& d) const {
    return width == d.GetWidth() && height == d.GetHeight() && d.GetImageSize() == bits.size() &&
           std::memcmp(bits.data(), d.GetBits(), bits.size()) == 0;
  }
};

}  // namespace

TEST(Dib, NewImageIsSixteenSquareGreyRamp) {
  CDIB dib;
  EXPECT_EQ(dib.GetWidth(), 16);
  EXPECT_EQ(dib.GetHeight(), 16);
  EXPECT_TRUE(dib.OwnsBits());
  ASSERT_EQ(dib.GetColors().size(), 256u);
  for (int i = 0; i < 256; ++i) {
    const RGBQUAD& c = dib.GetColors()[static_cast<std::size_t>(i)];
    EXPECT_EQ(c.rgbRed, i);
    EXPECT_EQ(c.rgbGreen, i);
    EXPECT_EQ(c.rgbBlue, i);
    EXPECT_EQ(c.rgbReserved, 0);
  }
  EXPECT_EQ(dib.GetColorCount(), 256);
}

TEST(Dib, CreatePadsRowsToFourBytes) {
  CDIB dib;
  ASSERT_TRUE(dib.Create(10, 3));
  EXPECT_EQ(dib.GetStride(), 12);
  EXPECT_EQ(dib.GetImageSize(), 36u);
  EXPECT_EQ(dib.GetHeader()->biBitCount, 8);
  EXPECT_EQ(dib.GetHeader()->biPlanes, 1);
  CRect r;
  dib.GetRect(&r);
  EXPECT_EQ(r, CRect(0, 0, 10, 3));
}

TEST(Dib, CreateRefusesImpossibleSizesAndKeepsTheImage) {
  CDIB dib;
  ASSERT_TRUE(dib.Create(7, 5));
  for (auto [w, h] : {std::pair{0, 5}, {7, 0}, {-1, 5}, {kMaxDibDimension + 1, 1}, {1, kMaxDibDimension + 1}}) {
    EXPECT_FALSE(dib.Create(w, h)) << w << "x" << h;
    EXPECT_EQ(dib.GetWidth(), 7);
    EXPECT_EQ(dib.GetHeight(), 5);
  }
}

TEST(Dib, PixelPtrAddressesRowsBottomUp) {
  CDIB dib;
  ASSERT_TRUE(dib.Create(10, 3));
  EXPECT_EQ(dib.PixelPtr(0, 0), dib.GetBits() + 2 * 12);
  EXPECT_EQ(dib.PixelPtr(9, 2), dib.GetBits() + 9);
  EXPECT_EQ(dib.PixelPtr(10, 0), nullptr);
  EXPECT_EQ(dib.PixelPtr(0, 3), nullptr);
  EXPECT_EQ(dib.PixelPtr(-1, 0), nullptr);
  EXPECT_EQ(dib.PixelPtr(0, -1), nullptr);
}

TEST(Dib, LoadsResourceAndTurnsItUpright) {
  for (int height : {3, -3}) {
    const TestResources table({{ResKind::Bitmap, 7, ResourceBitmap({.width = 5, .height = height})}});
    CDIB dib;
    ASSERT_TRUE(dib.Load(7, table.get())) << height;
    EXPECT_EQ(dib.GetWidth(), 5);
    EXPECT_EQ(dib.GetHeight(), 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) EXPECT_EQ(*dib.PixelPtr(x, y), PatternPixel(x, y)) << x << "," << y;
    EXPECT_EQ(dib.GetColors()[10].rgbBlue, 10);
    EXPECT_EQ(dib.GetColors()[10].rgbGreen, 245);
  }
}

TEST(Dib, ResourceWithImageSizeZeroTakesStrideTimesHeight) {
  const TestResources table({{ResKind::Bitmap, 1, ResourceBitmap({.width = 6, .height = 4, .imageSize = 0})}});
  CDIB dib;
  ASSERT_TRUE(dib.Load(1, table.get()));
  EXPECT_EQ(dib.GetImageSize(), 8u * 4u);
  EXPECT_EQ(*dib.PixelPtr(5, 3), PatternPixel(5, 3));
}

TEST(Dib, RefusedResourcesKeepThePreviousImage) {
  std::vector<BYTE> truncated = ResourceBitmap({.width = 8, .height = 8});
  truncated.resize(truncated.size() - 1);
  std::vector<BYTE> noTable = ResourceBitmap({.width = 2, .height = 2});
  noTable.resize(1000);
  const TestResources table({
      {ResKind::Bitmap, 1, ResourceBitmap({.width = 4, .height = 4, .bitCount = 4})},
      {ResKind::Bitmap, 2, ResourceBitmap({.width = 4, .height = 4, .compression = 1})},
      {ResKind::Bitmap, 3, ResourceBitmap({.width = 4, .height = 4, .headerSize = 12})},
      {ResKind::Bitmap, 4, truncated},
      {ResKind::Bitmap, 5, noTable},
      {ResKind::Bitmap, 6, ResourceBitmap({.width = 4, .height = 4, .colorsUsed = 300})},
      {ResKind::Wave, 8, ResourceBitmap({.width = 4, .height = 4})},
  });
  CDIB dib;
  ASSERT_TRUE(dib.Create(3, 2));
  *dib.PixelPtr(1, 1) = 42;
  const Snapshot before(dib);
  for (UINT id : {1u, 2u, 3u, 4u, 5u, 6u, 8u, 99u}) {
    EXPECT_FALSE(dib.Load(id, table.get())) << id;
    EXPECT_TRUE(before.Same(dib)) << id;
  }
}

TEST(Dib, OpaqueBlitCopiesEveryIndexIncluding255) {
  auto src = SolidImage(4, 4, 255);
  *src->PixelPtr(1, 1) = 9;
  auto dst = SolidImage(8, 8, 3);
  src->BlitTo(dst.get(), 2, 3, 3, 2, 0, 0, kNoKey);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool inside = x >= 2 && x < 5 && y >= 3 && y < 5;
      const BYTE want = !inside ? 3 : (x == 3 && y == 4) ? 9 : 255;
      EXPECT_EQ(*dst->PixelPtr(x, y), want) << x << "," << y;
    }
  }
}

TEST(Dib, KeyedBlitSkipsOnlyTheKeyIndex) {
  auto src = SolidImage(3, 3, 255);
  *src->PixelPtr(1, 1) = 0;
  *src->PixelPtr(2, 2) = 7;
  auto dst = SolidImage(3, 3, 50);
  src->BlitTo(dst.get(), 0, 0, 3, 3, 0, 0, PALETTEINDEX(255));
  EXPECT_EQ(*dst->PixelPtr(0, 0), 50);
  EXPECT_EQ(*dst->PixelPtr(1, 1), 0);
  EXPECT_EQ(*dst->PixelPtr(2, 2), 7);
  // Only the low byte of the key counts.
  auto dst2 = SolidImage(3, 3, 50);
  src->BlitTo(dst2.get(), 0, 0, 3, 3, 0, 0, 0x00ABCD07);
  EXPECT_EQ(*dst2->PixelPtr(2, 2), 50);
  EXPECT_EQ(*dst2->PixelPtr(0, 0), 255);
}

TEST(Dib, BlitOutsideEitherImageDrawsNothing) {
  auto src = SolidImage(4, 4, 1);
  auto dst = SolidImage(4, 4, 2);
  const Snapshot before(*dst);
  src->BlitTo(dst.get(), 2, 0, 3, 1, 0, 0, kNoKey);   // past the destination's right
  src->BlitTo(dst.get(), 0, -1, 1, 1, 0, 0, kNoKey);  // above it
  src->BlitTo(dst.get(), 0, 0, 1, 2, 0, 3, kNoKey);   // past the source's bottom
  src->BlitTo(dst.get(), 0, 0, 0, 4, 0, 0, kNoKey);   // empty
  src->BlitTo(nullptr, 0, 0, 1, 1, 0, 0, kNoKey);
  EXPECT_TRUE(before.Same(*dst));
}

TEST(Dib, BlitWithinOneImageHandlesOverlap) {
  CDIB dib;
  ASSERT_TRUE(dib.Create(6, 6));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) *dib.PixelPtr(x, y) = PatternPixel(x, y);
  dib.BlitTo(&dib, 1, 1, 4, 4, 0, 0, kNoKey);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(*dib.PixelPtr(x + 1, y + 1), PatternPixel(x, y));
}

TEST(Dib, ColourCountFollowsBitCountAndColoursUsed) {
  auto load = [](const InfoSpec& s) {
    const TestResources table({{ResKind::Bitmap, 1, ResourceBitmap(s)}});
    CDIB dib;
    EXPECT_TRUE(dib.Load(1, table.get()));
    return dib.GetColorCount();
  };
  EXPECT_EQ(load({.colorsUsed = 0}), 256);
  EXPECT_EQ(load({.colorsUsed = 236}), 236);
}

TEST(Dib, RemapMakesEveryPixelAPaletteIndex) {
  CDIB dib;
  ASSERT_TRUE(dib.Create(5, 2));  // grey ramp: index i is (i, i, i)
  for (int x = 0; x < 5; ++x) {
    *dib.PixelPtr(x, 0) = static_cast<BYTE>(x * 60);
    *dib.PixelPtr(x, 1) = 200;
  }
  const PALETTEENTRY entries[] = {{0, 0, 0, 0}, {100, 100, 100, 0}, {250, 250, 250, 0}};
  CPalette pal;
  ASSERT_TRUE(pal.CreatePalette(entries));
  ASSERT_TRUE(dib.RemapToPalette(&pal));
  const BYTE want[] = {0, 1, 1, 2, 2};  // 0, 60, 120, 180, 240
  for (int x = 0; x < 5; ++x) EXPECT_EQ(*dib.PixelPtr(x, 0), want[x]) << x;
  EXPECT_EQ(*dib.PixelPtr(0, 1), 2);
  // Padding bytes go through the same table and stay valid indices.
  for (std::size_t i = 0; i < dib.GetImageSize(); ++i) EXPECT_LT(dib.GetBits()[i], 3);
  EXPECT_EQ(dib.GetHeader()->biClrUsed, 256u);
  EXPECT_EQ(dib.GetColors()[1].rgbRed, 100);
  EXPECT_EQ(dib.GetColors()[2].rgbGreen, 250);
  EXPECT_FALSE(dib.RemapToPalette(nullptr));
}

TEST(Dib, AttachUsesOutsidePixelsWithoutOwningThem) {
  std::vector<BYTE> pixels(8 * 2, 0);
  auto model = SolidImage(6, 2, 0);
  CDIB dib;
  ASSERT_TRUE(dib.Attach(*model->GetHeader(), model->GetColors(), pixels.data()));
  EXPECT_FALSE(dib.OwnsBits());
  *dib.PixelPtr(5, 0) = 77;
  EXPECT_EQ(pixels[8 + 5], 77);
  BITMAPINFOHEADER bad = *model->GetHeader();
  bad.biWidth = 0;
  EXPECT_FALSE(dib.Attach(bad, model->GetColors(), pixels.data()));
  EXPECT_FALSE(dib.Attach(*model->GetHeader(), model->GetColors(), nullptr));
  EXPECT_EQ(dib.GetWidth(), 6);
}
