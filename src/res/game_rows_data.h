// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows themselves, visible at compile time so the menu can be built from
// them as constant data.

#include "platform/i18n.h"
#include "res/game_rows.h"
#include "res/game_screens.h"
#include "res/resource_ids.h"

inline constexpr GameShellRow kGameShellRows[] = {
    {kScreenAirHockey, ID_GAME_NEW_AIRHOCKEY, "&Air Hockey", N_("New Game of Air Hockey"), "AirHockey"},
    {kScreenBasketball, ID_GAME_NEW_BASKETBALL, "&Basketball", N_("New Game of Basketball"), "Basketball"},
    {kScreenBowling, ID_GAME_NEW_BOWLING, "B&owling", N_("New Game of Bowling"), "Bowling"},
    {kScreenDarts, ID_GAME_NEW_DARTS, "&Darts", N_("New Game of Darts"), "Darts"},
    {kScreenFootball, ID_GAME_NEW_FOOTBALL, "&Football", N_("New Game of Football"), "Football"},
    {kScreenPool, ID_GAME_NEW_POOL, "&Pool", N_("New Game of Pool"), "Pool"},
};
