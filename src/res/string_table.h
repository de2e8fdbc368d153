// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The string table: the document template, the application title, the idle
// status text and the command prompts. A prompt's text before "\n" is shown
// in the status line; the text after it is the tool tip.
#include <span>
#include <string_view>

#include "platform/types.h"

// Shown when an edit field holds more than it may; "%1" is the limit.
inline constexpr UINT AFX_IDP_PARSE_STRING_SIZE = 61715;

struct StringDef {
  UINT id = 0;
  const char* text = "";
};

std::span<const StringDef> StringTable();
// The string `id`, or an empty view when there is none.
std::string_view LoadStringRes(UINT id);

// The status-line prompt of a command (before the line break) and its tool
// tip (after it); empty when the command has none.
std::string_view CommandPrompt(UINT id);
std::string_view CommandTip(UINT id);
