// The game's one desktop window: shows the composed 640x480 frame scaled by a whole factor and
// letterboxed, turns keyboard and gamepad events into the game's key events, and paces the
// virtual clock against the real one.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "graphics/surface.h"
#include "shell/input.h"
#include "presentation/game.h"

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;
typedef struct _SDL_GameController SDL_GameController;

namespace slidestone {

struct Game;
class App;
class TextPainter;

class SdlWindow {
 public:
  SdlWindow() = default;
  ~SdlWindow();
  // Opens the window; false (with a message on stderr) when there is no display.
  bool Open(int scale, bool fullscreen);
  // Gives the open window its icon, the same drawing the desktop's menu shows; a window
  // without one still plays.
  void SetIcon(const std::string& png);

  // Interactive play: runs the app in step with the real clock until the program ends.
  void Run(App& app, Game& g, TextPainter* text);
  // For replays in a window: pumps window events (only closing it counts), shows the frame if
  // it changed and waits until real time has caught up with the virtual clock.
  void AfterReplayPass(App& app, Game& g, TextPainter* text);
  // A replay being watched: Space doubles the speed (up to 8 times, then back to play speed);
  // Escape ends it, as it ends every replay.
  void WatchReplay() { watched_ = true; }
  // The window's title, asked again whenever a changed screen is shown (the editor marks
  // unsaved changes there); "Slidestone" when not set.
  std::function<std::string()> title;

 private:
  // Moves pending window events into the app's input (`keys` off: a replay, which takes none).
  void PumpEvents(App& app, bool keys);
  void OnKey(App& app, const SDL_Event& e, bool keys);
  void OnWheel(const SDL_Event& e);
  void OnStick(const SDL_Event& e, bool keys);
  void OnWindowEvent(const SDL_Event& e, bool keys);
  // Shows what changed on the screen since the last frame, paced to the display.
  void Show(Game& g, TextPainter* text);
  void ShowTitle();
  // The copy of what was sent, as an SDL surface to scale onto the window; false when it cannot
  // be made.
  bool MakeFrameSurface();
  // Events wait here with their arrival time until the pass of that millisecond runs.
  void Queue(uint32_t stamp, const KeyEvent& e);
  // A mouse event at window pixel (wx, wy), placed on the 640 x 480 screen.
  KeyEvent ScreenPointer(int wx, int wy, KeyEvent e) const;
  ArrivalQueue arrived_;
  void ToggleFullscreen();
  // With SLIDESTONE_FRAME_LOG=FILE set, each key press as the game reads it and each frame as
  // it reaches the screen are written there with the system's monotonic time in microseconds,
  // for the benchmark that measures how long a key takes to show. A key's line carries its
  // number among the events received; a frame's line the number of events the game had acted
  // on when it was composed, so the first frame whose number reaches a key's is the one that
  // shows it.
  void LogTiming(const char* what, uint64_t count);
  std::FILE* timingLog_ = nullptr;
  uint64_t queued_ = 0;   // events received from the window system so far
  uint64_t handed_ = 0;   // of those, handed over to the game's passes
  uint64_t acted_ = 0;    // of those, read by a pass of the game
  uint64_t shownActed_ = 0;  // acted_ when the last frame was shown

  SDL_Window* window_ = nullptr;
  Surface frame_;                        // the composed 640x480 picture, kept up to date part by part
  Surface uploaded_;                     // what the window shows now, when it is scaled
  SDL_Surface* frameSurface_ = nullptr;  // the same pixels as an SDL surface (made when needed)
  SDL_Surface* lastTarget_ = nullptr;    // the window surface last drawn on, and its size
  int lastW_ = 0, lastH_ = 0;
  uint64_t shownVersion_ = 0;
  std::string shownTitle_ = "Slidestone";
  uint64_t lastShowMs_ = 0;
  uint64_t replayStartMs_ = 0;  // real time at which the virtual time replayFromMs_ was due
  int64_t replayFromMs_ = 0;
  int replaySpeed_ = 1;
  bool replayStarted_ = false, watched_ = false;
  int axisX_ = 0, axisY_ = 0;  // left stick as arrows: -1, 0, +1
  // Keys sent down and not yet up, released for the game when the window loses focus.
  std::array<bool, kKeyCount> held_{};
  const Game* game_ = nullptr;  // the game in interactive play, whose state the focus loss reads
};

}  // namespace slidestone
