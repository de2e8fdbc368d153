// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resume_keeper.h"

#include <fstream>
#include <sstream>

#include "app/main_frame.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/replay_desk.h"
#include "app/resume_record.h"
#include "app/version.h"
#include "platform/settings.h"
#include "res/resource_ids.h"
#include "ui/message_box.h"

namespace {

constexpr const char* kSection = "Resume";
constexpr const char* kKey = "Game";

std::optional<std::filesystem::path> ResumeFile(const SettingsStore& settings) {
  if (!settings.File()) return std::nullopt;
  std::filesystem::path file = *settings.File();
  return file.replace_extension(".resume");
}

std::string ToHex(const std::string& text) {
  static const char* digits = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char c : text) {
    hex += digits[c >> 4];
    hex += digits[c & 15];
  }
  return hex;
}

std::optional<std::string> FromHex(const std::string& hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  auto nibble = [](char c) { return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1; };
  std::string text;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int hi = nibble(hex[i]), lo = nibble(hex[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    text += static_cast<char>(hi * 16 + lo);
  }
  return text;
}

}  // namespace

std::optional<std::string> ResumeKeeper::Load() const {
  if (const auto file = ResumeFile(m_settings)) {
    std::ifstream in(*file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(StateRecord::kMaxBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
  }
  const auto hex = m_settings.Raw(kSection, kKey);
  if (!hex || hex->empty()) return std::nullopt;
  return FromHex(*hex).value_or(std::string("unreadable"));
}

void ResumeKeeper::Save(const std::string& text) {
  if (text == m_saved) return;
  m_saved = text;
  if (const auto file = ResumeFile(m_settings))
    WriteSettingsFile(*file, text);
  else
    m_settings.WriteProfileString(kSection, kKey, ToHex(text));
}

void ResumeKeeper::Discard() {
  m_saved.clear();
  if (const auto file = ResumeFile(m_settings)) {
    std::error_code ec;
    std::filesystem::remove(*file, ec);
  } else if (m_settings.Raw(kSection, kKey)) {
    m_settings.WriteProfileString(kSection, kKey, "");
  }
}

void ResumeKeeper::Keep() {
  // Until the player has answered for the kept game, it stays as it is.
  if (!m_offered) return;
  if (const auto record = CaptureGame(m_doc)) {
    Save(record->Write());
  } else if (!m_doc.m_bGameInProgress && !m_saved.empty()) {
    Discard();  // the game ended, or was left
  }
}

void ResumeKeeper::OfferOnce(bool ask) {
  if (m_offered) return;
  m_offered = true;
  if (!ask) return;
  const auto text = Load();
  if (!text) return;
  std::string error;
  const auto record = StateRecord::Read(*text, error);
  const std::string name = record ? RecordGameName(m_doc, *record) : "";
  CQuintaroApp& app = m_doc.App();
  if (name.empty()) {
    if (!record) app.Frame().MessageBox("The unfinished game could not be read: " + error, kApplicationTitle,
                                        MB_OK | MB_ICONEXCLAMATION);
    Discard();
    return;
  }
  if (app.Frame().MessageBox("Resume the unfinished " + name + " game?", kApplicationTitle,
                             MB_YESNO | MB_ICONQUESTION) != IDYES) {
    Discard();
    return;
  }
  if (!RestoreGame(m_doc, *record, error)) {
    app.Frame().MessageBox("The unfinished game could not be taken up: " + error, kApplicationTitle,
                           MB_OK | MB_ICONEXCLAMATION);
    Discard();
    return;
  }
  m_saved = *text;
  app.Replays().OnGameResumed(*record);
}
