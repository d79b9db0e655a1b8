// The four drawing operations and cell blending, on small hand-made surfaces.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/blend.h"
#include "graphics/forms.h"
#include "graphics/surface.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

constexpr Pixel kWhite = Rgb(255, 255, 255);

TEST(Drawing, ShadeDarkensByTheAlphaOverBlack) {
  for (auto [alpha, expect] : {std::pair{120, 135}, std::pair{150, 105}, std::pair{0, 255}, std::pair{255, 0}}) {
    Surface dst(4, 4), black(1, 1);
    dst.Fill(kWhite);
    Shade(dst, 0, 0, 4, 4, black, 0, 0, 1, 1, alpha);
    EXPECT_EQ(dst.At(3, 3), Rgb(expect, expect, expect)) << "alpha " << alpha;
  }
}

TEST(Drawing, ShadeStretchesANarrowStripOverTheWholeArea) {
  Surface field(608, 352), strip(630, 352);
  field.Fill(Rgb(200, 100, 50));
  // Only x 608..629 of the strip source is black; the rest is bright and must not be used.
  strip.Fill(kWhite);
  for (int y = 0; y < 352; ++y)
    for (int x = 608; x < 630; ++x) strip.Row(y)[x] = 0;
  Shade(field, 0, 0, 608, 352, strip, 608, 0, 8, 352, 120);
  const Pixel expect = Rgb((200 * 135 + 127) / 255, (100 * 135 + 127) / 255, (50 * 135 + 127) / 255);
  for (int x : {0, 300, 607})
    for (int y : {0, 175, 351}) EXPECT_EQ(field.At(x, y), expect) << x << "," << y;
}

TEST(Drawing, MaskedPairShowsTheSpriteOverTheBackgroundOnlyWhereTheMaskIsBlack) {
  // Sheet: sprite cell at x 0 (a red dot at (1,1) on exact black), mask at x 4.
  Surface sheet(8, 4), dst(4, 4);
  sheet.Fill(0);
  for (int y = 0; y < 4; ++y)
    for (int x = 4; x < 8; ++x) sheet.Row(y)[x] = kWhite;
  sheet.Row(1)[1] = Rgb(255, 0, 0);
  sheet.Row(1)[5] = 0;
  dst.Fill(Rgb(10, 20, 30));
  MaskedPair(dst, 0, 0, 4, 4, sheet, 4, 0, 0, 0);
  EXPECT_EQ(dst.At(1, 1), Rgb(255, 0, 0));
  EXPECT_EQ(dst.At(0, 0), Rgb(10, 20, 30));
  EXPECT_EQ(dst.At(3, 3), Rgb(10, 20, 30));
}

TEST(Drawing, SpriteNotOnExactBlackDisturbsTheBackgroundUnderAWhiteMask) {
  Surface sheet(2, 1), dst(1, 1);
  sheet.Row(0)[0] = Rgb(1, 0, 0);  // "almost black" sprite pixel
  sheet.Row(0)[1] = kWhite;        // mask says: not drawn
  dst.Fill(Rgb(10, 10, 10));
  MaskedPair(dst, 0, 0, 1, 1, sheet, 1, 0, 0, 0);
  EXPECT_EQ(dst.At(0, 0), Rgb(11, 10, 10));  // XOR shows through: why sprites need exact black
}

TEST(Drawing, KeyedCopySkipsExactBlackAndStretches) {
  Surface src(2, 2), dst(4, 4);
  src.Row(0)[0] = Rgb(9, 9, 9);
  src.Row(1)[1] = Rgb(1, 0, 0);
  dst.Fill(Rgb(50, 60, 70));
  KeyedCopy(dst, 0, 0, 4, 4, src, 0, 0, 2, 2);
  EXPECT_EQ(dst.At(0, 0), Rgb(9, 9, 9));
  EXPECT_EQ(dst.At(1, 1), Rgb(9, 9, 9));
  EXPECT_EQ(dst.At(2, 0), Rgb(50, 60, 70));  // black key left out
  EXPECT_EQ(dst.At(3, 3), Rgb(1, 0, 0));     // near-black is not the key
}

