// The tile pass: every 40 ms a scan of the map for the cells that change over time (the pipe
// exit, the glinting speed tiles, the hammer and broom work), the sparkles, the goal flags and
// the regrowing speed tiles. In every pass of play, due or not, it also starts the stage's
// closing sequence, pauses on Enter and lets Z give up the try.
#include "audio/audio.h"
#include "play/play.h"
#include "play/tile_pass.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int kTileInterval = 40;
constexpr int kTileCycleLength = 70;  // 2.8 s between glints
constexpr int32_t kRegrowPasses = 1000;  // 40 s before a broken speed tile comes back

// The figure found the bottom of its entry pipe: the first pipe top in reading order is the
// exit, and the entry cell (marked as in use for the trip) becomes a pipe again.
void PipeExit(World& g, int col, int row) {
  if (!On(g.InPipe) || !On(g.PipeWarpPending)) return;
  g.Map(g.PlayerCol, g.PlayerFootRow) = kPipe;
  g.PlayerCol = col;
  g.PlayerFootRow = row;
  g.PlayerX = 32 * col;
  g.PlayerY = 32 * row;
  g.PipeWarpPending = kFalse;
}

// Speed tiles catch the light once per cycle: overlays 1 to 5, then back to the live look 0.
void Glint(const World& g, int col, int row) {
  if (g.TileCycle > 0 && g.TileCycle < 7) {
    const int overlay = g.TileCycle == 6 ? 0 : g.TileCycle;
    g.view->SpeedTileGlint(col, row, overlay);
  }
}

// Of what the scan finds, only the pipe exit of a trip under way and the tools' work change the
// model; the glints only show. A run nobody watches scans only when one of those may be there.
bool ScanChangesModel(const World& g) {
  if (On(g.InPipe) && On(g.PipeWarpPending)) return true;
  return g.Map.Any([](int32_t code) {
    return (code == kArrowRightTurning) | (code == kArrowLeftTurning) | (code == kSpeedTileBreaking) |
           (code == kSpeedTileSweeping);
  });
}

void ScanMap(World& g) {
  if (!Watched(g) && !ScanChangesModel(g)) return;
  for (int row = 0; row <= 10; ++row) {
    for (int col = 0; col <= 18; ++col) {
      switch (g.Map(col, row)) {
        case kPipe: PipeExit(g, col, row); break;
        case kSpeedTile: Glint(g, col, row); break;
        case kSpentSpeedTile:  // with the glint the stage's plain ice shows which tiles are spent
          if (g.TileCycle == 1) g.view->SpeedTileSpent(col, row);
          break;
        case kSpeedTileBreaking:
        case kSpeedTileSweeping:
        case kArrowRightTurning:
        case kArrowLeftTurning: ToolWorkStep(g, col, row); break;
        default: break;
      }
    }
  }
}

void WaveGoalFlags(World& g) {
  for (int i = 0; i < g.ItemCount && i < kMaxItems; ++i)
    if (g.Items[i].kind == kGoal) g.Items[i].frame = (g.TileCycle / 2) % 4;
}

bool BoxOverCell(int x, int y, int col, int row) {
  return x + 31 >= 32 * col && x <= 32 * col + 31 && y + 31 >= 32 * row && y <= 32 * row + 31;
}

// A broken tile comes back as a spent one once its time is up and neither the player nor the
// stone is on its cell; until then the count waits at its top.
void Regrow(World& g) {
  for (int i = 0; i < g.SpeedTileCount && i < kMaxSpeedTiles; ++i) {
    SpeedTileRecord& t = g.SpeedTiles[i];
    if (On(t.broken)) t.regrow += 1;
    if (t.regrow >= kRegrowPasses && !BoxOverCell(g.PlayerX, g.PlayerY, t.col, t.row) &&
        !BoxOverCell(g.StoneX, g.StoneY, t.col, t.row)) {
      t.regrow = 0;
      t.broken = kFalse;
      g.view->SpeedTileSpent(t.col, t.row);
      g.Map(t.col, t.row) = kSpentSpeedTile;
    }
    if (t.regrow > kRegrowPasses) t.regrow = kRegrowPasses;
  }
}

// Some step of this pass ended the stage: the words and the curtain take over from the next
// pass, to the clear music or the end sound.
void StartStageEnd(World& g) {
  HideOpeningLine(g);
  g.FlowStep = -76;
  g.WordsRunning = kTrue;
  g.WordCounter = 0;
  g.audio->StopMusic();
  if (g.StageEndReason == kEndGoal)
    g.audio->PlayMusic("sound/PSMAT002.mid", -1);
  else
    g.audio->PlayEffect(kSoundTryLost, kChannelMain);
}

// The press is consumed here so the pause step does not take it as the resume.
void StartPause(World& g) {
  g.audio->PlayEffect(kSoundConfirm, kChannelPause);
  g.KeyState[kKeyEnter] = 0;
  g.view->FieldFrozen();
  g.SceneDirty = kFalse;
  g.Paused = kTrue;
}

// Z is left held on purpose: the knock-out under way already keeps a second give-up out.
void GiveUp(World& g) {
  g.InPipe = kFalse;
  g.Jumping = kFalse;
  g.PlayerHit = kTrue;
  g.PlayerInAction = kTrue;
  g.ActionCount = 0;
}

}  // namespace

void TilePass(World& g) {
  if (StepDue(g, g.tileClock, kTileInterval)) {
    g.TileCycle = (g.TileCycle + 1) % kTileCycleLength;
    ScanMap(g);
    if (On(g.SparkleOn)) SparkleStep(g);
    WaveGoalFlags(g);
    Regrow(g);
  }
  if (On(g.StagePhaseFlag)) StartStageEnd(g);
  if (On(g.KeyState[kKeyEnter])) StartPause(g);
  if (On(g.KeyState[kKeyZ]) && !On(g.PlayerHit)) GiveUp(g);
}

}  // namespace slidestone
