// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// In a web page the browser keeps Ctrl+N (a new window), Ctrl+W (closing
// the tab) and Ctrl+Q for itself: there the program's menus and help name
// Alt+N and Alt+Q instead, keys a page does receive. The desktop keeps Ctrl.
#ifdef __EMSCRIPTEN__
inline constexpr bool kBrowserKeys = true;
#else
inline constexpr bool kBrowserKeys = false;
#endif
