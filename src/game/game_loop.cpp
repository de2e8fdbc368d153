// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit of the games' own loops: what they take from the queue, how
// they end, and how they hand over to the computer or start afresh.
#include "game/computer_skill_setting.h"
#include "game/game.h"
#include "ui/player_stats.h"
#include "game/turn_state.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "sound/dx_sound.h"
#include "ui/message_box.h"

namespace {

// What a game's own loop never swallows: the menu bar, the tool bar and the
// menu keys (menus and tool bar stay in use), chosen commands, a close
// request, and the desktop's news about the window (a real-time game pauses).
bool IsForTheWindow(const MSG& msg, HWND frame) {
  switch (msg.message) {
    case WM_COMMAND:
    case WM_CLOSE:
    case WM_ACTIVATEAPP:
    case WM_SIZE:
    case WM_NCLBUTTONDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
      return true;
    default:
      return msg.hwnd == frame && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
  }
}

}  // namespace

bool CGame::IsCurrentGame() const { return m_services.IsCurrentGame(*this); }

bool CGame::SceneIsOurs() const {
  const CSprite* key = SceneKey();
  return IsCurrentGame() && key && m_services.Sprites().Contains(key);
}

bool CGame::AwaitingComputerClick() const {
  const CPlayer* player = GetCurrentPlayer();
  return player && player->m_bComputer && m_services.AwaitingComputerClick();
}

bool CGame::StartComputerOnClick(bool bMarkInProgress) {
  if (!AwaitingComputerClick()) return false;
  if (bMarkInProgress) SetGameInProgress(TRUE);
  m_services.SetAwaitingComputerClick(false);
  PostComputerTurn();
  return true;
}

void CGame::ComputerTakesOver() { m_services.SetAwaitingComputerClick(false); }

bool CGame::PumpOneMessage() {
  Host& host = GetHost();
  MSG msg;
  if (!host.PeekMessage(&msg, true)) return IsCurrentGame();
  if (msg.message == WM_QUIT) {
    // The quit request belongs to the main loop: hand it back.
    host.PostQuitMessage(static_cast<int>(msg.wParam));
  } else if (msg.message == WM_KEYDOWN || msg.message == WM_PAINT || IsForTheWindow(msg, host.FrameWindow())) {
    // A paint taken off the queue is done, not lost, or a score display could
    // vanish. A command may replace this game, which the caller sees from the
    // return value. Clicks on the playfield are the game's: they are dropped.
    m_services.DispatchOne(msg);
  }
  return IsCurrentGame();
}

bool CGame::PumpMessages() {
  // Everything queued by now, so a click on the menu never waits behind the
  // pointer moves that came before it.
  for (std::size_t n = GetHost().QueuedCount() + 1; n > 0; --n)
    if (!PumpOneMessage()) return false;
  return IsCurrentGame();
}

bool CGame::DispatchOneMessage() {
  Host& host = GetHost();
  MSG msg;
  if (!host.PeekMessage(&msg, true)) return IsCurrentGame();
  if (msg.message == WM_QUIT)
    host.PostQuitMessage(static_cast<int>(msg.wParam));
  else
    m_services.DispatchOne(msg);
  return IsCurrentGame();
}

bool CGame::DispatchMessages() {
  for (std::size_t n = GetHost().QueuedCount() + 1; n > 0; --n)
    if (!DispatchOneMessage()) return false;
  return IsCurrentGame();
}

void CGame::DiscardQueueKeepEscape() {
  Host& host = GetHost();
  const HWND frame = host.FrameWindow();
  bool escape = false;
  // In place, so the menu, the tool bar and what was chosen from them stay
  // queued in their order; paints and timers are not the queue's.
  host.RemoveMessagesIf([&](const MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) escape = true;
    return !IsForTheWindow(msg, frame);
  });
  if (escape) Turn().m_bEscape = TRUE;
}

bool CGame::EscapePressedDuringTurn() {
  // The last throw and the pause after it take no message; an Escape pressed
  // meanwhile is waiting in the queue and must not be dispatched after the turn.
  Host& host = GetHost();
  MSG msg;
  if (host.PeekMessage(&msg, false, WM_KEYDOWN, WM_KEYDOWN) && msg.wParam == VK_ESCAPE) {
    host.PeekMessage(&msg, true, WM_KEYDOWN, WM_KEYDOWN);
    Turn().m_bEscape = TRUE;
  }
  return Turn().ConsumeEscape();
}

