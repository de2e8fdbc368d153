// SPDX-License-Identifier: GPL-3.0-or-later
// Standard 8-ball and 9-ball on the table model: each level beats the one
// below in more than two games of three, the newcomer beats the Beginner
// and the regular Club about half the time, and the Expert beats the
// regular more often but not always, missing or fouling in 15 % of its
// shots at least. QUINTARO_SKILL_GAMES sets the games per pair.
#include <gtest/gtest.h>

#include "pool_selfplay_rules.h"
#include "support/person_models.h"

namespace pool {
namespace {

using skill::ComputerSkill;

class PoolRulesSkill : public ::testing::TestWithParam<RuleSet> {};

TEST_P(PoolRulesSkill, LevelsKeepTheirOrderAndAPersonWinsAsOftenAsItShould) {
  const RuleSet rules = GetParam();
  const char* name = RuleSetName(rules);
  const int games = skilltest::GamesPerPair(10);
  int misses = 0, shots = 0;
  const auto expertClub = selfplay::MatchRules(rules, HandOf(ComputerSkill::Expert), HandOf(ComputerSkill::Club), games, 51u);
  const auto clubBeginner = selfplay::MatchRules(rules, HandOf(ComputerSkill::Club), HandOf(ComputerSkill::Beginner), games, 53u);
  const auto newcomer = selfplay::MatchRules(rules, person::kPoolNewcomer, HandOf(ComputerSkill::Beginner), games, 55u);
  const auto regular = selfplay::MatchRules(rules, person::kPoolRegular, HandOf(ComputerSkill::Club), games, 57u);
  const auto expert =
      selfplay::MatchRules(rules, HandOf(ComputerSkill::Expert), person::kPoolRegular, games, 59u, {&misses, &shots});
  skilltest::Print(name, ComputerSkill::Expert, ComputerSkill::Club, expertClub);
  skilltest::Print(name, ComputerSkill::Club, ComputerSkill::Beginner, clubBeginner);
  skilltest::PrintPerson(name, "newcomer", ComputerSkill::Beginner, newcomer);
  skilltest::PrintPerson(name, "regular", ComputerSkill::Club, regular);
  std::printf("[skill] %s: Expert beats the regular in %d of %d games, missing or fouling %d of its %d shots\n", name,
              expert.firstWins, games, misses, shots);
  EXPECT_GT(expertClub.Rate(), skilltest::Widened(0.65, games, true));
  EXPECT_GT(clubBeginner.Rate(), skilltest::Widened(0.65, games, true));
  EXPECT_GT(newcomer.Rate(), skilltest::Widened(0.40, games, true));
  EXPECT_LT(newcomer.Rate(), skilltest::Widened(0.70, games, false));
  EXPECT_GT(regular.Rate(), skilltest::Widened(0.35, games, true));
  EXPECT_LT(regular.Rate(), skilltest::Widened(0.65, games, false));
  EXPECT_GT(expert.Rate(), skilltest::Widened(0.60, games, true));
  EXPECT_LT(expert.Rate(), skilltest::Widened(0.85, games, false));
  EXPECT_GE(misses * 100, shots * 15);
}

INSTANTIATE_TEST_SUITE_P(RuleSets, PoolRulesSkill, ::testing::Values(RuleSet::Standard, RuleSet::NineBall),
                         [](const auto& info) { return info.param == RuleSet::NineBall ? "NineBall" : "Standard"; });

}  // namespace
}  // namespace pool
