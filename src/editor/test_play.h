// Test play: the stage under edit played through the game's real loop, in a game of its own
// started fresh from the title, so a won run, recorded from the first key, replays exactly as
// the stage's proof. The menus are gone through at once (level, first stage, GAME START); the
// player takes over at the curtain.
#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "editor/stage_edits.h"
#include "services/settings.h"

namespace slidestone {
struct Game;
class App;
class Input;
class TextPainter;
class ScriptRecorder;
}  // namespace slidestone

namespace slidestone::editor {

// A scratch folder (made under the system's temporary folder; its path in `dir`, even on failure,
// for removal) holding the stage table and messages of `folder` with stage `stage` as edited.
bool MakeScratchStage(const std::string& folder, const std::string& shippedDir, int stage, const StageDoc& doc,
                      std::string& dir, std::string& error);

class TestPlay {
 public:
  TestPlay(Game& editorGame, TextPainter* text);
  ~TestPlay();
  TestPlay(const TestPlay&) = delete;
  TestPlay& operator=(const TestPlay&) = delete;

  // Writes the stage as edited into a scratch folder beside the others of `folder` and plays
  // the menus up to the curtain. False with a reason when it cannot.
  bool Start(const std::string& folder, const std::string& shippedDir, int stage, const StageDoc& doc,
             int difficulty, std::string& error);
  // One pass of the game with the editor's input; shows its screen in the editor's window.
  // False once the try is over: won, lost, or left with Escape.
  bool Pass(Input& editorInput);

  bool Won() const;
  // The stage's end reason when play ended (0 a lost try, 1 time up, 2 stone stopped, 3 goal),
  // or -1 when the player left.
  int EndReason() const;
  // The whole run as a script: the menus, a line "# play", then the play: the game's own keys
  // only, each release after its press, with the waits of the game's clock between them.
  std::string Recording();
  // The stage score and the time left (tenths of a second) as the stage ended.
  int Score() const { return score_; }
  int TimeLeft() const { return timeLeft_; }

 private:
  void Step();
  void Tap(int key);
  void Show(bool now);

  Game& eg_;
  TextPainter* text_;
  std::unique_ptr<Game> tg_;
  std::unique_ptr<App> app_;
  MemorySettings settings_;  // the high score of a test play is nobody's
  std::string tempDir_;
  std::FILE* record_ = nullptr;
  char* recordText_ = nullptr;
  size_t recordSize_ = 0;
  std::unique_ptr<ScriptRecorder> recorder_;
  int stage_ = 0;
  bool left_ = false;
  int score_ = 0, timeLeft_ = 0;
  std::array<bool, 256> down_{};  // the game's keys held in the test game
  uint64_t shownVersion_ = 0;
  int64_t lastShow_ = -1000;
};

}  // namespace slidestone::editor
