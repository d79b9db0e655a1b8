#include "shell/startup.h"

#include "audio/audio.h"
#include "services/settings.h"
#include "presentation/game.h"

namespace slidestone {

void StartUp(Game& g) {
  ShowForm(g.forms, g.menuWindow);
  g.QuitRequested = kFalse;
  g.StartStage = 0;
  g.Difficulty = kNormal;
  g.TimeLimitOn = kTrue;
  g.HighScore = 0;
  if (g.settings) {
    if (auto text = g.settings->Read("VbApp", "score", "high")) {
      g.HighScore = ParseStoredScore(*text).value_or(0);
    }
  }
  // The game runs in a 640 x 480 client area; the display mode is never switched.
  ShowFormMaximised(g.forms, g.menuWindow);
  if (g.audio) g.audio->StartSound();
}

void ShutDown(Game& g) {
  if (g.audio) g.audio->CloseMusic();
  HideForm(g.stageWindow);
  HideForm(g.menuWindow);
  HideForm(g.houseWindow);
  HideForm(g.splashWindow);
}

}  // namespace slidestone
