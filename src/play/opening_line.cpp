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

void HideOpeningLine(StepState& steps, StageView& view) {
  if (!On(steps.openingLineShown)) return;
  steps.openingLineShown = kFalse;
  steps.openingLineEndsAt = 0;
  view.OpeningLineShown();
}

void OpeningLineStep(StepState& steps, const Model& m, StageView& view, Pacing pace) {
  if (!On(steps.openingLineShown) || steps.openingLineEndsAt == 0) return;
  const bool inTheWay = On(m.MenuOpen) || m.PlayerY < kTopRowBottom || m.StoneY < kTopRowBottom;
  if (inTheWay || pace.Now() >= steps.openingLineEndsAt) {
    HideOpeningLine(steps, view);
  } else {
    pace.NoteDueAt(steps.openingLineEndsAt);
  }
}

}  // namespace slidestone
