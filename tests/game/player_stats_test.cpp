// SPDX-License-Identifier: GPL-3.0-or-later
// Each player's statistics in the settings file: games add up per game and
// name, a hand-edited or damaged value reads back as something safe, two
// copies of the program running at once both keep their games, and a reset
// empties every record.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ui/player_stats.h"
#include "platform/settings.h"
#include "ui/statistics_box.h"

namespace fs = std::filesystem;

namespace {

class StatsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("quintaro_stats_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    m_file = m_dir / "q.ini";
  }
  void TearDown() override { fs::remove_all(m_dir); }
  SettingsStore Open() {
    SettingsStore store(m_file);
    MergeStatsRecordByRecord(store);
    return store;
  }
  fs::path m_dir, m_file;
};

TEST(PlayerStats, GamesAddUpPerGameAndNameAndComputersStayApart) {
  SettingsStore store;
  RecordGame(store, "Bowling", {{"Ann", 150, true}, {"Computer (Expert)", 120, false}});
  RecordGame(store, "Bowling", {{"Ann", 90, false}, {"Computer (Expert)", 200, true}});
  RecordGame(store, "Darts", {{"Ann", 501, true}});
  // A name with '=', brackets and non-ASCII letters is still its own key.
  RecordGame(store, "Bowling", {{"Jo=[x] Ünal", 300, true}});
  const StatsTable t = ReadStats(store);
  ASSERT_EQ(t.size(), 4u);
  const PlayerRecord& ann = t.at({"Bowling", "Ann"});
  EXPECT_EQ(ann.played, 2);
  EXPECT_EQ(ann.won, 1);
  EXPECT_EQ(ann.best, 150);
  EXPECT_DOUBLE_EQ(ann.Average(), 120.0);
  const PlayerRecord& cpu = t.at({"Bowling", "Computer (Expert)"});
  EXPECT_EQ(cpu.won, 1);
  EXPECT_EQ(cpu.best, 200);
  EXPECT_EQ(t.at({"Darts", "Ann"}).played, 1);
  EXPECT_EQ(t.at({"Bowling", "Jo=[x] Ünal"}).best, 300);

  ResetStats(store);
  EXPECT_TRUE(ReadStats(store).empty());
  RecordGame(store, "Bowling", {{"Ann", 10, false}});
  EXPECT_EQ(ReadStats(store).at({"Bowling", "Ann"}).played, 1);
}

TEST_F(StatsFile, DamagedAndOutOfRangeValuesReadAsSafeRecords) {
  {
    std::ofstream out(m_file);
    out << "[Statistics]\n"
        << "Bowling_416E6E=5 9 99999 -40\n"         // won above played, best and total out of range
        << "Bowling_426F62=-3 1 10 10\n"             // negative games: no record
        << "Bowling_43=banana\n"                     // unreadable: no record
        << "Bowling_4=1 1 1 1\n"                     // half a hex digit: ignored
        << "Darts_ZZ=1 1 1 1\n"                      // not hex: ignored
        << "_416E6E=1 1 1 1\n"                       // no game: ignored
        << "Pool_446F=99999999999999999999 2 3 4\n"  // too big to read
        << "Football_4576=3 2 7 9999999999999\n";
  }
  SettingsStore store = Open();
  const StatsTable t = ReadStats(store);
  ASSERT_EQ(t.size(), 2u);
  const PlayerRecord& ann = t.at({"Bowling", "Ann"});
  EXPECT_EQ(ann.played, 5);
  EXPECT_EQ(ann.won, 5);
  EXPECT_EQ(ann.best, kMaxStatResult);
  EXPECT_EQ(ann.total, 0);
  const PlayerRecord& ev = t.at({"Football", "Ev"});
  EXPECT_EQ(ev.total, 3LL * kMaxStatResult);
  EXPECT_LE(ev.Average(), kMaxStatResult);
  // A game recorded over a damaged record starts from the safe one.
  RecordGame(store, "Bowling", {{"Ann", 100, false}});
  const PlayerRecord again = ReadStats(Open()).at({"Bowling", "Ann"});
  EXPECT_EQ(again.played, 6);
  EXPECT_EQ(again.won, 5);
  EXPECT_EQ(again.total, 100);
}

TEST_F(StatsFile, TwoCopiesRunningAtOnceBothKeepTheirGames) {
  SettingsStore first = Open();
  SettingsStore second = Open();
  for (int g = 0; g < 3; ++g) {
    RecordGame(first, "Bowling", {{"Ann", 100 + g, true}, {"Computer (Club)", 90, false}});
    RecordGame(second, "Bowling", {{"Ann", 200, false}});
    RecordGame(second, "Darts", {{"Bob", 60, true}});
  }
  const StatsTable t = ReadStats(Open());
  const PlayerRecord& ann = t.at({"Bowling", "Ann"});
  EXPECT_EQ(ann.played, 6);
  EXPECT_EQ(ann.won, 3);
  EXPECT_EQ(ann.best, 200);
  EXPECT_EQ(ann.total, 100 + 101 + 102 + 600);
  EXPECT_EQ(t.at({"Bowling", "Computer (Club)"}).played, 3);
  EXPECT_EQ(t.at({"Darts", "Bob"}).played, 3);
  // A reset in one copy empties the records the other still holds in memory.
  ResetStats(first);
  RecordGame(second, "Darts", {{"Bob", 10, false}});
  const StatsTable after = ReadStats(Open());
  EXPECT_EQ(after.count({"Bowling", "Ann"}), 0u);
}

