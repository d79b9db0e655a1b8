// Scripts: plain-text sessions that drive the game pass by pass, for replays and tests.
//
//   wait MS                  run MS passes (virtual milliseconds)
//   until COND [within MS]   run passes until COND holds; fail after MS (default 600000)
//   press KEY / release KEY  a key-down / key-up event, delivered at the next pass
//   tap KEY                  key-down at the next pass, key-up at the pass after; a chord
//                            such as CTRL+S holds its keys in order and lets go the other way
//   move X Y                 the mouse pointer to screen pixel (X, Y)
//   click X Y [left|right]   a button there, down and up like tap (left by default)
//   drag X1 Y1 X2 Y2 [BTN]   down at the start, a few pixels a pass to the end, then up
//   set NAME VALUE           write a variable
//   print NAME...            print "t=MS NAME=VALUE ..."
//   expect COND              fail unless COND holds
//   sounds                   print and clear the sound calls since the last `sounds`
//   shot FILE.png            write the composed 640x480 screen
//   quit                     end the program as Escape would
//
// MS: 0 to 86400000 (a day of game time).
// KEY: LEFT RIGHT UP DOWN SPACE ENTER ESCAPE Z, a letter A..Z, KEY0..KEY9, F1..F12, CTRL SHIFT
// ALT TAB BACKSPACE DELETE PGUP PGDN HOME END LBUTTON RBUTTON, or a virtual-key code. COND: NAME OP INTEGER
// joined by `and`, OP one of == != < <= > >=. `#` starts a comment.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "shell/input.h"

namespace slidestone {

struct Game;
class App;
class RecordingAudio;

struct ScriptHost {
  App& app;
  Game& g;
  RecordingAudio* sounds = nullptr;  // where `sounds` reads from
  // Writes the composed screen to a PNG; false with a reason on failure.
  std::function<bool(const std::string& path, std::string& error)> shot;
  std::FILE* out = stdout;
  std::FILE* err = stderr;  // where a failed line or an unreadable script is reported
  // No window: when the script takes no shot either, nobody ever sees the screen, and the run
  // skips presenting it.
  bool headless = false;
};

// Checks every line of the script first (script_parse.h), then runs it to its end (or until the
// game ends by itself). Returns the exit code: 0, or 1 after printing "script:LINE: ..." for a
// bad line (before the first pass) or a failed check, or 2 for a `set` outside the variable's
// range (before the first pass).
int RunScript(const std::string& path, ScriptHost& host);

// Key names as scripts write them, and back.
int KeyCodeFromName(const std::string& name);  // -1 when unknown
std::string KeyNameFromCode(int code);

// Writes the delivered key events as a script that replays the session exactly.
class ScriptRecorder : public KeyRecorder {
 public:
  explicit ScriptRecorder(std::FILE* file) : file_(file) {}
  void Delivered(int64_t now, const KeyEvent& e) override;
  // Pads the script to the end of the session (the pass count `now`).
  void Finish(int64_t now);

 private:
  std::FILE* file_;
  int64_t cursor_ = 0;
};

}  // namespace slidestone
