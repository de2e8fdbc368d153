// SPDX-License-Identifier: GPL-3.0-or-later
// The turn flow: a thrown dart resolved (flight, stuck dart, score display,
// winner), the change of player after three darts or a bust, the score
// display with its prompt, and the computer player's turn.
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "games/darts/dart.h"
#include "gfx/sprite_list.h"
#include "platform/dc.h"
#include "platform/host.h"

using namespace darts;

namespace {
constexpr DWORD kComputerPickUpMs = 700;
}  // namespace

CDart::ThrowResult CDart::ResolveThrow(CQuintaroView* pView, bool bByUser) {
  CQuintaroDoc& doc = Doc();
  CPlayer* player = doc.m_pCurrentPlayer;
  if (bByUser && player) RememberDart(*player);
  ScoreShot(player);
  AnimateShot(&doc.m_sprites, pView);
  PlaceDart(pView->m_turn.m_pSelSprite, doc.m_nCurrentPlayer, pView->m_pPalette.get(), doc.m_bTrueColor ? FALSE : TRUE);
  pView->FlushDirtyRects();
  // A bust is drawn once its score is restored, never below zero.
  const bool busted = m_nVariant != kVariantCricket && player &&
                      CountdownOutcome(player->m_nScore, m_lastHit, m_options) == Countdown::Bust;
  if (!busted) UpdateScoreboard(pView, &doc.m_players, FALSE, doc.m_nCurrentPlayer);
  const int winner = CheckWinner(player);
  pView->m_turn.m_pSelSprite = nullptr;
  if (winner == 1) {
    if (player) ShowFinalBoard(pView, *player);
    return ThrowResult::GameOver;
  }
  ++m_nDartsThrown;
  if (m_nDartsThrown <= 2) return ThrowResult::PlayOn;
  const bool bust = winner == -1;
  ChangeTurn(pView, bByUser);
  return bust ? ThrowResult::Bust : ThrowResult::TurnOver;
}

void CDart::ShowFinalBoard(CQuintaroView* pView, const CPlayer& winner) {
  m_bGameOver = true;
  MarkGameEnded();
  m_undo.clear();
  pView->GetHost().ReleaseCapture();
  pView->m_turn.m_bDragging = FALSE;
  pView->m_turn.m_bComputerPlaying = FALSE;
  UpdateScoreboard(pView, &Doc().m_players, FALSE, Doc().m_nCurrentPlayer);
  ShowResultLine(winner.m_strName + " wins");
}

void CDart::ChangeTurn(CQuintaroView* pView, bool bByUser) {
  CQuintaroDoc& doc = Doc();
  const int next = NextPlayer(&doc.m_sprites, doc.m_nCurrentPlayer, &doc.m_players, doc.m_nLastPlayer,
                              doc.m_bTrueColor ? FALSE : TRUE, pView);
  doc.m_nCurrentPlayer = next;
  doc.m_pCurrentPlayer = doc.m_players[static_cast<std::size_t>(next)].get();
  // A computer taking over from the user starts at once (its turn message is
  // posted when this throw is done), so the scoreboard must not ask for a click.
  if (bByUser && doc.m_pCurrentPlayer && doc.m_pCurrentPlayer->m_bComputer) doc.m_bFirstComputerTurn = FALSE;
  // The finished turn's darts stay on screen for a moment before the next tray appears.
  Host& host = pView->GetHost();
  pView->RenderRect(nullptr);
  host.WaitUntil(host.GetTickCount() + 2000);
  pView->BlitRect(nullptr);
  UpdateScoreboard(pView, &doc.m_players, FALSE, next);
}

int CDart::NextPlayer(CSpriteList* pSprites, int nCurrent, CObArray* pPlayers, int nLastPlayer, BOOL bMapPalette,
                      CQuintaroView* pView) {
  m_nTurnTotal = 0;
  m_nDartsThrown = 0;
  m_nLastScore = 0;
  m_undo.clear();
  int index = nCurrent + 1;
  if (index > nLastPlayer || index >= kSeats || index < 0) index = 0;
  const CPlayer* next = pPlayers ? (*pPlayers)[static_cast<std::size_t>(index)].get() : nullptr;
  if (!next || !next->m_bComputer) SetStatusText(0, kPickPrompt);
  if (pSprites) pSprites->DeleteAll();
  const CPalette* palette = bMapPalette && pView ? pView->m_pPalette.get() : nullptr;
  CreateTray(pSprites, index, palette);
  return index;
}

