// The walk step: walking and walls, footsteps, jump, drop and pipe starts, opening the menu,
// gravity, buckets, idle poses, falling out and the stone's slow-down clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "player_test_field.h"

namespace slidestone {
namespace {

using testing::Deltas;
using testing::PlayerField;
using Sounds = std::vector<std::string>;

const std::string kFootstep = "effect sound/char00.wav 8";
const std::string kJumpSound = "effect sound/charjump.wav 8";

int CountOf(const Sounds& s, const std::string& what) {
  return int(std::count(s.begin(), s.end(), what));
}

TEST(Walk, AMoveIntoAWallOrPastTheEdgeIsRefusedAsAWhole) {
  struct Case {
    const char* name;
    int x;
    int key;
    int wallCol;  // a block in the figure's row, -1 for none
    int expectX;  // after four walk steps
  };
  const Case cases[] = {
      {"right, flush against the wall", 64, kKeyRight, 3, 64},
      {"right, 2 px short: no part move", 62, kKeyRight, 3, 62},
      {"right, 4 px short: one step then stop", 60, kKeyRight, 3, 64},
      {"left, flush against the wall", 128, kKeyLeft, 3, 128},
      {"left, 2 px short: no part move", 130, kKeyLeft, 3, 130},
      {"right edge", 576, kKeyRight, -1, 576},
      {"2 px from the right edge", 574, kKeyRight, -1, 574},
      {"4 px from the right edge: one step onto it", 572, kKeyRight, -1, 576},
      {"left edge", 0, kKeyLeft, -1, 0},
      {"2 px from the left edge", 2, kKeyLeft, -1, 2},
      {"4 px from the left edge: one step onto it", 4, kKeyLeft, -1, 0},
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.Floor(3);
    if (c.wallCol >= 0) f.g.Map(c.wallCol, 2) = 1;
    f.PlacePlayer(c.x, 64);
    f.Hold(c.key);
    std::vector<int> frames;
    for (int i = 0; i < 4; ++i) {
      f.WalkStep();
      frames.push_back(f.g.PlayerFrame);
    }
    EXPECT_EQ(f.g.PlayerX, c.expectX) << c.name;
    EXPECT_EQ(f.g.PlayerY, 64) << c.name;
    // The walking frame advances against the wall too, and the footstep falls on frame 1.
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 0})) << c.name;
    EXPECT_EQ(CountOf(f.Sounds(), kFootstep), 1) << c.name;
    EXPECT_EQ(f.g.PlayerPose, c.key == kKeyRight ? 0 : 1) << c.name;
    EXPECT_EQ(f.g.KeyState[c.key], kTrue) << c.name << ": walking keys are never consumed";
  }
}

TEST(Walk, BothArrowsMoveRightThenLeftAndStayPut) {
  PlayerField f;
  f.Floor(3);
  f.PlacePlayer(200, 64);
  f.Hold(kKeyRight);
  f.Hold(kKeyLeft);
  for (int i = 0; i < 4; ++i) f.WalkStep();
  EXPECT_EQ(f.g.PlayerX, 200);
  EXPECT_EQ(f.g.PlayerPose, 1);
  EXPECT_EQ(f.g.PlayerFrame, 0);  // two frames per step: 2, 0, 2, 0, never the footstep frame
  EXPECT_EQ(CountOf(f.Sounds(), kFootstep), 0);

  // With the right move refused by a wall, only the left move counts.
  f.g.Map(8, 2) = 1;  // x 256..287, just right of the figure at 224
  f.PlacePlayer(224, 64);
  f.WalkStep();
  EXPECT_EQ(f.g.PlayerX, 220);
}

TEST(Walk, NoFootstepInTheAir) {
  PlayerField f;
  f.PlacePlayer(64, 64);
  f.Hold(kKeyRight);
  f.WalkStep();
  EXPECT_EQ(f.g.PlayerFrame, 1);
  EXPECT_EQ(CountOf(f.Sounds(), kFootstep), 0);
}

