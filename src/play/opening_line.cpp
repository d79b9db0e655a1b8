// The stage's opening line: the loader puts it over the field with the stage, the START banner's
// end starts its clock, and it goes after a few seconds of play or with the end of the stage.
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {

void HideOpeningLine(World& g) {
  if (!On(g.openingLineShown)) return;
  g.openingLineShown = kFalse;
  g.openingLineEndsAt = 0;
  g.view->OpeningLineShown();
}

void OpeningLineStep(World& g) {
  if (!On(g.openingLineShown) || g.openingLineEndsAt == 0) return;
  if (g.Now >= g.openingLineEndsAt) {
    HideOpeningLine(g);
  } else {
    NoteStepDueAt(g, g.openingLineEndsAt);
  }
}

}  // namespace slidestone
