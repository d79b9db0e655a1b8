// The tile pass on hand-built fields: tool work with its stages and sounds, glints, the pipe
// exit, sparkles and the snow cap, regrowth, goal flags, and the checks of every pass (stage end,
// pause, giving up).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "audio/audio.h"
#include "graphics/blend.h"
#include "graphics/forms.h"
#include "presentation/presentation.h"
#include "real_sheets.h"
#include "shell/game_loop.h"
#include "play/play.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

constexpr int kDue = 41;  // the tile pass runs when more than 40 ms have passed

struct TileField {
  Game g;
  RecordingAudio audio;
  // Sound calls with the virtual time they were made at.
  std::vector<std::pair<int64_t, std::string>> sounds;

  TileField() {
    g.audio = &audio;
    g.stageDir = SLIDESTONE_SOURCE_DIR "/tests/fixtures/stage_life";
    testing::LoadGameSheets(g);
    StageWindow& f = g.stageWindow;
    for (Surface* s : {&f.field, &f.backdrop, &f.cleanField})
      Copy(*s, 0, 0, kFieldW, kFieldH, f.stageback[1], 0, 0);
    g.StagePhaseFlag = kFalse;
    g.Now = 100000;
    g.tileClock = g.Now;  // the first due pass comes 41 ms from now
    g.PlayerX = 320;
    g.PlayerY = 320;
    g.StoneX = 0;
    g.StoneY = 320;
  }

  // One pass per virtual millisecond, as the game loop runs it.
  void Run(int ms) {
    for (int i = 0; i < ms; ++i) {
      ++g.Now;
      TilePass(g);
      for (std::string& c : audio.TakeCalls()) sounds.emplace_back(g.Now, std::move(c));
    }
  }
  void RunDuePasses(int n) { Run(n * kDue); }

  std::vector<int64_t> TimesOf(const std::string& call) const {
    std::vector<int64_t> out;
    for (const auto& [t, c] : sounds)
      if (c == call) out.push_back(t);
    return out;
  }
};

// What BlendCell makes of one pixel: the char4 overlay added onto the bare backdrop.
Pixel Blended(const Game& g, int col, int row, int oc, int orow, int x, int y) {
  const Pixel b = g.stageWindow.backdrop.At(32 * col + x, 32 * row + y);
  const Pixel o = g.stageWindow.overlaySheet.At(32 * oc + x, 32 * orow + y);
  return Rgb(std::min(255, RedOf(b) + RedOf(o)), std::min(255, GreenOf(b) + GreenOf(o)),
             std::min(255, BlueOf(b) + BlueOf(o)));
}

bool CellIsBlend(const Game& g, const Surface& s, int col, int row, int oc, int orow) {
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (s.At(32 * col + x, 32 * row + y) != Blended(g, col, row, oc, orow, x, y)) return false;
  return true;
}

bool CellIsCopyOf(const Surface& s, int col, int row, const Surface& src, int sx, int sy) {
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (s.At(32 * col + x, 32 * row + y) != src.At(sx + x, sy + y)) return false;
  return true;
}

// The menu's side of a hammer use on the speed tile under the figure at cell (5, 4).
void UseHammer(TileField& t) {
  Game& g = t.g;
  g.PlayerX = 160;
  g.PlayerY = 128;
  g.Map(5, 5) = 12;
  g.Map(5, 6) = 1;  // a brick under the tile: it gets a snow cap once the tile is gone
  g.SpeedTileCount = 1;
  g.SpeedTiles[0] = {5, 5, 0, kTrue};
  g.ToolAnim = 1;
  g.ToolAnimCount = 0;
  g.PlayerFrame = 3;
  g.PlayerPose = 5;
  g.MenuOpen = kTrue;
  g.StageScore = 40;
  g.TotalScore = 140;
}

