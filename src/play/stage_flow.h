// Pieces of the stage-flow sequence that live in their own files.
#pragma once

#include "play/play.h"

namespace slidestone {

// The continue prompt after the last try: Down and Up choose, Space confirms. Runs in every
// pass while it is shown.
void ContinuePromptStep(FlowScope s);

}  // namespace slidestone
