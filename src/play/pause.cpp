// While paused only this step runs: Enter resumes. The press is consumed so it cannot pause
// again in the tile pass of the next pass.
#include "audio/audio.h"
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {

void PauseStep(KeyboardState& keys, SessionState& session, Audio& audio) {
  if (!On(keys.KeyState[kKeyEnter])) return;
  audio.PlayEffect(kSoundConfirm, kChannelPause);
  keys.KeyState[kKeyEnter] = 0;
  session.Paused = kFalse;
}

}  // namespace slidestone
