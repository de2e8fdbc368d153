// SPDX-License-Identifier: GPL-3.0-or-later
// Each game's topic comes from its row: the help has every game's topic once,
// under the game's own name, and a game's rules never run into the next one.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "res/game_rows.h"
#include "ui/help_text.h"

namespace {

// "&Air Hockey" -> "Air Hockey"
std::string Plain(const char* menuText) {
  std::string name;
  for (const char* p = menuText; *p; ++p)
    if (*p != '&') name += *p;
  return name;
}

TEST(HelpTopics, EachGameHasOneTopicUnderItsNameInItsPlace) {
  const std::string_view help = HelpText();
  std::set<int> places;
  for (const GameShellRow& row : GameShellRows()) {
    const std::string name = Plain(row.pszMenuText);
    SCOPED_TRACE(name);
    EXPECT_TRUE(places.insert(row.nHelpPlace).second) << "two topics share a place";
    EXPECT_EQ(row.helpTopic.rfind("# " + name + "\n\n", 0), 0u) << "the topic starts with the game's heading";
    EXPECT_TRUE(row.helpTopic.ends_with("\n\n")) << "a blank line before the next heading";
    EXPECT_EQ(row.helpTopic.find("\n# ", 1), std::string_view::npos) << "one heading per topic";
    const std::size_t at = help.find(row.helpTopic);
    ASSERT_NE(at, std::string_view::npos);
    EXPECT_EQ(help.find(row.helpTopic, at + 1), std::string_view::npos);
  }
  // The topics follow one another by their places.
  std::vector<std::pair<int, std::size_t>> order;
  for (const GameShellRow& row : GameShellRows()) order.emplace_back(row.nHelpPlace, help.find(row.helpTopic));
  std::ranges::sort(order);
  for (std::size_t i = 1; i < order.size(); ++i) EXPECT_LT(order[i - 1].second, order[i].second);
}

}  // namespace
