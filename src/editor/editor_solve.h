// F6 in the stage editor: the solver on the stage as edited, on a thread of its own over a copy
// of the stage written to a scratch folder, so the editor stays responsive. Its budget is a
// number of moments searched, the same on every machine; the editor reads how it goes at every
// pass and may cancel it.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "editor/stage_edits.h"
#include "solver/search.h"

namespace slidestone::editor {

constexpr int64_t kSolveBudgetStates = 100000;

class SolveRun {
 public:
  SolveRun() = default;
  ~SolveRun();  // cancels the search and waits for it
  SolveRun(const SolveRun&) = delete;
  SolveRun& operator=(const SolveRun&) = delete;

  // Writes the stage to a scratch folder and starts the search on stage `stage` (0-17) at
  // `difficulty`; false with a reason when it cannot.
  bool Start(const std::string& folder, const std::string& shippedDir, int stage, const StageDoc& doc,
             int difficulty, int64_t budgetStates, std::string& error);
  bool Done() const { return done_; }
  void Cancel() { cancel_ = true; }
  void Wait();
  int64_t States() const { return states_; }
  int Nearest() const { return nearest_; }

  // Once done: the result, and for a win the line as a proof script.
  const solver::SolveResult& Result() const { return result_; }
  std::string ProofText() const;
  int Stage() const { return stage_; }
  int Difficulty() const { return difficulty_; }

 private:
  std::thread thread_;
  std::atomic<bool> done_{false}, cancel_{false};
  std::atomic<int64_t> states_{0};
  std::atomic<int> nearest_{0};
  solver::SolveResult result_;
  std::string dir_;
  int stage_ = 0, difficulty_ = 1;
};

}  // namespace slidestone::editor
