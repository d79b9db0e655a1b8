// Starting a game and loading a stage: the stage table and messages, the map and enemy-map
// files, the tiles drawn with their snow caps, the records made from the enemy map, the
// difficulty reductions, the greyed tools, the per-stage start values, and the stages the game
// ships with. The fixture folder is described in its README.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "audio/audio.h"
#include "presentation/presentation.h"
#include "stage_test_sheets.h"
#include "stagedata/data_reader.h"
#include "play/play.h"
#include "presentation/game.h"
#include "stagedata/stage_loader.h"

namespace slidestone {
namespace {

using testing::SameRect;

class StageLoaderTest : public testing::StageFolderTest {};

TEST_F(StageLoaderTest, NewGameReadsTheTableAndMessagesAndOpensTheFirstStage) {
  g.TotalScore = 999;
  g.StageScore = 55;
  g.Lives = 0;
  g.BackdropIndex = 0;
  g.Paused = kTrue;
  g.StagePhaseFlag = kFalse;
  g.FlowStep = 40;
  g.WordCounter = 3;
  g.WordsRunning = kTrue;
  g.ContinuePromptOn = kTrue;
  g.Difficulty = kEasy;
  StartAt(0);

  EXPECT_EQ(g.GameState, kStatePlay);
  EXPECT_EQ(g.Stage, 0);
  EXPECT_EQ(g.Lives, 3);
  EXPECT_EQ(g.TotalScore, 0);
  EXPECT_EQ(g.StageScore, 0);
  EXPECT_EQ(g.BackdropIndex, 1);
  EXPECT_EQ(g.Paused, kFalse);
  EXPECT_EQ(g.StagePhaseFlag, kTrue);
  EXPECT_EQ(g.FlowStep, 0);
  EXPECT_EQ(g.WordCounter, 100);
  EXPECT_EQ(g.WordsRunning, kFalse);
  EXPECT_EQ(g.ContinuePromptOn, kFalse);
  EXPECT_EQ(g.Difficulty, kEasy) << "the options stay as chosen";

  const StageRecord& r0 = g.StageTable[0];
  EXPECT_EQ(r0.playerX, 64);
  EXPECT_EQ(r0.stoneX, 128);
  EXPECT_EQ(r0.time, 754);
  EXPECT_EQ(r0.toolPoints, 5);
  EXPECT_EQ(r0.parScore, 500);
  // Record 1 is written one number per line: it reads the same as a comma-separated one.
  const StageRecord& r1 = g.StageTable[1];
  EXPECT_EQ(r1.playerX, 96);
  EXPECT_EQ(r1.time, 900);
  EXPECT_EQ(r1.toolPoints, 12);
  EXPECT_EQ(r1.parScore, 400);
  EXPECT_EQ(g.StageItems[1][0], 1);
  EXPECT_EQ(g.StageItems[1][1], 0);
  EXPECT_EQ(g.StageItems[6][0], 1);
  EXPECT_EQ(g.StageItems[6][2], 0);
  EXPECT_EQ(g.StageTable[17].toolPoints, 20);
  EXPECT_EQ(g.StageTable[20].parScore, 300);
  EXPECT_EQ(g.StageTable[21].time, 0) << "records past the file stay empty";

  EXPECT_EQ(g.Messages[0], "message 0");
  EXPECT_EQ(g.Messages[10], "Close, but not quite");
  EXPECT_EQ(g.Messages[11], "  quoted with spaces kept  ");
  EXPECT_EQ(g.Messages[12], "message 12") << "a quoted comma must not shift later messages";
  EXPECT_EQ(g.Messages[60], "the last one");

  // EASY: the stage's own time and points.
  EXPECT_EQ(g.ToolPoints, 5);
  EXPECT_EQ(g.PlayerX, 64);
  EXPECT_EQ(g.StoneX, 128);
}

TEST_F(StageLoaderTest, EachStageReadsTheFilesNumberedOneHigher) {
  StartAt(0);
  EXPECT_EQ(g.Map(0, 0), 1);        // map1's wall in row 0
  EXPECT_EQ(g.AiMap(1, 9), 20);     // Aimap1's goal
  g.Stage = 17;
  LoadStage(g, OpenStageHud);
  EXPECT_EQ(g.Map(3, 5), 2);        // map18's marker
  EXPECT_EQ(g.Map(4, 5), 9);
  EXPECT_EQ(g.Map(0, 0), 0);
  EXPECT_EQ(g.AiMap(17, 9), 20);    // Aimap18's goal
  EXPECT_EQ(g.AiMap(1, 9), 0);
  EXPECT_EQ(g.ItemCount, 1);
  EXPECT_EQ(g.EnemyCount, 1);
  EXPECT_EQ(g.ToolPoints, 20 - 3);  // NORMAL
}

TEST_F(StageLoaderTest, WallsAndBlocksWearSnowOnlyUnderAnEmptyCell) {
  StartAt(0);
  const Surface& field = g.stageWindow.cleanField;
  const Surface& tiles = g.stageWindow.fieldSheet;
  struct Case {
    int col, row, sx, sy;
    const char* what;
  } cases[] = {
      {0, 0, 0, 64, "wall in row 0"},
      {2, 0, 32, 64, "block in row 0"},
      {0, 1, 0, 64, "wall under a wall"},
      {4, 1, 0, 96, "wall under an empty cell"},
      {6, 1, 32, 96, "block under an empty cell"},
      {4, 2, 0, 64, "wall under a wall"},
      {6, 2, 32, 64, "block under a block"},
      {8, 4, 0, 64, "wall under an arrow"},
      {10, 4, 32, 64, "block under a pipe"},
      {5, 10, 0, 96, "floor under the open field"},
      {8, 3, 128, 64, "right arrow"},
      {9, 3, 160, 64, "left arrow"},
      {10, 3, 192, 64, "pipe"},
      {11, 3, 64, 64, "SPEED UP"},
      {12, 3, 96, 64, "SPEED DOWN"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(SameRect(field, 32 * c.col, 32 * c.row, 32, 32, tiles, c.sx, c.sy)) << c.what;
  }
  // Codes without a picture leave the backdrop, and are stored all the same.
  const Surface& backdrop = g.stageWindow.stageback[1];
  for (int col : {15, 16}) {
    EXPECT_TRUE(SameRect(field, 32 * col, 96, 32, 32, backdrop, 32 * col, 96)) << col;
  }
  EXPECT_EQ(g.Map(15, 3), 6);
  EXPECT_EQ(g.Map(16, 3), 77);
  // The bare backdrop stays in `backdrop` for restoring cells.
  EXPECT_TRUE(SameRect(g.stageWindow.backdrop, 0, 0, kFieldW, kFieldH, backdrop, 0, 0));
}

TEST_F(StageLoaderTest, SpeedTilesAreBlendedOntoTheBackdropAndRecorded) {
  StartAt(0);
  ASSERT_EQ(g.SpeedTileCount, 2);
  EXPECT_EQ(g.SpeedTiles[0].col, 13);
  EXPECT_EQ(g.SpeedTiles[0].row, 3);
  EXPECT_EQ(g.SpeedTiles[1].col, 14);
  EXPECT_EQ(g.SpeedTiles[1].broken, kFalse);
  EXPECT_EQ(g.Map(13, 3), 10);
  EXPECT_EQ(g.Map(14, 3), 11);
  // Plain ice over the backdrop (live and spent alike until play begins): each channel the sum
  // of the two, at most 255.
  const Pixel under = g.stageWindow.stageback[1].At(14 * 32 + 5, 3 * 32 + 7);
  const Pixel ice = g.stageWindow.overlaySheet.At(5, 64 + 7);
  const Pixel want = Rgb(std::min(255, RedOf(under) + RedOf(ice)),
                         std::min(255, GreenOf(under) + GreenOf(ice)),
                         std::min(255, BlueOf(under) + BlueOf(ice)));
  EXPECT_EQ(g.stageWindow.cleanField.At(14 * 32 + 5, 3 * 32 + 7), want);
}

TEST_F(StageLoaderTest, TheEnemyMapMakesItemsAndEnemiesAndKeepsOnlyObjectCodes) {
  // A record left from an earlier stage must not leak into a new enemy.
  g.Enemies[1].fast = kTrue;
  g.Enemies[1].windup = 7;
  StartAt(0);

  ASSERT_EQ(g.ItemCount, 3);
  EXPECT_EQ(g.Items[0].x, 32);
  EXPECT_EQ(g.Items[0].y, 288);
  EXPECT_EQ(g.Items[0].kind, 20);
  EXPECT_EQ(g.Items[1].kind, 20);
  EXPECT_EQ(g.Items[2].kind, 21);
  EXPECT_EQ(g.Items[2].x, 160);
  EXPECT_EQ(g.Items[2].frame, 0);

  ASSERT_EQ(g.EnemyCount, 3);
  const int32_t states[] = {0, -1, 6};
  const int cols[] = {7, 9, 11};
  for (int i = 0; i < 3; ++i) {
    const EnemyRecord& e = g.Enemies[i];
    EXPECT_EQ(e.state, states[i]) << i;
    EXPECT_EQ(e.x, 32 * cols[i]) << i;
    EXPECT_EQ(e.prevX, e.x) << i;
    EXPECT_EQ(e.y, 288) << i;
    EXPECT_EQ(e.prevY, 288) << i;
    EXPECT_EQ(e.frame, 0) << i;
    EXPECT_EQ(e.fast, kFalse) << i;
    EXPECT_EQ(e.windup, 0) << i;
    EXPECT_EQ(g.AiMap(cols[i], 9), 0) << "enemy cells are left empty";
  }
  EXPECT_EQ(g.AiMap(1, 9), 20);
  EXPECT_EQ(g.AiMap(5, 9), 21);
  EXPECT_EQ(g.AiMap(13, 9), 30);
  EXPECT_EQ(g.AiMap(15, 9), 99);
  // Figures go on the field only: the clean field under them stays bare.
  for (int col : {1, 5, 7, 9, 11}) {
    EXPECT_TRUE(SameRect(g.stageWindow.cleanField, 32 * col, 288, 32, 32, g.stageWindow.stageback[1], 32 * col, 288))
        << col;
  }
}

TEST_F(StageLoaderTest, DifficultyTakesTimeAndToolPointsButNeverPointsBelowZero) {
  struct Case {
    int32_t difficulty, time, points;
  } cases[] = {{0, 300, 5}, {1, 100, 2}, {2, -100, 0}};
  for (const Case& c : cases) {
    g.Difficulty = c.difficulty;
    g.stageTimerClock = g.Now;  // the loader's own clock step is not due: the raw value stays
    StartAt(6);
    EXPECT_EQ(g.StageTime, c.time) << c.difficulty;
    EXPECT_EQ(g.ToolPoints, c.points) << c.difficulty;
    EXPECT_EQ(g.StageTable[6].time, 300) << "the table keeps the stage's own values";
  }
  // HARD on a 300 stage: the first due clock step calls time up and shows no time left.
  g.StagePhaseFlag = kFalse;
  g.Now += 101;
  StageTimerStep(g);
  EXPECT_EQ(g.StageEndReason, kEndTimeUp);
  EXPECT_EQ(g.StagePhaseFlag, kTrue);
  EXPECT_EQ(g.StageTime, 0);
}

TEST_F(StageLoaderTest, ToolsNotOfferedAreGreyedInBothIconRows) {
  StartAt(6);  // only the hammer
  EXPECT_EQ(g.ToolEnabled[0], kTrue);
  EXPECT_EQ(g.ToolEnabled[1], kFalse);
  EXPECT_EQ(g.ToolEnabled[2], kFalse);
  const Surface& screen1 = g.stageWindow.hudPanel;
  auto grey = [](Pixel p) {
    auto d = [](int c) { return (c * 105 + 127) / 255; };
    return Rgb(d(RedOf(p)), d(GreenOf(p)), d(BlueOf(p)));
  };
  for (int j = 0; j < 3; ++j) {
    const Pixel big = g.stageWindow.commandbox.At(32 * j + 10, 12);
    const Pixel small = g.stageWindow.commandboxx.At(24 * j + 10, 12);
    const bool offered = j == 0;
    EXPECT_EQ(screen1.At(336 + 32 * j + 10, 16 + 12), offered ? big : grey(big)) << j;
    EXPECT_EQ(screen1.At(336 + 24 * j + 10, 116 + 12), offered ? small : grey(small)) << j;
  }
}

TEST_F(StageLoaderTest, TotalScoreIsResetWheneverStageIndexSixLoads) {
  StartAt(0);
  g.TotalScore = 4321;
  LoadStage(g, OpenStageHud);
  EXPECT_EQ(g.TotalScore, 4321);
  g.Stage = 6;
  LoadStage(g, OpenStageHud);
  EXPECT_EQ(g.TotalScore, 0);
  g.TotalScore = 800;  // a replay of the same stage resets it again
  g.StageScore = 200;
  LoadStage(g, OpenStageHud);
  EXPECT_EQ(g.TotalScore, 0);
  EXPECT_EQ(g.StageScore, 0);
}

TEST_F(StageLoaderTest, EveryPerStageValueStartsAfresh) {
  StartAt(0);
  // Leftovers of a stage that ended in the middle of everything.
  g.SceneDirty = g.PlayerInAction = g.InPipe = g.PipeWarpPending = g.Jumping = g.DropThrough =
      g.PlacingSpring = g.PlayerHit = g.StoneLaunched = g.SpringShown = g.SparkleOn =
          g.MenuOpen = g.PointsFlash = g.SpeedFlash = g.BallActive = kTrue;
  g.FlowLatch = kFalse;
  g.PlayerX = g.PlayerY = g.PlayerPrevX = g.PlayerPrevY = 7;
  g.StoneX = g.StoneY = g.StonePrevX = g.StonePrevY = 9;
  g.PlayerFrame = g.PlayerPose = g.IdleCount = g.ActionCount = 3;
  g.PipeDir = -1;
  g.StoneDir = -1;
  g.StoneSpeed = 5;
  g.StonePeriod = 20;
  g.SpringStep = -1;
  g.StoneSpin = g.StoneSpinX = g.SpeedDecayCount = g.SpringRise = 4;
  g.StoneFlightSign = 1;
  g.TileCycle = 12;
  g.MenuX = g.MenuY = g.ToolAnim = 5;
  g.SpringX = g.SpringY = 64;
  g.StageEndReason = kEndGoal;
  g.ContinueCursor = 1;
  g.EnemyAnim = 6;
  ShowSurface(g.stageWindow.toolMenu);
  g.GameState = kStateLoadStage;
  LoadStage(g, OpenStageHud);

  EXPECT_EQ(g.GameState, kStatePlay);
  EXPECT_EQ(g.FlowLatch, kTrue);
  for (Flag f : {g.SceneDirty, g.PlayerInAction, g.InPipe, g.PipeWarpPending, g.Jumping,
                 g.DropThrough, g.PlacingSpring, g.PlayerHit, g.StoneLaunched, g.SpringShown,
                 g.SparkleOn, g.MenuOpen, g.PointsFlash, g.SpeedFlash, g.BallActive}) {
    EXPECT_EQ(f, kFalse);
  }
  EXPECT_EQ(g.PlayerX, 64);
  EXPECT_EQ(g.PlayerPrevX, 64);
  EXPECT_EQ(g.PlayerY, 288);
  EXPECT_EQ(g.PlayerPrevY, 288);
  EXPECT_EQ(g.StoneX, 128);
  EXPECT_EQ(g.StonePrevX, 128);
  EXPECT_EQ(g.StoneY, 288);
  EXPECT_EQ(g.StonePrevY, 288);
  for (int32_t v : {g.PlayerFrame, g.PlayerPose, g.IdleCount, g.ActionCount, g.StoneSpin,
                    g.StoneSpinX, g.SpeedDecayCount, g.SpringRise, g.TileCycle, g.MenuX, g.MenuY,
                    g.ToolAnim, g.SpringX, g.SpringY, g.StageEndReason, g.ContinueCursor,
                    g.EnemyAnim}) {
    EXPECT_EQ(v, 0);
  }
  EXPECT_EQ(g.PipeDir, 1);
  EXPECT_EQ(g.StoneDir, 1);
  EXPECT_EQ(g.StoneSpeed, 3);
  EXPECT_EQ(g.StonePeriod, 100);
  EXPECT_EQ(g.SpringStep, 1);
  EXPECT_EQ(g.StoneFlightSign, -1);
  EXPECT_FALSE(g.stageWindow.toolMenu.visible);
  // The tool menu box holds its picture for when the menu opens.
  EXPECT_TRUE(SameRect(g.stageWindow.toolMenu, 0, 0, 72, 24, g.stageWindow.commandbox, 0, 0));
  // A zoom cut short by the previous stage's end must not hide this stage's tool points:
  // record 0 starts with 5 (NORMAL: 2), one small digit at x 368.
  EXPECT_TRUE(SameRect(g.stageWindow.hudPanel, 368, 64, 16, 32, g.stageWindow.time, 32, 128));
}

TEST_F(StageLoaderTest, TheFieldWaitsDimmedAndTheBackdropStaysBright) {
  StartAt(0);
  const Pixel bright = g.stageWindow.cleanField.At(300, 200);
  auto dim = [](int c) { return (c * 135 + 127) / 255; };
  EXPECT_EQ(g.stageWindow.field.At(300, 200),
            Rgb(dim(RedOf(bright)), dim(GreenOf(bright)), dim(BlueOf(bright))));
}

// The stage set the game ships with: every stage loads and can be started and won in principle.
TEST_F(StageLoaderTest, TheShippedStagesAllLoadWithAGoalAToolAndFirmGround) {
  g.stageDir = SLIDESTONE_SOURCE_DIR "/data/stage";
  StartAt(0);
  for (int stage = 0; stage < 18; ++stage) {
    SCOPED_TRACE("stage index " + std::to_string(stage));
    g.Stage = stage;
    ::testing::internal::CaptureStderr();
    LoadStage(g, OpenStageHud);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    const StageRecord& r = g.StageTable[stage];
    int goals = 0;
    for (int i = 0; i < g.ItemCount; ++i) goals += g.Items[i].kind == 20;
    EXPECT_GE(goals, 1);
    EXPECT_TRUE(g.StageItems[stage][0] == 1 || g.StageItems[stage][1] == 1 ||
                g.StageItems[stage][2] == 1);
    EXPECT_GT(r.time - 400, 0) << "HARD must leave some time";
    EXPECT_LT(r.time, 6000);
    EXPECT_TRUE(Solid(g.Map.AtPixel(r.playerX, r.playerY + 32))) << "player starts in the air";
    EXPECT_TRUE(Solid(g.Map.AtPixel(r.stoneX, r.stoneY + 32))) << "stone starts in the air";
    EXPECT_EQ(g.Map.AtPixel(r.stoneX, r.stoneY), 0);
    EXPECT_EQ(g.Map.AtPixel(r.playerX, r.playerY), 0);
  }
  for (int n = 50; n < 58; ++n) EXPECT_FALSE(g.Messages[n].empty()) << n;
}

}  // namespace
}  // namespace slidestone

namespace slidestone {
namespace {

TEST_F(StageLoaderTest, AStageLoadedAgainAtOnceShowsAWholeHeadUpDisplay) {
  // The stage flow loads every stage a second time at the start of its curtain, well inside
  // the clock's 100 ms: the clock must still be there, and what the loader drew must be shown.
  // Loaded again in the very millisecond of the first load too (the clock step ran just now).
  for (int64_t later : {10, 0}) {
    SCOPED_TRACE("loaded again " + std::to_string(later) + " ms later");
    StartAt(0);
    g.Now += later;
    LoadStage(g, OpenStageHud);
    const StageWindow& f = g.stageWindow;
    const int32_t minutes = g.StageTime / 600;
    EXPECT_TRUE(SameRect(f.hudPanel, 128, 16, 32, 32, f.time, 32 * minutes, 32)) << "clock minutes";
    const auto& shown = f.hudPanel.Shown();
    for (auto [x, y] : {std::pair{240, 80}, std::pair{140, 30}, std::pair{350, 30}, std::pair{420, 90}}) {
      EXPECT_EQ(shown[size_t(y) * 640 + x], f.hudPanel.At(x, y)) << "shown at " << x << "," << y;
    }
    g.Now += 1000;
  }
}

}  // namespace
}  // namespace slidestone
