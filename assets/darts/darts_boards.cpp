// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "games/darts/model/dart_geometry.h"
#include "games/darts/model/dart_scoreboard_layout.h"
#include "res/resource_ids.h"

namespace art {
namespace {

using namespace darts;

constexpr float kBoardX = kBoardCenterX, kBoardY = kBoardCenterY;
// Where the game draws and reads: the tray, the throw zone, the flight panel.
constexpr int kTrayX0 = kTrayRect.left, kTrayY0 = kTrayRect.top, kTrayX1 = kTrayRect.right, kTrayY1 = kTrayRect.bottom;
constexpr int kZoneX0 = kThrowZone.left, kZoneY0 = kThrowZone.top, kZoneX1 = kThrowZone.right,
              kZoneY1 = kThrowZone.bottom;
constexpr int kPanelX0 = kFlightPanel.left, kPanelY0 = kFlightPanel.top, kPanelX1 = kFlightPanel.right,
              kPanelY1 = kFlightPanel.bottom;
// The scoreboard panel on the right.
constexpr int kBoardPanelX0 = kScorePanel.left, kBoardPanelY0 = kScorePanel.top, kBoardPanelX1 = kScorePanel.right;

void Box(Canvas& c, const CRect& r) { ProgramBox(c, r.left, r.top, r.right, r.bottom); }

void Label(Canvas& c, float cx, float y, std::string_view text, int size, Rgb color) {
  TextStyle t;
  t.size = size;
  t.align = Align::Center;
  t.color = color;
  DrawTextShadowed(c, t, cx, y, text, {0, 0, 0}, 1.f, 1.f);
}

// The panelled wall, the floor, the lamp's light and the board on its catch ring.
void PaintWallAndBoard(Canvas& c) {
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
}

// The flight panel: a view down the oche towards the board.
void PaintFlightPanel(Canvas& c) {
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
}

// The tray: a wooden block with a felt-lined groove under each dart.
void PaintTray(Canvas& c) {
  c.Paint(RoundRect{kTrayX0 - 10.f + 3, kTrayY0 - 6.f + 5, kTrayX1 + 10.f + 3, kTrayY1 + 6.f + 5, 5}, Rgb{0, 0, 0}, 0.55f, 5.f);
  c.Paint(RoundRect{kTrayX0 - 10.f, kTrayY0 - 6.f, kTrayX1 + 10.f, kTrayY1 + 6.f, 5}, [](float x, float y) {
    Rgb w = WoodGrain(x * 2.f, y, 31u, true, Ramp::Wood, 0.45f, 0.7f);
    const float edge = std::min({x - (kTrayX0 - 10.f), y - (kTrayY0 - 6.f)});
    return edge < 2.f ? Shade(w, 0.2f) : w;
  });
  for (const CPoint& slot : kTraySlots) {
    const float gx = slot.x + kTraySlotWidth / 2.f;
    c.Paint(RoundRect{gx - 6.f, kTrayY0 - 1.f, gx + 6.f, kTrayY1 + 1.f, 5}, [](float, float y) {
      return Mix(RampColor(Ramp::Felt, 0.12f), RampColor(Ramp::Felt, 0.35f), (y - kTrayY0) / float(kTraySlotHeight));
    });
  }
}

// The throw zone: a rubber oche mat with brass edges and arrows pointing at the board.
void PaintThrowZone(Canvas& c) {
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

// Wall, floor, board, flight panel, tray and throw zone: all but the scoreboard.
void PaintDartsRoom(Canvas& c) {
  PaintWallAndBoard(c);
  PaintFlightPanel(c);
  PaintTray(c);
  PaintThrowZone(c);
}

void ScoreboardFrame(Canvas& c, int y1, std::string_view title) {
  WoodFrame(c, kBoardPanelX0, kBoardPanelY0, kBoardPanelX1, y1, 7, 13u);
  Chalkboard(c, kBoardPanelX0, kBoardPanelY0, kBoardPanelX1, y1, 17u);
  BrassPlaque(c, kBoardPanelX0 + 14.f, 8.f, kBoardPanelX1 - 14.f, 32.f, title, 14);
}

void Make301Board(Context& ctx) {
  Canvas c(602, 401);
  PaintDartsRoom(c);
  ScoreboardFrame(c, kScorePanel.bottom, "DARTS  301 / 501");
  const ScoreboardLayout layout = LayoutScoreboard(kVariant301);
  const Rgb chalk = RampColor(Ramp::Grey, 0.9f);
  Label(c, layout.names[0].CenterPoint().x, 62.f, "PLAYER", 13, chalk);
  Label(c, layout.scores[0].CenterPoint().x, 62.f, "LEFT", 13, chalk);
  for (std::size_t i = 0; i < kSeats; ++i) {
    const CRect& name = layout.names[i];
    c.Paint(Circle{name.left - 7.5f, name.top + 8.f, 3.5f}, PlayerColor(static_cast<int>(i)));
    Box(c, name);
    Box(c, layout.scores[i]);
  }
  c.Paint(Line(layout.throwBox.left, 212, layout.totalBox.right + 2, 212, 1.2f), chalk, 0.5f);
  Label(c, layout.throwBox.CenterPoint().x, 226.f, "THROW", 14, chalk);
  Label(c, layout.totalBox.CenterPoint().x, 226.f, "TOTAL", 14, chalk);
  Box(c, layout.throwBox);
  Box(c, layout.totalBox);
  ctx.sink.Bitmap(IDB_DARTS, ctx.quant.Convert(c, Dither::Diffusion));
}

void MakeCricketBoard(Context& ctx) {
  Canvas c(602, 401);
  PaintDartsRoom(c);
  ScoreboardFrame(c, kCricketPanelBottom, "DARTS  CRICKET");
  const ScoreboardLayout layout = LayoutScoreboard(kVariantCricket);
  const Rgb chalk = RampColor(Ramp::Grey, 0.9f);
  Label(c, 514.f, 64.f, "PLAYERS", 13, chalk);
  for (std::size_t i = 0; i < kSeats; ++i) {
    const CRect& name = layout.names[i];
    c.Paint(Circle{name.left - 10.f, name.top + 8.f, 4.f}, PlayerColor(static_cast<int>(i)));
    Label(c, name.left - 10.f, name.top + 1.f, std::to_string(i + 1), 11, {0, 0, 0});
    Box(c, name);
  }
  // Column headers over the grid: players 1 and 2, the numbers, players 3 and 4.
  const char* heads[kGridColumns] = {"P1", "P2", "", "P3", "P4"};
  for (int col = 0; col < kGridColumns; ++col) {
    const CRect& top = layout.grid[static_cast<std::size_t>(col)][0];
    const float cx = (top.left + top.right) * 0.5f;
    const float headTop = top.top - 18.f;
    if (col == kLabelColumn) {
      c.Paint(Circle{cx, headTop + 8.f, 6.f}, RampColor(Ramp::BoardRed, 0.5f));
      c.Paint(Circle{cx, headTop + 8.f, 2.5f}, RampColor(Ramp::BoardGreen, 0.55f));
      continue;
    }
    c.Paint(RoundRect{cx - 13.f, headTop, cx + 13.f, headTop + 15.f, 3}, Shade(PlayerColor(GridColumnSeat(col)), -0.35f),
            0.9f);
    Label(c, cx, headTop, heads[col], 12, chalk);
  }
  for (const auto& column : layout.grid)
    for (const CRect& cell : column) Box(c, cell);
  ctx.sink.Bitmap(IDB_CRICKET, ctx.quant.Convert(c, Dither::Diffusion));
}

}  // namespace

void MakeDartsBoards(Context& ctx) {
  Make301Board(ctx);
  MakeCricketBoard(ctx);
}

}  // namespace art
