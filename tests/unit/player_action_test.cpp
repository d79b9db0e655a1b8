// The action step: jump and drop flights with their landings, the pipe trip, spring placing,
// the knock-out, steering in the air and hits that cancel an action.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "player_test_field.h"
#include "presentation/presentation.h"

namespace slidestone {
namespace {

using testing::Deltas;
using testing::PlayerField;
using Sounds = std::vector<std::string>;

std::vector<int> Range(int from, int to, int step = 1) {
  std::vector<int> v;
  for (int i = from; step > 0 ? i <= to : i >= to; i += step) v.push_back(i);
  return v;
}

std::vector<int> Concat(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> v;
  for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
  return v;
}

void StartJump(PlayerField& f) {
  f.Hold(kKeyUp);
  f.WalkStep();
  ASSERT_EQ(f.g.Jumping, kTrue);
  f.Sounds();
}

TEST(Jump, ProfileRises78PixelsIn12StepsThenFallsUpTo8PerStep) {
  PlayerField f;
  f.Floor(7);
  f.PlacePlayer(64, 192);
  StartJump(f);
  const std::vector<int> ys = f.ActionYs();
  const std::vector<int> expected =
      Concat({Range(-12, -1), {0, 0}, Range(1, 7), {8, 8, 8, 8, 8, 8}, {2}});  // last: snapped
  EXPECT_EQ(Deltas(192, ys), expected);
  EXPECT_EQ(*std::min_element(ys.begin(), ys.end()), 192 - 78);
  EXPECT_EQ(f.g.PlayerY, 192);
  EXPECT_EQ(f.g.Jumping, kFalse);
  EXPECT_EQ(f.g.PlayerFrame, 1);
  EXPECT_EQ(f.g.JumpFloorY, 0);
  EXPECT_EQ(f.Sounds(), Sounds{"effect sound/char01.wav 8"});
}

TEST(Jump, LandingRuleReachesTwoCellsUpButNeverThree) {
  struct Case {
    const char* name;
    int y;         // standing on the floor row below
    int ledgeRow;  // a block in the figure's column (col 2), -1 for none
    int landY;
    int topY;      // highest point of the flight
  };
  const Case cases[] = {
      // The flight never tests the head: it passes up through the block and lands on top.
      {"ledge 64 px higher", 192, 5, 128, 114},
      {"ledge 96 px higher is out of reach", 192, 4, 192, 114},
      // After touching the top edge a jump may land from y = 0 down.
      {"ledge 64 px higher at the top edge", 64, 1, 0, -14},
      {"jump from the second row is held at -24", 32, -1, 32, -24},
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.Floor(c.y / 32 + 1);
    if (c.ledgeRow >= 0) f.g.Map(2, c.ledgeRow) = 1;
    f.PlacePlayer(64, c.y);
    StartJump(f);
    const std::vector<int> ys = f.ActionYs();
    EXPECT_EQ(f.g.PlayerY, c.landY) << c.name;
    EXPECT_EQ(f.g.PlayerInAction, kFalse) << c.name;
    EXPECT_EQ(*std::min_element(ys.begin(), ys.end()), c.topY) << c.name;
  }
}

TEST(Jump, TheCeilingHoldsTheFigureAtMinus24AndItFallsFromThere) {
  PlayerField f;
  f.Floor(2);
  f.PlacePlayer(64, 32);
  StartJump(f);
  const std::vector<int> ys = f.ActionYs();
  ASSERT_GE(ys.size(), 10u);
  EXPECT_EQ(std::vector<int>(ys.begin(), ys.begin() + 10),
            (std::vector<int>{20, 9, -1, -10, -18, -24, -23, -21, -18, -14}));
  EXPECT_EQ(f.g.PlayerY, 32);
}

TEST(Drop, ThroughASingleFloorButBackOntoADoubleOne) {
  struct Case {
    const char* name;
    std::vector<int> floorRows;
    int landY;  // -1: falls out of the field
  };
  const Case cases[] = {
      {"single floor: lands on the next floor below", {3, 6}, 160},
      {"floor two cells thick: lands where it stood", {3, 4, 7}, 64},
      {"nothing below: falls out", {3}, -1},
  };
  for (const Case& c : cases) {
    PlayerField f;
    for (int r : c.floorRows) f.Floor(r);
    f.PlacePlayer(64, 64);
    f.Hold(kKeyDown);
    f.WalkStep();
    ASSERT_EQ(f.g.DropThrough, kTrue) << c.name;
    f.Sounds();
    const std::vector<int> ys = f.ActionYs();
    ASSERT_GE(ys.size(), 7u) << c.name;
    // Up 6, 5, 4, 3, 2, 1 (21 px), then down.
    EXPECT_EQ(Deltas(64, std::vector<int>(ys.begin(), ys.begin() + 7)),
              (std::vector<int>{-6, -5, -4, -3, -2, -1, 0}))
        << c.name;
    if (c.landY >= 0) {
      EXPECT_EQ(f.g.PlayerY, c.landY) << c.name;
      EXPECT_EQ(f.g.DropThrough, kFalse) << c.name;
      EXPECT_EQ(f.g.StagePhaseFlag, kFalse) << c.name;
      EXPECT_EQ(f.Sounds(), Sounds{"effect sound/char01.wav 8"}) << c.name;
    } else {
      EXPECT_EQ(f.g.StagePhaseFlag, kTrue) << c.name;
      EXPECT_GE(f.g.PlayerY, 352) << c.name;
      EXPECT_EQ(f.Sounds(), Sounds{"effect sound/rakka.wav 8"}) << c.name;
    }
  }
}

TEST(Flight, SteeringPassesThroughWallsAndStopsOnlyAtTheEdges) {
  struct Case {
    const char* name;
    int x;
    int key;
    int expectX;  // after 10 action steps
  };
  const Case cases[] = {
      {"right through the wall", 64, kKeyRight, 84},
      {"left through the wall", 168, kKeyLeft, 148},
      {"right edge", 572, kKeyRight, 576},
      {"left edge", 3, kKeyLeft, 1},
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.Floor(7);
    for (int r = 0; r < 7; ++r) f.g.Map(3, r) = f.g.Map(4, r) = 1;  // a wall x 96..159
    f.PlacePlayer(c.x, 192);
    f.g.PlayerInAction = f.g.Jumping = kTrue;
    f.g.JumpVy = -125;
    f.g.JumpFloorY = -1;
    f.Hold(c.key);
    for (int i = 0; i < 10; ++i) f.ActionStep();
    EXPECT_EQ(f.g.PlayerX, c.expectX) << c.name;
    EXPECT_EQ(f.g.PlayerPose, c.key == kKeyRight ? 0 : 1) << c.name;
  }
}

TEST(Pipe, TheTripGoesToTheFirstPipeTopInRowOrder) {
  struct Exit {
    int col, row;
  };
  struct Case {
    const char* name;
    std::vector<Exit> exits;
    int endX, endY;
  };
  const Case cases[] = {
      {"one exit", {{10, 7}}, 320, 192},
      {"two exits in one row: the left one", {{10, 7}, {5, 7}}, 160, 192},
      {"a higher row comes first", {{5, 7}, {15, 5}}, 480, 128},
      {"exit in row 0: the figure stays inside its cell", {{5, 7}, {8, 0}}, 256, 0},
      {"no exit: back out of the entry", {}, 64, 64},
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.Floor(3);
    f.g.Map(2, 3) = 5;
    for (const Exit& e : c.exits) f.g.Map(e.col, e.row) = 5;
    f.PlacePlayer(64, 64);
    f.Hold(kKeyDown);
    f.WalkStep();
    ASSERT_EQ(f.g.InPipe, kTrue) << c.name;
    EXPECT_EQ(f.g.Map(2, 3), kPipeInUse) << c.name;
    std::vector<int> ys;
    int steps = 0;
    while (f.g.PlayerInAction != kFalse && steps < 100) {
      // The tile pass runs in the same passes as the player step and finds the exit.
      const int64_t before = f.g.actionClock;
      while (f.g.actionClock == before) {
        f.Pass();
        TilePass(f.g);
      }
      ++steps;
      if (steps == 16) {
        EXPECT_EQ(f.g.PlayerY, 96) << c.name << ": 32 px down into the entry";
        EXPECT_EQ(f.g.PipeDir, -1) << c.name;
      }
    }
    EXPECT_EQ(steps, 33) << c.name;
    EXPECT_EQ(f.g.PlayerX, c.endX) << c.name;
    EXPECT_EQ(f.g.PlayerY, c.endY) << c.name;
    EXPECT_EQ(f.g.PlayerPose, 2) << c.name;
    EXPECT_EQ(f.g.PipeDir, 1) << c.name;
    EXPECT_EQ(f.g.InPipe, kFalse) << c.name;
    const Sounds sounds = f.Sounds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "effect sound/dokan.wav 8"), 2)
        << c.name;
    if (c.exits.empty()) {
      EXPECT_EQ(f.g.Map(2, 3), kPipeInUse) << c.name << ": the entry cannot be used again";
      EXPECT_EQ(f.g.PipeWarpPending, kTrue) << c.name;
    } else {
      EXPECT_EQ(f.g.Map(2, 3), kPipe) << c.name;
      EXPECT_EQ(f.g.PipeWarpPending, kFalse) << c.name;
    }
  }
}

