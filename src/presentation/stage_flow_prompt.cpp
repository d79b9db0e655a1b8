// The continue prompt over the dark field after the last try: YES plays the same stage again
// with three tries and both scores at 0, NO ends the game at the title.
#include "audio/audio.h"
#include "presentation/presentation.h"
#include "presentation/stage_flow.h"
#include "stagedata/game.h"

namespace slidestone {

namespace {

void DrawWord(Game& g, int x, int y, int w, int sx, int sy) {
  KeyedCopy(g.Form1.gamebox2, x, y, w, 64, g.Form1.time, sx, sy);
}

}  // namespace

// Each word is drawn over itself in the other tint; both tints have the same shape.
void DrawContinuePrompt(Game& g) {
  DrawWord(g, 176, 64, 256, 0, 192);  // continue?
  const bool yes = g.ContinueCursor == 0;
  DrawWord(g, 240, 128, 128, yes ? 0 : 128, 256);
  DrawWord(g, 240, 192, 128, yes ? 128 : 0, 320);
  g.Form1.gamebox2.Present();
}

// Nothing else draws on the field while the prompt is up, so the words are drawn when it
// opens and again only when a key changes the choice: redrawing the same picture on every pass
// of the loop would cost a good part of a core and show nothing new.
void ContinuePromptStep(Game& g) {
  bool moved = false;
  if (On(g.KeyState[kKeyDown])) {
    g.KeyState[kKeyDown] = 0;
    PlayCursorSound(*g.audio);
    g.ContinueCursor = (g.ContinueCursor + 1) % 2;
    moved = true;
  }
  if (On(g.KeyState[kKeyUp])) {
    g.KeyState[kKeyUp] = 0;
    if (g.ContinueCursor > 0) {
      g.ContinueCursor -= 1;  // back to YES without a sound
    } else {
      PlayCursorSound(*g.audio);
      g.ContinueCursor = 1;
    }
    moved = true;
  }
  if (moved) DrawContinuePrompt(g);
  if (On(g.KeyState[kKeySpace])) {
    g.KeyState[kKeySpace] = 0;
    PlayConfirmSound(*g.audio);
    if (g.ContinueCursor == 0) {
      g.Lives = 3;
      g.StageScore = 0;
      g.TotalScore = 0;
      g.ContinuePromptOn = kFalse;
      g.GameState = kStateLoadStage;  // the same stage; the curtain opens on from step 1
    } else {
      ShowForm(g.forms, g.Form2);
      g.GameState = kStateTitle;  // game over; the high score is left alone
    }
  }
}

}  // namespace slidestone
