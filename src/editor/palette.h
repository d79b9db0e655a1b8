// What the editor can put on a stage: every map code a stage file may hold, every object, the
// two starts and the eraser, each with the key that picks it.
#pragma once

#include <array>
#include <cstdint>

#include "stagedata/codes.h"

namespace slidestone::editor {

enum class Layer { Map, Objects, PlayerStart, StoneStart, Eraser };

struct PaletteEntry {
  const char* name;
  Layer layer;
  int32_t code;  // the file code (map or object); 0 for starts and the eraser
  int key;       // virtual-key code that picks it
  const char* does;  // what it does in play, for the hover line
};

constexpr int kPaletteSize = 17;
const std::array<PaletteEntry, kPaletteSize>& Palette();
// The palette index of a key, or -1.
int PaletteIndexForKey(int key);

// What the loader turns into records, counted against the tables' sizes.
inline bool IsEnemyCode(int32_t c) { return c >= kWatcherMark && c <= kThrowerMark; }
inline bool IsItemCode(int32_t c) { return c == kGoal || c == kBucket; }
inline bool IsSpeedTileCode(int32_t c) { return c == kSpentSpeedTile || c == kSpeedTile; }

}  // namespace slidestone::editor
