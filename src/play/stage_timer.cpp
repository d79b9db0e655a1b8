// The stage clock: every 100 ms it shows the time left, counts it down by a tenth while the time
// limit is on, and calls time up once it has run out. A stage just loaded opens its head-up
// display around the clock's first step.
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int64_t kTimerStepMs = 100;

}  // namespace

void StageTimerStep(StageTimerScope s) {
  if (!s.pace().Due(s.steps().stageTimerClock, kTimerStepMs)) return;
  s.view().StageClockShown();

  if (On(s.session().TimeLimitOn) && s.stage().StageTime >= 0) s.stage().StageTime -= 1;
  if (s.stage().StageTime < 0) {
    // During a knock-out the fall ends the stage instead; the clock just holds at zero.
    if (!On(s.player().PlayerHit)) {
      s.stage().StageEndReason = kEndTimeUp;
      s.session().StagePhaseFlag = kTrue;
    }
    s.stage().StageTime = 0;
  }
  s.view().HudPresented();
}

void OpenStageHud(World& g) {
  g.view->StageHudOpened();
  const int64_t clockRanAt = g.stageTimerClock;
  StageTimerStep(g);
  // A stage loaded again within the clock's 100 ms (the flow reloads every stage at the start
  // of its curtain) would otherwise open with an empty clock; showing the time counts nothing.
  if (g.stageTimerClock == clockRanAt) g.view->StageClockShown();
  g.view->StageHudCompleted();
}

}  // namespace slidestone
