// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How well a computer seat plays. The level changes only the computer's aim,
// power and timing, never the rules or the physics; Club is the computer the
// games have always had. Header only: the games' pure computer modules take
// the level as a parameter.
namespace skill {

enum class ComputerSkill : int { Beginner = 0, Club = 1, Expert = 2 };

inline constexpr ComputerSkill kDefaultSkill = ComputerSkill::Club;

// A stored number as a level; anything out of range plays at Club.
constexpr ComputerSkill SkillFromStored(int value) {
  return value >= 0 && value <= 2 ? static_cast<ComputerSkill>(value) : kDefaultSkill;
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
