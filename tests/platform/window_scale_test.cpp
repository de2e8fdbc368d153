// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <utility>

#include "platform/window_scale.h"

namespace {

constexpr SIZE kSurface{612, 460};

std::pair<int, int> Pair(POINT p) { return {p.x, p.y}; }
std::pair<int, int> XY(int x, int y) { return {x, y}; }

TEST(WindowScale, PicksTheLargestIntegerZoomThatFits) {
  EXPECT_EQ(ChooseWindowScale(kSurface, SIZE{1366, 720}), 1);
  EXPECT_EQ(ChooseWindowScale(kSurface, SIZE{1920, 1040}), 2);
  EXPECT_EQ(ChooseWindowScale(kSurface, SIZE{3840, 2100}), 4);
  EXPECT_EQ(ChooseWindowScale(kSurface, SIZE{300, 200}), 1);  // never below one
}

TEST(WindowScale, PlacesAnIntegerMultipleCentredNeverBelowOne) {
  EXPECT_EQ(PlaceSurface(kSurface, SIZE{1224, 920}), CRect(0, 0, 1224, 920));
  EXPECT_EQ(PlaceSurface(kSurface, SIZE{1300, 1000}), CRect(38, 40, 1262, 960));
  // A full-screen 1920 x 1080: twice, black bands all round.
  EXPECT_EQ(PlaceSurface(kSurface, SIZE{1920, 1080}), CRect(348, 80, 1572, 1000));
  // Too small for one times: shown at 1x from the top left, never shrunk.
  EXPECT_EQ(PlaceSurface(kSurface, SIZE{306, 460}), CRect(0, 0, 612, 460));
  // Wide enough but too low: centred across, from the top down.
  EXPECT_EQ(PlaceSurface(kSurface, SIZE{800, 300}), CRect(94, 0, 706, 460));
  EXPECT_TRUE(PlaceSurface(kSurface, SIZE{0, 0}).IsRectEmpty());
}

TEST(WindowScale, ZoomChoicesAreClampedToTheScreen) {
  EXPECT_EQ(ClampZoom(-1), kZoomFit);
  EXPECT_EQ(ClampZoom(5), kZoomFit);
  EXPECT_EQ(ClampZoom(3), 3);
  const SIZE fullHd{1920, 1040};
  EXPECT_EQ(WindowScaleForZoom(kZoomFit, kSurface, fullHd), 2);
  EXPECT_EQ(WindowScaleForZoom(1, kSurface, fullHd), 1);
  EXPECT_EQ(WindowScaleForZoom(4, kSurface, fullHd), 2);  // what the screen allows
  EXPECT_EQ(WindowScaleForZoom(3, kSurface, SIZE{3840, 2100}), 3);
  EXPECT_EQ(WindowScaleForZoom(2, kSurface, SIZE{640, 480}), 1);
  EXPECT_EQ(WindowScaleForZoom(99, kSurface, SIZE{3840, 2100}), 4);  // a hostile value means Fit
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

TEST(WindowScale, EdgePixelsMapExactlyAtThreeTimes) {
  const SIZE win{kSurface.cx * 3, kSurface.cy * 3};
  const auto at = [&](int x, int y) { return Pair(WindowToSurface(POINT{x, y}, win, win, kSurface)); };
  EXPECT_EQ(at(0, 0), XY(0, 0));
  EXPECT_EQ(at(2, 2), XY(0, 0));
  EXPECT_EQ(at(3, 3), XY(1, 1));
  EXPECT_EQ(at(1835, 1379), XY(611, 459));
  EXPECT_EQ(at(1833, 1377), XY(611, 459));
  EXPECT_EQ(at(1832, 1376), XY(610, 458));
  EXPECT_EQ(at(1836, 1380), XY(612, 460));  // just outside stays outside
}

TEST(WindowScale, EdgePixelsMapExactlyInALetterboxedFullScreen) {
  const SIZE screen{1920, 1080};
  const auto at = [&](int x, int y) { return Pair(WindowToSurface(POINT{x, y}, screen, screen, kSurface)); };
  EXPECT_EQ(at(348, 80), XY(0, 0));
  EXPECT_EQ(at(349, 81), XY(0, 0));
  EXPECT_EQ(at(350, 82), XY(1, 1));
  EXPECT_EQ(at(1571, 999), XY(611, 459));
  EXPECT_EQ(at(347, 79), XY(-1, -1));  // the black band is outside the picture
  EXPECT_EQ(at(1572, 1000), XY(612, 460));
  EXPECT_EQ(at(0, 0), XY(-174, -40));
  // The same screen on a high-density display: 960 x 540 points over 1920 x 1080 pixels.
  EXPECT_EQ(Pair(WindowToSurface(POINT{174, 40}, SIZE{960, 540}, screen, kSurface)), XY(0, 0));
  EXPECT_EQ(Pair(WindowToSurface(POINT{785, 499}, SIZE{960, 540}, screen, kSurface)), XY(611, 459));
}

TEST(WindowScale, AGrownWindowMovesJustEnoughToStayOnItsScreen) {
  const CRect area(0, 30, 1920, 1080);  // below a panel
  // Back from full screen at 2x where a small window used to stand: it moves up and left.
  EXPECT_EQ(Pair(KeepInside(CRect(661, 153, 661 + 1216, 153 + 970), area)), XY(661, 110));
  EXPECT_EQ(Pair(KeepInside(CRect(900, 500, 900 + 1216, 500 + 970), area)), XY(704, 110));
  // Already inside: left where it is.
  EXPECT_EQ(Pair(KeepInside(CRect(100, 200, 700, 700), area)), XY(100, 200));
  // Off the top and the left: back in.
  EXPECT_EQ(Pair(KeepInside(CRect(-50, 0, 550, 500), area)), XY(0, 30));
  // Larger than the screen: the title bar stays reachable at the top left.
  EXPECT_EQ(Pair(KeepInside(CRect(300, 300, 300 + 2430, 300 + 1900), area)), XY(0, 30));
  // On a second screen to the right.
  EXPECT_EQ(Pair(KeepInside(CRect(3500, 900, 4100, 1400), CRect(1920, 0, 3840, 1080))), XY(3240, 580));
}

}  // namespace
