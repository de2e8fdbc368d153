// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/app_icon.h"

#include <algorithm>
#include <cmath>

#include "core/palette.h"
#include "core/shapes.h"
#include "darts/dart_painter.h"

namespace art {
namespace {

constexpr float kPi = 3.14159265f;
constexpr float kBoardNumberRing = 131.f;  // the board's radius to its rim at scale 1

// Wedges a board of this size can show without turning to mush.
int SegmentsFor(int size) { return size <= 16 ? 8 : size <= 24 ? 12 : 20; }

}  // namespace

void PaintIconBoard(Canvas& c, float cx, float cy, float r, int segments) {
  c.Paint(Circle{cx, cy, r}, RampColor(Ramp::Grey, 0.06f));
  const float rings[5] = {0.84f, 0.70f, 0.47f, 0.37f, 0.16f};  // double, single, treble, single, bull
  const float step = 2.f * kPi / static_cast<float>(segments);
  for (int ring = 0; ring < 4; ++ring) {
    const float outer = r * rings[ring], inner = r * rings[ring + 1];
    for (int k = 0; k < segments; ++k) {
      const float a0 = step * (static_cast<float>(k) + 0.5f), a1 = a0 + step;
      const bool dark = k % 2 == 0;
      const bool scoring = ring == 0 || ring == 2;
      const Rgb col = scoring ? (dark ? RampColor(Ramp::BoardRed, 0.45f) : RampColor(Ramp::BoardGreen, 0.5f))
                              : (dark ? RampColor(Ramp::BoardBlack, 0.3f) : RampColor(Ramp::BoardCream, 0.7f));
      Polygon wedge{{{cx, cy}, {cx + std::cos(a0) * outer * 1.2f, cy - std::sin(a0) * outer * 1.2f},
                     {cx + std::cos(a1) * outer * 1.2f, cy - std::sin(a1) * outer * 1.2f}}};
      c.Paint(Intersect{wedge, Ring{cx, cy, inner, outer}}, col);
    }
  }
  c.Paint(Circle{cx, cy, r * 0.16f}, RampColor(Ramp::BoardGreen, 0.5f));
  c.Paint(Circle{cx, cy, r * 0.08f}, RampColor(Ramp::BoardRed, 0.5f));
}

Canvas PaintAppIcon(int size) {
  Canvas c(size, size, {}, 0.f);
  const float s = static_cast<float>(size) / 32.f;
  const float cx = 15.5f * s, cy = 16.5f * s, r = 15.f * s;
  if (size >= 128) {
    // Large enough for the real board with its wires and numbers.
    PaintDartboard(c, cx, cy, r / kBoardNumberRing, true);
  } else {
    PaintIconBoard(c, cx, cy, r, SegmentsFor(size));
  }
  // The dart stays bold when small: a flight and barrel of at least a few pixels.
  const float flight = std::max(3.5f * s, 2.4f);
  const float barrel = std::max(1.1f * s, 0.9f);
  // The 32-pixel window icon keeps its tail in the corner; larger ones pull
  // it in so the flight is not cut by the edge.
  const float tail = size > 32 ? 29.f : 30.f;
  PaintDart(c, 17.f * s, 15.f * s, tail * s, (32.f - tail) * s, PlayerColor(0), flight, barrel);
  return c;
}

}  // namespace art
