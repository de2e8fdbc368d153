// SPDX-License-Identifier: GPL-3.0-or-later
// The user's side: a press on the mallet takes hold of it and starts play,
// a press anywhere pauses, and the mallet follows the mouse inside its half.
#include "games/airhockey/airhockey.h"
#include "games/airhockey/model/airhockey_motion.h"
#include "gfx/sprite.h"
#include "platform/host.h"

using namespace airhockey;

void CAirHockey::TakeMallet() {
  Turn().m_bDragging = TRUE;
  GetHost().SetCapture(GetHost().ViewWindow());
  m_bPlaying = TRUE;
  StartTimer(m_nTimerId, kTimerPeriodMs);
  // A tick of play time (the timer's 15.625 ms) holds the "Speed" setting's
  // sub-steps; at most a quarter of a second is caught up at once.
  const auto subSteps = static_cast<std::uint32_t>(m_nSubSteps);
  constexpr auto kTickEighths = static_cast<std::uint32_t>(kTimerResolutionMs * 8);
  constexpr std::uint32_t kCatchUpTicks = 16;
  m_steps = FixedStepClock(kTickEighths, 8 * subSteps, kCatchUpTicks * subSteps);
  m_steps.Start(GetHost().GetTickCount());
  // The computer's mallet plays from now on (unless a person elsewhere has it).
  if (m_role == Role::Alone) ShowComputerSkill(ComputerSideSkill());
}

void CAirHockey::ReleaseMallet() {
  Turn().m_bDragging = FALSE;
  GetHost().ReleaseCapture();
  m_bPlaying = FALSE;
  StopTimer(m_nTimerId);
}

void CAirHockey::OnLButtonDown(UINT /*nFlags*/, int x, int y) {
  // Shown from another machine, play starts and stops there, at this player's word.
  if (m_role == Role::Shows) return OwnPress(x, y);
  // The click after a finished match clears its score; on the mallet it plays at once.
  if (m_bMatchOver) StartNextMatch();
  if (!IsGameInProgress()) return;
  if (m_bPlaying)
    ReleaseMallet();  // a click anywhere pauses
  else if (m_pHumanSprite && m_pHumanSprite->HitTest(x, y) && !m_bFarAway)
    TakeMallet();
}

void CAirHockey::OnWindowAway(BOOL bAway) {
  m_bWindowAway = bAway != FALSE;
  // The player's hand has left the mallet: play waits for the next press on it.
  if (bAway && m_bPlaying) ReleaseMallet();
  // Shown from another machine, the player's hand leaving pauses play there too.
  if (bAway && m_role == Role::Shows && m_shownNews && m_shownNews->playing) m_ownPress = Press::Pause;
}

void CAirHockey::OnMouseMove(UINT /*nFlags*/, int x, int y) {
  if (m_role == Role::Shows) {
    // The player's own mallet is drawn where its hand is, not a round trip later.
    if (!IsGameInProgress()) return;
    m_ownAim = ClampToFarHalf({x, y}).point;
    if (OwnMalletAtPointer()) DrawNews();
    return;
  }
  if (!m_bPlaying) return;
  const HumanAim aim = ClampToHumanHalf({x, y});
  Mallet& mallet = m_rink.human;
  if (!aim.clamped) mallet.speed = HumanMalletSpeed(mallet.target, aim.point);
  mallet.target = aim.point;
  // The mallet heads for the pointer in the frame that read it, not a tick later.
  CatchUp(false);
}