void CGame::PostComputerTurn() {
  Host& host = GetHost();
  host.PostMessage(host.ViewWindow(), WM_COMPUTER_TURN, 0, 0);
}

void CGame::RestartGame() {
  GetHost().ReleaseCapture();
  Turn().Reset();
  // The document replaces this game; it is destroyed once control is back in the message loop.
  m_services.Restart();
}

void CGame::MarkGameEnded() {
  m_services.MarkGameEnded();
}

int CGame::MessageBox(const std::string& text, const std::string& caption, UINT nType) {
  const int answer = m_services.MessageBox(text, caption, nType);
  // An answer is for the game that asked: one that is gone meanwhile hears Cancel.
  return IsCurrentGame() ? answer : IDCANCEL;
}

bool CGame::TakeComputerTurn() {
  const CPlayer* player = GetCurrentPlayer();
  if (!IsCurrentGame() || !player || !player->m_bComputer || m_services.AwaitingComputerClick()) return false;
  CTurnState& turn = Turn();
  turn.m_bComputerPlaying = TRUE;
  if (turn.m_bDragging) GetHost().ReleaseCapture();
  turn.m_bDragging = FALSE;
  turn.BeginLoop();
  ShowComputerSkill();
  return true;
}

skill::ComputerSkill CGame::GetComputerSkill() const { return SeatSkill(GetCurrentPlayer()); }

skill::ComputerSkill CGame::SeatSkill(const CPlayer* pPlayer) const {
  // A seat given a level of its own in the Players dialog keeps it in every game.
  if (pPlayer && pPlayer->m_nLevel != CPlayer::kGameLevel) return skill::SkillFromStored(pPlayer->m_nLevel);
  return skill::LoadComputerSkill(GetHost().Settings(), m_services.Screen());
}

void CGame::RecordStatistics(int winnerSeat, const std::vector<int>* results, bool resultsInTenths) {
  const char* game = skill::SkillSection(m_services.Screen());
  if (!game) return;
  std::vector<SeatResult> seats;
  const CObArray& players = Players();
  for (std::size_t i = 0; i < players.size(); ++i) {
    const CPlayer* p = players[i].get();
    if (!p || !p->m_bActive || !m_services.SeatPlayedHere(static_cast<int>(i))) continue;
    // Computer seats are kept apart from the people, under their level.
    const int result = results && i < results->size() ? (*results)[i] : p->m_nScore;
    const bool tenths = resultsInTenths && results && i < results->size();
    seats.push_back({p->m_bComputer ? skill::ComputerSeatName(SeatSkill(p)) : p->m_strName, result,
                     static_cast<int>(i) == winnerSeat, tenths});
  }
  RecordGame(GetHost().Settings(), game, seats);
}

CObArray CGame::SeatsPlayedHere(const CObArray& players) const {
  CObArray here;
  for (std::size_t i = 0; i < players.size(); ++i) {
    here[i] = std::make_unique<CPlayer>(*players[i]);
    if (!m_services.SeatPlayedHere(static_cast<int>(i))) here[i]->m_bActive = FALSE;
  }
  return here;
}

int CGame::SeatIndexOf(const CPlayer* pPlayer) const {
  const CObArray& players = Players();
  for (std::size_t i = 0; i < players.size(); ++i)
    if (pPlayer && players[i].get() == pPlayer) return static_cast<int>(i);
  return -1;
}

void CGame::ShowComputerSkill() { ShowComputerSkill(GetComputerSkill()); }

void CGame::ShowComputerSkill(skill::ComputerSkill level) { SetStatusText(0, skill::ComputerPlayingText(level)); }

void CGame::ShowHoldCursor(bool bOverZone, int nReadyCursor, int nThrowingCursor) {
  Host& host = GetHost();
  const CTurnState& turn = Turn();
  if (turn.m_pSelSprite && bOverZone) {
    host.SetCursor(turn.m_bDragging ? nThrowingCursor : nReadyCursor);
    return;
  }
  const int shown = host.GetCursorId();
  if (!turn.m_bDragging && (shown == nReadyCursor || shown == nThrowingCursor)) host.SetCursor(0);
}

int CGame::DoModal(CDialog& dialog) {
  const int answer = m_services.DoModal(dialog);
  return IsCurrentGame() ? answer : IDCANCEL;
}

void CGame::PlaySound(UINT nWaveId) {
  if (m_pSound) m_pSound->Play(nWaveId);
}

void CGame::StopSound(UINT nWaveId) {
  if (m_pSound) m_pSound->Stop(nWaveId);
}
