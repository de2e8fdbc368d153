// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "gfx/dib.h"
#include "headless_host.h"
#include "platform/dc.h"
#include "support/frame_reference.h"

using quintaro::test::FramesEqual;

namespace {

constexpr std::uint32_t kPaper = 0x123456;

class DrawingContext : public ::testing::Test {
 protected:
  explicit DrawingContext(int bits = 32) : h(HeadlessOptions{1000, 0, DisplayCaps::FromBits(bits), true}) {
    // A 40 x 30 view at (10, 5) in a 60 x 40 window.
    host.SetLayout(60, 40, CRect(10, 5, 50, 35), CRect());
    const SurfaceView s = host.DrawOnWholeSurface();
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x) s.Row(y)[x] = kPaper;
  }
  std::uint32_t At(int viewX, int viewY) const { return host.WindowSurface().At(viewX + 10, viewY + 5); }

  HeadlessHost h;
  Host& host = *h.host;
};

class PaletteDrawingContext : public DrawingContext {
 protected:
  PaletteDrawingContext() : DrawingContext(8) {}
};

TEST_F(DrawingContext, RectangleOutlinesInsideAndFillsTheInterior) {
  CDC dc(host);
  dc.SelectPen(RGB(255, 0, 0));
  dc.SelectBrush(RGB(0, 0, 255));
  dc.Rectangle(2, 3, 7, 8);
  EXPECT_EQ(At(2, 3), 0xFF0000u);
  EXPECT_EQ(At(6, 7), 0xFF0000u);  // right and bottom edges are right - 1, bottom - 1
  EXPECT_EQ(At(6, 3), 0xFF0000u);
  EXPECT_EQ(At(3, 4), 0x0000FFu);
  EXPECT_EQ(At(5, 6), 0x0000FFu);
  EXPECT_EQ(At(7, 7), kPaper);
  EXPECT_EQ(At(6, 8), kPaper);
  EXPECT_EQ(At(1, 3), kPaper);
}

TEST_F(DrawingContext, NullPenFillsOnePixelLessAndNullBrushLeavesTheInside) {
  {
    CDC dc(host);
    dc.SelectPen(0, 1, true);
    dc.SelectBrush(RGB(0, 255, 0));
    dc.Rectangle(0, 0, 4, 4);
  }
  EXPECT_EQ(At(2, 2), 0x00FF00u);
  EXPECT_EQ(At(3, 2), kPaper);
  EXPECT_EQ(At(2, 3), kPaper);

  CDC dc(host);
  dc.SelectPen(RGB(255, 255, 255));
  dc.SelectBrush(0, true);
  dc.Rectangle(10, 10, 15, 15);
  EXPECT_EQ(At(10, 10), 0xFFFFFFu);
  EXPECT_EQ(At(12, 12), kPaper);
}

TEST_F(DrawingContext, LineToLeavesOutTheEndPointAndMovesThePen) {
  CDC dc(host);
  dc.SelectPen(RGB(255, 255, 0));
  dc.MoveTo(1, 1);
  dc.LineTo(5, 1);
  dc.LineTo(5, 4);
  for (int x = 1; x < 5; ++x) EXPECT_EQ(At(x, 1), 0xFFFF00u) << x;
  EXPECT_EQ(At(5, 1), 0xFFFF00u);  // drawn as the start of the second line
  EXPECT_EQ(At(5, 3), 0xFFFF00u);
  EXPECT_EQ(At(5, 4), kPaper);
  EXPECT_EQ(At(0, 1), kPaper);
}

TEST_F(DrawingContext, NothingIsDrawnOutsideTheView) {
  CDC dc(host);
  dc.FillSolidRect(CRect(-20, -20, 100, 100), RGB(255, 255, 255));
  dc.SetPixel(-1, 0, RGB(1, 2, 3));
  const Surface32& s = host.WindowSurface();
  EXPECT_EQ(s.At(9, 5), kPaper);
  EXPECT_EQ(s.At(10, 4), kPaper);
  EXPECT_EQ(s.At(50, 20), kPaper);
  EXPECT_EQ(s.At(20, 35), kPaper);
  EXPECT_EQ(s.At(10, 5), 0xFFFFFFu);
  EXPECT_EQ(s.At(49, 34), 0xFFFFFFu);
}

