// The full-game proof: one script that plays from the title through all eighteen stages on
// NORMAL, each with the key presses of its own NORMAL proof, past the house shots, the results
// and the closing roll, to the saved high score.
//
// The play steps all wait through the curtain and the START banner, so each stage's play starts
// with its step timers fresh: the same presses at the same moments after play begins play the
// stage exactly as its own proof did. The script therefore waits for each stage's play to begin
// and replays that stage's presses counted from that moment.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/input.h"

namespace slidestone {

// A key event and the pass it was delivered in, counted from the first pass of play.
struct TimedKey {
  int64_t at = 0;
  KeyEvent event;
};

struct ProvenStage {
  int stage = 0;          // 1..18
  int32_t score = 0;      // the stage score its proof reached
  std::vector<TimedKey> keys;  // from the first pass of play to the goal
};

// The script text: `menus` (the lines that start the first stage on NORMAL), then every stage in
// order. It checks each stage's score as it goes, prints the total at the results and the high
// score after the closing roll, and quits.
std::string FullGameScript(const std::vector<std::string>& menus,
                           const std::vector<ProvenStage>& stages);

}  // namespace slidestone
