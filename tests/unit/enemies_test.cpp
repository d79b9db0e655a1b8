// The enemies on a small hand-built field: walkers turning and walking fast, watchers and
// throwers facing the player, the wind-up and the one ball, and the knocked-out count-down.
#include <gtest/gtest.h>

#include "audio/audio.h"
#include "graphics/forms.h"
#include "play/play.h"
#include "play/drawn_positions.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

constexpr int kFloorRow = 5;
constexpr int kOnFloorY = 128;

class EnemiesTest : public ::testing::Test {
 protected:
  Game g;
  RecordingAudio audio;

  void SetUp() override {
    CreateForms(g.forms);
    g.audio = &audio;
    g.StagePhaseFlag = kFalse;
    g.Now = 20000;
    g.enemyClock = g.Now;
    for (int c = 0; c <= 18; ++c) g.Map(c, kFloorRow) = 2;
  }
  EnemyRecord& Add(int32_t state, int x, int y = kOnFloorY) {
    EnemyRecord& e = g.Enemies[g.EnemyCount++];
    e = {};
    e.x = e.prevX = x;
    e.y = e.prevY = y;
    e.state = state;
    return e;
  }
  // One enemy step at the first moment it is due, then a repaint's note of where everyone is
  // drawn.
  void Step() {
    g.Now = g.enemyClock + 101;
    UpdateEnemies(g);
    NoteDrawnPositions(g, g, g, g);
  }
};

TEST_F(EnemiesTest, StepsEvery100MsAndWalkersWalkTwoPixels) {
  EnemyRecord& right = Add(kWalkerRight, 64);
  EnemyRecord& left = Add(kWalkerLeft, 256);
  g.Now = g.enemyClock + 100;
  UpdateEnemies(g);
  EXPECT_EQ(right.x, 64) << "not due at exactly 100 ms";
  EXPECT_EQ(g.SceneDirty, kFalse);
  g.Now += 1;
  UpdateEnemies(g);
  EXPECT_EQ(right.x, 66);
  EXPECT_EQ(left.x, 254);
  EXPECT_EQ(right.y, kOnFloorY);
  EXPECT_EQ(g.EnemyAnim, 1);
  EXPECT_EQ(g.SceneDirty, kTrue);
  for (int i = 0; i < 4; ++i) Step();
  EXPECT_EQ(g.EnemyAnim, 5);
  EXPECT_EQ(right.frame, 2);  // EnemyAnim div 2
  for (int i = 0; i < 5; ++i) Step();
  EXPECT_EQ(g.EnemyAnim, 0);
  EXPECT_EQ(right.frame, 0);
  EXPECT_EQ(right.x, 64 + 20) << "20 pixels a second";
}

TEST_F(EnemiesTest, WalkersTurnBackOntoTheirLastDrawnPositionAtWallsAndEdges) {
  struct Case {
    const char* name;
    int brickCol;  // in the walkers' row, -1 for none
    int32_t state;
    int x, prevX;
    int32_t wantState;
    int wantX;
  } cases[] = {
      {"wall on the left", 1, kWalkerLeft, 65, 69, kWalkerRight, 69},
      {"wall on the right", 5, kWalkerRight, 126, 122, kWalkerLeft, 122},
      {"left edge of the field", -1, kWalkerLeft, 2, 6, kWalkerRight, 6},
      {"right edge of the field", -1, kWalkerRight, 574, 570, kWalkerLeft, 570},
      {"walking away from a wall", 1, kWalkerRight, 65, 69, kWalkerRight, 67},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int col = 0; col <= 18; ++col) g.Map(col, kFloorRow - 1) = kEmptyCell;
    if (c.brickCol >= 0) g.Map(c.brickCol, kFloorRow - 1) = kBrick;
    g.EnemyCount = 0;
    EnemyRecord& e = Add(c.state, c.x);
    e.prevX = c.prevX;
    e.fast = kTrue;
    if (c.state == c.wantState) e.fast = kFalse;
    g.Now = g.enemyClock + 101;
    UpdateEnemies(g);
    EXPECT_EQ(e.state, c.wantState);
    EXPECT_EQ(e.x, c.wantX);
    EXPECT_EQ(e.fast, kFalse) << "a turn ends the fast walk";
  }
}

TEST_F(EnemiesTest, WalkerOverASpeedTileWalksFastEvenWithAnOddX) {
  struct Case {
    const char* name;
    int32_t state;
    int x;
    bool wantFast;
  } cases[] = {
      {"reaches the column exactly", kWalkerRight, 30, true},           // 32
      {"odd x reaches one past the column", kWalkerRight, 31, true},    // 33
      {"two past the column", kWalkerRight, 32, false},                 // 34
      {"odd x going left", kWalkerLeft, 35, true},                      // 33
      {"going left, one short of the column", kWalkerLeft, 33, false},  // 31
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g.Map(1, kFloorRow) = kSpeedTile;  // x 32..63
    g.EnemyCount = 0;
    EnemyRecord& e = Add(c.state, c.x);
    Step();
    EXPECT_EQ(e.fast, c.wantFast ? kTrue : kFalse);
    if (!c.wantFast) continue;
    const int before = e.x;
    Step();
    EXPECT_EQ(e.x, before + 8 * c.state);
    EXPECT_EQ(e.frame, 7);
  }
}

