// The title: paints the stone pattern, puts the clean logo into its box, draws the three menu
// words dim, resets the menu and starts the title music. One pass, then the main menu.
#include "audio/audio.h"
#include "frontend/frontend.h"
#include "frontend/words.h"
#include "stagedata/game.h"

namespace slidestone {

void DrawMenuBackground(Game& g, Surface& surface, int s) {
  const Surface& pattern = g.Form2.startback;
  // The lower half starts half a period further in: 240 is 16 rows past a multiple of 32, so
  // the pattern runs on across the middle without a seam.
  Copy(surface, 0, 0, 320, 240, pattern, s, s);
  Copy(surface, 320, 0, 320, 240, pattern, s, s);
  Copy(surface, 0, 240, 320, 240, pattern, s, s + 16);
  Copy(surface, 320, 240, 320, 240, pattern, s, s + 16);
}

void TitleScreen(Game& g) {
  MenuWindow& w = g.Form2;
  DrawMenuBackground(g, w.startbox1, 0);
  DrawMenuBackground(g, w.back, 0);
  Copy(w.startbox2, 0, 0, 550, 220, w.title, 0, 0);
  for (int i = 0; i < 3; ++i) {
    KeyedCopy(w.startbox1, 200, 250 + 64 * i, 256, kWordH, w.messagebox, 0, RowY(kRowGameStart + i));
  }
  g.GameState = kStateMenu;
  g.CursorRow = 0;
  g.BackgroundScroll = 0;
  g.TitleAnimTick = 0;
  g.WalkerX = 0;
  g.EnemyX = 0;
  g.audio->PlayMusic("sound/PSMAT005.mid", -1);
  w.startbox1.Present();
  // The logo box shows its clean logo at once rather than a figure left from the last visit.
  w.startbox2.Present();
}

}  // namespace slidestone
