// Writing stage files: the text the editor saves must read back to the very same values, the
// shipped stage folder must come back byte for byte, and a save that cannot be made must leave
// the old file untouched.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "stagedata/data_reader.h"
#include "stagedata/stage_format.h"

namespace slidestone {
namespace {

namespace fs = std::filesystem;

const std::string kShipped = SLIDESTONE_SOURCE_DIR "/data/stage";

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

struct TempDir {
  fs::path dir = fs::temp_directory_path() / ("slidestone_writer_" + std::to_string(::getpid()));
  TempDir() {
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~TempDir() {
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir);
  }
  std::string File(const std::string& name) const { return (dir / name).string(); }
};

// Opening and saving each shipped stage without edits gives files that load to the same tables;
// a folder in the writer's own layout (the shipped one is, today) comes back byte for byte.
TEST(StageWriter, SavedUneditedStagesLoadTheSame) {
  TempDir tmp;
  std::string error;
  for (int stage = 0; stage < kStageCount; ++stage) {
    for (const std::string& path : {MapFilePath(kShipped, stage), EnemyMapFilePath(kShipped, stage)}) {
      const CodeRows rows = ReadCodeFile(path);
      ASSERT_TRUE(WriteFileAtomically(tmp.File("map.dat"), CodeFileText(rows), error)) << error;
      EXPECT_EQ(ReadCodeFile(tmp.File("map.dat")), rows) << path;
    }
  }
  const StageTableValues table = ReadStageTableFile(kShipped);
  ASSERT_TRUE(WriteFileAtomically(StageTablePath(tmp.dir.string()), StageTableText(table), error));
  EXPECT_EQ(ReadStageTableFile(tmp.dir.string()), table);
  const auto messages = ReadMessageFile(kShipped);
  ASSERT_TRUE(WriteFileAtomically(MessageFilePath(tmp.dir.string()), MessageFileText(messages), error));
  EXPECT_EQ(ReadMessageFile(tmp.dir.string()), messages);
}

TEST(StageWriter, WritersLayoutComesBackByteForByte) {
  const std::string dir = SLIDESTONE_SOURCE_DIR "/tests/fixtures/editor_layout";
  EXPECT_EQ(CodeFileText(ReadCodeFile(MapFilePath(dir, 0))), Slurp(MapFilePath(dir, 0)));
  EXPECT_EQ(CodeFileText(ReadCodeFile(EnemyMapFilePath(dir, 0))), Slurp(EnemyMapFilePath(dir, 0)));
  EXPECT_EQ(StageTableText(ReadStageTableFile(dir)), Slurp(StageTablePath(dir)));
  EXPECT_EQ(MessageFileText(ReadMessageFile(dir)), Slurp(MessageFilePath(dir)));
}

// Whatever a grid holds, the saved file reads back to it: wide, negative and unknown codes too.
TEST(StageWriter, CodesReadBackExactly) {
  TempDir tmp;
  CodeRows rows{};
  const int32_t samples[] = {0, 1, 11, 42, 50, -1, -12, 123, 2147483647, -2147483647 - 1};
  int i = 0;
  for (auto& row : rows)
    for (int32_t& c : row) c = samples[size_t(i++) % std::size(samples)];
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(tmp.File("map1.dat"), CodeFileText(rows), error)) << error;
  EXPECT_EQ(ReadCodeFile(tmp.File("map1.dat")), rows);

  StageTableValues table = ReadStageTableFile(kShipped);
  table[3][kRecTime] = -1000000;
  table[20][kRecPar] = -7;  // records after the played ones may hold anything
  ASSERT_TRUE(WriteFileAtomically(tmp.File("xydata.dat"), StageTableText(table), error));
  EXPECT_EQ(ReadStageTableFile(tmp.dir.string()), table);
}

// Texts keep their commas; a quote inside a text cannot be kept in a quoted field, so it
// becomes an apostrophe rather than shifting every later message. Whatever the editor holds,
// the file written is one the game reads back.
TEST(StageWriter, MessagesKeepCommasAndNeverShift) {
  TempDir tmp;
  std::array<std::string, kMessageCount> messages;
  for (int n = 0; n < kMessageCount; ++n) messages[size_t(n)] = "text " + std::to_string(n);
  messages[0] = "Close, but not quite";
  messages[1] = "a \"quoted\" word";
  messages[2] = "";
  messages[3] = "tab\there\x7F";
  messages[4] = std::string(kMessageMaxBytes - 1, 'a') + "\xC3\xA9 and more";  // the é would be cut
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(tmp.File("messagedata.dat"), MessageFileText(messages), error));
  const auto back = ReadMessageFile(tmp.dir.string());
  EXPECT_EQ(back[0], "Close, but not quite");
  EXPECT_EQ(back[1], "a 'quoted' word");
  EXPECT_EQ(back[2], "");
  EXPECT_EQ(back[3], "tab here ") << "control bytes would make the whole file unreadable";
  EXPECT_EQ(back[4], std::string(kMessageMaxBytes - 1, 'a')) << "cut to the limit, never inside a character";
  EXPECT_EQ(back[60], "text 60");
}

// A save that cannot be finished reports it with the file's name, leaves what was there, and
// leaves no temporary file behind. Root may write into a read-only folder, so there the save is
// made to fail at its last step instead: a folder stands where the file should go.
TEST(StageWriter, FailedSaveLeavesTheOldFileAndNoLitter) {
  TempDir tmp;
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(tmp.File("map1.dat"), "old\n", error));
  fs::create_directories(tmp.dir / "Aimap1.dat" / "inside");
  EXPECT_FALSE(WriteFileAtomically(tmp.File("Aimap1.dat"), "new\n", error));
  EXPECT_NE(error.find("Aimap1.dat"), std::string::npos) << error;
  if (::geteuid() != 0) {
    fs::permissions(tmp.dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFileAtomically(tmp.File("map1.dat"), "new\n", error));
    EXPECT_NE(error.find("map1.dat"), std::string::npos) << error;
    fs::permissions(tmp.dir, fs::perms::owner_all);
  }
  EXPECT_EQ(Slurp(tmp.File("map1.dat")), "old\n");
  EXPECT_TRUE(fs::is_directory(tmp.dir / "Aimap1.dat" / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(tmp.dir), fs::directory_iterator{}), 2);
}

}  // namespace
}  // namespace slidestone
