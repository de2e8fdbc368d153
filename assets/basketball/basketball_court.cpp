// SPDX-License-Identifier: GPL-3.0-or-later
// The basketball gym (131): the wall behind the sliding backboard with the
// beam it runs on, the maple court with the ball rack, and the scoreboard
// with clock, points and the players' rows. This file also makes the whole
// basketball family: sprites and sounds.
#include <cmath>

#include "context.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "core/textures.h"
#include "games/basketball/model/basketball_geometry.h"
#include "playfields/playfield_common.h"
#include "registry.h"

namespace art {

void MakeBasketballSprites(Context& ctx);
void MakeBasketballSounds(Context& ctx);

namespace {

using namespace basketball;

constexpr float kFloorTop = 196.f;

void PaintWallAndFloor(Canvas& c) {
  // A painted block wall lit from above the hoop, maple floor in perspective.
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    if (y < kFloorTop) {
      const float row = std::floor(y / 14.f);
      const float bx = std::fmod(x + (static_cast<int>(row) % 2) * 20.f, 40.f);
      Rgb wall = Mix(RampColor(Ramp::Sky, 0.35f), RampColor(Ramp::Navy, 0.4f), y / kFloorTop);
      if (bx < 1.2f || std::fmod(y, 14.f) < 1.2f) wall = Shade(wall, -0.25f);
      const float light = std::max(0.f, 1.f - Length(x - 200.f, (y - 60.f) * 1.4f) / 230.f);
      wall = Shade(wall, 0.28f * light - 0.12f);
      return Shade(wall, (Fbm(x * 0.05f, y * 0.05f, 360u, 2) - 0.5f) * 0.1f);
    }
    const float depth = (y - kFloorTop) / 205.f;
    const float u = (x - 200.f) / (0.4f + depth);
    Rgb floor = WoodGrain(y * 3.f, u * 0.9f, 361u, true, Ramp::Maple, 0.45f, 0.8f);
    // The lights over the hoop shine back off the varnish.
    const float gloss = std::max(0.f, 1.f - Length((x - 200.f) / 120.f, (y - 230.f) / 30.f));
    return Shade(Scale(floor, 0.85f + 0.2f * depth), 0.18f * gloss);
  });
  c.Fill({0, 190, 602, 198}, VerticalGradient(190, 198, RampColor(Ramp::Grey, 0.3f), RampColor(Ramp::Grey, 0.1f)));
}

void PaintCourtLines(Canvas& c) {
  const Rgb line = RampColor(Ramp::Grey, 0.97f);
  c.Fill(
      {140, 198, 260, 300}, [](float, float) { return RampColor(Ramp::Orange, 0.45f); }, 0.22f);
  c.Paint(Line(150.f, 198.f, 110.f, 400.f, 2.5f), line, 0.85f);
  c.Paint(Line(250.f, 198.f, 290.f, 400.f, 2.5f), line, 0.85f);
  c.Paint(Intersect{Subtract{Ellipse{200.f, 300.f, 96.f, 26.f}, Ellipse{200.f, 300.f, 93.f, 24.f}},
                    RoundRect{0, 300, 602, 401, 0}},
          line, 0.85f);
  c.Paint(Line(112.f, 300.f, 288.f, 300.f, 2.5f), line, 0.85f);
}

// The steel beam the backboard slides along, spanning both its stops.
void PaintBeam(Canvas& c) {
  const float x0 = kBoardLeftmost - 26.f, x1 = kBoardRightmost + kBoardWidth + 26.f;
  const float y1 = static_cast<float>(kBoardHome.y), y0 = y1 - 7.f;
  c.Paint(RoundRect{x0 + 2, y0 + 3, x1 + 2, y1 + 4, 2}, Rgb{0, 0, 0}, 0.4f, 3.f);
  c.Paint(RoundRect{x0, y0, x1, y1, 2},
          VerticalGradient(y0, y1, RampColor(Ramp::Steel, 0.85f), RampColor(Ramp::Steel, 0.3f)));
  for (float px : {x0 + 4.f, x1 - 4.f})
    c.Paint(RoundRect{px - 3, 0, px + 3, y0 + 1, 1},
            HorizontalGradient(px - 3, px + 3, RampColor(Ramp::Steel, 0.6f), RampColor(Ramp::Steel, 0.2f)));
  // Rivets along the beam.
  for (float x = x0 + 10.f; x < x1 - 6.f; x += 16.f) c.Paint(Circle{x, y0 + 3.5f, 1.f}, RampColor(Ramp::Steel, 0.95f));
}

