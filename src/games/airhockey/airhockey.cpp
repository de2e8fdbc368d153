// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/airhockey/airhockey.h"

#include <algorithm>
#include <sstream>

#include "gfx/sprite_list.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "sound/dx_sound.h"

using namespace airhockey;

namespace {
constexpr int kScoreDepth = 3;
constexpr int kPuckDepth = 2;
constexpr int kMalletDepth = 1;  // the mallets stand taller than the puck
constexpr const char* kSection = "AirHockey";
constexpr const char* kSpeedKey = "Speed";
}  // namespace

CAirHockey::CAirHockey(const GameContext& context) : CGame(context) {
  m_nSubSteps = ReadSpeedSetting();
  // The scene is built (and the first serve sounded) before the document
  // hands over its sound switch: take it now, so sound off stays silent.
  m_bSound = Services().SoundOn();
  LoadSounds();
  GetHost().Random().Seed(static_cast<std::uint32_t>(GetHost().Time()));  // a new game, new chances
}

CAirHockey::~CAirHockey() = default;

int CAirHockey::ReadSpeedSetting() {
  const int stored = GetHost().Settings().GetProfileInt(kSection, kSpeedKey, kDefaultSubSteps);
  return std::clamp(stored, kMinSubSteps, kMaxSubSteps);
}

void CAirHockey::LoadSounds() {
  m_pSound.reset();
  m_pSound = std::make_unique<CDXSound>(kSoundTable.data(), static_cast<int>(kSoundTable.size()), GetHost(),
                                        SoundFamily::AirHockey);
  m_pSound->EnableSound(m_bSound);
}

CSprite* CAirHockey::MakeSprite(CSpriteList* pSprites, UINT nBitmap, CPoint at, int nDepth, int nHot) {
  auto sprite = std::make_unique<CSprite>(at.x - nHot, at.y - nHot, nDepth, nHot, nHot, 1);
  sprite->Load(nBitmap);
  CSprite* raw = sprite.get();
  pSprites->Insert(std::move(sprite));
  return raw;
}

CSprite* CAirHockey::MakeScoreSprite(CSpriteList* pSprites, CPoint at) {
  auto sprite = std::make_unique<CSprite>(at.x, at.y, kScoreDepth, 0, 0, kDigitCels);
  for (int cel = 0; cel < kDigitCels; ++cel) sprite->LoadCel(kFirstDigitBitmap + static_cast<UINT>(cel), cel);
  sprite->SetCel(0);
  CSprite* raw = sprite.get();
  pSprites->Insert(std::move(sprite));
  return raw;
}

BOOL CAirHockey::InitGame(CSpriteList* pSprites) {
  if (!pSprites) return FALSE;
  m_pScoreSprite[0] = MakeScoreSprite(pSprites, kHumanScoreAt);
  m_pScoreSprite[1] = MakeScoreSprite(pSprites, kComputerScoreAt);
  m_pHumanSprite = MakeSprite(pSprites, kMalletBitmap, kHumanHome, kMalletDepth, kMalletRadius);
  m_pComputerSprite = MakeSprite(pSprites, kMalletBitmap, kComputerHome, kMalletDepth, kMalletRadius);
  m_pPuckSprite = MakeSprite(pSprites, kPuckBitmap, {kServeX, kServeHumanY}, kPuckDepth, kPuckRadius);
  ServePuck(ServeSide::ToHuman);
  // The game before may have left its prompt ("Pick a dart please.") up.
  SetStatusText(0, std::string(LoadStringRes(AFX_IDS_IDLEMESSAGE)));
  return TRUE;
}

void CAirHockey::StartGame() {
  CObArray& players = Players();
  for (std::size_t i = 0; i < 2; ++i)
    if (players[i]) players[i]->m_nScore = 0;
  SetGameInProgress(TRUE);
  UpdateScoreboard(&players, TRUE, CurrentSeat());
}

void CAirHockey::StopGame() {
  StopTimer(m_nTimerId);
  m_bPlaying = FALSE;
  SetGameInProgress(FALSE);
}

int CAirHockey::ScoreShot(CPlayer* pPlayer) {
  if (!pPlayer) return 0;
  ++pPlayer->m_nScore;
  return 1;
}

int CAirHockey::CheckWinner(CPlayer* pPlayer) { return pPlayer && pPlayer->m_nScore == kWinningScore ? 1 : 0; }

int CAirHockey::NextPlayer(CSpriteList* /*pSprites*/, int nCurrent, CObArray* /*pPlayers*/, int /*nLastPlayer*/,
                           BOOL /*bMapPalette*/) {
  ServePuck(nCurrent == 0 ? ServeSide::ToHuman : ServeSide::ToComputer);
  return 0;
}

