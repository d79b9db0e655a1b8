#include "editor/palette.h"

#include <cstddef>

namespace slidestone::editor {

const std::array<PaletteEntry, kPaletteSize>& Palette() {
  static const std::array<PaletteEntry, kPaletteSize> entries = {{
      {"brick wall", Layer::Map, kBrick, '1'},
      {"metal block", Layer::Map, kMetalBlock, '2'},
      {"right arrow", Layer::Map, kArrowRight, '3'},
      {"left arrow", Layer::Map, kArrowLeft, '4'},
      {"pipe", Layer::Map, kPipe, '5'},
      {"SPEED UP block", Layer::Map, kSpeedUpSign, '6'},
      {"SPEED DOWN block", Layer::Map, kSpeedDownSign, '7'},
      {"spent speed tile", Layer::Map, kSpentSpeedTile, '8'},
      {"speed tile", Layer::Map, kSpeedTile, '9'},
      {"goal", Layer::Objects, kGoal, 'G'},
      {"bucket", Layer::Objects, kBucket, 'B'},
      {"watcher", Layer::Objects, kWatcherMark, 'W'},
      {"walker", Layer::Objects, kWalkerMark, 'K'},
      {"thrower", Layer::Objects, kThrowerMark, 'T'},
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
