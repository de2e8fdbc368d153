// SPDX-License-Identifier: GPL-3.0-or-later
// Turns: starting and ending them, the clock, the animation tick that moves
// the board and the balls, baskets, the winner and the Wall Of Fame.
#include <algorithm>
#include <vector>

#include "game/wall_of_fame.h"
#include "games/basketball/basketball.h"
#include "games/basketball/model/basketball_rules.h"
#include "gfx/sprite.h"
#include "platform/host.h"
#include "ui/message_box.h"

using namespace basketball;

namespace {
constexpr DWORD kPauseBetweenTurnsMs = 4000;
}  // namespace

BOOL CBasketBall::IsBackboardMoving() const {
  return basketball::IsBackboardMoving(m_nVariant, m_nBoardThreshold, m_nGameTime, m_nTime, m_nPoints) ? TRUE : FALSE;
}

BOOL CBasketBall::TryStartTurn() {
  if (m_bTurnRunning) return FALSE;
  if (m_bTurnEnded && GetHost().GetTickCount() - m_dwBoardTick <= kPauseBetweenTurnsMs) return FALSE;
  StartTurn();
  return TRUE;
}

void CBasketBall::StartTurn() {
  if (ClockRuns(m_nVariant, LastSeat() + 1)) StartTimer(m_nClockTimer, kClockPeriodMs);
  m_clockSeconds.Start(GetHost().GetTickCount());
  StartTimer(m_nAnimTimer, kAnimPeriodMs);
  SetGameInProgress(TRUE);
  m_nTime = StartingTime(m_nVariant, m_nGameTime);
  m_nPoints = 0;
  m_bTurnRunning = TRUE;
  m_bStartPending = false;
  m_dwNextComputerShot = GetHost().GetTickCount();
  // The click prompt is answered: it must not stay up while the turn runs.
  SetStatusText(0, "");
  UpdateScoreboard(&Players(), FALSE, CurrentSeat());
}

void CBasketBall::EndTurn() {
  Host& host = GetHost();
  m_bTurnRunning = FALSE;
  m_bHolding = FALSE;
  host.ReleaseCapture();
  Turn().m_bDragging = FALSE;
  if (host.GetCursorId() == static_cast<int>(kShootCursor)) host.SetCursor(0);
  PlaySound(kTurnOverSound);
  StopGame();
  for (int i = 0; i < kBalls; ++i) {
    ShotBall& ball = m_balls[static_cast<std::size_t>(i)];
    ReturnToRack(ball);
    if (CSprite* sprite = m_pBallSprites[static_cast<std::size_t>(i)]) {
      sprite->SetCel(0);
      sprite->SetDepth(kBallSpriteDepth);
      sprite->SetPosition(ball.nRestX, ball.nRestY);
    }
  }
  if (m_pBackboard) m_pBackboard->SetCel(0);
  PlaceBackboard(kBoardHome.x, kBoardHome.y);
  if (CPlayer* player = GetCurrentPlayer()) player->m_nScore = TurnResult(m_nVariant, m_nPoints, m_nTime);
  if (CurrentSeat() >= 0 && CurrentSeat() < kSeats)
    m_seatPoints[static_cast<std::size_t>(CurrentSeat())] = m_nPoints;
  m_dwBoardTick = host.GetTickCount();
  m_bTurnEnded = true;
  const BOOL bMore = AdvancePlayer();
  UpdateScoreboard(&Players(), FALSE, CurrentSeat());
  FlushDirty();
  if (!bMore) {
    // The last result and the cleared court are on screen before the winner is announced.
    CheckWinner(nullptr);
    // Nothing of ours is touched if the program left this game behind the message.
    if (SceneIsOurs()) ShowFinalBoard();
    return;
  }
  // A computer seat next in the same game starts by itself; anyone else needs the click.
  ShowTurnPrompt(IsComputerTurn() != FALSE);
  WaitForComputerTurn();
}

void CBasketBall::ShowFinalBoard() {
  m_bGameOver = true;
  SetGameInProgress(FALSE);
  MarkGameEnded();
  UpdateScoreboard(&Players(), FALSE, CurrentSeat());
  FlushDirty();
  SetStatusText(0, m_strResult.empty() ? kClickToBegin : m_strResult + "  " + kClickToBegin);
}

void CBasketBall::ClearFinalBoard() {
  if (!m_bGameOver) return;
  m_bGameOver = false;
  m_nWinnerSeat = -1;
  m_strResult.clear();
  ResetForNewGame();
  // The board waits for the next game: the first seat is the one to start it.
  DrawNames(&Players(), 0);
  FlushDirty();
  ShowTurnPrompt(false);
}

void CBasketBall::ShowTurnPrompt(bool bStartsByItself) { SetStatusText(0, bStartsByItself ? "" : kClickToBegin); }

void CBasketBall::WaitForComputerTurn() {
  // The animation timer keeps ticking through the pause, so that a computer
  // seat starts its own turn once the pause is over.
  if (IsComputerTurn()) StartTimer(m_nAnimTimer, kAnimPeriodMs);
}

void CBasketBall::ResetForNewGame() {
  ResetScores();
  SetCurrentPlayer(0);
  SetGameInProgress(FALSE);
  m_nPoints = 0;
  m_nTime = StartingTime(m_nVariant, m_nGameTime);
  m_seatPoints.fill(-1);
  ShowPointsAndClock();
}

