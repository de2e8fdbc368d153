// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/football/football_dialogs.h"

#include <gtest/gtest.h>

#include "res/table_check.h"

namespace football {
namespace {

TEST(FootballDialogs, TemplatesAreWellFormed) {
  for (const DialogTemplate* dialog : FootballDialogTemplates()) {
    std::string problems;
    for (const std::string& p : CheckDialogTemplate(*dialog)) problems += p + "; ";
    EXPECT_EQ(problems, "") << dialog->caption;
  }
}

}  // namespace
}  // namespace football
