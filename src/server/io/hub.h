// SPDX-License-Identifier: GPL-3.0-or-later
// Between the sockets and the rooms: numbers each WebSocket connection, hands
// its frames to the rooms, delivers what the rooms send, and keeps time.
#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/steady_timer.hpp>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "server/room_server.h"

class WsSession;

class Hub {
 public:
  Hub(boost::asio::io_context& io, RoomLimits limits);

  ConnectionId Add(const std::shared_ptr<WsSession>& session);
  void Received(ConnectionId id, std::string_view frame);
  void Gone(ConnectionId id);
  // Says goodbye to every connection; the sessions close once it is sent.
  void Shutdown();
  bool ShuttingDown() const { return shuttingDown_; }
  std::size_t ConnectionCount() const { return sessions_.size(); }
  // "ok rooms=N connections=M"
  std::string Health() const;

 private:
  void Flush();
  void ScheduleTick();
  Millis Now() const;

  boost::asio::io_context& io_;
  RoomServer rooms_;
  std::unordered_map<ConnectionId, std::weak_ptr<WsSession>> sessions_;
  ConnectionId next_ = 1;
  boost::asio::steady_timer tick_;
  bool shuttingDown_ = false;
};
