// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of a pass: how the drag and its timing become a landing point on
// the board, what a landing point gains, when a pass is intercepted, and how
// the gain moves the series of downs down the field.
#include <array>
#include <functional>

#include "games/football/model/football_geometry.h"
#include "platform/rect.h"
#include "platform/types.h"

namespace football {

// The kinds of game: play to 28, 40 or 54 points.
inline constexpr int kPlayTo28 = 0;
inline constexpr int kPlayTo40 = 1;
inline constexpr int kPlayTo54 = 2;
int ClampVariant(int variant);
int TargetScore(int variant);
inline constexpr int kTouchdownPoints = 7;

// The player's throw settings and their ranges.
struct ThrowSettings {
  int velocity = 1;  // 0 Slow, 1 Normal, 2 Fast
  int accuracy = 1;  // 0 Low, 1 Medium, 2 High
  int drift = 4;     // 0 None .. 4 Normal .. 8 Twice
};
inline constexpr int kVelocityMax = 2;
inline constexpr int kAccuracyMax = 2;
inline constexpr int kDriftMax = 8;
ThrowSettings ClampSettings(ThrowSettings s);

// The time a pass should take (ms), the accuracy's error divisor and the drift factor.
inline constexpr std::array<int, 3> kNominalThrowMs = {1000, 600, 300};
inline constexpr std::array<int, 3> kAccuracyDivisor = {10, 50, 100};
int NominalThrowMs(int velocity);
int AccuracyDivisor(int accuracy);
double DriftFactor(int drift);

// Degrees of the drag from straight up, positive when it leans right, truncated.
int DragAngle(CPoint press, CPoint release);

// What went through: nothing, the large hole or the small hole.
inline constexpr int kNoHole = 0;
inline constexpr int kLargeHoleHit = 1;
inline constexpr int kSmallHoleHit = 2;

// A pass only slower than nominal by more than this may be intercepted.
inline constexpr int kInterceptionSlackMs = 500;

struct Pass {
  int angle = 0;
  CPoint aim;     // where the ball comes down, clamped to the board area
  int bonus = 0;  // yards for a pass quicker than nominal
  int gain = 0;
  int hole = kNoHole;
  bool intercepted = false;
  CPoint landing;  // the hole's centre for a pass through a hole, else the aim
};

// Scores a pass dragged from `press` to `release` in `throwMs`. `random(n)`
// gives 0..n-1; it is asked once, and only for a pass slow enough to be intercepted.
Pass ScorePass(CPoint press, CPoint release, DWORD throwMs, const ThrowSettings& settings,
               const std::function<int(int)>& random);

// The yards a landing point `distance` pixels from a hole's centre gains
// before the bonus; nothing outside the hole.
int HoleYards(const Hole& hole, double distance);

// What the ball strikes at its landing point, as the animation shows it.
enum class Strike { Rim, RightPost, LeftPost, HoleOrMiss };
bool InRimBand(CPoint landing);
Strike JudgeStrike(CPoint landing, bool intercepted);

// The state of a possession: yards to the goal line, the down, yards to go.
struct Series {
  int yardsToGoal = 80;
  int down = 1;
  int toGo = 10;
  bool touchdown = false;
};

// What one pass did to the series.
enum class SeriesResult { Incomplete, Touchdown, FirstDown, Completed };
SeriesResult ApplyGain(Series& series, int gain);
// A gain of this many yards from `yardsToGoal` reaches the goal line.
inline constexpr bool ReachesGoal(int yardsToGoal, int gain) { return yardsToGoal - gain < 1; }
// The possession passes on: a touchdown, an interception or the downs lost.
inline constexpr bool PossessionOver(const Series& s, bool intercepted) {
  return intercepted || s.touchdown || s.down > 4;
}
// The down the scoreboard shows: never 5, even on the pass that loses the downs.
inline constexpr int ShownDown(int down) { return down > 4 ? 4 : down; }

}  // namespace football
