// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/basketball/basketball.h"

#include <iomanip>
#include <sstream>

#include "games/basketball/model/basketball_rules.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"
#include "sound/dx_sound.h"

using namespace basketball;

CBasketBall::CBasketBall(const GameContext& context, int nVariant)
    : CGame(context), m_nVariant(ClampVariant(nVariant)) {
  Host& host = GetHost();
  host.Random().Seed(static_cast<std::uint32_t>(host.Time()));
  for (int i = 0; i < kBalls; ++i) m_balls[static_cast<std::size_t>(i)] = RackedBall(i);
  LoadSettings();
  LoadSounds();
}

CBasketBall::~CBasketBall() = default;

void CBasketBall::LoadSettings() {
  const SettingsStore& store = GetHost().Settings();
  const Settings s = ClampSettings(store.GetProfileInt("Basketball", "GameTime", kDefaultGameTime),
                                   store.GetProfileInt("Basketball", "BackboardPercent", kDefaultBoardPercent));
  m_nGameTime = s.gameTime;
  m_nBoardPercent = s.boardPercent;
  m_nBoardThreshold = BoardThreshold(m_nVariant, m_nGameTime, m_nBoardPercent);
}

void CBasketBall::LoadSounds() {
  m_pSound.reset();
  m_pSound = std::make_unique<CDXSound>(kSoundTable.data(), static_cast<int>(kSoundTable.size()), GetHost(),
                                        SoundFamily::Basketball);
  m_pSound->EnableSound(m_bSound);
}

CSprite* CBasketBall::MakeDigitPair(CSpriteList* pSprites, CPoint at, bool bLarge, CSprite** ppOnes) {
  const auto& bitmaps = bLarge ? kLargeDigitBitmaps : kSmallDigitBitmaps;
  const int width = bLarge ? kLargeDigitWidth : kSmallDigitWidth;
  auto make = [&](int x) {
    auto digit = std::make_unique<CSprite>(0, 0, 0, 10);
    for (int d = 0; d < 10; ++d) digit->LoadCel(bitmaps[static_cast<std::size_t>(d)], d);
    digit->SetCel(0);
    CSprite* raw = digit.get();
    pSprites->Insert(std::move(digit));
    raw->SetPosition(x, at.y);
    return raw;
  };
  CSprite* tens = make(at.x);
  *ppOnes = make(at.x + width);
  return tens;
}

BOOL CBasketBall::InitGame(CSpriteList* pSprites) {
  SetStatusText(0, "Initializing....");
  if (!pSprites) return FALSE;
  auto board = std::make_unique<CSprite>(0, 0, kBoardSpriteDepth, 0, 0, kBoardCels);
  for (int c = 0; c < kBoardCels; ++c) board->LoadCel(kBoardBitmaps[static_cast<std::size_t>(c)], c);
  m_pBackboard = board.get();
  pSprites->Insert(std::move(board));
  m_pBackboard->SetCel(0);
  m_pBackboard->SetPosition(kBoardHome.x, kBoardHome.y);
  // The ring's front goes with the board, over the balls behind it.
  auto rim = std::make_unique<CSprite>(0, 0, kRimFrontSpriteDepth, 0, 0, 1);
  rim->Load(kRimFrontBitmap);
  m_pRimFront = rim.get();
  pSprites->Insert(std::move(rim));
  m_pRimFront->SetPosition(kBoardHome.x, kBoardHome.y);

  for (int i = 0; i < kBalls; ++i) {
    auto ball = std::make_unique<CSprite>(0, 0, kBallSpriteDepth, kBallCels);
    for (int c = 0; c < kBallCels; ++c) ball->LoadCel(kBallBitmaps[static_cast<std::size_t>(c)], c);
    ball->SetCel(0);
    // The hot spot is the ball's centre.
    const CDIB* cel = ball->GetCel();
    ball->SetHotSpot(cel ? cel->GetWidth() / 2 : kBallCelWidth / 2, cel ? cel->GetHeight() / 2 : kBallCelHeight / 2);
    CSprite* raw = ball.get();
    m_pBallSprites[static_cast<std::size_t>(i)] = raw;
    pSprites->Insert(std::move(ball));
    const ShotBall& b = m_balls[static_cast<std::size_t>(i)];
    raw->SetPosition(b.nRestX, b.nRestY);
  }

  m_pPointsTens = MakeDigitPair(pSprites, kPointsDigits, true, &m_pPointsOnes);
  m_pTimeTens = MakeDigitPair(pSprites, kClockDigits, true, &m_pTimeOnes);
  for (int p = 0; p < kSeats; ++p) {
    auto& pair = m_pPlayerDigits[static_cast<std::size_t>(p)];
    pair[0] = MakeDigitPair(pSprites, kPlayerDigits[static_cast<std::size_t>(p)], false, &pair[1]);
  }
  ShowTurnPrompt(false);
  return TRUE;
}

int CBasketBall::NextPlayer(CSpriteList*, int nCurrent, CObArray*, int, BOOL) { return nCurrent; }

void CBasketBall::StopGame() {
  StopTimer(m_nClockTimer);
  StopTimer(m_nAnimTimer);
}

const CSprite* CBasketBall::SceneKey() const { return m_pBackboard; }

std::string CBasketBall::StateJson() const {
  std::ostringstream out;
  out << std::fixed << std::setprecision(2);
  out << "{\"variant\":" << m_nVariant << ",\"time\":" << m_nTime << ",\"points\":" << m_nPoints
      << ",\"turnRunning\":" << (m_bTurnRunning ? "true" : "false")
      << ",\"holding\":" << (m_bHolding ? "true" : "false")
      << ",\"boardX\":" << (m_pBackboard ? m_pBackboard->GetX() : kBoardHome.x)
      << ",\"gameOver\":" << (m_bGameOver ? "true" : "false") << ",\"seatPoints\":[";
  for (int i = 0; i < kSeats; ++i) out << (i ? "," : "") << m_seatPoints[static_cast<std::size_t>(i)];
  out << "],\"balls\":[";
  for (int i = 0; i < kBalls; ++i) {
    const ShotBall& b = m_balls[static_cast<std::size_t>(i)];
    out << (i ? "," : "") << "{\"state\":" << b.nState << ",\"x\":" << b.x << ",\"y\":" << b.y << ",\"depth\":" << b.z
        << "}";
  }
  out << "]}";
  return out.str();
}

std::unique_ptr<CGame> MakeBasketballGame(const GameContext& context, int nVariant) {
  return std::make_unique<CBasketBall>(context, nVariant);
}
