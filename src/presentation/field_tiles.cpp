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
void CopyTile(Game& g, int col, int row, int sx, int sy) {
  Copy(g.stageWindow.field, 32 * col, 32 * row, 32, 32, g.stageWindow.fieldSheet, sx, sy);
  Copy(g.stageWindow.cleanField, 32 * col, 32 * row, 32, 32, g.stageWindow.fieldSheet, sx, sy);
}

void KeyedTile(Game& g, int col, int row, int sx, int sy) {
  KeyedCopy(g.stageWindow.field, 32 * col, 32 * row, 32, 32, g.stageWindow.fieldSheet, sx, sy);
  KeyedCopy(g.stageWindow.cleanField, 32 * col, 32 * row, 32, 32, g.stageWindow.fieldSheet, sx, sy);
}

void DrawTile(Game& g, int col, int row, int32_t code) {
  switch (code) {
    case kBrick: KeyedTile(g, col, row, 0, SnowOnTop(g, col, row) ? 96 : 64); break;
    case kMetalBlock: KeyedTile(g, col, row, 32, SnowOnTop(g, col, row) ? 96 : 64); break;
    case kArrowRight: CopyTile(g, col, row, 128, 64); break;
    case kArrowLeft: CopyTile(g, col, row, 160, 64); break;
    case kPipe: CopyTile(g, col, row, 192, 64); break;
    case kSpeedUpSign: CopyTile(g, col, row, 64, 64); break;
    case kSpeedDownSign: CopyTile(g, col, row, 96, 64); break;
    case kSpentSpeedTile:
    case kSpeedTile: BlendCell(g.stageWindow, col, row, 0, 2); break;  // plain ice until play begins
    default: break;  // empty, or a state only play writes
  }
}

// Items and enemies at their first picture.
void DrawFirstPictures(Game& g) {
  StageWindow& f = g.stageWindow;
  for (int i = 0; i < g.ItemCount && i < kMaxItems; ++i) {
    const ItemRecord& it = g.Items[i];
    if (it.kind == kGoal) {
      MaskedPair(f.field, it.x, it.y, 32, 32, f.fieldSheet, 128, 128, 0, 128);
    } else {
      MaskedPair(f.field, it.x, it.y, 32, 32, f.fieldSheet, 96, 160, 0, 160);
    }
  }
  for (int i = 0; i < g.EnemyCount && i < kMaxEnemies; ++i) {
    const EnemyRecord& e = g.Enemies[i];
    switch (e.state) {
      case kWatcher: MaskedPair(f.field, e.x, e.y, 32, 32, f.fieldSheet, 0, 352, 0, 320); break;
      case kWalkerLeft: MaskedPair(f.field, e.x, e.y, 32, 32, f.fieldSheet, 0, 288, 0, 256); break;
      default: MaskedPair(f.field, e.x, e.y, 32, 32, f.fieldSheet, 0, 480, 0, 448); break;
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

void DrawSpeedTileLook(Game& g, int col, int row, int overlay, int layer) {
  BlendCell(g.stageWindow, col, row, overlay, layer);
}

void DrawToolWork(Game& g, int col, int row, int code, int stage) {
  switch (code) {
    case kSpeedTileBreaking: BlendCell(g.stageWindow, col, row, stage - 1, 1); break;  // crack 1, 2, 3
    case kSpeedTileSweeping: BlendCell(g.stageWindow, col, row, stage + 2, 1); break;
    case kArrowRightTurning: CopyTile(g, col, row, 32 + 32 * stage, 96); break;
    case kArrowLeftTurning: CopyTile(g, col, row, 128 + 32 * stage, 96); break;
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
    case kSpeedTileSweeping: BlendCell(f, col, row, 0, 0); break;
    case kArrowRightTurning: CopyTile(g, col, row, 160, 64); break;
    case kArrowLeftTurning: CopyTile(g, col, row, 128, 64); break;
    default: break;
  }
}

// Bricks and metal blocks show snow on top when the cell above is empty.
void DrawSnowCap(Game& g) {
  const int code = g.Map(g.SparkleX / 32, g.SparkleY / 32 + 1);
  int sx = -1;
  if (code == kBrick) sx = 0;
  if (code == kMetalBlock) sx = 32;
  if (sx < 0) return;
  KeyedCopy(g.stageWindow.field, g.SparkleX, g.SparkleY + 32, 32, 32, g.stageWindow.fieldSheet, sx, 96);
  KeyedCopy(g.stageWindow.cleanField, g.SparkleX, g.SparkleY + 32, 32, 32, g.stageWindow.fieldSheet, sx, 96);
}

}  // namespace slidestone
