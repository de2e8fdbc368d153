// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page's connection to a room server: the browser's own WebSocket.
#include <memory>
#include <string>

#include "net/net_transport.h"

// A fresh connection, not yet opened (the page's NetTransportFactory).
std::unique_ptr<NetTransport> MakeWebNetTransport();

// The server that served the page: wss://HOST/room from an https page,
// ws://HOST/room from an http one, ws://127.0.0.1:8152/room from a file.
std::string WebDefaultRoomUrl();
