// SPDX-License-Identifier: GPL-3.0-or-later
// After a shot: scratches and re-spots, the 8-ball judgement, whether the
// seat changes, and the record of which balls were down before the next shot.
#include <string>
#include <vector>

#include "games/pool/pool.h"
#include "platform/host.h"

using namespace pool;

namespace {
constexpr DWORD kResultPauseMs = 1000;

// What the shooter did wrong when the 8 went down too soon.
std::string EightTooSoon(const std::string& name, int nGroup) {
  if (nGroup == kSolids || nGroup == kStripes)
    return name + " potted the 8 before clearing the " + (nGroup == kSolids ? "solids" : "stripes") + " and loses.";
  return name + " potted the 8 before the groups were decided and loses.";
}
}  // namespace

bool CPool::SpokenTo(const CPlayer& player) const {
  return !player.m_bComputer && Services().SeatPlayedHere(Services().FindPlayer(player.m_nId));
}

void CPool::SetStatusText(int nPane, const std::string& text) {
  if (!m_bGameOver && !Services().SeatPlayedHere(Services().CurrentSeat())) return;
  CGame::SetStatusText(nPane, text);
}

int CPool::Announce(const std::string& text, UINT nSound, BOOL bTurnOver, int nResult) {
  m_bGameOver = TRUE;
  MarkGameEnded();
  m_bTurnOver = bTurnOver;
  m_bResultShown = true;
  SetStatusText(0, text);
  PlaySound(nSound);
  FlushDirty();
  Host& host = GetHost();
  host.WaitUntil(host.GetTickCount() + kResultPauseMs);
  return nResult;
}

std::vector<int> CPool::ClearedBySeat() const {
  // Each seat's result is how many balls of its group it cleared (at 9-ball, none).
  const BallFlags onTable = OnTable();
  std::vector<int> cleared;
  for (const auto& seat : Players()) {
    const int group = seat ? GroupOf(seat.get()) : -1;
    int n = 0;
    for (int ball = 1; ball < kBallCount; ++ball)
      if (ball != kEightBall && (group == kSolids || group == kStripes) && GroupOfBall(ball) == group &&
          !onTable[static_cast<std::size_t>(ball)])
        ++n;
    cleared.push_back(n);
  }
  return cleared;
}

int CPool::CheckWinner(CPlayer* pPlayer) {
  if (m_bGameOver || !pPlayer) return 0;
  // Only the two seats of the table play for a result.
  if (pPlayer->m_nId != 0 && pPlayer->m_nId != 1) return 0;
  const std::string& name = pPlayer->m_strName;
  const BallFlags onTable = OnTable();
  const Verdict verdict = JudgeShot(onTable, GroupOf(pPlayer), Ball(kEightBall).m_nPocket, m_nCalledPocket);
  if (verdict != Verdict::PlayOn) {
    const std::vector<int> cleared = ClearedBySeat();
    RecordStatistics(verdict == Verdict::Win ? pPlayer->m_nId : 1 - pPlayer->m_nId, &cleared);
  }
  switch (verdict) {
    case Verdict::PlayOn: return 0;
    case Verdict::ScratchOnEight:
      // "you lose" is said to the person at this table; anyone else's loss is told by name.
      return Announce(name + (SpokenTo(*pPlayer) ? " scratches on 8-ball shot, you lose!"
                                                 : " scratches on 8-ball shot and loses!"),
                      kLossSound, TRUE, -1);
    case Verdict::EightOutOfTurn: return Announce(EightTooSoon(name, GroupOf(pPlayer)), kLossSound, TRUE, -1);
    case Verdict::Win: return Announce(name + " Wins!", kWinSound, FALSE, 1);
    case Verdict::EightWrongPocket:
      // The 8 in a pocket that was not called loses, whichever seat shot it.
      return Announce(name + " Loses! 8-Ball in wrong pocket.", kLossSound, TRUE, -1);
  }
  return 0;
}

BOOL CPool::TurnPasses(const CPlayer* pPlayer) {
  if (m_bTurnOver) {
    m_bTurnOver = FALSE;
    return TRUE;
  }
  Groups groups;
  groups.seat = m_nGroup;
  groups.set = m_bGroupsSet != FALSE;
  BallFlags before{};
  for (int n = 0; n < kBallCount; ++n) before[static_cast<std::size_t>(n)] = m_bPocketedBefore[static_cast<std::size_t>(n)] != FALSE;
  const int firstHit = m_pFirstHit ? m_pFirstHit->m_nNumber : -1;
  const bool passes = pool::TurnPasses(groups, SeatOf(pPlayer ? pPlayer->m_nId : 0), false, firstHit, OnTable(), before);
  m_nGroup = groups.seat;
  m_bGroupsSet = groups.set ? TRUE : FALSE;
  return passes ? TRUE : FALSE;
}

void CPool::SwitchSeat() {
  const CPlayer* player = GetCurrentPlayer();
  const int next = player && player->m_nId != 0 ? 0 : 1;
  Services().SetCurrentSeat(next);
  // A call belongs to the seat that made it.
  m_nCalledPocket = -1;
  m_bPocketCalled = FALSE;
}

void CPool::RespotBall(CPoolBall& ball) {
  for (int spot = 1; spot < kBallCount; ++spot) {
    const CPoint at = kRack[static_cast<std::size_t>(spot)].spot;
    // A spot is free when no ball stands on it; its rack neighbours may touch it.
    bool taken = false;
    for (int n = 0; n < kBallCount && !taken; ++n) {
      const CPoolBall& other = Ball(n);
      const double dx = other.GetPosX() - at.x, dy = other.GetPosY() - at.y;
      taken = n != ball.m_nNumber && other.m_bOnTable && dx * dx + dy * dy < kNearestAtRest * kNearestAtRest;
    }
    if (taken) continue;
    ball.MoveTo(at.x, at.y);
    ball.m_bOnTable = TRUE;
    ball.SetVelocity(0, 0);
    return;
  }
  // Every spot is taken: the ball stays in the tray.
}

void CPool::SnapshotPocketed() {
  for (int n = 1; n < kBallCount; ++n) m_bPocketedBefore[static_cast<std::size_t>(n)] = !Ball(n).m_bOnTable;
}

void CPool::EndOfShot() {
  m_bResultShown = false;
  if (m_rules != RuleSet::Classic) {
    EndOfRulesShot();
    return;
  }
  CPlayer* player = GetCurrentPlayer();
  const std::size_t seat = static_cast<std::size_t>(SeatOf(player ? player->m_nId : 0));
  if (!m_pCueBall->m_bOnTable) {
    m_bTurnOver = TRUE;
    if (Random(2, FALSE) != 0) PlaySound(kLossSound);
    CheckWinner(player);
    for (int n = 1; n < kBallCount; ++n)
      if (!Ball(n).m_bOnTable && !m_bPocketedBefore[static_cast<std::size_t>(n)]) RespotBall(Ball(n));
  } else {
    CheckWinner(player);
  }
  bool sank = false;
  for (int n = 1; n < kBallCount; ++n)
    sank = sank || (!Ball(n).m_bOnTable && !m_bPocketedBefore[static_cast<std::size_t>(n)]);
  // Each seat counts only its own dry shots.
  m_nDryShots[seat] = sank ? 0 : m_nDryShots[seat] + 1;
  if (TurnPasses(player)) SwitchSeat();
  SnapshotPocketed();
}

void CPool::HandOverToComputer() {
  // A decided game is not played on by the computer: the table stays as the result left it.
  if (m_bGameOver) return;
  ComputerTakesOver();
  PostComputerTurn();
}
