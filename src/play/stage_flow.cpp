// Between moments of play the stage screen runs this sequence instead of the play steps: the end
// words, a dark curtain closing over the field from both edges, the decision of what comes next,
// the curtain opening from the middle over the new field, the stage music and the START banner.
//
// FlowStep counts the curtain: -76 to -2 it closes one 4-pixel strip per side per tick, -1
// decides, 0 to 76 it opens, and at 76 the banner takes over.
#include "audio/audio.h"
#include "play/play.h"
#include "play/stage_flow.h"
#include "stagedata/world.h"
#include "stagedata/stage_loader.h"

namespace slidestone {

namespace {

constexpr int kFlowInterval = 10;

// Step -1. With tries left the latch opens and closes at once and the next state is chosen;
// with none left only the middle is darkened and step 0 shows the prompt.
void Decide(FlowScope s) {
  FlowState& flow = s.flow();
  SessionState& session = s.session();
  if (On(flow.FlowLatch)) {
    s.view().CurtainMiddleShaded();
    if (session.Lives != 0) flow.FlowLatch = kFalse;
  }
  if (!On(flow.FlowLatch)) {
    flow.FlowLatch = kTrue;
    s.audio().StopMusic();
    if (s.stage().StageEndReason == kEndGoal) {
      // The stone has already moved Stage on to the next one.
      s.shot().ShotFrame = 0;
      const int32_t cleared = session.Stage - 1;
      session.GameState = cleared < kFirstHouseShotStage ? kStateLoadStage : kStateHouseSetup;
    }
  }
}

// Step 0. Also runs after every stage load (the reason is kEndLostTry again then), which loads the
// same stage once more with the same result.
void Reopen(World& g) {
  if (g.Lives == 0) {
    g.view->CurtainMiddleShaded();
    g.Lives = 0;
    g.ContinuePromptOn = kTrue;
    // No tries left: the lives icons go, and the prompt shows over the dark field.
    g.view->LivesCleared();
    g.view->ContinuePromptShown();
  } else if (g.StageEndReason != kEndGoal) {
    g.TotalScore -= g.StageScore;  // the points of the lost try are taken back
    LoadStage(g, OpenStageHud);
    g.BackdropIndex = 1;
  }
}

void CurtainStep(World& g) {
  const int32_t s = g.FlowStep;
  g.view->CurtainShown();
  if (s == -76 && g.StageEndReason != kEndGoal)
    g.Lives -= 1;  // every ending but the goal costs a try
  if (s == -1) Decide(g);
  if (s == 0) Reopen(g);
  if (s == 76) {
    g.audio->PlayMusic("sound/PSMAT526.mid", -1);
    g.WordsRunning = kTrue;
  }
  if (On(g.FlowLatch) || s != -1) g.FlowStep += 1;
}

}  // namespace

bool FellOut(int32_t& y, bool playerStruck, SessionState& session) {
  if (!BelowField(y)) return false;
  if (playerStruck) {
    y = kFieldH;
    return false;
  }
  session.StagePhaseFlag = kTrue;
  return true;
}

void StageFlowStep(World& g) {
  if (On(g.ContinuePromptOn)) {
    ContinuePromptStep(g);
    return;
  }
  if (!StepDue(g, g.flowClock, kFlowInterval)) return;
  if (On(g.WordsRunning)) {
    FlowWordsStep(g);
  } else {
    CurtainStep(g);
  }
  g.view->FieldPresented();
}

}  // namespace slidestone
