// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Self-play between the computer's levels: how many games each pair plays
// (QUINTARO_SKILL_GAMES, 200 for the full measurement; fewer in CI) and the
// line each measurement prints.
#include <cmath>
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

// A bound on a share measured over `games` games, widened by two standard
// errors of the sample: a level must drift well out of its band to fail,
// while a sample of 20 cannot fail a level that sits inside it.
inline double Widened(double bound, int games, bool lower) {
  const double error = games > 0 ? 2.0 * std::sqrt(0.25 / games) : 1.0;
  return lower ? bound - error : bound + error;
}

// The least share of turns that go visibly wrong, `bound`, less two
// standard errors of a share measured over `turns` turns.
inline double WidenedShare(double bound, int turns) {
  return turns > 0 ? bound - 2.0 * std::sqrt(bound * (1.0 - bound) / turns) : 0.0;
}

inline void PrintPerson(const char* game, const char* person, skill::ComputerSkill level, const PairResult& r) {
  std::printf("[skill] %s: the %s beats %s in %d of %d games (%.1f%%)\n", game, person, skill::SkillName(level),
              r.firstWins, r.games, 100.0 * r.Rate());
}

}  // namespace skilltest
