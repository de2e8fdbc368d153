#include "app/game_factory.h"

#include "app/quintaro_doc.h"
#include "game/game.h"

std::unique_ptr<CGame> MakeGame(CQuintaroDoc& /*doc*/, int /*nGameType*/) { return nullptr; }
