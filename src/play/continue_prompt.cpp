// The continue prompt over the dark field after the last try: YES plays the same stage again
// with three tries and both scores at 0, NO ends the game at the title.
#include <array>

#include "audio/audio.h"
#include "play/play.h"
#include "play/stage_flow.h"
#include "stagedata/world.h"

namespace slidestone {

// Nothing else draws on the field while the prompt is up, so the words are drawn when it
// opens and again only when a key changes the choice: redrawing the same picture on every pass
// of the loop would cost a good part of a core and show nothing new.
void ContinuePromptStep(FlowScope s) {
  std::array<Flag, kKeyCount>& keys = s.keys().KeyState;
  FlowState& flow = s.flow();
  SessionState& session = s.session();
  bool moved = false;
  if (On(keys[kKeyDown])) {
    keys[kKeyDown] = 0;
    PlayCursorSound(s.audio());
    flow.ContinueCursor = (flow.ContinueCursor + 1) % 2;
    moved = true;
  }
  if (On(keys[kKeyUp])) {
    keys[kKeyUp] = 0;
    if (flow.ContinueCursor > 0) {
      flow.ContinueCursor -= 1;  // back to YES without a sound
    } else {
      PlayCursorSound(s.audio());
      flow.ContinueCursor = 1;
    }
    moved = true;
  }
  if (moved) s.view().ContinuePromptShown();
  if (On(keys[kKeySpace])) {
    keys[kKeySpace] = 0;
    PlayConfirmSound(s.audio());
    if (flow.ContinueCursor == 0) {
      session.Lives = 3;
      session.StageScore = 0;
      session.TotalScore = 0;
      flow.ContinuePromptOn = kFalse;
      session.GameState = kStateLoadStage;  // the same stage; the curtain opens on from step 1
    } else {
      s.view().TitleWindowShown();
      session.GameState = kStateTitle;  // game over; the high score is left alone
    }
  }
}

}  // namespace slidestone
