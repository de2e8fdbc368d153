// SPDX-License-Identifier: GPL-3.0-or-later
// Load for the online rooms server: opens rooms of four over WebSocket on
// 127.0.0.1, starts them, then in every room the seat whose turn it is
// streams input and ends its turn, round and round, for a while. Every
// relayed message carries its send time; the receivers' delays give the
// relay latency. One thread, all asynchronous.
//   room_load PORT ROOMS SECONDS [INPUT_EVERY_MS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "room_load_player.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: room_load PORT ROOMS SECONDS [INPUT_EVERY_MS]\n");
    return 2;
  }
  LoadPlan plan;
  plan.port = static_cast<unsigned short>(std::stoi(argv[1]));
  plan.rooms = std::stoi(argv[2]);
  plan.playSeconds = std::stoi(argv[3]);
  if (argc > 4) plan.inputEveryMs = std::stoi(argv[4]);
  boost::asio::io_context io;
  LoadRun run(io, plan);
  run.Start();
  io.run();
  return run.Report() ? 0 : 1;
}