void StartPlacingSpring(PlayerField& f) {
  f.g.PlacingSpring = f.g.PlayerInAction = kTrue;
  f.g.ActionCount = 1;
  f.g.PlayerFrame = 0;
  f.g.PlayerPose = 7;
  f.g.SpringX = 64;
  f.g.SpringY = 64;
  f.g.ToolPoints = 4;
}

TEST(Spring, PlacingTakes20StepsAndSetsTheSpringDownAtTheEnd) {
  PlayerField f;
  f.Floor(3);
  f.PlacePlayer(64, 64);
  StartPlacingSpring(f);
  std::vector<int> frames;
  while (f.g.PlayerInAction != kFalse && frames.size() < 50) {
    EXPECT_EQ(f.g.AiMap(2, 2), kNoObject) << "not yet set down";
    f.ActionStep();
    frames.push_back(f.g.PlayerFrame);
  }
  EXPECT_EQ(frames, (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 1}));
  EXPECT_EQ(f.g.AiMap(2, 2), kPlacedSpring);
  EXPECT_EQ(f.g.SpringShown, kTrue);
  EXPECT_EQ(f.g.PlacingSpring, kFalse);
  EXPECT_EQ(f.g.PlayerPose, 0);
  EXPECT_EQ(f.g.PointsFlash, kTrue);
  EXPECT_EQ(f.g.ToolPoints, 4);
  EXPECT_EQ(f.Sounds(), Sounds{"effect sound/charjumpon.wav 8"});
}

