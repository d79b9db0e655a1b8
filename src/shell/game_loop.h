// The game-state loop: one pass calls the handler of the current GameState, then delivers the
// pending key events. Screens change only by assigning GameState.
#pragma once

#include <array>

namespace slidestone {

struct Game;
class Input;

using StepHandler = void (*)(Game&);

// Handlers of game states 0..9; state 5 has none.
using StateHandlers = std::array<StepHandler, 10>;
const StateHandlers& DefaultStateHandlers();

// One pass. Returns false, without calling any handler, when Escape is held or QuitRequested
// is set: the loop is over.
bool GameLoopPass(Game& g, Input& input, const StateHandlers& handlers = DefaultStateHandlers());

}  // namespace slidestone
