// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu_draw.h"

#include "platform/i18n.h"
#include "ui/glyphs.h"
#include "ui/paint.h"
#include "ui/ui_colors.h"
#include "ui/ui_text.h"

using namespace ui_color;

void DrawMenuBar(SurfaceView surface, const CRect& barRect, std::span<const MenuItemDef> bar,
                 const std::vector<CRect>& itemRects, int highlighted) {
  const FontAtlas& font = UiFont();
  FillRect(surface, barRect, kFace);
  for (std::size_t i = 0; i < bar.size() && i < itemRects.size(); ++i) {
    const CRect& r = itemRects[i];
    const bool hot = static_cast<int>(i) == highlighted;
    if (hot) FillRect(surface, r, kSelection);
    const int y = r.top + (r.Height() - font.cellHeight) / 2;
    DrawMnemonicText(surface, r, font, r.left + kMenuBarItemPad, y, MenuLabel(bar[i]), hot ? kSelectionText : kText);
  }
}

void DrawPopup(Surface32& out, std::span<const MenuItemDef> items, const PopupLayout& layout,
               const std::vector<CCmdUI>& states, int selected) {
  const FontAtlas& font = UiFont();
  out.Resize(layout.size.cx, layout.size.cy, kFace);
  SurfaceView view = out.View();
  DrawWindowEdge(view, view.Bounds());
  for (std::size_t i = 0; i < items.size() && i < layout.items.size(); ++i) {
    const MenuItemDef& item = items[i];
    const CRect& r = layout.items[i];
    if (item.kind == MenuItemKind::Separator) {
      DrawEtchedLine(view, r.left + 1, r.right - 1, r.top + r.Height() / 2 - 1);
      continue;
    }
    const bool enabled = i >= states.size() || states[i].m_bEnabled;
    const bool checked = i < states.size() && states[i].m_nCheck != 0;
    const bool hot = static_cast<int>(i) == selected;
    if (hot) FillRect(view, r, kSelection);
    // Disabled items are embossed on the face; on the selection bar they are plain grey.
    std::uint32_t color = hot ? kSelectionText : kText;
    TextLook look = TextLook::Normal;
    if (!enabled) {
      if (hot) color = kGrayText;
      else look = TextLook::Disabled;
    }
    // A right-to-left language mirrors the item: the label from the right
    // beside the check mark, the accelerator at the left.
    const bool rtl = RightToLeftUi();
    const int ty = r.top + (r.Height() - font.cellHeight) / 2;
    const std::string_view label = MenuLabel(item);
    const int lx = rtl ? r.right - kPopupCheckColumn - MnemonicTextWidth(font, label) : r.left + kPopupCheckColumn;
    DrawMnemonicText(view, r, font, lx, ty, label, color, look);
    const std::string_view accel = MenuAccelText(item);
    if (!accel.empty()) {
      const int ax = rtl ? static_cast<int>(layout.size.cx) - layout.accelRight : layout.accelRight - TextWidth(font, accel);
      DrawPlainText(view, r, font, ax, ty, accel, color, look);
    }
    const int cy = r.top + (r.Height() - 7) / 2;
    const int checkX = rtl ? r.right - 12 : r.left + 5;
    if (checked) {
      if (look == TextLook::Disabled) DrawCheckMark(view, checkX + 1, cy + 1, kHighlight);
      DrawCheckMark(view, checkX, cy, look == TextLook::Disabled ? kShadow : color);
    }
    if (item.kind == MenuItemKind::Popup) DrawRightArrow(view, r.right - 11, cy, color);
  }
}
