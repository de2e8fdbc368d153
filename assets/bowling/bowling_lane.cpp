// SPDX-License-Identifier: GPL-3.0-or-later
// The bowling alley (132): the lane with its gutters and pin deck at the
// left, the score sheet, the approach where the swing is drawn, and the ball
// return, all placed from the game's own geometry.
#include <cmath>
#include <string>

#include "bowling/bowling_art.h"
#include "core/decor.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "core/textures.h"
#include "games/bowling/model/bowl_geometry.h"
#include "playfields/playfield_common.h"

namespace art {
namespace {

using namespace bowling;

constexpr float kLaneX0 = kLaneLeft, kLaneX1 = kLaneRight + 1;  // the lane surface, x 33..121
constexpr float kGutterHalf = kGutterHalfWidth;

Rgb LaneWood(float x, float y, float left, float width) {
  const float board = (x - left) / width * 39.f;  // 39 boards across a lane
  Rgb w = WoodGrain(y * 0.7f, x * 3.f, 350u + static_cast<std::uint32_t>(board), true, Ramp::Maple, 0.5f, 0.85f);
  if (board - std::floor(board) < 0.12f) w = Shade(w, -0.1f);
  return w;
}

void PaintBackdrop(Canvas& c) {
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    const float n = Fbm(x * 0.02f, y * 0.02f, 351u, 3);
    return Mix(RampColor(Ramp::Night, 0.2f), RampColor(Ramp::Navy, 0.3f), n * 0.8f);
  });
  // The alley lights fall on the lane and the approach.
  Vignette(c, 80.f, 200.f, 420.f, 0.35f);
}

void PaintLane(Canvas& c) {
  const float capL = kLeftGutterX - kGutterHalf - 3.f, capR = kRightGutterX + kGutterHalf + 3.f;
  c.Paint(RoundRect{capL, -10, capR, 411, 0}, HorizontalGradient(capL, capR, RampColor(Ramp::Steel, 0.2f), RampColor(Ramp::Steel, 0.45f)));
  // Gutters: round channels centred where a body that leaves the lane runs.
  for (float gx : {static_cast<float>(kLeftGutterX), static_cast<float>(kRightGutterX)})
    c.Fill({gx - kGutterHalf, 0, gx + kGutterHalf, 401}, [gx](float x, float) {
      const float t = std::abs(x - gx) / kGutterHalf;
      return RampColor(Ramp::Grey, 0.06f + 0.3f * t * t);
    });
  c.Fill({kLaneX0, 0, kLaneX1, 401}, [](float x, float y) { return LaneWood(x, y, kLaneX0, kLaneX1 - kLaneX0); });
  // The pin deck is a lighter, polished square at the top of the lane.
  c.Fill({kLaneX0, 0, kLaneX1, static_cast<float>(kPinSpots[9].y + 14)}, [](float, float) { return RampColor(Ramp::Maple, 0.95f); }, 0.25f);
  for (const PinSpot& s : kPinSpots)
    c.Paint(Circle{s.x + 0.5f, s.y + 0.5f, 2.2f}, RampColor(Ramp::Wood, 0.3f), 0.7f);
  // Aiming arrows and dots, and the foul line.
  for (int i = 0; i < 7; ++i) {
    const float ax = kLaneX0 + 8.f + 12.f * i, ay = 250.f - std::abs(3 - i) * 6.f;
    c.Paint(Polygon{{{ax, ay}, {ax - 3.f, ay + 9.f}, {ax + 3.f, ay + 9.f}}}, RampColor(Ramp::Wood, 0.3f));
  }
  // The foul line, just ahead of where the ball waits during a swing; the
  // approach dots behind it.
  c.FillRect(static_cast<int>(kLaneX0), kFoulLineY, static_cast<int>(kLaneX1), kFoulLineY + 2, RampColor(Ramp::BoardRed, 0.4f), false);
  for (int i = 0; i < 5; ++i) c.Paint(Circle{kLaneX0 + 14.f + 15.f * i, 394.f, 1.6f}, RampColor(Ramp::Wood, 0.3f));
  // A soft sheen down the middle of the oiled lane.
  c.Fill({kLaneX0, 0, kLaneX1, 401}, [](float x, float) {
    const float t = 1.f - std::abs(x - 77.f) / 44.f;
    return Shade(RampColor(Ramp::Maple, 0.9f), 0.4f * t);
  }, 0.12f);
}

