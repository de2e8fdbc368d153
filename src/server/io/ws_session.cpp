// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/io/ws_session.h"

#include <chrono>

#include "server/io/hub.h"

namespace beast = boost::beast;
namespace websocket = beast::websocket;

namespace {

// A reader this far behind is not reading: it is dropped rather than
// letting its backlog grow without end.
constexpr std::size_t kMaxBacklogBytes = 4 * 1024 * 1024;

}  // namespace

WsSession::WsSession(boost::asio::ip::tcp::socket&& socket, Hub& hub) : ws_(std::move(socket)), hub_(hub) {}

void WsSession::Accept(beast::http::request<beast::http::string_body> request) {
  websocket::stream_base::timeout timeout = websocket::stream_base::timeout::suggested(beast::role_type::server);
  // A connection that answers no ping for a minute is gone: its seat turns away.
  timeout.idle_timeout = std::chrono::seconds(60);
  timeout.keep_alive_pings = true;
  ws_.set_option(timeout);
  ws_.set_option(websocket::stream_base::decorator(
      [](websocket::response_type& response) { response.set(beast::http::field::server, "quintaro-server"); }));
  ws_.read_message_max(kMaxFrameBytes);
  ws_.text(true);
  ws_.async_accept(request, [self = shared_from_this()](beast::error_code ec) {
    if (ec || self->hub_.ShuttingDown()) return;
    self->open_ = true;
    self->id_ = self->hub_.Add(self);
    self->Read();
  });
}

void WsSession::Read() {
  ws_.async_read(buffer_, [self = shared_from_this()](beast::error_code ec, std::size_t) { self->OnRead(ec); });
}

void WsSession::OnRead(beast::error_code ec) {
  if (ec) return Finish();
  const auto data = buffer_.cdata();
  hub_.Received(id_, std::string_view(static_cast<const char*>(data.data()), data.size()));
  buffer_.consume(buffer_.size());
  // Keep a connection's buffer small between messages.
  if (buffer_.capacity() > 2 * kMaxNetMessageBytes) buffer_.shrink_to_fit();
  Read();
}

void WsSession::Send(std::shared_ptr<const std::string> text) {
  if (!open_ || closing_ || finished_) return;
  queuedBytes_ += text->size();
  queue_.push_back(std::move(text));
  if (queuedBytes_ > kMaxBacklogBytes) {
    queue_.clear();
    queuedBytes_ = 0;
    beast::error_code ignored;
    ws_.next_layer().close(ignored);
    return;
  }
  if (!writing_) Write();
}

void WsSession::CloseAfterSending() {
  if (!open_ || closing_) return;
  closing_ = true;
  if (!writing_) Write();
}

void WsSession::Write() {
  if (queue_.empty()) {
    if (closing_ && open_) {
      open_ = false;
      ws_.async_close(websocket::close_code::normal, [self = shared_from_this()](beast::error_code) {});
    }
    return;
  }
  writing_ = true;
  ws_.async_write(boost::asio::buffer(*queue_.front()),
                  [self = shared_from_this()](beast::error_code ec, std::size_t) { self->OnWrite(ec); });
}

void WsSession::OnWrite(beast::error_code ec) {
  writing_ = false;
  if (ec) return;  // the read side notices and says the connection is gone
  queuedBytes_ -= queue_.front()->size();
  queue_.pop_front();
  Write();
}

void WsSession::Finish() {
  if (finished_) return;
  finished_ = true;
  if (id_ != 0) hub_.Gone(id_);
}
