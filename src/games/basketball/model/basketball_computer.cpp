// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/basketball/model/basketball_computer.h"

#include <cmath>

namespace basketball {

namespace {

using skill::ComputerSkill;

constexpr int kTickLimit = 400;  // far beyond any flight
constexpr int kLeastPower = 4;
constexpr int kAimRowStep = 16;   // heights tried
constexpr int kAimColumnStep = 2; // places along the board tried

int Draw(const RandomSource& random, int n) { return n > 0 && random ? random(n) : 0; }

// The longest run of neighbouring aims along the board that all score, for
// one power and height: its middle is the surest aim of the row.
struct Run {
  int length = 0;
  int middle = 0;
};
Run BestRun(int power, int targetY, const CourtView& court, int lastX) {
  Run best, current;
  for (int x = kBoardLeftmost; x <= lastX; x += kAimColumnStep) {
    if (ShotScores({power, x, targetY}, court)) {
      ++current.length;
      if (current.length > best.length) best = {current.length, x - kAimColumnStep * (current.length - 1) / 2};
    } else {
      current.length = 0;
    }
  }
  return best;
}

ComputerShot ExpertShot(const RandomSource& random, int boardCelWidth, const CourtView& court) {
  ComputerShot chosen = ChooseComputerShot(random, boardCelWidth);  // nothing better: a Club lob
  int bestRun = 0;
  for (int power = kLeastPower; power <= kMaxPower; ++power)
    for (int y = 0; y < 107; y += kAimRowStep) {
      const Run run = BestRun(power, y, court, kBoardLeftmost + boardCelWidth + 29);
      if (run.length > bestRun) {
        bestRun = run.length;
        chosen = {power, run.middle, y};
      }
    }
  // A steady hand, not a perfect one.
  chosen.targetX += Draw(random, 3) - 1;
  return chosen;
}

}  // namespace

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

ComputerShot ChooseComputerShot(const RandomSource& random, int boardCelWidth, ComputerSkill level,
                                const CourtView& court) {
  switch (level) {
    case ComputerSkill::Expert: return ExpertShot(random, boardCelWidth, court);
    case ComputerSkill::Beginner: {
      // Quick flat throws (a short hold), anywhere across the board.
      ComputerShot shot = ChooseComputerShot(random, boardCelWidth);
      shot.power = Draw(random, 4);
      return shot;
    }
    case ComputerSkill::Club: break;
  }
  return ChooseComputerShot(random, boardCelWidth);
}

DWORD NextShotDelay(const RandomSource& random) { return static_cast<DWORD>(Draw(random, 400) + 700); }

DWORD NextShotDelay(const RandomSource& random, ComputerSkill level) {
  switch (level) {
    case ComputerSkill::Expert: return static_cast<DWORD>(Draw(random, 200) + 500);
    case ComputerSkill::Beginner: return static_cast<DWORD>(Draw(random, 800) + 1300);
    case ComputerSkill::Club: break;
  }
  return NextShotDelay(random);
}

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
