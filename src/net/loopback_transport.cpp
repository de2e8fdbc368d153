// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/loopback_transport.h"

void LoopbackTransport::Open(const std::string& url) {
  if (m_state != State::Idle) return;
  m_far->url = url;
  m_state = State::Connecting;
  if (m_openAtOnce) AcceptOpen();
}

void LoopbackTransport::AcceptOpen() {
  if (m_state != State::Connecting) return;
  m_state = State::Open;
  m_events.push_back({NetEvent::Kind::Opened, {}});
}

void LoopbackTransport::Send(const std::string& text) {
  if (m_state == State::Open) m_far->sent.push_back(text);
}

void LoopbackTransport::Close() {
  if (m_state == State::Closed) return;
  m_far->closedByUs = m_state != State::Idle;
  m_state = State::Closed;
  m_events.clear();
}

void LoopbackTransport::Deliver(const std::string& text) {
  if (m_state == State::Open) m_events.push_back({NetEvent::Kind::Message, text});
}

void LoopbackTransport::Drop(const std::string& reason) {
  if (m_state != State::Open && m_state != State::Connecting) return;
  m_state = State::Closed;
  m_events.push_back({NetEvent::Kind::Closed, reason});
}

std::optional<NetEvent> LoopbackTransport::Poll() {
  if (m_events.empty()) return std::nullopt;
  NetEvent event = std::move(m_events.front());
  m_events.pop_front();
  return event;
}

std::vector<std::string> LoopbackTransport::TakeSent() {
  std::vector<std::string> fresh(m_far->sent.begin() + static_cast<std::ptrdiff_t>(m_taken), m_far->sent.end());
  m_taken = m_far->sent.size();
  return fresh;
}
