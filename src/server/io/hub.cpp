// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/io/hub.h"

#include <chrono>
#include <random>

#include "server/io/ws_session.h"

namespace {

// Room codes and seat tokens come from the system's cryptographic source
// (std::random_device reads it on Linux), a few bytes at a time.
std::uint8_t SecureRandomByte() {
  static std::random_device device;
  static unsigned pool = 0, left = 0;
  if (left == 0) pool = device(), left = 4;
  const auto byte = static_cast<std::uint8_t>(pool & 0xFF);
  pool >>= 8;
  --left;
  return byte;
}

}  // namespace

Hub::Hub(boost::asio::io_context& io, RoomLimits limits)
    : io_(io), rooms_(limits, SecureRandomByte), tick_(io) {
  ScheduleTick();
}

Millis Hub::Now() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

ConnectionId Hub::Add(const std::shared_ptr<WsSession>& session) {
  const ConnectionId id = next_++;
  sessions_.emplace(id, session);
  rooms_.Open(id, Now());
  return id;
}

void Hub::Received(ConnectionId id, std::string_view frame) {
  rooms_.Receive(id, frame, Now());
  Flush();
}

void Hub::Gone(ConnectionId id) {
  sessions_.erase(id);
  rooms_.Close(id, Now());
  Flush();
}

void Hub::Shutdown() {
  shuttingDown_ = true;
  tick_.cancel();
  rooms_.Shutdown();
  Flush();
}

std::string Hub::Health() const {
  return "ok rooms=" + std::to_string(rooms_.RoomCount()) + " connections=" + std::to_string(sessions_.size());
}

void Hub::Flush() {
  for (Outgoing& out : rooms_.TakeOutbox()) {
    const auto it = sessions_.find(out.to);
    if (it == sessions_.end()) continue;
    const auto session = it->second.lock();
    if (!session) continue;
    if (out.text) session->Send(std::move(out.text));
    if (out.close) session->CloseAfterSending();
  }
}

void Hub::ScheduleTick() {
  tick_.expires_after(std::chrono::seconds(1));
  tick_.async_wait([this](boost::system::error_code ec) {
    if (ec || shuttingDown_) return;
    rooms_.Tick(Now());
    Flush();
    ScheduleTick();
  });
}
