// SPDX-License-Identifier: GPL-3.0-or-later
// The shot loop: every ball steps at its own pace until all have stopped,
// contacts are resolved as they happen, and the picture is brought up to
// date after every step. Between due steps the loop sleeps. Also the check
// of a shot from ball in hand, which runs the cue ball alone and silently.
#include <algorithm>

#include "games/pool/pool.h"
#include "platform/host.h"
#include "sound/dx_sound.h"

using namespace pool;

namespace {
constexpr double kMediumShot = 3.0;
constexpr double kHardShot = 5.0;
// The three strikes are made at their own levels: the medium one plays as it is.
constexpr long kMediumShotVolume = 0;
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

pool::TableBalls CPool::TableBalls() const {
  pool::TableBalls balls{};
  for (int n = 0; n < kBallCount; ++n) balls[static_cast<std::size_t>(n)] = m_balls[static_cast<std::size_t>(n)].get();
  return balls;
}

void CPool::WaitForNextStep() {
  Host& host = GetHost();
  DWORD due = 0;
  if (NextDue(TableBalls(), host.GetTickCount(), due)) host.WaitUntil(due);
}

bool CPool::StepAllBalls() {
  ContactEvents events;
  events.onMove = [this] { FlushDirty(); };
  events.onHit = [this](int a, int b) {
    // The first ball the cue ball strikes decides whether the shot was a fair one.
    if (m_pFirstHit || (a != kCueBall && b != kCueBall)) return;
    m_pFirstHit = &Ball(a == kCueBall ? b : a);
    m_nRailsAtContact = CushionsMet(TableBalls());
  };
  return StepBalls(TableBalls(), events) > 0;
}

void CPool::StopAllBalls() {
  for (auto& ball : m_balls)
    if (ball->m_bOnTable) ball->SetVelocity(0, 0);
}

void CPool::AnimateShot(CSpriteList* /*pSprites*/) {
  if (!SceneIsOurs()) return;
  m_bMoving = TRUE;
  m_pFirstHit = nullptr;
  m_bInHand = FALSE;
  m_bCarrying = FALSE;
  m_strFoul.clear();
  m_pCueBall->Strike(m_dPower, m_dAngle, m_tip.x, m_tip.y);
  CentreTip();  // each stroke starts from the centre again
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
    if (!StepAllBalls()) break;
    // Balls that keep knocking into each other never slow down: a shot that
    // has not settled by now is over, and they stop where they are.
    if (GetHost().GetTickCount() - started > kLongestShotMs) {
      ++m_nCutOffShots;
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
  m_pCueBall->Strike(m_dPower, m_dAngle, m_tip.x, m_tip.y);
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
