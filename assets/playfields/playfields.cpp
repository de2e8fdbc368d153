// Playfields of the other games: basketball (131), bowling (132), pool (133),
// air hockey (134) and football (179). Each is a finished-looking surface in
// its game's materials with the game's name, so the program never lacks a
// background; the game developers may replace them with fuller scenes.
#include <cmath>
#include <string_view>

#include "context.h"
#include "core/decor.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "core/text.h"
#include "core/textures.h"
#include "shell/figures.h"

namespace art {
namespace {

void Title(Canvas& c, std::string_view name, float x, float y, Rgb color, int size = 28) {
  TextStyle t;
  t.size = size;
  t.align = Align::Center;
  t.color = color;
  DrawTextShadowed(c, t, x, y, name, {0, 0, 0}, 2.f, 2.f, 1.f);
}

// Basketball: a maple court seen from the side, the hoop at the upper left.
void Basketball(Context& ctx) {
  Canvas c(602, 401);
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    if (y < 300.f) {
      const float n = Fbm(x * 0.01f, y * 0.01f, 2u, 3);
      return Mix(RampColor(Ramp::Navy, 0.15f), RampColor(Ramp::Navy, 0.35f), std::clamp(n + (300.f - y) / 900.f, 0.f, 1.f));
    }
    const float depth = (y - 300.f) / 101.f;
    return Scale(WoodGrain(x * (1.f - depth * 0.3f), y * 3.f, 131u, true, Ramp::Maple, 0.35f, 0.7f), 0.8f + 0.2f * depth);
  });
  c.Paint(Line(0.f, 360.f, 602.f, 360.f, 3.f), RampColor(Ramp::Grey, 0.95f), 0.8f);
  // Backboard, rim and net.
  c.Paint(RoundRect{40, 40, 50, 300, 2}, RampColor(Ramp::Steel, 0.4f));
  c.Paint(RoundRect{50, 40, 60, 150, 1}, RampColor(Ramp::Grey, 0.95f));
  c.Paint(Subtract{Ellipse{90.f, 120.f, 30.f, 6.f}, Ellipse{90.f, 119.5f, 27.f, 4.f}}, RampColor(Ramp::Orange, 0.45f));
  for (int i = 0; i <= 6; ++i) {
    const float top = 62.f + 9.f * i;
    c.Paint(Line(top, 120.f, 70.f + 6.f * i, 150.f, 0.9f), RampColor(Ramp::Grey, 0.95f), 0.8f);
  }
  Title(c, "BASKETBALL", 380.f, 20.f, RampColor(Ramp::Orange, 0.7f), 40);
  ctx.sink.Bitmap(131, ctx.quant.Convert(c, Dither::Diffusion));
}

// Bowling: a lane running up the screen between two gutters.
void Bowling(Context& ctx) {
  Canvas c(602, 401);
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    const float n = Fbm(x * 0.02f, y * 0.02f, 7u, 3);
    return Mix(RampColor(Ramp::Night, 0.2f), RampColor(Ramp::Purple, 0.3f), n * 0.6f);
  });
  c.Fill({200, 0, 402, 401}, [](float x, float) { return (x < 214.f || x >= 388.f) ? RampColor(Ramp::Grey, 0.15f) : Rgb{}; });
  c.Fill({214, 0, 388, 401}, [](float x, float y) {
    Rgb w = WoodGrain(y, x * 4.f, 132u, true, Ramp::Maple, 0.45f, 0.8f);
    if (std::fmod(x - 214.f, 4.6f) < 0.5f) w = Shade(w, -0.1f);
    return w;
  });
  for (int i = -2; i <= 2; ++i)
    c.Paint(Polygon{{{301.f + i * 17.f, 280.f}, {297.f + i * 17.f, 290.f}, {305.f + i * 17.f, 290.f}}}, RampColor(Ramp::Wood, 0.25f));
  Title(c, "BOWLING", 105.f, 20.f, RampColor(Ramp::Pink, 0.75f));
  ctx.sink.Bitmap(132, ctx.quant.Convert(c, Dither::Diffusion));
}

// Pool: a green table seen from above inside a wooden rail with six pockets.
void Pool(Context& ctx) {
  Canvas c(602, 401);
  c.Fill({0, 0, 602, 401}, [](float x, float y) { return Cork(x, y, 133u); });
  c.Paint(RoundRect{22, 22, 580, 379, 16}, Rgb{0, 0, 0}, 0.5f, 8.f);
  c.Paint(RoundRect{18, 18, 584, 383, 16}, [](float x, float y) { return WoodGrain(x, y * 2.f, 134u, true, Ramp::Wood, 0.2f, 0.5f); });
  c.Paint(RoundRect{44, 44, 558, 357, 3}, RampColor(Ramp::Felt, 0.25f));
  c.Fill({50, 50, 552, 351}, [](float x, float y) { return Felt(x, y, 135u, RampColor(Ramp::Felt, 0.45f)); });
  for (const auto& [px, py] : {std::pair{48.f, 48.f}, std::pair{301.f, 44.f}, std::pair{554.f, 48.f}, std::pair{48.f, 353.f},
                               std::pair{301.f, 357.f}, std::pair{554.f, 353.f}})
    c.Paint(Circle{px, py, 11.f}, RampColor(Ramp::Grey, 0.02f));
  c.Paint(Line(175.f, 52.f, 175.f, 349.f, 1.f), RampColor(Ramp::Felt, 0.7f), 0.6f);
  Title(c, "POOL", 301.f, 2.f, RampColor(Ramp::Gold, 0.9f), 16);
  ctx.sink.Bitmap(133, ctx.quant.Convert(c, Dither::Diffusion));
}

