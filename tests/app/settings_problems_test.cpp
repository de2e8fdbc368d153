// SPDX-License-Identifier: GPL-3.0-or-later
// The program with a settings file it cannot use: it runs on defaults, tells
// the user once in a message box, and never writes over what is there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/game_app.h"

namespace fs = std::filesystem;

namespace quintaro::test {
namespace {

class SettingsProblems : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quintaro-app-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_F(SettingsProblems, AnUnreadableFileIsToldOnceTheSplashHasGoneAndIsLeftAlone) {
  const fs::path file = dir / "Quintaro.ini";
  fs::create_directory(file);  // not a file we can read
  {
    GameApp app(1000, false, std::make_unique<SettingsStore>(file));
    EXPECT_TRUE(app.Doc().m_bSound);  // the default
    app.App().OnIdle();
    app.App().OnIdle();
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_NE(app.boxes[0].find("cannot be read"), std::string::npos);
    app.Doc().OnCommand(ID_OPTIONS_SOUND);  // stored on exit: must not be
  }
  EXPECT_TRUE(fs::is_directory(file));
}

TEST_F(SettingsProblems, AFailedSaveIsToldAtTheNextIdleMomentOrOnStandardErrorAtExit) {
  // A plain file where the settings directory should be: nothing can be saved.
  std::ofstream(dir / "Orvane") << "in the way";
  const fs::path file = dir / "Orvane" / "Quintaro.ini";
  {
    GameApp app(1000, false, std::make_unique<SettingsStore>(file));
    app.GetHost().Settings().WriteProfileInt("Darts", "Velocity", 3);
    EXPECT_TRUE(app.boxes.empty());  // not in the middle of whatever saved
    app.App().OnIdle();
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_NE(app.boxes[0].find("could not be saved"), std::string::npos);
  }
  auto closing = std::make_unique<GameApp>(1000, false, std::make_unique<SettingsStore>(file));
  closing->Doc().OnCommand(ID_OPTIONS_SOUND);  // stored as the program ends
  ::testing::internal::CaptureStderr();
  closing.reset();
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("could not be saved"), std::string::npos) << err;
}

}  // namespace
}  // namespace quintaro::test
