// The player step, first of the play steps: the tool menu while it is open, otherwise the
// action under way (jump, drop, pipe, spring, knock-out), otherwise walking every 50 ms.
#include "play/play.h"
#include "play/player_steps.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

// While the menu is open the figure stands still; only the menu and the hit tests run, on every
// pass. A hit here does not close the menu: the knock-out waits until it is closed.
void MenuBranch(World& g) {
  if (g.ToolAnim == 0) UpdateToolMenu(g);
  if (IsHitByEnemy(g, /*menuVariant=*/true)) {
    StartKnockOut(g);
    g.SceneDirty = kTrue;
  }
  if (IsHitByBall(g)) StruckByBall(g);
}

}  // namespace

void UpdatePlayer(World& g) {
  if (On(g.MenuOpen)) {
    MenuBranch(g);
  } else if (On(g.PlayerInAction)) {
    UpdatePlayerAction(g);
  } else if (StepDue(g, g.walkClock, 50)) {
    PlayerWalkStep(g);
  }
}

}  // namespace slidestone
