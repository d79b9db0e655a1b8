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
bool SnowOnTop(const Model& m, int col, int row) {
  return row > 0 && m.Map(col, row - 1) == kEmptyCell;
}

// A tile picture from the field sheet on the visible field and the clean field alike.
void CopyTile(StageWindow& f, int col, int row, const SheetRun& tile, int n = 0) {
  CopyFrame(f.field, 32 * col, 32 * row, f.fieldSheet, tile, n);
  CopyFrame(f.cleanField, 32 * col, 32 * row, f.fieldSheet, tile, n);
}

// The same at (x, y), but for the tile's black.
void KeyedTile(StageWindow& f, int x, int y, const SheetRun& tile) {
  KeyedFrame(f.field, x, y, f.fieldSheet, tile);
  KeyedFrame(f.cleanField, x, y, f.fieldSheet, tile);
}

void DrawTile(StageWindow& f, const Model& m, int col, int row, int32_t code) {
  namespace sheet = field_sheet;
  const int x = 32 * col, y = 32 * row;
  const bool snow = SnowOnTop(m, col, row);
  switch (code) {
    case kBrick: KeyedTile(f, x, y, snow ? sheet::kSnowyBrick : sheet::kBrick); break;
    case kMetalBlock: KeyedTile(f, x, y, snow ? sheet::kSnowySteelBlock : sheet::kSteelBlock); break;
    case kArrowRight: CopyTile(f, col, row, sheet::kArrowRight); break;
    case kArrowLeft: CopyTile(f, col, row, sheet::kArrowLeft); break;
    case kPipe: CopyTile(f, col, row, sheet::kPipeTop); break;
    case kSpeedUpSign: CopyTile(f, col, row, sheet::kSpeedUpSign); break;
    case kSpeedDownSign: CopyTile(f, col, row, sheet::kSpeedDownSign); break;
    case kSpentSpeedTile:  // plain ice until play begins
    case kSpeedTile: BlendCell(f, col, row, overlay_sheet::kPlainIce); break;
    default: break;  // empty, or a state only play writes
  }
}

// Items and enemies at their first picture.
void DrawFirstPictures(StageWindow& f, const Model& m) {
  for (int i = 0; i < m.ItemCount && i < kMaxItems; ++i) {
    const ItemRecord& it = m.Items[i];
    const SheetRun& item = it.kind == kGoal ? field_sheet::kGoalFlag : field_sheet::kBucket;
    MaskedFrame(f.field, it.x, it.y, f.fieldSheet, item);
  }
  for (int i = 0; i < m.EnemyCount && i < kMaxEnemies; ++i) {
    const EnemyRecord& e = m.Enemies[i];
    switch (e.state) {
      case kWatcher: MaskedFrame(f.field, e.x, e.y, f.fieldSheet, field_sheet::kWatcher); break;
      case kWalkerLeft: MaskedFrame(f.field, e.x, e.y, f.fieldSheet, field_sheet::kWalkerLeft); break;
      default: MaskedFrame(f.field, e.x, e.y, f.fieldSheet, field_sheet::kThrower); break;
    }
  }
}

}  // namespace

const Surface& StageBackdrop(const StageWindow& f, const Model& m) {
  return f.stageback[m.BackdropIndex == 0 ? 0 : 1];
}

void DrawBuiltField(StageWindow& f, const Model& m, bool dimmed) {
  const Surface& backdrop = StageBackdrop(f, m);
  Copy(f.field, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  Copy(f.backdrop, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  Copy(f.cleanField, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  for (int row = 0; row < kMapFileRows; ++row)
    for (int col = 0; col < kMapFileCols; ++col) DrawTile(f, m, col, row, m.Map(col, row));
  DrawFirstPictures(f, m);
  // The field waits dimmed under the curtain; the stage flow shows it bright from the clean field.
  if (dimmed) Shade(f.field, 0, 0, kFieldW, kFieldH, backdrop, kFieldW, 0, 8, kFieldH, kDimAlpha);
}

void DrawSpeedTileLook(StageWindow& f, int col, int row, int glint) {
  BlendCell(f, col, row, overlay_sheet::kLiveTile, glint);
}

void DrawSpentSpeedTile(StageWindow& f, int col, int row) {
  BlendCell(f, col, row, overlay_sheet::kSpentTile);
}

void DrawToolWork(StageWindow& f, int col, int row, int code, int stage) {
  switch (code) {
    case kSpeedTileBreaking: BlendCell(f, col, row, overlay_sheet::kCracking, stage - 1); break;
    case kSpeedTileSweeping: BlendCell(f, col, row, overlay_sheet::kCovering, stage - 1); break;
    case kArrowRightTurning: CopyTile(f, col, row, field_sheet::kArrowRightTurning, stage - 1); break;
    case kArrowLeftTurning: CopyTile(f, col, row, field_sheet::kArrowLeftTurning, stage - 1); break;
    default: break;
  }
}

void DrawToolWorkDone(StageWindow& f, int col, int row, int code) {
  switch (code) {
    case kSpeedTileBreaking:  // the hammer's last blow leaves the bare backdrop
      Copy(f.field, 32 * col, 32 * row, 32, 32, f.backdrop, 32 * col, 32 * row);
      Copy(f.cleanField, 32 * col, 32 * row, 32, 32, f.backdrop, 32 * col, 32 * row);
      break;
    case kSpeedTileSweeping: BlendCell(f, col, row, overlay_sheet::kLiveTile); break;
    case kArrowRightTurning: CopyTile(f, col, row, field_sheet::kArrowLeft); break;
    case kArrowLeftTurning: CopyTile(f, col, row, field_sheet::kArrowRight); break;
    default: break;
  }
}

// Bricks and metal blocks show snow on top when the cell above is empty.
void DrawSnowCap(StageWindow& f, const Model& m) {
  const int code = m.Map(m.SparkleX / 32, m.SparkleY / 32 + 1);
  if (code == kBrick) KeyedTile(f, m.SparkleX, m.SparkleY + 32, field_sheet::kSnowyBrick);
  if (code == kMetalBlock) KeyedTile(f, m.SparkleX, m.SparkleY + 32, field_sheet::kSnowySteelBlock);
}

}  // namespace slidestone
