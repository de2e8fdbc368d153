#pragma once
// The darts scoreboard, drawn straight onto the window over the board art:
// names and remaining totals with the THROW and TOTAL boxes in 301 and 501,
// names and the marks grid in Cricket.
#include <array>

#include "game/player.h"
#include "games/darts/model/dart_rules.h"
#include "platform/rect.h"
#include "platform/types.h"

class CDC;

namespace darts {

inline constexpr int kGridColumns = 5;
inline constexpr int kLabelColumn = 2;

struct ScoreboardLayout {
  std::array<CRect, kSeats> names;
  std::array<CRect, kSeats> scores;  // 301 and 501 only
  CRect throwBox;                    // 301 and 501 only
  CRect totalBox;                    // 301 and 501 only
  // Cricket: columns player 1, player 2, labels, player 3, player 4; rows 15..20 and Bulls.
  std::array<std::array<CRect, kCricketEntries>, kGridColumns> grid;
};

ScoreboardLayout LayoutScoreboard(int variant);

// The seat whose marks a grid column shows, or -1 for the label column.
int GridColumnSeat(int column);

// The colour of a seat's name and score while it is that seat's turn.
COLORREF PlayerColor(int seat);

struct ScoreboardState {
  int variant = kVariant301;
  const CObArray* players = nullptr;
  const CricketMarks* marks = nullptr;
  int current = 0;
  int lastScore = 0;
  int turnTotal = 0;
  BOOL newGame = FALSE;  // draws every name in red, as at the start of a game
};

void DrawScoreboard(CDC& dc, const ScoreboardLayout& layout, const ScoreboardState& state);

}  // namespace darts
