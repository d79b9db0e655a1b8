// One pass of the stage screen, in the order the rules run: pause, the sequence between moments
// of play, or the play steps and the end of the pass.
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {

void StagePass(World& g) {
  // Play changes things at many passes no timer paces (the tool menu, an action under way), and
  // the stone keeps it busy anyway: it never lets the window sleep past the next pass.
  NoteStepDueAt(g, g.Now + 1);
  if (On(g.Paused)) {
    PauseStep(g);
    return;
  }
  if (On(g.StagePhaseFlag)) {
    StageFlowStep(g);
    return;
  }
  UpdatePlayer(g);
  UpdateStone(g);
  UpdateEnemies(g);
  StageTimerStep(g);
  TilePass(g);
  HudEffectsStep(g);
  FieldFrameStep(g);
}

}  // namespace slidestone
