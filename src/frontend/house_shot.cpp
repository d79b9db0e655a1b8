// The house shot: the stone climbs the sheet while the cross lines scroll down past it and the
// house comes down from the top; the stone drifts toward its side, settles on its end point,
// the scene slows, a comment on the shot appears, and Space or the last frame ends it.
#include <algorithm>

#include "audio/audio.h"
#include "frontend/frontend.h"
#include "services/random.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int kCommentFrame = 290;
constexpr int kLastFrame = 350;

void ShotTick(World& g) {
  const int32_t f = g.ShotFrame;
  if (f < kShotSettleFrame) g.ShotSpin = ((f + 1) % 160) / 20;
  if (f >= kShotSettleFrame) g.ShotStoneX = g.ShotTargetX;
  g.front->ShotShown();

  if (g.DriftPeriod > 0 && f % g.DriftPeriod == 0 && f > g.DriftStart) {
    g.ShotStoneX += g.ShotTargetX >= 304 ? 1 : -1;
  }
  g.ShotStoneY = std::max(g.ShotStoneY - 2, g.ShotTargetY);
  g.front->HousePresented();

  if (f % 2 == 0 && f >= 200 && g.ShotInterval < 100) ++g.ShotInterval;
  ++g.ShotFrame;
  if (g.ShotFrame == kCommentFrame) ShowShotComment(g);

  // Space is only looked at, not consumed: held on, the next stage sees it too.
  if (On(g.KeyState[kKeySpace]) || g.ShotFrame >= kLastFrame) {
    g.audio->StopMusic();
    if (g.Stage >= kStageCount) {  // the last stage has been cleared
      g.GameState = kStateResults;
    } else {
      g.front->StageWindowBack();
      g.GameState = kStateLoadStage;
    }
  }
}

}  // namespace

void HouseShotStep(World& g) {
  if (StepDue(g, g.shotClock, g.ShotInterval)) ShotTick(g);
}

void ShowShotComment(World& g) {
  const int32_t d = g.ShotDistance;
  const int band = d == 0 ? 0 : d <= 50 ? 10 : d <= 100 ? 20 : d <= 150 ? 30 : 40;
  Randomize(g.RandomState, g.Now);
  const int k = RandomBelow(g.RandomState, 9);
  g.front->ShotCommentShown(g.Messages[band + k]);
}

}  // namespace slidestone
