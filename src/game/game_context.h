// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a game is handed when it is built: the document it plays in and the
// view it draws on. Both outlive the game, so a game never needs a fall-back.
class CQuintaroDoc;
class CQuintaroView;

struct GameContext {
  CQuintaroDoc& doc;
  CQuintaroView& view;
};
