// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu as data: the menu bar draws it, the tracker walks it, a test
// checks its structure. Texts carry '&' before the mnemonic letter and '\t'
// before the accelerator text.
#include <span>

#include "platform/types.h"

enum class MenuItemKind { Command, Separator, Popup };

struct MenuItemDef {
  MenuItemKind kind = MenuItemKind::Command;
  const char* text = "";
  UINT id = 0;                          // commands only
  std::span<const MenuItemDef> items{};  // popups only
};

// Menu 128: the bar's top-level popups in order.
std::span<const MenuItemDef> MainMenu();
