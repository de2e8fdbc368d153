// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two computer seats play 8-ball on the table model (the game's own balls,
// contacts and rules), each at its own level, for measuring the levels.
#include <algorithm>
#include <array>
#include <functional>
#include <random>

#include "game/computer_skill.h"
#include "games/pool/model/pool_computer.h"
#include "games/pool/model/pool_computer_spin.h"
#include "games/pool/model/pool_rules.h"
#include "games/pool/model/pool_sim.h"
#include "../../support/skill_selfplay.h"

namespace pool::selfplay {

using skill::ComputerSkill;

inline constexpr int kShotLimit = 300;
inline constexpr int kPatientShots = 4;

// A ball pocketed on a scratch goes back to the first free spot of the rack.
inline void Respot(TableState& t, int n) {
  for (int spot = 1; spot < kBallCount; ++spot) {
    const CPoint at = kRack[static_cast<std::size_t>(spot)].spot;
    bool taken = false;
    for (int m = 0; m < kBallCount && !taken; ++m) {
      const std::size_t u = static_cast<std::size_t>(m);
      const double dx = t.pos[u].x - at.x, dy = t.pos[u].y - at.y;
      taken = m != n && t.onTable[u] && dx * dx + dy * dy < kNearestAtRest * kNearestAtRest;
    }
    if (taken) continue;
    t.pos[static_cast<std::size_t>(n)] = at;
    t.onTable[static_cast<std::size_t>(n)] = true;
    return;
  }
}

// One game between `levels` with seat `breaker` breaking; the winning seat, or -1 at the shot limit.
inline int PlayGame(const std::array<CueHand, 2>& hands, int breaker, std::mt19937& rng, int* misses = nullptr,
                    int* shots = nullptr) {
  const std::function<int(int)> random = [&rng](int n) { return n > 0 ? static_cast<int>(rng() % static_cast<unsigned>(n)) : 0; };
  TableState t = RackedTable();
  t.pos[kCueBall] = {kHeadStringX, 160 + static_cast<int>(rng() % 65)};
  Groups groups;
  std::array<int, 2> dry{};
  int seat = breaker;
  bool inHand = false;
  for (int shot = 0; shot < kShotLimit; ++shot) {
    const int group = groups.seat[static_cast<std::size_t>(seat)];
    if (inHand) {
      t.onTable[kCueBall] = false;
      const CPoint spot = PlaceInHand(t, group);
      t.pos[kCueBall] = spot;
      t.onTable[kCueBall] = true;
    }
    const int impatience = std::max(0, dry[static_cast<std::size_t>(seat)] - kPatientShots + 1);
    const ComputerShot plan = PlanShot(t, group, inHand, impatience, random, hands[static_cast<std::size_t>(seat)]);
    inHand = false;
    if (!plan.any) {
      seat = 1 - seat;
      continue;
    }
    const int called = plan.target == kEightBall && IsOnEightBall(t.onTable, group) ? plan.pocket : -1;
    BallFlags before{};
    for (int n = 0; n < kBallCount; ++n) before[static_cast<std::size_t>(n)] = !t.onTable[static_cast<std::size_t>(n)];
    // The tip as the game's computer picks it (spin for position at Club and Expert).
    const Tip tip = ChooseTip(t, group, plan, hands[static_cast<std::size_t>(seat)].eye);
    const ShotOutcome out = SimulateShot(t, plan.power, plan.angle, kLongestShotMs, tip);
    t = out.after;
    const bool scratch = !t.onTable[kCueBall];
    switch (JudgeShot(t.onTable, group, out.pocket[kEightBall], called)) {
      case Verdict::PlayOn: break;
      case Verdict::Win: return seat;
      default: return 1 - seat;
    }
    bool sank = false;
    for (int n = 1; n < kBallCount; ++n) sank = sank || (before[static_cast<std::size_t>(n)] != !t.onTable[static_cast<std::size_t>(n)]);
    dry[static_cast<std::size_t>(seat)] = sank ? 0 : dry[static_cast<std::size_t>(seat)] + 1;
    // Seat 0's visible mistakes: a pot it went for that did not drop, or a foul.
    if (seat == 0 && shots) ++*shots;
    if (seat == 0 && misses && ((!plan.safety && !sank) || scratch)) ++*misses;
    if (scratch) {
      for (int n = 1; n < kBallCount; ++n)
        if (!t.onTable[static_cast<std::size_t>(n)] && !before[static_cast<std::size_t>(n)]) Respot(t, n);
      inHand = true;
      seat = 1 - seat;
    } else if (TurnPasses(groups, seat, false, out.firstHit, t.onTable, before)) {
      seat = 1 - seat;
    }
  }
  return -1;
}

// Games between two hands, seat 0 the first; the break alternates. `misses`
// and `shots` count the first hand's.
inline skilltest::PairResult MatchHands(const CueHand& first, const CueHand& second, int games, unsigned seed,
                                        int* misses = nullptr, int* shots = nullptr) {
  std::mt19937 rng(seed);
  skilltest::PairResult r;
  for (int g = 0; g < games; ++g) {
    const int winner = PlayGame({first, second}, g % 2, rng, misses, shots);
    ++r.games;
    r.firstWins += winner == 0;
  }
  return r;
}

inline skilltest::PairResult Match(ComputerSkill strong, ComputerSkill weak, int games, unsigned seed) {
  std::mt19937 rng(seed);
  skilltest::PairResult r;
  for (int g = 0; g < games; ++g) {
    // Seat 0 is the stronger level; the break alternates.
    const int winner = PlayGame({HandOf(strong), HandOf(weak)}, g % 2, rng);
    ++r.games;
    r.firstWins += winner == 0;
  }
  return r;
}

}  // namespace pool::selfplay
