// SPDX-License-Identifier: GPL-3.0-or-later
// Frames and turns: what follows a ball, the change of bowler, the computer
// bowlers' frames, and the end of the game with the Wall Of Fame.
#include <algorithm>
#include <vector>

#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "games/bowling/bowl.h"
#include "games/bowling/model/bowl_computer.h"
#include "games/bowling/model/bowl_swing.h"
#include "platform/host.h"
#include "ui/message_box.h"

using namespace bowling;

bool CBowl::AfterHumanBall(CQuintaroView* pView) {
  const AfterBall next = WhatFollows(m_nFrame, m_nBallInFrame, m_nBallResult, m_state.bTenthStrike1);
  if (next == AfterBall::Rerack) {
    ResetPinCels();
    RackPins();
    pView->FlushDirtyRects();
  }
  if (next != AfterBall::FrameOver) return true;
  m_nBallInFrame = 2;  // a strike on the first ball ends the frame
  return EndFrame(pView);
}

bool CBowl::EndFrame(CQuintaroView* pView) {
  CQuintaroDoc& doc = Doc();
  ResetPinCels();
  const int index = NextPlayer(&doc.m_sprites, doc.m_nCurrentPlayer, &doc.m_players, doc.m_nLastPlayer,
                               doc.m_bTrueColor ? FALSE : TRUE, pView);
  doc.m_nCurrentPlayer = index;
  doc.m_pCurrentPlayer = doc.m_players[static_cast<std::size_t>(index)].get();
  if (m_bGameOver) {
    ShowFinalSheet(pView);
    return false;
  }
  HandOver(pView, index);
  return true;
}

void CBowl::ShowFinalSheet(CQuintaroView* pView) {
  MarkGameEnded();
  m_bInComputerTurn = false;
  pView->GetHost().ReleaseCapture();
  pView->m_turn.m_bDragging = FALSE;
  UpdateScoreboard(pView, &Doc().m_players, FALSE, Doc().m_nCurrentPlayer);
  pView->m_turn.m_bComputerPlaying = FALSE;
  ShowResultLine(m_strResult);
}

void CBowl::HandOver(CQuintaroView* pView, int nNext) {
  CQuintaroDoc& doc = Doc();
  const CPlayer* next = doc.m_players[static_cast<std::size_t>(nNext)].get();
  const bool computer = next && next->m_bComputer;
  // A computer taking over starts by itself: the sheet must not ask for a click.
  if (computer) doc.m_bFirstComputerTurn = FALSE;
  // Taking over from the user, only an Escape pressed from now on abandons the game.
  if (computer && !m_bInComputerTurn) Turn().BeginLoop();
  UpdateScoreboard(pView, &doc.m_players, FALSE, nNext);
  if (!computer) {
    pView->m_turn.m_bComputerPlaying = FALSE;
    return;
  }
  Host& host = pView->GetHost();
  host.WaitUntil(host.GetTickCount() + kComputerPauseMs);
  PostComputerTurn();
}

int CBowl::NextPlayer(CSpriteList* /*pSprites*/, int nCurrent, CObArray* pPlayers, int nLastPlayer,
                      BOOL /*bMapPalette*/, CQuintaroView* pView) {
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
  if (pView) pView->FlushDirtyRects();
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
  if (pPlayers) ::UpdateWallOfFame(GetHost().Settings(), kBowlingFame, *pPlayers);
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
  AnimateShot(&Doc().m_sprites, &View());
}

void CBowl::PlayComputerTurn(CQuintaroView* pView) {
  if (!pView || m_bGameOver || m_bInComputerTurn || m_bRolling || !SceneIsOurs()) return;
  CQuintaroDoc& doc = Doc();
  // A stale turn message (the seat is no longer a computer, or the first turn
  // still waits for its click) bowls nobody's ball.
  if (!doc.m_pCurrentPlayer || !doc.m_pCurrentPlayer->m_bComputer || doc.m_bFirstComputerTurn) return;
  m_bInComputerTurn = true;
  pView->m_turn.m_bComputerPlaying = TRUE;
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
    UpdateScoreboard(pView, &doc.m_players, FALSE, doc.m_nCurrentPlayer);
    const AfterBall next = WhatFollows(m_nFrame, m_nBallInFrame, m_nBallResult, m_state.bTenthStrike1);
    m_bNoRoll = FALSE;
    if (next == AfterBall::Rerack) {
      ResetPinCels();
      RackPins();
      pView->FlushDirtyRects();
    } else if (next == AfterBall::FrameOver) {
      break;
    }
  }
  if (EndFrame(pView)) m_bInComputerTurn = false;
}
