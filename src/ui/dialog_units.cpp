// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog_units.h"

#include <cstdlib>

#include "platform/i18n.h"
#include "ui/dialog_fit.h"

int MulDivRound(int a, int b, int c) {
  if (c == 0) return 0;
  const long long n = static_cast<long long>(a) * b;
  const long long q = (std::llabs(n) * 2 + std::llabs(static_cast<long long>(c))) / (2 * std::llabs(static_cast<long long>(c)));
  return static_cast<int>(((n < 0) != (c < 0)) ? -q : q);
}

CRect MapDialogRect(int x, int y, int cx, int cy) {
  return {MulDivRound(x, kDialogBaseUnitX, 4), MulDivRound(y, kDialogBaseUnitY, 8),
          MulDivRound(x + cx, kDialogBaseUnitX, 4), MulDivRound(y + cy, kDialogBaseUnitY, 8)};
}

SIZE MapDialogSize(int cx, int cy) {
  return {MulDivRound(cx, kDialogBaseUnitX, 4), MulDivRound(cy, kDialogBaseUnitY, 8)};
}

DialogLayout LayoutDialog(const DialogTemplate& tmpl) {
  DialogLayout layout;
  layout.id = tmpl.id;
  layout.caption = Tr(tmpl.caption);
  layout.client = MapDialogSize(tmpl.cx, tmpl.cy);
  for (const ControlDef& def : tmpl.controls) {
    DialogControl c;
    c.kind = def.kind;
    c.id = def.id;
    c.rect = MapDialogRect(def.x, def.y, def.cx, def.cy);
    c.style = def.style;
    c.iconId = def.iconId;
    c.enabled = !(def.style & WS_DISABLED);
    if (def.kind == ControlKind::Edit) c.edit.text = def.text;
    else c.text = TrShown(def.text);
    layout.controls.push_back(std::move(c));
  }
  GrowToFit(layout);
  return layout;
}
