// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog_fit.h"

#include <string>
#include <vector>

#include "platform/text.h"
#include "ui/glyphs.h"
#include "ui/ui_text.h"

namespace {

constexpr int kButtonPad = 3;   // a button's frame and a pixel of air on each side
constexpr int kCheckGap = 4;    // between a check box's box and its label (as drawn)
constexpr int kGroupInset = 10;  // a group box's caption starts 8 pixels in, with air after it
constexpr int kMostWiden = 200;  // percent: beyond twice as wide a dialog no longer fits the window
constexpr int kStep = 4;         // percent

bool StaticFits(const DialogControl& c) {
  const FontAtlas& font = UiFont();
  const std::string shown = (c.style & SS_NOPREFIX) ? c.text : ParseMnemonic(c.text).text;
  std::size_t start = 0;
  while (start < shown.size()) {
    const std::size_t end = std::min(shown.find_first_of(" \n", start), shown.size());
    if (TextWidth(font, std::string_view(shown).substr(start, end - start)) > c.rect.Width()) return false;
    start = end + 1;
  }
  const int lines = static_cast<int>(WrapText(font, shown, c.rect.Width()).size());
  return lines <= 1 || lines * font.cellHeight <= c.rect.Height();
}

int Scaled(int v, int percent) { return (v * percent + 50) / 100; }

DialogLayout Widened(const DialogLayout& layout, int percent) {
  DialogLayout wide = layout;
  wide.client.cx = Scaled(static_cast<int>(layout.client.cx), percent);
  for (DialogControl& c : wide.controls) {
    c.rect.left = Scaled(c.rect.left, percent);
    c.rect.right = Scaled(c.rect.right, percent);
  }
  return wide;
}

bool AllFit(const DialogLayout& layout) {
  for (const DialogControl& c : layout.controls) {
    if (!LabelFits(c)) return false;
  }
  return true;
}

}  // namespace

bool LabelFits(const DialogControl& c) {
  if (c.text.empty()) return true;
  const FontAtlas& font = UiFont();
  const int w = MnemonicTextWidth(font, c.text);
  switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: return w + 2 * kButtonPad <= c.rect.Width();
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
      if (c.style & BS_PUSHLIKE) return w + 2 * kButtonPad <= c.rect.Width();
      return (c.kind == ControlKind::RadioButton ? kRadioSize : kCheckBoxSize) + kCheckGap + w <= c.rect.Width();
    case ControlKind::GroupBox: return kGroupInset + w + kGroupInset <= c.rect.Width();
    case ControlKind::Static: return StaticFits(c);
    default: return true;
  }
}

void GrowToFit(DialogLayout& layout) {
  if (AllFit(layout)) return;
  for (int percent = 100 + kStep; percent <= kMostWiden; percent += kStep) {
    DialogLayout wide = Widened(layout, percent);
    if (AllFit(wide)) {
      layout = std::move(wide);
      return;
    }
  }
  layout = Widened(layout, kMostWiden);
}
