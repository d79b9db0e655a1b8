// The stage's opening line: the loader puts it over the field with the stage, the START banner's
// end starts its clock, and it goes after a few seconds of play, with the end of the stage, or at
// once when play needs the top of the field: the tool menu opens, or the figure or the stone
// comes up into the top row the line covers.
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {
constexpr int kTopRowBottom = 32;  // the line covers the field's top row
}  // namespace

void HideOpeningLine(World& g) {
  if (!On(g.openingLineShown)) return;
  g.openingLineShown = kFalse;
  g.openingLineEndsAt = 0;
  g.view->OpeningLineShown();
}

void OpeningLineStep(World& g) {
  if (!On(g.openingLineShown) || g.openingLineEndsAt == 0) return;
  const bool inTheWay = On(g.MenuOpen) || g.PlayerY < kTopRowBottom || g.StoneY < kTopRowBottom;
  if (inTheWay || g.Now >= g.openingLineEndsAt) {
    HideOpeningLine(g);
  } else {
    NoteStepDueAt(g, g.openingLineEndsAt);
  }
}

}  // namespace slidestone
