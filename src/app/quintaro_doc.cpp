// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quintaro_doc.h"

#include <sstream>

#include "app/game_factory.h"
#include "app/game_shell.h"
#include "app/main_frame.h"
#include "app/quintaro_app.h"
#include "app/quintaro_view.h"
#include "app/remembered_choices.h"
#include "app/replay_desk.h"
#include "game/game.h"
#include "gfx/dib.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/frame_chrome.h"
#include "ui/message_box.h"
#include "app/version.h"
#include "platform/dc.h"
#include "platform/utf8.h"

namespace {

constexpr const char* kSettingsSection = "Settings";
constexpr const char* kSoundKey = "Sound";

std::string JsonString(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 0x20) continue;
    out += c;
  }
  return out + "\"";
}

}  // namespace

CQuintaroDoc::CQuintaroDoc(CQuintaroApp& app) : m_app(app), m_pShell(std::make_unique<CGameShell>(*this)) {
  CreatePlayers();
  RestoreSeats(app.GetHost().Settings(), m_players, m_nLastPlayer);
  RestoreVariants(app.GetHost().Settings(), m_games, m_variants);
  // Any value other than 0 means sound on.
  m_bSound = app.GetHost().Settings().GetProfileInt(kSettingsSection, kSoundKey, 1) != 0 ? TRUE : FALSE;
  m_bFirstComputerTurn = TRUE;
}

CQuintaroDoc::~CQuintaroDoc() {
  StopCurrentGame();
  m_pGame.reset();
  m_retiredGames.clear();
  m_sprites.DeleteAll();
  DeletePlayers();
  StoreSound();
}

GameServices& CQuintaroDoc::Services() { return *m_pShell; }

void CQuintaroDoc::StoreSound() {
  m_app.GetHost().Settings().WriteProfileInt(kSettingsSection, kSoundKey, m_bSound ? 1 : 0);
}

void CQuintaroDoc::CreatePlayers() { CreateDefaultPlayers(m_players); }

void CQuintaroDoc::DeletePlayers() {
  m_pCurrentPlayer = nullptr;
  for (auto& p : m_players) p.reset();
}

void CQuintaroDoc::DeleteContents() { m_sprites.DeleteAll(); }

void CQuintaroDoc::StopCurrentGame() {
  if (m_pGame) m_pGame->StopGame();
}

void CQuintaroDoc::ReapRetiredGames() { m_retiredGames.clear(); }

void CQuintaroDoc::RetireGame() {
  if (m_pGame) m_retiredGames.push_back(std::move(m_pGame));
}

void CQuintaroDoc::RefreshScores(BOOL bNewGame) {
  if (IsGameScreen(m_nGameType)) {
    if (m_pGame) m_pGame->UpdateScoreboard(&m_players, bNewGame, m_nCurrentPlayer);
  } else if (m_nGameType == kScreenHallOfFame) {
    DrawHallOfFame();
  }
}

BOOL CQuintaroDoc::ChangeBackground(std::unique_ptr<CDIB> pDIB) {
  m_sprites.DeleteAll();
  m_pBackground = std::move(pDIB);
  m_bBackgroundChanged = TRUE;
  UpdateAllViews(kHintBackground);
  return TRUE;
}

void CQuintaroDoc::ResetTurnState() {
  m_bGameInProgress = FALSE;
  m_nCurrentPlayer = 0;
  m_pCurrentPlayer = m_players[0].get();
  m_bFirstComputerTurn = TRUE;
  m_bBackgroundChanged = TRUE;
}

int CQuintaroDoc::FindPlayer(int nId) const {
  int found = -1;
  for (int i = 0; i < kSeatCount; ++i)
    if (m_players[static_cast<std::size_t>(i)] && m_players[static_cast<std::size_t>(i)]->m_nId == nId) found = i;
  return found;
}

void CQuintaroDoc::UpdateAllViews(LPARAM lHint) {
  if (m_pView) m_pView->OnUpdate(lHint);
}

UINT CQuintaroDoc::BackgroundFor(int nGameType) const {
  if (const GameInfo* game = FindGame(m_games, nGameType)) return game->BackgroundFor(m_nGameVariant);
  return nGameType == kScreenHallOfFame ? IDB_HALLOFFAME : IDB_TITLE;
}

void CQuintaroDoc::SetVariant(int nScreen, int nVariant) {
  if (nScreen < 0 || nScreen >= kScreenCount) return;
  m_variants[static_cast<std::size_t>(nScreen)] = nVariant;
  if (nScreen == m_nGameType) m_nGameVariant = nVariant;
  if (const GameInfo* game = FindGame(m_games, nScreen)) StoreVariant(m_app.GetHost().Settings(), *game, nVariant);
}

void CQuintaroDoc::EndTurnState() {
  // Nothing of the old screen may keep the mouse, the cursor or a queued computer turn.
  Host& host = m_app.GetHost();
  host.ReleaseCapture();
  host.SetCursor(0);
  host.RemoveMessages(WM_COMPUTER_TURN);
  if (m_pView) m_pView->m_turn.Reset();
}

