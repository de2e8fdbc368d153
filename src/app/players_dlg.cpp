// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/players_dlg.h"

#include "game/computer_skill.h"
#include "game/player.h"
#include "res/resource_ids.h"
#include "res/shell_dialogs.h"
#include "ui/ddx.h"

namespace {

constexpr int kNameEdits[4] = {IDC_NAME1, IDC_NAME2, IDC_NAME3, IDC_NAME4};
constexpr int kComputerChecks[4] = {IDC_COMPUTER1, IDC_COMPUTER2, IDC_COMPUTER3, IDC_COMPUTER4};
constexpr int kLevelBoxes[4] = {IDC_LEVEL1, IDC_LEVEL2, IDC_LEVEL3, IDC_LEVEL4};

int SeatOfLevelBox(int id) {
  for (int k = 0; k < 4; ++k)
    if (kLevelBoxes[k] == id) return k;
  return -1;
}

}  // namespace

CPlayersDlg::CPlayersDlg() : CDialog(PlayersDialogTemplate()) {}

const char* CPlayersDlg::LevelCaption(int level) {
  if (level < 0 || level > static_cast<int>(skill::ComputerSkill::Expert)) return "Game Level";
  return skill::SkillName(static_cast<skill::ComputerSkill>(level));
}

int CPlayersDlg::NextLevel(int level) {
  return level >= static_cast<int>(skill::ComputerSkill::Expert) || level < CPlayer::kGameLevel ? CPlayer::kGameLevel
                                                                                               : level + 1;
}

BOOL CPlayersDlg::OnInitDialog() {
  const BOOL result = CDialog::OnInitDialog();
  for (std::size_t k = 0; k < 4; ++k) SetDlgItemText(kLevelBoxes[k], LevelCaption(m_nLevel[k]));
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
  if (code == BN_CLICKED) {
    if (id >= IDC_ONE_PLAYER && id <= IDC_FOUR_PLAYERS) EnableSeats(id - IDC_ONE_PLAYER + 1);
    for (int k = 0; k < 4; ++k)
      if (id == kComputerChecks[k]) EnableSeats(SeatsInPlay());
    if (const int seat = SeatOfLevelBox(id); seat >= 0) {
      int& level = m_nLevel[static_cast<std::size_t>(seat)];
      level = NextLevel(level);
      SetDlgItemText(id, LevelCaption(level));
    }
  }
  CDialog::OnCommand(id, code);
}

int CPlayersDlg::SeatsInPlay() const {
  const int checked = GetCheckedRadioButton(IDC_ONE_PLAYER, IDC_FOUR_PLAYERS);
  return checked >= IDC_ONE_PLAYER ? checked - IDC_ONE_PLAYER + 1 : 4;
}

void CPlayersDlg::EnableSeats(int players) {
  for (int k = 0; k < 4; ++k) {
    EnableDlgItem(kNameEdits[k], k < players);
    EnableDlgItem(kComputerChecks[k], k < players);
    EnableDlgItem(kLevelBoxes[k], k < players && IsDlgButtonChecked(kComputerChecks[k]) != 0);
  }
}
