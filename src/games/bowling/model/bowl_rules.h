// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ten-pin scoring: what a ball counts, what comes after it, the score sheet's
// cells, the running frame totals and the words for the winners.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "games/bowling/model/bowl_geometry.h"
#include "platform/rect.h"

namespace bowling {

// Ball result codes.
inline constexpr int kNotBowled = -1;
inline constexpr int kSpare = 11;
inline constexpr int kStrike = 12;

// One frame of one player. In the tenth frame nTotal holds the third ball.
struct BowlFrameCell {
  CRect rcBall1;
  int nBall1 = kNotBowled;
  CRect rcBall2;
  int nBall2 = kNotBowled;
  CRect rcTotal;
  int nTotal = kNotBowled;
};

using SheetRow = std::array<BowlFrameCell, kFrames>;
using ScoreSheet = std::array<SheetRow, kPlayers>;

// The frame being bowled: pins standing before the next ball and the tenth
// frame's bonus-ball flags.
struct FrameState {
  int nPinsStanding = 10;
  bool bTenthStrike1 = false;
  bool bTenthStrike2 = false;
  bool bTenthSpare = false;
};

struct BallCount {
  int code = 0;
  bool allDown = false;  // every pin of the rack is down (the cheer)
};

// The code of ball `ballInFrame` (1..3) of frame `frame`, given `pinsHit`
// pins with their hit flag (those of earlier balls on the same rack count too).
BallCount CountBall(FrameState& state, int ballInFrame, int frame, int pinsHit);
// The code of a ball released above the release zone; the pins stay as they are.
int CountNoRoll(FrameState& state, int ballInFrame, int pinsHit);

enum class AfterBall {
  NextBall,   // the same rack, the same player
  Rerack,     // tenth frame: a fresh rack, the same player
  FrameOver,  // the next player
};
AfterBall WhatFollows(int frame, int ballInFrame, int code, bool tenthStrike1);

// Every ball code of the sheet -1, the boxes laid out (rows 26 pixels apart,
// frames 32; the tenth frame's ball boxes one pixel further right).
void LayoutSheet(ScoreSheet& sheet, std::array<CRect, kPlayers>& names);
void ClearSheet(ScoreSheet& sheet);
// Writes the ball into the cell of frame `frame` of `row`.
void StoreBall(SheetRow& row, int frame, int ballInFrame, int code);
// Frame totals of the frames up to `frame` whose bonus balls are known.
void UpdateTotals(SheetRow& row, int frame);
// The tenth frame's score once its balls are known, else nothing.
std::optional<int> TenthFrameScore(SheetRow& row);
// The last frame total known (0 before the first).
int RunningScore(const SheetRow& row);
// The tenth frame is complete: two balls, or three after a strike or spare.
bool TenthComplete(const SheetRow& row);
// What a ball box shows: "" for -1, "/" for a spare, "X" for a strike.
std::string BallText(int code);

// "Good job A, B, you have won!" naming every player with the best score.
std::string WinnerText(const std::vector<std::string>& names, const std::vector<int>& scores);
// The seats with the best score, named: "Ann wins", "Ann and Bob win", "Ann, Bob and Cy win".
std::string WinnersNamed(const std::vector<std::string>& names, const std::vector<int>& scores);

}  // namespace bowling
