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

void FlowWordsStep(FlowScope s) {
  FlowState& flow = s.flow();
  if (flow.WordCounter < 100 && s.stage().StageEndReason == kEndLostTry &&
      flow.WordCounter >= kLostTryQuietTicks) {
    flow.WordCounter = 99;
  }
  const int r = flow.WordCounter % 100;
  if (flow.WordCounter >= 100 && (r == 30 || r == 73)) s.audio().PlayEffect(kSoundSweep, kChannelMain);
  s.view().FlowWordsShown();
  flow.WordCounter += 1;
  if (flow.WordCounter == 100) {
    flow.WordCounter = 101;
    flow.WordsRunning = kFalse;  // the curtain takes over
  }
  if (flow.WordCounter == 200) {
    s.view().FlowWordsCleared();
    flow.WordCounter = 0;
    flow.WordsRunning = kFalse;
    s.session().StagePhaseFlag = kFalse;  // play resumes in the next pass
    flow.FlowStep = -76;
    if (On(s.steps().openingLineShown)) s.steps().openingLineEndsAt = s.clock().Now + kOpeningLineMs;
  }
}

}  // namespace slidestone
