// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers of the screens the document can show: the title, the six games
// and the Hall of Fame. Saved scripts and resume records use these numbers.
// A new game's number comes after the Hall of Fame's, beside its row in
// res/game_rows_data.h.

enum : int {
  kScreenTitle = 0,
  kScreenAirHockey = 1,
  kScreenBasketball = 2,
  kScreenBowling = 3,
  kScreenDarts = 4,
  kScreenFootball = 5,
  kScreenPool = 6,
  kScreenHallOfFame = 7,
};
