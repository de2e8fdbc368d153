// SPDX-License-Identifier: GPL-3.0-or-later
// The shot loop: every ball steps at its own pace until all have stopped,
// contacts are resolved as they happen, and the picture is brought up to
// date after every step. Between due steps the loop sleeps. Also the check
// of a shot from ball in hand, which runs the cue ball alone and silently.
#include <algorithm>

#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "games/pool/pool.h"
#include "platform/host.h"
#include "sound/dx_sound.h"

using namespace pool;

namespace {
constexpr double kMediumShot = 3.0;
constexpr double kHardShot = 5.0;
constexpr long kMediumShotVolume = -1000;
// Far beyond any real shot (a lone ball at full power rolls for about 8 s).
constexpr DWORD kLongestShotMs = 60000;
}  // namespace

void CPool::PlayShotSound() {
  if (!m_pSound) return;
  if (m_dPower < kMediumShot)
    m_pSound->PlayAdjusted(kCueSoftSound, kSoundControlVolume, 0);
  else if (m_dPower < kHardShot)
    m_pSound->PlayAdjusted(kCueMediumSound, kSoundControlVolume, kMediumShotVolume);
  else
    m_pSound->Play(kCueHardSound);
}

void CPool::WaitForNextStep() {
  Host& host = GetHost();
  const DWORD now = host.GetTickCount();
  bool any = false;
  DWORD due = now;
  for (const auto& ball : m_balls) {
    if (!ball->m_bOnTable || ball->m_dSpeed == 0.0) continue;
    const DWORD next = ball->NextStepDue(now);
    if (!any || static_cast<std::int32_t>(next - due) < 0) due = next;
    any = true;
  }
  if (any) host.WaitUntil(due);
}

bool CPool::StepAllBalls(CQuintaroView* pView) {
  int moving = 0;
  for (int i = 0; i < kBallCount; ++i) {
    CPoolBall& ball = Ball(i);
    if (!ball.m_bOnTable || !ball.Step()) continue;
    ++moving;
    pView->FlushDirtyRects();
    for (int j = 0; j < kBallCount; ++j) {
      CPoolBall& other = Ball(j);
      if (j == i || !ball.m_bOnTable || !other.m_bOnTable) continue;
      // Balls already moving apart are left to part: met again and again,
      // a pair would never slow down.
      if (!ball.Approaches(other) || !ball.Touches(other)) continue;
      if (!m_pFirstHit) m_pFirstHit = &other;
      ball.Collide(other);
      pView->FlushDirtyRects();
    }
  }
  return moving > 0;
}

void CPool::StopAllBalls() {
  for (auto& ball : m_balls)
    if (ball->m_bOnTable) ball->SetVelocity(0, 0);
}

void CPool::AnimateShot(CSpriteList* /*pSprites*/, CQuintaroView* pView) {
  if (!pView || !SceneIsOurs()) return;
  m_bMoving = TRUE;
  m_pFirstHit = nullptr;
  m_pCueBall->SetVelocity(m_dPower, m_dAngle);
  PlayShotSound();
  Turn().BeginLoop();
  const DWORD started = GetHost().GetTickCount();
  for (;;) {
    // Only key presses, clicks on the frame, commands and closing are taken meanwhile.
    if (!PumpOneMessage() || !SceneIsOurs()) {
      m_bMoving = FALSE;
      m_bInterrupted = TRUE;
      return;
    }
    if (Turn().ConsumeEscape()) {
      // The shot is abandoned and the table racked afresh.
      Turn().m_bDragging = FALSE;
      Turn().Deselect();
      m_bMoving = FALSE;
      m_bInterrupted = TRUE;
      RestartGame();
      return;
    }
    if (!StepAllBalls(pView)) break;
    // Balls that keep knocking into each other never slow down: a shot that
    // has not settled by now is over, and they stop where they are.
    if (GetHost().GetTickCount() - started > kLongestShotMs) {
      StopAllBalls();
      break;
    }
    WaitForNextStep();
  }
  m_bMoving = FALSE;
}

BOOL CPool::CheckLegalShot() {
  if (m_pSound) m_pSound->EnableSound(FALSE);
  SetStatusText(0, "Checking for legal shot....");
  const CPoint placed = CuePoint();
  m_pCueBall->SetVelocity(m_dPower, m_dAngle);
  BOOL legal = FALSE;
  while (m_pCueBall->Step()) {
    if (!InKitchen(*m_pCueBall)) {
      legal = TRUE;
      break;
    }
    bool touched = false;
    for (int n = 1; n < kBallCount && !touched; ++n) touched = Ball(n).m_bOnTable && m_pCueBall->Touches(Ball(n));
    if (touched) break;
    // Only the cue ball moves, at its own pace.
    GetHost().WaitUntil(m_pCueBall->NextStepDue(GetHost().GetTickCount()));
  }
  // Back where it was placed; a cue ball that dropped stays off the table and is placed again.
  m_pCueBall->MoveTo(placed.x, placed.y);
  const BOOL onTable = m_pCueBall->m_bOnTable;
  m_pCueBall->SetVelocity(0, 0);
  m_pCueBall->m_bOnTable = onTable;
  if (m_pSound) m_pSound->EnableSound(m_bSound);
  return legal;
}
