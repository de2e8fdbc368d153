#include "ui/edit_logic.h"

#include <algorithm>
#include <cstdlib>

#include "platform/messages.h"

namespace {

void Clamp(EditState& e) {
  const int n = static_cast<int>(e.text.size());
  e.caret = std::clamp(e.caret, 0, n);
  e.anchor = std::clamp(e.anchor, 0, n);
}

// Removes the selection; true when there was one.
bool DeleteSelection(EditState& e) {
  if (e.caret == e.anchor) return false;
  const int from = std::min(e.caret, e.anchor), to = std::max(e.caret, e.anchor);
  e.text.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
  e.caret = e.anchor = from;
  return true;
}

}  // namespace

bool EditHasSelection(const EditState& e) { return e.caret != e.anchor; }

bool EditTypeChar(EditState& e, char c) {
  // Printable ASCII and Latin-1's letters and signs: what the fonts draw.
  const auto code = static_cast<unsigned char>(c);
  if (code < 0x20 || (code >= 0x7F && code < 0xA0)) return false;
  Clamp(e);
  const int selected = std::abs(e.caret - e.anchor);
  if (static_cast<int>(e.text.size()) - selected + 1 > e.limit) return false;
  DeleteSelection(e);
  e.text.insert(e.text.begin() + e.caret, c);
  e.anchor = ++e.caret;
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
      else move(e.caret - 1);
      break;
    case VK_RIGHT:
      if (!shift && EditHasSelection(e)) move(std::max(e.caret, e.anchor));
      else move(e.caret + 1);
      break;
    case VK_HOME: move(0); break;
    case VK_END: move(n); break;
    case VK_DELETE:
      changed = DeleteSelection(e);
      if (!changed && e.caret < n) {
        e.text.erase(static_cast<std::size_t>(e.caret), 1);
        changed = true;
      }
      break;
    case VK_BACK:
      changed = DeleteSelection(e);
      if (!changed && e.caret > 0) {
        e.text.erase(static_cast<std::size_t>(e.caret - 1), 1);
        e.anchor = --e.caret;
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
  for (char c : text) {
    if (static_cast<int>(e.text.size()) >= e.limit) break;
    changed = EditTypeChar(e, c) || changed;
  }
  return changed;
}
