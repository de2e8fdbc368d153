// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/net/desktop_transport.h"

#include <atomic>
#include <deque>
#include <mutex>
#include <thread>

#include "net/net_url.h"
#include "platform/net/websocket_link.h"

namespace {

// The main loop's side: Open starts the link's thread, Poll takes from the
// queue the thread fills, and the destructor waits for the thread (a close
// that the server does not answer is cut short by the link's deadline).
class DesktopTransport final : public NetTransport {
 public:
  ~DesktopTransport() override {
    Close();
    if (m_thread.joinable()) m_thread.join();
  }

  void Open(const std::string& url) override {
    if (m_opened || m_closed) return;
    m_opened = true;
    auto parsed = ParseNetUrl(url);
    if (!parsed) return Fail("That is not a server address.");
    if (parsed->secure) return Fail("This program cannot open secure (wss://) connections; use ws://.");
    m_link = std::make_shared<WebSocketLink>(*parsed, [this](NetEvent event) { Push(std::move(event)); });
    m_thread = std::thread([link = m_link] { link->Run(); });
  }

  void Send(const std::string& text) override {
    if (m_link && !m_closed) m_link->Send(text);
  }

  void Close() override {
    if (m_closed) return;
    if (m_link) m_link->Close();
    std::lock_guard lock(m_mutex);
    m_closed = true;
    m_events.clear();
  }

  std::optional<NetEvent> Poll() override {
    std::lock_guard lock(m_mutex);
    if (m_closed || m_events.empty()) return std::nullopt;
    NetEvent event = std::move(m_events.front());
    m_events.pop_front();
    return event;
  }

 private:
  void Push(NetEvent event) {
    std::lock_guard lock(m_mutex);
    if (!m_closed) m_events.push_back(std::move(event));
  }
  void Fail(const std::string& why) { Push({NetEvent::Kind::Closed, why}); }

  std::shared_ptr<WebSocketLink> m_link;
  std::thread m_thread;
  std::mutex m_mutex;
  std::deque<NetEvent> m_events;
  std::atomic<bool> m_closed = false;  // set under the lock; Push reads it there
  bool m_opened = false;
};

}  // namespace

std::unique_ptr<NetTransport> MakeDesktopTransport() { return std::make_unique<DesktopTransport>(); }
