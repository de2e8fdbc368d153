// The darts playfields: 130 (301 and 501) and 306 (Cricket). The board, the
// tray, the throw zone and the flight panel sit where the game expects them;
// the score boxes are left plain black for the game to draw into.
#include <cmath>
#include <string>

#include "context.h"
#include "core/decor.h"
#include "core/shapes.h"
#include "core/text.h"
#include "core/textures.h"
#include "darts/dart_painter.h"

namespace art {
namespace {

constexpr float kBoardX = 266.f, kBoardY = 141.f;
// Where the game draws and reads: the tray, the throw zone, the flight panel.
constexpr int kTrayX0 = 244, kTrayY0 = 300, kTrayX1 = 315, kTrayY1 = 347;
constexpr int kZoneX0 = 155, kZoneY0 = 355, kZoneX1 = 382, kZoneY1 = 375;
constexpr int kPanelX0 = 12, kPanelY0 = 45, kPanelX1 = 131, kPanelY1 = 366;
// The scoreboard panel on the right.
constexpr int kBoardPanelX0 = 418, kBoardPanelY0 = 44, kBoardPanelX1 = 594;

void Label(Canvas& c, float cx, float y, std::string_view text, int size, Rgb color) {
  TextStyle t;
  t.size = size;
  t.align = Align::Center;
  t.color = color;
  DrawTextShadowed(c, t, cx, y, text, {0, 0, 0}, 1.f, 1.f);
}

// Wall, floor, board, flight panel, tray and throw zone: all but the scoreboard.
void PaintDartsRoom(Canvas& c) {
  PaintPanelledWall(c, 5u, kBoardX, kBoardY, 330.f, Ramp::Wood);
  // Floor boards below a skirting rail.
  c.Fill({0, 290, 602, 401}, [](float x, float y) {
    const float depth = (y - 290.f) / 111.f;
    Rgb w = WoodGrain(x * (1.1f - depth * 0.4f) + 40.f, y * 2.f, 9u, true, Ramp::Wood, 0.2f, 0.45f);
    if (std::fmod(y - 290.f, 18.f) < 1.f) w = Shade(w, -0.5f);
    return Scale(w, 0.75f + 0.25f * depth);
  });
  c.Fill({0, 284, 602, 292}, VerticalGradient(284, 292, RampColor(Ramp::Wood, 0.55f), RampColor(Ramp::Wood, 0.15f)));
  // A lamp above the board casts a pool of light on the floor too.
  c.Paint(Ellipse{kBoardX, 330.f, 190.f, 40.f}, Rgb{255, 225, 170}, 0.12f, 40.f);

  // The board on its black catch ring.
  c.Paint(Circle{kBoardX + 3, kBoardY + 5, 138.f}, Rgb{0, 0, 0}, 0.5f, 8.f);
  c.Paint(Circle{kBoardX, kBoardY, 137.f}, [](float x, float y) {
    const float k = ((x - kBoardX) * -0.6f + (y - kBoardY) * -0.8f) / 137.f;
    return Shade(RampColor(Ramp::Grey, 0.08f), 0.10f * k);
  });
  PaintDartboard(c, kBoardX, kBoardY);

  // The flight panel: a view down the oche towards the board.
  WoodFrame(c, kPanelX0, kPanelY0, kPanelX1, kPanelY1, 6, 21u);
  c.Fill({float(kPanelX0), float(kPanelY0), float(kPanelX1 - 1), float(kPanelY1 - 1)}, [](float, float y) {
    const float t = (y - kPanelY0) / float(kPanelY1 - kPanelY0);
    return Mix(RampColor(Ramp::Night, 0.85f), RampColor(Ramp::Night, 0.2f), t);
  });
  // A carpet runner leading from the thrower to the far wall.
  {
    const float cx = (kPanelX0 + kPanelX1) * 0.5f;
    const float farY = kPanelY0 + 48.f, nearY = float(kPanelY1);
    c.Paint(Polygon{{{cx - 9.f, farY}, {cx + 9.f, farY}, {cx + 54.f, nearY}, {cx - 54.f, nearY}}}, [&](float x, float y) {
      const float t = (y - farY) / (nearY - farY);
      Rgb rug = Mix(RampColor(Ramp::Brick, 0.15f), RampColor(Ramp::Brick, 0.4f), t);
      const float half = 9.f + 45.f * t;
      if (std::abs(x - cx) > half - 1.5f - 3.f * t) rug = RampColor(Ramp::Gold, 0.3f + 0.3f * t);
      return rug;
    });
    // The oche line across the runner, near the thrower.
    c.Paint(Line(cx - 48.f, nearY - 34.f, cx + 48.f, nearY - 34.f, 2.f), RampColor(Ramp::Gold, 0.75f));
  }
  // A tiny board at the far end of the panel.
  PaintDartboard(c, (kPanelX0 + kPanelX1) * 0.5f, kPanelY0 + 20.f, 0.13f, false);

  // The tray: a wooden block with three felt-lined grooves under the darts.
  c.Paint(RoundRect{kTrayX0 - 10.f + 3, kTrayY0 - 6.f + 5, kTrayX1 + 10.f + 3, kTrayY1 + 6.f + 5, 5}, Rgb{0, 0, 0}, 0.55f, 5.f);
  c.Paint(RoundRect{kTrayX0 - 10.f, kTrayY0 - 6.f, kTrayX1 + 10.f, kTrayY1 + 6.f, 5}, [](float x, float y) {
    Rgb w = WoodGrain(x * 2.f, y, 31u, true, Ramp::Wood, 0.45f, 0.7f);
    const float edge = std::min({x - (kTrayX0 - 10.f), y - (kTrayY0 - 6.f)});
    return edge < 2.f ? Shade(w, 0.2f) : w;
  });
  for (int i = 0; i < 3; ++i) {
    const float gx = kTrayX0 + 30.f * i + 5.5f;
    c.Paint(RoundRect{gx - 6.f, kTrayY0 - 1.f, gx + 6.f, kTrayY1 + 1.f, 5}, [](float, float y) {
      return Mix(RampColor(Ramp::Felt, 0.12f), RampColor(Ramp::Felt, 0.35f), (y - kTrayY0) / 47.f);
    });
  }

  // The throw zone: a rubber oche mat with brass edges and arrows pointing at the board.
  c.Paint(RoundRect{kZoneX0 - 4.f + 2, kZoneY0 - 4.f + 3, kZoneX1 + 4.f + 2, kZoneY1 + 4.f + 3, 4}, Rgb{0, 0, 0}, 0.5f, 4.f);
  c.Paint(RoundRect{kZoneX0 - 4.f, kZoneY0 - 4.f, kZoneX1 + 4.f, kZoneY1 + 4.f, 4},
          VerticalGradient(kZoneY0 - 4, kZoneY1 + 4, RampColor(Ramp::Gold, 0.85f), RampColor(Ramp::Gold, 0.35f)));
  c.Fill({float(kZoneX0), float(kZoneY0), float(kZoneX1 - 1), float(kZoneY1 - 1)}, [](float x, float y) {
    Rgb r = Mix(RampColor(Ramp::Grey, 0.2f), RampColor(Ramp::Grey, 0.08f), (y - kZoneY0) / 20.f);
    if (std::fmod(x + y, 4.f) < 1.f) r = Shade(r, 0.06f);
    return r;
  });
  for (int i = 0; i < 9; ++i) {
    const float ax = kZoneX0 + 14.f + 25.f * i;
    c.Paint(Polygon{{{ax, kZoneY0 + 4.f}, {ax + 5.f, kZoneY0 + 10.f}, {ax + 2.f, kZoneY0 + 10.f}, {ax + 2.f, kZoneY1 - 4.f},
                     {ax - 2.f, kZoneY1 - 4.f}, {ax - 2.f, kZoneY0 + 10.f}, {ax - 5.f, kZoneY0 + 10.f}}},
            RampColor(Ramp::Gold, 0.7f), 0.55f);
  }
  TextStyle hint;
  hint.size = 11;
  hint.bold = true;
  hint.align = Align::Center;
  hint.color = RampColor(Ramp::Gold, 0.75f);
  DrawText(c, hint, (kZoneX0 + kZoneX1) * 0.5f, kZoneY1 + 6.f, "THROW FROM HERE");
}

void ScoreboardFrame(Canvas& c, int y1, std::string_view title) {
  WoodFrame(c, kBoardPanelX0, kBoardPanelY0, kBoardPanelX1, y1, 7, 13u);
  Chalkboard(c, kBoardPanelX0, kBoardPanelY0, kBoardPanelX1, y1, 17u);
  BrassPlaque(c, kBoardPanelX0 + 14.f, 8.f, kBoardPanelX1 - 14.f, 32.f, title, 14);
}

void Make301Board(Context& ctx) {
  Canvas c(602, 401);
  PaintDartsRoom(c);
  ScoreboardFrame(c, 296, "DARTS  301 / 501");
  const Rgb chalk = RampColor(Ramp::Grey, 0.9f);
  Label(c, 484.f, 62.f, "PLAYER", 13, chalk);
  Label(c, 566.f, 62.f, "LEFT", 13, chalk);
  for (int i = 0; i < 4; ++i) {
    const int y = 84 + 30 * i;
    c.Paint(Circle{426.5f, y + 8.f, 3.5f}, PlayerColor(i));
    ProgramBox(c, 434, y, 535, y + 16);
    ProgramBox(c, 550, y, 582, y + 16);
  }
  c.Paint(Line(430, 212, 582, 212, 1.2f), chalk, 0.5f);
  Label(c, 460.f, 226.f, "THROW", 14, chalk);
  Label(c, 550.f, 226.f, "TOTAL", 14, chalk);
  ProgramBox(c, 430, 245, 490, 280);
  ProgramBox(c, 520, 245, 580, 280);
  ctx.sink.Bitmap(130, ctx.quant.Convert(c, Dither::Diffusion));
}

void MakeCricketBoard(Context& ctx) {
  Canvas c(602, 401);
  PaintDartsRoom(c);
  ScoreboardFrame(c, 348, "DARTS  CRICKET");
  const Rgb chalk = RampColor(Ramp::Grey, 0.9f);
  Label(c, 514.f, 64.f, "PLAYERS", 13, chalk);
  for (int i = 0; i < 4; ++i) {
    const int y = 86 + 27 * i;
    c.Paint(Circle{440.f, y + 8.f, 4.f}, PlayerColor(i));
    Label(c, 440.f, y + 1.f, std::to_string(i + 1), 11, {0, 0, 0});
    ProgramBox(c, 450, y, 578, y + 16);
  }
  // Column headers over the grid: players 1 and 2, the numbers, players 3 and 4.
  const char* heads[5] = {"P1", "P2", "", "P3", "P4"};
  for (int col = 0; col < 5; ++col) {
    const float cx = 424.f + 32.f * col + 14.f;
    if (col == 2) {
      c.Paint(Circle{cx, 204.f, 6.f}, RampColor(Ramp::BoardRed, 0.5f));
      c.Paint(Circle{cx, 204.f, 2.5f}, RampColor(Ramp::BoardGreen, 0.55f));
      continue;
    }
    const int player = col < 2 ? col : col - 1;
    c.Paint(RoundRect{cx - 13.f, 196.f, cx + 13.f, 211.f, 3}, Shade(PlayerColor(player), -0.35f), 0.9f);
    Label(c, cx, 196.f, heads[col], 12, chalk);
  }
  for (int col = 0; col < 5; ++col)
    for (int r = 0; r < 7; ++r) ProgramBox(c, 424 + 32 * col, 214 + 18 * r, 452 + 32 * col, 228 + 18 * r);
  ctx.sink.Bitmap(306, ctx.quant.Convert(c, Dither::Diffusion));
}

}  // namespace

void MakeDartsBoards(Context& ctx) {
  Make301Board(ctx);
  MakeCricketBoard(ctx);
}

}  // namespace art
