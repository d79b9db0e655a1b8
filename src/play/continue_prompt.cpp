// The continue prompt over the dark field after the last try: YES plays the same stage again
// with three tries and both scores at 0, NO ends the game at the title.
#include "audio/audio.h"
#include "play/play.h"
#include "play/stage_flow.h"
#include "stagedata/world.h"

namespace slidestone {

// Nothing else draws on the field while the prompt is up, so the words are drawn when it
// opens and again only when a key changes the choice: redrawing the same picture on every pass
// of the loop would cost a good part of a core and show nothing new.
void ContinuePromptStep(World& g) {
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
  if (moved) g.view->ContinuePromptShown();
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
      g.view->TitleWindowShown();
      g.GameState = kStateTitle;  // game over; the high score is left alone
    }
  }
}

}  // namespace slidestone
