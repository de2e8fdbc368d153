// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes answered by keyboard, by mouse and by script.
#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "ui/message_box.h"
#include "ui/modal_script.h"
#include "ui_test_host.h"

namespace {

class FixedAnswer : public ModalScript {
 public:
  explicit FixedAnswer(std::optional<int> answer) : m_answer(answer) {}
  std::optional<int> AnswerMessageBox(const std::string&, const std::string&, UINT) override { return m_answer; }
  std::optional<int> RunDialog(int, DialogController&) override { return std::nullopt; }

 private:
  std::optional<int> m_answer;
};

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.LayOut();
    t.host().onEvent = [this](const std::string& e) { events.push_back(e); };
  }
  // Shows a box and answers it with the given keys, one step each.
  int ShowWithKeys(UINT type, std::initializer_list<UINT> keys) {
    for (UINT k : keys) t.Key(k);
    return ShowMessageBox(t.host(), nullptr, "Do you wish to quit the current game?", "Quit Game?", type);
  }

  UiTestHost t;
  std::vector<std::string> events;
};

constexpr UINT kQuestion = MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL;

TEST_F(MessageBoxTest, YesAndNoKeysAnswer) {
  EXPECT_EQ(ShowWithKeys(kQuestion, {'Y'}), IDYES);
  EXPECT_EQ(ShowWithKeys(kQuestion, {'N'}), IDNO);
  EXPECT_EQ(events.back(), "msgbox \"Quit Game?\" \"Do you wish to quit the current game?\" -> no");
  EXPECT_EQ(t.starved(), 0);
}

TEST_F(MessageBoxTest, EscapeCannotDismissAYesNoBoxButEnterTakesTheDefault) {
  EXPECT_EQ(ShowWithKeys(kQuestion, {VK_ESCAPE, VK_RETURN}), IDYES);
  EXPECT_EQ(ShowWithKeys(kQuestion | MB_DEFBUTTON2, {VK_RETURN}), IDNO);
  // The arrow keys move between the buttons; Space presses the focused one.
  EXPECT_EQ(ShowWithKeys(kQuestion, {VK_RIGHT, VK_SPACE}), IDNO);
}

TEST_F(MessageBoxTest, EscapeOnAnOkBoxAnswersOk) {
  EXPECT_EQ(ShowWithKeys(MB_OK, {VK_ESCAPE}), IDOK);
  EXPECT_EQ(ShowWithKeys(MB_OKCANCEL, {VK_ESCAPE}), IDCANCEL);
}

// The box as it shows in the overlay: the bounding box of its opaque pixels.
CRect OverlayBounds(const Surface32& overlay) {
  CRect r(overlay.Width(), overlay.Height(), 0, 0);
  for (int y = 0; y < overlay.Height(); ++y)
    for (int x = 0; x < overlay.Width(); ++x)
      if (overlay.At(x, y) >> 24) r = CRect(std::min<int>(r.left, x), std::min<int>(r.top, y),
                                            std::max<int>(r.right, x + 1), std::max<int>(r.bottom, y + 1));
  return r;
}

TEST_F(MessageBoxTest, MouseClickOnTheSecondButton) {
  t.Then([&] {
    // Two 75-pixel buttons 6 apart, centred, 12 pixels above the bottom border.
    const CRect box = OverlayBounds(t.host().Overlay());
    const CPoint no(box.CenterPoint().x + 3 + 37, box.bottom - 3 - 12 - 11);
    t.host().PostMouse(WM_LBUTTONDOWN, no.x, no.y, MK_LBUTTON);
    t.host().PostMouse(WM_LBUTTONUP, no.x, no.y, 0);
  });
  EXPECT_EQ(ShowMessageBox(t.host(), nullptr, "Do you wish to quit the current game?", "Quit Game?", kQuestion), IDNO);
  EXPECT_EQ(t.starved(), 0);
}

TEST_F(MessageBoxTest, ScriptAnswersOrTheDefaultButtonDoes) {
  FixedAnswer no(IDNO);
  EXPECT_EQ(ShowMessageBox(t.host(), &no, "Do you wish to quit the current game?", "Quit Game?", kQuestion), IDNO);
  EXPECT_EQ(events.back(), "msgbox \"Quit Game?\" \"Do you wish to quit the current game?\" -> no");
  FixedAnswer none(std::nullopt);
  EXPECT_EQ(ShowMessageBox(t.host(), &none, "You have busted", "", MB_OK), IDOK);
  EXPECT_EQ(events.back(), "msgbox \"Quintaro\" \"You have busted\" -> ok unscripted");
  // An answer the box does not offer is not taken.
  FixedAnswer yes(IDYES);
  EXPECT_EQ(ShowMessageBox(t.host(), &yes, "Say \"hi\"\nplease", "Goal", MB_OK), IDOK);
  EXPECT_EQ(events.back(), "msgbox \"Goal\" \"Say \\\"hi\\\"\\nplease\" -> ok unscripted");
  EXPECT_EQ(t.host().ModalLayer(), HWND_NONE);
}

TEST_F(MessageBoxTest, LongTextWrapsInsideTheWindow) {
  t.Then([&] {
    // While it is up, the box must fit the window.
    const Surface32& overlay = t.host().Overlay();
    const CRect box = OverlayBounds(t.host().Overlay());
    EXPECT_GT(box.left, 20);
    EXPECT_LT(box.right, overlay.Width() - 20);
    EXPECT_GT(box.Height(), 3 * 12);  // several lines of text
  });
  t.Key(VK_RETURN);
  const std::string text(600, 'w');
  EXPECT_EQ(ShowMessageBox(t.host(), nullptr, text + " and some words", "", MB_OK | MB_ICONEXCLAMATION), IDOK);
}

}  // namespace
