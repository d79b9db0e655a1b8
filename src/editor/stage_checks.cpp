#include "editor/stage_checks.h"

#include "editor/palette.h"

namespace slidestone::editor {

namespace {

constexpr int kVisibleRows = 11;  // the pipe exit is looked for in the visible rows only

int32_t MapAt(const StageDoc& d, int c, int r) {
  if (c < 0 || r < 0 || c >= kMapFileCols || r >= kMapFileRows) return 0;
  return d.map[size_t(r)][size_t(c)];
}

std::string CellText(int c, int r) { return " (" + std::to_string(c + 1) + "," + std::to_string(r + 1) + ")"; }

// A figure's box is 32 x 32 pixels from its start; it may straddle cells when the record was
// written by hand.
void CheckStart(const StageDoc& d, RecordField xField, const char* who, CheckKind inSolid,
                CheckKind outside, CheckKind notStanding, std::vector<CheckResult>& out) {
  const int x = d.record[size_t(xField)], y = d.record[size_t(xField + 1)];
  const int col = x / 32, row = y / 32;
  if (x < 0 || y < 0 || x > kFieldW - 32 || y > kFieldH - 32) {
    out.push_back({outside, col, row, std::string(who) + " start outside the field"});
    return;
  }
  const int left = x / 32, right = (x + 31) / 32, top = y / 32, bottom = (y + 31) / 32;
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) {
      if (MapAt(d, c, r) != 0) {
        out.push_back({inSolid, col, row, std::string(who) + " start inside a block" + CellText(col, row)});
        return;
      }
    }
  }
  const int below = (y + 32) / 32;
  if (MapAt(d, left, below) == 0 && MapAt(d, right, below) == 0) {
    out.push_back({notStanding, col, row, std::string(who) + " start standing on nothing" + CellText(col, row)});
  }
}

}  // namespace

int WarningCount(const std::vector<CheckResult>& checks) {
  int n = 0;
  for (const CheckResult& c : checks) n += c.note ? 0 : 1;
  return n;
}

std::vector<CheckResult> CheckStage(const StageDoc& d) {
  std::vector<CheckResult> out;
  int goals = 0, enemies = 0, items = 0, speedTiles = 0;
  for (int r = 0; r < kMapFileRows; ++r) {
    for (int c = 0; c < kMapFileCols; ++c) {
      const int32_t o = d.objects[size_t(r)][size_t(c)];
      if (o == kGoal) ++goals;
      if (IsItemCode(o)) ++items;
      if (IsEnemyCode(o)) ++enemies;
      if (IsSpeedTileCode(d.map[size_t(r)][size_t(c)])) ++speedTiles;
    }
  }
  if (goals == 0) out.push_back({CheckKind::NoGoal, -1, -1, "no goal"});

  // The stone is home only when both quarter points of its top edge lie over goal cells: over
  // a goal of one cell, only when it stops (or turns) right over it, as on the first stages.
  // That is often meant, so it is a note.
  for (int r = 0; r < kMapFileRows; ++r) {
    for (int c = 0; c < kMapFileCols; ++c) {
      if (d.objects[size_t(r)][size_t(c)] != kGoal) continue;
      const bool left = c > 0 && d.objects[size_t(r)][size_t(c - 1)] == kGoal;
      const bool right = c + 1 < kMapFileCols && d.objects[size_t(r)][size_t(c + 1)] == kGoal;
      if (!left && !right) {
        out.push_back({CheckKind::LoneGoal, c, r,
                       "note: goal of one cell" + CellText(c, r) + ": the stone must stop right over it", true});
      }
    }
  }

  CheckStart(d, kRecPlayerX, "player", CheckKind::PlayerInSolid, CheckKind::PlayerOutside,
             CheckKind::PlayerNotStanding, out);
  CheckStart(d, kRecStoneX, "stone", CheckKind::StoneInSolid, CheckKind::StoneOutside,
             CheckKind::StoneNotStanding, out);

  if (enemies > kMaxEnemies) {
    out.push_back({CheckKind::TooManyEnemies, -1, -1, std::to_string(enemies) + " enemies: only 11 play"});
  }
  if (items > kMaxItems) {
    out.push_back({CheckKind::TooManyItems, -1, -1, std::to_string(items) + " goal+bucket cells: only 11 load"});
  }
  if (speedTiles > kMaxSpeedTiles) {
    out.push_back({CheckKind::TooManySpeedTiles, -1, -1, std::to_string(speedTiles) + " speed tiles: only 31 load"});
  }

  // A pipe is a run of pipe cells in a row. The trip ends at the first pipe cell in row order
  // other than the one entered; when every other pipe cell belongs to the same run, the figure
  // only comes back up where it went in.
  for (int r = 0; r < kVisibleRows; ++r) {
    for (int c = 0; c < kMapFileCols; ++c) {
      if (MapAt(d, c, r) != kPipe || MapAt(d, c - 1, r) == kPipe) continue;
      int end = c;
      while (MapAt(d, end + 1, r) == kPipe) ++end;
      bool exitElsewhere = false;
      for (int rr = 0; rr < kVisibleRows && !exitElsewhere; ++rr) {
        for (int cc = 0; cc < kMapFileCols; ++cc) {
          if (MapAt(d, cc, rr) == kPipe && (rr != r || cc < c || cc > end)) {
            exitElsewhere = true;
            break;
          }
        }
      }
      if (!exitElsewhere) out.push_back({CheckKind::PipeWithoutExit, c, r, "pipe without exit" + CellText(c, r)});
    }
  }
  return out;
}

}  // namespace slidestone::editor
