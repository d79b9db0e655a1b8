// The logo splash: the first logo fades in, the second fades in below it, then both fade out
// together. The shell calls one step per fixed slice of time before start-up; each step
// repaints the canvas from black, so a step shows its logos at exactly its opacity.
#include "frontend/frontend.h"
#include "graphics/forms.h"
#include "presentation/game.h"

namespace slidestone {

namespace {

void BlendFirstLogo(Game& g, int alpha) {
  const Surface& logo = g.splashWindow.firstLogo;
  Shade(g.splashWindow.canvas, 150, 0, logo.Width(), logo.Height(), logo, 0, 0, logo.Width(),
        logo.Height(), alpha);
}

void BlendSecondLogo(Game& g, int alpha) {
  const Surface& logo = g.splashWindow.secondLogo;
  Shade(g.splashWindow.canvas, 100, 200, logo.Width(), logo.Height(), logo, 0, 0, logo.Width(),
        logo.Height(), alpha);
}

}  // namespace

void LogoSplashStep(Game& g, int step) {
  if (step < 0 || step >= kSplashSteps) return;
  SplashWindow& w = g.splashWindow;
  if (step == 0) {
    // The canvas fills the 640 x 480 screen, so centring it leaves it at the origin.
    MoveSurface(w.canvas, (kScreenW - w.canvas.Width()) / 2,
                (kScreenH - w.canvas.Height()) / 2);
    ShowForm(g.forms, w);
  }
  w.canvas.Fill(Rgb(0, 0, 0));
  if (step < 64) {
    BlendFirstLogo(g, 4 * step);  // 0, 4, ..., 252
  } else if (step < 96) {
    BlendFirstLogo(g, 255);
    BlendSecondLogo(g, 8 * (step - 64));  // 0, 8, ..., 248
  } else {
    const int alpha = 255 - 8 * (step - 96);  // 255, 247, ..., 7
    BlendFirstLogo(g, alpha);
    BlendSecondLogo(g, alpha);
  }
  w.canvas.Present();
}

}  // namespace slidestone
