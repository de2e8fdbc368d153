// SPDX-License-Identifier: GPL-3.0-or-later
// The page's room connection on its own, for the page tests: a few
// connections the test opens, feeds and reads from the browser's side.
#include <emscripten.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/web/web_net_transport.h"

namespace {

std::vector<std::unique_ptr<NetTransport>>& Links() {
  static std::vector<std::unique_ptr<NetTransport>> links;
  return links;
}

NetTransport* Link(int id) {
  auto& links = Links();
  return id >= 0 && id < static_cast<int>(links.size()) ? links[static_cast<std::size_t>(id)].get() : nullptr;
}

}  // namespace

extern "C" {

// A new connection to `url`; its number.
EMSCRIPTEN_KEEPALIVE int link_open(const char* url) {
  Links().push_back(MakeWebNetTransport());
  Links().back()->Open(url);
  return static_cast<int>(Links().size()) - 1;
}

EMSCRIPTEN_KEEPALIVE void link_send(int id, const char* text) {
  if (NetTransport* link = Link(id)) link->Send(text);
}

EMSCRIPTEN_KEEPALIVE void link_close(int id) {
  if (NetTransport* link = Link(id)) link->Close();
}

// The next event as "opened", "message\n<text>" or "closed\n<why>"; "" when quiet.
EMSCRIPTEN_KEEPALIVE const char* link_poll(int id) {
  static std::string out;
  out.clear();
  NetTransport* link = Link(id);
  if (link == nullptr) return out.c_str();
  if (const auto e = link->Poll()) {
    static constexpr const char* kNames[] = {"opened", "message", "closed"};
    out = kNames[static_cast<int>(e->kind)];
    if (e->kind != NetEvent::Kind::Opened) out += "\n" + e->text;
  }
  return out.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* link_default_url() {
  static std::string url;
  url = WebDefaultRoomUrl();
  return url.c_str();
}

}  // extern "C"

int main() { return 0; }
