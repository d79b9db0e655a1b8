// Pieces of the stage-flow sequence that live in their own files.
#pragma once

namespace slidestone {

struct World;

// The continue prompt after the last try: Down and Up choose, Space confirms. Runs in every
// pass while it is shown.
void ContinuePromptStep(World& g);

}  // namespace slidestone
