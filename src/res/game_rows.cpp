// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/game_rows.h"

#include "res/game_rows_data.h"

std::span<const GameShellRow> GameShellRows() { return kGameShellRows; }

const GameShellRow* FindShellRow(int nScreen) {
  for (const GameShellRow& row : kGameShellRows)
    if (row.nScreen == nScreen) return &row;
  return nullptr;
}

const GameShellRow* FindShellRowByCommand(UINT nId) {
  for (const GameShellRow& row : kGameShellRows)
    if (row.nNewCommand == nId) return &row;
  return nullptr;
}
