// The bowling alley (132): the lane with its gutters and pin deck at the
// left, the score sheet, the approach area where the swing is drawn, and
// the ball return.
#include <cmath>
#include <string>

#include "context.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "core/textures.h"
#include "playfields/playfield_common.h"

namespace art {
namespace {

constexpr float kLaneLeft = 33, kLaneRight = 122;  // the lane surface x 33..121
constexpr float kGutterLeft = 16, kGutterRight = 139;
// The approach: a drag starts in the press zone and is released in the release zone.
constexpr float kApproachLeft = 176, kApproachRight = 285;
constexpr float kReleaseTop = 207, kReleaseBottom = 252, kPressTop = 368;

Rgb LaneWood(float x, float y, float left, float width) {
  const float board = (x - left) / width * 39.f;  // 39 boards across a lane
  Rgb w = WoodGrain(y * 0.7f, x * 3.f, 350u + static_cast<std::uint32_t>(board), true, Ramp::Maple, 0.5f, 0.85f);
  if (board - std::floor(board) < 0.12f) w = Shade(w, -0.1f);
  return w;
}

}  // namespace

void MakeBowlingPlayfield(Context& ctx) {
  Canvas c(602, 401);
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    const float n = Fbm(x * 0.02f, y * 0.02f, 351u, 3);
    return Mix(RampColor(Ramp::Night, 0.2f), RampColor(Ramp::Navy, 0.3f), n * 0.8f);
  });
  // Gutters, lane, pin deck, arrows and the foul line.
  c.Paint(RoundRect{kGutterLeft, -10, kGutterRight, 411, 0}, HorizontalGradient(kGutterLeft, kGutterRight, RampColor(Ramp::Steel, 0.2f), RampColor(Ramp::Steel, 0.4f)));
  for (float gx : {24.f, 130.f})
    c.Paint(RoundRect{gx - 7.f, -10, gx + 7.f, 411, 6}, HorizontalGradient(gx - 7.f, gx + 7.f, RampColor(Ramp::Grey, 0.08f), RampColor(Ramp::Grey, 0.32f)));
  c.Fill({kLaneLeft, 0, kLaneRight - 1, 400}, [](float x, float y) { return LaneWood(x, y, kLaneLeft, kLaneRight - kLaneLeft); });
  c.Fill({kLaneLeft, 0, kLaneRight - 1, 84}, [](float, float) { return RampColor(Ramp::Maple, 0.95f); }, 0.25f);
  const float spots[10][2] = {{42, 11}, {62, 11}, {82, 11}, {102, 11}, {52, 31}, {72, 31}, {92, 31}, {62, 51}, {82, 51}, {72, 71}};
  for (const auto& s : spots) c.Paint(Circle{s[0], s[1], 2.f}, RampColor(Ramp::Wood, 0.35f), 0.6f);
  for (int i = 0; i < 7; ++i) {
    const float ax = kLaneLeft + 8.f + 12.f * i, ay = 250.f - std::abs(3 - i) * 6.f;
    c.Paint(Polygon{{{ax, ay}, {ax - 3.f, ay + 9.f}, {ax + 3.f, ay + 9.f}}}, RampColor(Ramp::Wood, 0.3f));
  }
  c.FillRect(static_cast<int>(kLaneLeft), 338, static_cast<int>(kLaneRight), 340, RampColor(Ramp::BoardRed, 0.4f), false);
  for (int i = 0; i < 5; ++i) c.Paint(Circle{kLaneLeft + 14.f + 15.f * i, 370.f, 1.6f}, RampColor(Ramp::Wood, 0.3f));

  // The score sheet: ten frames across, a row per player; the game draws the boxes.
  ScorePanel(c, 146.f, 68.f, 546.f, 200.f);
  BoxLabel(c, "NAME", 176.f, 76.f, RampColor(Ramp::Ice, 0.9f), 12);
  for (int f = 0; f < 10; ++f)
    BoxLabel(c, std::to_string(f + 1), 202.f + 32.f * f + 14.5f, 76.f, RampColor(Ramp::Ice, 0.9f), 12);
  PlayfieldTitle(c, "BOWLING", 350.f, 16.f, RampColor(Ramp::Pink, 0.75f), 32);

  // The approach: a small lane, the same width as the real one scaled, with
  // the release zone near the top and the press zone at the bottom.
  c.Paint(RoundRect{kApproachLeft - 6, kReleaseTop - 6, kApproachRight + 6, 401 + 6, 4}, RampColor(Ramp::Grey, 0.12f));
  c.Fill({kApproachLeft, kReleaseTop, kApproachRight - 1, 400}, [](float x, float y) {
    return LaneWood(x, y, kApproachLeft, kApproachRight - kApproachLeft);
  });
  c.Fill({kApproachLeft, kReleaseTop, kApproachRight - 1, kReleaseBottom - 1}, [](float, float) { return RampColor(Ramp::Teal, 0.6f); }, 0.35f);
  c.Fill({kApproachLeft, kPressTop, kApproachRight - 1, 400}, [](float, float) { return RampColor(Ramp::Gold, 0.6f); }, 0.35f);
  BoxLabel(c, "RELEASE", 230.5f, 222.f, RampColor(Ramp::Grey, 0.98f), 14);
  BoxLabel(c, "SWING FROM HERE", 230.5f, 377.f, RampColor(Ramp::Grey, 0.98f), 11);
  for (int i = 0; i < 4; ++i) {
    const float ay = 270.f + 22.f * i;
    c.Paint(Polygon{{{230.5f, ay}, {222.5f, ay + 10.f}, {238.5f, ay + 10.f}}}, RampColor(Ramp::Wood, 0.3f), 0.7f);
  }
  // The ball return: a chute down to a round well where the ball comes to rest.
  c.Paint(RoundRect{350, 262, 378, 330, 10}, RampColor(Ramp::Steel, 0.3f));
  c.Paint(RoundRect{355, 266, 373, 330, 8}, RampColor(Ramp::Grey, 0.05f));
  c.Paint(Circle{364, 349, 44}, Rgb{0, 0, 0}, 0.5f, 6.f);
  c.Paint(Circle{364, 349, 42}, RadialGradient(350, 335, 60, RampColor(Ramp::Steel, 0.85f), RampColor(Ramp::Steel, 0.3f)));
  c.Paint(Ring{364, 349, 18, 42}, RampColor(Ramp::Grey, 0.06f));
  c.Paint(Circle{364, 349, 18}, RadialGradient(358, 343, 24, RampColor(Ramp::Purple, 0.6f), RampColor(Ramp::Purple, 0.15f)));
  ctx.sink.Bitmap(132, ctx.quant.Convert(c, Dither::Diffusion));
}

}  // namespace art
