// SPDX-License-Identifier: GPL-3.0-or-later
// Joining and leaving a room, the seats kept in the settings, starting the
// room's game, and what the player is told.
#include "app/online/online_desk.h"

#include "app/main_frame.h"
#include "app/online/online_seats.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/resume_record.h"
#include "app/version.h"
#include "game/game.h"
#include "net/net_url.h"
#include "net/room_code.h"
#include "platform/host.h"
#include "platform/i18n.h"
#include "platform/settings.h"
#include "res/resource_ids.h"
#include "ui/message_box.h"

namespace {
constexpr const char* kSection = "Online";
}  // namespace

OnlineDesk::OnlineDesk(CQuintaroApp& app, NetTransportFactory factory) : m_app(app), m_factory(std::move(factory)) {}

OnlineDesk::~OnlineDesk() {
  if (m_app.GetHost().InputSourceIs(this)) m_app.GetHost().SetInputSource(nullptr);
}

void OnlineDesk::Begin(const std::string& typedAddress) {
  if (m_session) m_session->Leave();
  m_session = std::make_unique<OnlineSession>(m_factory, *this, ProgramVersion());
  m_playing = false;
  m_pendingStart.reset();
  m_pendingTurn.reset();
  m_inputQueue.clear();
  m_endPending = false;
  m_rink.Stop();
  m_app.GetHost().Settings().WriteProfileString(kSection, "Server", typedAddress);
  m_app.GetHost().SetInputSource(this);
}

bool OnlineDesk::CreateRoom(const std::string& typedAddress, const std::string& name) {
  const std::string url = RoomUrl(typedAddress);
  CQuintaroDoc& doc = m_app.Doc();
  if (!Available()) return Tell(Tr("This program cannot play online.")), false;
  if (url.empty()) return Tell(Tr("That is not a server address.")), false;
  if (!doc.CurrentGameInfo()) return Tell(Tr("Choose a game first: the room plays the game on screen.")), false;
  const RoomPlan plan = PlanRoom(doc);
  Begin(typedAddress);
  m_session->Create(url, OnlineGameWord(doc.m_nGameType), plan.seats, plan.computers, name);
  return true;
}

bool OnlineDesk::Join(const std::string& typedAddress, const std::string& code, const std::string& name) {
  const std::string url = RoomUrl(typedAddress);
  if (!Available()) return Tell(Tr("This program cannot play online.")), false;
  if (url.empty()) return Tell(Tr("That is not a server address.")), false;
  if (!NormaliseRoomCode(code)) return Tell(Tr("A room code has eight letters and digits, like ABCD-EFGH.")), false;
  Begin(typedAddress);
  m_session->Join(url, code, name);
  return true;
}

bool OnlineDesk::RejoinKept() {
  SettingsStore& settings = m_app.GetHost().Settings();
  const std::string token = settings.GetProfileString(kSection, "Token", "");
  const std::string code = settings.GetProfileString(kSection, "Room", "");
  const std::string url = settings.GetProfileString(kSection, "Url", "");
  if (!Available() || token.empty() || code.empty() || url.empty()) return false;
  Begin(settings.GetProfileString(kSection, "Server", ""));
  m_rejoining = true;
  m_session->Join(url, code, settings.GetProfileString(kSection, "Name", ""), token);
  return true;
}

void OnlineDesk::OnJoined() {
  SettingsStore& settings = m_app.GetHost().Settings();
  settings.WriteProfileString(kSection, "Url", m_session->Url());
  settings.WriteProfileString(kSection, "Room", m_session->Code());
  settings.WriteProfileString(kSection, "Token", m_session->Token());
  m_app.GetHost().Report("online joined " + m_session->Code() + " seat " + std::to_string(m_session->Seat()));
  if (m_rejoining && !m_playing) m_resumeOnJoin = true;  // a restarted program takes up its kept game
  m_rejoining = false;
}

bool OnlineDesk::Start() {
  if (!m_session || !m_session->IsCreator() || m_playing) return false;
  const OnlineRoom& room = m_session->Room();
  if (!room.Ready()) return Tell(Tr("Wait until every seat is filled.")), false;
  CQuintaroDoc& doc = m_app.Doc();
  ::Host& host = m_app.GetHost();
  const std::uint32_t seed = host.Random().State();
  const std::int64_t wall = host.Time();
  StateRecord start = SeatRoom(doc, room);
  std::string error;
  host.Random().Seed(seed);
  host.PinWallClock(wall);
  if (!RestoreGame(doc, start, error, false)) return Tell(error), false;
  m_session->Send(NetMessage{"start",
                             {{"seed", std::to_string(seed)}, {"wall", std::to_string(wall)},
                              {"turn", std::to_string(doc.m_nCurrentPlayer)}},
                             start.Write()});
  m_playing = true;
  m_turnsTaken = 0;
  BeginTurn(doc.m_nCurrentPlayer);
  return true;
}

void OnlineDesk::HandOver(int seat) {
  if (!m_session || !m_session->IsCreator()) return;
  m_session->Send(NetMessage{"handover", {{"seat", std::to_string(seat)}}, {}});
}

void OnlineDesk::Leave() {
  m_rink.Stop();
  if (m_session) m_session->Leave();
  m_session.reset();
  m_playing = false;
  ForgetSeat();
  if (m_app.GetHost().InputSourceIs(this)) m_app.GetHost().SetInputSource(nullptr);
}

void OnlineDesk::ForgetSeat() {
  SettingsStore& settings = m_app.GetHost().Settings();
  settings.WriteProfileString(kSection, "Token", "");
  settings.WriteProfileString(kSection, "Room", "");
}

bool OnlineDesk::SeatIsLocal(int seat) const {
  if (!m_session || !m_playing) return true;
  if (seat == m_session->Seat()) return true;
  return m_session->IsCreator() && seat >= 0 && seat < kMaxOnlineSeats &&
         m_session->Room().seat[static_cast<std::size_t>(seat)].computer;
}

void OnlineDesk::OnRoomChanged() {
  m_roomChanged = true;
  WakeMainLoop();
}

void OnlineDesk::OnEnded(const std::string& why) {
  m_lastMessage = why;
  m_endPending = true;
  WakeMainLoop();
}

void OnlineDesk::OnRefused(const std::string& reason, const std::string& text) {
  m_app.GetHost().Report("online refused " + reason);
  m_lastMessage = text;
}

void OnlineDesk::Tell(const std::string& text) {
  m_lastMessage = text;
  m_app.GetHost().Report("online says " + text);
}

void OnlineDesk::TellEnd() {
  m_endPending = false;
  m_playing = false;
  m_rink.Stop();
  ForgetSeat();
  if (m_app.GetHost().InputSourceIs(this)) m_app.GetHost().SetInputSource(nullptr);
  m_app.SetStatusText(m_lastMessage);
  m_app.Frame().MessageBox(m_lastMessage, kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
}
