// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "game/wall_of_fame.h"
#include "platform/font.h"
#include "platform/settings.h"

namespace {

CObArray Seats(std::initializer_list<std::pair<bool, int>> activeAndScore) {
  CObArray players;
  CreateDefaultPlayers(players);
  int i = 0;
  for (auto [active, score] : activeAndScore) {
    players[static_cast<std::size_t>(i)]->m_bActive = active;
    players[static_cast<std::size_t>(i)]->m_nScore = score;
    ++i;
  }
  return players;
}

FameTable Table(std::initializer_list<int> scores) {
  FameTable t;
  int k = 0;
  for (int s : scores) {
    t[static_cast<std::size_t>(k)] = {"Old " + std::to_string(k + 1), s};
    ++k;
  }
  return t;
}

}  // namespace

TEST(WallOfFame, FreshStoreReadsDefaultNamesAndZeroScores) {
  SettingsStore store;
  const FameTable t = ReadFameTable(store, kBowlingFame);
  EXPECT_EQ(t[0].name, "Player 1");
  EXPECT_EQ(t[4].name, "Player 5");
  for (const auto& e : t) EXPECT_EQ(e.score, 0);
}

TEST(WallOfFame, ZeroDoesNotEnterAFreshTableButTwelveDoes) {
  SettingsStore store;
  UpdateWallOfFame(store, kBasketballFame, Seats({{true, 0}}));
  EXPECT_EQ(ReadFameTable(store, kBasketballFame)[0].name, "Player 1");

  UpdateWallOfFame(store, kBasketballFame, Seats({{true, 12}}));
  const FameTable t = ReadFameTable(store, kBasketballFame);
  EXPECT_EQ(t[0].name, "Player1");
  EXPECT_EQ(t[0].score, 12);
  EXPECT_EQ(t[1].name, "Player 1");
  EXPECT_EQ(t[4].name, "Player 4");  // "Player 5" dropped
  // The other game's table is untouched.
  EXPECT_EQ(ReadFameTable(store, kBowlingFame)[0].score, 0);
}

TEST(WallOfFame, EqualScoresKeepSeatOrderAndGoAfterExistingOnes) {
  FameTable t = Table({30, 20, 20, 0, 0});
  InsertIntoFameTable(t, Seats({{true, 20}, {true, 20}}));
  EXPECT_EQ(t[0].score, 30);
  EXPECT_EQ(t[1].name, "Old 2");
  EXPECT_EQ(t[2].name, "Old 3");
  EXPECT_EQ(t[3].name, "Player1");
  EXPECT_EQ(t[4].name, "Player2");
}

TEST(WallOfFame, LaterSeatMustBeatTheNewLastEntry) {
  FameTable t = Table({30, 25, 20, 15, 10});
  InsertIntoFameTable(t, Seats({{true, 22}, {true, 12}}));
  const int expected[] = {30, 25, 22, 20, 15};
  for (int i = 0; i < kFameEntries; ++i) EXPECT_EQ(t[static_cast<std::size_t>(i)].score, expected[i]);
}

TEST(WallOfFame, InactiveSeatsNeverEnter) {
  FameTable t = Table({0, 0, 0, 0, 0});
  InsertIntoFameTable(t, Seats({{true, 0}, {false, 99}, {false, 50}, {false, 7}}));
  for (const auto& e : t) EXPECT_EQ(e.score, 0);
}

TEST(WallOfFame, ScoresThatAreNotNumbersReadAsZero) {
  SettingsStore store;
  store.WriteProfileString("Wall Of Fame", "Bowling_Score_1", "lots");
  store.WriteProfileString("Wall Of Fame", "Bowling_Name_1", std::string(40, 'x'));
  const FameTable t = ReadFameTable(store, kBowlingFame);
  EXPECT_EQ(t[0].score, 0);
  EXPECT_EQ(t[0].name.size(), 40u);  // kept whole in the store; cut only when shown
}

TEST(WallOfFame, NamesStayUtf8AndOlderLatin1BytesAreReadAsLatin1) {
  SettingsStore store;
  store.WriteProfileString("Wall Of Fame", "Bowling_Name_1", "Zo\xC3\xAB M\xC3\xBCller");
  store.WriteProfileString("Wall Of Fame", "Bowling_Name_2", "Jos\xE9");
  const FameTable t = ReadFameTable(store, kBowlingFame);
  EXPECT_EQ(t[0].name, "Zo\xC3\xAB M\xC3\xBCller");
  EXPECT_EQ(t[1].name, "Jos\xC3\xA9");
}

TEST(WallOfFame, HandEditedScoresAreClampedAndTheTableSortedOnReading) {
  SettingsStore store;
  const char* scores[] = {"12", "-40", "2147483647", "90", "12"};
  const char* names[] = {"N1", "N2", "N3", "N4", "N5"};
  for (int k = 1; k <= kFameEntries; ++k) {
    const std::string entry = std::to_string(k);
    store.WriteProfileString("Wall Of Fame", std::string("Basketball_Name_").append(entry), names[k - 1]);
    store.WriteProfileString("Wall Of Fame", std::string("Basketball_Score_").append(entry), scores[k - 1]);
  }
  const FameTable t = ReadFameTable(store, kBasketballFame);
  const std::pair<const char*, int> expected[] = {{"N3", kMaxFameScore}, {"N4", 90}, {"N1", 12}, {"N5", 12}, {"N2", 0}};
  for (int i = 0; i < kFameEntries; ++i) {
    EXPECT_EQ(t[static_cast<std::size_t>(i)].name, expected[i].first);
    EXPECT_EQ(t[static_cast<std::size_t>(i)].score, expected[i].second);
  }
  // A real score now enters where it belongs, above the old ones it beats.
  UpdateWallOfFame(store, kBasketballFame, Seats({{true, 50}}));
  EXPECT_EQ(ReadFameTable(store, kBasketballFame)[2].score, 50);
  EXPECT_EQ(ReadFameTable(store, kBasketballFame)[4].score, 12);
}

TEST(WallOfFame, TheLargestScoreFitsTheHallOfFamesScoreColumn) {
  // The score column is 43 pixels wide, drawn in the bold 16-pixel font.
  const FontAtlas& font = GetFont(true, 16);
  int width = 0;
  for (char c : std::to_string(kMaxFameScore)) width += font.Glyph(static_cast<unsigned char>(c))->advance;
  EXPECT_LE(width, 43);
}
