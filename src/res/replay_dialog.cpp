// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/replay_dialog.h"

#include <array>

#include "res/replay_ids.h"
#include "res/resource_ids.h"

namespace {

using K = ControlKind;

constexpr int kTop = 16, kRowHeight = 13;
constexpr int kControls = 1 + kReplayRows + 5;

constexpr std::array<ControlDef, kControls> MakeControls() {
  std::array<ControlDef, kControls> c{};
  c[0] = {K::GroupBox, IDC_STATIC, "Replays, newest first", 4, 4, 272, 126, 0};
  // The rows are one group of radio buttons: the arrows move the choice.
  for (int r = 0; r < kReplayRows; ++r)
    c[static_cast<std::size_t>(1 + r)] = {K::RadioButton, IDC_REPLAY_ROW + r, "", 10, kTop + r * kRowHeight, 260, 12,
                                          BS_PUSHLIKE | (r == 0 ? WS_GROUP | WS_TABSTOP : 0)};
  c[1 + kReplayRows] = {K::Static, IDC_REPLAY_PAGE, "", 10, 134, 150, 8, SS_NOPREFIX};
  c[2 + kReplayRows] = {K::PushButton, IDC_REPLAY_NEWER, "&Newer", 10, 148, 48, 14, WS_GROUP | WS_TABSTOP};
  c[3 + kReplayRows] = {K::PushButton, IDC_REPLAY_OLDER, "Ol&der", 62, 148, 48, 14, WS_TABSTOP};
  c[4 + kReplayRows] = {K::DefPushButton, IDOK, "&Open", 170, 148, 50, 14, WS_TABSTOP};
  c[5 + kReplayRows] = {K::PushButton, IDCANCEL, "Cancel", 226, 148, 50, 14, WS_TABSTOP};
  return c;
}

constexpr std::array<ControlDef, kControls> kOpenReplayControls = MakeControls();
constexpr DialogTemplate kOpenReplay{IDD_OPENREPLAY, "Open Replay", 280, 168, kOpenReplayControls};

}  // namespace

const DialogTemplate& OpenReplayDialogTemplate() { return kOpenReplay; }
