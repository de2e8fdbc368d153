// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "gfx/bitmap_builder.h"
#include "gfx/palette.h"
#include "platform/display.h"

using namespace gfxtest;

TEST(Palette, NearestIndexUsesSquaredDistanceAndFirstMinimum) {
  const PALETTEENTRY entries[] = {{10, 10, 10, 0}, {0, 0, 200, 0}, {20, 20, 20, 0}, {0, 0, 200, 0}};
  CPalette pal;
  ASSERT_TRUE(pal.CreatePalette(entries));
  EXPECT_EQ(pal.GetNearestPaletteIndex(RGB(15, 15, 15)), 0u);  // tie between 0 and 2: first wins
  EXPECT_EQ(pal.GetNearestPaletteIndex(RGB(0, 0, 255)), 1u);   // duplicates: first wins
  EXPECT_EQ(pal.GetNearestPaletteIndex(RGB(19, 19, 19)), 2u);
  CPalette empty;
  EXPECT_EQ(empty.GetNearestPaletteIndex(RGB(1, 2, 3)), CLR_INVALID);
  EXPECT_FALSE(empty.CreatePalette({}));
}

TEST(Palette, EntryAccessStaysInsideThePalette) {
  const PALETTEENTRY entries[] = {{1, 0, 0, 0}, {2, 0, 0, 0}, {3, 0, 0, 0}};
  CPalette pal;
  ASSERT_TRUE(pal.CreatePalette(entries));
  PALETTEENTRY out[8]{};
  EXPECT_EQ(pal.GetPaletteEntries(1, out), 2u);
  EXPECT_EQ(out[1].peRed, 3);
  EXPECT_EQ(pal.GetPaletteEntries(3, out), 0u);
  const PALETTEENTRY in[] = {{9, 0, 0, 0}, {8, 0, 0, 0}, {7, 0, 0, 0}};
  EXPECT_EQ(pal.SetPaletteEntries(2, in), 1u);
  EXPECT_EQ(pal.Entries()[2].peRed, 9);
  EXPECT_FALSE(pal.ResizePalette(257));
  EXPECT_TRUE(pal.ResizePalette(256));
  EXPECT_EQ(pal.GetEntryCount(), 256);
}

TEST(DibPal, CreateTakesOneEntryPerColour) {
  const TestResources table({{ResKind::Bitmap, 1, ResourceBitmap({.colorsUsed = 40})}});
  CDIB dib;
  ASSERT_TRUE(dib.Load(1, table.get()));
  CDIBPal pal;
  ASSERT_TRUE(pal.Create(&dib));
  ASSERT_EQ(pal.GetEntryCount(), 40);
  EXPECT_EQ(pal.Entries()[39].peBlue, 39);
  EXPECT_EQ(pal.Entries()[39].peGreen, 216);
  EXPECT_EQ(pal.Entries()[39].peRed, 19);
  EXPECT_EQ(pal.Entries()[39].peFlags, 0);
  EXPECT_FALSE(pal.Create(nullptr));
}

TEST(DibPal, IdentityPaletteCopiesTheSystemPaletteWithFlags) {
  CDIB dib;  // grey ramp
  CDIBPal pal;
  ASSERT_TRUE(pal.Create(&dib));
  SystemPalette system;
  ASSERT_TRUE(pal.MakeIdentity(system, DisplayCaps::Palette8()));
  ASSERT_EQ(pal.GetEntryCount(), 256);
  for (int i = 0; i < 256; ++i) {
    const PALETTEENTRY& e = pal.Entries()[static_cast<std::size_t>(i)];
    const BYTE wantFlags = (i >= 10 && i <= 245) ? PC_NOCOLLAPSE : 0;
    EXPECT_EQ(e.peFlags, wantFlags) << i;
    EXPECT_EQ(e.peRed, system.Entry(i).peRed) << i;
    EXPECT_EQ(e.peBlue, system.Entry(i).peBlue) << i;
  }
  // Black and white are static colours; the ramp's greys fill the free entries in order.
  EXPECT_EQ(pal.Entries()[0].peRed, 0);
  EXPECT_EQ(pal.Entries()[255].peRed, 255);
  EXPECT_EQ(pal.Entries()[10].peRed, 1);
  // Realising the identity palette again changes nothing and maps every index to itself.
  BYTE mapping[256];
  EXPECT_EQ(system.RealizeForeground(pal.Entries(), mapping), 0);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(mapping[i], i) << i;
}

TEST(DibPal, IdentityDoesNothingWithoutAPaletteDisplay) {
  CDIB dib;
  CDIBPal pal;
  ASSERT_TRUE(pal.Create(&dib));
  SystemPalette system;
  const unsigned generation = system.Generation();
  EXPECT_FALSE(pal.MakeIdentity(system, DisplayCaps::TrueColor()));
  EXPECT_FALSE(pal.MakeIdentity(system, DisplayCaps::Colors16()));
  EXPECT_EQ(system.Generation(), generation);
  EXPECT_EQ(pal.Entries()[10].peRed, 10);
  EXPECT_EQ(pal.Entries()[10].peFlags, 0);
}
