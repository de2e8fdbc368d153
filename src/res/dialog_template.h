// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog templates as data: the controls of a dialog with their positions in
// dialog units. The dialog engine (ui/dialog.h) lays them out in pixels and
// runs them; a test checks every template's structure.
#include <span>

#include "platform/types.h"

enum class ControlKind {
  GroupBox,
  PushButton,
  DefPushButton,
  RadioButton,  // automatic: checking one unchecks the others of its group
  CheckBox,     // automatic: a click toggles it
  Edit,
  TrackBar,
  Static,
  Icon,         // `text` unused; `iconId` names the icon resource
};

// Styles with their classic values. Kind-specific styles share bits; the
// control's kind says which meaning applies.
inline constexpr DWORD WS_GROUP = 0x00020000;     // starts a group (radio buttons, arrow keys)
inline constexpr DWORD WS_TABSTOP = 0x00010000;   // reached with Tab
inline constexpr DWORD WS_DISABLED = 0x08000000;  // starts disabled
inline constexpr DWORD WS_BORDER = 0x00800000;    // edits: sunken border
inline constexpr DWORD BS_PUSHLIKE = 0x00001000;  // radio / check box drawn as a push button
inline constexpr DWORD SS_LEFT = 0x0000;
inline constexpr DWORD SS_CENTER = 0x0001;
inline constexpr DWORD SS_RIGHT = 0x0002;
inline constexpr DWORD SS_NOPREFIX = 0x0080;      // '&' is shown, not a mnemonic
inline constexpr DWORD TBS_AUTOTICKS = 0x0001;    // a tick at every tick-frequency step
inline constexpr DWORD TBS_TOP = 0x0004;          // ticks above the channel
inline constexpr DWORD TBS_BOTH = 0x0008;         // ticks above and below
inline constexpr DWORD TBS_NOTICKS = 0x0010;

struct ControlDef {
  ControlKind kind = ControlKind::Static;
  int id = -1;             // IDC_STATIC (-1) for controls nobody addresses
  const char* text = "";
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  DWORD style = 0;
  UINT iconId = 0;         // icons only
};

struct DialogTemplate {
  UINT id = 0;
  const char* caption = "";
  int cx = 0, cy = 0;      // client size in dialog units
  std::span<const ControlDef> controls{};
};
