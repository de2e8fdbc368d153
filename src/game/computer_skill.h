// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How well a computer seat plays. The level changes only the computer's aim,
// power and timing, never the rules or the physics. Beginner, the default,
// is the level a newcomer beats about half the time: a first game against
// the computer is winnable. Header only: the games' pure computer modules
// take the level as a parameter.
namespace skill {

enum class ComputerSkill : int { Beginner = 0, Club = 1, Expert = 2 };

inline constexpr ComputerSkill kDefaultSkill = ComputerSkill::Beginner;

// A stored number as a level; anything out of range plays at the default.
constexpr ComputerSkill SkillFromStored(int value) {
  return value >= 0 && value <= 2 ? static_cast<ComputerSkill>(value) : kDefaultSkill;
}

// A hand's error: near enough normal, with standard deviation `sd`, made of
// four even draws from `random` (0..n-1) so a seeded game replays exactly.
// The computer's levels and the bench's models of a person err alike.
template <class RandomSource>
double HandError(const RandomSource& random, double sd) {
  if (sd <= 0.0) return 0.0;
  int sum = 0;
  for (int i = 0; i < 4; ++i) sum += random(1000);
  constexpr double kSpreadOfFour = 0.57735;  // sqrt(4 / 12): the sum's own spread
  return (sum - 1998) / 1000.0 * (sd / kSpreadOfFour);
}

constexpr const char* SkillName(ComputerSkill level) {
  switch (level) {
    case ComputerSkill::Beginner: return "Beginner";
    case ComputerSkill::Expert: return "Expert";
    case ComputerSkill::Club: break;
  }
  return "Club";
}

}  // namespace skill
