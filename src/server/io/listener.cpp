// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/io/listener.h"

#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>

#include "server/io/hub.h"
#include "server/io/ws_session.h"

namespace beast = boost::beast;
namespace http = beast::http;
using tcp = boost::asio::ip::tcp;

namespace {

// Reads one request; answers /health, hands /room to a WebSocket session.
class HttpSession : public std::enable_shared_from_this<HttpSession> {
 public:
  HttpSession(tcp::socket&& socket, Hub& hub) : stream_(std::move(socket)), hub_(hub) {}

  void Run() {
    parser_.header_limit(8 * 1024);
    parser_.body_limit(1024);
    stream_.expires_after(std::chrono::seconds(15));
    http::async_read(stream_, buffer_, parser_,
                     [self = shared_from_this()](beast::error_code ec, std::size_t) { self->OnRead(ec); });
  }

 private:
  void OnRead(beast::error_code ec) {
    if (ec) return;
    auto request = parser_.release();
    const bool room = request.target() == "/room" || request.target().starts_with("/room?");
    if (room && beast::websocket::is_upgrade(request) && !hub_.ShuttingDown()) {
      std::make_shared<WsSession>(stream_.release_socket(), hub_)->Accept(std::move(request));
      return;
    }
    if (request.method() == http::verb::get && request.target() == "/health")
      return Answer(request, http::status::ok, hub_.Health() + "\n");
    Answer(request, room ? http::status::upgrade_required : http::status::not_found, "not found\n");
  }

  void Answer(const http::request<http::string_body>& request, http::status status, std::string text) {
    response_ = {status, request.version()};
    response_.set(http::field::server, "quintaro-server");
    response_.set(http::field::content_type, "text/plain; charset=utf-8");
    response_.set(http::field::cache_control, "no-store");
    response_.keep_alive(false);
    response_.body() = std::move(text);
    response_.prepare_payload();
    http::async_write(stream_, response_, [self = shared_from_this()](beast::error_code, std::size_t) {
      beast::error_code ignored;
      self->stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
    });
  }

  beast::tcp_stream stream_;
  beast::flat_buffer buffer_;
  http::request_parser<http::string_body> parser_;
  http::response<http::string_body> response_;
  Hub& hub_;
};

}  // namespace

Listener::Listener(boost::asio::io_context& io, const tcp::endpoint& endpoint, Hub& hub)
    : io_(io), acceptor_(io), hub_(hub) {
  acceptor_.open(endpoint.protocol());
  acceptor_.set_option(boost::asio::socket_base::reuse_address(true));
  acceptor_.bind(endpoint);
  acceptor_.listen(boost::asio::socket_base::max_listen_connections);
}

void Listener::Run() { Accept(); }

void Listener::Stop() {
  boost::system::error_code ignored;
  acceptor_.close(ignored);
}

void Listener::Accept() {
  acceptor_.async_accept(io_, [self = shared_from_this()](boost::system::error_code ec, tcp::socket socket) {
    if (ec == boost::asio::error::operation_aborted || !self->acceptor_.is_open()) return;
    if (!ec) {
      boost::system::error_code ignored;
      // Relayed moves are small and must not wait for more to send.
      socket.set_option(tcp::no_delay(true), ignored);
      std::make_shared<HttpSession>(std::move(socket), self->hub_)->Run();
    }
    self->Accept();
  });
}
