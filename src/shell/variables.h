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

std::optional<int64_t> ReadVariable(Game& g, const std::string& name);
// The same reading with the name looked up once, for a condition read at every pass; empty for
// an unknown name. Every variable lives in the game itself, so the reader holds while it does.
std::function<int64_t()> VariableReader(Game& g, const std::string& name);
// Returns false for an unknown name or an index outside its table.
bool WriteVariable(Game& g, const std::string& name, int64_t value);
// One line per name, tables with their index form.
std::vector<std::string> ListVariables();

}  // namespace slidestone
