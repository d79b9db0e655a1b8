// Every variable of the game by its name, for scripts, tests and --list-vars.
// Scalars by name ("StoneX"), tables as "Map[c,r]", "AiMap[c,r]", "KeyState[n]",
// "Enemies[i].state", "Items[i].kind", "SpeedTiles[i].broken", "Sparkles[i].x",
// "StageTable[s].time", "StageItems[s,t]", "ToolEnabled[j]", "enemyVy[i]", and "Now".
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace slidestone {

struct Game;

// What `set` may write into a variable (game_variables.h gives each its range).
struct ValueRange {
  int64_t lo = 0, hi = 0;
};

std::optional<int64_t> ReadVariable(Game& g, const std::string& name);
// The same reading with the name looked up once, for a condition read at every pass; empty for
// an unknown name. Every variable lives in the game itself, so the reader holds while it does.
std::function<int64_t()> VariableReader(Game& g, const std::string& name);
// The range of a variable, or nothing for an unknown name.
std::optional<ValueRange> VariableRange(Game& g, const std::string& name);
// Returns false for an unknown name, an index outside its table or a value outside the range.
bool WriteVariable(Game& g, const std::string& name, int64_t value);
// One line per name, tables with their index form.
std::vector<std::string> ListVariables();

}  // namespace slidestone
