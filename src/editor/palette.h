// What the editor can put on a stage: every map code a stage file may hold, every object, the
// two starts and the eraser, each with the key that picks it.
#pragma once

#include <array>
#include <cstdint>

namespace slidestone::editor {

enum class Layer { Map, Objects, PlayerStart, StoneStart, Eraser };

struct PaletteEntry {
  const char* name;
  Layer layer;
  int32_t code;  // the file code (map or object); 0 for starts and the eraser
  int key;       // virtual-key code that picks it
};

constexpr int kPaletteSize = 17;
const std::array<PaletteEntry, kPaletteSize>& Palette();
// The palette index of a key, or -1.
int PaletteIndexForKey(int key);

// Object codes the loader turns into records.
constexpr int32_t kGoal = 20, kBucket = 21, kWatcher = 40, kWalker = 41, kThrower = 42;
constexpr int32_t kPipe = 5, kRightArrow = 3, kLeftArrow = 4, kSpentSpeed = 10, kSpeed = 11;
inline bool IsEnemyCode(int32_t c) { return c >= kWatcher && c <= kThrower; }
inline bool IsItemCode(int32_t c) { return c == kGoal || c == kBucket; }
inline bool IsSpeedTileCode(int32_t c) { return c == kSpentSpeed || c == kSpeed; }

}  // namespace slidestone::editor