TEST_F(DrawingContext, OpaqueTextFillsItsCellAndTransparentTextDoesNot) {
  CDC dc(host, CRect(0, 0, 60, 40));
  dc.SelectFont(false, 14);
  dc.SetBkColor(RGB(0, 0, 255));
  dc.SetTextColor(RGB(255, 255, 255));
  const SIZE ext = dc.GetTextExtent("Hi");
  ASSERT_GT(ext.cx, 0);
  const CRect box(0, 0, 60, 40);
  dc.SetBkMode(OPAQUE);
  EXPECT_EQ(dc.DrawText("Hi", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE), ext.cy);
  const int left = (60 - ext.cx) / 2, top = (40 - ext.cy) / 2;
  const Surface32& s = host.WindowSurface();
  EXPECT_EQ(s.At(left, top), 0x0000FFu);
  EXPECT_EQ(s.At(left + ext.cx - 1, top + ext.cy - 1), 0x0000FFu);
  EXPECT_EQ(s.At(left - 1, top), kPaper);
  EXPECT_EQ(s.At(left, top + ext.cy), kPaper);

  dc.SetBkMode(TRANSPARENT);
  dc.DrawText("Hi", CRect(0, 0, 60, 20), DT_RIGHT | DT_SINGLELINE);
  EXPECT_EQ(s.At(59, 0), kPaper);
}

TEST_F(DrawingContext, TrueColourShowsExactColoursAndPaletteIndicesTheirEntry) {
  CDC dc(host);
  EXPECT_EQ(dc.Resolve(RGB(1, 2, 3)), 0x010203u);
  EXPECT_EQ(dc.Resolve(PALETTEINDEX(249)), 0xFF0000u);
}

TEST_F(PaletteDrawingContext, PaletteDisplayShowsTheNearestSystemColour) {
  CDC dc(host);
  EXPECT_EQ(dc.Resolve(RGB(250, 4, 4)), 0xFF0000u);
  EXPECT_EQ(dc.Resolve(RGB(190, 190, 190)), 0xC0C0C0u);
  host.Palette().RealizeForeground(std::vector<PALETTEENTRY>{{190, 190, 190, 0}});
  EXPECT_EQ(dc.Resolve(RGB(190, 190, 190)), 0xBEBEBEu);
}

TEST_F(DrawingContext, FinishingAContextPresentsTheWindow) {
  const auto before = h.clock->PresentCount();
  { CDC dc(host); }
  EXPECT_EQ(h.clock->PresentCount(), before + 1);
}

TEST_F(DrawingContext, EverythingDrawnReachesTheFrameShown) {
  // Only what a context says it drew is copied into the frame shown: after
  // each of many seeded drawings, the frame must still be the window.
  Surface32 shown;
  host.ComposeForDisplay(shown);
  std::mt19937 rng(99);
  const char* const texts[] = {"Hi", "gjpqy", "WMW|", "\xC3\x85ngstr\xC3\xB6m", "(_)"};
  CDIB picture;
  ASSERT_TRUE(picture.Create(9, 7));
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) *picture.PixelPtr(x, y) = static_cast<BYTE>(x * 30 + y);
  auto coord = [&](int span) { return static_cast<int>(rng() % static_cast<unsigned>(span + 20)) - 10; };
  for (int step = 0; step < 400; ++step) {
    {
      CDC dc(host, rng() % 2 ? CRect(10, 5, 50, 35) : CRect(0, 0, 60, 40));
      dc.SetTextColor(RGB(rng() % 256, rng() % 256, rng() % 256));
      dc.SelectPen(RGB(rng() % 256, 0, 0), 1 + static_cast<int>(rng() % 3));
      dc.SelectBrush(RGB(0, rng() % 256, 0));
      dc.SetBkMode(rng() % 2 ? OPAQUE : TRANSPARENT);
      dc.SelectFont(rng() % 2 == 0, 10 + static_cast<int>(rng() % 14));
      const int x = coord(60), y = coord(40);
      switch (rng() % 6) {
        case 0: dc.Rectangle(x, y, coord(60), coord(40)); break;
        case 1: dc.FillSolidRect(CRect(x, y, coord(60), coord(40)), RGB(9, 9, 9)); break;
        case 2: dc.MoveTo(x, y); dc.LineTo(coord(60), coord(40)); break;
        case 3: dc.SetPixel(x, y, RGB(1, 2, 3)); break;
        case 4: dc.TextOut(x, y, texts[rng() % 5]); break;
        default: picture.Draw(&dc, x, y); break;
      }
    }
    host.ComposeForDisplay(shown);
    ASSERT_TRUE(FramesEqual(shown, host.WindowSurface())) << "step " << step;
  }
}

}  // namespace
