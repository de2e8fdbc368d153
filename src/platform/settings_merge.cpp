// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_merge.h"

namespace {

const IniKeys& SectionOf(const IniSections& all, const std::string& name) {
  static const IniKeys kNone;
  const auto it = all.find(name);
  return it == all.end() ? kNone : it->second;
}

}  // namespace

IniSections MergeSettings(const IniSections& base, const IniSections& ours, const IniSections& onDisk,
                          const SectionMerges& rules) {
  IniSections merged = onDisk;
  for (const auto& [section, keys] : ours) {
    const IniKeys& seen = SectionOf(base, section);
    for (const auto& [key, value] : keys) {
      const auto before = seen.find(key);
      if (before == seen.end() || before->second != value) merged[section][key] = value;
    }
  }
  for (const auto& [section, rule] : rules) {
    const IniKeys& mine = SectionOf(ours, section);
    if (mine == SectionOf(base, section)) continue;  // nothing of ours to bring in
    rule(SectionOf(base, section), mine, SectionOf(onDisk, section), merged[section]);
  }
  return merged;
}
