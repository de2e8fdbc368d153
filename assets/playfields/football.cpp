// The football target (179): the board with its two holes and their rim
// bands between two posts, the rack of footballs, the field where the
// throwing zone appears, and the scoreboard.
#include <cmath>
#include <tuple>

#include "context.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "core/textures.h"
#include "playfields/playfield_common.h"

namespace art {
namespace {

struct Hole {
  float x, y, radius, rimOuter;  // the rim band lies between radius and rimOuter
};
constexpr Hole kLarge{227, 92, 17, 24}, kSmall{194, 127, 10, 20};

}  // namespace

void MakeFootballPlayfield(Context& ctx) {
  Canvas c(602, 401);
  // Stadium: evening sky and stands above, striped grass below.
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    if (y < 150.f) {
      const Rgb sky = Mix(RampColor(Ramp::Sky, 0.2f), RampColor(Ramp::Sky, 0.6f), y / 150.f);
      return y > 110.f ? Shade(Mix(RampColor(Ramp::Brick, 0.3f), RampColor(Ramp::Navy, 0.3f), Hash2(int(x / 3), int(y / 3), 370u)), -0.3f) : sky;
    }
    const float depth = (y - 150.f) / 251.f;
    const float stripe = std::fmod((y - 150.f) / (0.4f + depth), 40.f) < 20.f ? 0.05f : -0.04f;
    return Shade(Felt(x, y, 371u, RampColor(Ramp::Grass, 0.45f), 0.07f), stripe);
  });
  // Yard lines receding across the field.
  for (int i = 0; i < 6; ++i) {
    const float y = 160.f + 12.f * i + 2.f * i * i;
    c.Paint(Line(0.f, y, 602.f, y, 1.2f + 0.2f * i), RampColor(Ramp::Grey, 0.95f), 0.5f);
  }
  // The board between the posts: painted wood with a big target face.
  c.Paint(RoundRect{149 + 4, 58 + 6, 280 + 4, 209 + 6, 2}, Rgb{0, 0, 0}, 0.5f, 6.f);
  c.Fill({149, 58, 279, 208}, [](float x, float y) {
    Rgb w = WoodGrain(x * 1.5f, y * 2.f, 372u, true, Ramp::Maple, 0.3f, 0.6f);
    return std::fmod(y - 58.f, 30.f) < 15.f ? Mix(w, RampColor(Ramp::Navy, 0.45f), 0.8f) : Mix(w, RampColor(Ramp::Navy, 0.35f), 0.8f);
  });
  for (const Hole& h : {kLarge, kSmall}) {
    c.Paint(Circle{h.x, h.y, h.rimOuter}, RadialGradient(h.x - 4, h.y - 4, h.rimOuter * 1.5f, RampColor(Ramp::Orange, 0.7f), RampColor(Ramp::Orange, 0.3f)));
    c.Paint(Ring{h.x, h.y, h.rimOuter - 1.5f, h.rimOuter}, RampColor(Ramp::Grey, 0.97f));
    c.Paint(Circle{h.x, h.y, h.radius}, RadialGradient(h.x + 3, h.y + 3, h.radius, RampColor(Ramp::Grey, 0.f), RampColor(Ramp::Grey, 0.15f)));
  }
  // Padded posts at both sides.
  for (const auto& [x0, x1] : {std::pair{119.f, 149.f}, std::pair{280.f, 303.f}}) {
    c.Paint(RoundRect{x0, 58, x1, 209, 3}, HorizontalGradient(x0, x1, RampColor(Ramp::Gold, 0.85f), RampColor(Ramp::Gold, 0.3f)));
    for (float y = 70.f; y < 205.f; y += 28.f) c.Paint(Line(x0 + 2.f, y, x1 - 2.f, y, 1.f), RampColor(Ramp::Gold, 0.2f), 0.6f);
  }
  // The rack of footballs.
  c.Paint(RoundRect{131 + 3, 224 + 4, 298 + 3, 248 + 4, 4}, Rgb{0, 0, 0}, 0.5f, 4.f);
  c.Paint(RoundRect{131, 224, 298, 248, 4}, [](float x, float y) { return WoodGrain(x * 2.f, y, 373u, true, Ramp::Wood, 0.3f, 0.55f); });
  for (float bx : {160.f, 215.f, 270.f}) c.Paint(Ellipse{bx - 4.f, 246.f, 22.f, 3.f}, RampColor(Ramp::Wood, 0.12f), 0.7f);
  // Scoreboard: down, to go, yards to goal, then the players.
  ScorePanel(c, 350.f, 100.f, 560.f, 306.f);
  PlayfieldTitle(c, "FOOTBALL", 455.f, 44.f, RampColor(Ramp::Grey, 0.97f), 32);
  BoxLabel(c, "DOWN", 390.f, 122.f, RampColor(Ramp::Gold, 0.85f), 12);
  BoxLabel(c, "TO GO", 451.f, 122.f, RampColor(Ramp::Gold, 0.85f), 12);
  BoxLabel(c, "YARDS", 512.f, 122.f, RampColor(Ramp::Gold, 0.85f), 12);
  for (int i = 0; i < 4; ++i) {
    const int y = 182 + 29 * i;
    c.FillRect(355, y, 461, y + 18, {0, 0, 0});
    c.FillRect(491, y, 525, y + 18, {0, 0, 0});
  }
  ctx.sink.Bitmap(179, ctx.quant.Convert(c, Dither::Diffusion));
}

}  // namespace art
