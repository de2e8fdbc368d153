// SPDX-License-Identifier: GPL-3.0-or-later
// The title screen (178): a games hall in which each clickable region holds
// a picture of its game, drawn from the regions' own outlines.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "context.h"
#include "core/decor.h"
#include "core/noise.h"
#include "core/shapes.h"
#include "core/text.h"
#include "core/textures.h"
#include "darts/dart_painter.h"
#include "registry.h"
#include "res/screen_numbers.h"
#include "res/title_regions.h"
#include "shell/props.h"
#include "shell/title_people.h"

namespace art {
namespace {

using Points = std::vector<std::pair<float, float>>;

// A clickable region's outline (the view's own table) as painter points.
Points Outline(const HotRegion& region) {
  Points pts;
  for (const POINT& p : region.points) pts.emplace_back(static_cast<float>(p.x), static_cast<float>(p.y));
  return pts;
}

// The hall: a dark blue wall with a dado rail and a patterned carpet.
void PaintHall(Canvas& c) {
  c.Fill({0, 0, 602, 401}, [](float x, float y) {
    if (y < 236.f) {
      // Wallpaper: soft vertical stripes, lit from above.
      const float stripe = std::fmod(x, 24.f) < 12.f ? 0.04f : -0.02f;
      const float n = Fbm(x * 0.03f, y * 0.03f, 3u, 3) - 0.5f;
      return Shade(Mix(RampColor(Ramp::Navy, 0.35f), RampColor(Ramp::Night, 0.4f), y / 236.f), stripe + n * 0.08f);
    }
    // Carpet: a diamond pattern receding towards the wall.
    const float depth = (y - 236.f) / 165.f;
    const float u = (x - 301.f) / (0.5f + depth) * 0.09f, v = (y - 236.f) / (0.35f + depth * 0.6f) * 0.25f;
    const float d = std::abs(std::fmod(std::abs(u + v), 2.f) - 1.f) + std::abs(std::fmod(std::abs(u - v), 2.f) - 1.f);
    Rgb base = Mix(RampColor(Ramp::Brick, 0.15f), RampColor(Ramp::Brick, 0.3f), depth);
    if (d < 0.25f) base = Mix(base, RampColor(Ramp::Gold, 0.35f), 0.35f);
    return Shade(base, (Hash2(static_cast<int>(x), static_cast<int>(y), 8u) - 0.5f) * 0.1f);
  });
  // Dado rail and skirting.
  c.Fill({0, 226, 602, 236}, VerticalGradient(226, 236, RampColor(Ramp::Wood, 0.6f), RampColor(Ramp::Wood, 0.2f)));
  c.Fill({0, 160, 602, 164}, VerticalGradient(160, 164, RampColor(Ramp::Wood, 0.5f), RampColor(Ramp::Wood, 0.25f)), 0.7f);
}

// A soft pool of light behind a region, so the user sees what to click.
void RegionGlow(Canvas& c, const Points& pts, Rgb color) {
  c.Paint(Polygon{pts}, color, 0.12f, 14.f);
}

void PaintBasketballScene(Canvas& c) {
  // Backboard with the red target square, bracket, rim and net.
  c.Paint(RoundRect{40, 58, 98, 122, 2}, RampColor(Ramp::Grey, 0.35f));
  c.Paint(RoundRect{42, 60, 96, 120, 1}, VerticalGradient(60, 120, RampColor(Ramp::Grey, 1.f), RampColor(Ramp::Ice, 0.3f)));
  c.Paint(Subtract{RoundRect{58, 86, 84, 108, 0}, RoundRect{61, 89, 81, 105, 0}}, RampColor(Ramp::BoardRed, 0.45f));
  c.Paint(RoundRect{98, 92, 112, 98, 1}, RampColor(Ramp::Grey, 0.3f));
  // Net below the rim.
  for (int i = 0; i <= 6; ++i) {
    const float top = 110.f + 8.f * i, bottom = 124.f + 4.f * i;
    c.Paint(Line(top, 96, bottom, 104.5f, 0.9f), RampColor(Ramp::Grey, 0.95f), 0.9f);
    c.Paint(Line(top + 8.f, 96, bottom - 4.f, 104.5f, 0.9f), RampColor(Ramp::Grey, 0.95f), 0.9f);
  }
  c.Paint(Subtract{Ellipse{137.f, 96.f, 27.f, 6.f}, Ellipse{137.f, 95.5f, 24.f, 4.f}}, RampColor(Ramp::Orange, 0.45f));
  // The ball dropping into the hoop.
  PaintBasketball(c, 150.f, 79.5f, 8.f);
  PaintBasketballPlayer(c);
}

void PaintFootballScene(Canvas& c) {
  // The target board with its two holes between two posts.
  c.Paint(RoundRect{117, 109, 218, 149, 2}, [](float x, float y) {
    return WoodGrain(x * 1.5f, y * 2.f, 61u, true, Ramp::Maple, 0.3f, 0.6f);
  });
  c.Fill({117, 109, 218, 149}, [](float, float y) {
    return std::fmod(y - 109.f, 10.f) < 5.f ? RampColor(Ramp::Grass, 0.4f) : RampColor(Ramp::Grass, 0.55f);
  }, 0.85f);
  for (float px : {119.f, 213.f}) c.Paint(RoundRect{px - 2, 107, px + 4, 151, 1}, RampColor(Ramp::Gold, 0.6f));
  c.Paint(Circle{183, 126, 13}, RampColor(Ramp::Grey, 0.95f));
  c.Paint(Circle{183, 126, 10.5f}, RampColor(Ramp::Grey, 0.05f));
  c.Paint(Circle{150, 132, 8}, RampColor(Ramp::Grey, 0.95f));
  c.Paint(Circle{150, 132, 6}, RampColor(Ramp::Grey, 0.05f));
  PaintQuarterback(c);
}

void PaintPoolScene(Canvas& c) {
  // Legs, then the table in perspective: rail, cushions, felt, pockets.
  for (const auto& [x0, x1] : {std::pair{238.f, 250.f}, std::pair{342.f, 354.f}})
    c.Paint(RoundRect{x0, 360, x1, 398, 2}, HorizontalGradient(x0, x1, RampColor(Ramp::Wood, 0.4f), RampColor(Ramp::Wood, 0.12f)));
  c.Paint(Polygon{{{276, 272}, {351, 272}, {363, 360}, {362, 372}, {230, 372}, {229, 360}}},
          [](float x, float y) { return WoodGrain(x * 2.f, y, 71u, true, Ramp::Wood, 0.25f, 0.5f); });
  c.Paint(Polygon{{{281, 277}, {346, 277}, {356, 357}, {236, 357}}}, [](float x, float y) {
    return Felt(x, y, 72u, Mix(RampColor(Ramp::Felt, 0.5f), RampColor(Ramp::Felt, 0.35f), (y - 277.f) / 80.f));
  });
  for (const auto& [px, py] : {std::pair{282.f, 278.f}, std::pair{345.f, 278.f}, std::pair{237.f, 356.f}, std::pair{355.f, 356.f},
                               std::pair{259.f, 317.f}, std::pair{351.f, 317.f}})
    c.Paint(Circle{px, py, 3.6f}, RampColor(Ramp::Grey, 0.02f));
  // A rack of balls and the cue ball, with a cue.
  const Rgb colors[] = {Hex(0xF0C020), Hex(0x2040C0), Hex(0xD02020), Hex(0x603090), Hex(0xF07020), Hex(0x208040), Hex(0x802020), Hex(0x111111)};
  int k = 0;
  for (int row = 0; row < 4; ++row)
    for (int i = 0; i <= row; ++i) {
      const float x = 313.f + (static_cast<float>(i) - row * 0.5f) * 7.f, y = 300.f - row * 5.5f;
      PaintPoolBall(c, x, y, 3.6f, colors[k % 8], k >= 8);
      ++k;
    }
  PaintPoolBall(c, 296.f, 336.f, 4.2f, RampColor(Ramp::Grey, 0.98f), false);
  c.Paint(Line(292.f, 343.f, 260.f, 395.f, 2.2f, 3.6f), [](float, float y) {
    return y > 380.f ? RampColor(Ramp::Wood, 0.2f) : (y < 347.f ? RampColor(Ramp::Sky, 0.6f) : RampColor(Ramp::Maple, 0.6f));
  });
}

void PaintAirHockeyScene(Canvas& c) {
  for (const auto& [x0, x1] : {std::pair{392.f, 406.f}, std::pair{506.f, 520.f}})
    c.Paint(RoundRect{x0, 376, x1, 399, 2}, HorizontalGradient(x0, x1, RampColor(Ramp::Steel, 0.6f), RampColor(Ramp::Steel, 0.2f)));
  // Table top, a white playing surface with a blue rail, in slight perspective.
  c.Paint(Polygon{{{388, 334}, {509, 334}, {522, 366}, {521, 380}, {389, 380}}},
          VerticalGradient(334, 380, RampColor(Ramp::Navy, 0.55f), RampColor(Ramp::Navy, 0.3f)));
  c.Paint(Polygon{{{393, 338}, {505, 338}, {516, 365}, {393, 365}}}, [](float x, float y) {
    Rgb ice = Mix(RampColor(Ramp::Ice, 0.95f), RampColor(Ramp::Ice, 0.55f), (y - 338.f) / 27.f);
    // Rows of tiny air holes.
    if (std::fmod(x, 5.f) < 1.f && std::fmod(y, 4.f) < 1.f) ice = Shade(ice, -0.2f);
    return ice;
  });
  c.Paint(Line(452.f, 338.f, 456.f, 365.f, 1.2f), RampColor(Ramp::BoardRed, 0.5f));
  c.Paint(Ring{454.f, 351.5f, 7.f, 8.2f}, RampColor(Ramp::BoardRed, 0.5f));
  c.Paint(Line(395.f, 346.f, 395.f, 358.f, 3.f), RampColor(Ramp::Grey, 0.1f));
  c.Paint(Line(510.f, 347.f, 513.f, 358.f, 3.f), RampColor(Ramp::Grey, 0.1f));
  // Puck and two mallets.
  c.Paint(Ellipse{440.f, 355.f, 5.f, 3.f}, RampColor(Ramp::Grey, 0.1f));
  c.Paint(Ellipse{412.f, 351.f, 8.f, 5.f}, RampColor(Ramp::BoardRed, 0.35f));
  c.Paint(Ellipse{412.f, 348.5f, 4.f, 3.f}, RampColor(Ramp::BoardRed, 0.6f));
  c.Paint(Ellipse{492.f, 351.f, 8.f, 5.f}, RampColor(Ramp::Navy, 0.4f));
  c.Paint(Ellipse{492.f, 348.5f, 4.f, 3.f}, RampColor(Ramp::Navy, 0.7f));
}

void PaintDartsScene(Canvas& c) {
  // The board on the wall at the right edge, the player facing it.
  c.Paint(Circle{588.f, 214.f, 24.f}, RampColor(Ramp::Grey, 0.05f));
  PaintDartboard(c, 588.f, 214.f, 0.2f, false);
  PaintDartsPlayer(c);
}

void PaintBowlingScene(Canvas& c) {
  // The lane, narrowing towards the pins, between dark gutters.
  c.Paint(Polygon{{{224, 181}, {268, 65}, {328, 65}, {369, 181}}}, RampColor(Ramp::Grey, 0.1f));
  c.Paint(Polygon{{{236, 181}, {274, 65}, {322, 65}, {357, 181}}}, [](float x, float y) {
    const float depth = (y - 65.f) / 116.f;
    const float board = (x - 298.f) / (0.35f + 0.65f * depth);
    Rgb w = Mix(RampColor(Ramp::Maple, 0.55f), RampColor(Ramp::Maple, 0.85f), depth);
    if (std::fmod(std::abs(board) + 100.f, 6.f) < 0.8f) w = Shade(w, -0.12f);
    return w;
  });
  // Aiming arrows.
  for (int i = -2; i <= 2; ++i)
    c.Paint(Polygon{{{298.f + i * 12.f, 140.f}, {295.f + i * 12.f, 147.f}, {301.f + i * 12.f, 147.f}}}, RampColor(Ramp::Wood, 0.25f));
  // Pins in their triangle at the far end.
  const float rows[4][4] = {{298, 0, 0, 0}, {292, 304, 0, 0}, {286, 298, 310, 0}, {280, 292, 304, 316}};
  for (int r = 3; r >= 0; --r)
    for (int i = 0; i <= r; ++i) PaintBowlingPin(c, rows[r][i], 94.f - static_cast<float>(r) * 5.f, 22.f);
  // The ball rolling down the lane.
  PaintBowlingBall(c, 308.f, 150.f, 11.f, RampColor(Ramp::Purple, 0.55f));
  // Ball return with three balls.
  c.Paint(RoundRect{374, 150, 478, 181, 6}, VerticalGradient(150, 181, RampColor(Ramp::Steel, 0.6f), RampColor(Ramp::Steel, 0.2f)));
  c.Paint(RoundRect{378, 146, 474, 156, 4}, RampColor(Ramp::Steel, 0.85f));
  PaintBowlingBall(c, 395.f, 138.f, 12.f, RampColor(Ramp::BoardRed, 0.5f));
  PaintBowlingBall(c, 425.f, 138.f, 12.f, RampColor(Ramp::Teal, 0.55f));
  PaintBowlingBall(c, 455.f, 138.f, 12.f, RampColor(Ramp::Gold, 0.55f));
}

void PaintBowlingSign(Canvas& c) {
  c.Paint(RoundRect{316, 13, 470, 44, 6}, RampColor(Ramp::Night, 0.1f));
  c.Paint(Subtract{RoundRect{317, 14, 469, 43, 6}, RoundRect{320, 17, 466, 40, 4}}, RampColor(Ramp::Pink, 0.75f), 1.f);
  c.Paint(Subtract{RoundRect{317, 14, 469, 43, 6}, RoundRect{320, 17, 466, 40, 4}}, RampColor(Ramp::Pink, 0.6f), 0.5f, 5.f);
  TextStyle t;
  t.size = 20;
  t.align = Align::Center;
  t.color = RampColor(Ramp::Gold, 0.95f);
  DrawTextShadowed(c, t, 393.f, 18.f, "BOWLING", RampColor(Ramp::Orange, 0.4f), 0.f, 0.f, 1.5f);
  PaintBowlingPin(c, 334.f, 40.f, 22.f);
  PaintBowlingPin(c, 452.f, 40.f, 22.f);
}

// The six games' scenes belong to the hall's composition, so they are
// painted here; a new game registers its own from its folder.
[[maybe_unused]] const bool kScenes = RegisterTitleScene(kScreenBasketball, PaintBasketballScene) &&
                                      RegisterTitleScene(kScreenFootball, PaintFootballScene) &&
                                      RegisterTitleScene(kScreenPool, PaintPoolScene) &&
                                      RegisterTitleScene(kScreenAirHockey, PaintAirHockeyScene) &&
                                      RegisterTitleScene(kScreenDarts, PaintDartsScene) &&
                                      RegisterTitleScene(kScreenBowling, [](Canvas& c) {
                                        PaintBowlingScene(c);
                                        PaintBowlingSign(c);
                                      });

void PaintHallOfFameSign(Canvas& c) {
  BrassPlaque(c, 378.f, 54.f, 557.f, 101.f, "", 14);
  TextStyle t;
  t.size = 24;
  t.align = Align::Center;
  t.color = RampColor(Ramp::Wood, 0.12f);
  DrawText(c, t, 468.f, 64.f, "Hall of Fame");
  t.color = RampColor(Ramp::Gold, 0.98f);
  DrawText(c, t, 467.f, 63.f, "Hall of Fame");
  PaintTrophy(c, 392.f, 96.f, 34.f);
  PaintTrophy(c, 543.f, 96.f, 34.f);
}

void PaintLogo(Canvas& c) {
  TextStyle t;
  t.size = 32;
  t.color = RampColor(Ramp::Gold, 0.9f);
  DrawTextShadowed(c, t, 12.f, 8.f, "Quintaro Games", RampColor(Ramp::Wood, 0.08f), 2.f, 2.f, 1.2f);
  TextStyle hint;
  hint.size = 16;
  hint.align = Align::Center;
  hint.color = RampColor(Ramp::Ice, 0.9f);
  DrawTextShadowed(c, hint, 358.f, 196.f, "Click a game to play", {0, 0, 0}, 1.f, 1.f);
}

}  // namespace

void MakeTitleScreen(Context& ctx) {
  Canvas c(602, 401);
  PaintHall(c);
  const Rgb glow{255, 236, 190};
  for (const HotRegion& r : TitleRegions()) RegionGlow(c, Outline(r), glow);
  PaintLogo(c);
  // Each game's scene, once, over its outlines: the games find their place
  // through their rows, their scenes through the registry.
  std::vector<int> painted;
  for (const HotRegion& r : TitleRegions()) {
    const TitleScene paint = TitleSceneFor(r.nGameType);
    if (!paint || std::ranges::find(painted, r.nGameType) != painted.end()) continue;
    painted.push_back(r.nGameType);
    paint(c);
  }
  PaintHallOfFameSign(c);
  ctx.sink.Bitmap(178, ctx.quant.Convert(c, Dither::Diffusion));
}

}  // namespace art