TEST(TilePass, HammerCracksThreeTimesThenBreaksTheTileForTenPoints) {
  TileField t;
  Game& g = t.g;
  UseHammer(t);
  const int64_t start = g.Now + kDue;  // the first due pass

  t.RunDuePasses(1);
  EXPECT_TRUE(CellIsBlend(g, g.stageWindow.cleanField, 5, 5, 0, 1)) << "first crack";
  EXPECT_TRUE(CellIsBlend(g, g.stageWindow.field, 5, 5, 0, 1));
  t.RunDuePasses(20);
  EXPECT_TRUE(CellIsBlend(g, g.stageWindow.cleanField, 5, 5, 1, 1)) << "second crack";
  t.RunDuePasses(20);
  EXPECT_TRUE(CellIsBlend(g, g.stageWindow.cleanField, 5, 5, 2, 1)) << "third crack";
  EXPECT_EQ(g.Map(5, 5), kSpeedTileBreaking);
  EXPECT_EQ(g.ToolAnim, 4);
  EXPECT_EQ(g.MenuOpen, kTrue);

  t.RunDuePasses(20);
  EXPECT_EQ(t.TimesOf("effect sound/char03.wav 5"),
            (std::vector<int64_t>{start, start + 20 * kDue, start + 40 * kDue}));
  EXPECT_EQ(t.TimesOf("effect sound/char04.wav 5"), std::vector<int64_t>{start + 60 * kDue});
  EXPECT_EQ(g.Map(5, 5), kEmptyCell);
  EXPECT_TRUE(CellIsCopyOf(g.stageWindow.cleanField, 5, 5, g.stageWindow.backdrop, 160, 160));
  EXPECT_TRUE(CellIsCopyOf(g.stageWindow.field, 5, 5, g.stageWindow.backdrop, 160, 160));
  EXPECT_EQ(g.StageScore, 50);
  EXPECT_EQ(g.TotalScore, 150);
  EXPECT_EQ(g.MenuOpen, kFalse);
  EXPECT_EQ(g.ToolAnim, 0);
  EXPECT_EQ(g.PlayerPose, 0) << "the hammer to the right ends facing right";
  EXPECT_EQ(g.PlayerFrame, 0);
  EXPECT_EQ(g.PointsFlash, kTrue);
  EXPECT_EQ(g.Jumping, kFalse);
  // Sparkles start over the cleared cell; its first tick ran in the same pass.
  EXPECT_EQ(g.SparkleOn, kTrue);
  EXPECT_EQ(g.SparkleX, 160);
  EXPECT_EQ(g.SparkleY, 160);
  EXPECT_EQ(g.SparkleTicks, 1);
  for (const SparkleEntry& s : g.Sparkles) {
    EXPECT_GE(s.x, 161);
    EXPECT_LE(s.x, 185);
    EXPECT_GE(s.y, 161);
    EXPECT_LE(s.y, 185);
    EXPECT_GE(s.frame, 0);
    EXPECT_LE(s.frame, 3);
  }
  EXPECT_EQ(t.TimesOf("effect sound/migaku.wav 5"), std::vector<int64_t>{}) << "hammer is silent";
}

