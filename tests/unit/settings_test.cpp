// The high-score store: an INI file per application, saved atomically, read with care.
#include <gtest/gtest.h>
#include <signal.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "audio/audio.h"
#include "frontend/frontend.h"
#include "platform/settings_file.h"
#include "shell/startup.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

namespace fs = std::filesystem;

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("slidestone-settings-" + std::to_string(::getpid()) + "-" + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string File(const std::string& name = "settings.ini") const { return (dir_ / name).string(); }
  // Temporary files a save made (each save uses one of its own, "settings.ini.tmp.XXXXXX").
  int TemporaryFiles() const {
    int n = 0;
    for (const auto& e : fs::directory_iterator(dir_)) {
      n += e.path().filename().string().rfind("settings.ini.tmp.", 0) == 0;
    }
    return n;
  }
  static void Put(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // What start-up makes of the file as the high score.
  int32_t HighScoreAtStartUp(const std::string& path) {
    IniSettings store(path);
    RecordingAudio audio;
    auto g = std::make_unique<Game>();
    CreateForms(g->forms);
    g->settings = &store;
    g->audio = &audio;
    g->HighScore = 777;
    StartUp(*g);
    return g->HighScore;
  }

  fs::path dir_;
};

TEST_F(SettingsFile, MissingFileOrKeyReadsNothingAndStartsAtZero) {
  IniSettings store(File());
  EXPECT_EQ(store.Read("VbApp", "score", "high"), std::nullopt);
  EXPECT_EQ(HighScoreAtStartUp(File()), 0);
  EXPECT_FALSE(fs::exists(File())) << "reading must not create the file";

  Put(File(), "[score]\nlow=5\n[other]\nhigh=9\n");
  EXPECT_EQ(store.Read("VbApp", "score", "high"), std::nullopt);
  EXPECT_EQ(HighScoreAtStartUp(File()), 0);
}

TEST_F(SettingsFile, BadStoredValuesReadAsZeroAndLeaveTheFileAlone) {
  const struct {
    const char* text;
    int32_t expected;
  } cases[] = {
      {"1234", 1234},        {" 42 ", 42},          {"-17", -17},
      {"abc", 0},            {"12abc", 0},          {"", 0},
      {"2147483647", 2147483647}, {"2147483648", 0}, {"99999999999999999999", 0},
      {"-2147483648", -2147483647 - 1}, {"1.5", 0},
  };
  for (const auto& c : cases) {
    const std::string text = std::string("; kept as it is\n[score]\nhigh=") + c.text + "\r\n";
    Put(File(), text);
    EXPECT_EQ(HighScoreAtStartUp(File()), c.expected) << "stored '" << c.text << "'";
    EXPECT_EQ(Get(File()), text) << "start-up must not rewrite the file";
  }
}

TEST_F(SettingsFile, SaveReplacesTheValueAndKeepsEverythingElse) {
  Put(File(), "; my notes\n[window]\nscale=2\n\n[score]\nhigh=abc\nname=ice\n");
  IniSettings store(File());
  ASSERT_TRUE(store.Write("VbApp", "score", "high", "5000"));
  EXPECT_EQ(Get(File()), "; my notes\n[window]\nscale=2\n\n[score]\nhigh=5000\nname=ice\n");
  EXPECT_EQ(store.Read("VbApp", "score", "high"), "5000");
  EXPECT_EQ(store.Read("VbApp", "window", "scale"), "2");
  EXPECT_EQ(TemporaryFiles(), 0) << "no temporary file is left behind";
}

TEST_F(SettingsFile, SaveAddsTheSectionOrKeyWhenMissing) {
  IniSettings store(File("deeper/dir/settings.ini"));
  ASSERT_TRUE(store.Write("VbApp", "score", "high", "12"));
  EXPECT_EQ(Get(File("deeper/dir/settings.ini")), "[score]\nhigh=12\n");

  Put(File(), "[score]\nname=ice\n\n[window]\nscale=2\n");
  IniSettings other(File());
  ASSERT_TRUE(other.Write("VbApp", "score", "high", "7"));
  EXPECT_EQ(Get(File()), "[score]\nname=ice\nhigh=7\n\n[window]\nscale=2\n");
}

// The volumes of [audio]: each key on its own falls back to 100 when missing or bad, and a high
// score saved afterwards leaves the section as the player wrote it.
TEST_F(SettingsFile, AudioVolumesReadWithDefaultsAndSurviveAScoreSave) {
  struct Case {
    const char* name;
    const char* text;
    int music, effects;
  } cases[] = {
      {"no file section", "[score]\nhigh=10\n", 100, 100},
      {"both set", "[audio]\nmusic=40\neffects=0\n", 40, 0},
      {"one set", "[audio]\neffects= 75 \n", 100, 75},
      {"too loud and negative", "[audio]\nmusic=101\neffects=-1\n", 100, 100},
      {"not numbers", "[audio]\nmusic=loud\neffects=\n", 100, 100},
      {"in another section", "[score]\nmusic=10\n", 100, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Put(File(), c.text);
    IniSettings store(File());
    const Volumes v = ReadVolumes(&store);
    EXPECT_EQ(v.music, c.music);
    EXPECT_EQ(v.effects, c.effects);
  }
  EXPECT_EQ(ReadVolumes(nullptr).music, 100);

  Put(File(), "[audio]\nmusic=loud\neffects=30\n[score]\nhigh=10\n");
  EXPECT_EQ(HighScoreAtStartUp(File()), 10);
  IniSettings store(File());
  ASSERT_TRUE(store.Write("VbApp", "score", "high", "500"));
  EXPECT_EQ(Get(File()), "[audio]\nmusic=loud\neffects=30\n[score]\nhigh=500\n");
}

TEST_F(SettingsFile, DefaultPathFollowsXdgConfigHomeThenHome) {
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const char* oldHome = std::getenv("HOME");
  const std::string keepXdg = oldXdg ? oldXdg : "", keepHome = oldHome ? oldHome : "";

  ::setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  IniSettings store;
  EXPECT_EQ(store.PathFor("VbApp"), (dir_ / "VbApp/settings.ini").string());
  ASSERT_TRUE(store.Write("VbApp", "score", "high", "3"));
  EXPECT_EQ(Get((dir_ / "VbApp/settings.ini").string()), "[score]\nhigh=3\n");

  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", "/home/skater", 1);
  EXPECT_EQ(store.PathFor("VbApp"), "/home/skater/.config/VbApp/settings.ini");
  EXPECT_EQ(IniSettings("/tmp/x.ini").PathFor("VbApp"), "/tmp/x.ini");

  if (oldXdg) ::setenv("XDG_CONFIG_HOME", keepXdg.c_str(), 1); else ::unsetenv("XDG_CONFIG_HOME");
  if (oldHome) ::setenv("HOME", keepHome.c_str(), 1); else ::unsetenv("HOME");
}

TEST_F(SettingsFile, AnUnwritablePlaceIsReportedOnceAndPlayGoesOn) {
  Put(File("plain"), "a file, not a folder");
  IniSettings store(File("plain") + "/settings.ini");
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(store.Write("VbApp", "score", "high", "10"));
  EXPECT_FALSE(store.Write("VbApp", "score", "high", "20"));
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("cannot save settings"), std::string::npos) << err;
  EXPECT_EQ(err.find("cannot save settings"), err.rfind("cannot save settings")) << err;
  EXPECT_EQ(store.Read("VbApp", "score", "high"), std::nullopt);
}

// The message names what failed and where: no folder can be made, something else is in its
// place, or it cannot be written (a read-only disk, mounted privately in a child).
TEST_F(SettingsFile, AFailedSaveSaysWhatFailedWithThePath) {
  Put(File("plain"), "a file, not a folder");
  struct Case {
    std::string path, expected;
  };
  const Case cases[] = {
      {File("plain") + "/settings.ini", File("plain") + " is not a folder"},
      {File("plain") + "/VbApp/settings.ini",
       "cannot create the folder " + File("plain") + "/VbApp: " + File("plain") + " is not a folder"},
  };
  for (const Case& c : cases) {
    IniSettings store(c.path);
    std::string why;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(store.Update("VbApp", "score", "high", [](auto) { return std::optional<std::string>("1"); }, &why),
              SettingsStore::Outcome::kFailed);
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(why, c.expected) << c.path;
  }

  fs::create_directories(dir_ / "home" / "VbApp");
  int out[2];
  ASSERT_EQ(::pipe(out), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(out[0]);
    const std::string home = (dir_ / "home").string();
    std::string why = "skipped";
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0 && ::mount(home.c_str(), home.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
        ::mount(nullptr, home.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0) {
      std::fclose(stderr);
      why.clear();
      for (const char* sub : {"/new/settings.ini", "/VbApp/settings.ini"}) {
        IniSettings store(home + sub);
        std::string reason;
        store.Update("VbApp", "score", "high", [](auto) { return std::optional<std::string>("1"); }, &reason);
        why += reason + "\n";
      }
    }
    (void)!::write(out[1], why.data(), why.size());
    ::_exit(0);
  }
  ::close(out[1]);
  std::string said;
  char buf[512];
  for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;) said.append(buf, size_t(n));
  ::close(out[0]);
  ::waitpid(child, nullptr, 0);
  if (said == "skipped") GTEST_SKIP() << "no private mounts here for the read-only case";
  EXPECT_EQ(said, "cannot create the folder " + (dir_ / "home/new").string() + ": Read-only file system\n" +
                      (dir_ / "home/VbApp").string() + " is not writable: Read-only file system\n");
}

// A save replaces the file with a new one: it keeps the mode the player gave the old file, and a
// file made afresh is 0644.
TEST_F(SettingsFile, ASaveKeepsTheFilesMode) {
  for (const ::mode_t mode : {0600, 0640, 0664}) {
    Put(File(), "[score]\nhigh=1\n");
    ASSERT_EQ(::chmod(File().c_str(), mode), 0);
    ASSERT_TRUE(IniSettings(File()).Write("VbApp", "score", "high", "2"));
    struct stat st {};
    ASSERT_EQ(::stat(File().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode) << std::oct << mode;
  }
  fs::remove(File());
  ASSERT_TRUE(IniSettings(File()).Write("VbApp", "score", "high", "3"));
  struct stat st {};
  ASSERT_EQ(::stat(File().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST_F(SettingsFile, ASaveKilledHalfwayLeavesTheOldValue) {
  // What a kill between writing the temporary file and renaming it leaves behind.
  Put(File(), "[score]\nhigh=4000\n");
  Put(File() + ".tmp.K1lled", "[score]\nhi");
  IniSettings store(File());
  EXPECT_EQ(store.Read("VbApp", "score", "high"), "4000");
  EXPECT_EQ(HighScoreAtStartUp(File()), 4000);
  // The next save goes through all the same.
  ASSERT_TRUE(store.Write("VbApp", "score", "high", "4100"));
  EXPECT_EQ(Get(File()), "[score]\nhigh=4100\n");
  EXPECT_EQ(TemporaryFiles(), 1) << "the save cleans up after itself (the killed one's stays)";
}

TEST_F(SettingsFile, KillingASaverAtRandomMomentsNeverTearsTheFile) {
  Put(File(), "[score]\nhigh=1\n");
  for (int round = 0; round < 12; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      IniSettings store(File());
      for (int n = 0;; ++n) store.Write("VbApp", "score", "high", n % 2 ? "1" : "22222222");
    }
    ::usleep(2000 + 1500 * round);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string text = Get(File());
    EXPECT_TRUE(text == "[score]\nhigh=1\n" || text == "[score]\nhigh=22222222\n")
        << "round " << round << ": '" << text << "'";
  }
}

// A game that read its high score at start-up and finishes with `total` now.
void FinishGame(const std::string& path, int32_t highAtStart, int32_t total, int32_t* highAfter = nullptr,
                std::string* notice = nullptr) {
  IniSettings store(path);
  auto g = std::make_unique<Game>();
  CreateForms(g->forms);
  g->settings = &store;
  g->HighScore = highAtStart;
  g->TotalScore = total;
  SaveHighScore(*g);
  if (highAfter) *highAfter = g->HighScore;
  if (notice) *notice = g->menuWindow.notice.text;
}

TEST_F(SettingsFile, AStaleCopyNeverLowersABetterScoreSavedSince) {
  // Started when the best was 0; meanwhile another copy saved 5000; this one ends with 4000.
  Put(File(), "[score]\nhigh=5000\n");
  int32_t high = 0;
  FinishGame(File(), 0, 4000, &high);
  EXPECT_EQ(Get(File()), "[score]\nhigh=5000\n");
  EXPECT_EQ(high, 5000) << "the better stored score becomes this game's high score";
  FinishGame(File(), 0, 5001, &high);
  EXPECT_EQ(Get(File()), "[score]\nhigh=5001\n");
  EXPECT_EQ(high, 5001);
}

TEST_F(SettingsFile, TwoGamesFinishingAtOnceKeepTheHigherScore) {
  // Both copies started with no high score; 5000 and 4000 are saved at the same moment. The
  // children wait at a pipe so that both saves begin together.
  int lost = 0;
  for (int round = 0; round < 100; ++round) {
    fs::remove(File());
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
      children[c] = ::fork();
      ASSERT_GE(children[c], 0);
      if (children[c] == 0) {
        ::close(gate[1]);
        char b;
        (void)!::read(gate[0], &b, 1);
        FinishGame(File(), 0, (c + round) % 2 ? 5000 : 4000);
        ::_exit(0);
      }
    }
    ::close(gate[0]);
    ::close(gate[1]);  // both children see the end of the pipe at once
    for (pid_t child : children) {
      int status = 0;
      ::waitpid(child, &status, 0);
    }
    lost += Get(File()) != "[score]\nhigh=5000\n";
  }
  EXPECT_EQ(lost, 0) << "the lower score was left in " << lost << " of 100 races";
}

TEST_F(SettingsFile, ASymlinkedFileIsWrittenThroughToItsTarget) {
  fs::create_directories(dir_ / "real");
  Put(File("real/kept.ini"), "[score]\nhigh=10\n");
  fs::create_symlink("real/kept.ini", File());
  IniSettings store(File());
  ASSERT_TRUE(store.Write("VbApp", "score", "high", "20"));
  EXPECT_TRUE(fs::is_symlink(File())) << "the link stays a link";
  EXPECT_EQ(Get(File("real/kept.ini")), "[score]\nhigh=20\n");
  EXPECT_EQ(store.Read("VbApp", "score", "high"), "20");
}

TEST_F(SettingsFile, AReadOnlyFileIsReportedAndLeftAlone) {
  Put(File(), "[score]\nhigh=10\n");
  fs::permissions(File(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const auto inode = fs::status(File()).permissions();
  std::string notice;
  ::testing::internal::CaptureStderr();
  FinishGame(File(), 10, 30, nullptr, &notice);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(Get(File()), "[score]\nhigh=10\n");
  EXPECT_EQ(fs::status(File()).permissions(), inode) << "still read-only";
  EXPECT_NE(err.find("read-only"), std::string::npos) << err;
  EXPECT_NE(notice.find("High score not saved"), std::string::npos) << "the title says so: " << notice;
  EXPECT_NE(notice.find("read-only"), std::string::npos) << notice;
}

TEST_F(SettingsFile, TemporaryFilesOlderThanAMinuteAreRemovedByTheNextSave) {
  Put(File(), "[score]\nhigh=1\n");
  Put(File() + ".tmp.Old123", "[score]\nhi");
  Put(File() + ".tmp.New456", "[score]\nhi");
  Put(File("other.tmp.Old789"), "not ours");
  const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
  fs::last_write_time(File() + ".tmp.Old123", old);
  fs::last_write_time(File("other.tmp.Old789"), old);
  IniSettings store(File());
  ASSERT_TRUE(store.Write("VbApp", "score", "high", "2"));
  EXPECT_FALSE(fs::exists(File() + ".tmp.Old123"));
  EXPECT_TRUE(fs::exists(File() + ".tmp.New456")) << "a save in progress elsewhere is left alone";
  EXPECT_TRUE(fs::exists(File("other.tmp.Old789")));
}

// A save writes the file back as the player's editor wrote it: its mark and its line ends.
TEST_F(SettingsFile, AByteOrderMarkAndWindowsLineEndsReadLikeAPlainFileAndAreKept) {
  for (const std::string eol : {"\r\n", "\n"}) {
    const std::string mark = "\xEF\xBB\xBF";
    Put(File(), mark + "[window]" + eol + "scale=2" + eol + eol + "[score]" + eol + "high=4321" + eol);
    EXPECT_EQ(HighScoreAtStartUp(File()), 4321);
    IniSettings store(File());
    ASSERT_TRUE(store.Write("VbApp", "score", "high", "5000"));
    ASSERT_TRUE(store.Write("VbApp", "score", "name", "ice"));
    EXPECT_EQ(Get(File()), mark + "[window]" + eol + "scale=2" + eol + eol + "[score]" + eol + "high=5000" + eol +
                               "name=ice" + eol);
    EXPECT_EQ(store.Read("VbApp", "score", "high"), "5000");
  }
}

}  // namespace
}  // namespace slidestone
