// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog units to pixels. Dialog templates are laid out in units of a
// quarter of the dialog font's average character width and an eighth of its
// height. We use the base units of the classic 8-point dialog font, 6 x 13
// pixels, so the templates keep their proportions; the text itself is drawn
// in Liberation Sans at a 12-pixel cell (ui_text.h), whose average width
// with whole-pixel advances (about 6.4) fits those units.
#include <string>
#include <vector>

#include "platform/rect.h"
#include "ui/dialog_control.h"

inline constexpr int kDialogBaseUnitX = 6;
inline constexpr int kDialogBaseUnitY = 13;

// Rounds a * b / c to the nearest integer, halves away from zero (MulDiv).
int MulDivRound(int a, int b, int c);
// Maps a rectangle given as x, y, width, height in dialog units to pixels;
// each edge is mapped on its own, so adjacent controls stay adjacent.
CRect MapDialogRect(int x, int y, int cx, int cy);
SIZE MapDialogSize(int cx, int cy);

struct DialogLayout {
  UINT id = 0;
  std::string caption;
  SIZE client{};  // pixels
  std::vector<DialogControl> controls;
};
// The template's controls in pixels, in their initial state.
DialogLayout LayoutDialog(const DialogTemplate& tmpl);
