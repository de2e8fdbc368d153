// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Statistics window: every player's games played and won, best and
// average result per game, people before the computer seats, with a Reset
// button that asks before it forgets them.
#include <string>
#include <vector>

#include "ui/player_stats.h"
#include "platform/host.h"
#include "ui/modal_script.h"

// The table's rows as shown: game, player, played, won, best, average.
std::vector<std::vector<std::string>> StatisticsRows(const StatsTable& table);

int RunStatisticsBox(Host& host, ModalScript* script);
