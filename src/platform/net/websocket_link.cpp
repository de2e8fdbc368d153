// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/net/websocket_link.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>
#include <deque>

namespace {
namespace asio = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using boost::system::error_code;

// A message is at most 64 KiB; the margin lets an oversized one through for
// the session to refuse, rather than the link failing without a word.
constexpr std::size_t kReadLimit = 128 * 1024;
constexpr auto kConnectTimeout = std::chrono::seconds(10);
// A close the server does not answer ends the link after this long.
constexpr auto kCloseGrace = std::chrono::milliseconds(500);
}  // namespace

// Every member is touched only on the link's thread (inside io.run()); Send
// and Close post to it.
struct WebSocketLink::Impl {
  Impl(NetUrl u, Report r) : url(std::move(u)), report(std::move(r)) {}

  NetUrl url;
  Report report;
  asio::io_context io;
  tcp::resolver resolver{io};
  websocket::stream<beast::tcp_stream> ws{io};
  asio::steady_timer closeDeadline{io};
  beast::flat_buffer inbox;
  std::deque<std::string> outbox;
  bool open = false;
  bool writing = false;
  bool closing = false;
  bool ended = false;

  void Start() {
    resolver.async_resolve(url.host, url.port, [this](error_code ec, tcp::resolver::results_type found) {
      if (ec) return End("cannot find " + url.host + ": " + ec.message());
      beast::get_lowest_layer(ws).expires_after(kConnectTimeout);
      beast::get_lowest_layer(ws).async_connect(found, [this](error_code ec2, const tcp::endpoint&) {
        if (ec2) return End("cannot connect: " + ec2.message());
        Handshake();
      });
    });
  }

  void Handshake() {
    beast::get_lowest_layer(ws).expires_never();
    ws.set_option(websocket::stream_base::timeout::suggested(beast::role_type::client));
    ws.read_message_max(kReadLimit);
    ws.text(true);
    ws.async_handshake(url.host + ":" + url.port, url.path, [this](error_code ec) {
      if (ec) return End("the server refused the connection: " + ec.message());
      open = true;
      if (!closing) report({NetEvent::Kind::Opened, {}});
      Read();
      Write();
    });
  }

  void Read() {
    ws.async_read(inbox, [this](error_code ec, std::size_t) {
      if (ec) return End(ec == websocket::error::closed ? "the server closed the connection" : ec.message());
      if (!closing) report({NetEvent::Kind::Message, beast::buffers_to_string(inbox.data())});
      inbox.consume(inbox.size());
      Read();
    });
  }

  void Queue(std::string text) {
    if (closing || ended) return;
    outbox.push_back(std::move(text));
    Write();
  }

  // One write at a time; a close waits for the queue to empty, so a
  // farewell sent just before it still goes out.
  void Write() {
    if (!open || writing || ended) return;
    if (outbox.empty()) {
      if (closing) SayGoodbye();
      return;
    }
    writing = true;
    ws.async_write(asio::buffer(outbox.front()), [this](error_code ec, std::size_t) {
      writing = false;
      if (ec) return End(ec.message());
      outbox.pop_front();
      Write();
    });
  }

  void BeginClose() {
    if (closing || ended) return;
    closing = true;
    closeDeadline.expires_after(kCloseGrace);
    closeDeadline.async_wait([this](error_code ec) {
      if (!ec) io.stop();
    });
    if (open) return Write();
    io.stop();  // still connecting: nothing to say goodbye on
  }

  void SayGoodbye() {
    ws.async_close(websocket::close_code::normal, [this](error_code) { io.stop(); });
  }

  void End(const std::string& why) {
    if (ended) return;
    ended = true;
    if (!closing) report({NetEvent::Kind::Closed, why});
    closeDeadline.cancel();
    io.stop();
  }
};

WebSocketLink::WebSocketLink(NetUrl url, Report report)
    : m_impl(std::make_unique<Impl>(std::move(url), std::move(report))) {}

WebSocketLink::~WebSocketLink() = default;

void WebSocketLink::Run() {
  m_impl->Start();
  m_impl->io.run();
  m_impl->End("the connection ended");
}

void WebSocketLink::Send(const std::string& text) {
  asio::post(m_impl->io, [impl = m_impl.get(), text] { impl->Queue(text); });
}

void WebSocketLink::Close() {
  asio::post(m_impl->io, [impl = m_impl.get()] { impl->BeginClose(); });
}
