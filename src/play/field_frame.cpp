// The end of every pass of play: when a step has changed something the field is drawn again, and
// the places the figures are drawn at become the places their bounces go back to.
#include "play/drawn_positions.h"
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {

void FieldFrameStep(FieldFrameScope s) {
  if (On(s.stage().SceneDirty)) {
    NoteDrawnPositions(s.player(), s.stone(), s.enemies(), s.field());
    s.view().FieldRepainted();
    s.stage().SceneDirty = kFalse;
  }
  s.view().FieldPresented();
}

}  // namespace slidestone