void PaintSheet(Canvas& c) {
  ScorePanel(c, static_cast<float>(kSheetPanel.left), static_cast<float>(kSheetPanel.top),
             static_cast<float>(kSheetPanel.right), static_cast<float>(kSheetPanel.bottom));
  BoxLabel(c, "NAME", (kNameBox.left + kNameBox.right) * 0.5f, 80.f, RampColor(Ramp::Ice, 0.9f), 12);
  for (int f = 0; f < kFrames; ++f) {
    const float x0 = static_cast<float>(kTotalBox.left + kFrameStep * f);
    const float x1 = f == kTenthFrame ? static_cast<float>(kBall3Box.right + 2) : x0 + kTotalBox.Width() + 1.f;
    BoxLabel(c, std::to_string(f + 1), (x0 + x1) * 0.5f, 80.f, RampColor(Ramp::Ice, 0.9f), 12);
    for (int p = 0; p < kPlayers; ++p) {
      const float y0 = static_cast<float>(kBall1Box.top + kRowStep * p - 3);
      c.Paint(RoundRect{x0 - 1.f, y0, x1, y0 + 27.f, 2}, RampColor(Ramp::Steel, 0.55f), 0.8f);
    }
  }
  for (int p = 0; p < kPlayers; ++p) {
    const int dy = kRowStep * p;
    ProgramBox(c, kNameBox.left, kNameBox.top + dy, kNameBox.right, kNameBox.bottom + dy);
    for (int f = 0; f < kFrames; ++f) {
      const int dx = kFrameStep * f, extra = f == kTenthFrame ? 1 : 0;
      ProgramBox(c, kBall1Box.left + dx + extra, kBall1Box.top + dy, kBall1Box.right + dx + extra, kBall1Box.bottom + dy);
      ProgramBox(c, kBall2Box.left + dx + extra, kBall2Box.top + dy, kBall2Box.right + dx + extra, kBall2Box.bottom + dy);
      ProgramBox(c, kTotalBox.left + dx, kTotalBox.top + dy, kTotalBox.right + dx, kTotalBox.bottom + dy);
    }
    ProgramBox(c, kBall3Box.left, kBall3Box.top + dy, kBall3Box.right, kBall3Box.bottom + dy);
  }
}

// The speed gauge beside the approach: a sunken slot shading from gold
// (fast) at the top to dark red (slow) at the foot, labelled at both ends.
void PaintSpeedGauge(Canvas& c) {
  const CRect& r = kSpeedScale;
  const float x0 = static_cast<float>(r.left), x1 = static_cast<float>(r.right);
  const float y0 = static_cast<float>(r.top), y1 = static_cast<float>(r.bottom);
  c.Paint(RoundRect{x0 - 2.f, y0 - 2.f, x1 + 2.f, y1 + 2.f, 3.f}, RampColor(Ramp::Steel, 0.6f));
  c.Fill({x0, y0, x1, y1}, [y0, y1](float, float y) {
    return Mix(RampColor(Ramp::Gold, 0.6f), RampColor(Ramp::BoardRed, 0.25f), (y - y0) / (y1 - y0));
  });
  for (int i = 1; i < 4; ++i) {
    const float ty = y0 + (y1 - y0) * i / 4.f;
    c.Paint(Line(x0, ty, x1, ty, 1.f), RampColor(Ramp::Grey, 0.1f), 0.6f);
  }
  const float mid = (x0 + x1) * 0.5f;
  const Rgb label = RampColor(Ramp::Ice, 0.85f);
  BoxLabel(c, "FAST", mid, y0 - 16.f, label, 11);
  BoxLabel(c, "SLOW", mid, y1 + 3.f, label, 11);
}

