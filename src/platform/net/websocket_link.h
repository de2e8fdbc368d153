// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One WebSocket client connection, run on its own thread (Run), with Send and
// Close callable from any thread. Everything that happens is reported
// through `report`, from the link's thread: Opened, each Message, and one
// Closed at the end (not after Close).
#include <functional>
#include <memory>
#include <string>

#include "net/net_transport.h"
#include "net/net_url.h"

class WebSocketLink {
 public:
  using Report = std::function<void(NetEvent)>;
  WebSocketLink(NetUrl url, Report report);
  ~WebSocketLink();
  WebSocketLink(const WebSocketLink&) = delete;
  WebSocketLink& operator=(const WebSocketLink&) = delete;

  // Connects, then reads until the connection ends; returns when it has.
  void Run();
  void Send(const std::string& text);
  void Close();

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
