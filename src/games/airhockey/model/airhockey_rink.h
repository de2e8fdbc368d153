// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One sub-step of play on the rink: the mallets move, hits are found before
// and after the puck moves, then the puck bounces off a wall or goes in.
#include <array>
#include <functional>

#include "games/airhockey/model/airhockey_bodies.h"
#include "games/airhockey/model/airhockey_computer.h"
#include "platform/types.h"

namespace airhockey {

enum class Goal { None, ForHuman, ForComputer };

struct SubStepEvents {
  static constexpr int kMaxSounds = 6;
  std::array<UINT, kMaxSounds> sounds{};
  int soundCount = 0;
  Goal goal = Goal::None;

  void Add(UINT wave) {
    if (soundCount < kMaxSounds) sounds[static_cast<std::size_t>(soundCount++)] = wave;
  }
};

// A hit or a bounce sounds one of two knocks, picked at random.
UINT PickKnock(const RandomSource& random);

// Strikes the puck with any mallet touching it that is ready to hit again.
void CheckHits(Rink& rink, const RandomSource& random, SubStepEvents& events);

// Runs one sub-step. A goal ends it with the puck in the goal mouth.
// The user's mallet walks toward the mouse; a driver given here moves it
// instead (the computer playing itself, in the skill measurements). The
// computer moves the far mallet unless `moveFar` does (a person elsewhere).
using MalletDriver = std::function<void(Rink&)>;
SubStepEvents RunSubStep(Rink& rink, const RandomSource& random,
                         skill::ComputerSkill level = skill::ComputerSkill::Club, const MalletDriver& moveHuman = {},
                         const MalletDriver& moveFar = {});

}  // namespace airhockey
