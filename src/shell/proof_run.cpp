#include "shell/proof_run.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "audio/audio.h"
#include "graphics/sheets.h"
#include "shell/app.h"
#include "shell/script.h"
#include "services/settings.h"
#include "stagedata/codes.h"
#include "presentation/game.h"

namespace slidestone {

namespace fs = std::filesystem;

namespace {

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


}  // namespace

std::string CauseOfEnd(const Game& g) {
  switch (g.StageEndReason) {
    case kEndGoal: return "goal";
    case kEndStoneStopped: return "stone stopped";
    case kEndTimeUp: return "time up";
    default: break;
  }
  if (On(g.PlayerHit)) return "player knocked out";
  if (BelowField(g.StoneY)) return "stone fell out of the field";
  if (BelowField(g.PlayerY)) return "player fell out of the field";
  if (On(g.KeyState[kKeyZ])) return "gave up (Z)";
  return "try lost";
}

Outcome PlayProof(const RunKit& kit, const std::string& stageDir, std::vector<std::string> lines,
                  const std::string& workDir) {
  Outcome o;
  const std::string scriptPath = (fs::path(workDir) / "run.script").string();
  const std::string settingsPath = (fs::path(workDir) / "settings.ini").string();
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
    game = FreshGame(kit, stageDir, /*drawn=*/false);
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
    const bool inPlay = g.GameState == kStatePlay && !On(g.StagePhaseFlag);
    if (inPlay) {
      if (!begun) {
        playStart = g.Now;
        keys.Start(g.Now);
        for (const Flag k : g.KeyState) o.keyHeldAtStart = o.keyHeldAtStart || On(k);
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
    if (playing && g.GameState == kStatePlay && On(g.StagePhaseFlag)) {
      o.ended = true;
      o.reason = g.StageEndReason;
      o.cause = CauseOfEnd(g);
      o.score = g.StageScore;
      o.par = g.StageTable[o.stage].parScore;
      o.time = g.StageTime;
      o.tools = g.ToolPoints;
      o.timeLimitOn = On(g.TimeLimitOn);
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
  host.headless = true;
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
  if (sink) {
    std::rewind(sink);
    char buf[512];
    while (std::fgets(buf, sizeof buf, sink)) o.printed += buf;
    std::fclose(sink);
  }
  if (errors) std::fclose(errors);
  return o;
}

std::unique_ptr<Game> FreshGame(const RunKit& kit, const std::string& stageDir, bool drawn) {
  auto game = std::make_unique<Game>();
  game->stageDir = stageDir;
  if (!drawn) return game;
  CreateForms(game->forms);
  std::string error;
  if (!kit.images || !LoadSheets(game->forms, kit.picturesDir, *kit.images, error)) {
    throw std::runtime_error(error.empty() ? "no pictures" : error);
  }
  return game;
}

}  // namespace slidestone
