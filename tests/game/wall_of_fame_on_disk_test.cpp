// SPDX-License-Identifier: GPL-3.0-or-later
// The Wall Of Fame in the settings file, as users run the program: killed in
// the middle of entering a result, or running twice at once. A table on disk
// is always a whole table, and no copy's result is ever lost.
// QUINTARO_SETTINGS_KILLS and QUINTARO_SETTINGS_ROUNDS set the counts.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "game/wall_of_fame.h"
#include "platform/settings.h"

namespace fs = std::filesystem;

namespace {

int CountFromEnvironment(const char* name, int fallback) {
  const char* text = std::getenv(name);
  return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : fallback;
}

CObArray OneSeat(const std::string& name, int score) {
  CObArray players;
  CreateDefaultPlayers(players);
  players[0]->m_strName = name;
  players[0]->m_nScore = score;
  return players;
}

// A name made of a prefix and a number (built by appending: GCC 12 warns
// falsely about string concatenation at -O3).
std::string Label(const std::string& prefix, int n) { return std::string(prefix).append(std::to_string(n)); }

void Enter(FameTable& table, const std::string& name, int score) { InsertIntoFameTable(table, OneSeat(name, score)); }

bool SameTable(const FameTable& a, const FameTable& b) {
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].name != b[i].name || a[i].score != b[i].score) return false;
  return true;
}

std::string Describe(const FameTable& t) {
  std::string s;
  for (const FameEntry& e : t) s += e.name + "=" + std::to_string(e.score) + " ";
  return s;
}

bool ReadByte(int fd) {
  char c = 0;
  return ::read(fd, &c, 1) == 1;
}

void WriteByte(int fd) {
  const char c = 'x';
  if (::write(fd, &c, 1) != 1) std::_Exit(4);
}

class FameOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quintaro-fame-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    file = dir / "Quintaro.ini";
  }
  void TearDown() override { fs::remove_all(dir); }
  FameTable TableOnDisk(const char* prefix) const { return ReadFameTable(SettingsStore(file), prefix); }
  fs::path dir;
  fs::path file;
};

// Update n of a round enters "U<n>" with score 1000 + n, so every update
// changes the table and a name tells which score it belongs with.
[[noreturn]] void UpdateUntilKilled(const fs::path& file, int progressFd) {
  SettingsStore store(file);
  MergeWallOfFameEntryByEntry(store);
  for (int n = 1; n <= 8000; ++n) {
    UpdateWallOfFame(store, kBowlingFame, OneSeat(Label("U", n), 1000 + n));
    WriteByte(progressFd);
  }
  ::pause();
  std::_Exit(0);
}

TEST_F(FameOnDisk, KillingTheProgramDuringAnUpdateLeavesTheOldTableOrTheNewNeverAMix) {
  const int kills = CountFromEnvironment("QUINTARO_SETTINGS_KILLS", 20);
  std::mt19937 rng(24);
  const std::string start = "[Settings]\nSound=0\n[Wall Of Fame]\nBowling_Name_1=Ann\nBowling_Score_1=1003\n";
  for (int round = 0; round < kills; ++round) {
    std::ofstream(file, std::ios::trunc) << start;
    int progress[2];
    ASSERT_EQ(::pipe(progress), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(progress[0]);
      UpdateUntilKilled(file, progress[1]);
    }
    ::close(progress[1]);
    // Killed while it works on a later update: which save it is in is up to the scheduler.
    const int done = 1 + static_cast<int>(rng() % 6);
    for (int i = 0; i < done; ++i) ASSERT_TRUE(ReadByte(progress[0]));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(progress[0]);

    // The file holds the table after some number of whole updates, at least `done`.
    const FameTable onDisk = TableOnDisk(kBowlingFame);
    SettingsStore startTable;
    startTable.WriteProfileString("Wall Of Fame", "Bowling_Name_1", "Ann");
    startTable.WriteProfileInt("Wall Of Fame", "Bowling_Score_1", 1003);
    FameTable expected = ReadFameTable(startTable, kBowlingFame);
    int n = 1;
    for (; n <= done; ++n) Enter(expected, Label("U", n), 1000 + n);
    while (!SameTable(expected, onDisk) && n <= 8000) Enter(expected, Label("U", n), 1000 + n), ++n;
    ASSERT_TRUE(SameTable(expected, onDisk)) << "round " << round << ": " << Describe(onDisk);
    EXPECT_EQ(SettingsStore(file).GetProfileInt("Settings", "Sound", 1), 0);
  }
}

// One copy of the program: each round it waits for its turn, enters a
// result, and saves a setting of its own and one both copies share.
[[noreturn]] void PlayRounds(const fs::path& file, char who, int rounds, int goFd, int doneFd) {
  SettingsStore store(file);
  MergeWallOfFameEntryByEntry(store);
  for (int r = 0; r < rounds && ReadByte(goFd); ++r) {
    const char* prefix = r % 3 == 2 ? kBasketballFame : kBowlingFame;
    UpdateWallOfFame(store, prefix, OneSeat(Label(std::string(1, who), r), 100 + 10 * r + (who - 'A')));
    store.WriteProfileInt(std::string("Copy ").append(1, who), "Round", r);
    store.WriteProfileInt("Settings", "Sound", r % 2);
    WriteByte(doneFd);
  }
  std::_Exit(0);
}

TEST_F(FameOnDisk, TwoCopiesSavingAtTheSameTimeLoseNoEntryAndNoSetting) {
  const int rounds = CountFromEnvironment("QUINTARO_SETTINGS_ROUNDS", 20);
  int go[2][2], done[2][2];
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    ASSERT_EQ(::pipe(go[c]), 0);
    ASSERT_EQ(::pipe(done[c]), 0);
    children[c] = ::fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) PlayRounds(file, static_cast<char>('A' + c), rounds, go[c][0], done[c][1]);
  }
  FameTable bowling = ReadFameTable(SettingsStore(), kBowlingFame);
  FameTable basketball = bowling;
  for (int r = 0; r < rounds; ++r) {
    // Both copies start their round together and save in whatever order they happen to.
    for (int c = 0; c < 2; ++c) WriteByte(go[c][1]);
    for (int c = 0; c < 2; ++c) ASSERT_TRUE(ReadByte(done[c][0]));
    FameTable& table = r % 3 == 2 ? basketball : bowling;
    for (int c = 0; c < 2; ++c) Enter(table, Label(std::string(1, static_cast<char>('A' + c)), r), 100 + 10 * r + c);
    ASSERT_TRUE(SameTable(TableOnDisk(kBowlingFame), bowling)) << "round " << r << ": "
                                                               << Describe(TableOnDisk(kBowlingFame));
    ASSERT_TRUE(SameTable(TableOnDisk(kBasketballFame), basketball)) << "round " << r;
    const SettingsStore now(file);
    EXPECT_EQ(now.GetProfileInt("Copy A", "Round", -1), r);
    EXPECT_EQ(now.GetProfileInt("Copy B", "Round", -1), r);
  }
  for (int c = 0; c < 2; ++c) {
    ::close(go[c][1]);
    int status = 0;
    ::waitpid(children[c], &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
}

}  // namespace
