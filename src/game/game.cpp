// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"

#include <cmath>

#include "gfx/sprite_list.h"
#include "platform/host.h"
#include "sound/dx_sound.h"

CGame::CGame(const GameContext& context) : m_services(context.services) {}

CGame::~CGame() = default;

void CGame::EnableSound(BOOL bSound) {
  m_bSound = bSound;
  if (m_pSound) m_pSound->EnableSound(bSound);
}

void CGame::AddToScore(int nPlayerId, int nPoints) {
  const int i = m_services.FindPlayer(nPlayerId);
  if (i < 0) return;
  Players()[static_cast<std::size_t>(i)]->m_nScore += nPoints;
  UpdateScoreboard(&Players(), FALSE, CurrentSeat());
}

CSpriteList* CGame::GetSpriteList() { return &m_services.Sprites(); }

void CGame::FlushDirty() { m_services.FlushDirtyRects(); }

void CGame::ResetScores() {
  for (int i = 0; i <= LastSeat(); ++i) Players()[static_cast<std::size_t>(i)]->m_nScore = 0;
  UpdateScoreboard(&Players(), FALSE, CurrentSeat());
}

int CGame::SetCurrentPlayer(int nPlayerId) {
  const int i = m_services.FindPlayer(nPlayerId);
  if (i < 0) return CurrentSeat();
  m_services.SetCurrentSeat(i);
  return NextPlayer(GetSpriteList(), i, &Players(), LastSeat(), FALSE);
}

BOOL CGame::AdvancePlayer() {
  if (CurrentSeat() == LastSeat()) return FALSE;
  m_services.SetCurrentSeat(CurrentSeat() + 1);
  return TRUE;
}

CObArray& CGame::Players() const { return m_services.Players(); }

int CGame::CurrentSeat() const { return m_services.CurrentSeat(); }

int CGame::LastSeat() const { return m_services.LastSeat(); }

CSpriteList& CGame::Sprites() const { return m_services.Sprites(); }

bool CGame::IsTrueColor() const { return m_services.IsTrueColor(); }

BOOL CGame::IsComputerTurn() {
  const CPlayer* p = GetCurrentPlayer();
  return p && p->m_bComputer == 1;
}

CPlayer* CGame::GetCurrentPlayer() const { return m_services.CurrentPlayer(); }

void CGame::SetGameInProgress(BOOL b) { m_services.SetGameInProgress(b != FALSE); }

BOOL CGame::IsGameInProgress() const { return m_services.GameInProgress() ? TRUE : FALSE; }

std::string CGame::WinText(const CPlayer& winner, const std::string& humanText) {
  return winner.m_bComputer ? winner.m_strName + " wins" : humanText;
}

void CGame::ShowResultLine(const std::string& result) { SetStatusText(0, result + ". Click to play again."); }

void CGame::SetStatusText(int /*nPane*/, const std::string& text) { m_services.SetStatusText(text); }

bool CGame::ClickPromptShowing() const { return m_services.StatusText() == kComputerClickPrompt; }

Host& CGame::GetHost() const { return m_services.GetHost(); }

CTurnState& CGame::Turn() const { return m_services.Turn(); }

BOOL CGame::StartTimer(UINT nID, UINT nMs) { return m_services.StartTimer(nID, nMs); }

BOOL CGame::StopTimer(UINT nID) { return m_services.StopTimer(nID); }

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
