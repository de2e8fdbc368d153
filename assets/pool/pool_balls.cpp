// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen pool balls, 15 x 15 with the centre on the hot spot: solids,
// stripes with their white caps, the black 8 and the cue ball, each lit from
// the lamp over the table with its number on a white spot. The second cel
// shows the ball turned a little.
#include <array>

#include "context.h"
#include "core/palette.h"
#include "core/shapes.h"
#include "games/pool/model/pool_geometry.h"

namespace art {
namespace {

constexpr float kCentre = pool::kBallHot + 0.5f;
constexpr float kRadius = 7.3f;
const Rgb kMatte{12, 40, 22};  // edges blend toward the shade of the felt

// The colours of balls 1..8 (9..15 are striped in the colours of 1..7).
constexpr std::array<std::uint32_t, 8> kColours = {0xF2C21A, 0x1C48C4, 0xD41E1E, 0x5E2696,
                                                   0xF0761A, 0x178A3A, 0x7E1A1A, 0x151515};

// 3 x 5 digits, one row per byte, bit 2 the left column.
constexpr std::array<std::array<unsigned char, 5>, 10> kDigits = {{
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
}};

void PutDigit(Canvas& c, int digit, int x0, int y0, Rgb ink) {
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 3; ++col)
      if (kDigits[static_cast<std::size_t>(digit)][static_cast<std::size_t>(row)] & (4 >> col))
        c.Set(x0 + col, y0 + row, ink);
}

// The number on its spot; two-digit numbers use a one-pixel "1".
void PutNumber(Canvas& c, int n, Rgb ink) {
  const int top = pool::kBallHot - 2;
  if (n < 10) {
    PutDigit(c, n, pool::kBallHot - 1, top, ink);
    return;
  }
  for (int row = 0; row < 5; ++row) c.Set(pool::kBallHot - 2, top + row, ink);
  PutDigit(c, n % 10, pool::kBallHot, top, ink);
}

// Light from above and to the upper left: bright near the highlight, dark at the rim.
Rgb Lit(Rgb base, float x, float y) {
  const float d = Length(x - (kCentre - 2.2f), y - (kCentre - 2.6f)) / (kRadius * 1.6f);
  return Clamp(Scale(base, std::clamp(1.25f - d, 0.45f, 1.2f)));
}

Canvas PaintBall(int n, bool turned) {
  Canvas c(pool::kBallSize, pool::kBallSize, {}, 0.f);
  const Rgb white = Hex(0xF4F0E2);
  const Rgb colour = n == 0 ? white : Hex(kColours[static_cast<std::size_t>((n - 1) % 8)]);
  const bool stripe = n >= 9;
  const float band = turned ? 1.2f : 0.f;
  c.Paint(Circle{kCentre, kCentre, kRadius}, [=](float x, float y) {
    const bool inBand = !stripe || std::abs(y - kCentre - band) < 3.6f;
    return Lit(inBand ? colour : white, x, y);
  });
  if (n > 0) {
    const float sx = kCentre + (turned ? -1.f : 0.f), sy = kCentre + (turned ? 1.f : 0.f);
    c.Paint(Circle{sx, sy, 3.6f}, [](float x, float y) { return Lit(Hex(0xF8F6EC), x, y); });
    if (!turned) PutNumber(c, n, Hex(0x181818));
  }
  // The lamp's reflection.
  c.Paint(Circle{kCentre - 2.6f, kCentre - 3.f, 1.1f}, Rgb{255, 255, 255}, 0.85f, 1.2f);
  return c;
}

// The dot on the CUE picture where the tip will strike: red, ringed in white.
Canvas PaintTipDot() {
  Canvas c(pool::kTipDotSize, pool::kTipDotSize, {}, 0.f);
  const float m = pool::kTipDotSize * 0.5f;
  c.Paint(Circle{m, m, m}, Rgb{250, 250, 250});
  c.Paint(Circle{m, m, m - 1.f}, Rgb{220, 30, 30});
  return c;
}

}  // namespace

void MakePoolBalls(Context& ctx) {
  ctx.sink.Bitmap(pool::kTipDotCel, ctx.quant.ConvertKeyed(PaintTipDot(), kMatte, 0.45f));
  for (int n = 0; n < pool::kBallCount; ++n) {
    const pool::RackSpot& rack = pool::kRack[static_cast<std::size_t>(n)];
    ctx.sink.Bitmap(rack.cel0, ctx.quant.ConvertKeyed(PaintBall(n, false), kMatte, 0.45f));
    if (rack.cel1 != rack.cel0) ctx.sink.Bitmap(rack.cel1, ctx.quant.ConvertKeyed(PaintBall(n, true), kMatte, 0.45f));
  }
}

}  // namespace art
