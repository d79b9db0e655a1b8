// The play-field renderer: nothing new and no positions remembered without SceneDirty; each
// figure from its own sheet cell, in layer order, the pipe cover and the rising speed label.
#include <gtest/gtest.h>

#include "presentation/presentation.h"
#include "stage_test_sheets.h"
#include "play/play.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

using testing::SameRect;

class RendererTest : public ::testing::Test {
 protected:
  testing::StageScreen screen;
  Game& g = screen.g;
  Surface& field = g.stageWindow.field;
  const Surface& tiles = g.stageWindow.fieldSheet;

  void SetUp() override {
    testing::PaintTraced(g.stageWindow.cleanField, 11);
    // Everyone parked in their own corner of the field, out of each other's way.
    g.PlayerX = 32;
    g.PlayerY = 32;
    g.StoneX = 96;
    g.StoneY = 32;
    g.SceneDirty = kTrue;
  }
  bool Clean(int x, int y, int w = 32, int h = 32) {
    return SameRect(field, x, y, w, h, g.stageWindow.cleanField, x, y);
  }
  EnemyRecord& AddEnemy(int x, int y, int32_t state, int32_t frame = 0, int32_t facing = 0) {
    EnemyRecord& e = g.Enemies[g.EnemyCount++];
    e = EnemyRecord{};
    e.x = x;
    e.y = y;
    e.prevX = e.prevY = -1;
    e.state = state;
    e.frame = frame;
    e.facing = facing;
    return e;
  }
};

TEST_F(RendererTest, WithoutSceneDirtyNothingIsDrawnAndNoPositionIsRemembered) {
  FieldFrameStep(g);  // a first repaint
  g.PlayerPrevX = g.PlayerPrevY = g.StonePrevX = g.StonePrevY = 5;
  g.PlayerX = 300;
  g.StoneX = 400;
  AddEnemy(200, 200, 0);
  Copy(field, 0, 0, 16, 16, tiles, 0, 64);  // drawn by someone else, not yet presented
  const auto image = field.Pixels();
  g.SceneDirty = kFalse;
  FieldFrameStep(g);
  EXPECT_EQ(field.Pixels(), image);
  EXPECT_EQ(field.Shown(), image) << "still presented";
  EXPECT_EQ(g.PlayerPrevX, 5);
  EXPECT_EQ(g.PlayerPrevY, 5);
  EXPECT_EQ(g.StonePrevX, 5);
  EXPECT_EQ(g.StonePrevY, 5);
  EXPECT_EQ(g.Enemies[0].prevX, -1);
}

TEST_F(RendererTest, ARepaintDrawsEachFigureFromItsCellAndRemembersWhereItWas) {
  g.Items[0] = {320, 0, 20, 2};   // goal flag, third frame
  g.Items[1] = {352, 0, 21, 0};   // bucket
  g.Items[2] = {384, 0, 0, 0};    // collected
  g.ItemCount = 3;
  AddEnemy(0, 96, 0, 0, 1);              // watcher facing right
  AddEnemy(64, 96, -1, 3);               // walker walking left
  AddEnemy(128, 96, 1, 7);               // fast walker walking right
  AddEnemy(192, 96, 6, 0, 1).throwFrame = 6;  // thrower mid-throw, facing right
  AddEnemy(256, 96, 5, 0);               // watcher just knocked out: not drawn yet
  AddEnemy(320, 96, 5, 5, 1);            // watcher toppling, column 2
  AddEnemy(384, 96, 7, 2);               // thrower toppling, column 1
  AddEnemy(448, 96, 4, 1);               // knocked walker, other facing
  AddEnemy(512, 96, 2, 5);               // gone
  g.BallActive = kTrue;
  g.BallX = 0;
  g.BallY = 200;
  g.SpringShown = kTrue;
  g.SpringX = 64;
  g.SpringY = 200;
  g.SpringRise = 3;
  g.PlayerFrame = 2;
  g.PlayerPose = 5;
  g.StoneSpinX = 160;
  FieldFrameStep(g);

  EXPECT_EQ(g.SceneDirty, kFalse);
  EXPECT_EQ(g.PlayerPrevX, 32);
  EXPECT_EQ(g.PlayerPrevY, 32);
  EXPECT_EQ(g.StonePrevX, 96);
  EXPECT_EQ(g.StonePrevY, 32);
  EXPECT_EQ(field.Shown(), field.Pixels());

  EXPECT_TRUE(SameRect(field, 320, 0, 32, 32, tiles, 64, 128)) << "goal flag";
  EXPECT_TRUE(SameRect(field, 352, 0, 32, 32, tiles, 0, 160)) << "bucket";
  EXPECT_TRUE(Clean(384, 0)) << "collected item";

  EXPECT_TRUE(SameRect(field, 0, 96, 32, 32, tiles, 0, 384)) << "watcher";
  EXPECT_TRUE(SameRect(field, 64, 96, 32, 32, tiles, 96, 256)) << "walker left";
  EXPECT_TRUE(SameRect(field, 128, 96, 32, 32, tiles, 224, 192)) << "fast walker";
  EXPECT_TRUE(SameRect(field, 192, 96, 32, 32, tiles, 192, 512)) << "thrower";
  EXPECT_TRUE(Clean(256, 96)) << "knocked out this step";
  EXPECT_TRUE(SameRect(field, 320, 96, 32, 32, tiles, 64, 384)) << "watcher toppling";
  EXPECT_TRUE(SameRect(field, 384, 96, 32, 32, tiles, 32, 448)) << "thrower toppling";
  EXPECT_TRUE(SameRect(field, 448, 96, 32, 32, tiles, 160, 256)) << "knocked walker";
  EXPECT_TRUE(Clean(512, 96)) << "gone";
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(g.Enemies[i].prevX, g.Enemies[i].x) << i;
    EXPECT_EQ(g.Enemies[i].prevY, 96) << i;
  }
  for (int i = 4; i < 9; ++i) EXPECT_EQ(g.Enemies[i].prevX, -1) << "knocked out or gone: " << i;

  EXPECT_TRUE(SameRect(field, 0, 200, 16, 16, tiles, 192, 160)) << "ball";
  EXPECT_TRUE(SameRect(field, 64, 212, 32, 32, g.stageWindow.jumpd, 96, 0)) << "spring";
  EXPECT_TRUE(SameRect(field, 32, 32, 32, 32, g.stageWindow.mainchar, 64, 160)) << "player";
  EXPECT_TRUE(SameRect(field, 96, 32, 32, 32, tiles, 160, 0)) << "stone";
}

