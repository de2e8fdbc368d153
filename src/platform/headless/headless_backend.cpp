// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/headless_backend.h"

#include <string>

#include "platform/audio_device.h"
#include "platform/host.h"

namespace {

bool Reached(DWORD now, DWORD due) { return static_cast<std::int32_t>(now - due) >= 0; }

}  // namespace

HeadlessBackend::HeadlessBackend(HeadlessOptions options) : m_options(options), m_now(options.startTick) {}

HeadlessBackend::~HeadlessBackend() = default;

std::optional<DWORD> HeadlessBackend::Feed() { return m_feeder ? m_feeder(m_now) : std::nullopt; }

void HeadlessBackend::Poll() { Feed(); }

void HeadlessBackend::WaitUntil(DWORD deadline, bool wakeOnInput) {
  const bool forever = deadline == kWaitForever;
  for (;;) {
    const std::optional<DWORD> next = Feed();
    if (wakeOnInput && m_host != nullptr && m_host->QueuedCount() > 0) return;
    if (!forever && Reached(m_now, deadline)) return;
    if (forever && !next) {
      if (onStarved) onStarved();
      // Nothing can ever arrive: rather than hang, end the message loop.
      if (m_host != nullptr && m_host->QueuedCount() == 0) m_host->PostQuitMessage(0);
      return;
    }
    DWORD target = deadline;
    if (next && (forever || static_cast<std::int32_t>(*next - deadline) < 0)) target = *next;
    // An event the feeder says is due already, but did not post, must not stall the clock.
    if (Reached(m_now, target)) target = m_now + 1;
    m_now = target;
  }
}

void HeadlessBackend::ReportFocus(bool focused) {
  if (m_host != nullptr) m_host->PostActivate(focused);
}

void HeadlessBackend::ReportMinimised(bool minimised) {
  if (m_host != nullptr) m_host->PostMinimised(minimised);
}

void HeadlessBackend::SetCursor(int resourceId, const CursorImage* /*image*/) {
  if (resourceId == m_cursorId) return;
  m_cursorId = resourceId;
  if (m_host != nullptr) m_host->Report("cursor " + std::to_string(resourceId));
}

AudioDevice* HeadlessBackend::Audio() {
  if (!m_options.audio) return nullptr;
  if (!m_audio) m_audio = MakeHeadlessAudioDevice([this] { return m_now; });
  return m_audio.get();
}

void HeadlessBackend::ExitProcess(int code) {
  if (onExit) onExit(code);
  Backend::ExitProcess(code);
}

std::unique_ptr<HeadlessBackend> MakeHeadlessBackend(HeadlessOptions options) {
  return std::make_unique<HeadlessBackend>(options);
}
