// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/bowl.h"

#include <algorithm>
#include <sstream>

#include "games/bowling/bowl_bodies.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"
#include "sound/dx_sound.h"

using namespace bowling;

namespace {
constexpr const char* kSection = "Bowling";
constexpr double kHidden = -100.0;
}  // namespace

CBowl::CBowl(const GameContext& context) : CGame(context) {
  Host& host = GetHost();
  host.Random().Seed(static_cast<std::uint32_t>(host.Time()));
  LayoutSheet(m_frames, m_rcName);
  m_pBodySound = std::make_unique<GameSound>(*this);
  LoadSettings();
  LoadSounds();
}

CBowl::~CBowl() = default;

CBowl::StoredControls CBowl::ReadStoredControls() const {
  // Stored values are track-bar positions; anything else is brought into range.
  const SettingsStore& store = GetHost().Settings();
  StoredControls c;
  c.nSpin = std::clamp(store.GetProfileInt(kSection, "Spin", kDefaultSpin), 0, kSettingMax);
  c.nPinInteraction =
      std::clamp(store.GetProfileInt(kSection, "PinInteraction", kDefaultPinInteraction), 0, kSettingMax);
  return c;
}

void CBowl::LoadSettings() {
  const StoredControls c = ReadStoredControls();
  ApplySettings(c.nSpin, c.nPinInteraction);
}

void CBowl::ApplySettings(int nSpin, int nPinInteraction) {
  nSpin = std::clamp(nSpin, 0, kSettingMax);
  m_nPinInteraction = std::clamp(nPinInteraction, 0, kSettingMax);
  m_nSpinDegrees = kSpinDegrees[static_cast<std::size_t>(nSpin)];
  m_dPinFriction = kPinFriction[static_cast<std::size_t>(m_nPinInteraction)];
}

void CBowl::LoadSounds() {
  m_pSound.reset();
  m_pSound = std::make_unique<CDXSound>(kSoundTable.data(), static_cast<int>(kSoundTable.size()), GetHost(),
                                        SoundFamily::Bowling);
  m_pSound->EnableSound(m_bSound);
}

BOOL CBowl::InitGame(CSpriteList* pSprites) {
  if (!pSprites) return FALSE;
  CreateBall(pSprites);
  CreatePins(pSprites);
  CreateGuide(pSprites);
  ApplyPinFriction();
  // A new game starts from nothing on the sheet.
  for (auto& p : Players())
    if (p) p->m_nScore = 0;
  // A computer in the first seat waits for a click; the user must not bowl its balls meanwhile.
  const CPlayer* first = Players()[0].get();
  Turn().m_bComputerPlaying = first && first->m_bComputer ? TRUE : FALSE;
  // Nor may the last game's click prompt stay up over a user's turn.
  if (!Turn().m_bComputerPlaying) SetStatusText(0, "");
  return TRUE;
}

void CBowl::CreateBall(CSpriteList* pSprites) {
  auto sprite = std::make_unique<CSprite>(kBallHome.x, kBallHome.y, 0, static_cast<int>(kBallCels.size()));
  for (std::size_t i = 0; i < kBallCels.size(); ++i) sprite->LoadCel(kBallCels[i], static_cast<int>(i));
  sprite->SetCel(0);
  sprite->SetHotSpot(kBallHotSpot.x, kBallHotSpot.y);
  m_pBallCSprite = sprite.get();
  m_pBallSprite = std::make_unique<SpriteBody>(sprite.get());
  pSprites->Insert(std::move(sprite));
  Host& host = GetHost();
  m_pBall = std::make_unique<CBowlBall>(m_pBallSprite.get(), m_pBodySound.get(), kBallMass, kBallRadius,
                                        kBallSpeedIndex, kHalfPi, kBallCelDistance, kBallLastCel,
                                        [&host] { return host.Random().Next(); });
}

