// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/table_check.h"

#include <cctype>
#include <set>
#include <string_view>

#include "res/string_table.h"
#include "res/toolbar_table.h"

namespace {

std::string Quote(const char* text) { return std::string("\"") + text + "\""; }

// The mnemonic letter of a menu or control text, upper-cased; 0 when none.
char Mnemonic(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') { ++i; continue; }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
  }
  return 0;
}

void CollectCommands(std::span<const MenuItemDef> items, std::vector<UINT>& out) {
  for (const MenuItemDef& item : items) {
    if (item.kind == MenuItemKind::Command) out.push_back(item.id);
    if (item.kind == MenuItemKind::Popup) CollectCommands(item.items, out);
  }
}

void CheckPopup(std::span<const MenuItemDef> items, const std::string& where, int depth,
                std::vector<std::string>& problems) {
  if (items.empty()) problems.push_back(where + " is empty");
  if (depth > 2) problems.push_back(where + " nests too deeply");
  std::set<char> mnemonics;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuItemDef& item = items[i];
    if (item.kind == MenuItemKind::Separator) {
      if (i == 0 || i + 1 == items.size()) problems.push_back(where + " starts or ends with a separator");
      else if (items[i - 1].kind == MenuItemKind::Separator) problems.push_back(where + " has two separators in a row");
      continue;
    }
    const std::string name = where + " > " + Quote(item.text);
    const std::string_view text(item.text);
    if (text.empty() || text.front() == '\t') problems.push_back(where + " has an item without text");
    const char m = Mnemonic(text);
    if (m == 0) problems.push_back(name + " has no mnemonic");
    else if (!mnemonics.insert(m).second) problems.push_back(name + " repeats mnemonic " + std::string(1, m));
    if (item.kind == MenuItemKind::Popup) {
      if (item.id != 0) problems.push_back(name + " is a popup with a command id");
      CheckPopup(item.items, name, depth + 1, problems);
    } else {
      if (item.id == 0) problems.push_back(name + " has no command id");
      if (!item.items.empty()) problems.push_back(name + " is a command with sub-items");
      if (CommandPrompt(item.id).empty()) problems.push_back(name + " has no status-line prompt");
    }
  }
}

}  // namespace

std::vector<std::string> CheckMenu(std::span<const MenuItemDef> bar) {
  std::vector<std::string> problems;
  std::set<char> mnemonics;
  for (const MenuItemDef& top : bar) {
    if (top.kind != MenuItemKind::Popup) {
      problems.push_back("menu bar item " + Quote(top.text) + " is not a popup");
      continue;
    }
    const char m = Mnemonic(top.text);
    if (m == 0) problems.push_back("menu bar item " + Quote(top.text) + " has no mnemonic");
    else if (!mnemonics.insert(m).second) problems.push_back("menu bar repeats mnemonic " + std::string(1, m));
    CheckPopup(top.items, Quote(top.text), 1, problems);
  }
  std::vector<UINT> ids;
  CollectCommands(bar, ids);
  std::set<UINT> seen;
  for (UINT id : ids) {
    if (!seen.insert(id).second) problems.push_back("command " + std::to_string(id) + " appears twice in the menu");
  }
  return problems;
}

std::vector<std::string> CheckAccelerators(std::span<const AccelDef> table) {
  std::vector<std::string> problems;
  std::set<std::pair<int, UINT>> keys;
  for (const AccelDef& a : table) {
    const std::string name = "accelerator " + std::to_string(a.key) + "/" + std::to_string(a.fVirt);
    if (!(a.fVirt & FVIRTKEY)) problems.push_back(name + " is not a virtual key");
    if (a.cmd == 0) problems.push_back(name + " has no command");
    if (a.key == 0 || a.key > 0xFE) problems.push_back(name + " has an impossible key code");
    const int mods = a.fVirt & (FSHIFT | FCONTROL | FALT);
    if (!keys.insert({mods, a.key}).second) problems.push_back(name + " is defined twice");
  }
  return problems;
}

std::vector<std::string> CheckToolBar(std::span<const UINT> buttons, int imageCount,
                                      std::span<const MenuItemDef> menu) {
  std::vector<std::string> problems;
  std::vector<UINT> menuIds;
  CollectCommands(menu, menuIds);
  const std::set<UINT> inMenu(menuIds.begin(), menuIds.end());
  std::set<UINT> seen;
  int images = 0;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const UINT id = buttons[i];
    if (id == ID_SEPARATOR) {
      if (i == 0 || i + 1 == buttons.size() || buttons[i - 1] == ID_SEPARATOR)
        problems.push_back("tool bar separator at " + std::to_string(i) + " is misplaced");
      continue;
    }
    ++images;
    const std::string name = "tool bar button " + std::to_string(id);
    if (!seen.insert(id).second) problems.push_back(name + " appears twice");
    if (!inMenu.count(id)) problems.push_back(name + " is not in the menu");
    if (CommandTip(id).empty()) problems.push_back(name + " has no tool tip");
    if (CommandPrompt(id).empty()) problems.push_back(name + " has no status-line prompt");
  }
  if (images != imageCount)
    problems.push_back("tool bar has " + std::to_string(images) + " buttons for " + std::to_string(imageCount) +
                       " images");
  return problems;
}

std::vector<std::string> CheckDialogTemplate(const DialogTemplate& dialog) {
  std::vector<std::string> problems;
  const std::string where = "dialog " + std::to_string(dialog.id);
  if (dialog.cx <= 0 || dialog.cy <= 0) problems.push_back(where + " has no size");
  if (std::string_view(dialog.caption).empty()) problems.push_back(where + " has no caption");
  std::set<int> ids;
  std::set<char> mnemonics;
  int defaults = 0;
  bool closable = false;
  ControlKind previous = ControlKind::Static;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const ControlDef& c = dialog.controls[i];
    const std::string name = where + " control " + std::to_string(c.id) + " " + Quote(c.text);
    if (c.cx <= 0 || c.cy <= 0) problems.push_back(name + " has no size");
    if (c.x < 0 || c.y < 0 || c.x + c.cx > dialog.cx || c.y + c.cy > dialog.cy)
      problems.push_back(name + " lies outside the dialog");
    const bool addressed = c.kind != ControlKind::GroupBox && c.kind != ControlKind::Static &&
                           c.kind != ControlKind::Icon;
    if (addressed && c.id < 0) problems.push_back(name + " needs an id");
    if (c.id >= 0 && !ids.insert(c.id).second) problems.push_back(name + " repeats its id");
    if (c.kind == ControlKind::DefPushButton) ++defaults;
    if ((c.kind == ControlKind::PushButton || c.kind == ControlKind::DefPushButton) && (c.id == 1 || c.id == 2))
      closable = true;
    if (c.kind == ControlKind::Icon && c.iconId == 0) problems.push_back(name + " names no icon");
    if (c.kind == ControlKind::RadioButton && previous != ControlKind::RadioButton && !(c.style & WS_GROUP))
      problems.push_back(name + " starts a radio group without WS_GROUP");
    if ((c.kind == ControlKind::RadioButton || c.kind == ControlKind::PushButton ||
         c.kind == ControlKind::DefPushButton || c.kind == ControlKind::CheckBox) &&
        !(c.style & SS_NOPREFIX)) {
      const char m = Mnemonic(c.text);
      if (m != 0 && !mnemonics.insert(m).second) problems.push_back(name + " repeats mnemonic " + std::string(1, m));
    }
    previous = c.kind;
  }
  if (defaults > 1) problems.push_back(where + " has more than one default button");
  if (!closable) problems.push_back(where + " has neither OK nor Cancel");
  return problems;
}