TEST_F(RendererTest, LaterLayersCoverEarlierOnesAndThePipeCoversThePlayer) {
  // Ball, spring, player and stone on one spot: the stone is on top.
  g.BallActive = g.SpringShown = kTrue;
  g.BallX = g.SpringX = g.PlayerX = g.StoneX = 200;
  g.BallY = g.PlayerY = g.StoneY = 200;
  g.SpringY = 188;
  FieldFrameStep(g);
  EXPECT_TRUE(SameRect(field, 200, 200, 32, 32, tiles, 0, 0));

  // In a pipe the cell under the figure is painted back over it.
  g.StoneX = 400;
  g.BallActive = g.SpringShown = kFalse;
  g.InPipe = kTrue;
  g.PlayerX = 160;
  g.PlayerY = 170;  // sunk partly into the pipe cell below
  g.PlayerCol = 5;
  g.PlayerFootRow = 6;
  g.SceneDirty = kTrue;
  FieldFrameStep(g);
  EXPECT_TRUE(Clean(160, 192));
  EXPECT_TRUE(SameRect(field, 160, 170, 32, 22, g.stageWindow.mainchar, 0, 0)) << "above the pipe";
}

TEST_F(RendererTest, TheSpeedLabelRisesFromTheMiddleOfTheStone) {
  g.SpeedFlash = kTrue;
  struct Case {
    int32_t step, change, y;
  } cases[] = {{0, 0, 32 + 16}, {7, 0, 32 + 2}, {3, 1, 32 + 10}};
  for (const Case& c : cases) {
    g.SpeedFlashStep = c.step;
    g.SpeedChange = c.change;
    g.SceneDirty = kTrue;
    FieldFrameStep(g);
    EXPECT_TRUE(SameRect(field, 96, c.y, 32, 12, tiles, 224, 64 + 12 * c.change)) << c.step;
  }
}

TEST_F(RendererTest, SparklesShowUntilTheirTimeIsUpAndSkipHiddenEntries) {
  for (SparkleEntry& s : g.Sparkles) s = {500, 300, 10};
  g.Sparkles[0] = {400, 300, 2};
  g.Sparkles[10] = {440, 300, 0};
  g.SparkleOn = kTrue;
  g.SparkleTicks = 28;
  FieldFrameStep(g);
  EXPECT_TRUE(SameRect(field, 400, 300, 8, 8, g.stageWindow.overlaySheet, 208, 32));
  EXPECT_TRUE(SameRect(field, 440, 300, 8, 8, g.stageWindow.overlaySheet, 192, 32));
  EXPECT_TRUE(Clean(500, 300, 8, 8));
  g.SparkleTicks = 29;
  g.SceneDirty = kTrue;
  FieldFrameStep(g);
  EXPECT_TRUE(Clean(400, 300, 48, 8));
}

}  // namespace
}  // namespace slidestone
