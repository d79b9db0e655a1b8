#include "shell/line_script.h"

#include "shell/script.h"
#include "shell/verify.h"
#include "stagedata/codes.h"

namespace slidestone {

namespace {

// Beyond the stage's last pass: the goal's words start at the pass after it.
constexpr int32_t kTailPasses = 10;

void Tap(std::vector<std::string>& out, const char* key) {
  out.push_back(std::string("tap ") + key);
  out.push_back("wait 1");
}

}  // namespace

std::vector<std::string> ProofLines(int stage, int32_t difficulty, const std::vector<solver::KeyPress>& line,
                                    int32_t endPass, const std::string& comment) {
  std::vector<std::string> out;
  out.push_back("# " + comment);
  out.push_back("until GameState == 1 within 5000");
  Tap(out, "DOWN");   // OPTION
  Tap(out, "SPACE");
  // The options open on GAME LV at NORMAL; Space steps it on to HARD, then EASY.
  const int32_t steps = (difficulty - kNormal + kDifficultyLevels) % kDifficultyLevels;
  for (int32_t i = 0; i < steps; ++i) Tap(out, "SPACE");
  Tap(out, "DOWN");
  Tap(out, "DOWN");   // the first stage
  for (int s = 1; s < stage; ++s) Tap(out, "RIGHT");
  Tap(out, "DOWN");   // EXIT
  Tap(out, "SPACE");
  Tap(out, "SPACE");  // GAME START
  out.push_back(kPlayMark);
  out.push_back("until StagePhaseFlag == 0 within 20000");
  int32_t cursor = 0;
  for (const solver::KeyPress& e : line) {
    if (e.pass > cursor) out.push_back("wait " + std::to_string(e.pass - cursor));
    cursor = e.pass;
    out.push_back(std::string(e.down ? "press " : "release ") + KeyNameFromCode(e.key));
  }
  if (endPass + kTailPasses > cursor) out.push_back("wait " + std::to_string(endPass + kTailPasses - cursor));
  return out;
}

}  // namespace slidestone
