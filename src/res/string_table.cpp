// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/string_table.h"

#include "platform/i18n.h"
#include "res/game_rows.h"
#include "res/resource_ids.h"
#include "res/online_ids.h"
#include "res/replay_ids.h"
#include "res/statistics_ids.h"

namespace {

constexpr StringDef kStrings[] = {
    {IDS_DOCUMENT_TEMPLATE,
     "Quintaro Games\n\nQuintaro\nQuintaro Files (*.qtp)\n.QTP\nQuintaro.Document\nQuintaro Document"},
    {AFX_IDS_APP_TITLE, "Quintaro"},
    {AFX_IDS_IDLEMESSAGE, "For Help, press F1"},
    {AFX_IDP_PARSE_STRING_SIZE, "Please enter no more than %1 characters."},
    {ID_GAME_STATISTICS, "Show each player's games played and won, best and average\nStatistics"},
    {ID_VIEW_HALLOFFAME, "View Hall of Fame Top Scores\nView Hall of Fame"},
    {ID_OPTIONS_GAMECONTROLS, "Game control modifications\nGame Controls"},
    {ID_OPTIONS_TYPEOFGAME, "Type of game.... such as Darts 301\nType of Game"},
    {ID_OPTIONS_NUMBEROFPLAYERS, "Number and Type of Players\nNumber of players"},
    {ID_OPTIONS_SOUND, "Sound On/Off\nSound On\\Off"},
    {ID_VIEW_MAINWINDOW, "View Main Window\nView Main Window"},
    {ID_GAME_QUITGAME, "Quit current game\nQuit"},
    {ID_GAME_SAVEREPLAY, "Save the game on screen as a replay to watch again\nSave Replay"},
    {ID_GAME_OPENREPLAY, "Watch the last replay saved\nOpen Replay"},
    {ID_GAME_PLAYONLINE, "Play with people on other machines, in a room on a server\nPlay Online"},
    {ID_OPTIONS_SKILL_BEGINNER, "The computer players of this game play as beginners\nBeginner"},
    {ID_OPTIONS_SKILL_CLUB, "The computer players of this game play as club players\nClub"},
    {ID_OPTIONS_SKILL_EXPERT, "The computer players of this game play as experts\nExpert"},
    {ID_OPTIONS_LANGUAGE_DESKTOP, "Show the program in the desktop's language\nSame as the Desktop"},
    {ID_OPTIONS_LANGUAGE_FIRST, "Show the program in English\nEnglish"},
    {ID_OPTIONS_LANGUAGE_FIRST + 1, "Show the program in German\nDeutsch"},
    {ID_OPTIONS_LANGUAGE_FIRST + 2, "Show the program in Spanish\nEspañol"},
    {ID_OPTIONS_LANGUAGE_FIRST + 3, "Show the program in French\nFrançais"},
    {ID_OPTIONS_LANGUAGE_FIRST + 4, "Show the program in Hebrew\nעברית"},
    {ID_EDIT_UNDO, "Take back the last dart of the turn\nUndo"},
    // The framework's commands in the menu.
    {ID_APP_EXIT, "Leave Quintaro Games\nExit"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle Toolbar"},
    {ID_VIEW_ZOOM_1X, "Show the window at its own size\nZoom 1x"},
    {ID_VIEW_ZOOM_2X, "Show the window twice as large\nZoom 2x"},
    {ID_VIEW_ZOOM_3X, "Show the window three times as large\nZoom 3x"},
    {ID_VIEW_ZOOM_4X, "Show the window four times as large\nZoom 4x"},
    {ID_VIEW_ZOOM_FIT, "Show the window as large as the screen allows\nZoom to Fit"},
    {ID_VIEW_FULLSCREEN, "Fill the screen with the game, or go back to a window\nFull Screen"},
    {ID_HELP_FINDER, "Show how to play and how to use the menus\nHelp Topics"},
    {ID_APP_ABOUT, "Show the program's name and version\nAbout"},
    {ID_HELP, "Show how to play and how to use the menus\nHelp"},
    {ID_CONTEXT_HELP, "Show how to play and how to use the menus\nHelp"},
    {ID_FILE_NEW, "Start the current screen afresh\nNew"},
};

std::string_view Field(std::string_view text, bool tip) {
  const std::size_t br = text.find('\n');
  if (br == std::string_view::npos) return tip ? std::string_view{} : text;
  return tip ? text.substr(br + 1) : text.substr(0, br);
}

}  // namespace

std::span<const StringDef> StringTable() { return kStrings; }

std::string_view LoadStringRes(UINT id) {
  // A game's New item is prompted from the game's row.
  if (const GameShellRow* game = FindShellRowByCommand(id)) return Tr(game->pszPrompt);
  for (const StringDef& s : kStrings) {
    if (s.id == id) return Tr(s.text);
  }
  return {};
}

std::string_view CommandPrompt(UINT id) { return Field(LoadStringRes(id), false); }
std::string_view CommandTip(UINT id) { return Field(LoadStringRes(id), true); }
