// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace art {
namespace {

// Filled by the registrations before main() runs, whatever their order.
std::vector<ArtFamily>& FamilyList() {
  static std::vector<ArtFamily> list;
  return list;
}

std::vector<std::pair<int, TitleScene>>& SceneList() {
  static std::vector<std::pair<int, TitleScene>> list;
  return list;
}

}  // namespace

bool RegisterFamily(const char* name, FamilyMaker make) {
  FamilyList().push_back({name, make});
  return true;
}

std::vector<ArtFamily> Families() {
  std::vector<ArtFamily> families = FamilyList();
  std::ranges::sort(families, {}, [](const ArtFamily& f) { return std::string_view(f.name); });
  return families;
}

bool RegisterTitleScene(int screen, TitleScene paint) {
  SceneList().emplace_back(screen, paint);
  return true;
}

TitleScene TitleSceneFor(int screen) {
  for (const auto& [s, paint] : SceneList())
    if (s == screen) return paint;
  return nullptr;
}

}  // namespace art