TEST(TilePass, SnowCapAtTheTwentiethSparkleTickAndSparklesEndAtThirty) {
  for (auto [below, capX] : {std::pair{1, 0}, std::pair{2, 32}, std::pair{8, -1}}) {
    TileField t;
    Game& g = t.g;
    UseHammer(t);
    g.Map(5, 6) = below;
    t.RunDuePasses(61);  // the completion pass ran the first sparkle tick
    ASSERT_EQ(g.SparkleTicks, 1);
    Surface before = g.stageWindow.cleanField;
    t.RunDuePasses(18);
    EXPECT_EQ(g.SparkleTicks, 19);
    EXPECT_TRUE(CellIsCopyOf(g.stageWindow.cleanField, 5, 6, before, 160, 192)) << "no cap before tick 20";
    t.RunDuePasses(1);
    // The cap is a keyed copy: where the snow-topped block is not black it shows on both.
    int capped = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const Pixel want = capX >= 0 && g.stageWindow.fieldSheet.At(capX + x, 96 + y) != 0
                               ? g.stageWindow.fieldSheet.At(capX + x, 96 + y)
                               : before.At(160 + x, 192 + y);
        capped += g.stageWindow.cleanField.At(160 + x, 192 + y) == want;
        capped += g.stageWindow.field.At(160 + x, 192 + y) == want;
      }
    EXPECT_EQ(capped, 2 * 32 * 32) << "code below " << below;
    EXPECT_EQ(g.SparkleOn, kTrue);
    t.RunDuePasses(9);
    EXPECT_EQ(g.SparkleTicks, 29);
    EXPECT_EQ(g.SparkleOn, kTrue);
    t.RunDuePasses(1);
    EXPECT_EQ(g.SparkleOn, kFalse);
    t.RunDuePasses(3);
    EXPECT_EQ(g.SparkleTicks, 30) << "no more ticks once the effect is over";
  }
}

TEST(TilePass, SparklesRiseSpreadFallAndGoOut) {
  struct Case {
    int32_t ticks, x, y, frame;
    int32_t wantX, wantY, wantFrame;
  };
  // SparkleX = 64, SparkleY = 96.
  const Case cases[] = {
      {3, 70, 100, 0, 69, 99, 1},      // left part drifts left, still rising
      {4, 81, 100, 1, 83, 99, 2},      // right part drifts right
      {5, 75, 100, 2, 75, 102, 3},     // middle stays; falls from tick 5
      {10, 71, 100, 3, 70, 102, 0},    // last tick of the spread
      {11, 71, 100, 3, 71, 102, 0},    // no more spreading
      {18, 75, 100, 0, 75, 102, 10},   // frame 0 goes out at 18
      {23, 75, 100, 2, 75, 102, 3},    // frame 2 lasts until 24
      {24, 75, 100, 2, 75, 102, 10},
      {27, 75, 100, 3, 75, 102, 10},
      {20, 75, 100, 10, 75, 102, 10},  // a hidden one stays hidden
  };
  for (const Case& c : cases) {
    TileField t;
    Game& g = t.g;
    g.SparkleX = 64;
    g.SparkleY = 96;
    g.SparkleTicks = c.ticks;
    for (SparkleEntry& s : g.Sparkles) s = {c.x, c.y, c.frame};
    SparkleStep(g, g, g, *g.view);
    EXPECT_EQ(g.Sparkles[10].x, c.wantX) << "tick " << c.ticks;
    EXPECT_EQ(g.Sparkles[10].y, c.wantY) << "tick " << c.ticks;
    EXPECT_EQ(g.Sparkles[10].frame, c.wantFrame) << "tick " << c.ticks;
    EXPECT_EQ(g.SparkleTicks, c.ticks + 1);
    EXPECT_EQ(g.SceneDirty, kTrue);
  }
}

// Over many hammer blows every speck starts 1 to 25 pixels into the cell on both axes, and both
// ends of that range turn up.
TEST(TilePass, SparklesStartOneToTwentyFivePixelsIntoTheCell) {
  Game g;
  g.SparkleX = 64;
  g.SparkleY = 96;
  int lowX = 99, highX = -99, lowY = 99, highY = -99;
  for (int blow = 0; blow < 300; ++blow) {
    g.Now = 10000 + 37 * blow;
    g.SparkleTicks = 0;
    SparkleStep(g, g, g, *g.view);
    for (const SparkleEntry& s : g.Sparkles) {
      lowX = std::min(lowX, s.x - 64);
      highX = std::max(highX, s.x - 64);
      lowY = std::min(lowY, s.y - 96);
      highY = std::max(highY, s.y - 96);
    }
  }
  EXPECT_EQ(lowX, 1);
  EXPECT_EQ(highX, 25);
  EXPECT_EQ(lowY, 1);
  EXPECT_EQ(highY, 25);
}