TEST(Drawing, CopiesClipAtTheDestinationAndReadBlackOutsideTheSource) {
  Surface src(4, 4), dst(4, 4);
  src.Fill(Rgb(1, 2, 3));
  dst.Fill(kWhite);
  Copy(dst, -2, -2, 4, 4, src, 0, 0);  // only the bottom-right 2x2 of the source lands
  EXPECT_EQ(dst.At(0, 0), Rgb(1, 2, 3));
  EXPECT_EQ(dst.At(2, 2), kWhite);
  Copy(dst, 0, 0, 4, 4, src, 2, 2);  // source runs off its right and bottom edges
  EXPECT_EQ(dst.At(1, 1), Rgb(1, 2, 3));
  EXPECT_EQ(dst.At(3, 3), 0u);
  EXPECT_EQ(dst.At(2, 0), 0u);
}

TEST(Drawing, PresentShowsOnlyWhatWasDrawnSinceTheLastPresent) {
  ScreenState screen, other;
  Surface w(8, 8);
  w.MakeWindow(&screen, 0, 0, true);
  Surface red(8, 8);
  red.Fill(Rgb(255, 0, 0));
  Copy(w, 0, 0, 2, 2, red, 0, 0);
  EXPECT_EQ(w.Shown()[0], 0u);
  const uint64_t before = screen.version;
  w.Present();
  EXPECT_EQ(w.Shown()[0], Rgb(255, 0, 0));
  EXPECT_NE(screen.version, before);
  EXPECT_EQ(other.version, 1u) << "another screen saw nothing";
  const uint64_t after = screen.version;
  w.Present();  // nothing drawn since: nothing to do
  EXPECT_EQ(screen.version, after);
}

// Present copies each drawn rectangle, however many were drawn and wherever they lie, and
// nothing else: a pixel drawn behind Present's back (straight into the image) stays unshown.
TEST(Drawing, PresentCopiesEveryDrawnRectangleAndNothingElse) {
  ScreenState screen;
  Surface w(64, 48);
  w.MakeWindow(&screen, 0, 0, true);
  Surface paint(64, 48);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) paint.Row(y)[x] = Rgb(x * 4, y * 5, 7);
  const int spots[][4] = {{0, 0, 3, 3},  {60, 44, 4, 4}, {1, 1, 4, 2},   {30, 20, 2, 2},
                          {10, 40, 5, 1}, {50, 2, 3, 3},  {20, 10, 1, 1}, {40, 30, 2, 5},
                          {5, 25, 2, 2},  {58, 20, 6, 3}, {33, 44, 2, 4}, {45, 5, 2, 2},
                          {52, 12, 2, 2}, {60, 30, 3, 3}, {40, 40, 3, 3}, {25, 35, 2, 2},
                          {12, 30, 2, 2}, {35, 2, 2, 2},  {48, 24, 2, 2}};  // more than its slots
  for (const auto& r : spots) Copy(w, r[0], r[1], r[2], r[3], paint, r[0], r[1]);
  w.Row(12)[12] = kWhite;  // not through a drawing operation
  w.Present();
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      bool drawn = false;
      for (const auto& r : spots) drawn = drawn || (x >= r[0] && x < r[0] + r[2] && y >= r[1] && y < r[1] + r[3]);
      if (drawn) {
        ASSERT_EQ(w.Shown()[size_t(y) * 64 + size_t(x)], paint.Row(y)[x]) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(w.Shown()[12 * 64 + 12], 0u);
}

