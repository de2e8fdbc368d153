// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files far bigger than ours, or with a line no editor meant: every
// section that can be read is read, each bad original is kept under a name of
// its own (only the newest few), and the user is told once where it is.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/wall_of_fame.h"
#include "platform/settings.h"
#include "platform/settings_backup.h"
#include "support/settings_on_disk.h"

namespace fs = std::filesystem;

namespace {

using quintaro::test::ReadFile;
using quintaro::test::WriteFile;

const std::string kTable =
    "[Wall Of Fame]\nBowling_Name_1=Ann\nBowling_Score_1=212\nBowling_Name_2=Bo\nBowling_Score_2=187\n";

class BigSettingsFile : public quintaro::test::SettingsOnDiskTest {
 protected:
  void SetUp() override {
    SettingsOnDiskTest::SetUp();
    MakeFolder();
  }
};

TEST_F(BigSettingsFile, AnOverlongLineHidesNoSectionAfterItAndTheOriginalIsKeptAndTold) {
  const std::string original = "[Settings]\nSound=0\n" + std::string(2 << 20, 'x') + "\n" + kTable;
  WriteFile(file, original);
  {
    auto store = Open();
    const FameTable table = ReadFameTable(*store, kBowlingFame);
    EXPECT_EQ(table[0].name, "Ann");
    EXPECT_EQ(table[1].score, 187);
    EXPECT_EQ(store->GetProfileInt("Settings", "Sound", 1), 0);
    ASSERT_EQ(told.size(), 1u);
    const std::vector<fs::path> copies = BadCopiesOf(file);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_NE(told[0].find(copies[0].string()), std::string::npos) << told[0];
    EXPECT_EQ(ReadFile(copies[0]), original);
    EXPECT_TRUE(store->WriteProfileInt("Settings", "Sound", 1));
    EXPECT_EQ(told.size(), 1u);  // told once, however many saves follow
  }
  // The next save kept the table, and the clean file needs no copy.
  auto again = Open();
  EXPECT_EQ(ReadFameTable(*again, kBowlingFame)[0].score, 212);
  EXPECT_EQ(again->GetProfileInt("Settings", "Sound", 0), 1);
  EXPECT_TRUE(told.size() == 1u && BadCopiesOf(file).size() == 1u);
}

TEST_F(BigSettingsFile, AFileOfManyMegabytesOfGoodLinesIsReadWhole) {
  std::string original = "[Filler]\n";
  for (int i = 0; original.size() < (3 << 20) / 2; ++i) original += "Key" + std::to_string(i) + "=value\n";
  WriteFile(file, original + kTable);
  auto store = Open();
  EXPECT_EQ(ReadFameTable(*store, kBowlingFame)[0].name, "Ann");
  EXPECT_TRUE(told.empty());
  EXPECT_TRUE(BadCopiesOf(file).empty());
}

TEST_F(BigSettingsFile, EachBadOriginalKeepsACopyOfItsOwnAndOnlyTheNewestFewStay) {
  std::vector<std::string> originals;
  for (int i = 0; i < 8; ++i) {
    originals.push_back(kTable + "garbage number " + std::to_string(i) + "\n");
    WriteFile(file, originals.back());
    auto store = Open();
    EXPECT_TRUE(store->WriteProfileInt("Settings", "Round", i));
    // Reopening the file we wrote, unchanged, makes no new copy.
    Open();
  }
  const std::vector<fs::path> copies = BadCopiesOf(file);
  ASSERT_EQ(copies.size(), kBadCopiesKept);
  for (std::size_t k = 0; k < copies.size(); ++k) {
    EXPECT_EQ(ReadFile(copies[k]), originals[originals.size() - kBadCopiesKept + k]);
    EXPECT_EQ(copies[k].filename().string().rfind("Quintaro.ini.bad-", 0), 0u);
  }
}

}  // namespace

TEST_F(BigSettingsFile, AValueSavedIntoAFileAtTheSizeLimitIsReadBackAndNothingElseIsLost) {
  SettingsReadLimits small;
  small.maxTextBytes = 4096;
  // Another program's section fills the file almost to what a read keeps;
  // ours sorts after it, so a file that grew past the limit would lose it.
  std::string filler = "[Another]\n";
  for (int i = 0; filler.size() < 4000; ++i) filler += "Key" + std::to_string(i) + "=value\n";
  WriteFile(file, filler + "\n");
  {
    SettingsStore store(file, small);
    store.SetProblemHandler([this](const std::string& text) { told.push_back(text); });
    ASSERT_TRUE(store.WriteProfileString("Zed", "Name", std::string(200, 'z')));
  }
  const SettingsStore again(file, small);
  EXPECT_EQ(again.GetProfileString("Zed", "Name"), std::string(200, 'z'));
  const std::vector<fs::path> copies = BadCopiesOf(file);
  ASSERT_EQ(copies.size(), 1u) << "the section left out is kept in a copy";
  EXPECT_EQ(ReadFile(copies[0]), filler + "\n");
  EXPECT_EQ(told.size(), 1u);
}

TEST_F(BigSettingsFile, AValueTooLongForALineIsRefusedRatherThanLostOnTheNextStart) {
  SettingsReadLimits small;
  small.maxLineBytes = 64;
  {
    SettingsStore store(file, small);
    EXPECT_TRUE(store.WriteProfileString("Settings", "Name", "Ann"));
    // Escaping makes each control byte four: short in memory, too long on disk.
    EXPECT_FALSE(store.WriteProfileString("Settings", "Note", std::string(20, '\x01')));
  }
  const SettingsStore again(file, small);
  EXPECT_EQ(again.GetProfileString("Settings", "Name"), "Ann");
  EXPECT_FALSE(again.Raw("Settings", "Note").has_value());
}
