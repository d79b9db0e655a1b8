// The words between moments of play, one tick at a time: the end words of a stage (WordCounter 0
// to 99), cut short after a lost try, and the START banner (100 or 101 to 199), after which play
// resumes.
#include "audio/audio.h"
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int kLostTryQuietTicks = 40;  // after a lost try only the clean field, 41 ticks

}  // namespace

void FlowWordsStep(World& g) {
  if (g.WordCounter < 100 && g.StageEndReason == kEndLostTry && g.WordCounter >= kLostTryQuietTicks) {
    g.WordCounter = 99;
  }
  const int r = g.WordCounter % 100;
  if (g.WordCounter >= 100 && (r == 30 || r == 73)) g.audio->PlayEffect(kSoundSweep, kChannelMain);
  g.view->FlowWordsShown();
  g.WordCounter += 1;
  if (g.WordCounter == 100) {
    g.WordCounter = 101;
    g.WordsRunning = kFalse;  // the curtain takes over
  }
  if (g.WordCounter == 200) {
    g.view->FlowWordsCleared();
    g.WordCounter = 0;
    g.WordsRunning = kFalse;
    g.StagePhaseFlag = kFalse;  // play resumes in the next pass
    g.FlowStep = -76;
    if (On(g.openingLineShown)) g.openingLineEndsAt = g.Now + kOpeningLineMs;
  }
}

}  // namespace slidestone
