// SPDX-License-Identifier: GPL-3.0-or-later
// What arrives on the socket is queued by the browser's callbacks, which run
// while the program waits, and ends that wait so the program looks at once.
#include "platform/web/web_net_transport.h"

#include <emscripten/websocket.h>

#include <algorithm>
#include <deque>
#include <utility>

// Implemented in quintaro_room_link.js.
extern "C" {
int quintaro_page_check_socket_url(const char* url);
void quintaro_page_room_url(char* buffer, int size);
void quintaro_page_wake();
}

namespace {

// A server that floods the page faster than the program reads is cut off
// rather than allowed to fill the page's memory.
constexpr std::size_t kMostQueuedBytes = 8u << 20;
constexpr unsigned short kNormalClosure = 1000;

class WebNetTransport final : public NetTransport {
 public:
  ~WebNetTransport() override { Release(); }

  void Open(const std::string& url) override {
    if (m_state != State::Idle) return;
    m_state = State::Connecting;
    // The browser's WebSocket throws on an address it will not open, and the
    // program would stop there: the page looks at the address first.
    switch (quintaro_page_check_socket_url(url.c_str())) {
      case 0: break;
      case 2: return Finish("this page is secure, so its server address must start with wss://");
      default: return Finish("a server address starts with ws:// or wss://");
    }
    EmscriptenWebSocketCreateAttributes attributes;
    emscripten_websocket_init_create_attributes(&attributes);
    attributes.url = url.c_str();
    attributes.createOnMainThread = EM_TRUE;
    const EMSCRIPTEN_WEBSOCKET_T socket = emscripten_websocket_new(&attributes);
    if (socket <= 0) return Finish("this browser cannot open a connection to a game server");
    m_socket = socket;
    emscripten_websocket_set_onopen_callback(socket, this, Opened);
    emscripten_websocket_set_onmessage_callback(socket, this, Arrived);
    emscripten_websocket_set_onerror_callback(socket, this, Failed);
    emscripten_websocket_set_onclose_callback(socket, this, Closed);
  }

  void Send(const std::string& text) override {
    // A text frame goes as a C string: one holding a NUL byte cannot go whole.
    if (m_state != State::Open || text.find('\0') != std::string::npos) return;
    emscripten_websocket_send_utf8_text(m_socket, text.c_str());
  }

  void Close() override {
    Release();
    m_state = State::Closed;
    m_events.clear();
    m_queuedBytes = 0;
  }

  std::optional<NetEvent> Poll() override {
    if (m_events.empty()) return std::nullopt;
    NetEvent e = std::move(m_events.front());
    m_events.pop_front();
    m_queuedBytes -= std::min(m_queuedBytes, e.text.size());
    return e;
  }

 private:
  enum class State { Idle, Connecting, Open, Closed };

  static EM_BOOL Opened(int, const EmscriptenWebSocketOpenEvent*, void* user) {
    auto* self = static_cast<WebNetTransport*>(user);
    self->m_state = State::Open;
    self->Push({NetEvent::Kind::Opened, {}});
    return EM_TRUE;
  }

  // Text frames only: rooms speak nothing else, so a binary frame is dropped.
  static EM_BOOL Arrived(int, const EmscriptenWebSocketMessageEvent* e, void* user) {
    if (!e->isText || e->data == nullptr) return EM_TRUE;
    const std::size_t length = e->numBytes > 0 ? e->numBytes - 1 : 0;  // the count holds the closing NUL
    static_cast<WebNetTransport*>(user)->Push(
        {NetEvent::Kind::Message, std::string(reinterpret_cast<const char*>(e->data), length)});
    return EM_TRUE;
  }

  // An error is always followed by a close, which says all there is.
  static EM_BOOL Failed(int, const EmscriptenWebSocketErrorEvent*, void*) { return EM_TRUE; }

  static EM_BOOL Closed(int, const EmscriptenWebSocketCloseEvent* e, void* user) {
    auto* self = static_cast<WebNetTransport*>(user);
    const bool everOpen = self->m_state == State::Open;
    self->Release();
    self->Finish(e->reason[0] != '\0' ? std::string(e->reason)
                 : everOpen           ? std::string("the server closed the connection")
                                      : std::string("the server could not be reached"));
    return EM_TRUE;
  }

  void Push(NetEvent e) {
    m_queuedBytes += e.text.size();
    if (m_queuedBytes > kMostQueuedBytes) {
      Release();
      return Finish("the server sent more than the page could read");
    }
    m_events.push_back(std::move(e));
    quintaro_page_wake();
  }

  // The one Closed that ends an Open.
  void Finish(std::string why) {
    m_state = State::Closed;
    m_events.push_back({NetEvent::Kind::Closed, std::move(why)});
    quintaro_page_wake();
  }

  // Deleting the socket drops its callbacks: nothing reaches this object after.
  void Release() {
    if (m_socket <= 0) return;
    emscripten_websocket_close(m_socket, kNormalClosure, nullptr);
    emscripten_websocket_delete(m_socket);
    m_socket = 0;
  }

  State m_state = State::Idle;
  int m_socket = 0;
  std::size_t m_queuedBytes = 0;
  std::deque<NetEvent> m_events;
};

}  // namespace

std::unique_ptr<NetTransport> MakeWebNetTransport() { return std::make_unique<WebNetTransport>(); }

std::string WebDefaultRoomUrl() {
  char buffer[512] = {};
  quintaro_page_room_url(buffer, static_cast<int>(sizeof buffer));
  return buffer;
}
