// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_text.h"

#include <algorithm>
#include <string>
#include <vector>

#include "res/browser_keys.h"
#include "res/game_rows.h"

namespace {

// What comes before the games' topics (the program and its players), and
// what follows them (the Hall of Fame, the menus and keys). Each game's own
// topic is in its row.
constexpr std::string_view kIntro = R"(# Quintaro Games

Six table-top sports games in one window: Air Hockey, Basketball, Bowling, Darts, Football and Pool. One to four people share the mouse and take turns, and any seat can be played by the computer.

To start a game, click its picture on the title screen, or choose Game > New and pick a game (this ends any game on the table without a question). The status line at the bottom of the window tells you what the game expects next.

## Players

Options > Number of Players sets how many seats take part (one to four), the players' names (up to 20 letters each) and which seats the computer plays. The box beside each computer seat sets its level: a click steps it through Game Level (the level Options > Computer Skill sets for the game; Beginner unless changed), Beginner, Club and Expert, so a Beginner and an Expert can sit at one table. When the first player of a game is a computer, the status line says "Click mouse to start computer player!": click anywhere in the playing area to let it begin. Press Esc to stop a computer turn or a shot in progress; the game then starts afresh.

Air Hockey is always you against the computer, and Pool is always played by the first two seats.

)";

constexpr std::string_view kShell = R"(# Hall of Fame

View > Hall of Fame (from the title screen) shows the five best Basketball and Bowling results. View > Main Window returns to the title screen.

# Menus and keys

- Game > New and a game's name ends the game on the table at once, without a question, and starts that game. Ctrl+N starts the current screen afresh, also without a question.
- Game > Quit Game goes back to the title screen; if a game is under way it first asks "Do you wish to quit the current game?". Game > Exit closes the program at once.
- Options > Number of Players asks the same question while a game is under way; answering Yes starts that game afresh before the dialog opens.
- Options > Type of Game (Darts, Basketball and Football) asks it too while a game is under way, then opens on the kind being played; OK starts a new game of the chosen kind, Cancel leaves things as they were.
- Options > Game Controls changes the controls without ending the game. Options > Sound turns sound on and off (a tick shows it is on).
- View > Hall of Fame is offered on the title screen only. View > Main Window goes back to the title screen; from a game it always asks first. View > Toolbar shows or hides the tool bar.
- View > Zoom draws the window 1, 2, 3 or 4 times as large, or as large as the screen allows (Fit). View > Full Screen (F11 or Alt+Enter) fills the screen and goes back. The window can also be resized or maximised: the picture always takes the largest whole zoom that fits. Zoom, full screen and the players are remembered for the next start.
- Help > Help Topics, About Quintaro.
- F1 opens this help. Esc closes it; the arrow keys, Page Up, Page Down and the mouse wheel scroll it.
- Alt, or Alt with the underlined letter, opens the menus from the keyboard.
)";

// The games' topics in their places, between the two.
std::string Compose() {
  std::vector<const GameShellRow*> rows;
  for (const GameShellRow& row : GameShellRows()) rows.push_back(&row);
  // (The page's library has no ranges::stable_sort.)
  std::stable_sort(rows.begin(), rows.end(),
                   [](const GameShellRow* a, const GameShellRow* b) { return a->nHelpPlace < b->nHelpPlace; });
  std::string text(kIntro);
  for (const GameShellRow* row : rows) text += row->helpTopic;
  text += kShell;
  return text;
}

}  // namespace

// In a web page: the keys the browser leaves to the page.
static std::string BrowserHelp() {
  std::string text = Compose();
  const std::string_view from = "Ctrl+N starts", to = "Alt+N starts";
  if (const auto at = text.find(from); at != std::string::npos) text.replace(at, from.size(), to);
  text += "- In a web browser the browser keeps Ctrl+N, Ctrl+W and Ctrl+Q for itself: here Alt+N starts the "
          "current screen afresh and Alt+Q ends the program.\n";
  return text;
}

std::string_view HelpText() {
  static const std::string text = kBrowserKeys ? BrowserHelp() : Compose();
  return text;
}