TEST(TilePass, UpHeldAsTheHammerBreaksTheTileJumpsAtOnce) {
  for (auto [y, jumps] : {std::pair{128, true}, std::pair{32, true}, std::pair{0, false}}) {
    TileField t;
    Game& g = t.g;
    UseHammer(t);
    g.PlayerPose = 6;  // hammer to the left
    g.PlayerY = y;
    t.RunDuePasses(60);
    g.KeyState[kKeyUp] = kTrue;
    t.RunDuePasses(1);
    EXPECT_EQ(g.Map(5, 5), kEmptyCell);
    EXPECT_EQ(g.PlayerPose, 1) << "facing left after the hammer to the left";
    EXPECT_EQ(g.Jumping, jumps ? kTrue : kFalse) << "y " << y;
    EXPECT_EQ(g.PlayerInAction, jumps ? kTrue : kFalse);
    EXPECT_EQ(g.KeyState[kKeyUp], jumps ? kFalse : kTrue);
    if (jumps) {
      EXPECT_EQ(g.JumpVy, -125);
      EXPECT_EQ(g.JumpFloorY, -1);
      EXPECT_EQ(g.ActionCount, 0);
      EXPECT_EQ(t.TimesOf("effect sound/charjump.wav 8").size(), 1u);
    }
  }
}

TEST(TilePass, BroomWorkSweepsWithItsSoundAndEndsInTheNewTile) {
  struct Case {
    int32_t mark, result;
  };
  for (const Case c : {Case{13, 11}, Case{6, 4}, Case{7, 3}}) {
    TileField t;
    Game& g = t.g;
    g.Map(8, 7) = c.mark;
    g.ToolAnim = 1;
    g.ToolAnimCount = 0;
    g.PlayerFrame = 0;
    g.PlayerPose = 4;
    g.MenuOpen = kTrue;
    const int64_t start = g.Now + kDue;
    std::vector<int32_t> frames;
    for (int i = 0; i < 60; ++i) {
      t.RunDuePasses(1);
      if (i % 5 == 0) frames.push_back(g.PlayerFrame);
      EXPECT_EQ(g.PlayerPose, 4);
      EXPECT_EQ(g.Map(8, 7), c.mark);
    }
    EXPECT_EQ(frames, (std::vector<int32_t>{1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2}));
    // The stages of the tile.
    if (c.mark == 13) {
      EXPECT_TRUE(CellIsBlend(g, g.stageWindow.cleanField, 8, 7, 5, 1));
    }
    if (c.mark == 6) {
      EXPECT_TRUE(CellIsCopyOf(g.stageWindow.cleanField, 8, 7, g.stageWindow.fieldSheet, 128, 96));
    }
    if (c.mark == 7) {
      EXPECT_TRUE(CellIsCopyOf(g.stageWindow.cleanField, 8, 7, g.stageWindow.fieldSheet, 224, 96));
    }
    t.RunDuePasses(1);
    EXPECT_EQ(g.Map(8, 7), c.result);
    EXPECT_EQ(g.PlayerPose, 0);
    EXPECT_EQ(g.PlayerFrame, 0);
    EXPECT_EQ(g.MenuOpen, kFalse);
    EXPECT_EQ(g.TotalScore, 10);
    if (c.result == 11) {
      EXPECT_TRUE(CellIsBlend(g, g.stageWindow.cleanField, 8, 7, 0, 0));
    }
    if (c.result == 4) {
      EXPECT_TRUE(CellIsCopyOf(g.stageWindow.field, 8, 7, g.stageWindow.fieldSheet, 160, 64));
    }
    if (c.result == 3) {
      EXPECT_TRUE(CellIsCopyOf(g.stageWindow.field, 8, 7, g.stageWindow.fieldSheet, 128, 64));
    }
    std::vector<int64_t> sweeps;
    for (int k = 0; k <= 60; k += 12) sweeps.push_back(start + k * kDue);
    EXPECT_EQ(t.TimesOf("effect sound/migaku.wav 5"), sweeps) << "mark " << c.mark;
    EXPECT_EQ(g.SparkleOn, kFalse);
    t.RunDuePasses(30);
    EXPECT_EQ(g.Map(8, 7), c.result) << "the work is done once";
  }
}

