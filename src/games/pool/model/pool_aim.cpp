// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_aim.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>

namespace pool {

namespace {
constexpr double kMostCut = 80.0 * kDegToRad;
// A middle pocket takes a ball only from well off its rail.
constexpr double kMiddleLeastAngle = 40.0 * kDegToRad;
// cos^1.5 of the cut: a thin cut pots far less often than a half-ball one.
double CutFactor(double cut) {
  const double c = pmath::Cos(cut);
  return c * std::sqrt(c);
}
// Room to spare beside a path: the balls' diameter and a little for rounding.
constexpr double kPathClearance = kBallDiameter + 1.0;

double Length(Vec v) { return std::sqrt(v.x * v.x + v.y * v.y); }
Vec Minus(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec At(const TableState& t, int n) {
  const CPoint p = t.pos[static_cast<std::size_t>(n)];
  return {static_cast<double>(p.x), static_cast<double>(p.y)};
}
bool OnBed(Vec p) { return p.x >= kBedLeft && p.x <= kBedRight && p.y >= kBedTop && p.y <= kBedBottom; }
bool IsMiddle(int k) { return k == 1 || k == 4; }

double DistanceToSegment(Vec p, Vec a, Vec b) {
  const Vec ab = Minus(b, a), ap = Minus(p, a);
  const double len2 = ab.x * ab.x + ab.y * ab.y;
  const double t = len2 > 0 ? std::clamp((ap.x * ab.x + ap.y * ab.y) / len2, 0.0, 1.0) : 0.0;
  return Length({ap.x - t * ab.x, ap.y - t * ab.y});
}

// The pot line of `target` into `pocket`, or chance 0 when it cannot go.
PotLine Line(const TableState& table, int target, int pocket, Vec aim) {
  PotLine pot;
  pot.target = target;
  pot.pocket = pocket;
  const Vec cue = At(table, kCueBall), ball = At(table, target);
  const Vec toPocket = Minus(aim, ball);
  pot.ballRun = Length(toPocket);
  if (pot.ballRun < 1.0) return pot;
  const Vec dir{toPocket.x / pot.ballRun, toPocket.y / pot.ballRun};
  if (IsMiddle(pocket) && std::fabs(dir.y) < pmath::Sin(kMiddleLeastAngle)) return pot;
  pot.ghost = {ball.x - dir.x * kBallDiameter, ball.y - dir.y * kBallDiameter};
  const Vec toGhost = Minus(pot.ghost, cue);
  pot.cueRun = Length(toGhost);
  if (pot.cueRun < 1.0 || !OnBed(pot.ghost)) return pot;
  pot.cut = pmath::Acos(std::clamp((toGhost.x * dir.x + toGhost.y * dir.y) / pot.cueRun, -1.0, 1.0));
  if (pot.cut > kMostCut) return pot;
  if (!PathClear(table, cue, pot.ghost, kCueBall, target, kPathClearance)) return pot;
  if (!PathClear(table, ball, aim, kCueBall, target, kPathClearance)) return pot;
  pot.angle = pmath::Atan2(-toGhost.y, toGhost.x) * kRadToDeg;
  // Straight and short is sure; a thin cut over a long way is not.
  pot.chance = CutFactor(pot.cut) * 250.0 / (250.0 + pot.cueRun + 1.5 * pot.ballRun);
  return pot;
}
}  // namespace

Vec PocketAim(int nPocket) {
  const PocketMouth& m = kPocketMouths[static_cast<std::size_t>(nPocket)];
  // Half the way from the mouth's middle toward the capture area's.
  const CPoint c = kPocketRects[static_cast<std::size_t>(nPocket)].CenterPoint();
  return {(m.x + c.x) / 2.0, (m.y + c.y) / 2.0};
}

std::vector<Vec> PocketAims(int nPocket) {
  std::vector<Vec> aims{PocketAim(nPocket)};
  if (IsMiddle(nPocket)) return aims;
  // A ball lying on a rail goes in along it: the corner's mouth takes it there too.
  const PocketMouth& m = kPocketMouths[static_cast<std::size_t>(nPocket)];
  const double bedX = m.x < kCushion.left + 1 ? kBedLeft : kBedRight;
  const double bedY = m.y < kCushion.top + 1 ? kBedTop : kBedBottom;
  aims.push_back({m.x, bedY});
  aims.push_back({bedX, m.y});
  return aims;
}

bool PathClear(const TableState& table, Vec a, Vec b, int skipA, int skipB, double clearance) {
  for (int n = 0; n < kBallCount; ++n) {
    if (n == skipA || n == skipB || !table.onTable[static_cast<std::size_t>(n)]) continue;
    if (DistanceToSegment(At(table, n), a, b) < clearance) return false;
  }
  return true;
}

std::vector<PotLine> FindPots(const TableState& table, const std::vector<int>& targets) {
  std::vector<PotLine> pots;
  for (int t : targets)
    for (int k = 0; k < kPocketCount; ++k)
      for (const Vec& aim : PocketAims(k)) {
        const PotLine pot = Line(table, t, k, aim);
        if (pot.chance > 0) pots.push_back(pot);
      }
  std::stable_sort(pots.begin(), pots.end(), [](const PotLine& a, const PotLine& b) { return a.chance > b.chance; });
  return pots;
}

double RollDistance(double speed) {
  double run = 0;
  for (double s = speed; s >= 0.5; s -= 1.0) {
    const int level = std::min(static_cast<int>(s), kTopSpeedLevel);
    run += s * (kFrictionSteps[static_cast<std::size_t>(level)] + 1);
  }
  return run;
}

double SpeedAfter(double speed, double distance) {
  for (double s = speed; s >= 0.5; s -= 1.0) {
    const int level = std::min(static_cast<int>(s), kTopSpeedLevel);
    distance -= s * (kFrictionSteps[static_cast<std::size_t>(level)] + 1);
    if (distance <= 0) return s;
  }
  return 0;
}

double PowerFor(const PotLine& pot, double margin) {
  for (double power = 1.0; power < kMaxPower; power += 0.5) {
    const double atContact = SpeedAfter(power, pot.cueRun);
    const double ballSpeed = atContact * pmath::Cos(pot.cut);
    if (RollDistance(ballSpeed) >= pot.ballRun + margin) return power;
  }
  return kMaxPower;
}

}  // namespace pool
