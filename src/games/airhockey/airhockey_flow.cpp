// SPDX-License-Identifier: GPL-3.0-or-later
// Play on the timer: each tick runs the "Speed" setting's sub-steps; a goal
// stops play, scores and serves to the side that conceded.
#include "games/airhockey/airhockey.h"
#include "ui/message_box.h"

using namespace airhockey;

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