void PaintApproach(Canvas& c) {
  const float l = static_cast<float>(kPressZone.left), r = static_cast<float>(kPressZone.right);
  const float top = static_cast<float>(kReleaseZone.top);
  c.Paint(RoundRect{l - 6, top - 6, r + 6, 407, 4}, RampColor(Ramp::Grey, 0.12f));
  c.Fill({l, top, r, 401}, [l, r](float x, float y) { return LaneWood(x, y, l, r - l); });
  c.Fill({l, top, r, static_cast<float>(kReleaseZone.bottom)}, [](float, float) { return RampColor(Ramp::Teal, 0.6f); }, 0.35f);
  c.Fill({l, static_cast<float>(kPressZone.top), r, 401}, [](float, float) { return RampColor(Ramp::Gold, 0.6f); }, 0.35f);
  const float mid = (l + r) * 0.5f;
  // The approach's foul line: letting go above it throws a foul.
  c.FillRect(static_cast<int>(l), static_cast<int>(top), static_cast<int>(r), static_cast<int>(top) + 2,
             RampColor(Ramp::BoardRed, 0.45f), false);
  BoxLabel(c, "RELEASE", mid, 226.f, RampColor(Ramp::Grey, 0.98f), 14);
  BoxLabel(c, "SWING FROM HERE", mid, 380.f, RampColor(Ramp::Grey, 0.98f), 11);
  for (int i = 0; i < 4; ++i) {
    const float ay = 270.f + 22.f * i;
    c.Paint(Polygon{{{mid, ay}, {mid - 8.f, ay + 10.f}, {mid + 8.f, ay + 10.f}}}, RampColor(Ramp::Wood, 0.3f), 0.7f);
  }
  PlayfieldTitle(c, "BOWLING", (kSheetPanel.left + kSheetPanel.right) * 0.5f, 16.f, RampColor(Ramp::Pink, 0.75f), 32);
  PaintSpeedGauge(c);
  const Rgb hint = RampColor(Ramp::Ice, 0.85f);
  const char* const lines[] = {"Drag from the gold area", "up to RELEASE: the drag", "aims the ball, a quick",
                               "swing rolls it fast.", "Over the red line: foul.", "",
                               "Hold Shift or Ctrl while", "swinging to hook left or", "right (Spin, in Options >",
                               "Game Controls)."};
  float y = 236.f;
  for (const char* line : lines) {
    if (*line) BoxLabel(c, line, 510.f, y, hint, 12);
    y += *line ? 15.f : 8.f;
  }
}

// The ball return: a chute down to a round well the ball circles before it rests.
void PaintBallReturn(Canvas& c) {
  const float x = static_cast<float>(kReturnX);
  const float wx = static_cast<float>(kReturnWellX), wy = static_cast<float>(kReturnWellY);
  const float outer = static_cast<float>(kReturnWellRadius) + kBallRadius + 3.f;
  const float inner = static_cast<float>(kReturnWellRadius) - kBallRadius - 2.f;
  ContactShadow(c, wx + 3.f, wy + 4.f, outer + 4.f, outer + 4.f, 0.5f);
  c.Paint(RoundRect{x - 16, kReturnChuteTop - 18.f, x + 16, wy, 10}, RampColor(Ramp::Steel, 0.3f));
  c.Paint(RoundRect{x - 13, kReturnChuteTop - 15.f, x + 13, wy, 8}, RampColor(Ramp::Grey, 0.05f));
  c.Paint(Circle{wx, wy, outer}, RadialGradient(wx - 14.f, wy - 14.f, outer * 1.4f, RampColor(Ramp::Steel, 0.85f), RampColor(Ramp::Steel, 0.25f)));
  c.Paint(Ring{wx, wy, inner, outer - 3.f}, RampColor(Ramp::Grey, 0.06f));
  c.Paint(Circle{wx, wy, inner}, RadialGradient(wx - 6.f, wy - 6.f, inner * 1.3f, RampColor(Ramp::Purple, 0.6f), RampColor(Ramp::Purple, 0.15f)));
}

}  // namespace

void MakeBowlingLane(Context& ctx) {
  Canvas c(602, 401);
  PaintBackdrop(c);
  PaintLane(c);
  PaintSheet(c);
  PaintApproach(c);
  PaintBallReturn(c);
  ctx.sink.Bitmap(kLaneBitmap, ctx.quant.Convert(c, Dither::Diffusion));
}

}  // namespace art
