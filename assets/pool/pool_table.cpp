// SPDX-License-Identifier: GPL-3.0-or-later
// The pool table (133), seen from above under a hanging lamp: the felt bed
// inside the cushion lines, green rubber cushions cut back at the pocket
// mouths, six pockets over their capture areas, wooden rails with diamonds,
// the head string of the kitchen, and the tray for pocketed balls below.
#include <cmath>
#include <utility>
#include <vector>

#include "context.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "core/textures.h"
#include "games/pool/model/pool_geometry.h"
#include "playfields/playfield_common.h"
#include "registry.h"

namespace art {

void MakePoolBalls(Context& ctx);
void MakePoolSounds(Context& ctx);

namespace {

using pool::kCushion;
constexpr float kLeft = kCushion.left, kTop = kCushion.top, kRight = kCushion.right, kBottom = kCushion.bottom;
constexpr float kCushionDepth = 9.f;  // rubber between the cushion line and the rail
constexpr float kRailOut = 22.f;      // wooden rail beyond the rubber
constexpr float kLampX = 300.f, kLampY = 192.f;

std::pair<float, float> PocketCentre(int k) {
  const CRect& r = pool::kPocketRects[static_cast<std::size_t>(k)];
  return {(r.left + r.right) * 0.5f, (r.top + r.bottom) * 0.5f};
}

Rgb FeltAt(float x, float y) {
  // The lamp's pool of light falls off toward the rails.
  const float d = Length((x - kLampX) / 290.f, (y - kLampY) / 170.f);
  const Rgb lit = RampColor(Ramp::Felt, 0.66f), dim = RampColor(Ramp::Felt, 0.28f);
  return Felt(x, y, 332u, Mix(lit, dim, std::clamp(d * d, 0.f, 1.f)), 0.05f);
}

void PaintRoomAndRails(Canvas& c) {
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    const float d = Length((x - kLampX) / 430.f, (y - kLampY) / 300.f);
    return Scale(WoodGrain(x, y * 1.5f, 330u, true, Ramp::Wood, 0.08f, 0.25f), std::clamp(1.15f - d, 0.4f, 1.f));
  });
  const float x0 = kLeft - kCushionDepth - kRailOut, y0 = kTop - kCushionDepth - kRailOut;
  const float x1 = kRight + kCushionDepth + kRailOut, y1 = kBottom + kCushionDepth + kRailOut;
  c.Paint(RoundRect{x0 + 4, y0 + 8, x1 + 6, y1 + 10, 18}, Rgb{0, 0, 0}, 0.55f, 10.f);
  c.Paint(RoundRect{x0, y0, x1, y1, 16}, [=](float x, float y) {
    const bool across = std::min(y - y0, y1 - y) < std::min(x - x0, x1 - x);
    const Rgb wood = WoodGrain(across ? x : y, across ? y * 2.f : x * 2.f, 331u, true, Ramp::Wood, 0.3f, 0.6f);
    const float d = Length((x - kLampX) / 360.f, (y - kLampY) / 230.f);
    return Scale(wood, std::clamp(1.2f - 0.5f * d, 0.6f, 1.1f));
  });
  // A lit bevel on the outer edge and a dark inner lip.
  c.Paint(Subtract{RoundRect{x0, y0, x1, y1, 16}, RoundRect{x0 + 3, y0 + 3, x1 - 3, y1 - 3, 14}},
          RampColor(Ramp::Wood, 0.85f), 0.45f);
  c.Paint(RoundRect{kLeft - kCushionDepth - 2, kTop - kCushionDepth - 2, kRight + kCushionDepth + 2,
                    kBottom + kCushionDepth + 2, 3},
          RampColor(Ramp::Wood, 0.08f));
}

// One rubber cushion: its nose on the cushion line, its back against the
// rail, the ends cut back at an angle where the pockets open.
void PaintCushion(Canvas& c, std::vector<std::pair<float, float>> pts, bool lit) {
  c.Paint(Polygon{pts}, [lit](float x, float y) { return Scale(FeltAt(x, y), lit ? 0.85f : 0.62f); });
  // The nose catches the lamp on the far cushions and falls into shade on the near ones.
  const auto [xa, ya] = pts[0];
  const auto [xb, yb] = pts[1];
  c.Paint(Line(xa, ya, xb, yb, 1.4f), lit ? RampColor(Ramp::Felt, 0.85f) : RampColor(Ramp::Felt, 0.12f), 0.7f, 0.8f);
}

