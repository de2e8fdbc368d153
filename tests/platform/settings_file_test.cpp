// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file on disk as users leave it: unreadable, write-protected,
// a link, a pipe, a private mode, debris from a crash; what is kept and what
// the user is told.
#include "platform/settings_file.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/settings.h"
#include "platform/settings_backup.h"
#include "platform/settings_lock.h"
#include "support/settings_on_disk.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kOriginal = "[Wall Of Fame]\nBowling_Name_1=Ann\nBowling_Score_1=212\n[Settings]\nSound=1\n";

using quintaro::test::ReadFile;
using quintaro::test::WriteFile;

mode_t ModeOf(const fs::path& p) {
  struct stat st {};
  ::stat(p.c_str(), &st);
  return st.st_mode & 07777;
}

// Permissions do not bind root: a child process that runs as root gives it up.
void BecomeUnprivileged() {
  if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(3);
}

class SettingsOnDisk : public quintaro::test::SettingsOnDiskTest {
 protected:
  void SetUp() override {
    SettingsOnDiskTest::SetUp();
    // Open to everybody, so an unprivileged child can reach the file.
    ::chmod(dir.c_str(), 0777);
    MakeFolder(0777);
  }
};

TEST_F(SettingsOnDisk, AFileWeCannotReadIsNeverWrittenOverAndTheUserIsToldOnce) {
  WriteFile(file, kOriginal);
  ASSERT_EQ(::chmod(file.c_str(), 0), 0);
  EXPECT_EXIT(
      {
        BecomeUnprivileged();
        auto store = Open();
        bool ok = store->GetProfileInt("Settings", "Sound", 7) == 7;  // defaults
        ok = ok && !store->WriteProfileInt("Settings", "Sound", 0);
        ok = ok && !store->WriteProfileString("Wall Of Fame", "Bowling_Name_1", "Bo");
        ok = ok && store->GetProfileInt("Settings", "Sound", 7) == 0;  // kept for this session
        ok = ok && told.size() == 1 && told[0].find("cannot be read") != std::string::npos;
        std::_Exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  ::chmod(file.c_str(), 0644);
  EXPECT_EQ(ReadFile(file), kOriginal);
  EXPECT_TRUE(BadCopiesOf(file).empty());
}

TEST_F(SettingsOnDisk, APipeOrDirectoryAtThePathIsNotReadNorReplaced) {
  ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
  EXPECT_EXIT(
      {
        ::alarm(5);  // opening the pipe for reading would wait for a writer forever
        auto store = Open();
        const bool ok = !store->WriteProfileInt("Settings", "Sound", 0) && told.size() == 1;
        std::_Exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_TRUE(fs::is_fifo(file));

  fs::remove(file);
  fs::create_directory(file);
  auto store = Open();
  EXPECT_FALSE(store->WriteProfileInt("Settings", "Sound", 0));
  EXPECT_TRUE(fs::is_directory(file));
  EXPECT_EQ(told.size(), 1u);
}

TEST_F(SettingsOnDisk, AWriteProtectedFileIsLeftAsItIs) {
  WriteFile(file, kOriginal);
  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
  auto store = Open();
  EXPECT_EQ(store->GetProfileInt("Wall Of Fame", "Bowling_Score_1", 0), 212);
  EXPECT_FALSE(store->WriteProfileInt("Settings", "Sound", 0));
  EXPECT_FALSE(store->WriteProfileInt("Darts", "Velocity", 3));
  EXPECT_EQ(ReadFile(file), kOriginal);
  EXPECT_EQ(ModeOf(file), 0444u);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("read-only"), std::string::npos);
  // Made writable again, the next change saves everything kept meanwhile.
  ::chmod(file.c_str(), 0644);
  EXPECT_TRUE(store->WriteProfileInt("Darts", "Accuracy", 4));
  const SettingsStore again(file);
  EXPECT_EQ(again.GetProfileInt("Settings", "Sound", 1), 0);
  EXPECT_EQ(again.GetProfileInt("Darts", "Velocity", 0), 3);
}

TEST_F(SettingsOnDisk, SavingKeepsTheFilesModeAndWritesThroughALink) {
  const fs::path real = dir / "dotfiles" / "quintaro.ini";
  fs::create_directories(real.parent_path());
  WriteFile(real, kOriginal);
  ::chmod(real.c_str(), 0600);
  fs::create_symlink("../dotfiles/quintaro.ini", file);

  auto store = Open();
  EXPECT_EQ(store->GetProfileInt("Wall Of Fame", "Bowling_Score_1", 0), 212);
  EXPECT_TRUE(store->WriteProfileInt("Settings", "Sound", 0));
  EXPECT_TRUE(fs::is_symlink(file));
  EXPECT_EQ(ModeOf(real), 0600u);
  EXPECT_EQ(SettingsStore(real).GetProfileInt("Settings", "Sound", 1), 0);
  EXPECT_EQ(SettingsStore(real).GetProfileInt("Wall Of Fame", "Bowling_Score_1", 0), 212);
  // No temporary file is left beside the target or the link.
  // (The lock file copies of the program take turns with lies beside the target.)
  EXPECT_EQ(std::distance(fs::directory_iterator(real.parent_path()), fs::directory_iterator()), 2);
  EXPECT_TRUE(fs::exists(SettingsLock::PathFor(file)));
  EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);
  EXPECT_TRUE(told.empty());
}

TEST_F(SettingsOnDisk, ALinkToNowhereGetsItsTargetCreated) {
  fs::create_symlink("made-later.ini", file);
  auto store = Open();
  EXPECT_TRUE(store->WriteProfileInt("Settings", "Sound", 0));
  EXPECT_TRUE(fs::is_symlink(file));
  EXPECT_EQ(SettingsStore(file.parent_path() / "made-later.ini").GetProfileInt("Settings", "Sound", 1), 0);
}

TEST_F(SettingsOnDisk, TemporaryFilesOfAnInterruptedSaveGoAtTheNextSave) {
  const fs::path stale = file.parent_path() / "Quintaro.ini.tmp-a1B2c3";
  const fs::path busy = file.parent_path() / "Quintaro.ini.tmp-zzzzzz";
  const fs::path mine = file.parent_path() / "Quintaro.ini.backup";
  WriteFile(stale, "[Settings]\nSou");
  WriteFile(busy, "another save is writing this");
  WriteFile(mine, "the user's own");
  // A save in progress holds its temporary file locked.
  const int held = ::open(busy.c_str(), O_RDONLY);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);

  auto store = Open();
  EXPECT_TRUE(store->WriteProfileInt("Settings", "Sound", 0));
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(busy));
  EXPECT_TRUE(fs::exists(mine));
  ::close(held);
}

