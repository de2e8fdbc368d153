// SPDX-License-Identifier: GPL-3.0-or-later
// The server's command line, and codes that tell a proxy which process holds
// a room.
#include "server/room_table.h"
#include "server/server_options.h"

namespace {

TEST(ServerOptions, AddressesMinutesAndCodeLettersAreReadOrRefused) {
  std::string error;
  const auto options = ParseServerOptions({"--listen", "[::1]:9000", "--idle-minutes=5", "--code-first", "k7"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->host, "::1");
  EXPECT_EQ(options->port, 9000);
  EXPECT_EQ(options->idleMinutes, 5);
  EXPECT_EQ(options->codeFirst, "K7");
  const auto defaults = ParseServerOptions({}, error);
  EXPECT_EQ(defaults->host + ":" + std::to_string(defaults->port), "127.0.0.1:8152");
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--listen", "8152"}, {"--listen", "::1:8152"}, {"--listen", "h:70000"},
        {"--idle-minutes", "0"}, {"--idle-minutes"}, {"--code-first", "O1"}, {"--verbose"}}) {
    EXPECT_FALSE(ParseServerOptions(bad, error)) << bad[0];
    EXPECT_FALSE(error.empty());
  }
}

TEST(ServerOptions, EveryRoomOfAProcessStartsWithItsLetters) {
  RoomLimits limits;
  limits.codeFirst = "K7";
  RoomTable t(3, limits);
  for (int i = 0; i < 200; ++i) {
    const std::string code = t.Create("darts", 2).second;
    ASSERT_EQ(code.size(), 9u);
    EXPECT_TRUE(code[0] == 'K' || code[0] == '7') << code;
  }
  EXPECT_EQ(t.server.RoomCount(), 200u);
}

}  // namespace
