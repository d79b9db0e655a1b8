// The logo splash: the first logo fades in, the second fades in below it, then both fade out
// together. The shell calls one step per fixed slice of time before start-up.
#include "frontend/frontend.h"
#include "stagedata/world.h"

namespace slidestone {

void LogoSplashStep(World& g, int step) {
  if (step < 0 || step >= kSplashSteps) return;
  g.front->SplashShown(step);
}

}  // namespace slidestone
