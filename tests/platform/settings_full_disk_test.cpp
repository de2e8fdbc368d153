// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a copy of a settings file we could only partly read, on a disk
// that is full: a copy that fails leaves nothing, so when room returns the
// copies kept are real ones and no older copy is pushed out by debris. On a
// small tmpfs when the test may mount one, and with a file size limit (the
// same failure, injected) everywhere.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/settings.h"
#include "platform/settings_backup.h"
#include "support/settings_on_disk.h"

namespace fs = std::filesystem;

namespace {

using quintaro::test::ReadFile;
using quintaro::test::WriteFile;

// The only record of a 299, kept from long ago.
const std::string kOldCopy = "[Wall Of Fame]\nBowling_Name_1=Zed\nBowling_Score_1=299\nbroken\n";

std::string BadOriginal(int n) {
  return "[Settings]\nSound=0\n[Wall Of Fame]\nBowling_Name_1=Ann\nBowling_Score_1=212\n" +
         std::string(3000, 'x') + " junk " + std::to_string(n) + "\n";
}

// Starts the program on the file and has it save once, as a start-up does.
bool StartAndSave(const fs::path& file) {
  SettingsStore store(file);
  return store.WriteProfileInt("Window", "Zoom", 2);
}

// Every entry beside the settings file whose name says it is a copy.
std::vector<fs::path> NamedAsCopies(const fs::path& file) {
  std::vector<fs::path> found;
  for (const auto& entry : fs::directory_iterator(file.parent_path()))
    if (entry.path().filename().string().starts_with("Quintaro.ini.bad-")) found.push_back(entry.path());
  return found;
}

// Three starts on a disk without room: no copy is made and nothing is left.
// Then room returns: one start keeps its copy beside the old one. Returns
// what went wrong, or nothing.
std::string FullThenRoomAgain(const fs::path& file, const std::function<void()>& fill,
                              const std::function<void()>& makeRoom) {
  const fs::path old = file.parent_path() / "Quintaro.ini.bad-20200101-000000";
  WriteFile(old, kOldCopy);
  WriteFile(file, BadOriginal(0));
  fill();
  for (int start = 0; start < 3; ++start)
    if (StartAndSave(file)) return "a save without room for the copy went ahead";
  makeRoom();
  for (const fs::path& left : NamedAsCopies(file))
    if (left != old) return "a failed copy left " + left.string();
  if (!StartAndSave(file)) return "the save with room failed";
  const std::vector<fs::path> copies = BadCopiesOf(file);
  if (copies.size() != 2 || copies[0] != old || ReadFile(old) != kOldCopy) return "the old copy was pushed out";
  if (ReadFile(copies[1]) != BadOriginal(0)) return "the new copy is not the original";
  for (const auto& entry : fs::directory_iterator(file.parent_path())) {
    const std::string name = entry.path().filename().string();
    if (name.find(".tmp-") != std::string::npos) return "debris left: " + name;
  }
  return {};
}

class FullDisk : public quintaro::test::SettingsOnDiskTest {
 protected:
  void SetUp() override {
    SettingsOnDiskTest::SetUp();
    MakeFolder();
  }
};

TEST_F(FullDisk, ACopyThatRunsOutOfRoomLeavesNothingAndPushesOutNoRealCopy) {
  // Files may grow to 1000 bytes only: the copy fails part way, as on a full disk.
  EXPECT_EXIT(
      {
        std::signal(SIGXFSZ, SIG_IGN);
        WriteFile(file.parent_path() / "Quintaro.ini.bad-20200101-000000", kOldCopy);
        WriteFile(file, BadOriginal(0));
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = 1000;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        bool ok = true;
        for (int start = 0; start < 3; ++start) ok = ok && !StartAndSave(file);
        std::_Exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(NamedAsCopies(file).size(), 1u) << "a failed copy left something under a copy's name";
  ASSERT_TRUE(StartAndSave(file));
  const std::vector<fs::path> copies = BadCopiesOf(file);
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_EQ(ReadFile(copies[0]), kOldCopy);
  EXPECT_EQ(ReadFile(copies[1]), BadOriginal(0));
}

TEST_F(FullDisk, OnASmallFileSystemThatFillsUpNoRealCopyIsLost) {
  const fs::path folder = file.parent_path();
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // A mount of our own, gone with this process.
    if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("quintaro-test", folder.c_str(), "tmpfs", 0, "size=256k") != 0)
      std::_Exit(77);
    const fs::path filler = folder / "filler";
    const std::string failure = FullThenRoomAgain(
        file,
        [&] {
          std::ofstream out(filler, std::ios::binary);
          const std::string block(4096, 'f');
          while (out.write(block.data(), static_cast<std::streamsize>(block.size()))) {
          }
        },
        [&] { fs::remove(filler); });
    if (!failure.empty()) std::fprintf(stderr, "%s\n", failure.c_str());
    std::_Exit(failure.empty() ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no small file system can be mounted here";
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
