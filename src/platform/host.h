// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host: the operating-system services the program needs, shared by both
// backends. It owns the message queue, the window timers, the emulated display
// and its palette, the window surface, the settings store, the resource table
// and the random generator. The application owns exactly one.
#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/backend.h"
#include "platform/display.h"
#include "platform/input_source.h"
#include "platform/messages.h"
#include "platform/play_clock.h"
#include "platform/random.h"
#include "platform/rect.h"
#include "platform/resources.h"
#include "platform/settings.h"
#include "platform/surface.h"
#include "platform/surface_damage.h"

// The system timer resolution: no timer ticks faster than this (64 Hz).
inline constexpr double kTimerResolutionMs = 15.625;

using WndProc = std::function<LRESULT(const MSG&)>;

class Host {
 public:
  Host(std::unique_ptr<Backend> backend, std::unique_ptr<SettingsStore> settings);
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  Backend& GetBackend() { return *m_backend; }

  // --- Windows and window procedures -------------------------------------
  HWND CreateWindow(WndProc proc);
  void DestroyWindow(HWND hwnd);
  void SetWndProc(HWND hwnd, WndProc proc);
  bool IsWindow(HWND hwnd) const { return m_windows.count(hwnd) != 0; }
  // The window that receives keyboard input.
  void SetFocus(HWND hwnd) { m_focus = hwnd; }
  HWND GetFocus() const { return m_focus; }

  // --- Time --------------------------------------------------------------
  // The games' millisecond tick: play time, which stands still while play is
  // held (see HoldPlay), so a game resumes exactly where it stopped.
  DWORD GetTickCount() { return m_play.Now(m_backend->Ticks()); }
  // Play time moves only when the program waits (see PlayClock), so the
  // same input at the same ticks plays a game the same way in a window as
  // on virtual time. The program steps it; bare hosts (tests) let it run.
  void StepPlayClock(bool on) { m_play.SetStepped(on, m_backend->Ticks()); }
  // The real millisecond tick, for the chrome (tool tips) and the driver.
  DWORD RealTicks() { return m_backend->Ticks(); }
  std::int64_t Time() {
    return m_wallPin ? *m_wallPin + static_cast<std::int64_t>((GetTickCount() - m_wallPinTick) / 1000) : m_backend->WallSeconds();
  }
  // From now on the wall clock reads `seconds`, then counts whole seconds of
  // play time, so a game that seeds from the clock does so the same way each
  // time it is played from the same input (a replay); none lets it run free.
  void PinWallClock(std::optional<std::int64_t> seconds) {
    m_wallPin = seconds;
    m_wallPinTick = GetTickCount();
  }
  // A source of recorded input, or none (not owned).
  void SetInputSource(InputSource* source) { m_input = source; }
  bool InputSourceIs(const InputSource* source) const { return m_input == source; }
  // Waits `ms` of real time without dispatching anything; input keeps
  // arriving in the queue and the window keeps being presented.
  void Sleep(DWORD ms);
  // Waits until the play tick count reaches `deadline` (a busy wait of the games).
  void WaitUntil(DWORD deadline);

  // --- Holding play --------------------------------------------------------
  // While any hold is on, play time stands still and the view's timers (the
  // games' clocks and animations) do not fire; they resume on the same beat.
  // A modal layer holds play by itself; the document holds it while the
  // window is away during a real-time game.
  void HoldPlay(PlayHold reason, bool on) { m_play.Hold(reason, on, m_backend->Ticks()); }
  bool PlayHeld() const { return m_play.Held(); }

