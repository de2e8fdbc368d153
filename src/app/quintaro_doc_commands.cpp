// SPDX-License-Identifier: GPL-3.0-or-later
// The document's menu and tool-bar commands: choosing a screen or a game,
// quitting one, the players dialog, the sound switch, and their enabling.
#include "app/language_choice.h"
#include "app/main_frame.h"
#include "app/players_dlg.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/remembered_choices.h"
#include "game/computer_skill_setting.h"
#include "game/game.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/frame_chrome.h"
#include "ui/cmd_ui.h"
#include "ui/message_box.h"

namespace {

constexpr const char* kQuitQuestion = "Do you wish to quit the current game?";
constexpr const char* kQuitCaption = "Quit Game?";

}  // namespace

bool CQuintaroDoc::AskQuitGame() {
  const CGame* asked = m_pGame.get();
  const int screen = m_nGameType;
  const bool yes = m_app.Frame().MessageBox(kQuitQuestion, kQuitCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
  // The answer is about the game that was on screen when it was asked.
  return yes && m_pGame.get() == asked && m_nGameType == screen;
}

bool CQuintaroDoc::MayLeaveGame() {
  // Every way out of a game (Quit Game, Main Window, closing the program)
  // asks the same question, and only while a game is under way.
  return !IsGameScreen(m_nGameType) || !m_bGameInProgress || AskQuitGame();
}

bool CQuintaroDoc::OnCommand(UINT nId) {
  if (ChooseLanguage(m_app.GetHost().Settings(), nId)) {
    // Everything on screen is shown again in the new language.
    m_app.SetStatusText(std::string(LoadStringRes(AFX_IDS_IDLEMESSAGE)));
    m_app.Frame().Chrome().Redraw();
    Host& host = m_app.GetHost();
    if (host.ViewWindow() != HWND_NONE) host.InvalidateWindow(host.ViewWindow());
    return true;
  }
  if (const GameInfo* game = FindGameByCommand(m_games, nId)) {
    m_nGameType = game->nScreen;
    OnNewDocument();
    return true;
  }
  const GameInfo* current = CurrentGameInfo();
  switch (nId) {
    case ID_GAME_QUITGAME:
      if (!IsGameScreen(m_nGameType) || !MayLeaveGame()) return true;
      m_nGameType = kScreenTitle;
      m_bGameInProgress = FALSE;
      OnNewDocument();
      return true;
    case ID_VIEW_MAINWINDOW:
      if (!MayLeaveGame()) return true;
      m_nGameType = kScreenTitle;
      m_bGameInProgress = FALSE;
      OnNewDocument();
      return true;
    case ID_VIEW_HALLOFFAME:
      if (m_nGameType != kScreenTitle && m_nGameType != kScreenHallOfFame) return true;
      m_nGameType = kScreenHallOfFame;
      m_bGameInProgress = FALSE;
      OnNewDocument();
      return true;
    case ID_OPTIONS_NUMBEROFPLAYERS:
      OnNumberOfPlayers();
      return true;
    case ID_OPTIONS_TYPEOFGAME:
      if (current && current->bTypeOfGame && m_pGame) m_pGame->OnTypeOfGame();
      return true;
    case ID_OPTIONS_GAMECONTROLS:
      if (current && current->bGameControls && m_pGame) m_pGame->OnGameControls();
      return true;
    case ID_OPTIONS_SOUND:
      OnSound();
      return true;
    case ID_OPTIONS_SKILL_BEGINNER:
    case ID_OPTIONS_SKILL_CLUB:
    case ID_OPTIONS_SKILL_EXPERT:
      if (IsGameScreen(m_nGameType))
        skill::StoreComputerSkill(m_app.GetHost().Settings(), m_nGameType,
                                  skill::SkillFromStored(static_cast<int>(nId - ID_OPTIONS_SKILL_BEGINNER)));
      return true;
    case ID_EDIT_UNDO:
      if (IsGameScreen(m_nGameType) && m_pGame && m_pGame->CanUndo()) m_pGame->OnUndo();
      return true;
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
      // Documents carry no data: opening one is the same as a new document.
      OnNewDocument();
      return true;
    case ID_FILE_SAVE:
      return true;
    default:
      return false;
  }
}

bool CQuintaroDoc::OnUpdateCommand(CCmdUI& ui) {
  const GameInfo* current = CurrentGameInfo();
  switch (ui.m_nID) {
    case ID_GAME_QUITGAME:
      ui.Enable(IsGameScreen(m_nGameType));
      return true;
    case ID_VIEW_HALLOFFAME:
      ui.Enable(m_nGameType == kScreenTitle || m_nGameType == kScreenHallOfFame);
      return true;
    case ID_OPTIONS_TYPEOFGAME:
      ui.Enable(current && current->bTypeOfGame);
      return true;
    case ID_OPTIONS_GAMECONTROLS:
      ui.Enable(current && current->bGameControls);
      return true;
    case ID_OPTIONS_SOUND:
      ui.Enable(TRUE);
      ui.SetCheck(m_bSound ? 1 : 0);
      return true;
    case ID_OPTIONS_SKILL_BEGINNER:
    case ID_OPTIONS_SKILL_CLUB:
    case ID_OPTIONS_SKILL_EXPERT: {
      const bool onGame = IsGameScreen(m_nGameType);
      const auto level = skill::LoadComputerSkill(m_app.GetHost().Settings(), m_nGameType);
      ui.Enable(onGame);
      ui.SetCheck(onGame && ui.m_nID - ID_OPTIONS_SKILL_BEGINNER == static_cast<UINT>(level) ? 1 : 0);
      return true;
    }
    case ID_OPTIONS_LANGUAGE_DESKTOP:
    case ID_OPTIONS_LANGUAGE_FIRST:
    case ID_OPTIONS_LANGUAGE_FIRST + 1:
    case ID_OPTIONS_LANGUAGE_FIRST + 2:
    case ID_OPTIONS_LANGUAGE_FIRST + 3:
    case ID_OPTIONS_LANGUAGE_FIRST + 4:
      ui.Enable(TRUE);
      ui.SetCheck(ui.m_nID == ChosenLanguageCommand(m_app.GetHost().Settings()) ? 1 : 0);
      return true;
    case ID_EDIT_UNDO:
      ui.Enable(IsGameScreen(m_nGameType) && m_pGame && m_pGame->CanUndo());
      return true;
    default:
      return false;
  }
}

void CQuintaroDoc::OnSound() {
  m_bSound = !m_bSound;
  // Kept at once: a program that is killed, or a web page that is closed,
  // never reaches the save at the end.
  StoreSound();
  if (IsGameScreen(m_nGameType) && m_pGame) m_pGame->EnableSound(m_bSound);
}

void CQuintaroDoc::OnNumberOfPlayers() {
  if (m_bGameInProgress) {
    if (!AskQuitGame()) return;
    m_bGameInProgress = FALSE;
    OnNewDocument();
  } else if (m_bGameEnded) {
    OnNewDocument();  // the final board goes: the seats chosen now play the next game
  }
  CPlayersDlg dlg;
  for (int i = 0; i < kSeatCount; ++i) {
    dlg.m_strName[static_cast<std::size_t>(i)] = m_players[static_cast<std::size_t>(i)]->m_strName;
    dlg.m_bComputer[static_cast<std::size_t>(i)] = m_players[static_cast<std::size_t>(i)]->m_bComputer;
    dlg.m_nLevel[static_cast<std::size_t>(i)] = m_players[static_cast<std::size_t>(i)]->m_nLevel;
  }
  dlg.m_nPlayers = m_nLastPlayer;
  if (AfxDoModal(dlg) == IDOK) {
    for (int i = 0; i < kSeatCount; ++i) {
      CPlayer& p = *m_players[static_cast<std::size_t>(i)];
      p.m_strName = dlg.m_strName[static_cast<std::size_t>(i)];
      p.m_bComputer = dlg.m_bComputer[static_cast<std::size_t>(i)];
      p.m_nLevel = dlg.m_nLevel[static_cast<std::size_t>(i)];
    }
    m_nLastPlayer = dlg.m_nPlayers < 0 ? 0 : (dlg.m_nPlayers > 3 ? 3 : dlg.m_nPlayers);
    for (int i = 0; i < kSeatCount; ++i) m_players[static_cast<std::size_t>(i)]->m_bActive = i <= m_nLastPlayer;
    StoreSeats(m_app.GetHost().Settings(), m_players, m_nLastPlayer);
  }
  RefreshScores(FALSE);
}
