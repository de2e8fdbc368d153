// SPDX-License-Identifier: GPL-3.0-or-later
// Every scenario of tests/scenarios played through the driver, with the
// window put together at every present as the screen backend does it: the
// host copies only what was drawn on, the texture takes only the area
// reported. Whatever the games, menus, dialogs and chrome draw, what the
// user would see is the window surface, pixel for pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "driver.h"
#include "platform/host.h"
#include "script.h"
#include "support/frame_reference.h"

using namespace quintaro::test;

namespace {

namespace fs = std::filesystem;

// How the driver's end reaches the test without ending the process.
struct RunEnded {
  int code;
};

// The screen backend's side of a present: the frame it keeps and the
// texture it uploads the reported area of.
class Screen {
 public:
  void Show(const Host& host) {
    const CRect reported = host.ComposeForDisplay(m_frame);
    if (m_texture.Width() != m_frame.Width() || m_texture.Height() != m_frame.Height()) {
      m_texture = m_frame;  // a texture of a new size takes the whole picture
    } else {
      SurfaceView texture = m_texture.View();
      for (int y = reported.top; y < reported.bottom; ++y)
        std::copy(m_frame.Row(y) + reported.left, m_frame.Row(y) + reported.right, texture.Row(y) + reported.left);
    }
    ++presents;
    if (!fault.empty()) return;
    std::ostringstream out;
    if (!FramesEqual(m_texture, m_frame)) {
      out << "present " << presents << ": the texture missed " << Describe(ChangedArea(m_texture, m_frame))
          << ", reported " << Describe(reported);
    } else if (!host.OverlayVisible() && !FramesEqual(m_frame, host.WindowSurface())) {
      out << "present " << presents << ": the frame shown differs from the window in "
          << Describe(ChangedArea(m_frame, host.WindowSurface()));
    }
    fault = out.str();
  }

  int presents = 0;
  std::string fault;  // the first one seen

 private:
  static std::string Describe(const CRect& r) {
    std::ostringstream out;
    out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return out.str();
  }

  Surface32 m_frame, m_texture;
};

std::vector<fs::path> Scenarios() {
  std::vector<fs::path> out;
  for (const auto& entry : fs::directory_iterator(fs::path(QUINTARO_TEST_DATA) / ".." / "scenarios"))
    if (entry.path().extension() == ".qts") out.push_back(entry.path());
  std::sort(out.begin(), out.end());
  return out;
}

bool UsesOutsideFiles(const Script& script) {
  return std::any_of(script.commands.begin(), script.commands.end(),
                     [](const ScriptCommand& c) { return c.name == "splash"; });
}

}  // namespace

class ShownFrame : public ::testing::TestWithParam<fs::path> {};

TEST_P(ShownFrame, TheScreenShowsTheWindowExactlyAtEveryPresent) {
  std::ifstream in(GetParam());
  std::stringstream text;
  text << in.rdbuf();
  Script script;
  ScriptError error;
  ASSERT_TRUE(ParseScript(text.str(), &script, &error)) << "line " << error.line << ": " << error.reason;
  if (UsesOutsideFiles(script)) GTEST_SKIP() << "a splash picture moves the program to a directory of its own";

  const fs::path shots = fs::temp_directory_path() / ("quintaro-shown-" + std::to_string(std::random_device{}()));
  Screen screen;
  std::ostringstream transcript;
  int code = -1;
  {
    ScenarioDriver driver(std::move(script), shots, transcript);
    driver.SetEndHandler([](int c) { throw RunEnded{c}; });
    driver.WatchPresents([&screen](const Host& host) { screen.Show(host); });
    try {
      driver.Run();
    } catch (const RunEnded& ended) {
      code = ended.code;
    }
  }
  std::error_code ec;
  fs::remove_all(shots, ec);
  EXPECT_EQ(code, 0) << transcript.str();
  EXPECT_GT(screen.presents, 0);
  EXPECT_EQ(screen.fault, "");
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ShownFrame, ::testing::ValuesIn(Scenarios()),
                         [](const ::testing::TestParamInfo<fs::path>& info) { return info.param.stem().string(); });
