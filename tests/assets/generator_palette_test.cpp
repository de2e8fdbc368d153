// SPDX-License-Identifier: GPL-3.0-or-later
// The master palette and the quantiser of the art generator.
#include <gtest/gtest.h>

#include <set>

#include "core/palette.h"
#include "core/quantise.h"

using namespace art;

namespace {
int Luma(const Rgb8& c) { return 299 * c.r + 587 * c.g + 114 * c.b; }
}  // namespace

TEST(MasterPalette, RampsFillTheArtRangeInOrderAndRunDarkToLight) {
  int next = kFirstArtIndex;
  for (int r = 0; r < static_cast<int>(Ramp::Count); ++r) {
    const RampInfo info = GetRamp(static_cast<Ramp>(r));
    SCOPED_TRACE(std::string(info.name));
    EXPECT_EQ(info.first, next);
    ASSERT_GE(info.count, 2);
    for (int k = 1; k < info.count; ++k)
      EXPECT_GT(Luma(MasterPalette()[info.first + k]), Luma(MasterPalette()[info.first + k - 1])) << k;
    next += info.count;
  }
  EXPECT_EQ(next, kLastArtIndex + 1);
}

TEST(MasterPalette, KeyIsStaticMagentaAndNeverChosenForArt) {
  const Rgb8 key = MasterPalette()[kKeyIndex];
  EXPECT_EQ(key, (Rgb8{255, 0, 255}));
  Quantiser q;
  EXPECT_NE(q.Nearest(255, 0, 255), kKeyIndex);
  EXPECT_NE(q.Nearest(250, 5, 250), kKeyIndex);
}

TEST(Quantiser, ExactPaletteColoursMapToThemselvesAndOutOfRangeIsClamped) {
  Quantiser q;
  const auto& pal = MasterPalette();
  std::set<int> seen;
  for (int i = 0; i < 256; ++i) {
    if (i == kKeyIndex) continue;
    EXPECT_EQ(q.Nearest(pal[i].r, pal[i].g, pal[i].b), i) << i;
  }
  EXPECT_EQ(q.Nearest(-50, -50, -50), 0);
  EXPECT_EQ(q.Nearest(999, 999, 999), 255);
}

TEST(Quantiser, FlatAreasStayExactWhileShadedAreasAreDithered) {
  Quantiser q;
  // Left half: a colour halfway between two neighbouring greys; right half: a
  // flat box in the same colour, as the program's score boxes are.
  const RampInfo grey = GetRamp(Ramp::Grey);
  const Rgb8 a = MasterPalette()[grey.first + 10], b = MasterPalette()[grey.first + 11];
  const Rgb mid{(a.r + b.r) * 0.5f, (a.g + b.g) * 0.5f, (a.b + b.b) * 0.5f};
  Canvas c(64, 16, mid);
  c.FillRect(32, 0, 64, 16, mid);
  const IndexedImage img = q.Convert(c, Dither::Diffusion);
  const std::uint8_t flat = img.At(32, 0);
  std::set<int> used;
  float sr = 0, sg = 0, sb = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 32; x < 64; ++x) ASSERT_EQ(img.At(x, y), flat) << x << "," << y;
    for (int x = 0; x < 32; ++x) {
      const Rgb8 p = MasterPalette()[img.At(x, y)];
      used.insert(img.At(x, y));
      sr += p.r;
      sg += p.g;
      sb += p.b;
    }
  }
  // The shaded half mixes entries so that on average it shows the true colour.
  EXPECT_GE(used.size(), 2u);
  const float n = 32.f * 16.f;
  EXPECT_NEAR(sr / n, mid.r, 2.f);
  EXPECT_NEAR(sg / n, mid.g, 2.f);
  EXPECT_NEAR(sb / n, mid.b, 2.f);
}

TEST(Quantiser, KeyedCelsMarkTransparencyAndKeepTheKeyOutOfOpaquePixels) {
  Quantiser q;
  Canvas c(6, 4, {}, 0.f);
  c.Set(2, 1, {255, 0, 255}, 1.f);  // opaque magenta art must not become the key
  c.Set(3, 1, {10, 200, 10}, 0.3f);  // mostly transparent
  c.Set(4, 2, {10, 200, 10}, 0.9f);
  c.Set(0, 0, {10, 200, 10}, 1.f);   // the top-left always names the key
  const IndexedImage img = q.ConvertKeyed(c, {0, 0, 0});
  EXPECT_EQ(img.At(0, 0), kKeyIndex);
  EXPECT_NE(img.At(2, 1), kKeyIndex);
  EXPECT_EQ(img.At(3, 1), kKeyIndex);
  EXPECT_NE(img.At(4, 2), kKeyIndex);
  EXPECT_EQ(img.At(5, 3), kKeyIndex);
}