// Air hockey: a white table with a blue rail, a centre line and two goals.
void AirHockey(Context& ctx) {
  Canvas c(602, 401);
  c.Fill({0, 0, 602, 401}, [](float x, float y) { return Shade(RampColor(Ramp::Night, 0.3f), (Fbm(x * 0.02f, y * 0.02f, 9u, 3) - 0.5f) * 0.3f); });
  c.Paint(RoundRect{150, 6, 452, 395, 24}, RampColor(Ramp::Navy, 0.45f));
  c.Fill({164, 20, 438, 381}, [](float x, float y) {
    Rgb ice = Mix(RampColor(Ramp::Ice, 1.f), RampColor(Ramp::Ice, 0.7f), std::abs(y - 200.f) / 200.f);
    if (std::fmod(x - 164.f, 8.f) < 1.f && std::fmod(y - 20.f, 8.f) < 1.f) ice = Shade(ice, -0.15f);
    return ice;
  });
  c.Paint(Line(164.f, 200.5f, 438.f, 200.5f, 2.f), RampColor(Ramp::BoardRed, 0.5f));
  c.Paint(Ring{301.f, 200.5f, 40.f, 42.f}, RampColor(Ramp::BoardRed, 0.5f));
  c.FillRect(256, 14, 346, 20, RampColor(Ramp::Grey, 0.05f));
  c.FillRect(256, 381, 346, 387, RampColor(Ramp::Grey, 0.05f));
  Title(c, "AIR", 75.f, 160.f, RampColor(Ramp::Ice, 0.9f));
  Title(c, "HOCKEY", 75.f, 196.f, RampColor(Ramp::Ice, 0.9f));
  ctx.sink.Bitmap(134, ctx.quant.Convert(c, Dither::Diffusion));
}

// Football: the target board with its two holes between the posts, a field below.
void Football(Context& ctx) {
  Canvas c(602, 401);
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    if (y < 215.f) return Mix(RampColor(Ramp::Sky, 0.75f), RampColor(Ramp::Sky, 0.35f), y / 215.f);
    const float stripe = std::fmod(x + (y - 215.f) * 0.4f, 60.f) < 30.f ? 0.04f : -0.04f;
    return Shade(Felt(x, y, 179u, RampColor(Ramp::Grass, 0.45f), 0.08f), stripe);
  });
  // Posts at the sides of the board and the board between them.
  c.Paint(RoundRect{149, 58, 280, 209, 2}, [](float x, float y) { return WoodGrain(x * 1.5f, y * 2.f, 180u, true, Ramp::Maple, 0.3f, 0.6f); });
  c.Fill({149, 58, 280, 209}, [](float, float y) {
    return std::fmod(y - 58.f, 16.f) < 8.f ? RampColor(Ramp::Grass, 0.35f) : RampColor(Ramp::Grass, 0.5f);
  }, 0.8f);
  for (const auto& [x0, x1] : {std::pair{119.f, 149.f}, std::pair{280.f, 303.f}})
    c.Paint(RoundRect{x0, 58, x1, 209, 2}, HorizontalGradient(x0, x1, RampColor(Ramp::Gold, 0.85f), RampColor(Ramp::Gold, 0.35f)));
  // The holes with their rims.
  for (const auto& [hx, hy, r] : {std::tuple{227.f, 92.f, 17.f}, std::tuple{194.f, 127.f, 10.f}}) {
    c.Paint(Circle{hx, hy, r + 3.f}, RampColor(Ramp::Grey, 0.95f));
    c.Paint(Circle{hx, hy, r}, RampColor(Ramp::Grey, 0.03f));
  }
  // The rack of footballs and the throwing area.
  c.Paint(RoundRect{131, 224, 298, 248, 4}, [](float x, float y) { return WoodGrain(x * 2.f, y, 181u, true, Ramp::Wood, 0.3f, 0.55f); });
  c.Paint(RoundRect{109, 263, 156, 295, 3}, RampColor(Ramp::Grey, 0.95f), 0.5f);
  Title(c, "FOOTBALL", 450.f, 20.f, RampColor(Ramp::Grey, 0.97f), 32);
  ctx.sink.Bitmap(179, ctx.quant.Convert(c, Dither::Diffusion));
}

}  // namespace

void MakePlayfields(Context& ctx) {
  Basketball(ctx);
  Bowling(ctx);
  Pool(ctx);
  AirHockey(ctx);
  Football(ctx);
}

}  // namespace art
