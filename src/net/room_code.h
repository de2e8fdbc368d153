// SPDX-License-Identifier: GPL-3.0-or-later
// Room codes: 8 characters from 31 letters and digits that cannot be taken
// for one another (no 0/O, no 1/I/L), about 39.6 bits, shown as ABCD-EFGH.
// People may type them in either case, with or without the dash.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kRoomCodeAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
inline constexpr std::size_t kRoomCodeLength = 8;

// A new code drawn from `randomByte` (the server gives it a cryptographic
// source); every letter is equally likely.
std::string MakeRoomCode(const std::function<std::uint8_t()>& randomByte);
// The 8 letters of a typed code in upper case, or nothing when it is no code.
std::optional<std::string> NormaliseRoomCode(std::string_view typed);
// ABCDEFGH as ABCD-EFGH, the way people read it out.
std::string ShowRoomCode(std::string_view code);
