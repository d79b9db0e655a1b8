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
void PipeExit(PlayerState& player, FieldState& field, int col, int row) {
  if (!On(player.InPipe) || !On(player.PipeWarpPending)) return;
  field.Map(player.PlayerCol, player.PlayerFootRow) = kPipe;
  player.PlayerCol = col;
  player.PlayerFootRow = row;
  player.PlayerX = 32 * col;
  player.PlayerY = 32 * row;
  player.PipeWarpPending = kFalse;
}

// Speed tiles catch the light once per cycle: overlays 1 to 5, then back to the live look 0.
void Glint(const FieldState& field, StageView& view, int col, int row) {
  if (field.TileCycle > 0 && field.TileCycle < 7) {
    const int overlay = field.TileCycle == 6 ? 0 : field.TileCycle;
    view.SpeedTileGlint(col, row, overlay);
  }
}

// Of what the scan finds, only the pipe exit of a trip under way and the tools' work change the
// model; the glints only show. A run nobody watches scans only when one of those may be there.
bool ScanChangesModel(const PlayerState& player, const FieldState& field) {
  if (On(player.InPipe) && On(player.PipeWarpPending)) return true;
  return field.Map.Any([](int32_t code) {
    return (code == kArrowRightTurning) | (code == kArrowLeftTurning) | (code == kSpeedTileBreaking) |
           (code == kSpeedTileSweeping);
  });
}

void ScanMap(TilePassScope s) {
  FieldState& field = s.field();
  if (!Watched(s.view()) && !ScanChangesModel(s.player(), field)) return;
  for (int row = 0; row <= 10; ++row) {
    for (int col = 0; col <= 18; ++col) {
      switch (field.Map(col, row)) {
        case kPipe: PipeExit(s.player(), field, col, row); break;
        case kSpeedTile: Glint(field, s.view(), col, row); break;
        case kSpentSpeedTile:  // with the glint the stage's plain ice shows which tiles are spent
          if (field.TileCycle == 1) s.view().SpeedTileSpent(col, row);
          break;
        case kSpeedTileBreaking:
        case kSpeedTileSweeping:
        case kArrowRightTurning:
        case kArrowLeftTurning: ToolWorkStep(s, col, row); break;
        default: break;
      }
    }
  }
}

void WaveGoalFlags(FieldState& field) {
  for (int i = 0; i < field.ItemCount && i < kMaxItems; ++i)
    if (field.Items[i].kind == kGoal) field.Items[i].frame = (field.TileCycle / 2) % 4;
}

bool BoxOverCell(int x, int y, int col, int row) {
  return x + 31 >= 32 * col && x <= 32 * col + 31 && y + 31 >= 32 * row && y <= 32 * row + 31;
}

// A broken tile comes back as a spent one once its time is up and neither the player nor the
// stone is on its cell; until then the count waits at its top.
void Regrow(FieldState& field, const PlayerState& player, const StoneState& stone, StageView& view) {
  for (int i = 0; i < field.SpeedTileCount && i < kMaxSpeedTiles; ++i) {
    SpeedTileRecord& t = field.SpeedTiles[i];
    if (On(t.broken)) t.regrow += 1;
    if (t.regrow >= kRegrowPasses && !BoxOverCell(player.PlayerX, player.PlayerY, t.col, t.row) &&
        !BoxOverCell(stone.StoneX, stone.StoneY, t.col, t.row)) {
      t.regrow = 0;
      t.broken = kFalse;
      view.SpeedTileSpent(t.col, t.row);
      field.Map(t.col, t.row) = kSpentSpeedTile;
    }
    if (t.regrow > kRegrowPasses) t.regrow = kRegrowPasses;
  }
}

// Some step of this pass ended the stage: the words and the curtain take over from the next
// pass, to the clear music or the end sound.
void StartStageEnd(TilePassScope s) {
  HideOpeningLine(s.steps(), s.view());
  s.flow().FlowStep = -76;
  s.flow().WordsRunning = kTrue;
  s.flow().WordCounter = 0;
  s.audio().StopMusic();
  if (s.stage().StageEndReason == kEndGoal)
    s.audio().PlayMusic("sound/PSMAT002.mid", -1);
  else
    s.audio().PlayEffect(kSoundTryLost, kChannelMain);
}

// The press is consumed here so the pause step does not take it as the resume.
void StartPause(TilePassScope s) {
  s.audio().PlayEffect(kSoundConfirm, kChannelPause);
  s.keys().KeyState[kKeyEnter] = 0;
  s.view().FieldFrozen();
  s.stage().SceneDirty = kFalse;
  s.session().Paused = kTrue;
}

// Z is left held on purpose: the knock-out under way already keeps a second give-up out.
void GiveUp(PlayerState& player) {
  player.InPipe = kFalse;
  player.Jumping = kFalse;
  player.PlayerHit = kTrue;
  player.PlayerInAction = kTrue;
  player.ActionCount = 0;
}

}  // namespace

void TilePass(TilePassScope s) {
  FieldState& field = s.field();
  if (s.pace().Due(s.steps().tileClock, kTileInterval)) {
    field.TileCycle = (field.TileCycle + 1) % kTileCycleLength;
    ScanMap(s);
    if (On(field.SparkleOn)) SparkleStep(field, s.clock(), s.stage(), s.view());
    WaveGoalFlags(field);
    Regrow(field, s.player(), s.stone(), s.view());
  }
  if (On(s.session().StagePhaseFlag)) StartStageEnd(s);
  if (On(s.keys().KeyState[kKeyEnter])) StartPause(s);
  if (On(s.keys().KeyState[kKeyZ]) && !On(s.player().PlayerHit)) GiveUp(s.player());
}

}  // namespace slidestone
