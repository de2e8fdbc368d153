// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/online/online_session.h"

#include "net/room_code.h"
#include "platform/i18n.h"

OnlineSession::OnlineSession(NetTransportFactory factory, OnlineEvents& events, std::string version)
    : m_factory(std::move(factory)), m_events(events), m_version(std::move(version)) {}

OnlineSession::~OnlineSession() {
  if (m_link) m_link->Close();
}

void OnlineSession::Create(const std::string& url, const std::string& game, int seats, const std::string& computers,
                           const std::string& name) {
  m_url = url;
  m_name = name;
  m_hello = NetMessage{"create", {{"game", game}, {"seats", std::to_string(seats)}, {"computers", computers},
                                  {"name", name}, {"version", m_version}}, {}};
  Connect();
}

void OnlineSession::Join(const std::string& url, const std::string& code, const std::string& name,
                         const std::string& token) {
  m_url = url;
  m_name = name;
  m_code = NormaliseRoomCode(code).value_or(code);
  m_token = token;
  m_hello = NetMessage{"join", {{"code", m_code}, {"name", name}, {"version", m_version}}, {}};
  if (!token.empty()) m_hello.fields.emplace_back("token", token);
  Connect();
}

void OnlineSession::Connect() {
  if (!m_factory) return End(Tr("This program cannot play online."));
  if (m_link) m_link->Close();
  m_link = m_factory();
  if (m_phase != Phase::Reconnecting) m_phase = Phase::Connecting;
  m_link->Open(m_url);
  m_events.OnRoomChanged();
}

void OnlineSession::Send(const NetMessage& message) {
  if (m_phase == Phase::InRoom && m_link) m_link->Send(EncodeNetMessage(message));
}

void OnlineSession::Leave() {
  if (m_link && m_phase == Phase::InRoom) m_link->Send(EncodeNetMessage(NetMessage{"leave", {}, {}}));
  if (m_link) m_link->Close();
  m_link.reset();
  m_phase = Phase::Ended;
}

void OnlineSession::Poll(DWORD realNow) {
  m_now = realNow;
  while (m_link) {
    auto event = m_link->Poll();
    if (!event) break;
    switch (event->kind) {
      case NetEvent::Kind::Opened: OnOpened(); break;
      case NetEvent::Kind::Message: OnMessage(event->text); break;
      case NetEvent::Kind::Closed: OnClosed(event->text); break;
    }
  }
  if (m_phase != Phase::Reconnecting || !m_retryDue || static_cast<std::int32_t>(realNow - m_retryAt) < 0) return;
  if (realNow - m_lostAt > kRejoinWindowMs) return End(Tr("The connection to the server was lost."));
  m_retryDue = false;
  Connect();
}

void OnlineSession::OnOpened() {
  if (m_phase == Phase::Reconnecting) {
    // Back on the same seat: the token says which.
    m_hello = NetMessage{"join", {{"code", m_code}, {"name", m_name}, {"version", m_version}, {"token", m_token}}, {}};
  }
  m_link->Send(EncodeNetMessage(m_hello));
}

void OnlineSession::OnMessage(const std::string& text) {
  std::string error;
  const auto message = DecodeNetMessage(text, error);
  if (!message) return;  // the server speaks the protocol; a garbled line is dropped
  if (message->type == "joined") {
    m_code = message->Get("code");
    m_token = message->Get("token");
    m_seat = std::atoi(message->Get("seat", "-1").c_str());
    m_phase = Phase::InRoom;
    m_events.OnJoined();
    m_events.OnRoomChanged();
  } else if (message->type == "lobby") {
    if (auto room = ReadLobby(*message)) m_room = *room;
    m_events.OnRoomChanged();
  } else if (message->type == "away" || message->type == "back") {
    m_events.OnGameMessage(*message);
    m_events.OnRoomChanged();
  } else if (message->type == "error") {
    OnServerError(*message);
  } else if (message->type == "closed") {
    End(message->Get("reason") == "expired" ? Tr("The room has expired: the online game is over.")
                                            : Tr("The server has shut down: the online game is over."));
  } else if (message->type != "pong") {
    m_events.OnGameMessage(*message);
  }
}

void OnlineSession::OnServerError(const NetMessage& message) {
  const std::string reason = message.Get("reason");
  const bool joining = m_phase != Phase::InRoom;
  if (joining && reason == "no_room") return End(Tr("There is no room with that code (it may have expired)."));
  if (joining && reason == "room_full") return End(Tr("That room is full."));
  if (joining && reason == "bad_version") return End(Tr("That room plays another version of Quintaro."));
  if (joining) return End(Tr("The server refused to let this machine in."));
  m_events.OnRefused(reason, message.Get("text"));
}

void OnlineSession::OnClosed(const std::string& why) {
  m_link.reset();
  if (m_phase == Phase::Connecting) return End(std::string(Tr("The server cannot be reached.")) + " (" + why + ")");
  if (m_phase == Phase::InRoom) {
    m_phase = Phase::Reconnecting;
    m_lostAt = m_now;
  }
  if (m_phase != Phase::Reconnecting) return;
  // Try again a moment later, for as long as the seat is kept.
  m_retryAt = m_now + kRetryMs;
  m_retryDue = true;
  m_events.OnRoomChanged();
}

void OnlineSession::End(const std::string& why) {
  if (m_link) m_link->Close();
  m_link.reset();
  if (m_phase == Phase::Ended) return;
  m_phase = Phase::Ended;
  m_events.OnEnded(why);
}
