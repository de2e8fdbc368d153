// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing the menu bar and its popups.
#include <span>
#include <vector>

#include "platform/surface.h"
#include "res/menu_table.h"
#include "ui/cmd_ui.h"
#include "ui/menu_layout.h"

// The bar over `barRect`; item `highlighted` (or -1) in the selection colours.
void DrawMenuBar(SurfaceView surface, const CRect& barRect, std::span<const MenuItemDef> bar,
                 const std::vector<CRect>& itemRects, int highlighted);
// A popup window into `out` (resized to the layout); `states` holds each
// item's enabling and check mark; `selected` is highlighted (or -1).
void DrawPopup(Surface32& out, std::span<const MenuItemDef> items, const PopupLayout& layout,
               const std::vector<CCmdUI>& states, int selected);
