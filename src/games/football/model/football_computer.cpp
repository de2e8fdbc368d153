// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/football/model/football_computer.h"

#include "games/football/model/football_geometry.h"
#include "games/football/model/football_rules.h"

namespace football {

namespace {
// A point up to `spread - 1` pixels either way from `centre` on each axis.
CPoint AimAround(CPoint centre, int spread, const std::function<int(int)>& random) {
  const int dx = random(spread);
  const int dy = random(spread);
  const int sx = random(2);
  const int sy = random(2);
  return {sx ? centre.x - dx : centre.x + dx, sy ? centre.y - dy : centre.y + dy};
}
}  // namespace

CRect ThrowZoneAt(int shift) {
  CRect zone = kFirstThrowZone;
  zone.OffsetRect(shift, 0);
  return zone;
}

ComputerPass ComputerAim(int velocity, const std::function<int(int)>& random) {
  ComputerPass pass;
  if (random(2) == 1)
    pass.release = AimAround(kLargeHole.centre, kLargeHole.radius, random);
  else
    pass.release = AimAround(kSmallHole.centre, kSmallHole.radius, random);
  pass.zoneShift = random(kZoneShiftRange);
  const CRect zone = ThrowZoneAt(pass.zoneShift);
  const int px = random(kZoneWidth);
  const int py = random(kZoneHeight);
  pass.press = {zone.left + px, zone.top + py};
  const int error = 10 * random(20);
  const bool early = random(2) == 1;
  const int nominal = NominalThrowMs(velocity);
  pass.throwMs = static_cast<DWORD>(early ? nominal - error : nominal + error);
  return pass;
}

}  // namespace football
