// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows themselves, visible at compile time so the menu can be built from
// them as constant data. Each game's title outlines and help topic come first,
// then its row names them.

#include "platform/i18n.h"
#include "res/game_rows.h"
#include "res/resource_ids.h"
#include "res/screen_numbers.h"

// Where each game stands on the title picture (602 x 401): a click inside one
// of its outlines starts it.
// The basketball player
inline constexpr POINT kBasketballPlayerOutline[] = {
    {29, 360}, {29, 308}, {40, 291}, {40, 179}, {62, 154}, {117, 154}, {117, 330}, {100, 360}};
// The backboard and the hoop
inline constexpr POINT kBasketballHoopOutline[] = {
    {38, 124}, {38, 56}, {99, 56}, {99, 71}, {134, 71}, {134, 88}, {175, 88}, {175, 105}, {99, 105}, {99, 124}};
// The quarterback
inline constexpr POINT kFootballPlayerOutline[] = {
    {122, 360}, {122, 305}, {133, 296}, {133, 178}, {155, 154}, {221, 154}, {220, 232}, {203, 360}};
// The target board
inline constexpr POINT kFootballTargetOutline[] = {
    {115, 151}, {115, 107}, {220, 107}, {220, 151}};
// The table
inline constexpr POINT kPoolTableOutline[] = {
    {236, 400}, {228, 361}, {274, 271}, {353, 271}, {364, 361}, {356, 400}};
// The table, between its legs
inline constexpr POINT kAirHockeyTableOutline[] = {
    {390, 400}, {388, 379}, {387, 333}, {510, 333}, {523, 365}, {522, 400}, {513, 400}, {504, 379}, {408, 379},
    {399, 400}};
// The darts player
inline constexpr POINT kDartsPlayerOutline[] = {
    {520, 354}, {512, 332}, {491, 332}, {491, 189}, {494, 189}, {500, 171}, {513, 156}, {527, 150}, {535, 149},
    {578, 149}, {566, 153}, {556, 160}, {550, 169}, {535, 169}, {522, 176}, {515, 186}, {515, 189}, {548, 189},
    {557, 198}, {558, 354}};
// The lane and the ball return
inline constexpr POINT kBowlingLaneOutline[] = {
    {228, 183}, {222, 63}, {371, 63}, {371, 112}, {480, 112}, {480, 183}};
// The sign
inline constexpr POINT kBowlingSignOutline[] = {
    {314, 46}, {314, 11}, {472, 11}, {472, 46}};

inline constexpr TitleOutline kAirHockeyTitle[] = {kAirHockeyTableOutline};
inline constexpr TitleOutline kBasketballTitle[] = {kBasketballPlayerOutline, kBasketballHoopOutline};
inline constexpr TitleOutline kBowlingTitle[] = {kBowlingLaneOutline, kBowlingSignOutline};
inline constexpr TitleOutline kDartsTitle[] = {kDartsPlayerOutline};
inline constexpr TitleOutline kFootballTitle[] = {kFootballPlayerOutline, kFootballTargetOutline};
inline constexpr TitleOutline kPoolTitle[] = {kPoolTableOutline};

// How to play each game: its topic in the help, from its heading to the blank
// line before the next.
inline constexpr std::string_view kAirHockeyHelp = R"(# Air Hockey

You play the lower mallet; the computer plays the upper one.

- Click your mallet to start; then move the mouse to move the mallet and strike the puck.
- A click while playing pauses the game; click the mallet again to go on.
- Score by knocking the puck into the goal at the far end. The first side to seven goals wins.

Options > Game Controls sets the Game Speed.

)";
inline constexpr std::string_view kBasketballHelp = R"(# Basketball

Each player shoots four balls at a time at a hoop whose backboard may slide from side to side.

- Click a ball on the rack to pick it up, move it into the shooting zone above the rack and let go. Where you let go sets the aim; how long you held the ball sets the loft.
- Options > Type of Game: Timed (score as much as you can before the clock runs out), Practice, or Play to 40.
- Options > Game Controls sets the Game Time and how often the backboard moves.

Timed scores enter the Hall of Fame.

)";
inline constexpr std::string_view kBowlingHelp = R"(# Bowling

Ten frames of ten-pin bowling for one to four players, scored the usual way with strikes and spares.

- Press the mouse button in the gold approach area at the bottom right, drag up and let go in the RELEASE area. While you hold the button the ball waits at the foul line under the pointer, a dotted guide shows the line it will roll, and the SPEED gauge beside the approach shows how fast it will go.
- Where you let go sets where the ball starts; the slant of the drag turns it (half as much as the drag leans); the time from press to release sets its speed: a quick swing rolls fast. Letting go above the red line at the top of the RELEASE area is a foul and scores 0.
- For a hook, hold Shift (the ball bends left) or Ctrl (it bends right) while you drag. The ball skids first, then curves more and more towards the pins; the longer the key is held (up to 3/4 of a second), the stronger the bend. The guide turns orange and shows the curve.
- The pocket is just right of the head pin (or just left of it): a ball that arrives there at a good speed often strikes. Straight on the head pin tends to leave splits, a thin hit leaves corner pins.

