// The search's guide ranks a stone by its way to the goal over the field, not by a straight line:
// a shaft out of the field leads nowhere, a tile the hammer can break is a way down, and a wall
// on the floor is passed only by a throw.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "solver/stone_guide.h"
#include "stagedata/codes.h"

namespace slidestone::solver {
namespace {

// 19 x 11 cells: '#' brick, 'T' speed tile, 'G' the goal, '.' empty. The columns left of the
// floors are a shaft open at the bottom of the field.
constexpr std::array<const char*, 11> kField = {
    "...................",  //
    "...................",  //
    "...................",  //
    "..#####T###########",  // row 3: the top floor, one speed tile in it
    "...................",  //
    "...................",  //
    "...................",  //
    "...................",  //
    "...................",  //
    "..........#......G.",  // row 9: a wall on the bottom floor, west of the goal
    "..#################",  // row 10: the bottom floor
};

std::unique_ptr<World> Field() {
  auto w = std::make_unique<World>();
  for (int r = 0; r < int(kField.size()); ++r) {
    for (int c = 0; c < 19; ++c) {
      const char cell = kField[size_t(r)][c];
      w->Map(c, r) = cell == '#' ? kBrick : cell == 'T' ? kSpeedTile : kEmptyCell;
      w->AiMap(c, r) = cell == 'G' ? kGoal : kNoObject;
    }
  }
  return w;
}

// One guide for all the moments, as in a search: it must see the map change.
int At(World& w, int col, int row, bool thrown = false) {
  static StoneGuide guide;
  w.StoneX = col * 32;
  w.StoneY = row * 32;
  w.StoneLaunched = thrown ? kTrue : kFalse;
  return guide.Distance(w);
}

TEST(SolverGuide, TheStonesWayToTheGoalNotAStraightLine) {
  auto w = Field();
  const int overTile = At(*w, 7, 2), overGoal = At(*w, 17, 2);
  EXPECT_LT(overTile, StoneGuide::kNoWay);
  EXPECT_LT(overTile, overGoal) << "the top floor's only way down is the tile the hammer breaks";
  EXPECT_EQ(At(*w, 0, 5), StoneGuide::kNoWay) << "a stone falling down the shaft leaves the field";
  EXPECT_EQ(At(*w, 1, 9), StoneGuide::kNoWay) << "even beside the bottom floor";

  const int behindWall = At(*w, 9, 9), pastWall = At(*w, 11, 9);
  EXPECT_LT(behindWall, StoneGuide::kNoWay) << "a spring throws the stone over the wall";
  EXPECT_GT(behindWall - pastWall, 2 * StoneGuide::kCell) << "and that costs more than sliding";
  EXPECT_LT(At(*w, 9, 8, true), At(*w, 9, 8)) << "thrown, it flies over the wall; sliding, it falls before it";

  w->Map(7, 3) = kSpeedTileBreaking;  // the hammer at work: still the way down
  EXPECT_EQ(At(*w, 7, 2), overTile);
  w->Map(7, 3) = kBrick;  // no tile: the top floor leads nowhere
  EXPECT_EQ(At(*w, 7, 2), StoneGuide::kNoWay);
}

}  // namespace
}  // namespace slidestone::solver
