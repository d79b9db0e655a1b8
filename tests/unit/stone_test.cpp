// The sliding stone on a small hand-built field: walls, ledges, tiles, enemies, the goal, the
// stop, falling out, and the spring launch with its flight.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "graphics/forms.h"
#include "graphics/surface.h"
#include "play/play.h"
#include "play/drawn_positions.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

using Calls = std::vector<std::string>;

constexpr int kFloorRow = 5;  // the stone rides at y 128, on row 5
constexpr int kOnFloorY = 128;
constexpr int kBrick = 1, kMetal = 2;

// The picture of digit d in the time sheet: one flat colour per digit, so what was drawn can be
// told apart by a pixel.
constexpr Pixel DigitColour(int d) { return Rgb(40 + 20 * d, 200, 7); }

class StoneTest : public ::testing::Test {
 protected:
  Game g;
  RecordingAudio audio;

  void SetUp() override {
    CreateForms(g.forms);
    g.audio = &audio;
    g.GameState = kStatePlay;
    g.StagePhaseFlag = kFalse;
    StageWindow& f = g.stageWindow;
    f.time.Resize(320, 192);
    for (int d = 0; d < 10; ++d)
      for (int y = 32; y < 64; ++y)
        for (int x = 32 * d; x < 32 * d + 32; ++x) f.time.Row(y)[x] = DigitColour(d);
    f.overlaySheet.Resize(256, 64);
    f.backdrop.Fill(Rgb(100, 100, 100));
    f.cleanField.Fill(Rgb(100, 100, 100));
    for (int y = 0; y < 32; ++y)
      for (int x = 192; x < 224; ++x) f.overlaySheet.Row(y)[x] = Rgb(10, 20, 30);  // cell (6, 0)
    g.Now = 50000;
  }

  void Floor(int row, int fromCol = 0, int toCol = 18, int code = kMetal) {
    for (int c = fromCol; c <= toCol; ++c) g.Map(c, row) = code;
  }
  void Stone(int x, int y, int dir, int speed = 3) {
    g.StoneX = g.StonePrevX = x;
    g.StoneY = g.StonePrevY = y;
    g.StoneDir = dir;
    g.StoneSpeed = speed;
    g.stoneClock = g.Now;
  }
  // What a repaint does for play: the drawn position becomes the previous one.
  void Drawn() {
    if (g.SceneDirty == 0) return;
    NoteDrawnPositions(g, g, g, g);
    g.SceneDirty = kFalse;
  }
  // Runs exactly one slide step, at the first moment it is due.
  void SlideOnce() {
    g.Now = g.stoneClock + g.StonePeriod + 1;
    UpdateStone(g);
    Drawn();
  }
  // One pass per millisecond, as the game loop runs the stone.
  void RunMs(int ms) {
    for (int i = 0; i < ms; ++i) {
      ++g.Now;
      UpdateStone(g);
      Drawn();
    }
  }
  Pixel SpeedDigitPixel() const { return g.stageWindow.hudPanel.At(240, 80); }
};

TEST_F(StoneTest, SlideStepComesOnlyWhenItsPeriodHasPassed) {
  Floor(kFloorRow);
  Stone(64, kOnFloorY, 1);
  g.StonePeriod = 40;
  g.stoneClock = 1000;
  g.Now = 1040;
  UpdateStone(g);
  EXPECT_EQ(g.StoneX, 64);
  g.Now = 1041;
  UpdateStone(g);
  EXPECT_EQ(g.StoneX, 65);
  EXPECT_EQ(g.stoneClock, 1041);
  EXPECT_EQ(g.StoneSpin, 1);
  EXPECT_EQ(g.StonePeriod, 40);  // speed 3
  EXPECT_EQ(g.SceneDirty, kTrue);
}

