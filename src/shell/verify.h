// Proving a stage folder: every stage carries two recorded solutions in its proofs/ folder, one
// on NORMAL and one on HARD, and `--verify` replays them headless to show that each still wins.
// It also plays every stage with nobody at the keys, which must never win.
//
// A proof is an ordinary script of real input only (wait, press, release, tap, until, print,
// expect, comments). It starts at the title screen without the splash, sets GAME LV and the
// first stage on the options screen, starts the game, and from a line reading exactly `# play`
// on, plays that stage. The run's verdict is the first stage that ends: won when it is the
// proof's stage at the proof's level with the time limit on, and the stone reached the goal.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace slidestone {

class ImageIO;
class SettingsStore;
struct Game;

// What a headless run borrows from the platform: the sheets of every fresh game, and a settings
// store kept in a file of the run's own.
struct RunKit {
  ImageIO* images = nullptr;
  std::string picturesDir;
  std::function<std::unique_ptr<SettingsStore>(const std::string& path)> settingsAt;
};

// A fresh game with the folder it reads its stages from, and its windows with their sheets
// loaded when it will draw (`drawn`); throws std::runtime_error when the sheets cannot be loaded.
// A game that never draws (a proof's run: headless, and no proof takes a shot) needs neither.
std::unique_ptr<Game> FreshGame(const RunKit& kit, const std::string& stageDir, bool drawn = true);

// The line that ends the menu part of a proof and begins the stage's play.
inline constexpr const char kPlayMark[] = "# play";

// Replays the proofs of stage `only` (1..18), or of every stage when `only` is 0, plus the
// do-nothing runs, printing one row per run and then "N passed, M failed". Every run has a
// fresh game and a settings file in a temporary folder that is removed afterwards. Returns 0
// when every run passed, else 1. With `fullGamePath`, also writes the full-game proof stitched
// from the NORMAL proofs' play (all 18 must win; else nothing is written and the result is 1).
// With `slack`, every proof that wins is also replayed with each timed press moved earlier and
// later (proof_slack.h): a slack column shows its tightest move, flagged with "!" under the bound.
int VerifyStages(const std::string& stageDir, int only, const RunKit& kit, std::FILE* out,
                 const std::string& fullGamePath = "", bool slack = false);

}  // namespace slidestone
