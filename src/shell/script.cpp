#include "shell/script.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "graphics/surface.h"
#include "shell/app.h"
#include "shell/script_commands.h"
#include "shell/script_parse.h"
#include "presentation/game.h"
#include "stagedata/text_file.h"

namespace slidestone {

namespace {

constexpr int kF1 = kKeyF1, kF12 = kKeyF12;

}  // namespace

int KeyCodeFromName(const std::string& name) {
  for (const auto& [n, code] : kKeyNames) {
    if (name == n) return code;
  }
  // Letters by themselves (A..Z), digit keys as KEY0..KEY9, function keys F1..F12.
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return name[0];
  if (name.size() == 4 && name.compare(0, 3, "KEY") == 0 && name[3] >= '0' && name[3] <= '9') return name[3];
  if (name.size() >= 2 && name[0] == 'F' && name.find_first_not_of("0123456789", 1) == std::string::npos) {
    const int n = std::atoi(name.c_str() + 1);
    if (n >= 1 && n <= kF12 - kF1 + 1) return kF1 + n - 1;
  }
  char* end = nullptr;
  const long v = std::strtol(name.c_str(), &end, 10);
  if (!name.empty() && *end == '\0' && v >= 0 && v < kKeyCount) return int(v);
  return -1;
}

std::string KeyNameFromCode(int code) {
  for (const auto& [n, c] : kKeyNames) {
    if (c == code) return n;
  }
  if (code >= 'A' && code <= 'Z') {
    const char letter[2] = {char(code), '\0'};
    return letter;
  }
  if (code >= '0' && code <= '9') {
    const char digit[5] = {'K', 'E', 'Y', char(code), '\0'};
    return digit;
  }
  if (code >= kF1 && code <= kF12) {
    char function[8];
    std::snprintf(function, sizeof function, "F%d", code - kF1 + 1);
    return function;
  }
  return std::to_string(code);
}

int RunScript(const std::string& path, ScriptHost& host) {
  std::string text, why;
  if (!ReadWholeFile(path, kScriptMaxBytes, text, why)) {
    std::fprintf(host.err, "script: %s: %s\n", EscapeControlBytes(path).c_str(), why.c_str());
    return 1;
  }
  std::istringstream in(text);
  std::vector<ScriptCommand> commands;
  if (ScriptError bad; !ParseScript(in, host.g, commands, bad)) {
    std::fprintf(host.err, "script:%d: %s\n", bad.line, EscapeControlBytes(bad.message).c_str());
    return bad.exitCode;
  }
  const bool shots = std::any_of(commands.begin(), commands.end(),
                                 [](const ScriptCommand& c) { return c.verb == ScriptVerb::kShot; });
  const bool unwatched = host.headless && !shots;
  const ScreenUnwatched unseen(host.g.forms.screen, unwatched);
  // Nobody will see the screens: play and the screens around it run on the model alone and draw
  // nothing.
  StageView* const shownBy = host.g.view;
  FrontView* const frontBy = host.g.front;
  if (unwatched) {
    host.g.view = &UnwatchedView();
    host.g.front = &UnwatchedFront();
  }
  struct ViewBack {
    Game& g;
    StageView* view;
    FrontView* front;
    ~ViewBack() {
      g.view = view;
      g.front = front;
    }
  } viewBack{host.g, shownBy, frontBy};
  for (const ScriptCommand& c : commands) {
    try {
      if (!KindOf(c.verb).run(host, c)) return 0;  // the game ended: the rest is not run
    } catch (const ScriptFailure& f) {
      std::fflush(host.out);
      std::fprintf(host.err, "script:%d: %s\n", c.line, EscapeControlBytes(f.message).c_str());
      return 1;
    }
  }
  host.app.Quit();
  return 0;
}

void ScriptRecorder::Delivered(int64_t now, const KeyEvent& e) {
  if (now > cursor_) std::fprintf(file_, "wait %lld\n", static_cast<long long>(now - cursor_));
  cursor_ = now;
  // A button's place was given by the move before it.
  if (e.pointer || ((e.code == kMouseLeft || e.code == kMouseRight) && e.x >= 0)) {
    if (e.pointer || e.down) std::fprintf(file_, "move %d %d\n", e.x, e.y);
    if (e.pointer) {
      std::fflush(file_);
      return;
    }
  }
  std::fprintf(file_, "%s %s\n", e.down ? "press" : "release", KeyNameFromCode(e.code).c_str());
  std::fflush(file_);
}

void ScriptRecorder::Finish(int64_t now) {
  if (now > cursor_) std::fprintf(file_, "wait %lld\n", static_cast<long long>(now - cursor_));
  cursor_ = now;
  std::fflush(file_);
}

}  // namespace slidestone
