// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's connection to a room server: a WebSocket client on a
// thread of its own, handing what arrives to the main loop through a locked
// queue, so a slow or silent server never stalls a frame.
#include <memory>

#include "net/net_transport.h"

std::unique_ptr<NetTransport> MakeDesktopTransport();
