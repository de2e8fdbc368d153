// SPDX-License-Identifier: GPL-3.0-or-later
// Basketball's state as a record, kept between turns: the points each seat
// scored in its turn of this game (the scores themselves are the shell's).
// Play resumes with the next seat's turn waiting to start.
#include "game/state_record.h"
#include <algorithm>

#include "games/basketball/basketball.h"
#include "games/basketball/model/basketball_rules.h"

using namespace basketball;

namespace {
constexpr int kMaxSeatPoints = 100000;
}  // namespace

bool CBasketBall::SaveState(StateRecord& record) const {
  if (m_bTurnRunning || m_bStartPending || m_bGameOver) return false;
  record.SetInts("basketball.seatPoints", {m_seatPoints.begin(), m_seatPoints.end()});
  return true;
}

bool CBasketBall::LoadState(StateReader& reader) {
  const auto points = reader.Ints("basketball.seatPoints", kSeats, -1, kMaxSeatPoints);
  if (!reader.Ok()) return false;
  std::copy(points.begin(), points.end(), m_seatPoints.begin());
  m_nPoints = 0;
  m_nTime = StartingTime(m_nVariant, m_nGameTime);
  m_bTurnEnded = true;
  ShowPointsAndClock();
  ShowTurnPrompt(false);
  return true;
}
