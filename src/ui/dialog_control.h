// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A control of a running dialog: its kind, place (pixels, dialog client
// coordinates) and live state.
#include <string>
#include <vector>

#include "platform/rect.h"
#include "res/dialog_template.h"

struct EditState {
  std::string text;
  int limit = 30000;  // most characters (not bytes) the field accepts
  int caret = 0;      // insertion point, a byte offset between characters
  int anchor = 0;     // other end of the selection (== caret: no selection)
};

struct TrackState {
  int rangeMin = 0;
  int rangeMax = 100;
  int pos = 0;
  int lineSize = 1;
  int pageSize = 20;
  int tickFreq = 1;            // TBS_AUTOTICKS: a tick every tickFreq positions
  std::vector<int> ticks;      // explicit ticks (strictly inside the range)
};

struct DialogControl {
  ControlKind kind = ControlKind::Static;
  int id = -1;
  std::string text;  // label, or an edit's contents (in `edit`)
  CRect rect;
  DWORD style = 0;
  UINT iconId = 0;
  bool enabled = true;
  bool visible = true;
  int check = 0;  // radio buttons and check boxes
  EditState edit;
  TrackState track;

  bool IsButtonLike() const {
    return kind == ControlKind::PushButton || kind == ControlKind::DefPushButton ||
           kind == ControlKind::RadioButton || kind == ControlKind::CheckBox;
  }
  bool IsPushButton() const { return kind == ControlKind::PushButton || kind == ControlKind::DefPushButton; }
  // Controls that take the keyboard focus.
  bool CanFocus() const {
    return visible && enabled && (IsButtonLike() || kind == ControlKind::Edit || kind == ControlKind::TrackBar);
  }
};