TEST(Walk, UpStartsAJumpOnlyFromGroundBelowTheTopRow) {
  struct Case {
    const char* name;
    int x, y;
    int floorRow;        // -1 for none
    int floorC0, floorC1;
    bool jumps;
  };
  const Case cases[] = {
      {"on a floor", 64, 64, 3, 0, 18, true},
      {"only the right corner on ground", 40, 64, 3, 2, 2, true},  // x + 31 = 71 is over col 2
      {"only the left corner on ground", 88, 64, 3, 2, 2, true},   // x = 88 is over col 2
      {"top row", 64, 0, 1, 0, 18, false},
      {"in the air", 64, 64, -1, 0, 0, false},
  };
  for (const Case& c : cases) {
    PlayerField f;
    if (c.floorRow >= 0) f.Cells(c.floorRow, c.floorC0, c.floorC1, 1);
    f.PlacePlayer(c.x, c.y);
    f.g.PlayerPose = 2;
    f.g.PlayerFrame = 3;
    f.g.IdleCount = 150;
    f.Hold(kKeyUp);
    f.WalkStep();
    EXPECT_EQ(f.g.IdleCount, 0) << c.name;
    if (c.jumps) {
      EXPECT_EQ(f.g.Jumping, kTrue) << c.name;
      EXPECT_EQ(f.g.PlayerInAction, kTrue) << c.name;
      EXPECT_EQ(f.g.JumpVy, -125) << c.name;
      EXPECT_EQ(f.g.JumpFloorY, -1) << c.name;
      EXPECT_EQ(f.g.PlayerPose, 0) << c.name;
      EXPECT_EQ(f.g.PlayerFrame, 0) << c.name;
      EXPECT_EQ(f.g.KeyState[kKeyUp], kFalse) << c.name << ": the jump consumes Up";
      EXPECT_EQ(f.Sounds(), Sounds{kJumpSound}) << c.name;
    } else {
      EXPECT_EQ(f.g.Jumping, kFalse) << c.name;
      EXPECT_EQ(f.g.KeyState[kKeyUp], kTrue) << c.name;
    }
  }
}

TEST(Walk, OneKeyDownOfUpMakesOneJump) {
  PlayerField f;
  f.Floor(7);
  f.PlacePlayer(64, 192);
  f.Hold(kKeyUp);  // pressed once and held: no further key-down events arrive
  int jumps = 0;
  for (int i = 0; i < 3000; ++i) {
    const Flag before = f.g.Jumping;
    f.Pass();
    if (before == kFalse && f.g.Jumping != kFalse) ++jumps;
  }
  EXPECT_EQ(jumps, 1);
  EXPECT_EQ(f.g.PlayerInAction, kFalse);
  EXPECT_EQ(f.g.PlayerY, 192);

  f.Hold(kKeyUp);  // the next key-down (a fresh press or auto-repeat)
  f.WalkStep();
  EXPECT_EQ(f.g.Jumping, kTrue);
}

