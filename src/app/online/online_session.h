// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// This machine's membership of a room on a server: connecting, creating or
// joining the room, following the lobby, passing the game's messages both
// ways, and coming back to the same seat after a dropped connection (for up
// to five minutes, with the seat's token). It knows no document or window:
// the program hears of everything through OnlineEvents and calls Poll from
// its main loop.
#include <cstdint>
#include <memory>
#include <string>

#include "app/online/online_room.h"
#include "net/net_message.h"
#include "net/net_transport.h"
#include "platform/types.h"

class OnlineEvents {
 public:
  virtual ~OnlineEvents() = default;
  // The server gave this machine a seat (again, after a rejoin).
  virtual void OnJoined() = 0;
  // The room, a member's presence or this machine's connection changed.
  virtual void OnRoomChanged() = 0;
  // A game message relayed from another member (start, input, turn, ...).
  virtual void OnGameMessage(const NetMessage& message) = 0;
  // The online game is over for this machine; `why` is for people.
  virtual void OnEnded(const std::string& why) = 0;
  // The server refused something; `text` is for people.
  virtual void OnRefused(const std::string& reason, const std::string& text) = 0;
};

class OnlineSession {
 public:
  enum class Phase { Idle, Connecting, InRoom, Reconnecting, Ended };
  static constexpr DWORD kRejoinWindowMs = 5 * 60 * 1000;
  static constexpr DWORD kRetryMs = 2000;

  OnlineSession(NetTransportFactory factory, OnlineEvents& events, std::string version);
  ~OnlineSession();

  void Create(const std::string& url, const std::string& game, int seats, const std::string& computers,
              const std::string& name);
  // `token` rejoins the seat it was given for.
  void Join(const std::string& url, const std::string& code, const std::string& name, const std::string& token = {});
  // A message to the room (start, input, turn, handover, ...); dropped unless in the room.
  void Send(const NetMessage& message);
  // Leaves the room for good.
  void Leave();
  // Takes what arrived and retries a lost connection; `realNow` in milliseconds.
  void Poll(DWORD realNow);

  Phase GetPhase() const { return m_phase; }
  bool Active() const { return m_phase != Phase::Idle && m_phase != Phase::Ended; }
  const OnlineRoom& Room() const { return m_room; }
  const std::string& Url() const { return m_url; }
  const std::string& Code() const { return m_code; }
  const std::string& Token() const { return m_token; }
  int Seat() const { return m_seat; }
  bool IsCreator() const { return m_seat == 0; }

 private:
  void Connect();
  void OnOpened();
  void OnMessage(const std::string& text);
  void OnClosed(const std::string& why);
  void OnServerError(const NetMessage& message);
  void End(const std::string& why);

  NetTransportFactory m_factory;
  OnlineEvents& m_events;
  std::string m_version;
  std::unique_ptr<NetTransport> m_link;
  Phase m_phase = Phase::Idle;
  NetMessage m_hello;  // create or join, sent as the connection opens
  std::string m_url, m_code, m_token, m_name;
  int m_seat = -1;
  OnlineRoom m_room;
  DWORD m_now = 0;
  DWORD m_lostAt = 0;     // when the connection dropped
  DWORD m_retryAt = 0;    // when the next attempt to rejoin is due
  bool m_retryDue = false;
};
