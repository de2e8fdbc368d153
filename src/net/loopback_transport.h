// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A transport with nothing behind it, for tests: the test plays the far end.
// It sees what the program sent and delivers what the program shall read,
// and decides when the connection opens and when it drops.
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "net/net_transport.h"

class LoopbackTransport final : public NetTransport {
 public:
  // The far end: what a test calls.
  struct Far {
    std::string url;               // what Open was given; empty before
    bool closedByUs = false;       // the program called Close
    std::vector<std::string> sent;  // everything the program sent, in order
  };

  // Connections come up at Open (the default), or wait for AcceptOpen.
  explicit LoopbackTransport(bool openAtOnce = true) : m_openAtOnce(openAtOnce) {}

  void Open(const std::string& url) override;
  void Send(const std::string& text) override;
  void Close() override;
  std::optional<NetEvent> Poll() override;

  void AcceptOpen();
  void Deliver(const std::string& text);
  void Drop(const std::string& reason);
  bool IsOpen() const { return m_state == State::Open; }
  const Far& FarEnd() const { return *m_far; }
  // The far end, kept alive for a test after the program let the transport go.
  std::shared_ptr<const Far> SharedFarEnd() const { return m_far; }
  // The messages sent since the last call.
  std::vector<std::string> TakeSent();

 private:
  enum class State { Idle, Connecting, Open, Closed };

  bool m_openAtOnce;
  State m_state = State::Idle;
  std::shared_ptr<Far> m_far = std::make_shared<Far>();
  std::size_t m_taken = 0;
  std::deque<NetEvent> m_events;
};
