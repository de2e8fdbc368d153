// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Online rooms: the Game menu's command, its two windows and their controls.
#include "platform/types.h"

inline constexpr UINT ID_GAME_PLAYONLINE = 32950;
inline constexpr UINT IDD_PLAYONLINE = 150;
inline constexpr UINT IDD_ONLINELOBBY = 151;
inline constexpr int IDC_ONLINE_SERVER = 1300;
inline constexpr int IDC_ONLINE_NAME = 1301;
inline constexpr int IDC_ONLINE_CODE = 1302;
inline constexpr int IDC_ONLINE_CREATE = 1303;
inline constexpr int IDC_ONLINE_JOIN = 1304;
inline constexpr int IDC_LOBBY_CODE = 1310;
inline constexpr int IDC_LOBBY_SEAT = 1311;  // seat k is IDC_LOBBY_SEAT + k (four of them)
inline constexpr int IDC_LOBBY_STATUS = 1315;
inline constexpr int IDC_LOBBY_START = 1316;
inline constexpr int IDC_LOBBY_HANDOVER = 1317;
inline constexpr int IDC_LOBBY_LEAVE = 1318;
