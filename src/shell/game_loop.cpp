#include "shell/game_loop.h"

#include "frontend/frontend.h"
#include "play/play.h"
#include "shell/input.h"
#include "presentation/game.h"
#include "stagedata/stage_loader.h"

namespace slidestone {

const StateHandlers& DefaultStateHandlers() {
  static const StateHandlers handlers = {
      [](Game& g) { TitleScreen(g); },                // 0 Title
      [](Game& g) { MainMenu(g); },                   // 1 Menu
      [](Game& g) { LoadStage(g, OpenStageHud); },    // 2 LoadStage
      [](Game& g) { StagePass(g); },                  // 3 Play
      [](Game& g) { OptionsScreen(g); },              // 4 Options
      nullptr,                                        // 5 has no handler
      [](Game& g) { HouseSetupStep(g); },             // 6 HouseSetup
      [](Game& g) { HouseShotStep(g); },              // 7 HouseShot
      [](Game& g) { ResultsScreen(g); },              // 8 Results
      [](Game& g) { ClosingRollStep(g); }             // 9 ClosingRoll
  };
  return handlers;
}

bool GameLoopPass(Game& g, Input& input, const StateHandlers& handlers) {
  if (On(g.KeyState[kKeyEscape]) || On(g.QuitRequested)) return false;
  const int32_t state = g.GameState;
  if (state >= 0 && state < int32_t(handlers.size()) && handlers[state]) handlers[state](g);
  input.Deliver(g);
  return true;
}

}  // namespace slidestone
