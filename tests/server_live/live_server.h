// SPDX-License-Identifier: GPL-3.0-or-later
// The real quintaro-server as a child process on a free 127.0.0.1 port, and
// a small WebSocket client to talk to it, for the tests that go through
// sockets.
#pragma once

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include "net/net_message.h"

extern char** environ;

class LiveServer {
 public:
  LiveServer() {
    int out[2];
    if (pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string listen = "127.0.0.1:0";
    char* argv[] = {const_cast<char*>(QUINTARO_SERVER_PROGRAM), const_cast<char*>("--listen"), listen.data(), nullptr};
    if (posix_spawn(&pid_, QUINTARO_SERVER_PROGRAM, &actions, nullptr, argv, environ) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    // "quintaro-server: listening on 127.0.0.1:PORT"
    FILE* said = fdopen(out[0], "r");
    char line[256] = {};
    if (said && fgets(line, sizeof line, said)) {
      const std::string text(line);
      port_ = static_cast<unsigned short>(std::stoi(text.substr(text.rfind(':') + 1)));
    }
    if (said) fclose(said);
  }
  ~LiveServer() {
    if (pid_ > 0 && !ended_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  unsigned short Port() const { return port_; }
  void Terminate() { kill(pid_, SIGTERM); }
  // Waits for the server to end; its exit status, or -1.
  int Wait() {
    int status = 0;
    waitpid(pid_, &status, 0);
    ended_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = 0;
  unsigned short port_ = 0;
  bool ended_ = false;
};

// One player's connection, blocking, with reads that give up after 5 s.
class LiveClient {
 public:
  explicit LiveClient(unsigned short port) : ws_(io_) {
    ws_.next_layer().connect({boost::asio::ip::make_address("127.0.0.1"), port});
    timeval timeout{5, 0};
    setsockopt(ws_.next_layer().native_handle(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ws_.read_message_max(1024 * 1024);
    ws_.handshake("127.0.0.1:" + std::to_string(port), "/room");
    ws_.text(true);
  }
  void SendRaw(const std::string& frame) {
    boost::beast::error_code ec;
    ws_.write(boost::asio::buffer(frame), ec);
  }
  void Send(const NetMessage& m) { SendRaw(EncodeNetMessage(m)); }
  // The next message of `type`, skipping others; one with no type when the
  // connection ends or nothing comes.
  NetMessage Next(std::string_view type) {
    for (;;) {
      boost::beast::flat_buffer buffer;
      boost::beast::error_code ec;
      ws_.read(buffer, ec);
      if (ec) return {};
      std::string error;
      auto m = DecodeNetMessage(boost::beast::buffers_to_string(buffer.data()), error);
      if (m && m->type == type) return *m;
    }
  }

 private:
  boost::asio::io_context io_;
  boost::beast::websocket::stream<boost::asio::ip::tcp::socket> ws_;
};

// The body of a plain GET, or the status line's code when it is not 200.
inline std::string HttpGet(unsigned short port, const std::string& target) {
  namespace http = boost::beast::http;
  boost::asio::io_context io;
  boost::asio::ip::tcp::socket socket(io);
  socket.connect({boost::asio::ip::make_address("127.0.0.1"), port});
  http::request<http::empty_body> request{http::verb::get, target, 11};
  request.set(http::field::host, "127.0.0.1");
  http::write(socket, request);
  boost::beast::flat_buffer buffer;
  http::response<http::string_body> response;
  http::read(socket, buffer, response);
  return response.result() == http::status::ok ? response.body() : std::to_string(response.result_int());
}
