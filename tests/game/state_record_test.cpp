// SPDX-License-Identifier: GPL-3.0-or-later
// A game's state as a record: the reader refuses what is not a record of
// ours, doubles come back bit for bit, and each game, played by computers
// for a while, is put back by its record exactly as it was kept.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "app/resume_record.h"
#include "game/game.h"
#include "game/state_record.h"
#include "support/game_app.h"

namespace quintaro::test {
namespace {

std::string ReadError(const std::string& text) {
  std::string error;
  const auto record = StateRecord::Read(text, error);
  return record ? "" : error;
}

TEST(StateRecord, RefusesWhatIsNotARecordOfOursAndSaysWhy) {
  EXPECT_NE(ReadError(""), "");
  EXPECT_NE(ReadError("[Settings]\nSound=1\n"), "");
  EXPECT_NE(ReadError("quintaro-state 2\na=1\n").find("another version"), std::string::npos);
  EXPECT_NE(ReadError("quintaro-state 1\nno equals sign\n").find("line 2"), std::string::npos);
  EXPECT_NE(ReadError("quintaro-state 1\na=1\na=2\n").find("twice"), std::string::npos);
  EXPECT_NE(ReadError("quintaro-state 1\nbad key=1\n"), "");
  EXPECT_NE(ReadError(std::string("quintaro-state 1\na=x\x01y\n")), "");
  EXPECT_NE(ReadError("quintaro-state 1\na=" + std::string(StateRecord::kMaxBytes, '1') + "\n"), "");
  EXPECT_EQ(ReadError("quintaro-state 1\na=1\nb=\n"), "");
}

TEST(StateRecord, TypedReadsKeepTheirRangesAndTheFirstFaultIsTold) {
  std::string error;
  const auto record = StateRecord::Read("quintaro-state 1\nn=5\nlist=1 2 3\nbig=99999999999999999999\nd=zz\n", error);
  ASSERT_TRUE(record) << error;
  StateReader ok(*record);
  EXPECT_EQ(ok.Int("n", 0, 9), 5);
  EXPECT_EQ(ok.Ints("list", 3, 0, 9), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(ok.Ok());
  for (auto read : std::vector<std::function<void(StateReader&)>>{
           [](StateReader& r) { r.Int("n", 0, 4); }, [](StateReader& r) { r.Ints("list", 2, 0, 9); },
           [](StateReader& r) { r.Int("big", 0, 9); }, [](StateReader& r) { r.Int("missing", 0, 9); },
           [](StateReader& r) { r.Double("d", 0, 1); }}) {
    StateReader bad(*record);
    read(bad);
    EXPECT_FALSE(bad.Ok());
    EXPECT_NE(bad.Error(), "");
    EXPECT_EQ(bad.Int("n", 0, 9), 0);  // after a fault, reads give the safe low end
  }
}

TEST(StateRecord, DoublesComeBackBitForBit) {
  const std::vector<double> values{0.1, -2.5e-300, 1.0 / 3.0, 123456.789, -0.0};
  StateRecord record;
  record.SetDoubles("d", values);
  std::string error;
  const auto back = StateRecord::Read(record.Write(), error);
  ASSERT_TRUE(back) << error;
  StateReader reader(*back);
  const auto read = reader.Doubles("d", values.size(), -1e6, 1e6);
  ASSERT_TRUE(reader.Ok()) << reader.Error();
  for (std::size_t i = 0; i < values.size(); ++i)
    EXPECT_EQ(std::bit_cast<std::uint64_t>(read[i]), std::bit_cast<std::uint64_t>(values[i]));
}

// Plays a game with the computer in both seats until a record can be kept
// after some turns; the record, put back in a fresh program, is kept again
// word for word, and the game plays on from there.
std::string PlayAndKeep(GameApp& app, int screen) {
  app.StartGame(screen, 0, {2, {true, true}});
  // Between two messages the game is back in the main loop, where the shell keeps it.
  std::string kept;
  int records = 0;
  auto keep = [&] {
    if (app.Doc().m_bGameEnded) return true;
    const auto record = CaptureGame(app.Doc());
    if (record && record->Write() != kept) {
      kept = record->Write();
      ++records;
    }
    return records >= 4;
  };
  app.autoPump = false;
  app.Click(300, 200);
  app.Pump(keep);
  for (int second = 0; second < 60 && records < 4 && !app.Doc().m_bGameEnded; ++second) {
    app.GetHost().Sleep(1000);
    // Air Hockey plays on by the clock, with no turns: its match is under way once it runs.
    if (screen == kScreenAirHockey) app.Doc().m_bGameInProgress = TRUE;
    app.Pump(keep);
  }
  if (kept.empty()) ADD_FAILURE() << app.Doc().StateJson();
  return kept;
}

class GameRecord : public ::testing::TestWithParam<int> {};

TEST_P(GameRecord, PutsTheGameBackAsItWasKept) {
  GameApp played;
  const std::string kept = PlayAndKeep(played, GetParam());
  ASSERT_NE(kept, "");
  std::string error;
  const auto record = StateRecord::Read(kept, error);
  ASSERT_TRUE(record) << error;

  GameApp resumed;
  ASSERT_TRUE(RestoreGame(resumed.Doc(), *record, error)) << error;
  resumed.Pump();
  const auto again = CaptureGame(resumed.Doc());
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Write(), kept);
  resumed.Click(300, 200);
  resumed.Wait(20000);  // and it plays on
  EXPECT_EQ(resumed.Doc().m_nGameType, GetParam());
}

TEST_P(GameRecord, ARecordCutShortOrOutOfRangeLeavesTheTitleScreen) {
  GameApp played;
  const std::string kept = PlayAndKeep(played, GetParam());
  std::string error;
  const auto record = StateRecord::Read(kept, error);
  ASSERT_TRUE(record) << error;
  for (const auto& [key, value] : record->Values()) {
    if (key.ends_with(".name")) continue;  // any text is a name
    StateRecord broken = *record;
    broken.SetText(key, value + " 99999999");
    GameApp resumed;
    EXPECT_FALSE(RestoreGame(resumed.Doc(), broken, error)) << key;
    EXPECT_NE(error, "");
    EXPECT_EQ(resumed.Doc().m_nGameType, kScreenTitle) << key;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryGame, GameRecord,
                         ::testing::Values(kScreenAirHockey, kScreenBasketball, kScreenBowling, kScreenDarts,
                                           kScreenFootball, kScreenPool));

}  // namespace
}  // namespace quintaro::test
