// SPDX-License-Identifier: GPL-3.0-or-later
// The darts sprites (tray darts and the darts stuck in the board) and the
// two throwing cursors.
#include <cmath>

#include "context.h"
#include "core/decor.h"
#include "core/palette.h"
#include "core/shapes.h"
#include "darts/dart_painter.h"
#include "games/darts/model/dart_geometry.h"
#include "registry.h"

namespace art {

void MakeDartsBoards(Context& ctx);

namespace {

using darts::StuckDartImage;

// Edge pixels are blended towards a dark outline so they read on any colour.
const Rgb kOutline{20, 18, 16};

void MakeTrayDart(Context& ctx, int player) {
  constexpr float kMiddle = darts::kTraySlotWidth / 2.f;
  Canvas c(darts::kTraySlotWidth, darts::kTraySlotHeight, {}, 0.f);
  PaintDart(c, kMiddle, 0.6f, kMiddle, darts::kTraySlotHeight - 0.4f, PlayerColor(player), 5.2f, 1.6f);
  ctx.sink.Bitmap(darts::kTrayBitmaps[static_cast<std::size_t>(player)], ctx.quant.ConvertKeyed(c, kOutline, 0.45f));
}

// A stuck dart whose tip sits on the picture's hot spot; the body leans back
// towards (tx, ty) with its flight towards the viewer.
void MakeStuckDart(Context& ctx, const StuckDartImage& image, float tx, float ty, int player, float flightHalf) {
  Canvas c(image.width, image.height, {}, 0.f);
  PaintDart(c, image.hotX + 0.5f, image.hotY + 0.5f, tx, ty, PlayerColor(player), flightHalf, 1.5f);
  // The tip is buried in the board: its hot-spot pixel is a dark hole.
  c.Set(image.hotX, image.hotY, RampColor(Ramp::Grey, 0.3f), 1.f);
  ctx.sink.Bitmap(image.bitmap, ctx.quant.ConvertKeyed(c, kOutline, 0.45f));
}

// A cursor: a bold dart pointing up with its point on the hot spot; while
// throwing it trails speed lines and its point glows.
Canvas DartCursor(bool throwing) {
  Canvas c(32, 32, {}, 0.f);
  if (throwing) {
    for (int i = 0; i < 3; ++i) {
      const float x = 10.f + 6.f * i;
      c.Paint(Line(x, i == 1 ? 24.f : 20.f, x, 31.f, 1.4f), Rgb{255, 255, 255}, 0.85f);
    }
    c.Paint(Circle{16.f, 2.f, 4.f}, Rgb{255, 230, 120}, 0.6f, 3.f);
    PaintDart(c, 16.f, 0.8f, 16.f, 23.f, Hex(0xF0C020), 5.f, 2.f);
  } else {
    PaintDart(c, 16.f, 0.8f, 16.f, 30.f, Hex(0xE02828), 6.5f, 2.2f);
  }
  return WithCursorHalo(c, 0.75f);
}

}  // namespace

void MakeDartsArt(Context& ctx) {
  MakeDartsBoards(ctx);
  for (int p = 0; p < darts::kSeats; ++p) {
    MakeTrayDart(ctx, p);
    // Leaning in from the upper left, tip at the lower right.
    MakeStuckDart(ctx, darts::StuckDartFor(p, 1), 1.f, 2.f, p, 4.2f);
    // Leaning in from the upper right, tip at the lower left.
    MakeStuckDart(ctx, darts::StuckDartFor(p, 2), 40.f, 2.f, p, 4.2f);
    // Drooping: tip at the top, body hanging down towards the viewer.
    MakeStuckDart(ctx, darts::StuckDartFor(p, 5), 5.5f, 26.6f, p, 5.f);
    // Upright: tip at the bottom, body standing up.
    MakeStuckDart(ctx, darts::StuckDartFor(p, 6), 5.5f, 0.6f, p, 5.f);
  }
  ctx.sink.Cursor(darts::kReadyCursor, DartCursor(false), darts::kCursorHotX, darts::kCursorHotY);
  ctx.sink.Cursor(darts::kThrowingCursor, DartCursor(true), darts::kCursorHotX, darts::kCursorHotY);
}

namespace {
[[maybe_unused]] const bool kRegistered = RegisterFamily("darts", MakeDartsArt);
}  // namespace

}  // namespace art
