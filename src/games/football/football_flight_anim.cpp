// SPDX-License-Identifier: GPL-3.0-or-later
// The flight of a pass: from the thrower's hand up the field onto the board,
// then the tumble off a rim or a post, on through a hole behind the board's
// face, or back off the face onto the grass.
// Every step is paced by the clock, not by the machine.
#include <algorithm>

#include "games/football/football.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"

using namespace football;

void CFootBall::HideFlyingBall() {
  if (!m_pFlyingBall) return;
  m_pFlyingBall->SetCel(0);
  m_pFlyingBall->SetHotSpot(kCels[0].hot.x, kCels[0].hot.y);
  m_pFlyingBall->SetPosition(kHiddenXY, kHiddenXY);
}

void CFootBall::ShowBallAt(const Step& step) {
  const Cel& cel = kCels[static_cast<std::size_t>(step.cel)];
  m_pFlyingBall->SetCel(step.cel);
  m_pFlyingBall->SetHotSpot(cel.hot.x, cel.hot.y);
  m_pFlyingBall->SetPosition(step.at.x, step.at.y);
  FlushDirty();
}

void CFootBall::RunSteps(const std::vector<Step>& steps, int nStepMs) {
  Host& host = GetHost();
  const DWORD began = host.GetTickCount();
  const auto stepMs = static_cast<DWORD>(std::max(nStepMs, 0));
  // Step i is shown at `began + i * stepMs`: a wait that ends late (a slow
  // frame) skips the steps already past, so the flight keeps its time. The
  // last step is always shown.
  for (std::size_t i = 0; i < steps.size(); ++i) {
    ShowBallAt(steps[i]);
    // The host waits and keeps presenting; nothing is dispatched meanwhile.
    host.WaitUntil(began + static_cast<DWORD>(i + 1) * stepMs);
    const DWORD late = host.GetTickCount() - began;
    while (i + 2 < steps.size() && stepMs > 0 && late >= static_cast<DWORD>(i + 2) * stepMs) ++i;
  }
}

void CFootBall::BounceOff(Strike strike, CPoint from) {
  PlaySound(strike == Strike::Rim ? kRimSound : kPostSound);
  BounceDraws draws;
  if (strike == Strike::Rim) draws.direction = Random(4, FALSE);
  draws.jx = Random(30, FALSE);
  draws.jy = Random(30, FALSE);
  draws.sx = Random(2, FALSE);
  draws.sy = Random(2, FALSE);
  RunSteps(BounceSteps(from, BounceTarget(strike, from, draws)), kBounceStepMs);
}

void CFootBall::AnimateShot(CSpriteList* pSprites) {
  if (!pSprites || !SceneIsOurs()) return;
  // From the thrower's hand up the field onto the board, smaller and smaller.
  const CPoint hand = m_ptFlightStart;
  RunSteps(PassSteps(hand, m_ptLanding, ArcHeight(m_dwThrowTime)), FlightStepMs(m_dwThrowTime));
  const CPoint end = m_ptLanding;

  const Strike strike = JudgeStrike(m_ptLanding, m_bIntercepted != FALSE);
  if (strike != Strike::HoleOrMiss) {
    BounceOff(strike, end);
  } else if (m_nHole != kNoHole) {
    // Through the hole it goes on behind the board's face, out of sight.
    PlaySound(m_nHole == kLargeHoleHit ? kLargeHoleSound : kSmallHoleSound);
  } else {
    PlaySound(kMissSound);
    const int sideways = end.x > hand.x ? 1 : end.x < hand.x ? -1 : 0;
    RunSteps(FaceBounceSteps(end, sideways), kBounceStepMs);
  }
  HideFlyingBall();
  FlushDirty();
  if (m_bIntercepted) {
    SetStatusText(0, "Pass is intercepted");
    PlaySound(kLossSound);
    MessageBox("Interception");
  }
}
