// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/model/bowl_computer.h"

#include <algorithm>
#include <cmath>

#include "games/bowling/model/bowl_geometry.h"
#include "games/bowling/model/bowl_swing.h"

namespace bowling {

namespace {

constexpr double kPocketX = 78.0;        // between the head pin (72) and the 3 pin (82)
constexpr double kReachPx = 13.0;        // a pin this near the ball's line is taken for sure
constexpr double kAimErrorPx = 10.0;     // the bowler's spread at the foul line (one standard deviation)
constexpr int kPressY = 385;             // where the computer's swing starts and ends
constexpr int kReleaseY = 230;
constexpr DWORD kHoldMin = 220, kHoldSpread = 320;  // a good speed, never the same twice

struct Hand {
  double aimError;  // times kAimErrorPx
  DWORD holdMin, holdSpread;
};

Hand HandOf(skill::ComputerSkill level) {
  switch (level) {
    case skill::ComputerSkill::Beginner: return {1.6, 350, 800};
    case skill::ComputerSkill::Expert: return {0.45, 250, 250};
    case skill::ComputerSkill::Club: break;
  }
  return {1.0, kHoldMin, kHoldSpread};
}
constexpr double kLaneMinX = kLaneLeft + 4, kLaneMaxX = kLaneRight - 4;

// -1..1 with a standard deviation of 1/3: the mean of three even draws, so
// most swings land near the aim and a few wide.
double Spread(const RandSource& rand) {
  double sum = 0.0;
  for (int i = 0; i < 3; ++i) sum += static_cast<double>(rand() % 2001) / 1000.0 - 1.0;
  return sum / 3.0;
}

}  // namespace

double ComputerTarget(unsigned standing) {
  standing &= kFullRack;
  if (standing == kFullRack || standing == 0) return kPocketX;
  // The line that passes nearest the most standing pins; among equals, the
  // middle of those lines.
  int best = -1, first = 0, last = 0;
  for (int x = kLaneLeft + 6; x <= kLaneRight - 6; ++x) {
    int n = 0;
    for (std::size_t i = 0; i < kPins; ++i)
      if ((standing & (1u << i)) && std::abs(kPinSpots[i].x - x) <= kReachPx) ++n;
    if (n > best) {
      best = n;
      first = last = x;
    } else if (n == best && x == last + 1) {
      last = x;
    }
  }
  return 0.5 * (first + last);
}

ComputerSwing MakeComputerSwing(const RandSource& rand, unsigned standing, int nSpin, skill::ComputerSkill level) {
  const Hand hand = HandOf(level);
  ComputerSwing swing;
  swing.holdMs = hand.holdMin + static_cast<DWORD>(rand() % static_cast<int>(hand.holdSpread));
  swing.speedIndex = SpeedIndexForSwing(swing.holdMs);
  const double target = ComputerTarget(standing);
  // A hook of its own choosing, when the lane allows one: from the outside
  // in towards the target.
  if (nSpin > 0 && rand() % 2 == 0) {
    static constexpr double kFactors[] = {0.5, 0.75, 1.0};
    swing.spinFactor = kFactors[rand() % 3];
    swing.hookRight = target < kPocketX - 6.0;
  }
  // Where to stand so that the line (hooked or straight) reaches the target.
  Throw t;
  t.dStartX = 77.0;
  t.dSpeed = SpeedForSwing(swing.holdMs);
  t.hook = MakeHook(nSpin, swing.spinFactor, swing.hookRight, t.dSpeed);
  const double bend = PredictX(t, kPocketY) - t.dStartX;
  double start = target - bend;
  if (start < kLaneMinX || start > kLaneMaxX) {
    // Too much hook for this line: roll it straight.
    swing.spinFactor = 0.0;
    start = target;
  }
  start = std::clamp(start + hand.aimError * kAimErrorPx * 3.0 * Spread(rand), kLaneMinX, kLaneMaxX);
  const int x = static_cast<int>(std::lround(start));
  swing.release = {x, kReleaseY};
  swing.press = {x, kPressY};
  return swing;
}

}  // namespace bowling
