#include "shell/full_game.h"

#include <map>

#include "shell/script.h"
#include "stagedata/codes.h"

namespace slidestone {

namespace {

// Generous bounds: a stage's play, the curtain and a house shot each take well under these.
constexpr int64_t kReachPlayMs = 120000;
constexpr int64_t kStagePlayMs = 600000;
constexpr int64_t kRollMs = 120000;

std::string Line(const std::string& text) { return text + "\n"; }

}  // namespace

std::string FullGameScript(const std::vector<std::string>& menus,
                           const std::vector<ProvenStage>& stages) {
  std::string s;
  s += "# The whole game on NORMAL, from the title through all eighteen stages, the house shots,\n";
  s += "# the results and the closing roll, to the saved high score. Each stage replays the key\n";
  s += "# presses of its own NORMAL proof, counted from the moment its play begins.\n";
  s += "# Written by: slidestone --verify --write-full-game FILE (do not edit by hand).\n";
  for (const std::string& l : menus) s += Line(l);
  for (const ProvenStage& st : stages) {
    const std::string n = std::to_string(st.stage);
    s += Line("# stage " + n + ": its NORMAL proof scored " + std::to_string(st.score));
    s += Line("until GameState == " + std::to_string(kStatePlay) +
              " and StagePhaseFlag == 0 and Stage == " + std::to_string(st.stage - 1) + " within " +
              std::to_string(kReachPlayMs));
    int64_t cursor = 0;
    std::map<int, bool> down;
    for (const TimedKey& k : st.keys) {
      if (k.at > cursor) s += Line("wait " + std::to_string(k.at - cursor));
      cursor = k.at;
      s += Line(std::string(k.event.down ? "press " : "release ") + KeyNameFromCode(k.event.code));
      down[k.event.code] = k.event.down;
    }
    s += Line("until StagePhaseFlag != 0 within " + std::to_string(kStagePlayMs));
    // The stone has moved Stage on by one at the goal.
    s += Line("expect StageEndReason == " + std::to_string(kEndGoal) + " and Stage == " + n +
              " and StageScore == " + std::to_string(st.score));
    // A key still down at the goal would be held into the next scene (Space ends a house shot).
    for (const auto& [code, isDown] : down) {
      if (isDown) s += Line("release " + KeyNameFromCode(code));
    }
  }
  s += Line("# the results, then the closing roll; the high score is saved as it ends");
  s += Line("until GameState == " + std::to_string(kStateClosingRoll) + " within " +
            std::to_string(kRollMs));
  s += Line("print TotalScore");
  s += Line("until GameState == " + std::to_string(kStateMenu) + " within " +
            std::to_string(kRollMs));
  s += Line("print HighScore");
  s += Line("expect HighScore > 0");
  s += Line("quit");
  return s;
}

}  // namespace slidestone
