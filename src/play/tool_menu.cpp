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

void CloseMenu(ToolMenuState& menu, StageView& view) {
  menu.MenuOpen = kFalse;
  view.ToolMenuHidden();
}

// Steps the cursor over the slots the stage does not offer. The menu opens only on stages that
// offer one of the three tools, so the search always ends; the bound keeps it so regardless.
void MoveCursor(ToolMenuScope s, int delta) {
  ToolMenuState& menu = s.menu();
  const auto& offered = s.model().StageItems[s.model().Stage];
  for (int tries = 0; tries < kSlotsOnMenu; ++tries) {
    menu.MenuCursor = (menu.MenuCursor + delta + kSlotsOnMenu) % kSlotsOnMenu;
    if (offered[menu.MenuCursor] != 0) break;
  }
  s.audio().PlayEffect(kSoundSpring, kChannelToolMenu);
}

// The refusal beep: no tool points, or a tool that cannot work here. A refused broom or spring
// leaves the menu open, and a silent refusal looked like a figure frozen in place, so every
// refusal says so.
void Refuse(ToolMenuScope s) {
  s.audio().PlayEffect(kSoundNoPoints, kChannelToolRefused);
  s.steps().beepEndsAt = s.model().Now + kNoPointsBeepMs;
}

int32_t& TileUnderFigure(FieldState& field, const PlayerState& player) {
  return field.Map(player.PlayerCol, player.PlayerFootRow);
}
bool SpringInOwnCell(const FieldState& field, const PlayerState& player) {
  return field.AiMap(player.PlayerCol, player.PlayerFootRow - 1) == kPlacedSpring;
}

// A speed tile, spent or not, is broken. Anywhere else the hammer closes the menu.
void UseHammer(ToolMenuScope s) {
  PlayerState& player = s.player();
  int32_t& tile = TileUnderFigure(s.field(), player);
  if (!HammerBreaks(tile) || SpringInOwnCell(s.field(), player)) {
    Refuse(s);
    CloseMenu(s.menu(), s.view());
    return;
  }
  tile = kSpeedTileBreaking;
  s.stage().ToolPoints -= 1;
  s.menu().ToolAnim = 1;
  player.PlayerFrame = 3;
  player.PlayerPose = player.PlayerPose == 1 ? 6 : 5;
  s.menu().ToolAnimCount = 0;
  for (int i = 0; i < s.field().SpeedTileCount && i < kMaxSpeedTiles; ++i) {
    SpeedTileRecord& t = s.field().SpeedTiles[i];
    if (t.col == player.PlayerCol && t.row == player.PlayerFootRow) t.broken = kTrue;
  }
  s.view().ToolMenuHidden();  // still open until the tile pass finishes the work
}

// An arrow is swept to point the other way, a spent speed tile is restored. Anywhere else
// nothing changes and the menu stays open.
void UseBroom(ToolMenuScope s) {
  PlayerState& player = s.player();
  int32_t& tile = TileUnderFigure(s.field(), player);
  if (!BroomWorks(tile) || SpringInOwnCell(s.field(), player)) {
    Refuse(s);
    return;
  }
  tile = tile == kArrowRight  ? kArrowRightTurning
         : tile == kArrowLeft ? kArrowLeftTurning
                              : kSpeedTileSweeping;
  s.stage().ToolPoints -= 1;
  s.menu().ToolAnim = 1;
  player.PlayerFrame = 0;
  player.PlayerPose = 4;
  s.menu().ToolAnimCount = 0;
  s.view().ToolMenuHidden();
}

// The spring goes into the figure's own cell, which must be empty in both grids, never onto a
// pipe top or a speed tile, and not while the stone is being thrown. Only one spring stands on
// the field: choosing a new one takes the old one away.
void UseSpring(ToolMenuScope s) {
  PlayerState& player = s.player();
  StoneState& stone = s.stone();
  FieldState& field = s.field();
  const int c = (player.PlayerX + 16) / 32, r = player.PlayerY / 32;
  const int32_t under = TileUnderFigure(field, player);
  if (field.AiMap(c, r) != kNoObject || field.Map(c, r) != kEmptyCell || under == kPipe ||
      under == kSpeedTile || On(stone.StoneLaunched)) {
    Refuse(s);
    return;
  }
  // Only a spring's own mark is cleared, so a stage that never had a spring keeps whatever
  // stands in the corner cell the spring position starts at.
  int32_t& old = field.AiMap(stone.SpringX / 32, stone.SpringY / 32);
  if (old == kPlacedSpring) old = kNoObject;
  stone.SpringShown = kFalse;
  stone.SpringTicks = 0;
  player.PlayerFrame = 0;
  player.PlayerPose = 7;
  stone.SpringX = c * 32;
  stone.SpringY = player.PlayerY;
  s.stage().SceneDirty = kTrue;
  player.PlacingSpring = kTrue;
  player.PlayerInAction = kTrue;
  player.ActionCount = 1;
  s.stage().ToolPoints -= 1;
  CloseMenu(s.menu(), s.view());
}

void ChooseTool(ToolMenuScope s) {
  if (!Held(s.keys(), kKeySpace)) return;
  if (s.stage().ToolPoints <= 0) {
    // Space stays held, so the beep sounds again and again until it is let go; each one plays to
    // its end before the next starts, or the restarts on every pass would make it a buzz.
    if (s.model().Now >= s.steps().beepEndsAt) Refuse(s);
    return;
  }
  Consume(s.keys(), kKeySpace);
  const int slot = s.menu().MenuCursor;
  if (slot < 0 || slot >= kToolSlots || !On(s.stage().ToolEnabled[slot])) {
    Refuse(s);
    return;
  }
  if (slot == kToolHammer) UseHammer(s);
  if (slot == kToolBroom) UseBroom(s);
  if (slot == kToolSpring) UseSpring(s);
}

}  // namespace

void UpdateToolMenu(ToolMenuScope s) {
  KeyboardState& keys = s.keys();
  if (Held(keys, kKeyRight)) {
    MoveCursor(s, +1);
    Consume(keys, kKeyRight);
  }
  if (Held(keys, kKeyLeft)) {
    MoveCursor(s, -1);
    Consume(keys, kKeyLeft);
  }
  if (Held(keys, kKeyUp) || Held(keys, kKeyDown)) {
    CloseMenu(s.menu(), s.view());
    Consume(keys, kKeyUp);
    Consume(keys, kKeyDown);
  }
  ChooseTool(s);
  s.view().ToolMenuShown();
  if (IsHitByEnemy(s.model())) {
    StartKnockOut(s.player());
    CloseMenu(s.menu(), s.view());
  }
  if (IsHitByBall(s.model(), /*toolMenuVariant=*/true)) {
    StruckByBall(s.player(), s.enemies(), s.stage());
    CloseMenu(s.menu(), s.view());
  }
}

}  // namespace slidestone
