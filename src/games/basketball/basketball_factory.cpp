// Not built yet: the document shows the playfield with a notice.
#include "game/game.h"
#include "game/game_factories.h"

std::unique_ptr<CGame> MakeBasketballGame(const GameContext& /*context*/, int /*nVariant*/) { return nullptr; }
