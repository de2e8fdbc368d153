// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing the controls of a dialog into its client area.
#include "platform/resources.h"
#include "platform/surface.h"
#include "ui/dialog_control.h"

struct ControlLook {
  bool focused = false;
  bool pressed = false;      // mouse or Space held down on it
  bool defaultFrame = false; // push buttons: the black frame of the default button
  const CursorImage* icon = nullptr;
};

// `client` covers the dialog's client area; control rectangles are relative to it.
void DrawControl(SurfaceView client, const DialogControl& c, const ControlLook& look);
// The x offset the edit's text is scrolled by so that the caret is visible.
int EditScroll(const DialogControl& c);
// The text position in an edit nearest to an x in client coordinates.
int EditHitTest(const DialogControl& c, int x);
