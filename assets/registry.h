// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a game's folder under assets/ adds to the generator: its families of
// pictures and sounds, and its scene on the title picture. One registration
// at namespace scope in one of its files is all it takes, so a new game's art
// touches nothing outside its folder. The generator links the whole art
// library, so no registration is left out.
#include <vector>

#include "context.h"
#include "core/canvas.h"

namespace art {

using FamilyMaker = void (*)(Context&);
struct ArtFamily {
  const char* name;  // for the generator's timings: "pool"
  FamilyMaker make;
};
// Adds a family; returns true so that it can initialise a constant.
bool RegisterFamily(const char* name, FamilyMaker make);
// Every registered family, by name (each writes its own resources, so the
// order they are made in changes nothing).
std::vector<ArtFamily> Families();

// A game's scene on the title picture, painted over its outlines there.
using TitleScene = void (*)(Canvas&);
bool RegisterTitleScene(int screen, TitleScene paint);
// The scene registered for a screen, or null.
TitleScene TitleSceneFor(int screen);

}  // namespace art
