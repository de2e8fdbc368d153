#include "app/remembered_choices.h"

#include <algorithm>

#include "platform/settings.h"

namespace {

constexpr const char* kSeatsSection = "Players";
constexpr const char* kCountKey = "Count";
constexpr const char* kVariantKey = "TypeOfGame";

std::string SeatKey(const char* what, std::size_t seat) { return what + std::to_string(seat + 1); }

bool IsControl(unsigned cp) { return cp < 0x20 || (cp >= 0x7F && cp < 0xA0); }

// The code point of a well-formed two-byte UTF-8 sequence at `s[i]` that
// fits Latin-1, or 0 when the bytes there are something else.
unsigned Latin1FromUtf8(std::string_view s, std::size_t i) {
  if (i + 1 >= s.size()) return 0;
  const auto lead = static_cast<unsigned char>(s[i]);
  const auto next = static_cast<unsigned char>(s[i + 1]);
  if ((lead != 0xC2 && lead != 0xC3) || (next & 0xC0) != 0x80) return 0;
  return ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
}

// Bytes of a longer UTF-8 sequence starting at `s[i]` (letters the fonts
// cannot draw), or 0.
std::size_t WideSequenceLength(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  const std::size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 && lead < 0xF0 ? 3 : 0;
  if (length == 0 || i + length > s.size()) return 0;
  for (std::size_t k = 1; k < length; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  return length;
}

}  // namespace

std::string NameToStored(std::string_view name) {
  std::string out;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

std::string NameFromStored(std::string_view stored) {
  std::string out;
  for (std::size_t i = 0; i < stored.size() && out.size() < kMaxPlayerName;) {
    unsigned cp = static_cast<unsigned char>(stored[i]);
    std::size_t used = 1;
    if (const unsigned latin1 = Latin1FromUtf8(stored, i)) {
      cp = latin1;
      used = 2;
    } else if (const std::size_t wide = WideSequenceLength(stored, i)) {
      cp = '?';  // a letter the fonts cannot draw
      used = wide;
    }
    // Anything else above 0x7F is an older stored Latin-1 byte, kept as it is.
    if (!IsControl(cp)) out += static_cast<char>(cp);
    i += used;
  }
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
    seat.m_bActive = static_cast<int>(i) <= nLastPlayer;
  }
}

void StoreSeats(SettingsStore& settings, const CObArray& players, int nLastPlayer) {
  settings.WriteProfileInt(kSeatsSection, kCountKey, nLastPlayer + 1);
  for (std::size_t i = 0; i < players.size(); ++i) {
    settings.WriteProfileString(kSeatsSection, SeatKey("Name", i), NameToStored(players[i]->m_strName));
    settings.WriteProfileInt(kSeatsSection, SeatKey("Computer", i), players[i]->m_bComputer ? 1 : 0);
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
