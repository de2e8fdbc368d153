// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a picture straight onto the window (the splash screen).
#include <gtest/gtest.h>

#include "gfx/dib.h"
#include "platform/dc.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"

namespace {

constexpr std::uint32_t kSentinel = 0x00123456;

void DrawSample(Host& host) {
  host.SetLayout(100, 80, CRect(0, 0, 100, 80), CRect());
  SurfaceView v = host.DrawOnWholeSurface();
  for (int y = 0; y < v.height; ++y)
    for (int x = 0; x < v.width; ++x) v.Row(y)[x] = kSentinel;
  CDIB dib;
  ASSERT_TRUE(dib.Create(30, 20));  // grey ramp, all pixels 0 (black)
  *dib.PixelPtr(1, 1) = 255;
  *dib.PixelPtr(2, 2) = 5;
  dib.GetColors()[5] = RGBQUAD{5, 5, 250, 0};  // blue, green, red: nearly pure red
  CDC dc(host, CRect(10, 10, 40, 25));
  EXPECT_EQ(dib.Draw(&dc, 5, 0), 20);
  EXPECT_EQ(dib.Draw(&dc, 5, 0, 0x00EE0086), 0);  // only source copy is drawn
}

}  // namespace

TEST(DibDraw, PaletteDisplayShowsNearestSystemColoursClippedToTheContext) {
  Host host(MakeHeadlessBackend(), nullptr);
  DrawSample(host);
  const Surface32& s = host.WindowSurface();
  EXPECT_EQ(s.At(15, 10), 0x000000u);
  EXPECT_EQ(s.At(16, 11), 0xFFFFFFu);
  EXPECT_EQ(s.At(17, 12), 0xFF0000u);  // the static red
  EXPECT_EQ(s.At(14, 10), kSentinel);  // left of the picture
  EXPECT_EQ(s.At(39, 24), 0x000000u);  // last pixel inside the context
  EXPECT_EQ(s.At(40, 12), kSentinel);  // right of the context
  EXPECT_EQ(s.At(20, 25), kSentinel);  // below the context
}

TEST(DibDraw, TrueColourDisplayShowsExactColours) {
  Host host(MakeHeadlessBackend({.caps = DisplayCaps::TrueColor()}), nullptr);
  DrawSample(host);
  EXPECT_EQ(host.WindowSurface().At(17, 12), 0xFA0505u);
}
