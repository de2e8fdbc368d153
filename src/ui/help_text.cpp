// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_text.h"

#include <string>

#include "res/browser_keys.h"

namespace {

constexpr std::string_view kHelp = R"(# Quintaro Games

Six table-top sports games in one window: Air Hockey, Basketball, Bowling, Darts, Football and Pool. One to four people share the mouse and take turns, and any seat can be played by the computer.

To start a game, click its picture on the title screen, or choose Game > New and pick a game (this ends any game on the table without a question). The status line at the bottom of the window tells you what the game expects next.

## Players

Options > Number of Players sets how many seats take part (one to four), the players' names (up to 20 letters each) and which seats the computer plays. The box beside each computer seat sets its level: a click steps it through Game Level (the level Options > Computer Skill sets for the game; Beginner unless changed), Beginner, Club and Expert, so a Beginner and an Expert can sit at one table. When the first player of a game is a computer, the status line says "Click mouse to start computer player!": click anywhere in the playing area to let it begin. Press Esc to stop a computer turn or a shot in progress; the game then starts afresh.

Air Hockey is always you against the computer, and Pool is always played by the first two seats.

# Darts

Play 301, 501 or Cricket; choose with Options > Type of Game.

- Click a dart in the tray below the board to pick it up. Click the tray again to put it back.
- Press the mouse button in the bar at the bottom of the playing area, sweep the mouse up and let go over the board. Where you let go is where you aim.
- The stroke's speed matters: too quick and the dart lands low, too slow and it lands high. A stroke that leans to one side drifts further that way.
- Each player throws three darts, then the next player steps up.

In 301 and 501 everyone starts at that number and counts down; the first to reach exactly zero wins, and going below zero is a bust that ends the turn and restores the score. In Cricket, hit 15 to 20 and the bull: three marks close a number, and the first player to close all seven wins.

Options > Game Controls sets Velocity (how quick the ideal stroke is), Accuracy (how much a badly timed stroke strays) and Drift (how much a leaning stroke bends).

# Pool

Eight-ball for two players. The first ball pocketed decides who plays solids and who plays stripes; clear your group, then sink the 8-ball.

- Press the mouse button anywhere on the table and drag away from the cue ball, as if drawing back the cue. The cue stick draws back as you drag: the further, the harder the shot (full power at about 140 pixels). In front of the ball the guide runs to the first ball or cushion it meets, with a ghost ball where the cue ball will strike and a short line for the way the struck ball goes.
- Let go to shoot. The cue ball runs from the mouse towards and past the cue ball.
- Spin: click the CUE picture below the table where the cue should strike the ball. Below the centre draws the cue ball back after a full hit, above it follows on, to a side it bends the way off a cushion and throws the struck ball a little; the centre stops it dead. The red dot shows your choice; it goes back to the centre after each shot.
- After a scratch you have the ball in hand: click inside the kitchen at the right end of the table to place the cue ball.
- Before shooting at the 8-ball, click the pocket you are calling.
- Sinking the 8-ball before your group is cleared, or scratching the cue ball when you are on the 8-ball, loses the game.

Options > Game Controls hides the cue stick and the guide, for a plain line toward the pointer.

# Air Hockey

You play the lower mallet; the computer plays the upper one.

- Click your mallet to start; then move the mouse to move the mallet and strike the puck.
- A click while playing pauses the game; click the mallet again to go on.
- Score by knocking the puck into the goal at the far end. The first side to seven goals wins.

Options > Game Controls sets the Game Speed.

# Bowling

Ten frames of ten-pin bowling for one to four players, scored the usual way with strikes and spares.

- Press the mouse button in the gold approach area at the bottom right, drag up and let go in the RELEASE area. While you hold the button the ball waits at the foul line under the pointer, a dotted guide shows the line it will roll, and the SPEED gauge beside the approach shows how fast it will go.
- Where you let go sets where the ball starts; the slant of the drag turns it (half as much as the drag leans); the time from press to release sets its speed: a quick swing rolls fast. Letting go above the red line at the top of the RELEASE area is a foul and scores 0.
- For a hook, hold Shift (the ball bends left) or Ctrl (it bends right) while you drag. The ball skids first, then curves more and more towards the pins; the longer the key is held (up to 3/4 of a second), the stronger the bend. The guide turns orange and shows the curve.
- The pocket is just right of the head pin (or just left of it): a ball that arrives there at a good speed often strikes. Straight on the head pin tends to leave splits, a thin hit leaves corner pins.

Options > Game Controls (the hook keys do nothing until Spin is set here; the status line says so when they are pressed):
- Spin: how much the hook keys bend the ball (the dialog draws each setting's curve). None (the default) gives no hook at all; Gentle, Strong and Maximum bend a fast ball about 10, 20 and 30 pixels by the pins, a slow one more.
- Pin Interaction: how far struck pins fly and how many others they take down. Light: pins drop near where they stand, strikes are rare. Normal (the default): a good pocket hit strikes about half the time. Lively and Wild: pins fly further, strikes come easier.

The best games enter the Hall of Fame.

# Basketball

Each player shoots four balls at a time at a hoop whose backboard may slide from side to side.

- Click a ball on the rack to pick it up, move it into the shooting zone above the rack and let go. Where you let go sets the aim; how long you held the ball sets the loft.
- Options > Type of Game: Timed (score as much as you can before the clock runs out), Practice, or Play to 40.
- Options > Game Controls sets the Game Time and how often the backboard moves.

Timed scores enter the Hall of Fame.

# Football

A passing game against a target board with two holes.

- Click a football on the rack to pick it up.
- Press the mouse button inside the small throwing zone, drag up the screen and let go over the board.
- A throw through a hole gains yards. Make ten yards in four downs to keep the ball; reach the goal line for a touchdown worth 7 points.
- The first player to reach the target score wins: 28, 40 or 54 points, chosen with Options > Type of Game.

Options > Game Controls sets Velocity, Accuracy and Drift, as in Darts.

# Hall of Fame

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

}  // namespace

// In a web page: the keys the browser leaves to the page.
static std::string BrowserHelp() {
  std::string text(kHelp);
  const std::string_view from = "Ctrl+N starts", to = "Alt+N starts";
  if (const auto at = text.find(from); at != std::string::npos) text.replace(at, from.size(), to);
  text += "- In a web browser the browser keeps Ctrl+N, Ctrl+W and Ctrl+Q for itself: here Alt+N starts the "
          "current screen afresh and Alt+Q ends the program.\n";
  return text;
}

std::string_view HelpText() {
  if constexpr (!kBrowserKeys) return kHelp;
  static const std::string text = BrowserHelp();
  return text;
}
