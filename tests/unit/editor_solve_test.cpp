// F6 in the stage editor: the solver searches on its own thread while the editor goes on, its
// win is kept as the proof with R, and Escape stops it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "editor/editor.h"
#include "presentation/game.h"
#include "shell/input.h"

namespace slidestone::editor {
namespace {

namespace fs = std::filesystem;

constexpr int kF6 = 117;

// The editor over a copy of a stage folder, at stage `stage` (0-17).
struct SolveRig {
  fs::path dir = fs::temp_directory_path() / ("slidestone_editor_solve_" + std::to_string(::getpid()));
  Game g;
  Input in;
  Editor editor{g, nullptr};
  SolveRig(const char* folder, int stage) {
    fs::remove_all(dir);
    fs::copy(fs::path(SLIDESTONE_SOURCE_DIR) / folder, dir, fs::copy_options::recursive);
    CreateForms(g.forms);
    std::string error;
    EXPECT_TRUE(editor.Open(dir.string(), "", stage, error)) << error;
    Pass();
  }
  ~SolveRig() { fs::remove_all(dir); }
  void Pass() {
    editor.Pass(in);
    ++g.Now;
  }
  void Tap(int key) {
    in.Push({true, key});
    Pass();
    in.Push({false, key});
    Pass();
  }
  // Passes until the message line says `what`, for at most a minute of real time.
  bool PassUntil(const std::string& what) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (editor.message().find(what) == std::string::npos) {
      if (std::chrono::steady_clock::now() > end) return false;
      Pass();
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
  }
};

// The solver's small fixture: the stone heads for a left arrow that the player must sweep in time.
TEST(EditorSolve, AWinIsSummedUpAndKeptAsTheProofWithR) {
  SolveRig rig("tests/fixtures/solver_small", 0);
  rig.Tap(kF6);
  EXPECT_EQ(rig.editor.message().rfind("solver: stage 1 at NORMAL", 0), 0u) << rig.editor.message();
  ASSERT_TRUE(rig.PassUntil("solver WON")) << rig.editor.message();
  EXPECT_NE(rig.editor.message().find("tools 1"), std::string::npos) << rig.editor.message();
  rig.Tap('R');
  EXPECT_EQ(rig.editor.message().rfind("proof kept", 0), 0u) << rig.editor.message();
  std::ifstream proof(rig.dir / "proofs/01-normal.script");
  std::ostringstream text;
  text << proof.rdbuf();
  EXPECT_NE(text.str().find("\n# play\n"), std::string::npos) << text.str();
  EXPECT_NE(text.str().find("press SPACE"), std::string::npos) << text.str();
}

// Stage 12 takes the solver a minute or more: it is surely still searching when Escape comes.
TEST(EditorSolve, EscapeStopsTheSearchAndTheEditorStaysOpen) {
  SolveRig rig("data/stage", 11);
  rig.Tap(kF6);
  rig.Tap(kKeyEscape);
  EXPECT_EQ(rig.editor.message().rfind("solver cancelled", 0), 0u) << rig.editor.message();
  // Escape again, with nothing to stop and nothing unsaved, closes the editor as always.
  rig.in.Push({true, kKeyEscape});
  EXPECT_FALSE(rig.editor.Pass(rig.in) && rig.editor.Pass(rig.in));
}

}  // namespace
}  // namespace slidestone::editor
