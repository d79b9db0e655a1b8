// The catalogue of the game's sound effects: a file name, a recipe and its peak level.
#pragma once

#include <string>
#include <vector>

#include "synth.h"

namespace sfx {

struct Effect {
  std::string name;   // file name without ".wav", as the game's effect list has it
  Buffer (*make)();
  double peakDb;      // peak level of the finished file, dB below full scale
};

// One recipe for every line of the game's effect list (src/audio/effect_list.h), in its order;
// throws if the two lists disagree.
const std::vector<Effect>& AllEffects();

}  // namespace sfx