// The darts average is kept to a tenth beside the whole numbers older copies
// read; a record an older copy wrote (or rewrote) reads in whole numbers.
TEST_F(StatsFile, ATenthIsKeptWhereOlderCopiesStillReadWholeNumbers) {
  {
    std::ofstream out(m_file);
    out << "[Statistics]\n"
        << "Darts_416E6E=2 1 60 110\n"            // Ann: two games an older copy kept
        << "Darts_426F62=1 1 45 45 612 612\n";    // Bob: tenths that disagree with the whole numbers
  }
  SettingsStore store = Open();
  RecordGame(store, "Darts", {{"Ann", 821, true, true}, {"Bob", 303, false, true}});
  const StatsTable t = ReadStats(Open());
  const PlayerRecord& ann = t.at({"Darts", "Ann"});
  EXPECT_EQ(ann.played, 3);
  EXPECT_DOUBLE_EQ(ann.Best(), 82.1);
  EXPECT_NEAR(ann.Average(), (1100 + 821) / 30.0, 1e-9);
  EXPECT_EQ(store.GetProfileString("Statistics", "Darts_416E6E", ""), "3 2 82 192 821 1921");
  const PlayerRecord& bob = t.at({"Darts", "Bob"});
  EXPECT_DOUBLE_EQ(bob.Best(), 45.0);  // the whole numbers had the last word
  EXPECT_NEAR(bob.Average(), (450 + 303) / 20.0, 1e-9);
  const auto rows = StatisticsRows(t);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0][4], "82.1");
  EXPECT_EQ(rows[0][5], "64.0");

  // Two copies at once: each one's tenths are added to what the file holds.
  SettingsStore first = Open();
  SettingsStore second = Open();
  RecordGame(first, "Darts", {{"Ann", 905, true, true}});
  RecordGame(second, "Darts", {{"Ann", 1, false, true}});
  const PlayerRecord both = ReadStats(Open()).at({"Darts", "Ann"});
  EXPECT_EQ(both.played, 5);
  EXPECT_EQ(both.totalTenths, 1921 + 905 + 1);
  EXPECT_EQ(both.bestTenths, 905);
}

TEST_F(StatsFile, AResetInOneCopyIsNotUndoneByTheOtherCopysNextGame) {
  SettingsStore first = Open();
  RecordGame(first, "Bowling", {{"Ann", 250, true}});
  SettingsStore second = Open();
  ResetStats(second);
  // The first copy still holds Ann's 250 in memory: only its new game counts.
  RecordGame(first, "Bowling", {{"Ann", 120, false}});
  PlayerRecord ann = ReadStats(Open()).at({"Bowling", "Ann"});
  EXPECT_EQ(ann.played, 1);
  EXPECT_EQ(ann.won, 0);
  EXPECT_EQ(ann.best, 120);
  EXPECT_EQ(ann.total, 120);
  // Two games saved together after a reset (the save of the first had
  // failed): their best, as far as the records can tell it, never the old one.
  RecordGame(first, "Bowling", {{"Ann", 200, true}});
  SettingsStore third = Open();
  ResetStats(third);
  {
    SettingsGroup together(first);
    RecordGame(first, "Bowling", {{"Ann", 100, false}});
    RecordGame(first, "Bowling", {{"Ann", 60, false}});
  }
  ann = ReadStats(Open()).at({"Bowling", "Ann"});
  EXPECT_EQ(ann.played, 2);
  EXPECT_EQ(ann.total, 160);
  EXPECT_LE(ann.best, 100);
  EXPECT_GE(ann.best, 80);
  // A reset written by an older version marks no reset: the record going
  // down tells it all the same.
  SettingsStore older = Open();
  older.WriteProfileString("Statistics", "Bowling_416E6E", "0 0 0 0");
  RecordGame(first, "Bowling", {{"Ann", 90, true}});
  ann = ReadStats(Open()).at({"Bowling", "Ann"});
  EXPECT_EQ(ann.played, 1);
  EXPECT_EQ(ann.best, 90);
}

TEST(PlayerStats, TheWindowListsPeopleBeforeComputersPerGame) {
  SettingsStore store;
  RecordGame(store, "AirHockey", {{"Computer (Expert)", 7, true}, {"Zed", 3, false}});
  RecordGame(store, "AirHockey", {{"Computer (Beginner)", 2, false}, {"Amy", 7, true}});
  RecordGame(store, "Bowling", {{"Amy", 101, true}});
  const auto rows = StatisticsRows(ReadStats(store));
  ASSERT_EQ(rows.size(), 5u);
  const std::vector<std::string> names = {rows[0][1], rows[1][1], rows[2][1], rows[3][1], rows[4][1]};
  EXPECT_EQ(names, (std::vector<std::string>{"Amy", "Zed", "Computer (Beginner)", "Computer (Expert)", "Amy"}));
  EXPECT_EQ(rows[0], (std::vector<std::string>{"Air Hockey", "Amy", "1", "1", "7", "7.0"}));
  EXPECT_EQ(rows[4][0], "Bowling");
}

}  // namespace
