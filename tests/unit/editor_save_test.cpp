// The editor's own save: a save that cannot be written says so in the panel and keeps every
// edit; the next save that can be written writes them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "editor/editor.h"
#include "shell/input.h"
#include "stagedata/game.h"

namespace slidestone::editor {
namespace {

namespace fs = std::filesystem;

struct EditorRig {
  fs::path dir = fs::temp_directory_path() / ("slidestone_editor_save_" + std::to_string(::getpid()));
  Game g;
  Input in;
  Editor editor{g, nullptr};
  EditorRig() {
    fs::remove_all(dir);
    CreateForms(g.forms);
    std::string error;
    EXPECT_TRUE(editor.Open(dir.string(), "", 0, error)) << error;
  }
  ~EditorRig() { fs::remove_all(dir); }
  void Pass() { editor.Pass(in); }
  void Click(int x, int y) {
    in.Push({false, 0, true, x, y});
    in.Push({true, kMouseLeft, false, x, y});
    Pass();
    in.Push({false, kMouseLeft, false, x, y});
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

TEST(EditorSave, AFailedSaveKeepsTheEditsAndSaysSo) {
  EditorRig rig;
  rig.Pass();
  rig.Click(kFieldX + 32 * 4 + 5, kFieldY + 32 * 10 + 5);  // a brick at (4, 10)
  ASSERT_EQ(rig.editor.edits().doc().map[10][4], 1);
  ASSERT_TRUE(rig.editor.edits().Modified());

  // A folder where the map file should go: the save cannot be finished, whoever runs it.
  fs::remove(rig.dir / "map1.dat");
  fs::create_directories(rig.dir / "map1.dat" / "in-the-way");
  rig.Chord(17, 'S');
  EXPECT_NE(rig.editor.message().find("SAVE FAILED"), std::string::npos) << rig.editor.message();
  EXPECT_NE(rig.editor.message().find("map1.dat"), std::string::npos) << rig.editor.message();
  EXPECT_TRUE(rig.editor.edits().Modified());
  EXPECT_EQ(rig.editor.edits().doc().map[10][4], 1);

  fs::remove_all(rig.dir / "map1.dat");
  rig.Chord(17, 'S');
  EXPECT_EQ(rig.editor.message().rfind("saved stage 1", 0), 0u) << rig.editor.message();
  EXPECT_FALSE(rig.editor.edits().Modified());
  EXPECT_TRUE(fs::is_regular_file(rig.dir / "map1.dat"));
}

}  // namespace
}  // namespace slidestone::editor
