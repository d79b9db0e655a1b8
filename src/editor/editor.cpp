// The editor's controller: the mouse, moving between stages, saving, and the questions it asks
// before throwing edits away (its keys: editor_keys.cpp).
#include "editor/editor.h"

#include <algorithm>
#include <cstdlib>

#include "editor/palette.h"
#include "editor/editor_solve.h"
#include "editor/test_play.h"
#include "shell/input.h"
#include "presentation/game.h"
#include "stagedata/codes.h"
#include "stagedata/stage_format.h"

namespace slidestone::editor {

namespace {

// Property boxes of the panel: a click raises the number by its step, a right click lowers it,
// with Shift ten steps at a time.
struct PropertyBox {
  RecordField field;
  int x, w;
  int step;
};
constexpr PropertyBox kBoxes[] = {
    {kRecTime, 150, 120, 10}, {kRecToolPoints, 274, 96, 1}, {kRecPar, 462, 96, 10}};
constexpr int kOfferX = 374, kOfferStep = 28, kLevelX = 562, kLevelW = 70;

bool InField(int x, int y) {
  return x >= kFieldX && y >= kFieldY && x < kFieldX + kMapFileCols * 32 && y < kFieldY + kMapFileRows * 32;
}

}  // namespace

Editor::Editor(Game& g, TextPainter* text) : g_(g), text_(text) {}
Editor::~Editor() = default;

bool Editor::Open(const std::string& dir, const std::string& shippedDir, int stage, std::string& error) {
  shippedDir_ = shippedDir;
  if (!folder_.Open(dir, shippedDir, error)) return false;
  LoadStage(std::clamp(stage, 0, kEditableStages - 1));
  if (const std::string fault = folder_.MessagesFault(); !fault.empty() && loadError_.empty()) {
    Say("the messages do not load and are left as they are: " + fault);
  }
  return true;
}

std::string Editor::Title() const {
  return "Slidestone stage editor: stage " + std::to_string(stage_ + 1) + " of " + folder_.dir() +
         (edits_.Modified() ? " *" : "");
}

void Editor::Say(const std::string& text) {
  ++says_;
  message_ = text;
  dirty_ = true;
  if (log) log(text);
}

void Editor::LoadStage(int stage) {
  stage_ = stage;
  StageDoc doc;
  std::string error;
  loadError_.clear();
  if (!folder_.Load(stage, doc, error)) {
    loadError_ = error;
    Say("stage " + std::to_string(stage + 1) + " does not load: " + error);
  } else {
    message_.clear();
  }
  edits_ = StageEdits(doc);
  checks_ = CheckStage(edits_.doc());
  proof_.clear();
  wonScore_ = -1;
  dirty_ = true;
}

void Editor::GoToStage(int stage) {
  if (stage < 0 || stage >= kEditableStages || stage == stage_) return;
  if (edits_.Modified()) {
    ask_ = Ask::ChangeStage;
    pendingStage_ = stage;
    Say("stage " + std::to_string(stage_ + 1) + " has unsaved changes: S save, N discard, Esc stay");
    return;
  }
  LoadStage(stage);
}

bool Editor::Save() {
  std::string error;
  if (!folder_.Save(stage_, edits_.doc(), error)) {
    Say("SAVE FAILED, edits kept: " + error);
    return false;
  }
  edits_.MarkSaved();
  checks_ = CheckStage(edits_.doc());
  std::string text = "saved stage " + std::to_string(stage_ + 1);
  const int warnings = WarningCount(checks_);
  if (warnings > 0) text += " with " + std::to_string(warnings) + " warning" + (warnings > 1 ? "s" : "") + ":";
  std::string sep = warnings > 0 ? " " : "; ";
  for (const CheckResult& c : checks_) {
    if (!c.note) text += sep + c.text, sep = "; ";
  }
  for (const CheckResult& c : checks_) {
    if (c.note) text += sep + c.text, sep = "; ";
  }
  Say(text);
  return true;
}

void Editor::AnswerPrompt(bool save) {
  const Ask ask = ask_;
  ask_ = Ask::None;
  if (save && !Save()) return;  // a failed save keeps the stage open with its edits
  if (ask == Ask::Quit) {
    quit_ = true;
  } else if (ask == Ask::ChangeStage) {
    LoadStage(pendingStage_);
  }
  dirty_ = true;
}

void Editor::PressInPanel(int x, int y, bool left) {
  if (y >= kPaletteY && y < kPaletteY + 32) {
    const int i = (x - kPaletteX) / kPaletteStep;
    if (x >= kPaletteX && i < kPaletteSize && (x - kPaletteX) % kPaletteStep < 32) {
      tool_ = i;
      dirty_ = true;
    }
    return;
  }
  if (y < kPropsY || y >= kPropsY + 32 || !loadError_.empty()) return;
  const int sign = left ? 1 : -1;
  const int times = On(g_.KeyState[kKeyShift]) ? 10 : 1;
  for (const PropertyBox& b : kBoxes) {
    if (x >= b.x && x < b.x + b.w) {
      edits_.SetProperty(b.field, int64_t(edits_.doc().record[size_t(b.field)]) + sign * times * b.step);
    }
  }
  for (int j = 0; j < 3; ++j) {
    if (x >= kOfferX + kOfferStep * j && x < kOfferX + kOfferStep * j + 24) {
      const RecordField f = RecordField(kRecOffer0 + j);
      edits_.SetProperty(f, edits_.doc().record[size_t(f)] == 1 ? 0 : 1);
    }
  }
  if (x >= kLevelX && x < kLevelX + kLevelW) {
    difficulty_ = (difficulty_ + (left ? 1 : 2)) % 3;
    Say(std::string("test play at ") + DifficultyWord(difficulty_));
  }
  checks_ = CheckStage(edits_.doc());
  dirty_ = true;
}

void Editor::PressInField(int col, int row, bool left) {
  if (!loadError_.empty()) return;
  anchorCol_ = lastCol_ = col;
  anchorRow_ = lastRow_ = row;
  if (!left) {
    drag_ = Drag::Erase;
    edits_.BeginStroke();
    edits_.Erase(col, row);
  } else if (On(g_.KeyState[kKeyShift])) {
    drag_ = Drag::Select;
    edits_.Select(SpanCells(col, row, col, row));
  } else if (edits_.selection().Contains(col, row)) {
    drag_ = Drag::Move;
  } else {
    drag_ = Drag::Paint;
    edits_.ClearSelection();
    edits_.BeginStroke();
    edits_.Place(tool_, col, row);
  }
  dirty_ = true;
}

void Editor::DragTo(int col, int row) {
  if (drag_ == Drag::Paint || drag_ == Drag::Erase) {
    // Every cell on the line from the last one, so a quick stroke leaves no gaps.
    const int dc = col - lastCol_, dr = row - lastRow_;
    const int steps = std::max(std::abs(dc), std::abs(dr));
    for (int i = 1; i <= steps; ++i) {
      const int c = lastCol_ + (dc * i + (dc >= 0 ? steps / 2 : -(steps / 2))) / steps;
      const int r = lastRow_ + (dr * i + (dr >= 0 ? steps / 2 : -(steps / 2))) / steps;
      if (drag_ == Drag::Paint) edits_.Place(tool_, c, r);
      else edits_.Erase(c, r);
    }
  } else if (drag_ == Drag::Select) {
    edits_.Select(SpanCells(anchorCol_, anchorRow_, col, row));
  }
  lastCol_ = col;
  lastRow_ = row;
  dirty_ = true;
}

void Editor::Release() {
  if (drag_ == Drag::Paint || drag_ == Drag::Erase) edits_.EndStroke();
  if (drag_ == Drag::Move) edits_.MoveSelection(lastCol_ - anchorCol_, lastRow_ - anchorRow_);
  if (drag_ != Drag::None) {
    checks_ = CheckStage(edits_.doc());
    proof_.clear();
    dirty_ = true;
  }
  drag_ = Drag::None;
}

void Editor::HandleMouse(const Input& in) {
  const int x = in.pointerX, y = in.pointerY;
  int col = -1, row = -1;
  if (InField(x, y)) {
    col = (x - kFieldX) / 32;
    row = (y - kFieldY) / 32;
  }
  int tool = -1;
  if (y >= kPaletteY && y < kPaletteY + 32 && x >= kPaletteX && (x - kPaletteX) % kPaletteStep < 32) {
    tool = (x - kPaletteX) / kPaletteStep < kPaletteSize ? (x - kPaletteX) / kPaletteStep : -1;
  }
  if (tool != hoverTool_) {
    hoverTool_ = tool;
    dirty_ = true;
    if (tool >= 0 && log) log("hover: " + HoverLine(tool));
  }
  if (col != hoverCol_ || row != hoverRow_) {
    hoverCol_ = col;
    hoverRow_ = row;
    dirty_ = true;
    if (drag_ != Drag::None) {
      DragTo(std::clamp(col < 0 ? (x - kFieldX) / 32 : col, 0, kMapFileCols - 1),
             std::clamp(row < 0 ? (y - kFieldY) / 32 : row, 0, kMapFileRows - 1));
    }
  }
  const bool left = On(g_.KeyState[kMouseLeft]), right = On(g_.KeyState[kMouseRight]);
  const bool blocked = help_ || listChecks_ || ask_ != Ask::None;
  if (!blocked && drag_ == Drag::None) {
    if ((left && !leftDown_) || (right && !rightDown_)) {
      if (col >= 0) PressInField(col, row, left && !leftDown_);
      else PressInPanel(x, y, left && !leftDown_);
    }
  }
  if (drag_ != Drag::None && ((drag_ == Drag::Erase && !right) || (drag_ != Drag::Erase && !left))) Release();
  leftDown_ = left;
  rightDown_ = right;
}

bool Editor::Pass(Input& in) {
  if (!shown_) {
    shown_ = true;
    ShowForm(g_.forms, g_.stageWindow);
    HideSurface(g_.stageWindow.field);
    HideSurface(g_.stageWindow.toolMenu);
    dirty_ = true;
  }
  if (test_) {
    if (!test_->Pass(in)) EndTestPlay();
    return true;
  }
  if (solve_) WatchSolve();
  const StageDoc before = edits_.doc();
  const int said = says_;
  HandleKeys();
  HandleMouse(in);
  if (!(edits_.doc() == before)) {
    wonScore_ = -1;                  // a changed stage needs a new run
    if (says_ == said) message_.clear();  // "saved" no longer holds, and the line says "*"
  }
  if (dirty_ && !quit_) Draw();
  if (log && Title() != title_) {
    title_ = Title();
    log("title: " + title_);
  }
  in.Deliver(g_);
  return !quit_;
}

void Editor::StartTestPlay() {
  std::string error;
  test_ = std::make_unique<TestPlay>(g_, text_);
  if (!test_->Start(folder_.dir(), shippedDir_, stage_, edits_.doc(), difficulty_, error)) {
    test_.reset();
    Say("test play cannot start: " + error);
    return;
  }
  proof_.clear();
  Say(std::string("test play of stage ") + std::to_string(stage_ + 1) + " at " + DifficultyWord(difficulty_));
}

void Editor::EndTestPlay() {
  const int reason = test_->EndReason();
  const bool won = test_->Won();
  if (won) {
    // Only NORMAL and HARD runs are proofs: those are the levels --verify plays.
    if (difficulty_ != kEasy) proof_ = test_->Recording();
    proofDifficulty_ = difficulty_;
    wonScore_ = test_->Score();
  }
  const int timeLeft = test_->TimeLeft();
  test_.reset();
  // Keys held when play ended must not act in the editor.
  g_.KeyState.fill(0);
  leftDown_ = rightDown_ = false;
  ShowForm(g_.forms, g_.stageWindow);
  HideSurface(g_.stageWindow.field);
  HideSurface(g_.stageWindow.toolMenu);
  if (won) {
    const int par = edits_.doc().record[kRecPar];
    Say("STAGE CLEAR in test play:  score " + std::to_string(wonScore_) + "  |  time left " + ClockText(timeLeft) +
        "  |  par " + std::to_string(par) + "  -  P sets par to this score" +
        (proof_.empty() ? " (an EASY run is kept as no proof)" : ", R keeps the run as the proof"));
  } else {
    static const char* const why[] = {"try lost", "time up", "the stone stopped", "goal"};
    Say(std::string("test play ended: ") + (reason >= 0 && reason <= 3 ? why[reason] : "left with Escape"));
  }
  dirty_ = true;
}

void Editor::StartSolve() {
  if (solve_) {
    Say("the solver is still searching (Esc cancels it)");
    return;
  }
  std::string error;
  solve_ = std::make_unique<SolveRun>();
  solveDoc_ = edits_.doc();
  if (!solve_->Start(folder_.dir(), shippedDir_, stage_, solveDoc_, difficulty_, kSolveBudgetStates, error)) {
    solve_.reset();
    Say("the solver cannot start: " + error);
    return;
  }
  proof_.clear();
  Say(std::string("solver: stage ") + std::to_string(stage_ + 1) + " at " + DifficultyWord(difficulty_) + ", up to " +
      std::to_string(kSolveBudgetStates) + " moments (Esc cancels)");
}

// Every pass while the solver searches: its progress on the message line now and then, and its
// result once it is done.
void Editor::WatchSolve() {
  constexpr int64_t kShowEveryMs = 250;
  if (!solve_->Done()) {
    if (g_.Now % kShowEveryMs == 0) {
      Say("solver: " + std::to_string(solve_->States()) + " of " + std::to_string(kSolveBudgetStates) +
          " moments, the stone's nearest to the goal " + std::to_string(solve_->Nearest()) + " px (Esc cancels)");
    }
    return;
  }
  solve_->Wait();
  const solver::SolveResult& r = solve_->Result();
  const std::string moments = std::to_string(r.progress.states) + " moments";
  if (solve_->Stage() != stage_ || !(solveDoc_ == edits_.doc())) {
    Say("solver: the stage changed while it searched; F6 searches again");
  } else if (r.verdict == solver::Verdict::kWon) {
    proof_ = solve_->ProofText();
    proofDifficulty_ = solve_->Difficulty();
    Say("solver WON:  tools " + std::to_string(r.summary.toolUses) + "  |  score " + std::to_string(r.summary.score) +
        "  |  time left " + ClockText(r.summary.timeLeft) + "  |  " + moments + "  -  R keeps the line as the proof");
  } else if (r.verdict == solver::Verdict::kExhausted) {
    Say("solver: no win: every line of its moves was searched (" + moments + ")");
  } else if (r.verdict == solver::Verdict::kLostAtStart) {
    Say("solver: no win: the stage is lost before any move");
  } else if (r.verdict == solver::Verdict::kBadStage) {
    Say("solver: the stage cannot be played: " + r.why);
  } else {
    Say("solver: no win found within " + moments);
  }
  solve_.reset();
}

void Editor::KeepProof() {
  if (edits_.Modified() && !Save()) return;
  std::string error;
  const std::string path = ProofFilePath(folder_.dir(), stage_, proofDifficulty_);
  if (!MakeFolderFor(path, error) || !WriteFileAtomically(path, proof_, error)) {
    Say("proof not kept: " + error);
    return;
  }
  proof_.clear();
  Say("proof kept: " + path);
}

}  // namespace slidestone::editor
