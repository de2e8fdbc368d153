// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/accel_table.h"

#include "platform/messages.h"
#include "res/resource_ids.h"

namespace {

constexpr AccelDef kMainAccelerators[] = {
    {FVIRTKEY | FCONTROL, 'N', ID_FILE_NEW},
    {FVIRTKEY | FCONTROL, 'O', ID_FILE_OPEN},
    {FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE},
    {FVIRTKEY | FCONTROL, 'Z', ID_EDIT_UNDO},
    {FVIRTKEY | FALT, VK_BACK, ID_EDIT_UNDO},
    {FVIRTKEY | FCONTROL, 'X', ID_EDIT_CUT},
    {FVIRTKEY | FSHIFT, VK_DELETE, ID_EDIT_CUT},
    {FVIRTKEY | FCONTROL, 'C', ID_EDIT_COPY},
    {FVIRTKEY | FCONTROL, VK_INSERT, ID_EDIT_COPY},
    {FVIRTKEY | FCONTROL, 'V', ID_EDIT_PASTE},
    {FVIRTKEY | FSHIFT, VK_INSERT, ID_EDIT_PASTE},
    {FVIRTKEY, VK_F6, ID_NEXT_PANE},
    {FVIRTKEY | FSHIFT, VK_F6, ID_PREV_PANE},
    {FVIRTKEY | FSHIFT, VK_F1, ID_CONTEXT_HELP},
    {FVIRTKEY, VK_F1, ID_HELP},
    {FVIRTKEY, VK_F11, ID_VIEW_FULLSCREEN},
    {FVIRTKEY | FALT, VK_RETURN, ID_VIEW_FULLSCREEN},
    {FVIRTKEY | FCONTROL, 'Q', ID_APP_EXIT},
#ifdef __EMSCRIPTEN__
    // What a browser leaves to a page (the menus name them there).
    {FVIRTKEY | FALT, 'N', ID_FILE_NEW},
    {FVIRTKEY | FALT, 'Q', ID_APP_EXIT},
#endif
    // No game takes a letter key: M is free in every game.
    {FVIRTKEY, 'M', ID_OPTIONS_SOUND},
};

}  // namespace

std::span<const AccelDef> MainAccelerators() { return kMainAccelerators; }
