// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the dialog tests share: the players dialog's behaviour on its
// template, a script that answers from a list, and a fixture that drives
// the dialog with keys and clicks on the window surface.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "res/shell_dialogs.h"
#include "ui/ddx.h"
#include "ui/dialog.h"
#include "ui_test_host.h"

namespace quintaro::test {

inline constexpr int kNames[4] = {IDC_NAME1, IDC_NAME2, IDC_NAME3, IDC_NAME4};
inline constexpr int kComputers[4] = {IDC_COMPUTER1, IDC_COMPUTER2, IDC_COMPUTER3, IDC_COMPUTER4};

// The players dialog's behaviour: seats beyond the chosen count are greyed.
class SeatsDialog : public CDialog {
 public:
  SeatsDialog() : CDialog(PlayersDialogTemplate()) {}
  int m_nPlayers = -1;
  std::array<std::string, 4> m_names;
  std::array<BOOL, 4> m_computer{};
  std::vector<std::pair<int, UINT>> commands;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (m_nPlayers >= 0 && m_nPlayers <= 3) Seats(m_nPlayers + 1);
    return TRUE;
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Radio(pDX, IDC_ONE_PLAYER, m_nPlayers);
    for (int i = 0; i < 4; ++i) {
      DDX_Text(pDX, kNames[i], m_names[static_cast<std::size_t>(i)]);
      DDV_MaxChars(pDX, m_names[static_cast<std::size_t>(i)], 20);
      DDX_Check(pDX, kComputers[i], m_computer[static_cast<std::size_t>(i)]);
    }
  }
  void OnCommand(int id, UINT code) override {
    commands.emplace_back(id, code);
    if (code == BN_CLICKED && id >= IDC_ONE_PLAYER && id <= IDC_FOUR_PLAYERS) Seats(id - IDC_ONE_PLAYER + 1);
  }

 private:
  void Seats(int n) {
    for (int k = 0; k < 4; ++k) {
      EnableDlgItem(kNames[k], k < n);
      EnableDlgItem(kComputers[k], k < n);
    }
  }
};

// Answers from a list; records what it was asked.
class ListScript : public ModalScript {
 public:
  std::vector<std::optional<int>> boxAnswers;
  std::vector<std::string> boxesSeen;
  std::function<std::optional<int>(DialogController&)> dialog;

  std::optional<int> AnswerMessageBox(const std::string& caption, const std::string& text, UINT) override {
    boxesSeen.push_back(caption + "|" + text);
    if (boxAnswers.empty()) return std::nullopt;
    auto a = boxAnswers.front();
    boxAnswers.erase(boxAnswers.begin());
    return a;
  }
  std::optional<int> RunDialog(int, DialogController& d) override { return dialog ? dialog(d) : std::nullopt; }
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.LayOut();
    t.host().onEvent = [this](const std::string& e) { events.push_back(e); };
    dlg.m_nPlayers = 1;
    dlg.m_names = {"Ann", "Ben", "Cy", "Di"};
    dlg.m_computer = {FALSE, TRUE, FALSE, FALSE};
  }
  void Key(UINT vk, UINT message = WM_KEYDOWN) { dlg.HandleMessage(MSG{0, message, vk, 0, 0}); }
  void Char(char32_t c) { dlg.HandleMessage(MSG{0, WM_CHAR, static_cast<WPARAM>(c), 0, 0}); }
  void Mouse(UINT message, CPoint p) { dlg.HandleMessage(MSG{0, message, 0, MAKELPARAM(p.x, p.y), 0}); }
  void ClickAt(CPoint p) {
    Mouse(WM_LBUTTONDOWN, p);
    Mouse(WM_LBUTTONUP, p);
  }
  CPoint Centre(int id) { return dlg.ControlRect(id).CenterPoint(); }
  // Another window whose timer counts its ticks while the dialog is up.
  void TickInAnotherWindow(int& ticks) {
    const HWND other = t.host().CreateWindow([&ticks](const MSG& m) -> LRESULT {
      if (m.message == WM_TIMER) ++ticks;
      return 0;
    });
    t.host().SetTimer(other, 7, 50);
  }

  UiTestHost t;
  SeatsDialog dlg;
  std::vector<std::string> events;
};

}  // namespace quintaro::test
