// The final results: a black screen with the difficulty played and the final score, the closing
// music, and then the closing roll, which keeps this picture for its first ticks.
#include "audio/audio.h"
#include "frontend/frontend.h"
#include "frontend/words.h"
#include "presentation/game.h"

namespace slidestone {

void ResultsScreen(Game& g) {
  HouseWindow& w = g.houseWindow;
  const Surface& words = g.menuWindow.messagebox;
  ShowForm(g.forms, w);
  HideSurface(w.messagebox);
  HideSurface(w.messagebox1);
  HideSurface(w.messagebox2);
  g.RollTick = 0;

  if (Watched(g)) {
    PaintHouseScreenBlack(g.houseWindow);
    KeyedCopy(w.canvas, 100, 160, 256, kWordH, words, kBrightX, RowY(kRowGameLv));
    KeyedCopy(w.canvas, 400, 160, 128, kWordH, words, 128 * g.Difficulty,
              RowY(kRowLevelsBright));
    KeyedCopy(w.canvas, 164, 300, 150, kWordH, words, 110, RowY(kRowHighScore));  // SCORE
    DrawSixDigits(w.canvas, words, g.TotalScore, 320, 300);
  }
  w.canvas.Present();

  g.audio->PlayMusic("sound/PSMAT051.mid", 0);
  g.GameState = kStateClosingRoll;
}

}  // namespace slidestone
