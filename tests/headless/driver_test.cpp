// SPDX-License-Identifier: GPL-3.0-or-later
// The driver program end to end: malformed numbers, typed settings, the
// splash, dialogs that let time pass, and how a transcript ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include <unistd.h>

#include "app/run_scenario.h"
#include "driver.h"
#include "script.h"
#include "support/bitmap_file.h"

namespace {

namespace fs = std::filesystem;

// An empty directory of the test's own, removed at the end of the test.
class ScratchDir {
 public:
  ScratchDir() : m_path(fs::temp_directory_path() / ("quintaro-driver-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(m_path);
  }
  ~ScratchDir() {
    std::error_code ec;
    fs::remove_all(m_path, ec);
  }
  const fs::path& Path() const { return m_path; }

 private:
  fs::path m_path;
};

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const fs::path& file, const std::vector<char>& bytes) {
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The splash screenshot taken right after start, run in `workDir`.
std::string SplashShot(const std::string& configuration, const fs::path& workDir) {
  std::string png;
  ScenarioOptions options;
  options.workDir = workDir;
  options.inspectShots = [&](const fs::path& shots) { png = ReadFile(shots / "splash.png"); };
  const ScenarioResult r = RunScenario(configuration + "start\nshot splash\nquit\n", options);
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  return png;
}

}  // namespace

TEST(HeadlessDriver, NumbersPastTheIntRangeAndABareMinusAreMalformedLines) {
  for (const char* script : {"setting Darts Velocity 99999999999\nstart\n", "setting Darts Velocity -\nstart\n",
                             "setting Darts Name Bob\nstart\n", "start\nkey 4294967296\n", "start\nwait -5\n",
                             "start\nclick 10 2147483648\n", "start\ndialog 137 track 1013 99999999999 ok\n"}) {
    const ScenarioResult r = RunScenario(script);
    EXPECT_EQ(r.exitCode, 2) << script << r.transcript;
    EXPECT_TRUE(r.Has("line ")) << script << r.transcript;
  }
}

TEST(HeadlessDriver, NumbersThatWouldOverflowAndShotsOutsideTheDirectoryAreMalformedLines) {
  for (const char* script : {"start\nclick 2147483647 -2147483648\n", "start\nmove -30001 0\n",
                             "epoch 9223372036854775807\nstart\n", "epoch -9223372036854775807\nstart\n",
                             "start\nshot ../outside\n", "start\nshot /tmp/outside\n",
                             "start\ndialog 137 shot ../outside ok\n", "start\nanswer shot sub/x ok\n"}) {
    const ScenarioResult r = RunScenario(script);
    EXPECT_EQ(r.exitCode, 2) << script << r.transcript;
    EXPECT_TRUE(r.Has("line ")) << script << r.transcript;
  }
}

TEST(HeadlessDriver, AShotThatCannotBeSavedEndsTheRunWithOne) {
  ScratchDir scratch;
  std::ofstream(scratch.Path() / "not-a-directory") << "a file";
  ScenarioOptions options;
  options.shotsDir = scratch.Path() / "not-a-directory";
  const ScenarioResult r = RunScenario("start\nshot title\nquit\n", options);
  EXPECT_EQ(r.exitCode, 1) << r.transcript;
  EXPECT_TRUE(r.Has("cannot save")) << r.transcript;
}

TEST(HeadlessDriver, QuotedSettingsStayStringsAndTheListingShowsEveryValue) {
  const ScenarioResult r = RunScenario(
      "setting \"Wall Of Fame\" Darts_Name_1 \"007\"\nsetting Darts Velocity -2\nstart\nsettings\nquit\n");
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_TRUE(r.Has("setting \"Wall Of Fame\" Darts_Name_1 \"007\"\n")) << r.transcript;
  EXPECT_TRUE(r.Has("setting \"Darts\" Velocity -2\n")) << r.transcript;
  // Sorted by section: Darts comes before Wall Of Fame.
  EXPECT_LT(r.transcript.find("\"Darts\""), r.transcript.find("\"Wall Of Fame\""));
}

TEST(HeadlessDriver, AMenuCommandDuringTheSplashOnlyTakesTheSplashAway) {
  const ScenarioResult r = RunScenario("start\nmenu 32772\nwait 10\nexpect screen 0\nmenu 32772\nwait 10\n"
                                       "expect screen 7\nquit\n");
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_TRUE(r.Has("[1000] splash hidden")) << r.transcript;
}

TEST(HeadlessDriver, EveryTranscriptEndsWithTheExitLine) {
  const ScenarioResult ended = RunScenario("start\nwait 10\n");
  EXPECT_EQ(ended.exitCode, 0);
  EXPECT_TRUE(ended.transcript.ends_with("] exit 0\n")) << ended.transcript;
  const ScenarioResult failed = RunScenario("start\nwait 10\nexpect screen 5\n");
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_TRUE(failed.transcript.ends_with("] exit 0\n")) << failed.transcript;
  const ScenarioResult quit = RunScenario("start\nquit\n");
  EXPECT_EQ(quit.transcript.find("exit"), quit.transcript.rfind("exit")) << "one exit line: " << quit.transcript;
}

TEST(HeadlessDriver, TheSplashIsFoundInTheWorkingDirectoryAndASplashFileIsCopiedThere) {
  const ScratchDir bare, withPicture, elsewhere;
  const fs::path picture = elsewhere.Path() / "picture.bmp";
  WriteFile(picture, quintaro::test::BitmapFile(60, 40, 9));
  WriteFile(withPicture.Path() / "splash.bmp", quintaro::test::BitmapFile(60, 40, 9));

  const std::string builtIn = SplashShot("", bare.Path());
  const std::string found = SplashShot("", withPicture.Path());
  const std::string copied = SplashShot("splash " + picture.string() + "\n", bare.Path());
  ASSERT_FALSE(builtIn.empty());
  EXPECT_NE(found, builtIn) << "splash.bmp in the working directory is shown";
  EXPECT_EQ(copied, found) << "the splash file is shown as if it were there";
  EXPECT_FALSE(fs::exists(bare.Path() / "splash.bmp")) << "the caller's directory is left as it was";
  EXPECT_EQ(RunScenario("splash /nonexistent/picture.bmp\nstart\n").exitCode, 2);
}

TEST(HeadlessDriver, ADialogWaitsShowsItselfAndReportsItsControls) {
  std::string withDialog, without;
  ScenarioOptions options;
  options.inspectShots = [&](const fs::path& shots) {
    withDialog = ReadFile(shots / "players.png");
    without = ReadFile(shots / "title.png");
  };
  const ScenarioResult r = RunScenario(
      "start\nwait 5000\nshot title\n"
      "dialog 137 enabled 1016 click 1002 enabled 1016 enabled 4242 wait 250 shot players ok\n"
      "menu 32779\nwait 10\nstate\nquit\n",
      options);
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_TRUE(r.Has("dialog 137 control 1016 disabled\n")) << r.transcript;
  EXPECT_TRUE(r.Has("dialog 137 control 1016 enabled\n")) << r.transcript;
  EXPECT_TRUE(r.Has("dialog 137 control 4242 missing\n")) << r.transcript;
  EXPECT_TRUE(r.Has("[6000] dialog 137 opened\n")) << r.transcript;
  EXPECT_TRUE(r.Has("[6250] dialog 137 closed ok\n")) << r.transcript;
  EXPECT_FALSE(withDialog.empty());
  EXPECT_NE(withDialog, without) << "the open dialog is in the screenshot";
}

TEST(HeadlessDriver, AMessageBoxCanWaitBeforeItsAnswer) {
  // Main Window asks whether to leave the game under way (a dart is picked
  // up); the answer comes 400 ms later.
  const ScenarioResult r = RunScenario("start\nwait 5000\nmenu 32786\nwait 10\nclick 249 320\nanswer wait 400 shot box no\n"
                                       "menu 32789\nwait 10\nexpect screen 4\nquit\n");
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_TRUE(r.Has("[6410] msgbox")) << r.transcript;
  EXPECT_TRUE(r.Has("-> no\n")) << r.transcript;
}

TEST(HeadlessDriver, AShotReplacesALinkPlantedInTheShotsFolderAndDotNamesAreMalformed) {
  const ScratchDir shots, elsewhere;
  const fs::path outside = elsewhere.Path() / "precious.txt";
  std::ofstream(outside) << "precious";
  fs::create_symlink(outside, shots.Path() / "title.png");
  ScenarioOptions options;
  options.shotsDir = shots.Path();
  const ScenarioResult r = RunScenario("start\nshot title\nquit\n", options);
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_EQ(ReadFile(outside), "precious") << "nothing is written outside the shots folder";
  EXPECT_FALSE(fs::is_symlink(shots.Path() / "title.png"));
  EXPECT_EQ(ReadFile(shots.Path() / "title.png").substr(1, 3), "PNG");
  for (const char* script : {"start\nshot .\n", "start\nshot ..\n", "start\nanswer shot .. ok\n"}) {
    const ScenarioResult dot = RunScenario(script, options);
    EXPECT_EQ(dot.exitCode, 2) << script << dot.transcript;
  }
  EXPECT_FALSE(fs::exists(shots.Path() / ".png"));
}

TEST(HeadlessDriver, TheSplashRunsInAFreshFolderAndLeavesAnyoneElsesAlone) {
  const ScratchDir temp, pictures;
  WriteFile(pictures.Path() / "picture.bmp", quintaro::test::BitmapFile(60, 40, 9));
  EXPECT_EXIT(
      {
        // A folder planted where the driver's working folder used to be made.
        const fs::path planted = temp.Path() / ("quintaro-headless-" + std::to_string(::getpid()));
        fs::create_directories(planted);
        std::ofstream(planted / "keep") << "someone else's";
        ::setenv("TMPDIR", temp.Path().c_str(), 1);
        Script script;
        ScriptError error;
        if (!ParseScript("splash " + (pictures.Path() / "picture.bmp").string() + "\nstart\nquit\n", &script, &error))
          std::_Exit(3);
        std::ostringstream transcript;
        ScenarioDriver driver(std::move(script), pictures.Path(), transcript);
        driver.SetEndHandler([&](int code) {
          std::size_t entries = 0;
          for ([[maybe_unused]] const auto& entry : fs::directory_iterator(temp.Path())) ++entries;
          const bool left = ReadFile(planted / "keep") == "someone else's" && entries == 1;
          std::_Exit(code == 0 && left ? 0 : 1);
        });
        driver.Run();
        std::_Exit(4);
      },
      ::testing::ExitedWithCode(0), "");
}
