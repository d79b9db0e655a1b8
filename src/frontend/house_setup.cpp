// The set-up of the house shot: brings up the sheet of ice, works out where the stone will stop
// (on a circle around the house centre whose radius grows with how far the stage score fell
// short of its par) and starts the scene's music. One pass, then the scene itself.
#include <algorithm>
#include <cmath>

#include "audio/audio.h"
#include "frontend/frontend.h"
#include "services/random.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int kCentreX = 304;  // the stone on the house centre
constexpr int kCentreY = 208;
constexpr int kLongestShot = 239;
constexpr int kTravelFrames = 276;  // frames in which the stone travels up the sheet

// Int(r * count + 1) with a fresh seed: a whole number from 1 to count.
int32_t DrawOneTo(World& g, int32_t count) {
  Randomize(g.RandomState, g.Now);
  return int32_t(std::floor(Rnd(g.RandomState) * count + 1));
}

}  // namespace

void HouseSetupStep(World& g) {
  // The sheet comes up scrolled left by 64 pixels; the comment strip only when the comment is
  // given.
  g.front->HouseSheetShown();
  g.ShotStoneX = kCentreX;
  g.ShotStoneY = 416;

  // Every 2 points short of par puts the stone one pixel further from the centre.
  const int cleared = g.Stage - 1;
  const int64_t par = cleared >= 0 && cleared < kStageRecords ? g.StageTable[cleared].parScore : 0;
  const int64_t shortBy = par - g.StageScore;
  const int64_t d = std::clamp<int64_t>(shortBy == 0 ? 0 : shortBy / 2, 0, kLongestShot);
  g.ShotDistance = int32_t(d);

  g.ShotInterval = 30;
  g.ShotTargetX = kCentreX;
  g.ShotTargetY = kCentreY;
  if (d == 0) {
    g.DriftPeriod = 500;  // more than the scene lasts: no sideways step
  } else {
    int32_t a = DrawOneTo(g, int32_t(d));
    if (DrawOneTo(g, 2) == 2) a = -a;
    g.ShotTargetY = kCentreY + a;
    const bool right = DrawOneTo(g, 2) == 1;
    const int32_t b = int32_t(std::lround(std::sqrt(double(d * d - int64_t(a) * a))));
    g.ShotTargetX = right ? kCentreX + b : kCentreX - b;
    if (b >= 1) {
      // The b sideways steps are spread over the frames in which the stone travels.
      g.DriftPeriod = kTravelFrames / b;
      g.DriftStart = kTravelFrames % b;
    } else {
      g.DriftPeriod = 500;
    }
  }

  g.audio->StopMusic();
  g.audio->PlayMusic("sound/PSMAT525.mid", 0);
  g.GameState = kStateHouseShot;
}

}  // namespace slidestone
