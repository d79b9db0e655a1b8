// The tool menu, on every pass while it is open: the cursor, closing it, choosing the hammer,
// the broom or the spring, drawing the box, and the hit tests. The hammer and the broom only mark
// the tile; the tile pass plays their work and closes the menu. The spring is set down by the
// action step.
#include "audio/audio.h"
#include "play/play.h"
#include "play/player_steps.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int kSlotsOnMenu = 3;

void CloseMenu(World& g) {
  g.MenuOpen = kFalse;
  g.view->ToolMenuHidden();
}

// Steps the cursor over the slots the stage does not offer. The menu opens only on stages that
// offer one of the three tools, so the search always ends; the bound keeps it so regardless.
void MoveCursor(World& g, int delta) {
  for (int tries = 0; tries < kSlotsOnMenu; ++tries) {
    g.MenuCursor = (g.MenuCursor + delta + kSlotsOnMenu) % kSlotsOnMenu;
    if (g.StageItems[g.Stage][g.MenuCursor] != 0) break;
  }
  g.audio->PlayEffect(kSoundSpring, kChannelToolMenu);
}

// The refusal beep: no tool points, or a tool that cannot work here. A refused broom or spring
// leaves the menu open, and a silent refusal looked like a figure frozen in place, so every
// refusal says so.
void Refuse(World& g) {
  g.audio->PlayEffect(kSoundNoPoints, kChannelToolRefused);
  g.beepEndsAt = g.Now + kNoPointsBeepMs;
}

int32_t& TileUnderFigure(World& g) { return g.Map(g.PlayerCol, g.PlayerFootRow); }
bool SpringInOwnCell(const World& g) {
  return g.AiMap(g.PlayerCol, g.PlayerFootRow - 1) == kPlacedSpring;
}

// A speed tile, spent or not, is broken. Anywhere else the hammer closes the menu.
void UseHammer(World& g) {
  int32_t& tile = TileUnderFigure(g);
  if ((tile != kSpeedTile && tile != kSpentSpeedTile) || SpringInOwnCell(g)) {
    Refuse(g);
    CloseMenu(g);
    return;
  }
  tile = kSpeedTileBreaking;
  g.ToolPoints -= 1;
  g.ToolAnim = 1;
  g.PlayerFrame = 3;
  g.PlayerPose = g.PlayerPose == 1 ? 6 : 5;
  g.ToolAnimCount = 0;
  for (int i = 0; i < g.SpeedTileCount && i < kMaxSpeedTiles; ++i) {
    SpeedTileRecord& t = g.SpeedTiles[i];
    if (t.col == g.PlayerCol && t.row == g.PlayerFootRow) t.broken = kTrue;
  }
  g.view->ToolMenuHidden();  // still open until the tile pass finishes the work
}

// An arrow is swept to point the other way, a spent speed tile is restored. Anywhere else
// nothing changes and the menu stays open.
void UseBroom(World& g) {
  int32_t& tile = TileUnderFigure(g);
  if ((tile != kArrowRight && tile != kArrowLeft && tile != kSpentSpeedTile) ||
      SpringInOwnCell(g)) {
    Refuse(g);
    return;
  }
  tile = tile == kArrowRight  ? kArrowRightTurning
         : tile == kArrowLeft ? kArrowLeftTurning
                              : kSpeedTileSweeping;
  g.ToolPoints -= 1;
  g.ToolAnim = 1;
  g.PlayerFrame = 0;
  g.PlayerPose = 4;
  g.ToolAnimCount = 0;
  g.view->ToolMenuHidden();
}

// The spring goes into the figure's own cell, which must be empty in both grids, never onto a
// pipe top or a speed tile, and not while the stone is being thrown. Only one spring stands on
// the field: choosing a new one takes the old one away.
void UseSpring(World& g) {
  const int c = (g.PlayerX + 16) / 32, r = g.PlayerY / 32;
  const int32_t under = TileUnderFigure(g);
  if (g.AiMap(c, r) != kNoObject || g.Map(c, r) != kEmptyCell || under == kPipe ||
      under == kSpeedTile || On(g.StoneLaunched)) {
    Refuse(g);
    return;
  }
  // Only a spring's own mark is cleared, so a stage that never had a spring keeps whatever
  // stands in the corner cell the spring position starts at.
  int32_t& old = g.AiMap(g.SpringX / 32, g.SpringY / 32);
  if (old == kPlacedSpring) old = kNoObject;
  g.SpringShown = kFalse;
  g.SpringTicks = 0;
  g.PlayerFrame = 0;
  g.PlayerPose = 7;
  g.SpringX = c * 32;
  g.SpringY = g.PlayerY;
  g.SceneDirty = kTrue;
  g.PlacingSpring = kTrue;
  g.PlayerInAction = kTrue;
  g.ActionCount = 1;
  g.ToolPoints -= 1;
  CloseMenu(g);
}

void ChooseTool(World& g) {
  if (!Held(g, kKeySpace)) return;
  if (g.ToolPoints <= 0) {
    // Space stays held, so the beep sounds again and again until it is let go; each one plays to
    // its end before the next starts, or the restarts on every pass would make it a buzz.
    if (g.Now >= g.beepEndsAt) Refuse(g);
    return;
  }
  Consume(g, kKeySpace);
  const int slot = g.MenuCursor;
  if (slot < 0 || slot >= kToolSlots || !On(g.ToolEnabled[slot])) {
    Refuse(g);
    return;
  }
  if (slot == kToolHammer) UseHammer(g);
  if (slot == kToolBroom) UseBroom(g);
  if (slot == kToolSpring) UseSpring(g);
}

}  // namespace

void UpdateToolMenu(World& g) {
  if (Held(g, kKeyRight)) {
    MoveCursor(g, +1);
    Consume(g, kKeyRight);
  }
  if (Held(g, kKeyLeft)) {
    MoveCursor(g, -1);
    Consume(g, kKeyLeft);
  }
  if (Held(g, kKeyUp) || Held(g, kKeyDown)) {
    CloseMenu(g);
    Consume(g, kKeyUp);
    Consume(g, kKeyDown);
  }
  ChooseTool(g);
  g.view->ToolMenuShown();
  if (IsHitByEnemy(g)) {
    StartKnockOut(g);
    CloseMenu(g);
  }
  if (IsHitByBall(g, /*toolMenuVariant=*/true)) {
    StruckByBall(g);
    CloseMenu(g);
  }
}

}  // namespace slidestone
