// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's levels play 8-ball against each other on the table model
// (the game's own balls, contacts and rules): Expert beats Club and Club
// beats Beginner in more than two games of three, each level breaking in
// turn. QUINTARO_SKILL_GAMES sets the games per pair (200 for the full
// measurement).
#include <gtest/gtest.h>

#include "pool_selfplay.h"

namespace pool {
namespace {

using skill::ComputerSkill;

TEST(PoolSkill, EachLevelBeatsTheOneBelow) {
  const int games = skilltest::GamesPerPair(40);
  const skilltest::PairResult expertClub = selfplay::Match(ComputerSkill::Expert, ComputerSkill::Club, games, 31u);
  const skilltest::PairResult clubBeginner = selfplay::Match(ComputerSkill::Club, ComputerSkill::Beginner, games, 37u);
  skilltest::Print("pool", ComputerSkill::Expert, ComputerSkill::Club, expertClub);
  skilltest::Print("pool", ComputerSkill::Club, ComputerSkill::Beginner, clubBeginner);
  EXPECT_GT(expertClub.Rate(), 0.65);
  EXPECT_GT(clubBeginner.Rate(), 0.65);
}

}  // namespace
}  // namespace pool
