// SPDX-License-Identifier: GPL-3.0-or-later
// What a pass scores, the series of downs, the change of possession, the
// winner, and the computer's possessions.
#include <cstdio>
#include <string>

#include "games/football/football.h"
#include "games/football/model/football_computer.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"

using namespace football;

namespace {
constexpr DWORD kPossessionPauseMs = 2000;

std::string WithYards(const char* format, int yards) {
  char text[96];
  std::snprintf(text, sizeof text, format, yards);
  return text;
}
}  // namespace

void CFootBall::ShowWhoseTurn() {
  const CPlayer* player = GetCurrentPlayer();
  if (!player) return;
  SetStatusText(0, player->m_bComputer ? player->m_strName + kComputerPassesSuffix
                                       : player->m_strName + kBeginPassSuffix);
}

int CFootBall::ScoreShot(CPlayer* pPlayer) {
  const Pass pass =
      ScorePass(m_ptPress, m_ptRelease, m_dwThrowTime, Settings(), [this](int n) { return Random(n, FALSE); });
  m_nXYAngle = pass.angle;
  m_nHole = pass.hole;
  if (pass.intercepted) m_bIntercepted = TRUE;
  m_ptLanding = pass.landing;
  m_ptFlightStart = m_ptPress;
  m_nGain = pass.gain;
  if (pPlayer && ReachesGoal(m_nYardsToGoal, pass.gain)) pPlayer->m_nScore += kTouchdownPoints;
  return pass.gain;
}

int CFootBall::CheckWinner(CPlayer* pPlayer) {
  if (!pPlayer || pPlayer->m_nScore < TargetScore(m_nGameType)) return 0;
  // A computer seat's win is told by its name: the user did not win it.
  const std::string computerWins = pPlayer->m_strName + " wins";
  SetStatusText(0, pPlayer->m_bComputer ? computerWins : "Game Over - You Win");
  RecordStatistics(SeatIndexOf(pPlayer));
  PlaySound(kWinSound);
  MessageBox(pPlayer->m_bComputer ? computerWins : "Hurray you have won, good job");
  return 1;
}

void CFootBall::UpdateSeries() {
  Series series = CurrentSeries();
  // A pass picked off ends the possession as it is: no down is used up.
  if (m_bIntercepted) return;
  const int gain = m_nGain;
  if (gain == 0) SetStatusText(0, "Pass is Incomplete");
  const SeriesResult result = ApplyGain(series, gain);
  m_nYardsToGoal = series.yardsToGoal;
  m_nDown = series.down;
  m_nToGo = series.toGo;
  if (result == SeriesResult::Touchdown) {
    m_bTouchdown = TRUE;
    ShowDigit(m_pYardsTens, 0);
    ShowDigit(m_pYardsUnits, 0);
    return;
  }
  if (gain != 0) {
    ShowDigit(m_pYardsTens, m_nYardsToGoal / 10);
    ShowDigit(m_pYardsUnits, m_nYardsToGoal % 10);
  }
  if (result == SeriesResult::FirstDown) {
    SetStatusText(0, WithYards("Pass completed for %d yards, First Down Baby!", gain));
    if (Random(2, FALSE) == 0) PlaySound(kFirstDownSound);
  } else if (result == SeriesResult::Completed) {
    SetStatusText(0, WithYards("Pass completed for %d yards", gain));
  }
  ShowDigit(m_pDownDigit, ShownDown(m_nDown));
  ShowDigit(m_pToGoTens, m_nToGo / 10);
  ShowDigit(m_pToGoUnits, m_nToGo % 10);
}

bool CFootBall::ResolvePass(bool bByUser) {
  CPlayer* player = GetCurrentPlayer();
  ScoreShot(player);
  if (bByUser) {
    Turn().m_bDragging = FALSE;
    HideZoneMarker();
  }
  AnimateShot(&Sprites());
  UpdateSeries();
  CSprite* held = Turn().m_pSelSprite;
  if (bByUser && held) held->SetPosition(Turn().m_nSelX, Turn().m_nSelY);
  FlushDirty();
  UpdateScoreboard(&Players(), FALSE, CurrentSeat());
  const int won = CheckWinner(player);
  Turn().Deselect();
  if (won != 1) return true;
  ShowFinalBoard();
  return false;
}

