// SPDX-License-Identifier: GPL-3.0-or-later
// The basketball sprites: the backboard with its hoop and net (plain, swaying
// and with a ball dropping through), the ball at four depths and in its rim
// bounces, the large and small score digits, and the shooting cursor.
#include <cmath>

#include "basketball/basketball_painter.h"
#include "context.h"
#include "core/decor.h"
#include "core/palette.h"
#include "core/shapes.h"
#include "games/basketball/model/basketball_geometry.h"

namespace art {

bool MadeBitmap(const ResourceSink& sink, unsigned id);

namespace {

using namespace basketball;
using bball::Hoop;

const Rgb kOutline{20, 16, 14};
constexpr float kSpinTurn = 0.7f;  // radians between two spin phases

float BallRadius(int size) { return static_cast<float>(kBallDiameters[static_cast<std::size_t>(size)]) * 0.5f; }

// The glass: a white-framed clear board with the shooter's square over the hoop.
void PaintGlass(Canvas& c) {
  const float w = static_cast<float>(kBoardWidth);
  const float h = static_cast<float>(kGlassBottom - kGlassTop);
  c.Paint(RoundRect{0.5f, 0.5f, w - 0.5f, h - 0.5f, 2.f}, RampColor(Ramp::Grey, 0.98f));
  c.Paint(RoundRect{3.f, 3.f, w - 3.f, h - 3.f, 1.f}, [&](float x, float y) {
    const float glint = std::max(0.f, 1.f - std::abs((x - y * 0.6f) - 20.f) / 6.f);
    return Mix(Mix(RampColor(Ramp::Ice, 0.55f), RampColor(Ramp::Ice, 0.8f), y / h), RampColor(Ramp::Ice, 0.97f),
               glint * 0.6f);
  });
  const Hoop hoop = bball::HoopOnBoard();
  const float sx0 = hoop.cx - 11.f, sx1 = hoop.cx + 11.f, sy0 = hoop.y - 17.f, sy1 = hoop.y - 1.f;
  c.Paint(Subtract{RoundRect{sx0, sy0, sx1, sy1, 0.5f}, RoundRect{sx0 + 2, sy0 + 2, sx1 - 2, sy1 - 1, 0}},
          RampColor(Ramp::Brick, 0.55f));
  // The bracket that holds the ring to the glass.
  c.Paint(RoundRect{hoop.cx - 5.f, hoop.y - 3.f, hoop.cx + 5.f, hoop.y + 1.f, 1.f}, RampColor(Ramp::Steel, 0.35f));
}

// One backboard cel: glass, ring and net; with a ball inside the net at
// `ballY` (board-local) when `ball`.
Canvas BoardCel(float stretch, float sway, bool ball, float ballY) {
  Canvas c(kBoardWidth, kBoardHeight, {}, 0.f);
  PaintGlass(c);
  const Hoop hoop = bball::HoopOnBoard();
  bball::PaintRimBack(c, hoop);
  const float r = BallRadius(3);
  if (ball) bball::PaintBall(c, hoop.cx + sway * 0.4f, ballY, r, ballY * 0.15f);
  bball::PaintNet(c, hoop, stretch, sway, ball ? r * 0.55f : 0.f, ballY);
  bball::PaintRimFront(c, hoop);
  return c;
}

void MakeBackboard(Context& ctx) {
  const Hoop hoop = bball::HoopOnBoard();
  ctx.sink.Bitmap(kBoardBitmaps[0], ctx.quant.ConvertKeyed(BoardCel(0.f, 0.f, false, 0.f), kOutline, 0.5f));
  // 1..6: the net settling after a swish, swinging less each time.
  const float sways[6] = {3.f, -2.5f, 2.f, -1.5f, 1.f, -0.5f};
  for (int k = 0; k < 6; ++k)
    ctx.sink.Bitmap(kBoardBitmaps[static_cast<std::size_t>(k + 1)],
                    ctx.quant.ConvertKeyed(BoardCel(0.15f, sways[k], false, 0.f), kOutline, 0.5f));
  // 7..12: the ball drops into the ring, stretches the net and leaves it swaying.
  const float ballY[6] = {hoop.y - 2.f, hoop.y + 6.f, hoop.y + 14.f, hoop.y + 22.f, hoop.y + 30.f, hoop.y + 42.f};
  const float stretch[6] = {0.1f, 0.5f, 0.9f, 1.f, 0.7f, 0.3f};
  const float sway[6] = {0.f, 0.f, 1.f, -1.f, 2.5f, -2.f};
  for (int k = 0; k < 6; ++k) {
    const bool inNet = k < 5;
    ctx.sink.Bitmap(kBoardBitmaps[static_cast<std::size_t>(kFirstNetCel + k)],
                    ctx.quant.ConvertKeyed(BoardCel(stretch[k], sway[k], inNet, ballY[k]), kOutline, 0.5f));
  }
}

// The front half of the ring alone, where it sits on the board's cels: it is
// drawn again over a ball that is behind it.
void MakeRimFront(Context& ctx) {
  Canvas c(kBoardWidth, kBoardHeight, {}, 0.f);
  bball::PaintRimFront(c, bball::HoopOnBoard());
  ctx.sink.Bitmap(kRimFrontBitmap, ctx.quant.ConvertKeyed(c, kOutline, 0.5f));
}

// A ball cel: the ball at a size and spin, with speed streaks behind it when
// it flies off the rim (`streak` -1 flying left, +1 right, 0 none).
Canvas BallCel(int size, int phase, int streak) {
  Canvas c(kBallCelWidth, kBallCelHeight, {}, 0.f);
  const float cx = kBallCelWidth / 2, cy = kBallCelHeight / 2;
  const float r = BallRadius(size);
  if (streak != 0) {
    for (int i = 0; i < 3; ++i) {
      const float y = cy - r * 0.5f + r * 0.5f * static_cast<float>(i);
      const float x0 = cx - static_cast<float>(streak) * (r + 1.f);
      const float x1 = x0 - static_cast<float>(streak) * (5.f + static_cast<float>(i % 2) * 3.f);
      c.Paint(Line(x0, y, x1, y, 1.2f), RampColor(Ramp::Grey, 0.9f), 0.8f);
    }
  }
  bball::PaintBall(c, cx, cy, r, kSpinTurn * static_cast<float>(phase) + static_cast<float>(streak) * 0.3f);
  return c;
}

void MakeBalls(Context& ctx) {
  for (int size = 0; size < 4; ++size)
    for (int phase = 0; phase < kSpinPhases; ++phase)
      ctx.sink.Bitmap(kBallBitmaps[static_cast<std::size_t>(size * kSpinPhases + phase)],
                      ctx.quant.ConvertKeyed(BallCel(size, phase, 0), kOutline, 0.5f));
  // A rim bounce comes back out from the far sizes: 2 then 3.
  for (int far = 0; far < 2; ++far)
    for (int phase = 0; phase < kSpinPhases; ++phase) {
      const std::size_t k = static_cast<std::size_t>(far * kSpinPhases + phase);
      ctx.sink.Bitmap(kBallBitmaps[kLeftBounceFirstCel + k],
                      ctx.quant.ConvertKeyed(BallCel(2 + far, phase, -1), kOutline, 0.5f));
      ctx.sink.Bitmap(kBallBitmaps[kRightBounceFirstCel + k],
                      ctx.quant.ConvertKeyed(BallCel(2 + far, phase, 1), kOutline, 0.5f));
    }
}

// Which of the seven segments (a top, b upper right, c lower right, d bottom,
// e lower left, f upper left, g middle) each digit lights.
constexpr unsigned char kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// An LED digit on a dark rounded tile; unlit segments glow faintly.
Canvas DigitCel(int w, int h, int digit, Rgb lit) {
  Canvas c(w, h, {}, 0.f);
  c.Paint(RoundRect{0.5f, 0.5f, w - 0.5f, h - 0.5f, 2.5f}, RampColor(Ramp::Night, 0.06f));
  const float m = static_cast<float>(w) * 0.2f, t = static_cast<float>(w) * 0.16f;
  const float x0 = m, x1 = static_cast<float>(w) - m;
  const float y0 = static_cast<float>(h) * 0.12f, y2 = static_cast<float>(h) * 0.88f, y1 = (y0 + y2) * 0.5f;
  const float g = t * 0.7f;  // gap at the joints
  const Line segs[7] = {Line(x0 + g, y0, x1 - g, y0, t), Line(x1, y0 + g, x1, y1 - g, t),
                        Line(x1, y1 + g, x1, y2 - g, t), Line(x0 + g, y2, x1 - g, y2, t),
                        Line(x0, y1 + g, x0, y2 - g, t), Line(x0, y0 + g, x0, y1 - g, t),
                        Line(x0 + g, y1, x1 - g, y1, t)};
  for (int s = 0; s < 7; ++s) {
    const bool on = (kSegments[digit] >> s) & 1;
    if (on) c.Paint(segs[s], lit, 0.35f, 2.5f);  // glow
    c.Paint(segs[s], on ? lit : Scale(lit, 0.16f), 1.f, 0.9f);
  }
  return c;
}

void MakeDigits(Context& ctx) {
  for (int d = 0; d < 10; ++d) {
    // The large digits are the football scoreboard's too: made once.
    const UINT large = kLargeDigitBitmaps[static_cast<std::size_t>(d)];
    if (!MadeBitmap(ctx.sink, large))
      ctx.sink.Bitmap(large, ctx.quant.ConvertKeyed(DigitCel(kLargeDigitWidth, kLargeDigitHeight, d, Hex(0xFF5A1E)),
                                                    RampColor(Ramp::Night, 0.06f), 0.5f));
    ctx.sink.Bitmap(kSmallDigitBitmaps[static_cast<std::size_t>(d)],
                    ctx.quant.ConvertKeyed(DigitCel(kSmallDigitWidth, kSmallDigitHeight, d, Hex(0xFFC828)),
                                           RampColor(Ramp::Night, 0.06f), 0.5f));
  }
}

// The shooting cursor: a ball in the hand, with a dark halo, centred on the hot spot.
Canvas ShootCursor() {
  Canvas c(32, 32, {}, 0.f);
  c.Paint(Ring{16.f, 16.f, 12.5f, 14.5f}, Rgb{255, 255, 255}, 0.9f);
  for (float a : {0.f, 1.5708f, 3.1416f, 4.7124f})
    c.Paint(Line(16.f + 12.f * std::cos(a), 16.f + 12.f * std::sin(a), 16.f + 15.5f * std::cos(a),
                 16.f + 15.5f * std::sin(a), 2.f),
            Rgb{255, 255, 255});
  bball::PaintBall(c, 16.f, 16.f, 9.f, 0.4f);
  return WithCursorHalo(c, 0.7f);
}

}  // namespace

void MakeBasketballSprites(Context& ctx) {
  MakeBackboard(ctx);
  MakeRimFront(ctx);
  MakeBalls(ctx);
  MakeDigits(ctx);
  ctx.sink.Cursor(kShootCursor, ShootCursor(), 16, 16);
}

}  // namespace art
