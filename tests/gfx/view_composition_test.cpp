// The view's composition: frames composed from the playfield and the sprites,
// shown on the window surface through dirty rectangles, checked against a
// slow reference composition.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "app/quintaro_view.h"
#include "gfx/bitmap_builder.h"
#include "gfx/sprite_list.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"

using namespace gfxtest;

namespace {

constexpr int kW = 602;
constexpr int kH = 401;
constexpr std::uint32_t kSentinel = 0x00123456;
const CRect kViewOnSurface(10, 5, 10 + kW, 5 + kH);

// The static colours at 0-9 and 246-255 and distinct colours between, as
// every playfield of the program is painted.
void PaintMasterColours(CDIB& dib) {
  SystemPalette system;
  auto colors = dib.GetColors();
  for (int i = 0; i < 256; ++i) {
    RGBQUAD& c = colors[static_cast<std::size_t>(i)];
    if (i < 10 || i > 245) {
      const PALETTEENTRY& e = system.Entry(i);
      c = RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
    } else {
      c = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>((i * 37) & 0xFF), 0};
    }
  }
}

std::unique_ptr<CDIB> RandomPlayfield(std::mt19937& rng) {
  auto bg = std::make_unique<CDIB>();
  bg->Create(kW, kH);
  PaintMasterColours(*bg);
  std::uniform_int_distribution<int> index(0, 255);
  // Blocks of colour rather than noise, so that misplaced copies show.
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) *bg->PixelPtr(x, y) = static_cast<BYTE>((x / 7 * 31 + y / 5 * 17) & 0xFF);
  *bg->PixelPtr(index(rng) % kW, index(rng) % kH) = static_cast<BYTE>(index(rng));
  return bg;
}

std::unique_ptr<CDIB> RandomCel(std::mt19937& rng, int w, int h) {
  std::uniform_int_distribution<int> index(10, 245);
  auto cel = std::make_unique<CDIB>();
  cel->Create(w, h);
  PaintMasterColours(*cel);
  const BYTE key = static_cast<BYTE>(index(rng));
  const BYTE ink = static_cast<BYTE>(index(rng));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) *cel->PixelPtr(x, y) = ((x + y) % 3 == 0) ? key : static_cast<BYTE>(ink + (x & 1));
  *cel->PixelPtr(0, 0) = key;
  return cel;
}

CPoint RandomPlace(std::mt19937& rng) {
  std::uniform_int_distribution<int> pick(0, 9), x(-30, kW + 5), y(-30, kH + 5);
  if (pick(rng) == 0) return {-100, -100};  // parked off the playfield
  return {x(rng), y(rng)};
}

// The slow, obvious composition: the playfield, then every sprite from the
// rearmost to the frontmost, pixel by pixel, wherever its cel is not the key.
std::vector<BYTE> ReferenceFrame(const CDIB& bg, const CSpriteList& sprites) {
  std::vector<BYTE> frame(static_cast<std::size_t>(kW) * kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) frame[static_cast<std::size_t>(y) * kW + x] = *bg.PixelPtr(x, y);
  for (auto it = sprites.rbegin(); it != sprites.rend(); ++it) {
    const CSprite& s = **it;
    const CDIB* cel = s.GetCel();
    if (!cel) continue;
    for (int cy = 0; cy < cel->GetHeight(); ++cy) {
      for (int cx = 0; cx < cel->GetWidth(); ++cx) {
        const int x = s.GetX() + cx, y = s.GetY() + cy;
        const BYTE v = *cel->PixelPtr(cx, cy);
        if (x >= 0 && y >= 0 && x < kW && y < kH && v != s.GetKey()) frame[static_cast<std::size_t>(y) * kW + x] = v;
      }
    }
  }
  return frame;
}

