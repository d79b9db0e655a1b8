// The spring launch: the spring lifts the stone 5 pixels per 80-ms tick for four ticks, hands it
// to the flight and retracts for five more ticks; the flight moves it every 70 ms on an arc
// until it lands on something solid. In the air only bricks stop it; coming down, it never
// passes through a solid row.
#include "audio/audio.h"
#include "play/play.h"
#include "play/stone.h"
#include "stagedata/world.h"

namespace slidestone {
namespace {

constexpr int kStoneMaxX = kFieldW - 32;
constexpr int kCeilingY = -24;

bool BrickAt(const World& g, int px, int py) { return g.Map.AtPixel(px, py) == kBrick; }

void RemoveSpring(World& g) {
  g.AiMap(g.SpringX / 32, g.SpringY / 32) = kNoObject;
  g.SpringShown = kFalse;
  g.SpringTicks = 0;
}

void SpringTick(World& g) {
  if (g.SpringStep == 1) {
    g.StoneY -= 5;
    // A brick right above: the stone goes straight up and no further sideways.
    if (g.Map.AtPixel(g.StoneX + 15, g.StoneY + 14) == kBrick) {
      g.launchBlocked = kTrue;
      g.StoneX = g.StonePrevX;
    }
  }
  g.SpringRise += g.SpringStep;
  g.SpringTicks += 1;
  if (g.SpringTicks == 4) {
    g.stoneFlying = kTrue;
    g.stoneVy = g.StoneSpeed * 2 + 7;
    g.SpringStep = -1;
  }
  if (g.SpringTicks == 9) {
    // A blocked launch slides on from here, even in mid-air.
    if (On(g.launchBlocked)) g.StoneLaunched = kFalse;
    g.springActive = kFalse;
    g.SpringRise = 0;
    g.SpringStep = 1;
    RemoveSpring(g);
  }
}

// A wall met in flight turns the stone back; the first one also kills its rise.
void BumpWall(World& g) {
  g.StoneX = g.StonePrevX;
  g.StoneDir = -g.StoneDir;
  if (!On(g.stoneBumped)) {
    g.stoneVy = 0;
    g.stoneBumped = kTrue;
  }
}

// The flight is over: a normal launch ends here with the landing thud; a blocked one waits for
// its spring to finish.
void Land(World& g, int y) {
  g.stoneFlying = kFalse;
  if (!On(g.launchBlocked)) {
    g.StoneLaunched = kFalse;
    g.springActive = kFalse;
    g.SpringStep = 1;
    g.SpringRise = 0;
    RemoveSpring(g);
    g.audio->PlayEffect(kSoundStoneLand, kChannelStone);
  }
  g.StoneY = y;
}

// The top of the first floor that the stone's bottom went down through during this tick, or -1.
// A floor is a solid cell under a landing probe with an empty cell above it: the stone keeps
// falling through a block it flew into sideways, but a stone coming down with a side still
// inside such a block fails the usual landing test, and must not sink through the floor below.
int FloorCrossed(const World& g, int x, int fromY) {
  for (int row = (fromY + 31) / 32 + 1; row * 32 <= g.StoneY + 32; ++row) {
    for (int px : {x + 4, x + 27}) {
      if (SolidAt(g, px, row * 32) && !SolidAt(g, px, row * 32 - 1)) return row * 32;
    }
  }
  return -1;
}

void FlightTick(World& g) {
  const int fromY = g.StoneY;
  if (!On(g.launchBlocked)) g.StoneX += g.StoneDir * 5;
  g.StoneY -= g.stoneVy;

  const int x = g.StoneX;
  if (g.stoneVy < 0) {
    if ((SolidAt(g, x + 4, g.StoneY + 32) || SolidAt(g, x + 27, g.StoneY + 32)) &&
        !SolidAt(g, x, g.StoneY + 20) && !SolidAt(g, x + 31, g.StoneY + 20)) {
      Land(g, g.StoneY / 32 * 32);
    } else if (const int floorY = FloorCrossed(g, x, fromY); floorY >= 0) {
      Land(g, floorY - 32);
    }
  }

  if (g.StoneY < kCeilingY) {
    g.StoneY = kCeilingY;
    g.stoneVy = 0;
  }

  if ((BrickAt(g, x + 4, g.StoneY + 8) || BrickAt(g, x + 27, g.StoneY + 8)) && g.stoneVy > 0) {
    g.StoneY = g.StonePrevY;
    g.stoneVy = 0;
  }

  if (!On(g.launchBlocked)) {
    if (((BrickAt(g, g.StoneX + 31, g.StoneY + 8) || BrickAt(g, g.StoneX + 31, g.StoneY + 27)) &&
         g.StoneDir == 1) ||
        g.StoneX > kStoneMaxX)
      BumpWall(g);
    if (((BrickAt(g, g.StoneX, g.StoneY + 8) || BrickAt(g, g.StoneX, g.StoneY + 27)) &&
         g.StoneDir == -1) ||
        g.StoneX < 0)
      BumpWall(g);
  }

  // Falling settles at 11 and 12 pixels per tick in turn.
  g.stoneVy -= 1;
  if (g.stoneVy < -12) g.stoneVy = -11;
}

}  // namespace

void StoneLaunchStep(World& g) {
  if (On(g.springActive) && StepDue(g, g.springClock, 80)) SpringTick(g);

  if (On(g.stoneFlying)) {
    if (StepDue(g, g.stoneClock, g.StonePeriod)) AdvanceStoneSpin(g);
    if (StepDue(g, g.flightClock, 70)) FlightTick(g);
  }

  g.SceneDirty = kTrue;
  FellOut(g, g.StoneY);  // a thrown stone falls without a sound
}

}  // namespace slidestone