TEST_F(StoneTest, WallsTurnTheStoneAndASqueezedStoneKeepsItsDirection) {
  struct Case {
    const char* name;
    std::vector<int> brickCols;  // bricks in the stone's row
    int x, dir, wantX, wantDir;
  } cases[] = {
      {"open floor right", {}, 64, 1, 65, 1},
      {"open floor left", {}, 64, -1, 63, -1},
      {"brick ahead on the right", {3}, 64, 1, 64, -1},
      {"brick ahead on the left", {1}, 64, -1, 64, 1},
      {"brick behind does not turn", {1}, 64, 1, 65, 1},
      {"right edge of the field", {}, 576, 1, 576, -1},
      {"onto the right edge, not turning a pixel early", {}, 575, 1, 576, 1},
      {"left edge of the field", {}, 0, -1, 0, 1},
      {"squeezed, going right", {1, 2}, 40, 1, 40, 1},
      {"squeezed, going left", {1, 2}, 40, -1, 40, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int col = 0; col <= 18; ++col) g.Map(col, kFloorRow - 1) = 0;
    for (int col : c.brickCols) g.Map(col, kFloorRow - 1) = kBrick;
    Floor(kFloorRow);
    Stone(c.x, kOnFloorY, c.dir);
    SlideOnce();
    EXPECT_EQ(g.StoneX, c.wantX);
    EXPECT_EQ(g.StoneDir, c.wantDir);
    EXPECT_EQ(g.StoneY, kOnFloorY);
  }
}

TEST_F(StoneTest, LeavesALedgeOnlyWithItsWholeWidthAndLandsFlushOnTheFloorBelow) {
  Floor(kFloorRow, 0, 3);  // ledge ends at x 127
  Floor(8);                // lower floor: the stone rests at y 224
  Stone(126, kOnFloorY, 1);
  SlideOnce();
  EXPECT_EQ(g.StoneX, 127);
  EXPECT_EQ(g.StoneY, kOnFloorY);
  SlideOnce();
  EXPECT_EQ(g.StoneX, 128);  // the last pixel still on the ledge moves it off
  // It drops at once with the floor speed of 3 pixels and one pixel more each step.
  EXPECT_EQ(g.StoneY, kOnFloorY + 3);
  for (int drop : {4, 5, 6}) {
    const int before = g.StoneY;
    SlideOnce();
    EXPECT_EQ(g.StoneY - before, drop);
  }
  int lastY = g.StoneY;
  for (int i = 0; i < 60 && g.StoneY < 224; ++i) {
    SlideOnce();
    EXPECT_EQ(g.StoneX, 128) << "falls straight down";
    EXPECT_GE(g.StoneY, lastY);
    lastY = g.StoneY;
  }
  EXPECT_EQ(g.StoneY, 224);
  SlideOnce();
  SlideOnce();
  EXPECT_EQ(g.StoneY, 224) << "rests on the floor without sinking";
  EXPECT_GT(g.StoneX, 128) << "slides on";
}

