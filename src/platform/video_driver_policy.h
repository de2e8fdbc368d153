// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which of SDL's video drivers the program may run on. With no display, SDL
// falls back to drivers that show nothing (offscreen, dummy); a window no one
// can see would run forever, so those are taken only when asked for by name.
#include <optional>
#include <string>
#include <string_view>

// Why the program must not run on `driver`, or nothing when it may.
// `requested` is SDL_VIDEODRIVER (null when unset; it may list several
// drivers separated by commas).
std::optional<std::string> RefuseVideoDriver(std::string_view driver, const char* requested);

// Why Wayland cannot be reached, known before trying, or nothing. Without
// WAYLAND_SOCKET, a WAYLAND_DISPLAY that is not a path is looked for in
// XDG_RUNTIME_DIR, and with that unset the Wayland library would print a
// complaint of its own before the program could say what went wrong.
std::optional<std::string> WaylandUnreachable(const char* waylandSocket, const char* waylandDisplay,
                                              const char* runtimeDir);
