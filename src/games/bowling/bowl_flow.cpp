// SPDX-License-Identifier: GPL-3.0-or-later
// Frames and turns: what follows a ball, the change of bowler, the computer
// bowlers' frames, and the end of the game with the Wall Of Fame.
#include <algorithm>
#include <vector>

#include "game/wall_of_fame.h"
#include "games/bowling/bowl.h"
#include "games/bowling/model/bowl_computer.h"
#include "games/bowling/model/bowl_swing.h"
#include "platform/host.h"
#include "ui/message_box.h"

using namespace bowling;

bool CBowl::AfterHumanBall() {
  const AfterBall next = WhatFollows(m_nFrame, m_nBallInFrame, m_nBallResult, m_state.bTenthStrike1);
  if (next == AfterBall::Rerack) {
    ResetPinCels();
    RackPins();
    FlushDirty();
  }
  if (next != AfterBall::FrameOver) return true;
  m_nBallInFrame = 2;  // a strike on the first ball ends the frame
  return EndFrame();
}

bool CBowl::EndFrame() {
  ResetPinCels();
  const int index = NextPlayer(&Sprites(), CurrentSeat(), &Players(), LastSeat(),
                               IsTrueColor() ? FALSE : TRUE);
  Services().SetCurrentSeat(index);
  if (m_bGameOver) {
    ShowFinalSheet();
    return false;
  }
  HandOver(index);
  return true;
}

void CBowl::ShowFinalSheet() {
  MarkGameEnded();
  m_bInComputerTurn = false;
  GetHost().ReleaseCapture();
  Turn().m_bDragging = FALSE;
  UpdateScoreboard(&Players(), FALSE, CurrentSeat());
  Turn().m_bComputerPlaying = FALSE;
  ShowResultLine(m_strResult);
}

void CBowl::HandOver(int nNext) {
  const CPlayer* next = Players()[static_cast<std::size_t>(nNext)].get();
  const bool computer = next && next->m_bComputer;
  // A computer taking over starts by itself: the sheet must not ask for a click.
  if (computer) ComputerTakesOver();
  // Taking over from the user, only an Escape pressed from now on abandons the game.
  if (computer && !m_bInComputerTurn) Turn().BeginLoop();
  UpdateScoreboard(&Players(), FALSE, nNext);
  if (!computer) {
    Turn().m_bComputerPlaying = FALSE;
    return;
  }
  Host& host = GetHost();
  host.WaitUntil(host.GetTickCount() + kComputerPauseMs);
  PostComputerTurn();
}

int CBowl::NextPlayer(CSpriteList* /*pSprites*/, int nCurrent, CObArray* pPlayers, int nLastPlayer,
                      BOOL /*bMapPalette*/) {
  m_nBallResult = 0;
  m_nBallInFrame = 0;
  m_state.bTenthStrike1 = m_state.bTenthStrike2 = m_state.bTenthSpare = false;
  int next = nCurrent + 1;
  if (next > nLastPlayer || next >= kPlayers) {
    if (++m_nFrame >= kFrames) {
      m_nFrame = kTenthFrame;
      m_bGameOver = TRUE;
      PlaySound(kGameOverSound);
      GameEnd(pPlayers, nLastPlayer);
    }
    next = 0;
  }
  RackPins();
  FlushDirty();
  return next;
}

void CBowl::GameEnd(CObArray* pPlayers, int nLastPlayer) {
  if (!pPlayers) return;
  std::vector<std::string> names;
  std::vector<int> scores;
  std::vector<bool> computers;
  for (int i = 0; i <= nLastPlayer && i < kPlayers; ++i) {
    const CPlayer* p = (*pPlayers)[static_cast<std::size_t>(i)].get();
    if (!p) continue;
    names.push_back(p->m_strName);
    scores.push_back(p->m_nScore);
    computers.push_back(p->m_bComputer != FALSE);
  }
  UpdateWallOfFame(pPlayers);
  // The highest score wins the game; the first seat of equal scores.
  const auto best = std::max_element(scores.begin(), scores.end());
  RecordStatistics(best == scores.end() ? -1 : static_cast<int>(best - scores.begin()));
  // A computer among the winners is named: "Good job ..., you have won!" is for people.
  bool computerWon = false;
  for (std::size_t i = 0; best != scores.end() && i < scores.size(); ++i)
    computerWon = computerWon || (scores[i] == *best && computers[i]);
  m_strResult = WinnersNamed(names, scores);
  MessageBox(computerWon ? m_strResult : WinnerText(names, scores), "", MB_OK);
}

void CBowl::UpdateWallOfFame(CObArray* pPlayers) {
  if (pPlayers) ::UpdateWallOfFame(GetHost().Settings(), kBowlingFame, SeatsPlayedHere(*pPlayers));
}

void CBowl::BowlComputerBall() {
  Host& host = GetHost();
  unsigned standing = 0;
  for (std::size_t i = 0; i < m_pins.size(); ++i)
    if (!m_pins[i]->m_bHit) standing |= 1u << i;
  // The computer's line, speed and hook are its own; the user's last hook
  // stays the user's.
  const ComputerSwing swing = MakeComputerSwing([&host] { return host.Random().Next(); }, standing, m_nSpinDegrees,
                                                    GetComputerSkill());
  m_ptPress = swing.press;
  m_ptRelease = swing.release;
  m_nSpeedIndex = swing.speedIndex;
  m_throw = ThrowFromSwing(swing.press, swing.release, swing.holdMs, m_nSpinDegrees, swing.spinFactor, swing.hookRight);
  m_pBall->m_bMoving = TRUE;
  ++m_nBallInFrame;
  AnimateShot(&Sprites());
}

void CBowl::PlayComputerTurn() {
  if (m_bGameOver || m_bInComputerTurn || m_bRolling || !SceneIsOurs()) return;
  // A stale turn message (the seat is no longer a computer, or the first turn
  // still waits for its click) bowls nobody's ball.
  if (!GetCurrentPlayer() || !GetCurrentPlayer()->m_bComputer || AwaitingComputerClick()) return;
  m_bInComputerTurn = true;
  Turn().m_bComputerPlaying = TRUE;
  // Every way out below but the last leaves a game that is no longer the current one.
  const int balls = m_nFrame == kTenthFrame ? 3 : 2;
  for (int i = 0; i < balls; ++i) {
    // Whatever is dispatched may replace the game (a menu command): then stop at once.
    if (!DispatchMessages() || !SceneIsOurs()) return;
    if (Turn().ConsumeEscape()) {
      RestartGame();
      return;
    }
    BowlComputerBall();
    if (!SceneIsOurs()) return;  // the game was quit during the roll
    UpdateScoreboard(&Players(), FALSE, CurrentSeat());
    const AfterBall next = WhatFollows(m_nFrame, m_nBallInFrame, m_nBallResult, m_state.bTenthStrike1);
    m_bNoRoll = FALSE;
    if (next == AfterBall::Rerack) {
      ResetPinCels();
      RackPins();
      FlushDirty();
    } else if (next == AfterBall::FrameOver) {
      break;
    }
  }
  if (EndFrame()) m_bInComputerTurn = false;
}
