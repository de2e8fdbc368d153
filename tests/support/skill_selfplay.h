// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Self-play between the computer's levels: how many games each pair plays
// (QUINTARO_SKILL_GAMES, 200 for the full measurement; fewer in CI) and the
// line each measurement prints.
#include <cstdio>
#include <cstdlib>

#include "game/computer_skill.h"

namespace skilltest {

inline int GamesPerPair(int ciGames = 40) {
  if (const char* env = std::getenv("QUINTARO_SKILL_GAMES")) {
    const int n = std::atoi(env);
    if (n > 0) return n;
  }
  return ciGames;
}

struct PairResult {
  int games = 0;
  int firstWins = 0;  // the stronger level's wins
  double Rate() const { return games > 0 ? static_cast<double>(firstWins) / games : 0.0; }
};

inline void Print(const char* game, skill::ComputerSkill a, skill::ComputerSkill b, const PairResult& r) {
  std::printf("[skill] %s: %s beats %s in %d of %d games (%.1f%%)\n", game, skill::SkillName(a), skill::SkillName(b),
              r.firstWins, r.games, 100.0 * r.Rate());
}

}  // namespace skilltest
