// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the menu bar's items and a popup's items lie: pure functions of the
// menu table and the font, so hit testing can be tested without a window.
#include <span>
#include <string_view>
#include <vector>

#include "platform/rect.h"
#include "res/menu_table.h"

inline constexpr int kMenuBarHeight = 19;
inline constexpr int kMenuBarItemPad = 6;    // left and right of a bar item's text
inline constexpr int kPopupBorder = 3;
inline constexpr int kPopupItemHeight = 17;
inline constexpr int kPopupSeparatorHeight = 8;
inline constexpr int kPopupCheckColumn = 18;  // left of the text: check marks
inline constexpr int kPopupArrowColumn = 18;  // right of the accelerator: submenu arrows
inline constexpr int kPopupAccelGap = 20;     // between the longest text and the accelerators

// The bar's items, left to right, in surface coordinates.
std::vector<CRect> LayoutMenuBar(std::span<const MenuItemDef> bar, const CRect& barRect);
// Index of the item under `p`, or -1.
int HitTestRects(const std::vector<CRect>& rects, CPoint p);

struct PopupLayout {
  SIZE size{};               // the whole popup window
  std::vector<CRect> items;  // one per item, popup coordinates (separators too)
  int accelRight = 0;        // right edge of the accelerator column
};
PopupLayout LayoutPopup(std::span<const MenuItemDef> items);

// The label and the accelerator text of an item ("&New\tCtrl+N").
std::string_view MenuLabel(const MenuItemDef& item);
std::string_view MenuAccelText(const MenuItemDef& item);

// Where a popup goes: under a bar item, or beside the parent item of a
// submenu, kept inside `bounds`.
CPoint PlacePopupUnder(const CRect& barItem, SIZE popup, const CRect& bounds);
CPoint PlaceSubmenu(const CRect& parentWindow, const CRect& parentItem, SIZE popup, const CRect& bounds);
