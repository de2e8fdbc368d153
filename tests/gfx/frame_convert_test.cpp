// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "gfx/frame_convert.h"

namespace {

// The plainest possible conversion, one pixel at a time.
void ReferenceConvert(const CDIB& src, const CRect& rect, const ColorLut& lut, SurfaceView dst, int dstX, int dstY) {
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      dst.Row(dstY + y - rect.top)[dstX + x - rect.left] = lut[*src.PixelPtr(x, y)];
}

ColorLut RandomLut(std::mt19937& rng) {
  ColorLut lut{};
  for (auto& entry : lut) entry = rng() & 0xFFFFFF;
  return lut;
}

}  // namespace

TEST(FrameConvert, MatchesThePixelByPixelConversionOnRandomFramesRectsAndPalettes) {
  std::mt19937 rng(1234);
  CDIB frame;
  ASSERT_TRUE(frame.Create(602, 401));
  Surface32 fast(640, 480, 0xDEADBEEF), slow(640, 480, 0xDEADBEEF);
  for (int round = 0; round < 40; ++round) {
    for (int y = 0; y < frame.GetHeight(); ++y)
      for (int x = 0; x < frame.GetWidth(); ++x) *frame.PixelPtr(x, y) = static_cast<BYTE>(rng());
    const ColorLut lut = RandomLut(rng);
    // Every width from 1 to 9 at every alignment, then large odd rects.
    const int left = round % 8;
    const int width = round < 32 ? 1 + round / 4 : 593 - round;
    const int top = round % 5;
    const CRect rect(left, top, left + width, top + 3 + round * 9);
    const int dstX = round % 3, dstY = round % 7;
    // Twice: large rects under a palette seen before take the pair table.
    ConvertIndexedRect(frame, rect, lut, fast.View(), dstX, dstY);
    ConvertIndexedRect(frame, rect, lut, fast.View(), dstX, dstY);
    ReferenceConvert(frame, rect, lut, slow.View(), dstX, dstY);
    ASSERT_EQ(std::vector<std::uint32_t>(fast.Data(), fast.Data() + 640 * 480),
              std::vector<std::uint32_t>(slow.Data(), slow.Data() + 640 * 480))
        << "round " << round;
  }
}

TEST(FrameConvert, AnEmptyRectWritesNothing) {
  CDIB frame;
  ASSERT_TRUE(frame.Create(8, 8));
  Surface32 surface(8, 8, 5);
  ConvertIndexedRect(frame, CRect(3, 3, 3, 6), ColorLut{}, surface.View(), 0, 0);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(surface.At(x, y), 5u);
}
