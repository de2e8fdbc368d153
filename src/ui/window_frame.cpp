// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_frame.h"

#include "ui/glyphs.h"
#include "ui/paint.h"
#include "ui/ui_colors.h"
#include "ui/ui_text.h"

using namespace ui_color;

CRect FrameCloseBox(int width) {
  const int right = width - kFrameBorder - 2;
  const int top = kFrameBorder + (kFrameCaption - kCloseBoxHeight) / 2;
  return {right - kCloseBoxWidth, top, right, top + kCloseBoxHeight};
}

void DrawWindowFrame(SurfaceView window, std::string_view caption, CloseBoxState closeBox) {
  const CRect all = window.Bounds();
  FillRect(window, all, kFace);
  DrawWindowEdge(window, all);
  const CRect bar(kFrameBorder, kFrameBorder, all.right - kFrameBorder, kFrameBorder + kFrameCaption);
  FillRect(window, bar, kCaption);
  const FontAtlas& font = UiBoldFont();
  const CRect box = FrameCloseBox(all.Width());
  CRect textClip(bar.left + 2, bar.top, box.left - 2, bar.bottom);
  DrawPlainText(window, textClip, font, bar.left + 3, bar.top + (kFrameCaption - font.cellHeight) / 2, caption,
                kCaptionText);
  const bool pressed = closeBox == CloseBoxState::Pressed;
  if (pressed) {
    FillRect(window, box, kFace);
    DrawSunkenEdge(window, box);
  } else {
    DrawButtonFrame(window, box, ButtonLook::Raised, false);
  }
  const int cx = box.left + (box.Width() - 8) / 2 + (pressed ? 1 : 0);
  const int cy = box.top + (box.Height() - 7) / 2 + (pressed ? 1 : 0);
  if (closeBox == CloseBoxState::Disabled) {
    DrawCloseCross(window, cx + 1, cy + 1, kHighlight);
    DrawCloseCross(window, cx, cy, kShadow);
  } else {
    DrawCloseCross(window, cx, cy, kText);
  }
}
