// SPDX-License-Identifier: GPL-3.0-or-later
// quintaro-server: online rooms for Quintaro Games, WebSocket on /room and
// a health line on /health, on one thread. Meant to sit behind a reverse
// proxy that terminates TLS.
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/address.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <csignal>
#include <iostream>
#include <memory>

#include "server/io/hub.h"
#include "server/io/listener.h"
#include "server/server_options.h"

namespace {

constexpr const char* kUsage =
    "Usage: quintaro-server [--listen ADDRESS:PORT] [--idle-minutes N] [--code-first LETTERS]\n"
    "Online rooms for Quintaro Games: WebSocket on /room, counts on /health.\n"
    "  --listen ADDRESS:PORT  where to listen (default 127.0.0.1:8152; port 0 picks a free one)\n"
    "  --idle-minutes N       a room nobody plays in for N minutes closes (default 30)\n"
    "  --code-first LETTERS   room codes start with one of LETTERS (one set per process behind a proxy)\n"
    "  --help, --version\n";

// Ends the loop once every connection has closed, or at `giveUp`.
void WaitForGoodbyes(boost::asio::io_context& io, boost::asio::steady_timer& timer, const Hub& hub,
                     std::chrono::steady_clock::time_point giveUp) {
  if (hub.ConnectionCount() == 0 || std::chrono::steady_clock::now() >= giveUp) return io.stop();
  timer.expires_after(std::chrono::milliseconds(20));
  timer.async_wait([&io, &timer, &hub, giveUp](boost::system::error_code) { WaitForGoodbyes(io, timer, hub, giveUp); });
}

int Serve(const ServerOptions& options) {
  boost::asio::io_context io;
  RoomLimits limits;
  limits.idle = static_cast<Millis>(options.idleMinutes) * 60 * 1000;
  limits.codeFirst = options.codeFirst;
  Hub hub(io, limits);
  boost::system::error_code ec;
  const auto address = boost::asio::ip::make_address(options.host, ec);
  if (ec) {
    std::cerr << "quintaro-server: '" << options.host << "' is no IP address\n";
    return 2;
  }
  std::shared_ptr<Listener> listener;
  try {
    listener = std::make_shared<Listener>(io, boost::asio::ip::tcp::endpoint(address, options.port), hub);
  } catch (const boost::system::system_error& e) {
    std::cerr << "quintaro-server: cannot listen on " << options.host << ":" << options.port << ": "
              << e.code().message() << "\n";
    return 1;
  }
  listener->Run();
  const auto endpoint = listener->Endpoint();
  std::cout << "quintaro-server: listening on " << endpoint.address().to_string() << ":" << endpoint.port()
            << std::endl;

  // On SIGTERM or SIGINT everyone is told the server is going, then it stops
  // taking connections and ends once the goodbyes are out (at most 2 s).
  boost::asio::signal_set signals(io, SIGTERM, SIGINT);
  boost::asio::steady_timer deadline(io);
  signals.async_wait([&](boost::system::error_code error, int) {
    if (error) return;
    listener->Stop();
    hub.Shutdown();
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    WaitForGoodbyes(io, deadline, hub, giveUp);
  });
  io.run();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);
  std::string error;
  const auto options = ParseServerOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::cerr << "quintaro-server: " << error << "\n" << kUsage;
    return 2;
  }
  if (options->help) return std::cout << kUsage, 0;
  if (options->version) return std::cout << "quintaro-server " << QUINTARO_VERSION << "\n", 0;
  return Serve(*options);
}