// Every drawing operation, whatever its quick paths, gives what its definition pixel by pixel
// gives: random rectangles, many clipped by the destination or running off the source, some
// stretched, over random pixels with plenty of exact black (the key of keyed copies).
TEST(Drawing, EveryOperationMatchesItsPixelByPixelDefinition) {
  uint32_t seed = 20261210;
  auto next = [&](int n) {
    seed = seed * 1664525u + 1013904223u;
    return int((seed >> 8) % uint32_t(n));
  };
  Surface src(50, 35);
  for (Pixel& p : src.Pixels()) p = next(4) == 0 ? 0u : Rgb(next(256), next(256), next(256));
  struct Case {
    const char* name;
    bool stretches;
    void (*draw)(Surface&, int, int, int, int, const Surface&, int, int, int, int);
    Pixel (*pixel)(Pixel d, Pixel s, Pixel mask);  // mask: the pixel 8 rows below the source's
  };
  const Case cases[] = {
      {"Copy", false, [](Surface& d, int dx, int dy, int w, int h, const Surface& s, int sx, int sy, int, int) { Copy(d, dx, dy, w, h, s, sx, sy); },
       [](Pixel, Pixel s, Pixel) { return s; }},
      {"AndCopy", false, [](Surface& d, int dx, int dy, int w, int h, const Surface& s, int sx, int sy, int, int) { AndCopy(d, dx, dy, w, h, s, sx, sy); },
       [](Pixel d, Pixel s, Pixel) { return d & s; }},
      {"XorCopy", false, [](Surface& d, int dx, int dy, int w, int h, const Surface& s, int sx, int sy, int, int) { XorCopy(d, dx, dy, w, h, s, sx, sy); },
       [](Pixel d, Pixel s, Pixel) { return (d ^ s) & 0xFFFFFFu; }},
      {"MaskedPair", false, [](Surface& d, int dx, int dy, int w, int h, const Surface& s, int sx, int sy, int, int) { MaskedPair(d, dx, dy, w, h, s, sx, sy + 8, sx, sy); },
       [](Pixel d, Pixel s, Pixel m) { return ((d & m) ^ s) & 0xFFFFFFu; }},
      {"KeyedCopy", true, [](Surface& d, int dx, int dy, int w, int h, const Surface& s, int sx, int sy, int sw, int sh) { KeyedCopy(d, dx, dy, w, h, s, sx, sy, sw, sh); },
       [](Pixel d, Pixel s, Pixel) { return s == 0 ? d : s; }},
      {"Shade", true, [](Surface& d, int dx, int dy, int w, int h, const Surface& s, int sx, int sy, int sw, int sh) { Shade(d, dx, dy, w, h, s, sx, sy, sw, sh, 120); },
       [](Pixel d, Pixel s, Pixel) {
         auto mix = [](int sc, int dc) { return (sc * 120 + dc * 135 + 127) / 255; };
         return Rgb(mix(RedOf(s), RedOf(d)), mix(GreenOf(s), GreenOf(d)), mix(BlueOf(s), BlueOf(d)));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int round = 0; round < 1500; ++round) {
      Surface dst(40, 30);
      for (Pixel& p : dst.Pixels()) p = Rgb(next(256), next(256), next(256));
      const Surface before = dst;
      const int dx = next(50) - 10, dy = next(40) - 10, w = 1 + next(30), h = 1 + next(25);
      const int sx = next(60) - 8, sy = next(45) - 8;
      const bool stretch = c.stretches && next(2) == 0;
      const int sw = stretch ? 1 + next(30) : w, sh = stretch ? 1 + next(25) : h;
      c.draw(dst, dx, dy, w, h, src, sx, sy, sw, sh);
      for (int y = 0; y < dst.Height(); ++y) {
        for (int x = 0; x < dst.Width(); ++x) {
          Pixel expect = before.At(x, y);
          if (x >= dx && x < dx + w && y >= dy && y < dy + h) {
            const int xx = sx + (x - dx) * sw / w, yy = sy + (y - dy) * sh / h;
            expect = c.pixel(expect, src.At(xx, yy), src.At(xx, yy + 8));
          }
          ASSERT_EQ(dst.At(x, y), expect) << "round " << round << " at " << x << "," << y;
        }
      }
    }
  }
}

// Full-screen surfaces live only while they can be seen: the house screen's are made when it is
// first shown, the splash's are let go once it is over.
TEST(Forms, HouseScreenMadeOnFirstShowAndSplashFreedAfterIt) {
  auto forms = std::make_unique<Forms>();
  CreateForms(*forms);
  HouseWindow& house = forms->houseWindow;
  EXPECT_EQ(house.canvas.Width(), 0);
  EXPECT_EQ(house.cleanSheet.Pixels().size(), 0u);
  EXPECT_EQ(house.messagebox.Width(), 320) << "the small strips are there from the start";

  ShowFormMaximised(*forms, house);
  ASSERT_EQ(house.canvas.Width(), kScreenW);
  ASSERT_EQ(house.canvas.Height(), kScreenH);
  EXPECT_TRUE(house.canvas.IsWindow());
  EXPECT_EQ(house.cleanSheet.Width(), kScreenW);
  house.canvas.Row(5)[5] = kWhite;
  ShowForm(*forms, house);  // shown again: the picture stays
  EXPECT_EQ(house.canvas.Row(5)[5], kWhite);

  SplashWindow& splash = forms->splashWindow;
  splash.firstLogo.Resize(300, 157);
  ShowForm(*forms, splash);
  ReleaseSplashWindow(*forms);
  EXPECT_FALSE(splash.shown);
  EXPECT_EQ(splash.canvas.Pixels().capacity(), 0u);
  EXPECT_EQ(splash.canvas.Shown().capacity(), 0u);
  EXPECT_EQ(splash.firstLogo.Pixels().capacity(), 0u);
  house.canvas.Fill(Rgb(0, 0, 255));
  house.canvas.Present();
  Surface frame(kScreenW, kScreenH);
  ComposeScreen(*forms, frame, nullptr);  // the house screen, on top, composes as before
  EXPECT_EQ(frame.Row(400)[600], Rgb(0, 0, 255));
}

class BlendCellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateForms(g.forms);
    g.stageWindow.overlaySheet.Resize(224, 64);
    g.stageWindow.backdrop.Fill(Rgb(200, 100, 50));
  }
  void Overlay(int oc, int orow, Pixel p) {
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) g.stageWindow.overlaySheet.Row(32 * orow + y)[32 * oc + x] = p;
  }
  Game g;
};

