// The tool menu: the cursor over offered tools, closing it, the hammer, broom and spring rules,
// the beep without points, the drawn box and the hits that end it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "player_test_field.h"

namespace slidestone {
namespace {

using testing::PlayerField;
using Sounds = std::vector<std::string>;

// A figure standing at (64, 64) on a floor in row 3, with the menu opened by Space.
void OpenMenu(PlayerField& f, int x = 64) {
  f.PlacePlayer(x, 64);
  f.Hold(kKeySpace);
  f.WalkStep();
  ASSERT_EQ(f.g.MenuOpen, kTrue);
  f.Sounds();
}

// Every refused choice says so, or a menu left open looks like a frozen figure.
const std::string kRefusalBeep = "effect sound/beep01.wav 1";

void Choose(PlayerField& f, int slot) {
  f.g.MenuCursor = slot;
  f.Hold(kKeySpace);
  UpdateToolMenu(f.g);
}

bool BoxShown(const PlayerField& f) { return f.g.stageWindow.toolMenu.visible; }

TEST(ToolMenu, TheCursorSkipsToolsTheStageDoesNotOffer) {
  struct Case {
    std::array<int32_t, 5> offered;
    std::vector<int> keys;
    std::vector<int> cursors;  // after each key
  };
  const int R = kKeyRight, L = kKeyLeft;
  const Case cases[] = {
      {{1, 1, 1, 0, 0}, {R, R, R, L}, {1, 2, 0, 2}},
      {{1, 0, 1, 0, 0}, {R, R, L}, {2, 0, 2}},
      {{0, 1, 0, 0, 0}, {R, L}, {1, 1}},
      {{0, 1, 1, 1, 1}, {R, R, L}, {2, 1, 2}},  // slots 3 and 4 are never reached by arrows
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.Floor(3);
    f.g.StageItems[0] = c.offered;
    OpenMenu(f);
    std::vector<int> seen;
    for (int key : c.keys) {
      f.Hold(key);
      f.Pass();
      seen.push_back(f.g.MenuCursor);
      EXPECT_EQ(f.g.KeyState[key], kFalse) << "each press moves the cursor once";
      EXPECT_EQ(f.Sounds(), Sounds{"effect sound/charjumpon.wav 2"});
    }
    EXPECT_EQ(seen, c.cursors);
    EXPECT_EQ(f.g.MenuOpen, kTrue);
  }
}

TEST(ToolMenu, UpOrDownClosesTheMenuAndIsUsedUp) {
  for (int key : {kKeyUp, kKeyDown}) {
    PlayerField f;
    f.Floor(3);
    f.Floor(6);
    OpenMenu(f);
    f.Hold(key);
    f.Pass();
    EXPECT_EQ(f.g.MenuOpen, kFalse) << key;
    EXPECT_FALSE(BoxShown(f)) << key;
    EXPECT_EQ(f.g.KeyState[key], kFalse) << key;
    f.WalkStep();  // the same press does not also jump or drop
    EXPECT_EQ(f.g.PlayerInAction, kFalse) << key;
  }
}

TEST(ToolMenu, TheHammerBreaksASpeedTileAndCloseTheMenuElsewhere) {
  struct Case {
    const char* name;
    int32_t tile;
    int pose;
    bool springInOwnCell;
    bool used;
    int expectPose;
  };
  const Case cases[] = {
      {"speed tile, facing right", 11, 0, false, true, 5},
      {"spent speed tile, facing left", 10, 1, false, true, 6},
      {"after the idle pose", 11, 3, false, true, 5},
      {"a spring stands in the figure's cell", 11, 0, true, false, 0},
      {"brick", 1, 0, false, false, 0},
      {"arrow", 3, 0, false, false, 0},
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.Floor(3);
    f.g.Map(2, 3) = c.tile;
    f.g.SpeedTiles[0] = {5, 3, 0, kFalse};
    f.g.SpeedTiles[1] = {2, 3, 0, kFalse};
    f.g.SpeedTiles[2] = {2, 3, 0, kFalse};  // past the count
    f.g.SpeedTileCount = 2;
    OpenMenu(f);
    f.g.PlayerPose = c.pose;
    if (c.springInOwnCell) f.g.AiMap(2, 2) = 30;
    Choose(f, 0);
    EXPECT_EQ(f.g.KeyState[kKeySpace], kFalse) << c.name;
    EXPECT_FALSE(BoxShown(f)) << c.name;
    EXPECT_EQ(f.Sounds(), (c.used) ? Sounds{} : Sounds{kRefusalBeep}) << c.name;
    if (c.used) {
      EXPECT_EQ(f.g.Map(2, 3), kSpeedTileBreaking) << c.name;
      EXPECT_EQ(f.g.ToolPoints, 4) << c.name;
      EXPECT_EQ(f.g.ToolAnim, 1) << c.name;
      EXPECT_EQ(f.g.ToolAnimCount, 0) << c.name;
      EXPECT_EQ(f.g.PlayerFrame, 3) << c.name;
      EXPECT_EQ(f.g.PlayerPose, c.expectPose) << c.name;
      EXPECT_EQ(f.g.MenuOpen, kTrue) << c.name << ": open but hidden until the work is done";
      EXPECT_EQ(f.g.SpeedTiles[0].broken, kFalse) << c.name;
      EXPECT_EQ(f.g.SpeedTiles[1].broken, kTrue) << c.name;
      EXPECT_EQ(f.g.SpeedTiles[2].broken, kFalse) << c.name;
    } else {
      EXPECT_EQ(f.g.Map(2, 3), c.tile) << c.name;
      EXPECT_EQ(f.g.ToolPoints, 5) << c.name;
      EXPECT_EQ(f.g.ToolAnim, 0) << c.name;
      EXPECT_EQ(f.g.MenuOpen, kFalse) << c.name << ": a refused hammer closes the menu";
    }
  }
}

TEST(ToolMenu, TheBroomTurnsArrowsAndRestoresSpentTilesAndKeepsTheMenuOpenElsewhere) {
  struct Case {
    const char* name;
    int32_t tile;
    bool springInOwnCell;
    int32_t mark;  // 0: refused
  };
  const Case cases[] = {
      {"right arrow", 3, false, 6},         {"left arrow", 4, false, 7},
      {"spent speed tile", 10, false, 13},  {"working speed tile", 11, false, 0},
      {"brick", 1, false, 0},               {"a spring in the figure's cell", 3, true, 0},
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.Floor(3);
    f.g.Map(2, 3) = c.tile;
    OpenMenu(f);
    if (c.springInOwnCell) f.g.AiMap(2, 2) = 30;
    Choose(f, 1);
    EXPECT_EQ(f.g.KeyState[kKeySpace], kFalse) << c.name;
    EXPECT_EQ(f.g.MenuOpen, kTrue) << c.name;
    EXPECT_EQ(f.Sounds(), (c.mark != 0) ? Sounds{} : Sounds{kRefusalBeep}) << c.name;
    if (c.mark != 0) {
      EXPECT_EQ(f.g.Map(2, 3), c.mark) << c.name;
      EXPECT_EQ(f.g.ToolPoints, 4) << c.name;
      EXPECT_EQ(f.g.ToolAnim, 1) << c.name;
      EXPECT_EQ(f.g.PlayerPose, 4) << c.name;
      EXPECT_EQ(f.g.PlayerFrame, 0) << c.name;
      EXPECT_FALSE(BoxShown(f)) << c.name;
    } else {
      EXPECT_EQ(f.g.Map(2, 3), c.tile) << c.name;
      EXPECT_EQ(f.g.ToolPoints, 5) << c.name;
      EXPECT_EQ(f.g.ToolAnim, 0) << c.name;
      EXPECT_TRUE(BoxShown(f)) << c.name;
    }
  }
}

TEST(ToolMenu, TheSpringNeedsAnEmptyCellAndNoPipeSpeedTileOrLaunch) {
  struct Case {
    const char* name;
    int32_t tileUnder;
    int32_t ownMap, ownAi;
    bool launched;
    bool placed;
  };
  const Case cases[] = {
      {"on a brick", 1, 0, 0, false, true},
      {"on a spent speed tile", 10, 0, 0, false, true},
      {"on a pipe top", 5, 0, 0, false, false},
      {"on a speed tile", 11, 0, 0, false, false},
      {"while the stone is thrown", 1, 0, 0, true, false},
      {"a bucket in the cell", 1, 0, 21, false, false},
      {"a tile in the cell", 1, 2, 0, false, false},
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.Floor(3);
    f.g.Map(2, 3) = c.tileUnder;
    OpenMenu(f, 60);  // the spring goes to the cell of the figure's centre: column 2
    f.g.Map(2, 2) = c.ownMap;
    f.g.AiMap(2, 2) = c.ownAi;
    f.g.StoneLaunched = c.launched ? kTrue : kFalse;
    f.g.SceneDirty = kFalse;
    Choose(f, 2);
    EXPECT_EQ(f.g.KeyState[kKeySpace], kFalse) << c.name;
    EXPECT_EQ(f.Sounds(), (c.placed) ? Sounds{} : Sounds{kRefusalBeep}) << c.name;
    if (c.placed) {
      EXPECT_EQ(f.g.PlacingSpring, kTrue) << c.name;
      EXPECT_EQ(f.g.PlayerInAction, kTrue) << c.name;
      EXPECT_EQ(f.g.ActionCount, 1) << c.name;
      EXPECT_EQ(f.g.PlayerPose, 7) << c.name;
      EXPECT_EQ(f.g.SpringX, 64) << c.name;
      EXPECT_EQ(f.g.SpringY, 64) << c.name;
      EXPECT_EQ(f.g.ToolPoints, 4) << c.name;
      EXPECT_EQ(f.g.SceneDirty, kTrue) << c.name;
      EXPECT_EQ(f.g.MenuOpen, kFalse) << c.name;
      EXPECT_FALSE(BoxShown(f)) << c.name;
      EXPECT_EQ(f.g.AiMap(2, 2), kNoObject) << c.name << ": set down only when the placing ends";
    } else {
      EXPECT_EQ(f.g.PlacingSpring, kFalse) << c.name;
      EXPECT_EQ(f.g.ToolPoints, 5) << c.name;
      EXPECT_EQ(f.g.MenuOpen, kTrue) << c.name << ": a refused spring keeps the menu open";
      EXPECT_TRUE(BoxShown(f)) << c.name;
    }
  }
}

// Opens the menu at x, moves the cursor to the spring with the keys, chooses it and lets the
// placing run to its end.
void PlaceSpringAt(PlayerField& f, int x) {
  OpenMenu(f, x);
  f.Hold(kKeyLeft);  // from the hammer, wrapping round to the spring
  f.Pass();
  ASSERT_EQ(f.g.MenuCursor, 2);
  f.Hold(kKeySpace);
  f.Pass();
  ASSERT_EQ(f.g.PlacingSpring, kTrue);
  f.ActionYs();
}

TEST(ToolMenu, ASecondSpringRemovesTheFirstWhenChosen) {
  PlayerField f;
  f.Floor(3);
  f.g.AiMap(0, 0) = 20;  // a goal cell where the spring position starts
  PlaceSpringAt(f, 64);
  EXPECT_EQ(f.g.AiMap(2, 2), kPlacedSpring);
  EXPECT_EQ(f.g.AiMap(0, 0), kGoal) << "the first spring takes nothing away";
  EXPECT_EQ(f.g.SpringShown, kTrue);
  EXPECT_EQ(f.g.ToolPoints, 4);

  f.g.SpringTicks = 3;
  OpenMenu(f, 160);
  f.g.MenuCursor = 2;
  f.Hold(kKeySpace);
  f.Pass();
  // Gone at the moment of the choice, before the new one is set down.
  EXPECT_EQ(f.g.AiMap(2, 2), kNoObject);
  EXPECT_EQ(f.g.SpringShown, kFalse);
  EXPECT_EQ(f.g.SpringTicks, 0);
  EXPECT_EQ(f.g.AiMap(5, 2), kNoObject);
  f.ActionYs();
  EXPECT_EQ(f.g.AiMap(5, 2), kPlacedSpring);
  EXPECT_EQ(f.g.AiMap(2, 2), kNoObject);
  EXPECT_EQ(f.g.SpringShown, kTrue);
  EXPECT_EQ(f.g.ToolPoints, 3);
}

TEST(ToolMenu, WithoutPointsHeldSpaceBeepsAgainEachTimeTheBeepHasEnded) {
  PlayerField f;
  f.Floor(3);
  f.g.Map(2, 3) = 11;
  f.g.ToolPoints = 0;
  OpenMenu(f);
  f.Hold(kKeySpace);
  // Half a second held: a beep at the first pass, then one each time the last has played out,
  // never one per pass (that was a buzz of 499 restarts).
  std::vector<int> beepPasses;
  for (int i = 1; i <= 500; ++i) {
    f.Pass();
    for (const std::string& s : f.Sounds()) {
      EXPECT_EQ(s, "effect sound/beep01.wav 1");
      beepPasses.push_back(i);
    }
  }
  const int b = kNoPointsBeepMs;
  EXPECT_EQ(beepPasses, (std::vector<int>{1, 1 + b, 1 + 2 * b, 1 + 3 * b}));
  EXPECT_EQ(f.g.KeyState[kKeySpace], kTrue);
  EXPECT_EQ(f.g.MenuOpen, kTrue);
  EXPECT_TRUE(BoxShown(f));
  EXPECT_EQ(f.g.Map(2, 3), kSpeedTile);
  f.Release(kKeySpace);
  for (int i = 0; i < 10; ++i) f.Pass();
  EXPECT_TRUE(f.Sounds().empty());
}

TEST(ToolMenu, AToolTheStageDoesNotOfferDoesNothing) {
  PlayerField f;
  f.Floor(3);
  f.g.Map(2, 3) = 5;  // the hammer would be refused here and close the menu
  f.g.ToolEnabled[0] = kFalse;
  OpenMenu(f);
  Choose(f, 0);
  EXPECT_EQ(f.g.KeyState[kKeySpace], kFalse);
  EXPECT_EQ(f.g.MenuOpen, kTrue);
  EXPECT_TRUE(BoxShown(f));
  EXPECT_EQ(f.g.ToolPoints, 5);
}

TEST(ToolMenu, TheBoxShowsTheIconsWithTheCursorFrameOverTheChosenOne) {
  PlayerField f;
  f.Floor(3);
  StageWindow& w = f.g.stageWindow;
  // Icons on the screen surface: every pixel says where it came from.
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 96; ++x) w.hudPanel.Row(116 + y)[336 + x] = Rgb(x, y, 77);
  // The frame (x 96) is black but for one red pixel; its mask (x 120) is white but there.
  w.commandboxx.Resize(144, 24);
  w.commandboxx.Fill(0);
  for (int y = 0; y < 24; ++y)
    for (int x = 120; x < 144; ++x) w.commandboxx.Row(y)[x] = Rgb(255, 255, 255);
  w.commandboxx.Row(5)[96 + 7] = Rgb(255, 0, 0);
  w.commandboxx.Row(5)[120 + 7] = 0;
  OpenMenu(f);
  f.Hold(kKeyRight);
  f.Pass();
  ASSERT_EQ(f.g.MenuCursor, 1);
  const Surface& box = w.toolMenu;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 72; ++x) {
      const Pixel expect = (x == 24 + 7 && y == 5) ? Rgb(255, 0, 0) : Rgb(x, y, 77);
      ASSERT_EQ(box.At(x, y), expect) << x << "," << y;
    }
  EXPECT_EQ(box.Shown(), box.Pixels()) << "the box is presented";
}

