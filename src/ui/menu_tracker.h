// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running the menu: from a click on the bar or from the keyboard (Alt,
// Alt+letter, F10) until a command is chosen or the menu is dismissed. The
// popups are drawn in the overlay; the bar's highlight and the status-line
// prompts are drawn by the owner through callbacks.
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "res/menu_table.h"
#include "ui/cmd_ui.h"
#include "ui/menu_layout.h"

class OverlayLayer;

struct MenuCallbacks {
  // The bar with item `highlighted` (or -1) in the selection colours.
  std::function<void(int highlighted)> drawBar;
  // The prompt of the highlighted command, or an empty text.
  std::function<void(std::string_view prompt)> showPrompt;
  UpdateCommandHook update;
};

class CMenuTracker {
 public:
  CMenuTracker(Host& host, std::span<const MenuItemDef> bar, const CRect& barRect, MenuCallbacks callbacks);
  ~CMenuTracker();
  CMenuTracker(const CMenuTracker&) = delete;
  CMenuTracker& operator=(const CMenuTracker&) = delete;

  // Runs the menu starting with bar item `barItem` highlighted, its popup
  // open when `open` (with its first item highlighted when `selectFirst`,
  // as the keyboard opens it). Returns the chosen command (0 when
  // dismissed); the caller posts it.
  UINT Track(int barItem, bool open, bool selectFirst = false);

  // --- The state machine without the loop (tests) -------------------------
  void Begin(int barItem, bool open, bool selectFirst = false);
  void HandleMessage(const MSG& msg);
  bool Done() const { return m_done; }
  UINT Chosen() const { return m_chosen; }
  // The click outside the menus that ended it: it belongs to what was clicked.
  const std::optional<MSG>& PassThrough() const { return m_passThrough; }
  int BarItem() const { return m_bar; }
  // Open popups, outermost first.
  int OpenLevels() const { return static_cast<int>(m_levels.size()); }
  int Selected(int level) const;
  // A popup's window and an item's rectangle on the surface.
  CRect PopupRect(int level) const;
  CRect ItemRect(int level, int item) const;
  const std::vector<CRect>& BarItems() const { return m_barItems; }
  const CCmdUI& ItemState(int level, int item) const;
  // Draws the open popups into the overlay layer, if any.
  void Render();

 private:
  struct Level {
    std::span<const MenuItemDef> items;
    PopupLayout layout;
    CPoint origin;
    std::vector<CCmdUI> states;
    int selected = -1;
  };

  void OpenBarPopup(int barItem);
  void OpenSubmenu(int level);
  void CloseFrom(int level);
  // Highlights an item; the mouse (not the keyboard) also opens a submenu.
  void Select(int level, int item, bool openSubmenu = false);
  void Choose(int level, int item);
  void Finish(UINT command);
  int Step(const Level& level, int from, int delta) const;
  void MoveBar(int delta);
  void OnKey(UINT vk);
  // Left, right, up or down: along the bar, into or out of a submenu, or through a popup.
  void OnArrow(UINT vk);
  void OnMnemonic(char key);
  void OnMouse(const MSG& msg);
  // A press at a bar item, a popup's (level, item), or elsewhere (all -1).
  void OnMouseDown(const MSG& msg, int barHit, int level, int item);
  void OnMouseMove(int barHit, int level, int item);
  // (level, item) under a surface point; level -1 when none.
  std::pair<int, int> HitPopups(CPoint p) const;
  void UpdatePrompt();
  // After the loop: the passing click, then input queued for the menu since,
  // go where they would have gone without it.
  void ReleaseInput(HWND layer);

  Host& m_host;
  std::span<const MenuItemDef> m_menu;
  CRect m_barRect;
  std::vector<CRect> m_barItems;
  MenuCallbacks m_cb;
  std::vector<Level> m_levels;
  int m_bar = -1;
  bool m_done = false;
  UINT m_chosen = 0;
  bool m_buttonDown = false;
  bool m_openedByMouse = false;
  std::optional<MSG> m_passThrough;
  OverlayLayer* m_layer = nullptr;
};
