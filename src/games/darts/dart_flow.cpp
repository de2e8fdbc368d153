// SPDX-License-Identifier: GPL-3.0-or-later
// The turn flow: a thrown dart resolved (flight, stuck dart, score display,
// winner), the change of player after three darts or a bust, the score
// display with its prompt, and the computer player's turn.
#include "games/darts/dart.h"
#include "gfx/sprite_list.h"
#include "platform/dc.h"
#include "platform/host.h"

using namespace darts;

namespace {
constexpr DWORD kComputerPickUpMs = 700;
}  // namespace

CDart::ThrowResult CDart::ResolveThrow(bool bByUser) {
  CPlayer* player = GetCurrentPlayer();
  if (bByUser && player) RememberDart(*player);
  ScoreShot(player);
  AnimateShot(&Sprites());
  PlaceDart(Turn().m_pSelSprite, CurrentSeat(), Services().Palette(), IsTrueColor() ? FALSE : TRUE);
  FlushDirty();
  // A bust is drawn once its score is restored, never below zero.
  const bool busted = m_nVariant != kVariantCricket && player &&
                      CountdownOutcome(player->m_nScore, m_lastHit, m_options) == Countdown::Bust;
  if (!busted) UpdateScoreboard(&Players(), FALSE, CurrentSeat());
  const int winner = CheckWinner(player);
  Turn().m_pSelSprite = nullptr;
  if (winner == 1) {
    if (player) ShowFinalBoard(*player);
    return ThrowResult::GameOver;
  }
  ++m_nDartsThrown;
  if (m_nDartsThrown <= 2) return ThrowResult::PlayOn;
  const bool bust = winner == -1;
  ChangeTurn(bByUser);
  return bust ? ThrowResult::Bust : ThrowResult::TurnOver;
}

void CDart::ShowFinalBoard(const CPlayer& winner) {
  m_bGameOver = true;
  MarkGameEnded();
  m_undo.clear();
  GetHost().ReleaseCapture();
  Turn().m_bDragging = FALSE;
  Turn().m_bComputerPlaying = FALSE;
  UpdateScoreboard(&Players(), FALSE, CurrentSeat());
  ShowResultLine(winner.m_strName + " wins");
}

void CDart::ChangeTurn(bool bByUser) {
  const int next = NextPlayer(&Sprites(), CurrentSeat(), &Players(), LastSeat(),
                              IsTrueColor() ? FALSE : TRUE);
  Services().SetCurrentSeat(next);
  // A computer taking over from the user starts at once (its turn message is
  // posted when this throw is done), so the scoreboard must not ask for a click.
  if (bByUser && GetCurrentPlayer() && GetCurrentPlayer()->m_bComputer) ComputerTakesOver();
  // The finished turn's darts stay on screen for a moment before the next tray appears.
  Host& host = GetHost();
  Services().RenderRect(nullptr);
  host.WaitUntil(host.GetTickCount() + 2000);
  Services().BlitRect(nullptr);
  UpdateScoreboard(&Players(), FALSE, next);
}

int CDart::NextPlayer(CSpriteList* pSprites, int nCurrent, CObArray* pPlayers, int nLastPlayer, BOOL bMapPalette) {
  m_nTurnTotal = 0;
  m_nDartsThrown = 0;
  m_nLastScore = 0;
  m_undo.clear();
  int index = nCurrent + 1;
  if (index > nLastPlayer || index >= kSeats || index < 0) index = 0;
  const CPlayer* next = pPlayers ? (*pPlayers)[static_cast<std::size_t>(index)].get() : nullptr;
  if (!next || !next->m_bComputer) SetStatusText(0, kPickPrompt);
  if (pSprites) pSprites->DeleteAll();
  const CPalette* palette = bMapPalette ? Services().Palette() : nullptr;
  CreateTray(pSprites, index, palette);
  return index;
}

void CDart::UpdateScoreboard(CObArray* pPlayers, BOOL bNewGame, int nCurrent) {
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
  if (!m_bDrawingScoreboard && AwaitingComputerClick()) {
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

void CDart::PlayComputerTurn() {
  if (!SceneIsOurs() || m_bGameOver) return;
  // A stale turn message must not play for anybody.
  if (!TakeComputerTurn()) return;
  Host& host = GetHost();
  // What the user held before the seat became a computer goes back first.
  PutDartBack();
  host.Random().Seed(static_cast<std::uint32_t>(host.Time()));

  for (int i = 0; i < kTrayDarts; ++i) {
    // Whatever was dispatched may have replaced the game (a menu command) or ended the program.
    if (!PumpMessages() || !SceneIsOurs()) return;
    if (Turn().ConsumeEscape()) {
      RestartGame();
      return;
    }
    const ThrowResult result = ThrowComputerDart();
    if (result == ThrowResult::GameOver) return;
    if (result != ThrowResult::PlayOn) break;
  }
  if (EscapePressedDuringTurn()) {
    RestartGame();
    return;
  }
  if (GetCurrentPlayer() && GetCurrentPlayer()->m_bComputer)
    PostComputerTurn();
  else
    Turn().m_bComputerPlaying = FALSE;
}

CDart::ThrowResult CDart::ThrowComputerDart() {
  std::size_t tray = 0;
  while (tray < m_trayUsed.size() && m_trayUsed[tray]) ++tray;
  if (tray == m_trayUsed.size()) {  // no dart left yet the turn went on: end it rather than loop
    ChangeTurn(false);
    return ThrowResult::TurnOver;
  }
  m_trayUsed[tray] = true;
  Turn().m_pSelSprite = m_trayDarts[tray];
  ComputerAim(GetCurrentPlayer());
  // A person's pace: the time a practised hand takes to pick up a dart and
  // settle, then its stroke, before the dart flies.
  Host& host = GetHost();
  host.WaitUntil(host.GetTickCount() + kComputerPickUpMs + m_dwThrowTime);
  const ThrowResult result = ResolveThrow(false);
  if (result != ThrowResult::GameOver) Turn().m_bDragging = FALSE;
  return result;
}
