// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scoring, clock and turn rules of basketball as functions of plain values:
// the stored settings, when the backboard moves, what a basket is worth,
// when a turn is over and who won.
#include <span>
#include <string>

#include "games/basketball/model/basketball_geometry.h"

namespace basketball {

struct Settings {
  int gameTime = kDefaultGameTime;          // 30, 60 or 90
  int boardPercent = kDefaultBoardPercent;  // 0..4
};

// Stored values are never trusted: the game time snaps to 30, 60 or 90 and
// the backboard setting to 0..4.
Settings ClampSettings(int storedGameTime, int storedBoardPercent);
// The track bar position (1..3) of a game time, and back.
int GameTimeToPos(int gameTime);
int PosToGameTime(int pos);

int ClampVariant(int variant);

// When the backboard starts to move: seconds left (Timed), or points (Play to 40).
int BoardThreshold(int variant, int gameTime, int boardPercent);
// Timed: in the last part of the turn; Practice: only "All of the time";
// Play to 40: from the threshold's points on.
bool IsBackboardMoving(int variant, int threshold, int gameTime, int time, int points);

inline constexpr int kMaxPoints = 99;
inline constexpr int kPlayTo40Target = 40;
inline constexpr int kMaxClock = 99;

// Points after a basket: 2, or 3 while the board moves, never above 99.
int AddBasket(int points, bool boardMoving);
// Play to 40 ends the turn at the first basket that takes it above 40.
bool BasketEndsTurn(int variant, int points);

struct ClockTick {
  int time;
  bool turnOver;
  bool show;  // the clock digits show the new time
};
// One second of a running turn: Timed counts down to 0, the others up to 99.
ClockTick TickClock(int variant, int time);
// Whether a turn runs the clock: always, but in Practice only when several
// seats share the game (each then gets 99 s, as in Play to 40).
bool ClockRuns(int variant, int seats);
// The clock at the start of a turn.
int StartingTime(int variant, int gameTime);
// A finished turn's result: points in Timed, seconds in the other variants.
int TurnResult(int variant, int points, int time);

struct Seat {
  bool active = false;
  int score = 0;
};
struct Winner {
  int seat = -1;  // -1: nobody to announce
  int value = 0;
  const char* word = "";
};
// Timed: the first active seat with the highest score above 0. Play to 40:
// the first active seat with the lowest time. Practice: nobody.
Winner FindWinner(int variant, std::span<const Seat> seats);
// What a Play to 40 game says when every seat ran out of time, and a Timed
// game when nobody scored.
inline constexpr const char* kNobodyReached40 = "Nobody reached 40";
inline constexpr const char* kNobodyScored = "Nobody scored";
// The status line's prompt when a click starts the next turn.
inline constexpr const char* kClickToBegin = "Click left mouse button to begin.";
// "%s is the winner with a %s of %d!"
std::string WinnerMessage(const std::string& name, const Winner& winner);

}  // namespace basketball