void CDart::UpdateScoreboard(CQuintaroView* /*pView*/, CObArray* pPlayers, BOOL bNewGame, int nCurrent) {
  if (!pPlayers) return;
  if (bNewGame == TRUE) {
    if (m_nVariant == kVariantCricket) {
      m_marks.Clear();
    } else {
      for (auto& p : *pPlayers)
        if (p) p->m_nScore = StartingScore(m_nVariant);
    }
  }
  // The status line first: showing it may repaint the window, and a repaint
  // draws the scoreboard again through this very call.
  const CQuintaroDoc& doc = Doc();
  if (!m_bDrawingScoreboard && doc.m_pCurrentPlayer && doc.m_pCurrentPlayer->m_bComputer &&
      doc.m_bFirstComputerTurn) {
    m_bDrawingScoreboard = true;
    SetStatusText(0, kComputerClickPrompt);
    m_bDrawingScoreboard = false;
  }
  if (bNewGame != TRUE && bNewGame != FALSE) return;  // not a drawing request
  Host& host = GetHost();
  CDC dc(host);
  ScoreboardState state;
  state.variant = m_nVariant;
  state.players = pPlayers;
  state.marks = &m_marks;
  state.current = nCurrent;
  state.lastScore = m_nLastScore;
  state.turnTotal = m_nTurnTotal;
  state.newGame = bNewGame;
  FillScoreboardExtras(state, *pPlayers);
  DrawScoreboard(dc, m_layout, state);
}

void CDart::ComputerAim(CPlayer* pPlayer) {
  AimSituation situation;
  situation.variant = m_nVariant;
  situation.remaining = pPlayer ? pPlayer->m_nScore : 0;
  situation.marks = &m_marks;
  situation.seat = pPlayer ? pPlayer->m_nId : 0;
  situation.velocity = m_nVelocity;
  situation.dartsLeft = kTrayDarts - m_nDartsThrown;
  situation.options = m_options;
  situation.isIn = m_bIn[SeatIndex(pPlayer)];
  const Stroke stroke =
      darts::ComputerAim(situation, GetComputerSkill(), [this](int n) { return Random(n, FALSE); });
  m_ptPress = stroke.press;
  m_ptRelease = stroke.release;
  m_dwThrowTime = stroke.durationMs;
}

void CDart::PlayComputerTurn(CQuintaroView* pView) {
  if (!pView || !SceneIsOurs() || m_bGameOver) return;
  // A stale turn message must not play for anybody.
  if (!TakeComputerTurn()) return;
  CQuintaroDoc& doc = Doc();
  Host& host = pView->GetHost();
  // What the user held before the seat became a computer goes back first.
  PutDartBack(pView);
  host.Random().Seed(static_cast<std::uint32_t>(host.Time()));

  for (int i = 0; i < kTrayDarts; ++i) {
    // Whatever was dispatched may have replaced the game (a menu command) or ended the program.
    if (!PumpMessages() || !SceneIsOurs()) return;
    if (Turn().ConsumeEscape()) {
      RestartGame();
      return;
    }
    const ThrowResult result = ThrowComputerDart(pView);
    if (result == ThrowResult::GameOver) return;
    if (result != ThrowResult::PlayOn) break;
  }
  if (EscapePressedDuringTurn()) {
    RestartGame();
    return;
  }
  if (doc.m_pCurrentPlayer && doc.m_pCurrentPlayer->m_bComputer)
    PostComputerTurn();
  else
    pView->m_turn.m_bComputerPlaying = FALSE;
}

CDart::ThrowResult CDart::ThrowComputerDart(CQuintaroView* pView) {
  std::size_t tray = 0;
  while (tray < m_trayUsed.size() && m_trayUsed[tray]) ++tray;
  if (tray == m_trayUsed.size()) {  // no dart left yet the turn went on: end it rather than loop
    ChangeTurn(pView, false);
    return ThrowResult::TurnOver;
  }
  m_trayUsed[tray] = true;
  pView->m_turn.m_pSelSprite = m_trayDarts[tray];
  ComputerAim(Doc().m_pCurrentPlayer);
  // A person's pace: the time a practised hand takes to pick up a dart and
  // settle, then its stroke, before the dart flies.
  Host& host = GetHost();
  host.WaitUntil(host.GetTickCount() + kComputerPickUpMs + m_dwThrowTime);
  const ThrowResult result = ResolveThrow(pView, false);
  if (result != ThrowResult::GameOver) pView->m_turn.m_bDragging = FALSE;
  return result;
}
