// SPDX-License-Identifier: GPL-3.0-or-later
// The painter's shapes and text, the synthesiser, and the dartboard's
// segment layout against the game's scoring rule.
#include <gtest/gtest.h>

#include <cmath>

#include "core/shapes.h"
#include "core/synth.h"
#include "core/text.h"
#include "darts/dart_painter.h"

using namespace art;

namespace {
float PaintedArea(const Canvas& c) {
  float sum = 0;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) sum += c.At(x, y).a;
  return sum;
}
}  // namespace

TEST(Painter, AntiAliasedShapesCoverTheirTrueArea) {
  Canvas circle(40, 40, {}, 0.f);
  circle.Paint(Circle{20.f, 20.f, 12.3f}, Rgb{255, 255, 255});
  EXPECT_NEAR(PaintedArea(circle), 3.14159f * 12.3f * 12.3f, 3.f);

  Canvas ring(40, 40, {}, 0.f);
  ring.Paint(Ring{20.f, 20.f, 8.f, 12.f}, Rgb{255, 255, 255});
  EXPECT_NEAR(PaintedArea(ring), 3.14159f * (144.f - 64.f), 3.f);

  // A triangle, and a self-crossing star whose centre is outside by the even-odd rule.
  Canvas tri(40, 40, {}, 0.f);
  tri.Paint(Polygon{{{5, 5}, {35, 5}, {5, 35}}}, Rgb{255, 255, 255});
  EXPECT_NEAR(PaintedArea(tri), 450.f, 3.f);
  Polygon star{{{20, 2}, {31, 36}, {2, 14}, {38, 14}, {9, 36}}};
  EXPECT_GT(star(20.f, 21.f), 0.f);
  EXPECT_LT(star(20.f, 6.f), 0.f);
}

TEST(Painter, TextIsMeasuredAndAlignedByTheAtlasAdvances) {
  TextStyle t;
  t.size = 14;
  const float w = MeasureText(t, "Darts 301");
  EXPECT_FLOAT_EQ(w, static_cast<float>(TextWidth(GetFont(true, 14), "Darts 301")));
  t.scale = 2.f;
  EXPECT_FLOAT_EQ(MeasureText(t, "Darts 301"), 2.f * w);
  // Centred text spreads evenly about its x.
  t.scale = 1.f;
  t.align = Align::Center;
  Canvas c(200, 30, {}, 0.f);
  DrawText(c, t, 100.f, 5.f, "HHHH");
  int left = 200, right = -1;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 200; ++x)
      if (c.At(x, y).a > 0.5f) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_LE(left, right);
  EXPECT_NEAR((left + right + 1) * 0.5f, 100.f, 2.f);
}

TEST(Synth, EffectsAreNormalisedAndFadeInAndOut) {
  Signal s(static_cast<std::size_t>(Samples(0.2f)), 0.8f);
  const auto out = Finish(s, 0.5f, 4.f);
  ASSERT_EQ(out.size(), static_cast<std::size_t>(Samples(0.2f)));
  EXPECT_EQ(out.front(), 0);
  EXPECT_EQ(out.back(), 0);
  int peak = 0;
  for (std::int16_t v : out) peak = std::max(peak, std::abs(static_cast<int>(v)));
  EXPECT_NEAR(peak, 16384, 2);
  // Halfway through the fade the level is about half.
  EXPECT_NEAR(std::abs(out[44]), 8192, 400);
  // Silence stays silence rather than dividing by zero.
  const auto quiet = Finish(Signal(100, 0.f));
  for (std::int16_t v : quiet) EXPECT_EQ(v, 0);
}

TEST(Synth, AMixedPartEndsWithoutAClickAndKeepsItsBody) {
  Signal mixed;
  MixInto(mixed, Signal(static_cast<std::size_t>(Samples(0.1f)), 1.f), 0.01f, 0.5f);
  ASSERT_EQ(mixed.size(), static_cast<std::size_t>(Samples(0.01f) + Samples(0.1f)));
  EXPECT_EQ(mixed[static_cast<std::size_t>(Samples(0.01f)) - 1], 0.f) << "silence before the part";
  EXPECT_FLOAT_EQ(mixed[static_cast<std::size_t>(Samples(0.05f))], 0.5f);
  EXPECT_LT(mixed.back(), 0.01f) << "the part fades out at its end";
  // A very short part is never faded to nothing.
  Signal click;
  MixInto(click, Signal(8, 1.f), 0.f);
  EXPECT_FLOAT_EQ(click[0], 1.f);
  EXPECT_FLOAT_EQ(click[5], 1.f);
}

TEST(Synth, LowPassTamesHighTonesAndKeepsLowOnes) {
  auto rms = [](const Signal& s) {
    double sum = 0;
    for (float v : s) sum += double(v) * v;
    return std::sqrt(sum / static_cast<double>(s.size()));
  };
  Signal high = Tone(0.2f, 8000.f), low = Tone(0.2f, 100.f);
  LowPass(high, 400.f);
  LowPass(low, 400.f);
  EXPECT_LT(rms(high), 0.1);
  EXPECT_GT(rms(low), 0.6);
  // A tone has the zero crossings of its frequency.
  const Signal a = Tone(1.f, 441.f);
  int crossings = 0;
  for (std::size_t i = 1; i < a.size(); ++i) crossings += (a[i - 1] < 0) != (a[i] < 0);
  EXPECT_NEAR(crossings, 882, 2);
}

TEST(Dartboard, PaintedSegmentsAgreeWithTheScoringAtEveryAngle) {
  // The game: angle truncated to whole degrees, position k by rounding, table lookup.
  const int segments[22] = {6, 13, 4, 18, 1, 20, 5, 12, 9, 14, 11, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11};
  for (int tenth = -1799; tenth <= 1799; ++tenth) {
    const double angle = tenth / 10.0;
    if (std::fmod(std::abs(angle), 1.0) == 0.0 && static_cast<int>(std::abs(angle)) % 18 == 9) continue;  // exact boundaries
    const int a = static_cast<int>(angle);
    const double t = a / 18.0;
    const int k = t >= 0 ? static_cast<int>(t + 0.5) : static_cast<int>(11 - (t - 0.5));
    ASSERT_EQ(SegmentAt(static_cast<float>(angle)), segments[k]) << "at " << angle << " degrees";
  }
}
