// A run of the game or of the stage editor, in a window or headless, from the keyboard or a
// script: the devices made in order, the mode set up, the loop run, everything closed.
#pragma once

#include <string>

#include "platform/options.h"

namespace slidestone {

// Prints "slidestone: MESSAGE" (control bytes escaped) and returns the exit code 1.
int Fail(const std::string& message);

// Runs the game, the editor (--edit) or a proof being watched (--watch) on the data in `data`
// and the stages in `stageDir`; the named files and folders have been checked. Returns the exit
// code.
int RunGame(Options opt, const std::string& data, const std::string& stageDir);

}  // namespace slidestone
