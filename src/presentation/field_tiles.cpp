// The tiles of the play field: a stage's field as the loader built it, and the pictures of the
// cells play changes (spent and glinting speed tiles, the tools' work, the snow caps). Tiles go on
// the visible field (gamebox2) and the clean field the repaint starts from (Bback); `back` keeps
// the bare backdrop a broken tile leaves.
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

// A tile picture from char3 on the visible field and the clean field alike.
void CopyTile(Game& g, int col, int row, int sx, int sy) {
  Copy(g.Form1.gamebox2, 32 * col, 32 * row, 32, 32, g.Form1.char3, sx, sy);
  Copy(g.Form1.Bback, 32 * col, 32 * row, 32, 32, g.Form1.char3, sx, sy);
}

void KeyedTile(Game& g, int col, int row, int sx, int sy) {
  KeyedCopy(g.Form1.gamebox2, 32 * col, 32 * row, 32, 32, g.Form1.char3, sx, sy);
  KeyedCopy(g.Form1.Bback, 32 * col, 32 * row, 32, 32, g.Form1.char3, sx, sy);
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
    case kSpeedTile: BlendCell(g.Form1, col, row, 0, 2); break;  // plain ice until play begins
    default: break;  // empty, or a state only play writes
  }
}

// Items and enemies at their first picture.
void DrawFirstPictures(Game& g) {
  StageWindow& f = g.Form1;
  for (int i = 0; i < g.ItemCount && i < kMaxItems; ++i) {
    const ItemRecord& it = g.Items[i];
    if (it.kind == kGoal) {
      MaskedPair(f.gamebox2, it.x, it.y, 32, 32, f.char3, 128, 128, 0, 128);
    } else {
      MaskedPair(f.gamebox2, it.x, it.y, 32, 32, f.char3, 96, 160, 0, 160);
    }
  }
  for (int i = 0; i < g.EnemyCount && i < kMaxEnemies; ++i) {
    const EnemyRecord& e = g.Enemies[i];
    switch (e.state) {
      case kWatcher: MaskedPair(f.gamebox2, e.x, e.y, 32, 32, f.char3, 0, 352, 0, 320); break;
      case kWalkerLeft: MaskedPair(f.gamebox2, e.x, e.y, 32, 32, f.char3, 0, 288, 0, 256); break;
      default: MaskedPair(f.gamebox2, e.x, e.y, 32, 32, f.char3, 0, 480, 0, 448); break;
    }
  }
}

}  // namespace

const Surface& StageBackdrop(const Game& g) {
  return g.Form1.stageback[g.BackdropIndex == 0 ? 0 : 1];
}

void DrawBuiltField(Game& g, bool dimmed) {
  StageWindow& f = g.Form1;
  const Surface& backdrop = StageBackdrop(g);
  Copy(f.gamebox2, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  Copy(f.back, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  Copy(f.Bback, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  for (int row = 0; row < kMapFileRows; ++row)
    for (int col = 0; col < kMapFileCols; ++col) DrawTile(g, col, row, g.Map(col, row));
  DrawFirstPictures(g);
  // The field waits dimmed under the curtain; the stage flow shows it bright from Bback.
  if (dimmed) Shade(f.gamebox2, 0, 0, kFieldW, kFieldH, backdrop, kFieldW, 0, 8, kFieldH, kDimAlpha);
}

void DrawSpeedTileLook(Game& g, int col, int row, int overlay, int layer) {
  BlendCell(g.Form1, col, row, overlay, layer);
}

void DrawToolWork(Game& g, int col, int row, int code, int stage) {
  switch (code) {
    case kSpeedTileBreaking: BlendCell(g.Form1, col, row, stage - 1, 1); break;  // crack 1, 2, 3
    case kSpeedTileSweeping: BlendCell(g.Form1, col, row, stage + 2, 1); break;
    case kArrowRightTurning: CopyTile(g, col, row, 32 + 32 * stage, 96); break;
    case kArrowLeftTurning: CopyTile(g, col, row, 128 + 32 * stage, 96); break;
    default: break;
  }
}

void DrawToolWorkDone(Game& g, int col, int row, int code) {
  StageWindow& f = g.Form1;
  switch (code) {
    case kSpeedTileBreaking:  // the hammer's last blow leaves the bare backdrop
      Copy(f.gamebox2, 32 * col, 32 * row, 32, 32, f.back, 32 * col, 32 * row);
      Copy(f.Bback, 32 * col, 32 * row, 32, 32, f.back, 32 * col, 32 * row);
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
  KeyedCopy(g.Form1.gamebox2, g.SparkleX, g.SparkleY + 32, 32, 32, g.Form1.char3, sx, 96);
  KeyedCopy(g.Form1.Bback, g.SparkleX, g.SparkleY + 32, 32, 32, g.Form1.char3, sx, 96);
}

}  // namespace slidestone
