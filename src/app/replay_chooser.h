// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Game > Open Replay's chooser: the replays a page at a time, newest first;
// a click or the arrows choose one, Page Up and Page Down (or Newer and
// Older) turn the page, Open (Enter) plays it, Cancel (Escape) does not.
#include <optional>
#include <vector>

#include "app/replay_list.h"
#include "platform/host.h"
#include "ui/dialog.h"
#include "ui/modal_script.h"

class CReplayChooser : public CDialog {
 public:
  explicit CReplayChooser(const std::vector<ReplayListing>& list);
  std::optional<std::size_t> Chosen() const { return m_chosen; }

 protected:
  BOOL OnInitDialog() override;
  void OnCommand(int id, UINT code) override;
  bool OnKeyDown(UINT vk) override;
  void OnOK() override;

 private:
  void TurnPage(bool older);
  void Fill();

  const std::vector<ReplayListing>& m_list;
  std::size_t m_first = 0;  // the list's index on the page's first row
  std::optional<std::size_t> m_chosen;
};

// The index in `list` of the replay chosen, or none when cancelled.
std::optional<std::size_t> ChooseReplay(Host& host, ModalScript* script, const std::vector<ReplayListing>& list);
