// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and closing the menu's popups, moving the highlight in them and
// choosing a command, with the status-line prompt kept in step.
#include <algorithm>

#include "res/string_table.h"
#include "ui/menu_tracker.h"

void CMenuTracker::OpenBarPopup(int barItem) {
  m_levels.clear();
  m_bar = barItem;
  const MenuItemDef& top = m_menu[static_cast<std::size_t>(barItem)];
  Level level;
  level.items = top.items;
  level.layout = LayoutPopup(top.items);
  const Surface32& surface = m_host.WindowSurface();
  level.origin = PlacePopupUnder(m_barItems[static_cast<std::size_t>(barItem)], level.layout.size,
                                 CRect(0, 0, surface.Width(), surface.Height()));
  // Enabling and check marks are asked for just before the popup shows.
  for (const MenuItemDef& item : top.items)
    level.states.push_back(item.kind == MenuItemKind::Command ? QueryCommandState(m_cb.update, item.id) : CCmdUI(0));
  m_levels.push_back(std::move(level));
  if (m_cb.drawBar) m_cb.drawBar(m_bar);
}

void CMenuTracker::OpenSubmenu(int levelIndex) {
  Level& parent = m_levels[static_cast<std::size_t>(levelIndex)];
  if (parent.selected < 0) return;
  const MenuItemDef& item = parent.items[static_cast<std::size_t>(parent.selected)];
  if (item.kind != MenuItemKind::Popup) return;
  CloseFrom(levelIndex + 1);
  Level sub;
  sub.items = item.items;
  sub.layout = LayoutPopup(item.items);
  const Surface32& surface = m_host.WindowSurface();
  sub.origin = PlaceSubmenu(CRect(parent.origin, parent.layout.size),
                            parent.layout.items[static_cast<std::size_t>(parent.selected)], sub.layout.size,
                            CRect(0, 0, surface.Width(), surface.Height()));
  for (const MenuItemDef& child : item.items)
    sub.states.push_back(child.kind == MenuItemKind::Command ? QueryCommandState(m_cb.update, child.id) : CCmdUI(0));
  m_levels.push_back(std::move(sub));
}

void CMenuTracker::CloseFrom(int level) {
  if (level < OpenLevels()) m_levels.resize(static_cast<std::size_t>(std::max(level, 0)));
}

void CMenuTracker::Select(int level, int item, bool openSubmenu) {
  Level& l = m_levels[static_cast<std::size_t>(level)];
  if (l.selected == item && level + 1 < OpenLevels()) return;  // its submenu stays open
  l.selected = item;
  CloseFrom(level + 1);
  if (openSubmenu && item >= 0 && l.items[static_cast<std::size_t>(item)].kind == MenuItemKind::Popup)
    OpenSubmenu(level);
  UpdatePrompt();
}

void CMenuTracker::Choose(int level, int item) {
  const Level& l = m_levels[static_cast<std::size_t>(level)];
  const MenuItemDef& def = l.items[static_cast<std::size_t>(item)];
  if (def.kind == MenuItemKind::Popup) {
    Select(level, item, true);
    if (level + 1 < OpenLevels()) Select(level + 1, Step(m_levels[static_cast<std::size_t>(level + 1)], -1, 1));
    return;
  }
  if (def.kind != MenuItemKind::Command) return;
  // A disabled command can be highlighted but not chosen.
  if (!l.states[static_cast<std::size_t>(item)].m_bEnabled) return;
  Finish(def.id);
}

void CMenuTracker::Finish(UINT command) {
  m_levels.clear();
  m_bar = -1;
  m_done = true;
  m_chosen = command;
  if (m_cb.drawBar) m_cb.drawBar(-1);
}

void CMenuTracker::UpdatePrompt() {
  if (!m_cb.showPrompt) return;
  // The prompt of the deepest highlighted command; a submenu's opener has none.
  std::string_view prompt;
  if (!m_levels.empty()) {
    const Level& deepest = m_levels.back();
    const Level& l = deepest.selected >= 0 || m_levels.size() == 1 ? deepest : m_levels[m_levels.size() - 2];
    if (l.selected >= 0) {
      const MenuItemDef& item = l.items[static_cast<std::size_t>(l.selected)];
      if (item.kind == MenuItemKind::Command) prompt = CommandPrompt(item.id);
    }
  }
  m_cb.showPrompt(prompt);
}
