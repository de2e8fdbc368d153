// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/statistics_dialog.h"

#include <array>

#include "res/resource_ids.h"
#include "res/statistics_ids.h"

namespace {

using K = ControlKind;

struct Column {
  int x, cx;
  DWORD align;
};
constexpr Column kColumns[kStatsColumns] = {
    {8, 46, SS_LEFT}, {56, 92, SS_LEFT}, {150, 30, SS_RIGHT}, {182, 26, SS_RIGHT}, {210, 30, SS_RIGHT}, {242, 42, SS_RIGHT},
};
constexpr int kTop = 18, kRowHeight = 10;
constexpr int kCells = kStatsRows * kStatsColumns;
constexpr int kControls = 1 + kCells + 3;

constexpr std::array<ControlDef, kControls> MakeControls() {
  std::array<ControlDef, kControls> c{};
  c[0] = {K::GroupBox, IDC_STATIC, "Games Played, Won, Best and Average", 4, 4, 286, 138, 0};
  for (int r = 0; r < kStatsRows; ++r)
    for (int col = 0; col < kStatsColumns; ++col) {
      const Column& k = kColumns[col];
      c[1 + r * kStatsColumns + col] = {
          K::Static, IDC_STATS_CELL + r * kStatsColumns + col, "", k.x, kTop + r * kRowHeight + (r > 0 ? 3 : 0),
          k.cx, 8, k.align | SS_NOPREFIX};
    }
  c[1 + kCells] = {K::Static, IDC_STATS_MORE, "", 8, 129, 276, 8, SS_NOPREFIX};
  c[2 + kCells] = {K::DefPushButton, IDOK, "OK", 176, 148, 50, 14, WS_GROUP | WS_TABSTOP};
  c[3 + kCells] = {K::PushButton, IDC_STATS_RESET, "&Reset...", 236, 148, 50, 14, WS_TABSTOP};
  return c;
}

constexpr std::array<ControlDef, kControls> kStatisticsControls = MakeControls();
constexpr DialogTemplate kStatistics{IDD_STATISTICS, "Statistics", 294, 168, kStatisticsControls};

}  // namespace

const DialogTemplate& StatisticsDialogTemplate() { return kStatistics; }