TEST_F(StoneTest, ArrowsActOnlyWhenTheStoneIsExactlyOverTheirColumn) {
  struct Case {
    const char* name;
    int code, x, dir, wantDir;
  } cases[] = {
      // the tile is column 2 (x 64..95); x is before the step
      {"right arrow leaves a rightward stone alone", 3, 63, 1, 1},
      {"right arrow turns a leftward stone", 3, 65, -1, 1},
      {"left arrow turns a rightward stone", 4, 63, 1, -1},
      {"left arrow leaves a leftward stone alone", 4, 65, -1, -1},
      {"spent speed tile does nothing", 10, 63, 1, 1},
      {"left arrow half a column off does nothing", 4, 79, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Floor(kFloorRow);
    g.Map(2, kFloorRow) = c.code;
    Stone(c.x, kOnFloorY, c.dir);
    SlideOnce();
    EXPECT_EQ(g.StoneDir, c.wantDir);
    EXPECT_EQ(g.Map(2, kFloorRow), c.code);
    EXPECT_EQ(g.StoneSpeed, 3);
  }
}

TEST_F(StoneTest, SpeedTileRaisesTheLevelSpendsTheTileAndLightsIt) {
  Floor(kFloorRow);
  g.Map(2, kFloorRow) = 11;
  Stone(63, kOnFloorY, 1, 3);
  g.SpeedDecayCount = 77;
  SlideOnce();
  EXPECT_EQ(g.StoneSpeed, 4);
  EXPECT_EQ(g.StonePeriod, 30);
  EXPECT_EQ(g.Map(2, kFloorRow), kSpentSpeedTile);
  EXPECT_EQ(g.SpeedFlash, kTrue);
  EXPECT_EQ(g.SpeedChange, 0);
  EXPECT_EQ(g.SpeedDecayCount, 77) << "only the clamp restarts the slow-down clock";
  // The spent tile is the backdrop with the char4 light added, in the field and its buffer.
  EXPECT_EQ(g.stageWindow.cleanField.At(64 + 5, 32 * kFloorRow + 5), Rgb(110, 120, 130));
  EXPECT_EQ(g.stageWindow.field.At(64 + 5, 32 * kFloorRow + 5), Rgb(110, 120, 130));

  // The tile is spent: passing it again gives nothing.
  Stone(63, kOnFloorY, 1, 3);
  g.SpeedFlash = kFalse;
  SlideOnce();
  EXPECT_EQ(g.StoneSpeed, 3);
}

TEST_F(StoneTest, SpeedTileAtTopSpeedZoomsWithSixThenClampsToFive) {
  Floor(kFloorRow);
  g.Map(2, kFloorRow) = 11;
  Stone(63, kOnFloorY, 1, 5);
  g.StonePeriod = 20;
  g.SpeedDecayCount = 321;
  g.hudClock = 0;  // the zoom's first frame is due at once
  SlideOnce();
  EXPECT_EQ(g.StoneSpeed, 5);
  EXPECT_EQ(g.SpeedDecayCount, 0);
  EXPECT_EQ(g.StonePeriod, 20);
  EXPECT_EQ(g.SpeedFlash, kTrue);
  EXPECT_EQ(g.SpeedFlashStep, 1) << "the zoom ran once inside the step";
  EXPECT_EQ(SpeedDigitPixel(), DigitColour(6)) << "its first frame shows the level of 6";
}

TEST_F(StoneTest, PeriodAndSpeedDigitFollowTheLevel) {
  struct Case {
    int speed, wantPeriod;
  } cases[] = {{1, 60}, {2, 50}, {3, 40}, {4, 30}, {5, 20}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.speed);
    Floor(kFloorRow);
    Stone(64, kOnFloorY, 1, c.speed);
    g.StonePeriod = 100;
    SlideOnce();
    EXPECT_EQ(g.StonePeriod, c.wantPeriod);
    EXPECT_EQ(SpeedDigitPixel(), DigitColour(c.speed));
    EXPECT_EQ(g.StagePhaseFlag, kFalse);
  }
  // While the zoom runs the step leaves the digit alone.
  Copy(g.stageWindow.hudPanel, 224, 64, 32, 32, g.stageWindow.time, 0, 0);
  g.SpeedFlash = kTrue;
  SlideOnce();
  EXPECT_EQ(SpeedDigitPixel(), 0u);
}

TEST_F(StoneTest, StoneAtSpeedZeroStopsTheStageUnlessThePlayerIsHit) {
  for (Flag hit : {kFalse, kTrue}) {
    SCOPED_TRACE(hit);
    Floor(kFloorRow);
    Stone(64, kOnFloorY, 1, 0);
    g.StonePeriod = 60;
    g.PlayerHit = hit;
    g.StagePhaseFlag = kFalse;
    g.StageEndReason = kEndLostTry;
    Copy(g.stageWindow.hudPanel, 0, 0, 640, 480, g.stageWindow.time, 0, 0);  // black
    g.stageWindow.hudPanel.Present();
    SlideOnce();
    EXPECT_EQ(g.StonePeriod, 60) << "speed 0 keeps the period";
    const Pixel shown = g.stageWindow.hudPanel.Shown()[80 * 640 + 240];
    if (hit == kFalse) {
      EXPECT_EQ(g.StageEndReason, kEndStoneStopped);
      EXPECT_EQ(g.StagePhaseFlag, kTrue);
      EXPECT_EQ(shown, DigitColour(0)) << "the 0 is on screen at once";
    } else {
      EXPECT_EQ(g.StageEndReason, kEndLostTry);
      EXPECT_EQ(g.StagePhaseFlag, kFalse);
      EXPECT_EQ(shown, 0u);
    }
  }
}