void PaintBedAndCushions(Canvas& c) {
  c.Fill({kLeft, kTop, kRight, kBottom}, FeltAt);
  const float d = kCushionDepth, j = 5.f;  // depth and how far the jaws are cut back
  const float l = kLeft, t = kTop, r = kRight, b = kBottom;
  const float spanA0 = pool::kLongRailLeftA + 1.f, spanA1 = pool::kLongRailRightA, spanB0 = pool::kLongRailLeftB + 1.f,
              spanB1 = pool::kLongRailRightB;
  const float side0 = pool::kSideRailTop + 1.f, side1 = pool::kSideRailBottom;
  PaintCushion(c, {{spanA0, t}, {spanA1, t}, {spanA1 + j, t - d}, {spanA0 - j, t - d}}, true);
  PaintCushion(c, {{spanB0, t}, {spanB1, t}, {spanB1 + j, t - d}, {spanB0 - j, t - d}}, true);
  PaintCushion(c, {{spanA0, b}, {spanA1, b}, {spanA1 + j, b + d}, {spanA0 - j, b + d}}, false);
  PaintCushion(c, {{spanB0, b}, {spanB1, b}, {spanB1 + j, b + d}, {spanB0 - j, b + d}}, false);
  PaintCushion(c, {{l, side0}, {l, side1}, {l - d, side1 + j}, {l - d, side0 - j}}, true);
  PaintCushion(c, {{r, side0}, {r, side1}, {r + d, side1 + j}, {r + d, side0 - j}}, false);
}

void PaintPockets(Canvas& c) {
  for (int k = 0; k < pool::kPocketCount; ++k) {
    // Plain names, not a structured binding: clang 14 cannot capture those.
    const auto centre = PocketCentre(k);
    const float px = centre.first, py = centre.second;
    const bool middle = k == 1 || k == 4;
    const float r = middle ? 12.5f : 13.5f;
    // The mouth: where a ball's centre drops, the felt falls away into the hole.
    const pool::PocketMouth& m = pool::kPocketMouths[static_cast<std::size_t>(k)];
    c.Paint(Circle{px, py, r + 3.5f}, RampColor(Ramp::Wood, 0.05f), 0.9f);
    c.Paint(Circle{static_cast<float>(m.x), static_cast<float>(m.y), static_cast<float>(m.radius) - 1.f},
            RampColor(Ramp::Felt, 0.12f), 0.6f, 4.f);
    c.Paint(Circle{px, py, r}, RadialGradient(px - 2, py - 3, r * 1.2f, RampColor(Ramp::Grey, 0.1f), Rgb{0, 0, 0}));
    // A leather lip catches the light on the far side.
    c.Paint(Ring{px, py, r - 1.f, r + 1.2f}, [=](float x, float y) {
      const float lit = std::clamp(((x - px) * (px - kLampX) + (y - py) * (py - kLampY)) < 0 ? 0.45f : 0.15f, 0.f, 1.f);
      return RampColor(Ramp::Brick, lit);
    });
  }
}

void PaintMarkings(Canvas& c) {
  // Diamonds on the rails, at the quarters of the bed.
  const float railMidTop = kTop - kCushionDepth - kRailOut * 0.5f, railMidBottom = kBottom + kCushionDepth + kRailOut * 0.5f;
  const float railMidLeft = kLeft - kCushionDepth - kRailOut * 0.5f, railMidRight = kRight + kCushionDepth + kRailOut * 0.5f;
  auto diamond = [&c](float x, float y) {
    c.Paint(Polygon{{{x, y - 3.5f}, {x + 2.5f, y}, {x, y + 3.5f}, {x - 2.5f, y}}}, RampColor(Ramp::Ice, 0.95f));
  };
  for (int i = 1; i < 8; ++i) {
    if (i == 4) continue;
    const float x = kLeft + (kRight - kLeft) * static_cast<float>(i) / 8.f;
    diamond(x, railMidTop);
    diamond(x, railMidBottom);
  }
  for (int i = 1; i < 4; ++i) {
    const float y = kTop + (kBottom - kTop) * static_cast<float>(i) / 4.f;
    diamond(railMidLeft, y);
    diamond(railMidRight, y);
  }
  // The head string bounds the kitchen; the spots mark the rack's apex and the break.
  const float hx = pool::kHeadStringX + 0.5f;
  c.Paint(Line(hx, kTop + 3, hx, kBottom - 3, 1.f), Rgb{236, 240, 226}, 0.4f, 0.5f);
  const CPoint apex = pool::kRack[1].spot, cue = pool::kRack[0].spot;
  c.Paint(Circle{apex.x + 0.5f, apex.y + 0.5f, 1.8f}, RampColor(Ramp::Chalk, 0.9f), 0.7f);
  c.Paint(Circle{cue.x + 0.5f, cue.y + 0.5f, 1.8f}, RampColor(Ramp::Chalk, 0.9f), 0.7f);
}

