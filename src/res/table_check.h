// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Structure checks of the resource tables. Each returns the problems found,
// one sentence each; an empty list means the table is well formed. Tests run
// them over every table, the game dialogs included.
#include <span>
#include <string>
#include <vector>

#include "res/accel_table.h"
#include "res/dialog_template.h"
#include "res/menu_table.h"

std::vector<std::string> CheckMenu(std::span<const MenuItemDef> bar);
std::vector<std::string> CheckAccelerators(std::span<const AccelDef> table);
// `menu` is the menu whose commands the buttons must also appear in.
std::vector<std::string> CheckToolBar(std::span<const UINT> buttons, int imageCount,
                                      std::span<const MenuItemDef> menu);
std::vector<std::string> CheckDialogTemplate(const DialogTemplate& dialog);
