// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screens the document can show: the title, the six games and the Hall
// of Fame. Saved scripts and the title-screen regions use these numbers.

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

inline constexpr int kScreenCount = 8;
