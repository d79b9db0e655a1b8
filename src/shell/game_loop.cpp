#include "shell/game_loop.h"

#include "frontend/frontend.h"
#include "play/play.h"
#include "presentation/presentation.h"
#include "shell/input.h"
#include "stagedata/game.h"
#include "stagedata/stage_loader.h"

namespace slidestone {

const StateHandlers& DefaultStateHandlers() {
  static const StateHandlers handlers = {
      TitleScreen,     // 0 Title
      MainMenu,        // 1 Menu
      [](Game& g) { LoadStage(g, DrawStageHud); },  // 2 LoadStage
      StageStep,       // 3 Play
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

void StageStep(Game& g) {
  // Play changes things at many passes no timer paces (the tool menu, an action under way), and
  // the stone keeps it busy anyway: it never lets the window sleep past the next pass.
  NoteStepDueAt(g, g.Now + 1);
  if (On(g.Paused)) {
    PauseStep(g);
    return;
  }
  if (On(g.StagePhaseFlag)) {
    StageFlowStep(g);
    return;
  }
  UpdatePlayer(g);
  UpdateStone(g);
  UpdateEnemies(g);
  StageTimerStep(g);
  TilePass(g);
  HudEffectsStep(g);
  RenderPlayField(g);
}

}  // namespace slidestone
