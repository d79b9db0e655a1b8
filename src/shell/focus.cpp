#include "shell/focus.h"

namespace slidestone {

std::vector<KeyEvent> FocusLostEvents(const Game& g, const std::array<bool, kKeyCount>& held) {
  std::vector<KeyEvent> events;
  for (int code = 0; code < kKeyCount; ++code) {
    if (held[size_t(code)]) events.push_back({false, code});
  }
  // Only the stage in play takes Enter as "pause"; elsewhere it would confirm a menu choice.
  if (g.GameState == kStatePlay && !On(g.Paused) && !On(g.StagePhaseFlag)) {
    events.push_back({true, kKeyEnter});
    events.push_back({false, kKeyEnter});
  }
  return events;
}

}  // namespace slidestone
