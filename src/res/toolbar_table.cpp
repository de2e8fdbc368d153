// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/toolbar_table.h"

#include "res/resource_ids.h"

namespace {

constexpr UINT kMainToolBar[] = {
    ID_VIEW_MAINWINDOW,
    ID_SEPARATOR,
    ID_OPTIONS_NUMBEROFPLAYERS,
    ID_OPTIONS_TYPEOFGAME,
    ID_OPTIONS_GAMECONTROLS,
    ID_OPTIONS_SOUND,
    ID_SEPARATOR,
    ID_VIEW_HALLOFFAME,
    ID_GAME_QUITGAME,
    ID_SEPARATOR,
    ID_HELP_FINDER,
};

}  // namespace

std::span<const UINT> MainToolBar() { return kMainToolBar; }
