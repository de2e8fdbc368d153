// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room's events as they happen ("online turn taken 1 next 0", "online
// drift: ..."), one a line, for whoever runs the program to follow an online
// game: the desktop writes them to stderr, the page to the browser's console.
#include <cstdio>

class Host;

void LogOnlineEvents(Host& host, std::FILE* out);
