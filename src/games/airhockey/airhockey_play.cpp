// The user's hold on the mallet, the timer that runs play, and goals.
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "games/airhockey/airhockey.h"
#include "games/airhockey/model/airhockey_motion.h"
#include "gfx/sprite.h"
#include "platform/host.h"
#include "ui/message_box.h"

using namespace airhockey;

void CAirHockey::TakeMallet() {
  Turn().m_bDragging = TRUE;
  GetHost().SetCapture(GetHost().ViewWindow());
  m_bPlaying = TRUE;
  StartTimer(m_nTimerId, kTimerPeriodMs);
}

void CAirHockey::ReleaseMallet() {
  Turn().m_bDragging = FALSE;
  GetHost().ReleaseCapture();
  m_bPlaying = FALSE;
  StopTimer(m_nTimerId);
}

void CAirHockey::OnLButtonDown(UINT /*nFlags*/, int x, int y, CQuintaroView* /*pView*/) {
  if (!IsGameInProgress()) return;
  if (m_bPlaying)
    ReleaseMallet();  // a click anywhere pauses
  else if (m_pHumanSprite && m_pHumanSprite->HitTest(x, y))
    TakeMallet();
}

void CAirHockey::OnMouseMove(UINT /*nFlags*/, int x, int y, CQuintaroView* /*pView*/) {
  if (!m_bPlaying) return;
  const HumanAim aim = ClampToHumanHalf({x, y});
  Mallet& mallet = m_rink.human;
  if (!aim.clamped) mallet.speed = HumanMalletSpeed(mallet.target, aim.point);
  mallet.target = aim.point;
}

RandomSource CAirHockey::RandomFromHost() {
  return [this](int n) { return Random(n, FALSE); };
}

bool CAirHockey::RunSubStep() {
  const SubStepEvents events = airhockey::RunSubStep(m_rink, RandomFromHost());
  for (int i = 0; i < events.soundCount; ++i) PlaySound(events.sounds[static_cast<std::size_t>(i)]);
  if (events.goal == Goal::None) return false;
  ScoreGoal(events.goal);
  return true;
}

void CAirHockey::OnTimer(UINT nIDEvent, CQuintaroView* /*pView*/) {
  // A tick already on its way when play stopped moves nothing.
  if (nIDEvent != m_nTimerId || !m_bPlaying) return;
  for (int step = 0; step < m_nSubSteps; ++step)
    if (RunSubStep()) return;
  AnimateShot(GetSpriteList(), m_pView);
}

void CAirHockey::ScoreGoal(Goal goal) {
  StopTimer(m_nTimerId);
  PlaySound(kGoalSound);
  AnimateShot(GetSpriteList(), m_pView);  // the puck is seen in the goal mouth
  MessageBox("Its a Goal!", "Goal", MB_OK);
  if (!IsCurrentGame()) return;
  ReleaseMallet();
  // The side that conceded serves: the puck goes to its half.
  if (goal == Goal::ForHuman) {
    AddToScore(0, 1);
    SetCurrentPlayer(1);
  } else {
    AddToScore(1, 1);
    SetCurrentPlayer(0);
  }
  FlushDirty();
}
