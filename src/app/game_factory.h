#pragma once
// Constructs the game object of a game screen.
#include <memory>

class CGame;
class CQuintaroDoc;

// The game for screen types 1..6, or null when that game is not built yet.
std::unique_ptr<CGame> MakeGame(CQuintaroDoc& doc, int nGameType);
