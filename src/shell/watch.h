// Watching a stage's proof: `slidestone --watch N [--hard]` plays the recorded solution of stage
// N in the window, for a stuck player or an author checking a proof. The menus the proof walks
// are passed at once; from the stage's curtain the run goes at play speed, and it ends a little
// after the stage does, saying how.
#pragma once

#include <cstdint>
#include <string>

namespace slidestone {

struct Game;

class ProofWatch {
 public:
  // How long the end of the stage stays on screen before the run closes.
  static constexpr int64_t kLingerMs = 3000;

  ProofWatch(int stage, bool hard) : stage_(stage), hard_(hard) {}
  ~ProofWatch();
  ProofWatch(const ProofWatch&) = delete;
  ProofWatch& operator=(const ProofWatch&) = delete;

  // Writes the script the run plays in a temporary folder of its own (removed with the watch):
  // the proof's lines, then a long wait (the watch ends the run). False with the reason when
  // there is no proof to play.
  bool Prepare(const std::string& stageDir, std::string& error);
  std::string ScriptPath() const { return folder_ + "/watch.script"; }
  // The run keeps its settings there too: watching never touches the player's high score.
  std::string SettingsPath() const { return folder_ + "/settings.ini"; }

  // After every pass of the run: notes the curtain and the stage's end.
  void AfterPass(const Game& g);
  // From the stage's curtain on, the run is shown and kept to play speed.
  bool Shown() const { return shown_; }
  // The stage has ended and been shown long enough, or the game left play.
  bool Over() const { return over_; }
  // One line on how the watched stage went.
  const std::string& Result() const { return result_; }

 private:
  int stage_;
  bool hard_;
  bool shown_ = false, playing_ = false, ended_ = false, over_ = false;
  int64_t endedAt_ = 0;
  int32_t played_ = 0;
  std::string result_;
  std::string folder_;
};

}  // namespace slidestone
