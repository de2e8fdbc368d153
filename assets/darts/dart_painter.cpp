// SPDX-License-Identifier: GPL-3.0-or-later
#include "darts/dart_painter.h"

#include <cmath>
#include <string>

#include "core/noise.h"
#include "core/palette.h"
#include "core/shapes.h"
#include "core/text.h"
#include "games/darts/model/dart_geometry.h"

namespace art {
namespace {

constexpr float kPi = 3.14159265f;

// Rings of the board in pixels from the centre, from the game's geometry. A
// landing point scores by its distance truncated to whole pixels, so each
// ring's outer edge is one pixel beyond its last scoring distance.
constexpr float kInnerBull = darts::kInnerBullMax + 1.f;
constexpr float kOuterBull = darts::kOuterBullMax + 1.f;
constexpr float kTrebleIn = darts::kTrebleMin, kTrebleOut = darts::kTrebleMax + 1.f;
constexpr float kDoubleIn = darts::kDoubleMin, kDoubleOut = darts::kBoardRadius + 1.f;
constexpr float kNumberRing = darts::kNumberRingRadius;
constexpr float kSegmentDegrees = darts::kSegmentDegrees;

// Colour of the board surface at a point relative to the centre (y down).
Rgb BoardSample(float dx, float dy, float s) {
  const float r = Length(dx, dy) / s;
  const float deg = std::atan2(-dy, dx) * 180.f / kPi;
  const float fibre = Hash2(static_cast<int>(std::floor(dx * 1.3f)), static_cast<int>(std::floor(dy * 1.3f)), 77u) - 0.5f;
  const float sisal = fibre * 0.10f;
  if (r < kInnerBull) return Shade(RampColor(Ramp::BoardRed, 0.45f), sisal);
  if (r < kOuterBull) return Shade(RampColor(Ramp::BoardGreen, 0.5f), sisal);
  if (r < kDoubleOut) {
    const int n = SegmentAt(deg);
    const bool dark = darts::IsDarkSegment(n);
    if ((r >= kTrebleIn && r < kTrebleOut) || r >= kDoubleIn)
      return Shade(dark ? RampColor(Ramp::BoardRed, 0.42f) : RampColor(Ramp::BoardGreen, 0.45f), sisal);
    return dark ? Shade(RampColor(Ramp::BoardBlack, 0.35f), sisal * 0.6f)
                : Shade(RampColor(Ramp::BoardCream, 0.62f), sisal * 1.2f);
  }
  return RampColor(Ramp::BoardBlack, 0.1f);  // number ring
}

}  // namespace

int SegmentAt(float degrees) {
  // Segment boundaries fall half a segment either side of each number's middle.
  return darts::NumberCounterClockwise(static_cast<int>(std::floor((degrees + kSegmentDegrees / 2) / kSegmentDegrees)));
}

Rgb PlayerColor(int player) {
  switch (player) {
    case 0: return Hex(0x1E4EE8);
    case 1: return Hex(0xE0281E);
    case 2: return Hex(0xF4D020);
    default: return Hex(0x22B04A);
  }
}

void PaintDart(Canvas& c, float tipX, float tipY, float tailX, float tailY, Rgb flight, float flightHalf,
               float barrelHalf) {
  const float dx = tailX - tipX, dy = tailY - tipY;
  const float len = Length(dx, dy);
  if (len < 1.f) return;
  const float ux = dx / len, uy = dy / len;  // along the dart, tip to tail
  const float nx = -uy, ny = ux;             // across it
  auto at = [&](float t, float side) {
    return std::pair<float, float>{tipX + ux * len * t + nx * side, tipY + uy * len * t + ny * side};
  };
  // Flight: a kite-shaped fin, light on one half and shaded on the other.
  const auto [f0x, f0y] = at(0.60f, 0.f);
  const auto [fa1x, fa1y] = at(0.80f, flightHalf);
  const auto [fa2x, fa2y] = at(1.00f, flightHalf * 0.85f);
  const auto [fb1x, fb1y] = at(0.80f, -flightHalf);
  const auto [fb2x, fb2y] = at(1.00f, -flightHalf * 0.85f);
  const auto [fex, fey] = at(1.00f, 0.f);
  c.Paint(Polygon{{{f0x, f0y}, {fa1x, fa1y}, {fa2x, fa2y}, {fex, fey}}}, Shade(flight, 0.12f));
  c.Paint(Polygon{{{f0x, f0y}, {fb1x, fb1y}, {fb2x, fb2y}, {fex, fey}}}, Shade(flight, -0.28f));
  // A white stripe across the flight, and its dark spine.
  {
    const auto [s1x, s1y] = at(0.86f, flightHalf * 0.92f);
    const auto [s2x, s2y] = at(0.86f, -flightHalf * 0.92f);
    c.Paint(Line(s1x, s1y, s2x, s2y, std::max(0.8f, flightHalf * 0.28f)), Rgb{250, 250, 245}, 0.85f);
  }
  {
    const auto [sx, sy] = at(0.62f, 0.f);
    c.Paint(Line(sx, sy, fex, fey, 1.0f), Shade(flight, -0.55f));
  }
  // Shaft (coloured), barrel (knurled tungsten) and steel point.
  {
    const auto [ax, ay] = at(0.46f, 0.f);
    const auto [bx, by] = at(0.68f, 0.f);
    c.Paint(Line(ax, ay, bx, by, barrelHalf * 1.3f), Shade(flight, -0.35f));
  }
  {
    const auto [ax, ay] = at(0.20f, 0.f);
    const auto [bx, by] = at(0.48f, 0.f);
    const Rgb dark = RampColor(Ramp::Steel, 0.25f), light = RampColor(Ramp::Steel, 0.85f);
    c.Paint(Line(ax, ay, bx, by, barrelHalf * 2.f, barrelHalf * 1.7f), [&](float x, float y) {
      const float along = ((x - tipX) * ux + (y - tipY) * uy) / len;
      const float across = ((x - tipX) * nx + (y - tipY) * ny) / barrelHalf;
      const bool groove = std::fmod(along * len, 2.2f) < 0.7f;
      Rgb base = Mix(light, dark, std::clamp(0.5f + across * 0.45f, 0.f, 1.f));
      return groove ? Shade(base, -0.35f) : base;
    });
  }
  {
    const auto [ax, ay] = at(0.0f, 0.f);
    const auto [bx, by] = at(0.21f, 0.f);
    c.Paint(Line(ax, ay, bx, by, 0.9f, 1.5f), RampColor(Ramp::Grey, 0.78f));
    // The very tip is always solid, so the sprite's hot spot is an opaque pixel.
    c.Paint(Circle{tipX, tipY, 0.75f}, RampColor(Ramp::Grey, 0.7f));
  }
}

namespace {

// The playing area, supersampled so ring and segment edges are exact and smooth.
void PaintPlayingArea(Canvas& c, float cx, float cy, float s) {
  const int x0 = static_cast<int>(std::floor(cx - kDoubleOut * s)) - 1, x1 = static_cast<int>(std::ceil(cx + kDoubleOut * s)) + 1;
  const int y0 = static_cast<int>(std::floor(cy - kDoubleOut * s)) - 1, y1 = static_cast<int>(std::ceil(cy + kDoubleOut * s)) + 1;
  constexpr int kSub = 4;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      Rgb sum{};
      int inside = 0;
      for (int sy = 0; sy < kSub; ++sy)
        for (int sx = 0; sx < kSub; ++sx) {
          const float px = static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / kSub;
          const float py = static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / kSub;
          const float dx = px - cx, dy = py - cy;
          if (Length(dx, dy) >= kDoubleOut * s) continue;
          const Rgb v = BoardSample(dx, dy, s);
          sum = {sum.r + v.r, sum.g + v.g, sum.b + v.b};
          ++inside;
        }
      if (inside == 0) continue;
      const float n = static_cast<float>(inside);
      c.Blend(x, y, {sum.r / n, sum.g / n, sum.b / n}, n / (kSub * kSub));
      // The sisal is textured already; dithering would only speckle the segments.
      if (inside == kSub * kSub) c.MarkFlat(x, y);
    }
}

// The wire spider: rings at the ring edges, radial wires between bull and double.
void PaintWires(Canvas& c, float cx, float cy, float s) {
  const Rgb wire = RampColor(Ramp::Grey, 0.82f);
  const float wireW = std::max(0.55f, 0.7f * s);
  for (float r : {kOuterBull, kTrebleIn, kTrebleOut, kDoubleIn, kDoubleOut})
    c.Paint(Ring{cx, cy, r * s - wireW * 0.5f, r * s + wireW * 0.5f}, wire, 0.75f);
  c.Paint(Ring{cx, cy, kInnerBull * s - wireW * 0.5f, kInnerBull * s + wireW * 0.5f}, wire, 0.6f);
  for (int k = 0; k < darts::kNumberedSegments; ++k) {
    const float a = (kSegmentDegrees / 2 + kSegmentDegrees * static_cast<float>(k)) * kPi / 180.f;
    const float ca = std::cos(a), sa = -std::sin(a);
    c.Paint(Line(cx + ca * kOuterBull * s, cy + sa * kOuterBull * s, cx + ca * kDoubleOut * s, cy + sa * kDoubleOut * s, wireW),
            wire, 0.7f);
  }
}

// The numbers in the black ring, each in the middle of its segment.
void PaintNumbers(Canvas& c, float cx, float cy, float s) {
  TextStyle t;
  t.bold = true;
  t.size = 18;
  t.scale = s;
  t.align = Align::Center;
  t.color = RampColor(Ramp::Grey, 0.95f);
  const FontAtlas& f = GetFont(true, 18);
  for (int k = 0; k < darts::kNumberedSegments; ++k) {
    const float a = kSegmentDegrees * static_cast<float>(k) * kPi / 180.f;
    const float r = (kDoubleOut + kNumberRing) * 0.5f * s;
    const float nx = cx + std::cos(a) * r, ny = cy - std::sin(a) * r;
    const std::string text = std::to_string(darts::NumberCounterClockwise(k));
    const float top = ny - static_cast<float>(f.ascent) * 0.62f * s - 0.5f;
    DrawTextShadowed(c, t, nx, top, text, {0, 0, 0}, 1.f, 1.f);
  }
}

}  // namespace

