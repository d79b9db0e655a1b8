// The two zooms of the head-up display. Whoever changes the tool points or the stone's speed
// starts one (flag set, step 0); each due step shows the number a little larger around its
// place, and the last step puts it back at its normal size.
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int64_t kHudStepMs = 30;
constexpr int32_t kZoomSteps = 8;

void PointsZoomStep(HudState& hud, StageView& view) {
  view.PointsZoomShown();
  hud.PointsFlashStep += 1;
  if (hud.PointsFlashStep >= kZoomSteps) {
    hud.PointsFlash = kFalse;
    view.ToolPointsShown();
  }
}

void SpeedZoomStep(HudState& hud, StageView& view) {
  view.SpeedZoomShown();
  hud.SpeedFlashStep += 1;
  if (hud.SpeedFlashStep >= kZoomSteps) {
    hud.SpeedFlash = kFalse;
    view.SpeedZoomEnded();
  }
}

}  // namespace

void HudEffectsStep(HudState& hud, StepState& steps, StageView& view, Pacing pace) {
  if (!pace.Due(steps.hudClock, kHudStepMs)) return;
  if (On(hud.PointsFlash)) PointsZoomStep(hud, view);
  if (On(hud.SpeedFlash)) SpeedZoomStep(hud, view);
}

}  // namespace slidestone