void CFootBall::ShowFinalBoard() {
  // The final board, the scores and the result stay up until the user has
  // seen them: the next click (or a game command) starts the next game.
  m_bGameOver = true;
  SetGameInProgress(FALSE);
  MarkGameEnded();
  GetHost().ReleaseCapture();
  Turn().m_bDragging = FALSE;
  Turn().m_bComputerPlaying = FALSE;
  HideZoneMarker();
  HideFlyingBall();
  FlushDirty();
}

void CFootBall::HideZoneMarker() {
  if (m_pZoneMarker) m_pZoneMarker->SetPosition(kHiddenXY, kHiddenXY);
  // The next ball picked up gets a freshly placed zone.
  m_bZonePlaced = FALSE;
}

void CFootBall::ChangePossession(bool bByComputer) {
  // The computer's throwing zone goes with its possession.
  if (bByComputer) HideZoneMarker();
  if (m_nDown > 4) {
    SetStatusText(0, "Loss of Down");
    if (Random(2, FALSE) == 0) PlaySound(kLossSound);
  }
  if (m_bTouchdown) {
    SetStatusText(0, WithYards(bByComputer ? "Pass is complete for %d yards, Touchdown"
                                           : "Pass is completed for %d yards, Touchdown",
                               m_nGain));
    PlaySound(kTouchdownSound);
  }
  const int next = NextPlayer(&Sprites(), CurrentSeat(), &Players(), LastSeat(),
                              IsTrueColor() ? FALSE : TRUE);
  Services().SetCurrentSeat(next);
  const bool computerNext = GetCurrentPlayer() && GetCurrentPlayer()->m_bComputer;
  // A computer taking over from the user starts at once (its turn is posted
  // below), so the scoreboard must not ask for a click meanwhile.
  if (computerNext && !bByComputer) ComputerTakesOver();
  Host& host = GetHost();
  host.WaitUntil(host.GetTickCount() + kPossessionPauseMs);
  ShowSeriesDigits();
  FlushDirty();
  UpdateScoreboard(&Players(), FALSE, next);
  if (computerNext) {
    PostComputerTurn();
    return;
  }
  if (bByComputer) Turn().m_bComputerPlaying = FALSE;
  // The result of the possession has had its pause: the next user is told to pass.
  ShowWhoseTurn();
}

void CFootBall::ComputerAim() {
  const ComputerPass pass =
      football::ComputerAim(Settings(), GetComputerSkill(), [this](int n) { return Random(n, FALSE); });
  m_ptRelease = pass.release;
  m_bZonePlaced = FALSE;
  m_rcThrowZone = ThrowZoneAt(pass.zoneShift);
  if (m_pZoneMarker) m_pZoneMarker->SetPosition(m_rcThrowZone.left, m_rcThrowZone.top);
  m_bZonePlaced = TRUE;
  m_ptPress = pass.press;
  m_dwThrowTime = pass.throwMs;
}

void CFootBall::PlayComputerTurn() {
  if (!SceneIsOurs() || m_bGameOver) return;
  // A stale turn message must not play for anybody.
  if (!TakeComputerTurn()) return;
  // What the user held before the seat became a computer goes back first.
  if (Turn().m_pSelSprite) PutBallBack();
  ShowWhoseTurn();

  do {
    // Whatever was dispatched may have replaced the game (a menu command) or ended the program.
    if (!PumpMessages() || !SceneIsOurs()) return;
    if (Turn().ConsumeEscape()) {
      RestartGame();
      return;
    }
    // The computer holds a ball in name only: nothing moves in the rack.
    Turn().m_pSelSprite = m_rackBalls[0];
    ComputerAim();
    if (!ResolvePass(false)) return;
  } while (!PossessionOver());
  ChangePossession(true);
  if (EscapePressedDuringTurn()) RestartGame();
}
