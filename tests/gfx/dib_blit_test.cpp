// SPDX-License-Identifier: GPL-3.0-or-later
// BlitTo against a pixel-by-pixel copy over many seeded rectangles: whole
// rows (one run of memory) and partial ones, opaque and keyed, between
// images and within one, on widths with and without row padding.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "gfx/dib.h"

namespace {

// Every pixel, top-down, so padding bytes never take part in a comparison.
std::vector<BYTE> Pixels(const CDIB& dib) {
  std::vector<BYTE> out;
  for (int y = 0; y < dib.GetHeight(); ++y)
    for (int x = 0; x < dib.GetWidth(); ++x) out.push_back(*dib.PixelPtr(x, y));
  return out;
}

void Fill(CDIB& dib, std::mt19937& rng) {
  for (int y = 0; y < dib.GetHeight(); ++y)
    for (int x = 0; x < dib.GetWidth(); ++x) *dib.PixelPtr(x, y) = static_cast<BYTE>(rng() % 6);
}

// What the blit must leave in `dest`, worked out one pixel at a time from a
// copy of the source taken before anything moved.
std::vector<BYTE> Expected(const std::vector<BYTE>& src, int srcWidth, const CDIB& dest, int xd, int yd, int w,
                           int h, int xs, int ys, COLORREF key) {
  std::vector<BYTE> out = Pixels(dest);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const BYTE v = src[static_cast<std::size_t>((ys + y) * srcWidth + xs + x)];
      if (key != kNoKey && v == static_cast<BYTE>(key & 0xFF)) continue;
      out[static_cast<std::size_t>((yd + y) * dest.GetWidth() + xd + x)] = v;
    }
  return out;
}

struct Case {
  int xd, yd, w, h, xs, ys;
};

// A rectangle that fits both images; whole rows often, as the playfield's are.
Case RandomCase(std::mt19937& rng, const CDIB& src, const CDIB& dest) {
  const int maxW = std::min(src.GetWidth(), dest.GetWidth());
  const int maxH = std::min(src.GetHeight(), dest.GetHeight());
  Case c{};
  c.w = rng() % 2 == 0 ? maxW : 1 + static_cast<int>(rng() % static_cast<unsigned>(maxW));
  c.h = 1 + static_cast<int>(rng() % static_cast<unsigned>(maxH));
  c.xs = static_cast<int>(rng() % static_cast<unsigned>(src.GetWidth() - c.w + 1));
  c.ys = static_cast<int>(rng() % static_cast<unsigned>(src.GetHeight() - c.h + 1));
  c.xd = static_cast<int>(rng() % static_cast<unsigned>(dest.GetWidth() - c.w + 1));
  c.yd = static_cast<int>(rng() % static_cast<unsigned>(dest.GetHeight() - c.h + 1));
  return c;
}

}  // namespace

TEST(DibBlit, MatchesAPixelByPixelCopy) {
  std::mt19937 rng(20261210);
  for (int run = 0; run < 4000; ++run) {
    // Widths 1..9 cover every amount of row padding; equal widths are common,
    // and every third blit is within one image.
    const int srcW = 1 + static_cast<int>(rng() % 9);
    const int dstW = rng() % 2 == 0 ? srcW : 1 + static_cast<int>(rng() % 9);
    CDIB src, other;
    ASSERT_TRUE(src.Create(srcW, 1 + static_cast<int>(rng() % 7)));
    ASSERT_TRUE(other.Create(dstW, 1 + static_cast<int>(rng() % 7)));
    CDIB& dest = rng() % 3 == 0 ? src : other;
    Fill(src, rng);
    Fill(other, rng);
    const Case c = RandomCase(rng, src, dest);
    const COLORREF key = rng() % 2 == 0 ? kNoKey : PALETTEINDEX(rng() % 6);
    const auto want = Expected(Pixels(src), srcW, dest, c.xd, c.yd, c.w, c.h, c.xs, c.ys, key);
    src.BlitTo(&dest, c.xd, c.yd, c.w, c.h, c.xs, c.ys, key);
    ASSERT_EQ(Pixels(dest), want) << "run " << run << ": " << c.w << " x " << c.h << " from " << c.xs << "," << c.ys
                                  << " of " << srcW << " wide to " << c.xd << "," << c.yd << " of "
                                  << dest.GetWidth() << (&dest == &src ? " (same image)" : "")
                                  << (key == kNoKey ? " opaque" : " keyed");
  }
}
