#include "shell/app.h"

#include "frontend/frontend.h"
#include "graphics/forms.h"
#include "shell/startup.h"
#include "presentation/game.h"

namespace slidestone {

bool App::Pass() {
  if (phase_ == Phase::Ended) return false;
  g_.nextStepAt = Game::kNoStepDue;  // each pass notes afresh when its paced steps are next due
  if (phase_ == Phase::Splash) {
    // The splash runs before the loop and takes no input: a key pressed now is not recorded.
    if (g_.Now % kSplashStepMs == 0 && g_.Now / kSplashStepMs < kSplashSteps) {
      LogoSplashStep(g_, int(g_.Now / kSplashStepMs));
    }
    input_.Discard();
    if (g_.Now + 1 >= int64_t(kSplashSteps) * kSplashStepMs) phase_ = Phase::StartUp;
    ++g_.Now;
    if (afterPass) afterPass();
    return true;
  }
  if (phase_ == Phase::StartUp) {
    ReleaseSplashWindow(g_.forms);
    StartUp(g_);
    g_.GameState = kStateTitle;
    phase_ = Phase::Loop;
  }
  if (!(loop ? loop() : GameLoopPass(g_, input_))) {
    Quit();
    return false;
  }
  ++g_.Now;
  if (afterPass) afterPass();
  return true;
}

void App::Quit() {
  if (phase_ == Phase::Ended) return;
  ShutDown(g_);
  phase_ = Phase::Ended;
}

}  // namespace slidestone
