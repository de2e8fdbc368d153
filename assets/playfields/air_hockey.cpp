// The air hockey table (134): the rink inside its walls, the centre line,
// the two goals, and the scoreboard for the computer and the player.
#include <cmath>

#include "context.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "core/textures.h"
#include "playfields/playfield_common.h"

namespace art {
namespace {

constexpr float kLeft = 46, kRight = 214, kTop = 24, kBottom = 372, kCentreY = 200;
constexpr float kGoalLeft = 104, kGoalRight = 156;

}  // namespace

void MakeAirHockeyPlayfield(Context& ctx) {
  Canvas c(602, 401);
  // An arcade: dark carpet with neon flecks.
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    const float n = Fbm(x * 0.03f, y * 0.03f, 340u, 3);
    Rgb base = Mix(RampColor(Ramp::Night, 0.15f), RampColor(Ramp::Purple, 0.2f), n * 0.7f);
    const float h = Hash2(static_cast<int>(x / 3), static_cast<int>(y / 3), 341u);
    if (h > 0.996f) base = RampColor(Ramp::Teal, 0.8f);
    else if (h > 0.992f) base = RampColor(Ramp::Pink, 0.7f);
    return base;
  });
  // The table body and its rail.
  c.Paint(RoundRect{kLeft - 22 + 4, kTop - 20 + 6, kRight + 22 + 4, kBottom + 20 + 6, 16}, Rgb{0, 0, 0}, 0.6f, 10.f);
  c.Paint(RoundRect{kLeft - 22, kTop - 20, kRight + 22, kBottom + 20, 16},
          HorizontalGradient(kLeft - 22, kRight + 22, RampColor(Ramp::Navy, 0.6f), RampColor(Ramp::Navy, 0.25f)));
  c.Paint(RoundRect{kLeft - 8, kTop - 8, kRight + 8, kBottom + 8, 8}, RampColor(Ramp::Grey, 0.92f));
  // The playing surface with its rows of air holes.
  c.Fill({kLeft, kTop, kRight - 1, kBottom - 1}, [](float x, float y) {
    Rgb ice = Mix(RampColor(Ramp::Ice, 1.f), RampColor(Ramp::Ice, 0.65f), std::abs(y - kCentreY) / 190.f);
    const float gx = std::fmod(x - kLeft, 8.f), gy = std::fmod(y - kTop, 8.f);
    if (gx >= 3.f && gx < 4.f && gy >= 3.f && gy < 4.f) ice = Shade(ice, -0.18f);
    return ice;
  });
  // Markings: centre line and circle, goal creases.
  const Rgb red = RampColor(Ramp::BoardRed, 0.5f), blue = RampColor(Ramp::Navy, 0.55f);
  c.Paint(Line(kLeft, kCentreY, kRight, kCentreY, 2.5f), red);
  c.Paint(Ring{130.f, kCentreY, 26.f, 28.f}, red);
  c.Paint(Circle{130.f, kCentreY, 4.f}, red);
  for (float gy : {kTop, kBottom}) c.Paint(Intersect{Ring{130.f, gy, 38.f, 40.f}, RoundRect{kLeft, kTop, kRight, kBottom, 0}}, blue);
  c.Paint(Line(kLeft, 110.f, kRight, 110.f, 1.5f), blue, 0.7f);
  c.Paint(Line(kLeft, 290.f, kRight, 290.f, 1.5f), blue, 0.7f);
  // The goals: dark slots in the end walls.
  for (float gy : {kTop - 8.f, kBottom}) c.FillRect(static_cast<int>(kGoalLeft), static_cast<int>(gy), static_cast<int>(kGoalRight), static_cast<int>(gy + 8.f), RampColor(Ramp::Grey, 0.03f), false);
  // The scoreboard: the computer's goals at (428, 66), the player's at (428, 177).
  ScorePanel(c, 340.f, 30.f, 536.f, 270.f);
  PlayfieldTitle(c, "AIR HOCKEY", 438.f, 284.f, RampColor(Ramp::Teal, 0.85f), 28);
  for (const auto& [label, y] : {std::pair{"COMPUTER", 66.f}, std::pair{"PLAYER", 177.f}}) {
    BoxLabel(c, label, 438.f, y - 22.f, RampColor(Ramp::Ice, 0.9f), 13);
    c.Paint(RoundRect{422.f, y - 4.f, 454.f, y + 36.f, 3}, RampColor(Ramp::Grey, 0.02f));
  }
  BoxLabel(c, "First to 7 wins", 438.f, 236.f, RampColor(Ramp::Gold, 0.75f), 12);
  ctx.sink.Bitmap(134, ctx.quant.Convert(c, Dither::Diffusion));
}

}  // namespace art
