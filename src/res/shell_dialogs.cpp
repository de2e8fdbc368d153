// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/shell_dialogs.h"

#include "res/online_dialogs.h"
#include "res/resource_ids.h"
#include "res/statistics_dialog.h"
#include "version_config.h"

namespace {

using K = ControlKind;

// The name and version, what it is, who holds the copyright, the licence,
// and the font whose glyphs draw every text.
constexpr ControlDef kAboutControls[] = {
    {K::Icon, IDC_STATIC, "", 11, 17, 20, 20, 0, IDI_APPLICATION_ICON},
    {K::Static, IDC_STATIC, "Quintaro Games Version " QUINTARO_VERSION, 40, 10, 130, 8, SS_NOPREFIX},
    {K::Static, IDC_STATIC, "Six table-top sports games", 40, 25, 130, 8, SS_NOPREFIX},
    {K::Static, IDC_STATIC, QUINTARO_COPYRIGHT, 40, 40, 130, 8, SS_NOPREFIX},
    {K::Static, IDC_STATIC,
     "Quintaro Games is free software under the GNU General Public License, version 3 or later, "
     "and comes with ABSOLUTELY NO WARRANTY.",
     40, 56, 193, 24, SS_NOPREFIX},
    {K::Static, IDC_STATIC,
     "Its text is drawn with the glyphs of Liberation Sans, under the SIL Open Font License 1.1:", 40, 84, 193, 16,
     SS_NOPREFIX},
    {K::Static, IDC_STATIC, "Digitized data copyright (c) 2010 Google Corporation.", 40, 102, 193, 8, SS_NOPREFIX},
    {K::Static, IDC_STATIC, "Copyright (c) 2012 Red Hat, Inc.", 40, 111, 193, 8, SS_NOPREFIX},
    {K::DefPushButton, IDOK, "OK", 183, 7, 50, 14, WS_GROUP | WS_TABSTOP},
    {K::PushButton, IDC_LICENCES, "&Licences...", 183, 25, 50, 14, WS_TABSTOP},
};

constexpr DialogTemplate kAboutBox{IDD_ABOUTBOX, "About Quintaro", 240, 126, kAboutControls};

constexpr DWORD kPushRadio = BS_PUSHLIKE;
constexpr DWORD kPushCheck = BS_PUSHLIKE | WS_TABSTOP;
constexpr DWORD kEdit = WS_BORDER | WS_TABSTOP;

constexpr ControlDef kPlayersControls[] = {
    {K::GroupBox, IDC_STATIC, "Select Number of Players", 7, 7, 118, 102, 0},
    {K::RadioButton, IDC_ONE_PLAYER, "One Player Game", 23, 19, 85, 16, kPushRadio | WS_GROUP | WS_TABSTOP},
    {K::RadioButton, IDC_TWO_PLAYERS, "Two Player Game", 23, 40, 85, 16, kPushRadio},
    {K::RadioButton, IDC_THREE_PLAYERS, "Three Player Game", 23, 62, 85, 16, kPushRadio},
    {K::RadioButton, IDC_FOUR_PLAYERS, "Four Player Game", 23, 82, 85, 16, kPushRadio},
    {K::GroupBox, IDC_STATIC, "Player Names/Computer Player Selection", 130, 7, 236, 102, WS_GROUP},
    {K::Edit, IDC_NAME1, "", 140, 19, 72, 16, kEdit},
    {K::Edit, IDC_NAME2, "", 140, 40, 72, 16, kEdit},
    {K::Edit, IDC_NAME3, "", 140, 61, 72, 16, kEdit},
    {K::Edit, IDC_NAME4, "", 140, 82, 72, 16, kEdit},
    {K::CheckBox, IDC_COMPUTER1, "Computer Player 1", 218, 19, 80, 16, kPushCheck},
    {K::CheckBox, IDC_COMPUTER2, "Computer Player 2", 218, 40, 80, 16, kPushCheck},
    {K::CheckBox, IDC_COMPUTER3, "Computer Player 3", 218, 61, 80, 16, kPushCheck},
    {K::CheckBox, IDC_COMPUTER4, "Computer Player 4", 218, 82, 80, 16, kPushCheck},
    // Each computer seat's level, beside its check box: greyed until the seat is the computer's.
    {K::PushButton, IDC_LEVEL1, "Game Level", 304, 19, 55, 16, WS_TABSTOP | WS_DISABLED},
    {K::PushButton, IDC_LEVEL2, "Game Level", 304, 40, 55, 16, WS_TABSTOP | WS_DISABLED},
    {K::PushButton, IDC_LEVEL3, "Game Level", 304, 61, 55, 16, WS_TABSTOP | WS_DISABLED},
    {K::PushButton, IDC_LEVEL4, "Game Level", 304, 82, 55, 16, WS_TABSTOP | WS_DISABLED},
    {K::DefPushButton, IDOK, "OK", 124, 117, 50, 14, WS_GROUP | WS_TABSTOP},
    {K::PushButton, IDCANCEL, "Cancel", 200, 117, 50, 14, WS_TABSTOP},
};

constexpr DialogTemplate kPlayers{IDD_PLAYERS, "Select Number of Players", 373, 138, kPlayersControls};

const DialogTemplate* const kShellDialogs[] = {&kAboutBox, &kPlayers, &StatisticsDialogTemplate(),
                                               &PlayOnlineDialogTemplate(), &OnlineLobbyDialogTemplate()};

}  // namespace

const DialogTemplate& AboutBoxTemplate() { return kAboutBox; }
const DialogTemplate& PlayersDialogTemplate() { return kPlayers; }
std::span<const DialogTemplate* const> ShellDialogTemplates() { return kShellDialogs; }
