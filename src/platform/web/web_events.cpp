// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/web_events.h"

#include <emscripten.h>

#include <utility>

namespace {

// Filled by the page's listeners while the program waits; emptied by the
// backend when it polls. A burst of pointer moves is kept whole: drags are
// drawn from every point.
std::vector<WebEvent>& Pending() {
  static std::vector<WebEvent> events;
  return events;
}

constexpr std::size_t kMaxPending = 4096;  // a page left alone for long drops the oldest moves

}  // namespace

std::vector<WebEvent> TakeWebEvents() { return std::exchange(Pending(), {}); }

extern "C" EMSCRIPTEN_KEEPALIVE void quintaro_web_event(int kind, int x, int y, int button, int buttons, int code,
                                                        int mods) {
  if (kind < 0 || kind > static_cast<int>(WebEvent::Kind::Close)) return;
  WebEvent e;
  e.kind = static_cast<WebEvent::Kind>(kind);
  e.x = x;
  e.y = y;
  e.button = button;
  e.buttons = buttons;
  e.code = code;
  e.shift = (mods & 1) != 0;
  e.ctrl = (mods & 2) != 0;
  e.alt = (mods & 4) != 0;
  auto& pending = Pending();
  if (pending.size() >= kMaxPending) {
    for (auto it = pending.begin(); it != pending.end(); ++it) {
      if (it->kind == WebEvent::Kind::PointerMove) {
        pending.erase(it);
        break;
      }
    }
    if (pending.size() >= kMaxPending) return;
  }
  pending.push_back(e);
}
