#include "shell/verify.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "audio/audio.h"
#include "graphics/sheets.h"
#include "shell/app.h"
#include "shell/full_game.h"
#include "shell/script.h"
#include "shell/settings.h"
#include "stagedata/game.h"
#include "stagedata/stage_format.h"

namespace slidestone {

namespace fs = std::filesystem;

namespace {

// Before play begins a proof only walks the menus; two minutes there means it is lost in them.
constexpr int64_t kMenuLimitMs = 120000;
// Once play has begun the stage must end within its own time plus this much.
constexpr int64_t kPlayGraceMs = 60000;
// Appended to every run: the watcher ends the run long before this runs out.
constexpr int64_t kTailWaitMs = 100000000;

const char* LevelName(int32_t difficulty) {
  switch (difficulty) {
    case 0: return "EASY";
    case 1: return "NORMAL";
    case 2: return "HARD";
    default: return "?";
  }
}

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
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Trimmed(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

// A proof is what a player could have typed: no writes to the game, no pictures, no quitting.
std::optional<std::string> ForbiddenLine(const std::vector<std::string>& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    std::istringstream words(lines[i].substr(0, lines[i].find('#')));
    std::string command;
    words >> command;
    if (command == "set" || command == "shot" || command == "quit") {
      return "line " + std::to_string(i + 1) + " uses '" + command + "': a proof is real input only";
    }
  }
  return std::nullopt;
}

// What one run saw at the first stage end (or why it saw none).
struct Outcome {
  std::string problem;  // a failure before any stage ended: files, script, menus, no end
  bool ended = false;
  int32_t stage = -1;  // 0-based, the stage that was being played
  int32_t difficulty = 0, reason = 0, score = 0, par = 0, time = 0, tools = 0;
  bool timeLimitOn = true;
  std::string cause;  // in words, why the stage ended
  std::vector<TimedKey> keys;  // delivered from the first pass of play to the end
  bool keyHeldAtStart = false;
};

// Listens to the keys delivered while the stage is being played.
class PlayKeys : public KeyRecorder {
 public:
  explicit PlayKeys(std::vector<TimedKey>& keys) : keys_(keys) {}
  void Start(int64_t now) {
    on_ = true;
    start_ = now;
  }
  void Stop() { on_ = false; }
  void Delivered(int64_t now, const KeyEvent& e) override {
    if (on_) keys_.push_back({now - start_, e});
  }