TEST(TilePass, AHitDuringToolWorkCompletesItInTheNextDuePass) {
  for (auto [mark, result] : {std::pair{12, 0}, std::pair{6, 4}}) {
    TileField t;
    Game& g = t.g;
    g.Map(8, 7) = mark;
    g.ToolAnim = 1;
    g.ToolAnimCount = 0;
    g.MenuOpen = kTrue;
    g.PlayerPose = 5;
    t.RunDuePasses(7);
    EXPECT_EQ(g.Map(8, 7), mark);
    g.PlayerHit = kTrue;
    t.Run(kDue - 1);
    EXPECT_EQ(g.Map(8, 7), mark) << "not before the pass is due";
    t.Run(1);
    EXPECT_EQ(g.Map(8, 7), result);
    EXPECT_EQ(g.MenuOpen, kFalse);
    EXPECT_EQ(g.ToolAnim, 0);
    EXPECT_EQ(g.StageScore, 10);
  }
}

// Both kinds start as the loader's plain ice; with the first glint the live tile shows the
// live look and the spent one the spent look.
TEST(TilePass, SpeedTilesGlintWithOverlaysOneToFiveThenZero) {
  TileField t;
  Game& g = t.g;
  g.Map(2, 3) = 11;
  g.Map(4, 3) = 10;  // spent: never glints
  BlendCell(g.stageWindow, 2, 3, overlay_sheet::kPlainIce);
  BlendCell(g.stageWindow, 4, 3, overlay_sheet::kPlainIce);
  for (int cycle = 1; cycle <= 6; ++cycle) {
    t.RunDuePasses(1);
    ASSERT_EQ(g.TileCycle, cycle);
    EXPECT_TRUE(CellIsBlend(g, g.stageWindow.cleanField, 2, 3, cycle == 6 ? 0 : cycle, 0)) << cycle;
    EXPECT_TRUE(CellIsBlend(g, g.stageWindow.field, 2, 3, cycle == 6 ? 0 : cycle, 0)) << cycle;
    EXPECT_TRUE(CellIsBlend(g, g.stageWindow.field, 4, 3, 6, 0)) << cycle;
  }
  BlendCell(g.stageWindow, 2, 3, overlay_sheet::kPlainIce);  // a glint must not come back before the next cycle
  const Surface plain = g.stageWindow.cleanField;
  t.RunDuePasses(63);
  EXPECT_EQ(g.TileCycle, 69);
  EXPECT_TRUE(CellIsCopyOf(g.stageWindow.cleanField, 2, 3, plain, 64, 96));
  t.RunDuePasses(1);
  EXPECT_EQ(g.TileCycle, 0);
  t.RunDuePasses(1);
  EXPECT_TRUE(CellIsBlend(g, g.stageWindow.cleanField, 2, 3, 1, 0)) << "next cycle";
  EXPECT_TRUE(CellIsBlend(g, g.stageWindow.cleanField, 4, 3, 6, 0));
}

TEST(TilePass, PipeExitIsTheFirstPipeTopInReadingOrder) {
  TileField t;
  Game& g = t.g;
  g.Map(10, 8) = 50;  // the entry pipe during the trip
  g.Map(4, 2) = 5;
  g.Map(12, 1) = 5;
  g.InPipe = kTrue;
  g.PlayerCol = 10;
  g.PlayerFootRow = 8;
  g.PlayerX = 320;
  g.PlayerY = 256;
  t.RunDuePasses(1);
  EXPECT_EQ(g.PlayerX, 320) << "nothing before the bottom of the pipe";
  g.PipeWarpPending = kTrue;
  t.RunDuePasses(1);
  EXPECT_EQ(g.Map(10, 8), kPipe);
  EXPECT_EQ(g.PlayerCol, 12);
  EXPECT_EQ(g.PlayerFootRow, 1);
  EXPECT_EQ(g.PlayerX, 384);
  EXPECT_EQ(g.PlayerY, 32);
  EXPECT_EQ(g.PipeWarpPending, kFalse);
}

