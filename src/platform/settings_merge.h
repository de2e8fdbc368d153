// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a save writes when the file changed under us (another copy of the
// program saved, or someone edited it): the file as it is now, with only the
// values this copy changed since it last read or wrote the file laid over it.
// A section may bring its own rule for keys that only make sense together.
#include <functional>
#include <map>
#include <string>

#include "platform/settings_ini.h"

using IniKeys = std::map<std::string, std::string>;

// Fixes up `merged` (already merged key by key) for one section, given the
// section as this copy last saw the file (`base`), as this copy holds it now
// (`ours`) and as the file holds it now (`onDisk`).
using SectionMerge =
    std::function<void(const IniKeys& base, const IniKeys& ours, const IniKeys& onDisk, IniKeys& merged)>;
using SectionMerges = std::map<std::string, SectionMerge>;

IniSections MergeSettings(const IniSections& base, const IniSections& ours, const IniSections& onDisk,
                          const SectionMerges& rules);
