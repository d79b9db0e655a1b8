// Reading a stage's two files: the map (what every cell is made of, drawn onto the field) and
// the enemy map (goal cells, buckets and the three kinds of enemies). Each holds 12 rows of 19
// codes; row 11 is the unseen ground under the field.
//
// The tables have room for 11 items, 11 enemies and 31 speed tiles. A file with more leaves the
// extra cells empty and says so once on stderr, so a stage under design still loads.
#include <cstdio>
#include <string>

#include "graphics/blend.h"
#include "stagedata/data_reader.h"
#include "stagedata/stage_field.h"
#include "stagedata/stage_format.h"
#include "stagedata/game.h"
#include "stagedata/stage_loader_steps.h"

namespace slidestone {

namespace {

void WarnExtraCells(const std::string& path, const std::string& what) {
  std::fprintf(stderr, "slidestone: warning: %s: more than %s; the extra cells are left empty\n",
               path.c_str(), what.c_str());
}

// Brick walls and metal blocks wear snow where nothing lies on them.
bool SnowOnTop(const Game& g, int col, int row) {
  return row > 0 && g.Map(col, row - 1) == kEmptyCell;
}

// Draws one map code at its cell, on the visible field and on the clean field.
void DrawTile(Game& g, int col, int row, int32_t code) {
  StageWindow& f = g.Form1;
  const int x = 32 * col, y = 32 * row;
  auto keyed = [&](int sx, int sy) {
    KeyedCopy(f.gamebox2, x, y, 32, 32, f.char3, sx, sy);
    KeyedCopy(f.Bback, x, y, 32, 32, f.char3, sx, sy);
  };
  auto copy = [&](int sx, int sy) {
    Copy(f.gamebox2, x, y, 32, 32, f.char3, sx, sy);
    Copy(f.Bback, x, y, 32, 32, f.char3, sx, sy);
  };
  switch (code) {
    case kBrick: keyed(0, SnowOnTop(g, col, row) ? 96 : 64); break;
    case kMetalBlock: keyed(32, SnowOnTop(g, col, row) ? 96 : 64); break;
    case kArrowRight: copy(128, 64); break;
    case kArrowLeft: copy(160, 64); break;
    case kPipe: copy(192, 64); break;
    case kSpeedUpSign: copy(64, 64); break;
    case kSpeedDownSign: copy(96, 64); break;
    case kSpentSpeedTile:
    case kSpeedTile: BlendCell(g.Form1, col, row, 6, 0); break;  // ice: the backdrop shows through
    default: break;  // empty, or a state only play writes
  }
}

// Items and enemies start where their cell is; the sprite drawn is their first frame.
void AddItem(Game& g, int col, int row, int32_t kind) {
  ItemRecord& it = g.Items[size_t(g.ItemCount++)];
  it.x = 32 * col;
  it.y = 32 * row;
  it.kind = kind;
  it.frame = 0;
  StageWindow& f = g.Form1;
  if (kind == kGoal) {
    MaskedPair(f.gamebox2, it.x, it.y, 32, 32, f.char3, 128, 128, 0, 128);
  } else {
    MaskedPair(f.gamebox2, it.x, it.y, 32, 32, f.char3, 96, 160, 0, 160);
  }
}

void AddEnemy(Game& g, int col, int row, int32_t code) {
  EnemyRecord& e = g.Enemies[size_t(g.EnemyCount++)];
  e = EnemyRecord{};  // nothing carried over from an earlier stage's enemy
  e.x = e.prevX = 32 * col;
  e.y = e.prevY = 32 * row;
  StageWindow& f = g.Form1;
  switch (code) {
    case kWatcherMark:
      e.state = kWatcher;
      MaskedPair(f.gamebox2, e.x, e.y, 32, 32, f.char3, 0, 352, 0, 320);
      break;
    case kWalkerMark:  // setting off to the left
      e.state = kWalkerLeft;
      MaskedPair(f.gamebox2, e.x, e.y, 32, 32, f.char3, 0, 288, 0, 256);
      break;
    default:  // kThrowerMark
      e.state = kThrower;
      MaskedPair(f.gamebox2, e.x, e.y, 32, 32, f.char3, 0, 480, 0, 448);
      break;
  }
}

}  // namespace

FieldOverflow PlaceMapCodes(Game& g, const CodeRows& codes) {
  FieldOverflow over;
  for (int row = 0; row < kMapFileRows; ++row) {
    for (int col = 0; col < kMapFileCols; ++col) {
      int32_t code = codes[size_t(row)][size_t(col)];
      if (code == kSpentSpeedTile || code == kSpeedTile) {
        if (g.SpeedTileCount < kMaxSpeedTiles) {
          g.SpeedTiles[size_t(g.SpeedTileCount++)] = {col, row, 0, kFalse};
        } else {
          over.speedTiles = true;
          code = kEmptyCell;
        }
      }
      g.Map(col, row) = code;
      DrawTile(g, col, row, code);
    }
  }
  return over;
}

FieldOverflow PlaceObjectCodes(Game& g, const CodeRows& codes) {
  FieldOverflow over;
  for (int row = 0; row < kMapFileRows; ++row) {
    for (int col = 0; col < kMapFileCols; ++col) {
      int32_t code = codes[size_t(row)][size_t(col)];
      if (code == kGoal || code == kBucket) {
        if (g.ItemCount < kMaxItems) {
          AddItem(g, col, row, code);
        } else {
          over.items = true;
          code = kNoObject;
        }
      } else if (code >= kWatcherMark && code <= kThrowerMark) {
        // Enemies live in their records from now on; their cell is left empty.
        if (g.EnemyCount < kMaxEnemies) {
          AddEnemy(g, col, row, code);
        } else {
          over.enemies = true;
        }
        code = kNoObject;
      }
      g.AiMap(col, row) = code;
    }
  }
  return over;
}

void ReadMapFile(Game& g) {
  const std::string path = MapFilePath(g.stageDir, g.Stage);
  if (PlaceMapCodes(g, ReadCodeFile(path)).speedTiles) {
    WarnExtraCells(path, std::to_string(kMaxSpeedTiles) + " speed tiles");
  }
}

void ReadEnemyMapFile(Game& g) {
  const std::string path = EnemyMapFilePath(g.stageDir, g.Stage);
  const FieldOverflow over = PlaceObjectCodes(g, ReadCodeFile(path));
  if (over.items || over.enemies) {
    std::string what;
    if (over.items) what = std::to_string(kMaxItems) + " goal and bucket cells";
    if (over.items && over.enemies) what += " and ";
    if (over.enemies) what += std::to_string(kMaxEnemies) + " enemies";
    WarnExtraCells(path, what);
  }
}

}  // namespace slidestone
