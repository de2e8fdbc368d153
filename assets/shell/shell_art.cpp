// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's pictures: title screen, splash, hall of fame, tool bar, icons
// and the pointing-hand cursor.
#include "context.h"
#include "registry.h"

namespace art {

void MakeTitleScreen(Context& ctx);
void MakeSplash(Context& ctx);
void MakeHallOfFame(Context& ctx);
void MakeToolbarAndIcons(Context& ctx);

void MakeShellArt(Context& ctx) {
  MakeTitleScreen(ctx);
  MakeSplash(ctx);
  MakeHallOfFame(ctx);
  MakeToolbarAndIcons(ctx);
}

namespace {
[[maybe_unused]] const bool kRegistered = RegisterFamily("shell", MakeShellArt);
}  // namespace

}  // namespace art
