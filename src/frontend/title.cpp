// The title: the stone pattern at rest, the clean logo in its box and the three menu words dim;
// it resets the menu and starts the title music. One pass, then the main menu.
#include "audio/audio.h"
#include "frontend/frontend.h"
#include "stagedata/world.h"

namespace slidestone {

void TitleScreen(World& g) {
  g.front->TitleShown();
  g.GameState = kStateMenu;
  g.CursorRow = 0;
  g.BackgroundScroll = 0;
  g.TitleAnimTick = 0;
  g.WalkerX = 0;
  g.EnemyX = 0;
  g.audio->PlayMusic("sound/PSMAT005.mid", -1);
  // The logo box shows its clean logo at once rather than a figure left from the last visit.
  g.front->TitleIn();
}

}  // namespace slidestone