TEST(KnockOut, FliesUp78ThenFallsThroughEverythingWithoutTheFallingSound) {
  PlayerField f;
  f.Floor(7);
  f.Floor(9);
  f.PlacePlayer(64, 192);
  f.g.PlayerHit = f.g.PlayerInAction = kTrue;
  f.g.ActionCount = 0;
  const std::vector<int> ys = f.ActionYs(100);
  ASSERT_EQ(f.g.StagePhaseFlag, kTrue);
  EXPECT_EQ(f.g.PlayerY, 352);
  EXPECT_EQ(f.g.PlayerInAction, kTrue) << "the stage flow takes over; the action never ends";
  const std::vector<int> d = Deltas(192, ys);
  ASSERT_EQ(d.size(), 35u);
  EXPECT_EQ(std::vector<int>(d.begin(), d.begin() + 13), Concat({Range(-12, -1), {0}}));
  EXPECT_EQ(std::vector<int>(d.begin() + 13, d.end() - 1), Range(1, 21));
  EXPECT_EQ(d.back(), 352 - (114 + 21 * 22 / 2));  // the last step is held at 352
  EXPECT_EQ(f.g.PlayerPose, 3);
  EXPECT_EQ(f.g.PlayerFrame, 2);
  EXPECT_EQ(f.Sounds(), Sounds{"effect sound/puu46.wav 8"});
}

