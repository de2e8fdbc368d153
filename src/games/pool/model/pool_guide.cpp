// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_guide.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "games/pool/model/pool_quiet_table.h"

namespace pool {

namespace {
// Where the ray from `from` along `dir` leaves the bed (the cushion lines for a ball's centre).
Vec OnCushionLine(Vec from, Vec dir) {
  double t = 1e9;
  if (dir.x < 0) t = std::min(t, (kBedLeft - from.x) / dir.x);
  if (dir.x > 0) t = std::min(t, (kBedRight - from.x) / dir.x);
  if (dir.y < 0) t = std::min(t, (kBedTop - from.y) / dir.y);
  if (dir.y > 0) t = std::min(t, (kBedBottom - from.y) / dir.y);
  t = std::max(t, 0.0);
  return {from.x + t * dir.x, from.y + t * dir.y};
}

// The ball the cue ball has run into, if any, and where it first touched it:
// the same back-up the shot loop makes before the stroke.
bool FirstContact(const CPoolBall& cue, const OwnedBalls& balls,
                  AimGuide& guide) {
  double furthest = -1;
  for (int n = 1; n < kBallCount; ++n) {
    const CPoolBall& other = *balls[static_cast<std::size_t>(n)];
    if (!other.m_bOnTable || !cue.Overlaps(other) || !cue.Approaches(other)) continue;
    const double s = cue.ContactBackOff(other);
    if (s > furthest) {
      furthest = s;
      guide.ball = n;
    }
  }
  if (guide.ball < 0) return false;
  double x = cue.GetPosX() - furthest * pmath::Cos(cue.m_dHeading);
  double y = cue.GetPosY() + furthest * pmath::Sin(cue.m_dHeading);
  ClampToBed(x, y);
  guide.end = {x, y};
  guide.kind = GuideEnd::Ball;
  const CPoolBall& met = *balls[static_cast<std::size_t>(guide.ball)];
  const double dx = met.GetPosX() - x, dy = met.GetPosY() - y, d = std::sqrt(dx * dx + dy * dy);
  guide.objectDir = d > 1e-9 ? Vec{dx / d, dy / d} : Vec{pmath::Cos(cue.m_dHeading), -pmath::Sin(cue.m_dHeading)};
  return true;
}
}  // namespace

AimGuide TraceAim(const TableState& table, double power, double angle, Tip tip) {
  AimGuide guide;
  const CPoint start = table.pos[kCueBall];
  guide.from = {static_cast<double>(start.x), static_cast<double>(start.y)};
  guide.end = guide.from;
  if (power <= 0.0) return guide;
  QuietTable env;
  const OwnedBalls balls = BallsAt(table, env);
  CPoolBall& cue = *balls[kCueBall];
  cue.Strike(power, angle, tip.x, tip.y);
  const double heading = cue.m_dHeading;
  const Vec dir{pmath::Cos(heading), -pmath::Sin(heading)};
  for (;;) {
    const CPoint before{cue.GetPosX(), cue.GetPosY()};
    const int moves = cue.Moves();
    if (!cue.Step()) {
      guide.kind = cue.m_bOnTable ? GuideEnd::Stops : GuideEnd::Pocket;
      guide.end = {static_cast<double>(before.x), static_cast<double>(before.y)};
      return guide;
    }
    if (std::fabs(std::remainder(cue.m_dHeading - heading, 2.0 * 3.14159265358979)) > 1e-6) {
      guide.kind = GuideEnd::Cushion;
      guide.end = OnCushionLine(guide.from, dir);
      return guide;
    }
    if (cue.Moves() != moves && FirstContact(cue, balls, guide)) return guide;
    env.now = cue.NextStepDue(env.now);
  }
}

}  // namespace pool
