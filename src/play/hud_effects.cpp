// The two zooms of the head-up display. Whoever changes the tool points or the stone's speed
// starts one (flag set, step 0); each due step shows the number a little larger around its
// place, and the last step puts it back at its normal size.
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int64_t kHudStepMs = 30;
constexpr int32_t kZoomSteps = 8;

void PointsZoomStep(World& g) {
  g.view->PointsZoomShown();
  g.PointsFlashStep += 1;
  if (g.PointsFlashStep >= kZoomSteps) {
    g.PointsFlash = kFalse;
    g.view->ToolPointsShown();
  }
}

void SpeedZoomStep(World& g) {
  g.view->SpeedZoomShown();
  g.SpeedFlashStep += 1;
  if (g.SpeedFlashStep >= kZoomSteps) {
    g.SpeedFlash = kFalse;
    g.view->SpeedZoomEnded();
  }
}

}  // namespace

void HudEffectsStep(World& g) {
  if (!StepDue(g, g.hudClock, kHudStepMs)) return;
  if (On(g.PointsFlash)) PointsZoomStep(g);
  if (On(g.SpeedFlash)) SpeedZoomStep(g);
}

}  // namespace slidestone
