// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer shooter: which ball it takes, how long it "holds" it, where
// it aims and how long it waits before the next shot. It shoots as a
// person's hand does: it knows where along the board a ball from its rack
// spot drops (the middle of the widest band of aims that score, the moving
// board led), and its release strays from there by its level's error, the
// more when the board slides; it takes a person's time between shots.
#include <array>
#include <functional>
#include <optional>

#include "game/computer_skill.h"
#include "games/basketball/model/basketball_motion.h"

namespace basketball {

// rand() % n; a range of 0 or less gives 0.
using RandomSource = std::function<int(int)>;

struct ComputerShot {
  int power = 0;
  int targetX = 0;
  int targetY = 0;
};

// What the shooter sees: the backboard (and whether it slides), the time,
// the animation timer's period and the ball it is about to take.
struct CourtView {
  BoardSlide board;
  bool boardMoving = false;
  DWORD now = 0;
  double tickMs = 15.625;
  int ball = 0;
};

// A shooter's hand; the sizes are standard deviations.
struct ShooterHand {
  double aimSpread = 0;     // pixels across the board its release strays
  double movingSpread = 0;  // pixels more while the board slides
  int holdMs = 500;         // how long it means to hold the ball (the lob's height)
  int holdSpread = 0;       // ms
  int cycleMs = 1000;       // from one release to the next: the rack, the pick-up and the hold
  int cycleSpread = 0;      // ms
};
ShooterHand HandOf(skill::ComputerSkill level);

// The hand's shot with the ball and board of `court`.
ComputerShot HandShot(const RandomSource& random, const ShooterHand& hand, const CourtView& court);
// Milliseconds until the hand's next shot.
DWORD HandCycle(const RandomSource& random, const ShooterHand& hand);
// The middle of the widest run of scoring aims along the board for a ball
// held `holdMs`, or nullopt when nothing scores.
std::optional<ComputerShot> SurestAim(int holdMs, const CourtView& court);

// The first ball on the rack, or -1.
int FirstRackedBall(const std::array<ShotBall, kBalls>& balls);
// A shot aimed somewhere across the backboard, held 0.4 .. 0.9 s.
ComputerShot ChooseComputerShot(const RandomSource& random, int boardCelWidth);
// The shot of a level; Club is the one above.
ComputerShot ChooseComputerShot(const RandomSource& random, int boardCelWidth, skill::ComputerSkill level,
                                const CourtView& court);
// Milliseconds until the computer's next shot: 700 .. 1099 at Club.
// (The old Club's lob and pause, kept for the older tests of the game.)
DWORD NextShotDelay(const RandomSource& random);
DWORD NextShotDelay(const RandomSource& random, skill::ComputerSkill level);

// Plays a shot through on the model: true when it drops through the ring.
bool ShotScores(const ComputerShot& shot, const CourtView& court);

}  // namespace basketball
