// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host on the headless backend, with a log of every message its windows got.
#include <memory>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "platform/host.h"

struct HeadlessHost {
  explicit HeadlessHost(HeadlessOptions options = {}) {
    auto backend = MakeHeadlessBackend(options);
    clock = backend.get();
    host = std::make_unique<Host>(std::move(backend), nullptr);
  }
  // A window whose procedure records what it receives.
  HWND RecordingWindow() {
    return host->CreateWindow([this](const MSG& m) {
      received.push_back(m);
      return LRESULT{0};
    });
  }
  // Takes every message that is ready now, dispatching each.
  std::vector<MSG> Drain() {
    std::vector<MSG> got;
    MSG m;
    while (host->PeekMessage(&m, true)) {
      got.push_back(m);
      host->DispatchMessage(m);
    }
    return got;
  }

  std::unique_ptr<Host> host;
  HeadlessBackend* clock = nullptr;
  std::vector<MSG> received;
};
