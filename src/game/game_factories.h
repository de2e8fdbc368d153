// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each game's factory, defined in its own folder under src/games/. A game
// that is not built yet returns null; the document then shows its playfield
// with a notice.
#include <memory>

#include "game/game_context.h"

class CGame;

std::unique_ptr<CGame> MakeAirHockeyGame(const GameContext& context, int nVariant);
std::unique_ptr<CGame> MakeBasketballGame(const GameContext& context, int nVariant);
std::unique_ptr<CGame> MakeBowlingGame(const GameContext& context, int nVariant);
std::unique_ptr<CGame> MakeDartsGame(const GameContext& context, int nVariant);
std::unique_ptr<CGame> MakeFootballGame(const GameContext& context, int nVariant);
std::unique_ptr<CGame> MakePoolGame(const GameContext& context, int nVariant);
