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

// The stone before this frame is shown: its spin, and on its end point once settled.
void TurnStone(HouseShotState& shot) {
  const int32_t f = shot.ShotFrame;
  if (f < kShotSettleFrame) shot.ShotSpin = ((f + 1) % 160) / 20;
  if (f >= kShotSettleFrame) shot.ShotStoneX = shot.ShotTargetX;
}

// After it: a sideways step when one is due, and the climb.
void MoveStone(HouseShotState& shot) {
  const int32_t f = shot.ShotFrame;
  if (shot.DriftPeriod > 0 && f % shot.DriftPeriod == 0 && f > shot.DriftStart) {
    shot.ShotStoneX += shot.ShotTargetX >= 304 ? 1 : -1;
  }
  shot.ShotStoneY = std::max(shot.ShotStoneY - 2, shot.ShotTargetY);
}

void ShotTick(World& g) {
  const int32_t f = g.ShotFrame;
  TurnStone(g);
  g.front->ShotShown();
  MoveStone(g);
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