  // --- Message queue -----------------------------------------------------
  void PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Posts ahead of everything queued: the next message taken (a recorded one
  // that must come exactly where it came when it was recorded).
  // The character a key press is about to type (WM_CHAR or WM_SYSCHAR of key
  // `vk`, whether already queued or still to come) is dropped: the key was
  // spent on a menu. Any other key or button press first cancels this.
  void DropTypedKey(UINT vk);
  void PostMessageFirst(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Input from a backend, in window-surface pixels; routed to the view, the
  // frame (chrome) or the modal layer as a real system would.
  void PostMouse(UINT message, int surfaceX, int surfaceY, UINT keyFlags);
  void PostKey(UINT message, UINT vk, bool altDown = false);
  void PostClose();
  // The session ends (a hang-up or terminate request): WM_ENDSESSION, no question asked.
  void PostEndSession();
  // The desktop took the focus away or gave it back (WM_ACTIVATEAPP), or
  // minimised or restored the window (WM_SIZE): the frame hears of it.
  void PostActivate(bool active);
  void PostMinimised(bool minimised);
  // Whether a key is held down, as of the key messages taken from the queue
  // so far (the classic GetKeyState): Ctrl and Shift for accelerators.
  bool IsKeyDown(UINT vk) const { return vk < m_keyDown.size() && m_keyDown[vk]; }
  // PeekMessage with PM_REMOVE or PM_NOREMOVE; optional message range filter.
  // Posted and input messages come first, then WM_PAINT, then WM_TIMER.
  bool PeekMessage(MSG* msg, bool remove, UINT filterMin = 0, UINT filterMax = 0);
  // Blocks (never spinning) until a message is available; false on WM_QUIT.
  bool GetMessage(MSG* msg);
  LRESULT DispatchMessage(const MSG& msg);
  // Calls the window procedure at once.
  LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void PostQuitMessage(int code);
  // Drops every queued message (posted and input).
  void ClearQueue();
  // Drops every queued message of one kind.
  void RemoveMessages(UINT message);
  // Drops every queued message (posted and input) that `drop` picks; the
  // rest keep their order. Nothing new is read meanwhile.
  void RemoveMessagesIf(const std::function<bool(const MSG&)>& drop);
  std::size_t QueuedCount() const { return m_queue.size(); }

  // --- Window timers -----------------------------------------------------
  // Timers of the view window run on play time; all others on real time.
  bool SetTimer(HWND hwnd, UINT id, UINT periodMs);
  bool KillTimer(HWND hwnd, UINT id);
  // Real tick at which the next timer falls due, if any (a held play timer never does).
  std::optional<DWORD> NextTimerDue() const;

  // --- Painting ----------------------------------------------------------
  // Asks for a WM_PAINT to `hwnd` once the queue is otherwise empty.
  void InvalidateWindow(HWND hwnd);
  bool UpdateWindow(HWND hwnd);

  // --- Mouse ---------------------------------------------------------------
  void SetCapture(HWND hwnd);
  void ReleaseCapture();
  HWND GetCapture() const { return m_capture; }
  POINT GetCursorPos() const { return m_cursorPos; }  // in window-surface pixels
  // Shows the cursor resource `id` (0 is the arrow).
  void SetCursor(int id);
  int GetCursorId() const { return m_cursorId; }
  // How many times a cursor was set, changed or not: tells whether anything
  // chose a cursor while a message was handled.
  unsigned CursorRequests() const { return m_cursorRequests; }

  // --- Window layout -------------------------------------------------------
  // The window surface holds the whole client area; the view sits in it at
  // `viewRect`, the menu bar at `menuBarRect`. Mouse input inside the view goes
  // to `viewHwnd` in view coordinates; elsewhere to the frame.
  void SetLayout(int width, int height, const CRect& viewRect, const CRect& menuBarRect);
  void SetViewWindow(HWND view) { m_view = view; }
  void SetFrameWindow(HWND frame) { m_frame = frame; }
  HWND ViewWindow() const { return m_view; }
  HWND FrameWindow() const { return m_frame; }
  const CRect& ViewRect() const { return m_viewRect; }
  // While a modal layer (menu, dialog, message box, help) is up, all mouse
  // input goes to it in window-surface coordinates and keys go to it too,
  // and play is held: nothing plays on behind a question.
  void PushModalLayer(HWND hwnd);
  void PopModalLayer(HWND hwnd);
  HWND ModalLayer() const { return m_modal.empty() ? HWND_NONE : m_modal.back(); }

  // --- Display -------------------------------------------------------------
  DisplayCaps Caps() const { return m_backend->Caps(); }
  SystemPalette& Palette() { return m_palette; }
  // What the program drew: chrome and view.
  const Surface32& WindowSurface() const { return m_surface; }
  // The window surface to draw on within `area` (surface pixels, clipped to
  // the surface): the area is noted as changed, so the next frame shown
  // copies it. Every drawing on the window goes through here; drawing
  // outside the area named would stay off the screen.
  SurfaceView DrawOnSurface(const CRect& area);
  SurfaceView DrawOnWholeSurface() { return DrawOnSurface(m_surface.Bounds()); }
  // Drawn over the window surface when presented (menus, dialogs, tool tips);
  // pixels with alpha 0 are transparent. Cleared when the layer closes, so the
  // window beneath is seen again exactly as it was.
  Surface32& Overlay() { return m_overlay; }
  void SetOverlayVisible(bool visible);
  bool OverlayVisible() const { return m_overlayVisible; }
  // Marks the window changed; the backend shows it at its next refresh.
  void Present(bool force = false) { m_backend->Present(force); }
  // The window as the user sees it: surface with the overlay composited.
  // When `out` holds the last frame this host put together, only what was
  // drawn on since is copied; any other image is filled whole. The returned
  // rectangle bounds what was written (empty when nothing was), so the
  // backend uploads no more than that.
  CRect ComposeForDisplay(Surface32& out) const;

  // --- Other services ------------------------------------------------------
  SettingsStore& Settings() { return *m_settings; }
  const ResourceTable& Resources() const { return m_resources; }
  RandomGenerator& Random() { return m_random; }
  AudioDevice* Audio() { return m_backend->Audio(); }

  // Observers for the headless transcript (status, sounds, message boxes ...).
  std::function<void(const std::string&)> onEvent;
  void Report(const std::string& event) { if (onEvent) onEvent(event); }

 private:
  struct Timer {
    HWND hwnd;
    UINT id;
    DWORD period;      // in eighths of a millisecond
    DWORD due;         // first whole tick at or after the exact due time
    unsigned dueLag8;  // exact due = due - dueLag8 / 8 ms (the period is kept in eighths)
    bool play;         // a view timer: `due` is play time
  };
  // The tick a timer's due time is measured against.
  DWORD TimerNow(const Timer& t) const;
  // Stepped play time: the program is idle, so play time moves on with real
  // time, stopping at the next timer or recorded message due.
  void StepPlayTime();
  std::optional<DWORD> NextPlayDue() const;
  bool HoldsPostedMessage() const;
  bool TimerStands(const Timer& t) const { return t.play && m_play.Held(); }
  bool TakeTimerTick(MSG* msg, bool remove);
  CRect CopyDamage(Surface32& out) const;
  bool InFilter(UINT message, UINT filterMin, UINT filterMax) const;
  void NoteKeyState(const MSG& msg);
  LPARAM KeyMessageParam(UINT message, UINT vk, bool altDown);

  std::unique_ptr<Backend> m_backend;
  std::unique_ptr<SettingsStore> m_settings;
  ResourceTable m_resources;
  RandomGenerator m_random;
  PlayClock m_play;
  std::optional<std::int64_t> m_wallPin;
  DWORD m_wallPinTick = 0;
  InputSource* m_input = nullptr;
  SystemPalette m_palette;
  Surface32 m_surface;
  Surface32 m_overlay;
  bool m_overlayVisible = false;
  // What was drawn since the last frame shown, and which frame that was.
  // Showing only reads the window; these are the display's bookkeeping.
  mutable SurfaceDamage m_damage;
  mutable std::uint64_t m_shownFrame = 0;

  std::map<HWND, WndProc> m_windows;
  HWND m_nextHwnd = 1;
  HWND m_focus = HWND_NONE;
  HWND m_view = HWND_NONE;
  HWND m_frame = HWND_NONE;
  HWND m_capture = HWND_NONE;
  std::vector<HWND> m_modal;
  POINT m_cursorPos{};
  std::array<bool, 256> m_keyDown{};
  std::array<bool, 256> m_keyPosted{};  // as of the key messages posted so far
  int m_cursorId = 0;
  unsigned m_cursorRequests = 0;
  CRect m_viewRect;
  CRect m_menuBarRect;

  std::deque<MSG> m_queue;
  // True (and the flag cleared) when `msg` is the spent key's character.
  bool TakesSpentKey(const MSG& msg);
  UINT m_dropTypedKey = 0;  // a spent key whose character is still to come (0: none)
  std::vector<HWND> m_invalid;
  std::vector<Timer> m_timers;
  bool m_quit = false;
  int m_quitCode = 0;
};
