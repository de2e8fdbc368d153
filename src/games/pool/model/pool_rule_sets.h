// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of game on the pool table and the judgement of a shot under
// standard 8-ball and 9-ball, as functions of plain values: what went down,
// what the cue ball struck first, whether a ball reached a cushion after it.
// The table's own 8-ball (the rules it always had) is judged in pool_rules.
#include <array>

#include <string>

#include "games/pool/model/pool_sim.h"

namespace pool {

RuleSet RuleSetOf(int nVariant);
// "Classic 8-ball", "Standard 8-ball", "9-ball".
const char* RuleSetName(RuleSet rules);

inline constexpr int kNineBall = 9;
// The rack of 9-ball: a diamond with the 1 at the apex and the 9 in the
// middle, the rest in the places of the 8-ball rack; balls 10-15 stay off.
TableState RackedNineBall();
// The foot spot, where a ball is put back: the apex of the rack.
inline constexpr CPoint kFootSpot{187, 192};
// Where ball `n` is put down at `spot`: there if no other ball stands on it,
// else the nearest free place along the table's long line through it
// (toward the foot rail first).
CPoint FreeSpotNear(const TableState& table, CPoint spot, int n);
// The lowest numbered ball on the table, -1 when none is.
int LowestOnTable(const BallFlags& onTable);

// One shot, as the rules see it.
struct ShotFacts {
  BallFlags offBefore{};  // off the table before the shot
  BallFlags onTable{};    // on the table after it (entry 0: the cue ball)
  int firstHit = -1;      // the first ball the cue ball struck, -1 for none
  bool railAfterContact = false;  // some ball met a cushion after that first contact
  bool isBreak = false;
  bool pushOut = false;   // 9-ball: declared a push-out
  int eightPocket = kNoPocket;
  int calledPocket = -1;
};

enum class Foul { None, Scratch, NoBallHit, WrongBallFirst, NoRail };
enum class Result { PlayOn, Win, Loss };
// Why standard 8-ball was lost.
enum class LossWhy { None, EightTooSoon, EightOnFoul, EightWrongPocket };

// What the rules make of a shot.
struct RuleCall {
  Foul foul = Foul::None;
  Result result = Result::PlayOn;
  bool turnPasses = true;
  bool ballInHand = false;  // the next shooter places the cue ball anywhere
  int respot = -1;          // a ball that goes back on the foot spot (the 8 off the break, the 9 off a foul)
  bool pushOutNext = false; // the next shot may be a push-out
  LossWhy why = LossWhy::None;
};

// Standard 8-ball for the shooter in `nSeat`; the groups are settled here
// by the first legal pot after the break.
RuleCall JudgeStandard(const ShotFacts& facts, Groups& groups, int nSeat);
// 9-ball.
RuleCall JudgeNineBall(const ShotFacts& facts);
// What a foul was, for the status line ("" for none); `ballOn` names the ball that should have been struck.
std::string FoulText(Foul foul, int nBallOn);

}  // namespace pool