TEST(TilePass, WithoutASecondPipeTheTripGoesNowhere) {
  TileField t;
  Game& g = t.g;
  g.Map(10, 8) = 50;
  g.InPipe = kTrue;
  g.PipeWarpPending = kTrue;
  g.PlayerCol = 10;
  g.PlayerFootRow = 8;
  t.RunDuePasses(3);
  EXPECT_EQ(g.Map(10, 8), kPipeInUse);
  EXPECT_EQ(g.PipeWarpPending, kTrue);
}

TEST(TilePass, BrokenTileRegrowsSpentOnlyWhenNothingStandsOnIt) {
  struct Case {
    int32_t px, py, sx, sy;
    bool regrows;
  };
  // The cell is (6, 4): pixels x 192..223, y 128..159.
  const Case cases[] = {
      {192, 128, 0, 320, false},  // the player stands in the hole
      {192, 97, 0, 320, false},   // overlaps by one pixel from above
      {192, 96, 0, 320, true},    // on top of the cell only touches it
      {161, 128, 0, 320, false},  // overlaps by one pixel from the left
      {160, 128, 0, 320, true},   // touches only
      {224, 128, 0, 320, true},
      {223, 160, 0, 320, true},   // one below
      {223, 159 - 31, 0, 320, false},
      {0, 0, 200, 140, false},    // the stone is on it
      {0, 0, 192, 96, true},      // the stone only touches it from above
  };
  for (const Case& c : cases) {
    TileField t;
    Game& g = t.g;
    g.SpeedTileCount = 2;
    g.SpeedTiles[0] = {1, 1, 0, kFalse};
    g.SpeedTiles[1] = {6, 4, 998, kTrue};
    g.Map(6, 4) = 0;
    g.PlayerX = c.px;
    g.PlayerY = c.py;
    g.StoneX = c.sx;
    g.StoneY = c.sy;
    t.RunDuePasses(1);
    EXPECT_EQ(g.SpeedTiles[1].regrow, 999);
    EXPECT_EQ(g.Map(6, 4), kEmptyCell);
    t.RunDuePasses(1);
    EXPECT_EQ(g.Map(6, 4), c.regrows ? 10 : 0) << c.px << "," << c.py << " " << c.sx;
    EXPECT_EQ(g.SpeedTiles[1].broken, c.regrows ? kFalse : kTrue);
    EXPECT_EQ(g.SpeedTiles[1].regrow, c.regrows ? 0 : 1000);
    EXPECT_EQ(g.SpeedTiles[0].regrow, 0) << "an unbroken tile does not count";
    if (!c.regrows) {
      t.RunDuePasses(5);
      EXPECT_EQ(g.SpeedTiles[1].regrow, 1000) << "waits at its top";
      g.PlayerX = g.PlayerY = g.StoneX = g.StoneY = 0;
      t.RunDuePasses(1);
      EXPECT_EQ(g.Map(6, 4), kSpentSpeedTile) << "first due pass after the cell is free";
    }
    EXPECT_TRUE(CellIsBlend(g, g.stageWindow.cleanField, 6, 4, 6, 0));
    EXPECT_TRUE(CellIsBlend(g, g.stageWindow.field, 6, 4, 6, 0));
  }
}

