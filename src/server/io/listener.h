// SPDX-License-Identifier: GPL-3.0-or-later
// Accepts TCP connections and reads each one's first HTTP request: /health
// is answered, /room becomes a WebSocket, anything else is not found.
#pragma once

#include <boost/asio/ip/tcp.hpp>
#include <memory>

class Hub;

class Listener : public std::enable_shared_from_this<Listener> {
 public:
  Listener(boost::asio::io_context& io, const boost::asio::ip::tcp::endpoint& endpoint, Hub& hub);
  boost::asio::ip::tcp::endpoint Endpoint() const { return acceptor_.local_endpoint(); }
  void Run();
  void Stop();

 private:
  void Accept();

  boost::asio::io_context& io_;
  boost::asio::ip::tcp::acceptor acceptor_;
  Hub& hub_;
};