// The rack the four balls rest on, under their spots.
void PaintRack(Canvas& c) {
  const float left = static_cast<float>(kRackSpots.front().x) - 25.f;
  const float right = static_cast<float>(kRackSpots.back().x) + 23.f;
  const float top = static_cast<float>(kRackSpots.front().y) + kBallDiameters[0] / 2.f - 6.f;
  c.Paint(RoundRect{left + 2, top + 2, right + 2, top + 18, 5}, Rgb{0, 0, 0}, 0.5f, 4.f);
  c.Paint(RoundRect{left, top, right, top + 14, 5},
          VerticalGradient(top, top + 14, RampColor(Ramp::Steel, 0.85f), RampColor(Ramp::Steel, 0.3f)));
  for (float lx : {left + 8.f, right - 8.f})
    c.Paint(RoundRect{lx - 3, top + 12, lx + 3, top + 56, 1}, RampColor(Ramp::Steel, 0.35f));
  // A shallow cradle under each spot, with the ball's shadow in it.
  for (const CPoint& spot : kRackSpots)
    c.Paint(Ellipse{static_cast<float>(spot.x), top + 3.f, 13.f, 3.f}, Rgb{0, 0, 0}, 0.45f, 2.f);
}

void PaintScoreboard(Canvas& c) {
  ScorePanel(c, 326.f, 64.f, 526.f, 292.f);
  PlayfieldTitle(c, "BASKETBALL", 426.f, 18.f, RampColor(Ramp::Orange, 0.75f), 32);
  BoxLabel(c, "TIME", kClockDigits.x + kLargeDigitWidth, 87.f, RampColor(Ramp::Gold, 0.85f), 13);
  BoxLabel(c, "POINTS", kPointsDigits.x + kLargeDigitWidth, 87.f, RampColor(Ramp::Gold, 0.85f), 13);
  for (const CPoint& at : {kClockDigits, kPointsDigits})
    c.Paint(RoundRect{at.x - 4.f, at.y - 4.f, at.x + 2.f * kLargeDigitWidth + 4.f, at.y + kLargeDigitHeight + 4.f, 3},
            RampColor(Ramp::Grey, 0.02f));
  c.Paint(Line(338.f, 156.f, 514.f, 156.f, 1.f), RampColor(Ramp::Steel, 0.6f), 0.8f);
  const Rgb colors[kSeats] = {Hex(0x2050F0), Hex(0xE02020), Hex(0xF0D020), Hex(0x20C040)};
  for (int i = 0; i < kSeats; ++i) {
    const CRect& box = kNameBoxes[static_cast<std::size_t>(i)];
    const CPoint& digits = kPlayerDigits[static_cast<std::size_t>(i)];
    c.Paint(Circle{box.left - 6.5f, (box.top + box.bottom) * 0.5f, 2.5f}, colors[i]);
    // The names are drawn by the game into exactly black boxes.
    c.FillRect(box.left, box.top, box.right, box.bottom, {0, 0, 0});
    c.Paint(RoundRect{digits.x - 4.f, digits.y - 2.f, digits.x + 2.f * kSmallDigitWidth + 4.f,
                      digits.y + kSmallDigitHeight + 2.f, 2},
            RampColor(Ramp::Grey, 0.02f));
  }
}

}  // namespace

void MakeBasketballPlayfield(Context& ctx) {
  Canvas c(602, 401);
  PaintWallAndFloor(c);
  PaintCourtLines(c);
  PaintBeam(c);
  PaintRack(c);
  PaintScoreboard(c);
  ctx.sink.Bitmap(kCourtBitmap, ctx.quant.Convert(c, Dither::Diffusion));
  MakeBasketballSprites(ctx);
  MakeBasketballSounds(ctx);
}

namespace {
[[maybe_unused]] const bool kRegistered = RegisterFamily("basketball", MakeBasketballPlayfield);
}  // namespace

}  // namespace art