int CBasketBall::CheckWinner(CPlayer* /*pPlayer*/) {
  std::vector<Seat> seats;
  for (const auto& p : Players()) seats.push_back({p && p->m_bActive, p ? p->m_nScore : 0});
  const Winner winner = FindWinner(m_nVariant, seats);
  if (m_nVariant == kVariantTimed) UpdateWallOfFame(&Players());
  if (m_nVariant != kVariantPractice) RecordStatistics(winner.seat);
  m_nWinnerSeat = winner.seat;
  if (winner.seat >= 0) {
    m_strResult = WinnerMessage(Players()[static_cast<std::size_t>(winner.seat)]->m_strName, winner);
  } else if (m_nVariant != kVariantPractice) {
    // Nobody scored, or every seat's clock ran out: the game does not end without a word.
    m_strResult = m_nVariant == kVariantTimed ? kNobodyScored : kNobodyReached40;
  }
  if (!m_strResult.empty()) MessageBox(m_strResult, "", MB_OK);
  return 0;
}

void CBasketBall::UpdateWallOfFame(CObArray* pPlayers) {
  if (!pPlayers || m_nVariant != kVariantTimed) return;
  ::UpdateWallOfFame(GetHost().Settings(), kBasketballFame, SeatsPlayedHere(*pPlayers));
}

void CBasketBall::LaunchBall(int i) {
  if (i < 0 || i >= kBalls) return;
  ShotBall& ball = m_balls[static_cast<std::size_t>(i)];
  basketball::LaunchBall(ball, GetHost().GetTickCount());
  if (CSprite* sprite = m_pBallSprites[static_cast<std::size_t>(i)]) {
    sprite->SetPosition(static_cast<int>(ball.x), static_cast<int>(ball.y));
    sprite->SetDepth(kBallSpriteDepth);
  }
}

void CBasketBall::ApplyBallFrame(int i, const BallFrame& frame) {
  CSprite* sprite = m_pBallSprites[static_cast<std::size_t>(i)];
  if (frame.sound) PlaySound(frame.sound);
  if (frame.boardCel >= 0 && m_pBackboard) m_pBackboard->SetCel(frame.boardCel);
  if (sprite) sprite->SetDepth(frame.behindRim ? kBallBehindRimSpriteDepth : kBallSpriteDepth);
  if (sprite && frame.move) sprite->SetPosition(frame.pos.x, frame.pos.y);
  if (sprite && frame.cel >= 0) sprite->SetCel(frame.cel);
  if (frame.scored) ScoreBasket();
}

void CBasketBall::ScoreBasket() {
  m_nPoints = AddBasket(m_nPoints, IsBackboardMoving() != FALSE);
  if (BasketEndsTurn(m_nVariant, m_nPoints)) {
    EndTurn();
    return;
  }
  UpdateScoreboard(&Players(), FALSE, CurrentSeat());
}

void CBasketBall::UpdateBalls() {
  const DWORD now = GetHost().GetTickCount();
  const int boardX = m_pBackboard ? m_pBackboard->GetX() : kBoardHome.x;
  for (int i = 0; i < kBalls && m_bTurnRunning; ++i) {
    if (m_bHolding && i == m_nHeldBall) continue;
    const BallFrame frame = AdvanceBall(m_balls[static_cast<std::size_t>(i)], now, boardX);
    ApplyBallFrame(i, frame);
  }
}

void CBasketBall::MoveBackboard() {
  if (!m_pBackboard || !IsBackboardMoving()) return;
  BoardSlide slide{m_pBackboard->GetX(), m_bBoardLeft != FALSE, m_dwBoardTick};
  const bool moved = StepBoard(slide, GetHost().GetTickCount());
  m_bBoardLeft = slide.left ? TRUE : FALSE;
  m_dwBoardTick = slide.tick;
  if (moved) PlaceBackboard(slide.x, m_pBackboard->GetY());
}

void CBasketBall::PlaceBackboard(int x, int y) {
  if (m_pBackboard) m_pBackboard->SetPosition(x, y);
  if (m_pRimFront) m_pRimFront->SetPosition(x, y);
}

void CBasketBall::OnTimer(UINT nIDEvent) {
  if (!SceneIsOurs()) return;
  if (nIDEvent == m_nClockTimer && m_bTurnRunning) {
    const std::uint32_t seconds = m_clockSeconds.Take(GetHost().GetTickCount());
    for (std::uint32_t i = 0; i < seconds && m_bTurnRunning; ++i) {
      const ClockTick tick = TickClock(m_nVariant, m_nTime);
      m_nTime = tick.time;
      if (tick.show) ShowNumber(m_pTimeTens, m_pTimeOnes, m_nTime);
      if (tick.turnOver) EndTurn();
    }
  } else if (nIDEvent == m_nAnimTimer) {
    // A click during the pause starts the turn once the pause is over.
    if (m_bStartPending && !m_bTurnRunning) TryStartTurn();
    // Between turns the board rests at home.
    if (m_bTurnRunning) MoveBackboard();
    PlayComputerTurn();
    UpdateBalls();
  }
  FlushDirty();
}
