#include "shell/verify.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "shell/full_game.h"
#include "shell/proof_run.h"
#include "shell/proof_slack.h"
#include "shell/script_commands.h"
#include "stagedata/codes.h"
#include "presentation/game.h"
#include "stagedata/stage_format.h"
#include "stagedata/text_file.h"

namespace slidestone {

namespace fs = std::filesystem;

namespace {


// A folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "slidestone-verify-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string Dir() const { return path_.string(); }

 private:
  fs::path path_;
};

// The proof's lines, or nothing with the reason in `why`.
std::optional<std::vector<std::string>> ReadLines(const std::string& path, std::string& why) {
  std::string text;
  if (!ReadWholeFile(path, kScriptMaxBytes, text, why)) return std::nullopt;
  // Read as the script runner reads it, so the rules see the first command as it will run.
  DropByteOrderMark(text);
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A proof is what a player could have typed: no writes to the game, no pictures, no quitting.
std::optional<std::string> ForbiddenLine(const std::vector<std::string>& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    std::istringstream words(lines[i].substr(0, lines[i].find('#')));
    std::string command;
    words >> command;
    if (const ScriptCommandKind* kind = FindScriptCommand(command); kind && !kind->inProofs) {
      return "line " + std::to_string(i + 1) + " uses '" + command + "': a proof is real input only";
    }
  }
  return std::nullopt;
}

struct Row {
  int stage = 0;
  std::string kind;  // NORMAL, HARD, or "nothing" for the do-nothing run
  bool pass = false;
  const char* result = "-";  // how the stage ended: won, lost, or - when it did not
  std::string why;
  std::optional<Outcome> seen;
  std::optional<Slack> slack;  // with --slack, for a proof that won
};

void PrintHeader(std::FILE* out, bool slack) {
  std::fprintf(out, "%-4s %-5s %-7s %-5s %7s %7s %7s %6s %5s%s  %s\n", "", "stage", "run",
               "ended", "score", "par", "margin", "time", "tools", slack ? "  slack" : "", "why");
}

// The slack column: the tightest move in ms, "1000+" when none within the cap lost, "!" after
// one under the level's bound; and what the why column says about it.
std::string SlackColumn(const Row& r, bool on) {
  if (!on) return "";
  char cell[16] = "-";
  if (r.slack && r.slack->measured) {
    if (!r.slack->limited) {
      std::snprintf(cell, sizeof cell, "%lld+", static_cast<long long>(kSlackCapMs));
    } else {
      const int64_t bound = r.kind == DifficultyWord(kHard) ? kSlackBoundHardMs : kSlackBoundNormalMs;
      std::snprintf(cell, sizeof cell, "%lld%s", static_cast<long long>(r.slack->ms),
                    r.slack->ms < bound ? "!" : "");
    }
  }
  char column[24];
  std::snprintf(column, sizeof column, " %6s", cell);
  return column;
}

std::string SlackWords(const Row& r) {
  if (!r.slack || (r.slack->measured && !r.slack->limited)) return r.why;
  const int64_t bound = r.kind == DifficultyWord(kHard) ? kSlackBoundHardMs : kSlackBoundNormalMs;
  const bool tight = !r.slack->measured || (r.slack->limited && r.slack->ms < bound);
  std::string words = (tight ? "TIGHT: " : "tightest: ") + DescribeSlack(*r.slack);
  if (tight && r.slack->measured) words += " (the bound is " + std::to_string(bound) + " ms)";
  return r.why.empty() ? words : r.why + "; " + words;
}

void PrintRow(std::FILE* out, const Row& r, bool slack) {
  const std::string column = SlackColumn(r, slack), why = SlackWords(r);
  char stage[8];
  std::snprintf(stage, sizeof stage, "%02d", r.stage);
  if (r.seen && r.seen->ended) {
    const Outcome& o = *r.seen;
    char time[16];
    std::snprintf(time, sizeof time, "%d.%d", o.time / 10, std::abs(o.time % 10));
    std::fprintf(out, "%-4s %-5s %-7s %-5s %7d %7d %+7d %6s %5d%s  %s\n", r.pass ? "ok" : "FAIL",
                 stage, r.kind.c_str(), r.result, o.score, o.par, o.score - o.par, time,
                 o.tools, column.c_str(), why.c_str());
  } else {
    std::fprintf(out, "%-4s %-5s %-7s %-5s %7s %7s %7s %6s %5s%s  %s\n", r.pass ? "ok" : "FAIL",
                 stage, r.kind.c_str(), r.result, "-", "-", "-", "-", "-", column.c_str(),
                 why.c_str());
  }
  std::fflush(out);
}

// The verdict on a proof: the stage it names, at the level it names, won with the time limit on.
Row ProofRow(int stage, bool hard, const Outcome& o) {
  Row r{stage, DifficultyWord(hard ? kHard : kNormal), false, "lost", "", o, std::nullopt};
  const int32_t level = hard ? 2 : 1;
  if (!o.problem.empty()) {
    r.result = "-";
    r.why = o.problem;
  } else if (o.stage != stage - 1) {
    r.why = "played stage " + std::to_string(o.stage + 1) + ", not " + std::to_string(stage);
  } else if (o.difficulty != level) {
    r.why = std::string("played on ") + DifficultyWord(o.difficulty) + ", not " + DifficultyWord(level);
  } else if (!o.timeLimitOn) {
    r.why = "the time limit was off";
  } else if (o.reason != kEndGoal) {
    r.why = o.cause;
  } else {
    r.pass = true;
    r.result = "won";
    r.why = "";
  }
  if (!r.pass && o.ended && o.reason == kEndGoal) r.result = "won";
  return r;
}

// The verdict on a do-nothing run: the stage must have been played, and lost.
Row IdleRow(int stage, const Outcome& o) {
  Row r{stage, "nothing", false, "lost", "", o, std::nullopt};
  if (!o.problem.empty()) {
    r.result = "-";
    r.why = o.problem;
  } else if (o.stage != stage - 1) {
    r.why = "played stage " + std::to_string(o.stage + 1) + ", not " + std::to_string(stage);
  } else if (o.reason == kEndGoal) {
    r.result = "won";
    r.why = "won with nobody at the keys";
  } else {
    r.pass = true;
    r.why = "lost as it must: " + o.cause;
  }
  return r;
}

// The lines before `# play`, which only walk the menus; nothing when there is no such line.
std::optional<std::vector<std::string>> MenuPart(const std::vector<std::string>& lines) {
  std::vector<std::string> menus;
  for (const std::string& l : lines) {
    if (Trim(l) == kPlayMark) return menus;
    menus.push_back(l);
  }
  return std::nullopt;
}

// A stage nobody has designed yet, as a new stage folder holds them: an empty field with
// nothing on it and no proofs. Not a failure, only not a stage yet. A stage whose files do not
// read is not one of them: the game would refuse it, and its proofs say so.
bool NotDesigned(const std::string& stageDir, int stage) {
  for (const bool hard : {false, true}) {
    std::error_code ec;
    if (fs::exists(ProofFilePath(stageDir, stage - 1, hard ? kHard : kNormal), ec)) return false;
  }
  try {
    for (const std::string& path : {MapFilePath(stageDir, stage - 1), EnemyMapFilePath(stageDir, stage - 1)}) {
      for (const auto& row : ReadCodeFile(path)) {
        for (const int32_t code : row) {
          if (code != 0) return false;
        }
      }
    }
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

// Stage numbers as runs: "2, 5-18".
std::string StageRuns(const std::vector<int>& stages) {
  std::string text;
  for (size_t i = 0; i < stages.size();) {
    size_t j = i;
    while (j + 1 < stages.size() && stages[j + 1] == stages[j] + 1) ++j;
    if (!text.empty()) text += ", ";
    text += std::to_string(stages[i]);
    if (j > i) text.append("-").append(std::to_string(stages[j]));
    i = j + 1;
  }
  return text;
}

}  // namespace

int VerifyStages(const std::string& stageDir, int only, const RunKit& kit, std::FILE* out,
                 const std::string& fullGamePath, bool slack) {
  if (only < 0 || only > kStageCount) {
    std::fprintf(stderr, "slidestone: --verify: there is no stage %d (1 to %d)\n", only, kStageCount);
    return 1;
  }
  TempFolder tmp;
  int passed = 0, failed = 0;
  auto report = [&](const Row& r) {
    PrintRow(out, r, slack);
    (r.pass ? passed : failed) += 1;
  };
  std::vector<std::string> firstMenus;
  std::vector<ProvenStage> proven;
  std::string unproven;  // why the full game cannot be written
  PrintHeader(out, slack);
  std::vector<int> notDesigned;
  for (int stage = 1; stage <= kStageCount; ++stage) {
    if (only != 0 && stage != only) continue;
    if (NotDesigned(stageDir, stage)) {
      notDesigned.push_back(stage);
      if (unproven.empty()) unproven = "stage " + std::to_string(stage) + " is not designed";
      continue;
    }
    std::optional<std::vector<std::string>> menus;
    for (const bool hard : {false, true}) {
      const std::string path = ProofFilePath(stageDir, stage - 1, hard ? kHard : kNormal);
      std::string why;
      const auto lines = ReadLines(path, why);
      Row r{stage, DifficultyWord(hard ? kHard : kNormal), false, "-", "", std::nullopt, std::nullopt};
      if (!lines) {
        r.why = why == "cannot open the file" ? "no proof file " + path : path + ": " + why;
      } else if (auto bad = ForbiddenLine(*lines)) {
        r.why = path + ": " + *bad;
      } else {
        r = ProofRow(stage, hard, PlayProof(kit, stageDir, *lines, tmp.Dir()));
        if (!hard) menus = MenuPart(*lines);
        if (slack && r.pass) {
          r.slack = MeasureSlack(kit, stageDir, stage, hard ? kHard : kNormal, *lines,
                                 r.seen->keys, tmp.Dir());
        }
      }
      report(r);
      if (hard) continue;
      if (r.pass && !r.seen->keyHeldAtStart) {
        proven.push_back({stage, r.seen->score, r.seen->keys});
        if (stage == 1 && menus) firstMenus = *menus;
      } else if (unproven.empty()) {
        unproven = "stage " + std::to_string(stage) + "'s NORMAL proof " +
                   (r.pass ? "holds a key as play begins" : "does not win");
      }
    }
    // Nobody at the keys: the NORMAL proof's walk through the menus, then nothing.
    Row idle{stage, "nothing", false, "-", "", std::nullopt, std::nullopt};
    if (!menus) {
      idle.why = ProofFilePath(stageDir, stage - 1, kNormal) + " is missing or has no '" + kPlayMark + "' line";
    } else {
      idle = IdleRow(stage, PlayProof(kit, stageDir, *menus, tmp.Dir()));
    }
    report(idle);
  }
  if (!notDesigned.empty()) {
    std::fprintf(out, "%zu not designed (an empty field, nothing on it, no proofs): stage%s %s\n", notDesigned.size(),
                 notDesigned.size() > 1 ? "s" : "", StageRuns(notDesigned).c_str());
  }
  std::fprintf(out, "%d passed, %d failed\n", passed, failed);
  if (!fullGamePath.empty()) {
    if (only != 0) unproven = "it needs every stage, not stage " + std::to_string(only) + " alone";
    if (unproven.empty() && firstMenus.empty()) unproven = "stage 1's NORMAL proof has no menu part";
    std::string error;
    if (!unproven.empty()) {
      std::fprintf(stderr, "slidestone: full game not written: %s\n", unproven.c_str());
      return 1;
    }
    if (!WriteFileAtomically(fullGamePath, FullGameScript(firstMenus, proven), error)) {
      std::fprintf(stderr, "slidestone: full game not written: %s\n", error.c_str());
      return 1;
    }
    std::fprintf(out, "full game written to %s\n", fullGamePath.c_str());
  }
  return failed == 0 ? 0 : 1;
}

}  // namespace slidestone
