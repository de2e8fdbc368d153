// SPDX-License-Identifier: GPL-3.0-or-later
// A hang-up (the terminal the program was started from closed) ends the
// program as a close request does: the settings are saved, exit code 0.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "platform/hang_up.h"
#include "support/game_app.h"

namespace fs = std::filesystem;

namespace quintaro::test {
namespace {

TEST(HangUp, ClosesTheProgramAndSavesTheSoundSettingLikeAnyOtherExit) {
  std::string pattern = (fs::temp_directory_path() / "quintaro-hup-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const fs::path file = fs::path(pattern) / "Quintaro.ini";
  EXPECT_EXIT(
      {
        {
          GameApp app(1000, false, std::make_unique<SettingsStore>(file));
          app.Doc().OnCommand(ID_OPTIONS_SOUND);  // off; stored as the program ends
          ::raise(SIGHUP);
          if (app.App().Run() != 0) std::_Exit(2);
        }
        std::_Exit(SettingsStore(file).GetProfileInt("Settings", "Sound", 1) == 0 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  fs::remove_all(pattern);
}

TEST(HangUp, StaysIgnoredWhenTheProgramWasStartedToIgnoreIt) {
  EXPECT_EXIT(
      {
        std::signal(SIGHUP, SIG_IGN);  // as nohup starts it
        GameApp app;
        ::raise(SIGHUP);
        std::_Exit(HangUpPending() ? 1 : 0);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace quintaro::test