TEST(Walk, DownEntersAPipeOrDropsThroughTheFloor) {
  enum What { kNothing, kPipe, kDrop };
  struct Case {
    const char* name;
    int x, y;
    int pipeCol;  // a pipe top in the floor row under the figure, -1 for none
    What expect;
  };
  const Case cases[] = {
      {"both probes over the pipe: the pipe wins over the drop", 60, 64, 2, kPipe},
      {"rightmost x still over the pipe", 75, 64, 2, kPipe},
      {"left probe over the brick beside it", 52, 64, 2, kDrop},
      {"no pipe: drop", 60, 64, -1, kDrop},
      {"second row from the bottom: drop", 60, 256, -1, kDrop},
      {"bottom row: nothing", 60, 288, -1, kNothing},
      {"bottom row over a pipe: the pipe", 60, 288, 2, kPipe},
  };
  for (const Case& c : cases) {
    PlayerField f;
    const int floorRow = c.y / 32 + 1;
    f.Floor(floorRow);
    if (c.pipeCol >= 0) f.g.Map(c.pipeCol, floorRow) = 5;
    f.PlacePlayer(c.x, c.y);
    f.g.PlayerPose = 1;
    f.Hold(kKeyDown);
    f.WalkStep();
    const Sounds sounds = f.Sounds();
    switch (c.expect) {
      case kPipe:
        EXPECT_EQ(f.g.InPipe, kTrue) << c.name;
        EXPECT_EQ(f.g.Jumping, kFalse) << c.name;
        EXPECT_EQ(f.g.PlayerX, 64) << c.name;
        EXPECT_EQ(f.g.PlayerPose, 2) << c.name;
        EXPECT_EQ(f.g.Map(2, floorRow), kPipeInUse) << c.name << ": the pipe in use is marked";
        EXPECT_EQ(sounds, Sounds{"effect sound/dokan.wav 8"}) << c.name;
        break;
      case kDrop:
        EXPECT_EQ(f.g.InPipe, kFalse) << c.name;
        EXPECT_EQ(f.g.DropThrough, kTrue) << c.name;
        EXPECT_EQ(f.g.Jumping, kTrue) << c.name;
        EXPECT_EQ(f.g.JumpVy, -60) << c.name;
        EXPECT_EQ(f.g.JumpFloorY, c.y) << c.name;
        EXPECT_EQ(f.g.PlayerPose, 1) << c.name << ": a walking pose stays";
        EXPECT_EQ(sounds, Sounds{kJumpSound}) << c.name;
        break;
      case kNothing:
        EXPECT_EQ(f.g.PlayerInAction, kFalse) << c.name;
        EXPECT_TRUE(sounds.empty()) << c.name;
        break;
    }
    EXPECT_EQ(f.g.PlayerInAction, c.expect != kNothing ? kTrue : kFalse) << c.name;
    EXPECT_EQ(f.g.KeyState[kKeyDown], c.expect != kNothing ? kFalse : kTrue) << c.name;
  }
}