void PaintDartboard(Canvas& c, float cx, float cy, float s, bool numbers) {
  const float rim = kNumberRing * s;
  // Drop shadow on whatever is behind.
  c.Paint(Circle{cx + 6 * s, cy + 8 * s, rim + 2 * s}, Rgb{0, 0, 0}, 0.55f, 10.f * s);
  // Outer rim of the number ring, with a bevel.
  c.Paint(Circle{cx, cy, rim}, [&](float x, float y) {
    const float k = ((x - cx) * -0.6f + (y - cy) * -0.8f) / rim;
    return Shade(RampColor(Ramp::BoardBlack, 0.2f), k * 0.18f);
  });
  PaintPlayingArea(c, cx, cy, s);
  PaintWires(c, cx, cy, s);
  // A soft light from the upper left across the whole face.
  c.Paint(Circle{cx, cy, kDoubleOut * s}, [&](float x, float y) {
    const float k = ((x - cx) * -0.6f + (y - cy) * -0.8f) / (kDoubleOut * s);
    return k > 0 ? Rgb{255, 250, 235} : Rgb{0, 0, 0};
  }, 0.10f);
  // Chrome rim and the numbers.
  c.Paint(Ring{cx, cy, rim - 1.6f * s, rim}, [&](float x, float y) {
    const float k = ((x - cx) * -0.6f + (y - cy) * -0.8f) / rim;
    return Mix(RampColor(Ramp::Steel, 0.3f), RampColor(Ramp::Steel, 0.95f), 0.5f + 0.5f * k);
  });
  if (numbers) PaintNumbers(c, cx, cy, s);
}

}  // namespace art
