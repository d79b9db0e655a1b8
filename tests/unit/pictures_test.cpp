// The generated pictures: sizes the game relies on, pure-black backgrounds under words and
// sprites (keyed copies and XOR drawing need them), and sprite/mask pairs that agree pixel for
// pixel (mask black exactly where the sprite is drawn).
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "graphics/sheet_frames.h"

namespace {

struct Px {
  int r, g, b;
  bool Black() const { return r == 0 && g == 0 && b == 0; }
  bool White() const { return r == 255 && g == 255 && b == 255; }
};

class Picture {
 public:
  explicit Picture(const std::string& name) {
    const std::string path = std::string(SLIDESTONE_DATA_DIR) + "/pictures/" + name + ".png";
    SDL_Surface* raw = IMG_Load(path.c_str());
    if (!raw) return;
    surf_.reset(SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0));
    SDL_FreeSurface(raw);
  }
  bool Loaded() const { return surf_ != nullptr; }
  int W() const { return surf_->w; }
  int H() const { return surf_->h; }
  Px At(int x, int y) const {
    const auto* p = static_cast<const uint8_t*>(surf_->pixels) + y * surf_->pitch + x * 4;
    return {p[0], p[1], p[2]};
  }

 private:
  std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surf_{nullptr, &SDL_FreeSurface};
};

const Picture& Get(const std::string& name) {
  static std::map<std::string, std::unique_ptr<Picture>> cache;
  auto& p = cache[name];
  if (!p) p = std::make_unique<Picture>(name);
  return *p;
}

struct Rect {
  const char* sheet;
  int x, y, w, h;
};

TEST(Pictures, EverySheetHasTheSizeTheGameExpects) {
  const struct {
    const char* name;
    int w, h;
  } sizes[] = {
#define SHEET(name, width, height, surface, drawing) {#name, width, height},
#define PICTURE(name, width, height, drawing) {#name, width, height},
#include "graphics/picture_list.h"
#undef SHEET
#undef PICTURE
  };
  for (const auto& s : sizes) {
    const Picture& p = Get(s.name);
    ASSERT_TRUE(p.Loaded()) << s.name << ": " << IMG_GetError();
    EXPECT_EQ(p.W(), s.w) << s.name;
    EXPECT_EQ(p.H(), s.h) << s.name;
  }
  EXPECT_TRUE(Get("contact").Loaded());
}

// A run of masked cells: `count` sprites from (sx, sy) with masks at (mx, my), stepping by step.
struct MaskedRun {
  const char* sheet;
  int sx, sy, mx, my, w, h, count, stepX, stepY;
  bool drawn;  // every cell of the run holds a picture
};

// A masked run as the game's sheet table has it.
MaskedRun SheetRunOf(const char* sheet, const slidestone::SheetRun& r) {
  return {sheet, r.x, r.y, r.maskX, r.maskY, r.w, r.h, r.count, r.stepX, r.stepY, true};
}

TEST(Pictures, MasksAreBlackExactlyWhereTheirSpritesAreDrawn) {
  namespace cells = slidestone::field_sheet;
  std::vector<MaskedRun> runs = {
      SheetRunOf("char3", cells::kStone),
      SheetRunOf("char3", cells::kGoalFlag),
      SheetRunOf("char3", cells::kBucket),
      SheetRunOf("char3", cells::kBall),
      SheetRunOf("char3", cells::kWalkerRight),
      SheetRunOf("char3", cells::kWalkerLeft),
      SheetRunOf("char3", cells::kWatcher),
      SheetRunOf("char3", cells::kWatcher.Row(1)),
      {"char3", 160, 320, 160, 352, 32, 32, 3, 32, 0, false},  // (unused watcher cells)
      {"char3", 160, 384, 160, 416, 32, 32, 3, 32, 0, false},
      SheetRunOf("char3", cells::kThrower),
      SheetRunOf("char3", cells::kThrower.Row(1)),
      SheetRunOf("char4", slidestone::overlay_sheet::kSparkles),
      SheetRunOf("jumpd", slidestone::kSpring),
      SheetRunOf("commandbox", slidestone::CursorFrame(32)),
      SheetRunOf("commandboxx", slidestone::CursorFrame(24)),
      SheetRunOf("time", slidestone::time_sheet::kMinus),
      SheetRunOf("time", slidestone::time_sheet::kSmallDigits),
      SheetRunOf("time", slidestone::time_sheet::kSlash),
      SheetRunOf("time", slidestone::time_sheet::kRedZero),
      SheetRunOf("clear2", slidestone::house_sheet::kTopStone),
      {"mainchar", 0, 288, 128, 288, 32, 32, 4, 32, 0, false}, // the empty pose row
  };
  for (int pose = 0; pose < slidestone::kPlayerPoseCount; ++pose) {
    runs.push_back(SheetRunOf("mainchar", slidestone::kPlayerPoses.Row(pose)));
  }

  for (const MaskedRun& r : runs) {
    const Picture& p = Get(r.sheet);
    ASSERT_TRUE(p.Loaded()) << r.sheet;
    for (int n = 0; n < r.count; ++n) {
      const int sx = r.sx + n * r.stepX, sy = r.sy + n * r.stepY, mx = r.mx + n * r.stepX, my = r.my + n * r.stepY;
      int drawn = 0, faults = 0;
      for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) {
          const Px s = p.At(sx + x, sy + y), m = p.At(mx + x, my + y);
          const bool ok = (m.Black() && !s.Black()) || (m.White() && s.Black());
          if (!ok && faults++ == 0)
            ADD_FAILURE() << r.sheet << " sprite (" << sx << "," << sy << ") pixel (" << x << "," << y << "): sprite "
                          << s.r << "," << s.g << "," << s.b << " mask " << m.r << "," << m.g << "," << m.b;
          drawn += m.Black();
        }
      if (r.drawn) EXPECT_GE(drawn, std::max(3, r.w * r.h / 40)) << r.sheet << " sprite (" << sx << "," << sy << ") is empty";
      else EXPECT_EQ(drawn, 0) << r.sheet << " cell (" << sx << "," << sy << ") should stay empty";
    }
  }
}

