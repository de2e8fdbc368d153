// SPDX-License-Identifier: GPL-3.0-or-later
// The air hockey table (134): a lit rink inside chrome rails with the two
// goal slots, the markings, the cabinet around it in a dark arcade, and the
// scoreboard with a lit box behind each side's digit. Every edge the puck
// meets is drawn on the rink's own wall lines.
#include <cmath>

#include "airhockey/airhockey_art.h"
#include "context.h"
#include "core/decor.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "games/airhockey/model/airhockey_geometry.h"
#include "playfields/playfield_common.h"
#include "registry.h"

namespace art {

namespace {

using namespace airhockey;

constexpr float L = kWallLeft, R = kWallRight, T = kWallTop, B = kWallBottom;
constexpr float kMidY = kCentreLineY;
constexpr float kMidX = (L + R) * 0.5f;
constexpr float kRail = 9.f;     // chrome rail width outside the walls
constexpr float kCabinet = 17.f; // cabinet body beyond the rail

void PaintArcade(Canvas& c) {
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    const float n = Fbm(x * 0.03f, y * 0.03f, 340u, 3);
    Rgb base = Mix(RampColor(Ramp::Night, 0.15f), RampColor(Ramp::Purple, 0.2f), n * 0.7f);
    // Neon flecks, kept out from behind the lettering where they would read as marks.
    const bool behindText = x > 330.f && x < 550.f && y > 280.f && y < 370.f;
    const float h = behindText ? 0.f : Hash2(static_cast<int>(x / 3), static_cast<int>(y / 3), 341u);
    if (h > 0.996f) base = RampColor(Ramp::Teal, 0.8f);
    else if (h > 0.992f) base = RampColor(Ramp::Pink, 0.7f);
    // A lamp hangs over the table.
    const float d = Length((x - kMidX) / 260.f, (y - kMidY) / 300.f);
    return Clamp(Scale(base, 1.5f - std::min(d, 1.f) * 0.8f));
  });
}

void PaintCabinet(Canvas& c) {
  const float x0 = L - kRail - kCabinet, y0 = T - kRail - kCabinet, x1 = R + kRail + kCabinet, y1 = B + kRail + kCabinet;
  c.Paint(RoundRect{x0 + 5, y0 + 8, x1 + 5, y1 + 8, 14}, Rgb{0, 0, 0}, 0.65f, 10.f);
  c.Paint(RoundRect{x0, y0, x1, y1, 14}, HorizontalGradient(x0, x1, RampColor(Ramp::Navy, 0.7f), RampColor(Ramp::Navy, 0.2f)));
  // A lit top edge and a stripe of trim along the cabinet.
  c.Paint(Subtract{RoundRect{x0, y0, x1, y1, 14}, RoundRect{x0 + 2, y0 + 2, x1 - 1, y1 - 1, 12}},
          RampColor(Ramp::Navy, 0.95f), 0.8f);
  c.Paint(Subtract{RoundRect{x0 + 6, y0 + 6, x1 - 6, y1 - 6, 10}, RoundRect{x0 + 8, y0 + 8, x1 - 8, y1 - 8, 9}},
          RampColor(Ramp::Orange, 0.75f), 0.9f);
}

// The rail: bright steel, lit from the upper left, its inner edge on the walls.
void PaintRails(Canvas& c) {
  const RoundRect outer{L - kRail, T - kRail, R + kRail, B + kRail, 6};
  const RoundRect inner{L, T, R, B, 0};
  c.Paint(Subtract{outer, inner}, [](float x, float y) {
    const float lit = 0.55f + 0.35f * std::clamp(1.f - (x - L + y - T) / 700.f, 0.f, 1.f);
    // The rail's rounded top: brighter along its middle.
    const float ex = std::min(std::abs(x - (L - kRail * 0.5f)), std::abs(x - (R + kRail * 0.5f)));
    const float ey = std::min(std::abs(y - (T - kRail * 0.5f)), std::abs(y - (B + kRail * 0.5f)));
    const float ridge = 1.f - std::clamp(std::min(ex, ey) / (kRail * 0.5f), 0.f, 1.f);
    return RampColor(Ramp::Steel, std::clamp(lit + ridge * 0.25f - 0.3f, 0.f, 1.f));
  });
}

// The goal slots: open mouths through the end rails.
void PaintGoals(Canvas& c) {
  for (const bool top : {true, false}) {
    const float y0 = top ? T - kRail - kCabinet + 4 : B;
    const float y1 = top ? T : B + kRail + kCabinet - 4;
    c.Paint(RoundRect{kGoalLeft, y0, kGoalRight, y1, 3},
            VerticalGradient(y0, y1, RampColor(Ramp::Grey, top ? 0.0f : 0.12f), RampColor(Ramp::Grey, top ? 0.12f : 0.0f)));
    // Chrome lips on the goal posts.
    for (const float x : {static_cast<float>(kGoalLeft), static_cast<float>(kGoalRight)})
      c.Paint(Line(x, y0 + 2, x, y1 - 2, 2.f), RampColor(Ramp::Steel, 0.9f));
  }
}

