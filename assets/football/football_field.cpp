// SPDX-License-Identifier: GPL-3.0-or-later
// The football field (179) under an evening sky: the stands, the target
// board with its two holes and their padded rims between two posts, the rack
// of footballs, the turf where the throwing zone appears, and the stadium
// scoreboard. Everything is placed from the game's geometry.
#include <cmath>

#include "context.h"
#include "core/decor.h"
#include "core/noise.h"
#include "core/palette.h"
#include "core/shapes.h"
#include "core/text.h"
#include "core/textures.h"
#include "games/football/model/football_geometry.h"
#include "playfields/playfield_common.h"
#include "registry.h"

namespace art {

void MakeFootballSprites(Context& ctx);
void MakeFootballSounds(Context& ctx);

namespace {

using namespace football;

constexpr float kHorizon = 150.f;

Rgb Sky(float x, float y) {
  const Rgb top = RampColor(Ramp::Night, 0.35f), low = RampColor(Ramp::Sky, 0.35f);
  Rgb c = Mix(top, low, std::clamp(y / 70.f, 0.f, 1.f));
  // Floodlight haze.
  for (float lx : {40.f, 560.f}) c = Shade(c, 0.35f * std::exp(-(Length(x - lx, y - 18.f) / 60.f)));
  return c;
}

// Concrete tiers behind the crowd, darker towards the back.
Rgb Stands(float, float y) {
  const float tier = std::fmod(y - 80.f, 9.f);
  return Shade(RampColor(Ramp::Navy, 0.25f), tier < 1.5f ? -0.5f : -0.25f + 0.25f * (y - 80.f) / 70.f);
}

// Spectators row by row: shirts in the home and visiting colours, heads,
// the odd raised arm; the back rows are smaller and in shadow.
void PaintCrowd(Canvas& c) {
  const Rgb shirts[] = {RampColor(Ramp::Brick, 0.45f), RampColor(Ramp::Gold, 0.7f), RampColor(Ramp::Navy, 0.6f),
                        Rgb{230, 230, 225},            RampColor(Ramp::Brick, 0.3f), RampColor(Ramp::Teal, 0.5f)};
  for (int row = 0; row < 7; ++row) {
    const float y = 88.f + 9.f * row, scale = 0.75f + 0.05f * row, dim = -0.45f + 0.06f * row;
    for (int i = 0; i < 110; ++i) {
      const float h = Hash2(i, row, 381u);
      const float x = 5.5f * i + 3.f * (row % 2) + 2.f * h;
      const Rgb shirt = Shade(shirts[static_cast<int>(h * 5.99f)], dim);
      c.Paint(RoundRect{x - 2.2f * scale, y - 1.f, x + 2.2f * scale, y + 5.f * scale, 1.2f}, shirt);
      c.Paint(Circle{x, y - 2.5f * scale, 1.6f * scale}, Shade(RampColor(Ramp::Skin, 0.2f + 0.6f * Hash2(i, row, 382u)), dim));
      if (h > 0.9f) c.Paint(Line(x + 1.5f, y, x + 3.f, y - 5.f * scale, 1.1f), Shade(shirt, 0.1f));
    }
  }
}

Rgb Turf(float x, float y) {
  const float depth = (y - kHorizon) / (401.f - kHorizon);
  const bool light = std::fmod((y - kHorizon) / (0.35f + depth), 36.f) < 18.f;
  return Shade(Felt(x, y, 371u, RampColor(Ramp::Grass, 0.5f), 0.08f), light ? 0.06f : -0.05f);
}

void PaintStadium(Canvas& c) {
  c.Fill({0, 0, 602, kHorizon}, [](float x, float y) { return y < 80.f ? Sky(x, y) : Stands(x, y); });
  PaintCrowd(c);
  // Two floodlight towers.
  for (float lx : {40.f, 560.f}) {
    c.Paint(Line(lx, 24.f, lx, 80.f, 3.f), RampColor(Ramp::Steel, 0.3f));
    c.Paint(RoundRect{lx - 16.f, 8.f, lx + 16.f, 26.f, 2.f}, RampColor(Ramp::Steel, 0.25f));
    for (int i = 0; i < 4; ++i) c.Paint(Circle{lx - 11.f + 7.3f * i, 17.f, 2.6f}, Rgb{255, 250, 225});
  }
  c.Fill({0, kHorizon, 602, 401}, Turf);
  // A wall between the stands and the field.
  c.Fill({0, kHorizon - 6.f, 602, kHorizon}, [](float, float y) {
    return Mix(RampColor(Ramp::Navy, 0.45f), RampColor(Ramp::Navy, 0.2f), (y - kHorizon + 6.f) / 6.f);
  });
  // Yard lines receding across the field, with hash marks.
  for (int i = 0; i < 7; ++i) {
    const float y = kHorizon + 14.f + 11.f * i + 2.4f * i * i;
    c.Paint(Line(0.f, y, 602.f, y, 1.1f + 0.25f * i), Rgb{245, 245, 235}, 0.55f);
    for (float x = 20.f; x < 600.f; x += 40.f) c.Paint(Line(x, y - 3.f, x, y + 3.f, 1.f), Rgb{245, 245, 235}, 0.35f);
  }
}

Rgb BoardFace(float x, float y) {
  const Rgb wood = WoodGrain(x * 1.4f, y * 2.f, 372u, true, Ramp::Navy, 0.35f, 0.6f);
  return Shade(wood, -0.25f * (y - kBoardFace.top) / kBoardFace.Height());
}

void PaintHole(Canvas& c, const Hole& h, const char* yards) {
  const float x = static_cast<float>(h.centre.x) + 0.5f, y = static_cast<float>(h.centre.y) + 0.5f;
  const float rim = static_cast<float>(h.rimOuter), r = static_cast<float>(h.radius) + 1.f;
  // The padded rim: a red ring lit from the upper left, white piping at its outer edge.
  c.Paint(Ring{x, y, r, rim}, [=](float px, float py) {
    const float lit = std::clamp(0.55f - ((px - x) + (py - y)) / (2.f * rim), 0.f, 1.f);
    return Mix(RampColor(Ramp::Brick, 0.25f), RampColor(Ramp::Orange, 0.75f), lit);
  });
  c.Paint(Ring{x, y, rim - 1.4f, rim}, Rgb{240, 236, 226});
  // Through the hole: the dark net behind the board.
  c.Paint(Circle{x, y, r}, [=](float px, float py) {
    const bool mesh = std::fmod(px + py + 200.f, 5.f) < 0.9f || std::fmod(px - py + 200.f, 5.f) < 0.9f;
    const float shade = std::clamp(Length(px - x - 3.f, py - y - 3.f) / r, 0.f, 1.f);
    return Mix(mesh ? Rgb{70, 70, 72} : Rgb{8, 8, 10}, Rgb{0, 0, 0}, shade * 0.6f);
  });
  // The inner shadow the rim throws into the hole.
  c.Paint(Ring{x + 1.5f, y + 1.5f, r - 3.f, r}, Rgb{0, 0, 0}, 0.55f, 2.f);
  TextStyle t;
  t.size = 12;
  t.align = Align::Center;
  t.color = RampColor(Ramp::Gold, 0.9f);
  DrawTextShadowed(c, t, x, y + rim + 2.f, yards, {0, 0, 0}, 1.f, 1.f);
}

void PaintPost(Canvas& c, const CRect& post) {
  const float x0 = static_cast<float>(post.left), x1 = static_cast<float>(post.right);
  const float y0 = static_cast<float>(post.top), y1 = static_cast<float>(post.bottom);
  c.Paint(RoundRect{x0 + 3.f, y0 + 4.f, x1 + 3.f, y1 + 4.f, 4.f}, Rgb{0, 0, 0}, 0.45f, 4.f);
  // A padded upright: round in section, so lit across its width.
  c.Paint(RoundRect{x0, y0, x1, y1, 4.f}, [=](float px, float) {
    const float t = (px - x0) / (x1 - x0);
    return Mix(RampColor(Ramp::Gold, 0.95f), RampColor(Ramp::Gold, 0.2f),
               std::clamp(std::abs(t - 0.3f) * 1.5f, 0.f, 1.f));
  });
  for (float y = y0 + 12.f; y < y1 - 4.f; y += 24.f)
    c.Paint(Line(x0 + 2.f, y, x1 - 2.f, y, 1.2f), RampColor(Ramp::Gold, 0.1f), 0.7f);
}

void PaintBoard(Canvas& c) {
  const CRect& f = kBoardFace;
  // Legs down to the grass and the board's shadow.
  for (float lx : {f.left + 20.f, f.right - 20.f})
    c.Paint(Line(lx, f.bottom, lx + 4.f, f.bottom + 18.f, 5.f), RampColor(Ramp::Steel, 0.25f));
  ContactShadow(c, (kLeftPost.left + kRightPost.right) * 0.5f, f.bottom + 18.f, 100.f, 6.f, 0.45f);
  c.Paint(RoundRect{f.left + 4.f, f.top + 6.f, f.right + 4.f, f.bottom + 6.f, 2.f}, Rgb{0, 0, 0}, 0.5f, 6.f);
  c.Fill({static_cast<float>(f.left), static_cast<float>(f.top), static_cast<float>(f.right),
          static_cast<float>(f.bottom)},
         BoardFace);
  // A white border and a painted field goal as the target's decoration.
  c.Paint(Subtract{RoundRect{f.left + 3.f, f.top + 3.f, f.right - 3.f, f.bottom - 3.f, 2.f},
                   RoundRect{f.left + 5.f, f.top + 5.f, f.right - 5.f, f.bottom - 5.f, 1.f}},
          Rgb{235, 232, 220});
  TextStyle t;
  t.size = 12;
  t.align = Align::Center;
  t.color = Rgb{235, 232, 220};
  DrawTextShadowed(c, t, (f.left + f.right) * 0.5f, f.bottom - 22.f, "QUINTARO", {0, 0, 0}, 1.f, 1.f);
  PaintHole(c, kLargeHole, "10");
  PaintHole(c, kSmallHole, "40");
  PaintPost(c, kLeftPost);
  PaintPost(c, kRightPost);
}

void PaintRack(Canvas& c) {
  const CRect& r = kRackRect;
  c.Paint(RoundRect{r.left + 3.f, r.top + 5.f, r.right + 3.f, r.bottom + 5.f, 5.f}, Rgb{0, 0, 0}, 0.5f, 4.f);
  c.Paint(RoundRect{static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right),
                    static_cast<float>(r.bottom), 5.f},
          [](float x, float y) { return WoodGrain(x * 2.f, y, 373u, true, Ramp::Wood, 0.3f, 0.6f); });
  c.Paint(Line(r.left + 4.f, r.top + 2.f, r.right - 4.f, r.top + 2.f, 1.5f), RampColor(Ramp::Wood, 0.85f), 0.7f);
  // A cradle under each ball.
  for (const CPoint& slot : kRackSlots)
    c.Paint(Ellipse{slot.x + 0.5f, slot.y + 8.f, 22.f, 4.f}, RampColor(Ramp::Wood, 0.1f), 0.75f);
}

void PaintThrowingTurf(Canvas& c) {
  // The strip where the throwing zone appears: worn turf behind a chalk line.
  const float y0 = static_cast<float>(kFirstThrowZone.top) - 4.f, y1 = static_cast<float>(kFirstThrowZone.bottom) + 4.f;
  const float x0 = static_cast<float>(kFirstThrowZone.left) - 4.f;
  const float x1 = static_cast<float>(kFirstThrowZone.right + kZoneShiftRange - 1) + 4.f;
  c.Paint(
      RoundRect{x0, y0, x1, y1, 4.f},
      [](float x, float y) { return Shade(Turf(x, y), 0.08f * ValueNoise(x / 6.f, y / 6.f, 380u)); }, 0.9f, 3.f);
  c.Paint(Line(x0, y0 - 1.f, x1, y0 - 1.f, 1.6f), Rgb{245, 245, 235}, 0.8f);
  TextStyle t;
  t.size = 12;
  t.color = Rgb{245, 245, 235};
  t.alpha = 0.7f;
  DrawText(c, t, x0, y1 + 3.f, "LINE OF SCRIMMAGE");
}

void PaintScoreboard(Canvas& c) {
  ScorePanel(c, 350.f, 100.f, 560.f, 306.f);
  BoxLabel(c, "DOWN", kDownDigitAt.x + kDigitWidth * 0.5f, 132.f, RampColor(Ramp::Gold, 0.85f), 12);
  BoxLabel(c, "TO GO", kToGoDigitsAt.x + kDigitWidth, 132.f, RampColor(Ramp::Gold, 0.85f), 12);
  BoxLabel(c, "YARDS", kYardsDigitsAt.x + kDigitWidth, 132.f, RampColor(Ramp::Gold, 0.85f), 12);
  // The boxes the program writes names and scores into, then the windows
  // behind the digit lamps: these end on the row above the first name box,
  // their lit lower edge parting them from it.
  for (int i = 0; i < kSlots; ++i) {
    const CRect n = NameBox(i), s = ScoreBox(i);
    ProgramBox(c, n.left, n.top, n.right, n.bottom);
    ProgramBox(c, s.left, s.top, s.right, s.bottom);
  }
  const int windowBottom = kDownDigitAt.y + kDigitWindowRows;
  ProgramBox(c, kDownDigitAt.x, kDownDigitAt.y, kDownDigitAt.x + kDigitWidth, windowBottom);
  ProgramBox(c, kToGoDigitsAt.x, kToGoDigitsAt.y, kToGoDigitsAt.x + 2 * kDigitWidth, windowBottom);
  ProgramBox(c, kYardsDigitsAt.x, kYardsDigitsAt.y, kYardsDigitsAt.x + 2 * kDigitWidth, windowBottom);
  PlayfieldTitle(c, "FOOTBALL", 455.f, 44.f, Rgb{250, 250, 245}, 32);
}

}  // namespace

void MakeFootballPlayfield(Context& ctx) {
  Canvas c(602, 401);
  PaintStadium(c);
  PaintThrowingTurf(c);
  PaintBoard(c);
  PaintRack(c);
  PaintScoreboard(c);
  ctx.sink.Bitmap(kFieldBitmap, ctx.quant.Convert(c, Dither::Diffusion));
  MakeFootballSprites(ctx);
  MakeFootballSounds(ctx);
}

namespace {
[[maybe_unused]] const bool kRegistered = RegisterFamily("football", MakeFootballPlayfield);
}  // namespace

}  // namespace art
