// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/display.h"

namespace {

PALETTEENTRY Pe(BYTE r, BYTE g, BYTE b, BYTE flags = 0) { return PALETTEENTRY{r, g, b, flags}; }

TEST(SystemPalette, HoldsTheTwentyStaticColoursAtBothEnds) {
  SystemPalette pal;
  EXPECT_EQ(pal.Lut()[0], 0x000000u);
  EXPECT_EQ(pal.Lut()[1], 0x800000u);
  EXPECT_EQ(pal.Lut()[8], 0xC0DCC0u);
  EXPECT_EQ(pal.Lut()[9], 0xA6CAF0u);
  EXPECT_EQ(pal.Lut()[246], 0xFFFBF0u);
  EXPECT_EQ(pal.Lut()[247], 0xA0A0A4u);
  EXPECT_EQ(pal.Lut()[249], 0xFF0000u);
  EXPECT_EQ(pal.Lut()[255], 0xFFFFFFu);
}

TEST(SystemPalette, RealisesInOrderCollapsingOntoStaticColoursUnlessTold) {
  SystemPalette pal;
  const std::vector<PALETTEENTRY> logical = {
      Pe(10, 20, 30), Pe(255, 0, 0), Pe(255, 0, 0, PC_NOCOLLAPSE), Pe(40, 50, 60), Pe(0, 0, 0)};
  std::array<BYTE, 5> map{};
  const unsigned before = pal.Generation();
  pal.RealizeForeground(logical, map);

  EXPECT_EQ(map, (std::array<BYTE, 5>{10, 249, 11, 12, 0}));
  EXPECT_EQ(pal.Lut()[10], 0x0A141Eu);
  EXPECT_EQ(pal.Lut()[11], 0xFF0000u);
  EXPECT_EQ(pal.Lut()[12], 0x28323Cu);
  EXPECT_NE(pal.Generation(), before);
}

TEST(SystemPalette, AFullLogicalPaletteFillsTheFreeEntriesAndTheRestMapToNearest) {
  SystemPalette pal;
  std::vector<PALETTEENTRY> logical;
  for (int i = 0; i < 256; ++i) logical.push_back(Pe(static_cast<BYTE>(i), 1, 2, PC_NOCOLLAPSE));
  std::vector<BYTE> map(256);
  pal.RealizeForeground(logical, map);
  EXPECT_EQ(map[0], 10);
  EXPECT_EQ(map[235], 245);
  EXPECT_EQ(pal.Entry(245).peRed, 235);
  EXPECT_EQ(map[240], 245);  // no room left: the nearest colour shown
  EXPECT_EQ(map[255], 249);
  EXPECT_EQ(pal.Entry(246).peRed, 255);  // static colours untouched
}

TEST(SystemPalette, NearestUsesSquaredDistanceAndTheFirstMinimumWins) {
  SystemPalette pal;
  EXPECT_EQ(pal.Nearest(250, 5, 5), 249);
  EXPECT_EQ(pal.Nearest(130, 130, 130), 248);
  // Black is at 0 and, realised again, at 10: the lower index wins.
  pal.RealizeForeground(std::vector<PALETTEENTRY>{Pe(0, 0, 0, PC_NOCOLLAPSE)});
  EXPECT_EQ(pal.Nearest(1, 1, 1), 0);
  // (64, 0, 0) is as far from black as from dark red (128, 0, 0): black comes first.
  EXPECT_EQ(pal.Nearest(64, 0, 0), 0);
}

TEST(SystemPalette, ResetFreesTheRealisedEntries) {
  SystemPalette pal;
  pal.RealizeForeground(std::vector<PALETTEENTRY>{Pe(10, 200, 30)});
  pal.Reset();
  EXPECT_EQ(pal.Lut()[10], 0u);
  EXPECT_EQ(pal.Nearest(10, 200, 30), 250);
}

TEST(DisplayCaps, FromBitsGivesTheThreeKindsOfDisplay) {
  EXPECT_FALSE(DisplayCaps::FromBits(4).paletteDevice);
  EXPECT_EQ(DisplayCaps::FromBits(4).numColors, 16);
  EXPECT_TRUE(DisplayCaps::FromBits(8).paletteDevice);
  EXPECT_EQ(DisplayCaps::FromBits(8).sizePalette, 256);
  EXPECT_EQ(DisplayCaps::FromBits(32).numColors, -1);
  EXPECT_EQ(DisplayCaps::FromBits(24).bitsPerPixel, 24);
}

}  // namespace