// Every cell of a run, as rectangles of the sheet.
void AddCells(std::vector<Rect>& to, const char* sheet, const slidestone::SheetRun& r) {
  for (int n = 0; n < r.count; ++n) to.push_back({sheet, r.X(n), r.Y(n), r.w, r.h});
}

// Every word cell keeps a pure black border (the word never touches or spills over its cell),
// and black places the game copies as black stay black throughout.
TEST(Pictures, WordsSitOnPureBlackAndBlackAreasStayBlack) {
  namespace ts = slidestone::time_sheet;
  std::vector<Rect> bordered;
  AddCells(bordered, "char3", slidestone::field_sheet::kSpeedWords);
  for (const slidestone::SheetRun& r : {ts::kLabels, ts::kLargeDigits, ts::kWhiteDigits, ts::kContinueWord,
                                        ts::kYesWords, ts::kNoWords, ts::kTimeUpWord, ts::kClearWords,
                                        ts::kStartWords, ts::kStoneStopWords}) {
    AddCells(bordered, "time", r);
  }
  AddCells(bordered, "messagebox", slidestone::kMenuDigits.Row(slidestone::kRowDigitsBright));
  AddCells(bordered, "messagebox", slidestone::kMenuDigits.Row(slidestone::kRowDigitsDim));
  for (int row : {0, 1, 2, 3, 7, 8, 9})
    for (int half = 0; half < 2; ++half) bordered.push_back({"messagebox", 256 * half, 64 * row, 256, 64});
  for (int row : {4, 5, 6})
    for (int c = 0; c < 4; ++c) bordered.push_back({"messagebox", 128 * c, 64 * row, 128, 64});

  for (const Rect& r : bordered) {
    const Picture& p = Get(r.sheet);
    ASSERT_TRUE(p.Loaded()) << r.sheet;
    int ink = 0;
    bool clean = true;
    for (int y = 0; y < r.h; ++y)
      for (int x = 0; x < r.w; ++x) {
        const bool edge = x == 0 || y == 0 || x == r.w - 1 || y == r.h - 1;
        const bool black = p.At(r.x + x, r.y + y).Black();
        if (edge && !black) clean = false;
        ink += !black;
      }
    EXPECT_TRUE(clean) << r.sheet << " word cell (" << r.x << "," << r.y << ") touches its border";
    EXPECT_GT(ink, 30) << r.sheet << " word cell (" << r.x << "," << r.y << ") is empty";
  }

  const Rect black[] = {
      {"stageback0", 608, 0, 22, 352}, {"stageback1", 608, 0, 22, 352},
      {"clear1", slidestone::house_sheet::kBlackColumns.x, slidestone::house_sheet::kBlackColumns.y,
       slidestone::house_sheet::kBlackColumns.w, slidestone::house_sheet::kBlackColumns.h},
      {"time", slidestone::time_sheet::kBlack.x, slidestone::time_sheet::kBlack.y, 32, 32},          {"time", 64, 0, 64, 32},          {"time", 160, 0, 96, 32},
      {"time", 256, 192, 64, 704},     {"messagebox", 320, 640, 192, 128}, {"char3", 224, 88, 32, 8},
      {"clear2", 0, 0, 20, 20},        {"clear2", 236, 236, 20, 20},
  };
  for (const Rect& r : black) {
    const Picture& p = Get(r.sheet);
    int lit = 0;
    for (int y = 0; y < r.h; ++y)
      for (int x = 0; x < r.w; ++x) lit += !p.At(r.x + x, r.y + y).Black();
    EXPECT_EQ(lit, 0) << r.sheet << " (" << r.x << "," << r.y << "," << r.w << "x" << r.h << ") must be pure black";
  }
}

