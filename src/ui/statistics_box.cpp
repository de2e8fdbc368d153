// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/statistics_box.h"

#include <algorithm>
#include <cstdio>

#include "platform/settings.h"
#include "res/resource_ids.h"
#include "res/statistics_dialog.h"
#include "res/statistics_ids.h"
#include "ui/dialog.h"
#include "ui/message_box.h"

namespace {

bool IsComputerSeat(const std::string& name) { return name.rfind("Computer (", 0) == 0; }

// Settings section names as the games' titles.
std::string GameTitle(const std::string& section) { return section == "AirHockey" ? "Air Hockey" : section; }

class CStatisticsDlg : public CDialog {
 public:
  CStatisticsDlg() : CDialog(StatisticsDialogTemplate()) {}

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    Fill();
    return TRUE;
  }
  void OnCommand(int id, UINT code) override {
    if (id != IDC_STATS_RESET || code != BN_CLICKED) return;
    if (ShowMessageBox(*m_pHost, m_pScript, "Forget the statistics of every player?", "Reset Statistics",
                       MB_YESNO | MB_ICONQUESTION) != IDYES)
      return;
    ResetStats(m_pHost->Settings());
    Fill();
  }

 private:
  void Fill() {
    static const char* const kHeading[kStatsColumns] = {"Game", "Player", "Played", "Won", "Best", "Average"};
    const auto rows = StatisticsRows(ReadStats(m_pHost->Settings()));
    for (int c = 0; c < kStatsColumns; ++c) SetDlgItemText(IDC_STATS_CELL + c, kHeading[c]);
    // The transcript of a scripted run shows each row as the window does.
    for (const auto& row : rows) {
      std::string line = "statistics";
      for (const std::string& cell : row) line += " | " + cell;
      m_pHost->Report(line);
    }
    for (int r = 1; r < kStatsRows; ++r) {
      const std::size_t row = static_cast<std::size_t>(r - 1);
      for (int c = 0; c < kStatsColumns; ++c)
        SetDlgItemText(IDC_STATS_CELL + r * kStatsColumns + c,
                       row < rows.size() ? rows[row][static_cast<std::size_t>(c)] : "");
    }
    std::string more;
    if (rows.empty()) more = "No games have been played yet.";
    else if (rows.size() > static_cast<std::size_t>(kStatsRows - 1))
      more = "... and " + std::to_string(rows.size() - (kStatsRows - 1)) + " more.";
    SetDlgItemText(IDC_STATS_MORE, more);
  }
};

}  // namespace

std::vector<std::vector<std::string>> StatisticsRows(const StatsTable& table) {
  std::vector<std::pair<StatsKey, PlayerRecord>> entries(table.begin(), table.end());
  // By game; in a game, people before the computer seats, then by name.
  std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
    if (a.first.first != b.first.first) return a.first.first < b.first.first;
    return IsComputerSeat(a.first.second) < IsComputerSeat(b.first.second);
  });
  std::vector<std::vector<std::string>> rows;
  for (const auto& [key, r] : entries) {
    char average[32];
    std::snprintf(average, sizeof average, "%.1f", r.Average());
    // A result kept to a tenth shows its tenth: 82.1 stays 82.1.
    char best[32];
    std::snprintf(best, sizeof best, r.tenths ? "%.1f" : "%.0f", r.Best());
    rows.push_back({GameTitle(key.first), key.second, std::to_string(r.played), std::to_string(r.won), best,
                    average});
  }
  return rows;
}

int RunStatisticsBox(Host& host, ModalScript* script) {
  CStatisticsDlg box;
  return box.DoModal(host, script);
}
