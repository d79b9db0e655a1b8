#include "shell/game_loop.h"

#include "frontend/frontend.h"
#include "play/play.h"
#include "shell/input.h"
#include "presentation/game.h"
#include "stagedata/stage_loader.h"

namespace slidestone {

const StateHandlers& DefaultStateHandlers() {
  static const StateHandlers handlers = {
      TitleScreen,     // 0 Title
      MainMenu,        // 1 Menu
      [](Game& g) { LoadStage(g, OpenStageHud); },  // 2 LoadStage
      [](Game& g) { StagePass(g); },  // 3 Play
      OptionsScreen,   // 4 Options
      nullptr,         // 5 has no handler
      HouseSetupStep,  // 6 HouseSetup
      HouseShotStep,   // 7 HouseShot
      ResultsScreen,   // 8 Results
      ClosingRollStep  // 9 ClosingRoll
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
