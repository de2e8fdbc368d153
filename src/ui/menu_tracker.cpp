// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu_tracker.h"

#include <algorithm>

#include "ui/menu_draw.h"
#include "ui/modal_loop.h"
#include "ui/overlay_layer.h"

CMenuTracker::CMenuTracker(Host& host, std::span<const MenuItemDef> bar, const CRect& barRect,
                           MenuCallbacks callbacks)
    : m_host(host), m_menu(bar), m_barRect(barRect), m_barItems(LayoutMenuBar(bar, barRect)),
      m_cb(std::move(callbacks)) {}

CMenuTracker::~CMenuTracker() = default;

UINT CMenuTracker::Track(int barItem, bool open, bool selectFirst) {
  OverlayLayer layer(m_host);
  m_layer = &layer;
  const HWND hwnd = m_host.CreateWindow([this](const MSG& msg) -> LRESULT {
    HandleMessage(msg);
    return 0;
  });
  Begin(barItem, open, selectFirst);
  Render();
  RunModalLoop(
      m_host, hwnd,
      [this](const MSG& msg) {
        HandleMessage(msg);
        if (!m_done) Render();
      },
      [this] { return m_done; });
  if (!m_done) Finish(0);
  ReleaseInput(hwnd);  // before the window goes, with the input queued for it
  m_host.DestroyWindow(hwnd);
  m_layer = nullptr;
  layer.Close();
  return m_chosen;
}

void CMenuTracker::Begin(int barItem, bool open, bool selectFirst) {
  m_done = false;
  m_chosen = 0;
  m_passThrough.reset();
  m_openedByMouse = open && !selectFirst;
  m_levels.clear();
  m_bar = std::clamp(barItem, 0, static_cast<int>(m_menu.size()) - 1);
  if (open) {
    OpenBarPopup(m_bar);
    if (selectFirst) Select(0, Step(m_levels[0], -1, 1));
  }
  if (m_cb.drawBar) m_cb.drawBar(m_bar);
  UpdatePrompt();
}

int CMenuTracker::Selected(int level) const {
  return level >= 0 && level < OpenLevels() ? m_levels[static_cast<std::size_t>(level)].selected : -1;
}

CRect CMenuTracker::PopupRect(int level) const {
  const Level& l = m_levels.at(static_cast<std::size_t>(level));
  return {l.origin, l.layout.size};
}

CRect CMenuTracker::ItemRect(int level, int item) const {
  const Level& l = m_levels.at(static_cast<std::size_t>(level));
  CRect r = l.layout.items.at(static_cast<std::size_t>(item));
  r.OffsetRect(l.origin.x, l.origin.y);
  return r;
}

const CCmdUI& CMenuTracker::ItemState(int level, int item) const {
  return m_levels.at(static_cast<std::size_t>(level)).states.at(static_cast<std::size_t>(item));
}

// --- Messages ---------------------------------------------------------------

void CMenuTracker::HandleMessage(const MSG& msg) {
  if (m_done) return;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      OnKey(static_cast<UINT>(msg.wParam));
      // The key that closed the menu is not typed into what the command opens.
      if (m_done) m_host.DropTypedKey(static_cast<UINT>(msg.wParam));
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
      OnMouse(msg);
      return;
    case WM_RBUTTONDOWN:
    case WM_NCRBUTTONDOWN: {
      const CPoint p(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
      if (HitPopups(p).first >= 0 || HitTestRects(m_barItems, p) >= 0) return;
      if (!m_barRect.PtInRect(p)) m_passThrough = msg;
      Finish(0);
      return;
    }
    default:
      return;
  }
}

void CMenuTracker::ReleaseInput(HWND layer) {
  if (!m_passThrough) return;
  // Everything queued is taken off and posted again in order (posted and
  // input messages come before paints and timer ticks, so only they are taken).
  std::vector<MSG> queued{*m_passThrough};
  MSG msg;
  for (std::size_t n = m_host.QueuedCount(); n > 0 && m_host.PeekMessage(&msg, true); --n) queued.push_back(msg);
  for (const MSG& m : queued) {
    if (m.hwnd != layer || !IsInputMessage(m.message)) {
      m_host.PostMessage(m.hwnd, m.message, m.wParam, m.lParam);
    } else if (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) {
      // The menu got surface coordinates: route them afresh.
      m_host.PostMouse(m.message, GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam), static_cast<UINT>(m.wParam));
    } else {
      m_host.PostKey(m.message, static_cast<UINT>(m.wParam), (m.lParam & (LPARAM{1} << 29)) != 0);
    }
  }
  m_passThrough.reset();
}

// --- Drawing ------------------------------------------------------------------------

void CMenuTracker::Render() {
  if (!m_layer) return;
  m_layer->Clear();
  Surface32 image;
  for (const Level& l : m_levels) {
    DrawPopup(image, l.items, l.layout, l.states, l.selected);
    m_layer->Blit(image, l.origin);
  }
  m_host.Present();
}
