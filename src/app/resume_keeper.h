// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the unfinished game for the next start. The record is saved
// whenever the game on screen reaches a new point play can resume from (the
// end of a shot, a throw or a turn) and as the program closes, each time as
// one atomic save: beside the settings file as `<name>.resume`, or in the
// settings store itself when it has no file (the headless driver). A game
// that ends, or is left, takes its record with it.
#include <optional>
#include <string>

class CQuintaroDoc;
class SettingsStore;

class ResumeKeeper {
 public:
  ResumeKeeper(SettingsStore& settings, CQuintaroDoc& doc) : m_settings(settings), m_doc(doc) {}

  // The main loop is idle between messages: keep what changed.
  void Keep();
  // The first quiet moment after start-up: offers the kept game, once.
  // Without `ask` the kept game stays as it is, for the one who takes it up.
  void OfferOnce(bool ask = true);
  bool Offered() const { return m_offered; }

  // The stored record, its text; none when nothing is kept.
  std::optional<std::string> Load() const;
  void Save(const std::string& text);
  void Discard();

 private:
  SettingsStore& m_settings;
  CQuintaroDoc& m_doc;
  std::string m_saved;  // what this run stored last
  bool m_offered = false;
};