TEST(KnockOut, AHitCancelsTheActionUnderWay) {
  enum Action { kJump, kPipe, kSpring };
  struct Case {
    Action a;
    bool byBall;
  };
  for (auto [a, byBall] : {Case{kJump, false}, Case{kPipe, false}, Case{kSpring, false},
                           Case{kJump, true}, Case{kPipe, true}, Case{kSpring, true}}) {
    PlayerField f;
    f.Floor(7);
    f.g.Map(2, 7) = 5;
    f.g.Map(10, 7) = 5;
    f.PlacePlayer(64, 192);
    if (a == kJump) StartJump(f);
    if (a == kPipe) {
      f.Hold(kKeyDown);
      f.WalkStep();
      ASSERT_EQ(f.g.InPipe, kTrue);
    }
    if (a == kSpring) StartPlacingSpring(f);
    for (int i = 0; i < 5; ++i) f.ActionStep();
    if (byBall) {
      // The ball's hit leaves the action's flag to the next step to clear.
      f.g.BallActive = kTrue;
      f.g.BallX = f.g.PlayerX + 4;
      f.g.BallY = f.g.PlayerY + 12;
    } else {
      f.g.Enemies[0].state = 1;
      f.g.Enemies[0].x = f.g.PlayerX;
      f.g.Enemies[0].y = f.g.PlayerY;
      f.g.EnemyCount = 1;
    }
    f.ActionStep();  // the action moves once more, then the hit test strikes
    EXPECT_EQ(f.g.PlayerHit, kTrue) << a << byBall;
    EXPECT_EQ(f.g.ActionCount, 0) << a << byBall;
    if (!byBall) {
      EXPECT_EQ(f.g.Jumping | f.g.InPipe | f.g.PlacingSpring, kFalse) << a;
    }
    f.g.EnemyCount = 0;
    const int yAtHit = f.g.PlayerY;
    f.ActionStep();
    EXPECT_EQ(f.g.Jumping | f.g.InPipe | f.g.PlacingSpring, kFalse) << a << byBall;
    EXPECT_EQ(f.g.PlayerY, yAtHit - 12) << a << byBall << ": the knock-out flight, nothing else";
    if (a == kPipe) {
      EXPECT_EQ(f.g.Map(2, 7), kPipeInUse) << "the entry stays marked";
    }
    if (a == kSpring) {
      for (int i = 0; i < 30; ++i) f.ActionStep();
      EXPECT_EQ(f.g.AiMap(2, 2), kNoObject) << "the spring is never set down";
      EXPECT_EQ(f.g.SpringShown, kFalse);
      EXPECT_EQ(f.g.ToolPoints, 4) << "the point paid is not returned";
    }
  }
}

TEST(Flight, ABallStrikesTheFigureInTheAir) {
  PlayerField f;
  f.Floor(7);
  f.PlacePlayer(64, 192);
  StartJump(f);
  f.ActionStep();
  f.g.BallActive = kTrue;
  f.g.BallX = f.g.PlayerX + 4;
  f.g.BallY = f.g.PlayerY - 10;  // above the figure's box after this step's rise of 11
  f.ActionStep();
  EXPECT_EQ(f.g.PlayerHit, kTrue);
  EXPECT_EQ(f.g.BallActive, kFalse);
  EXPECT_EQ(f.g.BallX, 0);
  EXPECT_EQ(f.g.ActionCount, 0);
}

}  // namespace
}  // namespace slidestone
