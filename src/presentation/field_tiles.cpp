// The tiles of the play field: a stage's field as the loader built it, and the pictures of the
// cells play changes (spent and glinting speed tiles, the tools' work, the snow caps). Tiles go on
// the visible field and the clean field the repaint starts from; `backdrop` keeps what a broken
// tile leaves.
#include "graphics/blend.h"
#include "presentation/game.h"
#include "presentation/presentation.h"
#include "stagedata/stage_format.h"

namespace slidestone {

namespace {

constexpr int kDimAlpha = 120;

// Brick walls and metal blocks wear snow where nothing lies on them.
bool SnowOnTop(const Game& g, int col, int row) {
  return row > 0 && g.Map(col, row - 1) == kEmptyCell;
}

// A tile picture from the field sheet on the visible field and the clean field alike.
void CopyTile(Game& g, int col, int row, const SheetRun& tile, int n = 0) {
  CopyFrame(g.stageWindow.field, 32 * col, 32 * row, g.stageWindow.fieldSheet, tile, n);
  CopyFrame(g.stageWindow.cleanField, 32 * col, 32 * row, g.stageWindow.fieldSheet, tile, n);
}

// The same at (x, y), but for the tile's black.
void KeyedTile(Game& g, int x, int y, const SheetRun& tile) {
  KeyedFrame(g.stageWindow.field, x, y, g.stageWindow.fieldSheet, tile);
  KeyedFrame(g.stageWindow.cleanField, x, y, g.stageWindow.fieldSheet, tile);
}

void DrawTile(Game& g, int col, int row, int32_t code) {
  namespace sheet = field_sheet;
  const int x = 32 * col, y = 32 * row;
  const bool snow = SnowOnTop(g, col, row);
  switch (code) {
    case kBrick: KeyedTile(g, x, y, snow ? sheet::kSnowyBrick : sheet::kBrick); break;
    case kMetalBlock: KeyedTile(g, x, y, snow ? sheet::kSnowySteelBlock : sheet::kSteelBlock); break;
    case kArrowRight: CopyTile(g, col, row, sheet::kArrowRight); break;
    case kArrowLeft: CopyTile(g, col, row, sheet::kArrowLeft); break;
    case kPipe: CopyTile(g, col, row, sheet::kPipeTop); break;
    case kSpeedUpSign: CopyTile(g, col, row, sheet::kSpeedUpSign); break;
    case kSpeedDownSign: CopyTile(g, col, row, sheet::kSpeedDownSign); break;
    case kSpentSpeedTile:  // plain ice until play begins
    case kSpeedTile: BlendCell(g.stageWindow, col, row, overlay_sheet::kPlainIce); break;
    default: break;  // empty, or a state only play writes
  }
}

// Items and enemies at their first picture.
void DrawFirstPictures(Game& g) {
  StageWindow& f = g.stageWindow;
  for (int i = 0; i < g.ItemCount && i < kMaxItems; ++i) {
    const ItemRecord& it = g.Items[i];
    const SheetRun& item = it.kind == kGoal ? field_sheet::kGoalFlag : field_sheet::kBucket;
    MaskedFrame(f.field, it.x, it.y, f.fieldSheet, item);
  }
  for (int i = 0; i < g.EnemyCount && i < kMaxEnemies; ++i) {
    const EnemyRecord& e = g.Enemies[i];
    switch (e.state) {
      case kWatcher: MaskedFrame(f.field, e.x, e.y, f.fieldSheet, field_sheet::kWatcher); break;
      case kWalkerLeft: MaskedFrame(f.field, e.x, e.y, f.fieldSheet, field_sheet::kWalkerLeft); break;
      default: MaskedFrame(f.field, e.x, e.y, f.fieldSheet, field_sheet::kThrower); break;
    }
  }
}

}  // namespace

const Surface& StageBackdrop(const Game& g) {
  return g.stageWindow.stageback[g.BackdropIndex == 0 ? 0 : 1];
}

void DrawBuiltField(Game& g, bool dimmed) {
  StageWindow& f = g.stageWindow;
  const Surface& backdrop = StageBackdrop(g);
  Copy(f.field, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  Copy(f.backdrop, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  Copy(f.cleanField, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  for (int row = 0; row < kMapFileRows; ++row)
    for (int col = 0; col < kMapFileCols; ++col) DrawTile(g, col, row, g.Map(col, row));
  DrawFirstPictures(g);
  // The field waits dimmed under the curtain; the stage flow shows it bright from the clean field.
  if (dimmed) Shade(f.field, 0, 0, kFieldW, kFieldH, backdrop, kFieldW, 0, 8, kFieldH, kDimAlpha);
}

void DrawSpeedTileLook(Game& g, int col, int row, int glint) {
  BlendCell(g.stageWindow, col, row, overlay_sheet::kLiveTile, glint);
}

void DrawSpentSpeedTile(Game& g, int col, int row) {
  BlendCell(g.stageWindow, col, row, overlay_sheet::kSpentTile);
}

void DrawToolWork(Game& g, int col, int row, int code, int stage) {
  switch (code) {
    case kSpeedTileBreaking: BlendCell(g.stageWindow, col, row, overlay_sheet::kCracking, stage - 1); break;
    case kSpeedTileSweeping: BlendCell(g.stageWindow, col, row, overlay_sheet::kCovering, stage - 1); break;
    case kArrowRightTurning: CopyTile(g, col, row, field_sheet::kArrowRightTurning, stage - 1); break;
    case kArrowLeftTurning: CopyTile(g, col, row, field_sheet::kArrowLeftTurning, stage - 1); break;
    default: break;
  }
}

void DrawToolWorkDone(Game& g, int col, int row, int code) {
  StageWindow& f = g.stageWindow;
  switch (code) {
    case kSpeedTileBreaking:  // the hammer's last blow leaves the bare backdrop
      Copy(f.field, 32 * col, 32 * row, 32, 32, f.backdrop, 32 * col, 32 * row);
      Copy(f.cleanField, 32 * col, 32 * row, 32, 32, f.backdrop, 32 * col, 32 * row);
      break;
    case kSpeedTileSweeping: BlendCell(f, col, row, overlay_sheet::kLiveTile); break;
    case kArrowRightTurning: CopyTile(g, col, row, field_sheet::kArrowLeft); break;
    case kArrowLeftTurning: CopyTile(g, col, row, field_sheet::kArrowRight); break;
    default: break;
  }
}

// Bricks and metal blocks show snow on top when the cell above is empty.
void DrawSnowCap(Game& g) {
  const int code = g.Map(g.SparkleX / 32, g.SparkleY / 32 + 1);
  if (code == kBrick) KeyedTile(g, g.SparkleX, g.SparkleY + 32, field_sheet::kSnowyBrick);
  if (code == kMetalBlock) KeyedTile(g, g.SparkleX, g.SparkleY + 32, field_sheet::kSnowySteelBlock);
}

}  // namespace slidestone
