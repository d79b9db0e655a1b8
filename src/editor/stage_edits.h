// One stage under edit: its two code grids and its stage record, every change to them, and the
// undo history. Nothing here draws or reads input; the editor screen calls these.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "stagedata/stage_format.h"

namespace slidestone::editor {

struct StageDoc {
  CodeRows map{}, objects{};
  RecordValues record{};
  bool operator==(const StageDoc&) const = default;
};

// A new stage: nothing on the field, the player and the stone on the left, two minutes, eight
// tool points, every tool offered.
StageDoc EmptyStage();

// A rectangle of cells; rows reach 11, the unseen ground.
struct CellRect {
  int col = 0, row = 0, w = 0, h = 0;
  bool Empty() const { return w <= 0 || h <= 0; }
  bool Contains(int c, int r) const { return c >= col && r >= row && c < col + w && r < row + h; }
  bool operator==(const CellRect&) const = default;
};
// The rectangle spanned by two corner cells, cut to the grid.
CellRect SpanCells(int c1, int r1, int c2, int r2);

// Cells taken from a stage, both layers, for pasting here or into another stage.
struct Clip {
  int w = 0, h = 0;
  std::vector<int32_t> map, objects;  // row by row
  bool Empty() const { return w <= 0 || h <= 0; }
};

constexpr int kUndoSteps = 200;

class StageEdits {
 public:
  explicit StageEdits(const StageDoc& doc = EmptyStage()) : doc_(doc), saved_(doc) {}

  const StageDoc& doc() const { return doc_; }
  // Differs from what was last loaded or saved.
  bool Modified() const { return unsaved_ || !(doc_ == saved_); }
  void MarkSaved() {
    saved_ = doc_;
    unsaved_ = false;
  }
  // Counts as changed until saved (a stage started anew over files that did not load).
  void MarkUnsaved() { unsaved_ = true; }

  // Everything between BeginStroke and EndStroke is one step of the history (a dragged line).
  void BeginStroke();
  void EndStroke();
  // Puts palette entry `tool` on the cell: a tile, an object, a start, or erases.
  void Place(int tool, int col, int row);
  // Clears both layers of the cell.
  void Erase(int col, int row);

  // Selection (not part of the history).
  const CellRect& selection() const { return selection_; }
  void Select(const CellRect& r) { selection_ = r; }
  void ClearSelection() { selection_ = {}; }
  Clip Copy() const;
  Clip Cut();
  // Top-left corner of the clip at (col, row); what falls outside the field is dropped. The
  // pasted cells become the selection.
  void Paste(const Clip& clip, int col, int row);
  void MoveSelection(int dc, int dr);
  // Mirrors the selection left to right; arrows turn round with it.
  void FlipSelection();
  // Moves the whole stage one cell (starts included); what falls off the edge is lost.
  void Shift(int dc, int dr);

  // A stage record number, cut to what the game accepts.
  void SetProperty(RecordField field, int64_t value);
  static int32_t Clamp(RecordField field, int64_t value);

  bool Undo();
  bool Redo();
  size_t UndoDepth() const { return undo_.size(); }

 private:
  template <typename F>
  void Change(F&& edit);
  StageDoc doc_, saved_;
  CellRect selection_;
  std::deque<StageDoc> undo_, redo_;
  bool inStroke_ = false, strokeRecorded_ = false, unsaved_ = false;
};

}  // namespace slidestone::editor
