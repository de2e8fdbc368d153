// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu_layout.h"

#include <algorithm>
#include <string_view>

#include "platform/i18n.h"
#include "ui/ui_text.h"

// Items are shown in the player's language, accelerator keys included.
std::string_view MenuLabel(const MenuItemDef& item) {
  const std::string_view text(Tr(item.text));
  return text.substr(0, text.find('\t'));
}

std::string_view MenuAccelText(const MenuItemDef& item) {
  const std::string_view text(Tr(item.text));
  const std::size_t tab = text.find('\t');
  return tab == std::string_view::npos ? std::string_view{} : text.substr(tab + 1);
}

std::vector<CRect> LayoutMenuBar(std::span<const MenuItemDef> bar, const CRect& barRect) {
  const FontAtlas& font = UiFont();
  std::vector<CRect> rects;
  int x = barRect.left;
  for (const MenuItemDef& item : bar) {
    const int w = MnemonicTextWidth(font, MenuLabel(item)) + 2 * kMenuBarItemPad;
    rects.emplace_back(x, barRect.top + 1, x + w, barRect.bottom - 1);
    x += w;
  }
  return rects;
}

int HitTestRects(const std::vector<CRect>& rects, CPoint p) {
  for (std::size_t i = 0; i < rects.size(); ++i)
    if (rects[i].PtInRect(p)) return static_cast<int>(i);
  return -1;
}

PopupLayout LayoutPopup(std::span<const MenuItemDef> items) {
  const FontAtlas& font = UiFont();
  int textWidth = 0, accelWidth = 0, height = kPopupBorder;
  PopupLayout layout;
  for (const MenuItemDef& item : items) {
    const int h = item.kind == MenuItemKind::Separator ? kPopupSeparatorHeight : kPopupItemHeight;
    layout.items.emplace_back(kPopupBorder, height, 0, height + h);
    height += h;
    if (item.kind == MenuItemKind::Separator) continue;
    textWidth = std::max(textWidth, MnemonicTextWidth(font, MenuLabel(item)));
    accelWidth = std::max(accelWidth, TextWidth(font, MenuAccelText(item)));
  }
  const int inner = kPopupCheckColumn + textWidth + (accelWidth ? kPopupAccelGap + accelWidth : 0) + kPopupArrowColumn;
  layout.size = {inner + 2 * kPopupBorder, height + kPopupBorder};
  for (CRect& r : layout.items) r.right = kPopupBorder + inner;
  layout.accelRight = kPopupBorder + inner - kPopupArrowColumn;
  return layout;
}

CPoint PlacePopupUnder(const CRect& barItem, SIZE popup, const CRect& bounds) {
  int x = barItem.left;
  if (x + popup.cx > bounds.right) x = std::max<int>(bounds.left, bounds.right - popup.cx);
  int y = barItem.bottom + 1;
  if (y + popup.cy > bounds.bottom) y = std::max<int>(bounds.top, bounds.bottom - popup.cy);
  return {x, y};
}

CPoint PlaceSubmenu(const CRect& parentWindow, const CRect& parentItem, SIZE popup, const CRect& bounds) {
  int x = parentWindow.right - kPopupBorder;
  if (x + popup.cx > bounds.right) x = std::max<int>(bounds.left, parentWindow.left - popup.cx + kPopupBorder);
  int y = parentWindow.top + parentItem.top - kPopupBorder;
  if (y + popup.cy > bounds.bottom) y = std::max<int>(bounds.top, bounds.bottom - popup.cy);
  return {x, y};
}
