// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_draw.h"

#include <algorithm>

#include "platform/i18n.h"
#include "platform/text.h"
#include "ui/glyphs.h"
#include "ui/paint.h"
#include "ui/trackbar_logic.h"
#include "ui/ui_colors.h"
#include "ui/ui_text.h"

using namespace ui_color;

namespace {

constexpr int kEditMargin = 3;
constexpr int kCheckGap = 4;  // between a check box's box and its label

TextLook LookOf(const DialogControl& c) { return c.enabled ? TextLook::Normal : TextLook::Disabled; }

int TextTopCentered(const CRect& r, const FontAtlas& font) { return r.top + (r.Height() - font.cellHeight) / 2; }

// The label's bounding box when drawn centred in `r` (for the focus rectangle).
CRect CenteredLabel(const CRect& r, std::string_view raw, const FontAtlas& font) {
  const int w = MnemonicTextWidth(font, raw);
  const int x = r.left + (r.Width() - w) / 2;
  const int y = TextTopCentered(r, font);
  return {x, y, x + w, y + font.cellHeight};
}

void DrawButton(SurfaceView dst, const DialogControl& c, const ControlLook& look) {
  const FontAtlas& font = UiFont();
  const bool pushLike = !c.IsPushButton();
  ButtonLook bl = ButtonLook::Raised;
  if (look.pressed) bl = ButtonLook::Pressed;
  else if (pushLike && c.check) bl = ButtonLook::Checked;
  DrawButtonFrame(dst, c.rect, bl, look.defaultFrame);
  const int shift = bl == ButtonLook::Raised ? 0 : 1;
  CRect label = CenteredLabel(c.rect, c.text, font);
  label.OffsetRect(shift, shift);
  CRect clip = c.rect;
  clip.DeflateRect(2, 2);
  DrawMnemonicText(dst, clip, font, label.left, label.top, c.text, kText, LookOf(c));
  if (look.focused) {
    CRect focus = c.rect;
    focus.DeflateRect(look.defaultFrame ? 4 : 3, look.defaultFrame ? 4 : 3);
    DrawFocusRect(dst, focus);
  }
}

void DrawCheckOrRadio(SurfaceView dst, const DialogControl& c, const ControlLook& look) {
  const FontAtlas& font = UiFont();
  const bool radio = c.kind == ControlKind::RadioButton;
  const int size = radio ? kRadioSize : kCheckBoxSize;
  const int gy = c.rect.top + (c.rect.Height() - size) / 2;
  if (radio) DrawRadioButtonGlyph(dst, c.rect.left, gy, c.check != 0, c.enabled, look.pressed);
  else DrawCheckBoxGlyph(dst, c.rect.left, gy, c.check != 0, c.enabled, look.pressed);
  const int tx = c.rect.left + size + kCheckGap;
  const int ty = TextTopCentered(c.rect, font);
  DrawMnemonicText(dst, c.rect, font, tx, ty, c.text, kText, LookOf(c));
  if (look.focused) {
    const int w = MnemonicTextWidth(font, c.text);
    DrawFocusRect(dst, {tx - 1, ty, std::min<int>(c.rect.right, tx + w + 2), ty + font.cellHeight + 1});
  }
}

void DrawGroupBox(SurfaceView dst, const DialogControl& c) {
  const FontAtlas& font = UiFont();
  const int lineY = c.rect.top + font.cellHeight / 2;
  DrawEtchedFrame(dst, {c.rect.left, lineY, c.rect.right, c.rect.bottom});
  if (c.text.empty()) return;
  const int w = MnemonicTextWidth(font, c.text);
  const int tx = c.rect.left + 8;
  FillRect(dst, {tx - 2, c.rect.top, std::min<int>(tx + w + 2, c.rect.right - 2), c.rect.top + font.cellHeight}, kFace);
  DrawMnemonicText(dst, c.rect, font, tx, c.rect.top, c.text, kText, LookOf(c));
}

void DrawStatic(SurfaceView dst, const DialogControl& c) {
  const FontAtlas& font = UiFont();
  const bool noPrefix = (c.style & SS_NOPREFIX) != 0;
  const std::string shown = noPrefix ? c.text : ParseMnemonic(c.text).text;
  int y = c.rect.top;
  for (const std::string& line : WrapText(font, shown, c.rect.Width())) {
    const int w = TextWidth(font, line);
    int x = c.rect.left;
    // Right-to-left languages start their lines at the right.
    if (c.style & SS_CENTER) x += (c.rect.Width() - w) / 2;
    else if ((c.style & SS_RIGHT) || RightToLeftUi()) x += c.rect.Width() - w;
    // Only the first line can hold the mnemonic; wrapped mnemonic texts are rare.
    if (!noPrefix && y == c.rect.top && line.size() == shown.size()) {
      DrawMnemonicText(dst, c.rect, font, x, y, c.text, kText, LookOf(c));
    } else {
      DrawPlainText(dst, c.rect, font, x, y, line, kText, LookOf(c));
    }
    y += font.cellHeight;
  }
}

void DrawEdit(SurfaceView dst, const DialogControl& c, const ControlLook& look) {
  const FontAtlas& font = UiFont();
  CRect inner = c.rect;
  if (c.style & WS_BORDER) {
    DrawSunkenEdge(dst, c.rect);
    inner.DeflateRect(2, 2);
  }
  FillRect(dst, inner, c.enabled ? kWindow : kFace);
  const EditState& e = c.edit;
  const int x0 = inner.left + kEditMargin - EditScroll(c);
  const int y = TextTopCentered(inner, font);
  CRect clip = inner;
  clip.DeflateRect(1, 0);
  DrawPlainText(dst, clip, font, x0, y, e.text, kText, c.enabled ? TextLook::Normal : TextLook::Disabled);
  if (!look.focused) return;
  const auto xAt = [&](int i) {
    return x0 + TextWidth(font, std::string_view(e.text).substr(0, static_cast<std::size_t>(std::clamp(i, 0, static_cast<int>(e.text.size())))));
  };
  if (e.caret != e.anchor) {
    const int from = std::min(e.caret, e.anchor), to = std::max(e.caret, e.anchor);
    CRect sel(xAt(from), y, xAt(to), y + font.cellHeight);
    CRect visible;
    if (visible.IntersectRect(sel, clip)) {
      FillRect(dst, visible, kSelection);
      DrawTextAt(dst, visible, font, x0, y, e.text, kSelectionText);
    }
  }
  const int cx = xAt(e.caret);
  if (cx >= clip.left && cx < clip.right) VLine(dst, cx, y, y + font.cellHeight, kText);
}

void DrawThumb(SurfaceView dst, const CRect& t, ThumbPoint point, bool enabled) {
  const int w = t.Width(), h = t.Height();
  const int pointRows = point == ThumbPoint::None ? 0 : w / 2;
  for (int r = 0; r < h; ++r) {
    int inset = 0;
    if (point == ThumbPoint::Down && r >= h - pointRows) inset = r - (h - pointRows) + 1;
    if (point == ThumbPoint::Up && r < pointRows) inset = pointRows - r;
    const int left = t.left + inset, right = t.right - 1 - inset;
    const int y = t.top + r;
    if (left > right) continue;
    HLine(dst, left, right + 1, y, kFace);
    // Light falls from the top left, as on every raised edge.
    PutPixel(dst, left, y, kHighlight);
    PutPixel(dst, right, y, kDarkShadow);
    if (right - 1 > left) PutPixel(dst, right - 1, y, kShadow);
  }
  if (point != ThumbPoint::Up) HLine(dst, t.left, t.right - 1, t.top, kHighlight);
  if (point != ThumbPoint::Down) {
    HLine(dst, t.left + 1, t.right, t.bottom - 1, kDarkShadow);
    HLine(dst, t.left + 2, t.right - 1, t.bottom - 2, kShadow);
  }
  if (!enabled) {
    const int bodyTop = point == ThumbPoint::Up ? t.top + pointRows : t.top;
    FillDither(dst, {t.left + 2, bodyTop + 2, t.right - 3, bodyTop + (h - pointRows) - 2}, kHighlight, kFace);
  }
}

void DrawTrackBar(SurfaceView dst, const DialogControl& c, const ControlLook& look) {
  const TrackGeometry g = TrackLayout(c.rect, c.track, c.style);
  DrawSunkenEdge(dst, g.channel);
  FillRect(dst, {g.channel.left + 2, g.channel.top + 2, g.channel.right - 2, g.channel.bottom - 2}, kWindow);
  for (int p : TrackTickPositions(c.track, c.style)) {
    const int x = TrackPosToX(g, c.track, p);
    const bool end = p == c.track.rangeMin || p == c.track.rangeMax;
    const int length = kTrackTickLength + (end ? 1 : 0);
    if (g.ticksBelow >= 0) VLine(dst, x, g.ticksBelow, g.ticksBelow + length, kText);
    if (g.ticksAbove >= 0) {
      const int bottom = g.ticksAbove + kTrackTickLength + 1;
      VLine(dst, x, bottom - length, bottom, kText);
    }
  }
  DrawThumb(dst, g.thumb, g.point, c.enabled);
  if (look.focused) DrawFocusRect(dst, c.rect);
}

}  // namespace

