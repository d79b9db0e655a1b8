#include "shell/solve_command.h"

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/proof_run.h"
#include "shell/line_script.h"
#include "solver/search.h"
#include "stagedata/codes.h"
#include "stagedata/stage_format.h"
#include "stagedata/text_file.h"

namespace slidestone {

namespace fs = std::filesystem;

namespace {

const char* LevelWord(bool hard) { return DifficultyWord(hard ? kHard : kNormal); }

// solve-01-normal.script for stage 1 (1..18): the proof's own name, marked as the solver's.
std::string DefaultOut(int stage, bool hard) {
  return "solve-" + ProofFileName(stage - 1, hard ? kHard : kNormal);
}

void PrintProgress(std::FILE* to, const solver::Progress& p) {
  std::fprintf(to, "\r%10lld states  depth %3d  nearest %4d px (at depth %d)  %6.1f s ",
               static_cast<long long>(p.states), p.depth, p.nearest, p.nearestDepth, p.seconds);
  std::fflush(to);
}

void PrintHeader(std::FILE* out) {
  std::fprintf(out, "%-5s %-7s %-9s %5s %7s %6s %10s %11s %12s %8s\n", "stage", "level", "result", "tools",
               "score", "time", "states", "moves", "passes", "seconds");
}

void PrintRow(std::FILE* out, const SolveCommand& c, const char* result, const solver::SolveResult& r,
              bool won) {
  char stage[8];
  std::snprintf(stage, sizeof stage, "%02d", c.stage);
  if (won) {
    char time[16];
    std::snprintf(time, sizeof time, "%d.%d", r.summary.timeLeft / 10, r.summary.timeLeft % 10);
    std::fprintf(out, "%-5s %-7s %-9s %5d %7d %6s %10lld %11lld %12lld %8.1f\n", stage, LevelWord(c.hard), result,
                 r.summary.toolUses, r.summary.score, time, static_cast<long long>(r.progress.states),
                 static_cast<long long>(r.progress.moves), static_cast<long long>(r.progress.passes),
                 r.progress.seconds);
  } else {
    std::fprintf(out, "%-5s %-7s %-9s %5s %7s %6s %10lld %11lld %12lld %8.1f\n", stage, LevelWord(c.hard), result,
                 "-", "-", "-", static_cast<long long>(r.progress.states), static_cast<long long>(r.progress.moves),
                 static_cast<long long>(r.progress.passes), r.progress.seconds);
  }
  std::fflush(out);
}

}  // namespace

std::string ConfirmLine(const RunKit& kit, const std::string& stageDir, int stage,
                        const std::vector<std::string>& lines, const solver::LineSummary& summary) {
  std::string work = (fs::temp_directory_path() / "slidestone-solve-XXXXXX").string();
  if (!::mkdtemp(work.data())) return "cannot make a temporary folder to replay the line in";
  const Outcome o = PlayProof(kit, stageDir, lines, work);
  std::error_code ec;
  fs::remove_all(work, ec);
  if (!o.problem.empty() || !o.ended || o.reason != kEndGoal || o.stage != stage - 1) {
    return "the line did not replay as a win: " +
           (!o.problem.empty() ? o.problem : o.ended ? o.cause : std::string("no end"));
  }
  // The search and the replay run the same rules from the same start: any difference is a fault.
  if (o.score != summary.score || o.time != summary.timeLeft) {
    return "the replay won with score " + std::to_string(o.score) + " and " + std::to_string(o.time / 10) + "." +
           std::to_string(o.time % 10) + " s left, not as the search saw it";
  }
  return "";
}

int RunSolveCommand(const SolveCommand& c, const RunKit& kit, const std::function<double()>& elapsed,
                    std::FILE* out, std::FILE* progress) {
  const std::string outPath = c.outPath.empty() ? DefaultOut(c.stage, c.hard) : c.outPath;
  std::error_code ec;
  if (fs::exists(fs::symlink_status(outPath, ec))) {
    std::fprintf(progress, "slidestone: --solve: %s already exists: name a new file with --out\n",
                 EscapeControlBytes(outPath).c_str());
    return 2;
  }
  solver::SolveRequest req;
  req.stageDir = c.stageDir;
  req.stage = c.stage;
  req.difficulty = c.hard ? kHard : kNormal;
  req.seconds = c.seconds;
  req.elapsed = elapsed;
  if (c.terminal) req.progress = [&](const solver::Progress& p) { PrintProgress(progress, p); };
  const solver::SolveResult r = solver::Solve(req);
  if (c.terminal) std::fprintf(progress, "\n");

  switch (r.verdict) {
    case solver::Verdict::kBadStage:
      std::fprintf(progress, "slidestone: --solve: stage %d: %s\n", c.stage, EscapeControlBytes(r.why).c_str());
      return 2;
    case solver::Verdict::kLostAtStart:
      PrintHeader(out);
      PrintRow(out, c, "lost", r, false);
      std::fprintf(out, "no win: the stage is lost before any move\n");
      return 1;
    case solver::Verdict::kExhausted:
      PrintHeader(out);
      PrintRow(out, c, "no win", r, false);
      std::fprintf(out, "no win: every line of moves was searched (%lld states)\n",
                   static_cast<long long>(r.progress.states));
      return 1;
    case solver::Verdict::kBudgetSpent:
      PrintHeader(out);
      PrintRow(out, c, "not found", r, false);
      if (r.progress.memoryFull) {
        std::fprintf(out, "no win found within the search's memory bound (after %.1f s)\n", r.progress.seconds);
      } else {
        std::fprintf(out, "no win found within %g s\n", c.seconds);
      }
      return 1;
    case solver::Verdict::kWon: break;
  }

  char comment[96];
  std::snprintf(comment, sizeof comment, "Stage %d on %s, as the solver found it.", c.stage, LevelWord(c.hard));
  const std::vector<std::string> lines =
      ProofLines(c.stage, req.difficulty, r.line, r.summary.passes, comment);
  PrintHeader(out);
  if (const std::string problem = ConfirmLine(kit, c.stageDir, c.stage, lines, r.summary); !problem.empty()) {
    PrintRow(out, c, "unproven", r, true);
    std::fprintf(out, "%s\n", problem.c_str());
    return 1;
  }
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  std::string error;
  if (!WriteFileAtomically(outPath, text, error)) {
    PrintRow(out, c, "won", r, true);
    std::fprintf(progress, "slidestone: --solve: %s\n", EscapeControlBytes(error).c_str());
    return 1;
  }
  PrintRow(out, c, "won", r, true);
  std::fprintf(out, "line written to %s\n", EscapeControlBytes(outPath).c_str());
  return 0;
}

}  // namespace slidestone
