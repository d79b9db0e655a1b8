#include "shell/startup.h"

#include <cctype>
#include <limits>

#include "audio/audio.h"
#include "shell/settings.h"
#include "stagedata/game.h"

namespace slidestone {

std::optional<int32_t> ParseStoredScore(const std::string& text) {
  size_t i = 0, end = text.size();
  while (i < end && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  while (end > i && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  bool negative = false;
  if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == end) return std::nullopt;
  int64_t v = 0;
  for (; i < end; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    v = v * 10 + (text[i] - '0');
    if (v > int64_t(std::numeric_limits<int32_t>::max()) + 1) return std::nullopt;
  }
  if (negative) v = -v;
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return int32_t(v);
}

void StartUp(Game& g) {
  ShowForm(g.forms, g.Form2);
  g.QuitRequested = kFalse;
  g.StartStage = 0;
  g.Difficulty = kNormal;
  g.TimeLimitOn = kTrue;
  g.HighScore = 0;
  if (g.settings) {
    if (auto text = g.settings->Read("VbApp", "score", "high")) {
      g.HighScore = ParseStoredScore(*text).value_or(0);
    }
  }
  // The game runs in a 640 x 480 client area; the display mode is never switched.
  ShowFormMaximised(g.forms, g.Form2);
  if (g.audio) g.audio->StartSound();
}

void ShutDown(Game& g) {
  if (g.audio) g.audio->CloseMusic();
  HideForm(g.Form1);
  HideForm(g.Form2);
  HideForm(g.Form3);
  HideForm(g.Form4);
}

}  // namespace slidestone
