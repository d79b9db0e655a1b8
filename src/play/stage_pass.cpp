// One pass of the stage screen, in the order the rules run: pause, the sequence between moments
// of play, or the play steps and the end of the pass.
#include <algorithm>
#include <utility>

#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

// What a pass of play acts on whether a paced step is due or not: the open tool menu's keys,
// the pause and give-up keys, and a stage that has just ended or paused.
bool ActsOnEveryPass(const Model& g) {
  return (On(g.MenuOpen) && g.ToolAnim == 0) || On(g.StagePhaseFlag) || On(g.Paused) ||
         On(g.KeyState[kKeyEnter]) || (On(g.KeyState[kKeyZ]) && !On(g.PlayerHit));
}

// Which branches of the player's and the stone's steps a pass runs: a pass notes only the clocks
// of the branches it ran, so when a step switches branch the next pass must run to note the new.
int32_t Branches(const Model& g) {
  return int32_t(On(g.MenuOpen)) | int32_t(On(g.PlayerInAction)) << 1 | int32_t(On(g.StoneLaunched)) << 2 |
         int32_t(On(g.springActive)) << 3 | int32_t(On(g.stoneFlying)) << 4;
}

}  // namespace

int64_t StagePass(World& g) {
  // Play changes things at many passes no timer paces (the tool menu, an action under way), and
  // the stone keeps it busy anyway: it never lets the window sleep past the next pass.
  const int64_t next = g.Now + 1;
  if (On(g.Paused)) {
    NoteStepDueAt(g, next);
    PauseStep(g, g, *g.audio);
    return next;
  }
  if (On(g.StagePhaseFlag)) {
    NoteStepDueAt(g, next);
    StageFlowStep(g);
    return next;
  }
  // The paced steps note when each is next due; until the first of them, with no key read on
  // every pass, the passes between change nothing but the clock.
  const int64_t noted = std::exchange(g.nextStepAt, World::kNoStepDue);
  const int32_t branches = Branches(g);
  UpdatePlayer(g);
  UpdateStone(g);
  UpdateEnemies(g);
  StageTimerStep(g);
  TilePass(g);
  HudEffectsStep(g, g, *g.view, Pacing(g));
  FieldFrameStep(g);
  OpeningLineStep(g, g, *g.view, Pacing(g));
  const int64_t changes = ActsOnEveryPass(g) || Branches(g) != branches ? next : g.nextStepAt;
  g.nextStepAt = std::min(noted, next);
  return changes;
}

}  // namespace slidestone
