// The editor's field under the mouse: a drag paints (or, with the right button, erases) every
// cell it passes over, however far the pointer moved between two passes, as one step of undo.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "editor_rig.h"
#include "shell/script.h"
#include "stagedata/codes.h"

namespace slidestone::editor {
namespace {

using Cells = std::set<std::pair<int, int>>;  // (column, row)

Cells CellsHolding(const StageDoc& doc, int32_t code) {
  Cells found;
  for (int r = 0; r < kMapFileRows; ++r)
    for (int c = 0; c < kMapFileCols; ++c)
      if (doc.map[size_t(r)][size_t(c)] == code) found.insert({c, r});
  return found;
}

TEST(EditorMouse, ADragPaintsEveryCellItPassesOverAsOneStep) {
  struct Case {
    const char* what;
    int fromCol, fromRow, toCol, toRow;
    Cells painted;
  } cases[] = {
      {"along a row", 2, 10, 12, 10, {{2, 10}, {3, 10}, {4, 10}, {5, 10}, {6, 10}, {7, 10}, {8, 10}, {9, 10}, {10, 10}, {11, 10}, {12, 10}}},
      {"up a column", 5, 9, 5, 4, {{5, 9}, {5, 8}, {5, 7}, {5, 6}, {5, 5}, {5, 4}}},
      {"on the slant", 14, 8, 10, 4, {{14, 8}, {13, 7}, {12, 6}, {11, 5}, {10, 4}}},
  };
  for (const Case& c : cases) {
    EditorRig rig;
    rig.Pass();  // the brick wall is the tool at the start
    const StageDoc before = rig.editor.edits().doc();
    rig.Drag(c.fromCol, c.fromRow, c.toCol, c.toRow);
    EXPECT_EQ(CellsHolding(rig.editor.edits().doc(), kBrick), c.painted) << c.what;
    rig.Chord(KeyCodeFromName("CTRL"), 'Z');
    EXPECT_EQ(rig.editor.edits().doc(), before) << c.what << ": undone in one step";
  }
}

TEST(EditorMouse, ARightButtonDragErasesEveryCellItPassesOver) {
  EditorRig rig;
  rig.Pass();
  for (int c = 2; c <= 12; ++c) rig.Click(EditorRig::CellX(c), EditorRig::CellY(10));
  rig.Drag(11, 10, 3, 10, kMouseRight);
  EXPECT_EQ(CellsHolding(rig.editor.edits().doc(), kBrick), (Cells{{2, 10}, {12, 10}}));
}

}  // namespace
}  // namespace slidestone::editor
