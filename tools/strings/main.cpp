// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every text the tables hold (menus, the string table, dialogs, the
// help, the shown formats) as a gettext catalog template on standard output;
// scripts/update-pot merges it with what xgettext finds in the sources.
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialog_catalog.h"
#include "res/menu_table.h"
#include "res/resource_ids.h"
#include "res/shown_text.h"
#include "res/string_table.h"
#include "ui/help_text.h"

namespace {

struct Entry {
  std::string plural;
  std::set<std::string> notes;
};
std::map<std::string, Entry> g_entries;
std::vector<std::string> g_order;

void Add(std::string_view text, const std::string& note, std::string_view plural = {}) {
  if (text.empty()) return;
  const std::string key(text);
  auto [it, added] = g_entries.try_emplace(key);
  if (added) g_order.push_back(key);
  it->second.notes.insert(note);
  if (!plural.empty()) it->second.plural = std::string(plural);
}

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else out += c;
  }
  return out + "\"";
}

void AddMenu(std::span<const MenuItemDef> items) {
  for (const MenuItemDef& item : items) {
    if (item.kind == MenuItemKind::Separator) continue;
    Add(item.text, "menu item: keep one & before the access letter and the text after a tab as it is");
    if (item.kind == MenuItemKind::Popup) AddMenu(item.items);
  }
}

void AddHelp() {
  std::string_view text = HelpText();
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    for (std::string_view mark : {"# ", "## ", "- "}) {
      if (line.substr(0, mark.size()) == mark) line.remove_prefix(mark.size());
    }
    Add(line, "help");
  }
}

}  // namespace

int main() {
  AddMenu(MainMenu());
  for (const StringDef& s : StringTable())
    if (s.id != IDS_DOCUMENT_TEMPLATE && s.id != AFX_IDS_APP_TITLE) Add(s.text, "status-line prompt, a new line, then the tool tip");
  for (const DialogTemplate* d : AllDialogTemplates()) {
    Add(d->caption, "dialog caption");
    for (const ControlDef& c : d->controls) {
      if (c.kind != ControlKind::Edit) Add(c.text, "dialog label: keep any & before the access letter");
    }
  }
  AddHelp();
  for (const ShownFormat& f : ShownFormats()) Add(f.one, "shown by a game or the shell", f.many ? f.many : "");
  for (const std::string& key : g_order) {
    const Entry& e = g_entries[key];
    for (const std::string& note : e.notes) std::cout << "#. " << note << "\n";
    if (key.find("%s") != std::string::npos || key.find("%d") != std::string::npos) std::cout << "#, c-format\n";
    std::cout << "msgid " << Quote(key) << "\n";
    if (e.plural.empty()) {
      std::cout << "msgstr \"\"\n\n";
    } else {
      std::cout << "msgid_plural " << Quote(e.plural) << "\nmsgstr[0] \"\"\nmsgstr[1] \"\"\n\n";
    }
  }
}
