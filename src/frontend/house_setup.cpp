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
int32_t DrawOneTo(ClockState& clock, int32_t count) {
  Randomize(clock.RandomState, clock.Now);
  return int32_t(std::floor(Rnd(clock.RandomState) * count + 1));
}

// Where the stone of the stage just cleared will stop, and how it drifts there.
void AimShot(HouseShotState& shot, const SessionState& session, const StageState& stage, ClockState& clock) {
  shot.ShotStoneX = kCentreX;
  shot.ShotStoneY = 416;

  // Every 2 points short of par puts the stone one pixel further from the centre.
  const int cleared = session.Stage - 1;
  const int64_t par = cleared >= 0 && cleared < kStageRecords ? stage.StageTable[cleared].parScore : 0;
  const int64_t shortBy = par - session.StageScore;
  const int64_t d = std::clamp<int64_t>(shortBy == 0 ? 0 : shortBy / 2, 0, kLongestShot);
  shot.ShotDistance = int32_t(d);

  shot.ShotInterval = 30;
  shot.ShotTargetX = kCentreX;
  shot.ShotTargetY = kCentreY;
  if (d == 0) {
    shot.DriftPeriod = 500;  // more than the scene lasts: no sideways step
    return;
  }
  int32_t a = DrawOneTo(clock, int32_t(d));
  if (DrawOneTo(clock, 2) == 2) a = -a;
  shot.ShotTargetY = kCentreY + a;
  const bool right = DrawOneTo(clock, 2) == 1;
  const int32_t b = int32_t(std::lround(std::sqrt(double(d * d - int64_t(a) * a))));
  shot.ShotTargetX = right ? kCentreX + b : kCentreX - b;
  if (b >= 1) {
    // The b sideways steps are spread over the frames in which the stone travels.
    shot.DriftPeriod = kTravelFrames / b;
    shot.DriftStart = kTravelFrames % b;
  } else {
    shot.DriftPeriod = 500;
  }
}

}  // namespace

void HouseSetupStep(World& g) {
  // The sheet comes up scrolled left by 64 pixels; the comment strip only when the comment is
  // given.
  g.front->HouseSheetShown();
  AimShot(g, g, g, g);
  g.audio->StopMusic();
  g.audio->PlayMusic("sound/PSMAT525.mid", 0);
  g.GameState = kStateHouseShot;
}

}  // namespace slidestone
