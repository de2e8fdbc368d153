// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/replay_chooser.h"

#include <algorithm>

#include "res/replay_dialog.h"
#include "res/replay_ids.h"
#include "res/resource_ids.h"
#include "ui/dialog.h"

namespace {

constexpr std::size_t kRows = kReplayRows;

}  // namespace

CReplayChooser::CReplayChooser(const std::vector<ReplayListing>& list)
    : CDialog(OpenReplayDialogTemplate()), m_list(list) {}

BOOL CReplayChooser::OnInitDialog() {
  CDialog::OnInitDialog();
  m_chosen = m_list.empty() ? std::nullopt : std::optional<std::size_t>(0);
  Fill();
  GotoDlgCtrl(IDC_REPLAY_ROW);
  return FALSE;
}

void CReplayChooser::OnCommand(int id, UINT code) {
  if (code != BN_CLICKED) return;
  if (id == IDC_REPLAY_NEWER || id == IDC_REPLAY_OLDER) return TurnPage(id == IDC_REPLAY_OLDER);
  const auto row = static_cast<std::size_t>(id - IDC_REPLAY_ROW);
  if (id >= IDC_REPLAY_ROW && row < kRows && m_first + row < m_list.size()) m_chosen = m_first + row;
}

bool CReplayChooser::OnKeyDown(UINT vk) {
  if (vk != VK_PRIOR && vk != VK_NEXT) return CDialog::OnKeyDown(vk);
  TurnPage(vk == VK_NEXT);
  return true;
}

void CReplayChooser::OnOK() {
  if (m_chosen) EndDialog(IDOK);
}

void CReplayChooser::TurnPage(bool older) {
  if (older && m_first + kRows < m_list.size()) m_first += kRows;
  else if (!older && m_first >= kRows) m_first -= kRows;
  else return;
  m_chosen = m_first;
  Fill();
  GotoDlgCtrl(IDC_REPLAY_ROW);
}

void CReplayChooser::Fill() {
  for (std::size_t r = 0; r < kRows; ++r) {
    const int id = IDC_REPLAY_ROW + static_cast<int>(r);
    const std::size_t i = m_first + r;
    SetDlgItemText(id, i < m_list.size() ? m_list[i].line : "");
    EnableDlgItem(id, i < m_list.size());
    CheckDlgButton(id, m_chosen == i ? 1 : 0);
  }
  const std::size_t last = std::min(m_first + kRows, m_list.size());
  SetDlgItemText(IDC_REPLAY_PAGE, "Replays " + std::to_string(m_first + 1) + " to " + std::to_string(last) + " of " +
                                      std::to_string(m_list.size()));
  EnableDlgItem(IDC_REPLAY_NEWER, m_first > 0);
  EnableDlgItem(IDC_REPLAY_OLDER, last < m_list.size());
  EnableDlgItem(IDOK, m_chosen.has_value());
}

std::optional<std::size_t> ChooseReplay(Host& host, ModalScript* script, const std::vector<ReplayListing>& list) {
  CReplayChooser chooser(list);
  if (chooser.DoModal(host, script) != IDOK) return std::nullopt;
  return chooser.Chosen();
}
