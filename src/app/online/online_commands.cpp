// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/online/online_commands.h"

#include "app/main_frame.h"
#include "app/online/online_desk.h"
#include "app/online/online_dialogs.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/version.h"
#include "platform/i18n.h"
#include "platform/settings.h"
#include "res/online_ids.h"
#include "ui/message_box.h"

namespace {

constexpr const char* kSection = "Online";
constexpr const char* kDefaultServer = "127.0.0.1:8152";

void ShowLobby(CQuintaroApp& app) {
  OnlineDesk& online = app.Online();
  COnlineLobbyDlg lobby(online);
  const int result = AfxDoModal(lobby);
  if (result == IDC_LOBBY_START && !online.Start() && !online.LastMessage().empty())
    app.Frame().MessageBox(online.LastMessage(), kApplicationTitle, MB_OK | MB_ICONINFORMATION);
  if (result == IDC_LOBBY_LEAVE) online.Leave();
}

}  // namespace

bool OnOnlineCommand(CQuintaroApp& app, UINT id) {
  if (id != ID_GAME_PLAYONLINE) return false;
  OnlineDesk& online = app.Online();
  if (online.InRoom()) {
    ShowLobby(app);
    return true;
  }
  SettingsStore& settings = app.GetHost().Settings();
  CPlayOnlineDlg dialog;
  // The page offers the server that served it; the desktop, this machine.
  const std::string& offered = app.Options().roomServer;
  dialog.m_strServer = settings.GetProfileString(kSection, "Server", offered.empty() ? kDefaultServer : offered);
  dialog.m_strName = settings.GetProfileString(kSection, "Name", app.Doc().m_players[0]->m_strName);
  dialog.m_strCode = settings.GetProfileString(kSection, "Room", "");
  const int result = AfxDoModal(dialog);
  if (result != IDC_ONLINE_CREATE && result != IDC_ONLINE_JOIN) return true;
  settings.WriteProfileString(kSection, "Name", dialog.m_strName);
  const bool began = result == IDC_ONLINE_CREATE ? online.CreateRoom(dialog.m_strServer, dialog.m_strName)
                                                 : online.Join(dialog.m_strServer, dialog.m_strCode, dialog.m_strName);
  if (!began) {
    app.Frame().MessageBox(online.LastMessage(), kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
    return true;
  }
  ShowLobby(app);
  return true;
}
