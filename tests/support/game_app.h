// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program on the headless backend with a game on the table:
// seats set up directly, input posted as a user would give it, message boxes
// and dialogs answered by the test, and virtual time that moves only when the
// program waits.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_frame.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "res/game_screens.h"
#include "platform/audio_device.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "ui/modal_script.h"

namespace quintaro::test {

struct Seats {
  int count = 1;
  std::array<bool, 4> computer{};
};

class GameApp : public ModalScript {
 public:
  // `store` is the settings store (in memory when null); `backend` one of
  // the test's own (a plain headless one when null).
  explicit GameApp(std::int64_t epochSeconds = 1000, bool audio = true,
                   std::unique_ptr<SettingsStore> store = nullptr, std::unique_ptr<HeadlessBackend> backend = nullptr,
                   NetTransportFactory net = {}) {
    HeadlessOptions options;
    options.epochSeconds = epochSeconds;
    options.audio = audio;
    if (!backend) backend = MakeHeadlessBackend(options);
    m_backend = backend.get();
    if (!store) store = std::make_unique<SettingsStore>();
    auto host = std::make_unique<Host>(std::move(backend), std::move(store));
    AppOptions appOptions;
    appOptions.showSplash = false;
    appOptions.netTransport = std::move(net);  // none: the program cannot play online
    m_app = std::make_unique<CQuintaroApp>(std::move(host), appOptions);
    m_app->InitInstance();
    m_app->Frame().SetModalScript(this);
    GetHost().onEvent = [this](const std::string& e) { events.push_back(e); };
    if (AudioDevice* audio = GetHost().Audio())
      audio->SetPlayObserver([this](const PlayRecord& r) { events.push_back(DescribePlay(r)); });
  }
  ~GameApp() override {
    if (m_app) m_app->Frame().SetModalScript(nullptr);
  }

  Host& GetHost() { return m_app->GetHost(); }
  CQuintaroApp& App() { return *m_app; }
  CQuintaroDoc& Doc() { return m_app->Doc(); }
  CQuintaroView& View() { return m_app->View(); }
  // The current game as the type a test expects, or null.
  template <typename TGame>
  TGame* GameAs() { return dynamic_cast<TGame*>(Doc().m_pGame.get()); }
  CPlayer& Player(int i) { return *Doc().m_players[static_cast<std::size_t>(i)]; }
  HeadlessBackend& Backend() { return *m_backend; }

  // Seats, then a new game of that screen and variant.
  void StartGame(int screen, int variant, const Seats& seats) {
    CQuintaroDoc& doc = Doc();
    doc.m_nLastPlayer = seats.count - 1;
    for (int i = 0; i < 4; ++i) {
      Player(i).m_bActive = i < seats.count;
      Player(i).m_bComputer = seats.computer[static_cast<std::size_t>(i)];
    }
    doc.m_nGameType = screen;
    doc.SetVariant(screen, variant);
    doc.OnNewDocument();
    Pump();
  }

  // Mouse input in playfield coordinates, delivered as the program takes it.
  void Down(int x, int y) { Post(WM_LBUTTONDOWN, x, y, MK_LBUTTON); }
  void Up(int x, int y) { Post(WM_LBUTTONUP, x, y, 0); }
  void Move(int x, int y) { Post(WM_MOUSEMOVE, x, y, m_buttons); }
  void Click(int x, int y) {
    Down(x, y);
    Up(x, y);
  }
  void Key(UINT vk) {
    GetHost().PostKey(WM_KEYDOWN, vk);
    GetHost().PostKey(WM_KEYUP, vk);
    if (autoPump) Pump();
  }
  // Lets `ms` of virtual time pass with the program idle.
  void Wait(DWORD ms) {
    GetHost().Sleep(ms);
    Pump();
  }
  // A stroke: press in the throw zone, hold for `ms`, release at the target.
  void Stroke(CPoint press, CPoint release, DWORD ms) {
    Down(press.x, press.y);
    Wait(ms);
    Up(release.x, release.y);
  }
  DWORD Now() { return GetHost().GetTickCount(); }

  // Options > Number of Players with the first seat's computer box cleared:
  // no new game starts, the seat is simply the user's now.
  void HandFirstSeatToTheUser() {
    dialogDriver = [](int, DialogController& dlg) -> std::optional<int> {
      dlg.Check(IDC_COMPUTER1, 0);
      return IDOK;
    };
    Doc().OnCommand(ID_OPTIONS_NUMBEROFPLAYERS);
    Pump();
  }

  // Pixels of a colour inside a box of the playfield, as the window shows it.
  int CountColour(const CRect& box, std::uint32_t rgb) {
    const CRect& view = GetHost().ViewRect();
    int n = 0;
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = box.left; x < box.right; ++x)
        n += (GetHost().WindowSurface().At(x + view.left, y + view.top) & 0xFFFFFF) == rgb ? 1 : 0;
    return n;
  }

  // Dispatches queued messages until the queue is empty or `stop` says so;
  // returns the number dispatched.
  int Pump(const std::function<bool()>& stop = {}, int limit = 1 << 30) {
    int n = 0;
    MSG msg;
    while (n < limit && GetHost().PeekMessage(&msg, true)) {
      if (msg.message == WM_QUIT) break;
      m_app->DispatchOne(msg);
      Doc().ReapRetiredGames();
      ++n;
      if (stop && stop()) break;
    }
    return n;
  }

  // ModalScript
  std::optional<int> AnswerMessageBox(const std::string&, const std::string& text, UINT) override {
    boxes.push_back(text);
    if (!answers.empty()) {
      const int a = answers.front();
      answers.pop_front();
      return a;
    }
    return std::nullopt;
  }
  // With a box driver, the test drives the open box (it may let time pass)
  // and answers it; otherwise `answers` does.
  std::optional<int> RunMessageBox(const std::string& caption, const std::string& text, UINT type,
                                   DialogController& box) override {
    if (!boxDriver) return AnswerMessageBox(caption, text, type);
    boxes.push_back(text);
    return boxDriver(text, box);
  }
  std::optional<int> RunDialog(int dialogId, DialogController& dialog) override {
    dialogs.push_back(dialogId);
    if (!dialogDriver) return IDCANCEL;
    return dialogDriver(dialogId, dialog);
  }

  std::vector<std::string> boxes;
  std::deque<int> answers;
  std::vector<int> dialogs;
  std::function<std::optional<int>(int, DialogController&)> dialogDriver;
  std::function<std::optional<int>(const std::string&, DialogController&)> boxDriver;
  std::vector<std::string> events;
  // Input is taken at once; off, it waits in the queue until Pump().
  bool autoPump = true;

  int CountEvents(const std::string& prefix) const {
    int n = 0;
    for (const std::string& e : events) n += e.rfind(prefix, 0) == 0;
    return n;
  }

 private:
  void Post(UINT message, int x, int y, UINT flags) {
    if (message == WM_LBUTTONDOWN) m_buttons |= MK_LBUTTON;
    if (message == WM_LBUTTONUP) m_buttons &= ~MK_LBUTTON;
    const CRect& view = GetHost().ViewRect();
    GetHost().PostMouse(message, x + view.left, y + view.top, flags);
    if (autoPump) Pump();
  }

  HeadlessBackend* m_backend = nullptr;
  std::unique_ptr<CQuintaroApp> m_app;
  UINT m_buttons = 0;
};

}  // namespace quintaro::test