TEST_F(SettingsOnDisk, AFailedSaveIsToldOnceAndKeepsTheOldFile) {
  WriteFile(file, kOriginal);
  ::chmod(file.c_str(), 0666);                // the file may be written,
  ::chmod(file.parent_path().c_str(), 0555);  // but not its directory
  EXPECT_EXIT(
      {
        BecomeUnprivileged();
        auto store = Open();
        bool ok = !store->WriteProfileInt("Settings", "Sound", 0);
        ok = ok && !store->WriteProfileInt("Settings", "Sound", 1);
        ok = ok && told.size() == 1 && told[0].find("could not be saved") != std::string::npos;
        std::_Exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  ::chmod(file.parent_path().c_str(), 0777);
  EXPECT_EQ(ReadFile(file), kOriginal);
}

TEST_F(SettingsOnDisk, ASaveThatRunsOutOfRoomKeepsTheOldFileAndLeavesNoDebris) {
  WriteFile(file, kOriginal);
  EXPECT_EXIT(
      {
        // Files may grow to 16 bytes only: the write fails part way, as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = 16;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        auto store = Open();
        bool ok = !store->WriteProfileString("Settings", "Long", std::string(200, 'x'));
        ok = ok && told.size() == 1 && told[0].find("could not be saved") != std::string::npos;
        std::_Exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadFile(file), kOriginal);
  // Nothing beside it but the lock file copies take turns with.
  for (const auto& entry : fs::directory_iterator(file.parent_path()))
    EXPECT_TRUE(entry.path() == file || entry.path().extension() == ".lock") << entry.path();
}

TEST_F(SettingsOnDisk, StoringAnUnchangedValueDoesNotTouchTheFile) {
  const std::string original = std::string(kOriginal) + "a line we do not understand\n";
  WriteFile(file, original);
  auto store = Open();
  EXPECT_TRUE(store->WriteProfileInt("Settings", "Sound", 1));
  EXPECT_EQ(ReadFile(file), original);
  EXPECT_TRUE(store->WriteProfileInt("Settings", "Sound", 0));
  EXPECT_NE(ReadFile(file), original);
}

TEST_F(SettingsOnDisk, AProblemFoundBeforeAnyoneListensWaitsForTheHandler) {
  fs::create_directory(file);
  SettingsStore store(file);
  std::vector<std::string> later;
  store.SetProblemHandler([&](const std::string& text) { later.push_back(text); });
  ASSERT_EQ(later.size(), 1u);
  EXPECT_NE(later[0].find(file.string()), std::string::npos);
}

TEST(SettingsFileNames, TemporaryNamesAreRecognisedExactly) {
  const fs::path file = "/x/Quintaro.ini";
  EXPECT_TRUE(IsSettingsTempName(file, "Quintaro.ini.tmp-Ab12Cd"));
  EXPECT_FALSE(IsSettingsTempName(file, "Quintaro.ini.tmp-Ab12C"));
  EXPECT_FALSE(IsSettingsTempName(file, "Quintaro.ini.bad"));
  EXPECT_FALSE(IsSettingsTempName(file, "Other.ini.tmp-Ab12Cd"));
  EXPECT_EQ(SettingsTempPattern(file).size(), std::string("Quintaro.ini.tmp-XXXXXX").size());
}

}  // namespace
