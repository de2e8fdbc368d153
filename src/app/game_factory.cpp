// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_factory.h"

#include "app/quintaro_doc.h"
#include "game/game.h"
#include "game/game_table.h"

std::unique_ptr<CGame> MakeGame(CQuintaroDoc& doc, const GameInfo& game) {
  if (!game.factory || !doc.GetView()) return nullptr;
  return game.factory(GameContext{doc.Services()}, doc.m_nGameVariant);
}
