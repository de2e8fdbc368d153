// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings file of its own for each test: a fresh folder under the system's
// temporary directory (gone after the test), the file's path inside it, and a
// store whose problems for the user are collected in `told`.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/settings.h"

namespace quintaro::test {

inline std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteFile(const std::filesystem::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << text;
}

class SettingsOnDiskTest : public ::testing::Test {
 protected:
  // `file` is <dir>/Orvane/Quintaro.ini; the Orvane folder is not made here
  // (a save makes it) unless a test calls MakeFolder.
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "quintaro-settings-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    file = dir / "Orvane" / "Quintaro.ini";
  }
  void TearDown() override {
    // A test may have taken the folder's permissions away: give them back to remove it.
    ::chmod(dir.c_str(), 0755);
    ::chmod(file.parent_path().c_str(), 0755);
    std::filesystem::remove_all(dir);
  }
  void MakeFolder(mode_t mode = 0755) {
    std::filesystem::create_directories(file.parent_path());
    ::chmod(file.parent_path().c_str(), mode);
  }
  std::unique_ptr<SettingsStore> Open() {
    auto store = std::make_unique<SettingsStore>(file);
    store->SetProblemHandler([this](const std::string& text) { told.push_back(text); });
    return store;
  }

  std::filesystem::path dir;
  std::filesystem::path file;
  std::vector<std::string> told;
};

}  // namespace quintaro::test
