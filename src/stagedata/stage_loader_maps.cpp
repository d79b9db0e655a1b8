// Reading a stage's two files: the map (what every cell is made of) and
// the enemy map (goal cells, buckets and the three kinds of enemies). Each holds 12 rows of 19
// codes; row 11 is the unseen ground under the field.
//
// The tables have room for 11 items, 11 enemies and 31 speed tiles. A file with more leaves the
// extra cells empty and says so once on stderr, so a stage under design still loads.
#include <cstdio>
#include <string>

#include "stagedata/data_reader.h"
#include "stagedata/stage_field.h"
#include "stagedata/stage_format.h"
#include "stagedata/model.h"
#include "stagedata/stage_loader_steps.h"

namespace slidestone {

namespace {

void WarnExtraCells(const std::string& path, const std::string& what) {
  std::fprintf(stderr, "slidestone: warning: %s: more than %s; the extra cells are left empty\n",
               path.c_str(), what.c_str());
}

// Items and enemies start where their cell is, at their first frame.
void AddItem(FieldState& field, int col, int row, int32_t kind) {
  ItemRecord& it = field.Items[size_t(field.ItemCount++)];
  it.x = 32 * col;
  it.y = 32 * row;
  it.kind = kind;
  it.frame = 0;
}

void AddEnemy(FieldState& field, EnemiesState& enemies, int col, int row, int32_t code) {
  EnemyRecord& e = enemies.Enemies[size_t(field.EnemyCount++)];
  e = EnemyRecord{};  // nothing carried over from an earlier stage's enemy
  e.x = e.prevX = 32 * col;
  e.y = e.prevY = 32 * row;
  switch (code) {
    case kWatcherMark: e.state = kWatcher; break;
    case kWalkerMark: e.state = kWalkerLeft; break;  // setting off to the left
    default: e.state = kThrower; break;               // kThrowerMark
  }
}

}  // namespace

FieldOverflow PlaceMapCodes(FieldState& field, const CodeRows& codes) {
  FieldOverflow over;
  for (int row = 0; row < kMapFileRows; ++row) {
    for (int col = 0; col < kMapFileCols; ++col) {
      int32_t code = codes[size_t(row)][size_t(col)];
      if (code == kSpentSpeedTile || code == kSpeedTile) {
        if (field.SpeedTileCount < kMaxSpeedTiles) {
          field.SpeedTiles[size_t(field.SpeedTileCount++)] = {col, row, 0, kFalse};
        } else {
          over.speedTiles = true;
          code = kEmptyCell;
        }
      }
      field.Map(col, row) = code;
    }
  }
  return over;
}

FieldOverflow PlaceObjectCodes(FieldState& field, EnemiesState& enemies, const CodeRows& codes) {
  FieldOverflow over;
  for (int row = 0; row < kMapFileRows; ++row) {
    for (int col = 0; col < kMapFileCols; ++col) {
      int32_t code = codes[size_t(row)][size_t(col)];
      if (code == kGoal || code == kBucket) {
        if (field.ItemCount < kMaxItems) {
          AddItem(field, col, row, code);
        } else {
          over.items = true;
          code = kNoObject;
        }
      } else if (code >= kWatcherMark && code <= kThrowerMark) {
        // Enemies live in their records from now on; their cell is left empty.
        if (field.EnemyCount < kMaxEnemies) {
          AddEnemy(field, enemies, col, row, code);
        } else {
          over.enemies = true;
        }
        code = kNoObject;
      }
      field.AiMap(col, row) = code;
    }
  }
  return over;
}

void ReadMapFile(FieldState& field, const std::string& stageDir, int stage) {
  const std::string path = MapFilePath(stageDir, stage);
  if (PlaceMapCodes(field, ReadCodeFile(path)).speedTiles) {
    WarnExtraCells(path, std::to_string(kMaxSpeedTiles) + " speed tiles");
  }
}

void ReadEnemyMapFile(FieldState& field, EnemiesState& enemies, const std::string& stageDir,
                      int stage) {
  const std::string path = EnemyMapFilePath(stageDir, stage);
  const FieldOverflow over = PlaceObjectCodes(field, enemies, ReadCodeFile(path));
  if (over.items || over.enemies) {
    std::string what;
    if (over.items) what = std::to_string(kMaxItems) + " goal and bucket cells";
    if (over.items && over.enemies) what += " and ";
    if (over.enemies) what += std::to_string(kMaxEnemies) + " enemies";
    WarnExtraCells(path, what);
  }
}

}  // namespace slidestone
