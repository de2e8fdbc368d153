// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's levels and the two models of a person play 8-ball on the
// table model (the game's own balls, contacts and rules), the break taken in
// turn: Expert beats Club and Club beats Beginner in more than two games of
// three; the newcomer beats the Beginner and the regular Club about half the
// time; the Expert beats the regular more often, and every level misses.
// QUINTARO_SKILL_GAMES sets the games per pair (200 for the full measurement).
#include <gtest/gtest.h>

#include <random>

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

// Games between a level (seat 0) and a person, the break alternating: the
// person's wins, the level's, and the level's shots and misses.
struct PersonMatch {
  skilltest::PairResult person;
  int levelWins = 0, misses = 0, shots = 0;
  double MissShare() const { return shots ? static_cast<double>(misses) / shots : 0.0; }
};
PersonMatch AgainstPerson(ComputerSkill level, const CueHand& person, int games, unsigned seed) {
  std::mt19937 rng(seed);
  PersonMatch m;
  for (int g = 0; g < games; ++g) {
    const int winner = selfplay::PlayGame({HandOf(level), person}, g % 2, rng, &m.misses, &m.shots);
    ++m.person.games;
    m.person.firstWins += winner == 1;
    m.levelWins += winner == 0;
  }
  return m;
}

TEST(PoolSkill, APersonBeatsTheLevelsAsOftenAsTheyShould) {
  const int games = skilltest::GamesPerPair(10);
  const PersonMatch newcomer = AgainstPerson(ComputerSkill::Beginner, person::kPoolNewcomer, games, 41u);
  const PersonMatch regular = AgainstPerson(ComputerSkill::Club, person::kPoolRegular, games, 43u);
  const PersonMatch expert = AgainstPerson(ComputerSkill::Expert, person::kPoolRegular, games, 47u);
  skilltest::PrintPerson("pool", "newcomer", ComputerSkill::Beginner, newcomer.person);
  skilltest::PrintPerson("pool", "regular", ComputerSkill::Club, regular.person);
  std::printf("[skill] pool: Expert beats the regular in %d of %d games\n", expert.levelWins, games);
  std::printf("[skill] pool shots missed or fouled: Beginner %.0f%%, Club %.0f%%, Expert %.0f%%\n",
              100 * newcomer.MissShare(), 100 * regular.MissShare(), 100 * expert.MissShare());
  const double expertRate = static_cast<double>(expert.levelWins) / games;
  EXPECT_GT(newcomer.person.Rate(), skilltest::Widened(0.40, games, true));
  EXPECT_LT(newcomer.person.Rate(), skilltest::Widened(0.70, games, false));
  EXPECT_GT(regular.person.Rate(), skilltest::Widened(0.35, games, true));
  EXPECT_LT(regular.person.Rate(), skilltest::Widened(0.65, games, false));
  EXPECT_GT(expertRate, skilltest::Widened(0.60, games, true));
  EXPECT_LT(expertRate, skilltest::Widened(0.85, games, false));
  for (const PersonMatch* m : {&newcomer, &regular, &expert}) EXPECT_GE(m->MissShare(), skilltest::WidenedShare(0.15, m->shots));
}

}  // namespace
}  // namespace pool
