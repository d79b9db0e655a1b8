#include "services/random.h"

namespace slidestone {

namespace {

uint64_t SplitMix(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

void Randomize(uint64_t& state, int64_t now) {
  uint64_t mix = uint64_t(now) * 0xD1B54A32D192ED03ull;
  state = SplitMix(mix) ^ (state * 0x2545F4914F6CDD1Dull + 1);
}

double Rnd(uint64_t& state) { return double(SplitMix(state) >> 11) * (1.0 / 9007199254740992.0); }

int32_t RandomBelow(uint64_t& state, int32_t count) { return int32_t(Rnd(state) * count); }

}  // namespace slidestone
