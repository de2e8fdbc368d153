// SPDX-License-Identifier: GPL-3.0-or-later
// The view's colours: a palette display shows the playfield's own colours,
// a true-colour one shows them without remapping, and a foreign palette is
// replaced before the next blit.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "gfx/bitmap_builder.h"
#include "view_composition_support.h"

using namespace gfxtest;
using namespace viewtest;

TEST(ViewComposition, PaletteDisplayShowsThePlayfieldsOwnColours) {
  std::mt19937 rng(7);
  Fixture f;
  auto bg = RandomPlayfield(rng);
  std::vector<RGBQUAD> original(bg->GetColors().begin(), bg->GetColors().end());
  std::vector<BYTE> before(bg->GetBits(), bg->GetBits() + bg->GetImageSize());
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  ASSERT_NE(f.view.m_pPalette, nullptr);
  ASSERT_NE(f.view.m_pFrameInfo, nullptr);
  EXPECT_EQ(f.view.m_pFrameInfo->header.biClrUsed, 0u);
  EXPECT_EQ(f.view.m_pFrameInfo->indices[200], 200);
  EXPECT_EQ(f.view.m_pOffscreen->GetWidth(), kW);
  for (int y = 0; y < kH - 1; y += 3) {
    for (int x = 0; x < kW - 1; x += 5) {
      const BYTE was = before[static_cast<std::size_t>((kH - 1 - y) * bg->GetStride() + x)];
      const RGBQUAD& c = original[was];
      ASSERT_EQ(f.Window(x, y), ToPixel(c.rgbRed, c.rgbGreen, c.rgbBlue)) << x << "," << y;
    }
  }
}

TEST(ViewComposition, TrueColourDisplayShowsColoursWithoutRemapping) {
  std::mt19937 rng(8);
  Fixture f(DisplayCaps::TrueColor());
  auto bg = RandomPlayfield(rng);
  std::vector<BYTE> before(bg->GetBits(), bg->GetBits() + bg->GetImageSize());
  auto cel = SolidImage(5, 5, 77);
  *cel->PixelPtr(0, 0) = 3;
  cel->GetColors()[77] = RGBQUAD{1, 2, 3, 0};
  f.sprites.Insert(SpriteWith(std::move(cel), 100, 100, 0));
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  f.view.RemapAllSprites();
  EXPECT_EQ(std::vector<BYTE>(bg->GetBits(), bg->GetBits() + bg->GetImageSize()), before);
  const RGBQUAD& c = bg->GetColors()[*bg->PixelPtr(50, 60)];
  EXPECT_EQ(f.Window(50, 60), ToPixel(c.rgbRed, c.rgbGreen, c.rgbBlue));
  // Sprite pixels show through the playfield's colours: the cels share its palette.
  const RGBQUAD& ink = bg->GetColors()[77];
  EXPECT_EQ(f.Window(102, 102), ToPixel(ink.rgbRed, ink.rgbGreen, ink.rgbBlue));
}

TEST(ViewComposition, ForeignPaletteIsReplacedBeforeTheNextBlit) {
  std::mt19937 rng(14);
  Fixture f;
  auto bg = RandomPlayfield(rng);
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  const std::uint32_t shown = f.Window(100, 100);
  // Another window (the splash) realises a palette of its own.
  std::vector<PALETTEENTRY> other(236, PALETTEENTRY{1, 2, 3, PC_NOCOLLAPSE});
  f.host.Palette().RealizeForeground(other);
  f.view.BlitRect(nullptr);
  EXPECT_EQ(f.Window(100, 100), shown);
}
