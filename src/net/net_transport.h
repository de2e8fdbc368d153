// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A connection to a room server, as the program's main loop sees it: Open a
// URL, Send text messages, Close, and Poll for what happened meanwhile. Each
// platform supplies its own (a WebSocket on a background thread on the
// desktop, the browser's WebSocket in the page); the main loop never blocks
// on the network, it polls between messages. Nothing here knows SDL, Boost
// or the browser.
#include <functional>
#include <memory>
#include <optional>
#include <string>

struct NetEvent {
  enum class Kind {
    Opened,   // the connection is up: Send may be called
    Message,  // one whole text message arrived, in `text`
    Closed,   // the connection is gone (or never came up); `text` says why
  };
  Kind kind = Kind::Closed;
  std::string text;
};

class NetTransport {
 public:
  virtual ~NetTransport() = default;

  // Starts connecting to `url` (ws://host:port/path, or wss:// where the
  // platform offers it). Returns at once: Opened or Closed follows in Poll.
  // A transport opens once; open a new one to connect again.
  virtual void Open(const std::string& url) = 0;
  // Queues one text message. Before Opened, or after Closed, it is dropped.
  virtual void Send(const std::string& text) = 0;
  // Closes the connection; Poll returns nothing more afterwards.
  virtual void Close() = 0;
  // The next thing that happened, in order, or nothing when all is quiet.
  // Exactly one Closed ends every Open (unless Close came first).
  virtual std::optional<NetEvent> Poll() = 0;
};

// Makes a fresh transport. Each platform has its own factory, which the
// platform's entry point hands to the program; a program given none offers
// no online play.
using NetTransportFactory = std::function<std::unique_ptr<NetTransport>()>;
