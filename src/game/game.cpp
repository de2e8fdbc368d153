// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"

#include <cmath>

#include "app/main_frame.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "sound/dx_sound.h"

CGame::CGame(const GameContext& context) : m_pView(&context.view), m_pDoc(&context.doc) {}

CGame::~CGame() = default;

void CGame::EnableSound(BOOL bSound) {
  m_bSound = bSound;
  if (m_pSound) m_pSound->EnableSound(bSound);
}

void CGame::AddToScore(int nPlayerId, int nPoints) {
  const int i = m_pDoc->FindPlayer(nPlayerId);
  if (i < 0) return;
  m_pDoc->m_players[static_cast<std::size_t>(i)]->m_nScore += nPoints;
  UpdateScoreboard(m_pView, &m_pDoc->m_players, FALSE, m_pDoc->m_nCurrentPlayer);
}

CSpriteList* CGame::GetSpriteList() { return &m_pDoc->m_sprites; }

void CGame::FlushDirty() { m_pView->FlushDirtyRects(); }

void CGame::ResetScores() {
  for (int i = 0; i <= m_pDoc->m_nLastPlayer; ++i) m_pDoc->m_players[static_cast<std::size_t>(i)]->m_nScore = 0;
  UpdateScoreboard(m_pView, &m_pDoc->m_players, FALSE, m_pDoc->m_nCurrentPlayer);
}

int CGame::SetCurrentPlayer(int nPlayerId) {
  const int i = m_pDoc->FindPlayer(nPlayerId);
  if (i < 0) return m_pDoc->m_nCurrentPlayer;
  m_pDoc->m_nCurrentPlayer = i;
  m_pDoc->m_pCurrentPlayer = m_pDoc->m_players[static_cast<std::size_t>(i)].get();
  return NextPlayer(GetSpriteList(), i, &m_pDoc->m_players, m_pDoc->m_nLastPlayer, FALSE, m_pView);
}

BOOL CGame::AdvancePlayer() {
  if (m_pDoc->m_nCurrentPlayer == m_pDoc->m_nLastPlayer) return FALSE;
  ++m_pDoc->m_nCurrentPlayer;
  m_pDoc->m_pCurrentPlayer = m_pDoc->m_players[static_cast<std::size_t>(m_pDoc->m_nCurrentPlayer)].get();
  return TRUE;
}

BOOL CGame::IsComputerTurn() {
  const CPlayer* p = GetCurrentPlayer();
  return p && p->m_bComputer == 1;
}

CPlayer* CGame::GetCurrentPlayer() { return m_pDoc->m_pCurrentPlayer; }

void CGame::SetGameInProgress(BOOL b) { m_pDoc->m_bGameInProgress = b; }

BOOL CGame::IsGameInProgress() { return m_pDoc->m_bGameInProgress; }

std::string CGame::WinText(const CPlayer& winner, const std::string& humanText) {
  return winner.m_bComputer ? winner.m_strName + " wins" : humanText;
}

void CGame::ShowResultLine(const std::string& result) { SetStatusText(0, result + ". Click to play again."); }

void CGame::SetStatusText(int /*nPane*/, const std::string& text) { m_pDoc->App().SetStatusText(text); }

bool CGame::ClickPromptShowing() const { return m_pDoc->App().Frame().StatusText() == kComputerClickPrompt; }

Host& CGame::GetHost() const { return m_pView->GetHost(); }

CTurnState& CGame::Turn() const { return m_pView->m_turn; }

BOOL CGame::StartTimer(UINT nID, UINT nMs) { return m_pView->StartTimer(nID, nMs); }

BOOL CGame::StopTimer(UINT nID) { return m_pView->StopTimer(nID); }

int CGame::Random(int n, BOOL bReseed) {
  Host& host = GetHost();
  if (bReseed) host.Random().Seed(static_cast<std::uint32_t>(host.Time()));
  if (n <= 0) return 0;  // a zero range would divide by zero
  return host.Random().Next() % n;
}

double CGame::Distance(const POINT* a, const POINT* b) {
  const double dx = static_cast<double>(a->x) - b->x;
  const double dy = static_cast<double>(a->y) - b->y;
  return std::sqrt(dx * dx + dy * dy);
}

float CGame::Slope(const POINT* a, const POINT* b) {
  const float dx = static_cast<float>(a->x - b->x);
  const float dy = static_cast<float>(a->y - b->y);
  if (dx == 0.0f) return 99.0f;
  return dy / dx;
}