 private:
  std::vector<TimedKey>& keys_;
  bool on_ = false;
  int64_t start_ = 0;
};

std::string CauseOfEnd(const Game& g) {
  switch (g.StageEndReason) {
    case 3: return "goal";
    case 2: return "stone stopped";
    case 1: return "time up";
    default: break;
  }
  if (g.PlayerHit != 0) return "player knocked out";
  if (g.StoneY >= kFieldH) return "stone fell out of the field";
  if (g.PlayerY >= kFieldH) return "player fell out of the field";
  if (g.KeyState[kKeyZ] != 0) return "gave up (Z)";
  return "try lost";
}

// Plays `lines` in a fresh game and watches for the first stage to end.
Outcome Play(const RunKit& kit, const std::string& stageDir, std::vector<std::string> lines,
             const TempFolder& tmp) {
  Outcome o;
  const std::string scriptPath = tmp.File("run.script");
  const std::string settingsPath = tmp.File("settings.ini");
  std::error_code ec;
  fs::remove(settingsPath, ec);
  lines.push_back("wait " + std::to_string(kTailWaitMs));
  {
    std::ofstream f(scriptPath);
    for (const std::string& l : lines) f << l << "\n";
    if (!f) {
      o.problem = "cannot write " + scriptPath;
      return o;
    }
  }

  std::unique_ptr<Game> game;
  try {
    game = FreshGame(kit, stageDir);
  } catch (const std::exception& e) {
    o.problem = e.what();
    return o;
  }
  Game& g = *game;
  std::unique_ptr<SettingsStore> settings = kit.settingsAt(settingsPath);
  g.settings = settings.get();
  RecordingAudio audio;
  g.audio = &audio;

  App app(g, /*splash=*/false);
  PlayKeys keys(o.keys);
  app.input().recorder = &keys;
  bool playing = false, begun = false;
  int64_t playStart = 0;
  app.afterPass = [&] {
    if (o.ended || !o.problem.empty()) return;
    const bool inPlay = g.GameState == kStatePlay && g.StagePhaseFlag == kFalse;
    if (inPlay) {
      if (!begun) {
        playStart = g.Now;
        keys.Start(g.Now);
        for (const Flag k : g.KeyState) o.keyHeldAtStart = o.keyHeldAtStart || k != 0;
      }
      begun = playing = true;
      o.stage = g.Stage;
      o.difficulty = g.Difficulty;
      if (g.Now > playStart + int64_t(g.StageTable[g.Stage].time) * 100 + kPlayGraceMs) {
        o.problem = "stage " + std::to_string(g.Stage + 1) + " did not end within its time + " +
                    std::to_string(kPlayGraceMs / 1000) + " s of play";
        app.Quit();
      }
      return;
    }
    if (playing && g.GameState == kStatePlay && g.StagePhaseFlag != kFalse) {
      o.ended = true;
      o.reason = g.StageEndReason;
      o.cause = CauseOfEnd(g);
      o.score = g.StageScore;
      o.par = g.StageTable[o.stage].parScore;
      o.time = g.StageTime;
      o.tools = g.ToolPoints;
      o.timeLimitOn = g.TimeLimitOn != 0;
      keys.Stop();
      app.Quit();
      return;
    }
    playing = false;
    if (!begun && g.Now > kMenuLimitMs) {
      o.problem = "never reached play (still in the menus after " +
                  std::to_string(kMenuLimitMs / 1000) + " s)";
      app.Quit();
    }
  };

  std::FILE* sink = std::tmpfile();
  std::FILE* errors = std::tmpfile();
  ScriptHost host{app, g, &audio, nullptr, sink ? sink : stdout};
  if (errors) host.err = errors;
  int code = 0;
  try {
    code = RunScript(scriptPath, host);
  } catch (const std::exception& e) {
    o.problem = std::string("stage files: ") + e.what();
  }
  if (code != 0 && o.problem.empty() && !o.ended) {
    std::string text;
    if (errors) {
      std::rewind(errors);
      char buf[512];
      while (std::fgets(buf, sizeof buf, errors)) text += buf;
    }
    while (!text.empty() && text.back() == '\n') text.pop_back();
    o.problem = "proof failed: " + (text.empty() ? std::string("script error") : text);
  }
  if (!o.ended && o.problem.empty()) {
    o.problem = begun ? "the game ended before the stage did" : "never reached play";
  }
  if (sink) std::fclose(sink);
  if (errors) std::fclose(errors);
  return o;
}

struct Row {
  int stage = 0;
  std::string kind;  // NORMAL, HARD, or "nothing" for the do-nothing run
  bool pass = false;
  const char* result = "-";  // how the stage ended: won, lost, or - when it did not
  std::string why;
  std::optional<Outcome> seen;
};

void PrintHeader(std::FILE* out) {
  std::fprintf(out, "%-4s %-5s %-7s %-5s %7s %7s %7s %6s %5s  %s\n", "", "stage", "run",
               "ended", "score", "par", "margin", "time", "tools", "why");
}

void PrintRow(std::FILE* out, const Row& r) {
  char stage[8];
  std::snprintf(stage, sizeof stage, "%02d", r.stage);
  if (r.seen && r.seen->ended) {
    const Outcome& o = *r.seen;
    char time[16];
    std::snprintf(time, sizeof time, "%d.%d", o.time / 10, std::abs(o.time % 10));
    std::fprintf(out, "%-4s %-5s %-7s %-5s %7d %7d %+7d %6s %5d  %s\n", r.pass ? "ok" : "FAIL",
                 stage, r.kind.c_str(), r.result, o.score, o.par, o.score - o.par, time,
                 o.tools, r.why.c_str());
  } else {
    std::fprintf(out, "%-4s %-5s %-7s %-5s %7s %7s %7s %6s %5s  %s\n", r.pass ? "ok" : "FAIL",
                 stage, r.kind.c_str(), r.result, "-", "-", "-", "-", "-", r.why.c_str());
  }
  std::fflush(out);
}

// The verdict on a proof: the stage it names, at the level it names, won with the time limit on.
Row ProofRow(int stage, bool hard, const Outcome& o) {
  Row r{stage, hard ? "HARD" : "NORMAL", false, "lost", "", o};
  const int32_t level = hard ? 2 : 1;
  if (!o.problem.empty()) {
    r.result = "-";
    r.why = o.problem;
  } else if (o.stage != stage - 1) {
    r.why = "played stage " + std::to_string(o.stage + 1) + ", not " + std::to_string(stage);
  } else if (o.difficulty != level) {
    r.why = std::string("played on ") + LevelName(o.difficulty) + ", not " + LevelName(level);
  } else if (!o.timeLimitOn) {
    r.why = "the time limit was off";
  } else if (o.reason != 3) {
    r.why = o.cause;
  } else {
    r.pass = true;
    r.result = "won";
    r.why = "";
  }
  if (!r.pass && o.ended && o.reason == 3) r.result = "won";
  return r;
}

// The verdict on a do-nothing run: the stage must have been played, and lost.
Row IdleRow(int stage, const Outcome& o) {
  Row r{stage, "nothing", false, "lost", "", o};
  if (!o.problem.empty()) {
    r.result = "-";
    r.why = o.problem;
  } else if (o.stage != stage - 1) {
    r.why = "played stage " + std::to_string(o.stage + 1) + ", not " + std::to_string(stage);
  } else if (o.reason == 3) {
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
    if (Trimmed(l) == kPlayMark) return menus;
    menus.push_back(l);
  }
  return std::nullopt;
}

}  // namespace

std::unique_ptr<Game> FreshGame(const RunKit& kit, const std::string& stageDir) {
  auto game = std::make_unique<Game>();
  CreateForms(game->forms);
  std::string error;
  if (!kit.images || !LoadSheets(game->forms, kit.picturesDir, *kit.images, error)) {
    throw std::runtime_error(error.empty() ? "no pictures" : error);
  }
  game->stageDir = stageDir;
  return game;
}

std::string ProofPath(const std::string& stageDir, int stage, bool hard) {
  char name[32];
  std::snprintf(name, sizeof name, "%02d-%s.script", stage, hard ? "hard" : "normal");
  return (fs::path(stageDir) / "proofs" / name).string();
}

int VerifyStages(const std::string& stageDir, int only, const RunKit& kit, std::FILE* out,
                 const std::string& fullGamePath) {
  if (only < 0 || only > kPlayedRecords) {
    std::fprintf(stderr, "slidestone: --verify: there is no stage %d (1 to %d)\n", only, kPlayedRecords);
    return 1;
  }
  TempFolder tmp;
  int passed = 0, failed = 0;
  auto report = [&](const Row& r) {
    PrintRow(out, r);
    (r.pass ? passed : failed) += 1;
  };
  std::vector<std::string> firstMenus;
  std::vector<ProvenStage> proven;
  std::string unproven;  // why the full game cannot be written
  PrintHeader(out);
  for (int stage = 1; stage <= kPlayedRecords; ++stage) {
    if (only != 0 && stage != only) continue;
    std::optional<std::vector<std::string>> menus;
    for (const bool hard : {false, true}) {
      const std::string path = ProofPath(stageDir, stage, hard);
      const auto lines = ReadLines(path);
      Row r{stage, hard ? "HARD" : "NORMAL", false, "-", "", std::nullopt};
      if (!lines) {
        r.why = "no proof file " + path;
      } else if (auto bad = ForbiddenLine(*lines)) {
        r.why = path + ": " + *bad;
      } else {
        r = ProofRow(stage, hard, Play(kit, stageDir, *lines, tmp));
        if (!hard) menus = MenuPart(*lines);
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
    Row idle{stage, "nothing", false, "-", "", std::nullopt};
    if (!menus) {
      idle.why = ProofPath(stageDir, stage, false) + " is missing or has no '" + kPlayMark + "' line";
    } else {
      idle = IdleRow(stage, Play(kit, stageDir, *menus, tmp));
    }
    report(idle);
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