void PaintSurface(Canvas& c) {
  c.Fill({L, T, R - 1, B - 1}, [](float x, float y) {
    // White ice-blue top lit by the lamp over the centre.
    const float d = Length((x - kMidX) / 120.f, (y - kMidY) / 230.f);
    Rgb ice = Mix(RampColor(Ramp::Ice, 1.f), RampColor(Ramp::Ice, 0.55f), std::clamp(d * d, 0.f, 1.f));
    const float gx = std::fmod(x - L, 8.f), gy = std::fmod(y - T, 8.f);
    if (gx >= 3.f && gx < 4.f && gy >= 3.f && gy < 4.f) ice = Shade(ice, -0.22f);  // an air hole
    return ice;
  });
}

void PaintMarkings(Canvas& c) {
  // The rails' inner faces cast a thin shadow onto the surface.
  c.Paint(Subtract{RoundRect{L, T, R, B, 0}, RoundRect{L + 2, T + 2, R, B, 0}}, Rgb{0, 0, 0}, 0.25f);
  const Rgb red = RampColor(Ramp::BoardRed, 0.55f), blue = RampColor(Ramp::Navy, 0.6f);
  const RoundRect rink{L, T, R, B, 0};
  c.Paint(Line(L, kMidY + 0.5f, R, kMidY + 0.5f, 3.f), red);
  c.Paint(Ring{kMidX, kMidY + 0.5f, 27.f, 29.f}, red);
  c.Paint(Circle{kMidX, kMidY + 0.5f, 4.f}, red);
  // Goal creases round each mouth.
  const float crease = (kGoalRight - kGoalLeft) * 0.5f + 8.f;
  for (const float gy : {T, B}) c.Paint(Intersect{Ring{kMidX, gy, crease, crease + 2.f}, rink}, blue, 0.85f);
  for (const float gy : {T, B}) c.Paint(Intersect{Circle{kMidX, gy, crease}, rink}, blue, 0.08f);
  // The attack lines a third of the way into each half.
  for (const float y : {kMidY - 90.f, kMidY + 90.f}) c.Paint(Line(L, y, R, y, 1.5f), blue, 0.6f);
  // A soft reflection of the lamp.
  c.Paint(Ellipse{kMidX - 20.f, kMidY - 60.f, 40.f, 70.f}, Rgb{255, 255, 255}, 0.12f, 30.f);
}

void PaintScoreboard(Canvas& c) {
  ScorePanel(c, 340.f, 30.f, 536.f, 270.f);
  const struct {
    const char* label;
    CPoint at;
    Rgb colour;
  } boxes[] = {{kComputerSideName, kComputerScoreAt, RampColor(Ramp::Pink, 0.85f)},
               {"PLAYER", kHumanScoreAt, RampColor(Ramp::Teal, 0.9f)}};
  for (const auto& box : boxes) {
    const float x = static_cast<float>(box.at.x), y = static_cast<float>(box.at.y);
    BoxLabel(c, box.label, kScoreCentreX, y - 26.f, box.colour, 13);
    // A chrome bezel, then the dark glass the digit shows in.
    c.Paint(RoundRect{x - 9.f, y - 6.f, x + kDigitWidth + 9.f, y + kDigitHeight + 6.f, 4},
            VerticalGradient(y - 6.f, y + kDigitHeight + 6.f, RampColor(Ramp::Steel, 0.9f), RampColor(Ramp::Steel, 0.3f)));
    c.Paint(RoundRect{x - 6.f, y - 3.f, x + kDigitWidth + 6.f, y + kDigitHeight + 3.f, 3}, Rgb{0, 0, 0});
    c.Paint(Ellipse{kScoreCentreX, y + kDigitHeight * 0.5f, 26.f, 24.f}, box.colour, 0.10f, 12.f);
  }
  BoxLabel(c, "First to 7 wins", kScoreCentreX, 232.f, RampColor(Ramp::Gold, 0.75f), 12);
  PlayfieldTitle(c, "AIR HOCKEY", kScoreCentreX, 288.f, RampColor(Ramp::Teal, 0.85f), 28);
  BoxLabel(c, "Click your mallet to play,", kScoreCentreX, 334.f, RampColor(Ramp::Ice, 0.85f), 12);
  BoxLabel(c, "click again to pause.", kScoreCentreX, 350.f, RampColor(Ramp::Ice, 0.85f), 12);
}

}  // namespace

void MakeAirHockeyPlayfield(Context& ctx) {
  Canvas c(602, 401);
  PaintArcade(c);
  PaintCabinet(c);
  PaintRails(c);
  PaintGoals(c);
  PaintSurface(c);
  PaintMarkings(c);
  PaintScoreboard(c);
  ctx.sink.Bitmap(kRinkBitmap, ctx.quant.Convert(c, Dither::Diffusion));
  MakeAirHockeySprites(ctx);
  MakeAirHockeySounds(ctx);
}

namespace {
[[maybe_unused]] const bool kRegistered = RegisterFamily("air hockey", MakeAirHockeyPlayfield);
}  // namespace

}  // namespace art
