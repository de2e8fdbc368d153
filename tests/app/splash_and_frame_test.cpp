// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "app/main_frame.h"
#include "app/splash_wnd.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"
#include "support/bitmap_file.h"

namespace {

namespace fs = std::filesystem;

Host MakeHost() { return Host(MakeHeadlessBackend(), nullptr); }

using quintaro::test::BitmapFile;

fs::path WriteTemp(const std::string& name, const std::vector<char>& bytes) {
  const fs::path p = fs::temp_directory_path() / name;
  std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return p;
}

}  // namespace

TEST(Splash, BuiltInPictureWhenNoFile) {
  Host host = MakeHost();
  CSplashWnd splash(host, "/nonexistent/splash.bmp");
  EXPECT_EQ(splash.PictureWidth(), 388);
  EXPECT_EQ(splash.PictureHeight(), 373);
  EXPECT_TRUE(host.OverlayVisible());
}

TEST(Splash, FileOverridesAndTheWindowTakesItsSize) {
  Host host = MakeHost();
  const fs::path file = WriteTemp("quintaro-test-splash.bmp", BitmapFile(50, 30));
  CSplashWnd splash(host, file);
  EXPECT_EQ(splash.PictureWidth(), 50);
  EXPECT_EQ(splash.Placement().Width(), 50);
  EXPECT_EQ(splash.Placement().Height(), 30);
  fs::remove(file);
}

TEST(Splash, BrokenFileShowsThePlaceholder) {
  Host host = MakeHost();
  std::vector<char> truncated = BitmapFile(50, 30);
  truncated.resize(200);
  const fs::path file = WriteTemp("quintaro-test-broken-splash.bmp", truncated);
  CSplashWnd splash(host, file);
  EXPECT_EQ(splash.PictureWidth(), 16);
  EXPECT_EQ(splash.PictureHeight(), 16);
  fs::remove(file);
}

TEST(Splash, GoesAwayWithoutLeavingAMark) {
  Host host = MakeHost();
  { CSplashWnd splash(host, "/nonexistent/splash.bmp"); }
  EXPECT_FALSE(host.OverlayVisible());
  for (int x = 0; x < host.Overlay().Width(); x += 37) EXPECT_EQ(host.Overlay().At(x, 100), 0u);
}

TEST(Splash, OnlyPressesDismissIt) {
  for (UINT m : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_NCLBUTTONDOWN,
                 WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN})
    EXPECT_TRUE(CSplashWnd::IsDismissingInput(m)) << m;
  for (UINT m : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_KEYUP, WM_TIMER, WM_PAINT}) EXPECT_FALSE(CSplashWnd::IsDismissingInput(m));
}

TEST(MainFrame, CentredWithIntegerDivision) {
  EXPECT_EQ(CMainFrame::FramePlacement(1024, 768), CRect(206, 136, 818, 631));
  EXPECT_EQ(CMainFrame::FramePlacement(640, 480), CRect(14, -7, 626, 488));
}
