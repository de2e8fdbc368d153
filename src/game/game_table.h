// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row per game: everything the document, the view and the factory need
// to know about a game without knowing the game itself. Adding a game means
// a folder under src/games/, a folder under assets/ and one row here.
#include <array>
#include <memory>
#include <span>

#include "game/game_context.h"
#include "res/game_screens.h"
#include "platform/types.h"

class CGame;

using GameFactory = std::unique_ptr<CGame> (*)(const GameContext& context, int nVariant);

enum class GameStart {
  OnFirstInput,  // the game waits for the player
  AtOnce,        // the document starts it as soon as its scene is built (Air Hockey)
};

inline constexpr int kMaxVariants = 3;

struct GameInfo {
  int nScreen;
  UINT nNewCommand;                           // the Game > New item
  const char* pszName;                        // "Darts"
  std::array<UINT, kMaxVariants> backgrounds; // playfield bitmap by variant
  int nVariants;                              // 1 when the game has no Type Of Game
  bool bGameControls;                         // offers Options > Game Controls
  bool bTypeOfGame;                           // offers Options > Type Of Game
  GameStart start;
  bool bScoreboard;                           // draws a score display after the scene
  bool bClickPromptAtStart;                   // the document asks for a click when a computer opens
  bool bTakesButtonUp;                        // the view passes left-button releases on
  GameFactory factory;
  bool bRealTime = false;                     // plays on by the clock: stands still while the window is away

  UINT BackgroundFor(int nVariant) const;
  int ClampVariant(int nVariant) const;
};

// The shipped games, in screen order.
std::span<const GameInfo> GameTable();
// The row of a game screen in `table`, or null (title and Hall of Fame).
const GameInfo* FindGame(std::span<const GameInfo> table, int nScreen);
// The row whose Game > New command is `nId`, or null.
const GameInfo* FindGameByCommand(std::span<const GameInfo> table, UINT nId);
