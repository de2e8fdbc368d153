// The pool table (133), seen from above: felt bed inside the cushion lines,
// six pockets over their capture areas, the kitchen, the foot spot and the
// ball tray below the table.
#include <cmath>
#include <utility>

#include "context.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "core/textures.h"
#include "playfields/playfield_common.h"

namespace art {
namespace {

// Cushion lines: a ball's edge stops at them.
constexpr float kLeft = 92, kTop = 90, kRight = 509, kBottom = 295;
// Pocket centres, from the middle of each capture rectangle.
constexpr std::pair<float, float> kPockets[6] = {{91.5f, 89.5f}, {299.5f, 80.f},  {509.5f, 89.5f},
                                                 {509.5f, 296.f}, {299.5f, 303.f}, {91.5f, 296.f}};
constexpr float kKitchenX = 411;                  // the head string
constexpr float kFootX = 187, kFootY = 192;       // the rack's apex

}  // namespace

void MakePoolPlayfield(Context& ctx) {
  Canvas c(602, 401);
  // A dark floor with a soft pool of light under the table lamp.
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    const float d = Length((x - 300.f) / 420.f, (y - 190.f) / 300.f);
    const Rgb floor = WoodGrain(x, y * 1.5f, 330u, true, Ramp::Wood, 0.1f, 0.3f);
    return Scale(floor, std::clamp(1.2f - d, 0.45f, 1.f));
  });
  // Table: shadow, wooden rail, then the cushions and the felt bed.
  c.Paint(RoundRect{50, 50, 560, 342, 18}, Rgb{0, 0, 0}, 0.6f, 12.f);
  c.Paint(RoundRect{56, 46, 546, 334, 16}, [](float x, float y) {
    const bool across = std::min(y - 46.f, 334.f - y) < std::min(x - 56.f, 546.f - x);
    return WoodGrain(across ? x : y, across ? y * 2.f : x * 2.f, 331u, true, Ramp::Wood, 0.25f, 0.55f);
  });
  c.Paint(Subtract{RoundRect{56, 46, 546, 334, 16}, RoundRect{60, 50, 542, 330, 13}}, RampColor(Ramp::Wood, 0.75f), 0.5f);
  c.Paint(RoundRect{kLeft - 10, kTop - 10, kRight + 10, kBottom + 10, 2}, RampColor(Ramp::Felt, 0.2f));
  c.Fill({kLeft, kTop, kRight - 1, kBottom - 1}, [](float x, float y) {
    const float d = Length((x - 300.f) / 300.f, (y - 192.f) / 160.f);
    return Felt(x, y, 332u, Mix(RampColor(Ramp::Felt, 0.5f), RampColor(Ramp::Felt, 0.33f), std::clamp(d, 0.f, 1.f)), 0.04f);
  });
  // Cushion noses: a lit strip along each cushion line.
  c.Paint(Line(kLeft + 1, kTop, kRight - 1, kTop, 1.5f), RampColor(Ramp::Felt, 0.65f), 0.6f);
  c.Paint(Line(kLeft, kTop, kLeft, kBottom, 1.5f), RampColor(Ramp::Felt, 0.65f), 0.6f);
  c.Paint(Line(kLeft, kBottom - 1, kRight, kBottom - 1, 1.5f), RampColor(Ramp::Felt, 0.12f), 0.6f);
  c.Paint(Line(kRight - 1, kTop, kRight - 1, kBottom, 1.5f), RampColor(Ramp::Felt, 0.12f), 0.6f);
  // Pockets with leather rims.
  for (const auto& [px, py] : kPockets) {
    c.Paint(Circle{px, py, 15.f}, RampColor(Ramp::Wood, 0.1f));
    c.Paint(Circle{px, py, 12.f}, RadialGradient(px - 3, py - 3, 14.f, RampColor(Ramp::Grey, 0.12f), RampColor(Ramp::Grey, 0.f)));
  }
  // Diamonds on the rails.
  for (int i = 1; i < 8; ++i) {
    if (i == 4) continue;
    const float x = kLeft + (kRight - kLeft) * static_cast<float>(i) / 8.f;
    for (float y : {66.f, 315.f}) c.Paint(Circle{x, y, 2.2f}, RampColor(Ramp::Ice, 0.9f));
  }
  for (int i = 1; i < 4; ++i) {
    const float y = kTop + (kBottom - kTop) * static_cast<float>(i) / 4.f;
    for (float x : {72.f, 529.f}) c.Paint(Circle{x, y, 2.2f}, RampColor(Ramp::Ice, 0.9f));
  }
  // The head string (kitchen) and the foot spot.
  c.Paint(Line(kKitchenX, kTop + 2, kKitchenX, kBottom - 2, 1.f), RampColor(Ramp::Felt, 0.75f), 0.45f);
  c.Paint(Circle{kFootX, kFootY, 2.f}, RampColor(Ramp::Felt, 0.85f), 0.7f);
  c.Paint(Circle{kKitchenX, kFootY, 2.f}, RampColor(Ramp::Felt, 0.85f), 0.7f);
  // Ball tray below the table: object balls at y 340, the cue ball at (130, 380).
  c.Paint(RoundRect{116, 328, 482, 352, 11}, Rgb{0, 0, 0}, 0.5f, 4.f);
  c.Paint(RoundRect{118, 329, 480, 351, 10}, VerticalGradient(329, 351, RampColor(Ramp::Steel, 0.3f), RampColor(Ramp::Steel, 0.65f)));
  c.Paint(RoundRect{121, 332, 477, 348, 8}, VerticalGradient(332, 348, RampColor(Ramp::Grey, 0.05f), RampColor(Ramp::Grey, 0.2f)));
  c.Paint(Circle{130, 380, 12}, VerticalGradient(368, 392, RampColor(Ramp::Steel, 0.3f), RampColor(Ramp::Steel, 0.65f)));
  c.Paint(Circle{130, 380, 9}, RampColor(Ramp::Grey, 0.08f));
  BoxLabel(c, "POCKETED", 300.f, 355.f, RampColor(Ramp::Gold, 0.7f), 11);
  BoxLabel(c, "CUE", 130.f, 354.f, RampColor(Ramp::Gold, 0.7f), 11);
  PlayfieldTitle(c, "POOL", 300.f, 8.f, RampColor(Ramp::Gold, 0.9f), 24);
  ctx.sink.Bitmap(133, ctx.quant.Convert(c, Dither::Diffusion));
}

}  // namespace art