TEST(Walk, SpaceOpensTheMenuOnlyWithBothFeetOnGroundAndAToolOffered) {
  struct Case {
    const char* name;
    int x, y;
    int floorC0, floorC1;
    std::array<int32_t, 5> offered;
    bool opens;
    int cursor, menuX, menuY;
  };
  const Case cases[] = {
      {"middle of the field", 100, 64, 0, 18, {1, 1, 1, 0, 0}, true, 0, 76, 36},
      {"near the left edge", 10, 64, 0, 18, {1, 1, 1, 0, 0}, true, 0, 0, 36},
      {"near the right edge", 570, 64, 0, 18, {1, 1, 1, 0, 0}, true, 0, 536, 36},
      {"top row: the box goes below", 100, 0, 0, 18, {1, 1, 1, 0, 0}, true, 0, 76, 36},
      {"second row", 100, 32, 0, 18, {1, 1, 1, 0, 0}, true, 0, 76, 4},
      {"no hammer: the broom is first", 100, 64, 0, 18, {0, 1, 1, 0, 0}, true, 1, 76, 36},
      {"only the spring", 100, 64, 0, 18, {0, 0, 1, 0, 0}, true, 2, 76, 36},
      {"no tool on this stage", 100, 64, 0, 18, {0, 0, 0, 1, 1}, false, 0, 0, 0},
      {"one foot over the edge", 80, 64, 0, 2, {1, 1, 1, 0, 0}, false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.Cells(c.y / 32 + 1, c.floorC0, c.floorC1, 1);
    f.g.StageItems[0] = c.offered;
    f.PlacePlayer(c.x, c.y);
    f.Hold(kKeySpace);
    f.WalkStep();
    EXPECT_EQ(f.g.MenuOpen, c.opens ? kTrue : kFalse) << c.name;
    EXPECT_EQ(f.g.IdleCount, 0) << c.name;
    const Surface& box = f.g.stageWindow.toolMenu;
    if (c.opens) {
      EXPECT_EQ(f.g.MenuCursor, c.cursor) << c.name;
      EXPECT_EQ(f.g.MenuX, c.menuX) << c.name;
      EXPECT_EQ(f.g.MenuY, c.menuY) << c.name;
      EXPECT_TRUE(box.visible) << c.name;
      EXPECT_EQ(box.x, c.menuX) << c.name;
      EXPECT_EQ(box.y, c.menuY) << c.name;
      EXPECT_EQ(f.g.KeyState[kKeySpace], kFalse) << c.name;
      EXPECT_EQ(f.Sounds(), Sounds{"effect sound/push10.wav 2"}) << c.name;
    } else {
      EXPECT_FALSE(box.visible) << c.name;
      EXPECT_EQ(f.g.KeyState[kKeySpace], kTrue) << c.name;
      EXPECT_TRUE(f.Sounds().empty()) << c.name;
    }
  }
}

TEST(Walk, GravityFallsFasterEachStepAndSettlesOnTheFloor) {
  PlayerField f;
  f.Floor(5);
  f.PlacePlayer(64, 0);
  std::vector<int> ys;
  for (int i = 0; i < 40; ++i) {
    f.WalkStep();
    ys.push_back(f.g.PlayerY);
  }
  const std::vector<int> d = Deltas(0, ys);
  EXPECT_EQ(std::vector<int>(d.begin(), d.begin() + 16),
            (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
  // A step that would sink the feet into the floor is refused; the halved speed closes the gap.
  EXPECT_EQ(ys[16], 120);
  EXPECT_EQ(ys[17], 128);
  for (size_t i = 17; i < ys.size(); ++i) EXPECT_EQ(ys[i], 128) << "step " << i;
}

TEST(Walk, ABucketIsPickedUpUnderTheCentreColumnOnGround) {
  struct Case {
    const char* name;
    int x;
    bool floor;
    bool picked;
  };
  const Case cases[] = {
      {"standing on its cell", 64, true, true},
      {"centre column just inside", 48, true, true},   // (48 + 16) / 32 = 2
      {"centre column just outside", 47, true, false},  // (47 + 16) / 32 = 1
      {"in the air", 64, false, false},
  };
  for (const Case& c : cases) {
    PlayerField f;
    if (c.floor) f.Floor(3);
    f.g.AiMap(2, 2) = 21;
    f.g.Items[0] = {64, 64, 21, 0};
    f.g.Items[1] = {64, 160, 21, 0};  // another bucket lower down the same column
    f.g.Items[2] = {64, 64, 20, 0};   // beyond the count: ignored
    f.g.ItemCount = 2;
    f.PlacePlayer(c.x, 64);
    f.WalkStep();
    const Sounds sounds = f.Sounds();
    if (c.picked) {
      EXPECT_EQ(f.g.AiMap(2, 2), kNoObject) << c.name;
      EXPECT_EQ(f.g.Items[0].kind, 0) << c.name;
      EXPECT_EQ(f.g.ToolPoints, 10) << c.name;
      EXPECT_EQ(f.g.PointsFlash, kTrue) << c.name;
      EXPECT_EQ(f.g.PointsFlashStep, 1) << c.name << ": the zoom restarts and shows a step at once";
      EXPECT_EQ(sounds, Sounds{"effect sound/Aitem.wav 6"}) << c.name;
    } else {
      EXPECT_EQ(f.g.AiMap(2, 2), kBucket) << c.name;
      EXPECT_EQ(f.g.Items[0].kind, 21) << c.name;
      EXPECT_EQ(f.g.ToolPoints, 5) << c.name;
      EXPECT_EQ(f.g.PointsFlash, kFalse) << c.name;
    }
    EXPECT_EQ(f.g.Items[1].kind, 21) << c.name;
    EXPECT_EQ(f.g.Items[2].kind, 20) << c.name;
  }
}

TEST(Walk, IdlePosesAfterTenSecondsThenDozing) {
  PlayerField f;
  f.Floor(3);
  f.PlacePlayer(64, 64);
  struct Seen {
    int step, pose, frame;
  };
  const Seen expected[] = {{199, 0, 0}, {200, 2, 1}, {209, 2, 1}, {210, 2, 2}, {219, 2, 2},
                           {220, 2, 3}, {229, 2, 3}, {230, 3, 1}, {239, 3, 1}, {240, 3, 0},
                           {250, 3, 1}, {260, 3, 0}};
  int step = 0;
  for (const Seen& s : expected) {
    while (step < s.step) {
      f.WalkStep();
      ++step;
    }
    EXPECT_EQ(f.g.PlayerPose, s.pose) << "step " << s.step;
    EXPECT_EQ(f.g.PlayerFrame, s.frame) << "step " << s.step;
  }
  // The doze count wraps below 2000 and never falls under 230.
  f.g.IdleCount = 1999;
  f.WalkStep();
  EXPECT_EQ(f.g.IdleCount, 230);
  EXPECT_EQ(f.g.PlayerFrame, 0);

  // A key resets the count, but the dozing pose stays until something sets another.
  f.Hold(kKeyUp);
  f.g.PlayerY = 0;  // on the top row nothing starts
  f.Cells(1, 0, 18, 1);
  f.WalkStep();
  EXPECT_EQ(f.g.IdleCount, 0);
  EXPECT_EQ(f.g.PlayerPose, 3);
  EXPECT_EQ(f.g.Jumping, kFalse);
}

TEST(Walk, FallingOutOfTheFieldEndsTheTryWithOneSound) {
  PlayerField f;
  f.PlacePlayer(64, 200);
  int steps = 0;
  while (f.g.StagePhaseFlag == kFalse && steps < 100) {
    f.WalkStep();
    ++steps;
  }
  EXPECT_EQ(f.g.StagePhaseFlag, kTrue);
  EXPECT_GE(f.g.PlayerY, 352);
  EXPECT_EQ(CountOf(f.Sounds(), "effect sound/rakka.wav 8"), 1);
}

TEST(SlowDown, TwentyFiveSecondsOfWalkingCostOneSpeedLevel) {
  PlayerField f;
  f.Floor(3);
  f.g.Map(10, 2) = 1;
  f.PlacePlayer(64, 64);
  f.Hold(kKeyRight);  // walks up to the wall and keeps pushing
  f.g.Now = 0;
  // A walk step runs when more than 50 ms have passed: every 51 passes, so the 500th is at 25500.
  while (f.g.Now < 25499) f.Pass();
  EXPECT_EQ(f.g.StoneSpeed, 3);
  EXPECT_EQ(f.g.SpeedDecayCount, 499);
  EXPECT_EQ(f.g.SpeedFlash, kFalse);
  f.g.SpeedFlashStep = 5;
  f.Pass();
  EXPECT_EQ(f.g.Now, 25500);
  EXPECT_EQ(f.g.StoneSpeed, 2);
  EXPECT_EQ(f.g.SpeedDecayCount, 0);
  EXPECT_EQ(f.g.SpeedFlash, kTrue);
  EXPECT_EQ(f.g.SpeedChange, 1);
  EXPECT_EQ(f.g.SpeedFlashStep, 1);  // restarted, and its first step shown at once
}

TEST(SlowDown, TheClockStandsStillInTheMenuAndInActions) {
  PlayerField f;
  f.Floor(7);
  f.PlacePlayer(64, 192);
  f.g.SpeedDecayCount = 100;
  f.Hold(kKeySpace);
  f.WalkStep();
  ASSERT_EQ(f.g.MenuOpen, kTrue);
  EXPECT_EQ(f.g.SpeedDecayCount, 101);
  for (int i = 0; i < 2000; ++i) f.Pass();
  EXPECT_EQ(f.g.SpeedDecayCount, 101);

  f.Hold(kKeyUp);  // closes the menu
  f.Pass();
  ASSERT_EQ(f.g.MenuOpen, kFalse);
  f.Hold(kKeyUp);
  f.WalkStep();
  ASSERT_EQ(f.g.Jumping, kTrue);
  EXPECT_EQ(f.g.SpeedDecayCount, 102);
  f.ActionYs();
  EXPECT_EQ(f.g.SpeedDecayCount, 102);
}

}  // namespace
}  // namespace slidestone
