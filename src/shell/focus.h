// Leaving the window: the keys held at that moment would never hear their release, and a stage
// would play on unseen. The window turns the loss of focus into ordinary key events, so a
// recording of the session replays it exactly.
#pragma once

#include <array>
#include <vector>

#include "shell/input.h"
#include "presentation/game.h"

namespace slidestone {

// The events to deliver when the window loses focus or is minimised: a release for every key
// in `held`, then, when a stage is in play and not already paused or ending, a tap of Enter,
// which pauses it exactly as the player's own Enter would. The player resumes with Enter.
std::vector<KeyEvent> FocusLostEvents(const Game& g, const std::array<bool, kKeyCount>& held);

}  // namespace slidestone
