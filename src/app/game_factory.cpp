#include "app/game_factory.h"

#include "app/quintaro_doc.h"
#include "game/game.h"
#include "games/darts/dart.h"

std::unique_ptr<CGame> MakeGame(CQuintaroDoc& doc, int nGameType) {
  if (nGameType == kScreenDarts) return std::make_unique<CDart>(doc.m_nGameVariant);
  return nullptr;
}
