// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's levels and the two models of a person play 8-ball on the
// table model (the game's own balls, contacts and rules), the break taken in
// turn: Expert beats Club and Club beats Beginner in more than two games of
// three; the newcomer beats the Beginner and the regular Club about half the
// time; the Expert beats the regular more often, and misses too.
// QUINTARO_SKILL_GAMES sets the games per pair (200 for the full measurement).
#include <gtest/gtest.h>

#include "pool_selfplay.h"
#include "support/person_models.h"

namespace pool {
namespace {

using skill::ComputerSkill;

TEST(PoolSkill, EachLevelBeatsTheOneBelow) {
  const int games = skilltest::GamesPerPair(20);
  const skilltest::PairResult expertClub = selfplay::Match(ComputerSkill::Expert, ComputerSkill::Club, games, 31u);
  const skilltest::PairResult clubBeginner = selfplay::Match(ComputerSkill::Club, ComputerSkill::Beginner, games, 37u);
  skilltest::Print("pool", ComputerSkill::Expert, ComputerSkill::Club, expertClub);
  skilltest::Print("pool", ComputerSkill::Club, ComputerSkill::Beginner, clubBeginner);
  EXPECT_GT(expertClub.Rate(), skilltest::Widened(0.65, games, true));
  EXPECT_GT(clubBeginner.Rate(), skilltest::Widened(0.65, games, true));
}

TEST(PoolSkill, APersonBeatsTheLevelsAsOftenAsTheyShould) {
  const int games = skilltest::GamesPerPair(10);
  int misses = 0, shots = 0;
  const auto newcomer = selfplay::MatchHands(person::kPoolNewcomer, HandOf(ComputerSkill::Beginner), games, 41u);
  const auto regular = selfplay::MatchHands(person::kPoolRegular, HandOf(ComputerSkill::Club), games, 43u);
  const auto expert = selfplay::MatchHands(HandOf(ComputerSkill::Expert), person::kPoolRegular, games, 47u, &misses, &shots);
  skilltest::PrintPerson("pool", "newcomer", ComputerSkill::Beginner, newcomer);
  skilltest::PrintPerson("pool", "regular", ComputerSkill::Club, regular);
  std::printf("[skill] pool: Expert beats the regular in %d of %d games, missing %d of its %d shots\n",
              expert.firstWins, games, misses, shots);
  EXPECT_GT(newcomer.Rate(), skilltest::Widened(0.40, games, true));
  EXPECT_LT(newcomer.Rate(), skilltest::Widened(0.70, games, false));
  EXPECT_GT(regular.Rate(), skilltest::Widened(0.35, games, true));
  EXPECT_LT(regular.Rate(), skilltest::Widened(0.65, games, false));
  EXPECT_GT(expert.Rate(), skilltest::Widened(0.60, games, true));
  EXPECT_LT(expert.Rate(), skilltest::Widened(0.85, games, false));
  EXPECT_GE(misses * 100, shots * 15);
}

}  // namespace
}  // namespace pool
