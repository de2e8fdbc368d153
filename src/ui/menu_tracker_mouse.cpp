// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse in the menu: pressing on the bar opens a popup, moving the
// pointer follows it along the bar and through the popups, releasing on an
// item chooses it, and a press outside dismisses the menu.
#include "ui/menu_tracker.h"
#include "ui/menu_tracker_private.h"

std::pair<int, int> CMenuTracker::HitPopups(CPoint p) const {
  for (int level = OpenLevels() - 1; level >= 0; --level) {
    const Level& l = m_levels[static_cast<std::size_t>(level)];
    if (!CRect(l.origin, l.layout.size).PtInRect(p)) continue;
    const CPoint local(p.x - l.origin.x, p.y - l.origin.y);
    const int item = HitTestRects(l.layout.items, local);
    return {level, item >= 0 && Selectable(l.items[static_cast<std::size_t>(item)]) ? item : -1};
  }
  return {-1, -1};
}

void CMenuTracker::OnMouse(const MSG& msg) {
  const CPoint p(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
  const int barHit = HitTestRects(m_barItems, p);
  const auto [level, item] = HitPopups(p);
  switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
      OnMouseDown(msg, barHit, level, item);
      return;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
      OnMouseMove(barHit, level, item);
      return;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
      m_buttonDown = false;
      if (level >= 0 && item >= 0) Choose(level, item);
      return;
    default:
      return;
  }
}

void CMenuTracker::OnMouseDown(const MSG& msg, int barHit, int level, int item) {
  const CPoint p(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
  m_buttonDown = true;
  if (barHit >= 0) {
    // A click on the open item closes the menu; on another item, opens that one.
    if (!m_levels.empty() && barHit == m_bar) {
      Finish(0);
    } else {
      OpenBarPopup(barHit);
      UpdatePrompt();
    }
  } else if (level >= 0) {
    if (item >= 0) Select(level, item, true);
  } else if (!m_barRect.PtInRect(p)) {
    m_passThrough = msg;  // a click anywhere else dismisses the menu and goes on
    Finish(0);
  }
}

void CMenuTracker::OnMouseMove(int barHit, int level, int item) {
  if (barHit >= 0 && barHit != m_bar) {
    if (!m_levels.empty()) OpenBarPopup(barHit);
    else m_bar = barHit;
    if (m_cb.drawBar) m_cb.drawBar(m_bar);
    UpdatePrompt();
  } else if (level >= 0 && item >= 0) {
    Select(level, item, true);
  } else if (level >= 0 && OpenLevels() == level + 1) {
    Select(level, -1);
  }
}
