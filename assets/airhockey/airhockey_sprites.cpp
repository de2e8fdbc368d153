// SPDX-License-Identifier: GPL-3.0-or-later
// The air hockey sprites: the mallet (254) both sides push and the puck
// (277). The score digits (255..262) are the program's large digits, which
// the football family makes for every game that shows them.
#include <cmath>

#include "airhockey/airhockey_art.h"
#include "core/palette.h"
#include "core/shapes.h"
#include "games/airhockey/model/airhockey_geometry.h"

namespace art {

namespace {

using namespace airhockey;

// What the bodies stand on: the rink's pale ice.
Rgb IceMatte() { return RampColor(Ramp::Ice, 0.9f); }

// Seen from above: a red striker with a dark rim, the raised handle knob in
// the middle catching the lamp from the upper left.
void MakeMallet(Context& ctx) {
  const float s = kMalletSize, c0 = s * 0.5f, r = s * 0.5f - 0.3f;
  Canvas c(kMalletSize, kMalletSize, {}, 0.f);
  c.Paint(Circle{c0, c0, r}, RampColor(Ramp::BoardRed, 0.15f));
  c.Paint(Circle{c0 - 0.6f, c0 - 0.6f, r - 1.6f}, RadialGradient(c0 - 4.f, c0 - 4.f, r * 1.4f, RampColor(Ramp::BoardRed, 0.95f),
                                                                 RampColor(Ramp::BoardRed, 0.3f)));
  // The ring groove round the handle.
  c.Paint(Ring{c0, c0, 5.6f, 7.0f}, RampColor(Ramp::BoardRed, 0.2f), 0.8f);
  c.Paint(Circle{c0, c0, 5.2f}, RadialGradient(c0 - 2.f, c0 - 2.f, 7.f, RampColor(Ramp::BoardRed, 1.f),
                                               RampColor(Ramp::BoardRed, 0.45f)));
  c.Paint(Circle{c0 - 2.f, c0 - 2.2f, 1.7f}, Rgb{255, 240, 235}, 0.85f);
  c.Paint(Ring{c0, c0, r - 2.2f, r - 1.4f}, Rgb{255, 200, 190}, 0.18f);
  ctx.sink.Bitmap(kMalletBitmap, ctx.quant.ConvertKeyed(c, IceMatte(), 0.45f));
}

// A black puck with a bright bevel on its lit edge and a faint printed ring.
void MakePuck(Context& ctx) {
  const float c0 = kPuckSize * 0.5f, r = kPuckSize * 0.5f - 0.2f;
  Canvas c(kPuckSize, kPuckSize, {}, 0.f);
  c.Paint(Circle{c0, c0, r}, RampColor(Ramp::Grey, 0.02f));
  c.Paint(Ring{c0, c0, r - 1.6f, r - 0.4f}, [c0](float x, float y) {
    // The bevel: bright toward the lamp, dark away from it.
    const float lit = std::clamp(0.5f - ((x - c0) + (y - c0)) / 14.f, 0.f, 1.f);
    return RampColor(Ramp::Grey, 0.15f + 0.7f * lit);
  });
  c.Paint(Circle{c0, c0, r - 1.8f}, RadialGradient(c0 - 2.5f, c0 - 2.5f, 9.f, RampColor(Ramp::Grey, 0.28f),
                                                   RampColor(Ramp::Grey, 0.04f)));
  c.Paint(Ring{c0, c0, 3.0f, 3.8f}, RampColor(Ramp::Orange, 0.7f), 0.7f);
  ctx.sink.Bitmap(kPuckBitmap, ctx.quant.ConvertKeyed(c, IceMatte(), 0.45f));
}

}  // namespace

void MakeAirHockeySprites(Context& ctx) {
  MakeMallet(ctx);
  MakePuck(ctx);
}

}  // namespace art
