#include "shell/watch.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "shell/proof_run.h"
#include "shell/verify.h"
#include "stagedata/codes.h"
#include "stagedata/stage_format.h"
#include "presentation/game.h"

namespace slidestone {

ProofWatch::~ProofWatch() {
  std::error_code ec;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
}

bool ProofWatch::Prepare(const std::string& stageDir, std::string& error) {
  const std::string proof = ProofFilePath(stageDir, stage_ - 1, hard_ ? kHard : kNormal);
  std::ifstream in(proof);
  if (!in) {
    error = "stage " + std::to_string(stage_) + " has no " + DifficultyWord(hard_ ? kHard : kNormal) + " proof (" + proof + ")";
    return false;
  }
  std::string pattern = (std::filesystem::temp_directory_path() / "slidestone-watch-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) {
    error = "cannot make a temporary folder";
    return false;
  }
  folder_ = pattern;
  std::ofstream out(ScriptPath());
  out << in.rdbuf() << "\nwait " << kTailWaitMs << "\n";
  if (!out) {
    error = "cannot write " + ScriptPath();
    return false;
  }
  return true;
}

void ProofWatch::AfterPass(const Game& g) {
  if (over_) return;
  const bool inStage = g.GameState == kStatePlay;
  shown_ = shown_ || inStage;
  if (!shown_) return;
  // The curtain opens and closes with the phase flag up; play is what lies between.
  if (inStage && !On(g.StagePhaseFlag)) {
    playing_ = true;
    played_ = g.Stage;  // the stage number moves on as a won stage closes
  }
  if (playing_ && !ended_ && inStage && On(g.StagePhaseFlag)) {
    ended_ = true;
    endedAt_ = g.Now;
    const std::string level = DifficultyWord(g.Difficulty == kHard ? kHard : kNormal);
    const std::string how = g.StageEndReason == kEndGoal
                                ? "the stone reached the goal, stage score " + std::to_string(g.StageScore) +
                                      " (par " + std::to_string(g.StageTable[played_].parScore) + ")"
                                : CauseOfEnd(g);
    result_ = "stage " + std::to_string(played_ + 1) + " on " + level + ": " + how;
  }
  if (!inStage && !ended_) result_ = "the game left the stage before it ended";
  over_ = !inStage || (ended_ && g.Now >= endedAt_ + kLingerMs);
}

}  // namespace slidestone
