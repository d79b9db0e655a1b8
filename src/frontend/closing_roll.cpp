// The closing roll: over the results, then over black, four pairs of lines slide in from the
// sides, each a role and a name from the message table. At its end a better final score
// becomes the high score and is saved, and the game returns to the title. It cannot be skipped.
#include <array>
#include <string>

#include "audio/audio.h"
#include "frontend/frontend.h"
#include "services/settings.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int32_t kBlackTick = 399;
constexpr int32_t kFirstPair = 400;
constexpr int32_t kLastPairTick = 1189;
constexpr int32_t kFourthPair = 1000;
constexpr int32_t kEndTick = 1390;
constexpr int kFirstName = 50;
constexpr int kFirstRole = 54;

// This tick's lines of the roll, from the message table: it changes nothing of the model.
void SlideLines(const HouseShotState& roll, const std::array<std::string, kMessageCount>& messages,
                Audio& audio, FrontView& view) {
  const int32_t i = roll.RollTick % 200;
  const int32_t k = (roll.RollTick - kFirstPair) / 200;
  if (roll.RollTick >= kFirstPair) {
    if (i <= 71) {
      const std::string& role = messages[size_t(kFirstRole + k)];
      // The last pair's role line comes to rest in the middle of the screen.
      if (roll.RollTick >= kFourthPair) {
        view.RollRoleAt(role, 624 - 6 * i, 208, 480, 32);
      } else {
        view.RollRoleAt(role, 640 - 8 * i, 64, 480, 32);
      }
    } else if (i <= 143) {
      view.RollNameAt(messages[size_t(kFirstName + k)], 8 * i - 768, 384, 192, 32);
    }
    if (i == 0) view.RollLinesCleared();  // a new pair clears the last one away
  } else if (roll.RollTick == kBlackTick) {
    view.RollBlackened();
  }
  if (roll.RollTick >= kFirstPair && (i == 0 || i == 72)) audio.PlayEffect(kSoundSweep, kChannelMain);
}

}  // namespace

// Only a strictly better score is kept, and it is saved at once. The stored value is read
// again at the moment of saving: another copy of the game may have saved a better one since
// this one started, and that one stays (and becomes this game's high score too).
void SaveHighScore(World& g) {
  if (g.HighScore >= g.TotalScore) return;
  g.HighScore = g.TotalScore;
  if (!g.settings) return;
  std::string why;
  const auto outcome = g.settings->Update(
      "VbApp", "score", "high",
      [&](const std::optional<std::string>& stored) -> std::optional<std::string> {
        const int32_t best = stored ? ParseStoredScore(*stored).value_or(0) : 0;
        if (stored && best >= g.TotalScore) {
          g.HighScore = best;
          return std::nullopt;
        }
        return std::to_string(g.TotalScore);
      },
      &why);
  // stderr is out of sight for a player who started the game from a menu: the title says it.
  if (outcome == SettingsStore::Outcome::kFailed) g.front->HighScoreNotSaved(why);
}

namespace {

void EndRoll(World& g) {
  SaveHighScore(g);
  g.GameState = kStateTitle;
  g.front->MenuWindowShown();
  TitleScreen(g);
}

}  // namespace

void ClosingRollStep(World& g) {
  if (!StepDue(g, g.rollClock, 20)) return;
  if (g.RollTick <= kLastPairTick) SlideLines(g, g.Messages, *g.audio, *g.front);
  ++g.RollTick;
  if (g.RollTick > kEndTick) EndRoll(g);
  g.front->HousePresented();
}

}  // namespace slidestone
