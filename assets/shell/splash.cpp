// SPDX-License-Identifier: GPL-3.0-or-later
// The splash picture (102): the program's name over a still life of the six games.
#include <cmath>

#include "context.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "core/text.h"
#include "core/textures.h"
#include "darts/dart_painter.h"
#include "shell/props.h"

namespace art {

void MakeSplash(Context& ctx) {
  constexpr int kW = 388, kH = 373;
  Canvas c(kW, kH);
  // A dark room lit from above, and the top of a wooden games table.
  c.Fill({0, 0, kW, kH}, [](float x, float y) {
    const float d = Length((x - 194.f) / 240.f, (y - 150.f) / 220.f);
    const float n = Fbm(x * 0.02f, y * 0.02f, 4u, 3) - 0.5f;
    return Shade(Mix(RampColor(Ramp::Navy, 0.4f), RampColor(Ramp::Night, 0.05f), std::clamp(d, 0.f, 1.f)), n * 0.1f);
  });
  c.Fill({0, 262, kW, kH}, [](float x, float y) {
    const float depth = (y - 262.f) / 111.f;
    return Scale(WoodGrain(x * (1.2f - depth * 0.4f), y * 2.5f, 44u, true, Ramp::Wood, 0.3f, 0.6f), 0.7f + 0.4f * depth);
  });
  c.Fill({0, 258, kW, 264}, VerticalGradient(258, 264, RampColor(Ramp::Wood, 0.75f), RampColor(Ramp::Wood, 0.3f)));

  // The dartboard on the wall behind.
  c.Paint(Circle{194.f, 178.f, 64.f}, RampColor(Ramp::Grey, 0.06f));
  PaintDartboard(c, 194.f, 178.f, 0.46f, false);
  PaintDart(c, 205.f, 165.f, 232.f, 140.f, PlayerColor(1), 5.f, 1.4f);
  PaintDart(c, 190.f, 181.f, 165.f, 150.f, PlayerColor(0), 5.f, 1.4f);

  // Bowling pins and a ball at the left.
  for (const auto& [x, y, h] : {std::tuple{40.f, 300.f, 62.f}, std::tuple{68.f, 292.f, 58.f}, std::tuple{94.f, 304.f, 64.f}}) {
    c.Paint(Ellipse{x + 4.f, y, 14.f, 4.f}, Rgb{0, 0, 0}, 0.4f, 4.f);
    PaintBowlingPin(c, x, y, h);
  }
  c.Paint(Ellipse{86.f, 338.f, 26.f, 6.f}, Rgb{0, 0, 0}, 0.45f, 5.f);
  PaintBowlingBall(c, 82.f, 314.f, 25.f, RampColor(Ramp::Purple, 0.55f));
  // A basketball at the right, a football in front of it.
  c.Paint(Ellipse{330.f, 312.f, 34.f, 7.f}, Rgb{0, 0, 0}, 0.45f, 6.f);
  PaintBasketball(c, 326.f, 280.f, 32.f);
  c.Paint(Ellipse{296.f, 350.f, 30.f, 6.f}, Rgb{0, 0, 0}, 0.45f, 5.f);
  PaintFootball(c, 292.f, 334.f, 28.f, 16.f, -12.f);
  // Pool balls and an air hockey mallet with its puck in front.
  const Rgb colors[] = {Hex(0xF0C020), Hex(0x2040C0), Hex(0xD02020), Hex(0x111111)};
  const float bx[] = {148.f, 172.f, 196.f, 160.f};
  const float by[] = {318.f, 322.f, 318.f, 340.f};
  for (int i = 0; i < 4; ++i) {
    c.Paint(Ellipse{bx[i] + 3.f, by[i] + 11.f, 11.f, 3.f}, Rgb{0, 0, 0}, 0.45f, 3.f);
    PaintPoolBall(c, bx[i], by[i], 11.f, colors[i], i == 1);
  }
  c.Paint(Ellipse{236.f, 352.f, 24.f, 7.f}, Rgb{0, 0, 0}, 0.45f, 4.f);
  c.Paint(Ellipse{234.f, 342.f, 22.f, 9.f}, RampColor(Ramp::BoardRed, 0.3f));
  c.Paint(Ellipse{234.f, 338.f, 21.f, 8.f}, RampColor(Ramp::BoardRed, 0.5f));
  c.Paint(Ellipse{234.f, 331.f, 9.f, 6.f}, RampColor(Ramp::BoardRed, 0.35f));
  c.Paint(Ellipse{234.f, 327.f, 8.f, 5.f}, RampColor(Ramp::BoardRed, 0.65f));
  c.Paint(Ellipse{212.f, 358.f, 11.f, 4.f}, RampColor(Ramp::Grey, 0.15f));
  c.Paint(Ellipse{212.f, 356.f, 11.f, 4.f}, RampColor(Ramp::Grey, 0.3f));

  // The name.
  TextStyle t;
  t.size = 48;
  t.scale = 1.05f;
  t.align = Align::Center;
  t.color = RampColor(Ramp::Gold, 0.92f);
  DrawTextShadowed(c, t, 194.f, 14.f, "Quintaro", RampColor(Ramp::Wood, 0.05f), 3.f, 3.f, 1.6f);
  t.size = 32;
  t.scale = 1.f;
  t.color = RampColor(Ramp::Grey, 0.97f);
  DrawTextShadowed(c, t, 194.f, 70.f, "G A M E S", RampColor(Ramp::Navy, 0.05f), 2.f, 2.f, 1.2f);
  c.Paint(Line(70.f, 108.f, 318.f, 108.f, 1.5f), RampColor(Ramp::Gold, 0.7f), 0.8f);
  ctx.sink.Bitmap(102, ctx.quant.Convert(c, Dither::Diffusion));
}

}  // namespace art
