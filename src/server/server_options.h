// SPDX-License-Identifier: GPL-3.0-or-later
// The server's command line: where it listens and how long rooms may idle.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ServerOptions {
  std::string host = "127.0.0.1";
  std::uint16_t port = 8152;
  int idleMinutes = 30;
  std::string codeFirst;  // letters of the code alphabet, or empty
  bool help = false;
  bool version = false;
};

// The options, or nothing with `error` saying what is wrong.
std::optional<ServerOptions> ParseServerOptions(const std::vector<std::string>& args, std::string& error);
// "HOST:PORT" or "[V6]:PORT" split; nothing when it is neither.
std::optional<std::pair<std::string, std::uint16_t>> ParseListenAddress(const std::string& text);
