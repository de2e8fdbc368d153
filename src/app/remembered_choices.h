// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user chose last time, kept in the settings store between runs:
// the seats (names, how many play, which ones the computer plays) and each
// game's Type Of Game. A first start finds nothing and keeps the defaults;
// stored values are never trusted (names cleaned and cut, counts clamped).
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "res/game_screens.h"
#include "game/game_table.h"
#include "game/player.h"

class SettingsStore;

// The seats from the store, over the defaults already in `players`;
// `nLastPlayer` is the last seat that plays (0..3).
void RestoreSeats(const SettingsStore& settings, CObArray& players, int& nLastPlayer);
void StoreSeats(SettingsStore& settings, const CObArray& players, int nLastPlayer);

// Each game's last Type Of Game choice, clamped to the game's variants.
void RestoreVariants(const SettingsStore& settings, std::span<const GameInfo> games,
                     std::array<int, kScreenCount>& variants);
void StoreVariant(SettingsStore& settings, const GameInfo& game, int nVariant);

// Names are held and stored as UTF-8.
std::string NameToStored(std::string_view name);
// A stored name made safe: well-formed UTF-8 kept, stray bytes taken as
// older Latin-1, control characters dropped, cut to the longest name the
// dialog takes (in characters).
std::string NameFromStored(std::string_view stored);
