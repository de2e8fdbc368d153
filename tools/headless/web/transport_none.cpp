// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly driver runs under node, with no room server to reach: a
// connection it opens closes at once and says why, so online commands fail
// cleanly instead of the driver failing to link.
#include <optional>
#include <string>

#include "platform/net/desktop_transport.h"

namespace {

class NoTransport final : public NetTransport {
 public:
  void Open(const std::string&) override { m_closed = true; }
  void Send(const std::string&) override {}
  void Close() override { m_told = true; }
  std::optional<NetEvent> Poll() override {
    if (!m_closed || m_told) return std::nullopt;
    m_told = true;
    return NetEvent{NetEvent::Kind::Closed, "this driver cannot reach a room server"};
  }

 private:
  bool m_closed = false;
  bool m_told = false;
};

}  // namespace

std::unique_ptr<NetTransport> MakeDesktopTransport() { return std::make_unique<NoTransport>(); }
