// Where the program looks for its data and its font: installed (bin/ beside share/slidestone),
// in the build folder (data beside the program), and the system font before a copy of our own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/data_folder.h"

namespace slidestone {
namespace {

namespace fs = std::filesystem;

class DataFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("slidestone-data-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "usr" / "bin");
  }
  void TearDown() override { fs::remove_all(root_); }
  void MakeData(const fs::path& dir) {
    fs::create_directories(dir / "stage");
    fs::create_directories(dir / "pictures");
  }
  fs::path root_;
};

TEST_F(DataFolder, InstalledBesideShareElseBesideTheProgram) {
  const fs::path bin = root_ / "usr" / "bin", share = root_ / "usr" / "share" / "slidestone";
  struct Case {
    const char* what;
    bool installed, beside;
    fs::path expected;
  };
  const Case cases[] = {
      {"nothing anywhere: the program's own folder, so the missing file is named", false, false, bin},
      {"a build folder: data beside the program", false, true, bin},
      {"an installed tree", true, false, share},
      {"both: the installed place wins", true, true, share},
  };
  for (const Case& c : cases) {
    fs::remove_all(root_ / "usr" / "share");
    fs::remove_all(bin / "stage");
    fs::remove_all(bin / "pictures");
    if (c.installed) MakeData(share);
    if (c.beside) MakeData(bin);
    EXPECT_EQ(FindDataFolder(bin.string()), c.expected.string()) << c.what;
  }
  // A folder with stages but no pictures is not the data.
  fs::remove_all(root_ / "usr" / "share");
  fs::create_directories(share / "stage");
  EXPECT_EQ(FindDataFolder(bin.string()), bin.string());
}

TEST_F(DataFolder, SystemFontFirstThenOurOwnCopy) {
  const fs::path data = root_ / "data", system = root_ / "system" / "Sans.ttf";
  const fs::path own = data / "fonts" / "Sans.ttf";
  fs::create_directories(own.parent_path());
  fs::create_directories(system.parent_path());
  std::ofstream(own) << "font";
  EXPECT_EQ(TextFontFile(data.string(), system.string()), own.string()) << "no system font";
  std::ofstream(system) << "font";
  EXPECT_EQ(TextFontFile(data.string(), system.string()), system.string()) << "both";
  fs::remove(own);
  fs::remove(system);
  EXPECT_EQ(TextFontFile(data.string(), system.string()), system.string()) << "neither";
  EXPECT_TRUE(fs::is_regular_file(SystemTextFont())) << SystemTextFont();
}

}  // namespace
}  // namespace slidestone
