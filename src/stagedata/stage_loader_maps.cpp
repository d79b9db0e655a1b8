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
#include "stagedata/world.h"
#include "stagedata/stage_loader_steps.h"

namespace slidestone {

namespace {

void WarnExtraCells(const std::string& path, const std::string& what) {
  std::fprintf(stderr, "slidestone: warning: %s: more than %s; the extra cells are left empty\n",
               path.c_str(), what.c_str());
}

// Items and enemies start where their cell is, at their first frame.
void AddItem(World& g, int col, int row, int32_t kind) {
  ItemRecord& it = g.Items[size_t(g.ItemCount++)];
  it.x = 32 * col;
  it.y = 32 * row;
  it.kind = kind;
  it.frame = 0;
}

void AddEnemy(World& g, int col, int row, int32_t code) {
  EnemyRecord& e = g.Enemies[size_t(g.EnemyCount++)];
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

FieldOverflow PlaceMapCodes(World& g, const CodeRows& codes) {
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
    }
  }
  return over;
}

FieldOverflow PlaceObjectCodes(World& g, const CodeRows& codes) {
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

void ReadMapFile(World& g) {
  const std::string path = MapFilePath(g.stageDir, g.Stage);
  if (PlaceMapCodes(g, ReadCodeFile(path)).speedTiles) {
    WarnExtraCells(path, std::to_string(kMaxSpeedTiles) + " speed tiles");
  }
}

void ReadEnemyMapFile(World& g) {
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
