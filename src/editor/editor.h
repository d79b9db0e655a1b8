// The stage editor: `slidestone --edit DIR`. It runs in place of the game-state loop, one pass
// per virtual millisecond like the game, reads keys and the mouse from the same input, draws
// with the game's own sheets on the stage window, and plays the stage under edit through the
// game's real loop.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/stage_checks.h"
#include "editor/stage_edits.h"
#include "editor/stage_folder.h"
#include "graphics/surface.h"

namespace slidestone {
struct Game;
class Input;
class TextPainter;
}  // namespace slidestone

namespace slidestone::editor {

class TestPlay;
class SolveRun;

// Where things are on the editor's 640 x 480 screen.
constexpr int kFieldX = 16, kFieldY = 96;  // the field, rows 0-11, to the bottom of the screen
constexpr int kPaletteX = 16, kPaletteY = 4, kPaletteStep = 36;
constexpr int kPropsY = 40;
constexpr int kMessageY = 74, kMessageH = 20;

// Tenths of a second as the clock shows them: m:ss:t.
std::string ClockText(int32_t tenths);
// Play builds speed tiles as plain ice and gives them their live or spent look at the first
// glint; the editor shows that look at once, on the field drawn by DrawStageField.
void ShowSpeedTileLooks(Game& g, const CodeRows& map);
// What the status line says while the pointer is over a palette piece: key, name, what it does.
std::string HoverLine(int tool);

class Editor {
 public:
  Editor(Game& g, TextPainter* text);
  ~Editor();

  // Opens the folder (made when missing, with messages from `shippedDir`) at stage 0-17.
  bool Open(const std::string& dir, const std::string& shippedDir, int stage, std::string& error);
  // One pass; false once the editor is to close.
  bool Pass(Input& in);
  // Every message the panel shows is also handed here (scripts print them).
  std::function<void(const std::string&)> log;

  // The window's title: the stage and the folder, with "*" while there are unsaved changes.
  std::string Title() const;

  // For tests.
  const StageEdits& edits() const { return edits_; }
  int stage() const { return stage_; }
  const std::string& message() const { return message_; }

 private:
  enum class Ask { None, Quit, ChangeStage };
  enum class Drag { None, Paint, Erase, Select, Move };

  void HandleKeys();
  void AnswerKeys();
  bool PanelKeys();
  void CancelSolve();
  void EscapeKey();
  void BrokenStageKeys();
  void ParFromWin();
  void EditKeys();
  void CtrlKeys();
  void Paste();
  void PlainKeys();
  void HandleMouse(const Input& in);
  bool Key(int code);  // a fresh press of the key, consumed
  void PressInField(int col, int row, bool left);
  void PressInPanel(int x, int y, bool left);
  void DragTo(int col, int row);
  void Release();
  void Say(const std::string& text);

  void GoToStage(int stage);
  void LoadStage(int stage);
  bool Save();
  void AnswerPrompt(bool save);
  void StartTestPlay();
  void EndTestPlay();
  void KeepProof();
  void StartSolve();
  void WatchSolve();

  void Draw();
  void DrawField();
  void DrawPalette();
  void DrawProperties();
  void DrawMessageLine();
  void DrawErrorPanel();
  void DrawHelp();
  void DrawChecks();
  void BuildPaletteIcons();
  void Text(int x, int y, int w, int h, const std::string& text);

  Game& g_;
  TextPainter* text_;
  StageFolder folder_;
  std::string shippedDir_;
  int stage_ = 0;
  StageEdits edits_;
  std::string loadError_;  // the stage's files did not load: the error panel is up
  Clip clip_;
  int tool_ = 0;
  bool grid_ = true, help_ = false, listChecks_ = false, quit_ = false, shown_ = false, dirty_ = true;
  int difficulty_ = 1;
  Ask ask_ = Ask::None;
  int pendingStage_ = 0;
  std::string message_;
  std::vector<CheckResult> checks_;

  // Mouse.
  bool leftDown_ = false, rightDown_ = false;
  int hoverCol_ = -1, hoverRow_ = -1;
  int hoverTool_ = -1;  // the palette piece under the pointer
  Drag drag_ = Drag::None;
  int anchorCol_ = 0, anchorRow_ = 0, lastCol_ = 0, lastRow_ = 0;

  // Test play, and a won run waiting to be kept as the stage's proof.
  std::unique_ptr<TestPlay> test_;
  // The solver (F6) on a copy of the stage as it was when it started.
  std::unique_ptr<SolveRun> solve_;
  StageDoc solveDoc_;
  std::string proof_;
  int proofDifficulty_ = 1;
  int wonScore_ = -1;  // the stage score of that run until the stage changes; P makes it the par
  int says_ = 0;       // messages said so far: an edit with nothing said clears an old one
  std::string title_;  // as last handed to the log

  Surface paletteIcons_;
};

}  // namespace slidestone::editor
