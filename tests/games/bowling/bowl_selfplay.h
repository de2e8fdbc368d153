// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A computer bowler's whole game on the pure model (the same swing, lane and
// scoring the game uses), for measuring the computer's levels.
#include <algorithm>
#include <array>
#include <functional>
#include <optional>

#include "game/computer_skill.h"
#include "games/bowling/model/bowl_computer.h"
#include "games/bowling/model/bowl_rules.h"
#include "games/bowling/model/bowl_swing.h"

namespace bowling::selfplay {

// The runtime's rand() as the game sees it: 0..0x7FFF from a seeded LCG.
inline RandSource SeededRand(unsigned seed) {
  return [seed]() mutable {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) & 0x7FFF);
  };
}

// Told of each ball: whether it met a full rack, and its code on the sheet.
using BallSeen = std::function<void(bool fullRack, int code)>;

// The swing a bowler makes at the pins standing.
using Bowler = std::function<ComputerSwing(unsigned standing)>;

// One game of ten frames at Spin `nSpin` on the default pins; its final
// score. `openFrames` counts the frames with neither a strike nor a spare.
inline int PlayGame(const RandSource& rand, const Bowler& bowler, int nSpin, const BallSeen& seen = {},
                    int* openFrames = nullptr) {
  const double friction = kPinFriction[kDefaultPinInteraction];
  ScoreSheet sheet;
  std::array<CRect, kPlayers> names;
  LayoutSheet(sheet, names);
  SheetRow& row = sheet[0];
  int score = 0;
  for (int f = 0; f < kFrames; ++f) {
    FrameState state;
    unsigned standing = kFullRack;
    bool open = true;
    for (int ball = 1; ball <= 3; ++ball) {
      const ComputerSwing swing = bowler(standing);
      const Throw t = ThrowFromSwing(swing.press, swing.release, swing.holdMs, nSpin, swing.spinFactor, swing.hookRight);
      const bool fullRack = standing == kFullRack;
      standing &= ~SimulateThrow(t, friction, kPinScatter, rand, standing);
      const BallCount count = CountBall(state, ball, f, PinCount(kFullRack & ~standing));
      if (seen) seen(fullRack, count.code);
      open = open && count.code != kStrike && count.code != kSpare;
      StoreBall(row, f, ball, count.code);
      UpdateTotals(row, f);
      if (f == kTenthFrame) score = TenthFrameScore(row).value_or(0);
      const AfterBall next = WhatFollows(f, ball, count.code, state.bTenthStrike1);
      if (next == AfterBall::FrameOver) break;
      if (next == AfterBall::Rerack || count.allDown) standing = kFullRack;
    }
    if (openFrames) *openFrames += open;
  }
  return score;
}

inline int PlayGame(const RandSource& rand, skill::ComputerSkill level, int nSpin, const BallSeen& seen = {},
                    int* openFrames = nullptr) {
  const Bowler computer = [&](unsigned standing) { return MakeComputerSwing(rand, standing, nSpin, level); };
  return PlayGame(rand, computer, nSpin, seen, openFrames);
}

struct PairOutcome {
  int games = 0, strongWins = 0;
  double strongMean = 0.0, weakMean = 0.0;
};

// `games` head-to-head games between two levels: each bowls a whole game from
// its own seed; the higher score wins (a tie is nobody's win).
inline PairOutcome PlayPair(skill::ComputerSkill strong, skill::ComputerSkill weak, int games, int nSpin, unsigned seed) {
  PairOutcome out;
  long strongTotal = 0, weakTotal = 0;
  for (int g = 0; g < games; ++g) {
    const unsigned s = seed + 7919u * static_cast<unsigned>(g);
    const int a = PlayGame(SeededRand(s), strong, nSpin);
    const int b = PlayGame(SeededRand(s ^ 0x5bd1e995u), weak, nSpin);
    strongTotal += a;
    weakTotal += b;
    out.strongWins += a > b;
    ++out.games;
  }
  if (games > 0) {
    out.strongMean = static_cast<double>(strongTotal) / games;
    out.weakMean = static_cast<double>(weakTotal) / games;
  }
  return out;
}

}  // namespace bowling::selfplay