struct Fixture {
  explicit Fixture(DisplayCaps caps = DisplayCaps::Palette8())
      : host(MakeHeadlessBackend({.caps = caps}), nullptr), view(host) {
    host.SetLayout(kW + 30, kH + 20, kViewOnSurface, CRect());
    trueColor = caps.paletteDevice ? FALSE : TRUE;
    view.AttachScene(&sprites, &trueColor);
    sprites.SetView(&view);
  }
  std::uint32_t Window(int x, int y) { return host.WindowSurface().At(kViewOnSurface.left + x, kViewOnSurface.top + y); }
  void FillWindow(std::uint32_t pixel) {
    SurfaceView v = host.WindowSurface().View();
    for (int y = 0; y < v.height; ++y)
      for (int x = 0; x < v.width; ++x) v.Row(y)[x] = pixel;
  }
  std::uint32_t Shown(BYTE index) { return host.Palette().Lut()[index]; }

  Host host;
  CQuintaroView view;
  CSpriteList sprites;
  BOOL trueColor;
};

// Every shown pixel of the window equals the reference composition.
void ExpectWindowMatchesReference(Fixture& f, const CDIB& bg, const char* when) {
  const std::vector<BYTE> frame = ReferenceFrame(bg, f.sprites);
  int mismatches = 0;
  for (int y = 0; y < kH - 1 && mismatches < 5; ++y) {
    for (int x = 0; x < kW - 1 && mismatches < 5; ++x) {
      const std::uint32_t want = f.Shown(frame[static_cast<std::size_t>(y) * kW + x]);
      if (f.Window(x, y) != want) {
        ADD_FAILURE() << when << ": window (" << x << ", " << y << ") is " << std::hex << f.Window(x, y) << " not "
                      << want;
        ++mismatches;
      }
    }
  }
}

}  // namespace

TEST(ViewComposition, RandomScenesMatchTheReferenceAfterEveryFlush) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    std::mt19937 rng(seed);
    Fixture f;
    auto bg = RandomPlayfield(rng);
    ASSERT_TRUE(f.view.SetBackground(bg.get()));
    std::uniform_int_distribution<int> depth(0, 5), cels(1, 3), side(1, 40);
    std::vector<CSprite*> placed;
    for (int i = 0; i < 20; ++i) {
      const CPoint at = RandomPlace(rng);
      auto s = std::make_unique<CSprite>(at.x, at.y, depth(rng), cels(rng));
      // A sprite's cels share one size: a cel change redraws the old rectangle only.
      const int w = side(rng), h = side(rng);
      for (int c = 0; c < s->GetCelCount(); ++c) s->SetCelImage(c, RandomCel(rng, w, h));
      placed.push_back(s.get());
      f.sprites.Insert(std::move(s));
    }
    f.view.RemapAllSprites();
    ExpectWindowMatchesReference(f, *bg, "full frame");

    std::uniform_int_distribution<int> which(0, 19), what(0, 3), step(-6, 6);
    for (int round = 0; round < 4; ++round) {
      for (int change = 0; change < 8; ++change) {
        CSprite* s = placed[static_cast<std::size_t>(which(rng))];
        switch (what(rng)) {
          case 0: s->SetPosition(s->GetPosX() + step(rng), s->GetPosY() + step(rng)); break;
          case 1: { const CPoint at = RandomPlace(rng); s->SetPosition(at.x, at.y); break; }
          case 2: s->SetCel(which(rng) % s->GetCelCount()); break;
          default: {
            // A depth change is redrawn where the sprite stands, as games do.
            s->SetDepth(depth(rng));
            CRect r;
            s->GetRect(&r);
            f.view.AddDirtyRect(&r);
            break;
          }
        }
      }
      f.view.FlushDirtyRects();
      EXPECT_TRUE(f.view.m_dirtyRects.IsEmpty());
      ExpectWindowMatchesReference(f, *bg, "after flush");
    }
  }
}