TEST_F(BlendCellTest, AddsTheOverlayWithSaturationToFieldAndCleanBuffer) {
  Overlay(2, 1, Rgb(100, 100, 100));
  g.stageWindow.field.Fill(Rgb(1, 1, 1));  // a tile drawn before: the blend ignores it
  BlendCell(g.stageWindow, 3, 4, Cell(64, 32));
  EXPECT_EQ(g.stageWindow.field.At(96, 128), Rgb(255, 200, 150));
  EXPECT_EQ(g.stageWindow.cleanField.At(127, 159), Rgb(255, 200, 150));
  EXPECT_EQ(g.stageWindow.cleanField.At(95, 128), 0u);  // neighbours untouched
}

TEST_F(BlendCellTest, BlackOverlayShowsTheBareBackdropAndWhiteGivesWhite) {
  Overlay(0, 0, 0);
  Overlay(1, 0, kWhite);
  BlendCell(g.stageWindow, 0, 0, Cell(0, 0));
  EXPECT_EQ(g.stageWindow.field.At(5, 5), Rgb(200, 100, 50));
  BlendCell(g.stageWindow, 0, 0, Cell(32, 0));
  EXPECT_EQ(g.stageWindow.field.At(5, 5), kWhite);
  BlendCell(g.stageWindow, 0, 0, Cell(0, 0));  // a new overlay replaces the old one
  EXPECT_EQ(g.stageWindow.cleanField.At(5, 5), Rgb(200, 100, 50));
}

TEST(Grid, ReadsOutsideAreEmptyAndWritesThereAreDropped) {
  Game g;
  g.Map(19, 12) = 7;
  EXPECT_EQ(g.Map(19, 12), 7);
  g.Map(20, 0) = 5;
  g.Map(-1, 3) = 5;
  EXPECT_EQ(g.Map(20, 0), 0);
  EXPECT_EQ(g.Map(-1, 3), 0);
  EXPECT_EQ(g.Map.AtPixel(-4, 0), g.Map(0, 0));  // -4 div 32 is 0
}

// Each set of windows is a screen of its own: the editor's test play copies the editor's windows,
// and what it presents must never count as a change of the editor's screen, nor the other way.
TEST(Drawing, ACopiedSetOfWindowsIsAScreenOfItsOwn) {
  Forms editor;
  CreateForms(editor);
  Forms testPlay = editor;
  const uint64_t editorBefore = ScreenVersion(editor), playBefore = ScreenVersion(testPlay);
  Surface red(8, 8);
  red.Fill(Rgb(255, 0, 0));
  Copy(testPlay.stageWindow.field, 0, 0, 8, 8, red, 0, 0);
  testPlay.stageWindow.field.Present();
  HideSurface(testPlay.stageWindow.toolMenu);
  ShowSurface(testPlay.stageWindow.toolMenu);
  EXPECT_NE(ScreenVersion(testPlay), playBefore);
  EXPECT_EQ(ScreenVersion(editor), editorBefore);
  Copy(editor.menuWindow.startbox1, 0, 0, 8, 8, red, 0, 0);
  editor.menuWindow.startbox1.Present();
  const uint64_t playAfter = ScreenVersion(testPlay);
  EXPECT_NE(ScreenVersion(editor), editorBefore);
  EXPECT_EQ(ScreenVersion(testPlay), playAfter);
}

}  // namespace
}  // namespace slidestone
