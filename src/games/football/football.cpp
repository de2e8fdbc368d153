// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/football/football.h"

#include <sstream>

#include "gfx/sprite_list.h"
#include "platform/host.h"
#include "sound/dx_sound.h"

using namespace football;

namespace {
constexpr const char* kSection = "Football";

// A sprite of one picture with its hot spot at `at`.
std::unique_ptr<CSprite> MakeSprite(UINT bitmap, CPoint hot, CPoint at) {
  auto sprite = std::make_unique<CSprite>(0, 0, 0, hot.x, hot.y, 1);
  sprite->Load(bitmap);
  sprite->SetPosition(at.x, at.y);
  return sprite;
}

std::unique_ptr<CSprite> MakeDigit(CPoint at, int value) {
  auto digit = std::make_unique<CSprite>(at.x, at.y, 0, kDigits);
  for (int i = 0; i < kDigits; ++i) digit->LoadCel(kFirstDigitBitmap + static_cast<UINT>(i), i);
  digit->SetCel(value);
  return digit;
}
}  // namespace

CFootBall::CFootBall(const GameContext& context, int nVariant) : CGame(context), m_nGameType(ClampVariant(nVariant)) {
  Random(10, TRUE);  // seeds the generator from the clock
  LoadSettings();
  LoadSounds();
}

CFootBall::~CFootBall() = default;

void CFootBall::LoadSettings() {
  const SettingsStore& store = GetHost().Settings();
  ThrowSettings s;
  s.accuracy = store.GetProfileInt(kSection, "Accuracy", 1);
  s.drift = store.GetProfileInt(kSection, "Drift", 4);
  s.velocity = store.GetProfileInt(kSection, "Velocity", 1);
  s = ClampSettings(s);
  m_nVelocity = s.velocity;
  m_nAccuracy = s.accuracy;
  m_nDrift = s.drift;
}

void CFootBall::LoadSounds() {
  m_pSound.reset();
  m_pSound = std::make_unique<CDXSound>(kSoundTable.data(), static_cast<int>(kSoundTable.size()), GetHost(),
                                        SoundFamily::Football);
  m_pSound->EnableSound(m_bSound);
}

BOOL CFootBall::InitGame(CSpriteList* pSprites) {
  // The start whistle follows the Sound setting like every other sound.
  EnableSound(Services().SoundOn());
  PlaySound(kStartSound);
  SetStatusText(0, "Initializing....");
  if (!pSprites) return FALSE;
  auto flying = std::make_unique<CSprite>(0, 0, 0, kCels[0].hot.x, kCels[0].hot.y, kFlightCels);
  for (int i = 0; i < kFlightCels; ++i) flying->LoadCel(kCels[static_cast<std::size_t>(i)].bitmap, i);
  flying->SetCel(0);
  flying->SetPosition(kHiddenXY, kHiddenXY);
  m_pFlyingBall = flying.get();
  pSprites->Insert(std::move(flying));
  for (std::size_t i = 0; i < kRackSlots.size(); ++i) {
    auto ball = MakeSprite(kRackBallBitmap, kRackBallHotSpot, kRackSlots[i]);
    m_rackBalls[i] = ball.get();
    pSprites->Insert(std::move(ball));
  }
  auto marker = MakeSprite(kZoneMarkerBitmap, {0, 0}, {kHiddenXY, kHiddenXY});
  m_pZoneMarker = marker.get();
  pSprites->Insert(std::move(marker));
  auto insertDigit = [pSprites](CPoint at, int value) {
    auto digit = MakeDigit(at, value);
    CSprite* raw = digit.get();
    pSprites->Insert(std::move(digit));
    return raw;
  };
  m_pDownDigit = insertDigit(kDownDigitAt, 1);
  m_pToGoTens = insertDigit(kToGoDigitsAt, 1);
  m_pToGoUnits = insertDigit({kToGoDigitsAt.x + kDigitWidth, kToGoDigitsAt.y}, 0);
  m_pYardsTens = insertDigit(kYardsDigitsAt, 8);
  m_pYardsUnits = insertDigit({kYardsDigitsAt.x + kDigitWidth, kYardsDigitsAt.y}, 0);
  // A computer in the first seat waits for a click; that click must not take a ball from the rack.
  const CPlayer* first = Players()[0].get();
  Turn().m_bComputerPlaying = first && first->m_bComputer ? TRUE : FALSE;
  // The user is told how to pass; a computer first waits for its click.
  if (first && !first->m_bComputer) ShowWhoseTurn();
  return TRUE;
}

const CSprite* CFootBall::SceneKey() const { return m_pFlyingBall; }

CSprite* CFootBall::RackBallAt(int x, int y) const {
  const CSprite* hit = Sprites().HitTest(x, y);
  for (CSprite* ball : m_rackBalls)
    if (ball && ball == hit) return ball;
  return nullptr;
}

Series CFootBall::CurrentSeries() const {
  Series s;
  s.yardsToGoal = m_nYardsToGoal;
  s.down = m_nDown;
  s.toGo = m_nToGo;
  s.touchdown = m_bTouchdown != FALSE;
  return s;
}

bool CFootBall::PossessionOver() const { return football::PossessionOver(CurrentSeries(), m_bIntercepted != FALSE); }

int CFootBall::NextPlayer(CSpriteList* /*pSprites*/, int nCurrent, CObArray* /*pPlayers*/, int nLastPlayer,
                          BOOL /*bMapPalette*/) {
  m_nYardsToGoal = 80;
  m_nDown = 1;
  m_bIntercepted = FALSE;
  m_bTouchdown = FALSE;
  m_nGain = 0;
  m_nToGo = 10;
  const int next = nCurrent + 1;
  return next > nLastPlayer || next >= kSlots || next < 0 ? 0 : next;
}

std::string CFootBall::StateJson() const {
  auto flag = [](BOOL b) { return b ? "true" : "false"; };
  std::ostringstream out;
  out << "{\"variant\":" << m_nGameType << ",\"yardsToGoal\":" << m_nYardsToGoal << ",\"down\":" << m_nDown
      << ",\"toGo\":" << m_nToGo << ",\"gain\":" << m_nGain << ",\"hole\":" << m_nHole
      << ",\"intercepted\":" << flag(m_bIntercepted) << ",\"touchdown\":" << flag(m_bTouchdown) << ",\"zone\":["
      << m_rcThrowZone.left << ',' << m_rcThrowZone.top << ',' << m_rcThrowZone.right << ',' << m_rcThrowZone.bottom
      << "],\"zonePlaced\":" << flag(m_bZonePlaced) << ",\"gameOver\":" << flag(m_bGameOver) << '}';
  return out.str();
}

std::unique_ptr<CGame> MakeFootballGame(const GameContext& context, int nVariant) {
  return std::make_unique<CFootBall>(context, nVariant);
}
