#include "editor/editor_solve.h"

#include <filesystem>

#include "editor/test_play.h"
#include "shell/line_script.h"
#include "stagedata/codes.h"

namespace slidestone::editor {

SolveRun::~SolveRun() {
  Cancel();
  Wait();
  if (!dir_.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
}

bool SolveRun::Start(const std::string& folder, const std::string& shippedDir, int stage, const StageDoc& doc,
                     int difficulty, int64_t budgetStates, std::string& error) {
  stage_ = stage;
  difficulty_ = difficulty;
  if (!MakeScratchStage(folder, shippedDir, stage, doc, dir_, error)) return false;
  thread_ = std::thread([this, budgetStates] {
    solver::SolveRequest req;
    req.stageDir = dir_;
    req.stage = stage_ + 1;
    req.difficulty = difficulty_;
    req.maxStates = budgetStates;
    req.stop = [this] { return cancel_.load(); };
    req.progress = [this](const solver::Progress& p) {
      states_ = p.states;
      nearest_ = p.nearest;
    };
    result_ = solver::Solve(req);
    states_ = result_.progress.states;
    done_ = true;
  });
  return true;
}

void SolveRun::Wait() {
  if (thread_.joinable()) thread_.join();
}

std::string SolveRun::ProofText() const {
  if (!done_ || result_.verdict != solver::Verdict::kWon) return "";
  const std::string comment = "Stage " + std::to_string(stage_ + 1) + " on " + DifficultyWord(difficulty_) +
                              ", found by the stage editor's solver.";
  std::string text;
  for (const std::string& l : ProofLines(stage_ + 1, difficulty_, result_.line, result_.summary.passes, comment)) {
    text += l + "\n";
  }
  return text;
}

}  // namespace slidestone::editor