int EditScroll(const DialogControl& c) {
  const FontAtlas& font = UiFont();
  const int inner = c.rect.Width() - ((c.style & WS_BORDER) ? 4 : 0) - 2 * kEditMargin;
  const int caretX = TextWidth(font, std::string_view(c.edit.text).substr(
                                         0, static_cast<std::size_t>(std::clamp(c.edit.caret, 0, static_cast<int>(c.edit.text.size())))));
  return std::max(0, caretX - inner + 1);
}

int EditHitTest(const DialogControl& c, int x) {
  const FontAtlas& font = UiFont();
  const int x0 = c.rect.left + ((c.style & WS_BORDER) ? 2 : 0) + kEditMargin - EditScroll(c);
  int pen = x0;
  const std::string_view text = c.edit.text;
  for (std::size_t i = 0; i < text.size();) {
    // The caret lands between whole characters.
    const Utf8Char ch = DecodeUtf8(text, i);
    const int adv = GlyphAdvance(font, ch.valid ? ch.code : U'\uFFFD');
    if (x < pen + adv / 2) return static_cast<int>(i);
    pen += adv;
    i += ch.length;
  }
  return static_cast<int>(c.edit.text.size());
}

void DrawControl(SurfaceView client, const DialogControl& c, const ControlLook& look) {
  if (!c.visible) return;
  switch (c.kind) {
    case ControlKind::GroupBox: DrawGroupBox(client, c); break;
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: DrawButton(client, c, look); break;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
      if (c.style & BS_PUSHLIKE) DrawButton(client, c, look);
      else DrawCheckOrRadio(client, c, look);
      break;
    case ControlKind::Edit: DrawEdit(client, c, look); break;
    case ControlKind::TrackBar: DrawTrackBar(client, c, look); break;
    case ControlKind::Static: DrawStatic(client, c); break;
    case ControlKind::Icon:
      if (look.icon && !look.icon->argb.empty()) {
        BlendArgb(client, c.rect.left, c.rect.top, look.icon->argb.data(), look.icon->width, look.icon->height);
      } else {
        DrawMessageIcon(client, c.rect.left, c.rect.top, MessageIcon::Information);
      }
      break;
  }
}
