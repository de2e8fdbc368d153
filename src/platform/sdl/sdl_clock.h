// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SDL's steady high-resolution clock, for pacing frames and the frame report.
#include <SDL.h>

#include <cstdint>

// Microseconds since an arbitrary start.
std::int64_t SdlNowUs();

// Whether the event is the player's input (pointer, keys, touch), which the
// next frame shown answers.
bool IsPlayerInput(const SDL_Event& e);
