// SPDX-License-Identifier: GPL-3.0-or-later
// Standard 8-ball and 9-ball judged on shots played out with the game's own
// balls, over seeded runs: the table stays open after any break and the
// first legal pot after it decides the groups; a tap that leaves every ball
// short of a cushion is a foul exactly when the struck ball never got there;
// at 9-ball only the lowest ball may be struck first, and the 9 dropped off
// it on a combination wins; a push-out is no foul and hands the choice over.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "games/pool/model/pool_computer_rules.h"
#include "games/pool/model/pool_rule_sets.h"
#include "pool_selfplay_rules.h"

namespace pool::test {
namespace {

std::function<int(int)> Seeded(std::mt19937& rng) {
  return [&rng](int n) { return n > 0 ? static_cast<int>(rng() % static_cast<unsigned>(n)) : 0; };
}

ShotFacts Played(const TableState& before, const ShotOutcome& out, bool isBreak = false, bool pushOut = false) {
  return selfplay::FactsOf(before, out, isBreak, pushOut, ShotFacts{}.calledPocket);
}

double AngleTo(CPoint from, CPoint to) { return std::atan2(-double(to.y - from.y), double(to.x - from.x)) * kRadToDeg; }

TEST(PoolRuleSets, TheTableStaysOpenAfterTheBreakAndTheFirstLegalPotDecides) {
  std::mt19937 rng(7);
  const auto random = Seeded(rng);
  int droppedOnBreak = 0, decided = 0;
  for (int run = 0; run < 30; ++run) {
    TableState t = RackedTable();
    t.rules = RuleSet::Standard;
    t.pos[kCueBall] = PlaceForBreak(random);
    const ShotOutcome brk = SimulateShot(t, kMaxPower, PlanBreak(t, random, HandOf(skill::ComputerSkill::Club)).angle);
    Groups groups;
    const RuleCall call = JudgeStandard(Played(t, brk, true), groups, 0);
    for (int n = 1; n < kBallCount; ++n) droppedOnBreak += !brk.after.onTable[static_cast<std::size_t>(n)] && n != kEightBall;
    EXPECT_FALSE(groups.set) << "run " << run;
    if (call.foul != Foul::None || !brk.after.onTable[kCueBall]) continue;
    // The next legal shot that drops balls of one group gives the shooter that group.
    const TableState open = brk.after;
    const ComputerShot pot = PlanShot(open, kOpenTable, false, 0, random, CueHand{skill::ComputerSkill::Club, 0.0});
    const ShotOutcome out = SimulateShot(open, pot.power, pot.angle);
    const RuleCall next = JudgeStandard(Played(open, out), groups, 1);
    int solids = 0, stripes = 0;
    for (int n = 1; n < kBallCount; ++n)
      if (n != kEightBall && open.onTable[static_cast<std::size_t>(n)] && !out.after.onTable[static_cast<std::size_t>(n)])
        (n < kEightBall ? solids : stripes) += 1;
    if (next.foul != Foul::None || next.result != Result::PlayOn || solids + stripes == 0 || (solids && stripes)) continue;
    ++decided;
    EXPECT_TRUE(groups.set);
    EXPECT_EQ(groups.seat[1], solids ? kSolids : kStripes);
    EXPECT_EQ(groups.seat[0], solids ? kStripes : kSolids);
    EXPECT_FALSE(next.turnPasses);
  }
  EXPECT_GT(droppedOnBreak, 5);  // balls did drop on the breaks, and settled nothing
  EXPECT_GT(decided, 5);
}

TEST(PoolRuleSets, ATapIsAFoulExactlyWhenNoBallReachesACushion) {
  std::mt19937 rng(11);
  int fouls = 0, fair = 0;
  for (int run = 0; run < 40; ++run) {
    // A full hit along a row toward the left cushion: the cue ball stops, the struck ball rolls on.
    TableState t;
    t.rules = RuleSet::Standard;
    const int y = 120 + static_cast<int>(rng() % 150), x = 160 + static_cast<int>(rng() % 200);
    t.pos[kCueBall] = {x + 40, y};
    t.pos[3] = {x, y};
    t.onTable[kCueBall] = t.onTable[3] = true;
    const double power = 0.5 + 0.1 * static_cast<double>(rng() % 40);
    const ShotOutcome out = SimulateShot(t, power, 180.0);
    if (out.firstHit != 3) continue;  // too soft to get there
    // A rebound folds the last step back, so within a step of the cushion the roll cannot tell.
    const double shortBy = (x - kBedLeft) - out.travelled[3];
    if (std::fabs(shortBy) <= power) continue;
    const bool reached = shortBy < 0;
    Groups groups;
    const RuleCall call = JudgeStandard(Played(t, out), groups, 0);
    EXPECT_EQ(call.foul == Foul::NoRail, !reached) << "run " << run << " power " << power;
    EXPECT_EQ(call.ballInHand, !reached);
    (reached ? fair : fouls) += 1;
  }
  EXPECT_GT(fouls, 5);
  EXPECT_GT(fair, 5);
}

TEST(PoolRuleSets, AtNineBallOnlyTheLowestBallMayBeStruckFirst) {
  std::mt19937 rng(13);
  std::array<int, 2> shots{};  // at the lowest, at another
  for (int run = 0; run < 40; ++run) {
    TableState t;
    t.rules = RuleSet::NineBall;
    t.pos[kCueBall] = {430, 192};
    for (int n = 1; n <= 3; ++n) {
      t.pos[static_cast<std::size_t>(n)] = {140 + 60 * n + static_cast<int>(rng() % 20), 110 + static_cast<int>(rng() % 170)};
      t.onTable[static_cast<std::size_t>(n)] = true;
    }
    t.onTable[kCueBall] = true;
    const int aimed = 1 + static_cast<int>(rng() % 3);
    const Vec cue{430, 192}, at{double(t.pos[static_cast<std::size_t>(aimed)].x), double(t.pos[static_cast<std::size_t>(aimed)].y)};
    if (!PathClear(t, cue, at, kCueBall, aimed, kBallDiameter + 2)) continue;
    const ShotOutcome out = SimulateShot(t, 5.0, AngleTo(t.pos[kCueBall], t.pos[static_cast<std::size_t>(aimed)]));
    const RuleCall call = JudgeNineBall(Played(t, out));
    ASSERT_EQ(out.firstHit, aimed);
    if (!out.after.onTable[kCueBall]) continue;
    EXPECT_EQ(call.foul == Foul::WrongBallFirst, aimed != 1) << "run " << run;
    EXPECT_EQ(call.ballInHand, aimed != 1 || call.foul != Foul::None);
    ++shots[aimed == 1 ? 0 : 1];
  }
  EXPECT_GT(shots[0], 5);
  EXPECT_GT(shots[1], 5);
}

TEST(PoolRuleSets, TheNineDroppedOffTheLowestBallWinsAndTheComputerPlaysForIt) {
  std::mt19937 rng(17);
  const auto random = Seeded(rng);
  int wins = 0, nineDown = 0, computerWins = 0;
  for (int run = 0; run < 30; ++run) {
    // The cue ball, the 1 and the 9 in a row toward the top left pocket, the 4 elsewhere.
    const int off = static_cast<int>(rng() % 7) - 3;
    TableState t;
    t.rules = RuleSet::NineBall;
    t.pos[kNineBall] = {130, 125 + off};
    t.pos[1] = {160, 150 + off};
    t.pos[kCueBall] = {260, 236};
    t.pos[4] = {400, 260};
    for (int n : {0, 1, 4, 9}) t.onTable[static_cast<std::size_t>(n)] = true;
    const ShotOutcome out = SimulateShot(t, 4.0 + 0.5 * static_cast<double>(rng() % 5), AngleTo(t.pos[kCueBall], t.pos[1]));
    const RuleCall call = JudgeNineBall(Played(t, out));
    // The computer sees the combination and plays it.
    const ComputerShot plan = PlanShot(t, kOpenTable, false, 0, random, CueHand{skill::ComputerSkill::Club, 0.0});
    const ShotOutcome played = SimulateShot(t, plan.power, plan.angle);
    computerWins += JudgeNineBall(Played(t, played)).result == Result::Win;
    if (out.after.onTable[kNineBall]) continue;
    ++nineDown;
    const bool fair = out.firstHit == 1 && out.after.onTable[kCueBall];
    EXPECT_EQ(call.result == Result::Win, fair) << "run " << run;
    if (!fair) {
      EXPECT_EQ(call.respot, kNineBall);
    }
    wins += call.result == Result::Win;
  }
  EXPECT_GT(wins, 5);
  EXPECT_GT(nineDown, 5);
  EXPECT_GT(computerWins, 25);
}

TEST(PoolRuleSets, APushOutIsNoFoulAndPutsTheNineBack) {
  const TableState rack = RackedNineBall();
  std::mt19937 rng(19);
  int pushes = 0;
  for (int run = 0; run < 20; ++run) {
    // Soft shots every way from the head string, most of them touching nothing.
    TableState t = rack;
    t.pos[kCueBall] = {440, 110 + static_cast<int>(rng() % 170)};
    const ShotOutcome out = SimulateShot(t, 1.0 + 0.5 * static_cast<double>(rng() % 4), 18.0 * static_cast<double>(rng() % 20));
    ShotFacts pushed = Played(t, out, false, true);
    const RuleCall call = JudgeNineBall(pushed);
    if (!out.after.onTable[kCueBall]) {
      EXPECT_EQ(call.foul, Foul::Scratch);
      continue;
    }
    ++pushes;
    EXPECT_EQ(call.foul, Foul::None);
    EXPECT_TRUE(call.turnPasses);
    EXPECT_FALSE(call.ballInHand);
    // The same shot not declared is a foul whenever it struck anything but the 1 first, or nothing.
    const RuleCall plain = JudgeNineBall(Played(t, out));
    if (out.firstHit != 1) {
      EXPECT_NE(plain.foul, Foul::None);
    }
    // The 9 dropped on a push-out comes back.
    pushed.onTable[kNineBall] = false;
    EXPECT_EQ(JudgeNineBall(pushed).respot, kNineBall);
    EXPECT_NE(JudgeNineBall(pushed).result, Result::Win);
  }
  EXPECT_GT(pushes, 10);
  // Only the shot after the break may be a push-out.
  TableState t = rack;
  t.pos[kCueBall] = {418, 192};
  const ShotOutcome brk = SimulateShot(t, kMaxPower, 180.0);
  EXPECT_TRUE(JudgeNineBall(Played(t, brk, true)).pushOutNext || !brk.after.onTable[kCueBall]);
}

}  // namespace
}  // namespace pool::test
