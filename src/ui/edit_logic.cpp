// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_logic.h"

#include <algorithm>
#include <cstdlib>

#include "platform/messages.h"
#include "platform/utf8.h"

namespace {

// Keeps the caret and anchor inside the text and on character boundaries.
void Clamp(EditState& e) {
  const int n = static_cast<int>(e.text.size());
  const auto snap = [&](int at) {
    // The last boundary at or before `at`, counted from the start as drawn.
    const auto limit = static_cast<std::size_t>(std::clamp(at, 0, n));
    std::size_t boundary = 0;
    while (boundary < limit) {
      const std::size_t next = NextCharBoundary(e.text, boundary);
      if (next > limit) break;
      boundary = next;
    }
    return static_cast<int>(boundary);
  };
  e.caret = snap(e.caret);
  e.anchor = snap(e.anchor);
}

// Removes the selection; true when there was one.
bool DeleteSelection(EditState& e) {
  if (e.caret == e.anchor) return false;
  const int from = std::min(e.caret, e.anchor), to = std::max(e.caret, e.anchor);
  e.text.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
  e.caret = e.anchor = from;
  return true;
}

// Letters and signs, not controls: C0, DEL, C1, and code points that are no
// characters at all.
bool IsTypeable(char32_t c) {
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return false;
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  return c != 0xFFFE && c != 0xFFFF;
}

int Next(const EditState& e, int at) { return static_cast<int>(NextCharBoundary(e.text, static_cast<std::size_t>(at))); }
int Prev(const EditState& e, int at) { return static_cast<int>(PrevCharBoundary(e.text, static_cast<std::size_t>(at))); }

}  // namespace

bool EditHasSelection(const EditState& e) { return e.caret != e.anchor; }

int EditCharCount(const EditState& e) { return static_cast<int>(CountUtf8Chars(e.text)); }

bool EditTypeChar(EditState& e, char32_t c) {
  if (!IsTypeable(c)) return false;
  Clamp(e);
  const int from = std::min(e.caret, e.anchor), to = std::max(e.caret, e.anchor);
  const auto selected = static_cast<int>(CountUtf8Chars(std::string_view(e.text).substr(
      static_cast<std::size_t>(from), static_cast<std::size_t>(to - from))));
  if (EditCharCount(e) - selected + 1 > e.limit) return false;
  DeleteSelection(e);
  std::string bytes;
  AppendUtf8(bytes, c);
  e.text.insert(static_cast<std::size_t>(e.caret), bytes);
  e.caret += static_cast<int>(bytes.size());
  e.anchor = e.caret;
  return true;
}

bool EditKey(EditState& e, unsigned vk, bool shift, bool* handled) {
  Clamp(e);
  const int n = static_cast<int>(e.text.size());
  bool known = true, changed = false;
  auto move = [&](int to) {
    e.caret = std::clamp(to, 0, n);
    if (!shift) e.anchor = e.caret;
  };
  switch (vk) {
    case VK_LEFT:
      if (!shift && EditHasSelection(e)) move(std::min(e.caret, e.anchor));
      else move(Prev(e, e.caret));
      break;
    case VK_RIGHT:
      if (!shift && EditHasSelection(e)) move(std::max(e.caret, e.anchor));
      else move(Next(e, e.caret));
      break;
    case VK_HOME: move(0); break;
    case VK_END: move(n); break;
    case VK_DELETE:
      changed = DeleteSelection(e);
      if (!changed && e.caret < n) {
        e.text.erase(static_cast<std::size_t>(e.caret), static_cast<std::size_t>(Next(e, e.caret) - e.caret));
        changed = true;
      }
      break;
    case VK_BACK:
      changed = DeleteSelection(e);
      if (!changed && e.caret > 0) {
        const int from = Prev(e, e.caret);
        e.text.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(e.caret - from));
        e.anchor = e.caret = from;
        changed = true;
      }
      break;
    default: known = false; break;
  }
  if (handled) *handled = known;
  return changed;
}

void EditSetText(EditState& e, const std::string& text) {
  // Like the classic field, the limit restrains typing only; a longer text
  // set by the program is kept (and refused later by validation).
  e.text = text;
  e.caret = e.anchor = static_cast<int>(e.text.size());
}

void EditSetLimit(EditState& e, int limit) {
  // A limit of 0 means "as much as the field can hold", as it classically does.
  e.limit = limit <= 0 ? 30000 : limit;
}

void EditSelectAll(EditState& e) {
  e.anchor = 0;
  e.caret = static_cast<int>(e.text.size());
}

void EditSelectWord(EditState& e, int at) {
  Clamp(e);
  const int n = static_cast<int>(e.text.size());
  at = std::clamp(at, 0, n);
  // At the end of a word the click belongs to it, as in every text field.
  if (at == n || (at > 0 && e.text[static_cast<std::size_t>(at)] == ' ' &&
                  e.text[static_cast<std::size_t>(at - 1)] != ' '))
    at = std::max(at - 1, 0);
  if (n == 0) return;
  const bool space = e.text[static_cast<std::size_t>(at)] == ' ';
  auto same = [&](int i) { return (e.text[static_cast<std::size_t>(i)] == ' ') == space; };
  int from = at, to = at + 1;
  while (from > 0 && same(from - 1)) --from;
  while (to < n && same(to)) ++to;
  e.anchor = from;
  e.caret = to;
}

std::string EditSelectedText(const EditState& e) {
  const int n = static_cast<int>(e.text.size());
  const int from = std::clamp(std::min(e.caret, e.anchor), 0, n), to = std::clamp(std::max(e.caret, e.anchor), 0, n);
  return e.text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
}

bool EditDeleteSelection(EditState& e) {
  Clamp(e);
  return DeleteSelection(e);
}

bool EditPaste(EditState& e, std::string_view text) {
  Clamp(e);
  bool changed = DeleteSelection(e);
  // Bytes that are not UTF-8 are dropped: the desktop's clipboard is UTF-8.
  for (std::size_t i = 0; i < text.size() && EditCharCount(e) < e.limit;) {
    const Utf8Char c = DecodeUtf8(text, i);
    if (c.valid) changed = EditTypeChar(e, c.code) || changed;
    i += c.length;
  }
  return changed;
}
