// SPDX-License-Identifier: GPL-3.0-or-later
// The score sheet's layout, the tenth frame's score and what the boxes and
// the game-end message say.
#include <algorithm>

#include "games/bowling/model/bowl_rules.h"

namespace bowling {

namespace {

CRect Moved(CRect r, int dx, int dy) {
  r.OffsetRect(dx, dy);
  return r;
}

bool Known(int code) { return code != kNotBowled; }

}  // namespace

void LayoutSheet(ScoreSheet& sheet, std::array<CRect, kPlayers>& names) {
  for (int p = 0; p < kPlayers; ++p) {
    const int down = kRowStep * p;
    names[static_cast<std::size_t>(p)] = Moved(kNameBox, 0, down);
    for (int f = 0; f < kFrames; ++f) {
      BowlFrameCell& cell = sheet[static_cast<std::size_t>(p)][static_cast<std::size_t>(f)];
      const int right = kFrameStep * f + (f == kTenthFrame ? 1 : 0);
      cell.rcBall1 = Moved(kBall1Box, right, down);
      cell.rcBall2 = Moved(kBall2Box, right, down);
      cell.rcTotal = Moved(kTotalBox, kFrameStep * f, down);
    }
  }
  ClearSheet(sheet);
}

void ClearSheet(ScoreSheet& sheet) {
  for (SheetRow& row : sheet)
    for (BowlFrameCell& cell : row) cell.nBall1 = cell.nBall2 = cell.nTotal = kNotBowled;
}

std::optional<int> TenthFrameScore(SheetRow& row) {
  const int total7 = row[7].nTotal;
  BowlFrameCell& ninth = row[8];
  const BowlFrameCell& tenth = row[kTenthFrame];
  const int a = tenth.nBall1, b = tenth.nBall2, c = tenth.nTotal;
  // The ninth frame's bonus comes from the tenth frame's first balls.
  if (ninth.nBall1 == kStrike) {
    if (Known(a) && Known(b) && Known(total7)) {
      if (a == kStrike)
        ninth.nTotal = b == kStrike ? total7 + 30 : total7 + b + 20;
      else
        ninth.nTotal = b == kSpare ? total7 + 20 : total7 + a + b + 10;
    }
  } else if (ninth.nBall2 == kSpare) {
    if (Known(a) && Known(total7)) ninth.nTotal = a == kStrike ? total7 + 20 : total7 + a + 10;
  }
  const int total8 = ninth.nTotal;
  if (!Known(total8) || !Known(a) || !Known(b)) return std::nullopt;
  if (a == kStrike) {
    if (!Known(c)) return std::nullopt;
    if (b == kStrike) return total8 + (c == kStrike ? 30 : c + 20);
    return total8 + (c == kSpare ? 20 : b + c + 10);
  }
  if (b == kSpare) {
    if (!Known(c)) return std::nullopt;
    return total8 + (c == kStrike ? 20 : c + 10);
  }
  return total8 + a + b;
}

int RunningScore(const SheetRow& row) {
  int score = 0;
  for (int f = 0; f < kTenthFrame; ++f)
    if (Known(row[static_cast<std::size_t>(f)].nTotal)) score = row[static_cast<std::size_t>(f)].nTotal;
  return score;
}

bool TenthComplete(const SheetRow& row) {
  const BowlFrameCell& t = row[kTenthFrame];
  if (!Known(t.nBall2)) return false;
  if (t.nBall1 == kStrike && !Known(t.nTotal)) return false;
  if (t.nBall2 == kSpare && !Known(t.nTotal)) return false;
  return true;
}

std::string BallText(int code) {
  if (code == kNotBowled) return "";
  if (code == kSpare) return "/";
  if (code == kStrike) return "X";
  return std::to_string(code);
}

std::string WinnerText(const std::vector<std::string>& names, const std::vector<int>& scores) {
  int best = -1;
  for (int s : scores) best = std::max(best, s);
  std::string text = "Good job";
  for (std::size_t i = 0; i < names.size() && i < scores.size(); ++i)
    if (scores[i] == best) text += " " + names[i] + ",";
  return text + " you have won!";
}

std::string WinnersNamed(const std::vector<std::string>& names, const std::vector<int>& scores) {
  int best = -1;
  for (int s : scores) best = std::max(best, s);
  std::vector<std::string> winners;
  for (std::size_t i = 0; i < names.size() && i < scores.size(); ++i)
    if (scores[i] == best) winners.push_back(names[i]);
  std::string text;
  for (std::size_t i = 0; i < winners.size(); ++i)
    text += (i == 0 ? "" : i + 1 == winners.size() ? " and " : ", ") + winners[i];
  return text + (winners.size() > 1 ? " win" : " wins");
}

}  // namespace bowling
