#include "editor/palette.h"

#include <cstddef>

namespace slidestone::editor {

const std::array<PaletteEntry, kPaletteSize>& Palette() {
  static const std::array<PaletteEntry, kPaletteSize> entries = {{
      {"brick wall", Layer::Map, 1, '1'},
      {"metal block", Layer::Map, 2, '2'},
      {"right arrow", Layer::Map, kRightArrow, '3'},
      {"left arrow", Layer::Map, kLeftArrow, '4'},
      {"pipe", Layer::Map, kPipe, '5'},
      {"SPEED UP block", Layer::Map, 8, '6'},
      {"SPEED DOWN block", Layer::Map, 9, '7'},
      {"spent speed tile", Layer::Map, kSpentSpeed, '8'},
      {"speed tile", Layer::Map, kSpeed, '9'},
      {"goal", Layer::Objects, kGoal, 'G'},
      {"bucket", Layer::Objects, kBucket, 'B'},
      {"watcher", Layer::Objects, kWatcher, 'W'},
      {"walker", Layer::Objects, kWalker, 'K'},
      {"thrower", Layer::Objects, kThrower, 'T'},
      {"player start", Layer::PlayerStart, 0, 'P'},
      {"stone start", Layer::StoneStart, 0, 'O'},
      {"eraser", Layer::Eraser, 0, '0'},
  }};
  return entries;
}

int PaletteIndexForKey(int key) {
  const auto& p = Palette();
  for (int i = 0; i < kPaletteSize; ++i) {
    if (p[std::size_t(i)].key == key) return i;
  }
  return -1;
}

}  // namespace slidestone::editor
