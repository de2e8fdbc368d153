#include "ui/menu_tracker.h"

#include <cctype>

#include "res/string_table.h"
#include "ui/menu_draw.h"
#include "ui/modal_loop.h"
#include "ui/overlay_layer.h"
#include "ui/ui_text.h"

namespace {

bool Selectable(const MenuItemDef& item) { return item.kind != MenuItemKind::Separator; }

}  // namespace

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

// --- Opening and closing ------------------------------------------------------

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

// --- Keyboard --------------------------------------------------------------------

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

// --- Mouse ------------------------------------------------------------------------

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
      return;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
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

void CMenuTracker::HandleMessage(const MSG& msg) {
  if (m_done) return;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      OnKey(static_cast<UINT>(msg.wParam));
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
