// SPDX-License-Identifier: GPL-3.0-or-later
// The bowling scenarios of tests/scenarios read back through their
// transcripts: the close box and Main Window during a roll, and a foul.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/run_scenario.h"

namespace {

std::string Script(const std::string& name) {
  std::ifstream in(std::string(QUINTARO_TEST_DATA) + "/../scenarios/" + name);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

constexpr const char* kAsked = R"(msgbox "Quit Game?" "Do you wish to quit the current game?")";

TEST(BowlScenario, TheCloseBoxDuringARollAsksAndNoLetsTheBallCount) {
  const ScenarioResult r = RunScenario(Script("bowling_close_during_roll.qts"));
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_TRUE(r.Has(std::string(kAsked) + " -> no")) << r.transcript;
  EXPECT_TRUE(r.Has(std::string(kAsked) + " -> yes")) << r.transcript;
  // After No the ball counted and the game went on.
  EXPECT_TRUE(r.Has("\"frames\":[[[")) << r.transcript;
  EXPECT_FALSE(r.Has("\"frames\":[[[-1,")) << r.transcript;
  EXPECT_TRUE(r.Has("exit 0")) << r.transcript;
}

TEST(BowlScenario, MainWindowDuringARollIsCarriedOutWhenTheBallIsBack) {
  const ScenarioResult r = RunScenario(Script("bowling_main_window_during_roll.qts"));
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_TRUE(r.Has(std::string(kAsked) + " -> yes")) << r.transcript;
  EXPECT_TRUE(r.Has("screen 0")) << r.transcript;
}

TEST(BowlScenario, AReleaseAboveTheLineIsAFoulWorthNothing) {
  const ScenarioResult r = RunScenario(Script("bowling_foul.qts"));
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_TRUE(r.Has("sound 397")) << r.transcript;
  EXPECT_TRUE(r.Has("\"banner\":\"foul\"")) << r.transcript;
  EXPECT_TRUE(r.Has("\"frames\":[[[0,-1,-1]")) << r.transcript;
}

}  // namespace
