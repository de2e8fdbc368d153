// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/football/model/football_computer.h"

#include <algorithm>

#include "games/football/model/football_geometry.h"

namespace football {

namespace {

using skill::ComputerSkill;

// How far from a hole's middle a level may aim (a share of the radius, in
// percent) and how many tens of milliseconds its timing may be off.
struct Hand {
  int aimPercent;
  int timingSpread;
};
constexpr Hand kClubHand{100, 20};
constexpr Hand kBeginnerHand{150, 32};

// A point up to `spread - 1` pixels either way from `centre` on each axis.
CPoint AimAround(CPoint centre, int spread, const std::function<int(int)>& random) {
  const int dx = random(spread);
  const int dy = random(spread);
  const int sx = random(2);
  const int sy = random(2);
  return {sx ? centre.x - dx : centre.x + dx, sy ? centre.y - dy : centre.y + dy};
}

ComputerPass HandAim(int velocity, const Hand& hand, const std::function<int(int)>& random) {
  ComputerPass pass;
  const Hole& hole = random(2) == 1 ? kLargeHole : kSmallHole;
  pass.release = AimAround(hole.centre, hole.radius * hand.aimPercent / 100, random);
  pass.zoneShift = random(kZoneShiftRange);
  const CRect zone = ThrowZoneAt(pass.zoneShift);
  const int px = random(kZoneWidth);
  const int py = random(kZoneHeight);
  pass.press = {zone.left + px, zone.top + py};
  const int error = 10 * random(hand.timingSpread);
  const bool early = random(2) == 1;
  const int nominal = NominalThrowMs(velocity);
  pass.throwMs = static_cast<DWORD>(std::max(early ? nominal - error : nominal + error, 0));
  return pass;
}

// The expert: the small hole's middle, a pass a third quicker than nominal
// for the bonus yards, released that much lower and leaning against the drift.
ComputerPass ExpertAim(const ThrowSettings& settings, const std::function<int(int)>& random) {
  ComputerPass pass;
  const int nominal = NominalThrowMs(settings.velocity);
  const int early = nominal / 3 + 10 * random(3);
  pass.throwMs = static_cast<DWORD>(nominal - early);
  pass.zoneShift = random(kZoneShiftRange);
  const CRect zone = ThrowZoneAt(pass.zoneShift);
  const CPoint aim{kSmallHole.centre.x + random(3) - 1, kSmallHole.centre.y + random(3) - 1};
  pass.release = {aim.x, aim.y - early / AccuracyDivisor(settings.accuracy)};
  pass.press = {std::clamp(aim.x, static_cast<int>(zone.left), static_cast<int>(zone.right) - 1),
                zone.top + random(kZoneHeight)};
  // The drift follows the lean of the drag, and the lean follows the release: settle both.
  for (int i = 0; i < 3; ++i) {
    const int drift = static_cast<int>(DriftFactor(settings.drift) * DragAngle(pass.press, pass.release));
    pass.release.x = aim.x - drift;
  }
  return pass;
}

}  // namespace

CRect ThrowZoneAt(int shift) {
  CRect zone = kFirstThrowZone;
  zone.OffsetRect(shift, 0);
  return zone;
}

ComputerPass ComputerAim(const ThrowSettings& settings, ComputerSkill level, const std::function<int(int)>& random) {
  switch (level) {
    case ComputerSkill::Expert: return ExpertAim(settings, random);
    case ComputerSkill::Beginner: return HandAim(settings.velocity, kBeginnerHand, random);
    case ComputerSkill::Club: break;
  }
  return HandAim(settings.velocity, kClubHand, random);
}

ComputerPass ComputerAim(int velocity, const std::function<int(int)>& random) {
  ThrowSettings settings;
  settings.velocity = velocity;
  return ComputerAim(settings, ComputerSkill::Club, random);
}

}  // namespace football
