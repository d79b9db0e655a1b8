// Pieces of the stage-flow sequence that live in their own files.
#pragma once

namespace slidestone {

struct Game;

// The continue prompt after the last try: Down and Up choose, Space confirms. Runs in every
// pass while it is shown.
void ContinuePromptStep(Game& g);
// Draws the prompt's words for the current choice over the dark field and presents them.
void DrawContinuePrompt(Game& g);

}  // namespace slidestone
