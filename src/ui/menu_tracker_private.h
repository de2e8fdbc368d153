// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A helper the menu tracker's own files share; not for callers.
#include "res/menu_table.h"

// Separators are passed over by the arrows, the mouse and the mnemonics.
inline bool Selectable(const MenuItemDef& item) { return item.kind != MenuItemKind::Separator; }
