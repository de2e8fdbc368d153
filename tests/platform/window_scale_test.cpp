#include <gtest/gtest.h>

#include "platform/window_scale.h"

namespace {

constexpr SIZE kSurface{612, 460};

TEST(WindowScale, PicksTheLargestIntegerZoomThatFits) {
  EXPECT_EQ(ChooseWindowScale(kSurface, SIZE{1366, 720}), 1);
  EXPECT_EQ(ChooseWindowScale(kSurface, SIZE{1920, 1040}), 2);
  EXPECT_EQ(ChooseWindowScale(kSurface, SIZE{3840, 2100}), 4);
  EXPECT_EQ(ChooseWindowScale(kSurface, SIZE{300, 200}), 1);  // never below one
}

TEST(WindowScale, PlacesAnIntegerMultipleCentred) {
  EXPECT_EQ(PlaceSurface(kSurface, SIZE{1224, 920}), CRect(0, 0, 1224, 920));
  EXPECT_EQ(PlaceSurface(kSurface, SIZE{1300, 1000}), CRect(38, 40, 1262, 960));
  const CRect shrunk = PlaceSurface(kSurface, SIZE{306, 460});
  EXPECT_EQ(shrunk.Width(), 306);
  EXPECT_EQ(shrunk.Height(), 230);
}

TEST(WindowScale, PointerMapsBackToExactPixelsAtEveryScale) {
  for (int scale = 1; scale <= 4; ++scale) {
    const SIZE win{kSurface.cx * scale, kSurface.cy * scale};
    for (int x : {0, 1, 305, 611}) {
      for (int sub = 0; sub < scale; ++sub) {
        const POINT p = WindowToSurface(POINT{x * scale + sub, 7 * scale + sub}, win, win, kSurface);
        ASSERT_EQ(p.x, x) << "scale " << scale;
        ASSERT_EQ(p.y, 7);
      }
    }
  }
}

TEST(WindowScale, HighDensityScreensAndCapturedPointersOutsideTheWindow) {
  // Window of 1224 x 920 points drawn on 2448 x 1840 pixels: zoom 4 in pixels.
  const SIZE win{1224, 920}, draw{2448, 1840};
  EXPECT_EQ(WindowToSurface(POINT{1, 1}, win, draw, kSurface).x, 0);
  EXPECT_EQ(WindowToSurface(POINT{2, 2}, win, draw, kSurface).x, 1);
  EXPECT_EQ(WindowToSurface(POINT{1223, 919}, win, draw, kSurface).y, 459);
  // Left of the window the position stays negative, rounding down.
  EXPECT_EQ(WindowToSurface(POINT{-1, 0}, SIZE{1224, 920}, SIZE{1224, 920}, kSurface).x, -1);
  EXPECT_EQ(WindowToSurface(POINT{-2, 0}, SIZE{1224, 920}, SIZE{1224, 920}, kSurface).x, -1);
  EXPECT_EQ(WindowToSurface(POINT{-3, 0}, SIZE{1224, 920}, SIZE{1224, 920}, kSurface).x, -2);
}

}  // namespace
