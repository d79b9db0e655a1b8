// The editor's keys, a group to a function, in the order they are heard: a question's answer
// first, then the help and check panels, the solver, moving between stages and leaving, a stage
// that did not load, a won run, and last the edits themselves.
#include <string>

#include "editor/editor.h"
#include "editor/editor_solve.h"
#include "editor/palette.h"
#include "presentation/game.h"
#include "stagedata/codes.h"

namespace slidestone::editor {

namespace {

constexpr int kF2 = kKeyF1 + 1, kF5 = kKeyF1 + 4, kF6 = kKeyF1 + 5;

// Ctrl with an arrow shifts the whole field a cell that way.
struct Nudge {
  int key, dx, dy;
};
constexpr Nudge kNudges[] = {{kKeyLeft, -1, 0}, {kKeyRight, 1, 0}, {kKeyUp, 0, -1}, {kKeyDown, 0, 1}};

}  // namespace

bool Editor::Key(int code) {
  if (!On(g_.KeyState[size_t(code)])) return false;
  g_.KeyState[size_t(code)] = 0;
  return true;
}

void Editor::HandleKeys() {
  if (ask_ != Ask::None) return AnswerKeys();
  if (PanelKeys() || help_ || listChecks_) return;
  if (solve_ && Key(kKeyEscape)) return CancelSolve();
  if (Key(kKeyPageUp)) GoToStage(stage_ - 1);
  if (Key(kKeyPageDown)) GoToStage(stage_ + 1);
  if (Key(kKeyEscape)) return EscapeKey();
  if (!loadError_.empty()) return BrokenStageKeys();
  if (!proof_.empty() && Key('R')) KeepProof();
  if (wonScore_ >= 0 && Key('P')) return ParFromWin();
  EditKeys();
}

// S or Y saves first, N throws the edits away, Escape stays.
void Editor::AnswerKeys() {
  if (Key('S') || Key('Y')) {
    AnswerPrompt(true);
  } else if (Key('N')) {
    AnswerPrompt(false);
  } else if (Key(kKeyEscape)) {
    ask_ = Ask::None;
    Say("");
  }
}

// F1 opens and closes the help, F2 the list of checks; Escape closes either. True when a key
// was taken.
bool Editor::PanelKeys() {
  if (Key(kKeyF1) || (help_ && Key(kKeyEscape))) {
    help_ = !help_;
    dirty_ = true;
    return true;
  }
  if (Key(kF2) || (listChecks_ && Key(kKeyEscape))) {
    listChecks_ = !listChecks_;
    dirty_ = true;
    return true;
  }
  return false;
}

void Editor::CancelSolve() {
  solve_->Cancel();
  solve_->Wait();
  Say("solver cancelled after " + std::to_string(solve_->States()) + " moments");
  solve_.reset();
}

// Escape drops the selection, else leaves, asking first when there are unsaved changes.
void Editor::EscapeKey() {
  if (!edits_.selection().Empty()) {
    edits_.ClearSelection();
    dirty_ = true;
  } else if (edits_.Modified()) {
    ask_ = Ask::Quit;
    Say("stage " + std::to_string(stage_ + 1) + " has unsaved changes: S save, N discard, Esc stay");
  } else {
    quit_ = true;
  }
}

// While the error panel is up, only E (start the stage empty) is heard.
void Editor::BrokenStageKeys() {
  if (!Key('E')) return;
  // Nothing is written until the player saves; until then the old files stay as they are.
  loadError_.clear();
  edits_ = StageEdits(EmptyStage());
  edits_.MarkUnsaved();
  checks_ = CheckStage(edits_.doc());
  Say("stage " + std::to_string(stage_ + 1) + " started empty; Ctrl+S writes it");
}

void Editor::ParFromWin() {
  edits_.SetProperty(kRecPar, wonScore_);
  checks_ = CheckStage(edits_.doc());
  Say("par set to " + std::to_string(wonScore_) + ", the score of the won test play");
  wonScore_ = -1;
}

// The keys that change the stage or the selection, with Ctrl or without; a changed stage is
// checked again and needs a new run.
void Editor::EditKeys() {
  const StageDoc before = edits_.doc();
  const CellRect selBefore = edits_.selection();
  if (On(g_.KeyState[kKeyCtrl])) {
    CtrlKeys();
  } else {
    PlainKeys();
  }
  if (!(edits_.doc() == before) || !(edits_.selection() == selBefore)) {
    if (!(edits_.doc() == before)) {
      checks_ = CheckStage(edits_.doc());
      proof_.clear();  // a changed stage needs a new run
    }
    dirty_ = true;
  }
}

// Save, undo and redo, the clipboard, and shifting the field.
void Editor::CtrlKeys() {
  if (Key('S')) Save();
  if (Key('Z') && !edits_.Undo()) Say("nothing to undo");
  if (Key('Y') && !edits_.Redo()) Say("nothing to redo");
  if (Key('C') && !edits_.selection().Empty()) {
    clip_ = edits_.Copy();
    Say("copied " + std::to_string(clip_.w) + " x " + std::to_string(clip_.h) + " cells");
  }
  if (Key('X') && !edits_.selection().Empty()) clip_ = edits_.Cut();
  if (Key('V')) Paste();
  for (const Nudge& n : kNudges) {
    if (Key(n.key)) edits_.Shift(n.dx, n.dy);
  }
}

// The clipboard goes at the cell under the pointer, else at the selection's corner, else at the
// field's.
void Editor::Paste() {
  if (clip_.Empty()) {
    Say("nothing to paste: select with Shift+drag, then Ctrl+C");
    return;
  }
  const bool over = hoverCol_ >= 0;
  const CellRect& s = edits_.selection();
  edits_.Paste(clip_, over ? hoverCol_ : s.Empty() ? 0 : s.col, over ? hoverRow_ : s.Empty() ? 0 : s.row);
}

// The palette, flipping and deleting the selection, the grid, the test-play level, test play
// and the solver.
void Editor::PlainKeys() {
  for (int i = 0; i < kPaletteSize; ++i) {
    if (Key(Palette()[size_t(i)].key)) {
      tool_ = i;
      dirty_ = true;
    }
  }
  // The wheel steps through the palette, round at either end.
  if (Key(kWheelDown)) tool_ = (tool_ + 1) % kPaletteSize, dirty_ = true;
  if (Key(kWheelUp)) tool_ = (tool_ + kPaletteSize - 1) % kPaletteSize, dirty_ = true;
  if (Key('F')) edits_.FlipSelection();
  if (Key(kKeyDelete) || Key(kKeyBackspace)) {
    edits_.Cut();
    edits_.ClearSelection();
  }
  if (Key(kKeyTab)) {
    grid_ = !grid_;
    dirty_ = true;
  }
  if (Key('D')) {
    difficulty_ = (difficulty_ + 1) % 3;
    Say(std::string("test play at ") + DifficultyWord(difficulty_));
  }
  if (Key(kF5)) StartTestPlay();
  if (Key(kF6)) StartSolve();
}

}  // namespace slidestone::editor
