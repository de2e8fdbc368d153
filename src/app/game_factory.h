// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Constructs the game object of a game screen.
#include <memory>

class CGame;
class CQuintaroDoc;
struct GameInfo;

// The game of a row of the game table, or null when that game is not built yet.
std::unique_ptr<CGame> MakeGame(CQuintaroDoc& doc, const GameInfo& game);
