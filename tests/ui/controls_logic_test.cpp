// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog units, edit fields and track bars: the rules the controls follow.
#include <gtest/gtest.h>

#include <string>

#include "platform/font.h"
#include "platform/messages.h"
#include "res/resource_ids.h"
#include "res/shell_dialogs.h"
#include "ui/dialog_units.h"
#include "ui/edit_logic.h"
#include "ui/trackbar_logic.h"

namespace {

TEST(DialogUnits, MapWithTheClassicBaseUnitsAndRounding) {
  EXPECT_EQ(MulDivRound(355, 6, 4), 533);  // 532.5 rounds away from zero
  EXPECT_EQ(MulDivRound(-3, 6, 4), -5);
  EXPECT_EQ(MulDivRound(7, 13, 8), 11);
  EXPECT_EQ(MulDivRound(1, 1, 0), 0);
  EXPECT_EQ(MapDialogRect(163, 19, 85, 16), CRect(245, 31, 372, 57));
  EXPECT_EQ(MapDialogSize(355, 138).cx, 533);
  EXPECT_EQ(MapDialogSize(355, 138).cy, 224);
}

TEST(DialogUnits, PlayersDialogLaysOutInPixels) {
  // Wider than the classic 355 units by the seats' level boxes, still inside the window.
  const DialogLayout layout = LayoutDialog(PlayersDialogTemplate());
  EXPECT_EQ(layout.client.cx, 560);
  EXPECT_EQ(layout.client.cy, 224);
  auto rectOf = [&](int id) {
    for (const DialogControl& c : layout.controls)
      if (c.id == id) return c.rect;
    return CRect();
  };
  EXPECT_EQ(rectOf(IDOK), CRect(186, 190, 261, 213));
  EXPECT_EQ(rectOf(IDCANCEL), CRect(300, 190, 375, 213));
  EXPECT_EQ(rectOf(IDC_ONE_PLAYER), CRect(35, 31, 162, 57));
  EXPECT_EQ(rectOf(IDC_LEVEL4).left, rectOf(IDC_COMPUTER4).right + 9);  // beside its check box
  // Controls that touch in dialog units touch in pixels too: the name edit
  // ends where its neighbour would start.
  EXPECT_EQ(MapDialogRect(163, 19, 85, 16).right, MapDialogRect(248, 19, 9, 16).left);
  for (const DialogControl& c : layout.controls) {
    EXPECT_TRUE(CRect(0, 0, layout.client.cx, layout.client.cy).PtInRect(c.rect.TopLeft()));
    EXPECT_LE(c.rect.right, layout.client.cx);
    EXPECT_LE(c.rect.bottom, layout.client.cy);
  }
}

TEST(EditField, TypingStopsAtTheLimit) {
  EditState e;
  EditSetLimit(e, 3);
  EXPECT_TRUE(EditTypeChar(e, 'a'));
  EXPECT_TRUE(EditTypeChar(e, 'b'));
  EXPECT_TRUE(EditTypeChar(e, 'c'));
  EXPECT_FALSE(EditTypeChar(e, 'd'));
  EXPECT_EQ(e.text, "abc");
  // A selection makes room: typing replaces it.
  EditKey(e, VK_LEFT, true);
  EXPECT_TRUE(EditTypeChar(e, 'X'));
  EXPECT_EQ(e.text, "abX");
  EXPECT_FALSE(EditTypeChar(e, '\t'));
  EXPECT_FALSE(EditTypeChar(e, U'\x85'));  // a C1 control code
}

TEST(EditField, LettersBeyondAsciiAreStoredAsUtf8AndCountAsOneCharacter) {
  EditState e;
  EditSetLimit(e, 5);
  for (char32_t c : std::u32string(U"Mu\u00F1oz")) EXPECT_TRUE(EditTypeChar(e, c));
  EXPECT_EQ(e.text, "Mu\xC3\xB1oz");
  EXPECT_EQ(EditCharCount(e), 5);
  EXPECT_FALSE(EditTypeChar(e, U'\u00DF'));  // the limit counts characters, not bytes
  EXPECT_FALSE(EditTypeChar(e, 0xD800));      // a lone surrogate is no character
  EXPECT_FALSE(EditTypeChar(e, 0x110000));
  // Backspace and Delete take whole characters; the caret never lands inside one.
  EditKey(e, VK_LEFT, false);
  EditKey(e, VK_LEFT, false);
  EXPECT_EQ(e.caret, 4);  // before "o": "ñ" is two bytes
  EXPECT_TRUE(EditKey(e, VK_BACK, false));
  EXPECT_EQ(e.text, "Muoz");
  EXPECT_EQ(e.caret, 2);
  EditSetText(e, "\xE2\x82\xAC\xF0\x9F\x8E\xB1");  // a three- and a four-byte character
  EditKey(e, VK_HOME, false);
  EXPECT_TRUE(EditKey(e, VK_DELETE, false));
  EXPECT_EQ(e.text, "\xF0\x9F\x8E\xB1");
  EditKey(e, VK_RIGHT, true);
  EXPECT_EQ(e.caret, 4);
  EXPECT_TRUE(EditTypeChar(e, U'\u00EB'));  // replaces the selected character
  EXPECT_EQ(e.text, "\xC3\xAB");
}

TEST(EditField, CaretsInsideACharacterOrPastTheTextAreMadeSafe) {
  EditState e;
  EditSetText(e, "Zo\xC3\xAB!");
  e.caret = e.anchor = 3;  // between the two bytes of "ë"
  EXPECT_TRUE(EditKey(e, VK_BACK, false));
  EXPECT_EQ(e.text, "Z\xC3\xAB!");  // the "o" before it went, "ë" is whole
  e.caret = 99;
  e.anchor = -4;
  EXPECT_EQ(EditSelectedText(e), "Z\xC3\xAB!");
  EXPECT_TRUE(EditKey(e, VK_DELETE, false));
  EXPECT_EQ(e.text, "");
}

TEST(EditField, PastedBytesThatAreNotUtf8AreDropped) {
  EditState e;
  EditSetLimit(e, 4);
  EXPECT_TRUE(EditPaste(e, "a\xFF\xC3\xA9\xC3" "b\xE2\x82z"));
  EXPECT_EQ(e.text, "a\xC3\xA9" "bz");
}

TEST(EditField, DoubleClickSelectsTheWordOrTheSpaces) {
  EditState e;
  EditSetText(e, "Anna  Lee");
  EditSelectWord(e, 2);
  EXPECT_EQ(EditSelectedText(e), "Anna");
  EditSelectWord(e, 4);  // just after a word: that word
  EXPECT_EQ(EditSelectedText(e), "Anna");
  EditSelectWord(e, 5);
  EXPECT_EQ(EditSelectedText(e), "  ");
  EditSelectWord(e, 9);  // at the end
  EXPECT_EQ(EditSelectedText(e), "Lee");
  EditSetText(e, "");
  EditSelectWord(e, 3);
  EXPECT_FALSE(EditHasSelection(e));
}

TEST(EditField, PasteReplacesTheSelectionKeepsTheLimitAndDropsControls) {
  EditState e;
  EditSetLimit(e, 8);
  EditSetText(e, "Ann Lee");
  EditSelectWord(e, 5);  // "Lee"
  EXPECT_TRUE(EditPaste(e, "Bo\tb\r\nby Tables"));
  EXPECT_EQ(e.text, "Ann Bobb");  // tab and line break dropped, cut at 8
  EXPECT_EQ(e.caret, 8);
  EXPECT_FALSE(EditPaste(e, "more"));
  EditSelectAll(e);
  EXPECT_TRUE(EditDeleteSelection(e));
  EXPECT_EQ(e.text, "");
  EXPECT_FALSE(EditDeleteSelection(e));
}

TEST(EditField, ShiftExtendsTheSelectionAndTypingGoesWhereTheCaretIs) {
  EditState e;
  EditSetText(e, "Jo Ann");
  e.caret = e.anchor = 2;  // a click between "Jo" and " Ann"
  EXPECT_TRUE(EditTypeChar(e, 'e'));
  EXPECT_EQ(e.text, "Joe Ann");
  EXPECT_EQ(e.caret, 3);
  EditKey(e, VK_LEFT, true);
  EditKey(e, VK_LEFT, true);
  EXPECT_EQ(EditSelectedText(e), "oe");
  EditKey(e, VK_RIGHT, true);  // shrinks back from the moving end
  EXPECT_EQ(EditSelectedText(e), "e");
  EditKey(e, VK_END, true);
  EXPECT_EQ(EditSelectedText(e), " Ann");
  EditKey(e, VK_HOME, true);  // the anchor stays where the selection began
  EXPECT_EQ(EditSelectedText(e), "Joe");
  EXPECT_TRUE(EditTypeChar(e, 'B'));
  EXPECT_EQ(e.text, "B Ann");
  // An unshifted arrow ends a selection at its edge without moving further.
  EditKey(e, VK_END, true);
  EditKey(e, VK_LEFT, false);
  EXPECT_FALSE(EditHasSelection(e));
  EXPECT_EQ(e.caret, 1);
}

TEST(EditField, CaretKeysAndDeleting) {
  EditState e;
  EditSetText(e, "hello");
  EXPECT_EQ(e.caret, 5);
  EditKey(e, VK_HOME, false);
  EXPECT_EQ(e.caret, 0);
  EXPECT_FALSE(EditKey(e, VK_BACK, false));  // nothing before the caret
  EXPECT_TRUE(EditKey(e, VK_DELETE, false));
  EXPECT_EQ(e.text, "ello");
  EditKey(e, VK_END, false);
  EditKey(e, VK_LEFT, false);
  EXPECT_TRUE(EditKey(e, VK_BACK, false));
  EXPECT_EQ(e.text, "elo");
  EXPECT_EQ(e.caret, 2);
  EditSelectAll(e);
  EXPECT_TRUE(EditKey(e, VK_DELETE, false));
  EXPECT_EQ(e.text, "");
  bool handled = true;
  EXPECT_FALSE(EditKey(e, 'A', false, &handled));
  EXPECT_FALSE(handled);
  // A text set by the program may be longer than the limit; typing may not extend it.
  EditSetLimit(e, 2);
  EditSetText(e, "long name");
  EXPECT_EQ(e.text, "long name");
  EXPECT_FALSE(EditTypeChar(e, 'x'));
  // Out-of-range carets are brought back before use.
  e.caret = 99;
  e.anchor = -4;
  EXPECT_TRUE(EditKey(e, VK_DELETE, false));
  EXPECT_EQ(e.text, "");
}

TEST(TrackBar, KeysMoveWithinTheRange) {
  TrackState t;
  TrackSetRange(t, 0, 8);
  TrackSetPos(t, 4);
  bool moved = false;
  EXPECT_TRUE(TrackKey(t, VK_RIGHT, &moved));
  EXPECT_TRUE(moved);
  EXPECT_EQ(t.pos, 5);
  TrackKey(t, VK_UP, &moved);
  EXPECT_EQ(t.pos, 4);
  TrackKey(t, VK_NEXT, &moved);  // page size defaults to a fifth of the range, at least 1
  EXPECT_EQ(t.pos, 5);
  TrackKey(t, VK_END, &moved);
  EXPECT_EQ(t.pos, 8);
  TrackKey(t, VK_RIGHT, &moved);
  EXPECT_FALSE(moved);
  TrackKey(t, VK_HOME, &moved);
  EXPECT_EQ(t.pos, 0);
  TrackSetPageSize(t, 4);
  TrackKey(t, VK_NEXT, &moved);
  EXPECT_EQ(t.pos, 4);
  EXPECT_FALSE(TrackKey(t, VK_TAB, &moved));
  TrackSetPos(t, 100);
  EXPECT_EQ(t.pos, 8);
  TrackSetRange(t, 5, 2);  // an upside-down range collapses
  EXPECT_EQ(t.pos, 5);
}

TEST(TrackBar, TicksStayInsideTheRange) {
  TrackState t;
  TrackSetRange(t, 0, 2);
  EXPECT_TRUE(TrackSetTic(t, 1));
  EXPECT_TRUE(TrackSetTic(t, 2));   // an end: it has its tick already
  EXPECT_FALSE(TrackSetTic(t, 3));  // outside: ignored
  EXPECT_EQ(TrackTickPositions(t, 0), (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(TrackTickPositions(t, TBS_NOTICKS).empty());
  TrackState a;
  TrackSetRange(a, 1, 20);
  TrackSetTicFreq(a, 5);
  EXPECT_EQ(TrackTickPositions(a, TBS_AUTOTICKS), (std::vector<int>{1, 6, 11, 16, 20}));
}

TEST(TrackBar, GeometryMapsPositionsAndBack) {
  TrackState t;
  TrackSetRange(t, 0, 8);
  const CRect control(10, 10, 160, 42);
  for (DWORD style : {DWORD{0}, TBS_TOP, TBS_BOTH}) {
    TrackSetPos(t, 0);
    const TrackGeometry g = TrackLayout(control, t, style);
    EXPECT_GT(g.xMax, g.xMin);
    EXPECT_TRUE(control.PtInRect(g.thumb.TopLeft()));
    EXPECT_LE(g.thumb.bottom, control.bottom);
    for (int pos = 0; pos <= 8; ++pos) EXPECT_EQ(TrackXToPos(g, t, TrackPosToX(g, t, pos)), pos);
    EXPECT_EQ(TrackXToPos(g, t, -1000), 0);
    EXPECT_EQ(TrackXToPos(g, t, 1000), 8);
  }
  EXPECT_EQ(TrackLayout(control, t, TBS_BOTH).point, ThumbPoint::None);
  EXPECT_GE(TrackLayout(control, t, TBS_BOTH).ticksAbove, control.top);
  EXPECT_EQ(TrackLayout(control, t, 0).ticksAbove, -1);
}

}  // namespace
