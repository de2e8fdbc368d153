// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the status line says while the pointer is over a scene of the title
// screen, so the screen explains itself ("Play Darts").
#include <optional>
#include <span>
#include <string>

#include "game/game_table.h"

// The prompt for the region that opens screen `nGameType`; nullopt for none.
std::optional<std::string> TitleRegionPrompt(std::span<const GameInfo> games, std::optional<int> nGameType);