TEST(ToolMenu, HitsInTheMenu) {
  struct Case {
    const char* name;
    int enemyState;  // -9: no enemy
    int ballDx, ballDy;  // ball offset from the figure, or none when enemy
    bool menuCloses;
  };
  const Case cases[] = {
      {"a thrower closes the menu", 6, 0, 0, true},
      {"a walker closes the menu", 1, 0, 0, true},
      {"a ball in the menu's box closes it", -9, 2, -2, true},
      // Only the menu branch's own test sees this ball: a hit, but the menu stays open.
      {"a ball only in the walking box", -9, -2, 22, false},
  };
  for (const Case& c : cases) {
    PlayerField f;
    f.Floor(3);
    OpenMenu(f);
    if (c.enemyState != -9) {
      f.g.Enemies[0].state = c.enemyState;
      f.g.Enemies[0].x = 70;
      f.g.Enemies[0].y = 60;
      f.g.EnemyCount = 1;
    } else {
      f.g.BallActive = kTrue;
      f.g.BallX = 64 + c.ballDx;
      f.g.BallY = 64 + c.ballDy;
    }
    f.g.ActionCount = 7;
    f.Pass();
    EXPECT_EQ(f.g.PlayerHit, kTrue) << c.name;
    EXPECT_EQ(f.g.PlayerInAction, kTrue) << c.name;
    EXPECT_EQ(f.g.ActionCount, 0) << c.name;
    EXPECT_EQ(f.g.MenuOpen, c.menuCloses ? kFalse : kTrue) << c.name;
    EXPECT_EQ(BoxShown(f), !c.menuCloses) << c.name;
    if (c.enemyState == -9) {
      EXPECT_EQ(f.g.BallActive, kFalse) << c.name;
      EXPECT_EQ(f.g.BallX, 0) << c.name;
    }
  }
}

}  // namespace
}  // namespace slidestone
