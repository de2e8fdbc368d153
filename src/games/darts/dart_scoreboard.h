// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The darts scoreboard, drawn straight onto the window into the black boxes
// the board art leaves for it (the layout is in the model).
#include <array>
#include <string>

#include "game/player.h"
#include "games/darts/model/dart_rules.h"
#include "games/darts/model/dart_scoreboard_layout.h"
#include "platform/types.h"

class CDC;

namespace darts {

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
  // Under each name: the three-dart average (301, 501) or marks per round (Cricket).
  std::array<std::string, kSeats> seatStats;
  std::string optionsText;   // "Double out", ... (301 and 501)
  std::string checkoutText;  // the current player's way out, with double out
};

void DrawScoreboard(CDC& dc, const ScoreboardLayout& layout, const ScoreboardState& state);

}  // namespace darts
