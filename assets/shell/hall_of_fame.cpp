// SPDX-License-Identifier: GPL-3.0-or-later
// The Hall of Fame screen (396): two score tables, Basketball and Bowling.
// The program writes names and scores in red on black into the rows, so the
// rows are kept plain black.
#include <cmath>
#include <string>

#include "context.h"
#include "core/decor.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "core/text.h"
#include "core/textures.h"
#include "shell/props.h"

namespace art {
namespace {

// Rows r = 0..4 span y (259 + 30r - 22) .. (259 + 30r).
constexpr int kRowBottom = 259, kRowPitch = 30, kRowHeight = 22;

void Table(Canvas& c, int x0, int x1, int nameX, int scoreX0, int scoreX1, const char* title, bool basketball) {
  const int y0 = 196, y1 = 392;
  WoodFrame(c, x0, y0, x1, y1, 5, 91u);
  c.FillRect(x0, y0, x1, y1, {0, 0, 0});
  // Column heads, above the first row.
  TextStyle head;
  head.size = 13;
  head.color = RampColor(Ramp::Gold, 0.8f);
  DrawText(c, head, static_cast<float>(nameX), 212.f, "NAME");
  head.align = Align::Center;
  DrawText(c, head, (scoreX0 + scoreX1) * 0.5f, 212.f, "SCORE");
  c.Paint(Line(x0 + 6.f, 230.5f, x1 - 6.f, 230.5f, 1.f), RampColor(Ramp::Gold, 0.5f));
  // Rank numbers left of the names.
  TextStyle rank;
  rank.size = 13;
  rank.align = Align::Right;
  rank.color = RampColor(Ramp::Gold, 0.65f);
  for (int r = 0; r < 5; ++r) {
    const int bottom = kRowBottom + kRowPitch * r;
    DrawText(c, rank, nameX - 3.f, bottom - kRowHeight + 4.f, std::to_string(r + 1) + ".");
  }
  // The title plaque over the table, with its game's ball.
  BrassPlaque(c, x0 + 40.f, 158.f, x1 - 40.f, 188.f, title, 18);
  if (basketball) PaintBasketball(c, x0 + 22.f, 173.f, 13.f);
  else PaintBowlingBall(c, x0 + 22.f, 173.f, 13.f, RampColor(Ramp::Purple, 0.55f));
  // Keep every text row exactly black.
  for (int r = 0; r < 5; ++r) {
    const int bottom = kRowBottom + kRowPitch * r;
    c.FillRect(nameX, bottom - kRowHeight, scoreX1 + 1, bottom + 1, {0, 0, 0});
  }
}

}  // namespace

void MakeHallOfFame(Context& ctx) {
  Canvas c(602, 401);
  // Dark red velvet walls with a marble-like upper band.
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    const float fold = 0.5f + 0.5f * std::sin(x * 0.21f + Fbm(x * 0.01f, y * 0.01f, 5u, 2) * 4.f);
    const Rgb velvet = Mix(RampColor(Ramp::Brick, 0.12f), RampColor(Ramp::Brick, 0.38f), fold);
    const float light = 1.1f - std::abs(x - 301.f) / 602.f;
    return Scale(velvet, light);
  });
  // Title with trophies.
  TextStyle t;
  t.size = 48;
  t.align = Align::Center;
  t.color = RampColor(Ramp::Gold, 0.92f);
  DrawTextShadowed(c, t, 301.f, 30.f, "Hall of Fame", RampColor(Ramp::Wood, 0.05f), 3.f, 3.f, 1.5f);
  TextStyle sub;
  sub.size = 16;
  sub.align = Align::Center;
  sub.color = RampColor(Ramp::Gold, 0.75f);
  DrawText(c, sub, 301.f, 92.f, "The five best Basketball and Bowling scores");
  PaintTrophy(c, 72.f, 134.f, 100.f);
  PaintTrophy(c, 530.f, 134.f, 100.f);
  c.Paint(Line(150.f, 122.f, 452.f, 122.f, 1.5f), RampColor(Ramp::Gold, 0.6f), 0.8f);
  Table(c, 26, 288, 57, 233, 276, "Basketball", true);
  Table(c, 302, 566, 328, 503, 546, "Bowling", false);
  ctx.sink.Bitmap(396, ctx.quant.Convert(c, Dither::Diffusion));
}

}  // namespace art
