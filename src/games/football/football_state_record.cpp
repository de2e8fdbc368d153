// SPDX-License-Identifier: GPL-3.0-or-later
// Football's state as a record: the series after the last pass (yards to
// the goal, the down, yards to go) and where the throwing zone stands.
#include "game/state_record.h"
#include "games/football/football.h"
#include "gfx/sprite.h"

using namespace football;

namespace {
constexpr int kMaxYards = 100;
constexpr int kMaxDown = 5;  // a fifth down is a loss of downs, told as the ball changes hands
}  // namespace

bool CFootBall::SaveState(StateRecord& record) const {
  if (m_bGameOver || m_pFlyingBall == nullptr) return false;
  record.SetInts("football.series", {m_nYardsToGoal, m_nDown, m_nToGo});
  record.SetInts("football.zone", {m_bZonePlaced ? 1 : 0, m_rcThrowZone.left - kFirstThrowZone.left});
  return true;
}

bool CFootBall::LoadState(StateReader& reader) {
  const auto series = reader.Ints("football.series", 3, 0, kMaxYards);
  const auto zone = reader.Ints("football.zone", 2, 0, kZoneShiftRange - 1);
  if (reader.Ok() && (series[1] < 1 || series[1] > kMaxDown)) reader.Fail("football.series: no such down");
  if (reader.Ok() && zone[0] > 1) reader.Fail("football.zone: the first number is 0 or 1");
  if (!reader.Ok()) return false;
  m_nYardsToGoal = series[0];
  m_nDown = series[1];
  m_nToGo = series[2];
  m_rcThrowZone = {kFirstThrowZone.left + zone[1], kFirstThrowZone.top, kFirstThrowZone.right + zone[1],
                   kFirstThrowZone.bottom};
  m_bZonePlaced = zone[0] ? TRUE : FALSE;
  if (m_pZoneMarker && m_bZonePlaced) m_pZoneMarker->SetPosition(m_rcThrowZone.left, m_rcThrowZone.top);
  ShowSeriesDigits();
  return true;
}
