#include "shell/shortcuts.h"

#include <stdlib.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "shell/proof_run.h"
#include "shell/solve_command.h"
#include "shell/line_script.h"
#include "solver/search.h"
#include "stagedata/codes.h"
#include "stagedata/stage_format.h"
#include "stagedata/text_file.h"

namespace slidestone {

namespace fs = std::filesystem;

namespace {

// Heads every script a report writes; only such a file is ever replaced by the next report.
constexpr const char* kFindingMark = "a line that beats the proof";

std::string Tenths(int32_t t) { return std::to_string(t / 10) + "." + std::to_string(t % 10); }

std::vector<std::string> Lines(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<solver::KeyPress> Presses(const std::vector<TimedKey>& keys) {
  std::vector<solver::KeyPress> line;
  for (const TimedKey& k : keys) {
    if (k.event.pointer || k.event.code < 0 || k.event.code >= kKeyCount) continue;
    line.push_back({int32_t(k.at), int16_t(k.event.code), k.event.down});
  }
  return line;
}

// What the finding beats the proof by, in a word or two.
std::string Beats(const solver::LineSummary& s, const solver::LineSummary& proof) {
  std::string by;
  auto add = [&by](const char* what) { by += by.empty() ? what : std::string(", ") + what; };
  if (s.toolUses < proof.toolUses) add("fewer tools");
  if (s.score > proof.score) add("higher score");
  if (s.timeLeft >= proof.timeLeft + kMuchSoonerTenths) add("sooner");
  return by;
}

void Header(std::FILE* out) {
  std::fprintf(out, "%-5s %-7s %-26s %5s %6s %6s  %-24s %8s  %s\n", "stage", "level", "finding", "tools",
               "score", "time", "proof (tools/score/time)", "found at", "script");
}

}  // namespace

int RunShortcuts(const ShortcutsCommand& c, const RunKit& kit, const std::function<double()>& clock,
                 std::FILE* out, std::FILE* err) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(c.outDir, ec)) && !fs::is_directory(fs::symlink_status(c.outDir, ec))) {
    std::fprintf(err, "slidestone: --shortcuts: %s is not a folder\n", EscapeControlBytes(c.outDir).c_str());
    return 2;
  }
  std::string work = (fs::temp_directory_path() / "slidestone-shortcuts-XXXXXX").string();
  if (!::mkdtemp(work.data())) {
    std::fprintf(err, "slidestone: --shortcuts: cannot make a temporary folder\n");
    return 1;
  }
  int findings = 0, runs = 0, problems = 0;
  Header(out);
  for (int stage = 1; stage <= kStageCount; ++stage) {
    if (c.only != 0 && stage != c.only) continue;
    for (const bool hard : {false, true}) {
      ++runs;
      const char* level = DifficultyWord(hard ? kHard : kNormal);
      const int32_t difficulty = hard ? kHard : kNormal;
      auto problem = [&](const std::string& why) {
        std::fprintf(out, "%02d    %-7s %-26s  %s\n", stage, level, "-", EscapeControlBytes(why).c_str());
        std::fflush(out);
        ++problems;
      };
      const std::string path = ProofFilePath(c.stageDir, stage - 1, difficulty);
      std::string text, why;
      if (!ReadWholeFile(path, kScriptMaxBytes, text, why)) {
        problem(path + ": " + why);
        continue;
      }
      DropByteOrderMark(text);
      const Outcome o = PlayProof(kit, c.stageDir, Lines(text), work);
      if (!o.problem.empty() || !o.ended || o.reason != kEndGoal || o.stage != stage - 1) {
        problem("the proof does not win: " + (o.problem.empty() ? o.cause : o.problem));
        continue;
      }
      solver::LineSummary proof;
      if (!solver::ReplayLine(c.stageDir, stage, difficulty, Presses(o.keys), proof) ||
          proof.score != o.score || proof.timeLeft != o.time) {
        problem("the proof's keys do not win the same way without its menus");
        continue;
      }
      solver::SolveRequest req;
      req.stageDir = c.stageDir;
      req.stage = stage;
      req.difficulty = difficulty;
      req.seconds = c.seconds;
      const double start = clock();
      req.elapsed = [&clock, start] { return clock() - start; };
      req.accept = [&proof](const solver::LineSummary& s) { return !Beats(s, proof).empty(); };
      // The best line within the budget: the fewest tools, then the highest score, then the soonest.
      req.better = [](const solver::LineSummary& a, const solver::LineSummary& b) {
        if (a.toolUses != b.toolUses) return a.toolUses < b.toolUses;
        if (a.score != b.score) return a.score > b.score;
        return a.timeLeft > b.timeLeft;
      };
      const solver::SolveResult r = solver::Solve(req);
      char proofText[40];
      std::snprintf(proofText, sizeof proofText, "%d/%d/%s", proof.toolUses, proof.score, Tenths(proof.timeLeft).c_str());
      if (r.verdict != solver::Verdict::kWon) {
        const char* none = r.verdict == solver::Verdict::kExhausted ? "none (searched out)" : "none found";
        std::fprintf(out, "%02d    %-7s %-26s %5s %6s %6s  %-24s %8.1f\n", stage, level, none, "-", "-", "-",
                     proofText, r.progress.seconds);
        std::fflush(out);
        continue;
      }
      char comment[120];
      std::snprintf(comment, sizeof comment, "Stage %d on %s: %s (%s).", stage, level, kFindingMark,
                    Beats(r.summary, proof).c_str());
      const std::vector<std::string> lines = ProofLines(stage, difficulty, r.line, r.summary.passes, comment);
      if (const std::string bad = ConfirmLine(kit, c.stageDir, stage, lines, r.summary); !bad.empty()) {
        problem(bad);
        continue;
      }
      const std::string scriptPath = (fs::path(c.outDir) / ProofFileName(stage - 1, difficulty)).string();
      std::string all;
      for (const std::string& l : lines) all += l + "\n";
      std::string error, old;
      fs::create_directories(c.outDir, ec);
      if (fs::exists(fs::symlink_status(scriptPath, ec)) &&
          (!ReadWholeFile(scriptPath, kScriptMaxBytes, old, error) || old.find(kFindingMark) == std::string::npos)) {
        problem(scriptPath + " exists and is no finding of this report: not replaced");
        continue;
      }
      if (!WriteFileAtomically(scriptPath, all, error)) {
        problem(error);
        continue;
      }
      ++findings;
      std::fprintf(out, "%02d    %-7s %-26s %5d %6d %6s  %-24s %8.1f  %s\n", stage, level,
                   Beats(r.summary, proof).c_str(), r.summary.toolUses, r.summary.score,
                   Tenths(r.summary.timeLeft).c_str(), proofText, r.foundAfter,
                   EscapeControlBytes(scriptPath).c_str());
      std::fflush(out);
    }
  }
  fs::remove_all(work, ec);
  std::fprintf(out, "%d finding%s in %d runs of %g s, %d problem%s\n", findings, findings == 1 ? "" : "s", runs,
               c.seconds, problems, problems == 1 ? "" : "s");
  return problems == 0 ? 0 : 1;
}

}  // namespace slidestone
