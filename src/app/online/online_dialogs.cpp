// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/online/online_dialogs.h"

#include "app/online/online_desk.h"
#include "net/player_name.h"
#include "net/room_code.h"
#include "platform/i18n.h"
#include "res/online_dialogs.h"
#include "res/online_ids.h"
#include "res/resource_ids.h"
#include "ui/ddx.h"
#include "ui/message_box.h"

namespace {

constexpr UINT kLobbyRefreshMs = 100;

std::string Fill(std::string text, const std::string& value) {
  if (const std::size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, value);
  return text;
}

std::string SeatLine(const OnlineSeat& seat, int index) {
  std::string who = seat.name.empty() ? Tr("(empty)") : seat.name;
  if (seat.computer) return std::to_string(index + 1) + ". " + Fill(Tr("%s (computer)"), who);
  switch (seat.presence) {
    case OnlineSeat::Presence::Connected: return std::to_string(index + 1) + ". " + Fill(Tr("%s is here"), who);
    case OnlineSeat::Presence::Away: return std::to_string(index + 1) + ". " + Fill(Tr("%s is away"), who);
    case OnlineSeat::Presence::Empty: break;
  }
  return std::to_string(index + 1) + ". " + Tr("(empty)");
}

}  // namespace

CPlayOnlineDlg::CPlayOnlineDlg() : CDialog(PlayOnlineDialogTemplate()) {}

void CPlayOnlineDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_ONLINE_SERVER, m_strServer);
  DDV_MaxChars(pDX, m_strServer, 200);
  DDX_Text(pDX, IDC_ONLINE_NAME, m_strName);
  DDV_MaxChars(pDX, m_strName, static_cast<int>(kMaxPlayerNameCharacters));
  DDX_Text(pDX, IDC_ONLINE_CODE, m_strCode);
  DDV_MaxChars(pDX, m_strCode, 9);
}

void CPlayOnlineDlg::OnCommand(int id, UINT code) {
  if (code == BN_CLICKED && (id == IDC_ONLINE_CREATE || id == IDC_ONLINE_JOIN)) {
    if (!UpdateData(TRUE)) return;
    if (id == IDC_ONLINE_JOIN && !NormaliseRoomCode(m_strCode)) {
      MessageBox(Tr("A room code has eight letters and digits, like ABCD-EFGH."), Tr("Play Online"), MB_OK);
      GotoDlgCtrl(IDC_ONLINE_CODE);
      return;
    }
    EndDialog(id);
    return;
  }
  CDialog::OnCommand(id, code);
}

COnlineLobbyDlg::COnlineLobbyDlg(OnlineDesk& desk) : CDialog(OnlineLobbyDialogTemplate()), m_desk(desk) {
  RefreshEvery(kLobbyRefreshMs);
}

BOOL COnlineLobbyDlg::OnInitDialog() {
  const BOOL result = CDialog::OnInitDialog();
  Show();
  return result;
}

void COnlineLobbyDlg::OnRefresh() {
  m_desk.Idle();
  // The creator's start reaches the others here: their game begins once this closes.
  if (!m_desk.InRoom() || m_desk.Playing() || m_desk.StartArrived()) return EndDialog(IDOK);
  Show();
}

void COnlineLobbyDlg::Show() {
  const OnlineSession* session = m_desk.Session();
  if (!session) return;
  const OnlineRoom& room = session->Room();
  const std::string code = session->Code().empty() ? Tr("(waiting for the server)") : session->Code();
  SetDlgItemText(IDC_LOBBY_CODE, Fill(Tr("Room %s: give this code to the other players."), code));
  for (int k = 0; k < kMaxOnlineSeats; ++k)
    SetDlgItemText(IDC_LOBBY_SEAT + k, k < room.seats ? SeatLine(room.seat[static_cast<std::size_t>(k)], k) : "");
  std::string status = m_desk.ConnectionStatus();
  if (status.empty())
    status = room.Ready() ? (session->IsCreator() ? Tr("Every seat is filled: start when you are ready.")
                                                  : Tr("Every seat is filled: the room's creator starts the game."))
                          : Tr("Waiting for every seat to be filled...");
  SetDlgItemText(IDC_LOBBY_STATUS, status);
  EnableDlgItem(IDC_LOBBY_START, session->IsCreator() && room.Ready() && !room.started);
  EnableDlgItem(IDC_LOBBY_HANDOVER, session->IsCreator() && room.FirstAway() >= 0);
}

void COnlineLobbyDlg::OnCommand(int id, UINT code) {
  if (code == BN_CLICKED && (id == IDC_LOBBY_START || id == IDC_LOBBY_LEAVE)) return EndDialog(id);
  if (code == BN_CLICKED && id == IDC_LOBBY_HANDOVER) {
    if (const OnlineSession* session = m_desk.Session()) m_desk.HandOver(session->Room().FirstAway());
    return;
  }
  CDialog::OnCommand(id, code);
}
