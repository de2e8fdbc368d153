#pragma once
// Tool bar 128: buttons and separators in order. Button n (counting buttons
// only) shows image n of bitmap 128.
#include <span>

#include "platform/types.h"

inline constexpr UINT ID_SEPARATOR = 0;
inline constexpr int kToolImageWidth = 16;
inline constexpr int kToolImageHeight = 15;

std::span<const UINT> MainToolBar();
