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

bool BrickAt(const FieldState& field, int px, int py) { return field.Map.AtPixel(px, py) == kBrick; }

void RemoveSpring(StoneState& stone, FieldState& field) {
  field.AiMap(stone.SpringX / 32, stone.SpringY / 32) = kNoObject;
  stone.SpringShown = kFalse;
  stone.SpringTicks = 0;
}

void SpringTick(StoneState& stone, StepState& steps, FieldState& field) {
  if (stone.SpringStep == 1) {
    stone.StoneY -= 5;
    // A brick right above: the stone goes straight up and no further sideways.
    if (field.Map.AtPixel(stone.StoneX + 15, stone.StoneY + 14) == kBrick) {
      steps.launchBlocked = kTrue;
      stone.StoneX = stone.StonePrevX;
    }
  }
  stone.SpringRise += stone.SpringStep;
  stone.SpringTicks += 1;
  if (stone.SpringTicks == 4) {
    steps.stoneFlying = kTrue;
    steps.stoneVy = stone.StoneSpeed * 2 + 7;
    stone.SpringStep = -1;
  }
  if (stone.SpringTicks == 9) {
    // A blocked launch slides on from here, even in mid-air.
    if (On(steps.launchBlocked)) stone.StoneLaunched = kFalse;
    steps.springActive = kFalse;
    stone.SpringRise = 0;
    stone.SpringStep = 1;
    RemoveSpring(stone, field);
  }
}

// A wall met in flight turns the stone back; the first one also kills its rise.
void BumpWall(StoneState& stone, StepState& steps) {
  stone.StoneX = stone.StonePrevX;
  stone.StoneDir = -stone.StoneDir;
  if (!On(steps.stoneBumped)) {
    steps.stoneVy = 0;
    steps.stoneBumped = kTrue;
  }
}

// The flight is over: a normal launch ends here with the landing thud; a blocked one waits for
// its spring to finish.
void Land(StoneScope s, int y) {
  StoneState& stone = s.stone();
  s.steps().stoneFlying = kFalse;
  if (!On(s.steps().launchBlocked)) {
    stone.StoneLaunched = kFalse;
    s.steps().springActive = kFalse;
    stone.SpringStep = 1;
    stone.SpringRise = 0;
    RemoveSpring(stone, s.field());
    s.audio().PlayEffect(kSoundStoneLand, kChannelStone);
  }
  stone.StoneY = y;
}

// The top of the first floor that the stone's bottom went down through during this tick, or -1.
// A floor is a solid cell under a landing probe with an empty cell above it: the stone keeps
// falling through a block it flew into sideways, but a stone coming down with a side still
// inside such a block fails the usual landing test, and must not sink through the floor below.
int FloorCrossed(const StoneState& stone, const FieldState& field, int x, int fromY) {
  for (int row = (fromY + 31) / 32 + 1; row * 32 <= stone.StoneY + 32; ++row) {
    for (int px : {x + 4, x + 27}) {
      if (SolidAt(field, px, row * 32) && !SolidAt(field, px, row * 32 - 1)) return row * 32;
    }
  }
  return -1;
}

void FlightTick(StoneScope s) {
  StoneState& stone = s.stone();
  StepState& steps = s.steps();
  const FieldState& field = s.field();
  const int fromY = stone.StoneY;
  if (!On(steps.launchBlocked)) stone.StoneX += stone.StoneDir * 5;
  stone.StoneY -= steps.stoneVy;

  const int x = stone.StoneX;
  if (steps.stoneVy < 0) {
    if ((SolidAt(field, x + 4, stone.StoneY + 32) || SolidAt(field, x + 27, stone.StoneY + 32)) &&
        !SolidAt(field, x, stone.StoneY + 20) && !SolidAt(field, x + 31, stone.StoneY + 20)) {
      Land(s, stone.StoneY / 32 * 32);
    } else if (const int floorY = FloorCrossed(stone, field, x, fromY); floorY >= 0) {
      Land(s, floorY - 32);
    }
  }

  if (stone.StoneY < kCeilingY) {
    stone.StoneY = kCeilingY;
    steps.stoneVy = 0;
  }

  if ((BrickAt(field, x + 4, stone.StoneY + 8) || BrickAt(field, x + 27, stone.StoneY + 8)) &&
      steps.stoneVy > 0) {
    stone.StoneY = stone.StonePrevY;
    steps.stoneVy = 0;
  }

  if (!On(steps.launchBlocked)) {
    if (((BrickAt(field, stone.StoneX + 31, stone.StoneY + 8) ||
          BrickAt(field, stone.StoneX + 31, stone.StoneY + 27)) &&
         stone.StoneDir == 1) ||
        stone.StoneX > kStoneMaxX)
      BumpWall(stone, steps);
    if (((BrickAt(field, stone.StoneX, stone.StoneY + 8) ||
          BrickAt(field, stone.StoneX, stone.StoneY + 27)) &&
         stone.StoneDir == -1) ||
        stone.StoneX < 0)
      BumpWall(stone, steps);
  }

  // Falling settles at 11 and 12 pixels per tick in turn.
  steps.stoneVy -= 1;
  if (steps.stoneVy < -12) steps.stoneVy = -11;
}

}  // namespace

void StoneLaunchStep(StoneScope s) {
  if (On(s.steps().springActive) && s.pace().Due(s.steps().springClock, 80))
    SpringTick(s.stone(), s.steps(), s.field());

  if (On(s.steps().stoneFlying)) {
    if (s.pace().Due(s.steps().stoneClock, s.stone().StonePeriod)) AdvanceStoneSpin(s.stone());
    if (s.pace().Due(s.steps().flightClock, 70)) FlightTick(s);
  }

  s.stage().SceneDirty = kTrue;
  FellOut(s.stone().StoneY, On(s.player().PlayerHit), s.session());  // a thrown stone falls without a sound
}

}  // namespace slidestone