TEST_F(StoneTest, KnocksOutEveryActiveEnemyItMeets) {
  struct Case {
    int32_t state, wantState;
    const char* sound;
  } cases[] = {
      {0, 5, "effect sound/teki01.wav 4"},
      {6, 7, "effect sound/teki01.wav 4"},
      {1, 3, "effect sound/teki02.wav 4"},
      {-1, 4, "effect sound/teki02.wav 4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    Floor(kFloorRow);
    Stone(63, kOnFloorY, 1);
    g.EnemyCount = 1;
    g.Enemies[0] = {};
    g.Enemies[0].x = 80;
    g.Enemies[0].y = kOnFloorY;
    g.Enemies[0].state = c.state;
    g.Enemies[0].frame = 4;
    g.StageScore = 10;
    g.TotalScore = 1000;
    audio.TakeCalls();
    SlideOnce();
    EXPECT_EQ(g.Enemies[0].state, c.wantState);
    EXPECT_EQ(g.Enemies[0].frame, 0);
    EXPECT_EQ(g.StageScore, 210);
    EXPECT_EQ(g.TotalScore, 1200);
    EXPECT_EQ(audio.TakeCalls(), Calls{c.sound});
  }
}

TEST_F(StoneTest, KnockOutBoxEdges) {
  // The stone is at (64, 128) after its step.
  struct Case {
    int ex, ey;
    bool hit;
  } cases[] = {
      {64 + 24, 128, true}, {64 + 25, 128, false}, {64 - 23, 128, true}, {64 - 24, 128, false},
      {64, 128 - 8, true},  {64, 128 - 9, false},  {64, 128 + 24, true}, {64, 128 + 25, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.ex << "," << c.ey);
    Floor(kFloorRow);
    Stone(63, kOnFloorY, 1);
    g.EnemyCount = 1;
    g.Enemies[0] = {};
    g.Enemies[0].x = c.ex;
    g.Enemies[0].y = c.ey;
    SlideOnce();
    EXPECT_EQ(g.Enemies[0].state, c.hit ? 5 : 0);
  }
}

TEST_F(StoneTest, TwoEnemiesInOneStepGive400AndInactiveOnesAreLeftAlone) {
  Floor(kFloorRow);
  Stone(63, kOnFloorY, 1);
  g.EnemyCount = 4;
  const int32_t states[] = {1, 2, 6, 3};  // walker, gone, thrower, already knocked out
  for (int i = 0; i < 4; ++i) {
    g.Enemies[i] = {};
    g.Enemies[i].x = 70 + i;
    g.Enemies[i].y = kOnFloorY;
    g.Enemies[i].state = states[i];
    g.Enemies[i].frame = 3;
  }
  g.Enemies[4].state = 1;  // beyond the count: never looked at
  g.Enemies[4].x = 70;
  g.Enemies[4].y = kOnFloorY;
  SlideOnce();
  EXPECT_EQ(g.StageScore, 400);
  EXPECT_EQ(g.TotalScore, 400);
  EXPECT_EQ(g.Enemies[0].state, 3);
  EXPECT_EQ(g.Enemies[1].state, 2);
  EXPECT_EQ(g.Enemies[2].state, 7);
  EXPECT_EQ(g.Enemies[3].state, 3);
  EXPECT_EQ(g.Enemies[3].frame, 3);
  EXPECT_EQ(g.Enemies[4].state, 1);
  EXPECT_EQ(audio.TakeCalls(),
            (Calls{"effect sound/teki02.wav 4", "effect sound/teki01.wav 4"}));
}

TEST_F(StoneTest, GoalAddsTheBonusAndAdvancesTheStage) {
  struct Case {
    const char* name;
    Flag timeLimit;
    int32_t stageTime, toolPoints, wantBonus;
  } cases[] = {
      {"time limit on", kTrue, 1003, 3, 250 + 60},
      {"time limit off", kFalse, 1003, 3, 60},
      {"no points left, time on", kTrue, 7, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Floor(kFloorRow);
    g.AiMap(2, 4) = 20;
    g.AiMap(3, 4) = 20;
    Stone(71, kOnFloorY, 1);  // after the step x 72: probes at 80 and 96, both goal cells
    g.TimeLimitOn = c.timeLimit;
    g.StageTime = c.stageTime;
    g.ToolPoints = c.toolPoints;
    g.StageScore = 100;
    g.TotalScore = 5000;
    g.Stage = 4;
    g.StagePhaseFlag = kFalse;
    g.StageEndReason = kEndLostTry;
    SlideOnce();
    EXPECT_EQ(g.StageScore, 100 + c.wantBonus);
    EXPECT_EQ(g.TotalScore, 5000 + c.wantBonus);
    EXPECT_EQ(g.Stage, 5);
    EXPECT_EQ(g.StageEndReason, kEndGoal);
    EXPECT_EQ(g.StagePhaseFlag, kTrue);
  }
}

TEST_F(StoneTest, GoalNeedsBothProbesAndAPlayerStillStanding) {
  struct Case {
    const char* name;
    int stoneX;
    Flag hit;
  } cases[] = {
      {"only the quarter probe on the goal", 39, kFalse},  // x 40: probes at 48 (goal), 64
      {"player knocked out", 71, kTrue},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Floor(kFloorRow);
    g.AiMap(1, 4) = 20;
    g.AiMap(2, 4) = 0;
    g.AiMap(3, 4) = 20;
    if (c.stoneX == 71) g.AiMap(2, 4) = 20;
    Stone(c.stoneX, kOnFloorY, 1);
    g.PlayerHit = c.hit;
    g.Stage = 4;
    SlideOnce();
    EXPECT_EQ(g.Stage, 4);
    EXPECT_EQ(g.StagePhaseFlag, kFalse);
  }
}

TEST_F(StoneTest, GoalProbesSitAQuarterAndThreeQuartersAcross) {
  // Goal cells in columns 2 and 3 (x 64..127); x is before the step.
  struct Case {
    const char* name;
    int x, dir;
    bool home;
  } cases[] = {
      {"from the left, quarter probe one short", 54, 1, false},     // x 55: probe at 63
      {"from the left, quarter probe on the goal", 55, 1, true},    // x 56: probe at 64
      {"from the right, far probe one past", 105, -1, false},       // x 104: probe at 128
      {"from the right, far probe on the goal", 104, -1, true},     // x 103: probe at 127
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Floor(kFloorRow);
    g.AiMap(2, 4) = 20;
    g.AiMap(3, 4) = 20;
    Stone(c.x, kOnFloorY, c.dir);
    g.Stage = 4;
    g.StagePhaseFlag = kFalse;
    SlideOnce();
    EXPECT_EQ(g.Stage, c.home ? 5 : 4);
    EXPECT_EQ(g.StagePhaseFlag, c.home ? kTrue : kFalse);
  }
}

TEST_F(StoneTest, FallingOutEndsTheStageWithASoundOnlyWhenThePlayerIsNotHit) {
  for (Flag hit : {kFalse, kTrue}) {
    SCOPED_TRACE(hit);
    Stone(64, 350, 1);  // nothing below: it keeps falling
    g.stoneVy = 40;
    g.PlayerHit = hit;
    g.StagePhaseFlag = kFalse;
    audio.TakeCalls();
    SlideOnce();
    if (hit == kFalse) {
      EXPECT_EQ(g.StagePhaseFlag, kTrue);
      EXPECT_EQ(g.StoneY, 354);
      EXPECT_EQ(audio.TakeCalls(), Calls{"effect sound/rakka.wav 7"});
    } else {
      EXPECT_EQ(g.StagePhaseFlag, kFalse);
      EXPECT_EQ(g.StoneY, 352);
      EXPECT_EQ(audio.TakeCalls(), Calls{});
    }
    EXPECT_EQ(g.StageEndReason, kEndLostTry);
  }
}

// --- the spring launch -------------------------------------------------------------------------

class LaunchTest : public StoneTest {
 protected:
  // A spring on cell (4, 4) and a stone one pixel short of it, going right.
  void SetUpSpring(int speed = 3) {
    Floor(kFloorRow);
    g.AiMap(4, 4) = 30;
    g.SpringX = 128;
    g.SpringY = 4 * 32;
    g.SpringShown = kTrue;
    g.SpringTicks = 0;
    g.SpringStep = 1;
    Stone(127, kOnFloorY, 1, speed);
  }
  // A stone in flight, the spring phase over, at (x, y) going right with vertical speed vy.
  void StartFlight(int x, int y, int vy) {
    Stone(x, y, 1);
    g.StoneLaunched = kTrue;
    g.springActive = kFalse;
    g.stoneFlying = kTrue;
    g.launchBlocked = kFalse;
    g.stoneBumped = kFalse;
    g.stoneVy = vy;
    g.flightClock = g.Now;
  }
  // Runs until the launch is over (or a limit), noting the highest point drawn.
  int FlyOut(int limitMs = 10000) {
    int top = g.StoneY;
    for (int t = 0; t < limitMs && g.StoneLaunched != 0; ++t) {
      RunMs(1);
      top = std::min(top, g.StoneY);
    }
    return top;
  }
};

TEST_F(LaunchTest, StoneOnTheSpringIsThrownInAnArcAndLandsFlush) {
  SetUpSpring(3);
  SlideOnce();
  EXPECT_EQ(g.StoneX, 128);
  EXPECT_EQ(g.StoneLaunched, kTrue);
  EXPECT_EQ(g.springActive, kTrue);
  EXPECT_EQ(audio.TakeCalls(), Calls{"effect sound/stone02.wav 7"});

  // The spring lifts 5 pixels per 80-ms tick.
  const int64_t start = g.Now;
  g.springClock = start;
  g.Now = start + 80;
  UpdateStone(g);
  EXPECT_EQ(g.StoneY, kOnFloorY) << "not due at exactly 80 ms";
  g.Now = start + 81;
  UpdateStone(g);
  Drawn();
  EXPECT_EQ(g.StoneY, kOnFloorY - 5);
  EXPECT_EQ(g.SpringRise, 1);
  EXPECT_EQ(g.SpringTicks, 1);
  EXPECT_EQ(g.stoneFlying, kFalse);
  RunMs(3 * 81);
  EXPECT_EQ(g.SpringTicks, 4);
  EXPECT_EQ(g.stoneFlying, kTrue);
  EXPECT_EQ(g.SpringStep, -1);
  EXPECT_EQ(g.SpringRise, 4);

  // Rises 13 + 12 + ... + 1 = 91 above the spring's 20 pixels: the top is y 17.
  const int top = FlyOut();
  EXPECT_EQ(top, 17);
  EXPECT_EQ(g.StoneLaunched, kFalse);
  EXPECT_EQ(g.StoneY, kOnFloorY) << "snapped onto the floor";
  // 29 flight ticks of 5 pixels: up 13..1, 0, down 1..12, then 11, 12, 11 to reach the floor.
  EXPECT_EQ(g.StoneX, 128 + 29 * 5);
  EXPECT_EQ(g.StoneDir, 1);
  EXPECT_EQ(g.AiMap(4, 4), kNoObject);
  EXPECT_EQ(g.SpringShown, kFalse);
  EXPECT_EQ(g.SpringTicks, 0);
  EXPECT_EQ(g.SpringRise, 0);
  EXPECT_EQ(g.SpringStep, 1);
  EXPECT_EQ(audio.TakeCalls(), Calls{"effect sound/stone01.wav 7"});

  // Sliding again from the landing spot.
  const int landedX = g.StoneX;
  RunMs(200);
  EXPECT_GT(g.StoneX, landedX);
  EXPECT_EQ(g.StoneY, kOnFloorY);
}

TEST_F(LaunchTest, FallingSpeedAlternatesElevenAndTwelve) {
  SetUpSpring(1);  // lower arc: vy starts at 9
  Floor(kFloorRow, 5, 18, 0);  // nothing to land on past the spring: it falls out
  SlideOnce();
  ASSERT_EQ(g.StoneLaunched, kTrue);
  std::vector<int> fallSteps;
  int lastY = g.StoneY;
  for (int t = 0; t < 5000 && g.StoneY < kFieldH && g.StagePhaseFlag == 0; ++t) {
    RunMs(1);
    if (g.StoneY != lastY && g.stoneFlying != 0) fallSteps.push_back(g.StoneY - lastY);
    lastY = g.StoneY;
  }
  ASSERT_GE(fallSteps.size(), 6u);
  const size_t n = fallSteps.size();
  // The last whole ticks before leaving the field: 12 and 11 in turn, never 13.
  EXPECT_EQ(std::max(fallSteps[n - 2], fallSteps[n - 3]), 12);
  EXPECT_EQ(std::min(fallSteps[n - 2], fallSteps[n - 3]), 11);
  for (int s : fallSteps) EXPECT_LE(s, 12);
}

TEST_F(LaunchTest, BrickAboveBlocksTheLaunchAndSlidingResumesAtTheNinthSpringTick) {
  SetUpSpring(3);
  g.Map(4, 3) = kBrick;  // straight above the spring
  SlideOnce();
  audio.TakeCalls();
  int top = g.StoneY;
  int ticksBeforeEnd = -1;
  for (int t = 0; t < 3000 && g.StoneLaunched != 0; ++t) {
    ticksBeforeEnd = g.SpringTicks;
    RunMs(1);
    EXPECT_EQ(g.StoneX, 128) << "no sideways motion";
    top = std::min(top, g.StoneY);
  }
  EXPECT_EQ(g.launchBlocked, kTrue);
  EXPECT_EQ(g.StoneLaunched, kFalse);
  EXPECT_EQ(ticksBeforeEnd, 8) << "ended by the ninth spring tick, not by the landing";
  // The brick is met at the third lift (y 113); the first flight tick bumps its head and puts
  // it back where it was last drawn, so it never rises further.
  EXPECT_EQ(top, kOnFloorY - 15);
  EXPECT_EQ(g.AiMap(4, 4), kNoObject);
  EXPECT_EQ(g.SpringShown, kFalse);
  EXPECT_EQ(audio.TakeCalls(), Calls{}) << "a blocked launch lands silently";
  RunMs(1500);
  EXPECT_EQ(g.StoneY, kOnFloorY);
  EXPECT_GT(g.StoneX, 128) << "sliding again";
}

TEST_F(LaunchTest, StoneThrownOffTheTopIsHeldAtMinus24) {
  // Floor on row 1: the stone starts at y 0 and speed 5 throws it 17 + 16 + ... pixels up.
  Floor(1);
  g.AiMap(4, 0) = 30;
  g.SpringX = 128;
  g.SpringY = 0;
  Stone(127, 0, 1, 5);
  SlideOnce();
  ASSERT_EQ(g.StoneLaunched, kTrue);
  bool held = false;
  for (int t = 0; t < 2000 && g.stoneFlying == 0; ++t) RunMs(1);
  for (int t = 0; t < 3000 && g.StoneLaunched != 0; ++t) {
    RunMs(1);
    EXPECT_GE(g.StoneY, -24);
    if (g.StoneY == -24) {
      held = true;
      EXPECT_LE(g.stoneVy, 0) << "its rise is cut";
    }
  }
  EXPECT_TRUE(held);
  EXPECT_EQ(g.StoneY, 0) << "lands back on its floor";
}

TEST_F(LaunchTest, OnlyBricksTurnTheFlyingStone) {
  struct Case {
    const char* name;
    int32_t wall;
    int wantDir;
  } cases[] = {{"brick", kBrick, -1}, {"metal block", kMetal, 1}, {"speed tile", 11, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int col = 0; col <= 18; ++col)
      for (int row = 0; row <= 10; ++row) g.Map(col, row) = 0;
    SetUpSpring(3);
    for (int row = 0; row <= 3; ++row) g.Map(7, row) = c.wall;  // column x 224..255, above
    g.stoneBumped = kFalse;
    SlideOnce();
    FlyOut();
    EXPECT_EQ(g.StoneDir, c.wantDir);
    EXPECT_EQ(g.stoneBumped, c.wantDir == -1 ? kTrue : kFalse);
    if (c.wantDir == 1) {
      EXPECT_EQ(g.StoneX, 128 + 29 * 5);
    } else {
      EXPECT_LT(g.StoneX, 224 - 31);
      EXPECT_EQ(g.StoneY, kOnFloorY);
    }
  }
}

TEST_F(LaunchTest, OnlyTheFirstWallBumpOfAFlightKillsItsRise) {
  struct Case {
    const char* name;
    int32_t wall;
    Flag bumpedBefore;
    int wantX, wantDir, wantVy;
  } cases[] = {
      {"first bump", kBrick, kFalse, 95, -1, -1},
      {"second bump", kBrick, kTrue, 95, -1, 4},
      {"metal is flown through", kMetal, kFalse, 100, 1, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g.Map(4, 1) = g.Map(4, 2) = c.wall;  // x 128..159, y 32..95
    Stone(95, 64, 1);
    g.StoneLaunched = kTrue;
    g.springActive = kFalse;
    g.stoneFlying = kTrue;
    g.launchBlocked = kFalse;
    g.stoneBumped = c.bumpedBefore;
    g.stoneVy = 5;
    g.flightClock = g.Now;
    RunMs(71);  // one flight tick: to (100, 59), where its right side meets the wall
    EXPECT_EQ(g.StoneX, c.wantX);
    EXPECT_EQ(g.StoneDir, c.wantDir);
    EXPECT_EQ(g.stoneVy, c.wantVy);
    EXPECT_EQ(g.StoneY, 59);
  }
}

TEST_F(LaunchTest, FlightTicksEvery70MsWhileTheStoneSpinsAtItsPeriod) {
  g.StonePeriod = 40;
  StartFlight(100, 100, 9);
  RunMs(70);
  EXPECT_EQ(g.StoneX, 100) << "not due at exactly 70 ms";
  EXPECT_EQ(g.StoneSpin, 1) << "spun once, at 41 ms";
  RunMs(1);
  EXPECT_EQ(g.StoneX, 105);
  EXPECT_EQ(g.StoneY, 91);
  RunMs(70);
  EXPECT_EQ(g.StoneX, 105);
  RunMs(1);
  EXPECT_EQ(g.StoneX, 110);
  EXPECT_EQ(g.StoneY, 83);
  EXPECT_EQ(g.StoneSpin, 3);
}

TEST_F(LaunchTest, LandsOnlyWhenAProbeFourPixelsInFromASideIsOverTheFloor) {
  // A metal block on cell (5, 6), x 160..191; the stone comes down from y 160 to 165 moving
  // 5 pixels right, so x is before that tick's move.
  struct Case {
    const char* name;
    int x;
    bool lands;
  } cases[] = {
      {"right probe one short of the block", 125, false},  // x 130: probe at 157
      {"right probe on the block", 128, true},             // x 133: probe at 160
      {"left probe on the block's last column", 182, true}, // x 187: probe at 191
      {"left probe one past the block", 183, false},       // x 188: probe at 192
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g.Map(5, 6) = kMetal;
    StartFlight(c.x, 160, -5);
    RunMs(71);
    EXPECT_EQ(g.StoneX, c.x + 5);
    EXPECT_EQ(g.stoneFlying, c.lands ? kFalse : kTrue);
    EXPECT_EQ(g.StoneLaunched, c.lands ? kFalse : kTrue);
    EXPECT_EQ(g.StoneY, c.lands ? 160 : 165);
  }
}

TEST_F(LaunchTest, ComingDownInsideABlockItFlewIntoLandsOnTheFirstSolidRowBelow) {
  // Floor on row 5 (y 160); a block on cell (5, 4), x 160..191, y 128..159, that the stone's right
  // side is inside of while it falls, so the landing test's side probes are never clear.
  struct Case {
    const char* name;
    int32_t block;
  } cases[] = {{"metal block", kMetal}, {"speed tile", 11}, {"arrow", 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int col = 0; col <= 18; ++col)
      for (int row = 0; row <= 10; ++row) g.Map(col, row) = 0;
    Floor(kFloorRow);
    g.Map(5, 4) = c.block;
    // One tick takes it to (145, 131): its bottom crosses the floor's top, its right side (176)
    // is inside the block.
    StartFlight(140, 120, -11);
    audio.TakeCalls();
    RunMs(71);
    EXPECT_EQ(g.StoneX, 145);
    EXPECT_EQ(g.stoneFlying, kFalse);
    EXPECT_EQ(g.StoneLaunched, kFalse);
    EXPECT_EQ(g.StoneY, kOnFloorY);
    EXPECT_EQ(audio.TakeCalls(), Calls{"effect sound/stone01.wav 7"});
  }
}

TEST_F(LaunchTest, FallingOutOfTheFieldInFlightIsSilent) {
  for (Flag hit : {kFalse, kTrue}) {
    SCOPED_TRACE(hit);
    g.StoneLaunched = kTrue;
    g.springActive = kFalse;
    g.stoneFlying = kTrue;
    g.launchBlocked = kFalse;
    Stone(64, 345, 1);
    g.stoneVy = -11;
    g.flightClock = g.Now;
    g.PlayerHit = hit;
    g.StagePhaseFlag = kFalse;
    audio.TakeCalls();
    RunMs(71);
    EXPECT_EQ(g.StagePhaseFlag, hit == kFalse ? kTrue : kFalse);
    EXPECT_EQ(g.StoneY, hit == kFalse ? 356 : 352);
    EXPECT_EQ(audio.TakeCalls(), Calls{});
  }
}

}  // namespace
}  // namespace slidestone
