// The player, the tool menu, the sliding stone and the enemies: the first three play steps.
#pragma once

namespace slidestone {

struct Game;

// The player step: the tool menu while it is open, else the action under way, else walking.
void UpdatePlayer(Game& g);
// Jumps, drops, pipe travel, spring placing and the knock-out (every 30 ms).
void UpdatePlayerAction(Game& g);
// One call of the open tool menu.
void UpdateToolMenu(Game& g);
// The stone: a slide step when due, or the spring launch.
void UpdateStone(Game& g);
// Walkers, watchers, throwers and the thrown ball (every 100 ms).
void UpdateEnemies(Game& g);

// Hit tests. The menu variant of the enemy test counts only walkers and watchers; the
// tool-menu variant of the ball test uses the menu's narrower box.
bool IsHitByEnemy(Game& g, bool menuVariant = false);
bool IsHitByBall(Game& g, bool toolMenuVariant = false);

}  // namespace slidestone
