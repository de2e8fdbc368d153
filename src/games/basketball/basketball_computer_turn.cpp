// SPDX-License-Identifier: GPL-3.0-or-later
// The computer shooter's turn, run from the animation timer: it starts its
// own turn after the pause and shoots whenever a ball is back on the rack.
#include "games/basketball/basketball.h"
#include "games/basketball/model/basketball_computer.h"
#include "gfx/sprite.h"
#include "platform/host.h"

using namespace basketball;

void CBasketBall::PlayComputerTurn() {
  if (!SceneIsOurs() || !IsComputerTurn()) return;
  Host& host = GetHost();
  if (!m_bTurnRunning) {
    if (!TryStartTurn()) return;
    ShowComputerSkill();
  }
  const DWORD now = host.GetTickCount();
  if (static_cast<LONG>(now - m_dwNextComputerShot) <= 0) return;
  const int i = FirstRackedBall(m_balls);
  if (i < 0) return;
  const RandomSource random = [this](int n) { return Random(n, FALSE); };
  const CDIB* cel = m_pBackboard ? m_pBackboard->GetCel() : nullptr;
  CourtView court;
  court.board = {m_pBackboard ? m_pBackboard->GetX() : kBoardHome.x, m_bBoardLeft != FALSE, m_dwBoardTick};
  court.boardMoving = IsBackboardMoving() != FALSE;
  court.now = now;
  court.tickMs = kTimerResolutionMs;  // the animation timer asks for 1 ms and gets the system's resolution
  court.ball = i;
  const skill::ComputerSkill level = GetComputerSkill();
  const ComputerShot shot = ChooseComputerShot(random, cel ? cel->GetWidth() : kBoardWidth, level, court);
  ShotBall& ball = m_balls[static_cast<std::size_t>(i)];
  ball.nPower = shot.power;
  ball.nTargetX = shot.targetX;
  ball.nTargetY = shot.targetY;
  LaunchBall(i);
  m_dwNextComputerShot = now + NextShotDelay(random, level);
}
