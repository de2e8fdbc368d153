// SPDX-License-Identifier: GPL-3.0-or-later
// Play by the clock: each timer tick of play time stands for the "Speed"
// setting's sub-steps, and however late a tick or a frame comes, every
// sub-step due by then is run, so the game keeps real time. A goal stops
// play, scores and serves to the side that conceded.
#include "games/airhockey/airhockey.h"
#include "platform/frame_stats.h"
#include "platform/host.h"
#include "ui/message_box.h"

using namespace airhockey;

RandomSource CAirHockey::RandomFromHost() {
  return [this](int n) { return Random(n, FALSE); };
}

skill::ComputerSkill CAirHockey::ComputerSideSkill() const { return SeatSkill(Players()[1].get()); }

bool CAirHockey::RunSubStep(skill::ComputerSkill level) {
  // A person on another machine moves the far mallet, as the user moves the near one.
  const MalletDriver far = m_role == Role::Runs ? MalletDriver([](Rink& rink) { WalkFarMallet(rink.computer); })
                                                : MalletDriver();
  const SubStepEvents events = airhockey::RunSubStep(m_rink, RandomFromHost(), level, {}, far);
  for (int i = 0; i < events.soundCount; ++i) Sound(events.sounds[static_cast<std::size_t>(i)]);
  if (events.goal == Goal::None) return false;
  ScoreGoal(events.goal);
  return true;
}

void CAirHockey::OnTimer(UINT nIDEvent) {
  // A tick already on its way when play stopped moves nothing.
  if (nIDEvent == m_nTimerId && m_role == Role::Shows) return DrawNews();
  if (nIDEvent != m_nTimerId || !m_bPlaying) return;
  CatchUp(true);
}

bool CAirHockey::CatchUp(bool wholeTicks) {
  const std::uint32_t grain = wholeTicks ? static_cast<std::uint32_t>(m_nSubSteps) : 1;
  const std::uint32_t due = m_steps.Take(GetHost().GetTickCount(), grain);
  const FixedStepClock::Spent spent = m_steps.TakeSpent();
  ProgramFrameStats().NoteGameTime(spent.gameMs, spent.realMs);
  if (due == 0) return true;
  const skill::ComputerSkill level = ComputerSideSkill();
  for (std::uint32_t step = 0; step < due; ++step)
    if (RunSubStep(level)) return false;
  AnimateShot(GetSpriteList());
  return true;
}

void CAirHockey::ScoreGoal(Goal goal) {
  StopTimer(m_nTimerId);
  PlaySound(kGoalSound);
  AnimateShot(GetSpriteList());  // the puck is seen in the goal mouth
  ReleaseMallet();
  // The new score is up when the box tells who scored; a win is announced
  // only after that.
  const int scorer = goal == Goal::ForHuman ? 0 : 1;
  CPlayer* player = Players()[static_cast<std::size_t>(scorer)].get();
  if (player) ++player->m_nScore;
  ShowScores();
  // The other machine hears of the goal before this one waits on its box.
  if (m_role == Role::Runs && m_newsListener) m_newsListener();
  MessageBox("Its a Goal!\n" + SideName(scorer) + " scores.", "Goal", MB_OK);
  if (!IsCurrentGame()) return;
  UpdateScoreboard(&Players(), FALSE, CurrentSeat());
  if (!IsCurrentGame()) return;
  // The side that conceded serves: the puck goes to its half.
  SetCurrentPlayer(scorer == 0 ? 1 : 0);
  FlushDirty();
}
