// SPDX-License-Identifier: GPL-3.0-or-later
// Pool's state as a record: where every ball lies once the last shot has
// stopped (on the table or in a pocket's tray), the groups, the called
// pocket and a cue ball in hand. Play resumes with the same seat to shoot.
#include "game/state_record.h"
#include "games/pool/pool.h"

using namespace pool;

namespace {
// Far enough beyond the window for a ball parked out of sight.
constexpr int kMinCoord = -2000;
constexpr int kMaxCoord = 2000;
constexpr int kMaxShots = 1000000;
}  // namespace

bool CPool::SaveState(StateRecord& record) const {
  if (m_bMoving || m_bGameOver || !m_pCueBall) return false;
  for (int n = 0; n < kBallCount; ++n) {
    const CPoolBall& ball = Ball(n);
    record.SetInts("pool.ball" + std::to_string(n),
                   {ball.GetPosX(), ball.GetPosY(), ball.m_bOnTable ? 1 : 0, ball.m_nPocket});
  }
  record.SetInts("pool.groups", {m_nGroup[0], m_nGroup[1], m_bGroupsSet ? 1 : 0});
  record.SetInts("pool.call", {m_nCalledPocket, m_bPocketCalled ? 1 : 0});
  record.SetInt("pool.cuePlaced", m_bCuePlaced ? 1 : 0);
  record.SetInts("pool.dryShots", {m_nDryShots[0], m_nDryShots[1]});
  // Standard 8-ball and 9-ball: the break still to come, ball in hand, the push-out.
  record.SetInts("pool.turn", {m_bBreakShot ? 1 : 0, m_bInHand ? 1 : 0, m_bPushOutAllowed ? 1 : 0,
                               m_bPushOutDeclared ? 1 : 0, m_bPushOutChoice ? 1 : 0});
  return true;
}

bool CPool::LoadState(StateReader& reader) {
  std::array<std::vector<int>, kBallCount> balls;
  for (int n = 0; n < kBallCount; ++n) {
    auto& b = balls[static_cast<std::size_t>(n)];
    b = reader.Ints("pool.ball" + std::to_string(n), 4, kMinCoord, kMaxCoord);
    if (b[2] < 0 || b[2] > 1 || b[3] < 0 || b[3] > kNoPocket) reader.Fail("pool ball " + std::to_string(n) + " is in no such place");
  }
  const auto groups = reader.Ints("pool.groups", 3, kSolids, kOpenTable);
  const auto call = reader.Ints("pool.call", 2, -1, kPocketCount - 1);
  const bool cuePlaced = reader.Bool("pool.cuePlaced");
  const auto dry = reader.Ints("pool.dryShots", 2, 0, kMaxShots);
  const auto turn = reader.Ints("pool.turn", 5, 0, 1);
  if (reader.Ok() && groups[2] > 1) reader.Fail("pool.groups: the third number is 0 or 1");
  if (reader.Ok() && call[1] > 1) reader.Fail("pool.call: the second number is 0 or 1");
  if (!reader.Ok() || !m_pCueBall) return false;
  for (int n = 0; n < kBallCount; ++n) {
    const auto& b = balls[static_cast<std::size_t>(n)];
    CPoolBall& ball = Ball(n);
    ball.SetVelocity(0, 0);
    ball.MoveTo(b[0], b[1]);
    ball.m_bOnTable = b[2] ? TRUE : FALSE;
    ball.m_nPocket = b[3];
  }
  m_nGroup = {groups[0], groups[1]};
  m_bGroupsSet = groups[2] ? TRUE : FALSE;
  m_nCalledPocket = call[0];
  m_bPocketCalled = call[1] ? TRUE : FALSE;
  m_bCuePlaced = cuePlaced ? TRUE : FALSE;
  m_nDryShots = {dry[0], dry[1]};
  m_bBreakShot = turn[0] ? TRUE : FALSE;
  m_bInHand = turn[1] ? TRUE : FALSE;
  m_bPushOutAllowed = turn[2] ? TRUE : FALSE;
  m_bPushOutDeclared = turn[3] ? TRUE : FALSE;
  m_bPushOutChoice = turn[4] ? TRUE : FALSE;
  m_bCarrying = FALSE;
  m_bMoving = FALSE;
  m_bTurnOver = FALSE;
  m_bInterrupted = FALSE;
  SnapshotPocketed();
  CentreTip();
  ClosingPrompt();
  return true;
}
