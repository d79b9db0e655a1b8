// The player step, first of the play steps: the tool menu while it is open, otherwise the
// action under way (jump, drop, pipe, spring, knock-out), otherwise walking every 50 ms.
#include "play/play.h"
#include "play/player_steps.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

// While the menu is open the figure stands still; only the menu and the hit tests run, on every
// pass. A hit here does not close the menu: the knock-out waits until it is closed.
void MenuBranch(PlayerScope s) {
  if (s.menu().ToolAnim == 0) UpdateToolMenu(s.toolMenu());
  if (IsHitByEnemy(s.model(), /*menuVariant=*/true)) {
    StartKnockOut(s.player());
    s.stage().SceneDirty = kTrue;
  }
  if (IsHitByBall(s.model())) StruckByBall(s.player(), s.enemies(), s.stage());
}

}  // namespace

void UpdatePlayer(PlayerScope s) {
  if (On(s.menu().MenuOpen)) {
    MenuBranch(s);
  } else if (On(s.player().PlayerInAction)) {
    UpdatePlayerAction(s.action());
  } else if (s.pace().Due(s.steps().walkClock, 50)) {
    PlayerWalkStep(s);
  }
}

}  // namespace slidestone
