// The basketball gym (131): the wall behind the sliding backboard, the
// court floor with the ball rack, and the scoreboard with clock, points and
// the players' rows.
#include <cmath>

#include "context.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "core/textures.h"
#include "playfields/playfield_common.h"

namespace art {

void MakeBasketballPlayfield(Context& ctx) {
  Canvas c(602, 401);
  // Painted block wall above, maple floor below, in perspective.
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    if (y < 196.f) {
      const float row = std::floor(y / 14.f);
      const float bx = std::fmod(x + (static_cast<int>(row) % 2) * 20.f, 40.f);
      Rgb wall = Mix(RampColor(Ramp::Sky, 0.35f), RampColor(Ramp::Navy, 0.4f), y / 196.f);
      if (bx < 1.2f || std::fmod(y, 14.f) < 1.2f) wall = Shade(wall, -0.25f);
      return Shade(wall, (Fbm(x * 0.05f, y * 0.05f, 360u, 2) - 0.5f) * 0.1f);
    }
    const float depth = (y - 196.f) / 205.f;
    const float u = (x - 200.f) / (0.4f + depth);
    Rgb floor = WoodGrain(y * 3.f, u * 0.9f, 361u, true, Ramp::Maple, 0.45f, 0.8f);
    return Scale(floor, 0.85f + 0.2f * depth);
  });
  c.Fill({0, 190, 602, 198}, VerticalGradient(190, 198, RampColor(Ramp::Grey, 0.3f), RampColor(Ramp::Grey, 0.1f)));
  // Court lines: the free-throw lane in perspective and the arc.
  const Rgb line = RampColor(Ramp::Grey, 0.97f);
  c.Paint(Line(150.f, 198.f, 110.f, 400.f, 2.5f), line, 0.85f);
  c.Paint(Line(250.f, 198.f, 290.f, 400.f, 2.5f), line, 0.85f);
  c.Paint(Intersect{Subtract{Ellipse{200.f, 300.f, 96.f, 26.f}, Ellipse{200.f, 300.f, 93.f, 24.f}}, RoundRect{0, 300, 602, 401, 0}}, line, 0.85f);
  c.Paint(Line(112.f, 300.f, 288.f, 300.f, 2.5f), line, 0.85f);
  c.Fill({140, 198, 260, 300}, [](float, float) { return RampColor(Ramp::Orange, 0.45f); }, 0.22f);
  // The backboard's track: a steel beam it slides along, behind the sprite.
  c.Paint(RoundRect{120, 58, 284, 64, 2}, VerticalGradient(58, 64, RampColor(Ramp::Steel, 0.8f), RampColor(Ramp::Steel, 0.3f)));
  for (float px : {124.f, 280.f}) c.Paint(RoundRect{px - 3, 0, px + 3, 64, 1}, RampColor(Ramp::Steel, 0.35f));
  // The ball rack: a rail the four balls sit on.
  c.Paint(RoundRect{122, 246, 270, 262, 5}, Rgb{0, 0, 0}, 0.5f, 4.f);
  c.Paint(RoundRect{120, 244, 270, 258, 5}, VerticalGradient(244, 258, RampColor(Ramp::Steel, 0.85f), RampColor(Ramp::Steel, 0.3f)));
  for (float lx : {128.f, 262.f}) c.Paint(RoundRect{lx - 3, 256, lx + 3, 300, 1}, RampColor(Ramp::Steel, 0.35f));
  // Scoreboard: clock at (345, 106), points at (452, 106), player rows below.
  ScorePanel(c, 326.f, 64.f, 526.f, 292.f);
  PlayfieldTitle(c, "BASKETBALL", 426.f, 18.f, RampColor(Ramp::Orange, 0.75f), 32);
  BoxLabel(c, "TIME", 365.f, 87.f, RampColor(Ramp::Gold, 0.85f), 13);
  BoxLabel(c, "POINTS", 472.f, 87.f, RampColor(Ramp::Gold, 0.85f), 13);
  for (float dx : {341.f, 448.f}) c.Paint(RoundRect{dx, 102, dx + 48, 142, 3}, RampColor(Ramp::Grey, 0.02f));
  c.Paint(Line(338.f, 156.f, 514.f, 156.f, 1.f), RampColor(Ramp::Steel, 0.6f), 0.8f);
  const float rows[4] = {174, 203, 232, 262};
  const Rgb colors[4] = {Hex(0x2050F0), Hex(0xE02020), Hex(0xF0D020), Hex(0x20C040)};
  for (int i = 0; i < 4; ++i) {
    c.Paint(Circle{331.5f, rows[i] + 9.f, 2.5f}, colors[i]);
    c.FillRect(338, static_cast<int>(rows[i]), 434, static_cast<int>(rows[i]) + 18, {0, 0, 0});
    c.Paint(RoundRect{466, rows[i] - 2, 508, rows[i] + 22, 2}, RampColor(Ramp::Grey, 0.02f));
  }
  ctx.sink.Bitmap(131, ctx.quant.Convert(c, Dither::Diffusion));
}

}  // namespace art
