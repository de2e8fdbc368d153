// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a game is handed when it is built: the services of the program it
// plays in. They outlive the game, so a game never needs a fall-back.
class GameServices;

struct GameContext {
  GameServices& services;
};