// Both tints of a word have one shape: the continue prompt draws one over the other without
// clearing, and the menus swap them in place.
TEST(Pictures, DimAndBrightWordsShareOneShape) {
  struct Twin {
    const char* sheet;
    int ax, ay, bx, by, w, h;
  };
  using slidestone::RowY;
  namespace ts = slidestone::time_sheet;
  std::vector<Twin> twins;
  for (const slidestone::SheetRun& r : {ts::kYesWords, ts::kNoWords}) {
    twins.push_back({"time", r.X(ts::kBrightWord), r.Y(ts::kBrightWord), r.X(ts::kDimWord), r.Y(ts::kDimWord), r.w, r.h});
  }
  const int wordH = slidestone::kWordH, brightX = slidestone::kBrightX;
  twins.push_back({"messagebox", 0, RowY(slidestone::kRowLevelsDim), 0, RowY(slidestone::kRowLevelsBright), 512, wordH});
  twins.push_back({"messagebox", 0, RowY(slidestone::kRowOnOff), brightX, RowY(slidestone::kRowOnOff), brightX, wordH});
  twins.push_back({"messagebox", 0, RowY(slidestone::kRowDigitsBright), 0, RowY(slidestone::kRowDigitsDim),
                   slidestone::kMenuDigits.count * slidestone::kMenuDigits.w, wordH});
  for (int row : {slidestone::kRowGameStart, slidestone::kRowOption, slidestone::kRowGameEnd, slidestone::kRowGameLv,
                  slidestone::kRowTimeLimit, slidestone::kRowStageSelect}) {
    twins.push_back({"messagebox", 0, RowY(row), brightX, RowY(row), brightX, wordH});
  }
  for (const Twin& t : twins) {
    const Picture& p = Get(t.sheet);
    int diff = 0;
    for (int y = 0; y < t.h; ++y)
      for (int x = 0; x < t.w; ++x) diff += p.At(t.ax + x, t.ay + y).Black() != p.At(t.bx + x, t.by + y).Black();
    EXPECT_EQ(diff, 0) << t.sheet << " (" << t.ax << "," << t.ay << ") and (" << t.bx << "," << t.by << ")";
  }
}

// The results screen copies just SCORE, x 110-259, out of HIGH SCORE: the piece must hold the
// whole word and nothing of HIGH or NEW.
TEST(Pictures, ScoreCanBeCutOutOfHighScore) {
  const Picture& p = Get("messagebox");
  auto column = [&](int x) {
    int ink = 0;
    for (int y = 576; y < 640; ++y) ink += !p.At(x, y).Black();
    return ink;
  };
  for (int x : {108, 109, 110, 259, 260}) EXPECT_EQ(column(x), 0) << "column " << x;
  int high = 0, score = 0;
  for (int x = 0; x < 108; ++x) high += column(x);
  for (int x = 111; x < 259; ++x) score += column(x);
  EXPECT_GT(high, 200);
  EXPECT_GT(score, 300);
}

// The tile overlays are added onto the backdrop. The live tile's six looks are grey levels, a
// glint adds light, and it reads as the active one: far brighter than the spent look, with a
// bright chevron down its middle where the spent look has none.
TEST(Pictures, TheLiveSpeedTileOutshinesTheSpentOne) {
  const Picture& p = Get("char4");
  ASSERT_EQ(p.H(), 96);
  for (int k = 0; k < 6; ++k)
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const Px c = p.At(32 * k + x, y);
        ASSERT_TRUE(c.r == c.g && c.g == c.b) << "overlay " << k << " (" << x << "," << y << ")";
      }
  auto light = [&](int sx, int sy) {
    long sum = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) sum += p.At(sx + x, sy + y).r + p.At(sx + x, sy + y).g + p.At(sx + x, sy + y).b;
    return sum;
  };
  auto brightestInMiddle = [&](int sx, int sy) {
    int most = 0;
    for (int y = 4; y < 28; ++y)
      for (int x = 14; x < 18; ++x) most = std::max({most, int(p.At(sx + x, sy + y).r), int(p.At(sx + x, sy + y).b)});
    return most;
  };
  const long live = light(0, 0), spent = light(192, 0), plain = light(0, 64);
  EXPECT_GT(live, 2 * spent);
  EXPECT_GT(live, plain * 3 / 2) << "the start look must not promise speed";
  for (int k = 1; k < 6; ++k) EXPECT_GT(light(32 * k, 0), live) << "glint " << k;
  EXPECT_GE(brightestInMiddle(0, 0), 200);
  EXPECT_LT(brightestInMiddle(192, 0), 160);
  EXPECT_LT(brightestInMiddle(0, 64), 160);
}

}  // namespace