TEST_F(EnemiesTest, WalkerInTheAirKeepsItsXFallsFasterAndLosesItsFastWalk) {
  EnemyRecord& e = Add(kWalkerRight, 128, 64);  // two rows above the floor, nothing under it
  e.fast = kTrue;
  g.enemyVy[0] = 0;
  Step();
  EXPECT_EQ(e.x, 128);
  EXPECT_EQ(e.fast, kFalse);
  int lastDrop = 0, lastY = e.y;
  for (int i = 0; i < 8 && e.y < kOnFloorY; ++i) {
    Step();
    EXPECT_EQ(e.x, 128);
    EXPECT_GE(e.y - lastY, lastDrop);
    lastDrop = e.y - lastY;
    lastY = e.y;
  }
  EXPECT_GT(lastDrop, 1) << "speeds up as it falls";
  for (int i = 0; i < 30; ++i) Step();
  EXPECT_EQ(e.y, kOnFloorY) << "lands on the floor";
  EXPECT_GT(e.x, 128) << "and walks on";
}

TEST_F(EnemiesTest, WalkerWalksOffALedgeOnlyWhenItsFeetFourPixelsInHavePassedTheEdge) {
  for (int c = 9; c <= 18; ++c) g.Map(c, kFloorRow) = kEmptyCell;  // the ledge ends at x 287
  EnemyRecord& e = Add(kWalkerRight, 280);
  Step();
  EXPECT_EQ(e.x, 282);
  EXPECT_EQ(e.y, kOnFloorY) << "its left foot, at 286, still stands on the ledge";
  Step();
  EXPECT_EQ(e.x, 284);
  EXPECT_GT(e.y, kOnFloorY) << "both feet past the edge: it drops in the same step";
  for (int i = 0; i < 3; ++i) {
    Step();
    EXPECT_EQ(e.x, 284) << "no walking in the air";
  }
}

TEST_F(EnemiesTest, WalkerFallingOutOfTheFieldIsGone) {
  for (int c = 0; c <= 18; ++c) g.Map(c, kFloorRow) = kEmptyCell;
  EnemyRecord& e = Add(kWalkerLeft, 200, 340);
  g.enemyVy[0] = 120;
  Step();
  EXPECT_EQ(e.state, kEnemyGone);
  EXPECT_EQ(e.x, 0);
  EXPECT_EQ(e.y, 0);
}

TEST_F(EnemiesTest, WatchersAndThrowersFaceThePlayer) {
  struct Case {
    int x, playerX, wantFacing;
  } cases[] = {{200, 100, 0}, {200, 200, 1}, {200, 300, 1}};
  for (int32_t state : {kWatcher, kThrower}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << "state " << state << " player " << c.playerX);
      g.EnemyCount = 0;
      EnemyRecord& e = Add(state, c.x);
      e.facing = 1 - c.wantFacing;
      g.PlayerX = c.playerX;
      Step();
      EXPECT_EQ(e.facing, c.wantFacing);
      EXPECT_EQ(e.x, c.x);
    }
  }
}

TEST_F(EnemiesTest, ThrowerWindsUpAnimatesKeepingItsFacingAndThrowsTheBall) {
  EnemyRecord& t = Add(kThrower, 300);
  g.PlayerX = 500;  // to the right
  for (int i = 0; i < 19; ++i) Step();
  EXPECT_EQ(t.windup, 19);
  EXPECT_EQ(t.throwTimer, 0);
  EXPECT_EQ(t.throwFrame, 0);
  Step();  // the 20th step starts the throw animation
  EXPECT_EQ(t.throwTimer, 2);
  EXPECT_EQ(t.throwFrame, 7);
  g.PlayerX = 100;  // the player runs to the other side: the thrower keeps facing right
  const int32_t wantFrames[] = {5, 6, 7, 5, 6, 7, 5, 6};  // throwTimer 3..10
  for (int32_t want : wantFrames) {
    Step();
    EXPECT_EQ(t.throwFrame, want);
    EXPECT_EQ(t.facing, 1);
    EXPECT_EQ(g.BallActive, kFalse);
  }
  Step();  // throwTimer passes 10: the ball leaves, and flies its first 5 pixels at once
  EXPECT_EQ(g.BallActive, kTrue);
  EXPECT_EQ(g.BallVx, 5);
  EXPECT_EQ(g.BallX, 300 + 24 + 5);
  EXPECT_EQ(g.BallY, kOnFloorY + 12);
  EXPECT_EQ(t.throwTimer, 0);
  EXPECT_EQ(t.windup, 0);
  EXPECT_EQ(t.throwFrame, 0);
  Step();
  EXPECT_EQ(t.facing, 0) << "turns to the player again once the ball is out";
  EXPECT_EQ(g.BallX, 300 + 24 + 10);
  EXPECT_EQ(t.windup, 0) << "no wind-up while the ball flies";
}

