// SPDX-License-Identifier: GPL-3.0-or-later
// A TCP socket for the load test's WebSocket streams whose reads also say
// when the kernel received the bytes (SO_TIMESTAMPNS). On 127.0.0.1 the
// bytes reach the receiver's socket during the server's own send, so the
// time from a message's send stamp to that arrival is the server's delay,
// free of however long the load client itself took to get round to reading.
#pragma once

#include <array>
#include <boost/asio/async_result.hpp>
#include <boost/asio/buffer.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/role.hpp>
#include <boost/beast/websocket/teardown.hpp>
#include <cstddef>
#include <utility>

// Microseconds on the clock the kernel stamps arrivals with (CLOCK_REALTIME).
long long WallMicros();

class StampedSocket {
 public:
  using executor_type = boost::asio::ip::tcp::socket::executor_type;

  explicit StampedSocket(boost::asio::io_context& io) : socket_(io) {}
  executor_type get_executor() noexcept { return socket_.get_executor(); }
  boost::asio::ip::tcp::socket& Socket() { return socket_; }
  // Asks the kernel to stamp arrivals; call once connected.
  void StampArrivals();
  // When the bytes of the latest read arrived (the last of them, if the read
  // took several packets), in WallMicros; 0 before the first stamped read.
  long long LastArrivalMicros() const { return lastArrival_; }

  template <class MutableBuffers, class Token>
  auto async_read_some(const MutableBuffers& buffers, Token&& token) {
    return boost::asio::async_initiate<Token, void(boost::system::error_code, std::size_t)>(
        [this](auto handler, const MutableBuffers& into) { ReadWhenReady(std::move(handler), into); }, token, buffers);
  }

  template <class ConstBuffers, class Token>
  auto async_write_some(const ConstBuffers& buffers, Token&& token) {
    return socket_.async_write_some(buffers, std::forward<Token>(token));
  }

  // The WebSocket stream closes its TCP connection through these.
  friend void beast_close_socket(StampedSocket& s) {
    boost::system::error_code ignored;
    s.socket_.close(ignored);
  }
  friend void teardown(boost::beast::role_type role, StampedSocket& s, boost::system::error_code& ec) {
    boost::beast::websocket::teardown(role, s.socket_, ec);
  }
  template <class Handler>
  friend void async_teardown(boost::beast::role_type role, StampedSocket& s, Handler&& handler) {
    boost::beast::websocket::async_teardown(role, s.socket_, std::forward<Handler>(handler));
  }

 private:
  template <class Handler, class MutableBuffers>
  void ReadWhenReady(Handler handler, const MutableBuffers& buffers) {
    socket_.async_wait(boost::asio::ip::tcp::socket::wait_read,
                       [this, handler = std::move(handler), buffers](boost::system::error_code ec) mutable {
                         const std::size_t got = ec ? 0 : ReceiveInto(buffers, ec);
                         if (ec == boost::asio::error::would_block) return ReadWhenReady(std::move(handler), buffers);
                         std::move(handler)(ec, got);
                       });
  }

  template <class MutableBuffers>
  std::size_t ReceiveInto(const MutableBuffers& buffers, boost::system::error_code& ec) {
    std::array<boost::asio::mutable_buffer, 8> parts;
    std::size_t count = 0;
    for (auto it = boost::asio::buffer_sequence_begin(buffers);
         it != boost::asio::buffer_sequence_end(buffers) && count < parts.size(); ++it)
      parts[count++] = *it;
    return Receive(parts.data(), count, ec);
  }

  // One non-blocking recvmsg into the parts, noting the arrival stamp.
  std::size_t Receive(const boost::asio::mutable_buffer* parts, std::size_t count, boost::system::error_code& ec);

  boost::asio::ip::tcp::socket socket_;
  long long lastArrival_ = 0;
};
