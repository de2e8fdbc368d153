// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Game > Play Online...: the server, the player's name and a room to open
// or join; and the lobby, which lists the room's seats and who is there,
// with Start for the room's creator.
#include <string>

#include "ui/dialog.h"

class OnlineDesk;

class CPlayOnlineDlg : public CDialog {
 public:
  CPlayOnlineDlg();

  std::string m_strServer;
  std::string m_strName;
  std::string m_strCode;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnCommand(int id, UINT code) override;
};

class COnlineLobbyDlg : public CDialog {
 public:
  explicit COnlineLobbyDlg(OnlineDesk& desk);

 protected:
  BOOL OnInitDialog() override;
  void OnCommand(int id, UINT code) override;
  void OnRefresh() override;

 private:
  void Show();
  OnlineDesk& m_desk;
};