void CBowl::CreatePins(CSpriteList* pSprites) {
  Host& host = GetHost();
  for (std::size_t i = 0; i < kPinSpots.size(); ++i) {
    const PinSpot& spot = kPinSpots[i];
    auto sprite = std::make_unique<CSprite>(spot.x, spot.y, spot.depth, static_cast<int>(kPinCels.size()));
    for (std::size_t c = 0; c < kPinCels.size(); ++c) sprite->LoadCel(kPinCels[c], static_cast<int>(c));
    sprite->SetCel(0);
    sprite->SetHotSpot(kPinHotSpot.x, kPinHotSpot.y);
    m_pinSprites[i] = std::make_unique<SpriteBody>(sprite.get());
    pSprites->Insert(std::move(sprite));
    m_pins[i] = std::make_unique<CBowlBall>(m_pinSprites[i].get(), m_pBodySound.get(), kPinMass, kPinRadius, 0, 0.0,
                                            kPinCelDistance, kPinLastCel, [&host] { return host.Random().Next(); });
    m_pins[i]->m_nStepsPerFallCel = kStepsPerFallCel;
    m_pins[i]->SetPosition(spot.x, spot.y);
  }
}

const CSprite* CBowl::SceneKey() const { return m_pBallCSprite; }

void CBowl::ApplyPinFriction() {
  for (auto& pin : m_pins)
    if (pin) pin->m_dFriction = m_dPinFriction;
}

void CBowl::ResetPinCels() {
  for (auto& pin : m_pins)
    if (pin) pin->m_pSprite->SetCel(0);
}

void CBowl::RemoveFallenPins() {
  for (auto& pin : m_pins)
    if (pin && pin->m_bHit) pin->SetPosition(kHidden, kHidden);
}

void CBowl::RackPins() {
  for (std::size_t i = 0; i < m_pins.size(); ++i) {
    CBowlBall* pin = m_pins[i].get();
    if (!pin) continue;
    pin->SetPosition(kPinSpots[i].x, kPinSpots[i].y);
    // A pin back on its spot stands still, whatever a cut-off roll left it doing.
    pin->Halt();
    pin->m_bAtRest = TRUE;
    pin->m_bMoving = TRUE;
    pin->m_bHit = FALSE;
  }
  m_nStanding = kFullRack;
}

std::string CBowl::StateJson() const {
  auto flag = [](BOOL b) { return b ? "true" : "false"; };
  std::ostringstream out;
  out << "{\"frame\":" << m_nFrame << ",\"ballInFrame\":" << m_nBallInFrame << ",\"frames\":[";
  for (int p = 0; p < kPlayers; ++p) {
    out << (p ? ",[" : "[");
    for (int f = 0; f < kFrames; ++f) {
      const BowlFrameCell& c = m_frames[static_cast<std::size_t>(p)][static_cast<std::size_t>(f)];
      out << (f ? "," : "") << '[' << c.nBall1 << ',' << c.nBall2 << ',' << c.nTotal << ']';
    }
    out << ']';
  }
  out << "],\"pins\":[";
  for (std::size_t i = 0; i < m_pins.size(); ++i) {
    const CBowlBall* pin = m_pins[i].get();
    if (!pin) continue;
    out << (i ? "," : "") << "{\"x\":" << static_cast<int>(pin->X()) << ",\"y\":" << static_cast<int>(pin->Y())
        << ",\"hit\":" << flag(pin->m_bHit) << ",\"moving\":" << flag(pin->m_bMoving) << '}';
  }
  out << "],\"ball\":{";
  if (m_pBall)
    out << "\"x\":" << static_cast<int>(m_pBall->X()) << ",\"y\":" << static_cast<int>(m_pBall->Y())
        << ",\"moving\":" << flag(m_pBall->m_bMoving) << ",\"inGutter\":" << flag(m_pBall->m_bInGutter);
  out << "},\"rolling\":" << flag(m_bRolling) << ",\"gameOver\":" << flag(m_bGameOver);
  // Beyond the contract's keys: the last ball's line and what was said over the lane.
  static constexpr const char* kBannerNames[] = {"strike", "spare", "split", "foul"};
  out << ",\"banner\":\""
      << (m_nShownBanner >= 0 && m_nShownBanner < 4 ? kBannerNames[m_nShownBanner] : "") << '"';
  out << ",\"throw\":{\"startX\":" << m_throw.dStartX << ",\"heading\":" << m_throw.dHeading
      << ",\"speed\":" << m_throw.dSpeed << ",\"hook\":" << m_throw.hook.dTurn << '}';
  out << ",\"pinInteraction\":" << m_nPinInteraction << ",\"spin\":" << m_nSpinDegrees << '}';
  return out.str();
}
