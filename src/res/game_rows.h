// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the shell shows of each game, one row per game: the Game > New item
// and its status-line prompt, the settings section its computer level and
// statistics are kept under, where a click on the title picture starts it
// and its topic in the help. The menu, the string table, the settings, the
// title screen and the help read these rows, so a game with a row can't lack
// any of them. The game table (game/game_table.cpp) names the same screen and
// command; a test checks that the two tables list the same games.
#include <span>
#include <string_view>

#include "platform/rect.h"
#include "platform/types.h"

// One outline on the title picture, its corners in order.
using TitleOutline = std::span<const POINT>;

struct GameShellRow {
  int nScreen;
  UINT nNewCommand;           // the Game > New item
  const char* pszMenuText;    // "&Darts": the item, '&' before its mnemonic
  const char* pszPrompt;      // the status line while the item is highlighted
  const char* pszSection;     // "Darts": where its level and statistics are kept
  std::span<const TitleOutline> titleRegions;  // a click inside one starts the game (none: not on the picture)
  std::string_view helpTopic;  // "# Darts" and how to play, help markup (see ui/help_text.h)
  int nHelpPlace;              // the topics follow one another in the help by this number
};

// The shipped games, in menu order.
std::span<const GameShellRow> GameShellRows();
// The row of a game screen, or null (the title and the Hall of Fame).
const GameShellRow* FindShellRow(int nScreen);
// The row whose Game > New command is `nId`, or null.
const GameShellRow* FindShellRowByCommand(UINT nId);
