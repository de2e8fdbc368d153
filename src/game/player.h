// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One seat at the table.
#include <array>
#include <memory>
#include <string>

#include "platform/types.h"

class CPlayer {
 public:
  CPlayer(int nId, BOOL bComputer, std::string name, BOOL bActive, int nScore)
      : m_nId(nId), m_bComputer(bComputer), m_strName(std::move(name)), m_bActive(bActive), m_nScore(nScore) {}

  int m_nId;           // seat number 0..3, its index in the document's array
  BOOL m_bComputer;    // the computer plays this seat
  std::string m_strName;
  BOOL m_bActive;      // the seat takes part in the current game
  int m_nScore;        // points, remaining total, frame total or goals: each game's own
  // The level this seat plays at when the computer plays it (a ComputerSkill
  // value), or kGameLevel: the game's own Options > Computer Skill.
  int m_nLevel = kGameLevel;
  static constexpr int kGameLevel = -1;
};

inline constexpr int kSeatCount = 4;
inline constexpr std::size_t kMaxPlayerName = 20;

// The document's four seats; the games receive a pointer to it.
using CObArray = std::array<std::unique_ptr<CPlayer>, kSeatCount>;

// The four default seats: "Player1" active, the others waiting, no computers.
inline void CreateDefaultPlayers(CObArray& players) {
  for (int i = 0; i < kSeatCount; ++i)
    players[static_cast<std::size_t>(i)] =
        std::make_unique<CPlayer>(i, FALSE, "Player" + std::to_string(i + 1), i == 0, 0);
}
