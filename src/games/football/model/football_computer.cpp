// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/football/model/football_computer.h"

#include <algorithm>
#include <cmath>

#include "games/football/model/football_geometry.h"

namespace football {

namespace {

using skill::ComputerSkill;
using skill::HandError;

// Measured against the bench's models of a person (bench/driver/opponents.py):
// the Beginner goes for either hole and half knows the drift, as a newcomer
// does; Club is a regular's hand; the Expert's release strays 5.5 pixels
// (the small hole is 10 across its middle), so a third of its passes miss.
constexpr PasserHand kBeginnerHand{50, 9.4, -50, 150, 60, 30};
constexpr PasserHand kClubHand{100, 7.0, 50, 100, 85, 15};
constexpr PasserHand kExpertHand{100, 5.5, 150, 60, 100, 5};

int Round(double v) { return static_cast<int>(std::lround(v)); }

// The release x that lands on `aimX` once `lean` of the drift is allowed for.
int LeanAgainstDrift(CPoint press, CPoint aim, double lean, const ThrowSettings& settings) {
  int x = aim.x;
  for (int i = 0; i < 3; ++i)  // the drift follows the lean of the drag: settle both
    x = aim.x - Round(lean * DriftFactor(settings.drift) * DragAngle(press, {x, aim.y}));
  return x;
}

}  // namespace

PasserHand HandOf(ComputerSkill level) {
  switch (level) {
    case ComputerSkill::Beginner: return kBeginnerHand;
    case ComputerSkill::Expert: return kExpertHand;
    case ComputerSkill::Club: break;
  }
  return kClubHand;
}

CRect ThrowZoneAt(int shift) {
  CRect zone = kFirstThrowZone;
  zone.OffsetRect(shift, 0);
  return zone;
}

ComputerPass HandPass(const ThrowSettings& settings, const PasserHand& hand, const std::function<int(int)>& random) {
  ComputerPass pass;
  const Hole& hole = random(100) < hand.smallHolePercent ? kSmallHole : kLargeHole;
  pass.zoneShift = random(kZoneShiftRange);
  const CRect zone = ThrowZoneAt(pass.zoneShift);
  const int px = random(kZoneWidth);
  const int py = random(kZoneHeight);
  pass.press = {zone.left + px, zone.top + py};
  const double lean = (hand.leanPercent + HandError(random, hand.leanSpread)) / 100.0;
  const int nominal = NominalThrowMs(settings.velocity);
  const int meant = nominal - hand.earlyMs;
  pass.throwMs = static_cast<DWORD>(std::max(Round(meant + HandError(random, hand.timingSpread)), kQuickestThrowMs));
  // A quick pass lands lower: the hand that knows it aims that much higher.
  const CPoint aim{hole.centre.x, hole.centre.y - Round(lean * hand.earlyMs / AccuracyDivisor(settings.accuracy))};
  const int x = LeanAgainstDrift(pass.press, aim, lean, settings);
  pass.release = {x + Round(HandError(random, hand.aimSpread)), aim.y + Round(HandError(random, hand.aimSpread))};
  // A release off the board throws nothing for a person: the hand stays on it.
  pass.release.x = std::clamp(pass.release.x, static_cast<int>(kReleaseRect.left), static_cast<int>(kReleaseRect.right) - 1);
  pass.release.y = std::clamp(pass.release.y, static_cast<int>(kReleaseRect.top), static_cast<int>(kReleaseRect.bottom) - 1);
  return pass;
}

ComputerPass ComputerAim(const ThrowSettings& settings, ComputerSkill level, const std::function<int(int)>& random) {
  return HandPass(settings, HandOf(level), random);
}

ComputerPass ComputerAim(int velocity, const std::function<int(int)>& random) {
  ThrowSettings settings;
  settings.velocity = velocity;
  return ComputerAim(settings, ComputerSkill::Club, random);
}

}  // namespace football