BOOL CQuintaroDoc::OnNewDocument() {
  m_bGameEnded = false;
  DeleteContents();
  Host& host = m_app.GetHost();

  // The program needs a display of at least 256 colours.
  m_bTrueColor = FALSE;
  const DisplayCaps caps = host.Caps();
  if (caps.bitsPerPixel < 8) {
    m_app.Frame().MessageBox("Display mode must be set to at least 256 colors", kApplicationTitle, MB_OK);
    m_app.Frame().MessageBox("Terminal Error - quitting application", kApplicationTitle, MB_OK);
    host.GetBackend().ExitProcess(2);
  }
  if (caps.numColors == -1) m_bTrueColor = TRUE;

  m_sprites.SetView(GetView());
  EndTurnState();
  m_app.Frame().Chrome().DismissToolTip();

  if (!IsGameScreen(m_nGameType)) {
    StopCurrentGame();
    RetireGame();
    DeleteContents();
    auto background = std::make_unique<CDIB>();
    background->Load(BackgroundFor(m_nGameType), &host.Resources());
    ChangeBackground(std::move(background));
    UpdateAllViews(kHintBackground);
    // A game's last words do not belong on the title or Hall of Fame screen.
    m_app.SetStatusText(std::string(LoadStringRes(AFX_IDS_IDLEMESSAGE)));
    if (m_nGameType == kScreenHallOfFame) {
      LoadHallOfFame();
      RefreshScores(FALSE);
    }
  } else {
    StartScreen(m_nGameType);
  }
  HoldPlayWhileAway();
  host.Report("screen " + std::to_string(m_nGameType));
  return TRUE;
}

void CQuintaroDoc::StartScreen(int nGameType) {
  Host& host = m_app.GetHost();
  const GameInfo& info = *FindGame(m_games, nGameType);
  StopCurrentGame();
  DeleteContents();
  ResetTurnState();
  m_nGameVariant = info.ClampVariant(m_variants[static_cast<std::size_t>(nGameType)]);
  auto background = std::make_unique<CDIB>();
  background->Load(BackgroundFor(nGameType), &host.Resources());
  ChangeBackground(std::move(background));
  RetireGame();

  m_app.Replays().OnGameStart();
  m_pGame = MakeGame(*this, info);
  if (!m_pGame) {
    UpdateAllViews(kHintSprites);
    m_app.SetStatusText("This game is not available yet.");
    return;
  }
  m_pGame->InitGame(&m_sprites);
  m_pGame->EnableSound(m_bSound);

  if (info.start == GameStart::AtOnce) m_pGame->StartGame();
  UpdateAllViews(kHintSprites);
  if (!info.bScoreboard) return;
  m_pGame->UpdateScoreboard(&m_players, TRUE, m_nCurrentPlayer);
  if (info.bClickPromptAtStart && m_pCurrentPlayer && m_pCurrentPlayer->m_bComputer && m_bFirstComputerTurn)
    m_pGame->SetStatusText(0, kComputerClickPrompt);
}

void CQuintaroDoc::LoadHallOfFame() {
  const FameTable basketball = ReadFameTable(m_app.GetHost().Settings(), kBasketballFame);
  const FameTable bowling = ReadFameTable(m_app.GetHost().Settings(), kBowlingFame);
  for (int i = 0; i < kFameEntries; ++i) {
    m_hallOfFame[static_cast<std::size_t>(i)] = basketball[static_cast<std::size_t>(i)];
    m_hallOfFame[static_cast<std::size_t>(i + kFameEntries)] = bowling[static_cast<std::size_t>(i)];
  }
}

void CQuintaroDoc::DrawHallOfFame() {
  CDC dc(m_app.GetHost());
  dc.SetBkColor(RGB(0, 0, 0));
  dc.SetTextColor(RGB(255, 0, 0));
  dc.SelectFont(true, 16);  // the system font: a bold 16-pixel sans
  for (int r = 0; r < kFameEntries; ++r) {
    const int bottom = 259 + 30 * r;
    const int top = bottom - 22;
    for (int table = 0; table < 2; ++table) {
      const FameEntry& e = m_hallOfFame[static_cast<std::size_t>(r + table * kFameEntries)];
      const int x = table == 0 ? 0 : 271;
      // Long names are cut to what the dialog allows.
      dc.DrawText(std::string(Utf8Prefix(e.name, kMaxPlayerName)), CRect(57 + x, top, 213 + x, bottom),
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE);
      dc.DrawText(std::to_string(e.score), CRect(233 + x, top, 276 + x, bottom),
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
  }
}

std::string CQuintaroDoc::StateJson() const {
  std::ostringstream s;
  s << "{\"screen\":" << m_nGameType << ",\"variant\":" << m_nGameVariant
    << ",\"inProgress\":" << (m_bGameInProgress ? "true" : "false") << ",\"current\":" << m_nCurrentPlayer
    << ",\"lastPlayer\":" << m_nLastPlayer << ",\"players\":[";
  for (int i = 0; i < kSeatCount; ++i) {
    const CPlayer& p = *m_players[static_cast<std::size_t>(i)];
    s << (i ? "," : "") << "{\"name\":" << JsonString(p.m_strName)
      << ",\"computer\":" << (p.m_bComputer ? "true" : "false") << ",\"active\":" << (p.m_bActive ? "true" : "false")
      << ",\"score\":" << p.m_nScore << "}";
  }
  s << "],\"sound\":" << (m_bSound ? "true" : "false") << ",\"game\":" << (m_pGame ? m_pGame->StateJson() : "{}")
    << "}";
  return s.str();
}