TEST(ViewComposition, PaletteDisplayShowsThePlayfieldsOwnColours) {
  std::mt19937 rng(7);
  Fixture f;
  auto bg = RandomPlayfield(rng);
  std::vector<RGBQUAD> original(bg->GetColors().begin(), bg->GetColors().end());
  std::vector<BYTE> before(bg->GetBits(), bg->GetBits() + bg->GetImageSize());
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  ASSERT_NE(f.view.m_pPalette, nullptr);
  ASSERT_NE(f.view.m_pFrameInfo, nullptr);
  EXPECT_EQ(f.view.m_pFrameInfo->header.biClrUsed, 0u);
  EXPECT_EQ(f.view.m_pFrameInfo->indices[200], 200);
  EXPECT_EQ(f.view.m_pOffscreen->GetWidth(), kW);
  for (int y = 0; y < kH - 1; y += 3) {
    for (int x = 0; x < kW - 1; x += 5) {
      const BYTE was = before[static_cast<std::size_t>((kH - 1 - y) * bg->GetStride() + x)];
      const RGBQUAD& c = original[was];
      ASSERT_EQ(f.Window(x, y), ToPixel(c.rgbRed, c.rgbGreen, c.rgbBlue)) << x << "," << y;
    }
  }
}

TEST(ViewComposition, TrueColourDisplayShowsColoursWithoutRemapping) {
  std::mt19937 rng(8);
  Fixture f(DisplayCaps::TrueColor());
  auto bg = RandomPlayfield(rng);
  std::vector<BYTE> before(bg->GetBits(), bg->GetBits() + bg->GetImageSize());
  auto cel = SolidImage(5, 5, 77);
  *cel->PixelPtr(0, 0) = 3;
  cel->GetColors()[77] = RGBQUAD{1, 2, 3, 0};
  f.sprites.Insert(SpriteWith(std::move(cel), 100, 100, 0));
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  f.view.RemapAllSprites();
  EXPECT_EQ(std::vector<BYTE>(bg->GetBits(), bg->GetBits() + bg->GetImageSize()), before);
  const RGBQUAD& c = bg->GetColors()[*bg->PixelPtr(50, 60)];
  EXPECT_EQ(f.Window(50, 60), ToPixel(c.rgbRed, c.rgbGreen, c.rgbBlue));
  // Sprite pixels show through the playfield's colours: the cels share its palette.
  const RGBQUAD& ink = bg->GetColors()[77];
  EXPECT_EQ(f.Window(102, 102), ToPixel(ink.rgbRed, ink.rgbGreen, ink.rgbBlue));
}

TEST(ViewComposition, FullBlitStopsShortOfTheLastColumnAndRow) {
  std::mt19937 rng(9);
  Fixture f;
  auto bg = RandomPlayfield(rng);
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  f.FillWindow(kSentinel);
  f.view.BlitRect(nullptr);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const bool shown = x < kW - 1 && y < kH - 1;
      ASSERT_EQ(f.Window(x, y) != kSentinel, shown) << x << "," << y;
    }
  }
  // Nothing outside the view is touched.
  EXPECT_EQ(f.host.WindowSurface().At(kViewOnSurface.left - 1, kViewOnSurface.top), kSentinel);
  EXPECT_EQ(f.host.WindowSurface().At(kViewOnSurface.left, kViewOnSurface.top - 1), kSentinel);
}

TEST(ViewComposition, FlushShowsOnlyTheDirtyRectangles) {
  std::mt19937 rng(10);
  Fixture f;
  auto bg = RandomPlayfield(rng);
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  auto cel = CelWithBlock(25, 25, 20, 30, 2, 2, 23, 23);
  PaintMasterColours(*cel);
  auto owned = SpriteWith(std::move(cel), 200, 150, 1);
  CSprite* s = owned.get();
  f.sprites.Insert(std::move(owned));
  f.view.RemapAllSprites();
  f.FillWindow(kSentinel);
  s->SetPosition(202, 150);
  ASSERT_EQ(f.view.m_dirtyRects.GetCount(), 1u);
  EXPECT_EQ(f.view.m_dirtyRects.Rects().front(), CRect(200, 150, 227, 175));
  f.view.FlushDirtyRects();
  const std::vector<BYTE> frame = ReferenceFrame(*bg, f.sprites);
  for (int y = 140; y < 185; ++y) {
    for (int x = 190; x < 240; ++x) {
      const bool dirty = x >= 200 && x < 227 && y >= 150 && y < 175;
      if (dirty) {
        ASSERT_EQ(f.Window(x, y), f.Shown(frame[static_cast<std::size_t>(y) * kW + x])) << x << "," << y;
      } else {
        ASSERT_EQ(f.Window(x, y), kSentinel) << x << "," << y;
      }
    }
  }
}

