// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/menu_table.h"

#include <array>
#include <iterator>

#include "res/browser_keys.h"
#include "res/game_rows_data.h"
#include "res/resource_ids.h"
#include "res/online_ids.h"
#include "res/replay_ids.h"
#include "res/statistics_ids.h"

namespace {

constexpr MenuItemDef Cmd(const char* text, UINT id) { return {MenuItemKind::Command, text, id, {}}; }
constexpr MenuItemDef Sep() { return {MenuItemKind::Separator, "", 0, {}}; }
constexpr MenuItemDef Pop(const char* text, std::span<const MenuItemDef> items) {
  return {MenuItemKind::Popup, text, 0, items};
}

// Game > New: one item per game, from the games' rows.
constexpr auto kNewGame = [] {
  std::array<MenuItemDef, std::size(kGameShellRows)> items{};
  for (std::size_t i = 0; i < items.size(); ++i)
    items[i] = Cmd(kGameShellRows[i].pszMenuText, kGameShellRows[i].nNewCommand);
  return items;
}();

constexpr MenuItemDef kGame[] = {
    Pop(kBrowserKeys ? "&New\tAlt+N" : "&New\tCtrl+N", kNewGame),
    Cmd("&Quit Game", ID_GAME_QUITGAME),
    Sep(),
    Cmd("&Statistics...", ID_GAME_STATISTICS),
    Sep(),
    Cmd("Save &Replay...", ID_GAME_SAVEREPLAY),
    Cmd("&Open Replay...", ID_GAME_OPENREPLAY),
    Sep(),
    Cmd("Play On&line...", ID_GAME_PLAYONLINE),
    Sep(),
    Cmd(kBrowserKeys ? "E&xit\tAlt+Q" : "E&xit\tCtrl+Q", ID_APP_EXIT),
};

constexpr MenuItemDef kEdit[] = {
    Cmd("&Undo\tCtrl+Z", ID_EDIT_UNDO),
};

constexpr MenuItemDef kSkill[] = {
    Cmd("&Beginner", ID_OPTIONS_SKILL_BEGINNER),
    Cmd("&Club", ID_OPTIONS_SKILL_CLUB),
    Cmd("&Expert", ID_OPTIONS_SKILL_EXPERT),
};

// Each language by its own name, whatever the language in use.
constexpr MenuItemDef kLanguage[] = {
    Cmd("&Same as the Desktop", ID_OPTIONS_LANGUAGE_DESKTOP),
    Sep(),
    Cmd("&English", ID_OPTIONS_LANGUAGE_FIRST),
    Cmd("&Deutsch", ID_OPTIONS_LANGUAGE_FIRST + 1),
    Cmd("Es&pañol", ID_OPTIONS_LANGUAGE_FIRST + 2),
    Cmd("&Français", ID_OPTIONS_LANGUAGE_FIRST + 3),
    Cmd("&Hebrew (עברית)", ID_OPTIONS_LANGUAGE_FIRST + 4),
};

constexpr MenuItemDef kOptions[] = {
    Cmd("&Number of Players...", ID_OPTIONS_NUMBEROFPLAYERS),
    Cmd("&Type of Game...", ID_OPTIONS_TYPEOFGAME),
    Sep(),
    Cmd("&Game Controls...", ID_OPTIONS_GAMECONTROLS),
    Pop("Computer S&kill", kSkill),
    Sep(),
    Cmd("&Sound\tM", ID_OPTIONS_SOUND),
    Pop("&Language", kLanguage),
};

constexpr MenuItemDef kZoom[] = {
    Cmd("&1x", ID_VIEW_ZOOM_1X), Cmd("&2x", ID_VIEW_ZOOM_2X), Cmd("&3x", ID_VIEW_ZOOM_3X),
    Cmd("&4x", ID_VIEW_ZOOM_4X), Cmd("&Fit", ID_VIEW_ZOOM_FIT),
};

constexpr MenuItemDef kView[] = {
    Cmd("&Hall of Fame", ID_VIEW_HALLOFFAME),
    Cmd("&Main Window", ID_VIEW_MAINWINDOW),
    Cmd("&Toolbar", ID_VIEW_TOOLBAR),
    Sep(),
    Pop("&Zoom", kZoom),
    Cmd("&Full Screen\tF11", ID_VIEW_FULLSCREEN),
};

constexpr MenuItemDef kHelp[] = {
    Cmd("&Help Topics", ID_HELP_FINDER),
    Sep(),
    Cmd("&About Quintaro...", ID_APP_ABOUT),
};

constexpr MenuItemDef kMainMenu[] = {
    Pop("&Game", kGame),
    Pop("&Edit", kEdit),
    Pop("&Options", kOptions),
    Pop("&View", kView),
    Pop("&Help", kHelp),
};

}  // namespace

std::span<const MenuItemDef> MainMenu() { return kMainMenu; }
