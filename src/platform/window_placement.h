// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window placement read back from the settings file is outside data: made
// safe for the screen before the window takes it.
#include <optional>

#include "platform/backend.h"

// `stored` within `minimum` (one times the picture) and `screen` (the room a
// window may take); nullopt when it holds neither a size nor a maximised state.
std::optional<WindowPlacement> SanePlacement(const WindowPlacement& stored, SIZE minimum, SIZE screen);