TEST(TilePass, GoalFlagsWaveWithTheCycleAndBucketsStayStill) {
  TileField t;
  Game& g = t.g;
  g.ItemCount = 2;
  g.Items[0] = {64, 64, 20, 0};
  g.Items[1] = {96, 64, 21, 0};
  g.Items[2] = {128, 64, 20, 0};  // beyond the count
  std::vector<int32_t> frames;
  for (int i = 0; i < 10; ++i) {
    t.RunDuePasses(1);
    frames.push_back(g.Items[0].frame);
  }
  EXPECT_EQ(frames, (std::vector<int32_t>{0, 1, 1, 2, 2, 3, 3, 0, 0, 1}));
  EXPECT_EQ(g.Items[1].frame, 0);
  EXPECT_EQ(g.Items[2].frame, 0);
}

TEST(TilePass, StageEndStartsTheWordsWithTheClearMusicOrTheEndSound) {
  for (int32_t reason : {0, 1, 2, 3}) {
    TileField t;
    Game& g = t.g;
    g.StagePhaseFlag = kTrue;
    g.StageEndReason = reason;
    g.WordCounter = 101;
    g.FlowStep = 77;
    t.Run(1);  // not a due pass: the end is seen anyway
    EXPECT_EQ(g.TileCycle, 0);
    EXPECT_EQ(g.FlowStep, -76);
    EXPECT_EQ(g.WordsRunning, kTrue);
    EXPECT_EQ(g.WordCounter, 0);
    ASSERT_EQ(t.sounds.size(), 2u);
    EXPECT_EQ(t.sounds[0].second, "stopmusic");
    EXPECT_EQ(t.sounds[1].second,
              reason == 3 ? "music sound/PSMAT002.mid -1" : "effect sound/end0.wav 8");
  }
}

TEST(TilePass, EnterPausesOverTheBareBackdropOnce) {
  TileField t;
  Game& g = t.g;
  g.Map(3, 3) = 1;
  KeyedCopy(g.stageWindow.field, 96, 96, 32, 32, g.stageWindow.fieldSheet, 0, 64);
  g.SceneDirty = kTrue;
  g.KeyState[kKeyEnter] = kTrue;
  t.Run(1);
  EXPECT_EQ(g.Paused, kTrue);
  EXPECT_EQ(g.KeyState[kKeyEnter], 0);
  EXPECT_EQ(g.SceneDirty, kFalse);
  EXPECT_EQ(g.stageWindow.field.Pixels(), g.stageWindow.backdrop.Pixels());
  ASSERT_EQ(t.sounds.size(), 1u);
  EXPECT_EQ(t.sounds[0].second, "effect sound/Akouka01.wav 3");
  // The press that paused is gone: the pause step does not see it.
  StagePass(g);
  EXPECT_EQ(g.Paused, kTrue);
}

TEST(TilePass, EnterInThePassThatEndsTheStageStillPauses) {
  TileField t;
  Game& g = t.g;
  g.StagePhaseFlag = kTrue;
  g.StageEndReason = kEndTimeUp;
  g.KeyState[kKeyEnter] = kTrue;
  t.Run(1);
  EXPECT_EQ(g.Paused, kTrue);
  EXPECT_EQ(g.FlowStep, -76);
}

TEST(TilePass, ZGivesUpTheTryUnlessTheKnockOutIsUnderWay) {
  TileField t;
  Game& g = t.g;
  g.InPipe = kTrue;
  g.Jumping = kTrue;
  g.ActionCount = 9;
  g.KeyState[kKeyZ] = kTrue;
  t.Run(1);
  EXPECT_EQ(g.PlayerHit, kTrue);
  EXPECT_EQ(g.PlayerInAction, kTrue);
  EXPECT_EQ(g.InPipe, kFalse);
  EXPECT_EQ(g.Jumping, kFalse);
  EXPECT_EQ(g.ActionCount, 0);
  g.ActionCount = 5;
  t.Run(3);
  EXPECT_EQ(g.ActionCount, 5) << "Z while the player is already hit does nothing";
}

}  // namespace
}  // namespace slidestone