// A sunken well beside the table that fills with the power while the player drags.
void PaintPowerGauge(Canvas& c) {
  const CRect& g = pool::kPowerGauge;
  const float l = static_cast<float>(g.left), t = static_cast<float>(g.top), r = static_cast<float>(g.right),
              b = static_cast<float>(g.bottom);
  c.Paint(RoundRect{l - 3, t - 3, r + 3, b + 3, 3}, RampColor(Ramp::Steel, 0.75f));
  c.Paint(RoundRect{l - 1, t - 1, r + 1, b + 1, 1}, RampColor(Ramp::Grey, 0.3f));
  c.Paint(RoundRect{l, t, r, b, 1}, VerticalGradient(t, b, RampColor(Ramp::Grey, 0.04f), RampColor(Ramp::Grey, 0.12f)));
  for (int i = 1; i < 7; ++i) {
    const float y = b - (b - t) * static_cast<float>(i) / 7.f;
    c.Paint(Line(l + 1, y, r - 1, y, 1.f), RampColor(Ramp::Grey, 0.35f), 0.6f);
  }
  BoxLabel(c, "POWER", (l + r) * 0.5f, b + 6.f, RampColor(Ramp::Gold, 0.75f), 10);
}

void PaintTray(Canvas& c) {
  // A chrome gully for the object balls and a cup for the cue ball.
  const CPoint first = pool::TrayPosition(1), last = pool::TrayPosition(15), cue = pool::kCueTray;
  const float x0 = first.x - 14.f, x1 = last.x + 14.f, y = static_cast<float>(first.y);
  c.Paint(RoundRect{x0 - 2, y - 13, x1 + 2, y + 13, 12}, Rgb{0, 0, 0}, 0.5f, 4.f);
  c.Paint(RoundRect{x0, y - 12, x1, y + 12, 11}, VerticalGradient(y - 12, y + 12, RampColor(Ramp::Steel, 0.85f), RampColor(Ramp::Steel, 0.3f)));
  c.Paint(RoundRect{x0 + 3, y - 9, x1 - 3, y + 9, 8}, VerticalGradient(y - 9, y + 9, RampColor(Ramp::Grey, 0.02f), RampColor(Ramp::Grey, 0.22f)));
  const float cx = cue.x + 0.5f, cy = cue.y + 0.5f;
  c.Paint(Circle{cx, cy, 13}, VerticalGradient(cy - 13, cy + 13, RampColor(Ramp::Steel, 0.85f), RampColor(Ramp::Steel, 0.3f)));
  c.Paint(Circle{cx, cy, 10}, RadialGradient(cx, cy + 2, 10, RampColor(Ramp::Grey, 0.2f), RampColor(Ramp::Grey, 0.02f)));
  BoxLabel(c, "POCKETED", (x0 + x1) * 0.5f, y + 15.f, RampColor(Ramp::Gold, 0.75f), 11);
  BoxLabel(c, "CUE", cx + 30.f, cy - 6.f, RampColor(Ramp::Gold, 0.75f), 11);
}

}  // namespace

void MakePoolPlayfield(Context& ctx) {
  Canvas c(602, 401);
  PaintRoomAndRails(c);
  PaintBedAndCushions(c);
  PaintPockets(c);
  PaintMarkings(c);
  PaintPowerGauge(c);
  PaintTray(c);
  PlayfieldTitle(c, "POOL", 300.f, 6.f, RampColor(Ramp::Gold, 0.9f), 24);
  ctx.sink.Bitmap(pool::kTableBitmap, ctx.quant.Convert(c, Dither::Diffusion));
  MakePoolBalls(ctx);
  MakePoolSounds(ctx);
}

namespace {
[[maybe_unused]] const bool kRegistered = RegisterFamily("pool", MakePoolPlayfield);
}  // namespace

}  // namespace art
