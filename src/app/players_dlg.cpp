// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/players_dlg.h"

#include "game/player.h"
#include "res/resource_ids.h"
#include "res/shell_dialogs.h"
#include "ui/ddx.h"

namespace {

constexpr int kNameEdits[4] = {IDC_NAME1, IDC_NAME2, IDC_NAME3, IDC_NAME4};
constexpr int kComputerChecks[4] = {IDC_COMPUTER1, IDC_COMPUTER2, IDC_COMPUTER3, IDC_COMPUTER4};

}  // namespace

CPlayersDlg::CPlayersDlg() : CDialog(PlayersDialogTemplate()) {}

BOOL CPlayersDlg::OnInitDialog() {
  const BOOL result = CDialog::OnInitDialog();
  if (m_nPlayers >= 0 && m_nPlayers <= 3) EnableSeats(m_nPlayers + 1);
  return result;
}

void CPlayersDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Radio(pDX, IDC_ONE_PLAYER, m_nPlayers);
  for (std::size_t i = 0; i < 4; ++i) {
    DDX_Text(pDX, kNameEdits[i], m_strName[i]);
    DDV_MaxChars(pDX, m_strName[i], static_cast<int>(kMaxPlayerName));
    DDX_Check(pDX, kComputerChecks[i], m_bComputer[i]);
  }
}

void CPlayersDlg::OnCommand(int id, UINT code) {
  if (code == BN_CLICKED && id >= IDC_ONE_PLAYER && id <= IDC_FOUR_PLAYERS) EnableSeats(id - IDC_ONE_PLAYER + 1);
  CDialog::OnCommand(id, code);
}

void CPlayersDlg::EnableSeats(int players) {
  for (int k = 0; k < 4; ++k) {
    EnableDlgItem(kNameEdits[k], k < players);
    EnableDlgItem(kComputerChecks[k], k < players);
  }
}
