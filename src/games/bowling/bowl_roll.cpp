// SPDX-License-Identifier: GPL-3.0-or-later
// One ball: the roll down the lane paced by the clock, the pin action, the
// count, the sweep of fallen pins and the ball coming back on the return.
#include <cmath>

#include "app/quintaro_view.h"
#include "game/step_pacer.h"
#include "games/bowling/bowl.h"
#include "games/bowling/model/bowl_swing.h"
#include "platform/host.h"

using namespace bowling;

bool CBowl::RollStep(bool& bFirstContact, int& nHookLine) {
  CBowlBall& ball = *m_pBall;
  // The hook turns the ball about once per 2 pixels until it first meets a pin.
  if (!ball.m_bInGutter && bFirstContact && ball.m_pSprite->GetPosY() <= nHookLine) {
    ball.SetHeading(HookedHeading(ball.m_dHeading, m_dHookStep, m_bHookRight != FALSE));
    nHookLine -= 2;
  }
  if (ball.m_dHeading < 0.0) ball.m_dSpeed = 0.0;
  bool moved = ball.Move() != FALSE;
  for (auto& pin : m_pins) {
    if (!ball.IsOnDeck() || !pin->IsOnDeck() || !ball.Overlaps(pin.get())) continue;
    if (bFirstContact) {
      PlaySound(kPinHitSound);
      bFirstContact = false;
    }
    ball.Collide(pin.get());
  }
  for (auto& pin : m_pins) {
    if (!pin->Move()) continue;
    moved = true;
    for (auto& other : m_pins)
      if (other != pin && other->IsOnDeck() && pin->Overlaps(other.get())) pin->Collide(other.get());
  }
  return moved;
}

void CBowl::CountPins() {
  int hit = 0;
  for (const auto& pin : m_pins) hit += pin->m_bHit ? 1 : 0;
  const BallCount count = CountBall(m_state, m_nBallInFrame, m_nFrame, hit);
  if (count.allDown) PlaySound(kAllDownSound);
  m_nBallResult = count.code;
}

void CBowl::AnimateShot(CSpriteList* /*pSprites*/, CQuintaroView* pView) {
  if (!pView || !SceneIsOurs()) return;
  Host& host = pView->GetHost();
  m_bRolling = TRUE;
  m_bBallToStore = true;
  if (m_bNoRoll) {
    BallDroppedShort(pView);
    return;
  }
  Roll(pView);
  CountPins();
  host.WaitUntil(host.GetTickCount() + kCountPauseMs);
  RemoveFallenPins();
  pView->FlushDirtyRects();
  PlayBallReturn(pView);
  m_bRolling = FALSE;
  m_dwKeyTime = 0;
  m_pBall->m_bInGutter = FALSE;
  // Clicks made during the roll are lost; an Escape is kept.
  DiscardQueueKeepEscape();
}

void CBowl::BallDroppedShort(CQuintaroView* pView) {
  Host& host = pView->GetHost();
  int hit = 0;
  for (const auto& pin : m_pins) hit += pin->m_bHit ? 1 : 0;
  m_nBallResult = CountNoRoll(m_state, m_nBallInFrame, hit);
  host.WaitUntil(host.GetTickCount() + kCountPauseMs);
  PlayBallReturn(pView);
  m_bRolling = FALSE;
}

void CBowl::Roll(CQuintaroView* pView) {
  Host& host = pView->GetHost();
  const DWORD start = host.GetTickCount();
  const Launch launch = LaunchFromDrag(m_ptPress, m_ptRelease);
  m_pBall->SetHeading(launch.heading);
  m_pBall->ShowCel(0);
  m_pBall->SetPosition(launch.startX, kBallStartY);
  pView->FlushDirtyRects();
  PlaySound(kReleaseSound);
  bool firstContact = true;
  int hookLine = m_nHookLine;
  // One physics step per millisecond, shown at the display's rate; cut off after ten seconds.
  CStepPacer pacer(host, kRollStepMs);
  const auto step = [&] {
    if (host.GetTickCount() - start > kRollLimitMs) return false;
    return RollStep(firstContact, hookLine);
  };
  while (pacer.Advance(step, [pView] { pView->FlushDirtyRects(); })) {
  }
}

void CBowl::PlayBallReturn(CQuintaroView* pView) {
  Host& host = pView->GetHost();
  CBowlBall& ball = *m_pBall;
  int cel = 0;
  int stepInRun = 0;
  // The cel moves on after the first step of a run and then after every tenth.
  const auto advanceCel = [&] {
    if (stepInRun++ % 10 == 0) cel = cel >= kBallLastCel ? 0 : cel + 1;
  };
  const auto stepTo = [&](int x, int y, DWORD ms) {
    const DWORD due = host.GetTickCount() + ms;
    ball.m_pSprite->SetCel(cel);
    ball.SetPosition(x, y);
    pView->FlushDirtyRects();
    advanceCel();
    host.WaitUntil(due);
  };
  ball.ShowCel(0);
  ball.SetPosition(kReturnX, kReturnChuteTop);
  pView->FlushDirtyRects();
  for (int i = 0; i < kReturnChuteSteps; ++i) stepTo(kReturnX, kReturnChuteTop + kReturnChuteStep * i, kReturnChuteMs);
  ball.m_pSprite->SetCel(0);
  ball.SetPosition(kReturnX, kReturnRestY);
  pView->FlushDirtyRects();
  stepInRun = 0;
  double angle = kHalfPi;
  for (int i = 0; i < kReturnWellSteps; ++i) {
    const int x = kReturnWellX + static_cast<int>(std::cos(angle) * kReturnWellRadius);
    const int y = kReturnWellY - static_cast<int>(std::sin(angle) * kReturnWellRadius);
    stepTo(x, y, kReturnWellMs);
    angle += kReturnWellStepAngle;
  }
  // Rounding must not leave the ball a pixel off its resting place.
  ball.SetPosition(kReturnX, kReturnRestY);
  pView->FlushDirtyRects();
}
