// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Game menu's replay commands.
#include "platform/types.h"

inline constexpr UINT ID_GAME_SAVEREPLAY = 32940;
inline constexpr UINT ID_GAME_OPENREPLAY = 32941;
