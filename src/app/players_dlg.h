// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Number of Players dialog: how many seats play, their names, and which
// seats the computer plays. It edits its own copies only.
#include <array>
#include <string>

#include "ui/dialog.h"

class CPlayersDlg : public CDialog {
 public:
  CPlayersDlg();

  int m_nPlayers = -1;  // 0 = one player .. 3 = four players
  std::array<std::string, 4> m_strName;
  std::array<BOOL, 4> m_bComputer{};

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnCommand(int id, UINT code) override;

 private:
  // Seats below `players` can be edited; the others are greyed but keep their values.
  void EnableSeats(int players);
};
