// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing a single-line field: typing within the length limit, caret moves,
// deleting, and a selection that typing replaces.
#include <string>
#include <string_view>

#include "ui/dialog_control.h"

// Types one printable character (a code point, stored as UTF-8), replacing
// the selection. Refused (false) when the result would exceed the limit in
// characters or the character is not printable.
bool EditTypeChar(EditState& e, char32_t c);
int EditCharCount(const EditState& e);
// Handles an editing key (arrows, Home, End, Delete, Backspace), a whole
// character at a time; `shift`
// extends the selection. Returns true when the text changed.
bool EditKey(EditState& e, unsigned vk, bool shift, bool* handled = nullptr);
// Replaces the whole text, caret at the end. The limit restrains typing only.
void EditSetText(EditState& e, const std::string& text);
void EditSetLimit(EditState& e, int limit);
void EditSelectAll(EditState& e);
bool EditHasSelection(const EditState& e);
// The word (a run without spaces) at `at`, or the run of spaces there, as a
// double-click selects it.
void EditSelectWord(EditState& e, int at);
std::string EditSelectedText(const EditState& e);
// Removes the selection (Cut); true when there was one.
bool EditDeleteSelection(EditState& e);
// Pastes `text` over the selection as if typed: characters the field cannot
// take (line breaks, controls) are dropped, and it stops at the limit.
// True when the text changed.
bool EditPaste(EditState& e, std::string_view text);
