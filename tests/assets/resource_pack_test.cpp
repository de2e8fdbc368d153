// SPDX-License-Identifier: GPL-3.0-or-later
// The generated resources in the linked pack: every picture, cursor, icon and
// sound the program loads is there in the form its code expects.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "assets/art_catalogue.h"
#include "gfx/dib.h"
#include "platform/resources.h"

using namespace art_test;

namespace {

constexpr std::uint32_t kStatic[20] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0, 0xC0DCC0, 0xA6CAF0,
    0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

std::uint32_t Rgb(const RGBQUAD& q) {
  return (static_cast<std::uint32_t>(q.rgbRed) << 16) | (static_cast<std::uint32_t>(q.rgbGreen) << 8) | q.rgbBlue;
}

std::vector<UINT> AllPictureIds() {
  std::vector<UINT> ids;
  for (const auto& p : kPictures) ids.push_back(p.id);
  for (const auto& c : kCels) ids.push_back(c.id);
  return ids;
}

}  // namespace

TEST(ResourcePack, EveryPictureHasItsSizeAndIsAnUncompressed8BitPicture) {
  const ResourceTable table;
  for (const auto& want : kPictures) {
    SCOPED_TRACE(want.id);
    const auto pic = FindPicture(table, want.id);
    ASSERT_TRUE(pic.has_value());
    EXPECT_EQ(pic->width, want.width);
    EXPECT_EQ(pic->height, want.height);
    EXPECT_EQ(pic->compression, 0u);
  }
  for (const auto& want : kCels) {
    SCOPED_TRACE(want.id);
    const auto pic = FindPicture(table, want.id);
    ASSERT_TRUE(pic.has_value());
    EXPECT_EQ(pic->width, want.width);
    EXPECT_EQ(pic->height, want.height);
  }
}

TEST(ResourcePack, ThePicturesLoadIntoTheProgramsBitmaps) {
  const ResourceTable table;
  for (UINT id : AllPictureIds()) {
    SCOPED_TRACE(id);
    CDIB dib;
    ASSERT_TRUE(dib.LoadResourceBytes(table.Find(ResKind::Bitmap, id)));
    EXPECT_EQ(dib.GetColorCount(), 256);
  }
}

TEST(ResourcePack, EveryPictureCarriesTheOneMasterPalette) {
  const ResourceTable table;
  const auto first = FindPicture(table, 178);
  ASSERT_TRUE(first.has_value());
  // Static colours where the system keeps them.
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(Rgb(first->colors[i]), kStatic[i]) << i;
    EXPECT_EQ(Rgb(first->colors[246 + i]), kStatic[10 + i]) << 246 + i;
  }
  // Art colours are all different from each other and from the static ones,
  // so realising the palette maps them one to one.
  std::set<std::uint32_t> seen;
  for (int i = 0; i < 10; ++i) seen.insert(kStatic[i]);
  for (int i = 10; i < 20; ++i) seen.insert(kStatic[i]);
  for (int i = 10; i <= 245; ++i) EXPECT_TRUE(seen.insert(Rgb(first->colors[i])).second) << "entry " << i;
  for (UINT id : AllPictureIds()) {
    const auto pic = FindPicture(table, id);
    ASSERT_TRUE(pic.has_value()) << id;
    for (int i = 0; i < 256; ++i) ASSERT_EQ(Rgb(pic->colors[i]), Rgb(first->colors[i])) << "picture " << id << " entry " << i;
  }
}

TEST(ResourcePack, CursorsAndIconsAre32By32WithAVisibleHotSpot) {
  const ResourceTable table;
  auto check = [&](ResKind kind, UINT id) {
    SCOPED_TRACE(id);
    CursorImage img;
    ASSERT_TRUE(CursorImage::Parse(table.Find(kind, id), &img));
    EXPECT_EQ(img.width, 32);
    EXPECT_EQ(img.height, 32);
    int opaque = 0;
    for (std::uint32_t px : img.argb) opaque += (px >> 24) >= 128 ? 1 : 0;
    EXPECT_GT(opaque, 40);
    EXPECT_LT(opaque, 32 * 32);  // a shape, not a square
    if (kind == ResKind::Cursor) {
      // The hot spot is on or right next to a drawn pixel.
      bool near = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int x = img.hotX + dx, y = img.hotY + dy;
          if (x >= 0 && y >= 0 && x < 32 && y < 32 && (img.argb[static_cast<std::size_t>(y) * 32 + x] >> 24) >= 128) near = true;
        }
      EXPECT_TRUE(near);
    }
  };
  for (UINT id : kCursors) check(ResKind::Cursor, id);
  for (UINT id : kIcons) check(ResKind::Icon, id);
}

TEST(ResourcePack, ToolBarStripHasEightGlyphsOnTheButtonFace) {
  const ResourceTable table;
  const auto strip = FindPicture(table, 128);
  ASSERT_TRUE(strip.has_value());
  for (int i = 0; i < 8; ++i) {
    int drawn = 0, face = 0;
    for (int y = 0; y < 15; ++y)
      for (int x = 16 * i; x < 16 * i + 16; ++x) (Rgb(strip->ColorAt(x, y)) == 0xC0C0C0 ? face : drawn)++;
    EXPECT_GT(drawn, 20) << "glyph " << i;
    EXPECT_GT(face, 40) << "glyph " << i;
  }
}
