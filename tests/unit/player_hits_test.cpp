// The hit tests against enemies and the thrown ball, in their four variants, and what a hit
// does in the walk step and while the menu is open.
#include <gtest/gtest.h>

#include <string>

#include "player_test_field.h"

namespace slidestone {
namespace {

using testing::PlayerField;

TEST(HitTests, EnemyVariants) {
  struct Case {
    int state, ex, ey;
    bool full, menu;
  };
  const Case cases[] = {
      {1, 116, 116, true, true},   {-1, 84, 84, true, true},   {0, 100, 100, true, true},
      {1, 117, 100, false, false}, {0, 100, 83, false, false}, {-1, 100, 117, false, false},
      {6, 100, 100, true, false},  {6, 116, 84, true, false},  {2, 100, 100, false, false},
      {3, 100, 100, false, false}, {4, 100, 100, false, false}, {5, 100, 100, false, false},
      {7, 100, 100, false, false},
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.PlacePlayer(100, 100);
    f.g.Enemies[0] = {};  // a far-away watcher first: the loop goes on to the next record
    f.g.Enemies[0].x = 400;
    f.g.Enemies[1] = {};
    f.g.Enemies[1].state = c.state;
    f.g.Enemies[1].x = c.ex;
    f.g.Enemies[1].y = c.ey;
    f.g.EnemyCount = 2;
    const std::string name = "state " + std::to_string(c.state) + " at " + std::to_string(c.ex) +
                             "," + std::to_string(c.ey);
    EXPECT_EQ(IsHitByEnemy(f.g), c.full) << name;
    EXPECT_EQ(IsHitByEnemy(f.g, true), c.menu) << name;
    f.g.EnemyCount = 1;
    EXPECT_FALSE(IsHitByEnemy(f.g)) << name << ": records past the count are ignored";
    f.g.EnemyCount = 2;
    f.g.PlayerHit = kTrue;
    EXPECT_FALSE(IsHitByEnemy(f.g)) << name << ": a knocked-out figure is not hit again";
  }
}

TEST(HitTests, BallVariants) {
  struct Case {
    int bx, by;
    bool walk, menu;
  };
  // Player at (100, 100): walk box 96 < bx < 120, 100 < by < 124; menu box 100 < bx < 116,
  // 96 < by < 120.
  const Case cases[] = {
      {97, 101, true, false},  {119, 123, true, false}, {96, 110, false, false},
      {120, 110, false, false}, {110, 100, false, true}, {110, 124, false, false},
      {101, 97, false, true},  {115, 119, true, true},  {100, 110, true, false},
      {116, 110, true, false}, {110, 96, false, false}, {110, 120, true, false},
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.PlacePlayer(100, 100);
    f.g.BallActive = kTrue;
    f.g.BallX = c.bx;
    f.g.BallY = c.by;
    const std::string name = std::to_string(c.bx) + "," + std::to_string(c.by);
    EXPECT_EQ(IsHitByBall(f.g), c.walk) << name;
    EXPECT_EQ(IsHitByBall(f.g, true), c.menu) << name;
    f.g.BallActive = kFalse;
    EXPECT_FALSE(IsHitByBall(f.g)) << name;
    EXPECT_FALSE(IsHitByBall(f.g, true)) << name;
    f.g.BallActive = kTrue;
    f.g.PlayerHit = kTrue;
    EXPECT_FALSE(IsHitByBall(f.g)) << name;
  }
}

TEST(Walk, AHitStartsTheKnockOut) {
  PlayerField f;
  f.Floor(3);
  f.PlacePlayer(64, 64);
  f.g.Enemies[0].state = kWalkerRight;
  f.g.Enemies[0].x = 70;
  f.g.Enemies[0].y = 64;
  f.g.EnemyCount = 1;
  f.g.ActionCount = 9;
  f.WalkStep();
  EXPECT_EQ(f.g.PlayerHit, kTrue);
  EXPECT_EQ(f.g.PlayerInAction, kTrue);
  EXPECT_EQ(f.g.ActionCount, 0);

  PlayerField b;
  b.Floor(3);
  b.PlacePlayer(64, 64);
  b.g.BallActive = kTrue;
  b.g.BallX = 70;
  b.g.BallY = 70;
  b.WalkStep();
  EXPECT_EQ(b.g.PlayerHit, kTrue);
  EXPECT_EQ(b.g.PlayerInAction, kTrue);
  EXPECT_EQ(b.g.BallActive, kFalse);
  EXPECT_EQ(b.g.BallX, 0);
}

TEST(MenuBranch, AHitKeepsTheMenuOpenUntilItCloses) {
  struct Case {
    const char* name;
    int state;
    int32_t toolAnim;
    bool hit;
    bool menuStaysOpen;
  };
  const Case cases[] = {
      // During a hammer or broom animation only walkers and watchers count.
      {"walker during a tool animation", 1, 1, true, true},
      {"thrower during a tool animation", 6, 1, false, true},
      // Otherwise the menu's own test counts throwers too, and closes the menu.
      {"thrower with the menu idle", 6, 0, true, false},
      {"watcher with the menu idle", 0, 0, true, false},
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.Floor(3);
    f.PlacePlayer(64, 64);
    f.g.MenuOpen = kTrue;
    ShowSurface(f.g.stageWindow.toolMenu);
    f.g.ToolAnim = c.toolAnim;
    f.g.Enemies[0].state = c.state;
    f.g.Enemies[0].x = 64;
    f.g.Enemies[0].y = 64;
    f.g.EnemyCount = 1;
    f.Pass();
    EXPECT_EQ(f.g.PlayerHit, c.hit ? kTrue : kFalse) << c.name;
    EXPECT_EQ(f.g.PlayerInAction, c.hit ? kTrue : kFalse) << c.name;
    EXPECT_EQ(f.g.MenuOpen, c.menuStaysOpen ? kTrue : kFalse) << c.name;
    // While the menu stays open the knock-out waits: the figure does not move.
    for (int i = 0; i < 200; ++i) f.Pass();
    if (c.menuStaysOpen) {
      EXPECT_EQ(f.g.PlayerY, 64) << c.name;
    } else {
      EXPECT_LT(f.g.PlayerY, 64) << c.name << ": the knock-out flight has begun";
    }
  }
}

}  // namespace
}  // namespace slidestone
