// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Statistics window: its command, its dialog and its controls.
#include "platform/types.h"

inline constexpr UINT ID_GAME_STATISTICS = 32920;
inline constexpr UINT IDD_STATISTICS = 140;
inline constexpr int IDC_STATS_RESET = 1030;
// The table's cells: row r, column c is IDC_STATS_CELL + r * kStatsColumns + c
// (row 0 is the heading).
inline constexpr int IDC_STATS_CELL = 1100;
inline constexpr int IDC_STATS_MORE = 1099;
inline constexpr int kStatsColumns = 6;
inline constexpr int kStatsRows = 11;  // the heading and ten players
