// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Browser events to the classic messages the program understands.
#include "platform/types.h"
#include "platform/web/web_events.h"

class Host;

// The browser's key code (the classic virtual-key numbering for the keys
// the program uses), or 0 for keys the program has no use for.
UINT VirtualKeyFromBrowser(int keyCode);
// Posts the event's messages to the host's queue.
void PostWebEvent(Host& host, const WebEvent& e);