TEST(ViewComposition, SpritesAreClippedAtThePlayfieldsEdges) {
  std::mt19937 rng(11);
  Fixture f;
  auto bg = RandomPlayfield(rng);
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  for (CPoint at : {CPoint(-10, -10), CPoint(kW - 10, kH - 10), CPoint(-100, -100), CPoint(kW + 50, 3)}) {
    auto cel = CelWithBlock(30, 30, 20, 30, 1, 1, 30, 30);
    PaintMasterColours(*cel);
    f.sprites.Insert(SpriteWith(std::move(cel), at.x, at.y, 0));
  }
  f.view.RemapAllSprites();
  ExpectWindowMatchesReference(f, *bg, "clipped sprites");
  const BYTE ink = *f.sprites.begin()->get()->GetCel()->PixelPtr(5, 5);
  EXPECT_EQ(f.Window(0, 0), f.Shown(ink));
  EXPECT_EQ(*f.view.m_pOffscreen->PixelPtr(kW - 1, kH - 1), ink);
}

TEST(ViewComposition, PaintingShowsTheLastComposedFrameWithoutRecomposing) {
  std::mt19937 rng(12);
  Fixture f;
  auto bg = RandomPlayfield(rng);
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  const std::uint32_t shownBefore = f.Window(40, 40);
  *bg->PixelPtr(40, 40) = static_cast<BYTE>(*bg->PixelPtr(40, 40) ^ 0x55);
  f.FillWindow(kSentinel);  // the window was covered
  f.view.BlitRect(nullptr);
  EXPECT_EQ(f.Window(40, 40), shownBefore);
}

TEST(ViewComposition, WithoutAFrameBufferNothingIsDrawnAndNothingBreaks) {
  Fixture f;
  f.FillWindow(kSentinel);
  const CRect r(0, 0, 50, 50);
  f.view.RenderRect(&r);
  f.view.BlitRect(nullptr);
  f.view.AddDirtyRect(&r);
  f.view.FlushDirtyRects();
  f.view.RemapAllSprites();
  EXPECT_FALSE(f.view.SetBackground(nullptr));
  EXPECT_EQ(f.view.m_pOffscreen, nullptr);
  f.view.BlitRect(nullptr);
  EXPECT_EQ(f.Window(10, 10), kSentinel);
  // A real background afterwards works as usual.
  std::mt19937 rng(13);
  auto bg = RandomPlayfield(rng);
  EXPECT_TRUE(f.view.SetBackground(bg.get()));
  EXPECT_NE(f.Window(10, 10), kSentinel);
}

TEST(ViewComposition, ForeignPaletteIsReplacedBeforeTheNextBlit) {
  std::mt19937 rng(14);
  Fixture f;
  auto bg = RandomPlayfield(rng);
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  const std::uint32_t shown = f.Window(100, 100);
  // Another window (the splash) realises a palette of its own.
  std::vector<PALETTEENTRY> other(236, PALETTEENTRY{1, 2, 3, PC_NOCOLLAPSE});
  f.host.Palette().RealizeForeground(other);
  f.view.BlitRect(nullptr);
  EXPECT_EQ(f.Window(100, 100), shown);
}

TEST(ViewComposition, DebugSwitchOutlinesFlushedRectangles) {
  setenv("QUINTARO_DEBUG_DIRTY", "1", 1);
  Fixture f;
  unsetenv("QUINTARO_DEBUG_DIRTY");
  std::mt19937 rng(15);
  auto bg = RandomPlayfield(rng);
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  const CRect r(20, 30, 40, 50);
  f.view.AddDirtyRect(&r);
  f.view.FlushDirtyRects();
  EXPECT_EQ(f.Window(20, 30), 0x00FF00FFu);
  EXPECT_EQ(f.Window(39, 49), 0x00FF00FFu);
  EXPECT_NE(f.Window(30, 40), 0x00FF00FFu);
}
