// Placeholders until the front-end screens land; each is replaced by its own file.
#include "frontend/frontend.h"
#include "stagedata/game.h"

namespace slidestone {

void LogoSplashStep(Game&, int) {}
void TitleScreen(Game&) {}
void DrawMenuBackground(Game&, Surface&, int) {}
void MainMenu(Game&) {}
void OptionsScreen(Game&) {}
void DrawHighScore(Game&, int32_t) {}
void HouseSetupStep(Game&) {}
void HouseShotStep(Game&) {}
void ShowShotComment(Game&) {}
void ResultsScreen(Game&) {}
void ClosingRollStep(Game&) {}

}  // namespace slidestone
