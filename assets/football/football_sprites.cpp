// SPDX-License-Identifier: GPL-3.0-or-later
// The football sprites: the flying ball in all its cels (rising, falling,
// dropping, tumbling), which also give the rack its footballs, the throwing
// zone's marker, the scoreboard digits and the two throwing cursors. Sizes
// and hot spots come from the game's geometry.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "context.h"
#include "core/decor.h"
#include "core/palette.h"
#include "core/shapes.h"
#include "football/football_painter.h"
#include "games/football/model/football_geometry.h"

namespace art {

void MakeFootballSounds(Context& ctx);

namespace {

using football::kCels;

// Ball edges are blended towards a dark outline so they read on the board and the grass.
const Rgb kOutline{28, 18, 12};
constexpr float kWidthRatio = 0.56f;
constexpr float kDegToRad = 0.017453292519444445f;

// The longest ball at `angleDeg` that fits a w x h picture with a pixel to spare.
float FittingLength(int w, int h, float angleDeg) {
  const float c = std::abs(std::cos(angleDeg * kDegToRad)), s = std::abs(std::sin(angleDeg * kDegToRad));
  return std::min((w - 2.f) / (c + kWidthRatio * s), (h - 2.f) / (s + kWidthRatio * c));
}

struct CelArt {
  int cel;
  int width, height;
  float angleDeg;
  float lacePhase;
  float motionX, motionY;  // direction of travel, for speed lines; 0 for none
  float sizeScale;         // below 1: a smaller ball than fits
};

// The flight (0..5) and the drop (6..9); the ball is centred on its hot spot.
constexpr CelArt kFlightArt[] = {
    {0, 42, 46, 62, -0.6f, 0.3f, -1, 0.72f}, {1, 42, 46, 62, 0.f, 0.3f, -1, 0.72f}, {2, 42, 46, 62, 0.6f, 0.3f, -1, 0.72f},
    {3, 42, 48, -62, -0.6f, 0.3f, 1, 0.72f}, {4, 42, 48, -62, 0.f, 0.3f, 1, 0.72f}, {5, 42, 48, -62, 0.6f, 0.3f, 1, 0.72f},
    {6, 29, 33, 90, 0.f, 0, 0, 0.85f},      {7, 31, 33, 45, 0.4f, 0, 0, 0.85f},   {8, 29, 33, 0, 0.f, 0, 0, 0.85f},
    {9, 29, 33, -45, -0.4f, 0, 0, 0.85f},
};

void MakeCel(Context& ctx, const CelArt& art, int w, int h) {
  const auto& cel = kCels[static_cast<std::size_t>(art.cel)];
  Canvas c(w, h, {}, 0.f);
  const float cx = cel.hot.x + 0.5f, cy = cel.hot.y + 0.5f;
  if (art.motionX != 0.f || art.motionY != 0.f) PaintSpeedLines(c, cx, cy, art.motionX, art.motionY, 24.f, 0.95f);
  FootballPose pose;
  pose.cx = cx;
  pose.cy = cy;
  pose.angleDeg = art.angleDeg;
  pose.lacePhase = art.lacePhase;
  pose.length = std::min(FittingLength(w, h, art.angleDeg), 2.f * std::min(cx, w - cx) / kWidthRatio) * art.sizeScale;
  pose.width = pose.length * kWidthRatio;
  PaintFootball(c, pose);
  ctx.sink.Bitmap(cel.bitmap, ctx.quant.ConvertKeyed(c, kOutline, 0.45f));
}

// The tumbling ball (10..21): each picture is centred on its hot spot and
// the ball turns end over end from one to the next.
void MakeTumbleCels(Context& ctx) {
  constexpr float kTurns[12] = {0, 30, 70, 90, 110, 160, 0, 30, 60, 90, 120, 150};
  for (int i = 0; i < 12; ++i) {
    const int celIndex = football::kFirstTumbleCel + i;
    const auto& cel = kCels[static_cast<std::size_t>(celIndex)];
    const CelArt art{celIndex, 2 * cel.hot.x, 2 * cel.hot.y, kTurns[i], 0.5f - 0.2f * (i % 6), 0, 0, 1.f};
    MakeCel(ctx, art, 2 * cel.hot.x + 1, 2 * cel.hot.y + 1);
  }
}

// The pass flying away up the field (22..33): the same ball at four sizes,
// nose up the field, turning about its long axis from one cel to the next.
void MakeAwayCels(Context& ctx) {
  constexpr float kTilt[football::kAwaySizes] = {70.f, 62.f, 55.f, 50.f};
  for (int size = 0; size < football::kAwaySizes; ++size)
    for (int turn = 0; turn < 3; ++turn) {
      const int celIndex = football::kFirstAwayCel + size * 3 + turn;
      const auto& cel = kCels[static_cast<std::size_t>(celIndex)];
      const float lines = size == 0 ? 1.f : 0.f;
      const CelArt art{celIndex, 2 * cel.hot.x + 1, 2 * cel.hot.y + 1, kTilt[size], 0.6f * (turn - 1), 0.3f * lines,
                       -lines, 0.9f};
      MakeCel(ctx, art, art.width, art.height);
    }
}

// The throwing zone: a chalk box on the grass with arrows pointing at the board.
void MakeZoneMarker(Context& ctx) {
  const int w = football::kZoneWidth, h = football::kZoneHeight;
  Canvas c(w, h, {}, 0.f);
  const Rgb chalk{250, 250, 240};
  const Rgb gold = RampColor(Ramp::Gold, 0.9f);
  for (float x = 3.f; x < w - 3.f; x += 6.f) {
    c.Paint(Line(x, 1.5f, x + 3.f, 1.5f, 1.6f), chalk, 0.95f);
    c.Paint(Line(x, h - 1.5f, x + 3.f, h - 1.5f, 1.6f), chalk, 0.95f);
  }
  for (float y = 3.f; y < h - 3.f; y += 6.f) {
    c.Paint(Line(1.5f, y, 1.5f, y + 3.f, 1.6f), chalk, 0.95f);
    c.Paint(Line(w - 1.5f, y, w - 1.5f, y + 3.f, 1.6f), chalk, 0.95f);
  }
  // Corner brackets.
  const float k = 6.f;
  for (const auto& [x, y, sx, sy] :
       {std::tuple{1.5f, 1.5f, 1.f, 1.f}, std::tuple{w - 1.5f, 1.5f, -1.f, 1.f}, std::tuple{1.5f, h - 1.5f, 1.f, -1.f},
        std::tuple{w - 1.5f, h - 1.5f, -1.f, -1.f}}) {
    c.Paint(Line(x, y, x + sx * k, y, 2.2f), gold);
    c.Paint(Line(x, y, x, y + sy * k, 2.2f), gold);
  }
  // Two chevrons pointing up the field.
  for (float y : {9.f, 15.f}) {
    c.Paint(Line(w * 0.5f - 6.f, y + 4.f, w * 0.5f, y, 2.f), chalk, 0.9f);
    c.Paint(Line(w * 0.5f, y, w * 0.5f + 6.f, y + 4.f, 2.f), chalk, 0.9f);
  }
  c.Set(0, 0, {}, 0.f);
  ctx.sink.Bitmap(football::kZoneMarkerBitmap, ctx.quant.ConvertKeyed(c, RampColor(Ramp::Grass, 0.4f), 0.4f));
}

// Which of the seven segments (a top, b upper right, c lower right, d bottom,
// e lower left, f upper left, g middle) each digit lights.
constexpr unsigned char kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// A stadium scoreboard digit: amber lamps on a black panel; unlit segments glow faintly.
void MakeDigit(Context& ctx, int value) {
  const int w = football::kDigitWidth, h = football::kDigitHeight;
  Canvas c(w, h, {}, 0.f);
  const float bottom = h - 5.f;
  c.Paint(RoundRect{0.f, 0.f, static_cast<float>(w), bottom + 1.f, 2.f}, Rgb{6, 6, 8});
  const float x0 = 4.f, x1 = w - 4.f, y0 = 3.f, ym = (3.f + bottom - 2.f) * 0.5f, y1 = bottom - 2.f;
  constexpr float kStroke = 3.2f;
  const Line segs[7] = {Line(x0 + 1, y0, x1 - 1, y0, kStroke), Line(x1, y0 + 1, x1, ym - 1, kStroke),
                        Line(x1, ym + 1, x1, y1 - 1, kStroke), Line(x0 + 1, y1, x1 - 1, y1, kStroke),
                        Line(x0, ym + 1, x0, y1 - 1, kStroke), Line(x0, y0 + 1, x0, ym - 1, kStroke),
                        Line(x0 + 1, ym, x1 - 1, ym, kStroke)};
  const Rgb lit = Hex(0xFFC838), glow = Hex(0xFF8010), dim = Hex(0x1C1208);
  for (int s = 0; s < 7; ++s) {
    if (kSegments[value] & (1u << s)) {
      c.Paint(segs[s], glow, 0.35f, 3.f);
      c.Paint(segs[s], lit);
    } else {
      c.Paint(segs[s], dim);
    }
  }
  // The lowest rows stay clear: on the football scoreboard the window's lit
  // edge and the first name row lie there.
  for (int y = football::kDigitWindowRows; y < h; ++y)
    for (int x = 0; x < w; ++x) c.Set(x, y, {}, 0.f);
  c.Set(0, 0, {}, 0.f);
  ctx.sink.Bitmap(football::kFirstDigitBitmap + static_cast<unsigned>(value),
                  ctx.quant.ConvertKeyed(c, {0, 0, 0}, 0.5f));
}

// A cursor: a football, with a dark halo so it shows on grass and board alike.
Canvas BallCursor(bool throwing) {
  Canvas c(32, 32, {}, 0.f);
  if (throwing) PaintSpeedLines(c, 16.f, 16.f, 0.5f, -1.f, 15.f, 0.9f);
  FootballPose pose;
  pose.cx = 16.f;
  pose.cy = 16.f;
  pose.length = throwing ? 22.f : 24.f;
  pose.width = pose.length * kWidthRatio;
  pose.angleDeg = throwing ? 62.f : 25.f;
  PaintFootball(c, pose);
  if (!throwing) c.Paint(Ring{16.f, 16.f, 13.5f, 15.f}, Rgb{255, 230, 120}, 0.9f);
  return WithCursorHalo(c, 0.7f);
}

}  // namespace

void MakeFootballSprites(Context& ctx) {
  for (const CelArt& art : kFlightArt) MakeCel(ctx, art, art.width, art.height);
  MakeTumbleCels(ctx);
  MakeAwayCels(ctx);
  MakeZoneMarker(ctx);
  for (int d = 0; d < football::kDigits; ++d) MakeDigit(ctx, d);
  ctx.sink.Cursor(football::kReadyCursor, BallCursor(false), 16, 16);
  ctx.sink.Cursor(football::kThrowingCursor, BallCursor(true), 16, 16);
}

}  // namespace art
