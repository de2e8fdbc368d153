// SPDX-License-Identifier: GPL-3.0-or-later
// One WebSocket connection on /room: reads whole text frames (the library
// refuses anything far beyond the message limit) and writes what it is
// given in order, closing a reader that falls too far behind.
#pragma once

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <deque>
#include <memory>
#include <string>

#include "server/room.h"

class Hub;

// Frames above this close the connection at once; between the message
// limit and this the rooms refuse them with a reason and the player stays.
inline constexpr std::size_t kMaxFrameBytes = 4 * kMaxNetMessageBytes;

class WsSession : public std::enable_shared_from_this<WsSession> {
 public:
  WsSession(boost::asio::ip::tcp::socket&& socket, Hub& hub);
  void Accept(boost::beast::http::request<boost::beast::http::string_body> request);
  void Send(std::shared_ptr<const std::string> text);
  void CloseAfterSending();

 private:
  void Read();
  void OnRead(boost::beast::error_code ec);
  void Write();
  void OnWrite(boost::beast::error_code ec);
  void Finish();

  // On the bare socket: the WebSocket layer keeps its own ping and idle
  // timer, and a timed stream underneath would only add work to every write.
  boost::beast::websocket::stream<boost::asio::ip::tcp::socket> ws_;
  boost::beast::flat_buffer buffer_;
  std::deque<std::shared_ptr<const std::string>> queue_;
  std::size_t queuedBytes_ = 0;
  bool open_ = false, writing_ = false, closing_ = false, finished_ = false;
  ConnectionId id_ = 0;
  Hub& hub_;
};
