// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the menu: arrows move along the bar and through the
// popups, Enter chooses, Escape backs out a level, and letters pick items.
#include "ui/menu_tracker.h"
#include "ui/menu_tracker_private.h"
#include "ui/ui_text.h"

int CMenuTracker::Step(const Level& level, int from, int delta) const {
  const int n = static_cast<int>(level.items.size());
  if (n == 0) return -1;
  int i = from;
  for (int k = 0; k < n; ++k) {
    i = from < 0 && k == 0 ? (delta > 0 ? 0 : n - 1) : (i + delta + n) % n;
    if (Selectable(level.items[static_cast<std::size_t>(i)])) return i;
  }
  return -1;
}

void CMenuTracker::MoveBar(int delta) {
  const int n = static_cast<int>(m_menu.size());
  const bool wasOpen = !m_levels.empty();
  m_bar = (m_bar + delta + n) % n;
  if (wasOpen) {
    OpenBarPopup(m_bar);
    Select(0, Step(m_levels[0], -1, 1));
  } else if (m_cb.drawBar) {
    m_cb.drawBar(m_bar);
  }
}

void CMenuTracker::OnKey(UINT vk) {
  const int depth = OpenLevels();
  switch (vk) {
    case VK_ESCAPE:
      // Escape closes one level; from the bar it leaves the menu. A menu the
      // mouse opened is not left in keyboard mode: it closes altogether.
      if (depth == 0 || (depth == 1 && m_openedByMouse)) Finish(0);
      else if (depth == 1) {
        m_levels.clear();
        if (m_cb.drawBar) m_cb.drawBar(m_bar);
        UpdatePrompt();
      } else {
        CloseFrom(depth - 1);
        UpdatePrompt();
      }
      return;
    case VK_MENU:
    case 0x79:  // F10
      Finish(0);
      return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      OnArrow(vk);
      return;
    case VK_RETURN:
      if (depth == 0) {
        OpenBarPopup(m_bar);
        Select(0, Step(m_levels[0], -1, 1));
      } else if (m_levels.back().selected >= 0) {
        Choose(depth - 1, m_levels.back().selected);
      }
      return;
    default:
      if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) OnMnemonic(static_cast<char>(vk));
      return;
  }
}

void CMenuTracker::OnArrow(UINT vk) {
  const int depth = OpenLevels();
  switch (vk) {
    case VK_LEFT:
      if (depth >= 2) {
        CloseFrom(depth - 1);
        UpdatePrompt();
      } else {
        MoveBar(-1);
      }
      return;
    case VK_RIGHT: {
      if (depth >= 1) {
        Level& l = m_levels.back();
        if (l.selected >= 0 && l.items[static_cast<std::size_t>(l.selected)].kind == MenuItemKind::Popup) {
          Choose(depth - 1, l.selected);
          return;
        }
      }
      MoveBar(1);
      return;
    }
    case VK_UP:
    case VK_DOWN: {
      if (depth == 0) {
        OpenBarPopup(m_bar);
        Select(0, Step(m_levels[0], -1, vk == VK_DOWN ? 1 : -1));
        return;
      }
      Level& l = m_levels.back();
      Select(depth - 1, Step(l, l.selected, vk == VK_DOWN ? 1 : -1));
      return;
    }
    default:
      return;
  }
}

void CMenuTracker::OnMnemonic(char key) {
  if (m_levels.empty()) {
    for (std::size_t i = 0; i < m_menu.size(); ++i) {
      if (MnemonicKey(MenuLabel(m_menu[i])) != key) continue;
      OpenBarPopup(static_cast<int>(i));
      Select(0, Step(m_levels[0], -1, 1));
      return;
    }
    return;
  }
  const int level = OpenLevels() - 1;
  const Level& l = m_levels.back();
  int found = -1, count = 0;
  for (std::size_t i = 0; i < l.items.size(); ++i) {
    if (!Selectable(l.items[i]) || MnemonicKey(MenuLabel(l.items[i])) != key) continue;
    if (found < 0) found = static_cast<int>(i);
    ++count;
  }
  if (found < 0) return;
  // A unique letter chooses its item; a shared one only moves between them.
  if (count == 1) {
    Select(level, found);
    Choose(level, found);
  } else {
    int next = found;
    for (std::size_t i = static_cast<std::size_t>(l.selected + 1); i < l.items.size(); ++i) {
      if (Selectable(l.items[i]) && MnemonicKey(MenuLabel(l.items[i])) == key) {
        next = static_cast<int>(i);
        break;
      }
    }
    Select(level, next);
  }
}
