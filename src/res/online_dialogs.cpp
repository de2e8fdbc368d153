// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/online_dialogs.h"

#include "res/online_ids.h"
#include "res/resource_ids.h"

namespace {

using K = ControlKind;
constexpr DWORD kEdit = WS_BORDER | WS_TABSTOP;

// Where the server is, who you are, and a room to open or to join by its code.
constexpr ControlDef kPlayOnlineControls[] = {
    {K::Static, IDC_STATIC, "&Server address:", 8, 10, 70, 8, 0},
    {K::Edit, IDC_ONLINE_SERVER, "", 80, 7, 150, 14, kEdit | WS_GROUP},
    {K::Static, IDC_STATIC, "Your &name:", 8, 28, 70, 8, 0},
    {K::Edit, IDC_ONLINE_NAME, "", 80, 25, 90, 14, kEdit},
    {K::DefPushButton, IDC_ONLINE_CREATE, "&Create Room", 8, 48, 80, 14, WS_GROUP | WS_TABSTOP},
    {K::Static, IDC_STATIC, "or join with the room's &code:", 8, 70, 110, 8, 0},
    {K::Edit, IDC_ONLINE_CODE, "", 120, 67, 60, 14, kEdit},
    {K::PushButton, IDC_ONLINE_JOIN, "&Join Room", 185, 67, 45, 14, WS_TABSTOP},
    {K::PushButton, IDCANCEL, "Cancel", 180, 90, 50, 14, WS_GROUP | WS_TABSTOP},
};

// The room's code, its seats and who is there, and what the player may do.
constexpr ControlDef kLobbyControls[] = {
    {K::Static, IDC_LOBBY_CODE, "", 8, 8, 220, 8, SS_NOPREFIX},
    {K::GroupBox, IDC_STATIC, "Seats", 4, 20, 228, 62, 0},
    {K::Static, IDC_LOBBY_SEAT, "", 12, 32, 210, 8, SS_NOPREFIX},
    {K::Static, IDC_LOBBY_SEAT + 1, "", 12, 44, 210, 8, SS_NOPREFIX},
    {K::Static, IDC_LOBBY_SEAT + 2, "", 12, 56, 210, 8, SS_NOPREFIX},
    {K::Static, IDC_LOBBY_SEAT + 3, "", 12, 68, 210, 8, SS_NOPREFIX},
    {K::Static, IDC_LOBBY_STATUS, "", 8, 88, 220, 8, SS_NOPREFIX},
    {K::DefPushButton, IDC_LOBBY_START, "&Start", 4, 102, 50, 14, WS_GROUP | WS_TABSTOP | WS_DISABLED},
    {K::PushButton, IDC_LOBBY_HANDOVER, "&Give Seat to Computer", 58, 102, 90, 14, WS_TABSTOP | WS_DISABLED},
    {K::PushButton, IDC_LOBBY_LEAVE, "&Leave Room", 152, 102, 50, 14, WS_TABSTOP},
    {K::PushButton, IDCANCEL, "Close", 182, 120, 50, 14, WS_TABSTOP},
};

constexpr DialogTemplate kPlayOnline{IDD_PLAYONLINE, "Play Online", 238, 110, kPlayOnlineControls};
constexpr DialogTemplate kLobby{IDD_ONLINELOBBY, "Online Room", 238, 140, kLobbyControls};

}  // namespace

const DialogTemplate& PlayOnlineDialogTemplate() { return kPlayOnline; }
const DialogTemplate& OnlineLobbyDialogTemplate() { return kLobby; }
