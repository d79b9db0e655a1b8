// The title: paints the stone pattern, puts the clean logo into its box, draws the three menu
// words dim, resets the menu and starts the title music. One pass, then the main menu.
#include <algorithm>

#include "audio/audio.h"
#include "frontend/frontend.h"
#include "frontend/words.h"
#include "presentation/game.h"

namespace slidestone {

void DrawMenuBackground(const MenuWindow& w, Surface& surface, int s) {
  DrawMenuBackground(w, surface, s, {0, 0, kScreenW, kScreenH});
}

void DrawMenuBackground(const MenuWindow& w, Surface& surface, int s, const Rect& area) {
  const Surface& pattern = w.startback;
  // Four copies of the same 320 x 240 piece of the pattern. The lower half starts half a period
  // further in: 240 is 16 rows past a multiple of 32, so the pattern runs on across the middle
  // without a seam.
  constexpr int kQuarterW = kScreenW / 2, kQuarterH = kScreenH / 2;
  for (int qy = 0; qy < kScreenH; qy += kQuarterH) {
    for (int qx = 0; qx < kScreenW; qx += kQuarterW) {
      const int x0 = std::max(area.x, qx), x1 = std::min(area.x + area.w, qx + kQuarterW);
      const int y0 = std::max(area.y, qy), y1 = std::min(area.y + area.h, qy + kQuarterH);
      if (x1 <= x0 || y1 <= y0) continue;
      Copy(surface, x0, y0, x1 - x0, y1 - y0, pattern, s + x0 - qx, s + (qy == 0 ? 0 : 16) + y0 - qy);
    }
  }
}

void TitleScreen(Game& g) {
  MenuWindow& w = g.menuWindow;
  if (Watched(g)) {
    DrawMenuBackground(w, w.startbox1, 0);
    Copy(w.startbox2, 0, 0, 550, 220, w.title, 0, 0);
    for (int i = 0; i < 3; ++i) {
      KeyedCopy(w.startbox1, 200, 250 + 64 * i, 256, kWordH, w.messagebox, 0,
                RowY(kRowGameStart + i));
    }
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
