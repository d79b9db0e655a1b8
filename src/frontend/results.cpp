// The final results: a black screen with the difficulty played and the final score, the closing
// music, and then the closing roll, which keeps this picture for its first ticks.
#include "audio/audio.h"
#include "frontend/frontend.h"
#include "stagedata/world.h"

namespace slidestone {

void ResultsScreen(World& g) {
  g.RollTick = 0;
  g.front->ResultsShown();
  g.audio->PlayMusic("sound/PSMAT051.mid", 0);
  g.GameState = kStateClosingRoll;
}

}  // namespace slidestone
