// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_shell.h"

#include "app/main_frame.h"
#include "app/online/online_desk.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "game/game.h"

// The view exists before any game is built and outlives every game.
CQuintaroView& CGameShell::View() const { return *m_doc.GetView(); }

CObArray& CGameShell::Players() { return m_doc.m_players; }

int CGameShell::LastSeat() const { return m_doc.m_nLastPlayer; }

int CGameShell::CurrentSeat() const { return m_doc.m_nCurrentPlayer; }

CPlayer* CGameShell::CurrentPlayer() const { return m_doc.m_pCurrentPlayer; }

void CGameShell::SetCurrentSeat(int nSeat) {
  if (nSeat < 0 || static_cast<std::size_t>(nSeat) >= m_doc.m_players.size()) return;
  m_doc.m_nCurrentPlayer = nSeat;
  m_doc.m_pCurrentPlayer = m_doc.m_players[static_cast<std::size_t>(nSeat)].get();
}

int CGameShell::FindPlayer(int nId) const { return m_doc.FindPlayer(nId); }

bool CGameShell::IsCurrentGame(const CGame& game) const { return m_doc.m_pGame.get() == &game; }

bool CGameShell::GameInProgress() const { return m_doc.m_bGameInProgress != FALSE; }

void CGameShell::SetGameInProgress(bool bInProgress) { m_doc.m_bGameInProgress = bInProgress ? TRUE : FALSE; }

void CGameShell::MarkGameEnded() {
  m_doc.m_bGameInProgress = FALSE;
  m_doc.m_bGameEnded = true;
}

bool CGameShell::AwaitingComputerClick() const { return m_doc.m_bFirstComputerTurn != FALSE; }

void CGameShell::SetAwaitingComputerClick(bool bAwaiting) { m_doc.m_bFirstComputerTurn = bAwaiting ? TRUE : FALSE; }

int CGameShell::Screen() const { return m_doc.m_nGameType; }

int CGameShell::Variant() const { return m_doc.m_nGameVariant; }

void CGameShell::RestartWithVariant(int nVariant) {
  m_doc.SetVariant(m_doc.m_nGameType, nVariant);
  m_doc.OnNewDocument();
}

void CGameShell::Restart() { m_doc.OnNewDocument(); }

bool CGameShell::SoundOn() const { return m_doc.m_bSound != FALSE; }

CSpriteList& CGameShell::Sprites() { return m_doc.m_sprites; }

bool CGameShell::IsTrueColor() const { return m_doc.m_bTrueColor != FALSE; }

const CPalette* CGameShell::Palette() const { return View().m_pPalette.get(); }

void CGameShell::FlushDirtyRects() { View().FlushDirtyRects(); }

void CGameShell::AddDirtyRect(const CRect& rect) { View().AddDirtyRect(&rect); }

void CGameShell::RenderRect(const CRect* pRect) { View().RenderRect(pRect); }

void CGameShell::BlitRect(const CRect* pRect) { View().BlitRect(pRect); }

BOOL CGameShell::StartTimer(UINT nID, UINT nMs) { return View().StartTimer(nID, nMs); }

BOOL CGameShell::StopTimer(UINT nID) { return View().StopTimer(nID); }

Host& CGameShell::GetHost() { return View().GetHost(); }

CTurnState& CGameShell::Turn() { return View().m_turn; }

void CGameShell::DispatchOne(const MSG& msg) { m_doc.App().DispatchOne(msg); }

void CGameShell::SetStatusText(const std::string& text) { m_doc.App().SetStatusText(text); }

std::string CGameShell::StatusText() const { return m_doc.App().Frame().StatusText(); }

int CGameShell::MessageBox(const std::string& text, const std::string& caption, UINT nType) {
  return AfxMessageBox(text, caption, nType);
}

int CGameShell::DoModal(CDialog& dialog) { return AfxDoModal(dialog); }

bool CGameShell::SeatPlayedHere(int nSeat) const {
  const OnlineDesk* online = m_doc.App().OnlineIfUp();
  return !online || online->SeatIsLocal(nSeat);
}
