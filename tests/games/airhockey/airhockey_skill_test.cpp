// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's three levels play each other on the air hockey model: the
// upper mallet as in the game, the lower one driven by the same computer
// seen in a mirror. Each level wins more than two matches to 7 of three
// against the one below, playing either end half of the time.
#include <gtest/gtest.h>

#include <random>

#include "games/airhockey/model/airhockey_computer.h"
#include "games/airhockey/model/airhockey_geometry.h"
#include "games/airhockey/model/airhockey_motion.h"
#include "games/airhockey/model/airhockey_rink.h"
#include "support/skill_selfplay.h"

namespace airhockey {
namespace {

using skill::ComputerSkill;

constexpr int kGoalsToWin = 7;
constexpr int kSubStepLimit = 400000;  // a match that never ends counts as lost

CPoint Flip(CPoint p) { return {p.x, kWallTop + kWallBottom - p.y}; }

Puck Flip(const Puck& p) {
  Puck f = p;
  f.pos = Flip(p.pos);
  f.aim = Flip(p.aim);
  f.runStart = Flip(p.runStart);
  f.line = LineBetween(f.pos, f.aim);
  return f;
}

Mallet Flip(const Mallet& m) {
  Mallet f = m;
  f.prev = Flip(m.prev);
  f.pos = Flip(m.pos);
  f.target = Flip(m.target);
  f.path = LineBetween(f.pos, f.target);
  return f;
}

// One sub-step as the game runs it, with the lower mallet a computer too.
Goal SubStep(Rink& rink, ComputerSkill upper, ComputerSkill lower, const RandomSource& random) {
  const MalletDriver mirroredComputer = [&](Rink& r) {
    // As the upper mallet's, a run at the puck ends when the mallet touches it.
    if (Touching(r.puck, r.human)) r.human.attack = false;
    Mallet mirrored = Flip(r.human);
    MoveComputerMallet(mirrored, Flip(r.puck), random, lower);
    r.human = Flip(mirrored);
  };
  return RunSubStep(rink, random, upper, mirroredComputer).goal;
}

// A serve as the game makes it; the lower mallet forgets its run as the upper one does.
void Serve(Rink& rink, ServeSide side) {
  ServePuck(rink, side);
  rink.human.attack = rink.human.homing = false;
}

bool UpperWins(ComputerSkill upper, ComputerSkill lower, unsigned seed) {
  std::mt19937 rng(seed);
  const RandomSource random = [&rng](int n) { return n > 0 ? static_cast<int>(rng() % static_cast<unsigned>(n)) : 0; };
  Rink rink;
  Serve(rink, seed % 2 ? ServeSide::ToHuman : ServeSide::ToComputer);
  int upperGoals = 0, lowerGoals = 0;
  for (int step = 0; step < kSubStepLimit; ++step) {
    const Goal goal = SubStep(rink, upper, lower, random);
    if (goal == Goal::None) continue;
    // The side that conceded serves.
    if (goal == Goal::ForComputer) {
      if (++upperGoals == kGoalsToWin) return true;
      Serve(rink, ServeSide::ToHuman);
    } else {
      if (++lowerGoals == kGoalsToWin) return false;
      Serve(rink, ServeSide::ToComputer);
    }
  }
  return false;
}

skilltest::PairResult PlayPair(ComputerSkill strong, ComputerSkill weak) {
  skilltest::PairResult r;
  const int games = skilltest::GamesPerPair(30);
  for (int g = 0; g < games; ++g) {
    const bool strongUpper = g % 2 == 0;
    const unsigned seed = 300u + static_cast<unsigned>(g);
    const bool upperWon = strongUpper ? UpperWins(strong, weak, seed) : UpperWins(weak, strong, seed);
    ++r.games;
    if (upperWon == strongUpper) ++r.firstWins;
  }
  return r;
}

TEST(AirHockeySkill, EachLevelBeatsTheOneBelow) {
  const skilltest::PairResult expertClub = PlayPair(ComputerSkill::Expert, ComputerSkill::Club);
  const skilltest::PairResult clubBeginner = PlayPair(ComputerSkill::Club, ComputerSkill::Beginner);
  skilltest::Print("Air Hockey to 7", ComputerSkill::Expert, ComputerSkill::Club, expertClub);
  skilltest::Print("Air Hockey to 7", ComputerSkill::Club, ComputerSkill::Beginner, clubBeginner);
  EXPECT_GT(expertClub.Rate(), 0.65);
  EXPECT_GT(clubBeginner.Rate(), 0.65);
}

}  // namespace
}  // namespace airhockey
