#include "editor/stage_edits.h"

#include <algorithm>

#include "editor/palette.h"

namespace slidestone::editor {

namespace {

bool InGrid(int c, int r) { return c >= 0 && r >= 0 && c < kMapFileCols && r < kMapFileRows; }

int32_t& At(CodeRows& rows, int c, int r) { return rows[size_t(r)][size_t(c)]; }

// A start is stored in pixels; it must lie inside the visible field.
void PutStart(RecordValues& rec, RecordField xField, int col, int row) {
  const auto& specs = RecordFieldSpecs();
  rec[size_t(xField)] = std::clamp(32 * col, specs[size_t(xField)].lo, specs[size_t(xField)].hi);
  rec[size_t(xField + 1)] = std::clamp(32 * row, specs[size_t(xField + 1)].lo, specs[size_t(xField + 1)].hi);
}

int32_t Mirrored(int32_t code) {
  if (code == kArrowRight) return kArrowLeft;
  if (code == kArrowLeft) return kArrowRight;
  return code;
}

}  // namespace

StageDoc EmptyStage() {
  StageDoc d;
  d.record = {64, 288, 160, 288, 1200, 8, 1, 1, 1, 0, 300};
  return d;
}

CellRect SpanCells(int c1, int r1, int c2, int r2) {
  const int left = std::clamp(std::min(c1, c2), 0, kMapFileCols - 1);
  const int right = std::clamp(std::max(c1, c2), 0, kMapFileCols - 1);
  const int top = std::clamp(std::min(r1, r2), 0, kMapFileRows - 1);
  const int bottom = std::clamp(std::max(r1, r2), 0, kMapFileRows - 1);
  return {left, top, right - left + 1, bottom - top + 1};
}

template <typename F>
void StageEdits::Change(F&& edit) {
  StageDoc before = doc_;
  edit(doc_);
  if (doc_ == before) return;
  redo_.clear();
  if (inStroke_ && strokeRecorded_) return;  // the stroke's first change holds the step
  undo_.push_back(std::move(before));
  if (undo_.size() > size_t(kUndoSteps)) undo_.pop_front();
  if (inStroke_) strokeRecorded_ = true;
}

void StageEdits::BeginStroke() {
  inStroke_ = true;
  strokeRecorded_ = false;
}

void StageEdits::EndStroke() { inStroke_ = false; }

void StageEdits::Place(int tool, int col, int row) {
  if (tool < 0 || tool >= kPaletteSize || !InGrid(col, row)) return;
  const PaletteEntry& e = Palette()[size_t(tool)];
  Change([&](StageDoc& d) {
    switch (e.layer) {
      case Layer::Map: At(d.map, col, row) = e.code; break;
      case Layer::Objects: At(d.objects, col, row) = e.code; break;
      case Layer::PlayerStart: PutStart(d.record, kRecPlayerX, col, row); break;
      case Layer::StoneStart: PutStart(d.record, kRecStoneX, col, row); break;
      case Layer::Eraser:
        At(d.map, col, row) = 0;
        At(d.objects, col, row) = 0;
        break;
    }
  });
}

void StageEdits::Erase(int col, int row) {
  if (!InGrid(col, row)) return;
  Change([&](StageDoc& d) {
    At(d.map, col, row) = 0;
    At(d.objects, col, row) = 0;
  });
}

Clip StageEdits::Copy() const {
  Clip clip;
  const CellRect& s = selection_;
  if (s.Empty()) return clip;
  clip.w = s.w;
  clip.h = s.h;
  for (int r = s.row; r < s.row + s.h; ++r) {
    for (int c = s.col; c < s.col + s.w; ++c) {
      clip.map.push_back(doc_.map[size_t(r)][size_t(c)]);
      clip.objects.push_back(doc_.objects[size_t(r)][size_t(c)]);
    }
  }
  return clip;
}

Clip StageEdits::Cut() {
  Clip clip = Copy();
  const CellRect s = selection_;
  Change([&](StageDoc& d) {
    for (int r = s.row; r < s.row + s.h; ++r) {
      for (int c = s.col; c < s.col + s.w; ++c) At(d.map, c, r) = At(d.objects, c, r) = 0;
    }
  });
  return clip;
}

void StageEdits::Paste(const Clip& clip, int col, int row) {
  if (clip.Empty()) return;
  Change([&](StageDoc& d) {
    for (int j = 0; j < clip.h; ++j) {
      for (int i = 0; i < clip.w; ++i) {
        if (!InGrid(col + i, row + j)) continue;
        const size_t k = size_t(j * clip.w + i);
        At(d.map, col + i, row + j) = clip.map[k];
        At(d.objects, col + i, row + j) = clip.objects[k];
      }
    }
  });
  selection_ = SpanCells(col, row, col + clip.w - 1, row + clip.h - 1);
  if (col >= kMapFileCols || row >= kMapFileRows) selection_ = {};
}

void StageEdits::MoveSelection(int dc, int dr) {
  if (selection_.Empty() || (dc == 0 && dr == 0)) return;
  const Clip clip = Copy();
  const CellRect s = selection_;
  const bool wasStroke = inStroke_;
  // The lift and the drop are one step of the history.
  if (!wasStroke) BeginStroke();
  Change([&](StageDoc& d) {
    for (int r = s.row; r < s.row + s.h; ++r) {
      for (int c = s.col; c < s.col + s.w; ++c) At(d.map, c, r) = At(d.objects, c, r) = 0;
    }
  });
  Paste(clip, s.col + dc, s.row + dr);
  if (!wasStroke) EndStroke();
}

void StageEdits::FlipSelection() {
  const CellRect s = selection_;
  if (s.Empty()) return;
  Change([&](StageDoc& d) {
    for (int r = s.row; r < s.row + s.h; ++r) {
      auto& m = d.map[size_t(r)];
      auto& o = d.objects[size_t(r)];
      std::reverse(m.begin() + s.col, m.begin() + s.col + s.w);
      std::reverse(o.begin() + s.col, o.begin() + s.col + s.w);
      for (int c = s.col; c < s.col + s.w; ++c) m[size_t(c)] = Mirrored(m[size_t(c)]);
    }
  });
}

void StageEdits::Shift(int dc, int dr) {
  Change([&](StageDoc& d) {
    StageDoc moved = d;
    for (int r = 0; r < kMapFileRows; ++r) {
      for (int c = 0; c < kMapFileCols; ++c) {
        const int fc = c - dc, fr = r - dr;
        At(moved.map, c, r) = InGrid(fc, fr) ? At(d.map, fc, fr) : 0;
        At(moved.objects, c, r) = InGrid(fc, fr) ? At(d.objects, fc, fr) : 0;
      }
    }
    const auto& specs = RecordFieldSpecs();
    for (RecordField f : {kRecPlayerX, kRecStoneX}) {
      moved.record[size_t(f)] = std::clamp(d.record[size_t(f)] + 32 * dc, specs[size_t(f)].lo, specs[size_t(f)].hi);
      const size_t fy = size_t(f + 1);
      moved.record[fy] = std::clamp(d.record[fy] + 32 * dr, specs[fy].lo, specs[fy].hi);
    }
    d = moved;
  });
  if (!selection_.Empty()) selection_ = {};
}

int32_t StageEdits::Clamp(RecordField field, int64_t value) {
  const RecordFieldSpec& s = RecordFieldSpecs()[size_t(field)];
  int64_t lo = s.lo, hi = s.hi;
  if (field >= kRecOffer0 && field <= kRecOffer3) {
    lo = 0;
    hi = 1;
  } else if (field == kRecTime || field == kRecToolPoints || field == kRecPar) {
    lo = 0;  // the game accepts less, but a stage with negative time or points cannot be played
  }
  return int32_t(std::clamp(value, lo, hi));
}

void StageEdits::SetProperty(RecordField field, int64_t value) {
  const int32_t v = Clamp(field, value);
  Change([&](StageDoc& d) { d.record[size_t(field)] = v; });
}

bool StageEdits::Undo() {
  if (undo_.empty()) return false;
  redo_.push_back(doc_);
  doc_ = undo_.back();
  undo_.pop_back();
  selection_ = {};
  return true;
}

bool StageEdits::Redo() {
  if (redo_.empty()) return false;
  undo_.push_back(doc_);
  doc_ = redo_.back();
  redo_.pop_back();
  selection_ = {};
  return true;
}

}  // namespace slidestone::editor
