// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tool bar 128: buttons and separators in order. Button n (counting buttons
// only) shows image n of bitmap 128; the pictures after the buttons' own are
// second looks of a button.
#include <span>

#include "platform/types.h"

inline constexpr UINT ID_SEPARATOR = 0;
inline constexpr int kToolImageWidth = 16;
inline constexpr int kToolImageHeight = 15;
// The Sound button while sound is off: a muted speaker.
inline constexpr int kSoundOffImage = 8;

std::span<const UINT> MainToolBar();