void CAirHockey::ServePuck(ServeSide side) {
  airhockey::ServePuck(m_rink, side);
  ++m_nServes;
  // The far player's mallet heads back to where its hand still is.
  if (m_role == Role::Runs && m_farAim) {
    m_rink.computer.target = *m_farAim;
    m_rink.computer.speed = kMaxSpeed;
  }
  PlaceBodies();
  Sound(kServeSound);
}

std::string CAirHockey::SideName(int nSide) const {
  // The boxes name the sides as the board does, whoever sits in the seats;
  // between two machines each side is a person, named as in the seats.
  if (m_role != Role::Alone)
    for (const auto& player : Players())
      if (player && player->m_nId == nSide && !player->m_strName.empty()) return player->m_strName;
  return nSide != 0 ? kComputerSideName : kHumanSideName;
}

void CAirHockey::ShowScores() {
  CObArray& players = Players();
  for (std::size_t i = 0; i < 2; ++i) {
    const CPlayer* player = players[i].get();
    if (!player || player->m_nId < 0 || player->m_nId > 1) continue;
    CSprite* digits = m_pScoreSprite[static_cast<std::size_t>(player->m_nId)];
    if (digits && Sprites().Contains(digits)) digits->SetCel(std::clamp(player->m_nScore, 0, kDigitCels - 1));
  }
  FlushDirty();
}

void CAirHockey::UpdateScoreboard(CObArray* pPlayers, BOOL /*bNewGame*/, int /*nCurrent*/) {
  if (!pPlayers) return;
  ShowScores();
  DrawBoardNames();
  for (std::size_t i = 0; i < 2; ++i) {
    CPlayer* player = (*pPlayers)[i].get();
    if (!player || player->m_nId < 0 || player->m_nId > 1) continue;
    if (m_bAnnouncingWinner || m_bMatchOver || CheckWinner(player) != 1) continue;
    m_bAnnouncingWinner = true;
    EndMatch(*player);
    m_bAnnouncingWinner = false;
    return;
  }
}

void CAirHockey::EndMatch(const CPlayer& winner) {
  m_bMatchOver = true;
  SetGameInProgress(FALSE);
  MarkGameEnded();
  RecordStatistics(SeatIndexOf(&winner));
  const std::string result = SideName(winner.m_nId) + " Wins!";
  MessageBox(result);
  if (IsCurrentGame()) SetStatusText(0, result);
}

void CAirHockey::StartNextMatch() {
  m_bMatchOver = false;
  if (m_role == Role::Alone) UnnameBoard();  // the room's final board gives way to PLAYER and COMPUTER
  SetStatusText(0, std::string(LoadStringRes(AFX_IDS_IDLEMESSAGE)));
  StartGame();
}

void CAirHockey::PlaceBodies() {
  const std::array<std::pair<CSprite*, CPoint>, 3> bodies = {{
      {m_pHumanSprite, m_rink.human.pos}, {m_pComputerSprite, m_rink.computer.pos}, {m_pPuckSprite, m_rink.puck.pos}}};
  for (const auto& [sprite, pos] : bodies)
    if (sprite && (sprite->GetPosX() != pos.x || sprite->GetPosY() != pos.y)) sprite->SetPosition(pos.x, pos.y);
}

void CAirHockey::AnimateShot(CSpriteList* /*pSprites*/) {
  PlaceBodies();
  FlushDirty();
}

std::string CAirHockey::StateJson() const {
  const Puck& puck = m_rink.puck;
  std::ostringstream out;
  out << "{\"puck\":{\"x\":" << puck.pos.x << ",\"y\":" << puck.pos.y << ",\"aimX\":" << puck.aim.x
      << ",\"aimY\":" << puck.aim.y << ",\"speed\":" << puck.speed << ",\"live\":" << (puck.live ? "true" : "false")
      << "},\"mallets\":[";
  bool first = true;
  for (const Mallet* mallet : {&m_rink.human, &m_rink.computer}) {
    out << (first ? "" : ",") << "{\"x\":" << mallet->pos.x << ",\"y\":" << mallet->pos.y
        << ",\"targetX\":" << mallet->target.x << ",\"targetY\":" << mallet->target.y << '}';
    first = false;
  }
  out << "],\"playing\":" << (m_bPlaying ? "true" : "false") << ",\"matchOver\":" << (m_bMatchOver ? "true" : "false");
  // Only in an online room, so every other dump stays as it was.
  if (m_role != Role::Alone) out << ",\"role\":\"" << (m_role == Role::Runs ? "runs" : "shows") << '"';
  out << '}';
  return out.str();
}

std::unique_ptr<CGame> MakeAirHockeyGame(const GameContext& context, int /*nVariant*/) {
  return std::make_unique<CAirHockey>(context);
}
