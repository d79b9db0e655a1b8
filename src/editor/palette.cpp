#include "editor/palette.h"

#include <cstddef>

namespace slidestone::editor {

const std::array<PaletteEntry, kPaletteSize>& Palette() {
  static const std::array<PaletteEntry, kPaletteSize> entries = {{
      {"brick wall", Layer::Map, kBrick, '1', "solid; stops a flying stone sideways and upward"},
      {"metal block", Layer::Map, kMetalBlock, '2', "solid; a flying stone passes it sideways and up, and lands on it"},
      {"right arrow", Layer::Map, kArrowRight, '3', "turns a stone right over it; the broom turns it round"},
      {"left arrow", Layer::Map, kArrowLeft, '4', "turns a stone left over it; the broom turns it round"},
      {"pipe", Layer::Map, kPipe, '5', "Down on it: out of the next pipe in reading order"},
      {"SPEED UP block", Layer::Map, kSpeedUpSign, '6', "solid; only a sign"},
      {"SPEED DOWN block", Layer::Map, kSpeedDownSign, '7', "solid; only a sign"},
      {"spent speed tile", Layer::Map, kSpentSpeedTile, '8', "does nothing until the broom restores it"},
      {"speed tile", Layer::Map, kSpeedTile, '9', "a stone over it gains a speed level; then it is spent"},
      {"goal", Layer::Objects, kGoal, 'G', "the stone is home over it (two cells side by side, or one it stops on)"},
      {"bucket", Layer::Objects, kBucket, 'B', "five more tool points for the player"},
      {"watcher", Layer::Objects, kWatcherMark, 'W', "stands and faces the player; touching it knocks out"},
      {"walker", Layer::Objects, kWalkerMark, 'K', "walks, turns at walls, falls off ledges; knocks out"},
      {"thrower", Layer::Objects, kThrowerMark, 'T', "throws balls along its row at the player"},
      {"player start", Layer::PlayerStart, 0, 'P', "where the player stands at the curtain"},
      {"stone start", Layer::StoneStart, 0, 'O', "where the stone starts, sliding"},
      {"eraser", Layer::Eraser, 0, '0', "clears a cell (the right button does too)"},
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
