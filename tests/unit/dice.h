// A small fixed-seed generator for tests that play at random: the same keys on every run.
#pragma once

#include <cstdint>

namespace slidestone::testing {

struct Dice {
  uint64_t state;
  uint32_t Next() {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return uint32_t(state >> 33);
  }
  int Below(int n) { return int(Next() % uint32_t(n)); }
};

}  // namespace slidestone::testing