Options > Game Controls (the hook keys do nothing until Spin is set here; the status line says so when they are pressed):
- Spin: how much the hook keys bend the ball (the dialog draws each setting's curve). None (the default) gives no hook at all; Gentle, Strong and Maximum bend a fast ball about 10, 20 and 30 pixels by the pins, a slow one more.
- Pin Interaction: how far struck pins fly and how many others they take down. Light: pins drop near where they stand, strikes are rare. Normal (the default): a good pocket hit strikes about half the time. Lively and Wild: pins fly further, strikes come easier.

The best games enter the Hall of Fame.

)";
inline constexpr std::string_view kDartsHelp = R"(# Darts

Play 301, 501 or Cricket; choose with Options > Type of Game.

- Click a dart in the tray below the board to pick it up. Click the tray again to put it back.
- Press the mouse button in the bar at the bottom of the playing area, sweep the mouse up and let go over the board. Where you let go is where you aim.
- The stroke's speed matters: too quick and the dart lands low, too slow and it lands high. A stroke that leans to one side drifts further that way.
- Each player throws three darts, then the next player steps up.

In 301 and 501 everyone starts at that number and counts down; the first to reach exactly zero wins, and going below zero is a bust that ends the turn and restores the score. In Cricket, hit 15 to 20 and the bull: three marks close a number, and the first player to close all seven wins.

Options > Game Controls sets Velocity (how quick the ideal stroke is), Accuracy (how much a badly timed stroke strays) and Drift (how much a leaning stroke bends).

)";
inline constexpr std::string_view kFootballHelp = R"(# Football

A passing game against a target board with two holes.

- Click a football on the rack to pick it up.
- Press the mouse button inside the small throwing zone, drag up the screen and let go over the board.
- A throw through a hole gains yards. Make ten yards in four downs to keep the ball; reach the goal line for a touchdown worth 7 points.
- The first player to reach the target score wins: 28, 40 or 54 points, chosen with Options > Type of Game.

Options > Game Controls sets Velocity, Accuracy and Drift, as in Darts.

)";
inline constexpr std::string_view kPoolHelp = R"(# Pool

Eight-ball for two players. The first ball pocketed decides who plays solids and who plays stripes; clear your group, then sink the 8-ball.

- Press the mouse button anywhere on the table and drag away from the cue ball, as if drawing back the cue. The cue stick draws back as you drag: the further, the harder the shot (full power at about 140 pixels). In front of the ball the guide runs to the first ball or cushion it meets, with a ghost ball where the cue ball will strike and a short line for the way the struck ball goes.
- Let go to shoot. The cue ball runs from the mouse towards and past the cue ball.
- Spin: click the CUE picture below the table where the cue should strike the ball. Below the centre draws the cue ball back after a full hit, above it follows on, to a side it bends the way off a cushion and throws the struck ball a little; the centre stops it dead. The red dot shows your choice; it goes back to the centre after each shot.
- After a scratch you have the ball in hand: click inside the kitchen at the right end of the table to place the cue ball.
- Before shooting at the 8-ball, click the pocket you are calling.
- Sinking the 8-ball before your group is cleared, or scratching the cue ball when you are on the 8-ball, loses the game.

Options > Game Controls hides the cue stick and the guide, for a plain line toward the pointer.

)";

inline constexpr GameShellRow kGameShellRows[] = {
    // screen, Game > New command, menu item, prompt, settings section,
    //  title outlines, help topic, the topic's place in the help
    {kScreenAirHockey, ID_GAME_NEW_AIRHOCKEY, "&Air Hockey", N_("New Game of Air Hockey"), "AirHockey",
     kAirHockeyTitle, kAirHockeyHelp, 3},
    {kScreenBasketball, ID_GAME_NEW_BASKETBALL, "&Basketball", N_("New Game of Basketball"), "Basketball",
     kBasketballTitle, kBasketballHelp, 5},
    {kScreenBowling, ID_GAME_NEW_BOWLING, "B&owling", N_("New Game of Bowling"), "Bowling",
     kBowlingTitle, kBowlingHelp, 4},
    {kScreenDarts, ID_GAME_NEW_DARTS, "&Darts", N_("New Game of Darts"), "Darts",
     kDartsTitle, kDartsHelp, 1},
    {kScreenFootball, ID_GAME_NEW_FOOTBALL, "&Football", N_("New Game of Football"), "Football",
     kFootballTitle, kFootballHelp, 6},
    {kScreenPool, ID_GAME_NEW_POOL, "&Pool", N_("New Game of Pool"), "Pool",
     kPoolTitle, kPoolHelp, 2},
};
