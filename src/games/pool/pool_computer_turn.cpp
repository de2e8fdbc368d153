// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's shot: the cue ball placed when in hand, a target ball, the
// cut through the ghost ball into a pocket (called aloud for the 8-ball),
// and the shot itself.
#include <algorithm>

#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "games/pool/pool.h"
#include "platform/host.h"

using namespace pool;

namespace {
constexpr DWORD kThinkMs = 500;
constexpr double kBlindAngle = 175.0;
constexpr double kBlindPower = 5.0;
// After this many shots in a row that sank nothing, the computer changes its
// game with every further one: it hits a level harder and passes over the
// nearest ball for the next. Its shots are otherwise the same from the same
// position, and two computers could repeat one for ever.
constexpr int kPatientShots = 6;
}  // namespace

int CPool::Impatience() const { return std::max(0, m_nDryShots - kPatientShots + 1); }

void CPool::PlaceCueBallForComputer() {
  const CPoint spot = FindCueSpot([this](CPoint at) {
    m_pCueBall->MoveTo(at.x, at.y);
    for (int n = 1; n < kBallCount; ++n)
      if (m_pCueBall->Touches(Ball(n))) return false;
    return true;
  });
  m_pCueBall->MoveTo(spot.x, spot.y);
  m_pCueBall->m_bOnTable = TRUE;
  m_pCueBall->SetVelocity(0, 0);
}

int CPool::ChooseTarget(bool bInHand) const {
  BallPoints pos{};
  for (int n = 0; n < kBallCount; ++n) pos[static_cast<std::size_t>(n)] = {Ball(n).GetPosX(), Ball(n).GetPosY()};
  return pool::ChooseTarget(pos, OnTable(), GroupOf(Doc().m_pCurrentPlayer), bInHand, Impatience());
}

void CPool::AimAtTarget(const CPoolBall& target) {
  const ComputerAim aim = pool::AimAtTarget({target.GetPosX(), target.GetPosY()}, CuePoint());
  m_dAngle = aim.angle;
  m_dPower = std::min(kMaxPower, aim.power + Impatience());
  // On the 8-ball the computer calls the pocket it cuts into.
  if (target.m_nNumber == kEightBall && IsOnEightBall(Doc().m_pCurrentPlayer) && aim.pocket >= 0) {
    m_nCalledPocket = aim.pocket;
    SetStatusText(0, PocketMessage(aim.pocket));
  }
}

BOOL CPool::ChooseComputerShot() {
  const bool inHand = !m_pCueBall->m_bOnTable;
  if (inHand) PlaceCueBallForComputer();
  const int target = ChooseTarget(inHand);
  if (target < 0) {
    if (!inHand) return FALSE;
    m_dAngle = Random(2, FALSE) == 0 ? kBlindAngle : -kBlindAngle;
    m_dPower = kBlindPower;
    return TRUE;
  }
  AimAtTarget(Ball(target));
  return TRUE;
}

void CPool::PlayComputerTurn(CQuintaroView* pView) {
  if (!pView || !SceneIsOurs() || m_bMoving) return;
  CQuintaroDoc& doc = Doc();
  // A stale turn message (a human seat now, or a decided game) plays nothing.
  if (!doc.m_pCurrentPlayer || !doc.m_pCurrentPlayer->m_bComputer || m_bGameOver) return;
  Host& host = pView->GetHost();
  pView->m_turn.m_bComputerPlaying = TRUE;
  if (pView->m_turn.m_bDragging) host.ReleaseCapture();
  pView->m_turn.m_bDragging = FALSE;
  doc.m_bGameInProgress = TRUE;
  SetStatusText(0, ShootsAt(doc.m_pCurrentPlayer));
  FlushDirty();
  host.WaitUntil(host.GetTickCount() + kThinkMs);
  if (ChooseComputerShot()) {
    pView->FlushDirtyRects();
    AnimateShot(&doc.m_sprites, pView);
    if (m_bInterrupted) {
      m_bInterrupted = FALSE;
      return;
    }
  } else {
    m_bTurnOver = TRUE;  // nothing to shoot at: the turn passes
  }
  EndOfShot(&doc, pView);
  pView->FlushDirtyRects();
  const CPlayer* next = doc.m_pCurrentPlayer;
  bool ballsLeft = false;
  for (int n = 1; n < kBallCount; ++n) ballsLeft = ballsLeft || Ball(n).m_bOnTable;
  if (next && next->m_bComputer && ballsLeft)
    HandOverToComputer();
  else if (next && !next->m_bComputer)
    pView->m_turn.m_bComputerPlaying = FALSE;
  if (!m_bResultShown) ClosingPrompt();
}
