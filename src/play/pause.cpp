// While paused only this step runs: Enter resumes. The press is consumed so it cannot pause
// again in the tile pass of the next pass.
#include "audio/audio.h"
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {

void PauseStep(World& g) {
  if (!On(g.KeyState[kKeyEnter])) return;
  g.audio->PlayEffect(kSoundConfirm, kChannelPause);
  g.KeyState[kKeyEnter] = 0;
  g.Paused = kFalse;
}

}  // namespace slidestone
