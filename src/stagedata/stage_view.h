// What play asks the stage screen to show. Play changes the model; at the moment something on
// the stage screen must change it says so here, and whoever shows the stage draws it at once,
// reading the model, in the same order and the same pass. The view never decides anything.
//
// This base draws nothing: a run nobody watches (the proofs, --verify, the stage solver) steps
// the model through it with no surface at all.
#pragma once

#include <cstdint>

namespace slidestone {

class StageView {
 public:
  virtual ~StageView() = default;

  // --- the field ------------------------------------------------------------------------------
  // The loader has filled Map, AiMap and the tables: the backdrop, every tile and every object's
  // first picture, dimmed under the curtain.
  virtual void StageFieldBuilt() {}
  // A speed tile's spent look: after the stone went over it, when it grew back, and with the
  // first glint of play for a tile the stage starts spent (the loader drew it as plain ice).
  virtual void SpeedTileSpent(int /*col*/, int /*row*/) {}
  // One picture of a live speed tile catching the light (overlay 0 is its live look at rest).
  virtual void SpeedTileGlint(int /*col*/, int /*row*/, int /*overlay*/) {}
  // Hammer or broom work at the cell: `code` is the work under way (a *Breaking, *Sweeping or
  // *Turning code) and `stage` the stage reached, 1 to 3.
  virtual void ToolWorkShown(int /*col*/, int /*row*/, int32_t /*code*/, int32_t /*stage*/) {}
  // The work of `code` is complete: the hole, the restored tile, the turned arrow.
  virtual void ToolWorkDone(int /*col*/, int /*row*/, int32_t /*code*/) {}
  // The block under the cleared cell at SparkleX, SparkleY gets its snow cap.
  virtual void SnowCapped() {}
  // The figures have moved: the field is drawn again from the clean field.
  virtual void FieldRepainted() {}
  // The field as drawn so far goes on the screen.
  virtual void FieldPresented() {}
  // Pause: what the field shows now is kept as the picture the pause shows.
  virtual void FieldFrozen() {}
  // The stage's opening line over the top of the field, or none when openingLineShown is clear.
  virtual void OpeningLineShown() {}

  // --- the head-up display --------------------------------------------------------------------
  // A stage was loaded: the panel, lives, stage number, score labels and scores ...
  virtual void StageHudOpened() {}
  // ... and, after the stage clock's first step, the speed, the tools and the tool points.
  virtual void StageHudCompleted() {}
  virtual void StageClockShown() {}
  virtual void HudPresented() {}
  virtual void ScoresShown() {}
  virtual void ToolPointsShown() {}
  virtual void SpeedShown(int /*digit*/) {}
  // One frame of the tool points' or the speed digit's zoom, at its current step ...
  virtual void PointsZoomShown() {}
  virtual void SpeedZoomShown() {}
  // ... and the speed digit back at its size with its label.
  virtual void SpeedZoomEnded() {}

  // --- the tool menu --------------------------------------------------------------------------
  virtual void ToolMenuOpened() {}  // at MenuX, MenuY
  virtual void ToolMenuShown() {}   // the icons and the cursor on MenuCursor
  virtual void ToolMenuHidden() {}

  // --- between moments of play ----------------------------------------------------------------
  virtual void CurtainShown() {}         // the curtain's strips at FlowStep
  virtual void CurtainMiddleShaded() {}  // the middle strip, as the curtain decides
  virtual void LivesCleared() {}         // no tries left: the lives icons go
  virtual void ContinuePromptShown() {}  // at ContinueCursor
  virtual void FlowWordsShown() {}       // the words of WordCounter over the clean field
  virtual void FlowWordsCleared() {}
  virtual void TitleWindowShown() {}     // game over: the title's window comes to the top
};

}  // namespace slidestone
