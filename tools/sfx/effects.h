// The catalogue of the game's sound effects: a file name, a recipe and its peak level.
#pragma once

#include <string>
#include <vector>

#include "synth.h"

namespace sfx {

struct Effect {
  std::string name;   // file name without ".wav", exactly as the game plays it
  Buffer (*make)();
  double peakDb;      // peak level of the finished file, dB below full scale
};

const std::vector<Effect>& AllEffects();

}  // namespace sfx
