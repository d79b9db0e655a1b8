// The editor's own save: a save that cannot be written says so in the panel and keeps every
// edit; the next save that can be written writes them; a save killed part way; saved modes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "editor_rig.h"
#include "shell/script.h"
#include "stagedata/codes.h"

namespace slidestone::editor {
namespace {

namespace fs = std::filesystem;

TEST(EditorSave, AFailedSaveKeepsTheEditsAndSaysSo) {
  EditorRig rig;
  rig.Pass();
  rig.Click(kFieldX + 32 * 4 + 5, kFieldY + 32 * 10 + 5);  // a brick at (4, 10)
  ASSERT_EQ(rig.editor.edits().doc().map[10][4], kBrick);
  ASSERT_TRUE(rig.editor.edits().Modified());

  // A folder where the map file should go: the save cannot be finished, whoever runs it.
  fs::remove(rig.dir / "map1.dat");
  fs::create_directories(rig.dir / "map1.dat" / "in-the-way");
  rig.Chord(KeyCodeFromName("CTRL"), 'S');
  EXPECT_NE(rig.editor.message().find("SAVE FAILED"), std::string::npos) << rig.editor.message();
  EXPECT_NE(rig.editor.message().find("map1.dat"), std::string::npos) << rig.editor.message();
  EXPECT_TRUE(rig.editor.edits().Modified());
  EXPECT_EQ(rig.editor.edits().doc().map[10][4], kBrick);

  fs::remove_all(rig.dir / "map1.dat");
  rig.Chord(KeyCodeFromName("CTRL"), 'S');
  EXPECT_EQ(rig.editor.message().rfind("saved stage 1", 0), 0u) << rig.editor.message();
  EXPECT_FALSE(rig.editor.edits().Modified());
  EXPECT_TRUE(fs::is_regular_file(rig.dir / "map1.dat"));
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void Put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A stage folder of the editor's own making, removed at the end.
struct FolderRig {
  fs::path parent = fs::temp_directory_path() / ("slidestone_stage_save_" + std::to_string(::getpid()));
  fs::path dir = parent / "stages";
  StageFolder folder;
  FolderRig() {
    fs::remove_all(parent);
    fs::create_directories(parent);
    std::string error;
    EXPECT_TRUE(folder.Open(dir.string(), "", error)) << error;
  }
  ~FolderRig() { fs::remove_all(parent); }
  std::vector<std::string> Beside() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(parent)) names.push_back(e.path().filename().string());
    return names;
  }
};

StageDoc Drawn(int code) {
  StageDoc doc = EmptyStage();
  doc.map[10][3] = code;
  doc.objects[4][5] = code;
  doc.record[kRecTime] = 1000 + code;
  return doc;
}

// One number out of range in stage 5's record: every other stage opens, and a save of stage 1
// changes its own record and keeps the rest of the table byte for byte; a table whose records
// cannot be told apart is not saved into at all.
TEST(StageFolderSave, OneBadRecordSpoilsOnlyItsStageAndAnUnreadableTableIsNeverRewritten) {
  FolderRig rig;
  std::string table = Slurp(rig.dir / "xydata.dat");
  std::vector<std::string> lines;
  for (std::istringstream in(table); std::getline(in, table);) lines.push_back(table);
  lines[4] = "99999" + lines[4].substr(lines[4].find(','));
  std::string text = "\xEF\xBB\xBF";
  for (const std::string& l : lines) text += l + " \r\n";
  Put(rig.dir / "xydata.dat", text);

  StageDoc doc;
  std::string error;
  EXPECT_TRUE(rig.folder.Load(0, doc, error)) << error;
  EXPECT_TRUE(rig.folder.Load(17, doc, error)) << error;
  EXPECT_FALSE(rig.folder.Load(4, doc, error));
  EXPECT_NE(error.find("xydata.dat:5: field 45: expected player x of stage record 5 from 0 to 576, found 99999"),
            std::string::npos) << error;

  const StageDoc drawn = Drawn(1);
  ASSERT_TRUE(rig.folder.Save(0, drawn, error)) << error;
  std::string want = text;
  want.replace(3, lines[0].size(), StageRecordText(drawn.record));
  EXPECT_EQ(Slurp(rig.dir / "xydata.dat"), want);
  ASSERT_TRUE(rig.folder.Load(0, doc, error)) << error;
  EXPECT_EQ(doc, drawn);

  // A quote never closed in record 3: nothing after it can be placed.
  Put(rig.dir / "xydata.dat", lines[0] + "\n" + lines[1] + "\n\"" + lines[2] + "\n" + lines[3] + "\n");
  const std::string broken = Slurp(rig.dir / "xydata.dat"), map = Slurp(rig.dir / "map1.dat");
  EXPECT_FALSE(rig.folder.Save(0, Drawn(2), error));
  EXPECT_NE(error.find("the stage table cannot be read, so nothing was written"), std::string::npos) << error;
  EXPECT_NE(error.find("xydata.dat:3:"), std::string::npos) << error;
  EXPECT_EQ(Slurp(rig.dir / "xydata.dat"), broken);
  EXPECT_EQ(Slurp(rig.dir / "map1.dat"), map);
  fs::remove(rig.dir / "xydata.dat");
  EXPECT_FALSE(rig.folder.Save(0, Drawn(2), error));
  EXPECT_FALSE(fs::exists(rig.dir / "xydata.dat"));
}

// Stops a save (or the making of a folder) after its step number `stop` in a child process, as
// a kill would; true when the child ran to its end without being stopped.
template <typename Work>
bool RunStoppedAfter(int stop, StageFolder& folder, Work work) {
  const pid_t child = ::fork();
  if (child == 0) {
    int steps = 0;
    folder.afterStep = [&](const std::string&) {
      if (++steps == stop) ::_exit(3);
    };
    ::_exit(work() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_NE(WEXITSTATUS(status), 1) << "the save failed";
  return WEXITSTATUS(status) == 0;
}

// Killed at every step of a save, the folder holds the stage entirely as it was or entirely as
// saved; what the killed save left beside it is gone at the next opening.
TEST(StageFolderSave, AKillAtAnyStepLeavesTheOldStageOrTheNewOneWhole) {
  FolderRig rig;
  std::string error;
  const StageDoc before = Drawn(1), after = Drawn(2);
  ASSERT_TRUE(rig.folder.Save(2, before, error)) << error;
  int steps = 0;
  for (bool finished = false; !finished;) {
    ASSERT_LT(++steps, 20);
    finished = RunStoppedAfter(steps, rig.folder, [&] { return rig.folder.Save(2, after, error); });
    StageDoc seen;
    ASSERT_TRUE(rig.folder.Load(2, seen, error)) << error;
    EXPECT_TRUE(seen == before || seen == after) << "stopped after step " << steps;
    EXPECT_EQ(seen == after, finished || steps >= 5) << "stopped after step " << steps;
    StageFolder reopened;
    ASSERT_TRUE(reopened.Open(rig.dir.string(), "", error)) << error;
    EXPECT_EQ(rig.Beside(), std::vector<std::string>{"stages"}) << "stopped after step " << steps;
    ASSERT_TRUE(rig.folder.Save(2, before, error)) << error;
  }
  EXPECT_EQ(steps, 7);  // copied, three files, exchanged, cleaned: each was stopped after once

  // A new folder stopped part way is never there half made: made, 38 files, renamed.
  const std::string fresh = (rig.parent / "fresh").string();
  for (const int stop : {1, 2, 20, 39, 40, 41}) {
    StageFolder made;
    const bool finished = RunStoppedAfter(stop, made, [&] { return made.Open(fresh, "", error); });
    EXPECT_EQ(finished, stop == 41);
    EXPECT_EQ(fs::exists(fresh), stop >= 40) << "stopped after step " << stop;
    StageFolder reopened;
    ASSERT_TRUE(reopened.Open(fresh, "", error)) << error;
    StageDoc seen;
    EXPECT_TRUE(reopened.Load(17, seen, error)) << error;
    EXPECT_EQ(reopened.MessagesFault(), "");
    EXPECT_EQ(rig.Beside().size(), 2u) << "stopped after step " << stop;
    fs::remove_all(fresh);
  }
}

// Saved stage files, and the folder made for them, get the mode the user's umask gives any new
// file, as files written in place always had: 0644 under the usual 022, not mkstemp's 0600.
std::string Octal(fs::perms mode) {
  std::ostringstream text;
  text << std::oct << static_cast<unsigned>(mode);
  return text.str();
}

TEST(StageFolderSave, FilesAndFolderGetTheModeTheUmaskGives) {
  struct Case {
    mode_t mask, file, folder;
  } cases[] = {{022, 0644, 0755}, {002, 0664, 0775}, {077, 0600, 0700}};
  for (const Case& c : cases) {
    const mode_t before = ::umask(c.mask);
    {
      FolderRig rig;
      std::string error;
      ASSERT_TRUE(rig.folder.Save(0, Drawn(1), error)) << error;
      EXPECT_EQ(Octal(fs::status(rig.dir).permissions()), Octal(fs::perms(c.folder))) << "umask " << std::oct << std::showbase << c.mask;
      int files = 0;
      for (const auto& e : fs::recursive_directory_iterator(rig.dir)) {
        if (!e.is_regular_file()) continue;
        ++files;
        EXPECT_EQ(Octal(e.status().permissions()), Octal(fs::perms(c.file))) << e.path() << " umask " << std::oct << std::showbase << c.mask;
      }
      EXPECT_GT(files, 36);
    }
    ::umask(before);
  }
}

}  // namespace
}  // namespace slidestone::editor
