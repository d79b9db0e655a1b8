// The order of play within one pass of the stage loop: steps that fall due together run in a
// fixed order (player, stone, enemies), and each sees what the ones before it changed. A walker
// that closes in by two pixels tells the order apart: whoever looks for it before it moves
// finds it two pixels short.
#include <gtest/gtest.h>

#include "shell/game_loop.h"
#include "stage_test_sheets.h"
#include "play/play.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

constexpr int kFloorRow = 5;
constexpr int kOnFloorY = 128;

// A floor across the field, the player and the stone on it, one walker heading left, and no
// step due until a test makes it so.
struct OrderField {
  testing::StageScreen screen;
  Game& g = screen.g;
  RecordingAudio audio;
  EnemyRecord& walker = g.Enemies[0];

  OrderField(int playerX, int stoneX, int walkerX) {
    g.audio = &audio;
    g.GameState = kStatePlay;
    g.StagePhaseFlag = kFalse;
    for (int c = 0; c <= 18; ++c) g.Map(c, kFloorRow) = kMetalBlock;
    g.PlayerX = g.PlayerPrevX = playerX;
    g.PlayerY = g.PlayerPrevY = kOnFloorY;
    g.StoneX = g.StonePrevX = stoneX;
    g.StoneY = g.StonePrevY = kOnFloorY;
    g.StoneDir = 1;
    g.StoneSpeed = 3;
    g.EnemyCount = 1;
    walker.x = walker.prevX = walkerX;
    walker.y = walker.prevY = kOnFloorY;
    walker.state = kWalkerLeft;
    g.Now += 1;
    g.walkClock = g.actionClock = g.stoneClock = g.enemyClock = g.tileClock =
        g.stageTimerClock = g.hudClock = g.Now;
  }
  // The step whose clock is given runs at the next pass.
  void DueNext(int64_t& clock, int64_t interval) { clock = g.Now + 1 - interval - 1; }
  void Pass() {
    g.Now += 1;
    StagePass(g);
  }
};

// The stone reaches 24 pixels past its x: after its slide step (101) the walker at 126 is still
// out of reach; only then does the walker step to 124, inside it. The knock-out waits for the
// stone's next step.
TEST(PlayOrder, TheStoneStepsBeforeTheEnemies) {
  OrderField f(/*playerX=*/512, /*stoneX=*/100, /*walkerX=*/126);
  Game& g = f.g;
  f.DueNext(g.stoneClock, g.StonePeriod);
  f.DueNext(g.enemyClock, 100);
  f.Pass();
  ASSERT_EQ(g.StoneX, 101) << "one slide step";
  ASSERT_EQ(f.walker.x, 124) << "one walker step";
  EXPECT_EQ(f.walker.state, kWalkerLeft) << "out of reach when the stone looked";
  EXPECT_EQ(g.StageScore, 0);
}

// An enemy hurts within 16 pixels: the walk step's hit test finds the walker at 318, 18 pixels
// off, before the walker steps to 316. The knock-out waits for the next walk step.
TEST(PlayOrder, ThePlayerStepsBeforeTheEnemies) {
  OrderField f(/*playerX=*/300, /*stoneX=*/0, /*walkerX=*/318);
  Game& g = f.g;
  f.DueNext(g.walkClock, 50);
  f.DueNext(g.enemyClock, 100);
  f.Pass();
  ASSERT_EQ(f.walker.x, 316) << "one walker step";
  EXPECT_EQ(g.PlayerHit, kFalse) << "out of reach when the player's step looked";
}

}  // namespace
}  // namespace slidestone
