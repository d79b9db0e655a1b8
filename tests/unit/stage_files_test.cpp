// Stage folders that break the rules: more items, enemies and speed tiles than the tables hold,
// missing and malformed files, and a stage index outside the table. Each case writes its own
// folder from the fixture folder with one file changed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "audio/audio.h"
#include "presentation/presentation.h"
#include "stage_test_sheets.h"
#include "stagedata/data_reader.h"
#include "play/play.h"
#include "presentation/game.h"
#include "stagedata/stage_loader.h"

namespace slidestone {
namespace {

namespace fs = std::filesystem;

class StageFilesTest : public testing::StageFolderTest {};

class StageFolder {
 public:
  explicit StageFolder(const std::string& name)
      : dir_(fs::temp_directory_path() / ("slidestone_" + name + "_" + std::to_string(::getpid()))) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    for (const char* f : {"xydata.dat", "messagedata.dat", "map1.dat", "Aimap1.dat"}) {
      fs::copy_file(fs::path(testing::kStageScreenFolder) / f, dir_ / f);
    }
  }
  ~StageFolder() { fs::remove_all(dir_); }
  std::string Path() const { return dir_.string(); }
  void Write(const std::string& file, const std::string& text) {
    std::ofstream(dir_ / file, std::ios::trunc) << text;
  }
  void Remove(const std::string& file) { fs::remove(dir_ / file); }

 private:
  fs::path dir_;
};

// 12 rows of 19 codes; cell(col, row) gives each code.
template <typename F>
std::string Grid(F cell) {
  std::ostringstream out;
  for (int r = 0; r < 12; ++r) {
    for (int c = 0; c < 19; ++c) out << (c ? "," : "") << cell(c, r);
    out << "\n";
  }
  return out.str();
}

TEST_F(StageFilesTest, ExtraItemsEnemiesAndSpeedTilesAreLeftOutWithOneWarningPerFile) {
  StageFolder dir("limits");
  // 38 speed tiles in rows 4 and 5; 12 goal and bucket cells in row 8; 12 enemies in row 9.
  dir.Write("map1.dat", Grid([](int, int r) { return r == 4 || r == 5 ? 11 : r >= 10 ? 1 : 0; }));
  dir.Write("Aimap1.dat", Grid([](int c, int r) {
              if (r == 8 && c < 12) return c % 2 ? 21 : 20;
              if (r == 9 && c < 12) return 40 + c % 3;
              return 0;
            }));
  g.stageDir = dir.Path();
  ::testing::internal::CaptureStderr();
  StartAt(0);
  const std::string err = ::testing::internal::GetCapturedStderr();

  EXPECT_EQ(g.SpeedTileCount, 31);
  EXPECT_EQ(g.SpeedTiles[30].col, 11);
  EXPECT_EQ(g.SpeedTiles[30].row, 5);
  EXPECT_EQ(g.Map(11, 5), kSpeedTile);
  EXPECT_EQ(g.Map(12, 5), kEmptyCell) << "a speed tile without a record is left empty";
  EXPECT_EQ(g.ItemCount, 11);
  EXPECT_EQ(g.AiMap(10, 8), kGoal);
  EXPECT_EQ(g.AiMap(11, 8), kNoObject);
  EXPECT_EQ(g.EnemyCount, 11);
  EXPECT_EQ(g.Enemies[10].x, 320);
  EXPECT_EQ(g.AiMap(11, 9), kNoObject);

  int lines = 0;
  for (char ch : err) lines += ch == '\n';
  EXPECT_EQ(lines, 2) << err;
  EXPECT_NE(err.find("map1.dat: more than 31 speed tiles"), std::string::npos) << err;
  EXPECT_NE(err.find("Aimap1.dat: more than 11 goal and bucket cells and 11 enemies"),
            std::string::npos)
      << err;
}

// What a broken stage folder says: the file, the line, the field, what was wrong.
TEST_F(StageFilesTest, BrokenFilesEndWithAMessageNamingTheFileLineAndField) {
  struct Case {
    const char* what;
    const char* file;      // the file to change
    std::string text;      // its new text; empty removes it
    int startStage;
    const char* expected;  // part of the message
  } cases[] = {
      {"missing map", "map1.dat", "", 0, "map1.dat: cannot open the file"},
      {"missing enemy map", "Aimap1.dat", "", 0, "Aimap1.dat: cannot open the file"},
      {"stage with no files", "map1.dat", "", 1, "map2.dat: cannot open the file"},
      {"letter in a map", "map1.dat", Grid([](int c, int r) { return c == 4 && r == 2 ? "x" : "0"; }),
       0, "map1.dat:3: field 43: expected a number (code of column 4, row 2), found 'x'"},
      {"short map", "map1.dat", "1,1,1\n", 0,
       "field 4: expected a number (code of column 3, row 0), found the end of the file"},
      {"short enemy map", "Aimap1.dat", Grid([](int, int r) { return r < 11 ? "0" : ""; }), 0,
       "expected a number (code of column 0, row 11)"},
      {"missing stage table", "xydata.dat", "", 0, "xydata.dat: cannot open the file"},
      {"short stage table", "xydata.dat", "1,2,3,4,5,6,1,0,0,0,100\n1,2\n", 0,
       "field 14: expected a number (stone x of stage record 2), found the end of the file"},
      {"quote left open", "messagedata.dat", "one\n\"two, three\n", 0,
       "messagedata.dat:2: field 2: expected a text (message 1), found a quote that is never closed"},
      {"too few messages", "messagedata.dat", "only\n", 0,
       "expected a text (message 1), found the end of the file"},
  };
  for (const Case& c : cases) {
    StageFolder dir("broken");
    if (c.text.empty()) {
      dir.Remove(c.file);
    } else {
      dir.Write(c.file, c.text);
    }
    g.stageDir = dir.Path();
    g.StartStage = c.startStage;
    try {
      NewGame(g, OpenStageHud);
      ADD_FAILURE() << c.what << ": loaded without complaint";
    } catch (const DataError& e) {
      EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos)
          << c.what << ": " << e.what();
    }
  }
}

TEST_F(StageFilesTest, AStageOutsideTheTableIsAnErrorNotAReadPastItsEnd) {
  StartAt(0);
  for (int32_t stage : {-1, 23, 100000}) {
    g.Stage = stage;
    EXPECT_THROW(LoadStage(g, OpenStageHud), DataError) << stage;
  }
}

}  // namespace
}  // namespace slidestone
