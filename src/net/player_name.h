// SPDX-License-Identifier: GPL-3.0-or-later
// Names players give themselves online, made safe to show to everyone else.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kMaxPlayerNameCharacters = 16;

// Drops control characters and broken UTF-8, trims spaces at both ends and
// keeps at most 16 characters; an empty name becomes "Player N" (N = seat + 1).
std::string CleanPlayerName(std::string_view raw, int seat);
