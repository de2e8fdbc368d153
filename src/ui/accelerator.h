// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Accelerator keys: a key message that matches the table becomes a
// WM_COMMAND posted to the frame, before the message is dispatched.
#include <span>

#include "platform/host.h"
#include "res/accel_table.h"
#include "ui/cmd_ui.h"

// The command of the first entry matching `msg` (a key-down with the
// modifiers held exactly as listed), or 0.
UINT MatchAccelerator(std::span<const AccelDef> table, const MSG& msg, bool ctrl, bool shift);
// True when `msg` was an accelerator: its command, unless the update hook
// disables it, is posted to `frame`, and the key must not be dispatched.
bool TranslateAccelerator(Host& host, HWND frame, std::span<const AccelDef> table, const MSG& msg,
                          const UpdateCommandHook& update = {});
