// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/basketball/model/basketball_computer.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>

namespace basketball {

namespace {

using skill::ComputerSkill;
using skill::HandError;

constexpr int kTickLimit = 400;  // far beyond any flight
constexpr int kAimRow = 40;      // high on the board: the height hardly matters there
constexpr int kQuickestHoldMs = 150;
constexpr int kQuickestCycleMs = 700;  // back to the rack, a pick-up and a short hold

// Measured against the bench's models of a person (bench/driver/opponents.py).
// A band of aims that score is about 11 pixels across: the Beginner's
// release strays as a newcomer's does and it is slow to the rack; Club
// shoots as a regular; the Expert strays a little less, no quicker than a
// regular's hand, and still misses one shot in six or so.
constexpr ShooterHand kBeginnerHand{7.0, 6.0, 500, 200, 1600, 300};
constexpr ShooterHand kClubHand{4.5, 4.0, 550, 100, 1250, 150};
constexpr ShooterHand kExpertHand{3.6, 3.0, 550, 80, 1250, 120};

int Draw(const RandomSource& random, int n) { return n > 0 && random ? random(n) : 0; }

}  // namespace

ShooterHand HandOf(ComputerSkill level) {
  switch (level) {
    case ComputerSkill::Beginner: return kBeginnerHand;
    case ComputerSkill::Expert: return kExpertHand;
    case ComputerSkill::Club: break;
  }
  return kClubHand;
}

std::optional<ComputerShot> SurestAim(int holdMs, const CourtView& court) {
  const int power = PowerFromHold(static_cast<DWORD>(std::max(holdMs, 0)));
  int bestLength = 0, bestMiddle = 0, length = 0;
  for (int x = kShootZone.left; x < kShootZone.right; ++x) {
    if (!ShotScores({power, x, kAimRow}, court)) {
      length = 0;
      continue;
    }
    ++length;
    if (length > bestLength) {
      bestLength = length;
      bestMiddle = x - (length - 1) / 2;
    }
  }
  if (bestLength == 0) return std::nullopt;
  return ComputerShot{power, bestMiddle, kAimRow};
}

ComputerShot HandShot(const RandomSource& random, const ShooterHand& hand, const CourtView& court) {
  const int holdMs = std::max(static_cast<int>(std::lround(hand.holdMs + HandError(random, hand.holdSpread))),
                              kQuickestHoldMs);
  // Aimed by the hold the hand means, thrown with the hold it makes.
  ComputerShot shot = SurestAim(hand.holdMs, court).value_or(ComputerShot{0, kBoardHome.x + 36, kAimRow});
  shot.power = PowerFromHold(static_cast<DWORD>(holdMs));
  const double spread = court.boardMoving ? pmath::Hypot(hand.aimSpread, hand.movingSpread) : hand.aimSpread;
  shot.targetX = std::clamp(static_cast<int>(std::lround(shot.targetX + HandError(random, spread))),
                            static_cast<int>(kShootZone.left), static_cast<int>(kShootZone.right) - 1);
  shot.targetY = std::clamp(static_cast<int>(std::lround(shot.targetY + HandError(random, 3 * spread))),
                            static_cast<int>(kShootZone.top), static_cast<int>(kShootZone.bottom) - 1);
  return shot;
}

DWORD HandCycle(const RandomSource& random, const ShooterHand& hand) {
  return static_cast<DWORD>(
      std::max(static_cast<int>(std::lround(hand.cycleMs + HandError(random, hand.cycleSpread))), kQuickestCycleMs));
}

int FirstRackedBall(const std::array<ShotBall, kBalls>& balls) {
  for (int i = 0; i < kBalls; ++i)
    if (balls[static_cast<std::size_t>(i)].nState == kOnRack) return i;
  return -1;
}

ComputerShot ChooseComputerShot(const RandomSource& random, int boardCelWidth) {
  ComputerShot shot;
  shot.power = Draw(random, 6) + 4;
  shot.targetX = Draw(random, boardCelWidth + 30) + kBoardLeftmost;
  shot.targetY = Draw(random, 107);
  return shot;
}

ComputerShot ChooseComputerShot(const RandomSource& random, int /*boardCelWidth*/, ComputerSkill level,
                                const CourtView& court) {
  return HandShot(random, HandOf(level), court);
}

DWORD NextShotDelay(const RandomSource& random) { return static_cast<DWORD>(Draw(random, 400) + 700); }

DWORD NextShotDelay(const RandomSource& random, ComputerSkill level) { return HandCycle(random, HandOf(level)); }

bool ShotScores(const ComputerShot& shot, const CourtView& court) {
  ShotBall ball = RackedBall(court.ball);
  ball.nPower = shot.power;
  ball.nTargetX = shot.targetX;
  ball.nTargetY = shot.targetY;
  LaunchBall(ball, court.now);
  BoardSlide board = court.board;
  for (int k = 1; k <= kTickLimit; ++k) {
    const DWORD now = court.now + static_cast<DWORD>(std::lround(k * court.tickMs));
    if (court.boardMoving) StepBoard(board, now);
    AdvanceBall(ball, now, board.x);
    if (ball.nState >= kNetFirst && ball.nState <= kNetLast) return true;
    if (ball.nState == kGone || ball.nState == kLeftBounce || ball.nState == kRightBounce) return false;
  }
  return false;
}

}  // namespace basketball
