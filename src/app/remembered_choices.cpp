// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/remembered_choices.h"

#include <algorithm>

#include "game/computer_skill.h"
#include "platform/settings.h"
#include "platform/utf8.h"

namespace {

constexpr const char* kSeatsSection = "Players";
constexpr const char* kCountKey = "Count";
constexpr const char* kVariantKey = "TypeOfGame";

std::string SeatKey(const char* what, std::size_t seat) { return what + std::to_string(seat + 1); }

bool IsControl(unsigned cp) { return cp < 0x20 || (cp >= 0x7F && cp < 0xA0); }

}  // namespace

std::string NameToStored(std::string_view name) { return Utf8FromStoredBytes(name); }

std::string NameFromStored(std::string_view stored) {
  const std::string text = Utf8FromStoredBytes(stored);
  std::string out;
  std::size_t chars = 0;
  ForEachCodePoint(text, [&](char32_t c) {
    if (chars == kMaxPlayerName || IsControl(c)) return;
    AppendUtf8(out, c);
    ++chars;
  });
  return out;
}

void RestoreSeats(const SettingsStore& settings, CObArray& players, int& nLastPlayer) {
  const int count = settings.GetProfileInt(kSeatsSection, kCountKey, nLastPlayer + 1);
  nLastPlayer = std::clamp(count, 1, kSeatCount) - 1;
  for (std::size_t i = 0; i < players.size(); ++i) {
    CPlayer& seat = *players[i];
    if (const auto raw = settings.Raw(kSeatsSection, SeatKey("Name", i))) {
      const std::string name = NameFromStored(*raw);
      if (!name.empty()) seat.m_strName = name;
    }
    seat.m_bComputer = settings.GetProfileInt(kSeatsSection, SeatKey("Computer", i), seat.m_bComputer ? 1 : 0) != 0;
    // No level stored (an older file) or one out of range: the game's own level.
    const int level = settings.GetProfileInt(kSeatsSection, SeatKey("Level", i), CPlayer::kGameLevel);
    seat.m_nLevel = level >= 0 && level <= static_cast<int>(skill::ComputerSkill::Expert) ? level : CPlayer::kGameLevel;
    seat.m_bActive = static_cast<int>(i) <= nLastPlayer;
  }
}

void StoreSeats(SettingsStore& settings, const CObArray& players, int nLastPlayer) {
  SettingsGroup group(settings);  // one save for the whole seating
  settings.WriteProfileInt(kSeatsSection, kCountKey, nLastPlayer + 1);
  for (std::size_t i = 0; i < players.size(); ++i) {
    settings.WriteProfileString(kSeatsSection, SeatKey("Name", i), NameToStored(players[i]->m_strName));
    settings.WriteProfileInt(kSeatsSection, SeatKey("Computer", i), players[i]->m_bComputer ? 1 : 0);
    settings.WriteProfileInt(kSeatsSection, SeatKey("Level", i), players[i]->m_nLevel);
  }
}

void RestoreVariants(const SettingsStore& settings, std::span<const GameInfo> games,
                     std::array<int, kScreenCount>& variants) {
  for (const GameInfo& game : games) {
    if (game.nScreen < 0 || game.nScreen >= kScreenCount || !game.bTypeOfGame) continue;
    const int stored = settings.GetProfileInt(game.pszName, kVariantKey, 0);
    variants[static_cast<std::size_t>(game.nScreen)] = game.ClampVariant(stored);
  }
}

void StoreVariant(SettingsStore& settings, const GameInfo& game, int nVariant) {
  if (game.bTypeOfGame) settings.WriteProfileInt(game.pszName, kVariantKey, game.ClampVariant(nVariant));
}
