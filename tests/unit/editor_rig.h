// The stage editor on a fresh folder of its own, driven through its input as the window would:
// clicks, drags and key chords, a pass of the editor each.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "editor/editor.h"
#include "presentation/game.h"
#include "shell/input.h"

namespace slidestone::editor {

struct EditorRig {
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("slidestone_editor_rig_" + std::to_string(::getpid()));
  Game g;
  Input in;
  Editor editor{g, nullptr};
  EditorRig() {
    std::filesystem::remove_all(dir);
    CreateForms(g.forms);
    std::string error;
    EXPECT_TRUE(editor.Open(dir.string(), "", 0, error)) << error;
  }
  ~EditorRig() { std::filesystem::remove_all(dir); }
  void Pass() { editor.Pass(in); }
  // The middle of a cell of the field on the screen.
  static int CellX(int col) { return kFieldX + 32 * col + 16; }
  static int CellY(int row) { return kFieldY + 32 * row + 16; }
  void Click(int x, int y) {
    in.Push({false, 0, true, x, y});
    in.Push({true, kMouseLeft, false, x, y});
    Pass();
    in.Push({false, kMouseLeft, false, x, y});
    Pass();
    Pass();
  }
  // The button held from one cell to another, the pointer reaching the second in one move, as a
  // quick hand does between two passes.
  void Drag(int fromCol, int fromRow, int toCol, int toRow, int button = kMouseLeft) {
    in.Push({false, 0, true, CellX(fromCol), CellY(fromRow)});
    in.Push({true, button, false, CellX(fromCol), CellY(fromRow)});
    Pass();
    Pass();
    in.Push({false, 0, true, CellX(toCol), CellY(toRow)});
    Pass();
    Pass();
    in.Push({false, button, false, CellX(toCol), CellY(toRow)});
    Pass();
    Pass();
  }
  void Chord(int a, int b) {
    in.Push({true, a});
    in.Push({true, b});
    Pass();
    in.Push({false, b});
    in.Push({false, a});
    Pass();
    Pass();
  }
};

}  // namespace slidestone::editor
