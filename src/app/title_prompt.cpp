// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title_prompt.h"

#include "res/game_screens.h"

std::optional<std::string> TitleRegionPrompt(std::span<const GameInfo> games, std::optional<int> nGameType) {
  if (!nGameType) return std::nullopt;
  if (*nGameType == kScreenHallOfFame) return "View the Hall of Fame";
  if (const GameInfo* game = FindGame(games, *nGameType)) return "Play " + std::string(game->pszName);
  return std::nullopt;
}
