// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Number of Players dialog: how many seats play, their names, which
// seats the computer plays and at what level. It edits its own copies only.
#include <array>
#include <string>

#include "ui/dialog.h"

class CPlayersDlg : public CDialog {
 public:
  CPlayersDlg();

  int m_nPlayers = -1;  // 0 = one player .. 3 = four players
  std::array<std::string, 4> m_strName;
  std::array<BOOL, 4> m_bComputer{};
  // Each seat's level: CPlayer::kGameLevel or a ComputerSkill value.
  std::array<int, 4> m_nLevel{-1, -1, -1, -1};

  // The words a level box shows for a level.
  static const char* LevelCaption(int level);
  // The level after `level` as a click steps the box on.
  static int NextLevel(int level);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnCommand(int id, UINT code) override;

 private:
  // Seats below `players` can be edited; the others are greyed but keep
  // their values. A level box is open only beside a computer seat in play.
  void EnableSeats(int players);
  int SeatsInPlay() const;
};