TEST_F(EnemiesTest, ThrowerFacingLeftThrowsLeft) {
  EnemyRecord& t = Add(kThrower, 300);
  t.windup = 19;
  g.PlayerX = 10;
  for (int i = 0; i < 10; ++i) Step();
  EXPECT_EQ(g.BallActive, kTrue);
  EXPECT_EQ(g.BallVx, -5);
  EXPECT_EQ(g.BallX, 300 - 8 - 5);
}

TEST_F(EnemiesTest, TwoThrowersNeverHaveTwoBallsInFlight) {
  EnemyRecord& a = Add(kThrower, 100);
  EnemyRecord& b = Add(kThrower, 400);
  g.PlayerX = 250;  // a throws right, b throws left
  a.windup = 19;
  b.windup = 19;
  for (int i = 0; i < 9; ++i) Step();
  EXPECT_EQ(a.throwTimer, 10);
  EXPECT_EQ(b.throwTimer, 10);
  Step();  // a throws first; b, later in the same step, finds the ball in flight and waits
  EXPECT_EQ(g.BallActive, kTrue);
  EXPECT_EQ(g.BallVx, 5);
  EXPECT_EQ(g.BallX, 100 + 24 + 5);
  EXPECT_EQ(b.throwTimer, 10);
  int steps = 0;
  while (g.BallActive != 0 && steps < 200) {
    Step();
    ++steps;
    if (g.BallActive != 0) {
      EXPECT_EQ(g.BallVx, 5) << "still a's ball";
      EXPECT_EQ(b.throwTimer, 10);
      EXPECT_EQ(a.windup, 0);
    }
  }
  EXPECT_EQ(g.BallX, 0);
  Step();  // a counts one (no ball at its turn), then b throws
  EXPECT_EQ(g.BallActive, kTrue);
  EXPECT_EQ(g.BallVx, -5);
  EXPECT_EQ(g.BallX, 400 - 8 - 5);
  EXPECT_EQ(a.windup, 1);
  Step();
  EXPECT_EQ(a.windup, 1) << "a's count waits for b's ball";
}

TEST_F(EnemiesTest, BallLeavesTheFieldBelowZeroOrBeyond592) {
  struct Case {
    int x, vx;
    bool stays;
  } cases[] = {{587, 5, true}, {588, 5, false}, {5, -5, true}, {4, -5, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    g.BallActive = kTrue;
    g.BallX = c.x;
    g.BallVx = c.vx;
    Step();
    EXPECT_EQ(g.BallActive, c.stays ? kTrue : kFalse);
    EXPECT_EQ(g.BallX, c.stays ? c.x + c.vx : 0);
  }
}

TEST_F(EnemiesTest, KnockedOutEnemyStaysPutAndIsGoneAfterTenSteps) {
  for (int32_t state :
       {kKnockedOutWalkerRight, kKnockedOutWalkerLeft, kKnockedOutWatcher, kKnockedOutThrower}) {
    SCOPED_TRACE(state);
    g.EnemyCount = 0;
    EnemyRecord& e = Add(state, 200);
    e.frame = 0;
    for (int i = 1; i <= 9; ++i) {
      Step();
      EXPECT_EQ(e.frame, i);
      EXPECT_EQ(e.state, state);
      EXPECT_EQ(e.x, 200);
    }
    Step();
    EXPECT_EQ(e.state, kEnemyGone);
    Step();
    EXPECT_EQ(e.state, kEnemyGone);
    EXPECT_EQ(e.frame, 10) << "gone records are left alone";
  }
}

TEST_F(EnemiesTest, StoneKnockOutThenGoneASecondLater) {
  EnemyRecord& w = Add(kWalkerLeft, 90);
  g.StoneX = g.StonePrevX = 70;
  g.StoneY = g.StonePrevY = kOnFloorY;
  g.StoneDir = 1;
  g.StonePeriod = 40;
  g.stoneClock = g.Now;
  g.Now = g.stoneClock + 41;
  UpdateStone(g);
  ASSERT_EQ(w.state, kKnockedOutWalkerLeft);
  for (int i = 0; i < 10; ++i) Step();
  EXPECT_EQ(w.state, kEnemyGone);
}

}  // namespace
}  // namespace slidestone
