#pragma once
// Editing a single-line field: typing within the length limit, caret moves,
// deleting, and a selection that typing replaces.
#include "ui/dialog_control.h"

// Types one printable character, replacing the selection. Refused (false)
// when the result would exceed the limit or the character is not printable.
bool EditTypeChar(EditState& e, char c);
// Handles an editing key (arrows, Home, End, Delete, Backspace); `shift`
// extends the selection. Returns true when the text changed.
bool EditKey(EditState& e, unsigned vk, bool shift, bool* handled = nullptr);
// Replaces the whole text, caret at the end. The limit restrains typing only.
void EditSetText(EditState& e, const std::string& text);
void EditSetLimit(EditState& e, int limit);
void EditSelectAll(EditState& e);
bool EditHasSelection(const EditState& e);
