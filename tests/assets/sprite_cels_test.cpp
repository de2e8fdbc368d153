// SPDX-License-Identifier: GPL-3.0-or-later
// Sprite cels: the key colour in the top-left pixel marks the transparent
// pixels and nothing else, and each dart's point is where the game expects it.
#include <gtest/gtest.h>

#include <set>

#include "assets/art_catalogue.h"

using namespace art_test;

namespace {

std::uint32_t Rgb(const RGBQUAD& q) {
  return (static_cast<std::uint32_t>(q.rgbRed) << 16) | (static_cast<std::uint32_t>(q.rgbGreen) << 8) | q.rgbBlue;
}

}  // namespace

TEST(SpriteCels, KeyColourIsUsedByNoOpaquePixelEvenAfterRemapping) {
  const ResourceTable table;
  for (const auto& want : kCels) {
    SCOPED_TRACE(want.id);
    const auto cel = FindPicture(table, want.id);
    ASSERT_TRUE(cel.has_value());
    const BYTE key = cel->At(0, 0);
    const std::uint32_t keyRgb = Rgb(cel->colors[key]);
    int opaque = 0;
    for (int y = 0; y < cel->height; ++y)
      for (int x = 0; x < cel->width; ++x) {
        const BYTE v = cel->At(x, y);
        if (v == key) continue;
        ++opaque;
        // Remapping to a palette matches by colour, so an opaque pixel must
        // not share the key's colour through another index either.
        ASSERT_NE(Rgb(cel->colors[v]), keyRgb) << "pixel " << x << "," << y;
      }
    EXPECT_GT(opaque, cel->width * cel->height / 10);
    EXPECT_LT(opaque, cel->width * cel->height * 9 / 10);
  }
}

TEST(SpriteCels, DartPointsSitOnTheHotSpotsAndCelsHaveTransparentCorners) {
  const ResourceTable table;
  for (const auto& want : kCels) {
    SCOPED_TRACE(want.id);
    const auto cel = FindPicture(table, want.id);
    ASSERT_TRUE(cel.has_value());
    const BYTE key = cel->At(0, 0);
    EXPECT_NE(cel->At(want.tipX, want.tipY), key) << "the point is drawn on the hot spot";
    // Each corner away from the point is see-through: the dart is a shape.
    const int corners[4][2] = {{0, 0}, {cel->width - 1, 0}, {0, cel->height - 1}, {cel->width - 1, cel->height - 1}};
    for (const auto& c : corners) {
      if (std::abs(c[0] - want.tipX) <= 1 && std::abs(c[1] - want.tipY) <= 2) continue;
      if (c[0] == 0 && c[1] == 0) continue;
      // Flights may touch the far corners of the narrow cels; the point's
      // neighbourhood is what matters for the board.
      if (want.width == 11) continue;
      EXPECT_EQ(cel->At(c[0], c[1]), key) << "corner " << c[0] << "," << c[1];
    }
  }
}

TEST(SpriteCels, TrayDartsAreTheFourPlayersColours) {
  const ResourceTable table;
  // Players 0..3: blue, red, yellow, green; judge the flight's dominant hue.
  for (int p = 0; p < darts::kSeats; ++p) {
    const auto cel = FindPicture(table, darts::kTrayBitmaps[static_cast<std::size_t>(p)]);
    ASSERT_TRUE(cel.has_value());
    long r = 0, g = 0, b = 0;
    for (int y = 34; y < 46; ++y)
      for (int x = 0; x < 11; ++x) {
        if (cel->At(x, y) == cel->At(0, 0)) continue;
        const RGBQUAD q = cel->ColorAt(x, y);
        r += q.rgbRed;
        g += q.rgbGreen;
        b += q.rgbBlue;
      }
    switch (p) {
      case 0: EXPECT_GT(b, r + g / 2) << "blue"; break;
      case 1: EXPECT_GT(r, 2 * g) << "red"; EXPECT_GT(r, 2 * b); break;
      case 2: EXPECT_GT(r, 2 * b) << "yellow"; EXPECT_GT(g, 2 * b); break;
      case 3: EXPECT_GT(g, r + b / 2) << "green"; break;
    }
  }
}
