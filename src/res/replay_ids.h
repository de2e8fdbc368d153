// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Game menu's replay commands.
#include "platform/types.h"

inline constexpr UINT ID_GAME_SAVEREPLAY = 32940;
inline constexpr UINT ID_GAME_OPENREPLAY = 32941;

// Game > Open Replay's chooser: a page of replays, newest first, one per row.
inline constexpr UINT IDD_OPENREPLAY = 146;
inline constexpr int IDC_REPLAY_ROW = 1200;  // rows IDC_REPLAY_ROW .. + kReplayRows - 1
inline constexpr int kReplayRows = 8;
inline constexpr int IDC_REPLAY_PAGE = 1210;
inline constexpr int IDC_REPLAY_NEWER = 1211;
inline constexpr int IDC_REPLAY_OLDER = 1212;
