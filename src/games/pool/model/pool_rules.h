// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of 8-ball as functions of plain values: groups, who is on the
// 8-ball, the judgement of a shot that sank the 8 or scratched, whether the
// turn passes, and aiming and pocket calling by mouse.
#include <array>
#include <string>

#include "games/pool/model/pool_geometry.h"
#include "platform/rect.h"

namespace pool {

// The kinds of game the table plays (Options > Type Of Game).
enum class RuleSet {
  Classic = 0,   // the table's own 8-ball: ball in hand in the kitchen, re-spots on a scratch
  Standard = 1,  // standard 8-ball: open table after the break, ball in hand anywhere after a foul
  NineBall = 2,  // nine balls, the lowest struck first, the 9 wins
};
inline constexpr int kRuleSetCount = 3;

inline constexpr int kSolids = 0;
inline constexpr int kStripes = 1;
inline constexpr int kOpenTable = 2;

// One flag per ball number 0..15.
using BallFlags = std::array<bool, kBallCount>;

// The seat whose group a player shoots at: seat 1 for any id but 0.
constexpr int SeatOf(int nPlayerId) { return nPlayerId != 0 ? 1 : 0; }
// The group of a ball number for the first-hit test (the 8 counts as a solid).
constexpr int GroupOfBall(int nNumber) { return nNumber <= kEightBall ? kSolids : kStripes; }
// "solid", "stripe" or "open table".
const char* GroupWord(int nGroup);

// All seven balls of the group are off the table (never for the open table).
bool GroupCleared(const BallFlags& onTable, int nGroup);
// The 8 is on the table and the shooter's group is cleared.
bool IsOnEightBall(const BallFlags& onTable, int nGroup);

// What a shot means for the shooter once the balls have stopped.
enum class Verdict {
  PlayOn,
  Win,              // the 8 in the called pocket, group cleared
  EightOutOfTurn,   // the 8 down before the group was cleared, or on an open table
  ScratchOnEight,   // the cue ball down with the group already cleared
  EightWrongPocket  // the 8 down in a pocket other than the called one
};
Verdict JudgeShot(const BallFlags& onTable, int nGroup, int nEightPocket, int nCalledPocket);

// The groups of the two seats.
struct Groups {
  std::array<int, 2> seat{kOpenTable, kOpenTable};
  bool set = false;
};

// Whether the seat changes after a shot (true) or the shooter plays again.
// `firstHit` is the number of the first ball the cue ball touched, -1 for
// none; `before` says which balls were off the table before the shot. An
// open table is settled here by the balls that went down.
bool TurnPasses(Groups& groups, int nSeat, bool bTurnOver, int nFirstHit, const BallFlags& onTable,
                const BallFlags& before);

// Shot power from the drag: 0.05 per pixel between the cue ball and the
// mouse, nothing below 0.5, at most 7.
double AimPower(CPoint cue, CPoint mouse);
// Shot direction in degrees: from the mouse through the cue ball.
double AimAngle(CPoint cue, CPoint mouse);
// The pocket whose call point is within 20 pixels, or -1.
int PickPocket(int x, int y);
// "Top Left Corner Pocket Selected" ... for pockets 0..5 ("" otherwise).
std::string PocketMessage(int nPocket);
bool InKitchen(CPoint ball);

}  // namespace pool
